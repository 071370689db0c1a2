// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color/color.h"

#include <QString>

#include <optional>

class QColorDialog;
class QFileDialog;
class QWidget;

namespace Tintora {

// Every modal dialog the program shows goes through here, so that tests can answer them.
// The program installs QtDialogs; tests install a scripted implementation.
class Dialogs
{
public:
    enum class Type { Warning, Confirmation };
    enum class Buttons { Ok, YesNo };
    enum class Answer { Ok, Yes, No };

    virtual ~Dialogs() = default;

    // A warning with OK ("Warning") or a question with Yes and No ("Confirm").
    virtual Answer message(QWidget *parent, const QString &text, Type type, Buttons buttons) = 0;

    // The error box: text, the application title as caption, a stop icon and OK.
    virtual void error(QWidget *parent, const QString &text) = 0;

    // Runs the color chooser on the given color; the chosen color, or nothing when cancelled.
    virtual std::optional<Color::ColorValue> chooseColor(QColorDialog *dialog,
                                                         Color::ColorValue initial) = 0;

    // Runs an open or save dialog; the chosen path, or nothing when cancelled.
    virtual std::optional<QString> chooseFile(QFileDialog *dialog) = 0;

    static Dialogs &instance();
    // Installs another implementation (tests); returns the previous one.
    static Dialogs *install(Dialogs *dialogs);
};

// The real Qt dialogs.
class QtDialogs : public Dialogs
{
public:
    Answer message(QWidget *parent, const QString &text, Type type, Buttons buttons) override;
    void error(QWidget *parent, const QString &text) override;
    std::optional<Color::ColorValue> chooseColor(QColorDialog *dialog,
                                                 Color::ColorValue initial) override;
    std::optional<QString> chooseFile(QFileDialog *dialog) override;
};

} // namespace Tintora
