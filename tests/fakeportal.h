// SPDX-License-Identifier: GPL-3.0-or-later
// The fake desktop portal of the picking tests: org.freedesktop.portal.Screenshot on a test's own
// bus, recording each call and answering as the test tells it.
#pragma once

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVirtualObject>
#include <QTimer>

#include <array>
#include <optional>

namespace FakePortalNames {
inline const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
inline const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
} // namespace FakePortalNames

// The handle_token among PickColor's arguments.
inline QString tokenOf(const QVariantList &arguments)
{
    return qdbus_cast<QVariantMap>(arguments.value(1))
            .value(QStringLiteral("handle_token"))
            .toString();
}

// The portal's side: org.freedesktop.portal.Screenshot, the host Registry where it is asked to
// have one, and the Requests below them.
class FakePortal : public QDBusVirtualObject
{
public:
    struct Call
    {
        QString interface;
        QString member;
        QString path;
        QVariantList arguments;
    };

    explicit FakePortal(const QDBusConnection &bus) : m_bus(bus) { }

    // How the next PickColor is answered.
    bool hasRegistry = true;
    bool hasScreenshot = true;
    uint response = 0;
    std::optional<std::array<double, 3>> color = std::array<double, 3> {0.5, 0.25, 1.0};
    int replyDelay = 0;       // ms before the method returns the Request's path
    int responseDelay = 0;    // ms after that before the Response
    bool answer = true;       // false: the Response is left to the test
    bool answerFirst = false; // the Response before the method's reply, as a quick portal may

    QList<Call> calls;
    QString lastRequest; // the path of the last Request
    QString lastCaller;
    bool responded = false;

    QList<Call> callsTo(const QString &member) const
    {
        QList<Call> found;
        for (const Call &call : calls)
            if (call.member == member)
                found.append(call);
        return found;
    }

    static void sendResponse(const QDBusConnection &bus, const QString &caller, const QString &path,
                             uint code, const std::optional<std::array<double, 3>> &color)
    {
        QVariantMap results;
        if (color) {
            QDBusArgument rgb;
            rgb.beginStructure();
            rgb << (*color)[0] << (*color)[1] << (*color)[2];
            rgb.endStructure();
            results.insert(QStringLiteral("color"), QVariant::fromValue(rgb));
        }
        QDBusMessage signal = QDBusMessage::createTargetedSignal(
                caller, path, QStringLiteral("org.freedesktop.portal.Request"),
                QStringLiteral("Response"));
        signal << code << results;
        bus.send(signal);
    }

    QString introspect(const QString &) const override { return {}; }

    bool handleMessage(const QDBusMessage &message, const QDBusConnection &) override
    {
        calls.append({message.interface(), message.member(), message.path(), message.arguments()});
        const QString interface = message.interface();
        if (interface == u"org.freedesktop.host.portal.Registry" && hasRegistry) {
            m_bus.send(message.createReply());
        } else if (interface == u"org.freedesktop.portal.Screenshot" && hasScreenshot
                   && message.member() == u"PickColor") {
            pickColor(message);
        } else if (interface == u"org.freedesktop.portal.Request") {
            m_bus.send(message.createReply()); // Close
        } else {
            m_bus.send(message.createErrorReply(QDBusError::UnknownMethod,
                                                QStringLiteral("No such method.")));
        }
        return true;
    }

private:
    void pickColor(const QDBusMessage &message)
    {
        // The path the portal documents for a caller's token.
        QString caller = message.service().mid(1);
        caller.replace(u'.', u'_');
        const QString token = tokenOf(message.arguments());
        const QString path =
                FakePortalNames::kPath + QStringLiteral("/request/") + caller + u'/' + token;
        lastRequest = path;
        lastCaller = message.service();
        responded = false;
        const QDBusMessage reply = message.createReply(QVariant::fromValue(QDBusObjectPath(path)));
        if (answerFirst) {
            sendResponse(m_bus, message.service(), path, response, color);
            responded = true;
            m_bus.send(reply);
            return;
        }
        QTimer::singleShot(replyDelay, [this, reply, path, caller = message.service()] {
            m_bus.send(reply);
            if (!answer)
                return;
            QTimer::singleShot(responseDelay, [this, path, caller] {
                sendResponse(m_bus, caller, path, response, color);
                responded = true;
            });
        });
    }

    QDBusConnection m_bus;
};
