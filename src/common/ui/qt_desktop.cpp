#include "common/ui/qt_desktop.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QImage>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QUrl>
#include <QVBoxLayout>

#include "common/ui/colors.h"
#include "common/ui/qt_text.h"

namespace coinwell {

namespace {

QMessageBox::Icon toQtIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case MessageIcon::Critical:
            return QMessageBox::Critical;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton toQtButton(Answer answer) {
    switch (answer) {
        case Answer::Ok:
            return QMessageBox::Ok;
        case Answer::Cancel:
            return QMessageBox::Cancel;
        case Answer::Yes:
            return QMessageBox::Yes;
        case Answer::No:
            return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

// The colours of the font dialog's colour list, as the classic font dialog offers them.
struct NamedColor {
    const char* name;
    ColorNumber color;
};
constexpr NamedColor kFontColors[] = {
    {"Black", 0x000000},  {"Maroon", 0x000080},  {"Green", 0x008000}, {"Olive", 0x008080},
    {"Navy", 0x800000},   {"Purple", 0x800080},  {"Teal", 0x808000},  {"Gray", 0x808080},
    {"Silver", 0xC0C0C0}, {"Red", 0x0000FF},     {"Lime", 0x00FF00},  {"Yellow", 0x00FFFF},
    {"Blue", 0xFF0000},   {"Fuchsia", 0xFF00FF}, {"Aqua", 0xFFFF00},  {"White", 0xFFFFFF},
};

QIcon colorSwatch(ColorNumber color) {
    QPixmap swatch(24, 12);
    swatch.fill(toQColor(color));
    QPainter painter(&swatch);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, 23, 11);
    return QIcon(swatch);
}

}  // namespace

QString displayText(const std::string& text) {
    QString shown = toQString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

class QtDesktop::BusyPause {
  public:
    explicit BusyPause(const QtDesktop& desktop) : paused_(desktop.busy_) {
        if (paused_) {
            QApplication::restoreOverrideCursor();
        }
    }
    ~BusyPause() {
        if (paused_) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
        }
    }
    BusyPause(const BusyPause&) = delete;
    BusyPause& operator=(const BusyPause&) = delete;

  private:
    bool paused_;
};

QtDesktop::~QtDesktop() {
    endBusy();
}

QWidget* QtDesktop::dialogParent() const {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return modal;
    }
    return QApplication::activeWindow();
}

Answer QtDesktop::message(const MessageRequest& request) {
    QMessageBox box(toQtIcon(request.icon), toQString(request.title), displayText(request.text),
                    QMessageBox::NoButton, dialogParent());
    box.setObjectName(QStringLiteral("coinwellMessageBox"));
    switch (request.buttons) {
        case MessageButtons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            box.setEscapeButton(QMessageBox::Ok);
            break;
        case MessageButtons::OkCancel:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            box.setEscapeButton(QMessageBox::Cancel);
            break;
        case MessageButtons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setEscapeButton(QMessageBox::No);
            break;
        case MessageButtons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            box.setEscapeButton(QMessageBox::Cancel);
            break;
    }
    if (box.button(toQtButton(request.defaultAnswer)) != nullptr) {
        box.setDefaultButton(toQtButton(request.defaultAnswer));
    }
    BusyPause pause(*this);
    box.exec();
    switch (box.standardButton(box.clickedButton())) {
        case QMessageBox::Ok:
            return Answer::Ok;
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        case QMessageBox::Cancel:
            return Answer::Cancel;
        default:
            break;
    }
    // Closed some other way: the answer Esc would have given.
    switch (request.buttons) {
        case MessageButtons::Ok:
            return Answer::Ok;
        case MessageButtons::YesNo:
            return Answer::No;
        case MessageButtons::OkCancel:
        case MessageButtons::YesNoCancel:
            break;
    }
    return Answer::Cancel;
}

std::string QtDesktop::input(const InputRequest& request) {
    QInputDialog dialog(dialogParent());
    dialog.setObjectName(QStringLiteral("coinwellInputBox"));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(toQString(request.title));
    dialog.setLabelText(displayText(request.prompt));
    dialog.setTextValue(toQString(request.defaultText));
    BusyPause pause(*this);
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    return dialog.textValue().toStdString();
}

std::optional<ColorNumber> QtDesktop::chooseColor(ColorNumber start) {
    QColorDialog dialog(toQColor(start), dialogParent());
    dialog.setObjectName(QStringLiteral("coinwellColorDialog"));
    BusyPause pause(*this);
    if (dialog.exec() != QDialog::Accepted || !dialog.selectedColor().isValid()) {
        return std::nullopt;
    }
    return toColorNumber(dialog.selectedColor());
}

std::optional<FontChoice> QtDesktop::chooseFont(const FontChoice& start) {
    QFont startFont(toQString(start.family));
    if (start.pointSize > 0) {
        startFont.setPointSizeF(start.pointSize);
    }
    startFont.setBold(start.bold);
    startFont.setItalic(start.italic);
    startFont.setUnderline(start.underline);
    startFont.setStrikeOut(start.strikeout);
    // The dialog lists the families fontconfig really has; seed it with the one that stands in
    // for the stored name, or it falls back to a generic family.
    const QString seededFamily = QFontInfo(startFont).family();
    QFont seeded = startFont;
    seeded.setFamily(seededFamily);

    QDialog dialog(dialogParent());
    dialog.setObjectName(QStringLiteral("coinwellFontDialog"));
    dialog.setWindowTitle(QStringLiteral("Font"));
    auto* fonts = new QFontDialog(seeded, &dialog);
    fonts->setObjectName(QStringLiteral("fontChooser"));
    fonts->setOption(QFontDialog::NoButtons, true);
    fonts->setWindowFlags(Qt::Widget);
    fonts->setCurrentFont(seeded);

    auto* colors = new QComboBox(&dialog);
    colors->setObjectName(QStringLiteral("fontColor"));
    int startIndex = -1;
    for (const NamedColor& entry : kFontColors) {
        colors->addItem(colorSwatch(entry.color), QString::fromLatin1(entry.name),
                        QVariant::fromValue<uint>(entry.color));
        if (entry.color == start.color) {
            startIndex = colors->count() - 1;
        }
    }
    if (startIndex < 0) {
        colors->addItem(colorSwatch(start.color), QStringLiteral("Custom"),
                        QVariant::fromValue<uint>(start.color));
        startIndex = colors->count() - 1;
    }
    colors->setCurrentIndex(startIndex);

    auto* colorLabel = new QLabel(QStringLiteral("&Color:"), &dialog);
    colorLabel->setBuddy(colors);
    auto* colorRow = new QHBoxLayout;
    colorRow->addWidget(colorLabel);
    colorRow->addWidget(colors);
    colorRow->addStretch();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(fonts);
    layout->addLayout(colorRow);
    layout->addWidget(buttons);

    BusyPause pause(*this);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    const QFont chosen = fonts->currentFont();
    FontChoice result;
    // An unchanged family keeps the stored name rather than its stand-in.
    result.family = chosen.family() == seededFamily ? start.family : chosen.family().toStdString();
    result.pointSize = chosen.pointSizeF() > 0 ? chosen.pointSizeF() : start.pointSize;
    result.bold = chosen.bold();
    result.italic = chosen.italic();
    result.underline = chosen.underline();
    result.strikeout = chosen.strikeOut();
    result.color = colors->currentData().value<uint>();
    return result;
}

void QtDesktop::setClipboardText(const std::string& text) {
    QGuiApplication::clipboard()->setText(toQString(text));
}

void QtDesktop::setClipboardTextAndHtml(const std::string& text, const std::string& html) {
    auto* data = new QMimeData;
    data->setText(toQString(text));
    data->setHtml(toQString(html));
    QGuiApplication::clipboard()->setMimeData(data);
}

void QtDesktop::setClipboardImage(const QImage& picture) {
    QGuiApplication::clipboard()->setImage(picture);
}

void QtDesktop::beginBusy() {
    if (!busy_) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        busy_ = true;
    }
}

void QtDesktop::endBusy() {
    if (busy_) {
        QApplication::restoreOverrideCursor();
        busy_ = false;
    }
}

void QtDesktop::processEvents() {
    QCoreApplication::processEvents();
}

bool QtDesktop::choosePrinter(QPrinter& printer) {
    QPrintDialog dialog(&printer, dialogParent());
    dialog.setObjectName(QStringLiteral("coinwellPrintDialog"));
    BusyPause pause(*this);
    return dialog.exec() == QDialog::Accepted;
}

bool QtDesktop::choosePageSetup(QPrinter& printer) {
    // The chosen settings reach the printer only inside exec().
    QPageSetupDialog dialog(&printer, dialogParent());
    dialog.setObjectName(QStringLiteral("coinwellPageSetupDialog"));
    BusyPause pause(*this);
    return dialog.exec() == QDialog::Accepted;
}

void QtDesktop::showHelpTopic(int topic) {
    if (helpHandler_) {
        helpHandler_(topic);
    }
}

void QtDesktop::openWebSite() {
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(kHomePageUrl)));
}

}  // namespace coinwell
