// Fixed-length record files: byte-exact encodings, other bytes kept, damaged files read as empty.

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <string>

#include "common/core/record_file.h"
#include "common/core/safe_write.h"
#include "common/tests/support/temporary_program_folder.h"

namespace coinwell {
namespace {

class RecordFileTest : public ::testing::Test {
  protected:
    void TearDown() override { setSafeWriteFailureHook({}); }
    std::string bytes(std::string_view name) const { return folder.readBytes(name); }
    std::string hex(std::string_view name) const { return hexBytes(folder.readBytes(name)); }
    // A file of n bytes 0xA0, 0xA1, ... so that any byte moved or lost shows.
    std::string pattern(std::size_t n) const {
        std::string text;
        for (std::size_t i = 0; i < n; ++i) {
            text += static_cast<char>(0xA0 + i % 37);
        }
        return text;
    }
    TemporaryProgramFolder folder;
};

TEST_F(RecordFileTest, OpeningCreatesAnEmptyFileAndEmptyRecordsReadEmpty) {
    RecordFile file("New.Fil", 20);
    EXPECT_TRUE(folder.exists("New.Fil"));
    EXPECT_EQ(bytes("New.Fil"), "");
    EXPECT_TRUE(file.isReadable());
    EXPECT_EQ(file.readText(1), "");
    EXPECT_EQ(file.readInteger(5), 0);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(file.readVariant(100)));
    EXPECT_EQ(file.readText(0), "");
    EXPECT_EQ(file.readText(-3), "");
}

TEST_F(RecordFileTest, EncodingsAreByteExact) {
    RecordFile file("R.Fil", 20);
    ASSERT_TRUE(file.writeText(2, "No"));
    EXPECT_EQ(hex("R.Fil"), hexBytes(std::string(20, '\0')) + " 02 00 4E 6F");
    ASSERT_TRUE(file.writeInteger(1, -2));
    ASSERT_TRUE(file.writeInteger(3, 9000));
    EXPECT_EQ(hex("R.Fil"), "FE FF " + hexBytes(std::string(18, '\0')) + " 02 00 4E 6F " +
                                hexBytes(std::string(16, '\0')) + " 28 23");

    RecordFile variants("V.Fil", 10);
    ASSERT_TRUE(variants.writeVariant(1, std::int32_t{255}));
    ASSERT_TRUE(variants.writeVariant(2, std::string("WP7")));
    ASSERT_TRUE(variants.writeVariant(3, RecordVariant{}));
    ASSERT_TRUE(variants.writeVariant(4, std::int16_t{-1}));
    ASSERT_TRUE(variants.writeVariant(5, 14.0f));
    EXPECT_EQ(hex("V.Fil"),
              "03 00 FF 00 00 00 00 00 00 00 "
              "08 00 03 00 57 50 37 00 00 00 "
              "00 00 00 00 00 00 00 00 00 00 "
              "02 00 FF FF 00 00 00 00 00 00 "
              "04 00 00 00 60 41");
    RecordFile reread("V.Fil", 10);
    EXPECT_EQ(reread.readVariant(1), RecordVariant(std::int32_t{255}));
    EXPECT_EQ(reread.readVariant(2), RecordVariant(std::string("WP7")));
    EXPECT_EQ(reread.readVariant(4), RecordVariant(std::int16_t{-1}));
    EXPECT_EQ(reread.readVariant(5), RecordVariant(14.0f));
    RecordFile doubles("D.Fil", 10);
    ASSERT_TRUE(doubles.writeVariant(1, 7.25));
    EXPECT_EQ(RecordFile("D.Fil", 10).readVariant(1), RecordVariant(7.25));
    EXPECT_EQ(hex("D.Fil"), "05 00 00 00 00 00 00 00 1D 40");
}

TEST_F(RecordFileTest, TextsAreStoredInWindows1252) {
    RecordFile file("T.Fil", 40);
    ASSERT_TRUE(file.writeText(1, "M\u00FCller \u20AC"));
    EXPECT_EQ(hex("T.Fil"), "08 00 4D FC 6C 6C 65 72 20 80");
    EXPECT_EQ(RecordFile("T.Fil", 40).readText(1), "M\u00FCller \u20AC");
    // A character Windows-1252 cannot hold: the value is not written at all.
    EXPECT_FALSE(file.writeText(1, "\u0141ukasz"));
    EXPECT_FALSE(file.writeText(1, "bad \xC0\x80"));
    EXPECT_EQ(hex("T.Fil"), "08 00 4D FC 6C 6C 65 72 20 80");
}

TEST_F(RecordFileTest, WritesKeepEveryOtherByte) {
    const std::string before = pattern(95);  // four records and a part of a fifth
    folder.writeBytes("K.Fil", before);
    RecordFile file("K.Fil", 20);
    ASSERT_TRUE(file.writeText(2, "123"));
    std::string expected = before;
    expected.replace(20, 5,
                     std::string("\x03\x00"
                                 "123",
                                 5));
    EXPECT_EQ(hex("K.Fil"), hexBytes(expected));
    // Beyond the end: zero bytes up to the record, then only the value.
    ASSERT_TRUE(file.writeInteger(7, 1));
    expected.resize(120, '\0');
    expected += std::string("\x01\x00", 2);
    EXPECT_EQ(hex("K.Fil"), hexBytes(expected));
}

TEST_F(RecordFileTest, ValuesTooLongForTheRecordAreNotWritten) {
    folder.writeBytes("L.Fil", pattern(40));
    RecordFile file("L.Fil", 20);
    EXPECT_FALSE(file.writeText(1, std::string(19, 'x')));
    EXPECT_FALSE(file.writeVariant(2, std::string(17, 'x')));
    EXPECT_EQ(bytes("L.Fil"), pattern(40));
    EXPECT_TRUE(file.writeText(1, std::string(18, 'x')));
    EXPECT_TRUE(file.writeVariant(2, std::string(16, 'y')));
    EXPECT_EQ(RecordFile("L.Fil", 20).readText(1), std::string(18, 'x'));
    EXPECT_EQ(RecordFile("L.Fil", 20).readVariant(2), RecordVariant(std::string(16, 'y')));
    EXPECT_EQ(bytes("L.Fil").size(), 40u);
}

TEST_F(RecordFileTest, SeveralRecordsInOneWritingKeepOtherProgramsChanges) {
    RecordFile file("S.Fil", 20);
    EXPECT_TRUE(file.stageText(3, "Default"));
    EXPECT_FALSE(file.stageText(4, std::string(30, 'z')));  // skipped, the others still go
    EXPECT_TRUE(file.stageInteger(1, 5));
    // Another program writes record 2 after this one opened the file.
    folder.writeBytes("S.Fil", std::string(20, '\0') + std::string("\x02\x00OK", 4));
    ASSERT_TRUE(file.save());
    RecordFile reread("S.Fil", 20);
    EXPECT_EQ(reread.readInteger(1), 5);
    EXPECT_EQ(reread.readText(2), "OK");
    EXPECT_EQ(reread.readText(3), "Default");
    EXPECT_EQ(reread.readText(4), "");
}

TEST_F(RecordFileTest, DamagedFilesReadAsEmpty) {
    // Length field larger than the record, text running past the end of the file, unknown tag,
    // variant text longer than its record, a file cut inside a record.
    std::string damaged;
    damaged += std::string("\x13\x00", 2) + std::string(18, 'a');           // 1: n = 19
    damaged += std::string("\x07\x00", 2) + "abc" + std::string(15, '\0');  // 2: fine
    damaged += std::string("\x63\x00", 2) + std::string(18, 'b');           // 3: tag 99
    damaged += std::string("\x08\x00\x11\x00", 4) + std::string(16, 'c');   // 4: n = 17
    damaged += std::string("\x03\x00\x01", 3);                              // 5: cut
    folder.writeBytes("X.Fil", damaged);
    RecordFile file("X.Fil", 20);
    EXPECT_EQ(file.readText(1), "");
    EXPECT_EQ(file.readText(2), std::string("abc\0\0\0\0", 7));
    EXPECT_TRUE(std::holds_alternative<std::monostate>(file.readVariant(3)));
    EXPECT_TRUE(std::holds_alternative<std::monostate>(file.readVariant(4)));
    EXPECT_TRUE(std::holds_alternative<std::monostate>(file.readVariant(5)));
    EXPECT_EQ(file.readText(5), "");
    EXPECT_EQ(file.readInteger(5), 3);  // the two bytes that are there
    EXPECT_EQ(file.readInteger(6), 0);
    // Writing into the damaged file keeps all of it.
    ASSERT_TRUE(file.writeText(6, "ok"));
    EXPECT_EQ(bytes("X.Fil").substr(0, damaged.size()), damaged);
}

TEST_F(RecordFileTest, FolderOrPipeOfThatNameIsNeitherReadNorReplaced) {
    std::filesystem::create_directory(folder.filePath("GColor1.Fil"));
    RecordFile dir("GColor1.Fil", 20);
    EXPECT_FALSE(dir.isReadable());
    EXPECT_EQ(dir.readText(49), "");
    EXPECT_FALSE(dir.writeText(49, "255"));
    EXPECT_TRUE(std::filesystem::is_directory(folder.filePath("GColor1.Fil")));

    ASSERT_EQ(::mkfifo(folder.filePath("Pipe.Fil").c_str(), 0644), 0);
    RecordFile pipe("Pipe.Fil", 20);  // must not hang
    EXPECT_FALSE(pipe.isReadable());
    EXPECT_FALSE(pipe.writeInteger(1, 1));
    EXPECT_TRUE(std::filesystem::is_fifo(folder.filePath("Pipe.Fil")));
}

TEST_F(RecordFileTest, FailedWriteLeavesTheFileAsItWas) {
    folder.writeBytes("F.Fil", pattern(60));
    RecordFile file("F.Fil", 20);
    setSafeWriteFailureHook([](SafeWriteStep step) { return step == SafeWriteStep::Sync; });
    EXPECT_FALSE(file.writeText(2, "x"));
    EXPECT_EQ(bytes("F.Fil"), pattern(60));
    // The file was removed after opening: nothing to keep, the write makes a new file.
    setSafeWriteFailureHook({});
    std::filesystem::remove(folder.filePath("F.Fil"));
    EXPECT_TRUE(file.writeText(2, "x"));
    EXPECT_EQ(hex("F.Fil"), hexBytes(std::string(20, '\0') + std::string("\x01\x00x", 3)));
}

}  // namespace
}  // namespace coinwell
