// SPDX-License-Identifier: GPL-3.0-or-later
#include "lists/colorlist.h"

#include "core/convert.h"

#include <algorithm>
#include <limits>

namespace Tintora {

namespace {

// "#" and six hex digits; uppercaseOnly rejects lowercase digits.
bool parseCanonical(const QString &text, bool uppercaseOnly, quint32 *value)
{
    if (text.size() != 7 || text.at(0) != u'#')
        return false;
    quint32 v = 0;
    for (int i = 1; i < 7; ++i) {
        const char16_t u = text.at(i).unicode();
        if (uppercaseOnly && u >= u'a' && u <= u'f')
            return false;
        const int d = Convert::hexDigitValue(QChar(u));
        if (d < 0)
            return false;
        v = (v << 4) | quint32(d);
    }
    *value = v;
    return true;
}

QString asciiUpper(const QString &text)
{
    QString upper = text;
    for (QChar &c : upper) {
        if (c.unicode() >= u'a' && c.unicode() <= u'z')
            c = QChar(c.unicode() - 32);
    }
    return upper;
}

QString canonicalText(quint32 value)
{
    static const char digits[] = "0123456789ABCDEF";
    QChar text[7] = {u'#'};
    for (int i = 6; i >= 1; --i, value >>= 4)
        text[i] = QLatin1Char(digits[value & 15]);
    return QString(text, 7);
}

} // namespace

QString ColorList::hex(qsizetype row) const
{
    const Entry &e = m_entries.at(size_t(row));
    return (e.code & OddText) ? m_oddText.value(e.id) : canonicalText(e.code);
}

quint32 ColorList::encode(quint32 id, const QString &hex)
{
    quint32 value = 0;
    if (parseCanonical(hex, true, &value))
        return value;
    m_oddText.insert(id, hex);
    return OddText;
}

ColorList::Key ColorList::keyOfText(const QString &text)
{
    Key key;
    if (parseCanonical(text, false, &key.value))
        return key;
    key.odd = true;
    key.text = asciiUpper(text);
    return key;
}

ColorList::Key ColorList::keyOf(const Entry &entry) const
{
    if (!(entry.code & OddText)) {
        Key key;
        key.value = entry.code;
        return key;
    }
    return keyOfText(m_oddText.value(entry.id));
}

ColorList::Slot *ColorList::slotFor(const Key &key)
{
    if (key.odd) {
        auto it = m_oddIndex.find(key.text);
        return it == m_oddIndex.end() ? nullptr : &it.value();
    }
    auto it = m_index.find(key.value);
    return it == m_index.end() ? nullptr : &it.value();
}

void ColorList::indexAdd(const Entry &entry)
{
    const Key key = keyOf(entry);
    if (Slot *slot = slotFor(key)) {
        slot->lastId = std::max(slot->lastId, entry.id);
        ++slot->count;
    } else if (key.odd) {
        m_oddIndex.insert(key.text, Slot {entry.id, 1});
    } else {
        m_index.insert(key.value, Slot {entry.id, 1});
    }
}

void ColorList::indexRemove(qsizetype row)
{
    const Entry &entry = m_entries.at(size_t(row));
    const Key key = keyOf(entry);
    Slot *slot = slotFor(key);
    Q_ASSERT(slot);
    if (--slot->count == 0) {
        if (key.odd)
            m_oddIndex.remove(key.text);
        else
            m_index.remove(key.value);
        return;
    }
    if (slot->lastId != entry.id)
        return;
    // Another entry holds the key: find the nearest one above this row.
    for (qsizetype r = row - 1; r >= 0; --r) {
        const Key other = keyOf(m_entries[size_t(r)]);
        const bool same = other.odd == key.odd
                && (key.odd ? other.text == key.text : other.value == key.value);
        if (same) {
            slot->lastId = m_entries[size_t(r)].id;
            return;
        }
    }
    Q_UNREACHABLE();
}

qsizetype ColorList::rowOfId(quint32 id) const
{
    auto it = std::lower_bound(m_entries.begin(), m_entries.end(), id,
                               [](const Entry &e, quint32 value) { return e.id < value; });
    return it == m_entries.end() || it->id != id ? -1 : qsizetype(it - m_entries.begin());
}

void ColorList::append(const QString &name, const QString &hex)
{
    if (m_nextId == std::numeric_limits<quint32>::max())
        renumber();
    const quint32 id = m_nextId++;
    m_entries.push_back(Entry {name, encode(id, hex), id});
    indexAdd(m_entries.back());
}

void ColorList::remove(qsizetype row)
{
    indexRemove(row);
    const Entry &entry = m_entries.at(size_t(row));
    if (entry.code & OddText)
        m_oddText.remove(entry.id);
    m_entries.erase(m_entries.begin() + row);
}

void ColorList::setHex(qsizetype row, const QString &hex)
{
    indexRemove(row);
    Entry &entry = m_entries.at(size_t(row));
    if (entry.code & OddText)
        m_oddText.remove(entry.id);
    entry.code = encode(entry.id, hex);
    indexAdd(entry);
}

void ColorList::assign(const QStringList &names, const QStringList &hexes)
{
    m_entries.clear();
    m_entries.shrink_to_fit();
    m_oddText.clear();
    m_index.clear();
    m_oddIndex.clear();
    m_index.reserve(names.size());
    m_nextId = 0;
    for (qsizetype i = 0; i < names.size(); ++i) {
        const quint32 id = m_nextId++;
        m_entries.push_back(Entry {names.at(i), encode(id, hexes.value(i)), id});
        indexAdd(m_entries.back());
    }
}

void ColorList::renumber()
{
    QHash<quint32, QString> oddText;
    m_index.clear();
    m_oddIndex.clear();
    m_nextId = 0;
    for (Entry &e : m_entries) {
        const quint32 id = m_nextId++;
        if (e.code & OddText)
            oddText.insert(id, m_oddText.value(e.id));
        e.id = id;
    }
    m_oddText = std::move(oddText);
    for (const Entry &e : m_entries)
        indexAdd(e);
}

QStringList ColorList::names() const
{
    QStringList result;
    result.reserve(count());
    for (const Entry &e : m_entries)
        result.append(e.name);
    return result;
}

QStringList ColorList::hexes() const
{
    QStringList result;
    result.reserve(count());
    for (qsizetype row = 0; row < count(); ++row)
        result.append(hex(row));
    return result;
}

qsizetype ColorList::lastRowWithHex(const QString &hexText) const
{
    const Key key = keyOfText(hexText);
    if (key.odd) {
        auto it = m_oddIndex.constFind(key.text);
        return it == m_oddIndex.cend() ? -1 : rowOfId(it->lastId);
    }
    auto it = m_index.constFind(key.value);
    return it == m_index.cend() ? -1 : rowOfId(it->lastId);
}

qsizetype ColorList::firstRowWithName(const QString &name) const
{
    for (size_t i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].name == name)
            return qsizetype(i);
    }
    return -1;
}

} // namespace Tintora
