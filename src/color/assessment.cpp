// SPDX-License-Identifier: GPL-3.0-or-later
#include "color/assessment.h"

#include "core/vectorstate.h"

namespace Tintora::Contrast {

namespace {

SampleAssessment assessSample(ColorValue text, ColorValue background,
                              const std::array<ColorValue, 2> &samples, const QLocale &locale)
{
    SampleAssessment sample;
    sample.text = text;
    sample.ratio = contrastRatio(text, background);
    sample.ratioText = describeRatio(sample.ratio, locale);
    for (size_t i = 0; i < allLevels.size(); ++i) {
        RuleAssessment &rule = sample.rules[i];
        rule.level = allLevels[i];
        rule.minimum = minimumRatio(rule.level);
        rule.pass = passes(sample.ratio, rule.minimum);
        rule.justBelow = justBelow(sample.ratio, rule.minimum);
        if (!rule.pass) {
            rule.fixText = fixExists(background, rule.minimum) ? FixOutlook::Available
                                                               : FixOutlook::OutOfReach;
        }
        if (rule.fixText == FixOutlook::OutOfReach)
            sample.textFixOutOfReach = true;
        const bool bothPass = passes(contrastRatio(samples[0], background), rule.minimum)
                && passes(contrastRatio(samples[1], background), rule.minimum);
        rule.fixBackground = bothPass ? FixOutlook::NotNeeded : FixOutlook::Available;
    }

    sample.lc = apcaContrast(text, background);
    sample.lcText = formatLc(sample.lc, locale);
    sample.apcaReading = apcaReading(sample.lc);
    sample.fontSizes = fontSizesText(sample.lc, locale);
    const ApcaUse reached = apcaUse(sample.lc);
    for (size_t i = 0; i < judgedApcaUses.size(); ++i)
        sample.apcaPasses[i] = reached >= judgedApcaUses[i];
    return sample;
}

} // namespace

QString fontSizesText(double lc, const QLocale &locale)
{
    if (!apcaFontRow(lc))
        return apcaFontSize(lc, 400, locale);
    return QStringLiteral("%1, %2").arg(apcaFontSize(lc, 400, locale),
                                        apcaFontSize(lc, 700, locale));
}

Assessment assess(ColorValue background, ColorValue sample1, ColorValue sample2,
                  const QLocale &locale)
{
    VectorState::clearUpper();
    const std::array<ColorValue, 2> texts {sample1, sample2};
    Assessment assessment;
    assessment.locale = locale;
    assessment.background = background;
    for (size_t i = 0; i < texts.size(); ++i)
        assessment.samples[i] = assessSample(texts[i], background, texts, locale);

    PairAssessment &pair = assessment.textAgainstText;
    pair.ratio = contrastRatio(sample1, sample2);
    pair.ratioText = describeRatio(pair.ratio, std::span(&textAgainstTextMinimum, 1), locale);
    pair.pass = passes(pair.ratio, textAgainstTextMinimum);

    for (const Vision vision : allVisions) {
        VisionAssessment &seen = assessment.visions[size_t(vision)];
        seen.vision = vision;
        seen.background = simulate(background, vision);
        for (size_t i = 0; i < texts.size(); ++i) {
            seen.texts[i] = simulate(texts[i], vision);
            seen.ratios[i] = seenRatio(texts[i], background, vision);
        }
        seen.ratiosText = QStringLiteral("1: %1  2: %2")
                                  .arg(formatRatio(seen.ratios[0], locale),
                                       formatRatio(seen.ratios[1], locale));
    }
    return assessment;
}

} // namespace Tintora::Contrast
