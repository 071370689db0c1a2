// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color/color.h"
#include "color/screenpick.h"

#include <QList>
#include <QObject>
#include <QPoint>
#include <QPointF>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <optional>

class QWidget;

namespace Tintora {

class PickerOverlay;
class PortalColorPicker;

// Picks one color from anywhere on the screen, for a window (or for none: tintora --pick). Where
// the program may read the screen (X11), a picture of every screen is taken at its device
// resolution and shown over it, frozen, one overlay per screen, and the user points at the pixel
// with a loupe; under Wayland the desktop's own picker is asked through the portal. Nothing of
// either exists before the first pick.
class ScreenPicker : public QObject
{
    Q_OBJECT
public:
    explicit ScreenPicker(QWidget *window);
    ~ScreenPicker() override;

    // Starts a pick; the color, once picked, goes to onPicked. A pick over the frozen screens
    // that is under way goes on; a portal pick under way is given up for the new one. Throws
    // PickError when the screens cannot be captured.
    void start();
    bool picking() const;

    std::function<void(Color::ColorValue)> onPicked;
    // Runs when the user cancels a pick (Esc, the right button, the portal's Cancel); a pick
    // that fails throws PickError through the handler instead.
    std::function<void()> onCancelled;

    // The running pick's overlays, one a screen (for tests and benchmarks).
    QList<PickerOverlay *> overlays() const { return m_overlays; }
    int zoom() const { return m_zoom; }

private:
    void startGrab();
    void startPortal();
    void connectOverlay(PickerOverlay *overlay);
    void takeKeyboard();
    void pointerMoved(PickerOverlay *overlay, QPointF position);
    void released(PickerOverlay *overlay, Qt::MouseButton button, QPointF position);
    void zoomBy(int steps);
    void keyPressed(int key, Qt::KeyboardModifiers modifiers);
    void moveCrosshair(PickerOverlay *overlay, QPoint pixel);
    void nudge(QPoint step);
    void finish(std::optional<Color::ColorValue> color);
    void activateWindow();

    QPointer<QWidget> m_window;
    QList<PickerOverlay *> m_overlays;
    PickerOverlay *m_current = nullptr; // the overlay the crosshair is on
    QPoint m_pixel;
    int m_zoom;
    Qt::MouseButton m_pressed = Qt::NoButton; // pressed on an overlay, so its release counts
    // Where the nudges since the pointer last moved by itself sent it, in global coordinates.
    QList<QPointF> m_warpedTo;
    QTimer m_keyboardTimer;
    int m_keyboardTries = 0;
    PortalColorPicker *m_portal = nullptr;
};

} // namespace Tintora
