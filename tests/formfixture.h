// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scripteddialogs.h"
#include "ui/tform1.h"

#include <QTest>

#include <memory>

// A fresh main window for each test, shown offscreen, with scripted dialogs.
class FormFixture
{
public:
    void create(int pixelsPerInch = 96)
    {
        dialogs.clear();
        form = std::make_unique<TForm1>(nullptr, pixelsPerInch);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void destroy()
    {
        if (form) {
            // Closing would ask about unsaved lists; the tests close explicitly where they mean to.
            form->hide();
            form.reset();
        }
    }

    template<typename T>
    T *child(const char *name) const
    {
        T *widget = form->findChild<T *>(QLatin1String(name));
        if (!widget)
            qFatal("no child named %s", name);
        return widget;
    }

    ScriptedDialogs dialogs;
    std::unique_ptr<TForm1> form;
};
