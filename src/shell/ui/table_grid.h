#pragma once
// The table grid of the Loan and Actuarial Calculators (Grid1): a fixed header row and first
// column, the screen's picture in the top-left cell, 16 rows and 3 columns in view with scroll
// bars beyond, the stored grid background and text colour (shared with the Home Budget grid), a
// selection highlight that can be hidden, and the tip " Row r: … " while the vertical scroll
// box is dragged. The right mouse button never moves the selection: it only brings up the
// screen's popup menu.

#include <functional>

#include <QColor>
#include <QPixmap>
#include <QTableView>

#include "common/core/grid_fit.h"
#include "shell/core/proportional_layout.h"
#include "shell/ui/grid_text_model.h"

class QLabel;

namespace coinwell {

// The grid's current cell and the other end of its selection, as grid rows and columns (the
// header row and first column are row 0 and column 0); all 0 when no cell is current.
struct GridSelection {
    int row = 0;
    int column = 0;
    int rowSel = 0;
    int columnSel = 0;
};

// The grid's size and its header row and first column, in twips.
struct GridTwips {
    int height = 0;
    int width = 0;
    int headerRowHeight = 0;
    int firstColumnWidth = 0;
};

// A cell size in whole pixels, never larger than the twips ask (so the visible cells fit).
int gridCellPixels(int twips);

class TableGrid : public QTableView {
    Q_OBJECT
  public:
    // When the selection shows: never, always, or while the grid has the focus.
    enum class Highlight { Never, Always, WithFocus };

    TableGrid(GridTextModel* model, QWidget* parent);

    GridTextModel* gridModel() const { return model_; }
    std::string gridText(int row, int column) const { return model_->gridText(row, column); }

    // The stored grid background (a wallpaper picture, a colour or the window colour) and text
    // colour; a text colour that is not a colour number leaves black.
    void loadStoredAppearance();
    QColor textColor() const { return textColor_; }

    void setHighlight(Highlight highlight);
    Highlight highlight() const { return highlight_; }

    // The top-left cell shows the picture; the first column and header row take its size, both
    // following the window's scale so that a resized screen keeps the proportions of its design.
    void showCornerPicture(const QPixmap& design, const shell::LayoutScale& scale);
    // The top-left cell shows a text instead (the header row and first column keep their size).
    void showCornerText(const QString& text);
    QLabel* corner() const { return corner_; }

    GridTwips twips() const;
    // Shows the content put in place by showContent() with the fit's scroll bars and cell sizes:
    // the 16 rows and 3 columns in view fill the room the fit gives them to the pixel. Without
    // showContent the content, the selection and the scroll positions stay (a grid resized with
    // its window).
    void applyFit(const GridFit& fit, const std::function<void()>& showContent);
    // Empties the grid to the given number of rows, keeping its columns; nothing needs
    // scrolling.
    void emptyGrid(int gridRows);

    GridSelection selection() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void placeCorner();
    void applyHighlight();
    void showScrollTip(int value);

    GridTextModel* model_;
    QLabel* corner_ = nullptr;
    QPixmap picture_;  // wallpaper behind the cells, if any
    QColor backColor_;
    QColor textColor_ = Qt::black;
    Highlight highlight_ = Highlight::WithFocus;
};

}  // namespace coinwell
