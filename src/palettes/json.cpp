// SPDX-License-Identifier: GPL-3.0-or-later
#include "palettes/json.h"

#include "core/convert.h"
#include "core/text.h"
#include "core/utf8.h"

#include <QCoreApplication>
#include <QStringDecoder>

#include <cstdio>

namespace Tintora::JsonPalette {

namespace {

// Values nested deeper than this in a member we pass over are refused rather than followed.
constexpr int kMaxDepth = 64;

class Parser
{
public:
    Parser(QStringView text, const QString &path) : m_text(text), m_path(path) { }

    Palette::Colors palette()
    {
        space();
        if (peek() != u'[')
            fail(QCoreApplication::translate(
                    "JsonPalette",
                    "a JSON palette is an array of colors, [ {\"name\": ..., "
                    "\"hex\": \"#RRGGBB\"}, ... ]"));
        ++m_pos;
        Palette::Colors colors;
        space();
        if (peek() == u']') {
            ++m_pos;
        } else {
            for (;;) {
                Palette::checkRoom(colors, m_path, [this] { return Palette::atLine(m_line); });
                entry(colors);
                space();
                if (peek() == u',') {
                    ++m_pos;
                    space();
                    continue;
                }
                if (peek() == u']') {
                    ++m_pos;
                    break;
                }
                fail(QCoreApplication::translate("JsonPalette",
                                                 R"(expected "," or "]" after a color)"));
            }
        }
        space();
        if (m_pos < m_text.size())
            fail(QCoreApplication::translate("JsonPalette",
                                             "there is more after the end of the array"));
        return colors;
    }

private:
    [[noreturn]] void fail(const QString &reason) const
    {
        Palette::fail(m_path, Palette::atLine(m_line), reason);
    }

    char16_t peek() const { return m_pos < m_text.size() ? m_text[m_pos].unicode() : 0; }

    void space()
    {
        while (m_pos < m_text.size()) {
            const char16_t c = m_text[m_pos].unicode();
            if (c == u'\n' || (c == u'\r' && peekAt(m_pos + 1) != u'\n'))
                ++m_line;
            else if (c != u' ' && c != u'\t' && c != u'\r')
                return;
            ++m_pos;
        }
    }

    char16_t peekAt(qsizetype at) const { return at < m_text.size() ? m_text[at].unicode() : 0; }

    void expect(char16_t c, const char *what)
    {
        space();
        if (peek() != c)
            fail(QCoreApplication::translate("JsonPalette", "expected %1")
                         .arg(QCoreApplication::translate("JsonPalette", what)));
        ++m_pos;
    }

    void entry(Palette::Colors &colors)
    {
        const qsizetype number = colors.values.size() + 1;
        if (peek() != u'{')
            fail(QCoreApplication::translate(
                         "JsonPalette", R"(color %1 is not an object {"name": ..., "hex": ...})")
                         .arg(number));
        ++m_pos;
        QString name;
        QString hex;
        bool hasHex = false;
        qsizetype hexLine = m_line;
        space();
        if (peek() == u'}') {
            ++m_pos;
        } else {
            for (;;) {
                space();
                if (peek() != u'"')
                    fail(QCoreApplication::translate("JsonPalette",
                                                     "expected a member name in quotes"));
                const QString key = string();
                expect(u':', QT_TRANSLATE_NOOP("JsonPalette", "\":\" after a member name"));
                space();
                if (key == QLatin1String("name")) {
                    if (peek() == u'"')
                        name = string();
                    else if (literal("null"))
                        name.clear();
                    else
                        fail(QCoreApplication::translate("JsonPalette",
                                                         "the \"name\" of color %1 is not text")
                                     .arg(number));
                } else if (key == QLatin1String("hex")) {
                    hexLine = m_line;
                    if (peek() != u'"')
                        fail(QCoreApplication::translate("JsonPalette",
                                                         "the \"hex\" of color %1 is not text")
                                     .arg(number));
                    hex = string();
                    hasHex = true;
                } else {
                    skipValue(0);
                }
                space();
                if (peek() == u',') {
                    ++m_pos;
                    continue;
                }
                if (peek() == u'}') {
                    ++m_pos;
                    break;
                }
                fail(QCoreApplication::translate("JsonPalette",
                                                 R"(expected "," or "}" in color %1)")
                             .arg(number));
            }
        }
        if (!hasHex)
            fail(QCoreApplication::translate("JsonPalette", "color %1 has no \"hex\"").arg(number));
        const std::optional<Color::ColorValue> value = Palette::parseHex(hex);
        if (!value)
            Palette::fail(m_path, Palette::atLine(hexLine),
                          QCoreApplication::translate(
                                  "JsonPalette", R"(the "hex" of color %1 is "%2", not #RRGGBB)")
                                  .arg(number)
                                  .arg(Text::elideMiddle(hex, 40)));
        colors.values.append(*value);
        colors.names.append(Palette::entryName(name, *value));
    }

    bool literal(const char *word)
    {
        const QLatin1String text(word);
        if (!m_text.mid(m_pos).startsWith(text))
            return false;
        m_pos += text.size();
        return true;
    }

    int hex4()
    {
        int value = 0;
        for (int k = 0; k < 4; ++k) {
            const int digit = Convert::hexDigitValue(QChar(peek()));
            if (m_pos >= m_text.size() || digit < 0)
                fail(QCoreApplication::translate("JsonPalette",
                                                 "\\u is followed by four hex digits"));
            value = value * 16 + digit;
            ++m_pos;
        }
        return value;
    }

    // At the opening quote; returns the text and moves past the closing one.
    QString string()
    {
        ++m_pos;
        QString text;
        for (;;) {
            if (m_pos >= m_text.size())
                fail(QCoreApplication::translate("JsonPalette", "a text in quotes is not closed"));
            // Runs without escapes are taken whole.
            const qsizetype run = m_pos;
            while (m_pos < m_text.size() && m_text[m_pos] != u'"' && m_text[m_pos] != u'\\'
                   && m_text[m_pos] >= u' ')
                ++m_pos;
            text += m_text.sliced(run, m_pos - run);
            if (m_pos >= m_text.size())
                continue;
            const char16_t c = m_text[m_pos++].unicode();
            if (c == u'"')
                return text;
            if (c < 0x20)
                fail(QCoreApplication::translate(
                        "JsonPalette", "a text in quotes holds a line break or control character"));
            const char16_t e = peek();
            ++m_pos;
            switch (e) {
            case u'"':
            case u'\\':
            case u'/':
                text += QChar(e);
                break;
            case u'b':
                text += u'\b';
                break;
            case u'f':
                text += u'\f';
                break;
            case u'n':
                text += u'\n';
                break;
            case u'r':
                text += u'\r';
                break;
            case u't':
                text += u'\t';
                break;
            case u'u':
                text += QChar(char16_t(hex4()));
                break;
            default:
                fail(QCoreApplication::translate("JsonPalette",
                                                 "a text in quotes holds an unknown escape"));
            }
        }
    }

    void number()
    {
        const qsizetype start = m_pos;
        const auto digits = [this] {
            const qsizetype from = m_pos;
            while (peek() >= u'0' && peek() <= u'9')
                ++m_pos;
            return m_pos > from;
        };
        if (peek() == u'-')
            ++m_pos;
        if (peek() == u'0')
            ++m_pos;
        else if (!digits())
            fail(QCoreApplication::translate("JsonPalette", "expected a value"));
        if (peek() == u'.') {
            ++m_pos;
            if (!digits())
                fail(QCoreApplication::translate("JsonPalette",
                                                 "a number has no digits after its decimal point"));
        }
        if (peek() == u'e' || peek() == u'E') {
            ++m_pos;
            if (peek() == u'+' || peek() == u'-')
                ++m_pos;
            if (!digits())
                fail(QCoreApplication::translate("JsonPalette",
                                                 "a number has no digits in its exponent"));
        }
        Q_ASSERT(m_pos > start);
    }

    void skipValue(int depth)
    {
        if (depth > kMaxDepth)
            fail(QCoreApplication::translate("JsonPalette", "values are nested more than %1 deep")
                         .arg(kMaxDepth));
        space();
        const char16_t c = peek();
        if (c == u'"') {
            string();
        } else if (c == u'{' || c == u'[') {
            const char16_t close = c == u'{' ? u'}' : u']';
            ++m_pos;
            space();
            if (peek() == close) {
                ++m_pos;
                return;
            }
            for (;;) {
                if (c == u'{') {
                    space();
                    if (peek() != u'"')
                        fail(QCoreApplication::translate("JsonPalette",
                                                         "expected a member name in quotes"));
                    string();
                    expect(u':', QT_TRANSLATE_NOOP("JsonPalette", "\":\" after a member name"));
                }
                skipValue(depth + 1);
                space();
                if (peek() == u',') {
                    ++m_pos;
                    continue;
                }
                if (peek() == close) {
                    ++m_pos;
                    return;
                }
                fail(QCoreApplication::translate("JsonPalette", R"(expected "," or "%1")")
                             .arg(QChar(close)));
            }
        } else if (!literal("true") && !literal("false") && !literal("null")) {
            number();
        }
    }

    QStringView m_text;
    const QString &m_path;
    qsizetype m_pos = 0;
    qsizetype m_line = 1;
};

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
    // A byte order mark may stand before the text (RFC 8259 lets a reader pass over it); any
    // further U+FEFF is a character of the text, where JSON does not allow it.
    const bool bom = bytes.startsWith("\xEF\xBB\xBF");
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    const QString text = decoder.decode(QByteArrayView(bytes).sliced(bom ? 3 : 0));
    return Parser(text, path).palette();
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
