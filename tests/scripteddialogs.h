// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/dialogs.h"

#include <QList>
#include <QQueue>
#include <QStringList>

// Answers the program's dialogs from a script and records what was asked. A dialog that the
// script did not expect is answered No, Later or Cancel and recorded in unexpected.
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
    QQueue<int> fileFilters; // the filter chosen with each file; the first when none is queued
    QQueue<std::optional<int>> numbers;

    // Record.
    QList<Message> messages;
    QStringList errors;
    QStringList unexpected;
    QStringList fileDialogs; // the design name of each file dialog run
    QList<Tintora::FileRequest> fileRequests;
    QList<Tintora::NumberRequest> numberRequests;
    QList<Tintora::Color::ColorValue> colorDialogInitial;
    int aboutBoxes = 0;

    void clear();
    // The unexpected dialogs and the error boxes, one a line; empty when there were none.
    QString surprises() const;

    Answer message(QWidget *parent, const QString &text, Type type, Buttons buttons) override;
    void error(QWidget *parent, const QString &text) override;
    std::optional<Tintora::Color::ColorValue> chooseColor(
            QWidget *parent, const Tintora::ColorRequest &request) override;
    std::optional<Tintora::FileChoice> chooseFile(QWidget *parent,
                                                  const Tintora::FileRequest &request) override;
    std::optional<int> chooseNumber(QWidget *parent,
                                    const Tintora::NumberRequest &request) override;
    void about(QWidget *parent) override;

private:
    Tintora::Dialogs *m_previous;
};
