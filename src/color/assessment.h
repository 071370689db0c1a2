// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color/contrast.h"

#include <QLocale>
#include <QString>

#include <array>
#include <optional>

// Everything the contrast checker shows about a background and its two sample texts, judged
// once: the window draws it and the report is written from it, so neither decides anything.
namespace Tintora::Contrast {

// What a Fix button can do for a rule.
enum class FixOutlook {
    NotNeeded,  // the rule passes already
    Available,  // a color of the hue may pass: for a text it does; for the background only the
                // search when asked tells (it weighs every color of the hue, too slow for
                // every step of a drag)
    OutOfReach, // no color of the hue passes
};

// One rule of levelRules for one sample on the background.
struct RuleAssessment
{
    Level level = Level::AaNormal;
    double minimum = 0;
    bool pass = false;
    bool justBelow = false;                     // a fail within five hundredths of the minimum
    FixOutlook fixText = FixOutlook::NotNeeded; // this sample's text
    FixOutlook fixBackground = FixOutlook::NotNeeded; // the background, for both samples
};

// One sample text on the background.
struct SampleAssessment
{
    ColorValue text = 0;
    double ratio = 1;
    QString ratioText; // "4.47:1, just below 4.5:1"
    std::array<RuleAssessment, allLevels.size()> rules;
    // Some rule fails and no text of the sample's hue passes it.
    bool textFixOutOfReach = false;
    double lc = 0;
    QString lcText;      // "Lc 71.1"
    QString apcaReading; // "Content text; least for body text"
    QString fontSizes;   // "19.5 px, 14.5 px" at weights 400 and 700, or what the Lc is for
    std::array<bool, judgedApcaUses.size()> apcaPasses {}; // as judgedApcaUses
};

// The two samples against each other, judged by textAgainstTextMinimum alone.
struct PairAssessment
{
    double ratio = 1;
    QString ratioText;
    bool pass = false;
};

// The three colors as seen with a color vision deficiency.
struct VisionAssessment
{
    Vision vision = Vision::Protanopia;
    ColorValue background = 0;
    std::array<ColorValue, 2> texts {};
    std::array<double, 2> ratios {};
    QString ratiosText; // "1: 4.47:1  2: 16.00:1"
};

struct Assessment
{
    // The locale that the texts write their numbers in.
    QLocale locale = QLocale::c();
    ColorValue background = 0;
    std::array<SampleAssessment, 2> samples;
    PairAssessment textAgainstText;
    std::array<VisionAssessment, allVisions.size()> visions;
    // Left empty by assess(): set when Fix background searched the hue in vain, to the minimum
    // that no background of the hue gives both samples.
    std::optional<double> backgroundOutOfReach;

    const SampleAssessment &sample(int number) const { return samples[size_t(number - 1)]; }
};

// The texts write their numbers as the locale does: the checker's in the language of the
// program's texts, whose report they also make.
Assessment assess(ColorValue background, ColorValue sample1, ColorValue sample2,
                  const QLocale &locale = QLocale::c());

// "19.5 px, 14.5 px" at weights 400 and 700, or what the Lc is good for instead of text.
QString fontSizesText(double lc, const QLocale &locale = QLocale::c());

} // namespace Tintora::Contrast
