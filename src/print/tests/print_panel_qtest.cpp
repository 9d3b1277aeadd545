// The print options panel driven through its widgets: readouts, Auto Size with real font
// metrics, guide lines kept per screen, page setup, copying a page, Esc and printing to a PDF.

#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QGraphicsView>
#include <QLabel>
#include <QMenu>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

#include "common/tests/support/modal_watchdog.h"
#include "common/tests/support/scripted_desktop.h"
#include "common/tests/support/temporary_program_folder.h"
#include "print/ui/page_renderer.h"
#include "print/ui/print_panel.h"

using namespace coinwell;
using namespace coinwell::print;

namespace {

// A document of `pages` pages, each with a heading and a numbered line per 1000 twips.
RebuildDocument numberedPages(int pages, int* builds = nullptr, int* lastWidth = nullptr) {
    return [=](PageDocument& doc, const PrintPanelSettings&) {
        if (builds != nullptr) {
            ++*builds;
        }
        if (lastWidth != nullptr) {
            *lastWidth = doc.pageWidth();
        }
        doc.startDocument();
        for (int page = 1; page <= pages; ++page) {
            if (page > 1) {
                doc.newPage();
            }
            doc.setCurrentY(200);
            doc.printParagraph("Page Number " + std::to_string(page));
            doc.printCentred(doc.pageWidth() / 2, "centred");
            doc.newLine();
            doc.horizontalRule(10, doc.pageWidth() - 10, doc.currentY());
        }
        doc.endDocument();
    };
}

int pdfPageCount(const QString& file) {
    QFile pdf(file);
    if (!pdf.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QByteArray bytes = pdf.readAll();
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
    return static_cast<int>(QString::fromLatin1(bytes).count(page));
}

}  // namespace

class PrintPanelTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        folder_ = std::make_unique<TemporaryProgramFolder>();
        QVERIFY(folder_->isValid());
        desktop_.reset();
        settings_ = PrintPanelSettings{};
        screen_ = std::make_unique<QWidget>();
        screen_->resize(780, 560);
        panel_ = new PrintPanel(context_, settings_, {PrintingScreen::Loan, "Labe5", {}, {}},
                                screen_.get());
        screen_->show();
        QVERIFY(QTest::qWaitForWindowExposed(screen_.get()));
    }

    void cleanup() {
        screen_.reset();
        panel_ = nullptr;
        folder_.reset();
    }

    void readoutsShowTheFontAgainAfterReopening() {
        ModalWatchdog watchdog;
        QVERIFY(!panel_->isVisible());
        panel_->setRebuildDocument(numberedPages(1));
        panel_->openPrintPanel();
        QVERIFY(panel_->isVisible());
        QCOMPARE(label("Labe5")->text(), QStringLiteral("Print Options"));
        QCOMPARE(readout(0), QStringLiteral("Times New Roman "));
        QCOMPARE(readout(1), QStringLiteral("14 "));
        QCOMPARE(readout(2), QStringLiteral(" Portrait"));
        QCOMPARE(label("Label80(1)")->text(), QStringLiteral("Printer Font:"));
        QCOMPARE(label("Label80(0)")->text(), QStringLiteral("Font Size:"));
        QCOMPARE(label("Label80(2)")->text(), QStringLiteral("Orientation:"));
        QCOMPARE(label("Panel3d82")->text(), QStringLiteral("AaBbYyZz"));
        QCOMPARE(QApplication::focusWidget(), button("SSCommand80(2)"));

        // Cancel changes nothing; OK takes all seven values and rebuilds.
        FontChoice start{"Times New Roman", 14, false, false, false, false, 0};
        desktop_.expectFont(start, std::nullopt);
        QTest::mouseClick(button("SSCommand80(0)"), Qt::LeftButton);
        QCOMPARE(readout(0), QStringLiteral("Times New Roman "));
        FontChoice arial{"Arial", 10.5, true, true, true, false, 0x0000FF};
        desktop_.expectFont(start, arial);
        QTest::mouseClick(button("SSCommand80(0)"), Qt::LeftButton);
        QCOMPARE(readout(0), QStringLiteral("Arial "));
        QCOMPARE(readout(1), QStringLiteral("10.5 "));
        QVERIFY(label("Panel3d82")->font().bold());
        const auto& text = std::get<TextItem>(panel_->document().pages()[0].items[0]);
        QCOMPARE(text.font, (FontSpec{"Arial", 10.5, true, true, true, false}));
        QCOMPARE(text.color, 0x0000FFu);

        QTest::mouseClick(button("SSCommand80(2)"), Qt::LeftButton);
        QVERIFY(!panel_->isVisible());
        panel_->openPrintPanel();
        QCOMPARE(readout(0), QStringLiteral("Times New Roman "));
        QCOMPARE(readout(1), QStringLiteral("14 "));
        // Underline and colour stay until the next screen load.
        QVERIFY(settings_.underline);
        QCOMPARE(settings_.color, 0x0000FFu);
        COINWELL_VERIFY_DESKTOP(desktop_);
        COINWELL_VERIFY_WATCHDOG(watchdog);
    }

    void previewTakesThePanelColour() {
        // Around the page the preview shows the screen's panel colour, given before the panel
        // opens and changed while it shows.
        panel_->setRebuildDocument(numberedPages(1));
        const auto surround = [this] {
            auto* view = panel_->preview()->findChild<QGraphicsView*>();
            return view->viewport()->grab().toImage().pixelColor(1, 1);
        };
        panel_->setPanelColor(QColor(0x80, 0x80, 0x00));
        panel_->openPrintPanel();
        QCOMPARE(surround(), QColor(0x80, 0x80, 0x00));
        panel_->setPanelColor(QColor(0xC0, 0xE0, 0xFF));
        QCOMPARE(surround(), QColor(0xC0, 0xE0, 0xFF));
    }

    void autoSizeFindsTheLargestSizeAndKeepsIt() {
        ModalWatchdog watchdog;
        panel_->setRebuildDocument(numberedPages(1));
        panel_->openPrintPanel();
        QTest::mouseClick(button("SSCommand2"), Qt::LeftButton);
        const QString first = readout(1);
        const float size = settings_.fontSize;
        QTest::mouseClick(button("SSCommand2"), Qt::LeftButton);
        QCOMPARE(readout(1), first);
        QCOMPARE(settings_.fontSize, size);
        QCOMPARE(first, QString::number(static_cast<int>(size)) + " ");

        // Measured with the fonts the pages are drawn with: 76 letters fit at the size found
        // and not at one point more.
        QtTextMeasurer measurer;
        const std::string line(76, 'n');
        FontSpec font = settings_.font();
        QVERIFY(measurer.textWidth(font, line) <= 12240);
        font.size += 1;
        QVERIFY(measurer.textWidth(font, line) > 12240);
        QVERIFY(size > 10 && size < 25);
        COINWELL_VERIFY_DESKTOP(desktop_);
        COINWELL_VERIFY_WATCHDOG(watchdog);
    }

    // Texts are measured from cached character advances: they must come out as wide as Qt lays
    // the whole text out when it draws it, or centred columns drift.
    void measuredWidthsMatchTheDrawnText() {
        QtTextMeasurer measurer;
        const char* samples[] = {"Amount towards Principal", "$1,234,567.89", "Page Number 12",
                                 "Loan Length in Years will show a Monthly Payment", "AVAWAY To"};
        for (const FontSpec& font : {FontSpec{"Times New Roman", 12, false, false, false, false},
                                     FontSpec{"Times New Roman", 14, true, true, true, true},
                                     FontSpec{"Arial", 10.5, false, false, false, false},
                                     FontSpec{"Courier New", 9, true, false, false, false}}) {
            const QFontMetricsF metrics(twipFont(font));
            for (const char* sample : samples) {
                QVERIFY2(std::abs(measurer.textWidth(font, sample) -
                                  metrics.horizontalAdvance(QString::fromLatin1(sample))) < 0.5,
                         sample);
            }
            QCOMPARE(measurer.textWidth(font, "\xc3\xa9t\xc3\xa9"),
                     metrics.horizontalAdvance(QStringLiteral("\u00e9t\u00e9")));
        }
    }

    void guideLinesAreKeptPerScreenAcrossARestart() {
        ModalWatchdog watchdog;
        auto* display = findChild<QRadioButton>("SSOption82(1)");
        QVERIFY(findChild<QRadioButton>("SSOption82(0)")->isChecked());
        panel_->openPrintPanel();
        QTest::mouseClick(display, Qt::LeftButton);
        QVERIFY(panel_->guideLinesShown());
        QVERIFY(folder_->exists("GColor3.Fil"));

        // A new run: the Loan screen's panel shows the choice again, the Actuarial's its own.
        screen_.reset();
        auto loanScreen = std::make_unique<QWidget>();
        auto* loan = new PrintPanel(context_, settings_, {PrintingScreen::Loan, "Labe5", {}, {}},
                                    loanScreen.get());
        QVERIFY(loan->guideLinesShown());
        QVERIFY(loan->findChild<QRadioButton*>("SSOption82(1)")->isChecked());
        auto actuarialScreen = std::make_unique<QWidget>();
        auto* actuarial =
            new PrintPanel(context_, settings_, {PrintingScreen::Actuarial, "Label4", {}, {}},
                           actuarialScreen.get());
        QVERIFY(!actuarial->guideLinesShown());
        QVERIFY(actuarial->findChild<QRadioButton*>("SSOption82(0)")->isChecked());
        QVERIFY(actuarial->findChild<QLabel*>("Label4") != nullptr);

        // Record 20 holds the text "1": its length, then the character.
        const std::string bytes = folder_->readBytes("GColor3.Fil");
        QVERIFY(bytes.size() >= 19 * 20 + 3);
        QCOMPARE(bytes.substr(19 * 20, 3), std::string("\x01\x00"
                                                       "1",
                                                       3));
        COINWELL_VERIFY_DESKTOP(desktop_);
        COINWELL_VERIFY_WATCHDOG(watchdog);
    }

    void pageSetupLandscapeRebuildsOnTheWiderPage() {
        ModalWatchdog watchdog;
        int builds = 0;
        int width = 0;
        panel_->setRebuildDocument(numberedPages(1, &builds, &width));
        panel_->openPrintPanel();
        QCOMPARE(builds, 1);
        QCOMPARE(width, 12240);
        desktop_.expectPageSetup(
            true, [](QPrinter& printer) { printer.setPageOrientation(QPageLayout::Landscape); });
        QTest::mouseClick(button("SSCommand80(1)"), Qt::LeftButton);
        QCOMPARE(readout(2), QStringLiteral(" Landscape"));
        QCOMPARE(builds, 2);
        QCOMPARE(width, 15840);
        QCOMPARE(panel_->document().pages()[0].width, 15840);
        COINWELL_VERIFY_DESKTOP(desktop_);
        COINWELL_VERIFY_WATCHDOG(watchdog);
    }

    void copyCurrentPagePutsItsPictureOnTheClipboard() {
        ModalWatchdog watchdog;
        panel_->setRebuildDocument(numberedPages(2));
        panel_->openPrintPanel();
        desktop_.expectMessage(
            {"Current Page has been copied to the Windows Clipboard.", "Copy Option",
             MessageIcon::Information, MessageButtons::Ok, Answer::Ok},
            Answer::Ok);
        QTest::mouseClick(button("SSCommand80(3)"), Qt::LeftButton);
        QCOMPARE(desktop_.clipboardImageCount(), 1);
        const QImage picture = desktop_.clipboardImage();
        // Letter at 150 dpi, white paper with dark text near the top.
        QCOMPARE(picture.size(), QSize(1275, 1650));
        QCOMPARE(picture.pixelColor(5, 1640), QColor(Qt::white));
        bool ink = false;
        for (int y = 20; y < 80 && !ink; ++y) {
            for (int x = 0; x < 600 && !ink; ++x) {
                ink = qGray(picture.pixel(x, y)) < 100;
            }
        }
        QVERIFY(ink);
        QCOMPARE(QApplication::focusWidget(), button("SSCommand80(2)"));
        COINWELL_VERIFY_DESKTOP(desktop_);
        COINWELL_VERIFY_WATCHDOG(watchdog);
    }

    void escapeLeavesTheEnlargedPreviewThenThePanel() {
        ModalWatchdog watchdog;
        panel_->setRebuildDocument(numberedPages(1));
        panel_->openPrintPanel();
        QPushButton* enlarge = button("SSCommand1");
        QCOMPARE(enlarge->text(), QStringLiteral("Enlarge"));
        const int normalWidth = panel_->preview()->width();
        QTest::mouseClick(enlarge, Qt::LeftButton);
        QCOMPARE(enlarge->text(), QStringLiteral("Normal"));
        QCOMPARE(panel_->preview()->width(), panel_->width() - 5);
        QVERIFY(panel_->preview()->width() > normalWidth);
        QVERIFY(panel_->handleEscape());
        QCOMPARE(enlarge->text(), QStringLiteral("Enlarge"));
        QCOMPARE(panel_->preview()->width(), normalWidth);
        QVERIFY(panel_->isVisible());
        QVERIFY(panel_->handleEscape());
        QVERIFY(!panel_->isVisible());
        QVERIFY(!panel_->handleEscape());
        COINWELL_VERIFY_DESKTOP(desktop_);
        COINWELL_VERIFY_WATCHDOG(watchdog);
    }

    void zoomMenuOffersTheFourViews() {
        ModalWatchdog watchdog;
        panel_->setRebuildDocument(numberedPages(3));
        panel_->openPrintPanel();
        auto* menu = findChild<QMenu>("zoomMenu");
        QVERIFY(menu != nullptr);
        QStringList captions;
        for (QAction* action : menu->actions()) {
            captions << action->text();
        }
        QCOMPARE(captions, QStringList({"Whole &Page", "Page &Width", "&Two Pages", "Thumb&nail"}));
        QPrintPreviewWidget* preview = panel_->preview();
        // A right click on the page view brings the menu up.
        auto* view = preview->findChild<QGraphicsView*>();
        QVERIFY(view != nullptr);
        const QPoint at = view->viewport()->rect().center();
        QContextMenuEvent click(QContextMenuEvent::Mouse, at, view->viewport()->mapToGlobal(at));
        QApplication::sendEvent(view->viewport(), &click);
        QTRY_VERIFY(menu->isVisible());
        menu->actions()[2]->trigger();
        menu->hide();
        QCOMPARE(preview->viewMode(), QPrintPreviewWidget::FacingPagesView);
        menu->actions()[1]->trigger();
        QCOMPARE(preview->viewMode(), QPrintPreviewWidget::SinglePageView);
        QCOMPARE(preview->zoomMode(), QPrintPreviewWidget::FitToWidth);
        menu->actions()[3]->trigger();
        QCOMPARE(preview->viewMode(), QPrintPreviewWidget::AllPagesView);
        menu->actions()[0]->trigger();
        QCOMPARE(preview->zoomMode(), QPrintPreviewWidget::FitInView);
        COINWELL_VERIFY_DESKTOP(desktop_);
        COINWELL_VERIFY_WATCHDOG(watchdog);
    }

    // The progress window's Cancel stops between pages and aborts the printer.
    void cancellingStopsPrintingBetweenPages() {
        panel_->setRebuildDocument(numberedPages(4));
        panel_->openPrintPanel();
        QPrinter printer(QPrinter::HighResolution);
        printer.setFullPage(true);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder_->qPath() + "/cancelled.pdf");
        QList<int> asked;
        const bool finished =
            printPages(printer, panel_->document().pages(), [&asked](int index, int count) {
                asked << index << count;
                return index < 2;
            });
        QVERIFY(!finished);
        QCOMPARE(asked, QList<int>({0, 4, 1, 4, 2, 4}));
        // Pages after the cancel never reach the file (a PDF keeps what was done).
        QVERIFY(pdfPageCount(folder_->qPath() + "/cancelled.pdf") <= 2);
    }

    void printingToAPdfWritesEveryPage() {
        panel_->setRebuildDocument(numberedPages(3));
        panel_->chooseGuideLines(1);
        panel_->openPrintPanel();
        QCOMPARE(panel_->preview()->pageCount(), 3);
        const QString file = folder_->qPath() + "/printed.pdf";
        desktop_.expectPrinter(true, [file](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(file);
        });
        QTest::mouseClick(button("SSCommand80(4)"), Qt::LeftButton);
        QVERIFY(QFile::exists(file));
        QCOMPARE(pdfPageCount(file), 3);

        // Cancelling the print dialog prints nothing.
        QFile::remove(file);
        desktop_.expectPrinter(false);
        QTest::mouseClick(button("SSCommand80(4)"), Qt::LeftButton);
        QVERIFY(!QFile::exists(file));

        // A file that cannot be written is reported, not passed over in silence.
        const QString unwritable = folder_->qPath() + "/no such folder/printed.pdf";
        desktop_.expectPrinter(true, [unwritable](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(unwritable);
        });
        desktop_.expectMessage({"The document could not be printed.", "Printing...",
                                MessageIcon::Exclamation, MessageButtons::Ok, Answer::Ok},
                               Answer::Ok);
        QTest::mouseClick(button("SSCommand80(4)"), Qt::LeftButton);
        QVERIFY(!QFile::exists(unwritable));
        COINWELL_VERIFY_DESKTOP(desktop_);
    }

  private:
    template <typename T>
    T* findChild(const char* name) const {
        return panel_->findChild<T*>(QString::fromLatin1(name));
    }
    QPushButton* button(const char* name) const {
        auto* found = findChild<QPushButton>(name);
        Q_ASSERT(found != nullptr);
        return found;
    }
    QLabel* label(const char* name) const { return findChild<QLabel>(name); }
    QString readout(int index) const {
        return label(QStringLiteral("Panel3D80(%1)").arg(index).toLatin1().constData())->text();
    }

    ScriptedDesktop desktop_;
    RunSettings runSettings_;
    AppContext context_{desktop_, runSettings_};
    PrintPanelSettings settings_;
    std::unique_ptr<TemporaryProgramFolder> folder_;
    std::unique_ptr<QWidget> screen_;
    PrintPanel* panel_ = nullptr;
};

QTEST_MAIN(PrintPanelTest)
#include "print_panel_qtest.moc"
