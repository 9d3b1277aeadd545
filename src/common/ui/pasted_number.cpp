#include "common/ui/pasted_number.h"

#include <QComboBox>
#include <QLineEdit>
#include <QVariant>

#include "common/ui/qt_text.h"

namespace coinwell {

namespace {

constexpr const char* kSettledText = "coinwellSettledText";

}  // namespace

bool settlePastedNumber(QLineEdit* box, std::string_view accepted) {
    const QString now = box->text();
    const std::string before = box->property(kSettledText).toString().toStdString();
    const std::optional<std::string> pasted = pastedNumberText(before, now.toStdString(), accepted);
    if (!pasted) {
        box->setProperty(kSettledText, now);
        return false;
    }
    box->setProperty(kSettledText, toQString(*pasted));
    box->setText(toQString(*pasted));
    box->setCursorPosition(static_cast<int>(box->text().size()));
    return true;
}

void settlePastesIn(QComboBox* rateBox) {
    QLineEdit* line = rateBox->lineEdit();
    line->setProperty(kSettledText, line->text());
    QObject::connect(line, &QLineEdit::textChanged, line,
                     [line] { settlePastedNumber(line, "0123456789."); });
}

}  // namespace coinwell
