// SPDX-License-Identifier: GPL-3.0-or-later
#include "scripteddialogs.h"

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
    fileFilters.clear();
    numbers.clear();
    messages.clear();
    errors.clear();
    unexpected.clear();
    fileDialogs.clear();
    fileRequests.clear();
    numberRequests.clear();
    colorDialogInitial.clear();
    aboutBoxes = 0;
}

QString ScriptedDialogs::surprises() const
{
    QStringList lines;
    for (const QString &text : unexpected)
        lines.append(QStringLiteral("unexpected dialog: ") + text);
    for (const QString &text : errors)
        lines.append(QStringLiteral("error box: ") + text);
    return lines.join(u'\n');
}

Dialogs::Answer ScriptedDialogs::message(QWidget *, const QString &text, Type type, Buttons buttons)
{
    messages.append({text, type, buttons});
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    if (answers.isEmpty()) {
        unexpected.append(text);
        if (buttons == Buttons::RestoreDiscardLater)
            return Answer::Later;
        return buttons == Buttons::YesNoCancel ? Answer::Cancel : Answer::No;
    }
    return answers.dequeue();
}

void ScriptedDialogs::error(QWidget *, const QString &text)
{
    errors.append(text);
}

std::optional<Color::ColorValue> ScriptedDialogs::chooseColor(QWidget *,
                                                              const ColorRequest &request)
{
    colorDialogInitial.append(request.initial);
    if (colors.isEmpty()) {
        unexpected.append(QStringLiteral("color dialog"));
        return std::nullopt;
    }
    return colors.dequeue();
}

std::optional<FileChoice> ScriptedDialogs::chooseFile(QWidget *, const FileRequest &request)
{
    fileDialogs.append(request.name);
    fileRequests.append(request);
    if (files.isEmpty()) {
        unexpected.append(request.name);
        return std::nullopt;
    }
    const std::optional<QString> path = files.dequeue();
    const int filter = fileFilters.isEmpty() ? 0 : fileFilters.dequeue();
    if (!path)
        return std::nullopt;
    return FileChoice {*path, filter};
}

std::optional<int> ScriptedDialogs::chooseNumber(QWidget *, const NumberRequest &request)
{
    numberRequests.append(request);
    if (numbers.isEmpty()) {
        unexpected.append(request.name);
        return std::nullopt;
    }
    return numbers.dequeue();
}

void ScriptedDialogs::about(QWidget *)
{
    ++aboutBoxes;
}
