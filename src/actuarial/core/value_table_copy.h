#pragma once
// What the Actuarial Calculator's Copy puts on the clipboard: the selected block of the grid as
// tab-separated text, after the amount and the payments per year, followed by the explanation
// under the grid. It works on the texts the grid shows.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "common/core/dialogs.h"
#include "common/core/grid_view.h"

namespace coinwell::actuarial {

struct ValueCopySource {
    GridView grid;            // the header row, and the rows of the selection
    std::string amountText;   // Text1
    std::string perYearText;  // Text2
    float lastValue = 0;      // of the table shown
    std::string explanation;  // Label1
};

// Width of a text in a font (any unit), for the blanks that fill out the year headings.
using TextWidth = std::function<double(std::string_view)>;

// The clipboard text, CRLF line breaks: "Amount or Annuity: $…", "No. Payments per Year: …",
// a heading line of a tab and each selected year as "n Years  " and a tab, then a line per
// selected row (its rate, a tab, its values separated by tabs) until a row without a rate, and
// the explanation. The year headings are filled out with blanks to the width of the block's last
// value: in the screen's font when values reach 1000, in the printer's font between 100 and 999.
// Nothing when the text cannot be built.
std::optional<std::string> valueTableCopyText(const ValueCopySource& source,
                                              const TextWidth& screenTextWidth,
                                              const TextWidth& printerTextWidth);

// Copy: builds the text and puts it on the clipboard with "Highlighted Data has been copied …",
// or shows "Too Large a Selection" and leaves the clipboard as it was.
void copyValueTable(Dialogs& dialogs, const ValueCopySource& source,
                    const TextWidth& screenTextWidth, const TextWidth& printerTextWidth);

MessageRequest valueTableCopiedMessage();

}  // namespace coinwell::actuarial
