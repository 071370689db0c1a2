// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>

namespace Tintora::Translations {

// Installs the translators for the first of the locale's languages (uiLanguages()) that the
// program speaks: our texts (built into the program) and Qt's own (qtbase, from Qt's translations
// folder). The texts are written in English, so English, or the C locale, loads nothing. Replaces
// the translators of an earlier call. Returns the language installed, "de" or "fr", or an empty
// string when the program speaks English.
QString install(const QLocale &locale = QLocale::system());

// Removes the translators that install() put in place.
void uninstall();

} // namespace Tintora::Translations
