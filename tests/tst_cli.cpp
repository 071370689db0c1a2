// SPDX-License-Identifier: GPL-3.0-or-later
// The program run as a user runs it from a shell or a script, with no window system at all
// (no DISPLAY, no WAYLAND_DISPLAY, no QT_QPA_PLATFORM): --convert, --contrast, --help and
// --version print and exit with their status. And tintora FILE... with a file it cannot read:
// the error box comes up over the window, which stays open.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

QProcessEnvironment withoutWindowSystem()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name :
         {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        environment.remove(QLatin1String(name));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    return environment;
}

Run run(const QStringList &arguments,
        const QProcessEnvironment &environment = withoutWindowSystem())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(TINTORA_PROGRAM), arguments);
    Run result;
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.exitCode = process.exitCode();
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

} // namespace

class tst_Cli : public QObject
{
    Q_OBJECT
private slots:
    void textCommands_data();
    void textCommands();
    void contrastJsonForPrograms();
    void speaksTheLanguageButWritesNumbersAsCss_data();
    void speaksTheLanguageButWritesNumbersAsCss();
    void unreadableFileGivesTheErrorBoxAndTheWindowStays_data();
    void unreadableFileGivesTheErrorBoxAndTheWindowStays();
};

void tst_Cli::textCommands_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");     // the whole of standard output, or its first line: "^..."
    QTest::addColumn<QString>("errPart"); // a part of standard error; empty: nothing

    QTest::newRow("convert a name")
            << QStringList {"--convert", "rebeccapurple"} << 0 << "#663399\n"
            << "";
    QTest::newRow("convert to hsl")
            << QStringList {"--convert", "--format", "hsl", "#FF8000"} << 0 << "hsl(30 100% 50%)\n"
            << "";
    QTest::newRow("convert unquoted bytes")
            << QStringList {"--convert", "--format=0x", "255", "128", "0"} << 0 << "0xFF8000\n"
            << "";
    QTest::newRow("convert oklch to lab")
            << QStringList {"--convert", "oklch(70% 0.1 250)", "--format", "lab"} << 0 << "^lab("
            << "";
    QTest::newRow("not a color") << QStringList {"--convert", "currentcolor"} << 2 << ""
                                 << "tintora: 'currentcolor' is not a color";
    QTest::newRow("contrast") << QStringList {"--contrast", "white", "#767676"} << 0
                              << "^Background: #FFFFFF"
                              << "";
    QTest::newRow("contrast, one not a color")
            << QStringList {"--contrast", "white", "ink"} << 2 << ""
            << "tintora: 'ink' is not a color";
    QTest::newRow("contrast, one color") << QStringList {"--contrast", "white"} << 2 << ""
                                         << "--contrast needs a background";
    QTest::newRow("unknown option") << QStringList {"--frobnicate"} << 2 << ""
                                    << "Unknown option 'frobnicate'";
    QTest::newRow("pick without a display") << QStringList {"--pick", "--copy"} << 2 << ""
                                            << "--pick needs a display";
    QTest::newRow("version") << QStringList {"--version"} << 0 << "tintora 1.0\n"
                             << "";
    QTest::newRow("help") << QStringList {"--help"} << 0 << "^Usage: "
                          << "";
}

void tst_Cli::textCommands()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, out);
    QFETCH(QString, errPart);
    const Run result = run(arguments);
    QTEST(result.exitCode, "exitCode");
    if (out.startsWith(QLatin1Char('^')))
        QVERIFY2(result.out.startsWith(out.mid(1)), qPrintable(result.out));
    else
        QCOMPARE(result.out, out);
    if (errPart.isEmpty())
        QCOMPARE(result.err, QString());
    else
        QVERIFY2(result.err.contains(errPart), qPrintable(result.err));
}

void tst_Cli::contrastJsonForPrograms()
{
    const Run result = run({"--contrast", "--json", "#FFFFFF", "#767676", "#777777"});
    QCOMPARE(result.exitCode, 0);
    QJsonParseError error;
    const QJsonObject report = QJsonDocument::fromJson(result.out.toUtf8(), &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    const QJsonArray texts = report.value(u"texts").toArray();
    QCOMPARE(texts.size(), 2);
    // 4.54:1 passes AA for normal text; #777777, 4.47:1, does not, though it rounds to 4.5.
    QCOMPARE(texts.at(0)[u"ratio"].toDouble(), 4.54);
    QCOMPARE(texts.at(0)[u"wcag"][0][u"pass"].toBool(), true);
    QCOMPARE(texts.at(1)[u"ratio"].toDouble(), 4.47);
    QCOMPARE(texts.at(1)[u"wcag"][0][u"pass"].toBool(), false);
    QCOMPARE(report.value(u"textAgainstText")[u"pass"].toBool(), false);
}

void tst_Cli::speaksTheLanguageButWritesNumbersAsCss_data()
{
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("says");
    QTest::newRow("English") << "C.UTF-8"
                             << "Shows this help.";
    QTest::newRow("German") << "de_DE.UTF-8"
                            << "Zeigt diese Hilfe.";
    QTest::newRow("French") << "fr_FR.UTF-8"
                            << "Affiche cette aide.";
}

void tst_Cli::speaksTheLanguageButWritesNumbersAsCss()
{
    QFETCH(QString, lang);
    QFETCH(QString, says);
    QProcessEnvironment environment = withoutWindowSystem();
    environment.insert(QStringLiteral("LANG"), lang);
    const Run result = run({"--help"}, environment);
    QCOMPARE(result.exitCode, 0);
    QVERIFY2(result.out.contains(says), qPrintable(result.out));
    // Every option is there, whatever the language.
    for (const char *option : {"--pick", "--copy", "--convert", "--contrast", "--format", "--json",
                               "--help", "--version"})
        QVERIFY2(result.out.contains(QLatin1String(option)), option);

    // What it prints is for programs and scripts too: numbers stay as CSS writes them.
    const Run contrast = run({"--contrast", "white", "#767676"}, environment);
    QCOMPARE(contrast.exitCode, 0);
    for (const char *number : {": 4.54:1\n", ", 4.5:1: ", "Lc 71.5, ", ": 19.5 px, 14.5 px\n"})
        QVERIFY2(contrast.out.contains(QLatin1String(number)), qPrintable(contrast.out));
}

void tst_Cli::unreadableFileGivesTheErrorBoxAndTheWindowStays_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("contents"); // none: the file is missing
    QTest::addColumn<QString>("errorPart");
    QTest::newRow("missing list") << "gone.clr" << QByteArray() << "gone.clr";
    QTest::newRow("missing palette") << "gone.gpl" << QByteArray() << "gone.gpl";
    QTest::newRow("broken palette")
            << "broken.gpl" << QByteArray("GIMP Palette\n1 2\n") << "broken.gpl";
}

void tst_Cli::unreadableFileGivesTheErrorBoxAndTheWindowStays()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, contents);
    QFETCH(QString, errorPart);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    if (!contents.isNull()) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }
    QProcessEnvironment environment = withoutWindowSystem();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(TINTORA_PROGRAM), {folder.filePath(name)});
    QVERIFY(process.waitForStarted());
    // The error box logs what it shows; it waits for its OK over the open window.
    QString err;
    QVERIFY(QTest::qWaitFor(
            [&] {
                err += QString::fromUtf8(process.readAllStandardError());
                return err.contains(QLatin1String("tintora.errors"))
                        || process.state() == QProcess::NotRunning;
            },
            30000));
    QVERIFY2(err.contains(errorPart), qPrintable(err));
    QCOMPARE(process.state(), QProcess::Running);
    process.kill();
    process.waitForFinished();
}

QTEST_GUILESS_MAIN(tst_Cli)
#include "tst_cli.moc"
