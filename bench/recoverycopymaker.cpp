// SPDX-License-Identifier: GPL-3.0-or-later
// recoverycopymaker FOLDER ENTRIES
//
// Writes into FOLDER the recovery copy of a list of ENTRIES colors, as a program that has
// ended would have left it (an id no process has), for bench/recoverystartup.sh.
#include "lists/colorlist.h"
#include "lists/recoverycopy.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QStringList>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: recoverycopymaker FOLDER ENTRIES\n");
        return 2;
    }
    const qsizetype count = args.at(2).toLongLong();
    QStringList names, hexes;
    names.reserve(count);
    hexes.reserve(count);
    for (qsizetype i = 0; i < count; ++i) {
        names.append(QStringLiteral("Color number %1").arg(i));
        hexes.append(QStringLiteral("#%1")
                             .arg((i * 2654435761u) & 0xFFFFFF, 6, 16, QChar(u'0'))
                             .toUpper());
    }
    Tintora::ColorList list;
    list.assign(names, hexes);
    Tintora::RecoveryCopy::write(Tintora::RecoveryCopy::pathFor(args.at(1), {0x7FFFFFF0, 1}), list,
                                 QString(), QDateTime::currentDateTimeUtc());
    return 0;
}
