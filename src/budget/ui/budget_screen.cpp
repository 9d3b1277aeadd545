#include "budget/ui/budget_screen.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>
#include <QToolTip>

#include <cmath>
#include <utility>

#include "budget/core/budget_edits.h"
#include "budget/core/budget_texts.h"
#include "budget/core/year_choice.h"
#include "budget/core/year_file.h"
#include "budget/ui/budget_grid_model.h"
#include "budget/ui/totals_panel.h"
#include "common/core/entry_length.h"
#include "common/core/regular_file.h"
#include "common/ui/colors.h"
#include "common/ui/open_entry.h"
#include "common/ui/qt_text.h"

namespace coinwell::budget {

namespace {

// Controls of the central panel, in pixels (the panel is 960 x 560).
constexpr int kLeft = 10;
constexpr int kWidth = 940;
constexpr int kGridTop = 84;
constexpr int kGridHeight = 318;
constexpr int kCaptionsTop = 406;
constexpr int kCaptionHeight = 21;
constexpr int kButtonsTop = 486;

// Proportions of the entry grid's width W: column 0, the Item column and each month.
constexpr double kFixedColumnShare = 0.019;
constexpr double kItemColumnShare = 0.14;
constexpr double kMonthColumnShare = 0.06825;

// A focus that moves because a window came back (a message box closed) or a popup list closed
// is no focus the user gave: the screen's focus steps do not run for it.
bool userFocus(const QEvent* event) {
    const auto reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

DateTime today() {
    const QDate date = QDate::currentDate();
    return {date.year(), date.month(), date.day()};
}

// Print Grid Data lays the print panel over the totals: of the two, the one raised last is on top.
bool printPanelAbove(const QWidget* totals) {
    const QWidget* parent = totals->parentWidget();
    const auto* printPanel =
        parent->findChild<QWidget*>(QStringLiteral("SSPanel80"), Qt::FindDirectChildrenOnly);
    const QObjectList& stack = parent->children();
    return printPanel != nullptr && stack.indexOf(printPanel) > stack.indexOf(totals);
}

}  // namespace

// ---------------------------------------------------------------------------------------------

BudgetScreen::BudgetScreen(AppContext& context, QWidget* mainScreen)
    : ToolScreen(context, shell::budgetScreenSpec(), mainScreen) {
    buildControls();
    buildMenus();
}

BudgetScreen::~BudgetScreen() = default;

void BudgetScreen::setUp() {
    initialiseScreen();
    loading_ = false;
    // The Exit button holds the focus as the screen shows (the year selector's focus steps
    // belong to the user's moving there).
    command3_->setFocus();
}

void BudgetScreen::buildControls() {
    QWidget* panel = centralPanel();
    auto label = [panel](const char* name, const QString& caption, QRect where,
                         Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
        auto* l = new QLabel(caption, panel);
        l->setObjectName(QLatin1String(name));
        l->setGeometry(where);
        l->setAlignment(alignment);
        return l;
    };
    auto box = [](QLabel* l) {
        l->setFrameShape(QFrame::StyledPanel);
        l->setFrameShadow(QFrame::Sunken);
    };

    panel3D5_ = label("Panel3D5", toQString(kScreenTitle), {kLeft, 8, kWidth, 38}, Qt::AlignCenter);
    panel3D5_->setFrameShape(QFrame::Panel);
    panel3D5_->setFrameShadow(QFrame::Raised);
    panel3D5_->setLineWidth(2);
    QFont title(QStringLiteral("Times New Roman"));
    title.setPixelSize(26);
    title.setBold(true);
    panel3D5_->setFont(title);

    label1_ = label("Label1", QStringLiteral("Select Year:"), {kLeft, 54, 84, 24},
                    Qt::AlignRight | Qt::AlignVCenter);
    combo1_ = new QComboBox(panel);
    combo1_->setObjectName(QStringLiteral("Combo1"));
    combo1_->setEditable(true);
    combo1_->setInsertPolicy(QComboBox::NoInsert);
    combo1_->setCompleter(nullptr);
    combo1_->setMaxVisibleItems(16);
    for (const std::string& item : yearListItems()) {
        combo1_->addItem(toQString(item));
    }
    combo1_->setGeometry(kLeft + 90, 54, 90, 24);
    combo1_->installEventFilter(this);

    label8_ = label("Label8", QStringLiteral("Input Box:"), {kLeft + 196, 54, 76, 24},
                    Qt::AlignRight | Qt::AlignVCenter);
    text1_ = new QLineEdit(panel);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setGeometry(kLeft + 278, 54, 240, 24);
    text1_->setMaxLength(static_cast<int>(kMaxEntryLength));
    text1_->installEventFilter(this);
    text2_ = new QLineEdit(panel);
    text2_->setObjectName(QStringLiteral("Text2"));
    text2_->setGeometry(kLeft + 278, 54, 20, 24);
    text2_->hide();

    panel3D4_ =
        label("Panel3D4", toQString(kInitialLocation), {kLeft + 530, 54, 96, 24}, Qt::AlignCenter);
    box(panel3D4_);

    grid_ = new QTableView(panel);
    grid_->setObjectName(QStringLiteral("VSGd1"));
    grid_->setAccessibleName(QStringLiteral("Budget Items"));
    grid_->setGeometry(kLeft, kGridTop, kWidth, kGridHeight);
    model_ = new BudgetGridModel(year_, grid_);
    grid_->setModel(model_);
    grid_->setItemDelegate(new BudgetGridDelegate(
        [this](int row, int column, const QString& text) { gridEditing(row, column, text); },
        [this](int row, int column, const QString& text) { gridEditCommitted(row, column, text); },
        grid_));
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                           QAbstractItemView::EditKeyPressed);
    grid_->setWordWrap(false);
    grid_->setCornerButtonEnabled(false);
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->verticalHeader()->setDefaultSectionSize(20);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->horizontalHeader()->setSectionsClickable(true);
    grid_->horizontalHeader()->setHighlightSections(false);
    grid_->horizontalHeader()->setMinimumSectionSize(1);
    grid_->verticalHeader()->setMinimumSectionSize(1);
    grid_->installEventFilter(this);
    gridBackColor_ = grid_->palette().color(QPalette::Base);
    gridTextColor_ = QColor(Qt::black);
    // An entry cancelled with Esc leaves the cell as it was: the Input Box shows it again.
    connect(grid_->itemDelegate(), &QAbstractItemDelegate::closeEditor, this, [this] {
        inputBoxText_ = toQString(year_.cellText(currentRow(), currentColumn()));
        text1_->setText(inputBoxText_);
    });
    connect(grid_->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int section) { sortByColumn(section + 1); });
    connect(grid_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &BudgetScreen::currentCellChanged);
    connect(grid_->verticalScrollBar(), &QScrollBar::sliderMoved, this,
            &BudgetScreen::showScrollTip);

    const char* rowCaptions[3] = {"Total Expenses: ", "Total Income: ", "Balance: "};
    for (int i = 0; i < 3; ++i) {
        label2_[i] =
            label(qPrintable(QStringLiteral("Label2(%1)").arg(i)), QLatin1String(rowCaptions[i]),
                  {kLeft, kCaptionsTop + i * kCaptionHeight, 150, kCaptionHeight},
                  Qt::AlignRight | Qt::AlignVCenter);
    }
    for (int m = 0; m < kMonths; ++m) {
        const auto month = static_cast<std::size_t>(m);
        const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
        label3_[month] = label(qPrintable(QStringLiteral("Label3(%1)").arg(m)), QString(),
                               {kLeft, kCaptionsTop, 60, kCaptionHeight}, right);
        label5_[month] = label(qPrintable(QStringLiteral("Label5(%1)").arg(m)), QString(),
                               {kLeft, kCaptionsTop + kCaptionHeight, 60, kCaptionHeight}, right);
        label7_[month] =
            label(qPrintable(QStringLiteral("Label7(%1)").arg(m)), QString(),
                  {kLeft, kCaptionsTop + 2 * kCaptionHeight, 60, kCaptionHeight}, right);
        box(label5_[month]);
        label5_[month]->setCursor(Qt::PointingHandCursor);
        label5_[month]->setToolTip(QStringLiteral("Click to enter this month's Total Income"));
        label5_[month]->installEventFilter(this);
    }

    auto button = [panel](const char* name, const QString& caption, int index) {
        auto* b = new QPushButton(caption, panel);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(kLeft + index * 118, kButtonsTop, 112, 30);
        return b;
    };
    command8_ = button("Command8", QStringLiteral("&Totals (Yr)"), 0);
    command7_ = button("Command7", QStringLiteral("Copy (&Yr)"), 1);
    command2_ = button("Command2", QStringLiteral("&Print Options"), 2);
    command4_ = button("Command4", QStringLiteral("&Copy To Right"), 3);
    command6_ = button("Command6", QStringLiteral("&Delete Row"), 4);
    command15_ = button("Command15", QStringLiteral("Spelling Chec&k"), 5);
    command5_ = button("Command5", QStringLiteral("&Save"), 6);
    command3_ = button("Command3", QStringLiteral("E&xit "), 7);

    totalsPanel_ = new TotalsPanel(panel);
    totalsPanel_->setGeometry(kLeft, kGridTop, kWidth, 396);

    connect(command8_, &QPushButton::clicked, this, &BudgetScreen::toggleTotals);
    connect(command7_, &QPushButton::clicked, this, &BudgetScreen::copyYearToNext);
    connect(command2_, &QPushButton::clicked, this, [this] { openPrintOptions(); });
    connect(command4_, &QPushButton::clicked, this, &BudgetScreen::copyToRight);
    connect(command6_, &QPushButton::clicked, this, &BudgetScreen::deleteRow);
    connect(command15_, &QPushButton::clicked, this, [this] {
        if (hooks_.checkSpelling) {
            hooks_.checkSpelling(*this);
            yearEdited(currentRow(), currentColumn());  // the whole run is one change
        }
    });
    connect(command5_, &QPushButton::clicked, this, &BudgetScreen::saveYear);
    connect(command3_, &QPushButton::clicked, this, &ToolScreen::closeByCommand);
    connect(totalsPanel_->closeButton(), &QPushButton::clicked, this, &BudgetScreen::closeTotals);
    connect(totalsPanel_->changePercentButton(), &QPushButton::clicked, this,
            &BudgetScreen::changePercentBase);
    connect(totalsPanel_->printButton(), &QPushButton::clicked, this, [this] {
        if (hooks_.printTotals) {
            hooks_.printTotals(*this);
        }
    });
    connect(combo1_, &QComboBox::activated, this, &BudgetScreen::yearPicked);
    connect(text1_, &QLineEdit::textEdited, this, &BudgetScreen::inputBoxEdited);
}

void BudgetScreen::buildMenus() {
    auto action = [this](const char* name, const QString& caption) {
        auto* a = new QAction(caption, this);
        a->setObjectName(QLatin1String(name));
        return a;
    };
    auto separator = [this](const char* name) {
        auto* a = new QAction(this);
        a->setSeparator(true);
        a->setObjectName(QLatin1String(name));
        return a;
    };

    // Options: Grid Background Selector, Grid Text Color, Panel Color, -, Delete Row, Insert
    // New Row, -, Copy, Print Options, Save, Spelling Check, -, Totals For Year, -, Exit.
    QMenu* options = optionsMenu();
    mOGB_ = action("mOGB", QStringLiteral("Grid &Backgorund Selector"));
    mOGT_ = action("mOGT", QStringLiteral("Grid &Text  Color"));
    options->insertActions(panelColorAction(), {mOGB_, mOGT_});
    mODel_ = action("mODel", QStringLiteral("&Delete Row"));
    mOIN_ = action("mOIN", QStringLiteral("&Insert New Row"));
    mOCopy_ = action("mOCopy", QStringLiteral("&Copy"));
    options->insertActions(printOptionsAction(), {mODel_, mOIN_, separator("mO3"), mOCopy_});
    mOS_ = action("mOS", QStringLiteral("&Save"));
    mOSpell_ = action("mOSpell", QStringLiteral("Spelling Chec&k"));
    mOT_ = action("mOT", QStringLiteral("&Totals For Year"));
    mOT_->setCheckable(true);
    // After Print Options, before the separator that precedes Exit.
    const QList<QAction*> frameItems = options->actions();
    QAction* beforeExit = frameItems.at(frameItems.indexOf(exitAction()) - 1);
    options->insertActions(beforeExit, {mOS_, mOSpell_, separator("mO4"), mOT_});

    // Edit: Copy Right, Copy To Next Year, Delete Row, -, Copy Budget to Windows Clipboard.
    mECR_ = action("mECR", QStringLiteral("&Copy Right"));
    mECY_ = action("mECY", QStringLiteral("Copy To Next &Year"));
    mED_ = action("mED", QStringLiteral("&Delete Row"));
    editMenu()->insertActions(copyAction(), {mECR_, mECY_, mED_, separator("mE1")});

    // Utilities: Backup, Restore, -, Export.
    utilitiesMenu_ = new QMenu(QStringLiteral("&Utilities"), this);
    utilitiesMenu_->setObjectName(QStringLiteral("mU"));
    utilitiesMenu_->menuAction()->setObjectName(QStringLiteral("mU"));
    mUB_ = action("mUB", QStringLiteral("&Backup Selected Year File to Disk"));
    mUR_ = action("mUR", QStringLiteral("&Restore Selected Year File from Disk"));
    mUExcel_ = action("mUExcel", QStringLiteral("Export File in Excel/Spreadsheet Format"));
    utilitiesMenu_->addActions({mUB_, mUR_, separator("mU1"), mUExcel_});
    menuBar()->insertMenu(helpAction(), utilitiesMenu_);

    connect(mOGB_, &QAction::triggered, this, [this] {
        if (hooks_.gridBackgroundSelector) {
            hooks_.gridBackgroundSelector(*this);
        }
    });
    connect(mOGT_, &QAction::triggered, this, [this] {
        if (hooks_.gridTextColor) {
            hooks_.gridTextColor(*this);
        }
    });
    connect(mODel_, &QAction::triggered, this, &BudgetScreen::deleteRow);
    connect(mOIN_, &QAction::triggered, this, &BudgetScreen::insertRow);
    connect(mOCopy_, &QAction::triggered, this, [this] { copyToClipboard(); });
    connect(mOS_, &QAction::triggered, this, &BudgetScreen::saveYear);
    connect(mOSpell_, &QAction::triggered, command15_, &QPushButton::click);
    connect(mOT_, &QAction::triggered, this, [this] {
        // The check mark follows the panel, not the click.
        mOT_->setChecked(totalsShown());
        toggleTotals();
    });
    connect(mECR_, &QAction::triggered, this, &BudgetScreen::copyToRight);
    connect(mECY_, &QAction::triggered, this, &BudgetScreen::copyYearToNext);
    connect(mED_, &QAction::triggered, this, &BudgetScreen::deleteRow);
    connect(mUB_, &QAction::triggered, this, &BudgetScreen::backupYear);
    connect(mUR_, &QAction::triggered, this, &BudgetScreen::restoreYear);
    connect(mUExcel_, &QAction::triggered, this, [this] {
        if (hooks_.openExportPanel) {
            hooks_.openExportPanel(*this);
        }
    });

    connect(options, &QMenu::aboutToShow, this, &BudgetScreen::prepareOptionsMenu);
    connect(editMenu(), &QMenu::aboutToShow, this, &BudgetScreen::prepareEditMenu);
    connect(utilitiesMenu_, &QMenu::aboutToShow, this, &BudgetScreen::prepareUtilitiesMenu);
}

// ---- opening and activation ------------------------------------------------------------------

void BudgetScreen::initialiseScreen() {
    if (totalsShown()) {
        closeTotals();
    }
    percentBase_ = PercentBase::Income;
    totalsPanel_->setPercentBase(percentBase_);
    // A panel colour chosen but not stored is dropped, as when the screen is closed with No.
    applyStoredPanelColor();
    // Opened anew the screen shows today's year; set up again after a restore, the year the
    // user had chosen.
    loadYear(yearPicked_);
    setRowCommandsEnabled(false);
    emit initialised();
}

void BudgetScreen::activated() {
    fitColumns();
    setCurrentCell(1, 1);
    if (command3_->isEnabled()) {
        command3_->setFocus();
    }
    emit screenActivated();
}

void BudgetScreen::controlsResized() {
    fitColumns();
    if (!gridPicture_.isNull()) {
        // The picture behind the cells follows the grid's new size.
        setGridAppearance(gridBackColor_, gridPicture_, gridTextColor_);
    }
}

void BudgetScreen::fitColumns() {
    const double width = grid_->width();
    grid_->verticalHeader()->setFixedWidth(
        static_cast<int>(std::lround(kFixedColumnShare * width)));
    grid_->setColumnWidth(0, static_cast<int>(std::lround(kItemColumnShare * width)));
    for (int c = 1; c < kLastMonthColumn; ++c) {
        grid_->setColumnWidth(c, static_cast<int>(std::lround(kMonthColumnShare * width)));
    }
    placeMonthlyCaptions();
    totalsPanel_->fitColumns();
}

void BudgetScreen::placeMonthlyCaptions() {
    // Each month's figures stand under its column; the row captions under column 0 and Item.
    const int origin = grid_->x() + grid_->frameWidth() + grid_->verticalHeader()->width();
    const int height = label3_[0]->height();
    for (int i = 0; i < 3; ++i) {
        QLabel* caption = label2_[static_cast<std::size_t>(i)];
        caption->setGeometry(grid_->x(), caption->y(), origin + grid_->columnWidth(0) - grid_->x(),
                             height);
    }
    for (int m = 0; m < kMonths; ++m) {
        const auto month = static_cast<std::size_t>(m);
        const int x = origin + grid_->columnViewportPosition(m + 1);
        const int width = grid_->columnWidth(m + 1);
        for (QLabel* l : {label3_[month], label5_[month], label7_[month]}) {
            l->setGeometry(x, l->y(), width, height);
        }
    }
}

void BudgetScreen::setOverlay(BudgetOverlay overlay, std::function<bool()> shown,
                              std::function<void()> escape) {
    overlays_[static_cast<std::size_t>(overlay)] = {std::move(shown), std::move(escape)};
}

bool BudgetScreen::overlayShown(BudgetOverlay overlay) const {
    const Overlay& o = overlays_[static_cast<std::size_t>(overlay)];
    return o.shown && o.shown();
}

bool BudgetScreen::runOverlayEscape(BudgetOverlay overlay) {
    if (!overlayShown(overlay)) {
        return false;
    }
    if (const auto& escape = overlays_[static_cast<std::size_t>(overlay)].escape) {
        escape();
    }
    return true;
}

void BudgetScreen::handleEscape() {
    // The topmost overlay first: export, totals, grid background selector, print options.
    if (runOverlayEscape(BudgetOverlay::ExportPanel)) {
        return;
    }
    if (totalsShown() && !(printPanelShown() && printPanelAbove(totalsPanel_))) {
        closeTotals();
        return;
    }
    if (runOverlayEscape(BudgetOverlay::ComparePanel) ||
        runOverlayEscape(BudgetOverlay::GridBackgroundSelector) ||
        runOverlayEscape(BudgetOverlay::PrintOptions)) {
        return;
    }
    closeByCommand();
}

bool BudgetScreen::printPanelShown() const {
    return overlayShown(BudgetOverlay::PrintOptions);
}

void BudgetScreen::closePrintPanel() {
    runOverlayEscape(BudgetOverlay::PrintOptions);
}

void BudgetScreen::copyToClipboard() {
    if (hooks_.copyBudget) {
        hooks_.copyBudget(*this);
    }
}

void BudgetScreen::openPrintOptions() {
    if (hooks_.openPrintOptions) {
        hooks_.openPrintOptions(*this);
    }
}

void BudgetScreen::panelColorChanged(const QColor& color) {
    setPanelColor3D(totalsPanel_, color);
    emit panelColorApplied(color);
}

bool BudgetScreen::colorChangesPending() const {
    return ToolScreen::colorChangesPending() ||
           (hooks_.gridColorsChanged && hooks_.gridColorsChanged(*this));
}

void BudgetScreen::settleColorChanges(bool store) {
    // The grid's records first; the panel colour then goes to its record and may be offered to
    // every screen.
    if (hooks_.settleGridColors) {
        hooks_.settleGridColors(*this, store);
    }
    ToolScreen::settleColorChanges(store && panelColorWasChanged());
}

void BudgetScreen::setGridAppearance(const QColor& background, const QPixmap& picture,
                                     const QColor& text) {
    gridBackColor_ = background;
    gridPicture_ = picture;
    gridTextColor_ = text;
    QPalette palette = grid_->palette();
    if (picture.isNull()) {
        palette.setColor(QPalette::Base, background);
    } else {
        palette.setBrush(QPalette::Base, QBrush(picture.scaled(grid_->size(), Qt::IgnoreAspectRatio,
                                                               Qt::SmoothTransformation)));
    }
    palette.setColor(QPalette::Text, text);
    grid_->setPalette(palette);
    emit gridAppearanceChanged();
}

// ---- leaving
// -------------------------------------------------------------------------------------

bool BudgetScreen::confirmClose() {
    if (unsavedChanges_) {
        // Exit asks with Cancel; a close box or the program switching tools only Yes or No.
        const Answer answer =
            context().desktop.message(saveBeforeExitingQuestion(selectedYear_, closingByCommand()));
        if (answer == Answer::Cancel) {
            return false;
        }
        if (answer == Answer::Yes && !saveYear()) {
            return false;  // a budget that could not be saved is not closed away
        }
    }
    resetWorkingState();
    return true;
}

void BudgetScreen::resetWorkingState() {
    unsavedChanges_ = false;
    yearPicked_ = false;
    rememberedRow_ = 0;
}

// ---- the year ----------------------------------------------------------------------------------

void BudgetScreen::loadYear(bool fromSelector) {
    context().desktop.beginBusy();
    text1_->clear();
    inputBoxText_.clear();
    if (fromSelector) {
        selectedYear_ = workingYear(combo1_->currentText().toStdString());
    } else {
        selectedYear_ = todaysBudgetYear(today());
        const int index = combo1_->findText(toQString(selectedYear_));
        if (index >= 0) {
            combo1_->setCurrentIndex(index);
        }
        combo1_->setEditText(toQString(selectedYear_));
    }

    const LoadedYear loaded = readYearFile(yearFileName(selectedYear_));
    year_ = loaded.year;
    model_->yearChanged();
    if (loaded.newYear) {
        figures_ = emptyMonthlyFigures();
        showMonthlyFigures();
        totalsPanel_->clearYearTotals();
    } else {
        recalcMonths(1, 1);
    }
    setCurrentCell(1, 1);
    currentCellChanged();
    panel3D4_->setText(toQString(kInitialLocation));
    text1_->clear();
    inputBoxText_.clear();
    command7_->setVisible(copyYearAvailable(selectedYear_));
    unsavedChanges_ = false;
    context().desktop.endBusy();
    emit yearLoaded();
}

void BudgetScreen::commitOpenEntry() {
    coinwell::commitOpenEntry(this);
}

bool BudgetScreen::saveYear() {
    commitOpenEntry();
    context().desktop.beginBusy();
    const int row = currentRow();
    const int column = currentColumn();
    YearFileResult result;
    replaceYearFile(selectedYear_, [&] {
        result = writeYearFile(yearFileName(selectedYear_), year_);
        return result.ok();
    });
    if (result.ok()) {
        unsavedChanges_ = false;
    }
    setCurrentCell(row, column);
    grid_->setFocus();
    context().desktop.endBusy();
    if (!result.ok()) {
        // The file on disk is as it was and the changes stay marked as unsaved.
        context().desktop.message(saveFailedMessage(selectedYear_, result.reason));
        grid_->setFocus();
    }
    return result.ok();
}

void BudgetScreen::copyYearToNext() {
    const std::string next = nextYearText(selectedYear_);
    context().desktop.endBusy();
    if (context().desktop.message(copyYearQuestion(selectedYear_, next)) == Answer::Yes) {
        const std::string from = yearFileName(selectedYear_);
        YearFileResult result{YearFileResult::Outcome::NothingToCopy, {}};
        const auto copy = [&] {
            result = copyYearFile(from, yearFileName(next));
            return result.ok();
        };
        // Only a copy that can happen replaces the next year's file.
        if (isRegularFile(from)) {
            replaceYearFile(next, copy);
        } else {
            copy();
        }
        // A year never saved has nothing to copy, which is not reported; a copy that could not
        // be written is, since the next year's file is not what the user asked for.
        if (result.outcome == YearFileResult::Outcome::Failed) {
            context().desktop.message(copyYearFailedMessage(selectedYear_, next, result.reason));
        }
    }
    grid_->setFocus();
}

bool BudgetScreen::settleUnsavedChanges() {
    context().desktop.endBusy();
    const Answer answer = context().desktop.message(saveBeforeExitingQuestion(selectedYear_, true));
    if (answer == Answer::Cancel) {
        return false;
    }
    if (answer == Answer::Yes && !saveYear()) {
        return false;
    }
    unsavedChanges_ = false;
    return true;
}

void BudgetScreen::yearSelectorFocused() {
    if (unsavedChanges_ && !settleUnsavedChanges()) {
        // Cancel keeps the year on show: the focus goes back to the grid, so that no year is
        // picked over the changes.
        QTimer::singleShot(0, this, [this] { grid_->setFocus(); });
        return;
    }
    setRowCommandsEnabled(false);
    panel3D4_->clear();
}

void BudgetScreen::yearPicked(int) {
    if (unsavedChanges_ && !settleUnsavedChanges()) {
        combo1_->setEditText(toQString(selectedYear_));
        return;
    }
    context().desktop.beginBusy();
    if (totalsShown()) {
        closeTotals();
    }
    unsavedChanges_ = false;
    yearPicked_ = true;
    loadYear(true);
    command2_->setEnabled(true);
    command5_->setEnabled(true);
    command7_->setEnabled(true);
    context().desktop.endBusy();
}

void BudgetScreen::yearEntered() {
    if (unsavedChanges_ && !settleUnsavedChanges()) {
        combo1_->setEditText(toQString(selectedYear_));
        return;
    }
    unsavedChanges_ = false;
    combo1_->setEditText(toQString(enteredYear(combo1_->currentText().toStdString())));
    yearPicked_ = true;
    loadYear(true);
}

// ---- figures
// -------------------------------------------------------------------------------------

void BudgetScreen::showMonthlyFigures() {
    for (int m = 0; m < kMonths; ++m) {
        const auto month = static_cast<std::size_t>(m);
        label3_[month]->setText(toQString(figures_.expenses[month]));
        label5_[month]->setText(toQString(year_.income[month]));
        label7_[month]->setText(toQString(figures_.balance[month]));
        QPalette palette = label7_[month]->palette();
        palette.setColor(QPalette::WindowText,
                         toQColor(classicPaletteColor(figures_.balanceNegative[month] ? 4 : 0)));
        label7_[month]->setPalette(palette);
    }
}

void BudgetScreen::recalcMonths(int column, int row) {
    context().desktop.beginBusy();
    refreshMonthlyFigures();
    for ([[maybe_unused]] const int month : figures_.heldMonths) {
        context().desktop.endBusy();
        context().desktop.message(billsLimitMessage());
    }
    setCurrentCell(row == 0 ? 1 : row, column);
    // An entry already begun in the grid's editor keeps its focus.
    if (grid_->isVisible() && !grid_->isAncestorOf(QApplication::focusWidget())) {
        grid_->setFocus();
    }
    context().desktop.endBusy();
}

void BudgetScreen::buildYearTotals() {
    totals_ = budget::buildYearTotals(year_, figures_, percentBase_, yearNumber(selectedYear_));
    totalsPanel_->showTotals(totals_);
    if (totals_.complete) {
        setCoveredCommandsEnabled(false);
    }
}

bool BudgetScreen::totalsShown() const {
    return totalsPanel_ && !totalsPanel_->isHidden();
}

void BudgetScreen::toggleTotals() {
    context().desktop.endBusy();
    if (!canViewTotals(year_)) {
        context().desktop.message(viewTotalsMessage());
        return;
    }
    if (totalsShown()) {
        closeTotals();
        return;
    }
    runOverlayEscape(BudgetOverlay::GridBackgroundSelector);
    emit totalsOpening();
    context().desktop.beginBusy();
    totalsPanel_->takeGridAppearance(grid_->palette());
    totalsPanel_->clearGrid();
    totalsReturnRow_ = currentRow();
    totalsReturnColumn_ = currentColumn();
    buildYearTotals();
    if (hooks_.fillChart) {
        hooks_.fillChart(*this);
    }
    mOGB_->setEnabled(false);
    totalsPanel_->show();
    totalsPanel_->raise();
    totalsPanel_->resetBalanceBackground();
    mOT_->setChecked(true);
    totalsPanel_->changePercentButton()->setEnabled(totalsPanel_->grid()->rowCount() != 1);
    totalsPanel_->closeButton()->setFocus();
    context().desktop.endBusy();
}

void BudgetScreen::closeTotals() {
    mOT_->setChecked(false);
    totalsPanel_->hide();
    mOGB_->setEnabled(true);
    setCoveredCommandsEnabled(true);
    setCurrentCell(totalsReturnRow_, totalsReturnColumn_);
    grid_->setFocus();
}

void BudgetScreen::setCoveredCommandsEnabled(bool enabled) {
    for (QPushButton* command : {command2_, command5_, command6_, command7_}) {
        command->setEnabled(enabled);
    }
    mED_->setEnabled(enabled);
}

void BudgetScreen::setOverlaidCommandsEnabled(bool enabled) {
    setCoveredCommandsEnabled(enabled);
    mOGB_->setEnabled(enabled);
    if (enabled) {
        applyCopyRightRule(currentColumn());
    } else {
        command4_->setEnabled(false);
        mECR_->setEnabled(false);
    }
}

void BudgetScreen::changePercentBase() {
    percentBase_ =
        percentBase_ == PercentBase::Income ? PercentBase::Expenses : PercentBase::Income;
    totalsPanel_->setPercentBase(percentBase_);
    totalsPanel_->resetBalanceBackground();
    buildYearTotals();
    if (hooks_.fillChart) {
        hooks_.fillChart(*this);
    }
}

std::string BudgetScreen::expensesCaption(int month) const {
    return label3_.at(static_cast<std::size_t>(month))->text().toStdString();
}
std::string BudgetScreen::incomeCaption(int month) const {
    return label5_.at(static_cast<std::size_t>(month))->text().toStdString();
}
std::string BudgetScreen::balanceCaption(int month) const {
    return label7_.at(static_cast<std::size_t>(month))->text().toStdString();
}
bool BudgetScreen::balanceNegative(int month) const {
    return figures_.balanceNegative.at(static_cast<std::size_t>(month));
}

// ---- the grid
// ------------------------------------------------------------------------------------

int BudgetScreen::currentRow() const {
    const QModelIndex current = grid_->currentIndex();
    return current.isValid() ? BudgetGridModel::gridRow(current) : 1;
}

int BudgetScreen::currentColumn() const {
    const QModelIndex current = grid_->currentIndex();
    return current.isValid() ? BudgetGridModel::gridColumn(current) : 1;
}

void BudgetScreen::setCurrentCell(int row, int column) {
    const QModelIndex cell = model_->cellIndex(std::clamp(row, 1, kItemRows),
                                               std::clamp(column, kItemColumn, kLastMonthColumn));
    grid_->setCurrentIndex(cell);
}

void BudgetScreen::currentCellChanged() {
    const int row = currentRow();
    const int column = currentColumn();
    panel3D4_->setText(toQString(locationText(column, row)));
    applyCopyRightRule(column);
    rememberedRow_ = row;
    inputBoxText_ = toQString(year_.cellText(row, column));
    text1_->setText(inputBoxText_);
    if (!year_.cellText(row, column).empty()) {
        mODel_->setEnabled(true);
    }
}

void BudgetScreen::applyCopyRightRule(int column) {
    const bool allowed = canCopyRight(column);
    command4_->setEnabled(allowed);
    mECR_->setEnabled(allowed);
}

void BudgetScreen::setRowCommandsEnabled(bool enabled) {
    command4_->setEnabled(enabled);
    command6_->setEnabled(enabled);
    mED_->setEnabled(enabled);
}

void BudgetScreen::gridFocused() {
    setRowCommandsEnabled(true);
    panel3D4_->setText(toQString(locationText(currentColumn(), currentRow())));
    applyCopyRightRule(currentColumn());
}

void BudgetScreen::gridEditing(int, int, const QString& text) {
    // The Input Box follows the text being edited.
    inputBoxText_ = text;
    text1_->setText(text);
    unsavedChanges_ = true;
}

void BudgetScreen::gridEditCommitted(int row, int column, const QString& text) {
    const std::string typed = text.toStdString();
    if (typed == year_.cellText(row, column)) {
        return;  // the editor was opened and left without a change
    }
    // The entry goes into the year at once, so that whatever comes next (a save, a sort,
    // another year, another editor on the cell; on a busy machine all may be waiting already)
    // finds it. Its message and the recalculation come once the editor has gone: a message box
    // now would take the focus from the closing editor.
    const bool amount = column != kItemColumn;
    std::optional<MessageRequest> message;
    if (amount) {
        CommittedAmount committed = commitMonthAmount(typed);
        *year_.cell(row, column) = committed.cellText;
        message = std::move(committed.message);
        unsavedChanges_ = true;
    } else if (const auto character = unstorableCharacter(typed)) {
        message = unstorableCharacterMessage(*character);  // the cell keeps its text
    } else {
        // Item names are taken as typed.
        *year_.cell(row, column) = typed;
        unsavedChanges_ = true;
    }
    model_->cellChanged(row, column);
    yearEdited(row, column);
    if (currentRow() == row && currentColumn() == column) {
        inputBoxText_ = toQString(year_.cellText(row, column));
        text1_->setText(inputBoxText_);
    }
    if (!amount && !message) {
        return;
    }
    ++pendingEntries_;
    QMetaObject::invokeMethod(
        this,
        [this, amount, message = std::move(message)] {
            --pendingEntries_;
            finishEntry(amount, message);
        },
        Qt::QueuedConnection);
}

void BudgetScreen::finishEntry(bool amount, const std::optional<MessageRequest>& message) {
    if (message) {
        context().desktop.endBusy();
        context().desktop.message(*message);
    }
    if (amount) {
        recalcMonths(currentColumn(), currentRow());
    }
}

bool BudgetScreen::refuseUnstorable(const std::string& text) {
    const auto character = unstorableCharacter(text);
    if (!character) {
        return false;
    }
    context().desktop.endBusy();
    context().desktop.message(unstorableCharacterMessage(*character));
    return true;
}

void BudgetScreen::yearEdited(int row, int column, bool inputBoxKeystroke) {
    if (hooks_.yearEdited) {
        hooks_.yearEdited(*this, {row, column, inputBoxKeystroke});
    }
}

void BudgetScreen::showChangedYear(const BudgetYear& year, int row, int column) {
    year_ = year;
    model_->yearChanged();
    unsavedChanges_ = true;
    recalcMonths(column, row);
    currentCellChanged();
}

bool BudgetScreen::replaceYearFile(const std::string& year, const std::function<bool()>& write) {
    return hooks_.replaceYearFile ? hooks_.replaceYearFile(*this, year, write) : write();
}

bool BudgetScreen::setCellText(int row, int column, const std::string& text) {
    std::string* cell = year_.cell(row, column);
    if (!cell || unstorableCharacter(text)) {
        return false;
    }
    *cell = text;
    model_->cellChanged(row, column);
    unsavedChanges_ = true;
    if (currentRow() == row && currentColumn() == column) {
        inputBoxText_ = toQString(text);
        text1_->setText(inputBoxText_);
    }
    return true;
}

void BudgetScreen::inputBoxEdited(const QString& text) {
    const int row = currentRow();
    const int column = currentColumn();
    if (refuseUnstorable(text.toStdString())) {
        text1_->setText(inputBoxText_);
        return;
    }
    const InputBoxChange change = inputBoxChange(text.toStdString(), column);
    if (change.boxChanged) {
        text1_->setText(toQString(change.boxText));
        text1_->setCursorPosition(static_cast<int>(text1_->text().size()));
    }
    if (change.beep) {
        QApplication::beep();
    }
    inputBoxText_ = text1_->text();
    if (std::string* cell = year_.cell(row, column)) {
        *cell = change.cellText;
        model_->cellChanged(row, column);
    }
    unsavedChanges_ = true;
    // The monthly figures follow every change at once; the bills limit is told once, when the
    // box is left, not at every keystroke.
    billsLimitPending_ = refreshMonthlyFigures();
    yearEdited(row, column, true);
}

bool BudgetScreen::refreshMonthlyFigures() {
    figures_ = budget::recalcMonths(year_);
    showMonthlyFigures();
    if (totalsShown()) {
        buildYearTotals();
    }
    return !figures_.heldMonths.empty();
}

void BudgetScreen::enterIncome(int month) {
    if (month < 0 || month >= kMonths) {
        return;
    }
    QLabel* label = label5_[static_cast<std::size_t>(month)];
    const QPalette normal = label->palette();
    const bool normalFill = label->autoFillBackground();
    QPalette painted = normal;
    painted.setColor(QPalette::Window, gridBackColor_);
    label->setPalette(painted);
    label->setAutoFillBackground(true);
    const auto restoreLabel = [label, normal, normalFill] {
        label->setPalette(normal);
        label->setAutoFillBackground(normalFill);
    };
    const int row = currentRow();
    const int column = currentColumn();

    context().desktop.endBusy();
    const std::string answer = context().desktop.input(incomeQuestion(label->text().toStdString()));
    if (!answer.empty() && refuseUnstorable(answer)) {
        restoreLabel();
        grid_->setFocus();
        return;
    }
    const std::optional<IncomeEntry> entry = budget::enterIncome(answer);
    if (!entry) {
        grid_->setFocus();
        restoreLabel();
        return;
    }
    if (entry->message) {
        context().desktop.message(*entry->message);
    }
    year_.income[static_cast<std::size_t>(month)] = entry->caption;
    label->setText(toQString(entry->caption));
    unsavedChanges_ = true;
    if (month < kMonths - 1 &&
        context().desktop.message(copyIncomeRightQuestion()) == Answer::Yes) {
        copyIncomeRight(year_, month);
    }
    recalcMonths(column, row);
    yearEdited(row, column);
    restoreLabel();
    grid_->setFocus();
}

void BudgetScreen::copyToRight() {
    const int row = currentRow();
    const int column = currentColumn();
    if (!canCopyRight(column)) {
        return;
    }
    copyRight(year_, row, column);
    model_->yearChanged();
    unsavedChanges_ = true;
    recalcMonths(column, row);
    yearEdited(row, column);
}

void BudgetScreen::insertRow() {
    if (rememberedRow_ < 1) {
        return;
    }
    const int row = rememberedRow_;
    const int column = currentColumn();
    const BudgetItem dropped = year_.items.back();
    insertItemRow(year_, row);
    model_->yearChanged();
    unsavedChanges_ = true;
    if (dropped != BudgetItem{}) {
        // The dropped last row's amounts leave the monthly totals.
        recalcMonths(column, row);
    } else {
        setCurrentCell(row, column);
    }
    currentCellChanged();
    yearEdited(row, column);
}

void BudgetScreen::deleteRow() {
    if (rememberedRow_ < 1) {
        return;
    }
    const int row = rememberedRow_;
    const int column = currentColumn();
    model_->setMarkedRow(row);
    context().desktop.endBusy();
    const Answer answer = context().desktop.message(deleteRowQuestion());
    model_->setMarkedRow(0);
    if (answer == Answer::Yes) {
        unsavedChanges_ = true;
        deleteItemRow(year_, row);
        model_->yearChanged();
        recalcMonths(column, 1);
        yearEdited(row, column);
    }
    command6_->setEnabled(false);
    mODel_->setEnabled(false);
    setCurrentCell(1, column);
}

void BudgetScreen::sortByColumn(int column) {
    if (column < kItemColumn || column > kLastMonthColumn) {
        return;
    }
    // A heading sorts ascending; the same heading again sorts the other way.
    const bool ascending = !(sortColumn_ == column && sortAscending_);
    sortColumn_ = column;
    sortAscending_ = ascending;
    sortItemRows(year_, column, ascending);
    model_->yearChanged();
    if (ascending) {
        // The clean-up may have taken rows with amounts away.
        unsavedChanges_ = true;
        recalcMonths(currentColumn(), currentRow());
    }
    currentCellChanged();
    yearEdited(currentRow(), currentColumn());
}

void BudgetScreen::showScrollTip(int value) {
    const int row = value + 1;
    const QString tip = toQString(scrollTipText(row, year_.cellText(row, kItemColumn)));
    QScrollBar* bar = grid_->verticalScrollBar();
    bar->setToolTip(tip);
    QToolTip::showText(bar->mapToGlobal(QPoint(-8, bar->height() / 2)), tip, bar);
}

// ---- menus -------------------------------------------------------------------------------------

void BudgetScreen::prepareOptionsMenu() {
    mODel_->setEnabled(command6_->isEnabled());
    mOIN_->setEnabled(command6_->isEnabled());
}

void BudgetScreen::preparePopupMenu() {
    ToolScreen::preparePopupMenu();
    prepareOptionsMenu();
    setCurrentCell(1, 1);
    mOCopy_->setEnabled(!year_.cellText(1, kItemColumn).empty());
}

void BudgetScreen::prepareEditMenu() {
    setCurrentCell(1, 1);
    setCopyEnabled(!year_.cellText(1, kItemColumn).empty());
}

void BudgetScreen::prepareUtilitiesMenu() {
    mUB_->setEnabled(yearFileHasContent(yearFileName(selectedYear_)));
    mUR_->setEnabled(true);
    mUExcel_->setEnabled(hasNameInFirstRows(year_));
}

// ---- backup and restore ----------------------------------------------------------------------

void BudgetScreen::backupYear() {
    if (unsavedChanges_) {
        context().desktop.endBusy();
        const Answer answer = context().desktop.message(saveBeforeBackupQuestion(selectedYear_));
        if (answer == Answer::Yes && !saveYear()) {
            return;  // the backup would not hold the changes the user wanted in it
        }
    }
    if (hooks_.runBackupUtility) {
        hooks_.runBackupUtility(
            *this, {kBackupFamily, false, static_cast<int>(yearNumber(selectedYear_))});
    }
    // The screen shows the file as saved; changes the user chose not to save stay on show.
    if (!unsavedChanges_) {
        loadYear(true);
    }
    context().desktop.endBusy();
}

void BudgetScreen::restoreYear() {
    const std::string file = yearFileName(selectedYear_);
    const LoadedYear before = readYearFile(file);
    if (hooks_.runBackupUtility) {
        hooks_.runBackupUtility(
            *this, {kRestoreFamily, true, static_cast<int>(yearNumber(selectedYear_))});
    }
    const LoadedYear after = readYearFile(file);
    // A restored file is shown as the screen opens with it; when nothing was restored, changes
    // not yet saved stay on show.
    if (!unsavedChanges_ || before.newYear != after.newYear || before.year != after.year) {
        initialiseScreen();
    }
    command2_->setEnabled(true);
    context().desktop.endBusy();
}

void BudgetScreen::setUpAfterRestore() {
    initialiseScreen();
    command2_->setEnabled(true);
    setPrintOptionsEnabled(true);
    context().desktop.endBusy();
}

// ---- events
// --------------------------------------------------------------------------------------

bool BudgetScreen::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == combo1_) {
        if (type == QEvent::FocusIn && userFocus(event) && !loading_) {
            yearSelectorFocused();
        } else if (type == QEvent::FocusOut && userFocus(event) &&
                   combo1_->currentText().toStdString() != selectedYear_) {
            // A year typed but not entered is not the year on show.
            combo1_->setEditText(toQString(selectedYear_));
        } else if (type == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                yearEntered();
                return true;
            }
        }
    } else if (watched == grid_) {
        if (type == QEvent::FocusIn && userFocus(event)) {
            gridFocused();
        }
    } else if (watched == text1_) {
        if (type == QEvent::FocusIn) {
            QPalette palette = text1_->palette();
            palette.setColor(QPalette::Base, toQColor(classicPaletteColor(14)));
            text1_->setPalette(palette);
            if (userFocus(event)) {
                inputBoxText_ = toQString(year_.cellText(currentRow(), currentColumn()));
                text1_->setText(inputBoxText_);
            }
        } else if (type == QEvent::FocusOut) {
            QPalette palette = text1_->palette();
            palette.setColor(QPalette::Base, text2_->palette().color(QPalette::Base));
            text1_->setPalette(palette);
            if (std::exchange(billsLimitPending_, false)) {
                context().desktop.endBusy();
                context().desktop.message(billsLimitMessage());
            }
        }
    } else if (type == QEvent::MouseButtonRelease &&
               static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        for (int m = 0; m < kMonths; ++m) {
            if (watched == label5_[static_cast<std::size_t>(m)]) {
                enterIncome(m);
                return true;
            }
        }
    }
    return ToolScreen::eventFilter(watched, event);
}

}  // namespace coinwell::budget
