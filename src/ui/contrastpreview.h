// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QList>
#include <QStringList>
#include <QWidget>

namespace Tintora {

// A painted sample: the background filled, the sample sentences' names written on it in their
// text colors, in a frame of the window's ink.
class ContrastPreview : public QWidget
{
    Q_OBJECT
public:
    explicit ContrastPreview(QWidget *parent = nullptr);

    void setColors(const QColor &background, const QList<QColor> &texts);
    void setLines(const QStringList &lines);
    QColor background() const { return m_background; }
    QList<QColor> textColors() const { return m_texts; }
    QStringList lines() const { return m_lines; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_background = Qt::white;
    QList<QColor> m_texts;
    QStringList m_lines;
};

} // namespace Tintora
