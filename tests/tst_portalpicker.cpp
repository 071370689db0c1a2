// SPDX-License-Identifier: GPL-3.0-or-later
// Picking through the desktop portal, as under Wayland, over a real D-Bus: the suite starts a
// bus of its own (nothing can be started on it, so a missing portal stays missing) and plays the
// portal on a second connection, recording each call and answering as it is told.
#include "fakeportal.h"
#include "formfixture.h"
#include "privatebus.h"

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
using FakePortalNames::kPath;
using FakePortalNames::kService;

namespace {

const QString kPrefix = QStringLiteral("Picking a color from the screen is not available on this "
                                       "desktop: ");

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
