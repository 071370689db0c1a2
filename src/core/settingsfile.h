// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace Tintora::Settings {

// The user's settings file, tintora/tintora.conf in the XDG configuration folder
// ($XDG_CONFIG_HOME, else ~/.config), for QSettings in the INI format. The path is looked up
// on each call, so that a changed environment (a test's temporary HOME) counts.
QString fileName();

} // namespace Tintora::Settings
