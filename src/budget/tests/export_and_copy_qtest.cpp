// The export panel and the clipboard copy on the real screen: the panel's texts and lists, the
// file written byte for byte, the name checks, failures that keep the panel open and the old file
// whole, places and folders that cannot be read, the text the copy puts on the clipboard; and the
// additions: a ".xlsx" name exports a workbook, and the copy puts a table beside its text.

#include <sys/mount.h>

#include <QDir>
#include <QFontMetricsF>
#include <QListWidget>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "budget/core/budget_clipboard.h"
#include "budget/core/export_file.h"
#include "budget/core/export_texts.h"
#include "budget/tests/budget_screen_fixture.h"
#include "budget/tests/workbook_reader.h"
#include "budget/ui/export_and_colors.h"
#include "budget/ui/export_panel.h"
#include "common/core/safe_write.h"
#include "common/ui/drive_list.h"
#include "common/ui/folder_list.h"

using namespace coinwell;
using namespace coinwell::budget;

namespace {

BudgetYear sampleYear() {
    BudgetYear year;
    year.items[0].name = "Rent";
    year.items[0].amounts[0] = "850.00";
    year.items[1].name = "Food";
    year.items[1].amounts.fill("400.00");
    year.items[3].amounts[2] = "5.00";  // no name: exported, not copied
    year.items[4].name = "Insurance premiums";
    year.items[4].amounts[11] = "1200.00";
    year.income.fill("2500.00");
    return year;
}

QString shown(std::string_view text) {
    return QString::fromStdString(std::string(text)).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

QStringList listed(const QListWidget* list) {
    QStringList names;
    for (int i = 0; i < list->count(); ++i) {
        names << list->item(i)->text();
    }
    return names;
}

}  // namespace

class ExportAndCopyTest : public QObject, public BudgetScreenFixture {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void panelOpensOnTheProgramFolderWithItsTexts();
    void exportWritesTheYearAsShownAndListsTheFile();
    void lowerCaseXlsIsTakenATxtNameRefused();
    void clickingAFileTakesItsName();
    void anotherYearPickedWithThePanelOpenTakesItsOwnName();
    void failedWriteKeepsThePanelOpenAndTheOldFile();
    void readOnlyFolderRefusesTheExport();
    void placesAndFoldersThatCannotBeRead();
    void escapeClosesThePanelFirst();
    void copyPutsTheBudgetOnTheClipboard();
    void xlsxNameExportsAWorkbookListedBesideTheTextFiles();
    void copyPutsATableBesideTheText();

  private:
    ExportPanel* openExportPanel();
    void clickExport();
    // The panel's drive list offers these places.
    void offerPlaces(std::vector<StoragePlace> places);
    void choosePlace(int index);

    std::unique_ptr<QTemporaryDir> home_;
    QByteArray savedHome_;
};

void ExportAndCopyTest::init() {
    start();
    parts = &attachExportAndColors;
    // The home folder the lists fall back to is one of the test's own.
    home_ = std::make_unique<QTemporaryDir>();
    savedHome_ = qgetenv("HOME");
    qputenv("HOME", home_->path().toUtf8());
}

void ExportAndCopyTest::cleanup() {
    setSafeWriteFailureHook({});
    finish();
    qputenv("HOME", savedHome_);
    home_.reset();
}

ExportPanel* ExportAndCopyTest::openExportPanel() {
    auto* utilities = child<QMenu>("mU");
    emit utilities->aboutToShow();
    QAction* item = action("mUExcel");
    if (!item->isEnabled()) {
        qWarning("the export item is disabled");
        return nullptr;
    }
    item->trigger();
    QApplication::processEvents();
    return child<ExportPanel>("SSPanel2");
}

void ExportAndCopyTest::clickExport() {
    QTest::mouseClick(button("SSCommand3"), Qt::LeftButton);
    QApplication::processEvents();
}

void ExportAndCopyTest::offerPlaces(std::vector<StoragePlace> places) {
    child<DriveList>("Drive1")->setPlaceSource([places] { return places; });
}

void ExportAndCopyTest::choosePlace(int index) {
    auto* drives = child<DriveList>("Drive1");
    drives->setCurrentIndex(index);
    emit drives->activated(index);
    QApplication::processEvents();
}

void ExportAndCopyTest::panelOpensOnTheProgramFolderWithItsTexts() {
    storeYear("2012", sampleYear());
    QDir folder(env->folder.qPath());
    for (const char* name : {"older.xls", "Budget2011.XLS", "notes.txt"}) {
        QVERIFY(env->folder.writeBytes(name, "x"));
    }
    QVERIFY(folder.mkdir(QStringLiteral("archive.xls")));
    open();
    pickYear("2012");
    ExportPanel* panel = openExportPanel();
    QVERIFY(panel && panel->isVisible());

    const QString programFolder = QDir(env->folder.qPath()).canonicalPath();
    QCOMPARE(child<QLineEdit>("Text3")->text(), QString("Budget2012.xls"));
    QCOMPARE(labelText("Label24"), programFolder + "/");
    QCOMPARE(labelText("Label100"), shown(exportExplanation(programFolder.toStdString())));
    QVERIFY(labelText("Label100")
                .startsWith("A non-formatted Spreadsheet File (tab-delimited text file) will be "
                            "saved in the program "
                            "folder:  \n\n"));
    QCOMPARE(labelText("Label101"), QString("With the following name:"));
    QCOMPARE(labelText("Label102"), shown(exportNotes()));
    QCOMPARE(labelText("Label21"), QString("Path:"));
    QCOMPARE(labelText("Label22(0)"), QString("Drives:"));
    QCOMPARE(labelText("Label22(1)"), QString("Folders:"));
    QCOMPARE(labelText("Label22(2)"), QString("File:"));
    QCOMPARE(button("SSCommand3")->text(), QString("Export File to Selected Folder"));
    QCOMPARE(button("SSCommand4")->text(), QString("Close"));
    QCOMPARE(child<FolderList>("Dir1")->path(), programFolder);
    // Only the folder's ".xls" files, in any letter case; no folders.
    QCOMPARE(listed(child<QListWidget>("File1")), QStringList({"Budget2011.XLS", "older.xls"}));

    QTest::mouseClick(button("SSCommand4"), Qt::LeftButton);
    QVERIFY(!panel->isVisible());
}

void ExportAndCopyTest::exportWritesTheYearAsShownAndListsTheFile() {
    storeYear("2012", sampleYear());
    open();
    pickYear("2012");
    // An edit not yet saved is exported as shown.
    typeInCell(3, 1, "Water");
    openExportPanel();
    env->desktop.expectMessage(exportCompletedMessage(), Answer::Ok);
    clickExport();
    COINWELL_VERIFY_DESKTOP(env->desktop);

    BudgetYear expected = sampleYear();
    expected.items[2].name = "Water";
    const std::string bytes = env->folder.readBytes("Budget2012.xls");
    QCOMPARE(QByteArray::fromStdString(bytes),
             QByteArray::fromStdString(exportFileBytes(expected)));
    QVERIFY(
        bytes.starts_with("\tItem\tJan\tFeb\tMar\tApr\tMay\tJun\tJul\tAug\tSep\tOct\tNov\tDec\r\n"
                          "\tRent\t850.00\t\t\t\t\t\t\t\t\t\t\t\r\n"));
    QCOMPARE(std::count(bytes.begin(), bytes.end(), '\n'), 51);
    QCOMPARE(listed(child<QListWidget>("File1")), QStringList({"Budget2012.xls"}));
    QVERIFY(child<ExportPanel>("SSPanel2")->isVisible());
    QVERIFY(screen->unsavedChanges());
}

void ExportAndCopyTest::lowerCaseXlsIsTakenATxtNameRefused() {
    storeYear("2012", sampleYear());
    open();
    pickYear("2012");
    openExportPanel();
    auto* name = child<QLineEdit>("Text3");
    for (const char* refused : {"Budget2012.txt", "   ", "../Budget2012.xls"}) {
        name->setText(QLatin1String(refused));
        env->desktop.expectMessage(exportNameMessage(), Answer::Ok);
        clickExport();
        COINWELL_VERIFY_DESKTOP(env->desktop);
    }
    QCOMPARE(QDir(env->folder.qPath()).entryList({"*.txt", "*.xls"}, QDir::Files), QStringList());
    QVERIFY(!QFileInfo::exists(QDir(env->folder.qPath()).filePath("../Budget2012.xls")));

    name->setText(QStringLiteral("  My Budget.xls "));
    env->desktop.expectMessage(exportCompletedMessage(), Answer::Ok);
    clickExport();
    QVERIFY(env->folder.exists("My Budget.xls"));
    name->setText(QStringLiteral("Upper.XLS"));
    env->desktop.expectMessage(exportCompletedMessage(), Answer::Ok);
    clickExport();
    QVERIFY(env->folder.exists("Upper.XLS"));
}

void ExportAndCopyTest::anotherYearPickedWithThePanelOpenTakesItsOwnName() {
    // The year selector stays within reach above the panel.
    storeYear("2012", sampleYear());
    BudgetYear other;
    other.items[0].name = "Car";
    other.items[0].amounts[0] = "300.00";
    storeYear("2013", other);
    open();
    pickYear("2012");
    openExportPanel();
    auto* name = child<QLineEdit>("Text3");
    QCOMPARE(name->text(), QString("Budget2012.xls"));

    pickYear("2013");
    QVERIFY(child<ExportPanel>("SSPanel2")->isVisible());
    QCOMPARE(name->text(), QString("Budget2013.xls"));
    env->desktop.expectMessage(exportCompletedMessage(), Answer::Ok);
    clickExport();
    COINWELL_VERIFY_DESKTOP(env->desktop);
    QCOMPARE(QByteArray::fromStdString(env->folder.readBytes("Budget2013.xls")),
             QByteArray::fromStdString(exportFileBytes(other)));
    QVERIFY(!env->folder.exists("Budget2012.xls"));

    // A name of the user's own is kept.
    name->setText(QStringLiteral("Household.xls"));
    pickYear("2012");
    QCOMPARE(name->text(), QString("Household.xls"));
}

void ExportAndCopyTest::clickingAFileTakesItsName() {
    storeYear("2012", sampleYear());
    QVERIFY(env->folder.writeBytes("Household.xls", "old"));
    open();
    pickYear("2012");
    openExportPanel();
    auto* files = child<QListWidget>("File1");
    QCOMPARE(files->count(), 1);
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {},
                      files->visualItemRect(files->item(0)).center());
    QCOMPARE(child<QLineEdit>("Text3")->text(), QString("Household.xls"));
    // The chosen file is replaced whole.
    env->desktop.expectMessage(exportCompletedMessage(), Answer::Ok);
    clickExport();
    QCOMPARE(QByteArray::fromStdString(env->folder.readBytes("Household.xls")),
             QByteArray::fromStdString(exportFileBytes(sampleYear())));
}

void ExportAndCopyTest::failedWriteKeepsThePanelOpenAndTheOldFile() {
    storeYear("2012", sampleYear());
    QVERIFY(env->folder.writeBytes("Budget2012.xls", "the old export"));
    open();
    pickYear("2012");
    openExportPanel();
    setSafeWriteFailureHook([](SafeWriteStep step) { return step == SafeWriteStep::Write; });
    env->desktop.expectMessage(exportFailedMessage(), Answer::Ok);
    clickExport();
    COINWELL_VERIFY_DESKTOP(env->desktop);
    QCOMPARE(env->folder.readBytes("Budget2012.xls"), std::string("the old export"));
    QVERIFY(child<ExportPanel>("SSPanel2")->isVisible());
    QCOMPARE(env->desktop.messages().back().text,
             std::string("Permission to create file Denied!\rFile may be in use by another "
                         "program!\rClose other program and try exporting again"));

    // A folder that carries the file's name is not replaced either.
    setSafeWriteFailureHook({});
    QVERIFY(QDir(env->folder.qPath()).mkdir(QStringLiteral("Taken.xls")));
    child<QLineEdit>("Text3")->setText(QStringLiteral("Taken.xls"));
    env->desktop.expectMessage(exportFailedMessage(), Answer::Ok);
    clickExport();
    QVERIFY(QFileInfo(QDir(env->folder.qPath()).filePath("Taken.xls")).isDir());
    QVERIFY(child<ExportPanel>("SSPanel2")->isVisible());
}

void ExportAndCopyTest::readOnlyFolderRefusesTheExport() {
    // A read-only disk: root ignores permission bits, so a read-only mount it is.
    const QString stick = home_->path() + "/STICK";
    QVERIFY(QDir().mkpath(stick));
    if (::mount("tmpfs", stick.toUtf8().constData(), "tmpfs", 0, "size=64k") != 0) {
        QSKIP("cannot mount a tmpfs here");
    }
    struct Unmount {
        QString path;
        ~Unmount() { ::umount(path.toUtf8().constData()); }
    } unmount{stick};

    storeYear("2012", sampleYear());
    open();
    pickYear("2012");
    openExportPanel();
    offerPlaces({{"/", "/"}, {stick.toStdString(), stick.toStdString() + " [STICK]"}});
    choosePlace(1);
    QCOMPARE(labelText("Label24"), stick + "/");
    QCOMPARE(labelText("Label100"), shown(exportExplanation(stick.toStdString())));
    env->desktop.expectMessage(exportCompletedMessage(), Answer::Ok);
    clickExport();
    const std::string first = exportFileBytes(sampleYear());
    QVERIFY(::mount("tmpfs", stick.toUtf8().constData(), "tmpfs", MS_REMOUNT | MS_RDONLY,
                    "size=64k") == 0);

    typeInCell(1, 2, "900");
    env->desktop.expectMessage(exportFailedMessage(), Answer::Ok);
    clickExport();
    COINWELL_VERIFY_DESKTOP(env->desktop);
    QFile written(stick + "/Budget2012.xls");
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll().toStdString(), first);
    QVERIFY(child<ExportPanel>("SSPanel2")->isVisible());
}

void ExportAndCopyTest::placesAndFoldersThatCannotBeRead() {
    storeYear("2012", sampleYear());
    const QString gone = home_->path() + "/media/OLDSTICK";
    const QString notAFolder = home_->path() + "/device";
    QFile device(notAFolder);
    QVERIFY(device.open(QIODevice::WriteOnly));
    device.close();
    QVERIFY(QDir().mkpath(home_->path() + "/Documents"));
    open();
    pickYear("2012");
    openExportPanel();
    offerPlaces({{"/", "/"},
                 {home_->path().toStdString(), "home"},
                 {gone.toStdString(), "OLDSTICK"},
                 {notAFolder.toStdString(), "device"}});
    const QString homeFolder = QDir(home_->path()).canonicalPath();

    // A medium taken out: the lists go back to the home folder.
    env->desktop.expectMessage(deviceUnavailableMessage(), Answer::Ok);
    choosePlace(2);
    COINWELL_VERIFY_DESKTOP(env->desktop);
    QCOMPARE(env->desktop.messages().back().title, std::string("Device Status"));
    QCOMPARE(child<FolderList>("Dir1")->path(), homeFolder);
    QCOMPARE(labelText("Label24"), homeFolder + "/");
    QCOMPARE(child<DriveList>("Drive1")->currentIndex(), 1);

    // A place that is there but cannot be listed.
    env->desktop.expectMessage(driveUnavailableMessage(), Answer::Ok);
    choosePlace(3);
    COINWELL_VERIFY_DESKTOP(env->desktop);
    QCOMPARE(env->desktop.messages().back(),
             (MessageRequest{"Device/Drive is Unavailable!", "Device/Drive Error",
                             MessageIcon::Critical, MessageButtons::Ok, Answer::Ok}));
    QCOMPARE(child<FolderList>("Dir1")->path(), homeFolder);

    // A folder removed since it was listed: reported, the list stays where it was.
    auto* folders = child<FolderList>("Dir1");
    QVERIFY(QDir(home_->path()).rmdir(QStringLiteral("Documents")));
    const auto found =
        folders->findItems(QStringLiteral("Documents"), Qt::MatchExactly | Qt::MatchRecursive);
    QCOMPARE(found.size(), 1);
    folders->setFocus();
    folders->setCurrentItem(found.front());
    env->desktop.expectMessage(deviceUnavailableMessage(), Answer::Ok);
    QTest::keyClick(folders, Qt::Key_Return);
    COINWELL_VERIFY_DESKTOP(env->desktop);
    QCOMPARE(folders->path(), homeFolder);
    QCOMPARE(labelText("Label24"), homeFolder + "/");
}

void ExportAndCopyTest::escapeClosesThePanelFirst() {
    storeYear("2012", sampleYear());
    open();
    pickYear("2012");
    QTest::mouseClick(button("Command8"), Qt::LeftButton);
    QVERIFY(screen->totalsShown());
    ExportPanel* panel = openExportPanel();
    QVERIFY(panel->isVisible());
    QTest::keyClick(screen, Qt::Key_Escape);
    QVERIFY(!panel->isVisible());
    QVERIFY(screen->totalsShown());
    QTest::keyClick(screen, Qt::Key_Escape);
    QVERIFY(!screen->totalsShown());
    QVERIFY(screen->isVisible());
}

void ExportAndCopyTest::copyPutsTheBudgetOnTheClipboard() {
    storeYear("2012", sampleYear());
    open();
    pickYear("2012");
    env->desktop.expectMessage(budgetCopiedMessage(), Answer::Ok);
    emit child<QMenu>("mE")->aboutToShow();
    QVERIFY(action("mECopy")->isEnabled());
    action("mECopy")->trigger();
    COINWELL_VERIFY_DESKTOP(env->desktop);
    QCOMPARE(env->desktop.clipboardTextCount(), 1);
    QVERIFY(!env->desktop.isBusy());

    const QString text = QString::fromStdString(env->desktop.clipboardText());
    const QStringList lines = text.split(QRegularExpression("\r\n|\r"));
    QCOMPARE(lines.size(), 10);  // title, blank, heading, 3 items, 3 totals, and the end
    QCOMPARE(lines[0], QString("2012 Budget"));
    QCOMPARE(lines[1], QString());
    QCOMPARE(lines[2], QString("        Item                    Jan\tFeb\tMar\tApr\tMay\tJun\tJul"
                               "\tAug\tSep\tOct\tNov\tDec"));
    // Item lines end with CR alone, the title and the totals with CR LF.
    QVERIFY(text.contains("Dec\rRent"));
    QVERIFY(text.endsWith("\r\n"));
    // Names are filled out to 60 pixels in the screen's font: one blank less would be too
    // narrow; a name already wider gets none.
    const QFontMetricsF metrics(screen->font());
    const QString rent = lines[3].section(QLatin1Char('\t'), 0, 0);
    QVERIFY(rent.startsWith("Rent "));
    QVERIFY(metrics.horizontalAdvance(rent) >= 60);
    QVERIFY(metrics.horizontalAdvance(rent.chopped(1)) < 60);
    QCOMPARE(lines[3].section(QLatin1Char('\t'), 1), QString("850.00\t\t\t\t\t\t\t\t\t\t\t"));
    QVERIFY(lines[4].startsWith("Food"));
    QVERIFY(metrics.horizontalAdvance("Insurance premiums") >= 60);
    QCOMPARE(lines[5], QString("Insurance premiums\t\t\t\t\t\t\t\t\t\t\t\t1200.00"));
    QCOMPARE(lines[6], QString("Total Expenses:\t1250.00\t400.00\t405.00\t400.00\t400.00\t400.00"
                               "\t400.00\t400.00\t400.00\t400.00\t400.00\t1600.00"));
    QCOMPARE(lines[7], "Total Income:      " + QString("\t2500.00").repeated(12));
    QCOMPARE(lines[8], QString("Balance:          \t1250.00\t2100.00\t2095.00\t2100.00\t2100.00"
                               "\t2100.00\t2100.00\t2100.00\t2100.00\t2100.00\t2100.00\t900.00"));

    // The popup's Copy does the same.
    env->desktop.expectMessage(budgetCopiedMessage(), Answer::Ok);
    action("mOCopy")->trigger();
    QCOMPARE(env->desktop.clipboardTextCount(), 2);
    QCOMPARE(QString::fromStdString(env->desktop.clipboardText()), text);
}

void ExportAndCopyTest::xlsxNameExportsAWorkbookListedBesideTheTextFiles() {
    storeYear("2012", sampleYear());
    QVERIFY(env->folder.writeBytes("Budget2011.xls", "x"));
    QVERIFY(env->folder.writeBytes("Budget2011.XLSX", "x"));
    open();
    pickYear("2012");
    ExportPanel* panel = openExportPanel();
    auto* hint = child<QLabel>("lblXlsxHint");
    QVERIFY(hint->isVisible());
    QCOMPARE(hint->text(),
             QString("Name the file with .xlsx to export an Excel workbook with totals."));
    QVERIFY(!hint->accessibleName().isEmpty());
    // Under the panel's other texts, above the buttons, inside the panel.
    QVERIFY(hint->geometry().top() >= child<QLabel>("Label24")->geometry().bottom());
    QVERIFY(hint->geometry().bottom() < button("SSCommand3")->geometry().top());
    QVERIFY(panel->rect().contains(hint->geometry()));
    QCOMPARE(listed(child<QListWidget>("File1")),
             QStringList({"Budget2011.xls", "Budget2011.XLSX"}));

    child<QLineEdit>("Text3")->setText(QStringLiteral(" Budget2012.XLSX "));
    env->desktop.expectMessage(exportCompletedMessage(), Answer::Ok);
    clickExport();
    COINWELL_VERIFY_DESKTOP(env->desktop);
    QVERIFY(panel->isVisible());
    QVERIFY(!env->folder.exists("Budget2012.xls"));
    QCOMPARE(listed(child<QListWidget>("File1")),
             QStringList({"Budget2011.xls", "Budget2011.XLSX", "Budget2012.XLSX"}));

    // The sheet of the year on show, with its totals as formulas.
    const auto book =
        workbook_reading::readWorkbook(env->folder.filePath("Budget2012.XLSX").string());
    QVERIFY(book.part("xl/workbook.xml").find("<sheet name=\"Budget 2012\"") != std::string::npos);
    QCOMPARE(book.at("A2").value, std::string("Rent"));
    QCOMPARE(book.at("B2").number(), 850.0);
    QCOMPARE(book.at("A6").value, std::string("Total Expenses"));
    QCOMPARE(book.at("B6").formula, std::string("SUM(B2:B5)"));
    QCOMPARE(book.at("B6").number(), 1250.0);
    QCOMPARE(book.at("N8").formula, std::string("N7-N6"));
    QCOMPARE(book.at("N8").number(), 30000.0 - 850 - 12 * 400 - 5 - 1200);

    // A failed write leaves the workbook there whole.
    const std::string before = env->folder.readBytes("Budget2012.XLSX");
    setSafeWriteFailureHook([](SafeWriteStep step) { return step == SafeWriteStep::Write; });
    env->desktop.expectMessage(exportFailedMessage(), Answer::Ok);
    clickExport();
    COINWELL_VERIFY_DESKTOP(env->desktop);
    QCOMPARE(env->folder.readBytes("Budget2012.XLSX"), before);
}

void ExportAndCopyTest::copyPutsATableBesideTheText() {
    storeYear("2012", sampleYear());
    open();
    pickYear("2012");
    env->desktop.expectMessage(budgetCopiedMessage(), Answer::Ok);
    action("mOCopy")->trigger();
    COINWELL_VERIFY_DESKTOP(env->desktop);
    QCOMPARE(env->desktop.clipboardTextCount(), 1);
    QVERIFY(env->desktop.clipboardText().starts_with("2012 Budget\r\n\r\n"));

    // The same rows as cells: names without their filling blanks, the shown amounts and totals.
    const QString html = QString::fromStdString(env->desktop.clipboardHtml());
    QVERIFY(html.contains("<meta charset=\"utf-8\">"));
    QVERIFY(html.contains("<p>2012 Budget</p>"));
    QCOMPARE(html.count("<tr>"), 7);  // the headings, 3 named items, 3 totals
    QVERIFY(html.contains("<tr><th>Item</th><th>Jan</th>"));
    QVERIFY(html.contains("<tr><td>Rent</td><td>850.00</td><td></td>"));
    QVERIFY(!html.contains("<td>5.00</td>"));  // the row without a name is left out
    QVERIFY(html.contains("<tr><th>Total Expenses:</th><td>1250.00</td><td>400.00</td>"));
    QVERIFY(html.contains("<tr><th>Balance:</th><td>1250.00</td>"));
}

QTEST_MAIN(ExportAndCopyTest)
#include "export_and_copy_qtest.moc"
