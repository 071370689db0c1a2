// SPDX-License-Identifier: GPL-3.0-or-later
#include "palettes/css.h"

#include "core/convert.h"
#include "core/text.h"
#include "lists/listfile.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>

#include <algorithm>

namespace Tintora::CssProperties {

namespace {

bool isNameCharacter(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9')
            || c == u'-' || c == u'_' || c >= 0x80;
}

bool isSpace(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

class Scanner
{
public:
    Scanner(const QString &text, const QString &path, ColorParser parseColor)
        : m_text(text), m_path(path), m_parseColor(parseColor)
    { }

    Palette::Colors colors()
    {
        int depth = 0;
        bool atDeclaration = false;
        while (m_pos < m_text.size()) {
            const char16_t c = at(m_pos);
            if (c == u'/' && at(m_pos + 1) == u'*') {
                comment();
            } else if (isSpace(c)) {
                advance();
            } else if (c == u'"' || c == u'\'') {
                string();
                atDeclaration = false;
            } else if (c == u'{') {
                ++depth;
                atDeclaration = true;
                advance();
            } else if (c == u'}' || c == u';') {
                if (c == u'}')
                    depth = qMax(0, depth - 1);
                // Nested rules may be followed by more declarations of the outer rule.
                atDeclaration = depth > 0;
                advance();
            } else if (atDeclaration && c == u'-' && at(m_pos + 1) == u'-') {
                declaration();
                atDeclaration = false;
            } else {
                if (c == u'\\')
                    advance();
                advance();
                atDeclaration = false;
            }
        }
        return std::move(m_colors);
    }

private:
    char16_t at(qsizetype i) const { return i < m_text.size() ? m_text[i].unicode() : 0; }

    // Moves past one character, counting lines as the list files do.
    void advance()
    {
        if (m_pos >= m_text.size())
            return;
        const char16_t c = at(m_pos);
        if (c == u'\n' || (c == u'\r' && at(m_pos + 1) != u'\n') || c == u'\f')
            ++m_line;
        ++m_pos;
    }

    void comment()
    {
        m_pos += 2;
        while (m_pos < m_text.size() && !(at(m_pos) == u'*' && at(m_pos + 1) == u'/'))
            advance();
        m_pos = qMin(m_pos + 2, m_text.size()); // an open comment runs to the end, as in CSS
    }

    void string()
    {
        const char16_t quote = at(m_pos);
        advance();
        while (m_pos < m_text.size() && at(m_pos) != quote) {
            if (at(m_pos) == u'\n' || at(m_pos) == u'\r')
                return; // a string ends at a line break, as in CSS
            if (at(m_pos) == u'\\')
                advance();
            advance();
        }
        advance();
    }

    void skipSpaceAndComments()
    {
        while (m_pos < m_text.size()) {
            if (isSpace(at(m_pos)))
                advance();
            else if (at(m_pos) == u'/' && at(m_pos + 1) == u'*')
                comment();
            else
                return;
        }
    }

    // At "--": the name with its escapes read, and the position after it.
    QString name()
    {
        QString name;
        m_pos += 2;
        while (m_pos < m_text.size()) {
            const char16_t c = at(m_pos);
            if (isNameCharacter(c)) {
                name += QChar(c);
                ++m_pos;
            } else if (c == u'\\' && at(m_pos + 1) != u'\n' && at(m_pos + 1) != u'\r'
                       && at(m_pos + 1) != u'\f' && m_pos + 1 < m_text.size()) {
                ++m_pos;
                char32_t code = 0;
                int digits = 0;
                while (digits < 6 && Convert::hexDigitValue(QChar(at(m_pos))) >= 0) {
                    code = code * 16 + char32_t(Convert::hexDigitValue(QChar(at(m_pos))));
                    ++digits;
                    ++m_pos;
                }
                if (digits == 0) {
                    name += QChar(at(m_pos));
                    advance();
                    continue;
                }
                if (isSpace(at(m_pos)))
                    advance();
                if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
                    code = 0xFFFD;
                name += QString::fromUcs4(&code, 1);
            } else {
                break;
            }
        }
        return name;
    }

    // The value after the colon, up to the ";" or "}" that ends the declaration (not taken),
    // without comments.
    QString value()
    {
        QString value;
        qsizetype run = m_pos;
        int nesting = 0;
        while (m_pos < m_text.size()) {
            const char16_t c = at(m_pos);
            if (nesting == 0 && (c == u';' || c == u'}'))
                break;
            if (c == u'/' && at(m_pos + 1) == u'*') {
                value += QStringView(m_text).sliced(run, m_pos - run);
                value += u' ';
                comment();
                run = m_pos;
                continue;
            }
            if (c == u'"' || c == u'\'') {
                string();
                continue;
            }
            if (c == u'(' || c == u'[' || c == u'{')
                ++nesting;
            else if (c == u')' || c == u']' || c == u'}')
                nesting = qMax(0, nesting - 1);
            advance();
        }
        value += QStringView(m_text).sliced(run, m_pos - run);
        return value.trimmed();
    }

    static QString withoutImportant(const QString &value)
    {
        const qsizetype bang = value.lastIndexOf(u'!');
        if (bang < 0)
            return value;
        if (QStringView(value).mid(bang + 1).trimmed().compare(QLatin1String("important"),
                                                               Qt::CaseInsensitive)
            != 0)
            return value;
        return value.left(bang).trimmed();
    }

    static bool looksLikeColor(QStringView value)
    {
        if (value.startsWith(u'#'))
            return true;
        const qsizetype paren = value.indexOf(u'(');
        if (paren < 0)
            return false;
        static const char *const functions[] = {"rgb", "rgba", "hsl",   "hsla",  "hwb",
                                                "lab", "lch",  "oklab", "oklch", "color"};
        const QStringView function = value.left(paren).trimmed();
        return std::any_of(std::begin(functions), std::end(functions), [&](const char *f) {
            return function.compare(QLatin1String(f), Qt::CaseInsensitive) == 0;
        });
    }

    void declaration()
    {
        const qsizetype line = m_line;
        const QString property = name();
        skipSpaceAndComments();
        if (at(m_pos) != u':')
            return; // not a declaration after all; the scan goes on from here
        ++m_pos;
        const QString text = withoutImportant(value());
        const std::optional<Color::ColorValue> color = m_parseColor(text);
        if (!color) {
            if (looksLikeColor(text))
                Palette::fail(
                        m_path, Palette::atLine(line),
                        QCoreApplication::translate(
                                "CssProperties",
                                "the value of --%1 starts like a color but is not "
                                "one: \"%2\"")
                                .arg(Text::elideMiddle(property, 40), Text::elideMiddle(text, 60)));
            return;
        }
        Palette::checkRoom(m_colors, m_path, [line] { return Palette::atLine(line); });
        m_colors.values.append(*color);
        m_colors.names.append(Palette::entryName(property, *color));
    }

    const QString &m_text;
    const QString &m_path;
    ColorParser m_parseColor;
    qsizetype m_pos = 0;
    qsizetype m_line = 1;
    Palette::Colors m_colors;
};

} // namespace

Palette::Colors read(const QByteArray &bytes, const QString &path, ColorParser parseColor)
{
    Palette::checkLines(bytes, path);
    return Scanner(ListFile::decode(bytes), path, parseColor).colors();
}

QString identifier(const QString &name)
{
    QString id;
    id.reserve(name.size());
    bool dash = false;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name.at(i);
        const char16_t u = c.unicode();
        const bool pair =
                c.isHighSurrogate() && i + 1 < name.size() && name.at(i + 1).isLowSurrogate();
        if (pair || (u >= 0x80 && !c.isSurrogate() && !c.isSpace())
            || (u < 0x80 && isNameCharacter(u) && u != u'-')) {
            if (dash && !id.isEmpty())
                id += u'-';
            dash = false;
            id += c;
            if (pair)
                id += name.at(++i);
        } else {
            dash = true;
        }
    }
    if (id.isEmpty())
        return QStringLiteral("color");
    // Every letter, not only ASCII: "Ünïcødé" and "ünïcødé" are one name to a reader.
    return id.toLower();
}

QByteArray write(const Palette::Colors &colors)
{
    // The identifiers are kept in a list and looked up by views of its strings: a set of
    // strings of its own would cost one allocation per color, and more to free them again.
    QStringList ids;
    ids.reserve(colors.values.size());
    QSet<QStringView> used;
    used.reserve(colors.values.size());
    // Where the search for a free "-n" goes on for each name, so that a thousand colors of one
    // name cost a thousand steps, not half a million.
    QHash<QString, int> nextNumber;
    for (qsizetype i = 0; i < colors.values.size(); ++i) {
        const QString base = identifier(colors.names.at(i));
        QString id = base;
        if (used.contains(id)) {
            int &n = nextNumber[base];
            n = qMax(n, 2);
            do
                id = base + u'-' + QString::number(n++);
            while (used.contains(id));
        }
        ids.append(id);
        used.insert(ids.constLast()); // the characters stay where they are as the list grows
    }

    QByteArray bytes;
    bytes.reserve(16 + colors.values.size() * 32);
    bytes += ":root {\n";
    for (qsizetype i = 0; i < ids.size(); ++i) {
        bytes += "  --";
        bytes += ids.at(i).toUtf8();
        bytes += ": ";
        Palette::appendHex(bytes, colors.values.at(i), true);
        bytes += ";\n";
    }
    bytes += "}\n";
    return bytes;
}

} // namespace Tintora::CssProperties
