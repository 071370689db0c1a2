// SPDX-License-Identifier: GPL-3.0-or-later
#include "color/assessment.h"
#include "color/contrastreport.h"

#include <QTest>

using namespace Tintora;
using namespace Tintora::Contrast;
using Tintora::Color::pack;

Q_DECLARE_METATYPE(Tintora::Contrast::Level)
Q_DECLARE_METATYPE(Tintora::Contrast::FixOutlook)

namespace {

constexpr ColorValue kWhite = pack(255, 255, 255);
constexpr ColorValue kBlack = pack(0, 0, 0);

ColorValue gray(int level)
{
    return pack(level, level, level);
}

const RuleAssessment &ruleOf(const SampleAssessment &sample, Level level)
{
    return sample.rules[size_t(level)];
}

} // namespace

class tst_Assessment : public QObject
{
    Q_OBJECT
private slots:
    void rules_data();
    void rules();
    void textAgainstText_data();
    void textAgainstText();
    void apca_data();
    void apca();
    void visionsAsTheyAreSeen();
    void report();
    void reportNotes_data();
    void reportNotes();
    void numbersInTheLocale_data();
    void numbersInTheLocale();
};

// One row per kind of rule: what the verdict, the "just below" and both fixes say.
void tst_Assessment::rules_data()
{
    QTest::addColumn<uint>("background");
    QTest::addColumn<uint>("sample1");
    QTest::addColumn<uint>("sample2");
    QTest::addColumn<Level>("level");
    QTest::addColumn<bool>("pass");
    QTest::addColumn<bool>("justBelow");
    QTest::addColumn<FixOutlook>("fixText");
    QTest::addColumn<FixOutlook>("fixBackground");
    // 4.47:1, quoted as 4.5:1 by tools that round: a fail, and a near one.
    QTest::newRow("1.4.3 AA normal text, just below")
            << uint(kWhite) << uint(gray(0x77)) << uint(kBlack) << Level::AaNormal << false << true
            << FixOutlook::Available << FixOutlook::Available;
    // 2.99:1, and sample 2 passes: the background must still move for sample 1.
    QTest::newRow("1.4.3 AA large text, just below")
            << uint(kWhite) << uint(gray(0x95)) << uint(kBlack) << Level::AaLarge << false << true
            << FixOutlook::Available << FixOutlook::Available;
    // Neither black nor white reaches 7:1 on #777777 (4.69:1 and 4.48:1): no text can.
    QTest::newRow("1.4.6 AAA normal text, out of reach")
            << uint(gray(0x77)) << uint(gray(0x80)) << uint(kBlack) << Level::AaaNormal << false
            << false << FixOutlook::OutOfReach << FixOutlook::Available;
    // 4.54:1 passes 4.5:1, and so does black: nothing to fix.
    QTest::newRow("1.4.6 AAA large text, passes")
            << uint(kWhite) << uint(gray(0x76)) << uint(kBlack) << Level::AaaLarge << true << false
            << FixOutlook::NotNeeded << FixOutlook::NotNeeded;
    // Sample 1 passes non-text; sample 2 (2.99:1) does not, so the background may need moving.
    QTest::newRow("1.4.11 AA non-text, passes while the other sample fails")
            << uint(kWhite) << uint(gray(0x77)) << uint(gray(0x95)) << Level::NonText << true
            << false << FixOutlook::NotNeeded << FixOutlook::Available;
}

void tst_Assessment::rules()
{
    QFETCH(uint, background);
    QFETCH(uint, sample1);
    QFETCH(uint, sample2);
    QFETCH(Level, level);
    QFETCH(bool, pass);
    QFETCH(bool, justBelow);
    QFETCH(FixOutlook, fixText);
    QFETCH(FixOutlook, fixBackground);

    const Assessment assessment = assess(background, sample1, sample2);
    const RuleAssessment &rule = ruleOf(assessment.sample(1), level);
    QCOMPARE(rule.level, level);
    QCOMPARE(rule.minimum, minimumRatio(level));
    QCOMPARE(rule.pass, pass);
    QCOMPARE(rule.justBelow, justBelow);
    QCOMPARE(rule.fixText, fixText);
    QCOMPARE(rule.fixBackground, fixBackground);
    // The background's fix is one for both samples: their rows agree.
    QCOMPARE(ruleOf(assessment.sample(2), level).fixBackground, fixBackground);
    QCOMPARE(assessment.sample(1).textFixOutOfReach, fixText == FixOutlook::OutOfReach);
    // The shown ratio and the verdict are one number.
    QCOMPARE(passes(assessment.sample(1).ratio, level), pass);
    QVERIFY(assessment.sample(1).ratioText.startsWith(formatRatio(assessment.sample(1).ratio)));
}

// The pair of texts has one level, 3:1: "just below" may name that and nothing else.
void tst_Assessment::textAgainstText_data()
{
    QTest::addColumn<uint>("sample1");
    QTest::addColumn<uint>("sample2");
    QTest::addColumn<QString>("ratioText");
    QTest::addColumn<bool>("pass");
    QTest::newRow("4.47:1 passes, not just below 4.5:1")
            << uint(gray(0x77)) << uint(kWhite) << QStringLiteral("4.47:1") << true;
    QTest::newRow("6.97:1 passes, not just below 7:1")
            << uint(pack(0, 0xAD, 0)) << uint(kBlack) << QStringLiteral("6.97:1") << true;
    QTest::newRow("2.99:1 is just below its own 3:1")
            << uint(gray(0x95)) << uint(kWhite) << QStringLiteral("2.99:1, just below 3:1")
            << false;
    QTest::newRow("black and white")
            << uint(kBlack) << uint(kWhite) << QStringLiteral("21.00:1") << true;
}

void tst_Assessment::textAgainstText()
{
    QFETCH(uint, sample1);
    QFETCH(uint, sample2);
    QFETCH(QString, ratioText);
    QFETCH(bool, pass);
    const PairAssessment pair = assess(gray(0x80), sample1, sample2).textAgainstText;
    QCOMPARE(pair.ratioText, ratioText);
    QCOMPARE(pair.pass, pass);
}

void tst_Assessment::apca_data()
{
    QTest::addColumn<uint>("text");
    QTest::addColumn<uint>("background");
    QTest::addColumn<QString>("lc");
    QTest::addColumn<QString>("reading");
    QTest::addColumn<QString>("fontSizes");
    QTest::addColumn<QString>("passes"); // body, content, large
    QTest::newRow("body text") << uint(pack(0, 0, 0x80)) << uint(kWhite) << "Lc 100.9"
                               << "Body text"
                               << "15 px, 13 px"
                               << "PPP";
    QTest::newRow("content text") << uint(gray(0x77)) << uint(kWhite) << "Lc 71.1"
                                  << "Content text; least for body text"
                                  << "19.5 px, 14.5 px"
                                  << "-PP";
    QTest::newRow("light on dark is negative") << uint(kWhite) << uint(kBlack) << "Lc -107.8"
                                               << "Body text"
                                               << "14.5 px, 12 px"
                                               << "PPP";
    QTest::newRow("not readable") << uint(gray(0xFE)) << uint(kWhite) << "Lc 0.0"
                                  << "Not readable"
                                  << "Not readable"
                                  << "---";
}

void tst_Assessment::apca()
{
    QFETCH(uint, text);
    QFETCH(uint, background);
    QFETCH(QString, lc);
    QFETCH(QString, reading);
    QFETCH(QString, fontSizes);
    QFETCH(QString, passes);
    const SampleAssessment sample = assess(background, text, kBlack).sample(1);
    QCOMPARE(sample.lcText, lc);
    QCOMPARE(sample.apcaReading, reading);
    QCOMPARE(sample.fontSizes, fontSizes);
    QString got;
    for (const bool pass : sample.apcaPasses)
        got += pass ? QLatin1Char('P') : QLatin1Char('-');
    QCOMPARE(got, passes);
}

void tst_Assessment::visionsAsTheyAreSeen()
{
    const ColorValue background = pack(0xFF, 0xF0, 0xE0);
    const ColorValue red = pack(0xD0, 0x20, 0x20);
    const ColorValue green = pack(0x20, 0x90, 0x20);
    const Assessment assessment = assess(background, red, green);
    for (const Vision vision : allVisions) {
        const VisionAssessment &seen = assessment.visions[size_t(vision)];
        QCOMPARE(seen.vision, vision);
        QCOMPARE(seen.background, simulate(background, vision));
        QCOMPARE(seen.ratiosText,
                 QStringLiteral("1: %1  2: %2")
                         .arg(formatRatio(seenRatio(red, background, vision)),
                              formatRatio(seenRatio(green, background, vision))));
    }
    // Luminance is all an achromat keeps, so the ratio is the one the rules judge.
    const VisionAssessment &achromat = assessment.visions[size_t(Vision::Achromatopsia)];
    QCOMPARE(achromat.ratios[0], assessment.sample(1).ratio);
    QCOMPARE(achromat.ratios[1], assessment.sample(2).ratio);
}

void tst_Assessment::report()
{
    const Assessment assessment = assess(kWhite, gray(0x77), pack(0, 0, 0x80));
    const QString expected =
            QStringLiteral("Contrast Checker\n"
                           "Background: #FFFFFF\n"
                           "Text Sample 1: #777777\n"
                           "Text Sample 2: #000080\n"
                           "\n"
                           "Text Sample 1 on the background\n"
                           "Contrast ratio: 4.47:1, just below 4.5:1\n"
                           "1.4.3 AA normal text, 4.5:1: Fail\n"
                           "1.4.3 AA large text, 3:1: Pass\n"
                           "1.4.6 AAA normal text, 7:1: Fail\n"
                           "1.4.6 AAA large text, 4.5:1: Fail\n"
                           "1.4.11 AA non-text, 3:1: Pass\n"
                           "APCA, advisory: Lc 71.1, Content text; least for body text\n"
                           "Least size, weight 400, 700: 19.5 px, 14.5 px\n"
                           "Body Lc 75, content 60, large 45: Fail, Pass, Pass\n"
                           "\n"
                           "Text Sample 2 on the background\n"
                           "Contrast ratio: 16.00:1\n"
                           "1.4.3 AA normal text, 4.5:1: Pass\n"
                           "1.4.3 AA large text, 3:1: Pass\n"
                           "1.4.6 AAA normal text, 7:1: Pass\n"
                           "1.4.6 AAA large text, 4.5:1: Pass\n"
                           "1.4.11 AA non-text, 3:1: Pass\n"
                           "APCA, advisory: Lc 100.9, Body text\n"
                           "Least size, weight 400, 700: 15 px, 13 px\n"
                           "Body Lc 75, content 60, large 45: Pass, Pass, Pass\n"
                           "\n"
                           "Text against text (a link among body text), 3:1: 3.57:1, Pass\n"
                           "Large text: at least 18 pt, or 14 pt bold\n"
                           "\n"
                           "As seen with a color vision deficiency (simulated):\n");
    QString visions;
    for (const VisionAssessment &seen : assessment.visions)
        visions += visionName(seen.vision) + QStringLiteral(": ") + seen.ratiosText + u'\n';
    QCOMPARE(formatReport(assessment), expected + visions);
}

// The notes the window shows under a color appear in the report in the same place.
void tst_Assessment::reportNotes_data()
{
    QTest::addColumn<uint>("background");
    QTest::addColumn<bool>("backgroundSearchedInVain");
    QTest::addColumn<QStringList>("notes"); // the line before each note, then the note
    const QString noText = QStringLiteral("No color of this hue passes");
    QTest::newRow("none") << uint(kWhite) << false << QStringList {};
    QTest::newRow("no text of either hue reaches 7:1 on #777777")
            << uint(gray(0x77)) << false
            << QStringList {QStringLiteral("Body Lc 75, content 60, large 45: Fail, Fail, Fail"),
                            noText,
                            QStringLiteral("Body Lc 75, content 60, large 45: Fail, Fail, Fail"),
                            noText};
    QTest::newRow("Fix background searched in vain")
            << uint(kWhite) << true
            << QStringList {QStringLiteral("Text Sample 2: #959595"),
                            QStringLiteral("No background of this hue gives both samples 7:1")};
}

void tst_Assessment::reportNotes()
{
    QFETCH(uint, background);
    QFETCH(bool, backgroundSearchedInVain);
    QFETCH(QStringList, notes);
    Assessment assessment = assess(background, gray(0x80), gray(0x95));
    if (backgroundSearchedInVain)
        assessment.backgroundOutOfReach = 7.0;
    const QStringList lines = formatReport(assessment).split(u'\n');
    QStringList found;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (lines.at(i).startsWith(QLatin1String("No ")))
            found << lines.at(i - 1) << lines.at(i);
    }
    QCOMPARE(found, notes);
}

// The texts write their numbers as the locale does, the report too; its colors stay #RRGGBB and
// the criteria keep their numbers ("1.4.3").
void tst_Assessment::numbersInTheLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("ratio"); // #777777 on white
    QTest::addColumn<QString>("lc");
    QTest::addColumn<QString>("fontSizes");
    QTest::addColumn<QString>("blackOnWhite");
    QTest::addColumn<QString>("minimum"); // 4.5
    QTest::newRow("C, as CSS and the command line write them")
            << QLocale::c() << "4.47:1, just below 4.5:1"
            << "Lc 71.1"
            << "19.5 px, 14.5 px"
            << "21.00:1"
            << "4.5";
    QTest::newRow("German") << QLocale(QLocale::German) << "4,47:1, just below 4,5:1"
                            << "Lc 71,1"
                            << "19,5 px, 14,5 px"
                            << "21,00:1"
                            << "4,5";
    QTest::newRow("French") << QLocale(QLocale::French) << "4,47:1, just below 4,5:1"
                            << "Lc 71,1"
                            << "19,5 px, 14,5 px"
                            << "21,00:1"
                            << "4,5";
    QTest::newRow("Swiss German, with its point")
            << QLocale(QLocale::German, QLocale::Switzerland) << "4.47:1, just below 4.5:1"
            << "Lc 71.1"
            << "19.5 px, 14.5 px"
            << "21.00:1"
            << "4.5";
}

void tst_Assessment::numbersInTheLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, ratio);
    QFETCH(QString, lc);
    QFETCH(QString, fontSizes);
    QFETCH(QString, blackOnWhite);
    QFETCH(QString, minimum);
    Assessment assessment = assess(kWhite, gray(0x77), kBlack, locale);
    QCOMPARE(assessment.sample(1).ratioText, ratio);
    QCOMPARE(assessment.sample(1).lcText, lc);
    QCOMPARE(assessment.sample(1).fontSizes, fontSizes);
    QCOMPARE(assessment.sample(2).ratioText, blackOnWhite);
    const VisionAssessment &achromat = assessment.visions[size_t(Vision::Achromatopsia)];
    const QString ratioAlone = ratio.first(ratio.indexOf(u':') + 2); // "4.47:1"
    QCOMPARE(achromat.ratiosText, QStringLiteral("1: %1  2: %2").arg(ratioAlone, blackOnWhite));

    assessment.backgroundOutOfReach = 4.5;
    const QString report = formatReport(assessment);
    for (const QString &line :
         {QStringLiteral("Background: #FFFFFF"), QStringLiteral("Text Sample 1: #777777"),
          QStringLiteral("No background of this hue gives both samples %1:1").arg(minimum),
          QStringLiteral("Contrast ratio: %1").arg(ratio),
          QStringLiteral("1.4.3 AA normal text, %1:1: Fail").arg(minimum),
          QStringLiteral("APCA, advisory: %1, Content text; least for body text").arg(lc),
          QStringLiteral("Least size, weight 400, 700: %1").arg(fontSizes)})
        QVERIFY2(report.contains(QLatin1Char('\n') + line + QLatin1Char('\n')), qPrintable(line));
}

QTEST_GUILESS_MAIN(tst_Assessment)
#include "tst_assessment.moc"
