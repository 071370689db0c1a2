// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color/color.h"

#include <QDBusConnection>
#include <QObject>
#include <QPointer>
#include <QVariantMap>

#include <functional>

class QDBusError;
class QDBusMessage;
class QDBusPendingCall;
class QWidget;

namespace Tintora {

// The desktop's own color picker, through the XDG desktop portal (Screenshot.PickColor). Every
// step is an asynchronous D-Bus call: the program goes on taking input while the desktop's
// picker is up, and a slow or missing portal never freezes it.
//
// A pick runs: find the portal's owner on the bus (starting it if it is activatable), register
// the program with the host Registry once where the portal has it, subscribe to the Response of
// the Request that the call will make, and only then call PickColor. The answer arrives as that
// Response. Failures are shown in the error box through Application::runHandler.
class PortalColorPicker : public QObject
{
    Q_OBJECT
public:
    // window: the window the errors are shown over.
    PortalColorPicker(QWidget *window, const QDBusConnection &bus);
    ~PortalColorPicker() override;

    // Starts a pick for the window with the portal's parent_window handle (empty for none). A
    // pick still under way is given up first, and the portal told to close its request.
    void pick(const QString &parentWindow);
    bool busy() const { return m_step != Step::Idle; }

    // Runs with the color the user picked; a cancelled pick calls nothing.
    std::function<void(Color::ColorValue)> onPicked;
    // Runs when the user cancelled the pick in the desktop's picker.
    std::function<void()> onCancelled;
    // Runs when a pick has ended, whichever way.
    std::function<void()> onFinished;

private slots:
    void response(uint code, const QVariantMap &results, const QDBusMessage &message);

private:
    enum class Step { Idle, FindingPortal, StartingPortal, Registering, Picking };

    // Runs handler with the reply of call when it arrives, if this pick is still the current one.
    void whenAnswered(const QDBusPendingCall &call,
                      const std::function<void(const QDBusMessage &)> &handler);
    void findPortal(bool mayStart);
    void startPortal();
    void portalFound(const QString &owner);
    void registerProgram();
    void requestColor();
    void subscribe(const QString &path);
    void unsubscribe();
    void giveUp();
    // Ends the pick and reports why no color came; throws the error box's PickError.
    [[noreturn]] void fail(const QString &reason);
    void end();

    QPointer<QWidget> m_window;
    QDBusConnection m_bus;
    Step m_step = Step::Idle;
    quint64 m_serial = 0; // the current pick; answers to earlier ones are ignored
    QString m_parentWindow;
    QString m_owner;           // the portal's unique name
    QString m_requestPath;     // the Request whose Response is subscribed
    bool m_registered = false; // a connection registers once
};

} // namespace Tintora
