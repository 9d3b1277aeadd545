#pragma once
// The cells of the Loan Calculator's grid, produced on demand from the payment table or the
// amortization schedule. Line breaks inside a header cell are line feed + carriage return.

#include <memory>
#include <string>

#include "loan/core/amortization.h"
#include "loan/core/payment_table.h"
#include "shell/ui/grid_text_model.h"

namespace coinwell::loan {

class LoanGridModel : public GridTextModel {
  public:
    enum class Content { Empty, Table, Schedule };

    explicit LoanGridModel(QObject* parent = nullptr);

    void showTable(std::shared_ptr<const PaymentTable> table);
    void showSchedule(std::shared_ptr<const AmortizationSchedule> schedule);

    Content content() const;

  protected:
    std::string contentText(int row, int column) const override;

  private:
    std::shared_ptr<const PaymentTable> table_;
    std::shared_ptr<const AmortizationSchedule> schedule_;
};

}  // namespace coinwell::loan
