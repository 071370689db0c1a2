// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scripteddialogs.h"
#include "ui/tform1.h"
#include "windowactivation.h"

#include <QTest>

#include <memory>

class QAction;

// Fails the running test when a dialog came that the test did not script, or an error box.
#define VERIFY_NO_SURPRISES(dialogs) \
    QVERIFY2((dialogs).surprises().isEmpty(), qPrintable((dialogs).surprises()))

// The fixture of the window suites: a fresh main window for each test, shown offscreen, with
// scripted dialogs, and the steps a user takes in it.
class FormFixture
{
public:
    // The window at the given density; active (focused) when asked.
    void create(int pixelsPerInch = 96, bool activate = false);
    // Hides the window and lets it go. Closing would ask about unsaved lists; the tests close
    // explicitly where they mean to.
    void destroy();

    template<typename T = QWidget>
    T *child(const char *name) const
    {
        T *widget = form->findChild<T *>(QLatin1String(name));
        if (!widget)
            qFatal("no child named %s in the main window", name);
        return widget;
    }
    QAction *action(const char *name) const;

    // As the user would: Options > Enable Lists when lists are off.
    void enableLists();
    // Sets the current color through the decimal fields, typed as a user types.
    void setColor(const QString &hex);
    // Sets the color, types the name into the name box and clicks "Add To List".
    void addEntry(const QString &name, const QString &hex);
    // Moves a scroll bar as a drag does: Qt's valueChanged reaches the handler.
    void dragBar(const char *name, int position);
    // Clicks a button of the main window.
    void click(const char *name);

    ScriptedDialogs dialogs;
    std::unique_ptr<TForm1> form;
};
