// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settingsfile.h"

#include <QStandardPaths>

namespace Tintora::Settings {

QString fileName()
{
    // The file QSettings(IniFormat, UserScope, "tintora", "tintora") would choose; named here
    // so that it needs no organisation set on the application, and tests can move it.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
            + QStringLiteral("/tintora/tintora.conf");
}

} // namespace Tintora::Settings
