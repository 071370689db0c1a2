// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color/notation.h"

#include <QString>
#include <QStringList>

// What the program is asked to do by its arguments. Read before any application object exists,
// so that the colors of --convert and --contrast are printed without a window system, and read
// whole: Qt's own options (-platform, -style, ...) are known here too and left to Qt.
namespace Tintora::CommandLine {

enum class Mode {
    Window,   // the main window, opening the files named
    Pick,     // one color from the screen, printed
    Convert,  // a color text, printed in another notation
    Contrast, // the contrast of text colors on a background
    Help,
    Version,
    UsageError,
};

struct Request
{
    Mode mode = Mode::Window;
    Notation::Form form = Notation::Form::Hex; // --format
    bool copy = false;                         // --copy
    bool json = false;                         // --json
    // Convert: the one color text (the words given, joined by spaces); Contrast: the background,
    // then one or two text colors.
    QStringList colors;
    QStringList files; // Window
    QString error;     // UsageError: what is wrong, for standard error
};

// arguments: the program's, its name first, as main() has them.
Request parse(const QStringList &arguments);

// Whether the mode needs a window system (a QApplication); the others run on QCoreApplication.
bool needsWindowSystem(Mode mode);

// Why no window system can be reached, for standard error; empty when one may be. Qt ends the
// process without a word of ours when its platform finds no display, so --pick asks first.
// platform: QT_QPA_PLATFORM; display, waylandDisplay: DISPLAY and WAYLAND_DISPLAY.
QString missingWindowSystem(const QString &platform, const QString &display,
                            const QString &waylandDisplay);

// The text of --help, in the language of the translators installed. Needs the application
// object, whose first argument names the program in the usage line.
QString helpText();
// The text of --version: "tintora 1.0".
QString versionText();

// The exit statuses: a cancelled pick is 1; text that is not a color, a usage error or a
// failure is 2.
inline constexpr int kSuccess = 0;
inline constexpr int kCancelled = 1;
inline constexpr int kFailure = 2;

} // namespace Tintora::CommandLine
