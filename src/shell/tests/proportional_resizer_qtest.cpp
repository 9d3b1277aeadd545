// Proportional resizing of real widgets: which controls follow the container, what is left to
// layouts and to composite controls, fonts, and controls the screen changes or adds meanwhile.

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QVBoxLayout>

#include "shell/ui/proportional_resizer.h"

using namespace coinwell;

class ProportionalResizerTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void plainContainersAreEnteredCompositeControlsAndLayoutsKeepTheirInsides();
    void fontsFollowTheTighterRatioInPointsOrPixels();
    void styleSheetFontsAreScaledToo();
    void changesAndLateControlsAreKeptAndScaledFromThere();

  private:
    QWidget* make(const char* name, QWidget* parent, QRect geometry) {
        auto* w = new QWidget(parent);
        w->setObjectName(name);
        w->setGeometry(geometry);
        return w;
    }

    std::unique_ptr<QWidget> area_;
    ProportionalResizer* resizer_ = nullptr;
};

void ProportionalResizerTest::init() {
    area_ = std::make_unique<QWidget>();
    area_->resize(400, 300);
    resizer_ = new ProportionalResizer(area_.get());
}

void ProportionalResizerTest::cleanup() {
    area_.reset();
}

void ProportionalResizerTest::
    plainContainersAreEnteredCompositeControlsAndLayoutsKeepTheirInsides() {
    auto* panel = new QFrame(area_.get());
    panel->setGeometry(20, 10, 300, 200);
    // A grid with a label of the screen's own over its corner: the grid is one control.
    auto* grid = new QTableWidget(4, 3, panel);
    grid->setGeometry(10, 10, 200, 100);
    auto* corner = new QLabel(grid);
    corner->setGeometry(1, 1, 30, 20);
    grid->horizontalHeader()->setDefaultSectionSize(50);
    grid->horizontalHeader()->setFixedHeight(24);
    grid->verticalHeader()->setDefaultSectionSize(20);
    grid->verticalHeader()->setFixedWidth(40);
    auto* combo = new QComboBox(panel);
    combo->setEditable(true);
    combo->setGeometry(10, 120, 100, 24);
    // A holder whose layout sizes its content; the keys on the content are placed by hand.
    QWidget* holder = make("holder", panel, {220, 10, 60, 100});
    auto* layout = new QVBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    QWidget* content = make("content", holder, {});
    layout->addWidget(content);
    auto* key = new QPushButton(QStringLiteral("1"), content);
    key->setGeometry(5, 5, 40, 20);
    // Left alone by request, with what is inside; a dialog is a window of its own.
    QWidget* own = make("own", panel, {10, 150, 50, 30});
    own->setProperty("proportionalResize", false);
    QWidget* ownInside = make("ownInside", own, {2, 2, 10, 10});
    auto* dialog = new QDialog(panel);
    dialog->setGeometry(100, 100, 120, 80);
    const QRect dialogGeometry = dialog->geometry();

    area_->show();
    QVERIFY(QTest::qWaitForWindowExposed(area_.get()));
    const QRect lineEditAtDesign = combo->lineEdit()->geometry();
    resizer_->recordDesign();

    area_->resize(800, 600);
    QCOMPARE(resizer_->scale(), (shell::LayoutScale{2.0, 2.0}));
    QCOMPARE(panel->geometry(), QRect(40, 20, 600, 400));
    QCOMPARE(grid->geometry(), QRect(20, 20, 400, 200));
    QCOMPARE(corner->geometry(), QRect(1, 1, 30, 20));
    // Its columns, rows and header bands grow with it.
    QCOMPARE(grid->horizontalHeader()->sectionSize(2), 100);
    QCOMPARE(grid->horizontalHeader()->height(), 48);
    QCOMPARE(grid->verticalHeader()->sectionSize(3), 40);
    QCOMPARE(grid->verticalHeader()->width(), 80);
    QCOMPARE(combo->geometry(), QRect(20, 240, 200, 48));
    // The combo box laid its editor out itself: inside it, not at twice its old place.
    QVERIFY(combo->rect().contains(combo->lineEdit()->geometry()));
    QVERIFY(combo->lineEdit()->geometry() !=
            QRect(lineEditAtDesign.topLeft() * 2, lineEditAtDesign.size() * 2));
    QCOMPARE(holder->geometry(), QRect(440, 20, 120, 200));
    QCOMPARE(content->geometry(), QRect(0, 0, 120, 200));  // the layout's doing
    QCOMPARE(key->geometry(), QRect(10, 10, 80, 40));
    QCOMPARE(own->geometry(), QRect(10, 150, 50, 30));
    QCOMPARE(ownInside->geometry(), QRect(2, 2, 10, 10));
    QCOMPARE(dialog->geometry(), dialogGeometry);

    // Back to the design size: exactly as designed.
    area_->resize(400, 300);
    QCOMPARE(panel->geometry(), QRect(20, 10, 300, 200));
    QCOMPARE(grid->geometry(), QRect(10, 10, 200, 100));
    QCOMPARE(grid->horizontalHeader()->sectionSize(0), 50);
    QCOMPARE(grid->verticalHeader()->width(), 40);
    QCOMPARE(key->geometry(), QRect(5, 5, 40, 20));
}

void ProportionalResizerTest::fontsFollowTheTighterRatioInPointsOrPixels() {
    QWidget* panel = make("panel", area_.get(), {0, 0, 400, 300});
    auto* inherits = new QLabel(QStringLiteral("Loan Amount:"), panel);
    inherits->setGeometry(10, 10, 100, 20);
    auto* pixels = new QLabel(QStringLiteral("0."), panel);
    pixels->setGeometry(10, 40, 100, 30);
    QFont pixelFont = pixels->font();
    pixelFont.setPixelSize(22);
    pixels->setFont(pixelFont);
    auto* points = new QPushButton(QStringLiteral("Show Payments"), panel);
    points->setGeometry(10, 80, 100, 30);
    QFont pointFont = points->font();
    pointFont.setPointSizeF(9.75);
    pointFont.setBold(true);
    points->setFont(pointFont);
    const double inheritedAtDesign = inherits->font().pointSizeF();

    area_->show();
    QVERIFY(QTest::qWaitForWindowExposed(area_.get()));
    resizer_->recordDesign();

    // Three times as wide, one and a half as high: fonts grow by one and a half.
    area_->resize(1200, 450);
    QCOMPARE(inherits->font().pointSizeF(), inheritedAtDesign * 1.5);
    QCOMPARE(pixels->font().pixelSize(), 33);
    QCOMPARE(points->font().pointSizeF(), 9.75 * 1.5);
    QVERIFY(points->font().bold());
    QCOMPARE(points->geometry(), QRect(30, 120, 300, 45));

    // Half as high: the text halves, never below one point.
    area_->resize(1200, 150);
    QCOMPARE(pixels->font().pixelSize(), 11);
    area_->resize(400, 1);
    QVERIFY(points->font().pointSizeF() >= 1.0);
    QVERIFY(points->height() >= 1);
    area_->resize(400, 300);
    QCOMPARE(pixels->font().pixelSize(), 22);
    QCOMPARE(points->font().pointSizeF(), 9.75);
}

void ProportionalResizerTest::styleSheetFontsAreScaledToo() {
    // A style sheet's font wins over the control's own: its sizes follow instead.
    QWidget* content = make("content", area_.get(), {0, 0, 400, 300});
    const QString sheet = QStringLiteral(
        "QLabel { color: #102040; font-size: 12px; }\nQPushButton { font-size:9pt; padding: 2px; "
        "}");
    content->setStyleSheet(sheet);
    auto* label = new QLabel(QStringLiteral("hyp/arcsin"), content);
    label->setGeometry(10, 10, 80, 16);
    auto* key = new QPushButton(QStringLiteral("SIN"), content);
    key->setGeometry(10, 30, 80, 24);
    area_->show();
    QVERIFY(QTest::qWaitForWindowExposed(area_.get()));
    resizer_->recordDesign();
    QCOMPARE(label->font().pixelSize(), 12);

    area_->resize(1000, 450);
    QCOMPARE(content->styleSheet(),
             QStringLiteral("QLabel { color: #102040; font-size: 18px; }\nQPushButton { "
                            "font-size:13.50pt; padding: 2px; }"));
    QCOMPARE(label->font().pixelSize(), 18);
    QCOMPARE(key->font().pointSizeF(), 13.5);
    area_->resize(200, 150);
    QCOMPARE(label->font().pixelSize(), 6);
    area_->resize(400, 300);
    QCOMPARE(content->styleSheet(), sheet);
    QCOMPARE(label->font().pixelSize(), 12);
}

void ProportionalResizerTest::changesAndLateControlsAreKeptAndScaledFromThere() {
    QWidget* panel = make("panel", area_.get(), {0, 0, 400, 300});
    auto* label = new QLabel(QStringLiteral("Minimum"), panel);
    label->setGeometry(10, 10, 100, 20);
    auto* gone = new QLabel(QStringLiteral("Maximum"), panel);
    gone->setGeometry(120, 10, 100, 20);
    area_->show();
    QVERIFY(QTest::qWaitForWindowExposed(area_.get()));
    resizer_->recordDesign();
    int passes = 0;
    connect(resizer_, &ProportionalResizer::rescaled, this, [&passes] { ++passes; });

    area_->resize(800, 600);
    // At twice the size the screen changes a label's text size, drops a control and adds one
    // laid out for the present size.
    QFont big = label->font();
    big.setPointSizeF(30);
    label->setFont(big);
    delete gone;
    auto* late = new QPushButton(QStringLiteral("Print"), panel);
    late->setGeometry(200, 100, 160, 60);
    QFont lateFont = late->font();
    lateFont.setPointSizeF(16);
    late->setFont(lateFont);
    late->show();

    area_->resize(400, 300);
    QCOMPARE(passes, 2);
    QCOMPARE(label->font().pointSizeF(), 15.0);
    QCOMPARE(label->geometry(), QRect(10, 10, 100, 20));
    QCOMPARE(late->geometry(), QRect(100, 50, 80, 30));
    QCOMPARE(late->font().pointSizeF(), 8.0);
}

QTEST_MAIN(ProportionalResizerTest)
#include "proportional_resizer_qtest.moc"
