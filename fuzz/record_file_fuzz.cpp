// Any file content read as records of any length, in every encoding, and through the settings
// accessors: never a crash, and every value read can be written back to the same bytes.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "common/core/record_file.h"
#include "common/core/run_settings.h"
#include "common/core/settings_files.h"

namespace {

void writeFile(const char* name, std::string_view bytes) {
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::filesystem::path& scratchFolder() {
    static std::filesystem::path folder;
    return folder;
}

void removeScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(scratchFolder(), ignored);
}

// The settings files are written by bare name: work in a private scratch folder of this run
// (also when the corpus is replayed without libFuzzer), made with mkdtemp so that no other user
// can prepare or read it; memory-backed where the system has /dev/shm.
void enterScratchFolder() {
    if (!scratchFolder().empty()) {
        return;
    }
    const std::filesystem::path base = std::filesystem::is_directory("/dev/shm")
                                           ? "/dev/shm"
                                           : std::filesystem::temp_directory_path();
    std::string pattern = (base / "coinwell-record-fuzz-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        std::abort();
    }
    scratchFolder() = pattern;
    std::filesystem::current_path(scratchFolder());
    std::atexit(removeScratchFolder);
}

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::size_t recordLength = 2 + data[0] % 63;
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);

    // Every record in all three encodings, and each value written back gives its own bytes.
    for (std::size_t offset = 0; offset < bytes.size() + recordLength; offset += recordLength) {
        const std::string_view record =
            offset < bytes.size() ? bytes.substr(offset, recordLength) : std::string_view();
        const std::string text = coinwell::RecordFile::decodeText(record, recordLength);
        const auto encodedText = coinwell::RecordFile::encodeText(text, recordLength);
        check(encodedText.has_value());
        if (!text.empty()) {
            check(record.substr(0, encodedText->size()) == *encodedText);
        }
        (void)coinwell::RecordFile::decodeInteger(record);
        const coinwell::RecordVariant value =
            coinwell::RecordFile::decodeVariant(record, recordLength);
        const auto encodedValue = coinwell::RecordFile::encodeVariant(value, recordLength);
        check(encodedValue.has_value());
        const bool exact = std::holds_alternative<std::int16_t>(value) ||
                           std::holds_alternative<std::int32_t>(value) ||
                           std::holds_alternative<std::string>(value);
        if (exact) {
            check(record.substr(0, encodedValue->size()) == *encodedValue);
        }
        (void)coinwell::classifySharedRecord(record, recordLength);
    }

    // The same bytes as a file read through the record file and the settings accessors. Files
    // are slow next to the decoding above, so one input in eight takes this path.
    if (data[0] % 8 != 0 && data[0] >= 8) {
        return 0;
    }
    enterScratchFolder();
    writeFile("Fuzz.Fil", bytes);
    const coinwell::RecordFile file("Fuzz.Fil", recordLength);
    const int records = static_cast<int>(bytes.size() / recordLength) + 2;
    for (int n = 1; n <= records; ++n) {
        (void)file.readText(n);
        (void)file.readInteger(n);
        (void)file.readVariant(n);
    }
    for (const char* name : {"GColor1.Fil", "GColor3.Fil", "GColor4.Fil", "GHINV1.Fil",
                             "HINVNAME.FIL", "Coinwell.Fil"}) {
        writeFile(name, bytes);
    }
    coinwell::RunSettings settings;
    coinwell::loadRunSettings(settings);
    (void)coinwell::readGuideLines(coinwell::GuideLinesScreen::Loan);
    (void)coinwell::readHomeCalculatorRate();
    (void)coinwell::readBudgetPrinterFont();
    (void)coinwell::wallpaperNumber(settings.screenBackground);
    (void)coinwell::readGridBackground();
    return 0;
}
