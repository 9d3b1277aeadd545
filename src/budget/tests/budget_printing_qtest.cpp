// The Home Budget's printing through the real screen: Print Options with the budget table, Print
// Grid Data with the totals and the chart picture, the budget's own options on the panel, the
// printer font read from and written to GColor4.Fil, the grid text colour on paper, Esc, and
// both documents printed to PDF files.

#include <QCheckBox>
#include <QFile>
#include <QFontInfo>
#include <QGroupBox>
#include <QImageReader>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRadioButton>
#include <QRegularExpression>

#include "budget/tests/budget_screen_fixture.h"
#include "budget/ui/budget_chart_widget.h"
#include "budget/ui/budget_printing.h"
#include "budget/ui/export_and_colors.h"
#include "common/core/record_file.h"
#include "common/core/settings_files.h"
#include "common/ui/colors.h"
#include "print/ui/print_panel.h"

using namespace coinwell;
using namespace coinwell::budget;

namespace {

BudgetYear sampleYear() {
    BudgetYear year;
    year.items[0].name = "Rent";
    year.items[0].amounts[0] = "850.00";
    year.items[0].amounts[1] = "850.00";
    year.items[39].name = "Car";
    year.items[39].amounts[2] = "2700.00";
    year.income[0] = "2500.00";
    year.income[1] = "2500.00";
    year.income[2] = "2500.00";
    return year;
}

int pdfPageCount(const QString& file) {
    QFile pdf(file);
    if (!pdf.open(QIODevice::ReadOnly)) {
        return -1;
    }
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
    return static_cast<int>(QString::fromLatin1(pdf.readAll()).count(page));
}

std::vector<print::TextItem> textItems(const print::Page& page) {
    std::vector<print::TextItem> found;
    for (const auto& item : page.items) {
        if (const auto* text = std::get_if<print::TextItem>(&item)) {
            found.push_back(*text);
        }
    }
    return found;
}

int count(const print::Page& page, auto predicate) {
    return static_cast<int>(
        std::count_if(page.items.begin(), page.items.end(),
                      [&](const print::PageItem& item) { return std::visit(predicate, item); }));
}

bool isRule(const print::PageItem& item) {
    return std::holds_alternative<print::RuleItem>(item);
}
bool isPicture(const print::PageItem& item) {
    return std::holds_alternative<print::PictureItem>(item);
}

}  // namespace

class BudgetPrintingTest : public QObject, public BudgetScreenFixture {
    Q_OBJECT

  private slots:
    void init() {
        start();
        parts = &attachChartAndPrinting;
    }
    void cleanup() { finish(); }
    void printOptionsShowsTheBudgetTable();
    void theStoredFontOpensThePanel();
    void exitStoresTheFontAndHidesPrintGraph();
    void gridlineChoiceRebuilds();
    void printGridDataPrintsTheTotalsWithTheChart();
    void printGraphTogglesThePicture();
    void textAndRulesTakeTheGridTextColour();
    void sampleAndFontDialogFollowTheGridTextColour();
    void escapeLeavesThePanel();
    void budgetOptionsFitInThePanel();
    void escapeOverTheTotalsLeavesThePrintPanelFirst();
    void guideLinesAreKeptInTheBudgetsRecord();
    void autoSizeFitsSeventyEightLetters();
    void bothDocumentsPrintToPdf();

  private:
    print::PrintPanel* panel() const { return child<print::PrintPanel>("SSPanel80"); }
    const std::vector<print::Page>& pages() const { return panel()->document().pages(); }
    QGroupBox* printOptionsFrame() const {
        for (QGroupBox* frame : screen->findChildren<QGroupBox*>(QStringLiteral("SSFrame80"))) {
            if (frame->title() == QLatin1String("Print Options")) {
                return frame;
            }
        }
        return nullptr;
    }
    void openBudget(const BudgetYear& year = sampleYear()) {
        storeYear("2012", year);
        open();
        pickYear("2012");
    }
    void openPrintGridData() {
        QTest::mouseClick(button("Command8"), Qt::LeftButton);
        QVERIFY(screen->totalsShown());
        QTest::mouseClick(screen->totalsPanel()->printButton(), Qt::LeftButton);
        QVERIFY(panel()->isShown());
    }
    // The printer font dialog as Printer Font opens it now, in `color`; answered Cancel.
    void expectFontDialogIn(print::ColorNumber color) const {
        const print::PrintPanelSettings& settings = panel()->settings();
        FontChoice start;
        start.family = settings.fontName;
        start.pointSize = settings.fontSize;
        start.color = color;
        env->desktop.expectFont(start, std::nullopt);
        QTest::mouseClick(child<QPushButton>("SSCommand80(0)"), Qt::LeftButton);
    }
    QColor sampleColor() const {
        return child<QLabel>("Panel3d82")->palette().color(QPalette::WindowText);
    }
    void click(const char* name) const {
        auto* widget = child<QAbstractButton>(name);
        QVERIFY(widget);
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(6, widget->height() / 2));
        QApplication::processEvents();
    }
};

void BudgetPrintingTest::printOptionsShowsTheBudgetTable() {
    env->settings.familyName = "Smith";
    openBudget();
    QVERIFY(!panel()->isShown());
    QTest::mouseClick(button("Command2"), Qt::LeftButton);
    QVERIFY(panel()->isShown());
    QCOMPARE(labelText("Label3(12)"), QString("Print Options"));
    QVERIFY(!child<QCheckBox>("SSCheck1")->isVisible());
    QGroupBox* frame = printOptionsFrame();
    QVERIFY(frame && frame->isVisible());
    QCOMPARE(child<QRadioButton>("SSOption83(0)")->text(), QString("Print All Gridlines"));
    QCOMPARE(child<QRadioButton>("SSOption83(1)")->text(),
             QString("No Horizontal lines after Items"));
    QCOMPARE(child<QRadioButton>("SSOption83(2)")->text(), QString("No Gridlines"));
    QVERIFY(child<QRadioButton>("SSOption83(0)")->isChecked());
    // No font kept and the grid in the desktop's screen font: Times New Roman at 14.
    QCOMPARE(labelText("Panel3D80(0)"), QString("Times New Roman "));
    QCOMPARE(labelText("Panel3D80(1)"), QString("14 "));

    QCOMPARE(pages().size(), std::size_t{1});
    const std::vector<std::string> texts = print::pageTexts(pages()[0]);
    QCOMPARE(texts[0], std::string("Smith Home Budget For 2012"));
    QVERIFY(texts[1].starts_with("Printed: "));
    QCOMPARE(texts[15], std::string("Rent"));
    QCOMPARE(texts[16], std::string("850.00"));
    QCOMPARE(texts[18], std::string("Car"));
    QCOMPARE(texts[19], std::string("2700.00"));
    // March's balance is negative and red.
    for (const print::TextItem& text : textItems(pages()[0])) {
        if (text.text == "-200.00") {
            QCOMPARE(text.color, classicPaletteColor(4));
        }
    }
    QCOMPARE(panel()->preview()->pageCount(), 1);
    // The menu item opens it too.
    QTest::mouseClick(child<QPushButton>("SSCommand80(2)"), Qt::LeftButton);
    QVERIFY(!panel()->isShown());
    screen->printOptionsAction()->trigger();
    QVERIFY(panel()->isShown());
}

void BudgetPrintingTest::theStoredFontOpensThePanel() {
    QVERIFY(writeBudgetPrinterFont("Liberation Serif", 12.0f));
    openBudget();
    QTest::mouseClick(button("Command2"), Qt::LeftButton);
    QCOMPARE(labelText("Panel3D80(0)"), QString("Liberation Serif "));
    QCOMPARE(labelText("Panel3D80(1)"), QString("12 "));
    QCOMPARE(pages()[0].items.empty(), false);
    const print::TextItem title = textItems(pages()[0]).front();
    QCOMPARE(title.font.name, std::string("Liberation Serif"));
    QCOMPARE(title.font.size, 12.0);
    QTest::mouseClick(child<QPushButton>("SSCommand80(2)"), Qt::LeftButton);

    // Sizes outside 4 to 30 read as 14, at every opening.
    for (const float size : {3.0f, 31.0f}) {
        QVERIFY(writeBudgetPrinterFont("Liberation Serif", size));
        QTest::mouseClick(button("Command2"), Qt::LeftButton);
        QCOMPARE(labelText("Panel3D80(1)"), QString("14 "));
        panel()->closePanel();
    }
    // A font chosen for the grid is taken when none is kept.
    QVERIFY(writeBudgetPrinterFont("", 10.0f));
    screen->grid()->setFont(QFont(QStringLiteral("Liberation Mono")));
    QTest::mouseClick(button("Command2"), Qt::LeftButton);
    QCOMPARE(labelText("Panel3D80(0)"), QString("Liberation Mono "));
    panel()->closePanel();
    // MS Sans Serif does not print: Times New Roman.
    QVERIFY(writeBudgetPrinterFont("MS Sans Serif", 10.0f));
    QTest::mouseClick(button("Command2"), Qt::LeftButton);
    QCOMPARE(labelText("Panel3D80(0)"), QString("Times New Roman "));
    QCOMPARE(labelText("Panel3D80(1)"), QString("10 "));
    panel()->closePanel();
}

void BudgetPrintingTest::exitStoresTheFontAndHidesPrintGraph() {
    openBudget();
    openPrintGridData();
    QVERIFY(child<QCheckBox>("SSCheck1")->isVisible());
    FontChoice chosen;
    chosen.family = "Liberation Sans";
    chosen.pointSize = 11;
    env->desktop.expectFont(std::nullopt, chosen);
    QTest::mouseClick(child<QPushButton>("SSCommand80(0)"), Qt::LeftButton);
    QCOMPARE(labelText("Panel3D80(0)"), QString("Liberation Sans "));
    QTest::mouseClick(child<QPushButton>("SSCommand80(2)"), Qt::LeftButton);
    QVERIFY(!panel()->isShown());
    QVERIFY(!child<QCheckBox>("SSCheck1")->isVisible());
    const StoredPrinterFont stored = readBudgetPrinterFont();
    QCOMPARE(stored.name, std::string("Liberation Sans"));
    QCOMPARE(stored.size, std::optional<double>(11.0));
    // The next opening, of either document, shows the stored font.
    QTest::mouseClick(screen->totalsPanel()->closeButton(), Qt::LeftButton);
    QTest::mouseClick(button("Command2"), Qt::LeftButton);
    QCOMPARE(labelText("Panel3D80(0)"), QString("Liberation Sans "));
    QCOMPARE(labelText("Panel3D80(1)"), QString("11 "));
    QVERIFY(!child<QCheckBox>("SSCheck1")->isVisible());
}

void BudgetPrintingTest::gridlineChoiceRebuilds() {
    openBudget();
    QTest::mouseClick(button("Command2"), Qt::LeftButton);
    // Two items: 2 heading rules, 2 item rules, 3 totals rules and 14 column rules.
    QCOMPARE(count(pages()[0], [](const auto& i) { return isRule(i); }), 21);
    click("SSOption83(1)");
    QCOMPARE(count(pages()[0], [](const auto& i) { return isRule(i); }), 19);
    click("SSOption83(2)");
    QCOMPARE(count(pages()[0], [](const auto& i) { return isRule(i); }), 0);
    // The choice stays while the screen is open.
    QTest::mouseClick(child<QPushButton>("SSCommand80(2)"), Qt::LeftButton);
    QTest::mouseClick(button("Command2"), Qt::LeftButton);
    QVERIFY(child<QRadioButton>("SSOption83(2)")->isChecked());
    QCOMPARE(count(pages()[0], [](const auto& i) { return isRule(i); }), 0);
}

void BudgetPrintingTest::printGridDataPrintsTheTotalsWithTheChart() {
    openBudget();
    auto* chart = child<BudgetChartWidget>("Chart2D1");
    const QColor panelColor = chart->backgroundColor();
    openPrintGridData();
    QVERIFY(child<QCheckBox>("SSCheck1")->isChecked());
    const std::vector<std::string> texts = print::pageTexts(pages()[0]);
    QCOMPARE(texts[0], std::string("BUDGET TOTALS FOR 2012"));
    QCOMPARE(texts[2], std::string("Item"));
    QCOMPARE(texts[5], std::string("Rent"));
    QCOMPARE(texts[6], std::string("$1,700"));
    QCOMPARE(texts[7], std::string("22.67% "));
    QCOMPARE(texts.back(), std::string("Percentage % = Item Totals divided by Total Income"));
    QCOMPARE(count(pages()[0], [](const auto& i) { return isPicture(i); }), 1);
    // The picture was written as a JPEG at the rectangle's proportions, on white.
    QImageReader reader(env->folder.qPath() + "/Chartxxx.jpg");
    QCOMPARE(reader.format(), QByteArray("jpeg"));
    const QImage picture = reader.read();
    QCOMPARE(picture.size(), QSize(730, 415));
    QCOMPARE(QColor(picture.pixel(3, 3)).lightness() > 245, true);
    // The chart on the screen has its panel colour back.
    QCOMPARE(chart->backgroundColor(), panelColor);
    QCOMPARE(chart->plotBackgroundColor(), panelColor);

    // Landscape: the picture's other rectangle.
    env->desktop.expectPageSetup(
        true, [](QPrinter& printer) { printer.setPageOrientation(QPageLayout::Landscape); });
    QTest::mouseClick(child<QPushButton>("SSCommand80(1)"), Qt::LeftButton);
    QCOMPARE(labelText("Panel3D80(2)"), QString(" Landscape"));
    QCOMPARE(QImageReader(env->folder.qPath() + "/Chartxxx.jpg").size(), QSize(990, 440));
    for (const auto& item : pages()[0].items) {
        if (const auto* p = std::get_if<print::PictureItem>(&item)) {
            QCOMPARE(p->width, 14256);
        }
    }
}

void BudgetPrintingTest::printGraphTogglesThePicture() {
    openBudget();
    openPrintGridData();
    QCOMPARE(count(pages()[0], [](const auto& i) { return isPicture(i); }), 1);
    click("SSCheck1");
    QVERIFY(!child<QCheckBox>("SSCheck1")->isChecked());
    QCOMPARE(count(pages()[0], [](const auto& i) { return isPicture(i); }), 0);
    click("SSCheck1");
    QCOMPARE(count(pages()[0], [](const auto& i) { return isPicture(i); }), 1);
}

void BudgetPrintingTest::textAndRulesTakeTheGridTextColour() {
    openBudget();
    screen->setGridAppearance(Qt::white, QPixmap(), QColor(0, 0, 160));
    // A colour chosen in the font dialog shows in the sample only.
    FontChoice chosen;
    chosen.family = "Liberation Serif";
    chosen.pointSize = 14;
    chosen.color = 0x00FF00;
    QTest::mouseClick(button("Command2"), Qt::LeftButton);
    env->desktop.expectFont(std::nullopt, chosen);
    QTest::mouseClick(child<QPushButton>("SSCommand80(0)"), Qt::LeftButton);
    const print::ColorNumber ink = toColorNumber(QColor(0, 0, 160));
    for (const auto& item : pages()[0].items) {
        if (const auto* text = std::get_if<print::TextItem>(&item)) {
            if (text->text != "-200.00") {
                QCOMPARE(text->color, ink);
            }
        } else if (const auto* rule = std::get_if<print::RuleItem>(&item)) {
            QCOMPARE(rule->color, ink);
        }
    }
}

// With the grid colours attached after the printing, the sample and the printer font dialog
// start in the stored grid text colour and take a Grid Text Color chosen later.
void BudgetPrintingTest::sampleAndFontDialogFollowTheGridTextColour() {
    parts = [](BudgetScreen& budget) {
        attachChartAndPrinting(budget);
        attachExportAndColors(budget);
    };
    const print::ColorNumber navy = 0x800000;
    const print::ColorNumber green = 0x008000;
    QVERIFY(RecordFile("GColor1.Fil", 20).writeText(15, std::to_string(navy)));
    openBudget();
    QTest::mouseClick(button("Command2"), Qt::LeftButton);
    QCOMPARE(sampleColor(), toQColor(navy));
    expectFontDialogIn(navy);
    QTest::mouseClick(child<QPushButton>("SSCommand80(2)"), Qt::LeftButton);

    env->desktop.expectColor(navy, green);
    action("mOGT")->trigger();
    QTest::mouseClick(button("Command2"), Qt::LeftButton);
    QCOMPARE(sampleColor(), toQColor(green));
    expectFontDialogIn(green);
    QTest::mouseClick(child<QPushButton>("SSCommand80(2)"), Qt::LeftButton);
}

void BudgetPrintingTest::escapeLeavesThePanel() {
    openBudget();
    QTest::mouseClick(button("Command2"), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>("SSCommand1"), Qt::LeftButton);
    QVERIFY(panel()->enlarged());
    QTest::keyClick(screen, Qt::Key_Escape);
    QVERIFY(!panel()->enlarged());
    QVERIFY(panel()->isShown());
    QTest::keyClick(screen, Qt::Key_Escape);
    QVERIFY(!panel()->isShown());
    QVERIFY(screen->isVisible());
    // Leaving by Esc keeps the font as Exit Print Options does.
    QCOMPARE(readBudgetPrinterFont().size, std::optional<double>(14.0));
}

// The gridline choice and Print Graph stand whole inside the panel, under the sample, with
// their captions whole, at the screen's usual window sizes.
void BudgetPrintingTest::budgetOptionsFitInThePanel() {
    openBudget();
    QTest::mouseClick(button("Command2"), Qt::LeftButton);
    for (const QSize size : {QSize(800, 600), QSize(1024, 768), QSize(1280, 1024)}) {
        screen->window()->resize(size);
        QApplication::processEvents();
        const auto bottomInPanel = [this](const char* name) {
            auto* widget = child<QWidget>(name);
            return widget->mapTo(panel(), QPoint(0, widget->height())).y();
        };
        const auto topInPanel = [this](const char* name) {
            return child<QWidget>(name)->mapTo(panel(), QPoint(0, 0)).y();
        };
        QVERIFY2(bottomInPanel("SSOption83(2)") <= panel()->height(),
                 qPrintable(QString::number(size.height())));
        QVERIFY(bottomInPanel("SSCheck1") <= panel()->height());
        QVERIFY(bottomInPanel("Frame3") <= topInPanel("SSOption83(0)"));
        QVERIFY(bottomInPanel("SSCommand80(4)") <= topInPanel("SSOption82(0)"));
        // Every caption whole.
        auto* longest = child<QRadioButton>("SSOption83(1)");
        QVERIFY(longest->width() >= longest->sizeHint().width());
        QVERIFY(longest->mapTo(panel(), QPoint(longest->width(), 0)).x() <= panel()->width());
    }
}

void BudgetPrintingTest::escapeOverTheTotalsLeavesThePrintPanelFirst() {
    // Print Grid Data lays the print panel over the Totals For Year panel: Esc takes the panel
    // on top away first and leaves the totals showing underneath.
    openBudget();
    openPrintGridData();
    QTest::keyClick(screen, Qt::Key_Escape);
    QVERIFY(!panel()->isShown());
    QVERIFY(screen->totalsShown());
    QVERIFY(!button("Command2")->isEnabled());
    QTest::keyClick(screen, Qt::Key_Escape);
    QVERIFY(!screen->totalsShown());
    QVERIFY(button("Command2")->isEnabled());
    QVERIFY(screen->isVisible());
}

void BudgetPrintingTest::guideLinesAreKeptInTheBudgetsRecord() {
    openBudget();
    QTest::mouseClick(button("Command2"), Qt::LeftButton);
    click("SSOption82(1)");
    QVERIFY(panel()->guideLinesShown());
    QCOMPARE(readGuideLines(GuideLinesScreen::Budget), std::string("1"));
    QCOMPARE(readGuideLines(GuideLinesScreen::Loan), std::string());
    click("SSOption82(0)");
    QCOMPARE(readGuideLines(GuideLinesScreen::Budget), std::string("0"));
}

void BudgetPrintingTest::autoSizeFitsSeventyEightLetters() {
    openBudget();
    QTest::mouseClick(button("Command2"), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>("SSCommand2"), Qt::LeftButton);
    const float size = panel()->settings().fontSize;
    QCOMPARE(labelText("Panel3D80(1)"), QString::number(size) + " ");
    // The largest whole size at which 78 letters "n" fit across the Letter page.
    print::FontSpec font = panel()->settings().font();
    const std::string letters(78, 'n');
    QVERIFY(panel()->measurer().textWidth(font, letters) <= 12240);
    font.size = size + 1;
    QVERIFY(panel()->measurer().textWidth(font, letters) > 12240);
    // The budget table is laid out in that size.
    QCOMPARE(textItems(pages()[0]).front().font.size, static_cast<double>(size));
}

void BudgetPrintingTest::bothDocumentsPrintToPdf() {
    BudgetYear year = sampleYear();
    for (int r = 2; r < 30; ++r) {
        year.items[static_cast<std::size_t>(r)].name = "Item " + std::to_string(r + 1);
        year.items[static_cast<std::size_t>(r)].amounts[static_cast<std::size_t>(r % 12)] = "15.25";
    }
    openBudget(year);
    QTest::mouseClick(button("Command2"), Qt::LeftButton);
    const QString table = env->folder.qPath() + "/table.pdf";
    env->desktop.expectPrinter(true, [table](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(table);
    });
    QTest::mouseClick(child<QPushButton>("SSCommand80(4)"), Qt::LeftButton);
    QCOMPARE(pdfPageCount(table), static_cast<int>(pages().size()));
    QTest::mouseClick(child<QPushButton>("SSCommand80(2)"), Qt::LeftButton);

    openPrintGridData();
    const QString totals = env->folder.qPath() + "/totals.pdf";
    env->desktop.expectPrinter(true, [totals](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(totals);
    });
    QTest::mouseClick(child<QPushButton>("SSCommand80(4)"), Qt::LeftButton);
    QCOMPARE(pdfPageCount(totals), static_cast<int>(pages().size()));

    // For looking at by eye: COINWELL_SHOT_DIR=/some/folder keeps the PDFs and pictures of the
    // screen with the totals and with the panel.
    const QString shots = qEnvironmentVariable("COINWELL_SHOT_DIR");
    if (!shots.isEmpty()) {
        QFile::remove(shots + "/budget_table.pdf");
        QFile::remove(shots + "/budget_totals.pdf");
        QFile::copy(table, shots + "/budget_table.pdf");
        QFile::copy(totals, shots + "/budget_totals.pdf");
        screen->showNormal();
        screen->setGeometry(0, 0, 1400, 860);
        QTest::qWait(200);
        screen->grab().save(shots + "/budget_print_panel.png");
        QTest::mouseClick(child<QPushButton>("SSCommand80(2)"), Qt::LeftButton);
        QTest::qWait(100);
        QTableWidget* grid = screen->totalsPanel()->grid();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualItemRect(grid->item(0, 0)).center());
        QTest::qWait(100);
        screen->grab().save(shots + "/budget_totals_bar.png");
        auto* pie = child<QRadioButton>("SSOption1(1)");
        QTest::mouseClick(pie, Qt::LeftButton, {}, QPoint(6, pie->height() / 2));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualItemRect(grid->item(1, 0)).center());
        QTest::qWait(100);
        screen->grab().save(shots + "/budget_totals_pie.png");
        auto* stacking = child<QRadioButton>("SSOption1(2)");
        QTest::mouseClick(stacking, Qt::LeftButton, {}, QPoint(6, stacking->height() / 2));
        auto* horizontal = child<QRadioButton>("SSOption2(1)");
        QTest::mouseClick(horizontal, Qt::LeftButton, {}, QPoint(6, horizontal->height() / 2));
        QTest::qWait(100);
        screen->grab().save(shots + "/budget_totals_stacked.png");
    }
}

QTEST_MAIN(BudgetPrintingTest)
#include "budget_printing_qtest.moc"
