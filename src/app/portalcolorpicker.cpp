// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/portalcolorpicker.h"

#include "app/application.h"
#include "color/screenpick.h"
#include "core/error.h"

#include <QDBusArgument>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QLoggingCategory>
#include <QRandomGenerator>
#include <QWidget>

Q_LOGGING_CATEGORY(lcPortal, "tintora.portal")

namespace Tintora {

namespace {

const QString kPortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kScreenshot = QStringLiteral("org.freedesktop.portal.Screenshot");
const QString kRequest = QStringLiteral("org.freedesktop.portal.Request");
const QString kRegistry = QStringLiteral("org.freedesktop.host.portal.Registry");
const QString kBusService = QStringLiteral("org.freedesktop.DBus");
const QString kBusPath = QStringLiteral("/org/freedesktop/DBus");
// The id the desktop knows the program by (its desktop file's name).
const QString kApplicationId = QStringLiteral("org.tintora.Tintora");

// The message of a D-Bus error without its final stop, or its name when it has none.
QString describe(const QDBusError &error)
{
    QString text = error.message().trimmed();
    while (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text.isEmpty() ? error.name() : text;
}

bool isMissingMethod(const QDBusError &error)
{
    switch (error.type()) {
    case QDBusError::UnknownMethod:
    case QDBusError::UnknownInterface:
    case QDBusError::UnknownObject:
        return true;
    default:
        return false;
    }
}

// The "color" result as (red, green, blue), when it is the (ddd) the portal documents.
std::optional<std::array<double, 3>> colorOf(const QVariantMap &results)
{
    const QVariant value = results.value(QStringLiteral("color"));
    if (value.metaType() != QMetaType::fromType<QDBusArgument>())
        return std::nullopt;
    const auto argument = value.value<QDBusArgument>();
    if (argument.currentSignature() != QLatin1String("(ddd)"))
        return std::nullopt;
    std::array<double, 3> color {};
    argument.beginStructure();
    argument >> color[0] >> color[1] >> color[2];
    argument.endStructure();
    return color;
}

} // namespace

PortalColorPicker::PortalColorPicker(QWidget *window, const QDBusConnection &bus)
    : QObject(window), m_window(window), m_bus(bus)
{ }

PortalColorPicker::~PortalColorPicker()
{
    giveUp();
}

void PortalColorPicker::pick(const QString &parentWindow)
{
    giveUp();
    ++m_serial;
    m_parentWindow = parentWindow;
    if (!m_bus.isConnected())
        fail(tr("there is no D-Bus session bus (%1)").arg(describe(m_bus.lastError())));
    findPortal(true);
}

void PortalColorPicker::whenAnswered(const QDBusPendingCall &call,
                                     const std::function<void(const QDBusMessage &)> &handler)
{
    auto *watcher = new QDBusPendingCallWatcher(call, this);
    const quint64 serial = m_serial;
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, serial, handler] {
        watcher->deleteLater();
        if (serial != m_serial || !busy())
            return; // an answer to a pick given up since
        const QDBusMessage reply = watcher->reply();
        Application::runHandler(m_window, [&] { handler(reply); });
    });
}

void PortalColorPicker::findPortal(bool mayStart)
{
    m_step = Step::FindingPortal;
    QDBusMessage call = QDBusMessage::createMethodCall(kBusService, kBusPath, kBusService,
                                                       QStringLiteral("GetNameOwner"));
    call << kPortalService;
    whenAnswered(m_bus.asyncCall(call), [this, mayStart](const QDBusMessage &reply) {
        if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty())
            portalFound(reply.arguments().constFirst().toString());
        else if (mayStart)
            startPortal(); // not running yet: the bus starts it where it is installed
        else
            fail(tr("the desktop portal did not start"));
    });
}

void PortalColorPicker::startPortal()
{
    m_step = Step::StartingPortal;
    QDBusMessage call = QDBusMessage::createMethodCall(kBusService, kBusPath, kBusService,
                                                       QStringLiteral("StartServiceByName"));
    call << kPortalService << 0u;
    whenAnswered(m_bus.asyncCall(call), [this](const QDBusMessage &reply) {
        if (reply.type() != QDBusMessage::ReplyMessage)
            fail(tr("no desktop portal is running (%1)").arg(describe(QDBusError(reply))));
        findPortal(false);
    });
}

void PortalColorPicker::portalFound(const QString &owner)
{
    // Talking to the owner's unique name rather than the well-known one keeps QtDBus from
    // looking the owner up itself, which it would do with a blocking call.
    m_owner = owner;
    if (m_registered)
        requestColor();
    else
        registerProgram();
}

void PortalColorPicker::registerProgram()
{
    m_step = Step::Registering;
    QDBusMessage call = QDBusMessage::createMethodCall(m_owner, kPortalPath, kRegistry,
                                                       QStringLiteral("Register"));
    call << kApplicationId << QVariantMap();
    whenAnswered(m_bus.asyncCall(call), [this](const QDBusMessage &reply) {
        m_registered = true;
        if (reply.type() == QDBusMessage::ErrorMessage) {
            // Portals before the Registry have no such interface: they find the program
            // themselves. Any other refusal still leaves the pick to try.
            const QDBusError error(reply);
            if (!isMissingMethod(error))
                qCInfo(lcPortal).noquote()
                        << "Registering with the portal failed:" << describe(error);
        }
        requestColor();
    });
}

void PortalColorPicker::requestColor()
{
    m_step = Step::Picking;
    const QString token = ScreenPick::handleToken(m_serial, QRandomGenerator::global()->generate());
    // Subscribed before the call: the Response may come the moment the portal has the call.
    subscribe(ScreenPick::requestPath(m_bus.baseService(), token));

    QDBusMessage call = QDBusMessage::createMethodCall(m_owner, kPortalPath, kScreenshot,
                                                       QStringLiteral("PickColor"));
    call << m_parentWindow << QVariantMap {{QStringLiteral("handle_token"), token}};
    whenAnswered(m_bus.asyncCall(call), [this](const QDBusMessage &reply) {
        if (reply.type() != QDBusMessage::ReplyMessage) {
            const QDBusError error(reply);
            if (isMissingMethod(error))
                fail(tr("the desktop portal has no color picker (%1)").arg(describe(error)));
            fail(tr("the desktop portal refused the pick (%1)").arg(describe(error)));
        }
        const QList<QVariant> arguments = reply.arguments();
        const QString handle = arguments.isEmpty()
                ? QString()
                : qvariant_cast<QDBusObjectPath>(arguments.constFirst()).path();
        // Portals older than handle_token choose the path themselves.
        if (!handle.isEmpty() && handle != m_requestPath)
            subscribe(handle);
    });
}

void PortalColorPicker::subscribe(const QString &path)
{
    unsubscribe();
    m_requestPath = path;
    m_bus.connect(m_owner, path, kRequest, QStringLiteral("Response"), this,
                  SLOT(response(uint, QVariantMap, QDBusMessage)));
}

void PortalColorPicker::unsubscribe()
{
    if (m_requestPath.isEmpty())
        return;
    m_bus.disconnect(m_owner, m_requestPath, kRequest, QStringLiteral("Response"), this,
                     SLOT(response(uint, QVariantMap, QDBusMessage)));
    m_requestPath.clear();
}

void PortalColorPicker::response(uint code, const QVariantMap &results, const QDBusMessage &message)
{
    if (m_step != Step::Picking || message.path() != m_requestPath || message.service() != m_owner)
        return; // not the answer to our request
    Application::runHandler(m_window, [&] {
        const ScreenPick::Outcome outcome = ScreenPick::readResponse(code, colorOf(results));
        switch (outcome.kind) {
        case ScreenPick::Outcome::Kind::Picked:
            end();
            if (onPicked)
                onPicked(outcome.color);
            break;
        case ScreenPick::Outcome::Kind::Cancelled:
            end();
            if (onCancelled)
                onCancelled();
            break;
        case ScreenPick::Outcome::Kind::Failed:
            fail(outcome.reason);
        }
    });
}

void PortalColorPicker::giveUp()
{
    if (m_step == Step::Picking && !m_requestPath.isEmpty()) {
        // The portal keeps its picker up until told otherwise; no answer is awaited.
        m_bus.send(QDBusMessage::createMethodCall(m_owner, m_requestPath, kRequest,
                                                  QStringLiteral("Close")));
    }
    unsubscribe();
    m_step = Step::Idle;
}

void PortalColorPicker::fail(const QString &reason)
{
    end();
    throw PickError(ScreenPick::unavailable(reason));
}

void PortalColorPicker::end()
{
    unsubscribe();
    m_step = Step::Idle;
    if (onFinished)
        onFinished();
}

} // namespace Tintora
