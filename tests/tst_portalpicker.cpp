// SPDX-License-Identifier: GPL-3.0-or-later
// Picking through the desktop portal, as under Wayland, over a real D-Bus: the suite starts a
// bus of its own (nothing can be started on it, so a missing portal stays missing) and plays the
// portal on a second connection, recording each call and answering as it is told.
#include "formfixture.h"

#include "app/radiobutton.h"

#include <QApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVirtualObject>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <array>
#include <optional>

using namespace Tintora;

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kPrefix = QStringLiteral("Picking a color from the screen is not available on this "
                                       "desktop: ");

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

// The handle_token among PickColor's arguments.
QString tokenOf(const QVariantList &arguments)
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
        const QString path = kPath + QStringLiteral("/request/") + caller + u'/' + token;
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

} // namespace

class tst_PortalPicker : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void picksThroughThePortal_data();
    void picksThroughThePortal();
    void registersOnceAndUsesFreshTokens();
    void picksWithoutARegistry();
    void cancelChangesNothing();
    void failuresShowTheReason_data();
    void failuresShowTheReason();
    void windowTakesInputWhileThePortalIsSlow();
    void ignoresAnswersFromOthers();
    void newPickClosesTheOldRequest();

private:
    void pressCtrlP();
    QString hex() const { return f.child<QLineEdit>("Edit1")->text(); }

    FormFixture f;
    std::unique_ptr<QDBusConnection> m_portalBus;
    std::unique_ptr<FakePortal> m_portal;
};

void tst_PortalPicker::initTestCase()
{
    // An X11 program in a Wayland session: reading the screen would give black.
    qputenv("XDG_SESSION_TYPE", "wayland");
    QVERIFY(QDBusConnection::sessionBus().isConnected());
}

void tst_PortalPicker::init()
{
    m_portalBus = std::make_unique<QDBusConnection>(
            QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("portal")));
    QVERIFY(m_portalBus->isConnected());
    m_portal = std::make_unique<FakePortal>(*m_portalBus);
    QVERIFY(m_portalBus->registerVirtualObject(kPath, m_portal.get(), QDBusConnection::SubPath));
    QVERIFY(m_portalBus->registerService(kService));
    f.create(96, true);
}

void tst_PortalPicker::cleanup()
{
    f.destroy();
    m_portalBus->unregisterService(kService);
    m_portalBus->unregisterObject(kPath, QDBusConnection::UnregisterTree);
    QDBusConnection::disconnectFromBus(QStringLiteral("portal"));
    m_portal.reset();
    m_portalBus.reset();
}

void tst_PortalPicker::pressCtrlP()
{
    auto *field = f.child<QLineEdit>("Bval");
    field->setFocus();
    QTest::keyClick(field, Qt::Key_P, Qt::ControlModifier);
}

void tst_PortalPicker::picksThroughThePortal_data()
{
    QTest::addColumn<bool>("answerFirst");
    QTest::newRow("answer after the reply") << false;
    QTest::newRow("answer before the reply") << true;
}

void tst_PortalPicker::picksThroughThePortal()
{
    QFETCH(bool, answerFirst);
    m_portal->answerFirst = answerFirst;
    pressCtrlP();
    QTRY_COMPARE(hex(), QStringLiteral("#8040FF"));
    QCOMPARE(f.form->backgroundColor(), Color::pack(0x80, 0x40, 0xFF));
    QCOMPARE(f.child<QLineEdit>("Gval")->text(), QStringLiteral("64"));
    QTRY_VERIFY(f.form->isActiveWindow());

    // Registered first, under the program's id, then the pick for this window with a token
    // of its own; the Response came on the path made of that token.
    QCOMPARE(m_portal->calls.size(), 2);
    const FakePortal::Call registration = m_portal->calls.at(0);
    QCOMPARE(registration.interface, QStringLiteral("org.freedesktop.host.portal.Registry"));
    QCOMPARE(registration.member, QStringLiteral("Register"));
    QCOMPARE(registration.arguments.value(0).toString(), QStringLiteral("org.tintora.Tintora"));
    const FakePortal::Call pick = m_portal->calls.at(1);
    QCOMPARE(pick.member, QStringLiteral("PickColor"));
    QCOMPARE(pick.arguments.value(0).toString(),
             QStringLiteral("x11:") + QString::number(f.form->winId(), 16));
    const QString token = tokenOf(pick.arguments);
    QVERIFY(!token.isEmpty());
    QVERIFY(m_portal->lastRequest.endsWith(u'/' + token));
    VERIFY_NO_SURPRISES(f.dialogs);
}

void tst_PortalPicker::registersOnceAndUsesFreshTokens()
{
    pressCtrlP();
    QTRY_COMPARE(hex(), QStringLiteral("#8040FF"));
    m_portal->color = std::array<double, 3> {0.0, 1.0, 0.0};
    f.form->commands().pickColorFor(TForm1::SampleTarget::TextSample1);
    QVERIFY(f.child<RadioButton>("RadioButton2")->isChecked());
    QTRY_COMPARE(hex(), QStringLiteral("#00FF00"));
    QCOMPARE(f.form->sample1Color(), Color::pack(0, 255, 0));
    QCOMPARE(f.form->backgroundColor(), Color::pack(0x80, 0x40, 0xFF));

    QCOMPARE(m_portal->callsTo(QStringLiteral("Register")).size(), 1);
    const QList<FakePortal::Call> picks = m_portal->callsTo(QStringLiteral("PickColor"));
    QCOMPARE(picks.size(), 2);
    QVERIFY(tokenOf(picks.at(0).arguments) != tokenOf(picks.at(1).arguments));
    VERIFY_NO_SURPRISES(f.dialogs);
}

void tst_PortalPicker::picksWithoutARegistry()
{
    m_portal->hasRegistry = false; // portals before the host Registry
    pressCtrlP();
    QTRY_COMPARE(hex(), QStringLiteral("#8040FF"));
    QCOMPARE(m_portal->callsTo(QStringLiteral("PickColor")).size(), 1);
    VERIFY_NO_SURPRISES(f.dialogs);
}

void tst_PortalPicker::cancelChangesNothing()
{
    f.setColor(QStringLiteral("#123456"));
    m_portal->response = 1;
    pressCtrlP();
    QTRY_VERIFY(m_portal->responded);
    QTest::qWait(100);
    QCOMPARE(hex(), QStringLiteral("#123456"));
    QCOMPARE(f.form->backgroundColor(), Color::pack(0x12, 0x34, 0x56));
    VERIFY_NO_SURPRISES(f.dialogs);
}

void tst_PortalPicker::failuresShowTheReason_data()
{
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("reason");
    QTest::newRow("ended otherwise") << "response 2"
                                     << "response 2";
    QTest::newRow("answer without a color") << "no color"
                                            << "no color";
    QTest::newRow("no portal") << "no service"
                               << "no desktop portal is running";
    QTest::newRow("portal without a picker") << "no screenshot"
                                             << "has no color picker";
}

void tst_PortalPicker::failuresShowTheReason()
{
    QFETCH(QString, failure);
    QFETCH(QString, reason);
    if (failure == u"response 2")
        m_portal->response = 2;
    else if (failure == u"no color")
        m_portal->color.reset();
    else if (failure == u"no service")
        QVERIFY(m_portalBus->unregisterService(kService));
    else
        m_portal->hasScreenshot = false;

    pressCtrlP();
    QTRY_COMPARE(f.dialogs.errors.size(), 1);
    const QString error = f.dialogs.errors.constFirst();
    QVERIFY2(error.startsWith(kPrefix) && error.contains(reason) && error.endsWith(u'.')
                     && !error.endsWith(QStringLiteral("..")),
             qPrintable(error));
    QCOMPARE(hex(), QStringLiteral("#FFFFFF"));
    QVERIFY(f.dialogs.unexpected.isEmpty());

    // The failed pick is over: the next one starts afresh and works once the portal does.
    if (failure == u"no service")
        QVERIFY(m_portalBus->registerService(kService));
    m_portal->response = 0;
    m_portal->color = std::array<double, 3> {1.0, 1.0, 0.0};
    m_portal->hasScreenshot = true;
    pressCtrlP();
    QTRY_COMPARE(hex(), QStringLiteral("#FFFF00"));
    QCOMPARE(f.dialogs.errors.size(), 1);
}

void tst_PortalPicker::windowTakesInputWhileThePortalIsSlow()
{
    m_portal->replyDelay = 400;
    m_portal->responseDelay = 800;
    pressCtrlP();
    // Typing goes on while the desktop's picker is up.
    auto *red = f.child<QLineEdit>("Rval");
    red->setFocus();
    red->selectAll();
    QTest::keyClicks(red, QStringLiteral("0"));
    QCOMPARE(hex(), QStringLiteral("#00FFFF"));
    QTest::qWait(200);
    f.dragBar("gScrollBar1", 0);
    QCOMPARE(hex(), QStringLiteral("#0000FF"));
    QVERIFY(!m_portal->responded);

    QTRY_COMPARE_WITH_TIMEOUT(hex(), QStringLiteral("#8040FF"), 5000);
    VERIFY_NO_SURPRISES(f.dialogs);
}

void tst_PortalPicker::ignoresAnswersFromOthers()
{
    m_portal->answer = false;
    pressCtrlP();
    QTRY_VERIFY(!m_portal->lastRequest.isEmpty());
    QTest::qWait(50);

    // Another program on the bus answers first, on the very path: not the portal, not taken.
    const QDBusConnection other =
            QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("other"));
    FakePortal::sendResponse(other, m_portal->lastCaller, m_portal->lastRequest, 0,
                             std::array<double, 3> {0.0, 0.0, 0.0});
    QTest::qWait(200);
    QCOMPARE(hex(), QStringLiteral("#FFFFFF"));
    QDBusConnection::disconnectFromBus(QStringLiteral("other"));

    FakePortal::sendResponse(*m_portalBus, m_portal->lastCaller, m_portal->lastRequest, 0,
                             std::array<double, 3> {0.5, 0.25, 1.0});
    QTRY_COMPARE(hex(), QStringLiteral("#8040FF"));
    VERIFY_NO_SURPRISES(f.dialogs);
}

void tst_PortalPicker::newPickClosesTheOldRequest()
{
    m_portal->answer = false;
    pressCtrlP();
    QTRY_VERIFY(!m_portal->lastRequest.isEmpty());
    const QString first = m_portal->lastRequest;
    QTest::qWait(50);

    // The user asks again: the first request is closed, and a late answer to it is not taken.
    m_portal->answer = true;
    m_portal->responseDelay = 800;
    m_portal->color = std::array<double, 3> {0.0, 0.0, 1.0};
    pressCtrlP();
    QTRY_COMPARE(m_portal->callsTo(QStringLiteral("Close")).size(), 1);
    QCOMPARE(m_portal->callsTo(QStringLiteral("Close")).constFirst().path, first);
    FakePortal::sendResponse(*m_portalBus, m_portal->lastCaller, first, 0,
                             std::array<double, 3> {1.0, 0.0, 0.0});
    QTest::qWait(200);
    QCOMPARE(hex(), QStringLiteral("#FFFFFF"));
    QVERIFY(!m_portal->responded);
    QTRY_COMPARE(hex(), QStringLiteral("#0000FF"));
    VERIFY_NO_SURPRISES(f.dialogs);
}

// The bus is started before the application, which may reach for the session bus as it starts.
int main(int argc, char **argv)
{
    PrivateBus bus;
    if (!bus.start()) {
        qCritical("Could not start a private D-Bus (dbus-daemon)");
        return 1;
    }
    qputenv("DBUS_SESSION_BUS_ADDRESS", bus.address());
    QApplication app(argc, argv);
    tst_PortalPicker test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_portalpicker.moc"
