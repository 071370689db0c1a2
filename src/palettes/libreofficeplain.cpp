// SPDX-License-Identifier: GPL-3.0-or-later
// The plain form of a LibreOffice color table, read straight from the bytes: an optional XML
// declaration, the color-table root declaring its namespaces, and self-closing color elements
// with white space and comments between them. It takes only what is certainly well-formed XML and
// means the same to the XML reader; anything else (comments, other elements, odd characters,
// errors) is left to that reader, which also words the errors.
#include "palettes/libreoffice.h"

#include "core/utf8.h"

#include <array>
#include <cstring>
#include <utility>
#include <vector>

namespace Tintora::ColorTable {

namespace {

const QByteArray kOffice2000 = "http://openoffice.org/2000/office";
const QByteArray kOffice2004 = "http://openoffice.org/2004/office";
const QByteArray kDrawing2000 = "http://openoffice.org/2000/drawing";
const QByteArray kDrawing = "urn:oasis:names:tc:opendocument:xmlns:drawing:1.0";

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool isNameStart(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

bool isNameChar(char c)
{
    return isNameStart(c) || (c >= '0' && c <= '9') || c == '.' || c == '-';
}

// Whether XML 1.0 allows the character in a document.
bool isXmlChar(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF)
            || (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

// Thrown inside the scanner when the file leaves the plain form.
struct NotPlain
{
};

struct QualifiedName
{
    QByteArrayView prefix; // empty: none
    QByteArrayView local;
};

struct Attribute
{
    QualifiedName name;
    QByteArrayView raw; // the value between its quotes, references not yet resolved
};

class Scanner
{
public:
    explicit Scanner(const QByteArray &bytes)
        : m_p(bytes.constData()), m_end(bytes.constData() + bytes.size())
    { }

    Palette::Colors read()
    {
        declaration();
        skipSpaceAndComments();
        expect('<');
        const char *rootStart = m_p;
        const QualifiedName root = name();
        const QByteArrayView rootName(rootStart, m_p - rootStart);
        std::vector<Attribute> attributes = this->attributes();
        if (take('/'))
            throw NotPlain {}; // an empty table; the XML reader says so
        expect('>');
        declareNamespaces(attributes);
        if (root.local != "color-table")
            throw NotPlain {};
        const QByteArray &rootNs = namespaceOf(root.prefix);
        if (rootNs != kOffice2000 && rootNs != kOffice2004)
            throw NotPlain {};

        Palette::Colors colors;
        for (;;) {
            skipSpaceAndComments();
            expect('<');
            if (take('/')) {
                const char *closeStart = m_p;
                name();
                if (QByteArrayView(closeStart, m_p - closeStart) != rootName)
                    throw NotPlain {};
                skipSpace();
                expect('>');
                skipSpaceAndComments();
                if (m_p != m_end)
                    throw NotPlain {};
                return colors;
            }
            color(colors);
        }
    }

private:
    // <?xml version="1.0" encoding="UTF-8" standalone="yes"?>, the last two optional.
    void declaration()
    {
        if (!startsWith("<?xml"))
            return;
        m_p += 5;
        if (m_p == m_end || !isSpace(*m_p))
            throw NotPlain {};
        std::vector<Attribute> pseudo = attributes();
        expect('?');
        expect('>');
        const std::array<const char *, 3> order {"version", "encoding", "standalone"};
        size_t next = 0;
        for (const Attribute &a : pseudo) {
            while (next < order.size() && a.name.local != order[next])
                ++next;
            if (next == order.size() || !a.name.prefix.isEmpty())
                throw NotPlain {};
            const QByteArray value = a.raw.toByteArray().toLower();
            if ((next == 0 && value != "1.0") || (next == 1 && value != "utf-8")
                || (next == 2 && value != "yes" && value != "no"))
                throw NotPlain {};
            ++next;
        }
        if (pseudo.empty() || pseudo.front().name.local != "version")
            throw NotPlain {};
    }

    // <draw:color draw:name="..." draw:color="#rrggbb"/>
    void color(Palette::Colors &colors)
    {
        const QualifiedName element = name();
        const std::vector<Attribute> attributes = this->attributes();
        expect('/');
        expect('>');
        const QByteArray &ns = namespaceOf(element.prefix);
        if (element.local != "color" || (ns != kDrawing && ns != kDrawing2000))
            throw NotPlain {};
        const Attribute *hex = nullptr;
        const Attribute *name = nullptr;
        for (const Attribute &a : attributes) {
            if (a.name.prefix == "xmlns" || (a.name.prefix.isEmpty() && a.name.local == "xmlns"))
                throw NotPlain {}; // namespaces declared below the root
            if (a.name.prefix.isEmpty() || namespaceOf(a.name.prefix) != ns)
                continue;
            if (a.name.local == "color")
                hex = &a;
            else if (a.name.local == "name")
                name = &a;
        }
        refuseDuplicates(attributes);
        if (!hex || colors.values.size() >= Palette::kMaxEntries)
            throw NotPlain {};
        const std::optional<Color::ColorValue> value = Palette::parseHex(text(hex->raw));
        if (!value)
            throw NotPlain {};
        colors.values.append(*value);
        colors.names.append(Palette::entryName(name ? text(name->raw) : QString(), *value));
    }

    QualifiedName name()
    {
        QualifiedName result;
        QByteArrayView first = ncName();
        if (take(':')) {
            result.prefix = first;
            result.local = ncName();
        } else {
            result.local = first;
        }
        return result;
    }

    QByteArrayView ncName()
    {
        const char *start = m_p;
        if (m_p == m_end || !isNameStart(*m_p))
            throw NotPlain {};
        while (m_p != m_end && isNameChar(*m_p))
            ++m_p;
        return {start, m_p - start};
    }

    // Attributes up to the end of the tag, each preceded by white space.
    std::vector<Attribute> attributes()
    {
        std::vector<Attribute> result;
        for (;;) {
            const bool spaced = m_p != m_end && isSpace(*m_p);
            skipSpace();
            if (m_p == m_end || !isNameStart(*m_p))
                return result;
            if (!spaced)
                throw NotPlain {};
            Attribute a;
            a.name = name();
            skipSpace();
            expect('=');
            skipSpace();
            if (m_p == m_end || (*m_p != '"' && *m_p != '\''))
                throw NotPlain {};
            const char quote = *m_p++;
            const char *start = m_p;
            while (m_p != m_end && *m_p != quote) {
                // '<' is not allowed in a value; literal white space other than the space is
                // normalised by the XML reader, which this scanner leaves to it.
                if (*m_p == '<' || (static_cast<unsigned char>(*m_p) < 0x20))
                    throw NotPlain {};
                ++m_p;
            }
            if (m_p == m_end)
                throw NotPlain {};
            a.raw = QByteArrayView(start, m_p - start);
            if (a.raw.contains('&'))
                text(a.raw); // every value's references must be sound, used or not
            ++m_p;
            result.push_back(a);
        }
    }

    void declareNamespaces(const std::vector<Attribute> &attributes)
    {
        for (const Attribute &a : attributes) {
            if (a.name.prefix == "xmlns") {
                if (a.name.local == "xml" || a.name.local == "xmlns")
                    throw NotPlain {};
                const QByteArray uri = text(a.raw).toUtf8();
                if (uri.isEmpty())
                    throw NotPlain {};
                m_namespaces.emplace_back(a.name.local.toByteArray(), uri);
            } else if (a.name.prefix.isEmpty() && a.name.local == "xmlns") {
                m_defaultNamespace = text(a.raw).toUtf8();
            }
        }
        // Every other prefix of the root's attributes must be declared.
        for (const Attribute &a : attributes) {
            if (!a.name.prefix.isEmpty() && a.name.prefix != "xmlns")
                namespaceOf(a.name.prefix);
        }
        refuseDuplicates(attributes);
    }

    const QByteArray &namespaceOf(QByteArrayView prefix) const
    {
        if (prefix.isEmpty())
            return m_defaultNamespace;
        // A table declares a handful of prefixes, each once (a second is a duplicate attribute).
        for (const auto &[declared, uri] : m_namespaces) {
            if (declared == prefix)
                return uri;
        }
        throw NotPlain {}; // undeclared, or the reserved xml prefix
    }

    // Two attributes of one name, or of one namespace and local name, make the XML malformed.
    void refuseDuplicates(const std::vector<Attribute> &attributes) const
    {
        for (size_t i = 0; i < attributes.size(); ++i) {
            for (size_t j = i + 1; j < attributes.size(); ++j) {
                const QualifiedName &a = attributes[i].name;
                const QualifiedName &b = attributes[j].name;
                if (a.local != b.local)
                    continue;
                if (a.prefix == b.prefix)
                    throw NotPlain {};
                if (!a.prefix.isEmpty() && !b.prefix.isEmpty() && a.prefix != "xmlns"
                    && b.prefix != "xmlns" && namespaceOf(a.prefix) == namespaceOf(b.prefix))
                    throw NotPlain {};
            }
        }
    }

    // An attribute value with its character and entity references resolved. Decoded as the XML
    // reader decodes it: a U+FEFF at the start of a value is the value's (QString::fromUtf8
    // would drop it).
    static QString text(QByteArrayView raw)
    {
        if (!raw.contains('&'))
            return Utf8::decode(raw);
        QString out;
        qsizetype plain = 0;
        for (qsizetype i = 0; i < raw.size(); ++i) {
            if (raw[i] != '&')
                continue;
            out += Utf8::decode(raw.sliced(plain, i - plain));
            const qsizetype semicolon = raw.indexOf(';', i);
            if (semicolon < 0)
                throw NotPlain {};
            const QByteArrayView ref = raw.sliced(i + 1, semicolon - i - 1);
            out += reference(ref);
            i = semicolon;
            plain = semicolon + 1;
        }
        out += Utf8::decode(raw.sliced(plain));
        return out;
    }

    static QString reference(QByteArrayView ref)
    {
        if (ref == "amp")
            return QStringLiteral("&");
        if (ref == "lt")
            return QStringLiteral("<");
        if (ref == "gt")
            return QStringLiteral(">");
        if (ref == "quot")
            return QStringLiteral("\"");
        if (ref == "apos")
            return QStringLiteral("'");
        if (!ref.startsWith('#') || ref.size() < 2)
            throw NotPlain {};
        const bool hex = ref[1] == 'x';
        const QByteArrayView digits = ref.sliced(hex ? 2 : 1);
        if (digits.isEmpty() || digits.size() > 8)
            throw NotPlain {};
        char32_t code = 0;
        for (const char c : digits) {
            int digit = -1;
            if (c >= '0' && c <= '9')
                digit = c - '0';
            else if (hex && c >= 'a' && c <= 'f')
                digit = c - 'a' + 10;
            else if (hex && c >= 'A' && c <= 'F')
                digit = c - 'A' + 10;
            if (digit < 0)
                throw NotPlain {};
            code = code * (hex ? 16 : 10) + char32_t(digit);
        }
        if (!isXmlChar(code))
            throw NotPlain {};
        return QString::fromUcs4(&code, 1);
    }

    bool startsWith(const char *text) const
    {
        return QByteArrayView(m_p, m_end - m_p).startsWith(text);
    }

    bool take(char c)
    {
        if (m_p == m_end || *m_p != c)
            return false;
        ++m_p;
        return true;
    }

    void expect(char c)
    {
        if (!take(c))
            throw NotPlain {};
    }

    void skipSpace()
    {
        while (m_p != m_end && isSpace(*m_p))
            ++m_p;
    }

    // <!-- ... -->, whose text holds no "--" and no character XML refuses.
    void skipSpaceAndComments()
    {
        for (skipSpace(); startsWith("<!--"); skipSpace()) {
            const QByteArrayView rest(m_p + 4, m_end - m_p - 4);
            const qsizetype end = rest.indexOf("--");
            if (end < 0 || !rest.sliced(end).startsWith("-->"))
                throw NotPlain {};
            for (const char c : rest.first(end)) {
                if (static_cast<unsigned char>(c) < 0x20 && !isSpace(c))
                    throw NotPlain {};
            }
            m_p += 4 + end + 3;
        }
    }

    const char *m_p;
    const char *m_end;
    std::vector<std::pair<QByteArray, QByteArray>> m_namespaces;
    QByteArray m_defaultNamespace;
};

// Characters XML does not allow, written as valid UTF-8: U+FFFE and U+FFFF.
bool holdsNonCharacters(const QByteArray &bytes)
{
    const char *p = bytes.constData();
    const char *end = p + bytes.size();
    while ((p = static_cast<const char *>(std::memchr(p, '\xEF', size_t(end - p))))) {
        if (end - p >= 3 && p[1] == '\xBF' && (p[2] == '\xBE' || p[2] == '\xBF'))
            return true;
        ++p;
    }
    return false;
}

} // namespace

std::optional<Palette::Colors> readPlain(const QByteArray &bytes)
{
    if (Utf8::firstInvalid(bytes) >= 0 || holdsNonCharacters(bytes))
        return std::nullopt;
    try {
        return Scanner(bytes).read();
    } catch (const NotPlain &) {
        return std::nullopt;
    }
}

} // namespace Tintora::ColorTable
