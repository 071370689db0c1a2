// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QTextBrowser;

namespace Tintora {

// The help viewer. The program names its help the way the help system of its first platform
// did, by a help file name and a context number; the manual behind each name is a set of HTML
// pages built into the program under :/help/<base name of the help file, in lower case>/.
namespace Help {

// Shows the topic with the given context number (0: the contents) of a help file in the help
// window, opening the window or bringing the open one to the front. The window is not modal:
// the caller goes on at once. Throws Error when the help file or topic does not exist.
void showContext(const QString &helpFile, int context);

// The help window while it is open, otherwise null.
QTextBrowser *window();

} // namespace Help

} // namespace Tintora
