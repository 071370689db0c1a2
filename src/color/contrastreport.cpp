// SPDX-License-Identifier: GPL-3.0-or-later
#include "color/contrastreport.h"

#include <QCoreApplication>
#include <QStringList>

namespace Tintora::Contrast {

QString verdictText(bool pass)
{
    return pass ? QCoreApplication::translate("ContrastReport", "Pass")
                : QCoreApplication::translate("ContrastReport", "Fail");
}

QString noTextFixText()
{
    return QCoreApplication::translate("ContrastReport", "No color of this hue passes");
}

QString noBackgroundFixText(double minimum, const QLocale &locale)
{
    return QCoreApplication::translate("ContrastReport",
                                       "No background of this hue gives both samples %1:1")
            .arg(formatMinimum(minimum, locale));
}

QString formatReport(const Assessment &assessment)
{
    const QLocale &locale = assessment.locale;
    QStringList lines;
    lines << QCoreApplication::translate("ContrastReport", "Contrast Checker");
    lines << QCoreApplication::translate("ContrastReport", "Background: %1")
                     .arg(Color::buildHex(assessment.background));
    for (int number = 1; number <= 2; ++number)
        lines << QCoreApplication::translate("ContrastReport", "Text Sample %1: %2")
                         .arg(number)
                         .arg(Color::buildHex(assessment.sample(number).text));
    if (assessment.backgroundOutOfReach)
        lines << noBackgroundFixText(*assessment.backgroundOutOfReach, locale);

    const auto least = [](ApcaUse use) { return int(apcaMinimum(use)); };
    static_assert(judgedApcaUses.size() == 3, "the row names its three uses in one sentence");
    const QString apcaUsesName =
            QCoreApplication::translate("ContrastReport", "Body Lc %1, content %2, large %3")
                    .arg(least(judgedApcaUses[0]))
                    .arg(least(judgedApcaUses[1]))
                    .arg(least(judgedApcaUses[2]));
    for (int number = 1; number <= 2; ++number) {
        const SampleAssessment &sample = assessment.sample(number);
        lines << QString();
        lines << QCoreApplication::translate("ContrastReport", "Text Sample %1 on the background")
                         .arg(number);
        lines << QCoreApplication::translate("ContrastReport", "Contrast ratio: %1")
                         .arg(sample.ratioText);
        for (const RuleAssessment &rule : sample.rules)
            lines << QStringLiteral("%1, %2:1: %3")
                             .arg(levelName(rule.level), formatMinimum(rule.minimum, locale),
                                  verdictText(rule.pass));
        lines << QStringLiteral("%1: %2, %3")
                         .arg(QCoreApplication::translate("ContrastReport", "APCA, advisory"),
                              sample.lcText, sample.apcaReading);
        lines << QStringLiteral("%1: %2").arg(
                QCoreApplication::translate("ContrastReport", "Least size, weight 400, 700"),
                sample.fontSizes);
        QStringList verdicts;
        for (const bool pass : sample.apcaPasses)
            verdicts << verdictText(pass);
        lines << QStringLiteral("%1: %2").arg(apcaUsesName, verdicts.join(u", "));
        if (sample.textFixOutOfReach)
            lines << noTextFixText();
    }

    const PairAssessment &pair = assessment.textAgainstText;
    lines << QString();
    lines << QStringLiteral("%1: %2, %3")
                     .arg(QCoreApplication::translate(
                                  "ContrastReport",
                                  "Text against text (a link among body text), %1:1")
                                  .arg(formatMinimum(textAgainstTextMinimum, locale)),
                          pair.ratioText, verdictText(pair.pass));
    lines << QCoreApplication::translate("ContrastReport",
                                         "Large text: at least 18 pt, or 14 pt bold");
    lines << QString();
    lines << QCoreApplication::translate("ContrastReport",
                                         "As seen with a color vision deficiency (simulated):");
    for (const VisionAssessment &seen : assessment.visions)
        lines << QStringLiteral("%1: %2").arg(visionName(seen.vision), seen.ratiosText);
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace Tintora::Contrast
