// SPDX-License-Identifier: GPL-3.0-or-later
// What the find bar finds: the rules of a match, and the list's fast search held against a plain
// walk through the entries with those rules, on lists large enough to span many chunks.
#include "lists/colorlist.h"
#include "lists/listfind.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Tintora;

namespace {

// The rules applied one entry at a time, from row from on and round to the top.
qsizetype plainFindNext(const ColorList &list, const ListFind::Query &query, qsizetype from)
{
    const qsizetype n = list.count();
    if (query.isEmpty() || n == 0)
        return -1;
    from = from < 0 || from >= n ? 0 : from;
    for (qsizetype i = 0; i < n; ++i) {
        const qsizetype row = (from + i) % n;
        if (ListFind::nameMatches(query, list.name(row))
            || ListFind::valueMatches(query, list.hex(row)))
            return row;
    }
    return -1;
}

ColorList listOf(const QStringList &names, const QStringList &hexes)
{
    ColorList list;
    list.assign(names, hexes);
    return list;
}

} // namespace

class tst_ListFind : public QObject
{
    Q_OBJECT
private slots:
    void readsHexTexts_data();
    void readsHexTexts();
    void findsTheNextMatch_data();
    void findsTheNextMatch();
    void onlyLongSAndKelvinFoldIntoAscii();
    void agreesWithPlainSearchOnLargeLists();
};

void tst_ListFind::readsHexTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("digits");
    QTest::addColumn<uint>("prefix");
    QTest::newRow("full value") << "#87CEEB" << 6 << 0x87CEEBu;
    QTest::newRow("prefix, lower case") << "#87c" << 3 << 0x87Cu;
    QTest::newRow("six digits alone") << "facade" << 6 << 0xFACADEu;
    QTest::newRow("hash alone") << "#" << 0 << 0u;
    QTest::newRow("seven digits") << "#87CEEB0" << 0 << 0u;
    QTest::newRow("four digits alone") << "cafe" << 0 << 0u;
    QTest::newRow("not hex") << "#87G" << 0 << 0u;
}

void tst_ListFind::readsHexTexts()
{
    QFETCH(QString, text);
    QFETCH(int, digits);
    QFETCH(uint, prefix);
    const ListFind::Query query = ListFind::parse(text);
    QCOMPARE(query.hexDigits, digits);
    QCOMPARE(query.hexPrefix, prefix);
}

void tst_ListFind::findsTheNextMatch_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("hexes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("found");
    const QStringList names = {"Sky", "Deep Sea", "sea foam", "Sand", "Seaweed"};
    const QStringList hexes = {"#87CEEB", "#123456", "#87ceFA", "#C2B280", "odd"};
    QTest::newRow("letter case aside") << names << hexes << "SEA" << 0 << 1;
    QTest::newRow("the entry it starts at") << names << hexes << "sea" << 2 << 2;
    QTest::newRow("goes round to the top") << names << hexes << "sky" << 3 << 0;
    QTest::newRow("nothing matches") << names << hexes << "coral" << 0 << -1;
    QTest::newRow("not across two names") << names << hexes << "ydeep" << 0 << -1;
    QTest::newRow("value prefix") << names << hexes << "#87CE" << 1 << 2;
    QTest::newRow("value prefix, lower case typed") << names << hexes << "#c2b" << 0 << 3;
    QTest::newRow("six digits alone") << names << hexes << "c2b280" << 0 << 3;
    QTest::newRow("odd value matches no hex text") << names << hexes << "#0DD" << 0 << -1;
    QTest::newRow("name or value, whichever first")
            << QStringList {"x", "#87 in the name", "y"} << QStringList {"#000000", "", "#87AAAA"}
            << "#87" << 0 << 1;
    QTest::newRow("beyond ASCII, case aside")
            << QStringList {"Creme", QString::fromUtf8("Cr\xc3\xa8me"), "x"} << QStringList {}
            << QString::fromUtf8("CR\xc3\x88ME") << 0 << 1;
    QTest::newRow("Kelvin sign folds to k")
            << QStringList {"ice", QString::fromUtf8("0 \xe2\x84\xaa")} << QStringList {} << "0 k"
            << 0 << 1;
    QTest::newRow("long s folds to s") << QStringList {"mist", QString::fromUtf8("mi\xc5\xbft")}
                                       << QStringList {} << "MIST" << 1 << 1;
    QTest::newRow("empty text finds nothing") << names << hexes << "" << 0 << -1;
}

void tst_ListFind::findsTheNextMatch()
{
    QFETCH(QStringList, names);
    QFETCH(QStringList, hexes);
    QFETCH(QString, text);
    QFETCH(int, from);
    QFETCH(int, found);
    const ColorList list = listOf(names, hexes);
    const ListFind::Query query = ListFind::parse(text);
    QCOMPARE(list.findNext(query, from), qsizetype(found));
    QCOMPARE(plainFindNext(list, query, from), qsizetype(found));
}

void tst_ListFind::onlyLongSAndKelvinFoldIntoAscii()
{
    // The fast search of an ASCII text relies on this list of exceptions being complete.
    QList<char32_t> folding;
    for (char32_t cp = 0x80; cp <= 0x10FFFF; ++cp) {
        if (QChar::toCaseFolded(cp) < 0x80)
            folding.append(cp);
    }
    QCOMPARE(folding,
             QList<char32_t>(std::begin(ListFind::kFoldsToAscii),
                             std::end(ListFind::kFoldsToAscii)));
}

void tst_ListFind::agreesWithPlainSearchOnLargeLists()
{
    QRandomGenerator random(20261209);
    const QStringList words = {"Sky",
                               "sea",
                               "Rose",
                               "moss",
                               QString::fromUtf8("Cr\xc3\xa8me"),
                               QString::fromUtf8("\xe2\x84\xaa"
                                                 "elp"),
                               QString::fromUtf8("Ro\xc5\xbf"
                                                 "e"),
                               "#87",
                               QString::fromUtf8("\xf0\x9f\x8e\xa8")};
    const QStringList values = {"#87CEEB", "#87ceeb", "#87CEFA", "#000000", "", "odd", "#87c"};
    QStringList names, hexes;
    for (int i = 0; i < 12000; ++i) {
        QString name = words.at(random.bounded(words.size()));
        if (random.bounded(2))
            name += QLatin1Char(' ') + words.at(random.bounded(words.size()));
        names.append(name + QString::number(random.bounded(100)));
        hexes.append(values.at(random.bounded(values.size())));
    }
    ColorList list = listOf(names, hexes);
    // Removed entries leave gaps in the chunks that the search must step over.
    for (int i = 0; i < 3000; ++i)
        list.remove(random.bounded(int(list.count())));
    const QStringList texts = {"sea",
                               "SEA R",
                               "rose",
                               "ROSE",
                               "kelp",
                               "K",
                               "s",
                               "87",
                               "#87",
                               "#87C",
                               "#87CEEB",
                               "87ceeb",
                               "zzz",
                               QString::fromUtf8("CR\xc3\x88ME"),
                               QString::fromUtf8("\xf0\x9f\x8e\xa8")};
    for (const QString &text : texts) {
        const ListFind::Query query = ListFind::parse(text);
        for (int probe = 0; probe < 20; ++probe) {
            const qsizetype from = random.bounded(int(list.count()));
            QCOMPARE(list.findNext(query, from), plainFindNext(list, query, from));
        }
    }
}

QTEST_GUILESS_MAIN(tst_ListFind)
#include "tst_listfind.moc"
