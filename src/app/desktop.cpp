// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/desktop.h"

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QResource>

namespace Tintora::Desktop {

QList<int> iconSizes()
{
    return {16, 24, 32, 48, 64, 128};
}

const QList<QImage> &iconPictures()
{
    // Made once, by whichever thread asks first; another that asks meanwhile waits for them.
    static const QList<QImage> pictures = [] {
        // The icon theme's pictures, built into the program undecoded (resources/icons/window:
        // rows of R, G, B, A bytes), so that the window needs no installed theme and the start
        // no PNG decoder: decoding the six PNGs was 0.7 ms of the start's work. Stored without
        // compression, each picture is read where it lies in the program.
        QList<QImage> made;
        for (int size : iconSizes()) {
            const QResource file(QStringLiteral(":/icons/window/%1.rgba").arg(size));
            const qsizetype bytes = qsizetype(size) * size * 4;
            if (!file.isValid() || file.uncompressedSize() != bytes)
                continue;
            if (file.compressionAlgorithm() == QResource::NoCompression) {
                made.append(QImage(file.data(), size, size, size * 4, QImage::Format_RGBA8888));
            } else {
                const QByteArray pixels = file.uncompressedData();
                made.append(QImage(reinterpret_cast<const uchar *>(pixels.constData()), size, size,
                                   size * 4, QImage::Format_RGBA8888)
                                    .copy());
            }
        }
        return made;
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
