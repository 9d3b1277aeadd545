#include "print/ui/print_panel.h"

#include <algorithm>

#include <QEvent>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPageLayout>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <cmath>

#include "common/core/number_text.h"
#include "common/ui/colors.h"
#include "common/ui/qt_text.h"
#include "common/ui/twips.h"
#include "print/ui/guide_lines_setting.h"
#include "print/ui/page_renderer.h"

namespace coinwell::print {

namespace {

// Geometry of the panel in pixels.
constexpr int kGap = 6;
constexpr int kColumnWidth = 200;
constexpr int kButtonHeight = 26;
constexpr int kEnlargedInset = 5;  // 75 twips: the enlarged preview is the panel's width less this
constexpr int kPictureDotsPerInch = 150;

}  // namespace

PrintPanel::PrintPanel(AppContext& context, PrintPanelSettings& settings, Options options,
                       QWidget* parent)
    : QFrame(parent),
      context_(context),
      settings_(settings),
      options_(std::move(options)),
      document_(std::make_unique<PageDocument>(measurer_)),
      printer_(QPrinter::HighResolution) {
    setObjectName(QStringLiteral("SSPanel80"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);

    printer_.setFullPage(true);
    printer_.setPageSize(QPageSize(QPageSize::Letter));
    printer_.setPageOrientation(QPageLayout::Portrait);
    printer_.setDocName(QStringLiteral("Coinwell"));

    if (!options_.readGuideLines) {
        const PrintingScreen screen = options_.screen;
        options_.readGuideLines = [screen] { return readGuideLinesChoice(screen); };
        options_.writeGuideLines = [screen](int choice) { writeGuideLinesChoice(screen, choice); };
    }

    buildControls();
    showReadouts();
    showOrientation();

    // The stored guide-lines choice is selected when the screen loads.
    guideLines_ = options_.readGuideLines() == 1;
    guideOptions_[guideLines_ ? 1 : 0]->setChecked(true);

    if (parent != nullptr) {
        parent->installEventFilter(this);
        setGeometry(parent->rect());
    }
    hide();
}

PrintPanel::~PrintPanel() = default;

void PrintPanel::buildControls() {
    title_ = new QLabel(QStringLiteral("Print Options"), this);
    title_->setObjectName(options_.titleObjectName);
    title_->setAlignment(Qt::AlignCenter);
    QFont titleFont = title_->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.2);
    title_->setFont(titleFont);

    preview_ = new QPrintPreviewWidget(&printer_, this);
    preview_->setObjectName(QStringLiteral("VSPrinter1"));
    preview_->setZoomMode(QPrintPreviewWidget::FitInView);
    connect(preview_, &QPrintPreviewWidget::paintRequested, this, &PrintPanel::paintPreview);
    // A right click lands on the page view inside the preview, which never passes it on: the
    // view itself opens the zoom menu.
    zoomSource_ = preview_->findChild<QGraphicsView*>();
    if (zoomSource_ == nullptr) {
        zoomSource_ = preview_;
    }
    zoomSource_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(zoomSource_, &QWidget::customContextMenuRequested, this, &PrintPanel::showZoomMenu);

    const QString captions[5] = {QStringLiteral("Printer &Font"), QStringLiteral("&Page Setup"),
                                 QStringLiteral("&Exit Print Options"),
                                 QStringLiteral("C&opy Current Page"), QStringLiteral("&Print")};
    QPushButton** buttons[5] = {&fontButton_, &pageSetupButton_, &exitButton_, &copyButton_,
                                &printButton_};
    for (int i = 0; i < 5; ++i) {
        auto* button = new QPushButton(captions[i], this);
        button->setObjectName(QStringLiteral("SSCommand80(%1)").arg(i));
        *buttons[i] = button;
    }
    connect(fontButton_, &QPushButton::clicked, this, &PrintPanel::chooseFont);
    connect(pageSetupButton_, &QPushButton::clicked, this, &PrintPanel::pageSetup);
    connect(exitButton_, &QPushButton::clicked, this, &PrintPanel::closePanel);
    connect(copyButton_, &QPushButton::clicked, this, &PrintPanel::copyCurrentPage);
    connect(printButton_, &QPushButton::clicked, this, &PrintPanel::printDocument);

    enlargeButton_ = new QPushButton(QStringLiteral("Enlarge"), this);
    enlargeButton_->setObjectName(QStringLiteral("SSCommand1"));
    autoSizeButton_ = new QPushButton(QStringLiteral("Auto Size"), this);
    autoSizeButton_->setObjectName(QStringLiteral("SSCommand2"));
    connect(enlargeButton_, &QPushButton::clicked, this, &PrintPanel::toggleEnlarge);
    connect(autoSizeButton_, &QPushButton::clicked, this, &PrintPanel::autoSize);

    displayFrame_ = new QGroupBox(QStringLiteral("Display Options"), this);
    displayFrame_->setObjectName(QStringLiteral("SSFrame80"));
    const QString guideCaptions[2] = {QStringLiteral("Do Not Display Guide Lines"),
                                      QStringLiteral("Display Guide Lines")};
    for (int i = 0; i < 2; ++i) {
        guideOptions_[i] = new QRadioButton(guideCaptions[i], displayFrame_);
        guideOptions_[i]->setObjectName(QStringLiteral("SSOption82(%1)").arg(i));
        guideOptions_[i]->setGeometry(8, 18 + i * 20, kColumnWidth - 16, 20);
        connect(guideOptions_[i], &QRadioButton::clicked, this, [this, i] { chooseGuideLines(i); });
    }

    // Label80(1) "Printer Font:" over Panel3D80(0), Label80(0) "Font Size:" over Panel3D80(1),
    // Label80(2) "Orientation:" over Panel3D80(2).
    const int captionIndex[3] = {1, 0, 2};
    const QString captionTexts[3] = {QStringLiteral("Printer Font:"), QStringLiteral("Font Size:"),
                                     QStringLiteral("Orientation:")};
    for (int i = 0; i < 3; ++i) {
        captions_[i] = new QLabel(captionTexts[i], this);
        captions_[i]->setObjectName(QStringLiteral("Label80(%1)").arg(captionIndex[i]));
        readouts_[i] = new QLabel(this);
        readouts_[i]->setObjectName(QStringLiteral("Panel3D80(%1)").arg(i));
        readouts_[i]->setFrameShape(QFrame::Panel);
        readouts_[i]->setFrameShadow(QFrame::Sunken);
        readouts_[i]->setAutoFillBackground(true);
        readouts_[i]->setBackgroundRole(QPalette::Base);
    }

    sampleFrame_ = new QGroupBox(QStringLiteral("Sample"), this);
    sampleFrame_->setObjectName(QStringLiteral("Frame3"));
    sample_ = new QLabel(QStringLiteral("AaBbYyZz"), sampleFrame_);
    sample_->setObjectName(QStringLiteral("Panel3d82"));
    sample_->setAlignment(Qt::AlignCenter);
    sample_->setFrameShape(QFrame::Panel);
    sample_->setFrameShadow(QFrame::Sunken);
    sample_->setAutoFillBackground(true);
    sample_->setBackgroundRole(QPalette::Base);

    screenOptions_ = new QWidget(this);
    screenOptions_->setObjectName(QStringLiteral("screenOptions"));

    zoomMenu_ = new QMenu(this);
    zoomMenu_->setObjectName(QStringLiteral("zoomMenu"));
    const QString zoomCaptions[4] = {QStringLiteral("Whole &Page"), QStringLiteral("Page &Width"),
                                     QStringLiteral("&Two Pages"), QStringLiteral("Thumb&nail")};
    for (int i = 0; i < 4; ++i) {
        QAction* action = zoomMenu_->addAction(zoomCaptions[i]);
        action->setObjectName(QStringLiteral("zoomMenu(%1)").arg(i));
        connect(action, &QAction::triggered, this, [this, i] {
            switch (i) {
                case 0:
                    preview_->setViewMode(QPrintPreviewWidget::SinglePageView);
                    preview_->fitInView();
                    break;
                case 1:
                    preview_->setViewMode(QPrintPreviewWidget::SinglePageView);
                    preview_->fitToWidth();
                    break;
                case 2:
                    preview_->setViewMode(QPrintPreviewWidget::FacingPagesView);
                    preview_->fitInView();
                    break;
                default:
                    preview_->setViewMode(QPrintPreviewWidget::AllPagesView);
                    break;
            }
        });
    }
    layoutControls();
}

void PrintPanel::layoutControls() {
    const int w = width();
    const int h = height();
    const int columnWidth = std::max(kColumnWidth, screenOptionsSize_.width());
    const int columnLeft = std::max(kGap, w - columnWidth - kGap);
    const QRect normalPreview(kGap, kGap, std::max(50, columnLeft - 2 * kGap),
                              std::max(50, h - 2 * kGap));
    if (enlarged_) {
        preview_->setGeometry(normalPreview.left(), normalPreview.top(),
                              std::max(50, w - kEnlargedInset), normalPreview.height());
    } else {
        preview_->setGeometry(normalPreview);
    }

    // A column too short for the screen's options draws its buttons and readouts tighter.
    constexpr int kMinSampleHeight = 60;
    constexpr int kFullColumnHeight = 451;  // everything above the options, the sample smallest
    const int reserved = screenOptionsSize_.height() > 0 ? screenOptionsSize_.height() + kGap : 0;
    const bool tight = h < kFullColumnHeight + reserved;
    const int buttonHeight = tight ? kButtonHeight - 2 : kButtonHeight;
    const int buttonSpacing = tight ? 2 : 4;
    const int readoutSpacing = tight ? 2 : 4;

    int y = kGap;
    title_->setGeometry(columnLeft, y, columnWidth, 24);
    y += 28;
    for (QPushButton* button :
         {fontButton_, pageSetupButton_, exitButton_, copyButton_, printButton_}) {
        button->setGeometry(columnLeft, y, columnWidth, buttonHeight);
        y += buttonHeight + buttonSpacing;
    }
    y += 4;
    displayFrame_->setGeometry(columnLeft, y, columnWidth, 62);
    y += 68;
    for (int i = 0; i < 3; ++i) {
        captions_[i]->setGeometry(columnLeft, y, columnWidth, 16);
        y += 17;
        readouts_[i]->setGeometry(columnLeft, y, columnWidth, 22);
        y += 22 + readoutSpacing;
    }
    const int sampleHeight = std::clamp(h - y - kGap - reserved, kMinSampleHeight, 110);
    sampleFrame_->setGeometry(columnLeft, y, columnWidth, sampleHeight);
    sample_->setGeometry(8, 18, columnWidth - 16, sampleHeight - 26);
    y += sampleHeight + kGap;
    screenOptions_->setGeometry(columnLeft, y, columnWidth,
                                std::max({0, screenOptionsSize_.height(), h - y - kGap}));
    placePreviewButtons();
}

void PrintPanel::reserveScreenOptions(QSize size) {
    screenOptionsSize_ = size.expandedTo(QSize(0, 0));
    layoutControls();
}

void PrintPanel::placePreviewButtons() {
    // On the preview's top edge, 3 % of its height high (but tall enough to read).
    const QRect area = preview_->geometry();
    const int height = std::max(20, static_cast<int>(std::lround(area.height() * 0.03)));
    const int width = 80;
    autoSizeButton_->setGeometry(area.right() - width - 20, area.top(), width, height);
    enlargeButton_->setGeometry(area.right() - 2 * width - 24, area.top(), width, height);
    enlargeButton_->raise();
    autoSizeButton_->raise();
}

void PrintPanel::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    layoutControls();
}

bool PrintPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize) {
        setGeometry(parentWidget()->rect());
    }
    return QFrame::eventFilter(watched, event);
}

void PrintPanel::screenActivated() {
    placePreviewButtons();
    if (!enlarged_) {
        settings_.normalPreviewWidth = pixelsToTwips(preview_->width());
        settings_.normalPreviewLeft = pixelsToTwips(preview_->x());
    }
}

void PrintPanel::setPanelColor(const QColor& color) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, color);
    setPalette(palette);
    for (QWidget* frame :
         {static_cast<QWidget*>(displayFrame_), static_cast<QWidget*>(sampleFrame_)}) {
        QPalette framePalette = frame->palette();
        framePalette.setColor(QPalette::Window, color);
        frame->setPalette(framePalette);
    }
    // Around the pages the preview shows its own scene, grey unless told otherwise.
    if (auto* view = preview_->findChild<QGraphicsView*>(); view != nullptr && view->scene()) {
        view->scene()->setBackgroundBrush(color);
    }
}

void PrintPanel::showReadouts() {
    readouts_[0]->setText(toQString(settings_.fontName + " "));
    readouts_[1]->setText(toQString(plainNumberText(settings_.fontSize) + " "));
    QFont font(toQString(settings_.fontName));
    font.setPointSizeF(std::max(1.0f, settings_.fontSize));
    font.setBold(settings_.bold);
    font.setItalic(settings_.italic);
    font.setUnderline(settings_.underline);
    font.setStrikeOut(settings_.strikethrough);
    sample_->setFont(font);
    QPalette palette = sample_->palette();
    palette.setColor(QPalette::WindowText, toQColor(settings_.color));
    sample_->setPalette(palette);
}

void PrintPanel::showOrientation() {
    readouts_[2]->setText(printer_.pageLayout().orientation() == QPageLayout::Landscape
                              ? QStringLiteral(" Landscape")
                              : QStringLiteral(" Portrait"));
}

void PrintPanel::focusExit() {
    exitButton_->setFocus(Qt::OtherFocusReason);
}

void PrintPanel::yield() {
    context_.desktop.processEvents();
}

void PrintPanel::openPrintPanel(const std::function<void()>& screenSteps) {
    settings_.resetForOpening();
    fontButton_->setEnabled(true);
    pageSetupButton_->setEnabled(true);
    showReadouts();
    shown_ = true;
    show();
    raise();
    enlargeButton_->raise();
    autoSizeButton_->raise();
    focusExit();
    yield();
    if (screenSteps) {
        screenSteps();
        showReadouts();
    }
    rebuildDocument();
}

void PrintPanel::paperFromPrinter() {
    const QPageLayout layout = printer_.pageLayout();
    const QSizeF points = layout.pageSize().size(QPageSize::Point);
    document_->setPaper({static_cast<int>(std::lround(points.width() * 20)),
                         static_cast<int>(std::lround(points.height() * 20))});
    document_->setOrientation(layout.orientation() == QPageLayout::Landscape
                                  ? Orientation::Landscape
                                  : Orientation::Portrait);
}

void PrintPanel::rebuildDocument() {
    document_ = std::make_unique<PageDocument>(measurer_);
    paperFromPrinter();
    document_->setFont(settings_.font());
    document_->setTextColor(settings_.color);
    document_->setLineColor(settings_.color);
    if (rebuild_) {
        rebuild_(*document_, settings_);
    }
    preview_->updatePreview();
}

void PrintPanel::settingsChanged() {
    showReadouts();
    if (shown_) {
        rebuildDocument();
    }
}

void PrintPanel::paintPreview(QPrinter* printer) {
    QPainter painter(printer);
    RenderOptions options;
    options.guideLines = guideLines_ && !paintingPaper_;
    const auto& pages = document_->pages();
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0) {
            printer->newPage();
        }
        paintPage(painter, pages[i], printer->resolution(), options);
    }
}

int PrintPanel::currentPage() const {
    return preview_->currentPage();
}

void PrintPanel::closePanel() {
    shown_ = false;
    hide();
    yield();
    emit panelClosed();
}

bool PrintPanel::handleEscape() {
    if (!shown_) {
        return false;
    }
    if (enlarged_) {
        toggleEnlarge();
    } else {
        closePanel();
    }
    return true;
}

void PrintPanel::chooseFont() {
    FontChoice start;
    start.family = settings_.fontName;
    start.pointSize = settings_.fontSize;
    start.bold = settings_.bold;
    start.italic = settings_.italic;
    start.underline = settings_.underline;
    start.strikeout = settings_.strikethrough;
    start.color = settings_.color;
    const std::optional<FontChoice> chosen = context_.desktop.chooseFont(start);
    if (!chosen) {
        return;
    }
    settings_.fontName = chosen->family;
    settings_.fontSize = static_cast<float>(chosen->pointSize);
    settings_.bold = chosen->bold;
    settings_.italic = chosen->italic;
    settings_.underline = chosen->underline;
    settings_.strikethrough = chosen->strikeout;
    settings_.color = chosen->color;
    showReadouts();
    rebuildDocument();
}

void PrintPanel::pageSetup() {
    context_.desktop.choosePageSetup(printer_);
    showOrientation();
    yield();
    rebuildDocument();
}

void PrintPanel::copyCurrentPage() {
    const auto& pages = document_->pages();
    if (!pages.empty()) {
        const int index = std::clamp(currentPage(), 1, static_cast<int>(pages.size())) - 1;
        context_.desktop.setClipboardImage(
            pageImage(pages[static_cast<std::size_t>(index)], kPictureDotsPerInch));
    }
    context_.desktop.message({"Current Page has been copied to the Windows Clipboard.",
                              "Copy Option", MessageIcon::Information, MessageButtons::Ok,
                              Answer::Ok});
    focusExit();
}

void PrintPanel::printDocument() {
    const QPageLayout before = printer_.pageLayout();
    if (!context_.desktop.choosePrinter(printer_)) {
        return;
    }
    if (!printer_.pageLayout().isEquivalentTo(before) ||
        printer_.pageLayout().orientation() != before.orientation()) {
        // Paper or orientation chosen in the print dialog: lay the pages out for it.
        showOrientation();
        rebuildDocument();
    }
    const auto& pages = document_->pages();
    QProgressDialog progress(QStringLiteral("Now printing Page 1 of"), QStringLiteral("Cancel"), 0,
                             static_cast<int>(pages.size()), this);
    progress.setObjectName(QStringLiteral("printProgress"));
    progress.setWindowTitle(QStringLiteral("Printing..."));
    progress.setWindowModality(Qt::WindowModal);
    // A printer cannot ink the paper's very edge: on paper the page starts at the corner of the
    // printable area, while a PDF file takes the whole sheet as the preview shows it.
    printer_.setFullPage(printer_.outputFormat() != QPrinter::NativeFormat);
    paintingPaper_ = true;
    bool cancelled = false;
    const bool printed = printPages(printer_, pages, [&progress, &cancelled](int index, int) {
        progress.setLabelText(QStringLiteral("Now printing Page %1 of").arg(index + 1));
        progress.setValue(index);
        cancelled = progress.wasCanceled();
        return !cancelled;
    });
    paintingPaper_ = false;
    printer_.setFullPage(true);
    progress.setValue(progress.maximum());
    if (!printed && !cancelled) {
        // A printer or file that refused the pages must not pass for a finished print.
        context_.desktop.message({"The document could not be printed.", "Printing...",
                                  MessageIcon::Exclamation, MessageButtons::Ok, Answer::Ok});
    }
}

void PrintPanel::toggleEnlarge() {
    if (!enlarged_) {
        enlarged_ = true;
        enlargeButton_->setText(QStringLiteral("Normal"));
        layoutControls();
        preview_->setViewMode(QPrintPreviewWidget::SinglePageView);
        preview_->fitToWidth();
        preview_->raise();
        placePreviewButtons();
    } else {
        enlarged_ = false;
        enlargeButton_->setText(QStringLiteral("Enlarge"));
        layoutControls();
        preview_->setViewMode(QPrintPreviewWidget::SinglePageView);
        preview_->fitInView();
        preview_->raise();
        placePreviewButtons();
        focusExit();
    }
    yield();
}

void PrintPanel::autoSize() {
    paperFromPrinter();
    autoSizeFont(*document_, settings_, autoSizeLetters(options_.screen), [this] { yield(); });
    showReadouts();
    preview_->raise();
    placePreviewButtons();
    focusExit();
    rebuildDocument();
}

void PrintPanel::chooseGuideLines(int choice) {
    guideOptions_[choice == 1 ? 1 : 0]->setChecked(true);
    guideLines_ = choice == 1;
    if (options_.writeGuideLines) {
        options_.writeGuideLines(guideLines_ ? 1 : 0);
    }
    preview_->updatePreview();
}

void PrintPanel::showZoomMenu(const QPoint& position) {
    // A scroll area reports the position on its viewport.
    const auto* view = qobject_cast<QAbstractScrollArea*>(zoomSource_);
    zoomMenu_->popup(view != nullptr ? view->viewport()->mapToGlobal(position)
                                     : zoomSource_->mapToGlobal(position));
}

}  // namespace coinwell::print
