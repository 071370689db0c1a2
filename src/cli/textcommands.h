// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/commandline.h"

#include <QString>

// The commands that need no window system: --convert, --contrast, --help and --version, as
// what they print and the status they exit with.
namespace Tintora::TextCommands {

struct Outcome
{
    int exitCode = CommandLine::kSuccess;
    QString out; // for standard output
    QString err; // for standard error
};

// Runs a request whose mode needs no window system; a usage error is reported as one.
Outcome run(const CommandLine::Request &request);

// "tintora: 'text' is not a color": what standard error says about a text that is not a color.
QString notAColor(const QString &text);

} // namespace Tintora::TextCommands
