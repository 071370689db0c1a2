// SPDX-License-Identifier: GPL-3.0-or-later
// The main window for screen readers: the names of the controls that show no text of their own,
// and the samples' colors, told once a change has settled rather than at every step of a drag.
#include "ui/tform1.h"

#include "app/application.h"
#include "app/combobox.h"
#include "app/edit.h"
#include "app/label.h"
#include "app/scrollbar.h"
#include "app/shape.h"
#include "ui/accessibility.h"
#include "ui/stringgrid.h"

#include <QAccessible>
#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

using namespace Tintora;

namespace {

// How long the colors must stay put before the samples tell their new colors.
constexpr int kSettleMilliseconds = 400;

QString translated(const char *text)
{
    return QCoreApplication::translate("Tintora::Accessibility", text);
}

void setDescription(QWidget *widget, const QString &description)
{
    // Each new description is an event for the screen reader: only real changes make one.
    if (widget->accessibleDescription() != description)
        widget->setAccessibleDescription(description);
}

} // namespace

void TForm1::describeForScreenReaders()
{
    Accessibility::install();
    // QT_TRANSLATE_NOOP marks the texts for the translators; translated() looks them up.
    const struct
    {
        QWidget *widget;
        const char *name;
        const char *description;
    } names[] = {
            {Rval, QT_TRANSLATE_NOOP("Tintora::Accessibility", "Red"),
             QT_TRANSLATE_NOOP("Tintora::Accessibility",
                               "Red component of the current color, 0 to 255")},
            {Gval, QT_TRANSLATE_NOOP("Tintora::Accessibility", "Green"),
             QT_TRANSLATE_NOOP("Tintora::Accessibility",
                               "Green component of the current color, 0 to 255")},
            {Bval, QT_TRANSLATE_NOOP("Tintora::Accessibility", "Blue"),
             QT_TRANSLATE_NOOP("Tintora::Accessibility",
                               "Blue component of the current color, 0 to 255")},
            {RScrollBar1, QT_TRANSLATE_NOOP("Tintora::Accessibility", "Red"),
             QT_TRANSLATE_NOOP("Tintora::Accessibility",
                               "Red component of the current color, 0 to 255")},
            {gScrollBar1, QT_TRANSLATE_NOOP("Tintora::Accessibility", "Green"),
             QT_TRANSLATE_NOOP("Tintora::Accessibility",
                               "Green component of the current color, 0 to 255")},
            {bScrollBar1, QT_TRANSLATE_NOOP("Tintora::Accessibility", "Blue"),
             QT_TRANSLATE_NOOP("Tintora::Accessibility",
                               "Blue component of the current color, 0 to 255")},
            {Edit1, QT_TRANSLATE_NOOP("Tintora::Accessibility", "Hex value"),
             QT_TRANSLATE_NOOP("Tintora::Accessibility",
                               "The current color as #RRGGBB; Copy to Clipboard copies it")},
            {Shape1, QT_TRANSLATE_NOOP("Tintora::Accessibility", "Sample area"), nullptr},
            {ComboBox1, QT_TRANSLATE_NOOP("Tintora::Accessibility", "Custom color name"),
             QT_TRANSLATE_NOOP("Tintora::Accessibility",
                               "Enter or select custom color by name here.")},
            {StringGrid1, QT_TRANSLATE_NOOP("Tintora::Accessibility", "Color list"),
             QT_TRANSLATE_NOOP("Tintora::Accessibility",
                               "The custom colors by name and hex value; Enter chooses the row")},
            {GroupBox1, nullptr,
             QT_TRANSLATE_NOOP("Tintora::Accessibility",
                               "The sample that the current color is applied to")},
            {DelFrLstBtn, nullptr,
             QT_TRANSLATE_NOOP("Tintora::Accessibility",
                               "Delete the currently displayed name from the custom color list. "
                               "From the keyboard: Edit, Delete From List")},
            {ViewLstBtn, nullptr,
             QT_TRANSLATE_NOOP("Tintora::Accessibility",
                               "Show or hide the whole color list as a table. From the keyboard: "
                               "Options, View Full List")},
    };
    for (const auto &entry : names) {
        if (entry.name)
            entry.widget->setAccessibleName(translated(entry.name));
        if (entry.description)
            entry.widget->setAccessibleDescription(translated(entry.description));
    }
    // The name box's text field is the name box to a screen reader, and its label says so.
    ComboBox1->lineEdit()->setAccessibleName(
            translated(QT_TRANSLATE_NOOP("Tintora::Accessibility", "Custom color name")));
    Label1->setBuddy(ComboBox1);
    // The menus and their items are read by their captions, mnemonics left out; a menu that
    // opens is read by the caption of its item.
    menuBar()->setAccessibleName(translated(QT_TRANSLATE_NOOP("Tintora::Accessibility", "Menu")));
    for (QAction *title : menuBar()->actions()) {
        if (title->menu())
            title->menu()->setAccessibleName(QString(title->text()).remove(QLatin1Char('&')));
    }
    CopyAs1->setAccessibleName(QString(CopyAs1->title()).remove(QLatin1Char('&')));
    m_announceTimer.setSingleShot(true);
    m_announceTimer.setInterval(kSettleMilliseconds);
    connect(&m_announceTimer, &QTimer::timeout, this, [this] { announceColors(); });
    announceColors();
}

void TForm1::announceColors()
{
    // The Copy As items show the current color in each notation, written as the menu opens;
    // they are kept current here too, so that a screen reader that reads the menu without
    // opening it finds them named.
    Application::runHandler(this, [this] { CopyAs1Popup(); });
    setDescription(Shape1,
                   QCoreApplication::translate("Tintora::Accessibility", "Background color %1")
                           .arg(Color::buildHex(m_samples.background())));
    setDescription(Label2,
                   QCoreApplication::translate("Tintora::Accessibility", "Text Sample 1 color %1")
                           .arg(Color::buildHex(m_samples.sample1())));
    setDescription(Label3,
                   QCoreApplication::translate("Tintora::Accessibility", "Text Sample 2 color %1")
                           .arg(Color::buildHex(m_samples.sample2())));
}
