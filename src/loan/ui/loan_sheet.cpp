#include "loan/ui/loan_sheet.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <limits>

#include "common/ui/pasted_number.h"
#include "common/ui/program_folder.h"
#include "common/ui/qt_text.h"
#include "common/ui/twips.h"
#include "loan/core/extra_payment_entry.h"
#include "loan/core/loan_texts.h"
#include "loan/ui/extra_payments_panel.h"
#include "loan/ui/loan_grid_model.h"
#include "loan/ui/loan_output.h"
#include "shell/ui/proportional_resizer.h"

namespace coinwell::loan {

namespace {

std::string text(const QLineEdit* box) {
    return box->text().toStdString();
}

LoanSheetOutputFactory& outputFactory() {
    // Copy and Print Options of the program; tests may put their own in place.
    static LoanSheetOutputFactory factory = makeLoanOutput;
    return factory;
}

// The picture of the grid's top-left cell.
constexpr const char* kGridPictureFile = "Emblem.png";

// Controls of the central panel, in pixels (the panel is 720 × 480).
constexpr int kLeft = 14;
constexpr int kBoxWidth = 176;
constexpr int kGridLeft = 206;
constexpr int kGridTop = 14;
constexpr int kGridWidth = 500;
constexpr int kGridHeight = 418;
// The extra payments panel covers the lower part of the grid.
constexpr int kExtraPanelHeight = 200;

}  // namespace

// ---------------------------------------------------------------------------------------------

LoanSheet::LoanSheet(AppContext& context, QWidget* mainScreen)
    : ToolScreen(context, shell::loanScreenSpec(), mainScreen) {
    buildControls();
    buildMenus();
    grid_->loadStoredAppearance();
    prepareGrid();
    if (const auto& factory = outputFactory()) {
        output_ = factory(*this);
    }
    loading_ = false;
}

LoanSheet::~LoanSheet() = default;

void LoanSheet::setOutputFactory(LoanSheetOutputFactory factory) {
    outputFactory() = std::move(factory);
}

void LoanSheet::buildControls() {
    QWidget* panel = centralPanel();
    auto label = [panel](const char* name, const QString& caption, QRect where) {
        auto* l = new QLabel(caption, panel);
        l->setObjectName(QLatin1String(name));
        l->setGeometry(where);
        return l;
    };
    auto box = [](QWidget* parent, const char* name, QRect where) {
        auto* b = new QLineEdit(parent);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(where);
        b->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return b;
    };

    lblPurchTotl_ =
        label("lblPurchTotl", QStringLiteral("Purchase Amount:"), {kLeft, 14, kBoxWidth, 18});
    txtPurchTotl_ = box(panel, "txtPurchTotl", {kLeft, 33, kBoxWidth, 24});
    lblDwnPay_ = label("lblDwnPay", QStringLiteral("Percent Down:"), {kLeft, 64, kBoxWidth, 18});
    txtDwnPay_ = box(panel, "txtDwnPay", {kLeft, 83, kBoxWidth, 24});
    label2_ = label("Label2", QStringLiteral("Loan Amount:"), {kLeft, 114, kBoxWidth, 18});
    label3_ = label("Label3", QString(), {kLeft, 133, kBoxWidth, 24});
    label3_->setFrameShape(QFrame::StyledPanel);
    label3_->setFrameShadow(QFrame::Sunken);
    label3_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label3_->setAutoFillBackground(true);
    label3_->setBackgroundRole(QPalette::Base);
    label3_->setIndent(4);

    ssPanel1_ = new QGroupBox(toQString(loan::lengthPanelCaption(LengthUnit::Years)), panel);
    ssPanel1_->setObjectName(QStringLiteral("SSPanel1"));
    ssPanel1_->setGeometry(kLeft, 168, kBoxWidth, 74);
    auto* lenMaxLabel = new QLabel(QStringLiteral("Maximum"), ssPanel1_);
    lenMaxLabel->setObjectName(QStringLiteral("lblLen(0)"));
    lenMaxLabel->setGeometry(94, 20, 76, 16);
    auto* lenMinLabel = new QLabel(QStringLiteral("Minimum"), ssPanel1_);
    lenMinLabel->setObjectName(QStringLiteral("lblLen(1)"));
    lenMinLabel->setGeometry(8, 20, 76, 16);
    txtLenMin_ = box(ssPanel1_, "txtLenMin", {8, 38, 76, 24});
    txtLenMax_ = box(ssPanel1_, "txtLenMax", {94, 38, 76, 24});

    ssPanel2_ = new QGroupBox(QStringLiteral(" Interest Rates"), panel);
    ssPanel2_->setObjectName(QStringLiteral("SSPanel2"));
    ssPanel2_->setGeometry(kLeft, 250, kBoxWidth, 74);
    auto* rateMinLabel = new QLabel(QStringLiteral("Minimum %"), ssPanel2_);
    rateMinLabel->setObjectName(QStringLiteral("lblLen(2)"));
    rateMinLabel->setGeometry(8, 20, 76, 16);
    auto* rateMaxLabel = new QLabel(QStringLiteral("Maximum %"), ssPanel2_);
    rateMaxLabel->setObjectName(QStringLiteral("lblLen(3)"));
    rateMaxLabel->setGeometry(94, 20, 76, 16);
    QStringList rates;
    for (const std::string& item : rateBoxItems()) {
        rates << toQString(item);
    }
    auto combo = [this, &rates](const char* name, QRect where) {
        auto* c = new QComboBox(ssPanel2_);
        c->setObjectName(QLatin1String(name));
        c->setEditable(true);
        c->setInsertPolicy(QComboBox::NoInsert);
        c->addItems(rates);
        c->setCurrentIndex(0);
        c->setMaxVisibleItems(16);
        c->setGeometry(where);
        c->installEventFilter(this);
        c->lineEdit()->installEventFilter(this);
        settlePastesIn(c);
        return c;
    };
    comIntrMin_ = combo("comIntrMin", {8, 38, 76, 24});
    comIntrMax_ = combo("comIntrMax", {94, 38, 76, 24});

    auto button = [panel](const char* name, const QString& caption, int top) {
        auto* b = new QPushButton(caption, panel);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(kLeft, top, kBoxWidth, 30);
        return b;
    };
    cmdCalcPmts_ = button("cmdCalcPmts", QStringLiteral("Show Payments"), 338);
    cmdCalcAmort_ = button("cmdCalcAmort", QStringLiteral("Show Amortization"), 374);
    cmdExtraPay_ = button("cmdExtraPay", QStringLiteral("Extra Payments..."), 410);
    cmdExit_ = button("cmdExit", QStringLiteral("E&xit"), 446);
    cmdCalcAmort_->setEnabled(false);
    cmdExtraPay_->setEnabled(false);

    model_ = new LoanGridModel;
    grid_ = new TableGrid(model_, panel);
    grid_->setAccessibleName(QStringLiteral("Payments"));
    grid_->setGeometry(kGridLeft, kGridTop, kGridWidth, kGridHeight);

    imgGraphic_ = new QLabel(panel);
    imgGraphic_->setObjectName(QStringLiteral("imgGraphic"));
    const QString pictureFile = findInstallationFile(QLatin1String(kGridPictureFile));
    if (!pictureFile.isEmpty()) {
        imgGraphic_->setPixmap(QPixmap(pictureFile));
    }
    imgGraphic_->hide();

    label1_ = label("Label1", toQString(kLengthNote),
                    {kGridLeft, kGridTop + kGridHeight + 6, kGridWidth, 18});
    label1_->setAlignment(Qt::AlignCenter);

    extraPanel_ = new ExtraPaymentsPanel(panel);
    extraPanel_->setGeometry(kGridLeft, kGridTop + kGridHeight - kExtraPanelHeight, kGridWidth,
                             kExtraPanelHeight);

    connect(txtPurchTotl_, &QLineEdit::textChanged, this, &LoanSheet::purchaseChanged);
    connect(txtDwnPay_, &QLineEdit::textChanged, this, &LoanSheet::downPaymentChanged);
    connect(txtLenMin_, &QLineEdit::textChanged, this,
            [this] { lengthChanged(txtLenMin_, inputs_.lengthMin); });
    connect(txtLenMax_, &QLineEdit::textChanged, this,
            [this] { lengthChanged(txtLenMax_, inputs_.lengthMax); });
    connect(comIntrMin_, &QComboBox::activated, this,
            [this] { rateChosen(comIntrMin_, inputs_.rateMin); });
    connect(comIntrMax_, &QComboBox::activated, this,
            [this] { rateChosen(comIntrMax_, inputs_.rateMax); });
    connect(cmdCalcPmts_, &QPushButton::clicked, this, &LoanSheet::showPayments);
    connect(cmdCalcAmort_, &QPushButton::clicked, this, &LoanSheet::showAmortization);
    connect(cmdExit_, &QPushButton::clicked, this, &QWidget::close);
    connect(cmdExtraPay_, &QPushButton::clicked, this, &LoanSheet::openExtraPayments);
    connect(extraPanel_, &ExtraPaymentsPanel::applyRequested, this, &LoanSheet::applyExtraPayments);
    connect(extraPanel_, &ExtraPaymentsPanel::clearRequested, this, &LoanSheet::clearExtraPayments);
    connect(extraPanel_, &ExtraPaymentsPanel::closeRequested, this, &LoanSheet::closeExtraPayments);
    connect(grid_, &QTableView::clicked, this, &LoanSheet::gridClicked);
    connect(grid_, &QTableView::doubleClicked, this, &LoanSheet::gridDoubleClicked);
    connect(grid_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &LoanSheet::gridSelectionChanged);
    connect(grid_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &LoanSheet::gridSelectionChanged);

    inputs_.purchaseAmount = 0;
    inputs_.downValue = 0;
}

void LoanSheet::buildMenus() {
    // Options: Panel Color, -, Copy and a separator (shown only in the popup), Print Options,
    // -, Exit.
    mOCopy_ = new QAction(QStringLiteral("&Copy"), this);
    mOCopy_->setObjectName(QStringLiteral("mOCopy"));
    mOCopy_->setVisible(false);
    mO3_ = new QAction(this);
    mO3_->setSeparator(true);
    mO3_->setObjectName(QStringLiteral("mO3"));
    mO3_->setVisible(false);
    optionsMenu()->insertAction(printOptionsAction(), mOCopy_);
    optionsMenu()->insertAction(printOptionsAction(), mO3_);
    connect(mOCopy_, &QAction::triggered, this, [this] { copyToClipboard(); });
    connect(optionsMenu(), &QMenu::aboutToHide, this, [this] {
        // After the chosen item has run: a Copy from the popup still finds itself there.
        QTimer::singleShot(0, this, [this] {
            mOCopy_->setVisible(false);
            mO3_->setVisible(false);
        });
    });
    setCopyEnabled(false);
    setPrintOptionsEnabled(false);

    auto* down = new QMenu(QStringLiteral("&Down Payment"), this);
    down->setObjectName(QStringLiteral("mnuDwnPay"));
    down->menuAction()->setObjectName(QStringLiteral("mnuDwnPay"));
    auto* length = new QMenu(QStringLiteral("&Loan Length"), this);
    length->setObjectName(QStringLiteral("mnuLoanLen"));
    length->menuAction()->setObjectName(QStringLiteral("mnuLoanLen"));
    menuBar()->insertMenu(helpAction(), down);
    menuBar()->insertMenu(helpAction(), length);

    const char* downCaptions[2] = {"&Percent Down", "&Amount Down"};
    const char* lengthCaptions[2] = {"&Years", "&Months"};
    for (int i = 0; i < 2; ++i) {
        optDwn_[i] = down->addAction(QLatin1String(downCaptions[i]));
        optDwn_[i]->setObjectName(QStringLiteral("mnuOptDwn(%1)").arg(i));
        optDwn_[i]->setCheckable(true);
        const auto mode = i == 0 ? DownPaymentMode::Percent : DownPaymentMode::Amount;
        connect(optDwn_[i], &QAction::triggered, this, [this, mode] { setDownPaymentMode(mode); });

        optLen_[i] = length->addAction(QLatin1String(lengthCaptions[i]));
        optLen_[i]->setObjectName(QStringLiteral("mnuOptLen(%1)").arg(i));
        optLen_[i]->setCheckable(true);
        const auto unit = i == 0 ? LengthUnit::Years : LengthUnit::Months;
        connect(optLen_[i], &QAction::triggered, this, [this, unit] { setLengthUnit(unit); });
    }
    optDwn_[0]->setChecked(true);
    optLen_[0]->setChecked(true);
}

void LoanSheet::prepareGrid() {
    // The top-left cell shows the screen's picture, at the window's scale.
    grid_->showCornerPicture(imgGraphic_->pixmap(), proportionalResizer()
                                                        ? proportionalResizer()->scale()
                                                        : shell::LayoutScale{});
    grid_->horizontalHeader()->setDefaultSectionSize(grid_->width() / 4);
    model_->showEmpty(17, 4);
}

void LoanSheet::activated() {
    grid_->emptyGrid(23);
    scheduleLeftTheGrid();
    if (output_) {
        output_->activated();
    }
}

// ---- the input boxes -------------------------------------------------------------------------

bool LoanSheet::filterBox(QLineEdit* box) {
    if (settlePastedNumber(box)) {
        return false;
    }
    const std::string typed = text(box);
    // A non-digit typed last, or a keystroke making the number too large, is refused.
    const FilteredText filtered = settledBoxText(typed);
    if (filtered.changed) {
        // Setting the text runs this handling again, which stores the value.
        box->setText(toQString(filtered.text));
        box->setCursorPosition(static_cast<int>(box->text().size()));
        return false;
    }
    return true;
}

void LoanSheet::purchaseChanged() {
    if (!filterBox(txtPurchTotl_)) {
        return;
    }
    const std::string value = text(txtPurchTotl_);
    inputs_.purchaseAmount = value.empty() ? 0 : readBoxNumber(value).value_or(0);
    showLoanAmount();
}

void LoanSheet::downPaymentChanged() {
    if (!filterBox(txtDwnPay_)) {
        return;
    }
    inputs_.downValue = readBoxNumber(text(txtDwnPay_)).value_or(0);
    if (const auto message = checkDownPayment(inputs_)) {
        context().desktop.endBusy();
        context().desktop.message(*message);
        txtDwnPay_->setText(QString());
        txtDwnPay_->setFocus();
        inputs_.downValue = 0;
    }
    showLoanAmount();
}

void LoanSheet::lengthChanged(QLineEdit* box, double& stored) {
    if (!filterBox(box)) {
        return;
    }
    // An empty box leaves the stored value as it was.
    const std::string value = text(box);
    if (!value.empty()) {
        stored = readBoxNumber(value).value_or(stored);
    }
}

void LoanSheet::rateChosen(QComboBox* box, double& stored) {
    // A typed rate is taken as typed; one beyond the double range is refused by the checks.
    stored = readBoxNumber(box->currentText().toStdString())
                 .value_or(std::numeric_limits<double>::infinity());
}

void LoanSheet::showLoanAmount() {
    label3_->setText(toQString(loanAmountText(computeLoanAmount(inputs_))));
}

bool LoanSheet::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        if (watched == comIntrMin_ || watched == comIntrMin_->lineEdit()) {
            rateChosen(comIntrMin_, inputs_.rateMin);
        } else if (watched == comIntrMax_ || watched == comIntrMax_->lineEdit()) {
            rateChosen(comIntrMax_, inputs_.rateMax);
        }
    }
    return ToolScreen::eventFilter(watched, event);
}

QWidget* LoanSheet::boxWidget(LoanBox box) const {
    switch (box) {
        case LoanBox::PurchaseAmount:
            return txtPurchTotl_;
        case LoanBox::DownPayment:
            return txtDwnPay_;
        case LoanBox::LengthMin:
            return txtLenMin_;
        case LoanBox::LengthMax:
            return txtLenMax_;
        case LoanBox::RateMin:
            return comIntrMin_;
        case LoanBox::RateMax:
            return comIntrMax_;
        case LoanBox::None:
            break;
    }
    return nullptr;
}

// ---- menus -----------------------------------------------------------------------------------

void LoanSheet::setDownPaymentMode(DownPaymentMode mode) {
    const int index = mode == DownPaymentMode::Percent ? 0 : 1;
    optDwn_[index]->setChecked(true);
    optDwn_[1 - index]->setChecked(false);
    inputs_.downMode = mode;
    lblDwnPay_->setText(toQString(loan::downPaymentCaption(mode)));
    // The typed value is read again under the new mode.
    downPaymentChanged();
}

void LoanSheet::setLengthUnit(LengthUnit unit) {
    txtPurchTotl_->setText(QStringLiteral("0"));
    txtPurchTotl_->setText(QString());
    txtDwnPay_->setText(QStringLiteral("0"));
    txtDwnPay_->setText(QString());
    label3_->clear();
    grid_->emptyGrid(19);
    dropExtraPayments();
    scheduleLeftTheGrid();
    const int index = unit == LengthUnit::Years ? 0 : 1;
    optLen_[index]->setChecked(true);
    optLen_[1 - index]->setChecked(false);
    inputs_.lengthUnit = unit;
    ssPanel1_->setTitle(toQString(loan::lengthPanelCaption(unit)));
    label1_->setVisible(unit == LengthUnit::Years);
    for (QLineEdit* box : {txtPurchTotl_, txtDwnPay_, txtLenMin_, txtLenMax_}) {
        box->clear();
    }
}

void LoanSheet::preparePopupMenu() {
    ToolScreen::preparePopupMenu();
    const bool canCopy = copyAction() && copyAction()->isEnabled();
    mOCopy_->setVisible(canCopy);
    mO3_->setVisible(canCopy);
}

// ---- Show Payments ---------------------------------------------------------------------------

void LoanSheet::showPayments() {
    setCopyEnabled(false);
    setPrintOptionsEnabled(false);
    cmdCalcAmort_->setEnabled(false);

    // The rate boxes store their values on a click and on leaving them; a rate typed just now
    // counts too.
    rateChosen(comIntrMin_, inputs_.rateMin);
    rateChosen(comIntrMax_, inputs_.rateMax);

    LoanBoxTexts boxes;
    boxes.lengthMin = text(txtLenMin_);
    boxes.lengthMax = text(txtLenMax_);
    boxes.rateMin = comIntrMin_->currentText().toStdString();
    boxes.rateMax = comIntrMax_->currentText().toStdString();
    boxes.rateMinIndex = comIntrMin_->currentIndex();
    boxes.rateMaxIndex = comIntrMax_->currentIndex();
    if (rateListIndex(boxes.rateMin) != boxes.rateMinIndex) {
        boxes.rateMinIndex = -1;
    }
    if (rateListIndex(boxes.rateMax) != boxes.rateMaxIndex) {
        boxes.rateMaxIndex = -1;
    }

    const LoanRequestCheck check = validateLoanRequest(inputs_, boxes);
    inputs_ = check.inputs;
    {
        const QSignalBlocker blockMin(txtLenMin_);
        const QSignalBlocker blockMax(txtLenMax_);
        txtLenMin_->setText(toQString(check.boxes.lengthMin));
        txtLenMax_->setText(toQString(check.boxes.lengthMax));
    }
    auto setRate = [](QComboBox* box, int index, const std::string& value) {
        if (index >= 0) {
            box->setCurrentIndex(index);
        }
        box->setEditText(toQString(value));
    };
    setRate(comIntrMin_, check.boxes.rateMinIndex, check.boxes.rateMin);
    setRate(comIntrMax_, check.boxes.rateMaxIndex, check.boxes.rateMax);

    if (!check.accepted()) {
        context().desktop.endBusy();
        context().desktop.message(*check.message);
        if (QWidget* box = boxWidget(check.focus)) {
            if (check.emptyFocusBox) {
                if (auto* edit = qobject_cast<QLineEdit*>(box)) {
                    edit->setText(QString());  // the box's own handling stores 0
                }
            }
            box->setFocus();
        }
        return;
    }

    context().desktop.beginBusy();
    dropExtraPayments();
    table_ = std::make_shared<PaymentTable>(buildPaymentTable(inputs_));
    showPaymentTable();
    context().desktop.endBusy();
}

void LoanSheet::showPaymentTable() {
    if (!table_) {
        return;
    }
    prepareGrid();
    grid_->applyFit(fitPaymentGrid(), [this] { model_->showTable(table_); });
    // The table is written cell by cell through the grid's current cell: the last one written,
    // the last rate in the last length, stays current (and is what Copy and Print take until
    // the user selects), while the view stays at the top of the table.
    grid_->setCurrentIndex(model_->index(table_->rateRows() - 1, table_->lengthColumns() - 1));
    grid_->horizontalScrollBar()->setValue(0);
    grid_->verticalScrollBar()->setValue(0);
    grid_->setHighlight(TableGrid::Highlight::WithFocus);
    inputs_.scheduleShown = false;
    scheduleLeftTheGrid();
    // Filling the table moves the current cell: Copy and Print Options become available.
    if (!loading_) {
        setCopyEnabled(true);
        setPrintOptionsEnabled(true);
    }
}

GridFit LoanSheet::fitPaymentGrid() const {
    const GridTwips size = grid_->twips();
    return coinwell::loan::fitPaymentGrid(size.height, size.width, size.headerRowHeight,
                                          size.firstColumnWidth, inputs_.rateCount,
                                          inputs_.lengthCount);
}

// ---- the grid --------------------------------------------------------------------------------

bool LoanSheet::currentCellCanAmortize() const {
    const QModelIndex current = grid_->currentIndex();
    if (!current.isValid() || inputs_.scheduleShown || !table_ ||
        model_->content() != LoanGridModel::Content::Table) {
        return false;
    }
    return !model_->gridText(current.row() + 1, current.column() + 1).empty();
}

void LoanSheet::gridClicked() {
    cmdCalcAmort_->setEnabled(currentCellCanAmortize());
}

void LoanSheet::gridDoubleClicked() {
    if (inputs_.scheduleShown) {
        return;  // a double click on the schedule does nothing
    }
    const bool can = currentCellCanAmortize();
    cmdCalcAmort_->setEnabled(can);
    if (can) {
        showAmortization();
    }
}

void LoanSheet::gridSelectionChanged() {
    if (!loading_) {
        setCopyEnabled(true);
        setPrintOptionsEnabled(true);
    }
}

void LoanSheet::showAmortization() {
    if (!currentCellCanAmortize()) {
        cmdCalcAmort_->setEnabled(false);
        return;
    }
    const QModelIndex current = grid_->currentIndex();
    context().desktop.beginBusy();
    // The schedule is of the loan the table was built for.
    schedule_ = std::make_shared<AmortizationSchedule>(buildSchedule(
        *table_, current.row() + 1, current.column() + 1, table_->loanAmount, table_->unit));
    setCopyEnabled(true);
    setPrintOptionsEnabled(true);
    showSchedule();
    grid_->setHighlight(TableGrid::Highlight::Never);
    context().desktop.endBusy();
}

void LoanSheet::showSchedule() {
    const AmortizationSchedule* shown = shownSchedule();
    if (!shown) {
        return;
    }
    // The selection collapses to the current cell.
    {
        const QSignalBlocker block(grid_->selectionModel());
        grid_->clearSelection();
        grid_->setCurrentIndex(QModelIndex());
    }
    const int columns = scheduleGridColumns(*shown);
    const ScheduleGridFit fit =
        fitScheduleGrid(pixelsToTwips(grid_->height()), pixelsToTwips(grid_->width()), columns);
    grid_->verticalHeader()->setFixedWidth(gridCellPixels(fit.firstColumnWidth));
    grid_->horizontalHeader()->setFixedHeight(gridCellPixels(fit.headerRowHeight));
    // Every payment can be reached: the scroll bars follow what the schedule needs.
    grid_->applyFit(
        {GridScrollBars::Both, scheduleGridRows(*shown), columns, fit.rowHeight, fit.columnWidth},
        [this] { model_->showSchedule(extraSchedule_ ? extraSchedule_ : schedule_); });
    grid_->showCornerText(GridTextModel::displayText(model_->gridText(0, 0)));
    cmdCalcAmort_->setEnabled(false);
    inputs_.scheduleShown = true;
    cmdExtraPay_->setEnabled(true);
}

// ---- extra payments --------------------------------------------------------------------------

void LoanSheet::openExtraPayments() {
    if (!cmdExtraPay_->isEnabled()) {
        return;
    }
    extraPanel_->open();
}

void LoanSheet::applyExtraPayments() {
    if (!schedule_ || !cmdExtraPay_->isEnabled()) {
        return;  // no schedule in the grid to apply them to
    }
    const ExtraPaymentCheck check = checkExtraPayments(extraPanel_->texts(), schedule_->count);
    if (!check.accepted()) {
        context().desktop.endBusy();
        context().desktop.message(*check.message);
        if (QLineEdit* box = extraPanel_->box(check.focus)) {
            box->setFocus();
        }
        return;
    }
    context().desktop.beginBusy();
    extraSchedule_.reset();
    if (check.extras.any()) {
        extraSchedule_ =
            std::make_shared<AmortizationSchedule>(buildExtraSchedule(*schedule_, check.extras));
    }
    showSchedule();
    extraPanel_->showResults(loan::payoffText(*shownSchedule()),
                             loan::interestSavedText(*shownSchedule()));
    context().desktop.endBusy();
}

void LoanSheet::clearExtraPayments() {
    const bool applied = extraSchedule_ != nullptr;
    dropExtraPayments();
    if (applied && cmdExtraPay_->isEnabled()) {
        showSchedule();
    }
}

void LoanSheet::closeExtraPayments() {
    // The applied extras and their results stay.
    extraPanel_->hide();
    if (cmdExtraPay_->isEnabled()) {
        cmdExtraPay_->setFocus();
    }
}

void LoanSheet::dropExtraPayments() {
    extraSchedule_.reset();
    extraPanel_->clearEntries();
    extraPanel_->showResults({}, {});
}

void LoanSheet::scheduleLeftTheGrid() {
    cmdExtraPay_->setEnabled(false);
    extraPanel_->hide();
}

// ---- what the output code reads -------------------------------------------------------------

std::string LoanSheet::gridText(int row, int column) const {
    return model_->gridText(row, column);
}
int LoanSheet::gridRows() const {
    return model_->gridRows();
}
int LoanSheet::gridColumns() const {
    return model_->gridColumns();
}

GridSelection LoanSheet::gridSelection() const {
    return grid_->selection();
}

std::string LoanSheet::purchaseText() const {
    return text(txtPurchTotl_);
}
std::string LoanSheet::downPaymentText() const {
    return text(txtDwnPay_);
}
std::string LoanSheet::downPaymentCaption() const {
    return lblDwnPay_->text().toStdString();
}
std::string LoanSheet::loanAmountCaption() const {
    return label3_->text().toStdString();
}
std::string LoanSheet::noteText() const {
    return label1_->text().toStdString();
}
bool LoanSheet::noteVisible() const {
    return !label1_->isHidden();
}
std::string LoanSheet::payoffText() const {
    return extraPanel_->payoffText();
}
std::string LoanSheet::interestSavedText() const {
    return extraPanel_->savedText();
}

// ---- the frame's hooks -----------------------------------------------------------------------

void LoanSheet::handleEscape() {
    if (!printPanelShown() && !extraPanel_->isHidden()) {
        closeExtraPayments();
        return;
    }
    ToolScreen::handleEscape();
}

void LoanSheet::copyToClipboard() {
    if (output_) {
        output_->copyToClipboard(*this);
    }
}

void LoanSheet::openPrintOptions() {
    if (output_) {
        output_->openPrintOptions(*this);
    }
}

bool LoanSheet::printPanelShown() const {
    return output_ && output_->printPanelShown();
}

void LoanSheet::closePrintPanel() {
    if (output_) {
        output_->closePrintPanel();
    }
}

void LoanSheet::panelColorChanged(const QColor& color) {
    if (output_) {
        output_->panelColorChanged(color);
    }
}

}  // namespace coinwell::loan
