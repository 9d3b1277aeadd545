#include "loan/ui/loan_grid_model.h"

namespace coinwell::loan {

LoanGridModel::LoanGridModel(QObject* parent) : GridTextModel(parent) {}

void LoanGridModel::showTable(std::shared_ptr<const PaymentTable> table) {
    const int rows = paymentGridRows(*table);
    const int columns = paymentGridColumns(*table);
    showContent(rows, columns, [&] {
        table_ = std::move(table);
        schedule_.reset();
    });
}

void LoanGridModel::showSchedule(std::shared_ptr<const AmortizationSchedule> schedule) {
    const int rows = scheduleGridRows(*schedule);
    const int columns = scheduleGridColumns(*schedule);
    showContent(rows, columns, [&] { schedule_ = std::move(schedule); });
}

LoanGridModel::Content LoanGridModel::content() const {
    if (!showsContent()) {
        return Content::Empty;
    }
    return schedule_ ? Content::Schedule : Content::Table;
}

std::string LoanGridModel::contentText(int row, int column) const {
    if (schedule_) {
        return scheduleCellText(*schedule_, row, column);
    }
    return paymentTableCellText(*table_, row, column);
}

}  // namespace coinwell::loan
