#include "shell/ui/table_grid.h"

#include <QApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QToolTip>

#include <algorithm>
#include <cmath>

#include "common/core/settings_files.h"
#include "common/ui/colors.h"
#include "common/ui/program_folder.h"
#include "common/ui/qt_text.h"
#include "common/ui/twips.h"
#include "shell/core/frame_rules.h"

namespace coinwell {

namespace {

// Whole pixels per cell leave a strip after the last visible cell: the first cells take one
// pixel more, so the visible cells fill the room the twips ask for.
void spreadRemainder(QHeaderView* header, int visibleCells, int twipsEach) {
    const int base = gridCellPixels(twipsEach);
    const int extra = std::clamp(visibleCells * twipsEach / kTwipsPerPixel - visibleCells * base, 0,
                                 std::min(visibleCells, header->count()));
    for (int i = 0; i < extra; ++i) {
        header->resizeSection(i, base + 1);
    }
}

}  // namespace

int gridCellPixels(int twips) {
    return std::max(1, twips / kTwipsPerPixel);
}

TableGrid::TableGrid(GridTextModel* model, QWidget* parent) : QTableView(parent), model_(model) {
    setObjectName(QStringLiteral("Grid1"));
    model_->setParent(this);
    setModel(model_);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    for (QHeaderView* header : {horizontalHeader(), verticalHeader()}) {
        header->setSectionResizeMode(QHeaderView::Fixed);
        header->setSectionsClickable(false);
        header->setHighlightSections(false);
        header->setDefaultAlignment(Qt::AlignCenter);
        header->setMinimumSectionSize(1);
    }
    viewport()->installEventFilter(this);

    corner_ = new QLabel(this);
    corner_->setObjectName(QStringLiteral("Grid1Corner"));
    corner_->setAlignment(Qt::AlignCenter);
    corner_->setAutoFillBackground(true);
    corner_->setBackgroundRole(QPalette::Button);
    corner_->setFrameShape(QFrame::Panel);
    corner_->setFrameShadow(QFrame::Raised);
    connect(horizontalHeader(), &QHeaderView::geometriesChanged, this, &TableGrid::placeCorner);
    connect(verticalHeader(), &QHeaderView::geometriesChanged, this, &TableGrid::placeCorner);
    connect(verticalScrollBar(), &QScrollBar::sliderMoved, this, &TableGrid::showScrollTip);

    backColor_ = palette().color(QPalette::Base);
}

void TableGrid::loadStoredAppearance() {
    backColor_ = QApplication::palette().color(QPalette::Base);
    textColor_ = QColor(Qt::black);
    picture_ = QPixmap();
    const std::string background = readGridBackground();
    if (const auto wallpaper = wallpaperNumber(background)) {
        const QString file = findInstallationFile(QStringLiteral("WP%1.jpg").arg(*wallpaper));
        if (!file.isEmpty()) {
            picture_ = QPixmap(file);
        }
    } else if (const auto color = shell::parseColorNumber(background)) {
        backColor_ = toQColor(*color);
    }
    if (const auto color = shell::parseColorNumber(readGridTextColor())) {
        textColor_ = toQColor(*color);
    }

    QPalette shown = palette();
    if (picture_.isNull()) {
        shown.setColor(QPalette::Base, backColor_);
    } else {
        shown.setBrush(QPalette::Base, QBrush(picture_.scaled(size(), Qt::IgnoreAspectRatio,
                                                              Qt::SmoothTransformation)));
    }
    shown.setColor(QPalette::Text, textColor_);
    setPalette(shown);
    applyHighlight();
}

void TableGrid::setHighlight(Highlight highlight) {
    highlight_ = highlight;
    applyHighlight();
}

void TableGrid::applyHighlight() {
    const bool shown =
        highlight_ == Highlight::Always || (highlight_ == Highlight::WithFocus && hasFocus());
    const QPalette system = QApplication::palette();
    QPalette colours = palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        colours.setColor(
            group, QPalette::Highlight,
            shown ? system.color(QPalette::Active, QPalette::Highlight) : QColor(Qt::transparent));
        colours.setColor(
            group, QPalette::HighlightedText,
            shown ? system.color(QPalette::Active, QPalette::HighlightedText) : textColor_);
    }
    setPalette(colours);
}

void TableGrid::focusInEvent(QFocusEvent* event) {
    // Getting the focus does not make a cell current: only the user or the screen moves the
    // current cell (a screen enables its commands by the current cell's text).
    const bool hadCurrent = currentIndex().isValid();
    {
        const QSignalBlocker block(selectionModel());
        QTableView::focusInEvent(event);
        if (!hadCurrent && currentIndex().isValid()) {
            selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
        }
    }
    applyHighlight();
}

void TableGrid::focusOutEvent(QFocusEvent* event) {
    QTableView::focusOutEvent(event);
    applyHighlight();
}

void TableGrid::showCornerPicture(const QPixmap& design, const shell::LayoutScale& scale) {
    QPixmap picture = design;
    const QSize designSize = picture.isNull() ? QSize(64, 64) : picture.size();
    const QSize shown(std::max(1, static_cast<int>(std::lround(designSize.width() * scale.x))),
                      std::max(1, static_cast<int>(std::lround(designSize.height() * scale.y))));
    if (!picture.isNull() && shown != designSize) {
        picture = picture.scaled(shown, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    verticalHeader()->setFixedWidth(shown.width());
    horizontalHeader()->setFixedHeight(shown.height());
    corner_->setText(QString());
    if (picture.isNull()) {
        corner_->clear();
    } else {
        corner_->setPixmap(picture);
    }
    placeCorner();
}

void TableGrid::showCornerText(const QString& text) {
    corner_->setPixmap(QPixmap());
    corner_->setText(text);
    placeCorner();
}

void TableGrid::placeCorner() {
    const int frame = frameWidth();
    corner_->setGeometry(frame, frame, verticalHeader()->width(), horizontalHeader()->height());
    corner_->raise();
}

GridTwips TableGrid::twips() const {
    return {pixelsToTwips(height()), pixelsToTwips(width()),
            pixelsToTwips(horizontalHeader()->height()), pixelsToTwips(verticalHeader()->width())};
}

void TableGrid::applyFit(const GridFit& fit, const std::function<void()>& showContent) {
    setHorizontalScrollBarPolicy(fit.horizontal() ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(fit.vertical() ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    verticalHeader()->setDefaultSectionSize(gridCellPixels(fit.rowHeight));
    horizontalHeader()->setDefaultSectionSize(gridCellPixels(fit.columnWidth));
    if (showContent) {
        showContent();
    }
    doItemsLayout();
    spreadRemainder(verticalHeader(), kVisibleGridRows, fit.rowHeight);
    spreadRemainder(horizontalHeader(), kVisibleGridColumns, fit.columnWidth);
    if (showContent) {
        horizontalScrollBar()->setValue(0);
        verticalScrollBar()->setValue(0);
    }
}

void TableGrid::emptyGrid(int gridRows) {
    model_->showEmpty(gridRows, model_->gridColumns());
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int availH = pixelsToTwips(height() - horizontalHeader()->height()) - 30;
    verticalHeader()->setDefaultSectionSize(gridCellPixels(availH / kVisibleGridRows));
}

GridSelection TableGrid::selection() const {
    GridSelection selected;
    const QModelIndex current = currentIndex();
    if (!current.isValid()) {
        return selected;
    }
    selected.row = selected.rowSel = current.row() + 1;
    selected.column = selected.columnSel = current.column() + 1;
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        if (range.contains(current)) {
            selected.rowSel = (current.row() == range.top() ? range.bottom() : range.top()) + 1;
            selected.columnSel =
                (current.column() == range.left() ? range.right() : range.left()) + 1;
            break;
        }
    }
    return selected;
}

void TableGrid::showScrollTip(int value) {
    const int row = value + 1;
    const QString tip = toQString(scrollTipText(row, model_->gridText(row, 0)));
    QScrollBar* bar = verticalScrollBar();
    bar->setToolTip(tip);
    QToolTip::showText(bar->mapToGlobal(QPoint(-8, bar->height() / 2)), tip, bar);
}

bool TableGrid::eventFilter(QObject* watched, QEvent* event) {
    if (watched == viewport() &&
        (event->type() == QEvent::MouseButtonPress ||
         event->type() == QEvent::MouseButtonDblClick ||
         event->type() == QEvent::MouseButtonRelease) &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        // The right button only brings up the popup: the selection to copy or print stays.
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

}  // namespace coinwell
