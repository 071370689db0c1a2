// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/desktop.h"

#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPixmap>

namespace Tintora::Desktop {

QList<int> iconSizes()
{
    return {16, 24, 32, 48, 64, 128};
}

const QList<QImage> &iconPictures()
{
    // Decoded once, by whichever thread asks first; another that asks meanwhile waits for them.
    static const QList<QImage> pictures = [] {
        // The icon theme's own PNGs, built into the program: the window needs no installed
        // theme. Read as PNG and nothing else: a reader left to detect the format first asks
        // every image format plugin whether it reads the file; told, it makes the icon in a
        // quarter fewer instructions (2 of 9 million, callgrind).
        QList<QImage> decoded;
        for (int size : iconSizes()) {
            QImageReader reader(QStringLiteral(":/icons/%1x%1/apps/%2.png")
                                        .arg(size)
                                        .arg(QLatin1String(kApplicationId)),
                                QByteArrayLiteral("png"));
            reader.setAutoDetectImageFormat(false);
            QImage image = reader.read();
            if (!image.isNull())
                decoded.append(std::move(image));
        }
        return decoded;
    }();
    return pictures;
}

QIcon icon()
{
    QIcon icon;
    for (const QImage &picture : iconPictures())
        icon.addPixmap(QPixmap::fromImage(picture));
    return icon;
}

void integrate()
{
    QGuiApplication::setDesktopFileName(QLatin1String(kApplicationId));
    QGuiApplication::setWindowIcon(icon());
}

bool isWayland(const QString &platformName)
{
    // "wayland", and the plugins for particular buffer kinds: "wayland-egl" and the like.
    return platformName == QLatin1String("wayland")
            || platformName.startsWith(QLatin1String("wayland-"));
}

bool canKeepAbove(const QString &platformName)
{
    return !isWayland(platformName);
}

bool canPlaceWindows(const QString &platformName)
{
    return !isWayland(platformName);
}

bool canKeepAbove()
{
    return canKeepAbove(QGuiApplication::platformName());
}

bool canPlaceWindows()
{
    return canPlaceWindows(QGuiApplication::platformName());
}

QString keepAboveUnavailableHint()
{
    return QCoreApplication::translate(
            "Desktop",
            "Not available on Wayland: there the desktop alone decides which "
            "window stays above the others.");
}

} // namespace Tintora::Desktop
