// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/error.h"
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

QTEST_GUILESS_MAIN(tst_ListFile)
#include "tst_listfile.moc"
