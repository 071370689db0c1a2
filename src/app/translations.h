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
//
// The numbers and dates that the windows show follow the language of the texts: the default
// locale (QLocale(), which widgets take) becomes the given one where it is of that language
// (de_CH keeps its own "14.5"), else the language's own ("14,5 px" in German texts on an
// Italian system, "14.5 px" in English ones); the C locale stays C. What is written for other
// programs to read is no concern of this: it is written in the C locale.
QString install(const QLocale &locale = QLocale::system());

// Removes the translators that install() put in place and gives back the default locale.
void uninstall();

} // namespace Tintora::Translations
