// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color/color.h"

#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

namespace Tintora {

// What a file dialog is asked for: plain values, so that a test can answer the request without
// a dialog and check what was asked.
struct FileRequest
{
    enum class Mode { Open, Save };

    QString name; // the dialog's design name, e.g. "OpenDialog1"
    Mode mode = Mode::Open;
    QString caption;
    QStringList filters; // Qt name filters, e.g. "TRA Color lists (*.clr)"
    QString defaultSuffix;
    QString folder; // where the dialog opens; empty for where it was last
};

// The file the user chose and the filter that was selected when they did.
struct FileChoice
{
    QString path;
    int filter = 0; // index into FileRequest::filters
};

// What the color chooser is asked for.
struct ColorRequest
{
    QString name; // the dialog's design name, "ColorDialog1"
    Color::ColorValue initial = 0;
};

// What a question for a whole number is asked: plain values, so that a test can answer it.
struct NumberRequest
{
    QString name; // the box's design name, e.g. "ImageColorsBox"
    QString caption;
    QString label;
    int value = 0; // what the box opens with
    int minimum = 0;
    int maximum = 0;
};

// Every modal dialog the program shows goes through here, so that tests can answer them. The
// program installs the real Qt dialogs (QtDialogs) at start-up; tests install a scripted
// implementation.
class Dialogs
{
public:
    enum class Type { Warning, Confirmation };
    enum class Buttons { Ok, YesNo, YesNoCancel, RestoreDiscardLater };
    enum class Answer { Ok, Yes, No, Cancel, Restore, Discard, Later };

    virtual ~Dialogs() = default;

    // A warning with OK ("Warning") or a question with Yes and No ("Confirm"), where only Yes
    // counts as consent. A question that offers to save before a list is lost has Cancel
    // besides; Escape or closing the box is Cancel, which stops what asked. The question about
    // a recovery copy has Restore, Discard and Later; Escape or closing the box is Later, which
    // changes nothing.
    virtual Answer message(QWidget *parent, const QString &text, Type type, Buttons buttons) = 0;

    // The error box: text, the application title as caption, a stop icon and OK.
    virtual void error(QWidget *parent, const QString &text) = 0;

    // The color chooser; the chosen color, or nothing when cancelled.
    virtual std::optional<Color::ColorValue> chooseColor(QWidget *parent,
                                                         const ColorRequest &request) = 0;

    // An open or save dialog; the chosen file, or nothing when cancelled.
    virtual std::optional<FileChoice> chooseFile(QWidget *parent, const FileRequest &request) = 0;

    // A small box asking for a whole number from minimum to maximum; the number, or nothing
    // when cancelled.
    virtual std::optional<int> chooseNumber(QWidget *parent, const NumberRequest &request) = 0;

    // The About box, shown modally.
    virtual void about(QWidget *parent) = 0;

    // The installed implementation. Using dialogs before one is installed is a programming
    // error and stops the program.
    static Dialogs &instance();
    // Installs another implementation; returns the previous one.
    static Dialogs *install(Dialogs *dialogs);
};

} // namespace Tintora
