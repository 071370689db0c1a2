// SPDX-License-Identifier: GPL-3.0-or-later
// tintora --pick run as a user runs it, under a real X server: the screens freeze over a window
// of a known color, and the keys the user presses reach the loupe from the X server (sent here
// to the overlay's window, as another program's keys would be). Then the same through the fake
// desktop portal, as under Wayland, on a bus of the suite's own.
#include "fakeportal.h"
#include "privatebus.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QPainter>
#include <QProcess>
#include <QScreen>
#include <QTest>

#include <X11/Xlib.h>
#include <X11/keysym.h>
// Xlib's macros clash with Qt's names.
#undef None
#undef Bool
#undef Status
#undef KeyPress
#undef KeyRelease
#undef FocusIn
#undef FocusOut

#include <memory>

namespace {

constexpr QRgb kShown = qRgb(0x3A, 0x7B, 0xD5);

QProcessEnvironment x11Environment()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("x11"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    return environment;
}

// The tintora processes whose arguments hold a given one, by their /proc entries.
QList<int> tintorasWith(const QByteArray &argument)
{
    QList<int> found;
    const QByteArray program = QByteArray(TINTORA_PROGRAM);
    for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool isNumber = false;
        const int pid = entry.toInt(&isNumber);
        if (!isNumber)
            continue;
        QFile file(QStringLiteral("/proc/%1/cmdline").arg(pid));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QList<QByteArray> arguments = file.readAll().split('\0');
        if (!arguments.isEmpty() && arguments.constFirst() == program
            && arguments.contains(argument))
            found.append(pid);
    }
    return found;
}

} // namespace

class tst_CliPick : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void picksTheColorUnderThePointer_data();
    void picksTheColorUnderThePointer();
    void escapeCancelsWithNothingPrinted();
    void copyAnswersAtOnceAndKeepsTheClipboard();
    void portalPicks_data();
    void portalPicks();

private:
    // Starts tintora with the pointer over the shown color and waits for its frozen screen.
    bool startPick(QProcess &process, const QStringList &arguments,
                   const QString &program = QStringLiteral(TINTORA_PROGRAM));
    // The overlay's X window, found by its title.
    unsigned long overlayWindow() const;
    void sendKey(unsigned long window, unsigned long keysym);
    bool keyboardGrabbedByAnother();

    Display *m_display = nullptr;
    std::unique_ptr<QWidget> m_shown;
    PrivateBus m_bus;
};

void tst_CliPick::initTestCase()
{
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    m_display = XOpenDisplay(nullptr);
    QVERIFY(m_display);
    QVERIFY(m_bus.start());
}

void tst_CliPick::cleanupTestCase()
{
    if (m_display)
        XCloseDisplay(m_display);
}

void tst_CliPick::init()
{
    m_shown = std::make_unique<QWidget>(nullptr, Qt::Window | Qt::FramelessWindowHint);
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(kShown));
    m_shown->setPalette(palette);
    m_shown->setAutoFillBackground(true);
    m_shown->setGeometry(200, 150, 300, 200);
    m_shown->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_shown.get()));
    QTest::qWait(100); // the color reaches the screen
    QCursor::setPos(m_shown->mapToGlobal(QPoint(150, 100)));
}

void tst_CliPick::cleanup()
{
    m_shown.reset();
}

bool tst_CliPick::keyboardGrabbedByAnother()
{
    const int result = XGrabKeyboard(m_display, DefaultRootWindow(m_display), False, GrabModeAsync,
                                     GrabModeAsync, CurrentTime);
    if (result == GrabSuccess)
        XUngrabKeyboard(m_display, CurrentTime);
    XSync(m_display, False);
    return result == AlreadyGrabbed;
}

unsigned long tst_CliPick::overlayWindow() const
{
    Window root = 0, parent = 0;
    Window *children = nullptr;
    unsigned int count = 0;
    unsigned long found = 0;
    if (!XQueryTree(m_display, DefaultRootWindow(m_display), &root, &parent, &children, &count))
        return 0;
    for (unsigned int i = 0; i < count && !found; ++i) {
        char *name = nullptr;
        if (XFetchName(m_display, children[i], &name) && name) {
            if (QByteArray(name) == "Pick From Screen")
                found = children[i];
            XFree(name);
        }
    }
    if (children)
        XFree(children);
    return found;
}

void tst_CliPick::sendKey(unsigned long window, unsigned long keysym)
{
    XKeyEvent event {};
    event.display = m_display;
    event.window = window;
    event.root = DefaultRootWindow(m_display);
    event.subwindow = 0;
    event.time = CurrentTime;
    event.same_screen = True;
    event.keycode = XKeysymToKeycode(m_display, keysym);
    for (int type : {2 /* KeyPress */, 3 /* KeyRelease */}) {
        event.type = type;
        XSendEvent(m_display, window, True, type == 2 ? KeyPressMask : KeyReleaseMask,
                   reinterpret_cast<XEvent *>(&event));
    }
    XFlush(m_display);
}

bool tst_CliPick::startPick(QProcess &process, const QStringList &arguments, const QString &program)
{
    process.setProcessEnvironment(x11Environment());
    process.start(program, arguments);
    if (!process.waitForStarted())
        return false;
    // The overlay has the keyboard once the screens are frozen under it.
    return QTest::qWaitFor(
                   [&] {
                       return process.state() == QProcess::NotRunning
                               || (keyboardGrabbedByAnother() && overlayWindow() != 0);
                   },
                   20000)
            && process.state() == QProcess::Running;
}

void tst_CliPick::picksTheColorUnderThePointer_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("printed");
    QTest::newRow("hex") << QStringList {"--pick"} << "#3A7BD5\n";
    QTest::newRow("rgb") << QStringList {"--pick", "--format", "rgb"} << "rgb(58 123 213)\n";
    QTest::newRow("0x") << QStringList {"--format=0x", "--pick"} << "0x3A7BD5\n";
}

void tst_CliPick::picksTheColorUnderThePointer()
{
    QFETCH(QStringList, arguments);
    QProcess process;
    QVERIFY(startPick(process, arguments));
    sendKey(overlayWindow(), XK_Return);
    QVERIFY(process.waitForFinished(20000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    QTEST(QString::fromUtf8(process.readAllStandardOutput()), "printed");
    // The screen is given back.
    QTRY_VERIFY(!keyboardGrabbedByAnother());
}

void tst_CliPick::escapeCancelsWithNothingPrinted()
{
    QProcess process;
    QVERIFY(startPick(process, {"--pick", "--copy"}));
    sendKey(overlayWindow(), XK_Escape);
    QVERIFY(process.waitForFinished(20000));
    QCOMPARE(process.exitCode(), 1);
    QCOMPARE(process.readAllStandardOutput(), QByteArray());
    QTRY_VERIFY(tintorasWith("--copy").isEmpty());
}

void tst_CliPick::copyAnswersAtOnceAndKeepsTheClipboard()
{
    // As a script runs it: the shell has the color and the status as soon as it is picked,
    // though the program stays to serve the clipboard.
    QProcess shell;
    const QString script = QStringLiteral("c=$('%1' --pick --copy --format hex-lower); "
                                          "echo \"status $? color $c\"")
                                   .arg(QStringLiteral(TINTORA_PROGRAM));
    QVERIFY(startPick(shell, {"-c", script}, QStringLiteral("/bin/sh")));
    sendKey(overlayWindow(), XK_Return);
    QVERIFY(shell.waitForFinished(20000));
    QCOMPARE(QString::fromUtf8(shell.readAllStandardOutput()),
             QStringLiteral("status 0 color #3a7bd5\n"));

    const QList<int> staying = tintorasWith("--copy");
    QCOMPARE(staying.size(), 1);
    QTRY_COMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("#3a7bd5"));
    // Another program takes the clipboard over: the one that stayed goes.
    QGuiApplication::clipboard()->setText(QStringLiteral("something else"));
    QTRY_VERIFY_WITH_TIMEOUT(tintorasWith("--copy").isEmpty(), 20000);
}

void tst_CliPick::portalPicks_data()
{
    QTest::addColumn<bool>("hasScreenshot");
    QTest::addColumn<uint>("response");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("printed");
    QTest::addColumn<QString>("errPart");
    QTest::newRow("picked") << true << 0u << 0 << "#8040FF\n"
                            << "";
    QTest::newRow("cancelled") << true << 1u << 1 << ""
                               << "";
    QTest::newRow("no picker") << false << 0u << 2 << ""
                               << "tintora: Picking a color from the screen is not available";
}

void tst_CliPick::portalPicks()
{
    QFETCH(bool, hasScreenshot);
    QFETCH(uint, response);
    QFETCH(QString, errPart);
    QDBusConnection bus = QDBusConnection::connectToBus(QString::fromUtf8(m_bus.address()),
                                                        QStringLiteral("portal"));
    QVERIFY(bus.isConnected());
    FakePortal portal(bus);
    portal.hasScreenshot = hasScreenshot;
    portal.response = response;
    QVERIFY(bus.registerVirtualObject(FakePortalNames::kPath, &portal, QDBusConnection::SubPath));
    QVERIFY(bus.registerService(FakePortalNames::kService));

    QProcessEnvironment environment = x11Environment();
    environment.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland"));
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                       QString::fromUtf8(m_bus.address()));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(TINTORA_PROGRAM), {"--pick"});
    // The portal answers from this process's event loop.
    QVERIFY(QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, 20000));
    QTEST(process.exitCode(), "exitCode");
    QTEST(QString::fromUtf8(process.readAllStandardOutput()), "printed");
    const QString err = QString::fromUtf8(process.readAllStandardError());
    if (!errPart.isEmpty())
        QVERIFY2(err.contains(errPart), qPrintable(err));
    QCOMPARE(portal.callsTo(QStringLiteral("PickColor")).size(), 1);

    bus.unregisterService(FakePortalNames::kService);
    bus.unregisterObject(FakePortalNames::kPath, QDBusConnection::UnregisterTree);
    QDBusConnection::disconnectFromBus(QStringLiteral("portal"));
}

QTEST_MAIN(tst_CliPick)
#include "tst_clipick.moc"
