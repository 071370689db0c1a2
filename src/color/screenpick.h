// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color/color.h"

#include <QString>

#include <array>
#include <optional>

// The rules of picking a color from the screen that need no window: which way to take it on
// this desktop, and how to read the desktop portal's answer.
namespace Tintora::ScreenPick {

enum class Method {
    Grab,  // take a picture of every screen and let the user point into it
    Portal // ask the desktop's own picker through the XDG desktop portal
};

// Under Wayland no program may read the screen, and an X11 program running there reads black
// from the root window: the portal is the only way that works. Anywhere else the picture is
// taken directly, which gives the exact pixel and the loupe.
Method methodFor(const QString &platformName, const QString &waylandDisplay,
                 const QString &sessionType);

// The text of the error box when no pick can be made; reason says why (no final stop).
QString unavailable(const QString &reason);

// The handle_token of the n-th request: a valid object path element, different for every
// request of this process.
QString handleToken(quint64 serial, quint32 salt);

// The object path of the Request the portal makes for a token, as the portal documents it:
// the caller's unique bus name without its ':' and with '.' as '_'.
QString requestPath(const QString &uniqueName, const QString &token);

// A color component of the portal's answer (0..1) to the nearest of 0..255; nothing when it is
// not a number or does not round into that range.
std::optional<int> unitToComponent(double value);

// What a Response of the portal's PickColor request means.
struct Outcome
{
    enum class Kind { Picked, Cancelled, Failed };
    Kind kind = Kind::Failed;
    Color::ColorValue color = 0; // Picked
    QString reason;              // Failed: why, for unavailable()
};
// response: the Response signal's code (0 success, 1 cancelled, 2 ended otherwise); color: its
// "color" result (red, green, blue), when the answer held one of the right type.
Outcome readResponse(uint response, const std::optional<std::array<double, 3>> &color);

} // namespace Tintora::ScreenPick
