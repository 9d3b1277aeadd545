#include "common/core/settings_files.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace coinwell {

namespace {

constexpr int kGridBackgroundRecord = 14;
constexpr int kGridTextColorRecord = 15;
constexpr int kMainPanelColorRecord = 49;
constexpr int kSharedRecord = 20;  // Loan guide lines / older Home Calculator rate
constexpr int kDisplayModeRecord = 35;
constexpr int kStoredHeightRecord = 36;
constexpr int kStoredWidthRecord = 37;
constexpr int kScreenBackgroundRecord = 3;
constexpr int kFamilyNameRecord = 1;
constexpr int kPrinterFontNameRecord = 20;
constexpr int kPrinterFontSizeRecord = 21;
constexpr int kHomeCalculatorRateRecord = 1;

struct RecordPlace {
    const SettingsFile& file;
    int record;
};

RecordPlace panelColorPlace(PanelColorScreen screen) {
    switch (screen) {
        case PanelColorScreen::Calculator:
            return {kGColor1File, 10};
        case PanelColorScreen::Actuarial:
            return {kGColor1File, 11};
        case PanelColorScreen::Loan:
            return {kGColor1File, 12};
        case PanelColorScreen::Budget:
            return {kGColor1File, 13};
        case PanelColorScreen::HomeCalculator:
            return {kGColor3File, 8};
        case PanelColorScreen::Main:
            break;
    }
    return {kGColor1File, kMainPanelColorRecord};
}

std::string readTextRecord(const SettingsFile& file, int record) {
    return openSettingsFile(file).readText(record);
}

bool writeTextRecord(const SettingsFile& file, int record, std::string_view text) {
    return openSettingsFile(file).writeText(record, text);
}

bool isBlank(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\t'; });
}

std::string numberText(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}

}  // namespace

RecordFile openSettingsFile(const SettingsFile& file) {
    return RecordFile(file.name, file.recordLength);
}

std::string readPanelColor(PanelColorScreen screen) {
    const RecordPlace place = panelColorPlace(screen);
    return readTextRecord(place.file, place.record);
}

bool writePanelColor(PanelColorScreen screen, std::string_view text) {
    const RecordPlace place = panelColorPlace(screen);
    return writeTextRecord(place.file, place.record, text);
}

std::string readGridBackground() {
    return readTextRecord(kGColor1File, kGridBackgroundRecord);
}

bool writeGridBackground(std::string_view text) {
    return writeTextRecord(kGColor1File, kGridBackgroundRecord, text);
}

std::string readGridTextColor() {
    return readTextRecord(kGColor1File, kGridTextColorRecord);
}

bool writeGridTextColor(std::string_view text) {
    return writeTextRecord(kGColor1File, kGridTextColorRecord, text);
}

int guideLinesRecord(GuideLinesScreen screen) {
    switch (screen) {
        case GuideLinesScreen::Budget:
            return 12;
        case GuideLinesScreen::Loan:
            return kSharedRecord;
        case GuideLinesScreen::Actuarial:
            return 22;
        case GuideLinesScreen::HomeCalculator:
            return 24;
    }
    return kSharedRecord;
}

SharedRecordContent classifySharedRecord(std::string_view bytes, std::size_t recordLength) {
    if (bytes.size() < 2) {
        return SharedRecordContent::Empty;
    }
    const unsigned first = static_cast<unsigned char>(bytes[0]) |
                           (static_cast<unsigned>(static_cast<unsigned char>(bytes[1])) << 8);
    switch (first) {
        case 0:
            return SharedRecordContent::Empty;
        case 1:
            return SharedRecordContent::Text;  // "0" or "1"
        case 2:
        case 3:
        case 4:
        case 5:
        case 8:
            // A variant when it reads as one; otherwise a text of that length.
            if (!std::holds_alternative<std::monostate>(
                    RecordFile::decodeVariant(bytes, recordLength))) {
                return SharedRecordContent::Variant;
            }
            return SharedRecordContent::Text;
        default:
            return SharedRecordContent::Text;
    }
}

std::string readGuideLines(GuideLinesScreen screen) {
    const RecordFile file = openSettingsFile(kGColor3File);
    const int record = guideLinesRecord(screen);
    if (record == kSharedRecord &&
        classifySharedRecord(file.recordBytes(record), file.recordLength()) !=
            SharedRecordContent::Text) {
        return {};
    }
    return file.readText(record);
}

bool writeGuideLines(GuideLinesScreen screen, std::string_view text) {
    return writeTextRecord(kGColor3File, guideLinesRecord(screen), text);
}

RecordVariant readHomeCalculatorRate() {
    RecordVariant own = openSettingsFile(kOwnSettingsFile).readVariant(kHomeCalculatorRateRecord);
    if (!std::holds_alternative<std::monostate>(own)) {
        return own;
    }
    const RecordFile shared = openSettingsFile(kGColor3File);
    const std::string_view bytes = shared.recordBytes(kSharedRecord);
    if (classifySharedRecord(bytes, shared.recordLength()) == SharedRecordContent::Variant) {
        return RecordFile::decodeVariant(bytes, shared.recordLength());
    }
    return {};
}

bool writeHomeCalculatorRate(const RecordVariant& rate) {
    return openSettingsFile(kOwnSettingsFile).writeVariant(kHomeCalculatorRateRecord, rate);
}

DisplayRecords readDisplayRecords() {
    const RecordFile file = openSettingsFile(kGColor3File);
    return DisplayRecords{file.readText(kDisplayModeRecord), file.readInteger(kStoredHeightRecord),
                          file.readInteger(kStoredWidthRecord)};
}

bool writeDisplayMode(std::string_view text) {
    return writeTextRecord(kGColor3File, kDisplayModeRecord, text);
}

bool writeDisplayState(std::string_view modeText, std::optional<std::int16_t> height,
                       std::optional<std::int16_t> width) {
    RecordFile file = openSettingsFile(kGColor3File);
    bool staged = file.stageText(kDisplayModeRecord, modeText);
    if (height) {
        staged = file.stageInteger(kStoredHeightRecord, *height) || staged;
    }
    if (width) {
        staged = file.stageInteger(kStoredWidthRecord, *width) || staged;
    }
    return staged && file.save();
}

std::string screenBackgroundText(const RecordVariant& stored) {
    if (const auto* text = std::get_if<std::string>(&stored)) {
        return *text;
    }
    if (const auto* number = std::get_if<std::int32_t>(&stored)) {
        return std::to_string(*number);
    }
    if (const auto* number = std::get_if<std::int16_t>(&stored)) {
        return std::to_string(*number);
    }
    if (const auto* number = std::get_if<float>(&stored)) {
        return numberText(*number);
    }
    if (const auto* number = std::get_if<double>(&stored)) {
        return numberText(*number);
    }
    return {};
}

std::string readScreenBackground() {
    return screenBackgroundText(openSettingsFile(kGHinv1File).readVariant(kScreenBackgroundRecord));
}

bool writeScreenBackground(std::string_view value) {
    RecordVariant stored = std::string(value);
    std::int64_t number = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (!value.empty() && value.front() != '-' && error == std::errc() &&
        end == value.data() + value.size() && number <= std::numeric_limits<std::int32_t>::max()) {
        stored = static_cast<std::int32_t>(number);
    }
    return openSettingsFile(kGHinv1File).writeVariant(kScreenBackgroundRecord, stored);
}

std::optional<int> wallpaperNumber(std::string_view value) {
    if (value.size() < 3 || value.size() > 4 || (value[0] != 'W' && value[0] != 'w') ||
        (value[1] != 'P' && value[1] != 'p')) {
        return std::nullopt;
    }
    int number = 0;
    const auto [end, error] =
        std::from_chars(value.data() + 2, value.data() + value.size(), number);
    if (error != std::errc() || end != value.data() + value.size() || number < 1 || number > 16 ||
        value[2] == '0') {
        return std::nullopt;
    }
    return number;
}

std::optional<std::string> readFamilyName() {
    const RecordFile file = openSettingsFile(kHinvNameFile);
    if (!file.isReadable()) {
        return std::nullopt;
    }
    return file.readText(kFamilyNameRecord);
}

bool writeFamilyName(std::string_view name) {
    return writeTextRecord(kHinvNameFile, kFamilyNameRecord, name);
}

StoredPrinterFont readBudgetPrinterFont() {
    const RecordFile file = openSettingsFile(kGColor4File);
    StoredPrinterFont font;
    const RecordVariant name = file.readVariant(kPrinterFontNameRecord);
    if (const auto* text = std::get_if<std::string>(&name)) {
        font.name = *text;
    }
    const RecordVariant size = file.readVariant(kPrinterFontSizeRecord);
    std::visit(
        [&font](const auto& value) {
            using T = std::decay_t<decltype(value)>;
            if constexpr (std::is_arithmetic_v<T>) {
                if (std::isfinite(static_cast<double>(value))) {
                    font.size = static_cast<double>(value);
                }
            }
        },
        size);
    return font;
}

bool writeBudgetPrinterFont(std::string_view name, float size) {
    RecordFile file = openSettingsFile(kGColor4File);
    auto padded = [&file](std::optional<std::string> bytes) -> std::optional<std::string> {
        if (bytes) {
            bytes->resize(file.recordLength(), '\0');
        }
        return bytes;
    };
    bool staged = false;
    if (auto bytes = padded(RecordFile::encodeVariant(std::string(name), file.recordLength()))) {
        staged = file.stageBytes(kPrinterFontNameRecord, std::move(*bytes));
    }
    if (auto bytes = padded(RecordFile::encodeVariant(size, file.recordLength()))) {
        staged = file.stageBytes(kPrinterFontSizeRecord, std::move(*bytes)) || staged;
    }
    return staged && file.save();
}

void loadRunSettings(RunSettings& settings) {
    const DisplayRecords display = readDisplayRecords();
    settings.displayMode =
        display.mode.compare(0, 3, "Yes") == 0 ? DisplayMode::Smaller : DisplayMode::Full;
    settings.storedHeight = display.height;
    settings.storedWidth = display.width;
    if (settings.displayMode == DisplayMode::Smaller) {
        settings.storedHeight = std::max(settings.storedHeight, kMinimumStoredHeight);
        settings.storedWidth = std::max(settings.storedWidth, kMinimumStoredWidth);
    }
    settings.familyName = readFamilyName().value_or(std::string());
    settings.screenBackground = readScreenBackground();
    const std::string panel = readTextRecord(kGColor1File, kMainPanelColorRecord);
    settings.panelColor = isBlank(panel) ? std::string("Default") : panel;
}

}  // namespace coinwell
