// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/stringgrid.h"

#include "app/application.h"
#include "app/swatchdelegate.h"
#include "lists/colorlistmodel.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>

namespace Tintora {

namespace {

// Draws the grid's lines between columns only; rows run on without lines between them. The
// value column (1) shows a swatch of each entry's color beside its value.
class ColumnLineDelegate : public SwatchDelegate
{
public:
    explicit ColumnLineDelegate(QObject *parent)
        : SwatchDelegate(ColorListModel::kColorRole, 1, parent)
    { }
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        SwatchDelegate::paint(painter, option, index);
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
