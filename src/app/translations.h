// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>

namespace Tintora::Translations {

// Installs the translators for the locale's first language that is not English: our texts
// (built into the program) and Qt's own (qtbase, from Qt's translations folder). The texts are
// written in English, so an English or C locale loads nothing. Replaces the translators that an
// earlier call installed. Returns the language whose texts were installed, "de" or "fr", or an
// empty string when the program speaks English.
QString install(const QLocale &locale = QLocale::system());

// Removes the translators that install() put in place.
void uninstall();

} // namespace Tintora::Translations
