#include "budget/core/budget_printer_font.h"

#include <cmath>

#include "common/core/text_trim.h"

namespace coinwell::budget {

namespace {

constexpr const char* kTimesNewRoman = "Times New Roman";
constexpr const char* kCourier = "Courier";

bool isScreenFont(std::string_view name) {
    return name == "MS Sans Serif" || name == "MS Serif";
}

}  // namespace

PrinterFont openingPrinterFont(const StoredPrinterFont& stored, const std::string& gridFontName,
                               const std::function<bool(const std::string&)>& usable) {
    PrinterFont font;
    if (stored.size && std::isfinite(*stored.size) && *stored.size >= kSmallestPrinterFontSize &&
        *stored.size <= kLargestPrinterFontSize) {
        font.size = static_cast<float>(*stored.size);
    }
    font.name = trimBlanks(stored.name).empty() ? gridFontName : stored.name;
    if (isScreenFont(font.name) || trimBlanks(font.name).empty()) {
        font.name = kTimesNewRoman;
    }
    if (!usable(font.name)) {
        font.name = usable(kTimesNewRoman) ? kTimesNewRoman : kCourier;
    }
    return font;
}

PrinterFont readOpeningPrinterFont(const std::string& gridFontName,
                                   const std::function<bool(const std::string&)>& usable) {
    return openingPrinterFont(readBudgetPrinterFont(), gridFontName, usable);
}

bool storePrinterFont(const PrinterFont& font) {
    return writeBudgetPrinterFont(font.name, font.size);
}

}  // namespace coinwell::budget
