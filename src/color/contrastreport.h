// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color/assessment.h"

#include <QString>

// The contrast checker's judgement as plain text, the checker's "Copy Report". The verdicts and
// notes are written here for the window too (context "ContrastReport"), so that the window and
// its report say the same in every language.
namespace Tintora::Contrast {

// The three colors, every ratio and verdict, APCA and the color vision ratios, a line each,
// ending in a line break. The numbers are written in the assessment's locale; the colors stay
// #RRGGBB whatever the language, as other programs read them.
QString formatReport(const Assessment &assessment);

// "Pass" or "Fail".
QString verdictText(bool pass);
// What a sample's column says when no text of its hue passes some rule.
QString noTextFixText();
// What Fix background says when no background of the hue gives both samples the minimum.
QString noBackgroundFixText(double minimum, const QLocale &locale = QLocale::c());

} // namespace Tintora::Contrast
