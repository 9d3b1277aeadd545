#include "budget/ui/budget_printing.h"

#include <QBuffer>
#include <QCheckBox>
#include <QDate>
#include <QEvent>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QRadioButton>
#include <QTableView>
#include <algorithm>
#include <cmath>

#include "budget/core/budget_printer_font.h"
#include "budget/core/year_choice.h"
#include "budget/ui/budget_chart_widget.h"
#include "budget/ui/budget_screen.h"
#include "budget/ui/totals_chart.h"
#include "budget/ui/totals_panel.h"
#include "common/core/safe_write.h"
#include "common/ui/colors.h"
#include "common/ui/qt_text.h"

namespace coinwell::budget {

namespace {

// The chart picture at 100 pixels to the inch of its printed rectangle.
constexpr double kPicturePixelsPerInch = 100;
constexpr int kJpegQuality = 100;
const QColor kPaperColor(Qt::white);

DateTime today() {
    const QDate date = QDate::currentDate();
    return {date.year(), date.month(), date.day()};
}

// A font name can be printed when the system has it or maps it to a font of its own (as it maps
// "Times New Roman" to a metric twin); a name it knows nothing of falls to its default font.
bool fontUsable(const std::string& name) {
    const QString family = toQString(name);
    if (family.trimmed().isEmpty()) {
        return false;
    }
    if (QFontDatabase::hasFamily(family)) {
        return true;
    }
    static const QString fallback =
        QFontInfo(QFont(QStringLiteral("Coinwell No Such Font"))).family();
    return QFontInfo(QFont(family)).family() != fallback;
}

}  // namespace

BudgetPrinting::BudgetPrinting(BudgetScreen& screen, TotalsChart& chart)
    : QObject(&screen), screen_(screen), chart_(chart) {
    print::PrintPanelSettings& settings = print::runPrintPanelSettings();
    // The panel's title is an element of the screen's label array Label3 (0-11 are the monthly
    // expenses).
    panel_ =
        new print::PrintPanel(screen.context(), settings,
                              {print::PrintingScreen::Budget, QStringLiteral("Label3(12)"), {}, {}},
                              screen.centralPanel());
    panel_->setRebuildDocument(
        [this](print::PageDocument& doc, const print::PrintPanelSettings& panelSettings) {
            rebuild(doc, panelSettings);
        });
    connect(panel_, &print::PrintPanel::panelClosed, this, &BudgetPrinting::panelClosed);
    buildOptions();

    screen.setOverlay(
        BudgetOverlay::PrintOptions, [this] { return panel_->isShown(); },
        [this] { panel_->handleEscape(); });
    screen.hooks().openPrintOptions = [this](BudgetScreen&) { openBudgetTable(); };
    screen.hooks().printTotals = [this](BudgetScreen&) { openTotals(); };
    // The printing text colour is the grid's, once the screen is set up and after every change;
    // the budget's own options start afresh with the screen.
    connect(&screen, &BudgetScreen::initialised, this, &BudgetPrinting::screenSetUp);
    connect(&screen, &BudgetScreen::gridAppearanceChanged, this,
            &BudgetPrinting::followGridTextColor);
    screen.hooks().printDocument = [this](BudgetScreen&, print::RebuildDocument layout) {
        openDocument(std::move(layout));
    };
    connect(&screen, &BudgetScreen::screenActivated, panel_, &print::PrintPanel::screenActivated);
    connect(&screen, &BudgetScreen::panelColorApplied, panel_, &print::PrintPanel::setPanelColor);
    panel_->setPanelColor(screen.panelColor());
}

void BudgetPrinting::screenSetUp() {
    gridTextColor_ = toColorNumber(screen_.gridTextColor());
    panel_->settings().resetForScreenLoad(print::PrintingScreen::Budget, gridTextColor_);
    panel_->settingsChanged();
    chooseGridlines(0);
    setPrintGraph(true);
}

void BudgetPrinting::followGridTextColor() {
    // A new background leaves a colour chosen in the printer font dialog alone.
    const print::ColorNumber color = toColorNumber(screen_.gridTextColor());
    if (color != gridTextColor_) {
        gridTextColor_ = color;
        panel_->settings().color = color;
        panel_->settingsChanged();
    }
}

void BudgetPrinting::buildOptions() {
    QWidget* area = panel_->screenOptionsArea();
    // A second frame of the panel's frame name, holding the budget's own gridline choice.
    printOptionsFrame_ = new QGroupBox(QStringLiteral("Print Options"), area);
    printOptionsFrame_->setObjectName(QStringLiteral("SSFrame80"));
    const QString captions[3] = {QStringLiteral("Print All Gridlines"),
                                 QStringLiteral("No Horizontal lines after Items"),
                                 QStringLiteral("No Gridlines")};
    for (int k = 0; k < 3; ++k) {
        auto* option = new QRadioButton(captions[k], printOptionsFrame_);
        option->setObjectName(QStringLiteral("SSOption83(%1)").arg(k));
        connect(option, &QRadioButton::clicked, this, [this, k] { chooseGridlines(k); });
        gridlineOptions_[static_cast<std::size_t>(k)] = option;
    }
    gridlineOptions_[0]->setChecked(true);
    printGraph_ = new QCheckBox(QStringLiteral("Print Graph"), area);
    printGraph_->setObjectName(QStringLiteral("SSCheck1"));
    printGraph_->setChecked(true);
    printGraph_->hide();
    connect(printGraph_, &QCheckBox::clicked, this, &BudgetPrinting::setPrintGraph);
    placeOptions();
    // The screen's letters grow and shrink with its window: the captions' room follows.
    printOptionsFrame_->installEventFilter(this);
}

void BudgetPrinting::placeOptions() {
    // As wide as the longest caption needs; the panel's column, when wider, gives its width.
    int needed = 0;
    for (const QRadioButton* option : gridlineOptions_) {
        needed = std::max(needed, option->sizeHint().width() + 16);
    }
    const int rowHeight = std::max(20, gridlineOptions_[0]->sizeHint().height());
    const int frameHeight = 22 + 3 * rowHeight;
    const int graphHeight = std::max(22, printGraph_->sizeHint().height());
    panel_->reserveScreenOptions(QSize(needed, frameHeight + 6 + graphHeight));
    const int width = std::max(needed, panel_->screenOptionsArea()->width());
    printOptionsFrame_->setGeometry(0, 0, width, frameHeight);
    for (int k = 0; k < 3; ++k) {
        gridlineOptions_[static_cast<std::size_t>(k)]->setGeometry(8, 18 + k * rowHeight,
                                                                   width - 16, rowHeight);
    }
    printGraph_->setGeometry(8, frameHeight + 6, width - 16, graphHeight);
}

bool BudgetPrinting::eventFilter(QObject* watched, QEvent* event) {
    if (watched == printOptionsFrame_ && event->type() == QEvent::FontChange) {
        placeOptions();
    }
    return QObject::eventFilter(watched, event);
}

void BudgetPrinting::openBudgetTable() {
    open(Mode::Print);
}

void BudgetPrinting::openTotals() {
    open(Mode::PrintTotals);
}

void BudgetPrinting::openDocument(print::RebuildDocument layout) {
    otherLayout_ = std::move(layout);
    open(Mode::Other);
}

void BudgetPrinting::open(Mode mode) {
    mode_ = mode;
    printGraph_->setVisible(mode == Mode::PrintTotals);
    // The gridline choice belongs to the budget's own documents.
    printOptionsFrame_->setVisible(mode != Mode::Other);
    panel_->openPrintPanel([this] {
        // The font kept by the last Exit Print Options, or the one chosen for the grid; a grid
        // in the desktop's own screen font counts as a screen font, which does not print.
        const QFont gridFont = screen_.grid()->font();
        const std::string gridFontName =
            (gridFont.resolveMask() & (QFont::FamilyResolved | QFont::FamiliesResolved)) != 0
                ? QFontInfo(gridFont).family().toStdString()
                : std::string();
        const PrinterFont font = readOpeningPrinterFont(gridFontName, fontUsable);
        print::PrintPanelSettings& settings = panel_->settings();
        settings.fontName = font.name;
        settings.fontSize = font.size;
    });
}

void BudgetPrinting::chooseGridlines(int mode) {
    const int index = std::clamp(mode, 0, 2);
    gridlineOptions_[static_cast<std::size_t>(index)]->setChecked(true);
    gridlines_ = static_cast<GridlineMode>(index);
    if (panel_->isShown()) {
        panel_->rebuildDocument();
    }
}

void BudgetPrinting::setPrintGraph(bool on) {
    printGraph_->setChecked(on);
    if (panel_->isShown()) {
        panel_->rebuildDocument();
    }
}

BudgetTableSource BudgetPrinting::tableSource() const {
    BudgetTableSource source;
    source.familyName = screen_.context().settings.familyName;
    source.year = screen_.selectedYear();
    source.budget = screen_.year();
    for (int m = 0; m < kMonths; ++m) {
        const auto month = static_cast<std::size_t>(m);
        source.expenses[month] = screen_.expensesCaption(m);
        source.income[month] = screen_.incomeCaption(m);
        source.balance[month] = screen_.balanceCaption(m);
        source.balanceNegative[month] = screen_.balanceNegative(m);
    }
    source.today = today();
    source.textColor = toColorNumber(screen_.gridTextColor());
    return source;
}

TotalsSource BudgetPrinting::totalsSource() const {
    TotalsSource source;
    source.year = yearNumber(screen_.selectedYear());
    source.totals = screen_.yearTotals();
    source.percentBaseCaption = std::string(percentBaseCaption(screen_.percentBase()));
    source.today = today();
    source.textColor = toColorNumber(screen_.gridTextColor());
    return source;
}

bool BudgetPrinting::saveChartPicture(print::Orientation orientation) {
    const PictureRect rect = chartPictureRect(orientation);
    const QSize size(static_cast<int>(std::lround(rect.width / 1440.0 * kPicturePixelsPerInch)),
                     static_cast<int>(std::lround(rect.height / 1440.0 * kPicturePixelsPerInch)));
    BudgetChartWidget* chart = chart_.chart();
    // On paper the chart stands on the paper's colour; the screen's chart gets its own back.
    const QColor screenColor = chart->backgroundColor();
    chart->setBackgroundColor(kPaperColor);
    const QImage picture = chart->picture(size);
    chart->setBackgroundColor(screenColor);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "JPG", kJpegQuality)) {
        return false;
    }
    return writeFileSafely(kChartPictureFile, std::string_view(bytes.constData(), bytes.size()));
}

void BudgetPrinting::rebuild(print::PageDocument& doc, const print::PrintPanelSettings& settings) {
    if (mode_ == Mode::Print) {
        layoutBudgetTable(doc, settings, tableSource(), gridlines_);
        return;
    }
    if (mode_ == Mode::Other) {
        if (otherLayout_) {
            otherLayout_(doc, settings);
        }
        return;
    }
    // A picture that could not be written is left out rather than an older one printed.
    const bool graph = printGraph_->isChecked() && saveChartPicture(doc.orientation());
    layoutTotalsDocument(doc, settings, totalsSource(), graph);
}

void BudgetPrinting::panelClosed() {
    printGraph_->hide();
    const print::PrintPanelSettings& settings = panel_->settings();
    // A failed write keeps the font of the last good one; nothing is lost but this choice.
    storePrinterFont({settings.fontName, settings.fontSize});
}

void attachChartAndPrinting(BudgetScreen& screen) {
    auto* chart = new TotalsChart(screen);
    new BudgetPrinting(screen, *chart);
}

}  // namespace coinwell::budget
