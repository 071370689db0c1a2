// SPDX-License-Identifier: GPL-3.0-or-later
#include "lists/colorlist.h"

#include "core/convert.h"
#include "core/utf8.h"
#include "lists/listfind.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <stdexcept>

#if defined(__SSE2__)
#    include <emmintrin.h>
#endif

namespace Tintora {

namespace {

constexpr int kSlotBits = 12;
constexpr qsizetype kSlots = qsizetype(1) << kSlotBits;
constexpr qsizetype kDeadWords = kSlots / 64;

// Value codes. A canonical value ("#" and six hex digits) keeps bit 31 clear: its 24 bits, and
// above them a bit for each digit written in lower case, so that its text comes back exactly.
// Everything else sets bit 31.
constexpr quint32 kValueMask = 0x00FFFFFFu;
constexpr int kCaseShift = 24;
constexpr quint32 kOdd = 0x80000000u;   // the text is in m_oddText
constexpr quint32 kEmpty = 0xC0000000u; // an empty cell, as short hex files leave them
constexpr quint32 kDead = 0xFFFFFFFFu;  // a removed entry's slot

// Without a popcount instruction in the baseline x86-64, std::popcount becomes a library call.
int bitCount(quint64 bits)
{
    bits = bits - ((bits >> 1) & 0x5555555555555555ull);
    bits = (bits & 0x3333333333333333ull) + ((bits >> 2) & 0x3333333333333333ull);
    bits = (bits + (bits >> 4)) & 0x0F0F0F0F0F0F0F0Full;
    return int((bits * 0x0101010101010101ull) >> 56);
}

bool isCanonical(quint32 code)
{
    return !(code & kOdd);
}

quint32 seqOf(qsizetype chunk, qsizetype slot)
{
    return quint32((chunk << kSlotBits) | slot);
}

char16_t asciiUpper(char16_t c)
{
    return c >= u'a' && c <= u'z' ? char16_t(c - 32) : c;
}

QString asciiUpper(const QString &text)
{
    QString upper = text;
    for (QChar &c : upper)
        c = QChar(asciiUpper(c.unicode()));
    return upper;
}

// For each ASCII character: its hex digit value, 16 more for a lower-case letter digit; -1 for
// any other character. A million values are read at each load.
constexpr std::array<qint8, 128> kHexDigits = [] {
    std::array<qint8, 128> digits {};
    for (int c = 0; c < 128; ++c)
        digits[size_t(c)] = c >= '0' && c <= '9' ? qint8(c - '0')
                : c >= 'A' && c <= 'F'           ? qint8(c - 'A' + 10)
                : c >= 'a' && c <= 'f'           ? qint8(c - 'a' + 26)
                                                 : qint8(-1);
    return digits;
}();

// "#" and six hex digits in any letter case: the code of the text.
template<typename Char>
bool parseCanonical(const Char *text, qsizetype size, quint32 *code)
{
    if (size != 7 || text[0] != '#')
        return false;
    quint32 value = 0, lower = 0;
    for (int i = 1; i < 7; ++i) {
        const auto c = char16_t(text[i]);
        const int d = c < 128 ? kHexDigits[c] : -1;
        if (d < 0)
            return false;
        value = (value << 4) | quint32(d & 15);
        lower |= quint32(d >> 4) << (i - 1);
    }
    *code = value | (lower << kCaseShift);
    return true;
}

// The seven characters of a canonical code.
void formatCanonical(quint32 code, char *out)
{
    static const char upper[] = "0123456789ABCDEF";
    static const char lower[] = "0123456789abcdef";
    out[0] = '#';
    const quint32 value = code & kValueMask;
    for (int i = 0; i < 6; ++i) {
        const quint32 digit = (value >> (4 * (5 - i))) & 15;
        out[i + 1] = ((code >> (kCaseShift + i)) & 1) ? lower[digit] : upper[digit];
    }
}

// Whether the bytes may hold a character below U+0020 or a lone surrogate (ED A0..BF). Names
// are looked at as they are loaded, a million at a time: sixteen bytes are tried at once for
// either kind of byte, and only a block that has one is looked at closely.
bool hasControlOrSurrogate(QByteArrayView bytes)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    const qsizetype n = bytes.size();
    qsizetype i = 0;
#if defined(__SSE2__)
    // Unsigned b < 0x20 is (b ^ 0x80) < 0xA0 as signed bytes.
    const __m128i flip = _mm_set1_epi8(char(0x80));
    const __m128i control = _mm_set1_epi8(char(0x20 ^ 0x80));
    const __m128i lead = _mm_set1_epi8(char(0xED));
    for (; n - i >= 16; i += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p + i));
        const __m128i suspects = _mm_or_si128(_mm_cmplt_epi8(_mm_xor_si128(block, flip), control),
                                              _mm_cmpeq_epi8(block, lead));
        if (_mm_movemask_epi8(suspects) != 0)
            break; // looked at byte by byte below
    }
#endif
    for (; i < n; ++i) {
        if (p[i] < 0x20 || (p[i] == 0xED && i + 1 < n && p[i + 1] >= 0xA0))
            return true;
    }
    return false;
}

// murmur3's finalizer: the slot of a value must not follow the value's own order, or lists of
// similar colors would crowd into one corner of the table.
quint32 mix(quint32 h)
{
    h ^= h >> 16;
    h *= 0x85EBCA6Bu;
    h ^= h >> 13;
    h *= 0xC2B2AE35u;
    h ^= h >> 16;
    return h;
}

// Folded ASCII bytes: needle letters are lower case; a letter matches either case of itself.
bool foldedEqual(unsigned char haystack, unsigned char needle)
{
    return needle >= 'a' && needle <= 'z' ? (haystack | 0x20) == needle : haystack == needle;
}

bool matchesAt(const char *at, const QByteArray &needle)
{
    for (qsizetype i = 0; i < needle.size(); ++i) {
        if (!foldedEqual(uchar(at[i]), uchar(needle[i])))
            return false;
    }
    return true;
}

// The first place in [from, end) where the folded ASCII needle matches, or nullptr. Sixteen
// places are tried at once by comparing the needle's first and last byte, so that searching
// the names of a million entries takes a few milliseconds.
const char *findFolded(const char *from, const char *end, const QByteArray &needle)
{
    const qsizetype m = needle.size();
    if (m == 0 || end - from < m)
        return nullptr;
    const auto first = uchar(needle[0]);
    const auto last = uchar(needle[m - 1]);
    const char *p = from;
#if defined(__SSE2__)
    const bool firstLetter = first >= 'a' && first <= 'z';
    const bool lastLetter = last >= 'a' && last <= 'z';
    const __m128i firstVector = _mm_set1_epi8(char(first));
    const __m128i lastVector = _mm_set1_epi8(char(last));
    const __m128i firstFold = _mm_set1_epi8(firstLetter ? 0x20 : 0);
    const __m128i lastFold = _mm_set1_epi8(lastLetter ? 0x20 : 0);
    while (end - p >= m + 15) {
        const __m128i a =
                _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i *>(p)), firstFold);
        const __m128i b = _mm_or_si128(
                _mm_loadu_si128(reinterpret_cast<const __m128i *>(p + m - 1)), lastFold);
        auto mask = unsigned(_mm_movemask_epi8(
                _mm_and_si128(_mm_cmpeq_epi8(a, firstVector), _mm_cmpeq_epi8(b, lastVector))));
        while (mask) {
            const char *candidate = p + std::countr_zero(mask);
            if (matchesAt(candidate, needle))
                return candidate;
            mask &= mask - 1;
        }
        p += 16;
    }
#endif
    for (; end - p >= m; ++p) {
        if (foldedEqual(uchar(*p), first) && matchesAt(p, needle))
            return p;
    }
    return nullptr;
}

} // namespace

struct ColorList::Chunk
{
    std::vector<char> bytes;    // the names, one after the other, in slot order
    std::vector<quint32> ends;  // where each slot's name ends in bytes
    std::vector<quint32> codes; // each slot's value code; kDead once removed
    std::vector<quint64> dead;  // a bit for each removed slot; empty while none is
    qsizetype used = 0;         // slots taken, live or removed
    qsizetype live = 0;         // slots that hold an entry
    bool nonAscii = false;      // some name may hold characters beyond ASCII
    bool controlOrSurrogate = false;

    qsizetype begin(qsizetype slot) const { return slot == 0 ? 0 : ends[size_t(slot - 1)]; }
    bool isDead(qsizetype slot) const
    {
        return !dead.empty() && ((dead[size_t(slot >> 6)] >> (slot & 63)) & 1);
    }
    // How many live slots come before slot.
    qsizetype rank(qsizetype slot) const
    {
        if (dead.empty())
            return slot;
        qsizetype removed = 0;
        for (qsizetype w = 0; w < (slot >> 6); ++w)
            removed += bitCount(dead[size_t(w)]);
        if (slot & 63)
            removed += bitCount(dead[size_t(slot >> 6)] & ((quint64(1) << (slot & 63)) - 1));
        return slot - removed;
    }
    // The slot of the live entry with the given rank.
    qsizetype select(qsizetype rank) const
    {
        if (dead.empty())
            return rank;
        for (qsizetype w = 0; w * 64 < used; ++w) {
            const qsizetype bits = qMin<qsizetype>(64, used - w * 64);
            const qsizetype liveHere = bits - bitCount(dead[size_t(w)]);
            if (rank >= liveHere) {
                rank -= liveHere;
                continue;
            }
            for (qsizetype b = 0;; ++b) {
                if (!((dead[size_t(w)] >> b) & 1) && rank-- == 0)
                    return w * 64 + b;
            }
        }
        Q_UNREACHABLE();
    }
    void updateFlags(QByteArrayView name)
    {
        nonAscii = nonAscii || !Utf8::isAscii(name);
        controlOrSurrogate = controlOrSurrogate || hasControlOrSurrogate(name);
    }
};

// From value to entries: for each key the last slot holding it and how many do. Canonical
// values (letter case aside) sit in an open-addressing table of eight bytes a key; other texts,
// which real lists hardly have, in a hash by their upper-case text.
class ColorList::ValueIndex
{
public:
    struct Holders
    {
        quint32 last = 0;
        quint32 count = 0;
    };

    void clear()
    {
        m_slots.clear();
        m_slots.shrink_to_fit();
        m_used = 0;
        m_manyCounts.clear();
        m_odd.clear();
    }

    void reserve(qsizetype keys) { rehash(qMax<qsizetype>(16, keys + keys / 3 + 1)); }

    // Adds holders in increasing slot order, as rebuilding the index does: the table is larger
    // than the caches, so the slots of a batch are fetched together before any is probed.
    void addAll(const quint32 *codes, qsizetype count, quint32 firstSeq)
    {
        if ((m_used + count) * 4 > qsizetype(m_slots.size()) * 3)
            rehash(qMax<qsizetype>(16, (m_used + count) * 4 / 3 + 1));
        // The slots of the next batch are fetched while this batch is put in.
        constexpr qsizetype kBatch = 16;
        size_t homes[2][kBatch];
        const auto fetch = [&](qsizetype start, size_t *into) {
            for (qsizetype i = 0; i < kBatch && start + i < count; ++i) {
                into[i] = home(codes[start + i] & kValueMask);
                __builtin_prefetch(&m_slots[into[i]], 1);
            }
        };
        fetch(0, homes[0]);
        for (qsizetype start = 0, batch = 0; start < count; start += kBatch, batch ^= 1) {
            fetch(start + kBatch, homes[batch ^ 1]);
            for (qsizetype i = 0; i < kBatch && start + i < count; ++i) {
                const quint32 code = codes[start + i];
                if (isCanonical(code))
                    addAt(homes[batch][i], code & kValueMask, firstSeq + quint32(start + i));
            }
        }
    }

    Holders find(quint32 value) const
    {
        const qsizetype i = slotOf(value);
        return i < 0 ? Holders {} : Holders {m_slots[size_t(i)].last, countAt(i)};
    }

    void add(quint32 value, quint32 seq)
    {
        if ((m_used + 1) * 4 > qsizetype(m_slots.size()) * 3)
            rehash(qMax<qsizetype>(16, qsizetype(m_slots.size()) * 2));
        addAt(home(value), value, seq);
    }

    void addAt(size_t i, quint32 value, quint32 seq)
    {
        while (m_slots[i].keyCount != 0) {
            if ((m_slots[i].keyCount & kValueMask) == value) {
                setCount(i, countAt(qsizetype(i)) + 1);
                m_slots[i].last = std::max(m_slots[i].last, seq);
                return;
            }
            i = next(i);
        }
        m_slots[i] = Slot {value | (1u << 24), seq};
        ++m_used;
    }

    // One holder less; returns how many are left.
    quint32 remove(quint32 value)
    {
        const qsizetype found = slotOf(value);
        Q_ASSERT(found >= 0);
        const quint32 left = countAt(found) - 1;
        if (left > 0) {
            setCount(size_t(found), left);
            return left;
        }
        erase(size_t(found));
        return 0;
    }

    void setLast(quint32 value, quint32 seq) { m_slots[size_t(slotOf(value))].last = seq; }

    Holders findOdd(const QString &key) const { return m_odd.value(key); }

    void addOdd(const QString &key, quint32 seq)
    {
        Holders &holders = m_odd[key];
        holders.last = holders.count == 0 ? seq : std::max(holders.last, seq);
        ++holders.count;
    }

    quint32 removeOdd(const QString &key)
    {
        auto it = m_odd.find(key);
        Q_ASSERT(it != m_odd.end());
        if (--it->count == 0) {
            m_odd.erase(it);
            return 0;
        }
        return it->count;
    }

    void setLastOdd(const QString &key, quint32 seq) { m_odd[key].last = seq; }

private:
    // keyCount: the value in the low 24 bits and the count above them, 255 meaning "see
    // m_manyCounts"; zero marks a free slot.
    struct Slot
    {
        quint32 keyCount = 0;
        quint32 last = 0;
    };

    size_t home(quint32 value) const
    {
        return size_t((quint64(mix(value)) * m_slots.size()) >> 32);
    }
    size_t next(size_t i) const { return i + 1 == m_slots.size() ? 0 : i + 1; }

    qsizetype slotOf(quint32 value) const
    {
        if (m_slots.empty())
            return -1;
        for (size_t i = home(value); m_slots[i].keyCount != 0; i = next(i)) {
            if ((m_slots[i].keyCount & kValueMask) == value)
                return qsizetype(i);
        }
        return -1;
    }

    quint32 countAt(qsizetype i) const
    {
        const quint32 inline_ = m_slots[size_t(i)].keyCount >> 24;
        return inline_ < 255 ? inline_
                             : m_manyCounts.value(m_slots[size_t(i)].keyCount & kValueMask);
    }

    void setCount(size_t i, quint32 count)
    {
        const quint32 key = m_slots[i].keyCount & kValueMask;
        if (count >= 255)
            m_manyCounts.insert(key, count);
        else
            m_manyCounts.remove(key);
        m_slots[i].keyCount = key | (qMin<quint32>(count, 255) << 24);
    }

    // Linear probing without tombstones: later keys of the run move back into the gap.
    void erase(size_t gap)
    {
        m_manyCounts.remove(m_slots[gap].keyCount & kValueMask);
        m_slots[gap] = Slot {};
        --m_used;
        for (size_t j = next(gap); m_slots[j].keyCount != 0; j = next(j)) {
            const size_t k = home(m_slots[j].keyCount & kValueMask);
            // Whether k, the key's home, lies cyclically in (gap, j]: then it stays.
            const bool stays = gap <= j ? (gap < k && k <= j) : (gap < k || k <= j);
            if (!stays) {
                m_slots[gap] = m_slots[j];
                m_slots[j] = Slot {};
                gap = j;
            }
        }
    }

    void rehash(qsizetype capacity)
    {
        std::vector<Slot> old = std::move(m_slots);
        m_slots.assign(size_t(capacity), Slot {});
        for (const Slot &slot : old) {
            if (slot.keyCount == 0)
                continue;
            size_t i = home(slot.keyCount & kValueMask);
            while (m_slots[i].keyCount != 0)
                i = next(i);
            m_slots[i] = slot;
        }
    }

    std::vector<Slot> m_slots;
    qsizetype m_used = 0;
    QHash<quint32, quint32> m_manyCounts;
    QHash<QString, Holders> m_odd;
};

ColorList::ColorList() : m_index(std::make_unique<ValueIndex>()) { }

ColorList::~ColorList() = default;

ColorList::ColorList(const ColorList &other)
    : blankName(other.blankName),
      blankHex(other.blankHex),
      m_chunks(other.m_chunks),
      m_rowStart(other.m_rowStart),
      m_count(other.m_count),
      m_oddText(other.m_oddText),
      m_oddTextMayHoldControlOrSurrogate(other.m_oddTextMayHoldControlOrSurrogate),
      m_index(std::make_unique<ValueIndex>(*other.m_index))
{ }

ColorList::ColorList(ColorList &&other) noexcept : m_index(std::make_unique<ValueIndex>())
{
    *this = std::move(other);
}

ColorList &ColorList::operator=(const ColorList &other)
{
    if (this != &other)
        *this = ColorList(other);
    return *this;
}

ColorList &ColorList::operator=(ColorList &&other) noexcept
{
    // The moved-from list is left empty but whole.
    std::swap(blankName, other.blankName);
    std::swap(blankHex, other.blankHex);
    std::swap(m_chunks, other.m_chunks);
    std::swap(m_rowStart, other.m_rowStart);
    std::swap(m_count, other.m_count);
    std::swap(m_oddText, other.m_oddText);
    std::swap(m_oddTextMayHoldControlOrSurrogate, other.m_oddTextMayHoldControlOrSurrogate);
    std::swap(m_index, other.m_index);
    return *this;
}

ColorList::Place ColorList::placeOf(qsizetype row) const
{
    if (row < 0 || row >= m_count)
        throw std::out_of_range("ColorList: no such row");
    const auto it = std::upper_bound(m_rowStart.begin(), m_rowStart.end(), row);
    const qsizetype chunk = (it - m_rowStart.begin()) - 1;
    return Place {chunk, m_chunks[size_t(chunk)].select(row - m_rowStart[size_t(chunk)])};
}

qsizetype ColorList::rowOf(quint32 seq) const
{
    const auto chunk = qsizetype(seq >> kSlotBits);
    return m_rowStart[size_t(chunk)] + m_chunks[size_t(chunk)].rank(seq & (kSlots - 1));
}

QByteArrayView ColorList::nameBytes(const Chunk &chunk, qsizetype slot) const
{
    const qsizetype begin = chunk.begin(slot);
    return {chunk.bytes.data() + begin, chunk.ends[size_t(slot)] - begin};
}

QString ColorList::name(qsizetype row) const
{
    const Place p = placeOf(row);
    return Utf8::decode(nameBytes(m_chunks[size_t(p.chunk)], p.slot));
}

QString ColorList::shownName(qsizetype row, qsizetype maxLength) const
{
    const Place p = placeOf(row);
    return Utf8::decodeElided(nameBytes(m_chunks[size_t(p.chunk)], p.slot), maxLength);
}

qsizetype ColorList::nameLength(qsizetype row) const
{
    const Place p = placeOf(row);
    return Utf8::utf16Length(nameBytes(m_chunks[size_t(p.chunk)], p.slot));
}

QString ColorList::hexOf(quint32 seq, quint32 code) const
{
    if (isCanonical(code)) {
        char text[7];
        formatCanonical(code, text);
        return QString::fromLatin1(text, 7);
    }
    return code == kEmpty ? QString() : m_oddText.value(seq);
}

QString ColorList::hex(qsizetype row) const
{
    const Place p = placeOf(row);
    return hexOf(seqOf(p.chunk, p.slot), m_chunks[size_t(p.chunk)].codes[size_t(p.slot)]);
}

std::optional<Color::ColorValue> ColorList::color(qsizetype row) const
{
    const Place p = placeOf(row);
    const quint32 code = m_chunks[size_t(p.chunk)].codes[size_t(p.slot)];
    if (!isCanonical(code))
        return std::nullopt;
    const quint32 rgb = code & kValueMask; // red first, as the text has it
    return Color::pack(int(rgb >> 16), int((rgb >> 8) & 255), int(rgb & 255));
}

quint32 ColorList::encodeHex(quint32 seq, const QString &hex)
{
    if (hex.isEmpty())
        return kEmpty;
    quint32 code = 0;
    if (parseCanonical(reinterpret_cast<const char16_t *>(hex.constData()), hex.size(), &code))
        return code;
    m_oddText.insert(seq, hex);
    noteOddText(hex);
    return kOdd;
}

quint32 ColorList::encodeHexUtf8(quint32 seq, QByteArrayView hex)
{
    if (hex.isEmpty())
        return kEmpty;
    quint32 code = 0;
    if (parseCanonical(reinterpret_cast<const unsigned char *>(hex.data()), hex.size(), &code))
        return code;
    m_oddText.insert(seq, Utf8::decode(hex));
    m_oddTextMayHoldControlOrSurrogate =
            m_oddTextMayHoldControlOrSurrogate || hasControlOrSurrogate(hex);
    return kOdd;
}

void ColorList::noteOddText(QStringView text)
{
    for (qsizetype i = 0; i < text.size() && !m_oddTextMayHoldControlOrSurrogate; ++i)
        m_oddTextMayHoldControlOrSurrogate = text[i].unicode() < 0x20 || text[i].isSurrogate();
}

bool ColorList::sameKey(quint32 seqA, quint32 codeA, quint32 seqB, quint32 codeB) const
{
    // A text of "#" and six hex digits is always canonical, so no odd text equals a value.
    if (isCanonical(codeA) || isCanonical(codeB))
        return isCanonical(codeA) && isCanonical(codeB)
                && (codeA & kValueMask) == (codeB & kValueMask);
    if (codeA != kOdd || codeB != kOdd)
        return codeA == codeB && codeA == kEmpty;
    const QString a = m_oddText.value(seqA), b = m_oddText.value(seqB);
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (asciiUpper(a[i].unicode()) != asciiUpper(b[i].unicode()))
            return false;
    }
    return true;
}

void ColorList::indexAdd(quint32 seq, quint32 code)
{
    if (isCanonical(code))
        m_index->add(code & kValueMask, seq);
    else
        m_index->addOdd(code == kEmpty ? QString() : asciiUpper(m_oddText.value(seq)), seq);
}

qsizetype ColorList::previousWithKey(quint32 seq, quint32 code) const
{
    auto chunk = qsizetype(seq >> kSlotBits);
    auto slot = qsizetype(seq & (kSlots - 1));
    const quint32 value = code & kValueMask;
    for (; chunk >= 0; --chunk, slot = kSlots) {
        const Chunk &c = m_chunks[size_t(chunk)];
        if (c.live == 0)
            continue;
        const quint32 *codes = c.codes.data();
        for (qsizetype s = qMin(slot, c.used) - 1; s >= 0; --s) {
            // Removed slots hold kDead, which no canonical value equals.
            if (isCanonical(code) ? (isCanonical(codes[s]) && (codes[s] & kValueMask) == value)
                                  : sameKey(seqOf(chunk, s), codes[s], seq, code))
                return qsizetype(seqOf(chunk, s));
        }
    }
    return -1;
}

void ColorList::indexRemove(quint32 seq, quint32 code)
{
    if (isCanonical(code)) {
        const quint32 value = code & kValueMask;
        if (m_index->remove(value) > 0 && m_index->find(value).last == seq)
            m_index->setLast(value, quint32(previousWithKey(seq, code)));
        return;
    }
    const QString key = code == kEmpty ? QString() : asciiUpper(m_oddText.value(seq));
    if (m_index->removeOdd(key) > 0 && m_index->findOdd(key).last == seq)
        m_index->setLastOdd(key, quint32(previousWithKey(seq, code)));
}

ColorList::Chunk &ColorList::chunkForAppend()
{
    if (m_chunks.empty() || m_chunks.back().used == kSlots) {
        m_chunks.emplace_back();
        m_rowStart.push_back(m_count);
    }
    return m_chunks.back();
}

void ColorList::append(const QString &name, const QString &hex)
{
    Chunk &chunk = chunkForAppend();
    const qsizetype slot = chunk.used;
    const quint32 seq = seqOf(qsizetype(m_chunks.size()) - 1, slot);
    const size_t oldSize = chunk.bytes.size();
    chunk.bytes.resize(oldSize + size_t(Utf8::encodedSize(name)));
    Utf8::encode(name, chunk.bytes.data() + oldSize);
    chunk.updateFlags(
            QByteArrayView(chunk.bytes.data() + oldSize, qsizetype(chunk.bytes.size() - oldSize)));
    chunk.ends.push_back(quint32(chunk.bytes.size()));
    chunk.codes.push_back(encodeHex(seq, hex));
    ++chunk.used;
    ++chunk.live;
    ++m_count;
    indexAdd(seq, chunk.codes.back());
}

void ColorList::setNameBytes(Chunk &chunk, qsizetype slot, QByteArrayView bytes)
{
    const qsizetype begin = chunk.begin(slot);
    const qsizetype oldLength = chunk.ends[size_t(slot)] - begin;
    const qsizetype delta = bytes.size() - oldLength;
    if (delta > 0)
        chunk.bytes.insert(chunk.bytes.begin() + begin + oldLength, size_t(delta), '\0');
    else if (delta < 0)
        chunk.bytes.erase(chunk.bytes.begin() + begin + bytes.size(),
                          chunk.bytes.begin() + begin + oldLength);
    if (!bytes.isEmpty())
        std::memcpy(chunk.bytes.data() + begin, bytes.data(), size_t(bytes.size()));
    if (delta != 0) {
        for (qsizetype s = slot; s < chunk.used; ++s)
            chunk.ends[size_t(s)] = quint32(qsizetype(chunk.ends[size_t(s)]) + delta);
    }
    chunk.updateFlags(bytes);
}

void ColorList::remove(qsizetype row)
{
    const Place p = placeOf(row);
    Chunk &chunk = m_chunks[size_t(p.chunk)];
    const quint32 seq = seqOf(p.chunk, p.slot);
    const quint32 code = chunk.codes[size_t(p.slot)];
    indexRemove(seq, code);
    if (code == kOdd)
        m_oddText.remove(seq);
    setNameBytes(chunk, p.slot, {});
    chunk.codes[size_t(p.slot)] = kDead;
    if (chunk.dead.empty())
        chunk.dead.assign(kDeadWords, 0);
    chunk.dead[size_t(p.slot >> 6)] |= quint64(1) << (p.slot & 63);
    --chunk.live;
    --m_count;
    for (size_t k = size_t(p.chunk) + 1; k < m_rowStart.size(); ++k)
        --m_rowStart[k];
    if (chunk.live == 0 && chunk.used == kSlots) {
        // Nothing in it will be read again; only its place among the chunks stays.
        chunk = Chunk {};
        chunk.used = kSlots;
    }
    packIfSparse();
}

void ColorList::setName(qsizetype row, const QString &name)
{
    const Place p = placeOf(row);
    QByteArray bytes(Utf8::encodedSize(name), Qt::Uninitialized);
    Utf8::encode(name, bytes.data());
    setNameBytes(m_chunks[size_t(p.chunk)], p.slot, bytes);
}

void ColorList::setHex(qsizetype row, const QString &hex)
{
    const Place p = placeOf(row);
    quint32 &code = m_chunks[size_t(p.chunk)].codes[size_t(p.slot)];
    const quint32 seq = seqOf(p.chunk, p.slot);
    indexRemove(seq, code);
    if (code == kOdd)
        m_oddText.remove(seq);
    code = encodeHex(seq, hex);
    indexAdd(seq, code);
}

void ColorList::clear()
{
    m_chunks.clear();
    m_chunks.shrink_to_fit();
    m_rowStart.clear();
    m_rowStart.shrink_to_fit();
    m_count = 0;
    m_oddText.clear();
    m_oddTextMayHoldControlOrSurrogate = false;
    m_index->clear();
}

void ColorList::assign(const QStringList &names, const QStringList &hexes)
{
    clear();
    m_index->reserve(names.size());
    for (qsizetype i = 0; i < names.size(); ++i)
        append(names.at(i), hexes.value(i));
}

void ColorList::assignUtf8(const LineSource &names, const LineSource &hexes)
{
    clear();
    // A chunk's names are gathered first, so that its buffer is allocated once at its size.
    std::vector<QByteArrayView> lines;
    lines.reserve(size_t(kSlots));
    QByteArrayView line;
    for (bool more = true; more;) {
        lines.clear();
        size_t bytes = 0;
        while (qsizetype(lines.size()) < kSlots && (more = names(line))) {
            lines.push_back(line);
            bytes += size_t(line.size());
        }
        if (lines.empty())
            break;
        Chunk &chunk = m_chunks.emplace_back();
        m_rowStart.push_back(m_count);
        chunk.bytes.resize(bytes);
        chunk.ends.resize(lines.size());
        chunk.codes.assign(lines.size(), kEmpty);
        char *out = chunk.bytes.data();
        for (size_t i = 0; i < lines.size(); ++i) {
            if (!lines[i].isEmpty())
                std::memcpy(out, lines[i].data(), size_t(lines[i].size()));
            out += lines[i].size();
            chunk.ends[i] = quint32(out - chunk.bytes.data());
        }
        chunk.updateFlags(QByteArrayView(chunk.bytes.data(), qsizetype(bytes)));
        chunk.used = chunk.live = qsizetype(lines.size());
        m_count += chunk.used;
    }
    // The slots are dense: row and slot number are one.
    for (qsizetype row = 0; row < m_count && hexes(line); ++row) {
        m_chunks[size_t(row >> kSlotBits)].codes[size_t(row & (kSlots - 1))] =
                encodeHexUtf8(quint32(row), line);
    }
    rebuildIndex();
}

void ColorList::rebuildIndex()
{
    m_index->clear();
    m_index->reserve(m_count);
    for (size_t k = 0; k < m_chunks.size(); ++k) {
        const Chunk &chunk = m_chunks[k];
        if (chunk.live == 0)
            continue;
        m_index->addAll(chunk.codes.data(), chunk.used, seqOf(qsizetype(k), 0));
        for (qsizetype s = 0; s < chunk.used; ++s) {
            if (!isCanonical(chunk.codes[size_t(s)]) && chunk.codes[size_t(s)] != kDead)
                indexAdd(seqOf(qsizetype(k), s), chunk.codes[size_t(s)]);
        }
    }
}

void ColorList::packIfSparse()
{
    const qsizetype taken = qsizetype(m_chunks.size()) * kSlots;
    if (taken <= 2 * m_count + 2 * kSlots)
        return;
    // Half the slots are empty: pack the entries into new chunks, numbered anew.
    std::vector<Chunk> old = std::move(m_chunks);
    QHash<quint32, QString> oldOdd = std::move(m_oddText);
    m_chunks.clear();
    m_rowStart.clear();
    m_oddText.clear();
    const qsizetype count = m_count;
    m_count = 0;
    for (size_t k = 0; k < old.size(); ++k) {
        const Chunk &from = old[k];
        for (qsizetype s = 0; s < from.used && from.live > 0; ++s) {
            if (from.isDead(s))
                continue;
            Chunk &to = chunkForAppend();
            const QByteArrayView name = nameBytes(from, s);
            to.bytes.insert(to.bytes.end(), name.begin(), name.end());
            to.updateFlags(name);
            to.ends.push_back(quint32(to.bytes.size()));
            const quint32 code = from.codes[size_t(s)];
            if (code == kOdd)
                m_oddText.insert(seqOf(qsizetype(m_chunks.size()) - 1, to.used),
                                 oldOdd.value(seqOf(qsizetype(k), s)));
            to.codes.push_back(code);
            ++to.used;
            ++to.live;
            ++m_count;
        }
    }
    Q_ASSERT(m_count == count);
    rebuildIndex();
}

QStringList ColorList::names() const
{
    QStringList result;
    result.reserve(m_count);
    forEachNameUtf8([&result](QByteArrayView name) { result.append(Utf8::decode(name)); });
    return result;
}

QStringList ColorList::hexes() const
{
    QStringList result;
    result.reserve(m_count);
    for (size_t k = 0; k < m_chunks.size(); ++k) {
        const Chunk &chunk = m_chunks[k];
        for (qsizetype s = 0; s < chunk.used && chunk.live > 0; ++s) {
            if (chunk.codes[size_t(s)] != kDead)
                result.append(hexOf(seqOf(qsizetype(k), s), chunk.codes[size_t(s)]));
        }
    }
    return result;
}

void ColorList::forEachNameUtf8(const LineSink &sink) const
{
    for (const Chunk &chunk : m_chunks) {
        for (qsizetype s = 0; s < chunk.used && chunk.live > 0; ++s) {
            if (!chunk.isDead(s))
                sink(nameBytes(chunk, s));
        }
    }
}

void ColorList::forEachHexUtf8(const LineSink &sink) const
{
    char text[7];
    for (size_t k = 0; k < m_chunks.size(); ++k) {
        const Chunk &chunk = m_chunks[k];
        for (qsizetype s = 0; s < chunk.used && chunk.live > 0; ++s) {
            const quint32 code = chunk.codes[size_t(s)];
            if (isCanonical(code)) {
                formatCanonical(code, text);
                sink(QByteArrayView(text, 7));
            } else if (code == kEmpty) {
                sink(QByteArrayView());
            } else if (code == kOdd) {
                const QString odd = m_oddText.value(seqOf(qsizetype(k), s));
                QByteArray bytes(Utf8::encodedSize(odd), Qt::Uninitialized);
                Utf8::encode(odd, bytes.data());
                sink(bytes);
            }
        }
    }
}

bool ColorList::mayHoldControlOrSurrogate() const
{
    return m_oddTextMayHoldControlOrSurrogate
            || std::any_of(m_chunks.begin(), m_chunks.end(),
                           [](const Chunk &chunk) { return chunk.controlOrSurrogate; });
}

qsizetype ColorList::lastRowWithHex(const QString &hexText) const
{
    quint32 code = 0;
    if (parseCanonical(reinterpret_cast<const char16_t *>(hexText.constData()), hexText.size(),
                       &code)) {
        const ValueIndex::Holders holders = m_index->find(code & kValueMask);
        return holders.count == 0 ? -1 : rowOf(holders.last);
    }
    const ValueIndex::Holders holders = m_index->findOdd(asciiUpper(hexText));
    return holders.count == 0 ? -1 : rowOf(holders.last);
}

qsizetype ColorList::firstRowWithName(const QString &name) const
{
    QByteArray wanted(Utf8::encodedSize(name), Qt::Uninitialized);
    Utf8::encode(name, wanted.data());
    qsizetype row = 0;
    for (const Chunk &chunk : m_chunks) {
        for (qsizetype s = 0; s < chunk.used && chunk.live > 0; ++s) {
            if (chunk.isDead(s))
                continue;
            if (nameBytes(chunk, s) == QByteArrayView(wanted))
                return row;
            ++row;
        }
    }
    return -1;
}

namespace {

// The slot whose name holds byte position pos of the chunk's buffer.
qsizetype slotAtByte(const std::vector<quint32> &ends, qsizetype used, qsizetype pos)
{
    return std::upper_bound(ends.begin(), ends.begin() + used, quint32(pos)) - ends.begin();
}

} // namespace

qsizetype ColorList::findNext(const ListFind::Query &query, qsizetype from) const
{
    if (query.isEmpty() || m_count == 0)
        return -1;
    from = (from < 0 || from >= m_count) ? 0 : from;
    const QByteArray &needle = query.asciiFolded;

    // The first slot at or after slot first of the chunk whose name matches; -1 if none.
    const auto nameMatch = [&](qsizetype k, qsizetype first) -> qsizetype {
        const Chunk &chunk = m_chunks[size_t(k)];
        if (!query.ascii) {
            // Folded, the text has characters beyond ASCII, which no ASCII name holds.
            if (!chunk.nonAscii)
                return -1;
            for (qsizetype s = first; s < chunk.used; ++s) {
                const QByteArrayView name = nameBytes(chunk, s);
                if (!Utf8::isAscii(name) && ListFind::nameMatches(query, Utf8::decode(name)))
                    return s;
            }
            return -1;
        }
        const char *const bytes = chunk.bytes.data();
        const char *const end = bytes + chunk.begin(chunk.used);
        qsizetype found = -1;
        for (const char *p = bytes + chunk.begin(first); (p = findFolded(p, end, needle)); ++p) {
            const qsizetype s = slotAtByte(chunk.ends, chunk.used, p - bytes);
            if (p + needle.size() <= bytes + chunk.ends[size_t(s)]) {
                found = s;
                break;
            }
        }
        if (!chunk.nonAscii || !query.foldsFromBeyondAscii)
            return found;
        // A long s or a Kelvin sign matches 's' or 'k' without looking like it: names that
        // hold one, before the match found, are compared as text.
        for (const char *sign : {"\xC5\xBF", "\xE2\x84\xAA"}) {
            const char *p = bytes + chunk.begin(first);
            const char *const stop = bytes + chunk.begin(found < 0 ? chunk.used : found);
            while (p < stop) {
                const qsizetype at = QByteArrayView(p, stop - p).indexOf(QByteArrayView(sign));
                if (at < 0)
                    break;
                const qsizetype s = slotAtByte(chunk.ends, chunk.used, (p - bytes) + at);
                if (ListFind::nameMatches(query, Utf8::decode(nameBytes(chunk, s)))) {
                    found = s; // the other sign is looked for before this one only
                    break;
                }
                p = bytes + chunk.ends[size_t(s)];
            }
        }
        return found;
    };
    // The first slot in [first, stop) whose value matches; -1 if none.
    const auto valueMatch = [&](qsizetype k, qsizetype first, qsizetype stop) -> qsizetype {
        if (query.hexDigits == 0)
            return -1;
        const Chunk &chunk = m_chunks[size_t(k)];
        const int shift = 4 * (6 - query.hexDigits);
        for (qsizetype s = first; s < stop; ++s) {
            const quint32 code = chunk.codes[size_t(s)];
            const bool matches = isCanonical(code)
                    ? ((code & kValueMask) >> shift) == query.hexPrefix
                    : (code == kOdd && ListFind::valueMatches(query, m_oddText.value(seqOf(k, s))));
            if (matches)
                return s;
        }
        return -1;
    };
    // The first matching row in [begin, end); -1 if none.
    const auto search = [&](qsizetype begin, qsizetype end) -> qsizetype {
        if (begin >= end)
            return -1;
        const Place start = placeOf(begin);
        for (qsizetype k = start.chunk; k < qsizetype(m_chunks.size()); ++k) {
            if (m_rowStart[size_t(k)] >= end)
                break;
            const Chunk &chunk = m_chunks[size_t(k)];
            if (chunk.live == 0)
                continue;
            const qsizetype first = k == start.chunk ? start.slot : 0;
            qsizetype slot = nameMatch(k, first);
            const qsizetype byValue = valueMatch(k, first, slot < 0 ? chunk.used : slot);
            if (byValue >= 0)
                slot = byValue;
            if (slot < 0)
                continue;
            const qsizetype row = m_rowStart[size_t(k)] + chunk.rank(slot);
            return row < end ? row : -1;
        }
        return -1;
    };
    const qsizetype row = search(from, m_count);
    return row >= 0 ? row : search(0, from);
}

} // namespace Tintora
