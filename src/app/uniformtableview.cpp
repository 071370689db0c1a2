// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/uniformtableview.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QPaintEvent>
#include <QPainter>
#include <QStringListModel>

namespace Tintora {

namespace {

// The vertical header, given a model without rows instead of the table's, so that it keeps no
// sections. QTableView hands its header every model and selection model it is given; this one
// does not take them, which spares connecting it to the table's model and back to its own, a
// fifth of the cost of giving the table its model.
class RowlessHeader : public QHeaderView
{
public:
    explicit RowlessHeader(QWidget *parent) : QHeaderView(Qt::Vertical, parent)
    {
        // A child, so that it outlives the header's own teardown, which disconnects from it.
        QHeaderView::setModel(new QStringListModel(this));
    }
    void setModel(QAbstractItemModel *) override { }
    void setSelectionModel(QItemSelectionModel *selectionModel) override
    {
        if (selectionModel && selectionModel->model() == model())
            QHeaderView::setSelectionModel(selectionModel);
    }
};

} // namespace

UniformTableView::UniformTableView(QWidget *parent) : QTableView(parent)
{
    setVerticalScrollMode(ScrollPerItem);
    setVerticalHeader(new RowlessHeader(this));
    verticalHeader()->hide();
    // The corner button between the headers is placed by QTableView's own geometry code,
    // which this view does not run; with no headers shown it has no place at all.
    setCornerButtonEnabled(false);
    for (QAbstractButton *corner : findChildren<QAbstractButton *>(Qt::FindDirectChildrenOnly))
        corner->hide();
}

void UniformTableView::setModel(QAbstractItemModel *model)
{
    QAbstractItemModel *const old = this->model();
    if (model == old)
        return;
    if (old)
        disconnect(old, nullptr, this, nullptr);
    QTableView::setModel(model); // the rows' geometry is this view's own, not the header's
    if (model) {
        connect(model, &QAbstractItemModel::rowsRemoved, this, [this] { rowsChanged(); });
        connect(model, &QAbstractItemModel::modelReset, this, [this] { rowsChanged(); });
        connect(model, &QAbstractItemModel::layoutChanged, this, [this] { rowsChanged(); });
    }
    rowsChanged();
}

int UniformTableView::uniformRowHeight() const
{
    return qMax(1, verticalHeader()->defaultSectionSize());
}

void UniformTableView::setFirstColumnFillsWidth(bool fills)
{
    m_firstColumnFillsWidth = fills;
    updateGeometries();
}

int UniformTableView::rows() const
{
    return model() ? model()->rowCount(rootIndex()) : 0;
}

int UniformTableView::fullyVisibleRows() const
{
    return qMax(1, viewport()->height() / uniformRowHeight());
}

void UniformTableView::rowsChanged()
{
    updateGeometries();
    viewport()->update();
}

void UniformTableView::rowsInserted(const QModelIndex &parent, int start, int end)
{
    QTableView::rowsInserted(parent, start, end);
    rowsChanged();
}

QRect UniformTableView::visualRect(const QModelIndex &index) const
{
    if (!index.isValid() || index.model() != model() || index.parent() != rootIndex()
        || horizontalHeader()->isSectionHidden(index.column()))
        return {};
    const int height = uniformRowHeight();
    return QRect(columnViewportPosition(index.column()), (index.row() - firstRow()) * height,
                 columnWidth(index.column()), height);
}

QModelIndex UniformTableView::indexAt(const QPoint &point) const
{
    if (!model() || point.y() < 0)
        return {};
    const int row = firstRow() + point.y() / uniformRowHeight();
    const int column = columnAt(point.x());
    if (row >= rows() || column < 0)
        return {};
    return model()->index(row, column, rootIndex());
}

void UniformTableView::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    if (!index.isValid() || index.model() != model())
        return;
    const int row = index.row();
    const int visible = fullyVisibleRows();
    int top = firstRow();
    switch (hint) {
    case EnsureVisible:
        if (row < top)
            top = row;
        else if (row >= top + visible)
            top = row - visible + 1;
        break;
    case PositionAtTop:
        top = row;
        break;
    case PositionAtBottom:
        top = row - visible + 1;
        break;
    case PositionAtCenter:
        top = row - visible / 2;
        break;
    }
    verticalScrollBar()->setValue(top);
    // Columns scroll as a table view scrolls them: a column partly out of sight comes in.
    const int column = index.column();
    const int left = columnViewportPosition(column);
    const int right = left + columnWidth(column);
    const int width = viewport()->width();
    if (left >= 0 && right <= width)
        return;
    if (horizontalScrollMode() == ScrollPerPixel) {
        horizontalScrollBar()->setValue(horizontalHeader()->sectionPosition(column));
        return;
    }
    // The bar counts columns: the first one shown is the leftmost that lets this one fit.
    int first = horizontalHeader()->visualIndex(column);
    if (right > width) {
        for (int room = width - columnWidth(column); first > 0; --first) {
            room -= horizontalHeader()->sectionSize(horizontalHeader()->logicalIndex(first - 1));
            if (room < 0)
                break;
        }
    }
    horizontalScrollBar()->setValue(first);
}

QModelIndex UniformTableView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    const int rowCount = rows();
    const int columnCount = model() ? model()->columnCount(rootIndex()) : 0;
    if (rowCount == 0 || columnCount == 0)
        return {};
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return model()->index(0, 0, rootIndex());
    int row = current.row();
    int column = current.column();
    const bool control = modifiers & Qt::ControlModifier;
    switch (cursorAction) {
    case MoveUp:
        --row;
        break;
    case MoveDown:
        ++row;
        break;
    case MovePageUp:
        row -= fullyVisibleRows();
        break;
    case MovePageDown:
        row += fullyVisibleRows();
        break;
    case MoveHome:
        column = 0;
        if (control)
            row = 0;
        break;
    case MoveEnd:
        column = columnCount - 1;
        if (control)
            row = rowCount - 1;
        break;
    case MoveLeft:
        --column;
        break;
    case MoveRight:
        ++column;
        break;
    case MovePrevious:
        if (--column < 0) {
            column = columnCount - 1;
            row = row > 0 ? row - 1 : rowCount - 1;
        }
        break;
    case MoveNext:
        if (++column >= columnCount) {
            column = 0;
            row = row + 1 < rowCount ? row + 1 : 0;
        }
        break;
    }
    return model()->index(qBound(0, row, rowCount - 1), qBound(0, column, columnCount - 1),
                          rootIndex());
}

int UniformTableView::verticalOffset() const
{
    return firstRow() * uniformRowHeight();
}

void UniformTableView::setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command)
{
    const int rowCount = rows();
    const int columnCount = model() ? model()->columnCount(rootIndex()) : 0;
    if (!selectionModel() || rowCount == 0 || columnCount == 0)
        return;
    const QRect area = rect.normalized();
    const int height = uniformRowHeight();
    const auto rowAtY = [&](int y) {
        return qBound(0, firstRow() + (y < 0 ? -((-y + height - 1) / height) : y / height),
                      rowCount - 1);
    };
    int left = columnAt(area.left());
    int right = columnAt(area.right());
    if (left < 0)
        left = 0;
    if (right < 0)
        right = columnCount - 1;
    if (selectionBehavior() == SelectRows) {
        left = 0;
        right = columnCount - 1;
    }
    const QItemSelection selection(
            model()->index(rowAtY(area.top()), qMin(left, right), rootIndex()),
            model()->index(rowAtY(area.bottom()), qMax(left, right), rootIndex()));
    selectionModel()->select(selection, command);
}

QRegion UniformTableView::visualRegionForSelection(const QItemSelection &selection) const
{
    QRegion region;
    const int first = firstRow();
    const int last = first + viewport()->height() / uniformRowHeight() + 1;
    for (const QItemSelectionRange &range : selection) {
        if (!range.isValid() || range.parent() != rootIndex() || range.bottom() < first
            || range.top() > last)
            continue;
        const QModelIndex topLeft =
                model()->index(qMax(range.top(), first), range.left(), rootIndex());
        const QModelIndex bottomRight =
                model()->index(qMin(range.bottom(), last), range.right(), rootIndex());
        region += visualRect(topLeft).united(visualRect(bottomRight));
    }
    return region;
}

void UniformTableView::updateGeometries()
{
    if (m_firstColumnFillsWidth && horizontalHeader()->count() > 0)
        horizontalHeader()->resizeSection(0, viewport()->width());
    // The columns, as a table view scrolls them.
    const int columnCount = horizontalHeader()->count();
    int columnsInView = 0;
    for (int width = 0, visual = columnCount - 1; visual >= 0; --visual) {
        width += horizontalHeader()->sectionSize(horizontalHeader()->logicalIndex(visual));
        if (width > viewport()->width())
            break;
        ++columnsInView;
    }
    columnsInView = qMax(columnsInView, 1);
    if (horizontalScrollMode() == ScrollPerItem) {
        horizontalScrollBar()->setRange(0, qMax(0, columnCount - columnsInView));
        horizontalScrollBar()->setPageStep(columnsInView);
    } else {
        horizontalScrollBar()->setRange(0, horizontalHeader()->length() - viewport()->width());
        horizontalScrollBar()->setPageStep(viewport()->width());
    }
    // The rows: the bar's value is the first row shown, and the last row can come fully into
    // sight at the bottom.
    const int visible = fullyVisibleRows();
    verticalScrollBar()->setRange(0, qMax(0, rows() - visible));
    verticalScrollBar()->setPageStep(visible);
    verticalScrollBar()->setSingleStep(1);
    QAbstractItemView::updateGeometries();
}

void UniformTableView::scrollContentsBy(int dx, int dy)
{
    if (dx) {
        const int old = horizontalHeader()->offset();
        if (horizontalScrollMode() == ScrollPerItem)
            horizontalHeader()->setOffsetToSectionPosition(horizontalScrollBar()->value());
        else
            horizontalHeader()->setOffset(horizontalScrollBar()->value());
        dx = old - horizontalHeader()->offset();
    }
    // The vertical bar counts rows.
    QAbstractItemView::scrollContentsBy(dx, dy * uniformRowHeight());
}

QSize UniformTableView::viewportSizeHint() const
{
    return QSize(horizontalHeader()->length(),
                 int(qMin<qint64>(qint64(rows()) * uniformRowHeight(), QWIDGETSIZE_MAX)));
}

void UniformTableView::paintEvent(QPaintEvent *event)
{
    QAbstractItemModel *const items = model();
    if (!items || !itemDelegate())
        return;
    QPainter painter(viewport());
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const int height = uniformRowHeight();
    const QRect dirty = event->region().boundingRect();
    const int first = firstRow() + qMax(0, dirty.top()) / height;
    const int last = qMin(rows() - 1, firstRow() + dirty.bottom() / height);
    const int columnCount = horizontalHeader()->count();
    const QModelIndex current = currentIndex();
    const bool focused = (hasFocus() || viewport()->hasFocus()) && current.isValid();
    for (int row = first; row <= last; ++row) {
        for (int column = 0; column < columnCount; ++column) {
            if (horizontalHeader()->isSectionHidden(column))
                continue;
            const int x = columnViewportPosition(column);
            const int width = columnWidth(column);
            if (x > dirty.right() || x + width <= dirty.left())
                continue;
            const QModelIndex index = items->index(row, column, rootIndex());
            QStyleOptionViewItem cell = option;
            cell.rect = QRect(x, (row - firstRow()) * height, width, height);
            if (alternatingRowColors() && (row & 1))
                cell.features |= QStyleOptionViewItem::Alternate;
            if (selectionModel() && selectionModel()->isSelected(index))
                cell.state |= QStyle::State_Selected;
            if (option.state & QStyle::State_Enabled) {
                const bool enabled = items->flags(index) & Qt::ItemIsEnabled;
                if (!enabled)
                    cell.state &= ~QStyle::State_Enabled;
                cell.palette.setCurrentColorGroup(enabled ? QPalette::Normal : QPalette::Disabled);
            }
            if (focused && index == current)
                cell.state |= QStyle::State_HasFocus;
            style()->drawPrimitive(QStyle::PE_PanelItemViewRow, &cell, &painter, this);
            itemDelegateForIndex(index)->paint(&painter, cell, index);
        }
    }
}

} // namespace Tintora
