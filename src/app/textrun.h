// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/commandline.h"

// The commands that print text and need no window system (--convert, --contrast, --help,
// --version and every usage error), run on a QCoreApplication: no display, no Wayland, nothing
// but Qt Core is touched, so they work over ssh and start at once.
namespace Tintora::TextRun {

// Prints what the request asks for in the user's language and returns the exit status.
int run(int &argc, char **argv, const CommandLine::Request &request);

// The request as it is to be run: a pick that no window system can serve becomes the usage
// error saying so, as Qt would end the process without a word of ours.
CommandLine::Request checked(const CommandLine::Request &request);

} // namespace Tintora::TextRun
