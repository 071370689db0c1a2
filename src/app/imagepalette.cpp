// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/imagepalette.h"

#include "color/dominantcolors.h"
#include "palettes/palettefile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <cmath>

namespace Tintora::ImagePalette {

namespace {

// Qt refuses to allocate images above a limit of its own (128 or 256 MB, by version); the
// largest image taken here needs more while a 16-bit PNG is decoded.
constexpr int kAllocationLimitMB = 1024;

[[noreturn]] void failDamaged(const QString &path)
{
    Palette::fail(path, {},
                  QCoreApplication::translate("ImagePalette",
                                              "The image's data is damaged or cut short"));
}

// An image file opened and its header read.
class OpenedImage
{
public:
    explicit OpenedImage(const QString &path) : m_file(path)
    {
        PaletteFile::openForReading(m_file);
        const QByteArray head = m_file.peek(16);
        m_reader.setDevice(&m_file);
        // The bytes tell the kind, not the name: a JPEG saved as .png is read all the same.
        m_reader.setDecideFormatFromContent(true);
        if (!PaletteFile::imageKind(m_reader.format())) {
            // Qt names no format when the header is cut short; the signature still shows it.
            if (PaletteFile::imageKindOfContents(head))
                failDamaged(path);
            Palette::fail(path, {},
                          QCoreApplication::translate("ImagePalette",
                                                      "It is not a PNG, JPEG, BMP or GIF image"));
        }
        m_size = m_reader.size();
        if (m_size.isValid() && qint64(m_size.width()) * m_size.height() > kMaxPixels)
            Palette::fail(path, {},
                          QCoreApplication::translate("ImagePalette",
                                                      "The image has %1 x %2 pixels, more than "
                                                      "the %3 million that colors are taken from")
                                  .arg(m_size.width())
                                  .arg(m_size.height())
                                  .arg(kMaxPixels / 1'000'000));
    }

    QImageReader &reader() { return m_reader; }
    QSize size() const { return m_size; }

private:
    QFile m_file;
    QImageReader m_reader;
    QSize m_size;
};

} // namespace

QSize check(const QString &path)
{
    return OpenedImage(path).size();
}

QImage read(const QString &path)
{
    OpenedImage image(path);
    if (QImageReader::allocationLimit() < kAllocationLimitMB)
        QImageReader::setAllocationLimit(kAllocationLimitMB);
    QImage decoded = image.reader().read();
    if (decoded.isNull())
        failDamaged(path);
    if (decoded.format() != QImage::Format_RGB32 && decoded.format() != QImage::Format_ARGB32)
        decoded.convertTo(decoded.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    return decoded;
}

Palette::Colors colors(const QImage &image, const QString &path, int count)
{
    const DominantColors::Pixels pixels {reinterpret_cast<const quint32 *>(image.constBits()),
                                         image.width(), image.height(),
                                         image.bytesPerLine() / qsizetype(sizeof(quint32))};
    const std::vector<DominantColors::Share> shares = DominantColors::find(pixels, count);
    if (shares.empty())
        Palette::fail(path, {},
                      QCoreApplication::translate("ImagePalette",
                                                  "Every pixel of the image is transparent or "
                                                  "nearly so: it has no colors to take"));
    const QString file = QFileInfo(path).fileName();
    Palette::Colors colors;
    colors.names.reserve(qsizetype(shares.size()));
    colors.values.reserve(qsizetype(shares.size()));
    for (const DominantColors::Share &share : shares) {
        const long percent = std::lround(share.share * 100);
        const QString shown = percent > 0 ? QString::number(percent) : QStringLiteral("<1");
        //: A color taken from an image: the image's file name and the color's share, "31"
        colors.names.append(Palette::entryName(
                QCoreApplication::translate("ImagePalette", "%1 %2%").arg(file, shown),
                share.color));
        colors.values.append(share.color);
    }
    return colors;
}

} // namespace Tintora::ImagePalette
