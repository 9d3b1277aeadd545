#include "actuarial/ui/actuarial_output.h"

#include <QFontMetricsF>

#include <algorithm>

#include "actuarial/ui/actuarial_screen.h"
#include "common/core/text_trim.h"
#include "common/ui/colors.h"
#include "common/ui/qt_text.h"
#include "print/core/table_pages.h"

namespace coinwell::actuarial {

ActuarialOutput::ActuarialOutput(ActuarialScreen& screen) : screen_(screen) {
    // The print settings lose their effects and take the grid's text colour as the screen loads.
    print::PrintPanelSettings& settings = print::runPrintPanelSettings();
    settings.resetForScreenLoad(print::PrintingScreen::Actuarial,
                                toColorNumber(screen.grid()->textColor()));
    QWidget* area = screen.backgroundArea() != nullptr
                        ? static_cast<QWidget*>(screen.backgroundArea())
                        : screen.centralPanel();
    panel_ = new print::PrintPanel(
        screen.context(), settings,
        {print::PrintingScreen::Actuarial, QStringLiteral("Label4"), {}, {}}, area);
    panel_->setRebuildDocument(
        [this](print::PageDocument& doc, const print::PrintPanelSettings& panelSettings) {
            layoutValueTableDocument(doc, panelSettings, printed_, block_);
        });
}

GridView ActuarialOutput::readGrid(const ActuarialScreen& screen) {
    GridView grid;
    const GridSelection selection = screen.gridSelection();
    grid.row = selection.row;
    grid.column = selection.column;
    grid.rowSel = selection.rowSel;
    grid.colSel = selection.columnSel;

    const int rows = screen.gridRows();
    const int columns = screen.gridColumns();
    const int firstRow = std::max(std::min(selection.row, selection.rowSel), 1);
    const int lastRow = std::min(std::max({selection.row, selection.rowSel, 1}), rows - 1);
    const int lastColumn =
        std::min(std::max({selection.column, selection.columnSel, 1}), columns - 1);
    grid.cells.resize(static_cast<std::size_t>(std::max(rows, 0)));
    const auto readRow = [&](int r) {
        auto& cells = grid.cells[static_cast<std::size_t>(r)];
        cells.reserve(static_cast<std::size_t>(lastColumn + 1));
        for (int c = 0; c <= lastColumn; ++c) {
            cells.push_back(screen.gridText(r, c));
        }
    };
    if (rows > 0) {
        readRow(0);
    }
    for (int r = firstRow; r <= lastRow; ++r) {
        if (trimBlanks(screen.gridText(r, 0)).empty()) {
            break;  // the copy and the pages end at a row without a rate
        }
        readRow(r);
    }
    return grid;
}

ValueCopySource ActuarialOutput::copySource(const ActuarialScreen& screen) {
    ValueCopySource source;
    source.grid = readGrid(screen);
    source.amountText = screen.amountText();
    source.perYearText = screen.perYearText();
    source.lastValue = screen.lastValue();
    source.explanation = screen.explanation();
    return source;
}

ValuePrintSource ActuarialOutput::printSource(const ActuarialScreen& screen) {
    ValuePrintSource source;
    source.grid = readGrid(screen);
    source.amountText = screen.amountText();
    source.perYearText = screen.perYearText();
    source.explanationVisible = screen.explanationVisible();
    source.explanation = screen.explanation();
    return source;
}

void ActuarialOutput::copyToClipboard() {
    // The blanks that fill out the year headings are measured in the grid's font, or in the
    // printer's font as the print options panel left it.
    const QFontMetricsF screenFont(screen_.grid()->font());
    const print::FontSpec printerFont = print::runPrintPanelSettings().font();
    const print::TextMeasurer& printer = panel_->measurer();
    copyValueTable(
        screen_.context().desktop, copySource(screen_),
        [&screenFont](std::string_view text) {
            return screenFont.horizontalAdvance(toQString(text));
        },
        [&printer, &printerFont](std::string_view text) {
            return printer.textWidth(printerFont, text);
        });
    screen_.copyDone();
}

void ActuarialOutput::openPrintOptions() {
    printed_ = printSource(screen_);
    panel_->openPrintPanel([this] {
        SelectionBlock block = selectionBlock(printed_.grid).value_or(SelectionBlock{});
        if (print::restrictPrintedColumns(block)) {
            screen_.context().desktop.message(print::printRestrictionMessage());
        }
        block_ = block;
    });
}

bool ActuarialOutput::printPanelShown() const {
    return panel_->isShown();
}

void ActuarialOutput::closePrintPanel() {
    panel_->handleEscape();
}

void ActuarialOutput::panelColorChanged(const QColor& color) {
    panel_->setPanelColor(color);
}

void ActuarialOutput::activated() {
    panel_->screenActivated();
}

}  // namespace coinwell::actuarial
