// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Text as the program shows it to the user.
namespace Tintora::Text {

// The text itself when it has at most maxLength characters; otherwise its beginning and its end
// with an ellipsis between them, maxLength characters in all, so that a message quoting a
// pasted megabyte still fits on the screen. A character is never cut in half.
QString elideMiddle(const QString &text, qsizetype maxLength);

// The text itself when it has at most maxLength characters; otherwise its beginning with an
// ellipsis after it, maxLength characters in all. A character is never cut in half.
QString elideEnd(const QString &text, qsizetype maxLength);

} // namespace Tintora::Text
