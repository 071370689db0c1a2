// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/lookandfeel.h"

#include <QApplication>

namespace Tintora::LookAndFeel {

QFont systemFont(int pixelSize, bool bold)
{
    QFont font = QApplication::font();
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QFont sampleFont(int pixelSize)
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    // Advances hinted to whole pixels, as the sentences were set on the screen they were
    // measured for: unhinted, the first sentence runs two pixels past its label and its last
    // word wraps out of sight.
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return font;
}

} // namespace Tintora::LookAndFeel
