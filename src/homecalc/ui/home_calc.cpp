#include "homecalc/ui/home_calc.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include "common/core/settings_files.h"
#include "common/ui/colors.h"
#include "common/ui/pasted_number.h"
#include "common/ui/qt_text.h"
#include "homecalc/core/affordability.h"
#include "homecalc/core/home_print_document.h"
#include "homecalc/core/home_texts.h"
#include "homecalc/core/stored_rate.h"
#include "print/ui/print_panel.h"

namespace coinwell::homecalc {

namespace {

// Controls of the central panel, in pixels (the panel is 720 x 480).
constexpr QRect kInputSection{10, 6, 700, 244};
constexpr QRect kResultsSection{10, 256, 480, 196};
constexpr int kCaptionLeft = 12;
constexpr int kCaptionWidth = 500;
constexpr int kBoxLeft = 528;
constexpr int kBoxWidth = 150;
constexpr int kBoxHeight = 24;
constexpr int kInputRowTop = 22;
constexpr int kInputRowHeight = 36;
constexpr int kResultRowTop = 22;
constexpr int kResultRowHeight = 24;
constexpr int kResultCaptionWidth = 300;
constexpr int kResultLeft = 318;
constexpr int kResultWidth = 150;
constexpr int kFactorCaptionWidth = 110;
constexpr int kFactorLeft = kCaptionLeft + kFactorCaptionWidth + 4;
constexpr int kButtonLeft = 506;
constexpr int kButtonWidth = 204;
constexpr int kButtonHeight = 40;

std::string text(const QLineEdit* box) {
    return box->text().toStdString();
}

QLabel* caption(QWidget* parent, const char* name, std::string_view content, QRect where) {
    auto* label = new QLabel(toQString(content), parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(where);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

QLineEdit* inputBox(QWidget* parent, const char* name, QRect where) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(where);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return box;
}

// A result shown in a sunken box like an input box.
QLabel* resultLabel(QWidget* parent, const char* name, QRect where) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(where);
    label->setFrameShape(QFrame::StyledPanel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setAutoFillBackground(true);
    label->setBackgroundRole(QPalette::Base);
    label->setIndent(4);
    return label;
}

QRect inputCaptionRect(int row) {
    return {kCaptionLeft, kInputRowTop + row * kInputRowHeight, kCaptionWidth, kInputRowHeight - 2};
}

QRect inputBoxRect(int row, int width = kBoxWidth) {
    return {kBoxLeft, kInputRowTop + row * kInputRowHeight + (kInputRowHeight - kBoxHeight) / 2 - 1,
            width, kBoxHeight};
}

QRect resultRow(int row, int left, int width) {
    return {left, kResultRowTop + row * kResultRowHeight, width, kResultRowHeight - 2};
}

DateTime currentDate() {
    const QDate now = QDate::currentDate();
    return DateTime{now.year(), now.month(), now.day(), 0, 0, 0};
}

}  // namespace

HomeCalc::HomeCalc(AppContext& context, QWidget* mainScreen)
    : ToolScreen(context, shell::homeCalcScreenSpec(), mainScreen), clock_(currentDate) {
    buildControls();
    connectControls();
    buildPrintPanel();
    setCopyEnabled(false);
    setPrintingEnabled(false);
    loadStoredRate();
}

HomeCalc::~HomeCalc() = default;

// ---- the controls ----------------------------------------------------------------------------

void HomeCalc::buildControls() {
    centralPanel()->resize(720, 480);
    buildInputSection();
    buildResultsSection();
    buildButtons();
    auto* note = caption(centralPanel(), "Label1", kLoanLengthNote, {10, 456, 700, 18});
    note->setAlignment(Qt::AlignCenter);

    // The list takes no right click of its own and passes none on.
    loanLengthList_->setContextMenuPolicy(Qt::PreventContextMenu);
    QWidget::setTabOrder(incomeBox_, debtBox_);
    QWidget::setTabOrder(debtBox_, cashBox_);
    QWidget::setTabOrder(cashBox_, loanLengthList_);
    QWidget::setTabOrder(loanLengthList_, rateBox_);
    QWidget::setTabOrder(rateBox_, limitBox_);
    QWidget::setTabOrder(limitBox_, calculateButton_);
    QWidget::setTabOrder(calculateButton_, printOptionsButton_);
    QWidget::setTabOrder(printOptionsButton_, exitButton_);
}

void HomeCalc::buildInputSection() {
    inputSection_ = new QGroupBox(toQString(kInputSectionCaption), centralPanel());
    inputSection_->setObjectName(QStringLiteral("SSPanel3"));
    inputSection_->setGeometry(kInputSection);
    QWidget* section = inputSection_;

    caption(section, "lblPurchTotl", kIncomeCaption, inputCaptionRect(0));
    incomeBox_ = inputBox(section, "Text1", inputBoxRect(0));
    caption(section, "Label5", kDebtCaption, inputCaptionRect(1));
    debtBox_ = inputBox(section, "Text2", inputBoxRect(1));
    caption(section, "Label2", kCashCaption, inputCaptionRect(2));
    cashBox_ = inputBox(section, "Text3", inputBoxRect(2));

    caption(section, "Label11", kLoanLengthCaption, inputCaptionRect(3));
    loanLengthList_ = new QComboBox(section);
    loanLengthList_->setObjectName(QStringLiteral("Combo1"));
    loanLengthList_->setEditable(false);
    for (std::string_view item : kLoanLengthItems) {
        loanLengthList_->addItem(toQString(item));
    }
    loanLengthList_->setCurrentIndex(0);
    loanLengthList_->setGeometry(inputBoxRect(3, 80));

    caption(section, "Label12", kRateCaption, inputCaptionRect(4));
    rateBox_ = inputBox(section, "Text4", inputBoxRect(4, kBoxWidth - 20));
    rateBox_->setText(toQString(kInitialRateText));
    const QRect rateRect = rateBox_->geometry();
    caption(section, "Label13", kPercentSign,
            {rateRect.right() + 6, rateRect.top(), 16, rateRect.height()});

    caption(section, "Label14", kLimitCaption, inputCaptionRect(5));
    limitBox_ = inputBox(section, "Text5", inputBoxRect(5));
}

void HomeCalc::buildResultsSection() {
    resultsSection_ = new QGroupBox(toQString(kResultsSectionCaption), centralPanel());
    resultsSection_->setObjectName(QStringLiteral("SSPanel1"));
    resultsSection_->setGeometry(kResultsSection);
    QWidget* section = resultsSection_;

    QLabel** values[6] = {&homePrice_,   &housingPayment_, &loanAmount_,
                          &downPayment_, &closingCosts_,   &downPercent_};
    static const char* const valueNames[6] = {"Label3", "Label6", "Label7",
                                              "Label8", "Label9", "Label10"};
    for (int i = 0; i < 6; ++i) {
        const std::string name = "lblLen(" + std::to_string(i) + ")";
        caption(section, name.c_str(), kResultCaptions[static_cast<std::size_t>(i)],
                resultRow(i, kCaptionLeft, kResultCaptionWidth));
        *values[i] = resultLabel(section, valueNames[i], resultRow(i, kResultLeft, kResultWidth));
    }
    caption(section, "Label15", kLimitingFactorCaption,
            resultRow(6, kCaptionLeft, kFactorCaptionWidth));
    limitingFactor_ = resultLabel(
        section, "Label16", resultRow(6, kFactorLeft, kResultLeft + kResultWidth - kFactorLeft));
    limitingFactor_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void HomeCalc::buildButtons() {
    auto button = [this](const char* name, const char* caption, int top) {
        auto* b = new QPushButton(QLatin1String(caption), centralPanel());
        b->setObjectName(QLatin1String(name));
        b->setGeometry(kButtonLeft, top, kButtonWidth, kButtonHeight);
        return b;
    };
    const int top = kResultsSection.top() + 14;
    calculateButton_ = button("cmdCalcPmts", "&Calculate", top);
    printOptionsButton_ = button("Command1", "&Print Options", top + kButtonHeight + 14);
    exitButton_ = button("cmdExit", "E&xit", top + 2 * (kButtonHeight + 14));
}

void HomeCalc::connectControls() {
    const std::pair<QLineEdit*, HomeBox> boxes[] = {{incomeBox_, HomeBox::Income},
                                                    {debtBox_, HomeBox::Debt},
                                                    {cashBox_, HomeBox::Cash},
                                                    {rateBox_, HomeBox::Rate},
                                                    {limitBox_, HomeBox::Limit}};
    for (const auto& [box, kind] : boxes) {
        connect(box, &QLineEdit::textChanged, this,
                [this, box = box, kind = kind] { boxChanged(box, kind); });
    }
    connect(loanLengthList_, &QComboBox::activated, this, &HomeCalc::loanLengthChosen);
    connect(calculateButton_, &QPushButton::clicked, this, &HomeCalc::calculate);
    connect(printOptionsButton_, &QPushButton::clicked, this, &HomeCalc::openPrintOptions);
    connect(exitButton_, &QPushButton::clicked, this, &ToolScreen::closeByCommand);
    // Copy is offered whenever results are shown.
    connect(editMenu(), &QMenu::aboutToShow, this, [this] { setCopyEnabled(showsResults()); });
}

void HomeCalc::buildPrintPanel() {
    // The print settings take the screen's text colour as it loads.
    print::PrintPanelSettings& settings = print::runPrintPanelSettings();
    settings.resetForScreenLoad(
        print::PrintingScreen::HomeCalculator,
        toColorNumber(centralPanel()->palette().color(QPalette::WindowText)));
    printPanel_ = new print::PrintPanel(
        context(), settings,
        {print::PrintingScreen::HomeCalculator, QStringLiteral("Labe5"), {}, {}}, backgroundArea());
    printPanel_->setRebuildDocument(
        [this](print::PageDocument& doc, const print::PrintPanelSettings& panelSettings) {
            layoutHomeReport(doc, panelSettings, printed_, today());
        });
}

void HomeCalc::loadStoredRate() {
    if (const auto stored = storedRateBoxText(readHomeCalculatorRate())) {
        rateBox_->setText(toQString(*stored));
    }
}

// ---- inputs ----------------------------------------------------------------------------------

void HomeCalc::boxChanged(QLineEdit* box, HomeBox kind) {
    if (showsResults()) {
        clearResults();
    }
    setPrintingEnabled(false);
    if (settlePastedNumber(box, acceptedCharacters(kind))) {
        return;
    }
    const FilteredText filtered = filterHomeBox(kind, text(box));
    if (filtered.changed) {
        // Setting the text runs this handling again, which finds it valid.
        box->setText(toQString(filtered.text));
        box->setCursorPosition(static_cast<int>(box->text().size()));
    }
}

void HomeCalc::loanLengthChosen() {
    setPrintingEnabled(false);
    // The results on screen stay until the new ones replace them.
    if (boxValue(text(incomeBox_)) > 0) {
        calculate();
    }
}

// ---- the calculation -------------------------------------------------------------------------

void HomeCalc::calculate() {
    const HomeBoxTexts boxes = readScreen().boxes;
    if (const auto message = checkIncome(boxes.income)) {
        context().desktop.endBusy();
        context().desktop.message(*message);
        incomeBox_->setFocus();
        return;
    }
    const AffordabilityResult result = computeAffordability(readHomeInputs(boxes));
    // The boxes the calculation corrects change first: like any change, that empties the
    // results and disables printing, before the new results are shown.
    if (result.replacedPaymentLimit) {
        limitBox_->setText(toQString(boxNumberText(*result.replacedPaymentLimit)));
    }
    if (result.usedFallbackRate) {
        rateBox_->setText(toQString(boxNumberText(kFallbackRatePercent)));
    }
    setPrintingEnabled(result.printable());
    showResults(resultTexts(result));
}

void HomeCalc::showResults(const HomeResultTexts& texts) {
    homePrice_->setText(toQString(texts.homePrice));
    housingPayment_->setText(toQString(texts.housingPayment));
    loanAmount_->setText(toQString(texts.loanAmount));
    downPayment_->setText(toQString(texts.downPayment));
    closingCosts_->setText(toQString(texts.closingCosts));
    downPercent_->setText(toQString(texts.downPercent));
    limitingFactor_->setText(toQString(texts.limitingFactor));
    setCopyEnabled(showsResults());
}

void HomeCalc::clearResults() {
    for (QLabel* label : {homePrice_, housingPayment_, loanAmount_, downPayment_, closingCosts_,
                          downPercent_, limitingFactor_}) {
        label->clear();
    }
    setCopyEnabled(false);
}

bool HomeCalc::showsResults() const {
    return !homePrice_->text().isEmpty();
}

void HomeCalc::setPrintingEnabled(bool enabled) {
    setPrintOptionsEnabled(enabled);
    printOptionsButton_->setEnabled(enabled);
}

HomeReportSource HomeCalc::readScreen() const {
    HomeReportSource source;
    source.textColor = toColorNumber(centralPanel()->palette().color(QPalette::WindowText));
    HomeBoxTexts& boxes = source.boxes;
    boxes.income = text(incomeBox_);
    boxes.debt = text(debtBox_);
    boxes.cash = text(cashBox_);
    boxes.years = loanLengthList_->currentText().toStdString();
    boxes.rate = text(rateBox_);
    boxes.limit = text(limitBox_);
    HomeResultTexts& results = source.results;
    results.homePrice = homePrice_->text().toStdString();
    results.housingPayment = housingPayment_->text().toStdString();
    results.loanAmount = loanAmount_->text().toStdString();
    results.downPayment = downPayment_->text().toStdString();
    results.closingCosts = closingCosts_->text().toStdString();
    results.downPercent = downPercent_->text().toStdString();
    results.limitingFactor = limitingFactor_->text().toStdString();
    return source;
}

DateTime HomeCalc::today() const {
    return clock_ ? clock_() : currentDate();
}

// ---- copy, print and the frame's hooks ---------------------------------------------------------

void HomeCalc::copyToClipboard() {
    copyHomeReport(context().desktop, readScreen(), today());
}

void HomeCalc::openPrintOptions() {
    printed_ = readScreen();
    printPanel_->openPrintPanel();
}

bool HomeCalc::printPanelShown() const {
    return printPanel_->isShown();
}

void HomeCalc::closePrintPanel() {
    printPanel_->handleEscape();
}

void HomeCalc::panelColorChanged(const QColor& color) {
    printPanel_->setPanelColor(color);
}

void HomeCalc::preparePopupMenu() {
    // Copy and Print on the popup follow the results shown, whatever the Print Options button.
    const bool results = showsResults();
    popupCopyAction()->setEnabled(results);
    popupPrintAction()->setEnabled(results);
}

void HomeCalc::activated() {
    printPanel_->screenActivated();
    if (!focusedOnce_) {
        focusedOnce_ = true;
        incomeBox_->setFocus();
    }
}

void HomeCalc::closeEvent(QCloseEvent* event) {
    ToolScreen::closeEvent(event);
    // Only the screen's Exit keeps the rate for the next time; the close box does not.
    if (event->isAccepted() && closingByCommand()) {
        storeRate();
    }
}

void HomeCalc::storeRate() {
    writeHomeCalculatorRate(rateToStore(text(rateBox_), kOwnSettingsFile.recordLength));
}

}  // namespace coinwell::homecalc
