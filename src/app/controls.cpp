// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/controls.h"

#include "app/application.h"

#include <QAbstractButton>
#include <QAction>
#include <QHeaderView>
#include <QKeyEvent>
#include <QListView>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace Tintora {

WindowEventFilter::WindowEventFilter(QWidget *window, Filter filter) : m_filter(std::move(filter))
{
    watch(window);
}

void WindowEventFilter::watch(QWidget *widget)
{
    widget->installEventFilter(this);
    for (QWidget *child : widget->findChildren<QWidget *>())
        child->installEventFilter(this);
}

bool WindowEventFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ChildAdded) {
        if (auto *child = qobject_cast<QWidget *>(static_cast<QChildEvent *>(event)->child()))
            watch(child);
    }
    if (auto *widget = qobject_cast<QWidget *>(watched); widget && m_filter(widget, event))
        return true;
    return QObject::eventFilter(watched, event);
}

void onClick(QAbstractButton *button, Handler handler)
{
    QObject::connect(button, &QAbstractButton::clicked, button,
                     [button, handler = std::move(handler)] {
                         Application::runHandler(button->window(), handler);
                     });
}

void onTrigger(QAction *action, Handler handler)
{
    QObject::connect(action, &QAction::triggered, action, [action, handler = std::move(handler)] {
        auto *window = qobject_cast<QWidget *>(action->parent());
        Application::runHandler(window ? window->window() : nullptr, handler);
    });
}

Edit::Edit(const QString &text, QWidget *parent) : QLineEdit(text, parent)
{
    // textEdited comes from the user only; changes from code notify in assign().
    connect(this, &QLineEdit::textEdited, this, [this] {
        if (onChange)
            Application::runHandler(window(), onChange);
    });
}

void Edit::assign(const QString &text)
{
    if (text == QLineEdit::text())
        return;
    setText(text);
    if (onChange)
        onChange();
}

ScrollBar::ScrollBar(int minimum, int maximum, int position, QWidget *parent)
    : QScrollBar(Qt::Horizontal, parent)
{
    setRange(minimum, maximum);
    setValue(position);
    connect(this, &QScrollBar::valueChanged, this, [this] {
        if (!m_assigning && onChange)
            Application::runHandler(window(), onChange);
    });
}

void ScrollBar::setPosition(int position)
{
    position = qBound(minimum(), position, maximum());
    if (position == value())
        return;
    m_assigning = true;
    setValue(position);
    m_assigning = false;
    if (onChange)
        onChange();
}

RadioButton::RadioButton(const QString &text, bool checked, QWidget *parent)
    : QRadioButton(text, parent)
{
    setChecked(checked);
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (onClick)
            Application::runHandler(window(), onClick);
    });
}

void RadioButton::check()
{
    if (isChecked())
        return;
    setChecked(true); // auto-exclusive: unchecks the siblings
    if (onClick)
        onClick();
}

UniformTableView::UniformTableView(QWidget *parent) : QTableView(parent)
{
    setVerticalScrollMode(ScrollPerItem);
    verticalHeader()->setModel(&m_noRows);
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
    QTableView::setModel(model);
    // The header saw the model for a moment, when it had few rows if any; from now on it
    // keeps no sections, and the rows' geometry is this view's own.
    verticalHeader()->setModel(&m_noRows);
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

ComboBox::ComboBox(QWidget *parent) : QComboBox(parent), m_popup(new UniformTableView(this))
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert); // names enter the list only through "Add To List"
    setCompleter(nullptr);                // completion would change the name being typed
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon); // never scans items
    // A list view lays out every item the first time it shows; a million names took a tenth
    // of a second before the drop-down opened. The drop-down's rows are laid out by arithmetic.
    m_popup->setFirstColumnFillsWidth(true);
    m_popup->setShowGrid(false);
    m_popup->horizontalHeader()->hide();
    m_popup->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_popup->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_popup->setWordWrap(false);
    setView(m_popup);
    // When the line edit loses focus, QComboBox looks the typed text up among the items and, if
    // it is there, selects it and reports it as activated: typing a name already in the list
    // and clicking "Add To List" would pick that entry (its color replacing the current one)
    // before the click. Typing is not choosing; only a pick from the list is.
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    connect(this, &QComboBox::activated, this, [this] {
        if (onClick)
            Application::runHandler(window(), onClick);
    });
}

void ComboBox::showPopup()
{
    // Every row as high as the item the drop-down opens at, measured as the view measures it.
    if (count() > 0)
        m_popup->verticalHeader()->setDefaultSectionSize(
                qMax(1, m_popup->measuredRowHeight(qMax(0, currentIndex()))));
    QComboBox::showPopup();
}

Label::Label(const QString &text, QWidget *parent) : QLabel(text, parent) { }

void Label::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void Label::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton
            && rect().contains(event->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click && onClick)
        Application::runHandler(window(), onClick);
}

Shape::Shape(QWidget *parent) : QWidget(parent) { }

void Shape::setBrushColor(const QColor &color)
{
    if (color == m_brush)
        return;
    m_brush = color;
    update();
}

void Shape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.setBrush(m_brush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void Shape::mousePressEvent(QMouseEvent *event)
{
    QWidget::mousePressEvent(event);
    if (onMouseDown)
        Application::runHandler(window(), onMouseDown);
}

namespace {

// Draws the grid's lines between columns only; rows run on without lines between them.
class ColumnLineDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        painter->save();
        painter->setPen(option.palette.color(QPalette::Mid));
        painter->drawLine(option.rect.topRight(), option.rect.bottomRight());
        painter->restore();
    }
};

} // namespace

StringGrid::StringGrid(QWidget *parent) : UniformTableView(parent)
{
    setShowGrid(false);
    setItemDelegate(new ColumnLineDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // A double click picks the row's color; editing starts from the keyboard (F2 or typing).
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setWordWrap(false);
}

int StringGrid::currentRow() const
{
    const QModelIndex index = currentIndex();
    return index.isValid() ? index.row() : 0;
}

void StringGrid::keyPressEvent(QKeyEvent *event)
{
    const bool choose = (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
            && event->modifiers() == Qt::NoModifier && state() != EditingState;
    if (!choose) {
        QTableView::keyPressEvent(event);
        return;
    }
    event->accept();
    if (onDblClick)
        Application::runHandler(window(), onDblClick);
}

void StringGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTableView::mouseDoubleClickEvent(event);
    if (onDblClick)
        Application::runHandler(window(), onDblClick);
}

} // namespace Tintora
