#include "loan/ui/extra_payments_panel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/ui/pasted_number.h"
#include "common/ui/qt_text.h"

namespace coinwell::loan {

namespace {

// The keystroke rule of a box: a refused keystroke or paste leaves the text it settles on, with
// the caret at its end (setting the text runs the rule again, which then finds nothing to drop).
void keepSettled(QLineEdit* box, FilteredText (*settle)(std::string_view),
                 std::string_view accepted) {
    QObject::connect(box, &QLineEdit::textChanged, box, [box, settle, accepted] {
        if (settlePastedNumber(box, accepted)) {
            return;
        }
        const FilteredText settled = settle(box->text().toStdString());
        if (settled.changed) {
            box->setText(toQString(settled.text));
            box->setCursorPosition(static_cast<int>(box->text().size()));
        }
    });
}

std::string text(const QLineEdit* box) {
    return box->text().toStdString();
}

}  // namespace

ExtraPaymentsPanel::ExtraPaymentsPanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("ExtraPay"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);

    auto* title = new QLabel(QStringLiteral("Extra Payments"), this);
    title->setObjectName(QStringLiteral("lblExtraTitle"));
    title->setGeometry(10, 6, 300, 20);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);

    // A caption names its box for screen readers as well.
    auto caption = [this](const char* name, const QString& words, QRect where) {
        auto* label = new QLabel(words, this);
        label->setObjectName(QLatin1String(name));
        label->setGeometry(where);
        return label;
    };
    auto box = [this](const char* name, const QString& accessibleName, QRect where, QLabel* label,
                      FilteredText (*settle)(std::string_view)) {
        auto* b = new QLineEdit(this);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(where);
        b->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        b->setAccessibleName(accessibleName);
        label->setBuddy(b);
        // Amounts take a point, payment numbers digits only.
        keepSettled(b, settle, settle == &settledAmountText ? "0123456789." : kDigits);
        return b;
    };

    constexpr int kCaptionLeft = 10;
    constexpr int kCaptionWidth = 196;
    constexpr int kAmountLeft = 208;
    constexpr int kAmountWidth = 96;
    constexpr int kAtLeft = 314;
    constexpr int kAtWidth = 100;
    constexpr int kNumberLeft = 416;
    constexpr int kNumberWidth = 64;
    constexpr int kHeight = 24;
    const int rows[3] = {32, 62, 92};

    QLabel* monthly = caption("lblExtraMonthly", QStringLiteral("Extra with every payment:"),
                              {kCaptionLeft, rows[0], kCaptionWidth, kHeight});
    txtExtraMonthly_ =
        box("txtExtraMonthly", QStringLiteral("Extra with every payment"),
            {kAmountLeft, rows[0], kAmountWidth, kHeight}, monthly, settledAmountText);
    QLabel* from = caption("lblExtraFrom", QStringLiteral("from payment"),
                           {kAtLeft, rows[0], kAtWidth, kHeight});
    from->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txtExtraFrom_ =
        box("txtExtraFrom", QStringLiteral("From payment number"),
            {kNumberLeft, rows[0], kNumberWidth, kHeight}, from, settledPaymentNumberText);
    txtExtraFrom_->setText(QStringLiteral("1"));

    QLabel* yearly = caption("lblExtraYearly", QStringLiteral("Extra with every 12th payment:"),
                             {kCaptionLeft, rows[1], kCaptionWidth, kHeight});
    txtExtraYearly_ = box("txtExtraYearly", QStringLiteral("Extra with every 12th payment"),
                          {kAmountLeft, rows[1], kAmountWidth, kHeight}, yearly, settledAmountText);

    QLabel* lump = caption("lblLumpSum", QStringLiteral("One lump sum:"),
                           {kCaptionLeft, rows[2], kCaptionWidth, kHeight});
    txtLumpSum_ = box("txtLumpSum", QStringLiteral("One lump sum"),
                      {kAmountLeft, rows[2], kAmountWidth, kHeight}, lump, settledAmountText);
    QLabel* at =
        caption("lblLumpAt", QStringLiteral("at payment"), {kAtLeft, rows[2], kAtWidth, kHeight});
    at->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txtLumpAt_ = box("txtLumpAt", QStringLiteral("Lump sum at payment number"),
                     {kNumberLeft, rows[2], kNumberWidth, kHeight}, at, settledPaymentNumberText);

    lblPayoff_ = caption("lblPayoff", QString(), {kCaptionLeft, 124, 470, 20});
    lblSaved_ = caption("lblSaved", QString(), {kCaptionLeft, 144, 470, 20});

    auto button = [this](const char* name, const QString& words, int left) {
        auto* b = new QPushButton(words, this);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(left, 168, 88, 26);
        return b;
    };
    QPushButton* apply = button("cmdExtraApply", QStringLiteral("&Apply"), 200);
    QPushButton* clear = button("cmdExtraClear", QStringLiteral("Clea&r"), 296);
    QPushButton* close = button("cmdExtraClose", QStringLiteral("&Close"), 392);

    // Tab order: the boxes row by row, then the buttons.
    QWidget* order[] = {txtExtraMonthly_, txtExtraFrom_, txtExtraYearly_, txtLumpSum_,
                        txtLumpAt_,       apply,         clear,           close};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }

    connect(apply, &QPushButton::clicked, this, &ExtraPaymentsPanel::applyRequested);
    // Enter in a box applies as well.
    for (QLineEdit* entry :
         {txtExtraMonthly_, txtExtraFrom_, txtExtraYearly_, txtLumpSum_, txtLumpAt_}) {
        connect(entry, &QLineEdit::returnPressed, this, &ExtraPaymentsPanel::applyRequested);
    }
    connect(clear, &QPushButton::clicked, this, &ExtraPaymentsPanel::clearRequested);
    connect(close, &QPushButton::clicked, this, &ExtraPaymentsPanel::closeRequested);
    hide();
}

ExtraPaymentTexts ExtraPaymentsPanel::texts() const {
    return {text(txtExtraMonthly_), text(txtExtraFrom_), text(txtExtraYearly_), text(txtLumpSum_),
            text(txtLumpAt_)};
}

QLineEdit* ExtraPaymentsPanel::box(ExtraBox which) const {
    switch (which) {
        case ExtraBox::Monthly:
            return txtExtraMonthly_;
        case ExtraBox::MonthlyFrom:
            return txtExtraFrom_;
        case ExtraBox::Yearly:
            return txtExtraYearly_;
        case ExtraBox::LumpSum:
            return txtLumpSum_;
        case ExtraBox::LumpAt:
            return txtLumpAt_;
        case ExtraBox::None:
            break;
    }
    return nullptr;
}

void ExtraPaymentsPanel::open() {
    show();
    raise();
    txtExtraMonthly_->setFocus();
}

void ExtraPaymentsPanel::showResults(const std::string& payoff, const std::string& saved) {
    lblPayoff_->setText(toQString(payoff));
    lblSaved_->setText(toQString(saved));
}

std::string ExtraPaymentsPanel::payoffText() const {
    return lblPayoff_->text().toStdString();
}

std::string ExtraPaymentsPanel::savedText() const {
    return lblSaved_->text().toStdString();
}

void ExtraPaymentsPanel::clearEntries() {
    for (QLineEdit* amount : {txtExtraMonthly_, txtExtraYearly_, txtLumpSum_}) {
        amount->clear();
    }
    txtExtraFrom_->setText(QStringLiteral("1"));
}

}  // namespace coinwell::loan
