// SPDX-License-Identifier: GPL-3.0-or-later
#include "atspisession.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QTest>

namespace {

const QString kLauncher = QStringLiteral("/usr/libexec/at-spi-bus-launcher");
const QString kBusService = QStringLiteral("org.a11y.Bus");
constexpr int kStartMilliseconds = 15000;
constexpr int kCallMilliseconds = 5000;

} // namespace

AtSpiSession::~AtSpiSession()
{
    if (!m_connectionName.isEmpty())
        QDBusConnection::disconnectFromBus(m_connectionName);
    if (m_launcher && m_launcher->state() != QProcess::NotRunning) {
        // The launcher takes its bus daemon with it when asked to stop.
        m_launcher->terminate();
        if (!m_launcher->waitForFinished(5000)) {
            m_launcher->kill();
            m_launcher->waitForFinished(5000);
        }
    }
}

QString AtSpiSession::start()
{
    QDBusConnection session = QDBusConnection::sessionBus();
    if (!session.isConnected())
        return QStringLiteral("no session bus (run through tests/session/run-x11.sh --dbus)");
    if (!QFileInfo(kLauncher).isExecutable())
        return QStringLiteral("%1 is not installed (package at-spi2-core)").arg(kLauncher);

    if (!session.interface()->isServiceRegistered(kBusService)) {
        m_launcher = std::make_unique<QProcess>();
        m_launcher->setProgram(kLauncher);
        m_launcher->setArguments(
                {QStringLiteral("--launch-immediately"), QStringLiteral("--a11y=1")});
        // Nothing of ours is handed down to the launcher and the daemons it starts: should the
        // test end early, they hold no pipe of ctest's open.
        m_launcher->setStandardOutputFile(QProcess::nullDevice());
        m_launcher->setStandardErrorFile(QProcess::nullDevice());
        m_launcher->start();
        if (!m_launcher->waitForStarted(kStartMilliseconds))
            return QStringLiteral("at-spi-bus-launcher did not start: %1")
                    .arg(m_launcher->errorString());
        QDeadlineTimer deadline(kStartMilliseconds);
        while (!session.interface()->isServiceRegistered(kBusService)) {
            if (deadline.hasExpired() || m_launcher->state() == QProcess::NotRunning)
                return QStringLiteral("at-spi-bus-launcher registered no %1").arg(kBusService);
            QTest::qWait(50);
        }
    }

    const QDBusMessage call =
            QDBusMessage::createMethodCall(kBusService, QStringLiteral("/org/a11y/bus"),
                                           kBusService, QStringLiteral("GetAddress"));
    const QDBusReply<QString> address = session.call(call, QDBus::Block, kCallMilliseconds);
    if (!address.isValid() || address.value().isEmpty())
        return QStringLiteral("org.a11y.Bus gave no address: %1").arg(address.error().message());
    m_connectionName = QStringLiteral("tintora-test-a11y");
    const QDBusConnection a11y = QDBusConnection::connectToBus(address.value(), m_connectionName);
    if (!a11y.isConnected())
        return QStringLiteral("cannot connect to the accessibility bus %1: %2")
                .arg(address.value(), a11y.lastError().message());
    return {};
}

QDBusConnection AtSpiSession::bus() const
{
    return QDBusConnection(m_connectionName);
}
