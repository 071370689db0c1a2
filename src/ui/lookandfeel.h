// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QObject>

// What the program's windows share in look: their gray, their typefaces and how their controls
// are named.
namespace Tintora::LookAndFeel {

// The classic application-workspace gray the main window and the About box are painted in.
inline const QColor workspaceColor {128, 128, 128};

// The platform's UI typeface at a pixel size (the layout's "System" font).
QFont systemFont(int pixelSize, bool bold = false);

// The bold serif of the sample sentences ("Times New Roman" or its metric twin).
QFont sampleFont(int pixelSize);

// Gives a new control its design name, by which tests and tools find it.
template<typename T>
T *named(T *object, const char *name)
{
    object->setObjectName(QLatin1String(name));
    return object;
}

} // namespace Tintora::LookAndFeel
