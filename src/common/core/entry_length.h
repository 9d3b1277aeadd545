#pragma once
// The longest text one entry holds: what a text box takes, what a year file keeps of a field and
// so what every copy of such a file must carry whole.

#include <cstddef>

namespace coinwell {

inline constexpr std::size_t kMaxEntryLength = 32767;

}  // namespace coinwell
