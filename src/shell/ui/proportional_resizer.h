#pragma once
// Proportional resizing of the controls inside a widget: once the design is recorded, every
// resize of the container moves and sizes each control under it in proportion (x and width with
// the width ratio, y and height with the height ratio) and scales its font by the smaller ratio.
//
//   auto* resizer = new ProportionalResizer(area);   // watches area's resizes
//   resizer->recordDesign();                           // the controls as they stand now
//
// Which controls: every widget under the container that is not a window, reached through plain
// containers (QWidget, QFrame, QGroupBox, QStackedWidget, or any widget with the property
// "proportionalContainer" set to true). A composite control such as a grid, a list or a combo
// box is one control: its insides are its own. A widget managed by a QLayout is left to its
// layout (its own children are still scaled). A widget with the property "proportionalResize"
// set to false is left alone together with everything inside it.
//
// A table's rows and columns follow too: the headers' default section sizes and a header kept at
// a fixed width or height scale with the table (sections sized one by one are the table's own).
//
// A style sheet on a control has its font sizes ("font-size: 12px", "9pt") scaled the same way,
// since a style sheet's font overrides the control's own.
//
// A control the screen moves, resizes or gives another font between two resizes keeps what it
// was given and scales from there; a control created after the design was recorded is taken as
// laid out for the container's size at that moment.

#include <QFont>
#include <QHash>
#include <QHeaderView>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSet>
#include <QWidget>
#include <vector>

#include "shell/core/proportional_layout.h"

namespace coinwell {

class ProportionalResizer : public QObject {
    Q_OBJECT
  public:
    // Installs itself on the container; owned by it.
    explicit ProportionalResizer(QWidget* container);

    QWidget* container() const { return container_; }

    // Restricts the resizing to these children of the container and what is inside them
    // (by default every child).
    void setRoots(const QList<QWidget*>& roots);
    // The widget's size follows the container, its place is left to whoever places it.
    void keepPlace(QWidget* widget);

    // Takes the container's present size and every control's geometry and font as the design.
    // Until then, resizes change nothing.
    void recordDesign();
    bool designRecorded() const { return recorded_; }

    // Lays the controls out for the container's present size (done on each of its resizes).
    void apply();

    shell::LayoutScale scale() const { return layout_.scale(); }
    shell::LayoutSize designSize() const { return layout_.designSize(); }

  signals:
    // After each proportional pass.
    void rescaled();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Control {
        QPointer<QWidget> widget;
        std::size_t index = 0;
        QRect applied;
        QFont appliedFont;
        QFont designFont;
        bool pixelFont = false;
        bool keepPlace = false;
        // The control's own style sheet as designed, at font scale designSheetScale.
        QString designSheet;
        double designSheetScale = 1.0;
        QString appliedSheet;
    };
    // One header of a table: its default section size and its fixed extent across (-1: none).
    struct Header {
        QPointer<QHeaderView> header;
        double designDefault = 0;
        double designFixed = -1;
        int appliedDefault = 0;
        int appliedFixed = -1;
    };

    std::vector<QWidget*> controlsNow() const;
    void collect(QWidget* widget, std::vector<QWidget*>& out) const;
    Control& controlFor(QWidget* widget);
    void takeScreenChanges(Control& control);
    void layOut(Control& control);
    void takeHeaderChanges(Header& header);
    void layOutHeader(Header& header);
    void findHeaders(QWidget* widget);

    QPointer<QWidget> container_;
    QList<QPointer<QWidget>> roots_;
    bool rootsSet_ = false;
    QSet<QWidget*> keepPlace_;
    shell::ProportionalLayout layout_;
    std::vector<Control> controls_;
    std::vector<Header> headers_;
    QHash<QWidget*, std::size_t> known_;
    bool recorded_ = false;
    bool applying_ = false;
};

}  // namespace coinwell
