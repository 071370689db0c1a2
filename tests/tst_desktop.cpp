// SPDX-License-Identifier: GPL-3.0-or-later
// What the program tells the desktop about itself, and what it expects of each window system.
#include "app/desktop.h"

#include <QGuiApplication>
#include <QImage>
#include <QTest>

using namespace Tintora;

class tst_Desktop : public QObject
{
    Q_OBJECT
private slots:
    void iconHasAPictureDrawnForEverySize();
    void integrateNamesTheDesktopFileAndIcon();
    void windowSystemAbilities_data();
    void windowSystemAbilities();
};

void tst_Desktop::iconHasAPictureDrawnForEverySize()
{
    const QIcon icon = Desktop::icon();
    QCOMPARE(icon.availableSizes().size(), Desktop::iconSizes().size());
    for (int size : Desktop::iconSizes()) {
        // A picture of exactly that size, not a neighbour scaled to fit: each file is there.
        const QImage image = icon.pixmap(QSize(size, size), 1.0).toImage();
        QCOMPARE(image.size(), QSize(size, size));
        // The drawing itself: the discs' white in the centre, the tile's rounded corners clear.
        QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 255);
        QVERIFY(qGray(image.pixel(size / 2, size / 2)) > 200);
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    }
}

void tst_Desktop::integrateNamesTheDesktopFileAndIcon()
{
    Desktop::integrate();
    // The installed desktop file is named after the application id; docks look for exactly it.
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("org.tintora.Tintora"));
    QCOMPARE(QGuiApplication::windowIcon().availableSizes(), Desktop::icon().availableSizes());
}

void tst_Desktop::windowSystemAbilities_data()
{
    QTest::addColumn<QString>("platform");
    QTest::addColumn<bool>("wayland");
    QTest::newRow("wayland") << "wayland" << true;
    QTest::newRow("wayland-egl") << "wayland-egl" << true;
    QTest::newRow("xcb") << "xcb" << false;
    QTest::newRow("offscreen") << "offscreen" << false;
    QTest::newRow("waylandish name") << "waylandfoo" << false;
    QTest::newRow("empty") << "" << false;
}

void tst_Desktop::windowSystemAbilities()
{
    QFETCH(QString, platform);
    QFETCH(bool, wayland);
    QCOMPARE(Desktop::isWayland(platform), wayland);
    QCOMPARE(Desktop::canKeepAbove(platform), !wayland);
    QCOMPARE(Desktop::canPlaceWindows(platform), !wayland);
}

QTEST_MAIN(tst_Desktop)
#include "tst_desktop.moc"
