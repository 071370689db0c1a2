// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/dialogs.h"

#include <QList>
#include <QQueue>
#include <QStringList>

// Answers the program's dialogs from a script and records what was shown. A dialog that the
// script did not expect is answered No or Cancel and recorded in unexpected.
class ScriptedDialogs : public Tintora::Dialogs
{
public:
    ScriptedDialogs();
    ~ScriptedDialogs() override;

    struct Message
    {
        QString text;
        Type type;
        Buttons buttons;
    };

    // Script.
    QQueue<Answer> answers;
    QQueue<std::optional<Tintora::Color::ColorValue>> colors;
    QQueue<std::optional<QString>> files;

    // Record.
    QList<Message> messages;
    QStringList errors;
    QStringList unexpected;
    QStringList fileDialogs; // objectName of each file dialog run
    QList<Tintora::Color::ColorValue> colorDialogInitial;

    void clear();

    Answer message(QWidget *parent, const QString &text, Type type, Buttons buttons) override;
    void error(QWidget *parent, const QString &text) override;
    std::optional<Tintora::Color::ColorValue> chooseColor(
            QColorDialog *dialog, Tintora::Color::ColorValue initial) override;
    std::optional<QString> chooseFile(QFileDialog *dialog) override;

private:
    Tintora::Dialogs *m_previous;
};
