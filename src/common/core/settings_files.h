#pragma once
// The settings records of the suite's shared settings files, each by bare file name in the
// current (program) folder. Every call opens the file (creating it empty when missing), reads or
// writes the named records and closes it. Reads of a missing, short or damaged file give the
// defaults; writes return false when nothing was stored, and never disturb other records.
//
//   GColor1.Fil (20-byte records): 10-13 panel colours of the Calculator, Actuarial, Loan and
//       Budget screens; 14 grid background; 15 grid text colour; 49 the program-wide panel
//       colour; 16-18, 22, 27, 32, 36, 38, 40, 54, 56, 70, 80 panel colours of the suite's other
//       programs; 55 belongs to other programs and is never written.
//   GColor2.Fil (20): panel colours of other programs (5, 9, 12, 16, 19, 20, 22, 25, 40).
//   GColor3.Fil (20): 8 Home Calculator panel colour; guide-lines choices 12 (Budget),
//       20 (Loan), 22 (Actuarial), 24 (Home Calculator); 17, 91, 92, 100-105 other programs'
//       panel colours; 35 display mode text, 36 stored height, 37 stored width (integers).
//   GColor4.Fil (40): 20 the Budget's printer font name, 21 its size (typed values).
//   GHINV1.Fil (10): 3 the screen background (variant); 10 belongs to other programs.
//   HINVNAME.FIL (40): 1 the family name.
//   Coinwell.Fil (20): this program's own records; 1 the Home Calculator's interest rate.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/core/record_file.h"
#include "common/core/run_settings.h"

namespace coinwell {

struct SettingsFile {
    const char* name;
    std::size_t recordLength;
};
inline constexpr SettingsFile kGColor1File{"GColor1.Fil", 20};
inline constexpr SettingsFile kGColor2File{"GColor2.Fil", 20};
inline constexpr SettingsFile kGColor3File{"GColor3.Fil", 20};
inline constexpr SettingsFile kGColor4File{"GColor4.Fil", 40};
inline constexpr SettingsFile kGHinv1File{"GHINV1.Fil", 10};
inline constexpr SettingsFile kHinvNameFile{"HINVNAME.FIL", 40};
inline constexpr SettingsFile kOwnSettingsFile{"Coinwell.Fil", 20};

RecordFile openSettingsFile(const SettingsFile& file);

// Every panel-colour record of the suite, in the order the update to all screens writes them.
inline constexpr int kGColor1PanelRecords[] = {10, 11, 12, 13, 16, 17, 18, 22, 27,
                                               32, 36, 38, 40, 49, 54, 56, 70, 80};
inline constexpr int kGColor2PanelRecords[] = {5, 9, 12, 16, 19, 20, 22, 25, 40};
inline constexpr int kGColor3PanelRecords[] = {8, 17, 91, 92, 100, 101, 102, 103, 104, 105};

// Panel colours: a decimal colour number or "Default", as stored (untrimmed).
enum class PanelColorScreen { Calculator, Actuarial, Loan, Budget, HomeCalculator, Main };
std::string readPanelColor(PanelColorScreen screen);
bool writePanelColor(PanelColorScreen screen, std::string_view text);

// The grids' background ("Default", a colour number or "WP1" ... "WP16") and text colour.
std::string readGridBackground();
bool writeGridBackground(std::string_view text);
std::string readGridTextColor();
bool writeGridTextColor(std::string_view text);

// Guide-lines choice of a printing screen's print options panel: "0" or "1"; empty when missing.
enum class GuideLinesScreen { Budget, Loan, Actuarial, HomeCalculator };
int guideLinesRecord(GuideLinesScreen screen);
std::string readGuideLines(GuideLinesScreen screen);
bool writeGuideLines(GuideLinesScreen screen, std::string_view text);

// GColor3.Fil record 20 is the Loan Calculator's guide-lines text "0"/"1" and, as older versions
// of the Home Calculator and other programs of the suite write it, the Home Calculator's rate as
// a variant. The two are told apart by the first two bytes: a guide-lines text starts with its
// length 1, a variant with its tag (0 empty, 2-5 numbers, 8 text).
enum class SharedRecordContent { Empty, Text, Variant };
SharedRecordContent classifySharedRecord(std::string_view recordBytes, std::size_t recordLength);

// The Home Calculator's interest rate. It is kept in Coinwell.Fil record 1, which no other
// program uses, so that it and the Loan Calculator's guide lines no longer overwrite each other;
// when that record is empty, a variant found in GColor3.Fil record 20 is used.
RecordVariant readHomeCalculatorRate();
bool writeHomeCalculatorRate(const RecordVariant& rate);

// GColor3.Fil 35-37.
struct DisplayRecords {
    std::string mode;  // "Yes" Smaller Screen display, "No" Full
    std::int16_t height = 0;
    std::int16_t width = 0;
};
DisplayRecords readDisplayRecords();
bool writeDisplayMode(std::string_view text);
// The mode text, and for Smaller display the size, in one writing of the file.
bool writeDisplayState(std::string_view modeText, std::optional<std::int16_t> height,
                       std::optional<std::int16_t> width);

// GHINV1.Fil record 3 in the form RunSettings keeps it: a colour number (tag 3) as decimal text,
// a text (tag 8) as it is, empty for an empty or unreadable record.
std::string screenBackgroundText(const RecordVariant& stored);
std::string readScreenBackground();
// A decimal colour number is stored as a 32-bit integer, anything else ("Def", "WP7") as text.
bool writeScreenBackground(std::string_view value);
// The wallpaper a background or grid background names: "WP" (any letter case) and 1 to 16.
std::optional<int> wallpaperNumber(std::string_view value);

// HINVNAME.FIL record 1; nothing when the file cannot be read.
std::optional<std::string> readFamilyName();
bool writeFamilyName(std::string_view name);

// GColor4.Fil records 20 and 21: the Budget's printer font.
struct StoredPrinterFont {
    std::string name;            // empty when not stored
    std::optional<double> size;  // nothing when not stored as a number
};
StoredPrinterFont readBudgetPrinterFont();
// The name as a text value, the size as a single; each record is zero after its value.
bool writeBudgetPrinterFont(std::string_view name, float size);

// The start-up reads: GColor3.Fil 35-37, HINVNAME.FIL 1, GHINV1.Fil 3, GColor1.Fil 49 (creating
// the files when missing). Sets displayMode (Smaller only when record 35 begins with "Yes"),
// storedHeight/storedWidth (raised to at least 9000 x 12000 twips for Smaller display),
// familyName, screenBackground (empty = blue) and panelColor ("Default" when blank). The
// pending panel colour and the Default Panel Color marker are left alone.
inline constexpr int kMinimumStoredHeight = 9000;
inline constexpr int kMinimumStoredWidth = 12000;
void loadRunSettings(RunSettings& settings);

}  // namespace coinwell
