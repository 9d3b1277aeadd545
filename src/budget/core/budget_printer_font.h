#pragma once
// The printer font the Home Budget's print options panel opens with: the name and size kept in
// GColor4.Fil (records 20 and 21), with the entry grid's font when no name is kept and the
// fall-backs for fonts that cannot print.

#include <functional>
#include <string>

#include "common/core/settings_files.h"

namespace coinwell::budget {

inline constexpr float kDefaultPrinterFontSize = 14;
inline constexpr float kSmallestPrinterFontSize = 4;
inline constexpr float kLargestPrinterFontSize = 30;

struct PrinterFont {
    std::string name;
    float size = kDefaultPrinterFontSize;

    bool operator==(const PrinterFont&) const = default;
};

// From what GColor4.Fil holds: a size outside 4 to 30 (or none) is 14; a blank name takes the
// grid's font name; "MS Sans Serif" and "MS Serif", screen fonts that do not print, become
// "Times New Roman"; a font that cannot be used falls back to "Times New Roman", then "Courier".
PrinterFont openingPrinterFont(const StoredPrinterFont& stored, const std::string& gridFontName,
                               const std::function<bool(const std::string&)>& usable);

// Reads GColor4.Fil in the current folder.
PrinterFont readOpeningPrinterFont(const std::string& gridFontName,
                                   const std::function<bool(const std::string&)>& usable);

// Exit Print Options: the name and size into GColor4.Fil; false when nothing could be stored.
bool storePrinterFont(const PrinterFont& font);

}  // namespace coinwell::budget
