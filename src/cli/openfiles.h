// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// The files named on the command line, as the window opens them: a color list by its name file
// (.clr), also when its hex file (.hex) is named, once for the pair; anything else as a palette.
namespace Tintora::OpenFiles {

enum class Kind { List, Palette };

struct File
{
    QString path; // a list's name file
    Kind kind;
};

std::vector<File> plan(const QStringList &paths);

} // namespace Tintora::OpenFiles
