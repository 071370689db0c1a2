// SPDX-License-Identifier: GPL-3.0-or-later
// Picking from the screen on a real X server: from the command to the frozen screen shown, and
// the loupe's repaint for each move of the pointer. scripts/bench.sh runs it on an Xvfb screen
// of 3840 x 2160, the picture a 4K monitor gives.
#include "benchsupport.h"

#include "color/loupe.h"
#include "ui/pickeroverlay.h"
#include "ui/screenpicker.h"
#include "ui/sharedmemorygrab.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

using Tintora::PickerOverlay;
using Tintora::ScreenPicker;

bool onX11(benchmark::State &state)
{
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        return true;
    state.SkipWithError("needs an X server (scripts/bench.sh runs it under Xvfb)");
    return false;
}

void addScreenSize(benchmark::State &state)
{
    const QSize size = QGuiApplication::primaryScreen()->size()
            * QGuiApplication::primaryScreen()->devicePixelRatio();
    state.counters["screen_width"] = size.width();
    state.counters["screen_height"] = size.height();
}

// Waits, processing events, until the overlay of the primary screen has been put on the screen
// and painted: a widget window paints and flushes as it handles its first expose.
PickerOverlay *waitForOverlay(ScreenPicker *picker)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < deadline) {
        if (!picker->overlays().isEmpty()) {
            PickerOverlay *overlay = picker->overlays().constFirst();
            if (overlay->windowHandle() && overlay->windowHandle()->isExposed())
                return overlay;
        }
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    qFatal("The overlay did not show");
}

void pressKey(QWidget *widget, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
}

void endPick(PickerOverlay *overlay)
{
    pressKey(overlay, Qt::Key_Escape);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Bench::Window::settle();
}

// Ctrl+P to the frozen screens on view: every screen's picture taken at its device resolution,
// the overlays made and shown, the picture painted.
void BM_PickUntilFrozenScreenShown(benchmark::State &state)
{
    if (!onX11(state))
        return;
    Bench::Window window(false);
    QAction *pick = window.child<QAction>("PickScreen1");
    QCursor::setPos(QGuiApplication::primaryScreen()->geometry().center());
    Bench::resetPeak();
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        pick->trigger();
        PickerOverlay *overlay = waitForOverlay(window.form().findChild<ScreenPicker *>());
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        endPick(overlay);
    }
    addScreenSize(state);
    Bench::reportMemory(state);
}
BENCHMARK(BM_PickUntilFrozenScreenShown)->UseManualTime()->Unit(benchmark::kMillisecond);

// Qt's grab alone, through the X connection: the way without MIT-SHM (a remote X server).
void BM_GrabScreen(benchmark::State &state)
{
    if (!onX11(state))
        return;
    QScreen *screen = QGuiApplication::primaryScreen();
    for (auto _ : state) {
        QImage picture = screen->grabWindow(0).toImage();
        benchmark::DoNotOptimize(picture.constBits());
    }
    addScreenSize(state);
}
BENCHMARK(BM_GrabScreen)->UseRealTime()->Unit(benchmark::kMillisecond);

// The picture through the X server's shared memory, as the picker takes it.
void BM_GrabScreenShared(benchmark::State &state)
{
    if (!onX11(state))
        return;
    QScreen *screen = QGuiApplication::primaryScreen();
    for (auto _ : state) {
        QImage picture = Tintora::SharedMemoryGrab::grab(screen);
        benchmark::DoNotOptimize(picture.constBits());
    }
    if (!Tintora::SharedMemoryGrab::lastGrabWasShared())
        state.SkipWithError("the X server has no MIT-SHM for this program");
    addScreenSize(state);
}
BENCHMARK(BM_GrabScreenShared)->UseRealTime()->Unit(benchmark::kMillisecond);

// One move of the pointer over the frozen screen: the overlay hears of it, magnifies the new
// neighbourhood, and repaints where the loupe was and where it is now, flushed to the X server.
void BM_LoupeRepaintPerMove(benchmark::State &state)
{
    if (!onX11(state))
        return;
    const int zoom = int(state.range(0));
    Bench::Window window(false);
    QScreen *screen = QGuiApplication::primaryScreen();
    QCursor::setPos(screen->geometry().center());
    window.form().PickScreen1Click();
    auto *picker = window.form().findChild<ScreenPicker *>();
    PickerOverlay *overlay = waitForOverlay(picker);
    while (picker->zoom() < zoom)
        pressKey(overlay, Qt::Key_Plus);
    while (picker->zoom() > zoom)
        pressKey(overlay, Qt::Key_Minus);
    Bench::Window::settle();

    // The pointer wanders over the whole screen, a few pixels at a time, as a hand moves it.
    const QRect area = overlay->rect().adjusted(50, 50, -50, -50);
    QPoint at = area.topLeft();
    int moves = 0;
    for (auto _ : state) {
        at += QPoint(3, 2);
        if (!area.contains(at))
            at = area.topLeft() + QPoint(moves % 200, (moves * 7) % 300);
        QMouseEvent move(QEvent::MouseMove, QPointF(at), overlay->mapToGlobal(QPointF(at)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(overlay, &move);
        // Paints and flushes the loupe's window where it went, now rather than at the next
        // update; the server paints what it uncovered of the picture.
        overlay->loupeWindow()->repaint();
        ++moves;
    }
    if (!overlay->crosshair())
        qFatal("The loupe did not follow the pointer");
    state.counters["zoom"] = zoom;
    state.counters["source_pixels_across"] = Tintora::Loupe::layout(zoom, overlay->ratio()).span;
    addScreenSize(state);
    endPick(overlay);
}
BENCHMARK(BM_LoupeRepaintPerMove)->Arg(4)->Arg(8)->Arg(32)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    return Bench::runBenchmarks(argc, argv);
}
