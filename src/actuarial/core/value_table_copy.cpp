#include "actuarial/core/value_table_copy.h"

#include <exception>
#include <stdexcept>

#include "common/core/format_number.h"
#include "common/core/number_parse.h"
#include "common/core/number_text.h"
#include "common/core/text_trim.h"

namespace coinwell::actuarial {

namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr char kTab = '\t';
// Enough blanks to fill out any heading; a measurer that gives blanks no width stops here.
constexpr int kMostFillBlanks = 64;

// "10 Years  " from a year heading of the grid.
std::string yearHeading(const std::string& header) {
    const std::optional<std::int16_t> years = roundHalfEven16(parseLeadingNumber(header));
    if (!years) {
        throw std::range_error("year heading beyond the integer range");
    }
    return plainNumberText(*years) + " Years  ";
}

void fillOut(std::string& heading, std::string_view reference, const TextWidth& width) {
    const double wanted = width(reference);
    for (int blanks = 0; blanks < kMostFillBlanks && width(heading) < wanted; ++blanks) {
        heading += ' ';
    }
}

}  // namespace

std::optional<std::string> valueTableCopyText(const ValueCopySource& source,
                                              const TextWidth& screenTextWidth,
                                              const TextWidth& printerTextWidth) {
    const GridView& grid = source.grid;
    try {
        const std::optional<SelectionBlock> block = selectionBlock(grid);
        if (!block) {
            return std::nullopt;
        }
        const std::string& reference = grid.text(block->bottom, block->right);
        std::string text;
        text += "Amount or Annuity: " + formatNumber(source.amountText, "Currency");
        text += kCrLf;
        text += kCrLf;
        text += "No. Payments per Year: " + source.perYearText;
        text += kCrLf;
        text += kCrLf;

        text += kTab;
        for (int c = block->left; c <= block->right; ++c) {
            std::string heading = yearHeading(grid.text(0, c));
            if (source.lastValue >= 1000) {
                fillOut(heading, reference, screenTextWidth);
            } else if (source.lastValue > 99) {
                fillOut(heading, reference, printerTextWidth);
            }
            text += heading;
            text += kTab;
        }
        text += kCrLf;

        for (int r = block->top; r <= block->bottom; ++r) {
            const std::string& rate = grid.text(r, 0);
            if (trimBlanks(rate).empty()) {
                break;
            }
            text += rate;
            text += kTab;
            for (int c = block->left; c <= block->right; ++c) {
                text += grid.text(r, c);
                if (c < block->right) {
                    text += kTab;
                } else {
                    text += kCrLf;
                }
            }
        }
        text += kCrLf;
        text += kCrLf;
        text += source.explanation;
        return text;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

void copyValueTable(Dialogs& dialogs, const ValueCopySource& source,
                    const TextWidth& screenTextWidth, const TextWidth& printerTextWidth) {
    const std::optional<std::string> text =
        valueTableCopyText(source, screenTextWidth, printerTextWidth);
    if (!text) {
        dialogs.message(tooLargeSelectionMessage());
        return;
    }
    dialogs.setClipboardText(*text);
    dialogs.message(valueTableCopiedMessage());
}

MessageRequest valueTableCopiedMessage() {
    return {"Highlighted Data has been copied to the Windows Clipboard.", "Copy Option",
            MessageIcon::Information, MessageButtons::Ok, Answer::Ok};
}

}  // namespace coinwell::actuarial
