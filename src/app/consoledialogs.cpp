// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/consoledialogs.h"

namespace Tintora {

Dialogs::Answer ConsoleDialogs::message(QWidget *, const QString &, Type, Buttons buttons)
{
    // Nobody is there to answer: a question counts as declined, and one that can stop what
    // asked stops it, so that nothing is lost unasked.
    switch (buttons) {
    case Buttons::Ok:
        return Answer::Ok;
    case Buttons::YesNo:
        return Answer::No;
    case Buttons::YesNoCancel:
        return Answer::Cancel;
    case Buttons::RestoreDiscardLater:
        return Answer::Later;
    }
    return Answer::Ok;
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
