// The Loan Calculator's Copy and Print Options through the real screen: the clipboard text of a
// selected block, the seven-column restriction, the print options panel over the screen with
// its keys, and a schedule printed to a PDF file.

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
#include <QTableView>
#include <QTest>

#include "common/tests/support/scripted_desktop.h"
#include "common/tests/support/temporary_program_folder.h"
#include "common/tests/support/tool_screen_fixture.h"
#include "loan/core/loan_copy_text.h"
#include "loan/core/loan_print_document.h"
#include "loan/core/loan_texts.h"
#include "loan/ui/loan_output.h"
#include "loan/ui/loan_sheet.h"
#include "print/ui/page_renderer.h"

using namespace coinwell;
using namespace coinwell::loan;

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

class LoanOutputTest : public QObject, ToolScreenFixture<LoanSheet> {
    Q_OBJECT

  private slots:
    void init() {
        startScreenTest();
        LoanSheet::setOutputFactory(makeLoanOutput);
        sheet_ = openScreen();
        output_ = dynamic_cast<LoanOutput*>(sheet_->output());
        QVERIFY(output_ != nullptr);
    }

    void cleanup() {
        LoanSheet::setOutputFactory({});
        finishScreenTest();
    }

    void copiesTheSelectedBlockAndASingleCell() {
        enterLoan("200000", "10", "15", "30", "6.00", "6.50");
        // Right after Show Payments the last cell written is current: the last rate in the last
        // length is copied.
        env_->desktop.expectMessage(loanCopiedMessage(), Answer::Ok);
        sheet_->copyAction()->trigger();
        QStringList lines = crlfLines(env_->desktop.clipboardText());
        QCOMPARE(lines.size(), 9);
        QCOMPARE(lines[4], QStringLiteral("\t30 Years\t"));
        QCOMPARE(lines[5], QStringLiteral("6.50%\t$1,137.72"));

        clickCell(1, 1);
        clickCell(3, 16, Qt::ShiftModifier);
        env_->desktop.expectMessage(loanCopiedMessage(), Answer::Ok);
        sheet_->copyAction()->trigger();
        lines = crlfLines(env_->desktop.clipboardText());
        QCOMPARE(lines.size(), 11);
        QCOMPARE(lines[0], QStringLiteral("Purchase Amount = $200,000.00"));
        QCOMPARE(lines[1], QStringLiteral("Amount Down = $20,000.00"));
        QCOMPARE(lines[2], QStringLiteral("Actual Loan Amount = $180,000.00"));
        QVERIFY(lines[4].startsWith(QStringLiteral("\t15 Years\t16 Years\t")));
        QCOMPARE(lines[4].count(QLatin1Char('\t')), 17);
        QVERIFY(lines[5].startsWith(QStringLiteral("6.00%\t$1,518.94\t")));
        QCOMPARE(lines[8], QStringLiteral("\r"));
        QCOMPARE(lines[10], QString::fromUtf8(kLengthNote.data(), kLengthNote.size()));

        // A right click on another cell brings up the popup and leaves the block selected: its
        // Copy copies the same block.
        const std::string block = env_->desktop.clipboardText();
        clickCell(10, 2, Qt::NoModifier, Qt::RightButton);
        env_->desktop.expectMessage(loanCopiedMessage(), Answer::Ok);
        sheet_->findChild<QAction*>(QStringLiteral("mOCopy"))->trigger();
        QCOMPARE(env_->desktop.clipboardText(), block);

        clickCell(2, 16);
        env_->desktop.expectMessage(loanCopiedMessage(), Answer::Ok);
        sheet_->copyAction()->trigger();
        lines = crlfLines(env_->desktop.clipboardText());
        QCOMPARE(lines.size(), 9);
        QCOMPARE(lines[4], QStringLiteral("\t30 Years\t"));
        QCOMPARE(lines[5], QStringLiteral("6.25%\t$1,108.29"));
        QCOMPARE(env_->desktop.clipboardTextCount(), 4);
    }

    void printOptionsCutsTenColumnsToSevenAndEscLeavesThePanel() {
        enterLoan("250000", "20", "15", "24", "6.00", "6.50");
        // Straight after Show Payments the last cell written is what prints: 6.50% in 24 years.
        sheet_->printOptionsAction()->trigger();
        {
            const std::vector<std::string> texts =
                print::pageTexts(output_->panel()->document().pages().at(0));
            QVERIFY(std::find(texts.begin(), texts.end(), " 24 Years") != texts.end());
            QVERIFY(std::find(texts.begin(), texts.end(), " 15 Years") == texts.end());
            QVERIFY(std::find(texts.begin(), texts.end(), "6.50%") != texts.end());
            QVERIFY(std::find(texts.begin(), texts.end(), "6.00%") == texts.end());
        }
        QTest::keyClick(sheet_, Qt::Key_Escape);

        clickCell(1, 1);
        clickCell(3, 10, Qt::ShiftModifier);
        env_->desktop.expectMessage(print::printRestrictionMessage(), Answer::Ok);
        sheet_->printOptionsAction()->trigger();
        auto* panel = sheet_->findChild<QWidget*>(QStringLiteral("SSPanel80"));
        QVERIFY(panel != nullptr && panel->isVisible());
        const auto& pages = output_->panel()->document().pages();
        QCOMPARE(static_cast<int>(pages.size()), 1);
        const std::vector<std::string> texts = print::pageTexts(pages[0]);
        QCOMPARE(texts[0], std::string(" Purchase Amount = $250,000.00"));
        QCOMPARE(texts[1], std::string(" Percent Down:   20.00%"));  // the label as loaded
        QCOMPARE(texts[2], std::string(" Loan Amount = $200,000.00"));
        QVERIFY(std::find(texts.begin(), texts.end(), " 21 Years") != texts.end());
        QVERIFY(std::find(texts.begin(), texts.end(), " 22 Years") == texts.end());
        QCOMPARE(texts.back().substr(0, 11), std::string("Loan Length"));
        const QString shots = qEnvironmentVariable("COINWELL_SHOT_DIR");
        if (!shots.isEmpty()) {
            print::pageImage(pages[0], 100).save(shots + "/payment_table_page.png");
        }

        // F1 gives the panel's topic; Esc leaves the enlarged preview, then the panel, then the
        // screen is still there.
        QTest::keyClick(sheet_, Qt::Key_F1);
        QCOMPARE(env_->desktop.helpTopics().back(), 1014);
        QTest::mouseClick(panel->findChild<QPushButton*>(QStringLiteral("SSCommand1")),
                          Qt::LeftButton);
        QTest::keyClick(sheet_, Qt::Key_Escape);
        QVERIFY(panel->isVisible());
        QTest::keyClick(sheet_, Qt::Key_Escape);
        QVERIFY(!panel->isVisible());
        QVERIFY(sheet_->isVisible());
        QTest::keyClick(sheet_, Qt::Key_F1);
        QCOMPARE(env_->desktop.helpTopics().back(), 3012);
    }

    void scheduleIsPrintedPageByPageToAPdf() {
        enterLoan("100000", "0", "30", "30", "6.00", "6.00");
        clickCell(1, 1);
        QTest::mouseClick(sheet_->findChild<QPushButton*>(QStringLiteral("cmdCalcAmort")),
                          Qt::LeftButton);
        QVERIFY(sheet_->showsSchedule());
        sheet_->printOptionsAction()->trigger();
        const auto& pages = output_->panel()->document().pages();
        QVERIFY(pages.size() >= 5);
        QCOMPARE(output_->panel()->preview()->pageCount(), static_cast<int>(pages.size()));
        const std::vector<std::string> first = print::pageTexts(pages[0]);
        QCOMPARE(first[1], std::string(" Interest on Loan = 6.00%"));
        QCOMPARE(first[2], std::string(" Total Amount of Interest = $115,838.23"));
        for (std::size_t p = 1; p < pages.size(); ++p) {
            const std::vector<std::string> texts = print::pageTexts(pages[p]);
            QCOMPARE(texts[0], "Page Number " + std::to_string(p + 1));
            QCOMPARE(texts[1], std::string("Payment No."));
        }
        QCOMPARE(print::pageTexts(pages.back()).back(), std::string("$115,838.23"));

        const QString file = env_->folder.qPath() + "/schedule.pdf";
        env_->desktop.expectPrinter(true, [file](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(file);
        });
        QTest::mouseClick(
            output_->panel()->findChild<QPushButton*>(QStringLiteral("SSCommand80(4)")),
            Qt::LeftButton);
        QCOMPARE(pdfPageCount(file), static_cast<int>(pages.size()));

        // For looking at by eye: COINWELL_SHOT_DIR=/some/folder keeps a picture of the screen
        // with the panel and the printed PDF.
        const QString shots = qEnvironmentVariable("COINWELL_SHOT_DIR");
        if (!shots.isEmpty()) {
            sheet_->showNormal();
            sheet_->setGeometry(0, 0, 1024, 720);
            QTest::qWait(200);
            QTest::mouseClick(
                output_->panel()->findChild<QRadioButton*>(QStringLiteral("SSOption82(1)")),
                Qt::LeftButton);
            QTest::qWait(200);
            sheet_->grab().save(shots + "/loan_print_panel.png");
            QTest::mouseClick(
                output_->panel()->findChild<QPushButton*>(QStringLiteral("SSCommand1")),
                Qt::LeftButton);
            QTest::qWait(200);
            sheet_->grab().save(shots + "/loan_print_enlarged.png");
            QFile::copy(file, shots + "/schedule.pdf");
        }
    }

    void extraPaymentsPanelAppliesClosesClearsAndCopies() {
        auto* extraPay = sheet_->findChild<QPushButton*>(QStringLiteral("cmdExtraPay"));
        auto* panel = sheet_->findChild<QWidget*>(QStringLiteral("ExtraPay"));
        QVERIFY(extraPay != nullptr && panel != nullptr);
        QCOMPARE(extraPay->text(), QStringLiteral("Extra Payments..."));
        enterLoan("100000", "0", "30", "30", "6.00", "6.00");
        QVERIFY(!extraPay->isEnabled());
        clickCell(1, 1);
        QTest::mouseClick(sheet_->findChild<QPushButton*>(QStringLiteral("cmdCalcAmort")),
                          Qt::LeftButton);
        QVERIFY(extraPay->isEnabled());
        env_->desktop.expectMessage(loanCopiedMessage(), Answer::Ok);
        sheet_->copyAction()->trigger();
        const std::string withoutExtras = env_->desktop.clipboardText();

        QTest::mouseClick(extraPay, Qt::LeftButton);
        QVERIFY(panel->isVisible());
        const auto box = [panel](const char* name) {
            return panel->findChild<QLineEdit*>(QLatin1String(name));
        };
        QCOMPARE(QApplication::focusWidget(), box("txtExtraMonthly"));
        QCOMPARE(box("txtExtraFrom")->text(), QStringLiteral("1"));
        for (const char* name :
             {"txtExtraMonthly", "txtExtraFrom", "txtExtraYearly", "txtLumpSum", "txtLumpAt"}) {
            QVERIFY2(!box(name)->accessibleName().isEmpty(), name);
        }
        // Digits and one point: a second point typed is refused.
        QTest::keyClicks(box("txtExtraMonthly"), "1.5.");
        QCOMPARE(box("txtExtraMonthly")->text(), QStringLiteral("1.5"));
        box("txtExtraMonthly")->setText(QStringLiteral("$1,100.50 a month"));
        QCOMPARE(box("txtExtraMonthly")->text(), QStringLiteral("1100.50"));
        box("txtExtraMonthly")->clear();
        QTest::keyClicks(box("txtExtraMonthly"), "100");

        // A payment number outside 1 … n: the message, and the box gets the focus.
        box("txtExtraFrom")->setText(QStringLiteral("361"));
        env_->desktop.expectMessage({"Enter a payment number from 1 to 360.", "LoanSheet Error",
                                     MessageIcon::Information, MessageButtons::Ok, Answer::Ok},
                                    Answer::Ok);
        QTest::mouseClick(panel->findChild<QPushButton*>(QStringLiteral("cmdExtraApply")),
                          Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), box("txtExtraFrom"));
        QCOMPARE(sheet_->gridColumns(), 5);

        box("txtExtraFrom")->setText(QStringLiteral("1"));
        QTest::mouseClick(panel->findChild<QPushButton*>(QStringLiteral("cmdExtraApply")),
                          Qt::LeftButton);
        QVERIFY(!env_->desktop.isBusy());
        QCOMPARE(sheet_->gridColumns(), 6);
        QCOMPARE(sheet_->gridRows(), 253);
        QCOMPARE(sheet_->gridText(0, 5), std::string("Extra\n\rPayment"));
        QCOMPARE(sheet_->gridText(0, 2), std::string("Amount of\n\rInterest\n\r$75,937.95"));
        QCOMPARE(sheet_->gridText(252, 1), std::string("$249.02"));
        QCOMPARE(sheet_->gridText(252, 5), std::string("$100.00"));
        const auto label = [panel](const char* name) {
            return panel->findChild<QLabel*>(QLatin1String(name))->text();
        };
        QCOMPARE(label("lblPayoff"), QStringLiteral("Paid off after 252 payments instead of 360"));
        QCOMPARE(label("lblSaved"), QStringLiteral("Interest saved: $39,900.28"));
        const QString shots = qEnvironmentVariable("COINWELL_SHOT_DIR");
        if (!shots.isEmpty()) {
            sheet_->grab().save(shots + "/loan_extra_payments.png");
        }

        // Close keeps the extras and the labels; Copy takes the sixth column and both results.
        QTest::mouseClick(panel->findChild<QPushButton*>(QStringLiteral("cmdExtraClose")),
                          Qt::LeftButton);
        QVERIFY(!panel->isVisible());
        QCOMPARE(sheet_->gridColumns(), 6);
        env_->desktop.expectMessage(loanCopiedMessage(), Answer::Ok);
        sheet_->copyAction()->trigger();
        const QStringList lines = crlfLines(env_->desktop.clipboardText());
        QCOMPARE(lines[7], QStringLiteral("Col.5: Interest Paid:\tCol.6: Extra Payment"));
        QCOMPARE(lines[9], QStringLiteral("1\t$99.55\t$500.00\t$99,800.45\t$500.00\t$100.00"));
        QCOMPARE(lines.mid(lines.size() - 4),
                 QStringList({"\r", "Paid off after 252 payments instead of 360",
                              "Interest saved: $39,900.28", ""}));

        // Esc closes the panel first, the screen stays.
        QTest::mouseClick(extraPay, Qt::LeftButton);
        QTest::keyClick(sheet_, Qt::Key_Escape);
        QVERIFY(!panel->isVisible());
        QVERIFY(sheet_->isVisible());

        // Clear: the described schedule again, copied byte for byte as before.
        QTest::mouseClick(extraPay, Qt::LeftButton);
        QTest::mouseClick(panel->findChild<QPushButton*>(QStringLiteral("cmdExtraClear")),
                          Qt::LeftButton);
        QCOMPARE(box("txtExtraMonthly")->text(), QString());
        QCOMPARE(box("txtExtraFrom")->text(), QStringLiteral("1"));
        QCOMPARE(label("lblPayoff"), QString());
        QCOMPARE(label("lblSaved"), QString());
        QCOMPARE(sheet_->gridColumns(), 5);
        QCOMPARE(sheet_->gridRows(), 361);
        env_->desktop.expectMessage(loanCopiedMessage(), Answer::Ok);
        sheet_->copyAction()->trigger();
        QCOMPARE(env_->desktop.clipboardText(), withoutExtras);

        // Emptying the grid (a change of the length unit) disables the button and hides the panel.
        sheet_->findChild<QAction*>(QStringLiteral("mnuOptLen(1)"))->trigger();
        QVERIFY(!extraPay->isEnabled());
        QVERIFY(!panel->isVisible());
    }

  private:
    void enterLoan(const QString& purchase, const QString& down, const QString& lengthMin,
                   const QString& lengthMax, const QString& rateMin, const QString& rateMax) {
        type("txtPurchTotl", purchase);
        type("txtDwnPay", down);
        type("txtLenMin", lengthMin);
        type("txtLenMax", lengthMax);
        for (auto [name, value] :
             {std::pair{"comIntrMin", rateMin}, std::pair{"comIntrMax", rateMax}}) {
            auto* box = sheet_->findChild<QComboBox*>(QLatin1String(name));
            box->setFocus();
            box->lineEdit()->selectAll();
            QTest::keyClicks(box->lineEdit(), value);
        }
        sheet_->findChild<QLineEdit*>(QStringLiteral("txtLenMin"))->setFocus();
        QTest::mouseClick(sheet_->findChild<QPushButton*>(QStringLiteral("cmdCalcPmts")),
                          Qt::LeftButton);
    }

    void clickCell(int gridRow, int gridColumn, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                   Qt::MouseButton button = Qt::LeftButton) {
        QTableView* grid = sheet_->grid();
        const QModelIndex index = grid->model()->index(gridRow - 1, gridColumn - 1);
        grid->scrollTo(index);
        const QPoint at = grid->visualRect(index).center();
        QTest::mouseClick(grid->viewport(), button, modifiers, at);
    }

    LoanSheet* sheet_ = nullptr;
    LoanOutput* output_ = nullptr;
};

QTEST_MAIN(LoanOutputTest)
#include "loan_output_qtest.moc"
