// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStyledItemDelegate>

namespace Tintora {

// Draws the items of one column with a small swatch of their color before the text: the color
// the model gives under colorRole, a Color::ColorValue as uint. An item of that column without a
// color leaves the swatch's place empty, so that the texts of the column line up. The swatch is
// no taller than the text, so rows keep their height; painting it allocates nothing, so a list
// of a million scrolls as fast as without.
class SwatchDelegate : public QStyledItemDelegate
{
public:
    SwatchDelegate(int colorRole, int column, QObject *parent = nullptr);
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

private:
    int m_colorRole;
    int m_column;
};

} // namespace Tintora
