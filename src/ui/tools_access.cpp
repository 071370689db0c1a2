// SPDX-License-Identifier: GPL-3.0-or-later
// The find bar, the About box and the screen picker's overlay for screen readers.
#include "ui/accessibility.h"

#include <QCoreApplication>
#include <QWidget>

namespace Tintora::Accessibility {

namespace {

void describe(QWidget *window, const char *objectName, const QString &name,
              const QString &description)
{
    auto *widget = window->findChild<QWidget *>(QLatin1String(objectName));
    if (!widget)
        return;
    if (!name.isEmpty())
        widget->setAccessibleName(name);
    if (!description.isEmpty())
        widget->setAccessibleDescription(description);
}

} // namespace

void describeFindBar(QWidget *findBar)
{
    findBar->setAccessibleDescription(QCoreApplication::translate(
            "Tintora::Accessibility",
            "Finds a color of the list by its name or hex value; Esc closes it"));
    describe(findBar, "FindText",
             QCoreApplication::translate("Tintora::Accessibility", "Find in list"),
             QCoreApplication::translate("Tintora::Accessibility",
                                         "Part of a name, or a hex value such as #87CEEB or "
                                         "#87C; Enter finds the next match"));
    describe(findBar, "FindNextBtn", QString(),
             QCoreApplication::translate("Tintora::Accessibility",
                                         "Show the next entry that matches"));
    describe(findBar, "FindStatus", QString(),
             QCoreApplication::translate("Tintora::Accessibility", "Says when no entry matches"));
}

void describeAboutBox(QWidget *aboutBox)
{
    aboutBox->setAccessibleDescription(QCoreApplication::translate(
            "Tintora::Accessibility",
            "The program's name, release and maker; OK or Esc closes it"));
    describe(aboutBox, "ProgramIcon",
             QCoreApplication::translate("Tintora::Accessibility", "Tintora icon"), QString());
    describe(
            aboutBox, "Copyright", QString(),
            QCoreApplication::translate("Tintora::Accessibility",
                                        "Click or press Alt+A to show the maker's postal address"));
    describe(aboutBox, "Label1", QString(),
             QCoreApplication::translate(
                     "Tintora::Accessibility",
                     "The maker's postal address; click or press Alt+A to hide it"));
}

void describePickerOverlay(QWidget *overlay, const QString &hexUnderCrosshair)
{
    if (overlay->accessibleName().isEmpty())
        overlay->setAccessibleName(
                QCoreApplication::translate("Tintora::Accessibility", "Pick From Screen"));
    const QString keys = QCoreApplication::translate(
            "Tintora::Accessibility",
            "Arrow keys move the crosshair, with Shift by ten pixels; + and - zoom; Enter picks "
            "the color, Esc cancels");
    const QString description = hexUnderCrosshair.isEmpty()
            ? keys
            : QCoreApplication::translate("Tintora::Accessibility", "Color %1. %2")
                      .arg(hexUnderCrosshair, keys);
    // Each new description is an event for the screen reader: only real changes make one.
    if (overlay->accessibleDescription() != description)
        overlay->setAccessibleDescription(description);
}

} // namespace Tintora::Accessibility
