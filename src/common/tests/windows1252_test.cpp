// Windows-1252 texts of the settings files to and from UTF-8.

#include <gtest/gtest.h>

#include "common/core/windows1252.h"

namespace coinwell {
namespace {

TEST(Windows1252, EveryByteReadsAndWritesBackUnchanged) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) {
        all += static_cast<char>(byte);
    }
    const std::string utf8 = windows1252ToUtf8(all);
    const auto back = utf8ToWindows1252(utf8);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, all);
    EXPECT_EQ(utf8Length(utf8), 256u);
}

TEST(Windows1252, KnownCharacters) {
    EXPECT_EQ(windows1252ToUtf8("\x80"), "\u20AC");
    EXPECT_EQ(windows1252ToUtf8("\x99"), "\u2122");
    EXPECT_EQ(windows1252ToUtf8("Z\xF6"
                                "e"),
              "Z\u00F6e");
    EXPECT_EQ(windows1252ToUtf8("\x81\x9D"), "\u0081\u009D");
    EXPECT_EQ(utf8ToWindows1252("M\u00FCller \u20AC5"), std::optional<std::string>("M\xFCller \x80"
                                                                                   "5"));
}

TEST(Windows1252, UnstorableOrBrokenTextIsRefusedOrMarked) {
    // Characters without a Windows-1252 form.
    EXPECT_FALSE(utf8ToWindows1252("\u0141ukasz").has_value());
    EXPECT_FALSE(utf8ToWindows1252("\U0001F600").has_value());
    EXPECT_EQ(utf8ToWindows1252Lossy("\u0141ukasz \U0001F600"), "?ukasz ?");
    // Invalid UTF-8: lone continuation, overlong, surrogate, truncated, beyond U+10FFFF.
    for (const std::string broken : {"a\x80", "\xC0\x80", "\xED\xA0\x80", "\xE2\x82",
                                     "\xF5\x80\x80\x80", "\xF4\x90\x80\x80", "\xFF"}) {
        EXPECT_FALSE(utf8ToWindows1252(broken).has_value()) << broken;
        const std::string lossy = utf8ToWindows1252Lossy(broken);
        EXPECT_NE(lossy.find('?'), std::string::npos);
        for (const char c : lossy) {
            EXPECT_TRUE(c == '?' || c == 'a') << broken;
        }
    }
    EXPECT_EQ(utf8ToWindows1252Lossy("x\xE2\x82y"), "x?y");
}

TEST(Windows1252, CountingAndCuttingCharacters) {
    const std::string name = "Gr\u00FC\u00DFe-\u20AC";  // 7 characters, 10 bytes
    EXPECT_EQ(utf8Length(name), 7u);
    EXPECT_EQ(utf8Left(name, 3), "Gr\u00FC");
    EXPECT_EQ(utf8Left(name, 100), name);
    EXPECT_EQ(utf8Left("", 5), "");
}

}  // namespace
}  // namespace coinwell
