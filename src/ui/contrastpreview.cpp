// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/contrastpreview.h"

#include <QPainter>

namespace Tintora {

ContrastPreview::ContrastPreview(QWidget *parent) : QWidget(parent) { }

void ContrastPreview::setColors(const QColor &background, const QList<QColor> &texts)
{
    if (background == m_background && texts == m_texts)
        return;
    m_background = background;
    m_texts = texts;
    update();
}

void ContrastPreview::setLines(const QStringList &lines)
{
    if (lines == m_lines)
        return;
    const bool newHeight = lines.size() != m_lines.size();
    m_lines = lines;
    if (newHeight)
        updateGeometry();
    update();
}

QSize ContrastPreview::sizeHint() const
{
    // The width follows the layout: a new text must never resize the window.
    return {96, int(m_lines.size()) * QFontMetrics(font()).lineSpacing() + 10};
}

void ContrastPreview::paintEvent(QPaintEvent *)
{
    // Filled, never stroked, so that the border stays whole at any scale factor.
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::WindowText));
    painter.fillRect(rect().adjusted(1, 1, -1, -1), m_background);
    const QFontMetrics metrics(font());
    const int top = (height() - int(m_lines.size()) * metrics.lineSpacing()) / 2;
    for (qsizetype i = 0; i < m_lines.size() && i < m_texts.size(); ++i) {
        painter.setPen(m_texts.at(i));
        painter.drawText(8, top + int(i) * metrics.lineSpacing() + metrics.ascent(), m_lines.at(i));
    }
}

} // namespace Tintora
