#pragma once
// The print options panel (SSPanel80) that every printing screen embeds over its content: the
// preview of the screen's document, Printer Font, Page Setup, Exit Print Options, Copy Current
// Page, Print, Enlarge/Normal, Auto Size, the guide-lines option and the font, size and
// orientation readouts with a sample.
//
//   panel_ = new print::PrintPanel(context, print::runPrintPanelSettings(),
//                                  {print::PrintingScreen::Loan, "Labe5"}, centralPanel());
//   panel_->setRebuildDocument([this](print::PageDocument& doc, const auto& settings) {...});
//   ... Print Options:   panel_->openPrintPanel([this] { /* the screen's own steps */ });
//   ... Esc:             panel_->handleEscape();
//   ... each activation: panel_->screenActivated();
//
// The panel fills its parent widget and stays hidden until opened.

#include <QFrame>
#include <QPointer>
#include <QPrinter>
#include <functional>
#include <memory>

#include "common/ui/app_context.h"
#include "print/core/page_document.h"
#include "print/core/print_panel_settings.h"
#include "print/ui/qt_text_measurer.h"

class QGroupBox;
class QLabel;
class QMenu;
class QPrintPreviewWidget;
class QPushButton;
class QRadioButton;

namespace coinwell::print {

class PrintPanel : public QFrame {
    Q_OBJECT
  public:
    struct Options {
        PrintingScreen screen = PrintingScreen::Loan;
        // objectName of the "Print Options" title label on this screen.
        QString titleObjectName = QStringLiteral("Labe5");
        // Where the guide-lines choice ("0"/"1") is kept; by default the screen's record of
        // GColor3.Fil in the current folder.
        std::function<int()> readGuideLines;
        std::function<void(int)> writeGuideLines;
    };

    PrintPanel(AppContext& context, PrintPanelSettings& settings, Options options, QWidget* parent);
    ~PrintPanel() override;

    // The screen's print routine, run by every rebuild.
    void setRebuildDocument(RebuildDocument rebuild) { rebuild_ = std::move(rebuild); }

    // Print Options: resets the font to Times New Roman 14, shows the panel, runs the screen's
    // own steps (which may change the settings, e.g. a stored font, or ask questions), shows
    // the settings in the readouts and builds the document.
    void openPrintPanel(const std::function<void()>& screenSteps = {});
    // Lays the document out again with the current settings and page setup and shows it.
    void rebuildDocument();
    // The screen changed the settings (its text colour): the readouts, the sample and, while the
    // panel shows, the document follow.
    void settingsChanged();
    // Exit Print Options.
    void closePanel();
    bool isShown() const { return shown_; }
    // Esc while the panel shows: Normal when enlarged, otherwise Exit Print Options. False when
    // the panel is not showing (the screen then handles Esc itself).
    bool handleEscape();
    // Each activation of the screen: places Enlarge and Auto Size on the preview's top edge and
    // takes the preview's normal width and left edge.
    void screenActivated();
    void setPanelColor(const QColor& color);

    // Selects a guide-lines option as a click would (0 do not display, 1 display), storing it.
    void chooseGuideLines(int choice);
    bool guideLinesShown() const { return guideLines_; }
    bool enlarged() const { return enlarged_; }

    const PageDocument& document() const { return *document_; }
    // Real font metrics at printer resolution, for screens that measure texts in the printer's
    // font outside the document.
    const TextMeasurer& measurer() const { return measurer_; }
    // An empty area under the sample where a screen puts options of its own (the Budget's
    // gridline choice and Print Graph); its children are laid out by the screen.
    QWidget* screenOptionsArea() const { return screenOptions_; }
    // The room the screen's options need: the column is made that wide at least, and gives
    // them that height, drawing its own controls tighter on a short panel rather than cutting
    // the options off.
    void reserveScreenOptions(QSize size);
    PrintPanelSettings& settings() const { return settings_; }
    QPrinter& printer() { return printer_; }
    QPrintPreviewWidget* preview() const { return preview_; }
    // The page number shown in the preview (from 1).
    int currentPage() const;

    // The buttons, for the screens' own arrangements.
    void chooseFont();
    void pageSetup();
    void copyCurrentPage();
    void printDocument();
    void toggleEnlarge();
    void autoSize();

  signals:
    // After Exit Print Options hid the panel.
    void panelClosed();

  protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    void layoutControls();
    void placePreviewButtons();
    void showReadouts();
    void showOrientation();
    void paperFromPrinter();
    void paintPreview(QPrinter* printer);
    void showZoomMenu(const QPoint& position);
    void focusExit();
    void yield();

    AppContext& context_;
    PrintPanelSettings& settings_;
    Options options_;
    RebuildDocument rebuild_;
    QtTextMeasurer measurer_;
    std::unique_ptr<PageDocument> document_;
    QPrinter printer_;
    bool shown_ = false;
    bool enlarged_ = false;
    bool guideLines_ = false;
    bool paintingPaper_ = false;

    QLabel* title_ = nullptr;
    QPrintPreviewWidget* preview_ = nullptr;
    QPushButton* fontButton_ = nullptr;
    QPushButton* pageSetupButton_ = nullptr;
    QPushButton* exitButton_ = nullptr;
    QPushButton* copyButton_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QPushButton* enlargeButton_ = nullptr;
    QPushButton* autoSizeButton_ = nullptr;
    QGroupBox* displayFrame_ = nullptr;
    QRadioButton* guideOptions_[2] = {nullptr, nullptr};
    QLabel* captions_[3] = {nullptr, nullptr, nullptr};
    QLabel* readouts_[3] = {nullptr, nullptr, nullptr};
    QGroupBox* sampleFrame_ = nullptr;
    QLabel* sample_ = nullptr;
    QWidget* screenOptions_ = nullptr;
    QSize screenOptionsSize_{0, 0};
    QMenu* zoomMenu_ = nullptr;
    QWidget* zoomSource_ = nullptr;  // the widget a right click on the preview reaches
};

}  // namespace coinwell::print
