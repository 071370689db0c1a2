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
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return font;
}

} // namespace Tintora::LookAndFeel
