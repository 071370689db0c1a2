// SPDX-License-Identifier: GPL-3.0-or-later
#include "palettes/libreoffice.h"

#include "core/text.h"

#include <QCoreApplication>
#include <QXmlStreamReader>

namespace Tintora::ColorTable {

namespace {

const QString kOffice2000 = QStringLiteral("http://openoffice.org/2000/office");
const QString kOffice2004 = QStringLiteral("http://openoffice.org/2004/office");
const QString kDrawing2000 = QStringLiteral("http://openoffice.org/2000/drawing");
const QString kDrawing = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:drawing:1.0");
const QString kOffice = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:office:1.0");

// XML 1.0 cannot hold control characters other than tab, line feed and carriage return, nor
// U+FFFE and U+FFFF, nor half characters; a name that has them would make a file no reader
// takes.
QString xmlText(const QString &text)
{
    QString out = text;
    for (qsizetype i = 0; i < out.size(); ++i) {
        const QChar c = out.at(i);
        const char16_t u = c.unicode();
        if (c.isHighSurrogate() && i + 1 < out.size() && out.at(i + 1).isLowSurrogate())
            ++i;
        else if ((u < 0x20 && u != u'\t' && u != u'\n' && u != u'\r') || u == 0xFFFE || u == 0xFFFF
                 || c.isSurrogate())
            out[i] = QChar::ReplacementCharacter;
    }
    return out;
}

// An attribute value as XML reads it back: white space other than the space is escaped too,
// since a reader turns a literal tab or line break in an attribute into a space.
void appendAttribute(QByteArray &out, const QString &text)
{
    qsizetype plain = 0;
    const auto flush = [&](qsizetype upTo) {
        out += QStringView(text).sliced(plain, upTo - plain).toUtf8();
        plain = upTo + 1;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char *escape = nullptr;
        switch (text.at(i).unicode()) {
        case u'&':
            escape = "&amp;";
            break;
        case u'<':
            escape = "&lt;";
            break;
        case u'>':
            escape = "&gt;";
            break;
        case u'"':
            escape = "&quot;";
            break;
        case u'\t':
            escape = "&#9;";
            break;
        case u'\n':
            escape = "&#10;";
            break;
        case u'\r':
            escape = "&#13;";
            break;
        default:
            continue;
        }
        flush(i);
        out += escape;
    }
    flush(text.size());
}

} // namespace

Palette::Colors read(const QByteArray &bytes, const QString &path)
{
    if (std::optional<Palette::Colors> colors = readPlain(bytes))
        return *std::move(colors);
    return readXml(bytes, path);
}

Palette::Colors readXml(const QByteArray &bytes, const QString &path)
{
    QXmlStreamReader xml(bytes);
    const auto fail = [&](const QString &reason) {
        Palette::fail(path, Palette::atLine(xml.lineNumber()), reason);
    };
    Palette::Colors colors;
    bool seenRoot = false;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::DTD)
            fail(QCoreApplication::translate(
                    "ColorTable",
                    "the file declares a document type, which a color table has "
                    "not"));
        if (token != QXmlStreamReader::StartElement)
            continue;
        if (!seenRoot) {
            seenRoot = true;
            const QStringView ns = xml.namespaceUri();
            if (xml.name() != QLatin1String("color-table")
                || (ns != kOffice2000 && ns != kOffice2004))
                fail(QCoreApplication::translate(
                             "ColorTable",
                             "a LibreOffice color table has a color-table root element, "
                             "and this file has \"%1\"")
                             .arg(Text::elideMiddle(xml.qualifiedName().toString(), 60)));
            continue;
        }
        const QStringView ns = xml.namespaceUri();
        if (xml.name() != QLatin1String("color") || (ns != kDrawing && ns != kDrawing2000))
            continue;
        Palette::checkRoom(colors, path, [&] { return Palette::atLine(xml.lineNumber()); });
        // The attributes in the element's own namespace, found without copying their names.
        QStringView hex;
        QStringView name;
        bool hasHex = false;
        const QXmlStreamAttributes attributes = xml.attributes();
        for (const QXmlStreamAttribute &attribute : attributes) {
            if (attribute.namespaceUri() != ns)
                continue;
            if (attribute.name() == QLatin1String("color")) {
                hex = attribute.value();
                hasHex = true;
            } else if (attribute.name() == QLatin1String("name")) {
                name = attribute.value();
            }
        }
        if (!hasHex)
            fail(QCoreApplication::translate("ColorTable", "color %1 has no draw:color value")
                         .arg(colors.values.size() + 1));
        const std::optional<Color::ColorValue> value = Palette::parseHex(hex);
        if (!value)
            fail(QCoreApplication::translate("ColorTable",
                                             "the draw:color of color %1 is \"%2\", not #rrggbb")
                         .arg(colors.values.size() + 1)
                         .arg(Text::elideMiddle(hex.toString(), 40)));
        colors.values.append(*value);
        colors.names.append(Palette::entryName(name.toString(), *value));
    }
    if (xml.hasError())
        fail(QCoreApplication::translate("ColorTable", "the XML is broken: %1")
                     .arg(xml.errorString()));
    if (!seenRoot)
        fail(QCoreApplication::translate("ColorTable", "the file holds no XML element"));
    return colors;
}

QByteArray write(const Palette::Colors &colors)
{
    QByteArray bytes;
    bytes.reserve(400 + colors.values.size() * 64);
    bytes += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ooo:color-table xmlns:office=\"";
    bytes += kOffice.toLatin1();
    bytes += "\" xmlns:draw=\"";
    bytes += kDrawing.toLatin1();
    bytes += "\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
             "xmlns:svg=\"http://www.w3.org/2000/svg\" xmlns:ooo=\"";
    bytes += kOffice2004.toLatin1();
    bytes += "\">\n";
    for (qsizetype i = 0; i < colors.values.size(); ++i) {
        bytes += "  <draw:color draw:name=\"";
        appendAttribute(bytes, xmlText(colors.names.at(i)));
        bytes += "\" draw:color=\"";
        Palette::appendHex(bytes, colors.values.at(i), true);
        bytes += "\"/>\n";
    }
    bytes += "</ooo:color-table>\n";
    return bytes;
}

} // namespace Tintora::ColorTable
