// SPDX-License-Identifier: GPL-3.0-or-later
// Picking from the screen without a window: which way this desktop allows, and how the desktop
// portal's request and answer are read.
#include "color/screenpick.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <cmath>
#include <limits>

using namespace Tintora;
using namespace Tintora::ScreenPick;

using Color3 = std::optional<std::array<double, 3>>;
Q_DECLARE_METATYPE(Color3)

class tst_ScreenPick : public QObject
{
    Q_OBJECT
private slots:
    void choosesTheMethod_data();
    void choosesTheMethod();
    void readsTheResponse_data();
    void readsTheResponse();
    void roundsComponentsToTheNearest();
    void makesFreshTokensAndTheirPaths();
};

void tst_ScreenPick::choosesTheMethod_data()
{
    QTest::addColumn<QString>("platform");
    QTest::addColumn<QString>("waylandDisplay");
    QTest::addColumn<QString>("sessionType");
    QTest::addColumn<bool>("portal");
    QTest::newRow("X11 session") << "xcb"
                                 << ""
                                 << "x11" << false;
    QTest::newRow("no session type") << "xcb"
                                     << ""
                                     << "" << false;
    QTest::newRow("Wayland platform") << "wayland"
                                      << "wayland-0"
                                      << "wayland" << true;
    QTest::newRow("Wayland platform with a decoration plugin") << "wayland-egl"
                                                               << ""
                                                               << "" << true;
    QTest::newRow("X11 program in a Wayland session") << "xcb"
                                                      << "wayland-0"
                                                      << "" << true;
    QTest::newRow("X11 program, session type only") << "xcb"
                                                    << ""
                                                    << "wayland" << true;
    QTest::newRow("session type in capitals") << "xcb"
                                              << ""
                                              << "Wayland" << true;
    QTest::newRow("headless") << "offscreen"
                              << ""
                              << "tty" << false;
}

void tst_ScreenPick::choosesTheMethod()
{
    QFETCH(QString, platform);
    QFETCH(QString, waylandDisplay);
    QFETCH(QString, sessionType);
    QFETCH(bool, portal);
    QCOMPARE(methodFor(platform, waylandDisplay, sessionType) == Method::Portal, portal);
}

void tst_ScreenPick::readsTheResponse_data()
{
    QTest::addColumn<uint>("response");
    QTest::addColumn<Color3>("color");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("result"); // the hex text, or a word of the reason
    const auto picked = int(Outcome::Kind::Picked);
    const auto failed = int(Outcome::Kind::Failed);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("picked") << 0u << Color3({0.5, 0.25, 1.0}) << picked << "#8040FF";
    QTest::newRow("picked black") << 0u << Color3({0.0, 0.0, 0.0}) << picked << "#000000";
    QTest::newRow("cancelled") << 1u << Color3() << int(Outcome::Kind::Cancelled) << "";
    QTest::newRow("cancelled with a color")
            << 1u << Color3({1.0, 1.0, 1.0}) << int(Outcome::Kind::Cancelled) << "";
    QTest::newRow("ended otherwise") << 2u << Color3() << failed << "response 2";
    QTest::newRow("unknown response") << 7u << Color3({0.5, 0.5, 0.5}) << failed << "response 7";
    QTest::newRow("success without a color") << 0u << Color3() << failed << "no color";
    QTest::newRow("component above 1") << 0u << Color3({1.5, 0.0, 0.0}) << failed << "outside";
    QTest::newRow("negative component") << 0u << Color3({0.0, -0.1, 0.0}) << failed << "outside";
    QTest::newRow("not a number") << 0u << Color3({0.0, 0.0, nan}) << failed << "outside";
}

void tst_ScreenPick::readsTheResponse()
{
    QFETCH(uint, response);
    QFETCH(Color3, color);
    QFETCH(int, kind);
    QFETCH(QString, result);
    const Outcome outcome = readResponse(response, color);
    QCOMPARE(int(outcome.kind), kind);
    if (outcome.kind == Outcome::Kind::Picked)
        QCOMPARE(Color::buildHex(outcome.color), result);
    else
        QVERIFY2(outcome.reason.contains(result), qPrintable(outcome.reason));
    if (outcome.kind == Outcome::Kind::Failed) {
        QVERIFY(!outcome.reason.endsWith(u'.')); // the error box adds the stop
        QVERIFY(unavailable(outcome.reason)
                        .startsWith(QStringLiteral("Picking a color from the screen is not "
                                                   "available on this desktop: ")));
    }
}

void tst_ScreenPick::roundsComponentsToTheNearest()
{
    // Every component survives the trip through 0..1, also where the division is inexact.
    for (int c = 0; c <= 255; ++c) {
        QCOMPARE(unitToComponent(c / 255.0), std::optional<int>(c));
        QCOMPARE(unitToComponent(c / 255.0 + 0.49 / 255), std::optional<int>(c));
        QCOMPARE(unitToComponent(c / 255.0 - 0.49 / 255), std::optional<int>(c));
    }
    QCOMPARE(unitToComponent(0.5), std::optional<int>(128)); // 127.5: not cut down to 127
    QCOMPARE(unitToComponent(1.0 + 0.4 / 255), std::optional<int>(255));
    QCOMPARE(unitToComponent(1.0 + 0.6 / 255), std::nullopt);
    QCOMPARE(unitToComponent(std::numeric_limits<double>::infinity()), std::nullopt);
}

void tst_ScreenPick::makesFreshTokensAndTheirPaths()
{
    const QRegularExpression element(QStringLiteral("^[A-Za-z0-9_]+$"));
    QSet<QString> tokens;
    for (quint64 serial = 1; serial <= 50; ++serial) {
        const QString token = handleToken(serial, 0xDEADBEEF);
        QVERIFY2(element.match(token).hasMatch(), qPrintable(token));
        tokens.insert(token);
    }
    QCOMPARE(tokens.size(), 50);
    QVERIFY(handleToken(1, 1) != handleToken(1, 2));

    QCOMPARE(requestPath(QStringLiteral(":1.42"), QStringLiteral("tintora_1")),
             QStringLiteral("/org/freedesktop/portal/desktop/request/1_42/tintora_1"));
    QCOMPARE(requestPath(QStringLiteral(":1.2.3"), QStringLiteral("t")),
             QStringLiteral("/org/freedesktop/portal/desktop/request/1_2_3/t"));
}

QTEST_GUILESS_MAIN(tst_ScreenPick)
#include "tst_screenpick.moc"
