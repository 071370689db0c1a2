// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QImage>
#include <QList>
#include <QString>

// How the program presents itself to the desktop it runs on, and what that desktop lets it do
// with its windows.
namespace Tintora::Desktop {

// The application id: the name of the desktop file, of the AppStream component and of the
// icon in the icon theme. Docks, task bars and portals match the program's windows to its
// desktop file by it.
inline constexpr char kApplicationId[] = "org.tintora.Tintora";

// The program's icon at every size a window's icon is drawn in, so that each place it is shown
// (title bar, task switcher) picks a picture drawn for that size instead of a scaled one. The
// installed icon theme has 256 and 512 pixels too, for docks and menus.
QIcon icon();
// Its pictures, made once and kept; any thread may ask for them.
const QList<QImage> &iconPictures();
// The sizes icon() has, in pixels.
QList<int> iconSizes();

// Names the program's desktop file and sets its icon as every window's default. Needs the
// application object.
void integrate();

// Under Wayland the compositor alone stacks and places windows: a program can neither keep its
// window above the others nor put a window at a position of its choosing. The platform is the
// Qt platform plugin's name (QGuiApplication::platformName()).
bool isWayland(const QString &platformName);
bool canKeepAbove(const QString &platformName);
bool canPlaceWindows(const QString &platformName);
// The same for the platform the program runs on.
bool canKeepAbove();
bool canPlaceWindows();

// Why "Stay on Top" is not offered where it cannot work.
QString keepAboveUnavailableHint();

} // namespace Tintora::Desktop
