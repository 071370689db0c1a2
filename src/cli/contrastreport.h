// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color/color.h"

#include <QByteArray>
#include <QString>

#include <span>

// What --contrast prints for a background and one or two text colors: every verdict the
// contrast checker shows for them, as text for people (translated, in the checker's words and
// numbers) or as JSON for programs (never translated).
namespace Tintora::ContrastReport {

// texts: one or two text colors; with two, they are judged against each other too.
QString text(Color::ColorValue background, std::span<const Color::ColorValue> texts);
QByteArray json(Color::ColorValue background, std::span<const Color::ColorValue> texts);

} // namespace Tintora::ContrastReport
