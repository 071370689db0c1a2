// SPDX-License-Identifier: GPL-3.0-or-later
// The palette formats of other programs: what each reader takes and what it refuses (naming the
// line or byte and the reason), the conversions of the Adobe color models, the names CSS needs,
// and round trips through real files that come back byte for byte.
#include "core/error.h"
#include "palettes/css.h"
#include "palettes/libreoffice.h"
#include "palettes/palettefile.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <bit>

using namespace Tintora;
using namespace TestFiles;
using Format = PaletteFile::Format;

Q_DECLARE_METATYPE(Tintora::PaletteFile::Format)

namespace {

// An Adobe Swatch Exchange file made block by block, lengths computed unless a test lies.
class AseBuilder
{
public:
    AseBuilder &color(const QString &name, const char *model, std::initializer_list<float> values,
                      quint16 kind = 2)
    {
        QByteArray data;
        put16(data, quint16(name.size() + 1));
        for (const QChar c : name)
            put16(data, c.unicode());
        put16(data, 0);
        data += QByteArray(model, 4);
        for (const float v : values)
            put32(data, std::bit_cast<quint32>(v));
        put16(data, kind);
        return block(0x0001, data);
    }
    AseBuilder &groupStart(const QString &name)
    {
        QByteArray data;
        put16(data, quint16(name.size() + 1));
        for (const QChar c : name)
            put16(data, c.unicode());
        put16(data, 0);
        return block(0xC001, data);
    }
    AseBuilder &groupEnd() { return block(0xC002, {}); }
    AseBuilder &block(quint16 type, const QByteArray &data)
    {
        put16(m_blocks, type);
        put32(m_blocks, quint32(data.size()));
        m_blocks += data;
        ++m_count;
        return *this;
    }
    QByteArray bytes(std::optional<quint32> count = std::nullopt) const
    {
        QByteArray out("ASEF");
        put16(out, 1);
        put16(out, 0);
        put32(out, count.value_or(m_count));
        return out + m_blocks;
    }

    static void put16(QByteArray &out, quint16 v)
    {
        char b[2];
        qToBigEndian(v, b);
        out.append(b, 2);
    }
    static void put32(QByteArray &out, quint32 v)
    {
        char b[4];
        qToBigEndian(v, b);
        out.append(b, 4);
    }

private:
    QByteArray m_blocks;
    quint32 m_count = 0;
};

// Stands in for the stylesheet color syntax where only the scan of declarations is tested.
std::optional<Color::ColorValue> hexOnly(QStringView text)
{
    return Palette::parseHex(text);
}

QString errorOf(Format format, const QByteArray &bytes)
{
    try {
        PaletteFile::decode(format, bytes, QStringLiteral("/p/in.pal"));
    } catch (const FileError &e) {
        return e.message();
    }
    return {};
}

// Names and values side by side, "name=#RRGGBB", for readable comparisons.
QStringList entries(const Palette::Colors &colors)
{
    QStringList out;
    const QStringList hexes = Palette::hexes(colors.values);
    for (qsizetype i = 0; i < hexes.size(); ++i)
        out.append(colors.names.value(i) + u'=' + hexes.at(i));
    return out;
}

Palette::Colors colorsOf(const QStringList &namesAndHexes)
{
    Palette::Colors colors;
    for (const QString &entry : namesAndHexes) {
        const qsizetype eq = entry.lastIndexOf(u'=');
        colors.names.append(entry.left(eq));
        colors.values.append(*Palette::parseHex(entry.mid(eq + 1)));
    }
    return colors;
}

} // namespace

class tst_Palettes : public QObject
{
    Q_OBJECT
private slots:
    void init() { QVERIFY(m_dir.isValid()); }

    void eachFormatIsOneRowOfTheTable_data();
    void eachFormatIsOneRowOfTheTable();
    void readsWhatEachFormatAllows_data();
    void readsWhatEachFormatAllows();
    void refusesBrokenFilesNamingWhere_data();
    void refusesBrokenFilesNamingWhere();
    void convertsAdobeColorModels_data();
    void convertsAdobeColorModels();
    void readsStylesheetColorsOfEverySyntax();
    void readsCustomPropertiesOnly_data();
    void readsCustomPropertiesOnly();
    void turnsNamesIntoIdentifiers_data();
    void turnsNamesIntoIdentifiers();
    void keepsIdentifiersApart();
    void writesWhatOtherProgramsRead_data();
    void writesWhatOtherProgramsRead();
    void roundTripsThroughFilesByteForByte_data();
    void roundTripsThroughFilesByteForByte();
    void readsSamplePalettes_data();
    void readsSamplePalettes();
    void findsTheFormatByNameThenContents_data();
    void findsTheFormatByNameThenContents();
    void refusesHugeAndEndlessInput_data();
    void refusesHugeAndEndlessInput();
    void refusedWriteLeavesTheOldFile_data();
    void refusedWriteLeavesTheOldFile();
    void plainColorTablesReadAsTheXmlReaderReadsThem_data();
    void plainColorTablesReadAsTheXmlReaderReadsThem();

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
};

// Every format, its row, and every place the row shows: the dialogs' filters, the names and
// the contents that find it, and a file written and read back without a telling name.
void tst_Palettes::eachFormatIsOneRowOfTheTable_data()
{
    QTest::addColumn<Format>("format");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QString>("filter");
    const struct
    {
        const char *tag;
        Format format;
        const char *suffix;
        const char *filter;
    } rows[] = {
            {"gimp", Format::Gimp, "gpl", "GIMP palette (*.gpl)"},
            {"libreoffice", Format::LibreOffice, "soc", "LibreOffice color table (*.soc)"},
            {"adobe", Format::Adobe, "ase", "Adobe Swatch Exchange (*.ase)"},
            {"css", Format::Css, "css", "CSS custom properties (*.css)"},
            {"json", Format::Json, "json", "JSON palette (*.json)"},
            {"paintnet", Format::PaintNet, "txt", "Paint.NET palette (*.txt)"},
    };
    // A format added to the table gets its row here too.
    QCOMPARE(std::size(rows), PaletteFile::formats().size());
    for (const auto &row : rows)
        QTest::newRow(row.tag) << row.format << QString::fromLatin1(row.suffix)
                               << QString::fromLatin1(row.filter);
}

void tst_Palettes::eachFormatIsOneRowOfTheTable()
{
    QFETCH(Format, format);
    QFETCH(QString, suffix);
    QFETCH(QString, filter);
    const int index = int(format);
    QCOMPARE(PaletteFile::info(format).format, format);
    QCOMPARE(PaletteFile::formats()[size_t(index)].format, format);
    QCOMPARE(PaletteFile::suffix(format), suffix);
    QCOMPARE(PaletteFile::filter(format), filter);

    // The dialogs: "All palettes" first on import, then one filter per format in table order.
    QCOMPARE(PaletteFile::exportFilters().at(index), filter);
    QCOMPARE(PaletteFile::exportFormat(index), format);
    QCOMPARE(PaletteFile::importFilters().at(index + 1), filter);
    QCOMPARE(PaletteFile::importFormat(index + 1), std::optional<Format>(format));
    QVERIFY(PaletteFile::importFilters().constFirst().contains(QStringLiteral("*.") + suffix));

    // Found by its extension in any letter case, and by what it writes.
    QCOMPARE(PaletteFile::formatOfName(QStringLiteral("/p/Colors.") + suffix.toUpper()),
             std::optional<Format>(format));
    const Palette::Colors colors = colorsOf({"Sky=#87CEEB", "Ink=#000080"});
    const QByteArray bytes = PaletteFile::encode(format, colors, QStringLiteral("colors"));
    QCOMPARE(PaletteFile::formatOfContents(bytes), std::optional<Format>(format));
    QCOMPARE(PaletteFile::formatOfContents("\xEF\xBB\xBF \n" + bytes),
             format == Format::Adobe ? std::nullopt : std::optional<Format>(format));

    // A real file whose name tells nothing is read by its contents.
    const QString file = path(QStringLiteral("palette-") + suffix);
    PaletteFile::write(file, format, colors.names, Palette::hexes(colors.values));
    QCOMPARE(Palette::hexes(PaletteFile::read(file).values), QStringList({"#87CEEB", "#000080"}));
}

void tst_Palettes::readsWhatEachFormatAllows_data()
{
    QTest::addColumn<Format>("format");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("gpl: header, name, columns, comments")
            << Format::Gimp
            << QByteArray("GIMP Palette\nName: Sea\nColumns: 4\n#\n# deep\n\n"
                          "  0   0 128\tNavy\n 46 139  87\tSea green\n")
            << QStringList {"Navy=#000080", "Sea green=#2E8B57"};
    QTest::newRow("gpl: old form without Name")
            << Format::Gimp << QByteArray("GIMP Palette\n#\n255 0 0 Red\n")
            << QStringList {"Red=#FF0000"};
    QTest::newRow("gpl: any white space, CR LF, names trimmed")
            << Format::Gimp << QByteArray("GIMP Palette\r\n\t1 \t2     3  Sky \t blue \r\n")
            << QStringList {"Sky \t blue=#010203"};
    QTest::newRow("gpl: unnamed and duplicate colors")
            << Format::Gimp << QByteArray("GIMP Palette\n1 2 3\n1 2 3 x\n001 2 3\n")
            << QStringList {"#010203=#010203", "x=#010203", "#010203=#010203"};
    QTest::newRow("gpl: Windows-1252 name")
            << Format::Gimp << QByteArray("GIMP Palette\n1 2 3 Caf\xe9\n")
            << QStringList {"Café=#010203"};
    QTest::newRow("gpl: empty palette")
            << Format::Gimp << QByteArray("GIMP Palette\n") << QStringList {};

    QTest::newRow("soc: office 2000 with drawing 2000")
            << Format::LibreOffice
            << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<office:color-table xmlns:office=\"http://openoffice.org/2000/office\" "
                          "xmlns:draw=\"http://openoffice.org/2000/drawing\">\n"
                          "  <!-- a comment -->\n"
                          "  <draw:color draw:name=\"Yellow\" draw:color=\"#FFFF00\"/>\n"
                          "</office:color-table>\n")
            << QStringList {"Yellow=#FFFF00"};
    QTest::newRow("soc: ooo 2004 with OpenDocument drawing")
            << Format::LibreOffice
            << QByteArray(
                       "<ooo:color-table xmlns:ooo=\"http://openoffice.org/2004/office\" "
                       "xmlns:draw=\"urn:oasis:names:tc:opendocument:xmlns:drawing:1.0\">"
                       "<draw:color draw:name=\"Gray 10%\" draw:color=\"#191919\" />"
                       "<draw:color draw:name=\"R&amp;D &lt;&#233;&gt;\" draw:color=\"#abcdef\"/>"
                       "</ooo:color-table>")
            << QStringList {"Gray 10%=#191919", "R&D <é>=#ABCDEF"};
    QTest::newRow("soc: prefixes of the file's own choice")
            << Format::LibreOffice
            << QByteArray("<t:color-table xmlns:t=\"http://openoffice.org/2004/office\" "
                          "xmlns:d=\"urn:oasis:names:tc:opendocument:xmlns:drawing:1.0\" "
                          "xmlns:draw=\"urn:other\">"
                          "<d:color d:name=\"A\" d:color=\"#010203\"/>"
                          "<draw:color draw:name=\"Not ours\" draw:color=\"#FFFFFF\"/>"
                          "<d:color d:color=\"#040506\"/></t:color-table>")
            << QStringList {"A=#010203", "#040506=#040506"};

    QTest::newRow("ase: RGB, groups flattened in order")
            << Format::Adobe
            << AseBuilder()
                       .groupStart("Warm")
                       .color("Red", "RGB ", {1, 0, 0})
                       .groupEnd()
                       .color("Free", "RGB ", {0, 0.5f, 1}, 0)
                       .groupStart("Cold")
                       .color(QString::fromUtf8("Bleu é 😀"), "RGB ", {0, 0, 1}, 1)
                       .groupEnd()
                       .bytes()
            << QStringList {"Red=#FF0000", "Free=#0080FF", QString::fromUtf8("Bleu é 😀=#0000FF")};
    QTest::newRow("ase: unnamed color, unknown block, extra data in a block")
            << Format::Adobe
            << AseBuilder()
                       .color("", "RGB ", {0, 0, 0})
                       .block(0x7777, "skipped")
                       .block(0x0001,
                              [] {
                                  QByteArray d;
                                  AseBuilder::put16(d, 2);
                                  AseBuilder::put16(d, 'A');
                                  AseBuilder::put16(d, 0);
                                  d += "Gray";
                                  AseBuilder::put32(d, std::bit_cast<quint32>(1.0f));
                                  AseBuilder::put16(d, 2);
                                  return d + "future data";
                              }())
                       .bytes()
            << QStringList {"#000000=#000000", "A=#FFFFFF"};

    QTest::newRow("json: names, null, missing, lowercase hex, other members")
            << Format::Json
            << QByteArray("\xEF\xBB\xBF[\n {\"name\": \"Sky\", \"hex\": \"#87ceeb\"},\n"
                          " {\"hex\": \"#000000\", \"name\": null, \"tags\": [1, {\"a\": [true]}],"
                          " \"n\": -1.5e3},\n"
                          " {\"hex\": \"#FFFFFF\"}\n]")
            << QStringList {"Sky=#87CEEB", "#000000=#000000", "#FFFFFF=#FFFFFF"};
    QTest::newRow("json: escapes")
            << Format::Json
            << QByteArray(R"([{"name": "\"Q\" \\ \/ \u00e9 \ud83d\ude00 a\tb", "hex": "#010203"}])")
            << QStringList {QString::fromUtf8("\"Q\" \\ / é 😀 a\tb=#010203")};
    // Qt's reader lets these pass where RFC 8259 is stricter; none of them can hide a color.
    QTest::newRow("json: line break in a name, number without decimals, deep nesting")
            << Format::Json
            << "[{\"name\": \"a\nb\", \"x\": [1., " + QByteArray(100, '[') + QByteArray(100, ']')
                    + "], \"hex\": \"#000000\"}]"
            << QStringList {"a b=#000000"};
    QTest::newRow("json: empty array") << Format::Json << QByteArray(" [ ] ") << QStringList {};

    QTest::newRow("css: numbers at the ends of a double")
            << Format::Css
            << QByteArray(":root { --x: lab(50 1e300 0); --y: color(srgb 0.4 -5e135 0);"
                          " --z: oklch(39% 8888888888888888888888888888888888.1 200) }")
            << QStringList {"x=#FFFFFF", "y=#000000", "z=#005257"};

    QTest::newRow("txt: comments, alpha dropped, any case")
            << Format::PaintNet
            << QByteArray("; paint palette\r\n;FF000000\r\nFF87CEEB\r\n  80ff0000 ; half red\r\n"
                          "\r\n00000000\r\n")
            << QStringList {"#87CEEB=#87CEEB", "#FF0000=#FF0000", "#000000=#000000"};
}

void tst_Palettes::readsWhatEachFormatAllows()
{
    QFETCH(Format, format);
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, expected);
    QCOMPARE(entries(PaletteFile::decode(format, bytes, QStringLiteral("in"))), expected);
}

void tst_Palettes::refusesBrokenFilesNamingWhere_data()
{
    QTest::addColumn<Format>("format");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected"); // the error after "Cannot read "/p/in.pal": "

    QTest::newRow("gpl: no header") << Format::Gimp << QByteArray("1 2 3 x\n")
                                    << "line 1: a GIMP palette begins with the line \"GIMP "
                                       "Palette\"";
    QTest::newRow("gpl: value out of range")
            << Format::Gimp << QByteArray("GIMP Palette\n1 2 3\n# x\n0 256 0 x\n")
            << "line 4: the green value 256 is outside 0 to 255";
    QTest::newRow("gpl: long number") << Format::Gimp
                                      << QByteArray("GIMP Palette\n0 0 00000000000000000255\n"
                                                    "99999999999999999999 0 0\n")
                                      << "line 3: the red value 99999999999999999999 is outside "
                                         "0 to 255";
    QTest::newRow("gpl: missing value") << Format::Gimp << QByteArray("GIMP Palette\n1 2\n")
                                        << "line 2: a color line needs red, green and blue "
                                           "values, and the blue value is missing";
    QTest::newRow("gpl: not a number") << Format::Gimp << QByteArray("GIMP Palette\n1 -2 3\n")
                                       << "line 2: a color line begins with red, green and blue "
                                          "from 0 to 255, but the green value is \"-2\"";
    QTest::newRow("gpl: header line among colors")
            << Format::Gimp << QByteArray("GIMP Palette\n1 2 3\nName: late\n")
            << "line 3: a color line begins with red, green and blue from 0 to 255, but the red "
               "value is \"Name:\"";

    QTest::newRow("soc: root in no namespace")
            << Format::LibreOffice << QByteArray("<color-table/>")
            << "line 1: a LibreOffice color table has a color-table root element, and this file "
               "has \"color-table\"";
    QTest::newRow("soc: bad color")
            << Format::LibreOffice
            << QByteArray("<c xmlns=\"http://openoffice.org/2004/office\" xmlns:d=\"http://"
                          "openoffice.org/2000/drawing\">\n<d:color d:name=\"A\" "
                          "d:color=\"#01020\"/>")
            << "line 1: a LibreOffice color table has a color-table root element, and this file "
               "has \"c\"";
    QTest::newRow("soc: short color value")
            << Format::LibreOffice
            << QByteArray("<color-table xmlns=\"http://openoffice.org/2004/office\" xmlns:d=\"http:"
                          "//openoffice.org/2000/drawing\">\n\n<d:color d:name=\"A\" "
                          "d:color=\"#01020\"/></color-table>")
            << "line 3: the draw:color of color 1 is \"#01020\", not #rrggbb";
    QTest::newRow("soc: color without value")
            << Format::LibreOffice
            << QByteArray("<color-table xmlns=\"http://openoffice.org/2004/office\" xmlns:d=\"http:"
                          "//openoffice.org/2000/drawing\">\n<d:color name=\"A\" "
                          "color=\"#010203\"/></color-table>")
            << "line 2: color 1 has no draw:color value";
    QTest::newRow("soc: unclosed")
            << Format::LibreOffice
            << QByteArray("<color-table xmlns=\"http://openoffice.org/2004/office\">\n\n")
            << "line 3: the XML is broken: Premature end of document.";
    QTest::newRow("soc: entity declarations")
            << Format::LibreOffice
            << QByteArray("<?xml version=\"1.0\"?>\n<!DOCTYPE t [<!ENTITY a \"aaaaaaaaaa\">"
                          "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">]>\n<t>&b;</t>")
            << "line 2: the file declares a document type, which a color table has not";
    QTest::newRow("soc: binary")
            << Format::LibreOffice << QByteArray("\x89PNG\r\n\x1a\n\0\0", 10)
            << "line 1: the XML is broken: Encountered incorrectly encoded content.";

    const QByteArray one = AseBuilder().color("A", "RGB ", {0, 0, 0}).bytes();
    QTest::newRow("ase: not ASEF") << Format::Adobe << QByteArray("GIMP Palette\n")
                                   << "byte 0: an Adobe Swatch Exchange file begins with \"ASEF\"";
    QTest::newRow("ase: cut in the header")
            << Format::Adobe << one.left(10) << "byte 10: the file ends inside its header";
    QTest::newRow("ase: version 2")
            << Format::Adobe << one.left(4) + QByteArray("\0\2\0\0", 4) + one.mid(8)
            << "byte 4: the file is of version 2.0, and only version 1 is "
               "known";
    QTest::newRow("ase: count beyond the file")
            << Format::Adobe << AseBuilder().color("A", "RGB ", {0, 0, 0}).bytes(0xFFFFFFFF)
            << "byte 8: the header announces 4294967295 blocks, more than the 30 bytes after it "
               "can hold";
    QTest::newRow("ase: count past the last block")
            << Format::Adobe << AseBuilder().color("A", "RGB ", {0, 0, 0}).groupEnd().bytes(3)
            << "byte 48: the file ends before block 3 of the 3 it announces";
    QTest::newRow("ase: count short of the blocks")
            << Format::Adobe << AseBuilder().color("A", "RGB ", {0, 0, 0}).groupEnd().bytes(1)
            << "byte 42: 6 bytes follow the last of the 1 blocks the header announces";
    QTest::newRow("ase: block longer than the file")
            << Format::Adobe << one.left(14) + QByteArray("\x7f\xff\xff\xff") + one.mid(18)
            << "byte 14: block 1 claims 2147483647 bytes, but only 24 follow";
    QTest::newRow("ase: truncated block") << Format::Adobe << one.chopped(1)
                                          << "byte 14: block 1 claims 24 bytes, but only 23 follow";
    QTest::newRow("ase: name longer than its block")
            << Format::Adobe << one.left(18) + QByteArray("\x40\x00", 2) + one.mid(20)
            << "byte 18: the name in block 1 claims 16384 characters, more than the block holds";
    QTest::newRow("ase: block ends before its color")
            << Format::Adobe
            << AseBuilder().block(0x0001, QByteArray("\0\1\0\0RGB \0\0\0\0", 12)).bytes()
            << "byte 26: block 1 ends before the color it holds does";
    QTest::newRow("ase: unknown model")
            << Format::Adobe << AseBuilder().color("A", "HSB\x01", {0, 0, 0}).bytes()
            << "byte 24: block 1 has the color model \"HSB?\"; RGB, "
               "Gray, CMYK and LAB are known";
    QTest::newRow("ase: not a number")
            << Format::Adobe
            << AseBuilder()
                       .color("A", "RGB ", {0, std::numeric_limits<float>::quiet_NaN(), 0})
                       .bytes()
            << "byte 32: a component of block 1 is not a number";
    QTest::newRow("ase: bytes instead of fractions")
            << Format::Adobe << AseBuilder().color("A", "RGB ", {255, 0, 0}).bytes()
            << "byte 28: a component of block 1 is 255, outside 0 to 1";
    QTest::newRow("ase: LAB out of range")
            << Format::Adobe << AseBuilder().color("A", "LAB ", {0.5f, 0, 300}).bytes()
            << "byte 36: a component of block 1 is 300, outside -128 to 127";

    QTest::newRow("json: not an array") << Format::Json << QByteArray("{\"hex\": \"#000000\"}")
                                        << "line 1: a JSON palette is an array of colors, [ "
                                           "{\"name\": ..., \"hex\": \"#RRGGBB\"}, ... ]";
    QTest::newRow("json: entry not an object") << Format::Json << QByteArray("[\n\n\"#000000\"]")
                                               << "line 3: color 1 is not an object {\"name\": "
                                                  "..., \"hex\": ...}";
    QTest::newRow("json: no hex") << Format::Json
                                  << QByteArray("[{\"hex\": \"#000000\"},\n{\"name\": \"A\"}]")
                                  << "line 2: color 2 has no \"hex\"";
    QTest::newRow("json: hex not #RRGGBB")
            << Format::Json << QByteArray("[{\"name\": \"A\",\n \"hex\": \"87CEEB\"}]")
            << "line 2: the \"hex\" of color 1 is \"87CEEB\", not #RRGGBB";
    // The line is found again in the text: past texts holding quotes, commas and brackets,
    // and past members of the same name in nested objects.
    QTest::newRow("json: hex not #RRGGBB, placed among nested members")
            << Format::Json
            << QByteArray("[{\"name\": \"a,\\\"]}\", \"hex\": \"#000000\"},\n"
                          "{\"tags\": {\"hex\": 1},\n \"name\": \"[,{\",\n \"hex\" : \"zz\"}]")
            << "line 4: the \"hex\" of color 2 is \"zz\", not #RRGGBB";
    QTest::newRow("json: hex a number") << Format::Json << QByteArray("[{\"hex\": 8900331}]")
                                        << "line 1: the \"hex\" of color 1 is not text";
    QTest::newRow("json: name a number")
            << Format::Json << QByteArray("[{\"name\": 7, \"hex\": \"#000000\"}]")
            << "line 1: the \"name\" of color 1 is not text";
    QTest::newRow("json: trailing comma")
            << Format::Json << QByteArray("[{\"hex\": \"#000000\"},\r\n]")
            << "line 2: expected a value";
    QTest::newRow("json: unclosed text") << Format::Json << QByteArray("[{\"hex\": \"#00")
                                         << "line 1: a text in quotes is not closed";
    QTest::newRow("json: missing name separator")
            << Format::Json << QByteArray("[{\"hex\": \"#000000\",\n\"name\" \"A\"}]")
            << "line 2: expected \":\" after a member name";
    QTest::newRow("json: missing comma")
            << Format::Json << QByteArray("[{\"hex\": \"#000000\"}\n{}]")
            << "line 2: expected \",\" or \"]\"";
    QTest::newRow("json: unknown word")
            << Format::Json << QByteArray("[\n\ntrue, nul]") << "line 3: expected a value";
    QTest::newRow("json: more after the array") << Format::Json << QByteArray("[]\n[]")
                                                << "line 2: there is more after the end of the "
                                                   "array";
    QTest::newRow("json: invalid UTF-8")
            << Format::Json << QByteArray("[{\"name\": \"caf\xe9\", \"hex\": 1}]")
            << "byte 14: a JSON file is UTF-8 text, and this is not";
    QTest::newRow("json: nested too deep")
            << Format::Json << "[{\"x\": " + QByteArray(2000, '[') + QByteArray(2000, ']') + "}]"
            << "line 1: values are nested more than 1024 deep";
    QTest::newRow("json: bad number") << Format::Json << QByteArray("[{\"x\": 1e}]")
                                      << "line 1: a number has no digits in its exponent";

    QTest::newRow("txt: six digits")
            << Format::PaintNet << QByteArray("; x\r\nFF000000\r\n87CEEB\r\n")
            << "line 3: a color is written as eight hex digits AARRGGBB, "
               "not \"87CEEB\"";
    QTest::newRow("txt: not hex") << Format::PaintNet << QByteArray("FF00000G")
                                  << "line 1: a color is written as eight hex digits AARRGGBB, not "
                                     "\"FF00000G\"";
}

void tst_Palettes::refusesBrokenFilesNamingWhere()
{
    QFETCH(Format, format);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    QCOMPARE(errorOf(format, bytes), QStringLiteral("Cannot read \"/p/in.pal\": ") + expected);
}

void tst_Palettes::convertsAdobeColorModels_data()
{
    QTest::addColumn<QByteArray>("model");
    QTest::addColumn<QList<float>>("values");
    QTest::addColumn<QString>("hex");
    QTest::newRow("rgb rounds") << QByteArray("RGB ") << QList<float> {0.5f, 0.002f, 0.998f}
                                << "#8001FE";
    QTest::newRow("rgb a hair outside")
            << QByteArray("RGB ") << QList<float> {1.0005f, -0.0005f, 0} << "#FF0000";
    QTest::newRow("gray") << QByteArray("Gray") << QList<float> {0.5f} << "#808080";
    QTest::newRow("gray in capitals") << QByteArray("GRAY") << QList<float> {1} << "#FFFFFF";
    QTest::newRow("cmyk cyan") << QByteArray("CMYK") << QList<float> {1, 0, 0, 0} << "#00FFFF";
    QTest::newRow("cmyk with black")
            << QByteArray("CMYK") << QList<float> {0, 1, 1, 0.5f} << "#800000";
    QTest::newRow("cmyk all black")
            << QByteArray("CMYK") << QList<float> {0.3f, 0.2f, 0.1f, 1} << "#000000";
    QTest::newRow("lab white") << QByteArray("LAB ") << QList<float> {1, 0, 0} << "#FFFFFF";
    QTest::newRow("lab black") << QByteArray("LAB ") << QList<float> {0, 0, 0} << "#000000";
    // sRGB's primaries and a mid gray in CIE Lab under D50, as Bradford adapts them.
    QTest::newRow("lab red") << QByteArray("LAB ") << QList<float> {0.54291f, 80.8049f, 69.8910f}
                             << "#FF0000";
    QTest::newRow("lab blue") << QByteArray("LAB ") << QList<float> {0.29568f, 68.2874f, -112.0297f}
                              << "#0000FF";
    QTest::newRow("lab gray") << QByteArray("LAB ") << QList<float> {0.53585f, 0, 0} << "#808080";
    QTest::newRow("lab beyond sRGB is clamped")
            << QByteArray("LAB ") << QList<float> {0.5f, -127, 127} << "#009A00";
}

void tst_Palettes::convertsAdobeColorModels()
{
    QFETCH(QByteArray, model);
    QFETCH(QList<float>, values);
    QFETCH(QString, hex);
    AseBuilder builder;
    QByteArray data;
    AseBuilder::put16(data, 1);
    AseBuilder::put16(data, 0);
    data += model;
    for (const float v : std::as_const(values))
        AseBuilder::put32(data, std::bit_cast<quint32>(v));
    AseBuilder::put16(data, 2);
    builder.block(0x0001, data);
    const Palette::Colors colors =
            PaletteFile::decode(Format::Adobe, builder.bytes(), QStringLiteral("in"));
    QCOMPARE(Palette::hexes(colors.values), QStringList {hex});
}

void tst_Palettes::readsStylesheetColorsOfEverySyntax()
{
    const QByteArray css(":root {\n"
                         "  --named: SkyBlue;\n"
                         "  --short: #abc;\n"
                         "  --alpha: #87ceeb80;\n"
                         "  --rgb: rgb(255 128 0 / 50%);\n"
                         "  --commas: rgba(0, 0, 255, 0.5);\n"
                         "  --hsl: hsl(120deg 100% 25%);\n"
                         "  --lab: lab(54.29 80.8 69.89);\n"
                         "  --oklch: oklch(100% 0 0);\n"
                         "  --clear: transparent;\n"
                         "  --inherit: currentcolor;\n"
                         "}\n");
    QCOMPARE(entries(PaletteFile::decode(Format::Css, css, QStringLiteral("in.css"))),
             QStringList({"named=#87CEEB", "short=#AABBCC", "alpha=#87CEEB", "rgb=#FF8000",
                          "commas=#0000FF", "hsl=#008000", "lab=#FF0000", "oklch=#FFFFFF"}));
    QCOMPARE(errorOf(Format::Css, ":root {\n  --a: rgb(300 0);\n}"),
             QStringLiteral("Cannot read \"/p/in.pal\": line 2: the value of --a starts like a "
                            "color but is not one: \"rgb(300 0)\""));
}

void tst_Palettes::readsCustomPropertiesOnly_data()
{
    QTest::addColumn<QByteArray>("css");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("error");
    QTest::newRow("root rule") << QByteArray(":root { --sky: #87ceeb; --sea:#2E8B57 }")
                               << QStringList {"sky=#87CEEB", "sea=#2E8B57"} << "";
    QTest::newRow("every rule, nested, in file order, duplicates kept")
            << QByteArray("/* theme */\n:root{--a:#000001}\n@media (prefers-color-scheme: dark) {"
                          "\n  :root { --a: #000002 !important; }\n}\n.x { color: #ffffff; .y "
                          "{ --b: #000003; } --c: /* mid */ #000004; }")
            << QStringList {"a=#000001", "a=#000002", "b=#000003", "c=#000004"} << "";
    QTest::newRow("other values and properties passed over")
            << QByteArray(":root { --gap: 4px; --font: 'a;b' ; --ref: var(--a); color: #000000;"
                          " --x: { #fff }; --y: #000005 }")
            << QStringList {"y=#000005"} << "";
    QTest::newRow("dashes elsewhere are no properties")
            << QByteArray(".btn--primary { x: a--b; } --z: #000006; a[title=\"--q: #000007;\"] {}")
            << QStringList {} << "";
    QTest::newRow("escaped names")
            << QByteArray(":root { --my\\ color: #000008; --\\31 0: #000009 }")
            << QStringList {"my color=#000008", "10=#000009"} << "";
    QTest::newRow("a color mistyped")
            << QByteArray(":root {\n  --sky: #87ceeb;\n  --sea: #2e8b5z;\n}") << QStringList {}
            << "line 3: the value of --sea starts like a color but is not one: "
               "\"#2e8b5z\"";
    QTest::newRow("a color function broken")
            << QByteArray(":root { --a: RGB(1 2 }") << QStringList {}
            << "line 1: the value of --a starts like a color but "
               "is not one: \"RGB(1 2 }\"";
}

void tst_Palettes::readsCustomPropertiesOnly()
{
    QFETCH(QByteArray, css);
    QFETCH(QStringList, expected);
    QFETCH(QString, error);
    try {
        const Palette::Colors colors = CssProperties::read(css, QStringLiteral("in.css"), hexOnly);
        QVERIFY2(error.isEmpty(), "no error");
        QCOMPARE(entries(colors), expected);
    } catch (const FileError &e) {
        QCOMPARE(e.message(), QStringLiteral("Cannot read \"in.css\": ") + error);
    }
}

void tst_Palettes::turnsNamesIntoIdentifiers_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("identifier");
    QTest::newRow("lowercase") << "Sky"
                               << "sky";
    QTest::newRow("spaces") << "Deep  Sky Blue"
                            << "deep-sky-blue";
    QTest::newRow("punctuation at the ends") << " --Sky!-- "
                                             << "sky";
    QTest::newRow("markup and quotes") << "R&D <\"new\">"
                                       << "r-d-new";
    QTest::newRow("digits first, underscores") << "50% gray_2"
                                               << "50-gray_2";
    QTest::newRow("non-ASCII kept")
            << QString::fromUtf8("Ciel d’été 😀") << QString::fromUtf8("ciel-d’été-😀");
    QTest::newRow("non-ASCII letters in lowercase too")
            << QString::fromUtf8("Ünïcødé ☃ 雪 ΣΟΦΊΑ 𐐀")
            << QString::fromUtf8("ünïcødé-☃-雪-σοφία-𐐨");
    QTest::newRow("non-ASCII space") << QString::fromUtf8("a\u00a0b") << "a-b";
    QTest::newRow("half a character") << QString(QChar(0xD800)) + u'x' << "x";
    QTest::newRow("nothing left") << "&&"
                                  << "color";
}

void tst_Palettes::turnsNamesIntoIdentifiers()
{
    QFETCH(QString, name);
    QFETCH(QString, identifier);
    QCOMPARE(CssProperties::identifier(name), identifier);
}

void tst_Palettes::keepsIdentifiersApart()
{
    const Palette::Colors colors =
            colorsOf({"sky=#000001", "Sky=#000002", "sky-2=#000003", "SKY=#000004", "&=#000005"});
    const QByteArray css = CssProperties::write(colors);
    QCOMPARE(css,
             QByteArray(":root {\n  --sky: #000001;\n  --sky-2: #000002;\n  --sky-2-2: #000003;\n"
                        "  --sky-3: #000004;\n  --color: #000005;\n}\n"));
    QCOMPARE(CssProperties::read(css, QStringLiteral("in"), hexOnly).names,
             QStringList({"sky", "sky-2", "sky-2-2", "sky-3", "color"}));
}

void tst_Palettes::writesWhatOtherProgramsRead_data()
{
    QTest::addColumn<Format>("format");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("gpl") << Format::Gimp
                         << QByteArray("GIMP Palette\nName: colors\nColumns: 16\n#\n135 206 235\t"
                                       "Sky\n  0   0   0\tR&D <\"x\">\n");
    QTest::newRow("soc")
            << Format::LibreOffice
            << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ooo:color-table "
                          "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
                          "xmlns:draw=\"urn:oasis:names:tc:opendocument:xmlns:drawing:1.0\" "
                          "xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
                          "xmlns:svg=\"http://www.w3.org/2000/svg\" "
                          "xmlns:ooo=\"http://openoffice.org/2004/office\">\n"
                          "  <draw:color draw:name=\"Sky\" draw:color=\"#87ceeb\"/>\n"
                          "  <draw:color draw:name=\"R&amp;D &lt;&quot;x&quot;&gt;\" "
                          "draw:color=\"#000000\"/>\n</ooo:color-table>\n");
    QTest::newRow("ase") << Format::Adobe
                         << QByteArray::fromHex("41534546 0001 0000 00000002"
                                                "0001 0000001c 0004 0053006b00790000"
                                                "52474220 3f078788 3f4ececf 3f6bebec 0002"
                                                "0001 00000028 000a 005200260044 0020003c0022"
                                                "0078 0022003e 0000 52474220 00000000 00000000"
                                                "00000000 0002");
    QTest::newRow("css") << Format::Css
                         << QByteArray(":root {\n  --sky: #87ceeb;\n  --r-d-x: #000000;\n}\n");
    QTest::newRow("json")
            << Format::Json
            << QByteArray("[\n  {\"name\": \"Sky\", \"hex\": \"#87CEEB\"},\n"
                          "  {\"name\": \"R&D <\\\"x\\\">\", \"hex\": \"#000000\"}\n]\n");
    QTest::newRow("txt") << Format::PaintNet
                         << QByteArray("; Palette written by Tintora\r\n; One color a line as "
                                       "AARRGGBB: alpha, red, green and blue in hex\r\n"
                                       "FF87CEEB\r\nFF000000\r\n");
}

void tst_Palettes::writesWhatOtherProgramsRead()
{
    QFETCH(Format, format);
    QFETCH(QByteArray, expected);
    const QString file = path(QStringLiteral("colors.") + PaletteFile::suffix(format));
    PaletteFile::write(file, format, {"Sky", "R&D <\"x\">"}, {"#87ceeb", "#000000"});
    QCOMPARE(bytesOf(file), expected);
}

void tst_Palettes::roundTripsThroughFilesByteForByte_data()
{
    QTest::addColumn<Format>("format");
    QTest::addColumn<bool>("keepsNames");
    QTest::newRow("gpl") << Format::Gimp << true;
    QTest::newRow("soc") << Format::LibreOffice << true;
    QTest::newRow("ase") << Format::Adobe << true;
    QTest::newRow("css") << Format::Css << false;
    QTest::newRow("json") << Format::Json << true;
    QTest::newRow("txt") << Format::PaintNet << false;
}

void tst_Palettes::roundTripsThroughFilesByteForByte()
{
    QFETCH(Format, format);
    QFETCH(bool, keepsNames);
    const QStringList names {QString::fromUtf8("Ciel d’été"),
                             "\"Quoted\" & <angled>",
                             "a\tb",
                             QString::fromUtf8("日本の空 😀"),
                             "Twin",
                             "Twin",
                             "#123456",
                             "'",
                             QChar(0xFEFF) + QStringLiteral("after a zero-width space")};
    QStringList hexes;
    for (qsizetype i = 0; i < names.size(); ++i)
        hexes.append(Color::buildHex(Color::ColorValue(0x10305 * quint32(i + 1) * 997 & 0xFFFFFF)));
    const QString first = path(QStringLiteral("first.") + PaletteFile::suffix(format));
    const QString second = path(QStringLiteral("second.") + PaletteFile::suffix(format));
    PaletteFile::write(first, format, names, hexes);
    const Palette::Colors read = PaletteFile::read(first);
    QCOMPARE(Palette::hexes(read.values), hexes);
    if (keepsNames)
        QCOMPARE(read.names, names);
    // Written again under the same base name (GIMP names the palette after the file).
    QFile::rename(first, second);
    PaletteFile::write(first, format, read.names, Palette::hexes(read.values));
    QCOMPARE(bytesOf(first), bytesOf(second));
}

void tst_Palettes::readsSamplePalettes_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<qsizetype>("count");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::newRow("GIMP") << "gimp-named.gpl" << qsizetype(6) << "Frost (255 250 250)=#FFFAFA"
                          << "#000000=#000000";
    QTest::newRow("GIMP, old form") << "gimp-old.gpl" << qsizetype(4) << "#CC9064=#CC9064"
                                    << "#B0D4B4=#B0D4B4";
    QTest::newRow("Inkscape") << "inkscape.gpl" << qsizetype(5) << "Black (#000000)=#000000"
                              << "Sky Blue 1=#729FCF";
    QTest::newRow("Krita") << "krita.gpl" << qsizetype(5) << "(255, 255, 255)=#FFFFFF"
                           << "C-00=#E9F2F2";
    QTest::newRow("LibreOffice 2000") << "office2000.soc" << qsizetype(4) << "Yellow=#FFFF00"
                                      << "Dark Red 2=#800000";
    QTest::newRow("LibreOffice 2004") << "ooo2004.soc" << qsizetype(4) << "Green 1 (Main)=#18A303"
                                      << "Gray 50%=#7F7F7F";
    QTest::newRow("CSS") << "tokens.css" << qsizetype(3) << "brand=#18A303"
                         << "ink=#1B1B1B";
    QTest::newRow("JSON") << "palette.json" << qsizetype(3) << "Sky=#87CEEB"
                          << QString::fromUtf8("Café & <crème>=#C0FFEE");
    QTest::newRow("Paint.NET") << "paintnet.txt" << qsizetype(4) << "#000000=#000000"
                               << "#FFFFFF=#FFFFFF";
}

void tst_Palettes::readsSamplePalettes()
{
    QFETCH(QString, file);
    QFETCH(qsizetype, count);
    QFETCH(QString, first);
    QFETCH(QString, last);
    const Palette::Colors colors =
            PaletteFile::read(QStringLiteral(TINTORA_TEST_PALETTES "/") + file);
    const QStringList all = entries(colors);
    QCOMPARE(all.size(), count);
    QCOMPARE(all.constFirst(), first);
    QCOMPARE(all.constLast(), last);
}

void tst_Palettes::findsTheFormatByNameThenContents_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected"); // the first entry, or the error
    const QByteArray gimp("GIMP Palette\n1 2 3 Gimp\n");
    const QByteArray soc("<?xml version=\"1.0\"?><color-table xmlns=\"http://openoffice.org/2000/"
                         "office\" xmlns:d=\"http://openoffice.org/2000/drawing\"><d:color "
                         "d:name=\"Soc\" d:color=\"#010203\"/></color-table>");
    QTest::newRow("name, any case") << "x.GPL" << gimp << "Gimp=#010203";
    QTest::newRow("name before contents") << "x.json" << gimp
                                          << "Cannot read \"%1\": line 1: a JSON palette is an "
                                             "array of colors, [ {\"name\": ..., \"hex\": "
                                             "\"#RRGGBB\"}, ... ]";
    QTest::newRow("GIMP by contents") << "x.pal" << gimp << "Gimp=#010203";
    QTest::newRow("XML by contents") << "x" << soc << "Soc=#010203";
    QTest::newRow("ASE by contents")
            << "x.bin" << AseBuilder().color("Ase", "Gray", {0}).bytes() << "Ase=#000000";
    QTest::newRow("JSON by contents")
            << "x.dat" << QByteArray(" [{\"name\":\"J\",\"hex\":\"#010203\"}]") << "J=#010203";
    QTest::newRow("Paint.NET by contents")
            << "x.pdn" << QByteArray(";c\nFF010203\n") << "#010203=#010203";
    QTest::newRow("CSS by contents")
            << "x.scss" << QByteArray(":root { --c: #010203 }") << "c=#010203";
    QTest::newRow("unknown") << "x.doc" << QByteArray("Dear Sir,")
                             << "Cannot read \"%1\": Its name and its contents show no palette "
                                "format known here";
}

void tst_Palettes::findsTheFormatByNameThenContents()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    const QString file = path(name);
    write(file, bytes);
    QString result;
    try {
        result = entries(PaletteFile::read(file)).value(0);
    } catch (const FileError &e) {
        result = e.message();
    }
    QCOMPARE(result,
             QString(expected).replace(QLatin1String("%1"), QDir::toNativeSeparators(file)));
}

void tst_Palettes::refusesHugeAndEndlessInput_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes"); // empty: a sparse file past the size limit
    QTest::addColumn<QString>("reason");
    QTest::newRow("too large") << "huge.gpl" << QByteArray()
                               << "The file is larger than 64 MB, too large for a palette";
    QTest::newRow("millions of lines") << "lines.gpl" << QByteArray(2'000'001, '\n')
                                       << "The file has more than 2000000 lines, more than a "
                                          "palette has";
    QTest::newRow("a million and one colors")
            << "many.txt" << QByteArray("FF010203\n").repeated(1'000'001)
            << "line 1000001: the file holds more than 1000000 colors, more than a list can take";
    QTest::newRow("a million and one colors on one line")
            << "many.css"
            << ":root{" + QByteArray("--c:#000000;").repeated(1'000'001) + "}"
            << "line 1: the file holds more than 1000000 colors, more than a list can take";
    QTest::newRow("a million and one JSON colors")
            << "many.json"
            << "[" + QByteArray("{\"hex\":\"#000000\"},\n").repeated(1'000'000) + "0]"
            << "line 1000001: the file holds more than 1000000 colors, more than a list can take";
    // Values a reader would hold all at once: refused before they are read.
    QTest::newRow("millions of values in one color")
            << "values.json"
            << "[{\"x\": [" + QByteArray("0,").repeated(4'000'000) + "0]}]"
            << "line 1: the file holds more than 4000000 values, more than a palette has";
    QTest::newRow("not a regular file")
            << "/dev/zero" << QByteArray() << "It is not a regular file";
    QTest::newRow("a folder") << "." << QByteArray() << "It is a folder";
}

void tst_Palettes::refusesHugeAndEndlessInput()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    const QString file = name.startsWith(u'/') ? name : path(name);
    if (!name.startsWith(u'/') && name != QLatin1String(".")) {
        write(file, bytes);
        if (bytes.isEmpty()) {
            QFile sparse(file);
            QVERIFY(sparse.resize(Palette::kMaxFileSize + 1));
        }
    }
    QString message;
    try {
        PaletteFile::read(file);
    } catch (const FileError &e) {
        message = e.message();
    }
    QVERIFY2(message.contains(QDir::toNativeSeparators(file)), qPrintable(message));
    QVERIFY2(message.endsWith(reason), qPrintable(message));
}

void tst_Palettes::refusedWriteLeavesTheOldFile_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QStringList>("hexes");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a value that is no color")
            << "old.gpl" << QStringList {"#010203", "#12"}
            << "Color 2 (\"B\") has the value \"#12\", which is not a #RRGGBB color";
    QTest::newRow("a folder") << "folder.gpl" << QStringList {"#010203", "#040506"}
                              << "It is a folder";
    QTest::newRow("a missing folder")
            << "no/such/x.gpl" << QStringList {"#010203", "#040506"} << "No such file or directory";
}

void tst_Palettes::refusedWriteLeavesTheOldFile()
{
    QFETCH(QString, target);
    QFETCH(QStringList, hexes);
    QFETCH(QString, reason);
    write(path(QStringLiteral("old.gpl")), "kept");
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("folder.gpl")));
    const QStringList before = QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden);
    QString message;
    try {
        PaletteFile::write(path(target), Format::Gimp, {"A", "B"}, hexes);
    } catch (const FileError &e) {
        message = e.message();
    }
    QVERIFY2(message.startsWith(QStringLiteral("Cannot write \"%1\": ")
                                        .arg(QDir::toNativeSeparators(path(target)))),
             qPrintable(message));
    QVERIFY2(message.endsWith(reason), qPrintable(message));
    QCOMPARE(bytesOf(path(QStringLiteral("old.gpl"))), QByteArray("kept"));
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden), before);
}

void tst_Palettes::plainColorTablesReadAsTheXmlReaderReadsThem_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("plain"); // whether the quick reader takes it

    const auto table = [](const QByteArray &colors, const QByteArray &root = "ooo:color-table") {
        return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<" + root
                + " xmlns:ooo=\"http://openoffice.org/2004/office\" "
                  "xmlns:draw=\"urn:oasis:names:tc:opendocument:xmlns:drawing:1.0\">\n"
                + colors + "\n</" + root + ">\n";
    };
    for (const char *file : {"office2000.soc", "ooo2004.soc"})
        QTest::newRow(file) << TestFiles::bytesOf(QStringLiteral(TINTORA_TEST_PALETTES "/")
                                                  + QLatin1String(file))
                            << true;
    Palette::Colors odd;
    for (const char *name : {"R&D <\xc3\xa9>", "\"quoted\" 'single'", "tab\there", "two\nlines",
                             "\xf0\x9f\x8e\xa8 palette", "  spaced  ", ""}) {
        odd.names.append(QString::fromUtf8(name));
        odd.values.append(0x123456);
    }
    QTest::newRow("what Tintora writes") << ColorTable::write(odd) << true;
    QTest::newRow("single quotes, spaces around =")
            << table("<draw:color draw:color = '#010203' draw:name='A'/>") << true;
    QTest::newRow("references") << table("<draw:color draw:name=\"&#x26;&#38;&quot;&apos;&#10;\" "
                                         "draw:color=\"&#35;0a0B0c\"/>")
                                << true;
    QTest::newRow("attributes of other namespaces")
            << table("<draw:color ooo:name=\"No\" name=\"No\" draw:name=\"Yes\" draw:color=\"#"
                     "FFFFFF\" ooo:color=\"#000000\"/>")
            << true;
    QTest::newRow("default namespace")
            << QByteArray("<color-table xmlns=\"http://openoffice.org/2000/office\" xmlns:d=\""
                          "http://openoffice.org/2000/drawing\"><d:color d:name=\"x\" d:color=\""
                          "#000001\"/></color-table>")
            << true;
    QTest::newRow("comments") << table("<!-- one --><draw:color draw:color=\"#010101\"/><!---->")
                              << true;
    QTest::newRow("a name that opens with U+FEFF")
            << table("<draw:color draw:name=\"\xef\xbb\xbfsky\" draw:color=\"#87ceeb\"/>") << true;
    // Left to the XML reader: it either reads them too or says what is wrong.
    QTest::newRow("duplicate attribute")
            << table("<draw:color draw:color=\"#010203\" draw:color=\"#030201\"/>") << false;
    QTest::newRow("one namespace under two prefixes")
            << QByteArray("<o:color-table xmlns:o=\"http://openoffice.org/2004/office\" "
                          "xmlns:a=\"urn:x\" xmlns:b=\"urn:x\"><o:color a:k=\"1\" b:k=\"2\"/>"
                          "</o:color-table>")
            << false;
    QTest::newRow("undeclared prefix")
            << table("<draw:color x:y=\"1\" draw:color=\"#010203\"/>") << false;
    QTest::newRow("xml:lang") << table("<draw:color xml:lang=\"en\" draw:color=\"#010203\"/>")
                              << false;
    QTest::newRow("literal line break in a value")
            << table("<draw:color draw:name=\"a\nb\" draw:color=\"#010203\"/>") << false;
    QTest::newRow("character XML refuses")
            << table("<draw:color draw:name=\"&#0;\" draw:color=\"#010203\"/>") << false;
    QTest::newRow("U+FFFE") << table(
            "<draw:color draw:name=\"\xef\xbf\xbe\" draw:color=\"#010203\"/>")
                            << false;
    QTest::newRow("unknown entity")
            << table("<draw:color draw:name=\"&nbsp;\" draw:color=\"#010203\"/>") << false;
    QTest::newRow("broken UTF-8") << table(
            "<draw:color draw:name=\"\xc3\" draw:color=\"#010203\"/>")
                                  << false;
    QTest::newRow("byte order mark") << "\xef\xbb\xbf" + table("") << false;
    QTest::newRow("other encoding")
            << QByteArray(table("").replace("UTF-8", "ISO-8859-1")) << false;
    QTest::newRow("document type") << "<!DOCTYPE x>" + table("") << false;
    QTest::newRow("text between colors") << table("x<draw:color draw:color=\"#010203\"/>") << false;
    QTest::newRow("an element with content")
            << table("<draw:color draw:color=\"#010203\"></draw:color>") << false;
    QTest::newRow("another element") << table("<draw:other/>") << false;
    QTest::newRow("color without value") << table("<draw:color draw:name=\"A\"/>") << false;
    QTest::newRow("bad value") << table("<draw:color draw:color=\"#01020\"/>") << false;
    QTest::newRow("wrong end tag")
            << QByteArray(table("").replace("</ooo:color-table>", "</ooo:color-tablex>")) << false;
    QTest::newRow("something after the root") << table("") + "<x/>" << false;
    QTest::newRow("comment with --") << table("<!-- a -- b -->") << false;
    QTest::newRow("empty root") << QByteArray(
            "<ooo:color-table xmlns:ooo=\"http://openoffice.org/2004/office\"/>")
                                << false;
    QTest::newRow("unclosed") << table("").chopped(3) << false;
}

void tst_Palettes::plainColorTablesReadAsTheXmlReaderReadsThem()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, plain);
    const std::optional<Palette::Colors> quick = ColorTable::readPlain(bytes);
    QCOMPARE(quick.has_value(), plain);
    if (!quick)
        return;
    Palette::Colors full;
    try {
        full = ColorTable::readXml(bytes, QStringLiteral("x.soc"));
    } catch (const FileError &e) {
        QFAIL(qPrintable(QStringLiteral("the XML reader refuses it: ") + e.message()));
    }
    QCOMPARE(quick->names, full.names);
    QCOMPARE(quick->values, full.values);
}

QTEST_GUILESS_MAIN(tst_Palettes)
#include "tst_palettes.moc"
