// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the program's icon: three light discs, red, green and blue, that add up to white where
// they meet, on a dark rounded tile. Writes the icon theme's set: a PNG at every size the
// desktop asks for and the scalable SVG; and beside the theme, for the sizes built into the
// program for its windows, the same pixels undecoded (window/SIZE.bgra: rows of B, G, R, A
// bytes, not premultiplied), which the program shows without decoding a PNG as it starts. Not
// part of the build; the files it writes are committed. Regenerate with:
//   g++ -std=c++20 -fPIC drawicon.cpp $(pkg-config --cflags --libs Qt6Gui) -o /tmp/drawicon
//   QT_QPA_PLATFORM=offscreen /tmp/drawicon resources/icons
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>

namespace {

// The design, on a 32 by 32 grid; both the PNGs and the SVG are drawn from these numbers.
constexpr double kTileInset = 0.5;
constexpr double kTileSize = 31;
constexpr double kTileRadius = 6;
const QColor kTileTop(0, 64, 128);
const QColor kTileBottom(0, 20, 48);
constexpr double kDiscRadius = 8.6;
const QPointF kDiscsCentre(16, 16.8);
constexpr double kDiscSpread = 5.2;
constexpr int kRimAlpha = 90;
constexpr double kRimWidth = 0.8;

const std::array<QColor, 3> kDiscColors {QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255)};

QPointF discCentre(int i)
{
    const double angle = (-90 + 120 * i) * M_PI / 180.0;
    return kDiscsCentre + QPointF(std::cos(angle), std::sin(angle)) * kDiscSpread;
}

QImage drawIcon(int size)
{
    const double s = size / 32.0;
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    QPainterPath tile;
    tile.addRoundedRect(QRectF(kTileInset * s, kTileInset * s, kTileSize * s, kTileSize * s),
                        kTileRadius * s, kTileRadius * s);
    QLinearGradient shade(0, 0, 0, size);
    shade.setColorAt(0, kTileTop);
    shade.setColorAt(1, kTileBottom);
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
        for (int i = 0; i < 3; ++i) {
            p.setBrush(kDiscColors[i]);
            p.drawEllipse(discCentre(i) * s, kDiscRadius * s, kDiscRadius * s);
        }
    }
    painter.drawImage(0, 0, light);

    painter.setPen(QPen(QColor(255, 255, 255, kRimAlpha), std::max(1.0, kRimWidth * s)));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(tile);
    return image;
}

QString number(double value)
{
    return QString::number(value, 'f', 3);
}

QString point(const QPointF &p)
{
    return number(p.x()) + QLatin1Char(' ') + number(p.y());
}

// The two points where discs a and b cross, ordered so that the short arc of disc a runs
// clockwise from the first to the second (the order an SVG arc with sweep 1 needs).
std::pair<QPointF, QPointF> crossings(const QPointF &a, const QPointF &b)
{
    const QPointF along = b - a;
    const double distance = std::hypot(along.x(), along.y());
    const QPointF unit = along / distance;
    const QPointF across(-unit.y(), unit.x());
    const double half = std::sqrt(kDiscRadius * kDiscRadius - distance * distance / 4);
    const QPointF middle = (a + b) / 2;
    QPointF first = middle + across * half;
    QPointF second = middle - across * half;
    const QPointF chord = second - first;
    const QPointF toCentre = a - first;
    if (chord.x() * toCentre.y() - chord.y() * toCentre.x() < 0)
        std::swap(first, second);
    return {first, second};
}

QString arcTo(const QPointF &to)
{
    const QString r = number(kDiscRadius);
    return QStringLiteral(" A %1 %1 0 0 1 %2").arg(r, point(to));
}

// SVG renderers differ in the blend modes they know, so the mixed colors are not blended:
// each overlap is a shape of its own, bounded by the arcs of the discs that make it.
QString drawSvg()
{
    std::array<QPointF, 3> c;
    for (int i = 0; i < 3; ++i)
        c[i] = discCentre(i);
    const auto hex = [](const QColor &color) { return color.name(QColor::HexRgb).toUpper(); };

    QString svg;
    svg += QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<!-- SPDX-License-Identifier: GPL-3.0-or-later -->\n"
                          "<!-- Drawn by drawicon.cpp beside this folder. -->\n"
                          "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"32\" height=\"32\" "
                          "viewBox=\"0 0 32 32\">\n");
    svg += QStringLiteral("  <defs>\n"
                          "    <linearGradient id=\"shade\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"32\" "
                          "gradientUnits=\"userSpaceOnUse\">\n"
                          "      <stop offset=\"0\" stop-color=\"%1\"/>\n"
                          "      <stop offset=\"1\" stop-color=\"%2\"/>\n"
                          "    </linearGradient>\n"
                          "  </defs>\n")
                   .arg(hex(kTileTop), hex(kTileBottom));
    const QString tile = QStringLiteral("x=\"%1\" y=\"%1\" width=\"%2\" height=\"%2\" rx=\"%3\"")
                                 .arg(number(kTileInset), number(kTileSize), number(kTileRadius));
    svg += QStringLiteral("  <rect %1 fill=\"url(#shade)\"/>\n").arg(tile);

    for (int i = 0; i < 3; ++i)
        svg += QStringLiteral("  <circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"%4\"/>\n")
                       .arg(number(c[i].x()), number(c[i].y()), number(kDiscRadius),
                            hex(kDiscColors[i]));

    // Where two discs meet: a lens of two arcs. Where all three meet: a curved triangle whose
    // corners are the crossings that lie inside the third disc.
    std::array<QPointF, 3> inner; // inner[i]: the crossing of discs i and i+1 inside the third
    for (int i = 0; i < 3; ++i) {
        const int j = (i + 1) % 3;
        const auto [first, second] = crossings(c[i], c[j]);
        const QColor mixed(kDiscColors[i].red() + kDiscColors[j].red(),
                           kDiscColors[i].green() + kDiscColors[j].green(),
                           kDiscColors[i].blue() + kDiscColors[j].blue());
        svg += QStringLiteral("  <path d=\"M %1%2%3 Z\" fill=\"%4\"/>\n")
                       .arg(point(first), arcTo(second), arcTo(first), hex(mixed));
        const QPointF third = c[(i + 2) % 3];
        inner[i] = std::hypot(first.x() - third.x(), first.y() - third.y())
                        < std::hypot(second.x() - third.x(), second.y() - third.y())
                ? first
                : second;
    }
    // Corner inner[i] joins the edge on disc i+1 to the edge on disc i; walking clockwise the
    // corners come in the order 0, 2, 1 or 0, 1, 2, whichever the arcs' sweep agrees with.
    const auto clockwise = [](const QPointF &a, const QPointF &b, const QPointF &m) {
        const QPointF u = b - a, v = m - a;
        return u.x() * v.y() - u.y() * v.x() > 0;
    };
    const QPointF middle = (inner[0] + inner[1] + inner[2]) / 3;
    std::array<int, 3> order {0, 1, 2};
    if (!clockwise(inner[0], inner[1], middle))
        order = {0, 2, 1};
    svg += QStringLiteral("  <path d=\"M %1%2%3%4 Z\" fill=\"#FFFFFF\"/>\n")
                   .arg(point(inner[order[0]]), arcTo(inner[order[1]]), arcTo(inner[order[2]]),
                        arcTo(inner[order[0]]));

    svg += QStringLiteral("  <rect %1 fill=\"none\" stroke=\"#FFFFFF\" stroke-opacity=\"%2\" "
                          "stroke-width=\"%3\"/>\n")
                   .arg(tile, number(kRimAlpha / 255.0), number(kRimWidth));
    svg += QStringLiteral("</svg>\n");
    return svg;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QDir icons(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    const QDir out(icons.filePath(QStringLiteral("hicolor")));
    const QString name = QStringLiteral("org.tintora.Tintora");
    bool ok = icons.mkpath(QStringLiteral("window"));
    for (int size : {16, 24, 32, 48, 64, 128, 256, 512}) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        const QImage image = drawIcon(size);
        ok = ok && out.mkpath(folder)
                && image.save(out.filePath(folder + QLatin1Char('/') + name + ".png"));
        if (size > 128)
            continue;
        // The pixels the PNG decodes to, unpremultiplied as it is saved, in the bytes a 32-bit
        // ARGB pixel has on a little-endian machine: what the window system's icon is made of.
        const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
        QFile raw(icons.filePath(QStringLiteral("window/%1.bgra").arg(size)));
        ok = ok && raw.open(QIODevice::WriteOnly);
        for (int y = 0; ok && y < size; ++y) {
            QByteArray row;
            for (int x = 0; x < size; ++x) {
                const QRgb pixel = argb.pixel(x, y);
                row.append(char(qBlue(pixel))).append(char(qGreen(pixel)));
                row.append(char(qRed(pixel))).append(char(qAlpha(pixel)));
            }
            ok = raw.write(row) == row.size();
        }
    }
    QFile svg(out.filePath(QStringLiteral("scalable/apps/") + name + ".svg"));
    ok = ok && out.mkpath(QStringLiteral("scalable/apps")) && svg.open(QIODevice::WriteOnly)
            && svg.write(drawSvg().toUtf8()) > 0;
    return ok ? 0 : 1;
}
