// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QProcess>
#include <QString>

#include <memory>

// The accessibility bus of a desktop, as screen readers find it: at-spi-bus-launcher on the
// session bus (the private one of run-x11.sh --dbus) starts the bus and its registry. Every
// wait is bounded; start() says why when it cannot bring the bus up, and the tests skip.
class AtSpiSession
{
public:
    AtSpiSession() = default;
    ~AtSpiSession();
    AtSpiSession(const AtSpiSession &) = delete;
    AtSpiSession &operator=(const AtSpiSession &) = delete;

    // Returns an empty string once the bus is up, else what went wrong.
    QString start();
    // The accessibility bus itself, connected (after a successful start).
    QDBusConnection bus() const;

private:
    std::unique_ptr<QProcess> m_launcher;
    QString m_connectionName;
};
