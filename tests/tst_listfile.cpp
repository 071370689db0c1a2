// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/error.h"
#include "lists/colorlist.h"
#include "lists/listfile.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace Tintora;
using namespace TestFiles;

class tst_ListFile : public QObject
{
    Q_OBJECT
private slots:
    void init() { QVERIFY(m_dir.isValid()); }
    void hexPathPairsWithNameFile_data();
    void hexPathPairsWithNameFile();
    void splitsAtAnyLineEnding_data();
    void splitsAtAnyLineEnding();
    void decodesUtf8OrWindows1252();
    void savesExactBytesAndLoadsThemBack();
    void loadFailsWhenEitherFileIsMissing();
    void failedSaveLeavesOldPairWhole_data();
    void failedSaveLeavesOldPairWhole();
    void garbageLoadsWithoutHarm();
    void leadingByteOrderMarkReadsBack();
    void readGivesWhatLoadGives_data();
    void readGivesWhatLoadGives();
    void refusesLinesTooLongToShow_data();
    void refusesLinesTooLongToShow();
    void countsLinesAtTheLimit_data();
    void countsLinesAtTheLimit();
    void listSavesTheBytesItsLinesWould();
    void listWithUnstorableLineWritesNothing();

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
};

void tst_ListFile::hexPathPairsWithNameFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("hex");
    QTest::newRow("plain") << "/lists/colors.clr"
                           << "/lists/colors.hex";
    QTest::newRow("upper case keeps its name") << "/lists/LIST.CLR"
                                               << "/lists/LIST.CLR.hex";
    QTest::newRow("no extension") << "/lists/colors"
                                  << "/lists/colors.hex";
    QTest::newRow("folder named .clr") << "/my.clr/colors.clr"
                                       << "/my.clr/colors.hex";
    QTest::newRow("folder named .clr, no extension") << "/my.clr/colors"
                                                     << "/my.clr/colors.hex";
    QTest::newRow(".clr inside the name") << "/a/x.clr.bak"
                                          << "/a/x.clr.bak.hex";
}

void tst_ListFile::hexPathPairsWithNameFile()
{
    QFETCH(QString, name);
    QFETCH(QString, hex);
    QCOMPARE(ListFile::hexPathFor(name), hex);
}

void tst_ListFile::splitsAtAnyLineEnding_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty") << "" << QStringList();
    QTest::newRow("CRLF") << "a\r\nb\r\n" << QStringList({"a", "b"});
    QTest::newRow("LF") << "a\nb\n" << QStringList({"a", "b"});
    QTest::newRow("CR") << "a\rb\r" << QStringList({"a", "b"});
    QTest::newRow("unterminated") << "a\r\nb" << QStringList({"a", "b"});
    QTest::newRow("empty lines kept") << "a\r\n\r\n\nb" << QStringList({"a", "", "", "b"});
    QTest::newRow("blank last line") << "#1\r\n#2\r\n\r\n" << QStringList({"#1", "#2", ""});
    QTest::newRow("LF CR is two endings") << "a\n\rb" << QStringList({"a", "", "b"});
}

void tst_ListFile::splitsAtAnyLineEnding()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(ListFile::splitLines(text), lines);
}

void tst_ListFile::decodesUtf8OrWindows1252()
{
    QCOMPARE(ListFile::decode("Caf\xc3\xa9 \xe2\x82\xac"),
             QString::fromUtf8("Caf\xc3\xa9 \xe2\x82\xac"));
    // Not valid UTF-8: read as Windows-1252, where 0x80 is the euro sign.
    QCOMPARE(ListFile::decode("Caf\xe9 \x80 \x9f"),
             QString::fromUtf8("Caf\xc3\xa9 \xe2\x82\xac \xc5\xb8"));
    QCOMPARE(ListFile::decode(QByteArray("a\0b", 3)), QStringView(u"a\0b", 3).toString());
}

void tst_ListFile::savesExactBytesAndLoadsThemBack()
{
    const QString names = path(QStringLiteral("colors.clr"));
    const QStringList nameLines = {"Sky", QString::fromUtf8("Cr\xc3\xa8me")};
    ListFile::save(names, nameLines, {"#87CEEB", "#FFFDD0", ""});
    QCOMPARE(bytesOf(names), QByteArray("Sky\r\nCr\xc3\xa8me\r\n"));
    QCOMPARE(bytesOf(path(QStringLiteral("colors.hex"))), QByteArray("#87CEEB\r\n#FFFDD0\r\n\r\n"));

    const ListFile::Contents contents = ListFile::load(names);
    QCOMPARE(contents.names, nameLines);
    QCOMPARE(contents.hexes, QStringList({"#87CEEB", "#FFFDD0", ""}));
}

void tst_ListFile::loadFailsWhenEitherFileIsMissing()
{
    const QString names = path(QStringLiteral("lonely.clr"));
    write(names, "Sky\r\n");
    try {
        ListFile::load(names);
        QFAIL("loaded without a hex file");
    } catch (const FileError &e) {
        QVERIFY2(e.message().contains(QStringLiteral("lonely.hex")), qPrintable(e.message()));
    }
    QVERIFY_THROWS_EXCEPTION(FileError, ListFile::load(path(QStringLiteral("none.clr"))));
    QVERIFY_THROWS_EXCEPTION(FileError, ListFile::load(m_dir.path()));
}

void tst_ListFile::failedSaveLeavesOldPairWhole_data()
{
    QTest::addColumn<QString>("blocker"); // what stands where a file should go
    QTest::newRow("hex path is a folder") << "hex";
    QTest::newRow("folder is read-only") << "readonly";
}

void tst_ListFile::failedSaveLeavesOldPairWhole()
{
    QFETCH(QString, blocker);
    const QString sub = path(blocker);
    QVERIFY(QDir().mkpath(sub));
    const QString names = sub + QStringLiteral("/old.clr");
    ListFile::save(names, {"Old"}, {"#000000", ""});
    if (blocker == QLatin1String("hex")) {
        QVERIFY(QFile::remove(sub + QStringLiteral("/old.hex")));
        QVERIFY(QDir().mkpath(sub + QStringLiteral("/old.hex")));
    } else {
        if (::geteuid() == 0)
            QSKIP("root writes into read-only folders");
        QFile::setPermissions(sub, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }
    QVERIFY_THROWS_EXCEPTION(FileError, ListFile::save(names, {"New"}, {"#FFFFFF", ""}));
    QFile::setPermissions(sub,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QCOMPARE(bytesOf(names), QByteArray("Old\r\n"));
}

void tst_ListFile::garbageLoadsWithoutHarm()
{
    const QString names = path(QStringLiteral("garbage.clr"));
    QByteArray junk(1 << 20, 'x'); // a line of a megabyte
    junk += QByteArray("\xff\xfe\r\r\n\n\x80", 7);
    write(names, junk);
    write(path(QStringLiteral("garbage.hex")), "\x80\x81\x82");
    const ListFile::Contents contents = ListFile::load(names);
    QCOMPARE(contents.names.size(), 4);
    QCOMPARE(contents.names.first().size(), (1 << 20) + 2); // the two bad bytes stay
    QCOMPARE(contents.hexes.size(), 1);
}

void tst_ListFile::leadingByteOrderMarkReadsBack()
{
    // A byte order mark opening a file is dropped on reading (files from Notepad have one), so
    // a first name that starts with U+FEFF must not be mistaken for one.
    const QString names = path(QStringLiteral("bom.clr"));
    const QStringList marked = {QStringLiteral("\uFEFFSky"), QStringLiteral("\uFEFF")};
    ListFile::save(names, marked, marked + QStringList {QString()});
    const ListFile::Contents contents = ListFile::load(names);
    QCOMPARE(contents.names, marked);
    QCOMPARE(contents.hexes, marked + QStringList {QString()});
    write(names, "\xef\xbb\xbfSky\r\n");
    QCOMPARE(ListFile::load(names).names, QStringList({"Sky"}));
}

void tst_ListFile::readGivesWhatLoadGives_data()
{
    QTest::addColumn<QByteArray>("names");
    QTest::addColumn<QByteArray>("hexes");
    QTest::newRow("as saved") << QByteArray("Sky\r\nSea\r\n")
                              << QByteArray("#87CEEB\r\n#2e8b57\r\n\r\n");
    QTest::newRow("LF, CR, unterminated") << QByteArray("a\nb\rc") << QByteArray("#1\r#2\n#3");
    QTest::newRow("short hex file") << QByteArray("A\r\nB\r\nC\r\n") << QByteArray("#010101\r\n");
    QTest::newRow("blank row's value")
            << QByteArray("A\r\n") << QByteArray("#010101\r\n#FFFFFF\r\n#2\r\n");
    QTest::newRow("both empty") << QByteArray() << QByteArray();
    QTest::newRow("no names, a value") << QByteArray() << QByteArray("#ABCDEF\r\n");
    QTest::newRow("byte order marks") << QByteArray("\xef\xbb\xbfSky\r\n\xef\xbb\xbfSea\r\n")
                                      << QByteArray("\xef\xbb\xbf#87CEEB\r\n");
    QTest::newRow("UTF-8") << QByteArray("Cr\xc3\xa8me \xf0\x9f\x8e\xa8\r\n")
                           << QByteArray("\xe2\x82\xac\r\n");
    QTest::newRow("Windows-1252") << QByteArray("Caf\xe9 \x80\r\n\x9f\r\n")
                                  << QByteArray("#\xe9\r\n");
    QTest::newRow("mixed-case value") << QByteArray("x\r\n") << QByteArray("#aBcDeF\r\n");
}

void tst_ListFile::readGivesWhatLoadGives()
{
    QFETCH(QByteArray, names);
    QFETCH(QByteArray, hexes);
    write(path(QStringLiteral("pair.clr")), names);
    write(path(QStringLiteral("pair.hex")), hexes);
    const ListFile::Contents contents = ListFile::load(path(QStringLiteral("pair.clr")));
    const ColorList list = ListFile::read(path(QStringLiteral("pair.clr")));
    QCOMPARE(list.names(), contents.names);
    QStringList values = contents.hexes.mid(0, contents.names.size());
    while (values.size() < contents.names.size())
        values.append(QString());
    QCOMPARE(list.hexes(), values);
    QCOMPARE(list.blankHex, contents.hexes.value(contents.names.size()));
}

void tst_ListFile::refusesLinesTooLongToShow_data()
{
    QTest::addColumn<QByteArray>("names");
    QTest::addColumn<QByteArray>("hexes");
    QTest::addColumn<QString>("error"); // empty: loads
    const QByteArray longest(ListFile::kMaxLineLength, 'x');
    QTest::newRow("the longest name") << "a\r\n" + longest + "\r\n" << QByteArray("\r\n") << "";
    QTest::newRow("one character more")
            << "a\r\nb\r\n" + longest + "x\r\n"
            << QByteArray("\r\n")
            << "long.clr\": Line 3 is 32,768 characters long; a line of a color list can have at "
               "most 32,767";
    // Counted in characters, not bytes: 20,000 euro signs are 60,000 bytes.
    QTest::newRow("wide characters that fit")
            << QByteArray("\xe2\x82\xac").repeated(20000) << QByteArray() << "";
    QTest::newRow("Windows-1252, one byte a character")
            << QByteArray(ListFile::kMaxLineLength + 1, '\xe9') << QByteArray()
            << "Line 1 is 32,768";
    QTest::newRow("a value too long") << QByteArray("a\r\n") << "#" + longest + "\r\n"
                                      << "long.hex\": Line 1 is 32,768";
    QTest::newRow("the blank row's value too long")
            << QByteArray("a\r\n") << "#1\r\n" + longest + "x"
            << "long.hex\": Line 2";
}

void tst_ListFile::refusesLinesTooLongToShow()
{
    QFETCH(QByteArray, names);
    QFETCH(QByteArray, hexes);
    QFETCH(QString, error);
    write(path(QStringLiteral("long.clr")), names);
    write(path(QStringLiteral("long.hex")), hexes);
    try {
        const ColorList list = ListFile::read(path(QStringLiteral("long.clr")));
        QVERIFY2(error.isEmpty(), "loaded a line too long");
        QCOMPARE(list.names(), ListFile::load(path(QStringLiteral("long.clr"))).names);
    } catch (const FileError &e) {
        QVERIFY2(!error.isEmpty(), qPrintable(e.message()));
        QVERIFY2(e.message().contains(error), qPrintable(e.message()));
    }
}

void tst_ListFile::countsLinesAtTheLimit_data()
{
    QTest::addColumn<QByteArray>("piece");
    QTest::addColumn<int>("repeats");
    QTest::addColumn<int>("lines"); // -1: too many
    QTest::newRow("CR LF, at the limit") << QByteArray("x\r\n") << 4'000'000 << 4'000'000;
    QTest::newRow("CR LF, one more") << QByteArray("x\r\n") << 4'000'001 << -1;
    QTest::newRow("CR, at the limit") << QByteArray("x\r") << 4'000'000 << 4'000'000;
    QTest::newRow("CR before CR LF") << QByteArray("x\r\r\n") << 2'000'000 << 4'000'000;
    QTest::newRow("LF CR is two endings") << QByteArray("x\n\r") << 2'000'001 << -1;
}

void tst_ListFile::countsLinesAtTheLimit()
{
    QFETCH(QByteArray, piece);
    QFETCH(int, repeats);
    QFETCH(int, lines);
    // Short lines: the endings fall on every position of the blocks that are counted at once.
    write(path(QStringLiteral("lines.clr")), piece.repeated(repeats));
    write(path(QStringLiteral("lines.hex")), "\r\n");
    try {
        const ColorList list = ListFile::read(path(QStringLiteral("lines.clr")));
        QCOMPARE(list.count(), qsizetype(lines));
    } catch (const FileError &e) {
        QVERIFY2(lines < 0, qPrintable(e.message()));
        QVERIFY2(e.message().contains(QStringLiteral("more lines than a color list can hold")),
                 qPrintable(e.message()));
    }
}

void tst_ListFile::listSavesTheBytesItsLinesWould()
{
    const QStringList names = {QStringLiteral("\uFEFFmarked"), QString::fromUtf8("Cr\xc3\xa8me"),
                               QString(), QString::fromUtf8("\xf0\x9f\x8e\xa8")};
    const QStringList hexes = {"#87CEEB", "#87ceeb", "#aBcDeF", "odd"};
    ColorList list;
    list.assign(names, hexes);
    list.blankHex = QStringLiteral("#010203");
    ListFile::save(path(QStringLiteral("strings.clr")), names, hexes + QStringList {list.blankHex});
    ListFile::save(path(QStringLiteral("list.clr")), list);
    QCOMPARE(bytesOf(path(QStringLiteral("list.clr"))),
             bytesOf(path(QStringLiteral("strings.clr"))));
    QCOMPARE(bytesOf(path(QStringLiteral("list.hex"))),
             bytesOf(path(QStringLiteral("strings.hex"))));
    // And reads back as it was.
    const ColorList back = ListFile::read(path(QStringLiteral("list.clr")));
    QCOMPARE(back.names(), names);
    QCOMPARE(back.hexes(), hexes);
    QCOMPARE(back.blankHex, list.blankHex);
}

void tst_ListFile::listWithUnstorableLineWritesNothing()
{
    ColorList list;
    list.assign({"Sky", "two\nlines"}, {"#87CEEB", "#000000"});
    try {
        ListFile::save(path(QStringLiteral("broken.clr")), list);
        QFAIL("saved a name with a line break");
    } catch (const FileError &e) {
        QVERIFY2(e.message().contains(QStringLiteral("Line 2 contains a line break")),
                 qPrintable(e.message()));
    }
    list.setName(1, QStringLiteral("one line"));
    list.setHex(0, QString(QChar(0xDC00)));
    QVERIFY_THROWS_EXCEPTION(FileError, ListFile::save(path(QStringLiteral("broken.clr")), list));
    QVERIFY(!QFile::exists(path(QStringLiteral("broken.clr"))));
    QVERIFY(!QFile::exists(path(QStringLiteral("broken.hex"))));
}

QTEST_GUILESS_MAIN(tst_ListFile)
#include "tst_listfile.moc"
