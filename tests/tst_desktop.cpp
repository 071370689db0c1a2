// SPDX-License-Identifier: GPL-3.0-or-later
// What the program tells the desktop about itself, and what it expects of each window system.
#include "app/desktop.h"
#include "app/warmup.h"

#include <QFontDatabase>
#include <QFontMetrics>
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
    void warmUpEndsWhereverItIsLeft_data();
    void warmUpEndsWhereverItIsLeft();
};

void tst_Desktop::iconHasAPictureDrawnForEverySize()
{
    const QIcon icon = Desktop::icon();
    QCOMPARE(icon.availableSizes().size(), Desktop::iconSizes().size());
    for (int size : Desktop::iconSizes()) {
        // A picture of exactly that size, not a neighbour scaled to fit: each file is there.
        const QImage image = icon.pixmap(QSize(size, size), 1.0).toImage();
        QCOMPARE(image.size(), QSize(size, size));
        // As stored, unpremultiplied: the X11 window icon is made of them without a conversion.
        QCOMPARE(image.format(), QImage::Format_ARGB32);
        // The drawing itself: the discs' white in the centre, the tile's rounded corners clear.
        QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 255);
        QVERIFY(qGray(image.pixel(size / 2, size / 2)) > 200);
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    }
    // The pixels built in are those of the icon theme's PNGs, to the last bit.
    const QList<QImage> &pictures = Desktop::iconPictures();
    QCOMPARE(pictures.size(), Desktop::iconSizes().size());
    for (const QImage &picture : pictures) {
        const QImage png(QStringLiteral(TINTORA_RESOURCES "/icons/hicolor/%1x%1/apps/%2.png")
                                 .arg(picture.width())
                                 .arg(QLatin1String(Desktop::kApplicationId)));
        QVERIFY(!png.isNull());
        QCOMPARE(picture.convertToFormat(QImage::Format_ARGB32),
                 png.convertToFormat(QImage::Format_ARGB32));
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

void tst_Desktop::warmUpEndsWhereverItIsLeft_data()
{
    QTest::addColumn<int>("starts");   // how often it is told the application exists
    QTest::addColumn<int>("finishes"); // how often it is told to finish before it goes
    QTest::newRow("told of the application, then finished") << 1 << 1;
    QTest::newRow("finished without the application") << 0 << 1;
    QTest::newRow("left without a word") << 0 << 0;
    QTest::newRow("told of the application, then left") << 1 << 0;
    QTest::newRow("everything twice") << 2 << 2;
}

void tst_Desktop::warmUpEndsWhereverItIsLeft()
{
    QFETCH(int, starts);
    QFETCH(int, finishes);
    {
        WarmUp warmUp;
        for (int i = 0; i < starts; ++i)
            warmUp.applicationStarted();
        // Text is measured while the thread may still be at the fonts.
        QVERIFY(QFontMetrics(QFont(QStringLiteral("Times New Roman"))).height() > 0);
        for (int i = 0; i < finishes; ++i)
            warmUp.finish();
    } // a thread still waiting for the application must not hold its owner here
    QVERIFY(!QFontDatabase::families().isEmpty());
}

QTEST_MAIN(tst_Desktop)
#include "tst_desktop.moc"
