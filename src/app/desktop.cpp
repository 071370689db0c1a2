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
        // rows of B, G, R, A bytes, not premultiplied), so that the window needs no installed
        // theme and the start no PNG decoder: decoding the six PNGs was 0.7 ms of the start's
        // work. Those bytes are a 32-bit ARGB picture on a little-endian machine, which is what
        // the X11 window icon is made of, so nothing converts them on the way there. The build
        // stores them without compression, and each picture is read where it lies in the
        // program.
        QList<QImage> made;
        for (int size : iconSizes()) {
            const QResource file(QStringLiteral(":/icons/window/%1.bgra").arg(size));
            if (!file.isValid() || file.compressionAlgorithm() != QResource::NoCompression
                || file.size() != qint64(size) * size * 4)
                continue;
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
            made.append(QImage(file.data(), size, size, size * 4, QImage::Format_ARGB32));
#else
            // Read as R, G, B, A, which has red and blue the wrong way round, and put right.
            made.append(QImage(file.data(), size, size, size * 4, QImage::Format_RGBA8888)
                                .rgbSwapped()
                                .convertToFormat(QImage::Format_ARGB32));
#endif
        }
        return made;
    }();
    return pictures;
}

QIcon icon()
{
    // The pictures as they are: a pixmap made with Qt's own format would be a converted copy,
    // and X11 would convert it back for the window icon. The largest comes first: Qt builds
    // that icon by growing one buffer a picture at a time, and sized for the largest it never
    // grows again.
    QIcon icon;
    const QList<QImage> &pictures = iconPictures();
    for (auto picture = pictures.crbegin(); picture != pictures.crend(); ++picture)
        icon.addPixmap(QPixmap::fromImage(*picture, Qt::NoFormatConversion));
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
