// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/consoledialogs.h"

namespace Tintora {

Dialogs::Answer ConsoleDialogs::message(QWidget *, const QString &, Type, Buttons buttons)
{
    // Nobody is there to answer: a question counts as declined.
    return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
}

void ConsoleDialogs::error(QWidget *, const QString &text)
{
    if (onError)
        onError(text);
}

std::optional<Color::ColorValue> ConsoleDialogs::chooseColor(QWidget *, const ColorRequest &)
{
    return std::nullopt;
}

std::optional<FileChoice> ConsoleDialogs::chooseFile(QWidget *, const FileRequest &)
{
    return std::nullopt;
}

std::optional<int> ConsoleDialogs::chooseNumber(QWidget *, const NumberRequest &)
{
    return std::nullopt;
}

void ConsoleDialogs::about(QWidget *) { }

} // namespace Tintora
