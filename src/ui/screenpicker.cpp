// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/screenpicker.h"

#include "app/portalcolorpicker.h"
#include "color/loupe.h"
#include "core/error.h"
#include "core/memory.h"
#include "ui/pickeroverlay.h"
#include "ui/sharedmemorygrab.h"

#include <QCursor>
#include <QDBusConnection>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <QtMath>

#include <algorithm>
#include <utility>

namespace Tintora {

namespace {

// How long the overlay tries to take the keyboard: the X server refuses a grab until the
// overlay is on the screen, which takes a moment after it is shown.
constexpr int kKeyboardInterval = 10;
constexpr int kKeyboardTries = 200;
// The nudges whose pointer moves are still told apart from the user's: more than a held key
// sends before the X server answers.
constexpr qsizetype kWarpsRemembered = 32;

bool onX11()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

} // namespace

ScreenPicker::ScreenPicker(QWidget *window)
    : QObject(window), m_window(window), m_zoom(Loupe::kDefaultZoom)
{
    m_keyboardTimer.setInterval(kKeyboardInterval);
    connect(&m_keyboardTimer, &QTimer::timeout, this, [this] { takeKeyboard(); });
}

ScreenPicker::~ScreenPicker()
{
    qDeleteAll(std::exchange(m_overlays, {}));
}

bool ScreenPicker::picking() const
{
    return !m_overlays.isEmpty() || (m_portal && m_portal->busy());
}

void ScreenPicker::start()
{
    if (!m_overlays.isEmpty())
        return; // the screens are frozen already; the overlay has the keyboard
    const ScreenPick::Method method = ScreenPick::methodFor(
            QGuiApplication::platformName(), qEnvironmentVariable("WAYLAND_DISPLAY"),
            qEnvironmentVariable("XDG_SESSION_TYPE"));
    if (method == ScreenPick::Method::Portal)
        startPortal();
    else
        startGrab();
}

void ScreenPicker::startPortal()
{
    if (!m_portal) {
        m_portal = new PortalColorPicker(m_window, QDBusConnection::sessionBus());
        if (!m_window)
            m_portal->setParent(this); // no window to own it: it goes with the picker
        m_portal->onFinished = [this] { activateWindow(); };
        m_portal->onPicked = [this](Color::ColorValue color) {
            if (onPicked)
                onPicked(color);
        };
        m_portal->onCancelled = [this] {
            if (onCancelled)
                onCancelled();
        };
    }
    // The portal puts its picker in front of the window it names.
    QString parentWindow;
    if (onX11() && m_window)
        parentWindow = QStringLiteral("x11:") + QString::number(m_window->window()->winId(), 16);
    m_portal->pick(parentWindow);
}

void ScreenPicker::startGrab()
{
    struct Shot
    {
        QScreen *screen;
        QImage picture;
    };
    // Every picture is taken before the first overlay shows, so that none of them shows one.
    QList<Shot> shots;
    for (QScreen *screen : QGuiApplication::screens()) {
        // Shared memory spares the X server a 32 MB copy through the socket at 4K, and the
        // program the copy into a pixmap and out again.
        QImage picture = SharedMemoryGrab::grab(screen);
        if (picture.isNull()) {
            const QPixmap pixmap = screen->grabWindow(0);
            if (pixmap.isNull())
                throw PickError(ScreenPick::unavailable(
                        tr("the screen %1 could not be captured").arg(screen->name())));
            picture = pixmap.toImage();
            picture.setDevicePixelRatio(pixmap.devicePixelRatio());
        }
        shots.append({screen, std::move(picture)});
    }
    if (shots.isEmpty())
        throw PickError(ScreenPick::unavailable(tr("there is no screen")));

    for (const Shot &shot : std::as_const(shots)) {
        auto *overlay = new PickerOverlay(shot.screen, shot.picture, m_window);
        connectOverlay(overlay);
        m_overlays.append(overlay);
    }
    const QPoint pointer = QCursor::pos();
    PickerOverlay *under = m_overlays.constFirst();
    for (PickerOverlay *overlay : std::as_const(m_overlays)) {
        if (overlay->geometry().contains(pointer))
            under = overlay;
        overlay->show();
    }
    // The loupe shows at once where the pointer is, before it moves.
    moveCrosshair(under,
                  Loupe::pixelUnder(QPointF(pointer - under->geometry().topLeft()), under->ratio(),
                                    under->picture().size()));
    m_keyboardTries = 0;
    m_keyboardTimer.start();
    takeKeyboard();
}

void ScreenPicker::connectOverlay(PickerOverlay *overlay)
{
    connect(overlay, &PickerOverlay::pointerMoved, this,
            [this, overlay](QPointF position) { pointerMoved(overlay, position); });
    connect(overlay, &PickerOverlay::pressed, this, [this](Qt::MouseButton button, QPointF) {
        if (button == Qt::LeftButton || button == Qt::RightButton)
            m_pressed = button;
    });
    connect(overlay, &PickerOverlay::released, this,
            [this, overlay](Qt::MouseButton button, QPointF position) {
                released(overlay, button, position);
            });
    connect(overlay, &PickerOverlay::wheelTurned, this, [this](int steps) { zoomBy(steps); });
    connect(overlay, &PickerOverlay::keyPressed, this,
            [this](int key, Qt::KeyboardModifiers modifiers) { keyPressed(key, modifiers); });
}

void ScreenPicker::takeKeyboard()
{
    PickerOverlay *overlay = m_current;
    QWindow *handle = overlay ? overlay->windowHandle() : nullptr;
    if (!handle || !handle->isExposed()) {
        if (++m_keyboardTries >= kKeyboardTries)
            m_keyboardTimer.stop();
        return;
    }
    // Active, the overlay keeps the main window's shortcuts from firing under it; grabbed, the
    // keyboard cannot wander off to another program while the screen is frozen.
    overlay->activateWindow();
    overlay->setFocus();
    overlay->grabKeyboard();
    const bool grabbed = !onX11() || handle->setKeyboardGrabEnabled(true);
    if (grabbed || ++m_keyboardTries >= kKeyboardTries)
        m_keyboardTimer.stop();
}

void ScreenPicker::pointerMoved(PickerOverlay *overlay, QPointF position)
{
    // The pointer's own move to where a nudge sent it: the nudge was finer than the pointer can
    // be placed at some ratios, so the crosshair stays on the nudged pixel. Nudges in quick
    // succession (a key held down, a busy machine) may each be answered late, after the next
    // nudge, or only the last of them at all; any move that is not one of them is the user's.
    const QPointF global = overlay->mapToGlobal(position);
    const bool echo = std::any_of(m_warpedTo.cbegin(), m_warpedTo.cend(), [&](QPointF target) {
        return (global - target).manhattanLength() < 1.0;
    });
    if (echo)
        return;
    m_warpedTo.clear();
    moveCrosshair(overlay,
                  Loupe::pixelUnder(position, overlay->ratio(), overlay->picture().size()));
}

void ScreenPicker::released(PickerOverlay *overlay, Qt::MouseButton button, QPointF position)
{
    if (button != m_pressed)
        return; // a release whose press went elsewhere, such as the click that started the pick
    m_pressed = Qt::NoButton;
    if (button == Qt::RightButton) {
        finish(std::nullopt);
    } else if (button == Qt::LeftButton) {
        if (overlay != m_current)
            pointerMoved(overlay, position);
        if (m_current)
            finish(Loupe::colorAt(m_current->pixels(), m_pixel));
    }
}

void ScreenPicker::zoomBy(int steps)
{
    for (; steps > 0; --steps)
        m_zoom = Loupe::zoomIn(m_zoom);
    for (; steps < 0; ++steps)
        m_zoom = Loupe::zoomOut(m_zoom);
    if (m_current)
        m_current->setCrosshair(m_pixel, m_zoom);
}

void ScreenPicker::keyPressed(int key, Qt::KeyboardModifiers modifiers)
{
    const int step = modifiers.testFlag(Qt::ShiftModifier) ? 10 : 1;
    switch (key) {
    case Qt::Key_Escape:
        finish(std::nullopt);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (m_current)
            finish(Loupe::colorAt(m_current->pixels(), m_pixel));
        break;
    case Qt::Key_Left:
        nudge(QPoint(-step, 0));
        break;
    case Qt::Key_Right:
        nudge(QPoint(step, 0));
        break;
    case Qt::Key_Up:
        nudge(QPoint(0, -step));
        break;
    case Qt::Key_Down:
        nudge(QPoint(0, step));
        break;
    case Qt::Key_Plus:
    case Qt::Key_Equal: // + without Shift on most layouts
        zoomBy(1);
        break;
    case Qt::Key_Minus:
        zoomBy(-1);
        break;
    default:
        break;
    }
}

void ScreenPicker::moveCrosshair(PickerOverlay *overlay, QPoint pixel)
{
    if (m_current && m_current != overlay)
        m_current->setCrosshair(std::nullopt, m_zoom);
    m_current = overlay;
    m_pixel = pixel;
    overlay->setCrosshair(pixel, m_zoom);
}

void ScreenPicker::nudge(QPoint step)
{
    if (!m_current)
        return;
    moveCrosshair(m_current, Loupe::nudge(m_pixel, step, m_current->picture().size()));
    // The pointer follows, as near as its logical coordinates allow, so that the mouse goes on
    // from the nudged pixel.
    const QPointF centre = m_current->mapToGlobal(Loupe::centreOf(m_pixel, m_current->ratio()));
    const QPoint target(qFloor(centre.x()), qFloor(centre.y())); // in the pixel at ratio 1
    // Where no pointer move ever answers (Wayland), the list stays short.
    if (m_warpedTo.size() == kWarpsRemembered)
        m_warpedTo.removeFirst();
    m_warpedTo.append(QPointF(target));
    QCursor::setPos(m_current->screen(), target);
}

void ScreenPicker::finish(std::optional<Color::ColorValue> color)
{
    m_keyboardTimer.stop();
    for (PickerOverlay *overlay : std::exchange(m_overlays, {})) {
        overlay->releaseKeyboard();
        overlay->hide();
        // The picture goes with its overlay, which may be the one whose event is running.
        connect(overlay, &QObject::destroyed, this, [] { Memory::releaseAfterPicture(); });
        overlay->deleteLater();
    }
    m_current = nullptr;
    m_pressed = Qt::NoButton;
    m_warpedTo.clear();
    activateWindow();
    if (color && onPicked)
        onPicked(*color);
    else if (!color && onCancelled)
        onCancelled();
}

void ScreenPicker::activateWindow()
{
    if (!m_window)
        return;
    QWidget *window = m_window->window();
    window->raise();
    window->activateWindow();
}

} // namespace Tintora
