// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/controls.h"

#include "app/application.h"

#include <QAbstractButton>
#include <QAction>
#include <QHeaderView>
#include <QListView>
#include <QMouseEvent>
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

ComboBox::ComboBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert); // names enter the list only through "Add To List"
    setCompleter(nullptr);                // completion would change the name being typed
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon); // never scans items
    // Equal rows let the drop-down lay out a list of a million names without measuring each.
    if (auto *list = qobject_cast<QListView *>(view()))
        list->setUniformItemSizes(true);
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

StringGrid::StringGrid(QWidget *parent) : QTableView(parent)
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

void StringGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTableView::mouseDoubleClickEvent(event);
    if (onDblClick)
        Application::runHandler(window(), onDblClick);
}

} // namespace Tintora
