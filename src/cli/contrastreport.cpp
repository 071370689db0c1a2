// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/contrastreport.h"

#include "color/contrast.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <array>

namespace Tintora::ContrastReport {

namespace {

using Contrast::ApcaUse;

// The uses of APCA that the checker judges, with the names JSON gives them.
struct ApcaVerdict
{
    ApcaUse use;
    const char *jsonKey;
};
constexpr std::array<ApcaVerdict, 3> kApcaVerdicts {{
        {ApcaUse::BodyText, "bodyText"},
        {ApcaUse::ContentText, "contentText"},
        {ApcaUse::LargeText, "largeText"},
}};

QString verdict(bool pass)
{
    return pass ? QCoreApplication::translate("ContrastReport", "Pass")
                : QCoreApplication::translate("ContrastReport", "Fail");
}

QString ratioWithMinimum(double minimum)
{
    return Contrast::formatMinimum(minimum) + QStringLiteral(":1");
}

// "19.5 px, 14.5 px" at weights 400 and 700, or what the Lc is good for instead of text.
QString fontSizes(double lc)
{
    if (!Contrast::apcaFontRow(lc))
        return Contrast::apcaFontSize(lc, 400);
    return QStringLiteral("%1, %2").arg(Contrast::apcaFontSize(lc, 400),
                                        Contrast::apcaFontSize(lc, 700));
}

// The ratio as it is shown and judged: its hundredths, truncated.
double shownRatio(double ratio)
{
    return Contrast::ratioHundredths(ratio) / 100.0;
}

} // namespace

QString text(Color::ColorValue background, std::span<const Color::ColorValue> texts)
{
    QStringList lines;
    lines << QCoreApplication::translate("ContrastReport", "Background: %1")
                     .arg(Color::buildHex(background));
    for (size_t i = 0; i < texts.size(); ++i)
        lines << QCoreApplication::translate("ContrastReport", "Text %1: %2")
                         .arg(i + 1)
                         .arg(Color::buildHex(texts[i]));
    for (size_t i = 0; i < texts.size(); ++i) {
        const double ratio = Contrast::contrastRatio(texts[i], background);
        lines << QString();
        lines << QCoreApplication::translate("ContrastReport", "Text %1 on the background")
                         .arg(i + 1);
        lines << QCoreApplication::translate("ContrastReport", "Contrast ratio: %1")
                         .arg(Contrast::describeRatio(ratio));
        for (const Contrast::LevelRule &rule : Contrast::levelRules) {
            lines << QStringLiteral("%1, %2: %3")
                             .arg(Contrast::levelName(rule.level), ratioWithMinimum(rule.minimum),
                                  verdict(Contrast::passes(ratio, rule.level)));
        }
        const double lc = Contrast::apcaContrast(texts[i], background);
        lines << QCoreApplication::translate("ContrastReport", "APCA, advisory: %1, %2")
                         .arg(Contrast::formatLc(lc), Contrast::apcaReading(lc));
        lines << QCoreApplication::translate("ContrastReport", "Least size, weight 400, 700: %1")
                         .arg(fontSizes(lc));
        QStringList apcaVerdicts;
        for (const ApcaVerdict &apca : kApcaVerdicts)
            apcaVerdicts << verdict(Contrast::apcaUse(lc) >= apca.use);
        static_assert(kApcaVerdicts.size() == 3, "the line names its three uses");
        lines << QCoreApplication::translate("ContrastReport",
                                             "Body Lc %1, content %2, large %3: %4")
                         .arg(int(Contrast::apcaMinimum(kApcaVerdicts[0].use)))
                         .arg(int(Contrast::apcaMinimum(kApcaVerdicts[1].use)))
                         .arg(int(Contrast::apcaMinimum(kApcaVerdicts[2].use)))
                         .arg(apcaVerdicts.join(QStringLiteral(", ")));
    }
    if (texts.size() == 2) {
        const double pair = Contrast::contrastRatio(texts[0], texts[1]);
        lines << QString();
        lines << QCoreApplication::translate(
                         "ContrastReport", "Text against text (a link among body text), %1: %2, %3")
                         .arg(ratioWithMinimum(Contrast::textAgainstTextMinimum),
                              Contrast::describeRatio(pair),
                              verdict(Contrast::passes(pair, Contrast::textAgainstTextMinimum)));
    }
    lines << QString();
    lines << QCoreApplication::translate("ContrastReport",
                                         "Large text: at least 18 pt, or 14 pt bold");
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QByteArray json(Color::ColorValue background, std::span<const Color::ColorValue> texts)
{
    QJsonArray judged;
    for (const Color::ColorValue text : texts) {
        const double ratio = Contrast::contrastRatio(text, background);
        QJsonArray wcag;
        for (const Contrast::LevelRule &rule : Contrast::levelRules) {
            wcag.append(QJsonObject {
                    {QStringLiteral("criterion"), QLatin1String(rule.criterion)},
                    {QStringLiteral("conformance"), QLatin1String(rule.conformance)},
                    {QStringLiteral("appliesTo"), QLatin1String(rule.appliesTo)},
                    {QStringLiteral("minimum"), rule.minimum},
                    {QStringLiteral("pass"), Contrast::passes(ratio, rule.level)},
            });
        }
        const double lc = Contrast::apcaContrast(text, background);
        QJsonObject apca {
                {QStringLiteral("lc"), Contrast::lcTenths(lc) / 10.0},
                {QStringLiteral("reading"),
                 QLatin1String(Contrast::apcaUseRule(Contrast::apcaUse(lc)).reading)},
        };
        if (const auto row = Contrast::apcaFontRow(lc)) {
            apca.insert(QStringLiteral("leastFontSize"),
                        QJsonObject {{QStringLiteral("weight400"), row->weight400},
                                     {QStringLiteral("weight700"), row->weight700}});
        } else {
            apca.insert(QStringLiteral("leastFontSize"), QJsonValue::Null);
        }
        for (const ApcaVerdict &verdictOf : kApcaVerdicts)
            apca.insert(QLatin1String(verdictOf.jsonKey), Contrast::apcaUse(lc) >= verdictOf.use);
        judged.append(QJsonObject {
                {QStringLiteral("color"), Color::buildHex(text)},
                {QStringLiteral("ratio"), shownRatio(ratio)},
                {QStringLiteral("wcag"), wcag},
                {QStringLiteral("apca"), apca},
        });
    }
    QJsonObject report {
            {QStringLiteral("background"), Color::buildHex(background)},
            {QStringLiteral("texts"), judged},
    };
    if (texts.size() == 2) {
        const double pair = Contrast::contrastRatio(texts[0], texts[1]);
        report.insert(QStringLiteral("textAgainstText"),
                      QJsonObject {
                              {QStringLiteral("ratio"), shownRatio(pair)},
                              {QStringLiteral("minimum"), Contrast::textAgainstTextMinimum},
                              {QStringLiteral("pass"),
                               Contrast::passes(pair, Contrast::textAgainstTextMinimum)},
                      });
    }
    return QJsonDocument(report).toJson(QJsonDocument::Indented);
}

} // namespace Tintora::ContrastReport
