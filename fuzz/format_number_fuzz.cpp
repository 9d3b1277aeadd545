// A value and a pattern from the input: the first 8 bytes are the double (or, when the input
// is short, the value is read from the text before a tab), the rest is the pattern; the same
// 8 bytes also make a date whose fields may be far out of range. Formatting
// must never crash or hang; a rejected pattern is fine.

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "common/core/date_time.h"
#include "common/core/format_number.h"
#include "common/core/number_parse.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    double value = 0;
    coinwell::DateTime when{2006, 9, 30, 15, 7, 9};
    std::string_view pattern;
    std::string_view valueText;
    std::size_t tab = input.find('\t');
    if (tab != std::string_view::npos) {
        valueText = input.substr(0, tab);
        pattern = input.substr(tab + 1);
        try {
            value = coinwell::parseLeadingNumber(valueText);
        } catch (const coinwell::NumberOverflow&) {
            value = 1e308;
        }
    } else if (size >= 8) {
        std::memcpy(&value, data, sizeof value);
        pattern = input.substr(8);
        // The same bytes as date fields, most of them out of range.
        when.year = static_cast<std::int16_t>(data[0] | data[1] << 8);
        when.month = static_cast<std::int8_t>(data[2]);
        when.day = static_cast<std::int8_t>(data[3]);
        when.hour = static_cast<std::int8_t>(data[4]);
        when.minute = static_cast<std::int8_t>(data[5]);
        when.second = static_cast<std::int16_t>(data[6] | data[7] << 8) * 1000;
    } else {
        pattern = input;
    }
    try {
        coinwell::formatNumber(value, pattern);
        coinwell::formatNumber(-value, pattern);
        coinwell::formatNumber(0.0, pattern);
        coinwell::formatNumber(valueText, pattern);
        coinwell::formatDate(when, pattern);
    } catch (const coinwell::BadFormatPattern&) {
    }
    return 0;
}
