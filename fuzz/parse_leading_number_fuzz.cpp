// Any text through both number readers, and what they read back through the plain texts: they
// must never crash, and a number read must show and read back as the same 15-digit number.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "common/core/format_number.h"
#include "common/core/number_parse.h"
#include "common/core/number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        double value = coinwell::parseLeadingNumber(text);
        if (!std::isfinite(value)) {
            std::abort();
        }
        std::string shown = coinwell::plainNumberText(value);
        // The plain text reads back, through either reader, as the value it shows (except at
        // the very top of the range, where the rounded text lies beyond the largest double).
        if (std::fabs(value) < 1.79769313486231e308) {
            double again = coinwell::parseLeadingNumber(shown);
            if (coinwell::plainNumberText(again) != shown) {
                std::abort();
            }
            std::optional<double> strict = coinwell::parseLocaleNumber(shown);
            if (!strict || coinwell::plainNumberText(*strict) != shown) {
                std::abort();
            }
        }
        // Money shown with grouping reads back as the amount rounded to cents.
        if (std::fabs(value) < 1e13) {
            std::optional<double> money =
                coinwell::parseLocaleNumber(coinwell::formatNumber(value, "Currency"));
            if (!money || std::fabs(*money - value) > 0.005 + 1e-14 * std::fabs(value) + 1e-12) {
                std::abort();
            }
            std::optional<double> grouped =
                coinwell::parseLocaleNumber(coinwell::formatNumber(value, "#,##0.00;(#,##0.00)"));
            if (!grouped || *grouped != *money) {
                std::abort();
            }
        }
        coinwell::signedNumberText(value);
        coinwell::plainNumberText(static_cast<float>(value));
        coinwell::roundHalfEven16(value);
        coinwell::roundHalfEven32(value);
    } catch (const coinwell::NumberOverflow&) {
    }
    if (std::optional<double> value = coinwell::parseLocaleNumber(text)) {
        if (!std::isfinite(*value)) {
            std::abort();
        }
        coinwell::plainNumberText(*value);
    }
    return 0;
}
