// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>
#include <QString>

#include <functional>

class QWidget;

// Errors shown in the error box are logged here too ("tintora.errors").
Q_DECLARE_LOGGING_CATEGORY(lcErrors)

namespace Tintora {

// Program-wide facts and the one door through which events reach our handlers.
namespace Application {

// The title shown as the caption of error boxes ("Tintora - version 1.0").
QString title();
void setTitle(const QString &title);

// The help file the Help menu opens.
QString helpFile();
void setHelpFile(const QString &fileName);

// The longest message the error box shows; longer ones lose their middle to an ellipsis, so that
// the box fits the screen and its OK button can be reached.
inline constexpr qsizetype kMaxMessageLength = 400;

// Runs one event handler. Every event that enters our code from Qt comes through here: an
// error escaping the handler ends it and is shown in the error box (its message followed by
// "."), and the program goes on with the next event. Nothing ever unwinds into Qt.
void runHandler(QWidget *window, const std::function<void()> &handler) noexcept;

} // namespace Application

} // namespace Tintora
