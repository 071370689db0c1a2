// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <deque>

namespace Tintora {

// The named colors of a color list, in order, plus the cells of the blank row that ends the
// table. Hex cells hold whatever text the user or a file put there, but the common case of a
// canonical "#RRGGBB" costs four bytes, and an index from value to entry answers "which is the
// last entry with this hex text (any letter case)?" without scanning, through appends, removals,
// edits and loads. Lists of a million entries stay small and fast.
class ColorList
{
public:
    qsizetype count() const { return qsizetype(m_entries.size()); }

    QString name(qsizetype row) const { return m_entries.at(size_t(row)).name; }
    QString hex(qsizetype row) const;

    void append(const QString &name, const QString &hex);
    void remove(qsizetype row);
    void setName(qsizetype row, const QString &name) { m_entries.at(size_t(row)).name = name; }
    void setHex(qsizetype row, const QString &hex);
    // Replaces the whole list: names[i] with hexes[i] (an empty cell where hexes is short).
    void assign(const QStringList &names, const QStringList &hexes);

    QStringList names() const;
    QStringList hexes() const; // one per entry, without the blank row

    // The last entry whose hex cell equals the text, ignoring ASCII letter case; -1 if none.
    qsizetype lastRowWithHex(const QString &hexText) const;
    // The first entry with exactly this name; -1 if none.
    qsizetype firstRowWithName(const QString &name) const;

    // The blank row's cells: empty unless the user typed into them.
    QString blankName;
    QString blankHex;

private:
    // code: a canonical "#RRGGBB" stored as 0xRRGGBB, or OddText with the text in m_oddText.
    static constexpr quint32 OddText = 0x80000000u;
    struct Entry
    {
        QString name;
        quint32 code;
        quint32 id; // grows with the row, so comparing ids compares rows
    };
    struct Slot
    {
        quint32 lastId; // the last entry holding the key
        quint32 count;  // how many entries hold it
    };
    // A key for the case-blind match: a 24-bit value, or the uppercased text in m_oddIndex.
    struct Key
    {
        bool odd = false;
        quint32 value = 0;
        QString text;
    };

    quint32 encode(quint32 id, const QString &hex);
    Key keyOf(const Entry &entry) const;
    static Key keyOfText(const QString &text);
    Slot *slotFor(const Key &key);
    void indexAdd(const Entry &entry);
    void indexRemove(qsizetype row);
    qsizetype rowOfId(quint32 id) const;
    void renumber();

    // A deque, not a vector: deleting the first entry must not move all the others.
    std::deque<Entry> m_entries;
    QHash<quint32, QString> m_oddText; // by entry id
    QHash<quint32, Slot> m_index;
    QHash<QString, Slot> m_oddIndex;
    quint32 m_nextId = 0;
};

} // namespace Tintora
