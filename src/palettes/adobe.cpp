// SPDX-License-Identifier: GPL-3.0-or-later
#include "palettes/adobe.h"

#include <QCoreApplication>
#include <QtEndian>

#include <algorithm>
#include <bit>
#include <cmath>

namespace Tintora::SwatchExchange {

namespace {

constexpr quint16 kColorBlock = 0x0001;
constexpr quint16 kNormalColor = 2;

// The smallest block: a type and a length of zero.
constexpr qsizetype kBlockHeader = 6;

// Components a hair outside their range come from rounding in other programs.
constexpr double kSlack = 1e-3;

double srgbEncoded(double linear)
{
    linear = std::clamp(linear, 0.0, 1.0);
    return linear <= 0.0031308 ? 12.92 * linear : 1.055 * std::pow(linear, 1.0 / 2.4) - 0.055;
}

Color::ColorValue fromLab(double l, double a, double b)
{
    // CIE Lab (D50) to XYZ.
    const double fy = (l + 16.0) / 116.0;
    const double fx = fy + a / 500.0;
    const double fz = fy - b / 200.0;
    constexpr double epsilon = 216.0 / 24389.0;
    constexpr double kappa = 24389.0 / 27.0;
    const auto inverse = [&](double f) {
        const double cube = f * f * f;
        return cube > epsilon ? cube : (116.0 * f - 16.0) / kappa;
    };
    const double x = 0.96422 * inverse(fx);
    const double y = l > kappa * epsilon ? fy * fy * fy : l / kappa;
    const double z = 0.82521 * inverse(fz);
    // XYZ (D50) to linear sRGB (D65): the Bradford adaptation and the sRGB matrix in one.
    const double r = 3.1338561 * x - 1.6168667 * y - 0.4906146 * z;
    const double g = -0.9787684 * x + 1.9161415 * y + 0.0334540 * z;
    const double bl = 0.0719453 * x - 0.2289914 * y + 1.4052427 * z;
    return Color::pack(Palette::toByte(srgbEncoded(r)), Palette::toByte(srgbEncoded(g)),
                       Palette::toByte(srgbEncoded(bl)));
}

class Reader
{
public:
    Reader(const QByteArray &bytes, const QString &path) : m_bytes(bytes), m_path(path) { }

    Palette::Colors palette()
    {
        const qsizetype size = m_bytes.size();
        if (size < 4 || !m_bytes.startsWith("ASEF"))
            fail(0,
                 QCoreApplication::translate("SwatchExchange",
                                             "an Adobe Swatch Exchange file begins with \"ASEF\""));
        if (size < 12)
            fail(size,
                 QCoreApplication::translate("SwatchExchange", "the file ends inside its header"));
        const quint16 major = u16(4);
        if (major != 1)
            fail(4,
                 QCoreApplication::translate(
                         "SwatchExchange",
                         "the file is of version %1.%2, and only version 1 is known")
                         .arg(major)
                         .arg(u16(6)));
        const quint32 count = u32(8);
        // Every block takes at least six bytes, so a count the rest cannot hold is a lie.
        if (qsizetype(count) > (size - 12) / kBlockHeader)
            fail(8,
                 QCoreApplication::translate(
                         "SwatchExchange",
                         "the header announces %1 blocks, more than the %2 bytes after it "
                         "can hold")
                         .arg(count)
                         .arg(size - 12));

        Palette::Colors colors;
        qsizetype pos = 12;
        for (quint32 block = 1; block <= count; ++block) {
            if (pos + kBlockHeader > size)
                fail(pos,
                     QCoreApplication::translate(
                             "SwatchExchange",
                             "the file ends before block %1 of the %2 it announces")
                             .arg(block)
                             .arg(count));
            const quint16 type = u16(pos);
            const quint32 length = u32(pos + 2);
            const qsizetype start = pos + kBlockHeader;
            if (length > quint64(size - start))
                fail(pos + 2,
                     QCoreApplication::translate("SwatchExchange",
                                                 "block %1 claims %2 bytes, but only %3 follow")
                             .arg(block)
                             .arg(length)
                             .arg(size - start));
            const qsizetype end = start + qsizetype(length);
            // Groups are flattened: their blocks, and blocks of kinds not known here, are
            // passed over by their length.
            if (type == kColorBlock) {
                Palette::checkRoom(colors, m_path, [pos] { return Palette::atByte(pos); });
                color(colors, block, start, end);
            }
            pos = end;
        }
        if (pos != size)
            fail(pos,
                 QCoreApplication::translate("SwatchExchange",
                                             "%1 bytes follow the last of the %2 blocks the header "
                                             "announces")
                         .arg(size - pos)
                         .arg(count));
        return colors;
    }

private:
    [[noreturn]] void fail(qsizetype offset, const QString &reason) const
    {
        Palette::fail(m_path, Palette::atByte(offset), reason);
    }

    [[noreturn]] void shortBlock(quint32 block, qsizetype at) const
    {
        fail(at,
             QCoreApplication::translate("SwatchExchange",
                                         "block %1 ends before the color it holds does")
                     .arg(block));
    }

    // The caller has checked that the bytes are there.
    quint16 u16(qsizetype at) const { return qFromBigEndian<quint16>(m_bytes.constData() + at); }
    quint32 u32(qsizetype at) const { return qFromBigEndian<quint32>(m_bytes.constData() + at); }

    void color(Palette::Colors &colors, quint32 block, qsizetype pos, qsizetype end)
    {
        if (pos + 2 > end)
            shortBlock(block, pos);
        const quint16 units = u16(pos);
        pos += 2;
        if (qsizetype(units) * 2 > end - pos)
            fail(pos - 2,
                 QCoreApplication::translate("SwatchExchange",
                                             "the name in block %1 claims %2 characters, more than "
                                             "the block holds")
                         .arg(block)
                         .arg(units));
        QString name(units, Qt::Uninitialized);
        for (qsizetype i = 0; i < units; ++i)
            name[i] = QChar(u16(pos + 2 * i));
        pos += 2 * qsizetype(units);
        const qsizetype nul = name.indexOf(QChar(0));
        if (nul >= 0)
            name.truncate(nul);

        if (pos + 4 > end)
            shortBlock(block, pos);
        const QByteArray model = m_bytes.mid(pos, 4).toUpper();
        const qsizetype modelAt = pos;
        pos += 4;
        const auto components = [&](int count, float *out) {
            if (pos + 4 * qsizetype(count) > end)
                shortBlock(block, pos);
            for (int i = 0; i < count; ++i) {
                out[i] = std::bit_cast<float>(u32(pos));
                if (!std::isfinite(out[i]))
                    fail(pos,
                         QCoreApplication::translate("SwatchExchange",
                                                     "a component of block %1 is not a number")
                                 .arg(block));
                pos += 4;
            }
        };
        const auto inRange = [&](float value, double low, double high, qsizetype at) {
            if (value < low - kSlack * (high - low) || value > high + kSlack * (high - low))
                fail(at,
                     QCoreApplication::translate("SwatchExchange",
                                                 "a component of block %1 is %2, outside %3 to %4")
                             .arg(block)
                             .arg(double(value))
                             .arg(low)
                             .arg(high));
            return double(value);
        };
        float c[4] = {};
        Color::ColorValue value = 0;
        const qsizetype first = pos;
        if (model == "RGB ") {
            components(3, c);
            value = Color::pack(Palette::toByte(inRange(c[0], 0, 1, first)),
                                Palette::toByte(inRange(c[1], 0, 1, first + 4)),
                                Palette::toByte(inRange(c[2], 0, 1, first + 8)));
        } else if (model == "GRAY") {
            components(1, c);
            const int level = Palette::toByte(inRange(c[0], 0, 1, first));
            value = Color::pack(level, level, level);
        } else if (model == "CMYK") {
            components(4, c);
            const double k = 1.0 - std::clamp(inRange(c[3], 0, 1, first + 12), 0.0, 1.0);
            const auto channel = [&](int i) {
                return Palette::toByte(
                        (1.0 - std::clamp(inRange(c[i], 0, 1, first + 4 * qsizetype(i)), 0.0, 1.0))
                        * k);
            };
            value = Color::pack(channel(0), channel(1), channel(2));
        } else if (model == "LAB ") {
            components(3, c);
            value = fromLab(100.0 * std::clamp(inRange(c[0], 0, 1, first), 0.0, 1.0),
                            inRange(c[1], -128, 127, first + 4),
                            inRange(c[2], -128, 127, first + 8));
        } else {
            QString shown;
            for (const char ch : model)
                shown += ch >= 0x20 && ch < 0x7F ? QChar(ch) : QChar(u'?');
            fail(modelAt,
                 QCoreApplication::translate(
                         "SwatchExchange",
                         "block %1 has the color model \"%2\"; RGB, Gray, CMYK and LAB "
                         "are known")
                         .arg(block)
                         .arg(shown));
        }
        // The kind (global, spot or normal) changes nothing here, but belongs to the color.
        if (pos + 2 > end)
            shortBlock(block, pos);
        colors.values.append(value);
        colors.names.append(Palette::entryName(name, value));
    }

    const QByteArray &m_bytes;
    const QString &m_path;
};

} // namespace

Palette::Colors read(const QByteArray &bytes, const QString &path)
{
    return Reader(bytes, path).palette();
}

QByteArray write(const Palette::Colors &colors)
{
    // The length field counts 16-bit units, the final NUL among them.
    const auto unitsOf = [&](qsizetype i) {
        const QString &name = colors.names.at(i);
        qsizetype keep = qMin(name.size(), qsizetype(0xFFFE));
        if (keep < name.size() && name.at(keep - 1).isHighSurrogate())
            --keep; // a name cut short is not cut through a character
        return quint16(keep + 1);
    };
    qsizetype size = 12;
    for (qsizetype i = 0; i < colors.values.size(); ++i)
        size += 6 + 2 + 2 * qsizetype(unitsOf(i)) + 4 + 12 + 2;

    // Written in place: a block is some forty bytes, and appending them piece by piece costs
    // more than everything else of an export.
    QByteArray bytes(size, Qt::Uninitialized);
    char *out = bytes.data();
    const auto put16 = [&out](quint16 v) {
        qToBigEndian(v, out);
        out += 2;
    };
    const auto put32 = [&out](quint32 v) {
        qToBigEndian(v, out);
        out += 4;
    };
    for (const char ch : {'A', 'S', 'E', 'F'})
        *out++ = ch;
    put16(1);
    put16(0);
    put32(quint32(colors.values.size()));
    for (qsizetype i = 0; i < colors.values.size(); ++i) {
        const quint16 units = unitsOf(i);
        put16(kColorBlock);
        put32(2 + 2 * quint32(units) + 4 + 12 + 2);
        put16(units);
        const QChar *name = colors.names.at(i).constData();
        for (int k = 0; k + 1 < units; ++k)
            put16(name[k].unicode());
        put16(0);
        for (const char ch : {'R', 'G', 'B', ' '})
            *out++ = ch;
        const Color::ColorValue value = colors.values.at(i);
        for (const int component : {Color::red(value), Color::green(value), Color::blue(value)})
            put32(std::bit_cast<quint32>(float(component / 255.0)));
        put16(kNormalColor);
    }
    Q_ASSERT(out == bytes.constData() + bytes.size());
    return bytes;
}

} // namespace Tintora::SwatchExchange
