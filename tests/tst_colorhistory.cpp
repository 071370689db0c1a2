// SPDX-License-Identifier: GPL-3.0-or-later
#include "color/colorhistory.h"
#include "core/settingsfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

using namespace Tintora;
using Color::pack;

namespace {

QStringList hexes(const QList<Color::ColorValue> &colors)
{
    QStringList texts;
    for (Color::ColorValue c : colors)
        texts << Color::buildHex(c);
    return texts;
}

Color::ColorValue hex(const QString &text)
{
    const Color::Components c = Color::parseHex(text);
    return pack(c.red, c.green, c.blue);
}

// The child run of restartKeepsTheHistory: a program of its own that records colors in the
// user's history and ends.
constexpr char kChildVariable[] = "TINTORA_HISTORY_CHILD";

int recordAsChild(const QStringList &colors)
{
    ColorHistory history;
    for (const QString &text : colors)
        history.settle(hex(text));
    return 0;
}

} // namespace

class tst_ColorHistory : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void settledColorsGoFirst_data();
    void settledColorsGoFirst();
    void clearEmptiesAndSaves();
    void restartKeepsTheHistory();
    void brokenValueGivesNoHistory_data();
    void brokenValueGivesNoHistory();
    void readOnlyWhenFirstNeeded();
    void fileFollowsTheConfigurationFolder();

private:
    void useFreshHome();

    std::unique_ptr<QTemporaryDir> m_home;
};

void tst_ColorHistory::init()
{
    useFreshHome();
}

void tst_ColorHistory::useFreshHome()
{
    m_home = std::make_unique<QTemporaryDir>();
    QVERIFY(m_home->isValid());
    qputenv("HOME", QFile::encodeName(m_home->path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home->filePath(QStringLiteral(".config"))));
}

void tst_ColorHistory::settledColorsGoFirst_data()
{
    QTest::addColumn<QStringList>("settled");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("newest first") << QStringList {"#111111", "#222222", "#333333"}
                                  << QStringList {"#333333", "#222222", "#111111"};
    QTest::newRow("met again moves to the front")
            << QStringList {"#111111", "#222222", "#333333", "#111111"}
            << QStringList {"#111111", "#333333", "#222222"};
    QTest::newRow("the same twice is once")
            << QStringList {"#ABCDEF", "#ABCDEF"} << QStringList {"#ABCDEF"};
    QStringList thirty;
    QStringList newest24;
    for (int i = 0; i < 30; ++i)
        thirty << Color::buildHex(pack(i, i, i));
    for (int i = 29; i >= 6; --i)
        newest24 << Color::buildHex(pack(i, i, i));
    QTest::newRow("the last 24 only") << thirty << newest24;
}

void tst_ColorHistory::settledColorsGoFirst()
{
    QFETCH(QStringList, settled);
    QFETCH(QStringList, expected);
    {
        ColorHistory history;
        QSignalSpy changed(&history, &ColorHistory::changed);
        for (const QString &text : settled)
            history.settle(hex(text));
        QCOMPARE(hexes(history.colors()), expected);
        QVERIFY(changed.count() >= 1);
    }
    // And so on disk.
    ColorHistory again;
    QCOMPARE(hexes(again.colors()), expected);
}

void tst_ColorHistory::clearEmptiesAndSaves()
{
    {
        ColorHistory history;
        history.settle(pack(1, 2, 3));
        QSignalSpy changed(&history, &ColorHistory::changed);
        history.clear();
        QCOMPARE(changed.count(), 1);
        QVERIFY(history.colors().isEmpty());
    }
    QVERIFY(ColorHistory().colors().isEmpty());
}

// A run of the program (here, this test as a child process) records colors; the next run
// finds them in the user's configuration folder.
void tst_ColorHistory::restartKeepsTheHistory()
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QLatin1String(kChildVariable), QStringLiteral("1"));
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("#3366CC"), QStringLiteral("#FF8000"), QStringLiteral("#3366CC")});
    QVERIFY(child.waitForFinished(60000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);

    const QString file = m_home->filePath(QStringLiteral(".config/tintora/tintora.conf"));
    QVERIFY2(QFile::exists(file), qPrintable(file));
    QCOMPARE(hexes(ColorHistory().colors()), (QStringList {"#3366CC", "#FF8000"}));
}

void tst_ColorHistory::brokenValueGivesNoHistory_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("not a color") << QByteArray("[History]\ncolors=nonsense\n");
    QTest::newRow("short hex") << QByteArray("[History]\ncolors=#12345\n");
    QTest::newRow("one bad among good")
            << QByteArray("[History]\ncolors=#FFFFFF, #GGGGGG, #000000\n");
    QTest::newRow("a number") << QByteArray(
            "[History]\ncolors=@Variant(\\0\\0\\0\\x2\\0\\0\\0*)\n");
    QTest::newRow("broken variant") << QByteArray("[History]\ncolors=@Variant(\\xff\\xff)\n");
    QTest::newRow("binary garbage") << QByteArray("\x00\xff\xfe[[[\x01\x02=\n\x7f", 12);
    QTest::newRow("empty file") << QByteArray();
}

// No history and no error (the core has no boxes; nothing throws); the next color settles
// into a sound file.
void tst_ColorHistory::brokenValueGivesNoHistory()
{
    QFETCH(QByteArray, content);
    const QString file = Settings::fileName();
    QVERIFY(QDir().mkpath(QFileInfo(file).path()));
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(content);
    out.close();

    ColorHistory history;
    QVERIFY(history.colors().isEmpty());
    history.settle(pack(0x33, 0x66, 0xCC));
    QCOMPARE(hexes(ColorHistory().colors()), QStringList {"#3366CC"});
}

void tst_ColorHistory::readOnlyWhenFirstNeeded()
{
    ColorHistory history; // made, not read: start-up does not touch the file
    QVERIFY(!QFile::exists(Settings::fileName()));
    {
        ColorHistory writer;
        writer.settle(pack(9, 8, 7));
    }
    QCOMPARE(hexes(history.colors()), QStringList {"#090807"});
}

void tst_ColorHistory::fileFollowsTheConfigurationFolder()
{
    QCOMPARE(Settings::fileName(),
             m_home->filePath(QStringLiteral(".config/tintora/tintora.conf")));
    qunsetenv("XDG_CONFIG_HOME");
    QCOMPARE(Settings::fileName(),
             m_home->filePath(QStringLiteral(".config/tintora/tintora.conf")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home->filePath(QStringLiteral("elsewhere"))));
    QCOMPARE(Settings::fileName(),
             m_home->filePath(QStringLiteral("elsewhere/tintora/tintora.conf")));
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsSet(kChildVariable))
        return recordAsChild(app.arguments().mid(1));
    tst_ColorHistory test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_colorhistory.moc"
