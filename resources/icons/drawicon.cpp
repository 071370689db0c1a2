// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the program's icon: three light discs, red, green and blue, that add up to white where
// they meet, on a dark rounded tile. Not part of the build; the PNGs it writes are committed.
// Regenerate with:
//   g++ -std=c++20 -fPIC drawicon.cpp $(pkg-config --cflags --libs Qt6Gui) -o /tmp/drawicon
//   QT_QPA_PLATFORM=offscreen /tmp/drawicon resources/icons
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

static QImage drawIcon(int size)
{
    const double s = size / 32.0; // designed on a 32 by 32 grid
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    QPainterPath tile;
    tile.addRoundedRect(QRectF(0.5 * s, 0.5 * s, 31 * s, 31 * s), 6 * s, 6 * s);
    QLinearGradient shade(0, 0, 0, size);
    shade.setColorAt(0, QColor(0, 64, 128));
    shade.setColorAt(1, QColor(0, 20, 48));
    painter.fillPath(tile, shade);

    // The discs are added light: where two meet they give yellow, cyan or magenta, where all
    // three meet white, as on a screen.
    QImage light(size, size, QImage::Format_ARGB32_Premultiplied);
    light.fill(Qt::transparent);
    {
        QPainter p(&light);
        p.setRenderHint(QPainter::Antialiasing);
        p.setCompositionMode(QPainter::CompositionMode_Plus);
        p.setPen(Qt::NoPen);
        const double r = 8.6 * s;
        const QPointF centre(16 * s, 16.8 * s);
        const double spread = 5.2 * s;
        const QColor colors[] = {QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255)};
        for (int i = 0; i < 3; ++i) {
            const double angle = (-90 + 120 * i) * M_PI / 180.0;
            const QPointF c = centre + QPointF(std::cos(angle), std::sin(angle)) * spread;
            p.setBrush(colors[i]);
            p.drawEllipse(c, r, r);
        }
    }
    painter.drawImage(0, 0, light);

    painter.setPen(QPen(QColor(255, 255, 255, 90), std::max(1.0, 0.8 * s)));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(tile);
    return image;
}

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    const bool ok = drawIcon(32).save(out.filePath(QStringLiteral("tintora.png")))
            && drawIcon(256).save(out.filePath(QStringLiteral("tintora-256.png")));
    return ok ? 0 : 1;
}
