// SPDX-License-Identifier: GPL-3.0-or-later
#include "color/screenpick.h"

#include <cmath>

#include <QCoreApplication>

namespace Tintora::ScreenPick {

Method methodFor(const QString &platformName, const QString &waylandDisplay,
                 const QString &sessionType)
{
    if (platformName.startsWith(QLatin1String("wayland")))
        return Method::Portal;
    if (!waylandDisplay.isEmpty())
        return Method::Portal;
    if (sessionType.compare(QLatin1String("wayland"), Qt::CaseInsensitive) == 0)
        return Method::Portal;
    return Method::Grab;
}

QString unavailable(const QString &reason)
{
    return QCoreApplication::translate("ScreenPick",
                                       "Picking a color from the screen is not available on "
                                       "this desktop: %1")
            .arg(reason);
}

QString handleToken(quint64 serial, quint32 salt)
{
    return QStringLiteral("tintora_%1_%2").arg(serial).arg(salt, 8, 16, QLatin1Char('0'));
}

QString requestPath(const QString &uniqueName, const QString &token)
{
    QString sender = uniqueName;
    if (sender.startsWith(QLatin1Char(':')))
        sender.remove(0, 1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    return QStringLiteral("/org/freedesktop/portal/desktop/request/") + sender + QLatin1Char('/')
            + token;
}

std::optional<int> unitToComponent(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double scaled = std::round(value * 255.0); // halves away from zero: 0.5 gives 128
    if (scaled < 0.0 || scaled > 255.0)
        return std::nullopt;
    return int(scaled);
}

Outcome readResponse(uint response, const std::optional<std::array<double, 3>> &color)
{
    Outcome outcome;
    switch (response) {
    case 0:
        break;
    case 1:
        outcome.kind = Outcome::Kind::Cancelled;
        return outcome;
    case 2:
        outcome.reason = QCoreApplication::translate(
                "ScreenPick", "the desktop ended the pick without a color (response 2)");
        return outcome;
    default:
        outcome.reason =
                QCoreApplication::translate(
                        "ScreenPick", "the desktop answered the pick with the unknown response %1")
                        .arg(response);
        return outcome;
    }
    if (!color) {
        outcome.reason =
                QCoreApplication::translate("ScreenPick", "the desktop's answer held no color");
        return outcome;
    }
    const auto red = unitToComponent((*color)[0]);
    const auto green = unitToComponent((*color)[1]);
    const auto blue = unitToComponent((*color)[2]);
    if (!red || !green || !blue) {
        outcome.reason =
                QCoreApplication::translate("ScreenPick",
                                            "the desktop answered a color outside the range 0 to 1 "
                                            "(%1, %2, %3)")
                        .arg((*color)[0])
                        .arg((*color)[1])
                        .arg((*color)[2]);
        return outcome;
    }
    outcome.kind = Outcome::Kind::Picked;
    outcome.color = Color::pack(*red, *green, *blue);
    return outcome;
}

} // namespace Tintora::ScreenPick
