// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/dialogs.h"
#include "choices.h"

#include <QMap>
#include <QObject>
#include <QStringList>

#include <memory>

class TForm1;

// A user who does anything at all to the main window, one action at a time, with every dialog
// answered from the same choices: typing any text into the fields and the name box, dragging the
// scroll bars, switching targets, the color dialog, the list (enable and disable, add, delete
// with and without a selection, grid double clicks and in-place edits), loading and saving real
// files in a folder full of good and bad ones, and the window commands. After each action
// check() tells whether the window still holds together. Used by the window fuzzer and by the
// seeded random user of the test suite.
class UserSimulator : public QObject, private Tintora::Dialogs
{
public:
    // folder: an empty folder the simulation owns; it fills it with list files.
    UserSimulator(Choices &choices, const QString &folder);
    ~UserSimulator() override;

    // Puts the folder's files back as they were made (the fuzzer does so for each input).
    void resetFolder();

    // Opens a fresh main window; ends the one before, if any.
    void startSession();
    // Whether the window is still open; an accepted close ends the session.
    bool sessionOpen() const;
    TForm1 *form() const { return m_form.get(); }

    // Does one action and says what it was.
    QString act();
    // What no longer holds together after the last action, or an empty string.
    QString check();

    // The last actions, oldest first, to report with a failure.
    QStringList recentActions() const { return m_recent; }
    int errorBoxes() const { return m_errorBoxes; }
    int savesChecked() const { return m_savesChecked; }
    int loadsChecked() const { return m_loadsChecked; }
    // Actions after which the hex text, the fields and the bars were found in agreement.
    int colorsChecked() const { return m_colorsChecked; }

private:
    // Dialogs, answered from the choices.
    Answer message(QWidget *parent, const QString &text, Type type, Buttons buttons) override;
    void error(QWidget *parent, const QString &text) override;
    std::optional<Tintora::Color::ColorValue> chooseColor(
            QWidget *parent, const Tintora::ColorRequest &request) override;
    std::optional<Tintora::FileChoice> chooseFile(QWidget *parent,
                                                  const Tintora::FileRequest &request) override;
    std::optional<int> chooseNumber(QWidget *parent,
                                    const Tintora::NumberRequest &request) override;
    void about(QWidget *parent) override;

    struct ListSnapshot
    {
        QStringList names;
        QStringList hexes; // every row's hex cell, the blank row's included
        bool operator==(const ListSnapshot &) const = default;
    };
    using Tree = QMap<QString, QByteArray>;

    void activate();
    ListSnapshot snapshot() const;
    Tree tree() const;
    QString path(const QString &name) const;
    template<typename T>
    T *child(const char *name) const;

    QString doAction();
    QString typeIntoField();
    QString moveScrollBar();
    QString chooseTarget();
    QString editNameBox();
    QString chooseFromNameBox();
    QString doubleClickGrid();
    QString editGridCell();
    QString windowCommand();

    QString checkListChange();
    QString checkColors();
    QString checkList();
    QString checkFiles();
    QString checkErrors();

    Choices &m_choices;
    QString m_folder;
    Dialogs *m_previousDialogs = nullptr;
    std::unique_ptr<TForm1> m_form;
    QStringList m_recent;

    // What the last action did, as the dialogs and the window told.
    QStringList m_errors;
    QStringList m_filesChosen;  // paths the file dialogs returned
    QString m_openedPath;       // the path the open dialog returned
    int m_errorsBeforeOpen = 0; // errors shown before that
    bool m_updated = false;     // Update ran to its end
    bool m_fileAction = false;
    bool m_copied = false;
    ListSnapshot m_before;
    // How the last action may change the list, and what it would change it with.
    enum class ListChange { None, Add, Delete, Edit, Load };
    ListChange m_change = ListChange::None;
    QString m_nameBefore; // the name box's text
    int m_selectedBefore = -1;
    QString m_hexBefore; // the hex field's text
    bool m_listsEnabledBefore = false;
    int m_editRow = 0;
    int m_editColumn = 0;
    QString m_editText;
    QString m_fileBefore; // the current list file when the action began
    Tree m_tree;          // the folder as the last check left it

    // The hex field, the decimal fields and the bars agree: true after an Update that ran to its
    // end, false after a conversion error (the bad text stays until the user corrects it).
    bool m_consistent = true;
    // The current color has no value of its own until the first Update of a window sets it.
    bool m_currentColorSet = false;
    int m_errorBoxes = 0;
    int m_savesChecked = 0;
    int m_loadsChecked = 0;
    int m_colorsChecked = 0;
};
