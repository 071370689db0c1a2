// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color/color.h"

#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace Tintora {

namespace ListFind {
struct Query;
}

// The named colors of a color list, in order, plus the cells of the blank row that ends the
// table. A million entries take about a tenth of what a QString each would:
// - the entries live in chunks of 4096 slots; a chunk keeps its names as UTF-8 (Utf8::encode)
//   in one buffer with the end of each, and each value as a 32-bit code: a canonical "#RRGGBB"
//   (upper or lower case) is its packed value, anything else the user or a file put there is
//   kept aside as text;
// - a removed entry leaves its slot empty, so that an entry's slot number never changes while
//   it lives: the index from value to entry refers to slots and needs no update when rows move
//   up. The slots are packed again when half of them are empty;
// - the index answers "which is the last entry with this hex text (any letter case)?" without
//   scanning, through appends, removals, edits and loads.
class ColorList
{
public:
    ColorList();
    ~ColorList();
    ColorList(const ColorList &other);
    ColorList(ColorList &&other) noexcept;
    ColorList &operator=(const ColorList &other);
    ColorList &operator=(ColorList &&other) noexcept;

    qsizetype count() const { return m_count; }

    QString name(qsizetype row) const;
    QString hex(qsizetype row) const;
    // The entry's color when its value is "#RRGGBB" (either case), nothing for any other value;
    // read from what the list keeps, without making the text.
    std::optional<Color::ColorValue> color(qsizetype row) const;
    // The name as a view shows it: at most maxLength characters, a longer one cut short with an
    // ellipsis, decoded no further than that (a view shows a name of megabytes at once).
    QString shownName(qsizetype row, qsizetype maxLength) const;
    // The name's length in UTF-16 code units, without decoding it.
    qsizetype nameLength(qsizetype row) const;

    void append(const QString &name, const QString &hex);
    void remove(qsizetype row);
    void setName(qsizetype row, const QString &name);
    void setHex(qsizetype row, const QString &hex);
    // Replaces the whole list: names[i] with hexes[i] (an empty cell where hexes is short).
    void assign(const QStringList &names, const QStringList &hexes);

    QStringList names() const;
    QStringList hexes() const; // one per entry, without the blank row

    // The last entry whose hex cell equals the text, ignoring ASCII letter case; -1 if none.
    qsizetype lastRowWithHex(const QString &hexText) const;
    // The first entry with exactly this name; -1 if none.
    qsizetype firstRowWithName(const QString &name) const;
    // The first entry from row from on, going round to the top after the last one, that
    // matches the query (ListFind::nameMatches or valueMatches); -1 if none does.
    qsizetype findNext(const ListFind::Query &query, qsizetype from) const;

    // The list files' way in and out: lines as UTF-8 bytes, without line endings, so that a
    // million lines pass between a file and the list without a QString each.
    // A source gives the next line and returns true, or returns false at the end.
    using LineSource = std::function<bool(QByteArrayView &line)>;
    using LineSink = std::function<void(QByteArrayView line)>;
    // Replaces the whole list: one entry for each line of names, with the value of the line of
    // hexes in the same place (an empty cell where they run out). Takes no more hex lines than
    // there are names, so the caller can read the blank row's from the same source. The lines
    // must be valid UTF-8.
    void assignUtf8(const LineSource &names, const LineSource &hexes);
    void forEachNameUtf8(const LineSink &sink) const;
    void forEachHexUtf8(const LineSink &sink) const; // the entries', without the blank row
    // False when no name and no value can hold a control character (below U+0020) or half of
    // a surrogate pair; they need no look one by one before they are written to a file then.
    bool mayHoldControlOrSurrogate() const;

    // The blank row's cells: empty unless the user typed into them.
    QString blankName;
    QString blankHex;

private:
    struct Chunk;
    class ValueIndex;
    struct Place
    {
        qsizetype chunk;
        qsizetype slot;
    };

    Place placeOf(qsizetype row) const;
    qsizetype rowOf(quint32 seq) const;
    QByteArrayView nameBytes(const Chunk &chunk, qsizetype slot) const;
    QString hexOf(quint32 seq, quint32 code) const;
    quint32 encodeHex(quint32 seq, const QString &hex);
    quint32 encodeHexUtf8(quint32 seq, QByteArrayView hex);
    void noteOddText(QStringView text);
    void indexAdd(quint32 seq, quint32 code);
    void indexRemove(quint32 seq, quint32 code);
    qsizetype previousWithKey(quint32 seq, quint32 code) const;
    bool sameKey(quint32 seqA, quint32 codeA, quint32 seqB, quint32 codeB) const;
    void setNameBytes(Chunk &chunk, qsizetype slot, QByteArrayView bytes);
    Chunk &chunkForAppend();
    void rebuildIndex();
    void packIfSparse();
    void clear();

    std::vector<Chunk> m_chunks;
    // The row of each chunk's first live entry.
    std::vector<qsizetype> m_rowStart;
    qsizetype m_count = 0;
    // The texts of values that are no canonical "#RRGGBB", by slot number.
    QHash<quint32, QString> m_oddText;
    bool m_oddTextMayHoldControlOrSurrogate = false;
    std::unique_ptr<ValueIndex> m_index;
};

} // namespace Tintora
