// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What screen readers learn of the controls the program draws itself: the sample area is a
// button that selects the Background target, the contrast checker's previews are pictures and
// its strips are sliders along a hue's lightness. Qt's own controls need nothing more than
// their accessible names.
namespace Tintora::Accessibility {

// Installs the program's accessible interfaces; the second and later calls do nothing.
void install();

} // namespace Tintora::Accessibility
