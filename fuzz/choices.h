// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRandomGenerator>
#include <QString>

#include <cstddef>
#include <cstdint>

// Where the choices of a fuzz target or a simulated user come from: the fuzzer's input bytes, or
// a seeded generator in the test suite. Both give the same kinds of choices, so one simulation
// serves the fuzzer and the random user alike.
class Choices
{
public:
    virtual ~Choices() = default;

    // A number in [0, bound); bound must be at least 1.
    virtual quint32 below(quint32 bound) = 0;
    // Nothing left to choose from: every further choice is 0.
    virtual bool exhausted() const = 0;

    // True one time in n.
    bool oneIn(quint32 n) { return below(n) == 0; }
    int between(int low, int high) { return low + int(below(quint32(high - low + 1))); }

    // Any text up to maxLength UTF-16 units, leaning toward what the program treats specially:
    // digits, signs, '$', '#', hex letters, spaces, line breaks, NULs, a byte order mark, text
    // beyond Latin-1 and beyond the BMP, and the odd lone surrogate.
    QString text(int maxLength)
    {
        const int length = int(below(quint32(maxLength) + 1));
        QString result;
        while (result.size() < length)
            appendCharacter(result);
        return result;
    }

    // Text made of what a number or a color may hold, plus a little noise.
    QString numberText(int maxLength)
    {
        static const char16_t alphabet[] = u"0123456789 +-$#abcdefABCDEFgx0123456789";
        const int length = int(below(quint32(maxLength) + 1));
        QString result;
        for (int i = 0; i < length; ++i)
            result.append(QChar(alphabet[below(std::size(alphabet) - 1)]));
        return result;
    }

    // A hex color text, now and then a little wrong.
    QString hexText()
    {
        QString hex = QStringLiteral("#%1").arg(below(1u << 24), 6, 16, QLatin1Char('0'));
        switch (below(6)) {
        case 0:
            return hex.toUpper();
        case 1:
            return hex; // lower case
        case 2:
            return hex.toUpper().left(int(below(7)));
        case 3:
            return numberText(9);
        default:
            return hex.toUpper();
        }
    }

private:
    void appendCharacter(QString &s)
    {
        static const char16_t special[] = {u'\r', u'\n', u'\t', u'\0', 0xFEFF, 0x0085, 0x2028};
        switch (below(16)) {
        case 0:
        case 1:
        case 2:
            s.append(QChar(u'0' + below(10)));
            break;
        case 3:
            s.append(QChar(u" +-$#"[below(5)]));
            break;
        case 4:
            s.append(QChar(u"abcdefABCDEF"[below(12)]));
            break;
        case 5:
        case 6:
        case 7:
            s.append(QChar(char16_t(0x20 + below(0x5F)))); // printable ASCII
            break;
        case 8:
            s.append(QChar(special[below(std::size(special))]));
            break;
        case 9:
            s.append(QChar(char16_t(0xA0 + below(0x60)))); // Latin-1
            break;
        case 10:
        case 11: {
            char16_t c = char16_t(0x100 + below(0xFF00 - 0x100));
            if (QChar::isSurrogate(c))
                c = 0x4E2D;
            s.append(QChar(c));
            break;
        }
        case 12: {
            const char32_t c = 0x10000 + below(0x100000);
            s.append(QChar(QChar::highSurrogate(c)));
            s.append(QChar(QChar::lowSurrogate(c)));
            break;
        }
        case 13:
            if (oneIn(4)) {
                s.append(QChar(char16_t(0xD800 + below(0x800)))); // a lone surrogate
                break;
            }
            Q_FALLTHROUGH();
        default:
            s.append(QChar(u"Skyblue RdGn"[below(12)]));
            break;
        }
    }
};

// Choices read from a fuzzer's input, front to back.
class ByteChoices : public Choices
{
public:
    ByteChoices(const uint8_t *data, size_t size) : m_data(data), m_size(size) { }
    quint32 below(quint32 bound) override
    {
        if (bound <= 1)
            return 0;
        quint32 value = 0;
        int bytes = bound <= 0x100 ? 1 : bound <= 0x10000 ? 2 : 4;
        while (bytes-- > 0)
            value = (value << 8) | (m_pos < m_size ? m_data[m_pos++] : 0);
        return value % bound;
    }
    bool exhausted() const override { return m_pos >= m_size; }

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_pos = 0;
};

// Choices from a seeded generator: the same seed gives the same run.
class RandomChoices : public Choices
{
public:
    explicit RandomChoices(quint32 seed) : m_generator(seed) { }
    quint32 below(quint32 bound) override { return bound <= 1 ? 0 : m_generator.bounded(bound); }
    bool exhausted() const override { return false; }

private:
    QRandomGenerator m_generator;
};
