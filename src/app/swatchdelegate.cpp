// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/swatchdelegate.h"

#include "color/color.h"

#include <QApplication>
#include <QPainter>

namespace Tintora {

SwatchDelegate::SwatchDelegate(int colorRole, int column, QObject *parent)
    : QStyledItemDelegate(parent), m_colorRole(colorRole), m_column(column)
{ }

void SwatchDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (index.column() != m_column)
        return;
    // The style makes room for a decoration and places it; the swatch is painted there. The
    // icon stays null, so the style itself paints nothing in that place.
    const int side = qMax(4, option->fontMetrics.height() - 4);
    option->features |= QStyleOptionViewItem::HasDecoration;
    option->decorationSize = QSize(side, side);
    option->decorationPosition = QStyleOptionViewItem::Left;
    option->decorationAlignment = Qt::AlignCenter;
    option->showDecorationSelected = true; // a selected row is highlighted behind it too
}

void SwatchDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                           const QModelIndex &index) const
{
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QWidget *widget = option.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);
    if (index.column() != m_column)
        return;
    const QVariant value = index.data(m_colorRole);
    if (!value.isValid())
        return;
    const auto color = Color::ColorValue(value.toUInt());
    const QRect swatch = style->subElementRect(QStyle::SE_ItemViewItemDecoration, &item, widget);
    // Edged in the text's color, so that a swatch of the background's own color shows too.
    const bool selected = item.state & QStyle::State_Selected;
    painter->fillRect(swatch,
                      item.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->fillRect(swatch.adjusted(1, 1, -1, -1),
                      QColor(Color::red(color), Color::green(color), Color::blue(color)));
}

} // namespace Tintora
