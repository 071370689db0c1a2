// SPDX-License-Identifier: GPL-3.0-or-later
#include "scripteddialogs.h"

#include <QFileDialog>

using namespace Tintora;

ScriptedDialogs::ScriptedDialogs() : m_previous(Dialogs::install(this)) { }

ScriptedDialogs::~ScriptedDialogs()
{
    Dialogs::install(m_previous);
}

void ScriptedDialogs::clear()
{
    answers.clear();
    colors.clear();
    files.clear();
    messages.clear();
    errors.clear();
    unexpected.clear();
    fileDialogs.clear();
    colorDialogInitial.clear();
}

Dialogs::Answer ScriptedDialogs::message(QWidget *, const QString &text, Type type, Buttons buttons)
{
    messages.append({text, type, buttons});
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    if (answers.isEmpty()) {
        unexpected.append(text);
        return Answer::No;
    }
    return answers.dequeue();
}

void ScriptedDialogs::error(QWidget *, const QString &text)
{
    errors.append(text);
}

std::optional<Color::ColorValue> ScriptedDialogs::chooseColor(QColorDialog *,
                                                              Color::ColorValue initial)
{
    colorDialogInitial.append(initial);
    if (colors.isEmpty()) {
        unexpected.append(QStringLiteral("color dialog"));
        return std::nullopt;
    }
    return colors.dequeue();
}

std::optional<QString> ScriptedDialogs::chooseFile(QFileDialog *dialog)
{
    fileDialogs.append(dialog->objectName());
    if (files.isEmpty()) {
        unexpected.append(dialog->objectName());
        return std::nullopt;
    }
    return files.dequeue();
}
