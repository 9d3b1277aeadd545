// The grid colours on the real screen: the stored choice applied at opening, the Grid Background
// Selector with its preview and buttons, the grid text colour with its conflict check, the panel
// colour, and the closing question that stores them (read again by the next opening and by the
// Loan Calculator's grid) or leaves the settings file as it was.

#include <QPointer>

#include "budget/core/grid_colors.h"
#include "budget/tests/budget_screen_fixture.h"
#include "budget/ui/export_and_colors.h"
#include "budget/ui/export_panel.h"
#include "common/core/record_file.h"
#include "common/core/settings_files.h"
#include "common/ui/colors.h"
#include "loan/ui/loan_sheet.h"
#include "shell/ui/pictures.h"
#include "shell/ui/table_grid.h"
#include "shell/ui/wallpaper_selector.h"

using namespace coinwell;
using namespace coinwell::budget;

namespace {

const MessageRequest kColorChanges{"Save changes made to Panel and or Text Color?", "Color Changes",
                                   MessageIcon::Question, MessageButtons::YesNo, Answer::Yes};
const MessageRequest kColorConflict{
    "Selected Color would cause a conflict with Text and Background Colors!", "Color Conflict",
    MessageIcon::Critical, MessageButtons::Ok, Answer::Ok};
const MessageRequest kPanelColorQuestion{
    "Select New Color or Use System Default Color?\r\rYes = Color Selection Panel will appear.\r"
    "No = Current System Default Color will be selected.",
    "Panel Color", MessageIcon::Information, MessageButtons::YesNoCancel, Answer::Yes};
const MessageRequest kAllScreensQuestion{
    "Save Panel Color Changes for ALL of the Program Functions?",
    "Complete Program Panel Color Update Option", MessageIcon::Question,
    MessageButtons::YesNoCancel, Answer::No};

// The wallpaper a widget's base brush shows (0 for none), compared with the pictures at the
// brush's size.
int shownPicture(const QWidget* widget) {
    const QBrush brush = widget->palette().brush(QPalette::Base);
    if (brush.style() != Qt::TexturePattern) {
        return 0;
    }
    const QImage shown = brush.texture().toImage();
    for (int n = 1; n <= 16; ++n) {
        const QPixmap picture = loadInstallationPicture("WP" + std::to_string(n) + ".jpg");
        if (!picture.isNull() &&
            picture.scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                    .toImage()
                    .convertToFormat(shown.format()) == shown) {
            return n;
        }
    }
    return -1;
}

void storeRecords(const char* background, const char* textColor) {
    RecordFile file("GColor1.Fil", 20);
    QVERIFY(file.writeText(14, background));
    QVERIFY(file.writeText(15, textColor));
}

}  // namespace

class GridColorsTest : public QObject, public BudgetScreenFixture {
    Q_OBJECT

  private slots:
    void init();
    void cleanup() { finish(); }
    void storedChoiceDressesTheGridAtOpening();
    void selectorShowsItsControlsAndMarksTheStoredPicture();
    void thumbnailFiveIsStoredAndShownNextTimeAndInTheLoanGrid();
    void previewIsDroppedByCancelEscapeAndTheMenuItem();
    void cancelledColourDialogShowsTheStoredPictureAgain();
    void colourAndDefaultBackgroundsAreStored();
    void textColourOfTheBackgroundIsAConflict();
    void textColourReachesBothGridsAndNoLeavesTheFileAsItWas();
    void panelColourGoesToEveryPanelAndIsStoredWithTheGridColours();

  private:
    WallpaperSelector* selector() const { return child<WallpaperSelector>("SSPanel4"); }
    void toggleSelector() { action("mOGB")->trigger(); }
    void clickThumbnail(int index) {
        QTest::mouseClick(child<QLabel>(qPrintable(QStringLiteral("Image3(%1)").arg(index))),
                          Qt::LeftButton);
    }
    void clickSelectorButton(int index) {
        QTest::mouseClick(button(qPrintable(QStringLiteral("Command16(%1)").arg(index))),
                          Qt::LeftButton);
    }
    QColor gridBase() const { return grid()->palette().color(QPalette::Base); }
    QColor gridText() const { return grid()->palette().color(QPalette::Text); }
    QColor defaultColor() const {
        return child<QLineEdit>("Text2")->palette().color(QPalette::Base);
    }
    // Closes the screen with Exit, answering the colour question when one is expected.
    void closeScreen(std::optional<Answer> colorAnswer);
};

void GridColorsTest::init() {
    start();
    parts = &attachExportAndColors;
}

void GridColorsTest::closeScreen(std::optional<Answer> colorAnswer) {
    if (colorAnswer) {
        env->desktop.expectMessage(kColorChanges, *colorAnswer);
    }
    QPointer<BudgetScreen> alive(screen);
    QVERIFY(screen->closeByCommand());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(alive.isNull());
    screen = nullptr;
    COINWELL_VERIFY_DESKTOP(env->desktop);
}

void GridColorsTest::storedChoiceDressesTheGridAtOpening() {
    // A picture and a text colour.
    storeRecords("WP3", "255");
    open();
    QCOMPARE(shownPicture(grid()), 3);
    QCOMPARE(gridText(), QColor(255, 0, 0));
    closeScreen(std::nullopt);

    // A colour number; a text colour that is no colour number is black.
    storeRecords("65535", "dark");
    open();
    QCOMPARE(shownPicture(grid()), 0);
    QCOMPARE(gridBase(), QColor(255, 255, 0));
    QCOMPARE(gridText(), QColor(Qt::black));
    closeScreen(std::nullopt);

    // "Default", an unusable value and a picture that is not there: the window colour.
    for (const char* background : {"Default", "16777216", "Picture", "WP17"}) {
        storeRecords(background, "0");
        open();
        QCOMPARE(shownPicture(grid()), 0);
        QCOMPARE(gridBase(), defaultColor());
        closeScreen(std::nullopt);
    }

    // The Totals grid takes the entry grid's dress when it opens.
    storeRecords("WP9", "32768");
    BudgetYear year;
    year.items[0].name = "Rent";
    year.items[0].amounts[0] = "850.00";
    year.income.fill("2500.00");
    storeYear("2012", year);
    open();
    pickYear("2012");
    QTest::mouseClick(button("Command8"), Qt::LeftButton);
    QVERIFY(screen->totalsShown());
    QCOMPARE(shownPicture(screen->totalsPanel()->grid()), 9);
    QCOMPARE(screen->totalsPanel()->grid()->palette().color(QPalette::Text), QColor(0, 128, 0));
    // No background change while the Totals For Year panel is up.
    QVERIFY(!action("mOGB")->isEnabled());
}

void GridColorsTest::selectorShowsItsControlsAndMarksTheStoredPicture() {
    storeRecords("WP3", "0");
    open();
    WallpaperSelector* panel = selector();
    QVERIFY(!panel->isVisible());
    toggleSelector();
    QVERIFY(panel->isVisible() && panel->isOpen());
    QCOMPARE(labelText("SSPanel4Caption"), QString("Grid Background Selector"));
    QCOMPARE(labelText("Label20"),
             QString("(Budget Grid Background and Text Color will also be used by Actuarial and "
                     "Loan Calculator Grids)"));
    const char* captions[4] = {"&Select Color Background", "Use &Default Background",
                               "Use &Above Background", "&Cancel"};
    for (int i = 0; i < 4; ++i) {
        QPushButton* b = button(qPrintable(QStringLiteral("Command16(%1)").arg(i)));
        QCOMPARE(b->text(), QString(captions[i]));
        QVERIFY(panel->rect().contains(b->geometry()));
    }
    QVERIFY(panel->rect().contains(child<QLabel>("Label20")->geometry()));
    // Centred across the screen's panel.
    const int container = panel->parentWidget()->width();
    QVERIFY(qAbs(panel->x() - (container - panel->width()) / 2) <= 1);
    for (int i = 0; i < 16; ++i) {
        QVERIFY(!child<QLabel>(qPrintable(QStringLiteral("Image3(%1)").arg(i)))->pixmap().isNull());
    }
    // The stored picture's thumbnail is flat inside Shape2; the others are raised.
    auto* shape = child<QFrame>("Shape2");
    QVERIFY(shape->isVisible());
    QVERIFY(shape->geometry().contains(child<QLabel>("Image3(2)")->geometry()));
    QCOMPARE(child<QLabel>("Image3(2)")->frameShadow(), QFrame::Plain);
    QCOMPARE(child<QLabel>("Image3(3)")->frameShadow(), QFrame::Raised);
    QVERIFY(!button("Command16(2)")->isEnabled());
    clickThumbnail(10);
    QVERIFY(button("Command16(2)")->isEnabled());
    QVERIFY(shape->geometry().contains(child<QLabel>("Image3(10)")->geometry()));

    // The menu item closes it again, and the thumbnails are released.
    toggleSelector();
    QVERIFY(!panel->isVisible() && !panel->isOpen());
    QVERIFY(child<QLabel>("Image3(0)")->pixmap().isNull());
}

void GridColorsTest::thumbnailFiveIsStoredAndShownNextTimeAndInTheLoanGrid() {
    open();
    QCOMPARE(shownPicture(grid()), 0);
    toggleSelector();
    clickThumbnail(4);
    // Shown at once as a preview.
    QCOMPARE(shownPicture(grid()), 5);
    clickSelectorButton(2);
    QVERIFY(!selector()->isVisible());
    QCOMPARE(shownPicture(grid()), 5);
    closeScreen(Answer::Yes);
    QCOMPARE(readGridBackground(), std::string("WP5"));
    QCOMPARE(readGridTextColor(), std::string("0"));

    open();
    QCOMPARE(shownPicture(grid()), 5);
    closeScreen(std::nullopt);

    // The Loan Calculator's grid reads the same choice.
    auto* loan = new loan::LoanSheet(env->context, main.get());
    loan->present();
    loan->activate();
    QApplication::processEvents();
    QCOMPARE(shownPicture(loan->grid()), 5);
    QCOMPARE(loan->grid()->textColor(), QColor(Qt::black));
    loan->closeQuietly();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void GridColorsTest::previewIsDroppedByCancelEscapeAndTheMenuItem() {
    storeRecords("WP3", "0");
    const std::string before = env->folder.readBytes("GColor1.Fil");
    open();
    toggleSelector();
    clickThumbnail(7);
    clickThumbnail(1);
    QCOMPARE(shownPicture(grid()), 2);
    clickSelectorButton(3);
    QVERIFY(!selector()->isVisible());
    QCOMPARE(shownPicture(grid()), 3);

    toggleSelector();
    clickThumbnail(7);
    QTest::keyClick(screen, Qt::Key_Escape);
    QVERIFY(screen->isVisible());
    QVERIFY(!selector()->isVisible());
    QCOMPARE(shownPicture(grid()), 3);

    toggleSelector();
    clickThumbnail(7);
    toggleSelector();
    QVERIFY(!selector()->isVisible());
    QCOMPARE(shownPicture(grid()), 3);

    // Nothing was chosen: no question at closing, the file as it was.
    closeScreen(std::nullopt);
    QCOMPARE(hexBytes(env->folder.readBytes("GColor1.Fil")), hexBytes(before));
}

void GridColorsTest::cancelledColourDialogShowsTheStoredPictureAgain() {
    storeRecords("WP3", "0");
    open();
    toggleSelector();
    // The dialog starts from the grid's plain colour (under a picture, the window colour).
    env->desktop.expectColor(toColorNumber(defaultColor()), std::nullopt);
    clickSelectorButton(0);
    COINWELL_VERIFY_DESKTOP(env->desktop);
    QVERIFY(!selector()->isVisible());
    QCOMPARE(shownPicture(grid()), 3);
    closeScreen(std::nullopt);
}

void GridColorsTest::colourAndDefaultBackgroundsAreStored() {
    storeRecords("WP3", "0");
    open();
    toggleSelector();
    env->desktop.expectColor(std::nullopt, 0x00FFFF);
    clickSelectorButton(0);
    QCOMPARE(shownPicture(grid()), 0);
    QCOMPARE(gridBase(), QColor(255, 255, 0));
    // A colour equal to the text colour would hide the entries.
    toggleSelector();
    env->desktop.expectColor(0x00FFFF, 0x000000);
    env->desktop.expectMessage(kColorConflict, Answer::Ok);
    clickSelectorButton(0);
    QCOMPARE(gridBase(), QColor(255, 255, 0));
    closeScreen(Answer::Yes);
    QCOMPARE(readGridBackground(), std::string("65535"));

    open();
    QCOMPARE(gridBase(), QColor(255, 255, 0));
    toggleSelector();
    clickSelectorButton(1);
    QCOMPARE(gridBase(), defaultColor());
    closeScreen(Answer::Yes);
    QCOMPARE(readGridBackground(), std::string("Default"));
}

void GridColorsTest::textColourOfTheBackgroundIsAConflict() {
    storeRecords("255", "0");
    const std::string before = env->folder.readBytes("GColor1.Fil");
    open();
    env->desktop.expectColor(0, 255);
    env->desktop.expectMessage(kColorConflict, Answer::Ok);
    action("mOGT")->trigger();
    COINWELL_VERIFY_DESKTOP(env->desktop);
    QCOMPARE(gridText(), QColor(Qt::black));
    // Cancelled: nothing changes either.
    env->desktop.expectColor(0, std::nullopt);
    action("mOGT")->trigger();
    QCOMPARE(gridText(), QColor(Qt::black));
    closeScreen(std::nullopt);
    QCOMPARE(hexBytes(env->folder.readBytes("GColor1.Fil")), hexBytes(before));
}

void GridColorsTest::textColourReachesBothGridsAndNoLeavesTheFileAsItWas() {
    storeRecords("WP3", "0");
    BudgetYear year;
    year.items[0].name = "Rent";
    year.items[0].amounts[0] = "850.00";
    year.income.fill("2500.00");
    storeYear("2012", year);
    const std::string before = env->folder.readBytes("GColor1.Fil");
    open();
    pickYear("2012");
    QTest::mouseClick(button("Command8"), Qt::LeftButton);
    QVERIFY(screen->totalsShown());
    env->desktop.expectColor(0, 0x800000);
    action("mOGT")->trigger();
    QCOMPARE(gridText(), QColor(0, 0, 128));
    QCOMPARE(screen->totalsPanel()->grid()->palette().color(QPalette::Text), QColor(0, 0, 128));
    QCOMPARE(screen->gridTextColor(), QColor(0, 0, 128));
    QCOMPARE(shownPicture(grid()), 3);

    closeScreen(Answer::No);
    QCOMPARE(hexBytes(env->folder.readBytes("GColor1.Fil")), hexBytes(before));
    open();
    QCOMPARE(gridText(), QColor(Qt::black));
    QCOMPARE(shownPicture(grid()), 3);
}

void GridColorsTest::panelColourGoesToEveryPanelAndIsStoredWithTheGridColours() {
    storeRecords("WP3", "255");
    open();
    env->desktop.expectMessage(kPanelColorQuestion, Answer::Yes);
    env->desktop.expectColor(std::nullopt, 0x008080);
    action("mOC")->trigger();
    COINWELL_VERIFY_DESKTOP(env->desktop);
    const QColor olive(128, 128, 0);
    for (QWidget* panel :
         {static_cast<QWidget*>(screen->centralPanel()), static_cast<QWidget*>(selector()),
          static_cast<QWidget*>(child<ExportPanel>("SSPanel2")),
          static_cast<QWidget*>(screen->totalsPanel())}) {
        QCOMPARE(panel->palette().color(QPalette::Window), olive);
    }
    // Yes: the panel colour, the text colour (the background was not changed through the
    // selector), then the offer to give every screen the panel colour.
    env->desktop.expectMessage(kColorChanges, Answer::Yes);
    env->desktop.expectMessage(kAllScreensQuestion, Answer::No);
    closeScreen(std::nullopt);
    QCOMPARE(readPanelColor(PanelColorScreen::Budget), std::to_string(0x008080));
    QCOMPARE(readGridBackground(), std::string("WP3"));
    QCOMPARE(readGridTextColor(), std::string("255"));

    // No in the panel-colour question: the design colour, stored as "Default".
    open();
    QCOMPARE(screen->centralPanel()->palette().color(QPalette::Window), olive);
    env->desktop.expectMessage(kPanelColorQuestion, Answer::No);
    action("mOC")->trigger();
    QCOMPARE(screen->centralPanel()->palette().color(QPalette::Window), screen->designPanelColor());
    // "Default" is what every screen was given last: no offer this time.
    closeScreen(Answer::Yes);
    QCOMPARE(readPanelColor(PanelColorScreen::Budget), std::string("Default"));
}

QTEST_MAIN(GridColorsTest)
#include "grid_colors_qtest.moc"
