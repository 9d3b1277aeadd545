#pragma once
// The Loan Calculator's extra payments panel (ExtraPay), laid over the lower part of the screen:
// three kinds of extra payment, Apply, Clear and Close, and the two result labels. The panel
// only holds the entries and shows the results; the screen checks, builds and shows the schedule.

#include <QFrame>
#include <string>

#include "loan/core/extra_payment_entry.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace coinwell::loan {

class ExtraPaymentsPanel : public QFrame {
    Q_OBJECT
  public:
    explicit ExtraPaymentsPanel(QWidget* parent);

    ExtraPaymentTexts texts() const;
    QLineEdit* box(ExtraBox box) const;

    // Shows the panel in front, the focus in its first box.
    void open();
    // lblPayoff and lblSaved (empty texts empty them).
    void showResults(const std::string& payoff, const std::string& saved);
    std::string payoffText() const;
    std::string savedText() const;
    // Empties the amount boxes and starts the monthly extra at payment 1 again.
    void clearEntries();

  signals:
    void applyRequested();  // cmdExtraApply
    void clearRequested();  // cmdExtraClear
    void closeRequested();  // cmdExtraClose

  private:
    QLineEdit* txtExtraMonthly_ = nullptr;
    QLineEdit* txtExtraFrom_ = nullptr;
    QLineEdit* txtExtraYearly_ = nullptr;
    QLineEdit* txtLumpSum_ = nullptr;
    QLineEdit* txtLumpAt_ = nullptr;
    QLabel* lblPayoff_ = nullptr;
    QLabel* lblSaved_ = nullptr;
};

}  // namespace coinwell::loan
