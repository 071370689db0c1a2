// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window's controls with the change notifications the color handlers are built on: a value
// set from code notifies exactly when it really changes, at once, before the setter returns; a
// value changed by the user notifies through Application::runHandler. Handlers set by code run
// inside the running handler, so their errors travel up to the one handler that Qt called.

#include <QColor>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QStringListModel>
#include <QTableView>

#include <functional>

class QAbstractButton;
class QAction;

namespace Tintora {

using Handler = std::function<void()>;

// Shows a window's events to a filter before its widgets get them: the window's own and those of
// every widget in it, also of widgets added later. The filter returns true to stop an event.
// Events of other windows are never seen, so a window keeps its rules to itself. Keep it as a
// member of the window (a std::unique_ptr), so that it goes before the window's widgets do and
// never calls into a window that is being destroyed.
class WindowEventFilter : public QObject
{
    Q_OBJECT
public:
    using Filter = std::function<bool(QWidget *widget, QEvent *event)>;
    WindowEventFilter(QWidget *window, Filter filter);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void watch(QWidget *widget);
    Filter m_filter;
};

// Connects a button's click or an action's trigger to a handler.
void onClick(QAbstractButton *button, Handler handler);
void onTrigger(QAction *action, Handler handler);

// Qt's own setters (setText, setValue, setChecked) change a value silently. The three controls
// below hide them, so that code cannot pass by the change notifications by mistake; their
// initial values come with the constructor.

// Single-line text field.
class Edit : public QLineEdit
{
    Q_OBJECT
public:
    explicit Edit(const QString &text = {}, QWidget *parent = nullptr);
    // Sets the text; when it differs from the current text the change handler runs once.
    void assign(const QString &text);
    Handler onChange;

private:
    using QLineEdit::setText;
};

// Horizontal scroll bar.
class ScrollBar : public QScrollBar
{
    Q_OBJECT
public:
    ScrollBar(int minimum, int maximum, int position, QWidget *parent = nullptr);
    int position() const { return value(); }
    // Clamps into the range; when the position really changes the change handler runs once.
    void setPosition(int position);
    Handler onChange;

private:
    using QScrollBar::setValue;
    bool m_assigning = false;
};

// Radio button whose click handler also runs when it is checked from code.
class RadioButton : public QRadioButton
{
    Q_OBJECT
public:
    explicit RadioButton(const QString &text, bool checked = false, QWidget *parent = nullptr);
    // Checks it; if it was unchecked its siblings are unchecked and the click handler runs.
    void check();
    Handler onClick;

private:
    using QRadioButton::setChecked;
};

// A table view whose rows all have one height, the vertical header's default section size. It
// keeps nothing for each row: QTableView's vertical header keeps a section for every row and
// walks them all on each insert and removal, which a million rows turn into milliseconds. Here
// a row is found by arithmetic, so a million rows cost what ten do to add, remove, lay out,
// scroll and paint. The vertical scroll bar steps a row at a time. Columns are the horizontal
// header's, as in any table view; rows are neither hidden, resized nor moved.
class UniformTableView : public QTableView
{
    Q_OBJECT
public:
    explicit UniformTableView(QWidget *parent = nullptr);
    void setModel(QAbstractItemModel *model) override;
    QRect visualRect(const QModelIndex &index) const override;
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;
    QModelIndex indexAt(const QPoint &point) const override;
    int uniformRowHeight() const;
    // The height the delegate asks for the row's cells.
    int measuredRowHeight(int row) const { return sizeHintForRow(row); }
    // The first column takes the whole width (a list of one column, as in a drop-down).
    void setFirstColumnFillsWidth(bool fills);

protected:
    void paintEvent(QPaintEvent *event) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    int verticalOffset() const override;
    void setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection &selection) const override;
    void updateGeometries() override;
    void scrollContentsBy(int dx, int dy) override;
    void rowsInserted(const QModelIndex &parent, int start, int end) override;
    QSize viewportSizeHint() const override;

private:
    int rows() const;
    int firstRow() const { return verticalScrollBar()->value(); }
    int fullyVisibleRows() const;
    void rowsChanged();

    // What the vertical header is given instead of the model, so that it keeps no sections.
    QStringListModel m_noRows;
    bool m_firstColumnFillsWidth = false;
};

// Editable combo box: setting its text from code runs nothing; the click handler runs only for
// an item the user chose, after the text has become that item's. Its drop-down lists its items
// in a UniformTableView, which opens at once on a million.
class ComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit ComboBox(QWidget *parent = nullptr);
    QString text() const { return currentText(); }
    void setText(const QString &text) { setEditText(text); }
    void showPopup() override;
    Handler onClick;

private:
    UniformTableView *m_popup;
};

// Label that reports clicks.
class Label : public QLabel
{
    Q_OBJECT
public:
    explicit Label(const QString &text, QWidget *parent = nullptr);
    Handler onClick;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};

// A filled rectangle with a one-pixel black outline.
class Shape : public QWidget
{
    Q_OBJECT
public:
    explicit Shape(QWidget *parent = nullptr);
    QColor brushColor() const { return m_brush; }
    void setBrushColor(const QColor &color);
    Handler onMouseDown;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QColor m_brush = Qt::white;
};

// Table of strings shown through a model; reports double clicks.
class StringGrid : public UniformTableView
{
    Q_OBJECT
public:
    explicit StringGrid(QWidget *parent = nullptr);
    // The row of the current cell; 0 when no cell is current.
    int currentRow() const;
    // A double click on a row, or Enter on the current row from the keyboard.
    Handler onDblClick;

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace Tintora
