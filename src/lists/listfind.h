// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// What the find bar looks for in a color list. An entry matches when its name contains the
// text, letter case aside (each character folded as QString's case-blind comparisons fold it),
// or when the text is a hex color text and the entry's value matches it: "#" and one to six
// hex digits find the values that begin with them ("#87C" finds #87CEEB), six hex digits alone
// the value they spell. ColorList::findNext searches a list for it.
namespace Tintora::ListFind {

struct Query
{
    QString text;
    // The text with every character case folded; its UTF-8 bytes when all of them are ASCII.
    QString folded;
    QByteArray asciiFolded;
    bool ascii = false;
    // Whether a name with characters beyond ASCII can match the ASCII text in a way its bytes
    // do not show: U+017F (long s) folds to 's' and U+212A (Kelvin sign) to 'k'.
    bool foldsFromBeyondAscii = false;
    // The value part: with hexDigits 1..6 the values whose text begins with "#" and those
    // digits (hexPrefix, their value), case aside. hexDigits 0: the text is no hex color text.
    int hexDigits = 0;
    quint32 hexPrefix = 0;
    QString hexText; // "#" and the digits, in upper case

    bool isEmpty() const { return text.isEmpty(); }
};

Query parse(const QString &text);

// The rules themselves, one entry at a time; ColorList::findNext gives the same answers fast.
bool nameMatches(const Query &query, QStringView name);
bool valueMatches(const Query &query, QStringView hex);

// The non-ASCII characters that fold to an ASCII letter, which the fast search of ASCII text
// must look for too: the tests check that Qt's case folding knows no others.
inline constexpr char16_t kFoldsToAscii[] = {0x017F, 0x212A};

} // namespace Tintora::ListFind
