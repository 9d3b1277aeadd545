#include "actuarial/ui/actuarial_screen.h"

#include <QComboBox>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

#include "actuarial/core/explanation.h"
#include "actuarial/core/value_grid.h"
#include "actuarial/ui/actuarial_output.h"
#include "actuarial/ui/value_grid_model.h"
#include "common/core/digit_filter.h"
#include "common/ui/pasted_number.h"
#include "common/ui/program_folder.h"
#include "common/ui/qt_text.h"
#include "shell/ui/proportional_resizer.h"

namespace coinwell::actuarial {

namespace {

// The picture of the grid's top-left cell.
constexpr const char* kGridPictureFile = "Emblem.png";

// Controls of the central panel, in pixels (the panel is 720 × 480).
constexpr int kLeft = 14;
constexpr int kBoxWidth = 176;
constexpr int kGridPanel[4] = {206, 14, 500, 362};
constexpr int kGridInset = 4;

std::string text(const QLineEdit* box) {
    return box->text().toStdString();
}

// A carriage return alone does not break a label's line: it is drawn as a line feed.
QString shownExplanation(const std::string& explanation) {
    QString shown = toQString(explanation);
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

}  // namespace

ActuarialScreen::ActuarialScreen(AppContext& context, QWidget* mainScreen)
    : ToolScreen(context, shell::actuarialScreenSpec(), mainScreen) {
    buildControls();
    connectControls();
    setCommandsEnabled(false);
    grid_->loadStoredAppearance();
    grid_->setHighlight(TableGrid::Highlight::Never);
    prepareGrid();
    output_ = std::make_unique<ActuarialOutput>(*this);
}

ActuarialScreen::~ActuarialScreen() = default;

void ActuarialScreen::buildControls() {
    QWidget* panel = centralPanel();
    auto label = [](QWidget* parent, const char* name, const QString& caption, QRect where) {
        auto* l = new QLabel(caption, parent);
        l->setObjectName(QLatin1String(name));
        l->setGeometry(where);
        return l;
    };
    auto box = [](QWidget* parent, const char* name, int longest, QRect where) {
        auto* b = new QLineEdit(parent);
        b->setObjectName(QLatin1String(name));
        b->setMaxLength(longest);
        b->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        b->setGeometry(where);
        return b;
    };

    ssPanel1_ = makePanel3D(panel, QStringLiteral("SSPanel1"));
    ssPanel1_->setGeometry(kLeft, 14, kBoxWidth, 110);
    label(ssPanel1_, "lblPurchTotl", QStringLiteral("Amount or Annuity"), {8, 6, 160, 18});
    text1_ = box(ssPanel1_, "Text1", kAmountBoxLength, {8, 25, 160, 24});
    label(ssPanel1_, "lblDwnPay", QStringLiteral("No. Payments Per Year"), {8, 56, 160, 18});
    text2_ = box(ssPanel1_, "Text2", kSmallBoxLength, {8, 75, 160, 24});

    QStringList rates;
    for (const std::string& item : rateListItems()) {
        rates << toQString(item);
    }
    ssPanel2_ = new QGroupBox(QStringLiteral(" Annual Interest Rates"), panel);
    ssPanel2_->setObjectName(QStringLiteral("SSPanel2"));
    ssPanel2_->setGeometry(kLeft, 132, kBoxWidth, 74);
    label(ssPanel2_, "lblIntr(0)", QStringLiteral("Maximum %"), {8, 20, 76, 16});
    label(ssPanel2_, "lblIntr(1)", QStringLiteral("Minimum %"), {94, 20, 76, 16});
    auto combo = [this, &rates](const char* name, QRect where) {
        auto* c = new QComboBox(ssPanel2_);
        c->setObjectName(QLatin1String(name));
        c->setEditable(true);
        c->setInsertPolicy(QComboBox::NoInsert);
        c->addItems(rates);
        c->setCurrentIndex(0);
        c->setMaxVisibleItems(16);
        c->setGeometry(where);
        settlePastesIn(c);
        return c;
    };
    combo1_ = combo("Combo1", {8, 38, 76, 24});
    combo2_ = combo("Combo2", {94, 38, 76, 24});

    ssPanel3_ = new QGroupBox(QStringLiteral(" Number of Years"), panel);
    ssPanel3_->setObjectName(QStringLiteral("SSPanel3"));
    ssPanel3_->setGeometry(kLeft, 214, kBoxWidth, 74);
    label(ssPanel3_, "lblLen(0)", QStringLiteral("Maximum"), {8, 20, 76, 16});
    label(ssPanel3_, "lblLen(1)", QStringLiteral("Minimum"), {94, 20, 76, 16});
    text3_ = box(ssPanel3_, "Text3", kSmallBoxLength, {8, 38, 76, 24});
    text4_ = box(ssPanel3_, "Text4", kSmallBoxLength, {94, 38, 76, 24});

    for (int i = 0; i < 4; ++i) {
        auto* button = new QPushButton(toQString(kindButtonCaption(kAllKinds[i])), panel);
        button->setObjectName(QStringLiteral("Command%1").arg(i + 1));
        button->setGeometry(kLeft, 298 + 32 * i, kBoxWidth, 28);
        kindButtons_[static_cast<std::size_t>(i)] = button;
    }
    command5_ = new QPushButton(QStringLiteral("E&xit"), panel);
    command5_->setObjectName(QStringLiteral("Command5"));
    command5_->setGeometry(kLeft, 432, kBoxWidth, 28);

    ssPanel4_ = makePanel3D(panel, QStringLiteral("SSPanel4"));
    ssPanel4_->setGeometry(kGridPanel[0], kGridPanel[1], kGridPanel[2], kGridPanel[3]);
    model_ = new ValueGridModel;
    grid_ = new TableGrid(model_, ssPanel4_);
    grid_->setAccessibleName(QStringLiteral("Table of Values"));
    grid_->setGeometry(kGridInset, kGridInset, kGridPanel[2] - 2 * kGridInset,
                       kGridPanel[3] - 2 * kGridInset);

    label1_ = label(panel, "Label1", QString(),
                    {kGridPanel[0], kGridPanel[1] + kGridPanel[3] + 8, kGridPanel[2], 84});
    label1_->setWordWrap(true);
    label1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    imgGraphic_ = new QLabel(panel);
    imgGraphic_->setObjectName(QStringLiteral("imgGraphic"));
    const QString pictureFile = findInstallationFile(QLatin1String(kGridPictureFile));
    if (!pictureFile.isEmpty()) {
        imgGraphic_->setPixmap(QPixmap(pictureFile));
    }
    imgGraphic_->hide();
}

void ActuarialScreen::connectControls() {
    connect(text1_, &QLineEdit::textChanged, this, [this] { boxChanged(text1_, false); });
    for (QLineEdit* box : {text2_, text3_, text4_}) {
        connect(box, &QLineEdit::textChanged, this, [this, box] { boxChanged(box, true); });
    }
    for (std::size_t i = 0; i < kindButtons_.size(); ++i) {
        const ValueTableKind kind = kAllKinds[i];
        connect(kindButtons_[i], &QPushButton::clicked, this,
                [this, kind] { showValueTable(kind); });
    }
    connect(command5_, &QPushButton::clicked, this, &ActuarialScreen::closeByCommand);
    connect(grid_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &ActuarialScreen::gridSelectionChanged);
    connect(grid_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ActuarialScreen::gridSelectionChanged);
}

// ---- the grid --------------------------------------------------------------------------------

void ActuarialScreen::showCorner() {
    // The top-left cell shows the screen's picture, at the window's scale.
    grid_->showCornerPicture(imgGraphic_->pixmap(), proportionalResizer()
                                                        ? proportionalResizer()->scale()
                                                        : shell::LayoutScale{});
}

void ActuarialScreen::prepareGrid() {
    // The cells of an empty 16 × 3 grid fill the room beside the picture.
    showCorner();
    const GridTwips size = grid_->twips();
    const GridFit fit =
        actuarial::fitValueGrid(size.height, size.width, size.headerRowHeight,
                                size.firstColumnWidth, kVisibleGridRows, kVisibleGridColumns);
    grid_->applyFit(fit,
                    [this] { model_->showEmpty(kVisibleGridRows + 1, kVisibleGridColumns + 1); });
}

GridFit ActuarialScreen::fitValueGrid() const {
    // Every rate the table holds gets its row, also the one step past the maximum that a typed
    // range can give beyond rateCount.
    const int rows = table_->rateRows();
    const int columns = std::max<int>(inputs_.yearCount, table_->yearColumns());
    const GridTwips size = grid_->twips();
    return actuarial::fitValueGrid(size.height, size.width, size.headerRowHeight,
                                   size.firstColumnWidth, rows, columns);
}

void ActuarialScreen::activated() {
    // The grid is emptied; the copy and print commands stay as they were.
    {
        const QSignalBlocker block(grid_->selectionModel());
        grid_->emptyGrid(1);
        grid_->emptyGrid(23);
    }
    if (output_) {
        output_->activated();
    }
}

void ActuarialScreen::controlsResized() {
    // The grid took a new size with the window: its cells fill it again.
    if (model_->table()) {
        showCorner();
        grid_->applyFit(fitValueGrid(), {});
    }
}

void ActuarialScreen::gridSelectionChanged() {
    if (!tableShownBefore_) {
        return;
    }
    const GridSelection selection = gridSelection();
    setCommandsEnabled(!gridText(selection.row, selection.column).empty());
}

void ActuarialScreen::setCommandsEnabled(bool enabled) {
    setCopyEnabled(enabled);
    setPrintOptionsEnabled(enabled);
}

void ActuarialScreen::copyDone() {
    setCommandsEnabled(false);
    grid_->setHighlight(TableGrid::Highlight::WithFocus);
}

// ---- the boxes -------------------------------------------------------------------------------

void ActuarialScreen::boxChanged(QLineEdit* box, bool atMost100) {
    if (settlePastedNumber(box)) {
        return;
    }
    const std::string typed = text(box);
    if (atMost100 && exceedsMostEntry(typed)) {
        // Setting the text runs this handling again, which passes "100".
        box->setText(QString::number(static_cast<int>(kMostBoxEntry)));
        box->setCursorPosition(static_cast<int>(box->text().size()));
        context().desktop.endBusy();
        context().desktop.message(maximumEntryMessage());
        return;
    }
    // A non-digit typed last, or a keystroke making the number too large, is refused.
    const FilteredText filtered = settledBoxText(typed);
    if (filtered.changed) {
        box->setText(toQString(filtered.text));
        box->setCursorPosition(static_cast<int>(box->text().size()));
    }
}

ActuarialBoxTexts ActuarialScreen::boxTexts() const {
    ActuarialBoxTexts boxes;
    boxes.amount = text(text1_);
    boxes.perYear = text(text2_);
    boxes.maxYears = text(text3_);
    boxes.minYears = text(text4_);
    boxes.maxRate = combo1_->currentText().toStdString();
    boxes.minRate = combo2_->currentText().toStdString();
    return boxes;
}

void ActuarialScreen::showBoxTexts(const ActuarialBoxTexts& boxes) {
    auto setText = [](QLineEdit* box, const std::string& value) {
        if (box->text().toStdString() != value) {
            box->setText(toQString(value));
        }
    };
    setText(text3_, boxes.maxYears);
    setText(text4_, boxes.minYears);
    for (auto [combo, value] : {std::pair{combo1_, &boxes.maxRate}, {combo2_, &boxes.minRate}}) {
        if (combo->currentText().toStdString() != *value) {
            const int index = combo->findText(toQString(*value));
            if (index >= 0) {
                combo->setCurrentIndex(index);
            }
            combo->setEditText(toQString(*value));
        }
    }
}

QWidget* ActuarialScreen::boxWidget(ActuarialBox box) const {
    switch (box) {
        case ActuarialBox::Amount:
            return text1_;
        case ActuarialBox::PerYear:
            return text2_;
        case ActuarialBox::MaxYears:
            return text3_;
        case ActuarialBox::MinYears:
            return text4_;
        case ActuarialBox::MaxRate:
            return combo1_;
        case ActuarialBox::MinRate:
            return combo2_;
        case ActuarialBox::None:
            break;
    }
    return nullptr;
}

bool ActuarialScreen::validateActuarialInputs() {
    const ActuarialCheck check = checkActuarialInputs(boxTexts());
    showBoxTexts(check.boxes);
    if (!check.accepted()) {
        context().desktop.endBusy();
        context().desktop.message(*check.message);
        if (QWidget* box = boxWidget(check.focus)) {
            box->setFocus();
        }
        return false;
    }
    return true;
}

// ---- building a table ------------------------------------------------------------------------

void ActuarialScreen::showValueTable(ValueTableKind kind) {
    setCommandsEnabled(false);
    grid_->emptyGrid(1);
    context().desktop.processEvents();
    grid_->emptyGrid(kVisibleGridRows + 1);
    context().desktop.processEvents();

    // The values as typed; the checks may put the boxes in order, the ranges are ordered below.
    const ValueTableInputs typed = readValueTableInputs(boxTexts());
    if (!validateActuarialInputs()) {
        return;
    }
    context().desktop.beginBusy();
    inputs_ = normaliseRanges(typed);
    if (!tableShownBefore_) {
        // The first table turns the selection highlight on.
        tableShownBefore_ = true;
        grid_->setHighlight(TableGrid::Highlight::Always);
        setCommandsEnabled(true);
    }
    table_ = std::make_shared<ValueTable>(buildValueTable(kind, inputs_));
    showCorner();
    {
        // Filling the grid leaves the current cell on the header of the last year column.
        const QSignalBlocker block(grid_->selectionModel());
        grid_->clearSelection();
        grid_->setCurrentIndex(QModelIndex());
    }
    const GridFit fit = fitValueGrid();
    std::shared_ptr<const ValueTable> shown = table_;
    grid_->applyFit(fit, [&] { model_->showTable(shown, fit.rows, fit.columns); });
    if (!table_->values.empty()) {
        setCommandsEnabled(true);
    }
    explanation_ = explanationText(kind, text(text1_), text(text2_));
    label1_->setText(shownExplanation(explanation_));
    context().desktop.endBusy();
}

// ---- what the output code reads -------------------------------------------------------------

std::string ActuarialScreen::gridText(int row, int column) const {
    return model_->gridText(row, column);
}

int ActuarialScreen::gridRows() const {
    return model_->gridRows();
}

int ActuarialScreen::gridColumns() const {
    return model_->gridColumns();
}

GridSelection ActuarialScreen::gridSelection() const {
    GridSelection selection = grid_->selection();
    if (grid_->currentIndex().isValid()) {
        return selection;
    }
    if (const ValueTable* table = model_->table()) {
        selection.column = selection.columnSel = table->yearColumns();
    }
    return selection;
}

const ValueTable* ActuarialScreen::valueTable() const {
    return model_->table();
}

float ActuarialScreen::lastValue() const {
    const ValueTable* table = model_->table();
    return table ? table->lastValue : 0;
}

std::string ActuarialScreen::amountText() const {
    return text(text1_);
}

std::string ActuarialScreen::perYearText() const {
    return text(text2_);
}

bool ActuarialScreen::explanationVisible() const {
    return !label1_->isHidden();
}

// ---- the frame's hooks -----------------------------------------------------------------------

void ActuarialScreen::copyToClipboard() {
    output_->copyToClipboard();
}

void ActuarialScreen::openPrintOptions() {
    output_->openPrintOptions();
}

bool ActuarialScreen::printPanelShown() const {
    return output_ && output_->printPanelShown();
}

void ActuarialScreen::closePrintPanel() {
    output_->closePrintPanel();
}

void ActuarialScreen::panelColorChanged(const QColor& color) {
    if (output_) {
        output_->panelColorChanged(color);
    }
}

}  // namespace coinwell::actuarial
