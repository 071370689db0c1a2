// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color/color.h"
#include "color/loupe.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

#include <optional>

class QScreen;

namespace Tintora {

// One screen's frozen picture, shown over the whole screen, with the loupe beside the pixel
// under the crosshair. It only shows and reports; the screen picker decides what the user's
// moves, clicks and keys do, also across several screens.
class PickerOverlay : public QWidget
{
    Q_OBJECT
public:
    // picture: the screen's picture at its device resolution, its device pixel ratio set.
    // reportTo: the window whose error box shows what goes wrong in the handlers.
    PickerOverlay(QScreen *screen, const QImage &picture, QWidget *reportTo);
    ~PickerOverlay() override;

    const QImage &picture() const { return m_picture; }
    qreal ratio() const { return m_picture.devicePixelRatio(); }
    Loupe::Picture pixels() const;

    // The device pixel the loupe shows, or none while the pointer is on another screen.
    std::optional<QPoint> crosshair() const { return m_crosshair; }
    int zoom() const { return m_layout.cell > 0 ? m_zoom : 0; }
    void setCrosshair(std::optional<QPoint> pixel, int zoom);
    // Where the loupe and its hex label are drawn, in the overlay's logical pixels.
    QRect loupeBox() const;
    QString hexText() const { return m_hexText; }

signals:
    void pointerMoved(QPointF position);
    void pressed(Qt::MouseButton button, QPointF position);
    void released(Qt::MouseButton button, QPointF position);
    void wheelTurned(int steps);
    void keyPressed(int key, Qt::KeyboardModifiers modifiers);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void report(const std::function<void()> &handler);
    QRect deviceBox() const;
    QRect dirtyRect() const;
    void drawLoupe(QPainter &painter) const;

    QImage m_picture;
    QPointer<QWidget> m_reportTo;
    std::optional<QPoint> m_crosshair;
    int m_zoom = Loupe::kDefaultZoom;
    Loupe::Layout m_layout;
    QImage m_loupe; // the magnified cells, made when the crosshair moves, not while painting
    QString m_hexText;
    QColor m_color;
    QFont m_labelFont;
    int m_wheelRemainder = 0;
};

} // namespace Tintora
