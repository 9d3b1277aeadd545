#include "loan/ui/loan_output.h"

#include <QFontMetricsF>
#include <algorithm>

#include "common/ui/colors.h"
#include "common/ui/qt_text.h"
#include "loan/core/loan_print_document.h"

namespace coinwell::loan {

LoanOutput::LoanOutput(LoanSheet& sheet) : sheet_(sheet) {
    // The print settings lose their effects and take the grid's text colour as the screen loads.
    print::PrintPanelSettings& settings = print::runPrintPanelSettings();
    settings.resetForScreenLoad(toColorNumber(sheet.gridTextColor()));
    QWidget* area = sheet.backgroundArea() != nullptr
                        ? static_cast<QWidget*>(sheet.backgroundArea())
                        : sheet.centralPanel();
    panel_ =
        new print::PrintPanel(sheet.context(), settings,
                              {print::PrintingScreen::Loan, QStringLiteral("Labe5"), {}, {}}, area);
    panel_->setRebuildDocument(
        [this](print::PageDocument& doc, const print::PrintPanelSettings& panelSettings) {
            layoutLoanDocument(doc, panelSettings, printed_, block_);
        });
}

LoanOutput::~LoanOutput() = default;

LoanOutputSource LoanOutput::readScreen(const LoanSheet& sheet) {
    LoanOutputSource source;
    const GridSelection selection = sheet.gridSelection();
    GridView& grid = source.grid;
    grid.row = selection.row;
    grid.column = selection.column;
    grid.rowSel = selection.rowSel;
    grid.colSel = selection.columnSel;

    const int rows = sheet.gridRows();
    const int columns = sheet.gridColumns();
    const bool schedule = sheet.gridText(0, 1).starts_with("Amount");
    // A block of the payment table never starts in the header row or the first column.
    const int firstRow =
        schedule ? 1 : std::min(std::max(selection.row, 1), std::max(selection.rowSel, 1));
    const int lastRow = schedule ? rows - 1 : std::max({selection.row, selection.rowSel, 1});
    const int lastColumn =
        schedule ? columns - 1
                 : std::min(columns - 1, std::max({selection.column, selection.columnSel, 1}));
    grid.cells.resize(static_cast<std::size_t>(std::max(rows, 0)));
    const auto readRow = [&](int r) {
        auto& cells = grid.cells[static_cast<std::size_t>(r)];
        for (int c = 0; c <= lastColumn; ++c) {
            cells.push_back(sheet.gridText(r, c));
        }
    };
    if (rows > 0) {
        readRow(0);
    }
    for (int r = firstRow; r <= std::min(lastRow, rows - 1); ++r) {
        readRow(r);
    }

    source.purchaseText = sheet.purchaseText();
    source.loanAmountLabel = sheet.loanAmountCaption();
    source.downText = sheet.downPaymentText();
    source.downCaption = sheet.downPaymentCaption();
    source.inputs = sheet.inputs();
    source.textColor = toColorNumber(sheet.gridTextColor());
    if (const PaymentTable* table = sheet.paymentTable()) {
        source.lastRowPayment = table->lastRowPayment;
    }
    source.noteVisible = sheet.noteVisible();
    source.noteText = sheet.noteText();
    if (const AmortizationSchedule* shown = sheet.schedule()) {
        source.rateText = shown->rateText;
        source.totalInterest = shown->totalInterest;
        source.payment = shown->payment;
        source.extraPayments = shown->hasExtras();
        source.payoffText = sheet.payoffText();
        source.savedText = sheet.interestSavedText();
    }
    return source;
}

void LoanOutput::copyToClipboard(LoanSheet& sheet) {
    const QFontMetricsF metrics(sheet.font());
    copyLoanToClipboard(
        sheet.context().desktop, readScreen(sheet),
        [&metrics](std::string_view text) { return metrics.horizontalAdvance(toQString(text)); });
}

void LoanOutput::openPrintOptions(LoanSheet& sheet) {
    printed_ = readScreen(sheet);
    panel_->openPrintPanel([this, &sheet] {
        SelectionBlock block = selectionBlock(printed_.grid).value_or(SelectionBlock{});
        if (print::restrictPrintedColumns(block)) {
            sheet.context().desktop.message(print::printRestrictionMessage());
        }
        block_ = block;
    });
}

bool LoanOutput::printPanelShown() const {
    return panel_->isShown();
}

void LoanOutput::closePrintPanel() {
    panel_->handleEscape();
}

void LoanOutput::panelColorChanged(const QColor& color) {
    panel_->setPanelColor(color);
}

void LoanOutput::activated() {
    panel_->screenActivated();
}

std::unique_ptr<LoanSheetOutput> makeLoanOutput(LoanSheet& sheet) {
    return std::make_unique<LoanOutput>(sheet);
}

}  // namespace coinwell::loan
