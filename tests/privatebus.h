// SPDX-License-Identifier: GPL-3.0-or-later
// A session bus of a suite's own, started and stopped with it.
#pragma once

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

// A session bus of the suite's own, with no services to start.
class PrivateBus
{
public:
    bool start()
    {
        const QString config = m_folder.filePath(QStringLiteral("bus.conf"));
        QFile file(config);
        if (!m_folder.isValid() || !file.open(QIODevice::WriteOnly))
            return false;
        file.write(QStringLiteral(
                           "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus "
                           "Configuration 1.0//EN\" "
                           "\"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                           "<busconfig><type>session</type><listen>unix:dir=%1</listen>"
                           "<auth>EXTERNAL</auth><policy context=\"default\">"
                           "<allow send_destination=\"*\" eavesdrop=\"true\"/>"
                           "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>\n")
                           .arg(m_folder.path())
                           .toUtf8());
        file.close();
        m_daemon.start(QStringLiteral("dbus-daemon"),
                       {QStringLiteral("--config-file=") + config, QStringLiteral("--nofork"),
                        QStringLiteral("--nopidfile"), QStringLiteral("--print-address=1")});
        if (!m_daemon.waitForStarted() || !m_daemon.waitForReadyRead(10000))
            return false;
        m_address = m_daemon.readLine().trimmed();
        return !m_address.isEmpty();
    }
    ~PrivateBus()
    {
        m_daemon.terminate();
        m_daemon.waitForFinished();
    }
    QByteArray address() const { return m_address; }

private:
    QTemporaryDir m_folder;
    QProcess m_daemon;
    QByteArray m_address;
};
