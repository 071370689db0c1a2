// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lists/colorlist.h"

#include <QString>
#include <QStringList>

// The lists the recovery tests write, kill and restore: names in every script people write
// colors in, and values typed into the full list that are no #RRGGBB.
namespace RecoverySamples {

inline QStringList scriptNames()
{
    return {
            QStringLiteral("Sky blue"),
            QStringLiteral("Himmelblau \u00e4\u00f6\u00fc \u00df"),
            QStringLiteral("\u0413\u043e\u043b\u0443\u0431\u043e\u0439"), // Cyrillic
            QStringLiteral("\u03b3\u03b1\u03bb\u03ac\u03b6\u03b9\u03bf"), // Greek
            QStringLiteral("\u05db\u05d7\u05d5\u05dc"),                   // Hebrew, right to left
            QStringLiteral("\u0623\u0632\u0631\u0642 \u0633\u0645\u0627\u0648\u064a"), // Arabic
            QStringLiteral("\u0906\u0938\u092e\u093e\u0928\u0940"),                    // Devanagari
            QStringLiteral("\u0e1f\u0e49\u0e32"),                                      // Thai
            QStringLiteral("\u7a7a\u8272"),                                            // Chinese
            QStringLiteral("\u305d\u3089\u3044\u308d"),                                // Japanese
            QStringLiteral("\ud558\ub298\uc0c9"),                                      // Korean
            QStringLiteral("\u10ea\u10d8\u10e1\u10e4\u10d4\u10e0\u10d8"),              // Georgian
            QStringLiteral("\u0570\u0565\u0580\u056f\u0576\u0561\u0563\u0578\u0582\u0575\u0576"),
            QStringLiteral("\U0001F30A wave \U0001F3A8"), // beyond the first plane
            QStringLiteral("e\u0301 combining"),
            QStringLiteral("  spaces around  "),
            QString(),
            QStringLiteral("tab\tand\u00a0no-break"),
            QStringLiteral("line\nbreak"), // possible in a cell typed in place
            QString(QChar(0xFEFF)) + QStringLiteral("mark first"),
            QString(QChar(0xD800)) + QStringLiteral(" lone surrogate"),
    };
}

inline QStringList oddValues()
{
    return {QStringLiteral("#87CEEB"),
            QStringLiteral("#87ceeb"),
            QStringLiteral("87CEEB"),
            QStringLiteral("sky"),
            QString(),
            QStringLiteral("#12345"),
            QStringLiteral("rgb(1, 2, 3)"),
            QStringLiteral(" #FFFFFF "),
            QStringLiteral("#\u0661\u0662\u0663\u0664\u0665\u0666")};
}

// count entries, the names and values above going round, each name made unique by its row.
// A list meant for a list file leaves out the names that no list file can hold (a line break,
// a lone surrogate).
enum class Names { All, Storable };
inline Tintora::ColorList list(qsizetype count, Names which = Names::All)
{
    QStringList names = scriptNames();
    if (which == Names::Storable)
        names.removeIf([](const QString &name) {
            return name.contains(u'\n') || name.contains(QChar(0xD800));
        });
    const QStringList values = oddValues();
    QStringList listNames, listValues;
    listNames.reserve(count);
    listValues.reserve(count);
    for (qsizetype i = 0; i < count; ++i) {
        listNames.append(names.at(i % names.size()) + QString::number(i));
        const qsizetype value = i % (values.size() + 3);
        listValues.append(
                value < values.size()
                        ? values.at(value)
                        : QStringLiteral("#%1").arg(i & 0xFFFFFF, 6, 16, QChar(u'0')).toUpper());
    }
    Tintora::ColorList list;
    list.assign(listNames, listValues);
    return list;
}

// Both lists the same, entry by entry, the blank row included; the first difference otherwise.
inline QString difference(const Tintora::ColorList &a, const Tintora::ColorList &b)
{
    if (a.count() != b.count())
        return QStringLiteral("%1 entries against %2").arg(a.count()).arg(b.count());
    for (qsizetype row = 0; row < a.count(); ++row) {
        if (a.name(row) != b.name(row) || a.hex(row) != b.hex(row))
            return QStringLiteral("row %1: \"%2\" %3 against \"%4\" %5")
                    .arg(row)
                    .arg(a.name(row), a.hex(row), b.name(row), b.hex(row));
    }
    if (a.blankName != b.blankName || a.blankHex != b.blankHex)
        return QStringLiteral("the blank row differs");
    return {};
}

} // namespace RecoverySamples
