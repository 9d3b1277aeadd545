#pragma once
// The one conversion of the computation's UTF-8 texts into Qt's strings.

#include <QString>

#include <string_view>

namespace coinwell {

inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace coinwell
