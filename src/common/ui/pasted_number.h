#pragma once
// A paste into a numeric box: what the box shows is what the calculation reads.

#include <string_view>

#include "common/core/digit_filter.h"

class QComboBox;
class QLineEdit;

namespace coinwell {

// Run first in a numeric box's change handler. A paste that the box cannot read whole is
// replaced by the number it shows (pastedNumberText); true then, and the replacement has run the
// change handler again, so the caller stops. The text before each change is kept on the box to
// tell a paste from a keystroke.
bool settlePastedNumber(QLineEdit* box, std::string_view accepted = kDigits);

// An editable rate box takes typed text as typed and a paste through the same rule (digits and
// one point).
void settlePastesIn(QComboBox* rateBox);

}  // namespace coinwell
