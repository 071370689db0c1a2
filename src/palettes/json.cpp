// SPDX-License-Identifier: GPL-3.0-or-later
#include "palettes/json.h"

#include "core/text.h"
#include "core/utf8.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>

#include <algorithm>
#include <cstdio>

namespace Tintora::JsonPalette {

namespace {

// Qt's reader refuses values nested deeper than this (its nesting limit).
constexpr int kQtNestingLimit = 1024;

// The line of a byte of the text, counted as the list files count lines (CR, LF or CR LF).
qsizetype lineAt(QByteArrayView bytes, qsizetype offset)
{
    qsizetype line = 1;
    offset = qBound(qsizetype(0), offset, bytes.size());
    for (qsizetype i = 0; i < offset; ++i) {
        if (bytes[i] == '\n'
            || (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n')))
            ++line;
    }
    return line;
}

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// Where a color of a well-formed palette stands in its text: the first byte of element index
// of the array, or of the last member named member in it. The reader keeps no positions, so
// an error in a color is placed by walking the text again, which only an error costs.
qsizetype offsetOf(QByteArrayView text, qsizetype index, QLatin1StringView member = {})
{
    int depth = 0;
    qsizetype element = -1;
    qsizetype found = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (isSpace(c))
            continue;
        if (depth == 1 && element < 0 && (c != '[' && c != ']' && c != ','))
            element = 0; // the first element starts
        if (depth == 1 && c == ',')
            element = element < 0 ? 1 : element + 1;
        if (depth == 1 && element == index && c != ',' && found < 0)
            found = i;
        if (c == '"') {
            const qsizetype start = i;
            for (++i; i < text.size() && text[i] != '"'; ++i) {
                if (text[i] == '\\')
                    ++i;
            }
            if (depth == 2 && element == index && !member.isEmpty()
                && text.sliced(start + 1, i - start - 1) == QByteArrayView(member)) {
                qsizetype next = i + 1;
                while (next < text.size() && isSpace(text[next]))
                    ++next;
                if (next < text.size() && text[next] == ':')
                    found = start;
            }
        } else if (c == '[' || c == '{') {
            ++depth;
        } else if (c == ']' || c == '}') {
            if (--depth == 1 && element == index)
                return found;
        }
    }
    return found;
}

// Qt's reader holds every value of a document at once, about 16 bytes each before any text: a
// file of nothing but "0," would cost it half a gigabyte and seconds. A palette of a million
// colors with a name and a hex each holds three million; what holds more is refused by a count
// of its commas before Qt reads it.
constexpr qsizetype kMaxValues = 4'000'000;

void checkSize(QByteArrayView text, const QString &path)
{
    int depth = 0;
    qsizetype elements = 1;
    qsizetype values = 1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        switch (text[i]) {
        case '"':
            for (++i; i < text.size() && text[i] != '"'; ++i) {
                if (text[i] == '\\')
                    ++i;
            }
            break;
        case '[':
        case '{':
            ++depth;
            break;
        case ']':
        case '}':
            --depth;
            break;
        case ',':
            if (depth == 1 && ++elements > Palette::kMaxEntries) {
                // Where the color that does not fit begins.
                qsizetype next = i + 1;
                while (next < text.size() && isSpace(text[next]))
                    ++next;
                Palette::failFull(path, Palette::atLine(lineAt(text, next)));
            }
            if (++values > kMaxValues)
                Palette::fail(path, Palette::atLine(lineAt(text, i)),
                              QCoreApplication::translate(
                                      "JsonPalette",
                                      "the file holds more than %1 values, more than a palette has")
                                      .arg(kMaxValues));
            break;
        default:
            break;
        }
    }
}

// What Qt's reader found wrong, in our words where we have them.
QString parseErrorReason(const QJsonParseError &error, QByteArrayView text)
{
    const auto expectedOneOf = [](char close) {
        return QCoreApplication::translate("JsonPalette", R"(expected "," or "%1")")
                .arg(QLatin1Char(close));
    };
    switch (error.error) {
    case QJsonParseError::UnterminatedObject:
        return expectedOneOf('}');
    case QJsonParseError::UnterminatedArray:
    case QJsonParseError::MissingValueSeparator:
        return expectedOneOf(']');
    case QJsonParseError::MissingNameSeparator:
        return QCoreApplication::translate("JsonPalette", "expected %1")
                .arg(QCoreApplication::translate("JsonPalette", "\":\" after a member name"));
    case QJsonParseError::IllegalNumber: {
        const char before = error.offset > 0 ? text[error.offset - 1] : char(0);
        if (before == 'e' || before == 'E' || before == '+'
            || (before == '-' && error.offset > 1
                && (text[error.offset - 2] == 'e' || text[error.offset - 2] == 'E')))
            return QCoreApplication::translate("JsonPalette",
                                               "a number has no digits in its exponent");
        return QCoreApplication::translate("JsonPalette", "expected a value");
    }
    case QJsonParseError::IllegalValue:
    case QJsonParseError::TerminationByNumber:
    case QJsonParseError::MissingObject:
        return QCoreApplication::translate("JsonPalette", "expected a value");
    case QJsonParseError::IllegalEscapeSequence:
        return QCoreApplication::translate("JsonPalette",
                                           "a text in quotes holds an unknown escape");
    case QJsonParseError::UnterminatedString:
        return QCoreApplication::translate("JsonPalette", "a text in quotes is not closed");
    case QJsonParseError::DeepNesting:
        return QCoreApplication::translate("JsonPalette", "values are nested more than %1 deep")
                .arg(kQtNestingLimit);
    case QJsonParseError::GarbageAtEnd:
        return QCoreApplication::translate("JsonPalette",
                                           "there is more after the end of the array");
    default:
        return error.errorString();
    }
}

void appendString(QByteArray &out, const QString &text)
{
    out += '"';
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const char16_t u = c.unicode();
        if (u == u'"' || u == u'\\') {
            out += '\\';
            out += char(u);
        } else if (u == u'\n') {
            out += "\\n";
        } else if (u == u'\r') {
            out += "\\r";
        } else if (u == u'\t') {
            out += "\\t";
        } else if (u < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04X", unsigned(u));
            out += escape;
        } else if (u < 0x80) {
            out += char(u);
        } else if (u == 0xFEFF) {
            // Qt's reader drops a U+FEFF that opens a text in quotes; escaped, it keeps it.
            out += "\\uFEFF";
        } else if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            out += QStringView(text).mid(i, 2).toUtf8();
            ++i;
        } else if (c.isSurrogate()) {
            out += "\xEF\xBF\xBD"; // half a character: UTF-8 cannot hold it
        } else {
            out += QStringView(text).mid(i, 1).toUtf8();
        }
    }
    out += '"';
}

} // namespace

Palette::Colors read(const QByteArray &bytes, const QString &path)
{
    const qsizetype invalid = Utf8::firstInvalid(bytes);
    if (invalid >= 0)
        Palette::fail(path, Palette::atByte(invalid),
                      QCoreApplication::translate("JsonPalette",
                                                  "a JSON file is UTF-8 text, and this is not"));
    // A byte order mark may stand before the text (RFC 8259 lets a reader pass over it, and Qt's
    // does); offsets count from the file's first byte, the mark's included.
    const QByteArrayView text(bytes);
    const auto failAt = [&](qsizetype offset, const QString &reason) {
        Palette::fail(path, Palette::atLine(lineAt(text, offset)), reason);
    };
    const qsizetype start = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    const qsizetype first =
            std::find_if_not(text.begin() + start, text.end(), isSpace) - text.begin();
    if (first == text.size() || text[first] != '[')
        failAt(first,
               QCoreApplication::translate("JsonPalette",
                                           "a JSON palette is an array of colors, [ {\"name\": "
                                           "..., \"hex\": \"#RRGGBB\"}, ... ]"));

    checkSize(text, path);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        failAt(error.offset, parseErrorReason(error, text));

    const QJsonArray array = document.array();
    Palette::Colors colors;
    colors.values.reserve(qMin(array.size(), Palette::kMaxEntries));
    colors.names.reserve(colors.values.capacity());
    for (qsizetype i = 0; i < array.size(); ++i) {
        Palette::checkRoom(colors, path,
                           [&] { return Palette::atLine(lineAt(text, offsetOf(text, i))); });
        const qsizetype number = i + 1;
        const auto failIn = [&](QLatin1StringView member, const QString &reason) {
            failAt(offsetOf(text, i, member), reason);
        };
        const QJsonValue entry = array.at(i);
        if (!entry.isObject())
            failIn({},
                   QCoreApplication::translate(
                           "JsonPalette", R"(color %1 is not an object {"name": ..., "hex": ...})")
                           .arg(number));
        const QJsonObject object = entry.toObject();
        const QJsonValue name = object.value(QLatin1StringView("name"));
        if (!name.isString() && !name.isNull() && !name.isUndefined())
            failIn(QLatin1StringView("name"),
                   QCoreApplication::translate("JsonPalette",
                                               "the \"name\" of color %1 is not text")
                           .arg(number));
        const QJsonValue hex = object.value(QLatin1StringView("hex"));
        if (hex.isUndefined())
            failIn({},
                   QCoreApplication::translate("JsonPalette", "color %1 has no \"hex\"")
                           .arg(number));
        if (!hex.isString())
            failIn(QLatin1StringView("hex"),
                   QCoreApplication::translate("JsonPalette", "the \"hex\" of color %1 is not text")
                           .arg(number));
        const QString hexText = hex.toString();
        const std::optional<Color::ColorValue> value = Palette::parseHex(hexText);
        if (!value)
            failIn(QLatin1StringView("hex"),
                   QCoreApplication::translate("JsonPalette",
                                               R"(the "hex" of color %1 is "%2", not #RRGGBB)")
                           .arg(number)
                           .arg(Text::elideMiddle(hexText, 40)));
        colors.values.append(*value);
        colors.names.append(Palette::entryName(name.toString(), *value));
    }
    return colors;
}

QByteArray write(const Palette::Colors &colors)
{
    if (colors.values.isEmpty())
        return QByteArrayLiteral("[]\n");
    QByteArray bytes;
    bytes.reserve(4 + colors.values.size() * 48);
    bytes += "[\n";
    for (qsizetype i = 0; i < colors.values.size(); ++i) {
        bytes += R"(  {"name": )";
        appendString(bytes, colors.names.at(i));
        bytes += R"(, "hex": ")";
        Palette::appendHex(bytes, colors.values.at(i), false);
        bytes += i + 1 < colors.values.size() ? "\"},\n" : "\"}\n";
    }
    bytes += "]\n";
    return bytes;
}

} // namespace Tintora::JsonPalette
