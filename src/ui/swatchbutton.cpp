// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/swatchbutton.h"

#include "app/qtcolor.h"

#include <QPainter>

SwatchButton::SwatchButton(QWidget *parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::TabFocus);
    setEnabled(false);
}

QSize SwatchButton::sizeHint() const
{
    return {22, 22};
}

void SwatchButton::setColor(Tintora::Color::ColorValue color, const QString &what)
{
    const QString hex = Tintora::Color::buildHex(color);
    const QString name = what.isEmpty() ? hex : QStringLiteral("%1, %2").arg(what, hex);
    if (m_hasColor && color == m_color && accessibleName() == name)
        return;
    m_color = color;
    m_hasColor = true;
    setEnabled(true);
    setToolTip(hex);
    setAccessibleName(name);
    update();
}

void SwatchButton::clearColor()
{
    if (!m_hasColor)
        return;
    m_hasColor = false;
    setEnabled(false);
    setToolTip(QString());
    setAccessibleName(QString());
    update();
}

void SwatchButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect r = rect();
    const QColor frame =
            hasFocus() ? palette().color(QPalette::Highlight) : palette().color(QPalette::Mid);
    painter.fillRect(r, frame);
    const QRect inside = r.adjusted(hasFocus() ? 2 : 1, hasFocus() ? 2 : 1, hasFocus() ? -2 : -1,
                                    hasFocus() ? -2 : -1);
    if (m_hasColor) {
        painter.fillRect(inside, Tintora::toQColor(m_color));
        if (isDown())
            painter.fillRect(inside, QColor(0, 0, 0, 60));
    } else {
        painter.fillRect(inside, palette().color(QPalette::Window));
    }
}
