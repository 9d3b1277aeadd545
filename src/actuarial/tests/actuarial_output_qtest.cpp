// The Actuarial Calculator's Copy and Print Options through the real screen: the clipboard text
// of a selected block with its message and the commands turned off after it, the seven-column
// restriction, the page list in the print options panel with its keys and help topic, and the
// pages printed to a PDF file.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>

#include "actuarial/core/explanation.h"
#include "actuarial/core/value_table_copy.h"
#include "actuarial/ui/actuarial_output.h"
#include "actuarial/ui/actuarial_screen.h"
#include "common/core/settings_files.h"
#include "common/tests/support/scripted_desktop.h"
#include "common/tests/support/tool_screen_fixture.h"
#include "print/core/table_pages.h"
#include "print/ui/page_renderer.h"

using namespace coinwell;
using namespace coinwell::actuarial;

namespace {

QStringList crlfLines(const std::string& text) {
    return QString::fromStdString(text).split(QStringLiteral("\r\n"));
}

int pdfPageCount(const QString& file) {
    QFile pdf(file);
    if (!pdf.open(QIODevice::ReadOnly)) {
        return -1;
    }
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
    return static_cast<int>(QString::fromLatin1(pdf.readAll()).count(page));
}

}  // namespace

class ActuarialOutputTest : public QObject, ToolScreenFixture<ActuarialScreen> {
    Q_OBJECT

  private slots:
    void init() {
        startScreenTest();
        screen_ = openScreen();
    }

    void cleanup() { finishScreenTest(); }

    void copiesTheSelectedBlockAndTurnsTheCommandsOff() {
        enter("1000", "12", "6.0", "5.0", "3", "1");
        build(1);
        // Rows 2 and 3 of the first two years, selected from the rate column.
        clickCell(2, 1);
        clickCell(3, 2, Qt::ShiftModifier);
        env_->desktop.expectMessage(valueTableCopiedMessage(), Answer::Ok);
        screen_->copyAction()->trigger();
        COINWELL_VERIFY_DESKTOP(env_->desktop);
        const QStringList lines = crlfLines(env_->desktop.clipboardText());
        QCOMPARE(lines.size(), 10);
        QCOMPARE(lines[0], QStringLiteral("Amount or Annuity: $1,000.00"));
        QCOMPARE(lines[1], QString());
        QCOMPARE(lines[2], QStringLiteral("No. Payments per Year: 12"));
        QVERIFY(lines[4].startsWith(QStringLiteral("\t1 Years  ")));
        QCOMPARE(lines[4].count(QLatin1Char('\t')), 3);
        QCOMPARE(lines[5], QStringLiteral("5.5%\t$946.60\t$896.06"));
        QCOMPARE(lines[6], QStringLiteral("6%\t$941.91\t$887.19"));
        QCOMPARE(lines[7], QString());
        QCOMPARE(lines[8], QString());
        QCOMPARE(lines[9].toStdString(),
                 explanationText(ValueTableKind::PresentValueOfAmount, "1000", "12"));
        // After the copy the commands wait for the next change of the selection.
        QVERIFY(!screen_->copyAction()->isEnabled());
        QVERIFY(!screen_->printOptionsAction()->isEnabled());
        QVERIFY(!screen_->popupCopyAction()->isEnabled());
        QVERIFY(!screen_->popupPrintAction()->isEnabled());
        QCOMPARE(screen_->grid()->highlight(), TableGrid::Highlight::WithFocus);
        clickCell(1, 1);
        QVERIFY(screen_->copyAction()->isEnabled());

        // The popup's Copy copies the same way.
        env_->desktop.expectMessage(valueTableCopiedMessage(), Answer::Ok);
        screen_->popupCopyAction()->trigger();
        QCOMPARE(crlfLines(env_->desktop.clipboardText())[5], QStringLiteral("5%\t$951.33"));
        QCOMPARE(env_->desktop.clipboardTextCount(), 2);
    }

    void copyRightAfterABuildTakesTheFirstRowOfTheLastYear() {
        enter("50", "1", "25.0", "25.0", "3", "1");
        build(1);
        env_->desktop.expectMessage(valueTableCopiedMessage(), Answer::Ok);
        screen_->copyAction()->trigger();
        const QStringList lines = crlfLines(env_->desktop.clipboardText());
        QCOMPARE(lines[4], QStringLiteral("\t3 Years  \t"));  // below 100: no blanks added
        QCOMPARE(lines[5], QStringLiteral("25%\t$25.60"));
    }

    void printOptionsCutsTenColumnsToSevenAndBreaksPages() {
        // 0.5 % to 30 % over 1 to 10 years: 60 rates, two pages.
        enter("1000", "12", "30", "0.5", "10", "1");
        build(3);
        clickCell(1, 1);
        clickCell(60, 10, Qt::ShiftModifier);
        env_->desktop.expectMessage(print::printRestrictionMessage(), Answer::Ok);
        screen_->printOptionsAction()->trigger();
        COINWELL_VERIFY_DESKTOP(env_->desktop);
        print::PrintPanel* panel = screen_->output()->panel();
        QVERIFY(panel->isVisible());
        QCOMPARE(screen_->findChild<QLabel*>(QStringLiteral("Label4"))->text(),
                 QString("Print Options"));
        const auto& pages = panel->document().pages();
        QCOMPARE(static_cast<int>(pages.size()), 2);
        QCOMPARE(panel->preview()->pageCount(), 2);
        const std::vector<std::string> first = print::pageTexts(pages[0]);
        QCOMPARE(first[0], std::string(" Amount or Annuity = $1,000.00"));
        QCOMPARE(first[1], std::string(" No. of Payments Per Year = 12"));
        QCOMPARE(first[2], std::string("Interest"));
        QCOMPARE(first[3], std::string(" 1 Year"));
        QCOMPARE(first[9], std::string(" 7 Years"));
        QVERIFY(std::find(first.begin(), first.end(), " 8 Years") == first.end());
        const std::vector<std::string> second = print::pageTexts(pages[1]);
        QCOMPARE(second[0], std::string("Page Number 2"));
        QCOMPARE(second[1], std::string("Interest"));
        QVERIFY(std::find(second.begin(), second.end(), "Future Value of an Amount:") !=
                second.end());

        const QString shots = qEnvironmentVariable("COINWELL_SHOT_DIR");
        if (!shots.isEmpty()) {
            print::pageImage(pages[0], 100).save(shots + "/actuarial_page1.png");
            print::pageImage(pages[1], 100).save(shots + "/actuarial_page2.png");
            screen_->grab().save(shots + "/actuarial_print_panel.png");
        }

        // F1 gives the panel's topic; Esc leaves the panel, then F1 gives the screen's.
        QTest::keyClick(screen_, Qt::Key_F1);
        QCOMPARE(env_->desktop.helpTopics().back(), 1014);
        QTest::keyClick(screen_, Qt::Key_Escape);
        QVERIFY(!panel->isVisible());
        QVERIFY(screen_->isVisible());
        QTest::keyClick(screen_, Qt::Key_F1);
        QCOMPARE(env_->desktop.helpTopics().back(), 3026);
    }

    void guideLinesChoiceIsTheActuarialScreensOwn() {
        QVERIFY(writeGuideLines(GuideLinesScreen::Loan, "0"));
        enter("1000", "12", "6.0", "5.0", "3", "1");
        build(1);
        clickCell(1, 1);
        screen_->printOptionsAction()->trigger();
        QTest::mouseClick(
            screen_->output()->panel()->findChild<QRadioButton*>(QStringLiteral("SSOption82(1)")),
            Qt::LeftButton);
        QCOMPARE(readGuideLines(GuideLinesScreen::Actuarial), std::string("1"));
        QCOMPARE(readGuideLines(GuideLinesScreen::Loan), std::string("0"));
    }

    void printedToAPdfFile() {
        enter("100", "12", "8.0", "5.0", "5", "1");
        build(2);
        clickCell(1, 1);
        clickCell(7, 5, Qt::ShiftModifier);
        screen_->popupPrintAction()->trigger();
        print::PrintPanel* panel = screen_->output()->panel();
        QCOMPARE(panel->document().pages().size(), 1u);
        const QString file = env_->folder.qPath() + "/values.pdf";
        env_->desktop.expectPrinter(true, [file](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(file);
        });
        QTest::mouseClick(panel->findChild<QPushButton*>(QStringLiteral("SSCommand80(4)")),
                          Qt::LeftButton);
        QCOMPARE(pdfPageCount(file), 1);

        const QString shots = qEnvironmentVariable("COINWELL_SHOT_DIR");
        if (!shots.isEmpty()) {
            QTest::mouseClick(panel->findChild<QPushButton*>(QStringLiteral("SSCommand80(2)")),
                              Qt::LeftButton);
            screen_->showNormal();
            screen_->setGeometry(0, 0, 1024, 720);
            QTest::qWait(200);
            screen_->grab().save(shots + "/actuarial_screen.png");
            QFile::copy(file, shots + "/values.pdf");
        }
    }

  private:
    void enter(const QString& amount, const QString& perYear, const QString& maxRate,
               const QString& minRate, const QString& maxYears, const QString& minYears) {
        type("Text1", amount);
        type("Text2", perYear);
        for (auto [name, value] : {std::pair{"Combo1", maxRate}, std::pair{"Combo2", minRate}}) {
            auto* box = screen_->findChild<QComboBox*>(QLatin1String(name));
            box->setFocus();
            box->lineEdit()->selectAll();
            QTest::keyClicks(box->lineEdit(), value);
        }
        type("Text3", maxYears);
        type("Text4", minYears);
    }

    void build(int command) {
        QTest::mouseClick(
            screen_->findChild<QPushButton*>(QStringLiteral("Command%1").arg(command)),
            Qt::LeftButton);
    }

    void clickCell(int gridRow, int gridColumn, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        TableGrid* grid = screen_->grid();
        const QModelIndex index = grid->model()->index(gridRow - 1, gridColumn - 1);
        grid->scrollTo(index);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, modifiers,
                          grid->visualRect(index).center());
    }

    ActuarialScreen* screen_ = nullptr;
};

QTEST_MAIN(ActuarialOutputTest)
#include "actuarial_output_qtest.moc"
