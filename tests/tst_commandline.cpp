// SPDX-License-Identifier: GPL-3.0-or-later
// The command line without a process: what the arguments ask for, the notations' short names,
// which files open as lists and which as palettes, and what --convert and --contrast print.
#include "cli/commandline.h"
#include "cli/contrastreport.h"
#include "cli/notationname.h"
#include "cli/openfiles.h"
#include "cli/textcommands.h"
#include "color/contrast.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <array>

using namespace Tintora;
using CommandLine::Mode;

Q_DECLARE_METATYPE(Tintora::CommandLine::Mode)
Q_DECLARE_METATYPE(Tintora::Notation::Form)

namespace {

QStringList argumentsOf(const QString &line)
{
    return QStringList {QStringLiteral("tintora")}
    + (line.isEmpty() ? QStringList() : line.split(QLatin1Char('|')));
}

} // namespace

class tst_CommandLine : public QObject
{
    Q_OBJECT
private slots:
    void modes_data();
    void modes();
    void usageErrors_data();
    void usageErrors();
    void everyFormHasOneName();
    void namesReadInAnyCase_data();
    void namesReadInAnyCase();
    void filesOpenAsListsOrPalettes_data();
    void filesOpenAsListsOrPalettes();
    void convertPrints_data();
    void convertPrints();
    void contrastTextShowsEveryVerdict();
    void contrastJsonAgreesWithTheRules_data();
    void contrastJsonAgreesWithTheRules();
};

void tst_CommandLine::modes_data()
{
    QTest::addColumn<QString>("arguments"); // separated by |
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<QStringList>("colors");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<Notation::Form>("form");
    QTest::addColumn<bool>("copy");
    QTest::addColumn<bool>("json");

    using F = Notation::Form;
    const QStringList none;
    QTest::newRow("nothing: the window")
            << "" << Mode::Window << none << none << F::Hex << false << false;
    QTest::newRow("files") << "a.clr|b.gpl" << Mode::Window << none
                           << QStringList {"a.clr", "b.gpl"} << F::Hex << false << false;
    QTest::newRow("Qt's options are Qt's")
            << "-platform|offscreen|-style|fusion|a.clr|-reverse" << Mode::Window << none
            << QStringList {"a.clr"} << F::Hex << false << false;
    QTest::newRow("a file named like an option, after --")
            << "--|--pick" << Mode::Window << none << QStringList {"--pick"} << F::Hex << false
            << false;
    QTest::newRow("pick") << "--pick" << Mode::Pick << none << none << F::Hex << false << false;
    QTest::newRow("pick, one dash")
            << "-pick" << Mode::Pick << none << none << F::Hex << false << false;
    QTest::newRow("pick a format and copy") << "--pick|--format|oklch|--copy" << Mode::Pick << none
                                            << none << F::Oklch << true << false;
    QTest::newRow("format with =")
            << "--pick|--format=RGB" << Mode::Pick << none << none << F::Rgb << false << false;
    QTest::newRow("convert") << "--convert|tomato" << Mode::Convert << QStringList {"tomato"}
                             << none << F::Hex << false << false;
    QTest::newRow("convert, words joined")
            << "--convert|255,|128,|0|--format|hsl" << Mode::Convert << QStringList {"255, 128, 0"}
            << none << F::Hsl << false << false;
    QTest::newRow("contrast, two")
            << "--contrast|white|#767676" << Mode::Contrast << QStringList {"white", "#767676"}
            << none << F::Hex << false << false;
    QTest::newRow("contrast, three, JSON")
            << "--json|--contrast|white|black|red" << Mode::Contrast
            << QStringList {"white", "black", "red"} << none << F::Hex << false << true;
    QTest::newRow("help") << "--help" << Mode::Help << none << none << F::Hex << false << false;
    QTest::newRow("help wins over errors")
            << "--bogus|-h" << Mode::Help << none << none << F::Hex << false << false;
    QTest::newRow("version") << "-v" << Mode::Version << none << none << F::Hex << false << false;
}

void tst_CommandLine::modes()
{
    QFETCH(QString, arguments);
    const CommandLine::Request request = CommandLine::parse(argumentsOf(arguments));
    QVERIFY2(request.error.isEmpty(), qPrintable(request.error));
    QTEST(request.mode, "mode");
    QTEST(request.colors, "colors");
    QTEST(request.files, "files");
    QTEST(request.form, "form");
    QTEST(request.copy, "copy");
    QTEST(request.json, "json");
}

void tst_CommandLine::usageErrors_data()
{
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<QString>("says");

    QTest::newRow("unknown option") << "--bogus"
                                    << "bogus";
    QTest::newRow("two modes") << "--pick|--convert|red"
                               << "--pick";
    QTest::newRow("unknown notation") << "--convert|red|--format|cmyk"
                                      << "cmyk";
    QTest::newRow("format without a value") << "--convert|red|--format"
                                            << "format";
    QTest::newRow("format without a mode") << "--format|rgb"
                                           << "--format";
    QTest::newRow("format with contrast") << "--contrast|a|b|--format|rgb"
                                          << "--format";
    QTest::newRow("copy without pick") << "--convert|red|--copy"
                                       << "--copy";
    QTest::newRow("json without contrast") << "--convert|red|--json"
                                           << "--json";
    QTest::newRow("convert, nothing") << "--convert"
                                      << "--convert";
    QTest::newRow("contrast, one color") << "--contrast|white"
                                         << "1";
    QTest::newRow("contrast, four colors") << "--contrast|a|b|c|d"
                                           << "4";
    QTest::newRow("pick with a file") << "--pick|a.clr"
                                      << "a.clr";
}

void tst_CommandLine::usageErrors()
{
    QFETCH(QString, arguments);
    QFETCH(QString, says);
    const CommandLine::Request request = CommandLine::parse(argumentsOf(arguments));
    QCOMPARE(request.mode, Mode::UsageError);
    QVERIFY2(request.error.contains(says), qPrintable(request.error));
    const TextCommands::Outcome outcome = TextCommands::run(request);
    QCOMPARE(outcome.exitCode, CommandLine::kFailure);
    QVERIFY(outcome.out.isEmpty());
    QVERIFY(outcome.err.startsWith(QStringLiteral("tintora: ")));
}

void tst_CommandLine::everyFormHasOneName()
{
    QSet<QString> names;
    for (const Notation::Form form : Notation::allForms) {
        const QString name = NotationName::nameOf(form);
        QVERIFY(!names.contains(name));
        names.insert(name);
        QCOMPARE(NotationName::formNamed(name), form);
        // The example the help shows is what the form writes.
        const auto &row = NotationName::rows[size_t(form)];
        QCOMPARE(Notation::format(Color::pack(0xFF, 0x80, 0x00), form), QLatin1String(row.example));
    }
}

void tst_CommandLine::namesReadInAnyCase_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("known");
    QTest::newRow("OKLCH") << "OKLCH" << true;
    QTest::newRow("Hex-Lower") << "Hex-Lower" << true;
    QTest::newRow("0X") << "0X" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("with a space") << "hex " << false;
    QTest::newRow("css") << "css" << false;
}

void tst_CommandLine::namesReadInAnyCase()
{
    QFETCH(QString, name);
    QTEST(NotationName::formNamed(name).has_value(), "known");
}

void tst_CommandLine::filesOpenAsListsOrPalettes_data()
{
    QTest::addColumn<QStringList>("existing"); // files made in a temporary folder
    QTest::addColumn<QStringList>("named");
    QTest::addColumn<QStringList>("opened"); // "L:" a list, "P:" a palette

    QTest::newRow("a list and a palette")
            << QStringList {"a.clr", "a.hex", "b.gpl"} << QStringList {"a.clr", "b.gpl"}
            << QStringList {"L:a.clr", "P:b.gpl"};
    QTest::newRow("a list by its hex file")
            << QStringList {"a.clr", "a.hex"} << QStringList {"a.hex"} << QStringList {"L:a.clr"};
    QTest::newRow("both files of a pair, once")
            << QStringList {"a.clr", "a.hex"} << QStringList {"a.hex", "a.clr"}
            << QStringList {"L:a.clr"};
    QTest::newRow("upper case") << QStringList {"A.CLR", "A.CLR.hex"} << QStringList {"A.CLR"}
                                << QStringList {"L:A.CLR"};
    QTest::newRow("the hex file of a name without .clr")
            << QStringList {"list", "list.hex"} << QStringList {"list.hex"}
            << QStringList {"L:list"};
    QTest::newRow("a missing hex file names its .clr")
            << QStringList {} << QStringList {"gone.hex"} << QStringList {"L:gone.clr"};
    QTest::newRow("a palette twice opens twice")
            << QStringList {"p.txt"} << QStringList {"p.txt", "p.txt"}
            << QStringList {"P:p.txt", "P:p.txt"};
    QTest::newRow("any other name is a palette")
            << QStringList {"colors"} << QStringList {"colors", ".clr"}
            << QStringList {"P:colors", "P:.clr"};
}

void tst_CommandLine::filesOpenAsListsOrPalettes()
{
    QFETCH(QStringList, existing);
    QFETCH(QStringList, named);
    QFETCH(QStringList, opened);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    for (const QString &name : existing) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QStringList paths;
    for (const QString &name : named)
        paths << folder.filePath(name);
    QStringList got;
    for (const OpenFiles::File &file : OpenFiles::plan(paths)) {
        QVERIFY(file.path.startsWith(folder.path() + QLatin1Char('/')));
        got << (file.kind == OpenFiles::Kind::List ? QStringLiteral("L:") : QStringLiteral("P:"))
                        + file.path.mid(folder.path().size() + 1);
    }
    QCOMPARE(got, opened);
}

void tst_CommandLine::convertPrints_data()
{
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");

    QTest::newRow("name to hex") << "--convert|tomato" << 0 << "#FF6347\n"
                                 << "";
    QTest::newRow("to oklch") << "--convert|#ff8000|--format|oklch" << 0
                              << "oklch(0.732 0.186 53)\n"
                              << "";
    QTest::newRow("color()") << "--convert|color(srgb 1 0.5 0)" << 0 << "#FF8000\n"
                             << "";
    QTest::newRow("bare bytes") << "--convert|255|128|0|--format|rgb-commas" << 0
                                << "rgb(255, 128, 0)\n"
                                << "";
    QTest::newRow("alpha is dropped") << "--convert|#ff800080" << 0 << "#FF8000\n"
                                      << "";
    QTest::newRow("not a color") << "--convert|transparent" << 2 << ""
                                 << "tintora: 'transparent' is not a color\n";
    QTest::newRow("white space around, trimmed in the message")
            << "--convert|  nope " << 2 << ""
            << "tintora: 'nope' is not a color\n";
}

void tst_CommandLine::convertPrints()
{
    QFETCH(QString, arguments);
    const TextCommands::Outcome outcome =
            TextCommands::run(CommandLine::parse(argumentsOf(arguments)));
    QTEST(outcome.exitCode, "exitCode");
    QTEST(outcome.out, "out");
    QTEST(outcome.err, "err");
}

void tst_CommandLine::contrastTextShowsEveryVerdict()
{
    const std::array<Color::ColorValue, 2> texts {Color::pack(0x76, 0x76, 0x76),
                                                  Color::pack(0x75, 0x75, 0x75)};
    const QString text = ContrastReport::text(Color::pack(255, 255, 255), texts);
    const QStringList lines = text.split(QLatin1Char('\n'));
    // Each rule once for each text, in the checker's words.
    for (const Contrast::LevelRule &rule : Contrast::levelRules)
        QCOMPARE(lines.filter(Contrast::levelName(rule.level) + QStringLiteral(", ")).size(), 2);
    QVERIFY(lines.contains(QStringLiteral("Contrast ratio: 4.54:1")));
    QVERIFY(lines.contains(QStringLiteral("1.4.3 AA normal text, 4.5:1: Pass")));
    // #757575 is 4.6:1 and passes; the ratio is never rounded up into a pass.
    QVERIFY(lines.contains(QStringLiteral("Contrast ratio: 4.60:1")));
    QVERIFY(lines.filter(QStringLiteral("Text against text (a link among body text), 3:1: ")).size()
            == 1);
    QVERIFY(text.contains(QStringLiteral("APCA, advisory: Lc ")));
    QVERIFY(text.contains(QStringLiteral("Least size, weight 400, 700: ")));
    // One text: nothing against text.
    const std::array<Color::ColorValue, 1> one {Color::pack(0, 0, 0)};
    QVERIFY(!ContrastReport::text(Color::pack(255, 255, 255), one).contains(u"Text against"));
}

void tst_CommandLine::contrastJsonAgreesWithTheRules_data()
{
    QTest::addColumn<QString>("background");
    QTest::addColumn<QString>("text");
    QTest::newRow("black on white") << "#FFFFFF"
                                    << "#000000";
    QTest::newRow("just below 4.5") << "#FFFFFF"
                                    << "#777777";
    QTest::newRow("light on dark") << "#101010"
                                   << "#D0D0D0";
    QTest::newRow("same color") << "#808080"
                                << "#808080";
}

void tst_CommandLine::contrastJsonAgreesWithTheRules()
{
    QFETCH(QString, background);
    QFETCH(QString, text);
    const auto back = *Notation::parseColor(background);
    const auto fore = *Notation::parseColor(text);
    const std::array<Color::ColorValue, 2> texts {fore, back};
    QJsonParseError error;
    const QJsonObject report =
            QJsonDocument::fromJson(ContrastReport::json(back, texts), &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(report.value(u"background").toString(), Color::buildHex(back));
    const QJsonObject first = report.value(u"texts").toArray().at(0).toObject();
    const double ratio = Contrast::contrastRatio(fore, back);
    QCOMPARE(first.value(u"color").toString(), Color::buildHex(fore));
    QCOMPARE(first.value(u"ratio").toDouble(), Contrast::ratioHundredths(ratio) / 100.0);
    const QJsonArray wcag = first.value(u"wcag").toArray();
    QCOMPARE(wcag.size(), qsizetype(Contrast::levelRules.size()));
    for (qsizetype i = 0; i < wcag.size(); ++i) {
        const Contrast::LevelRule &rule = Contrast::levelRules[size_t(i)];
        const QJsonObject verdict = wcag.at(i).toObject();
        QCOMPARE(verdict.value(u"criterion").toString(), QLatin1String(rule.criterion));
        QCOMPARE(verdict.value(u"minimum").toDouble(), rule.minimum);
        QCOMPARE(verdict.value(u"pass").toBool(), Contrast::passes(ratio, rule.level));
    }
    const double lc = Contrast::apcaContrast(fore, back);
    const QJsonObject apca = first.value(u"apca").toObject();
    QCOMPARE(QStringLiteral("Lc %1").arg(apca.value(u"lc").toDouble(), 0, 'f', 1),
             Contrast::formatLc(lc));
    QCOMPARE(apca.value(u"leastFontSize").isNull(), !Contrast::apcaFontRow(lc).has_value());
    QCOMPARE(apca.value(u"bodyText").toBool(),
             Contrast::apcaUse(lc) >= Contrast::ApcaUse::BodyText);
    const QJsonObject pair = report.value(u"textAgainstText").toObject();
    QCOMPARE(pair.value(u"pass").toBool(),
             Contrast::passes(ratio, Contrast::textAgainstTextMinimum));
}

QTEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
