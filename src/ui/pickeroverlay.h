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

class LoupeWindow;

// One screen's frozen picture, shown over the whole screen, with the loupe beside the pixel
// under the crosshair. It only shows and reports; the screen picker decides what the user's
// moves, clicks and keys do, also across several screens.
//
// Where the picture came through the X server's shared memory, the server paints it as the
// window's background and the program paints none of it. The loupe has a small window of its
// own, so that a move of the pointer repaints the loupe and nothing of the picture.
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
    // The device pixels of the lens and of its label, to the last pixel of their rims.
    QRegion loupeShape() const;
    // The device pixels of the lens's cell that shows the crosshair's pixel.
    QRect crosshairCell() const;
    QString hexText() const { return m_hexText; }
    // Whether the X server paints the picture, not the program.
    bool paintedByServer() const { return m_serverPainted; }
    // The loupe's window (for tests and benchmarks).
    QWidget *loupeWindow() const;

signals:
    void pointerMoved(QPointF position);
    void pressed(Qt::MouseButton button, QPointF position);
    void released(Qt::MouseButton button, QPointF position);
    void wheelTurned(int steps);
    void keyPressed(int key, Qt::KeyboardModifiers modifiers);

protected:
    QPaintEngine *paintEngine() const override;
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    friend class LoupeWindow;

    void report(const std::function<void()> &handler);
    QRect deviceBox() const;
    QRect labelBox() const;
    void placeLoupe();
    // Both paint in the overlay's device pixels: the picture's pixels in area, and the loupe.
    void drawPicture(QPainter &painter, const QRect &area) const;
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
    bool m_serverPainted = false;
    LoupeWindow *m_loupeWindow;
};

} // namespace Tintora
