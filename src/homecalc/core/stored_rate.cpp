#include "homecalc/core/stored_rate.h"

#include <cmath>
#include <type_traits>

#include "homecalc/core/home_boxes.h"

namespace coinwell::homecalc {

std::optional<std::string> storedRateBoxText(const RecordVariant& stored) {
    return std::visit(
        [](const auto& value) -> std::optional<std::string> {
            using T = std::decay_t<decltype(value)>;
            double rate = 0;
            if constexpr (std::is_same_v<T, std::monostate>) {
                return std::nullopt;
            } else if constexpr (std::is_same_v<T, std::string>) {
                rate = boxValue(value);
            } else {
                rate = static_cast<double>(value);
            }
            if (!std::isfinite(rate) || !(rate > 0) || rate == 7) {
                return std::nullopt;
            }
            if constexpr (std::is_same_v<T, float>) {
                // A single shows with its own seven digits.
                return boxNumberText(value);
            } else {
                return boxNumberText(rate);
            }
        },
        stored);
}

RecordVariant rateToStore(std::string_view boxText, std::size_t recordLength) {
    RecordVariant text{std::string(boxText)};
    if (RecordFile::encodeVariant(text, recordLength)) {
        return text;
    }
    return boxValue(boxText);
}

}  // namespace coinwell::homecalc
