// SPDX-License-Identifier: GPL-3.0-or-later
// The main window for screen readers: the names of the controls that show no text of their own,
// and the samples' colors, told once a change has settled rather than at every step of a drag.
#include "ui/tform1.h"

#include "app/controls.h"
#include "ui/accessibility.h"

#include <QAccessible>

using namespace Tintora;

namespace {

// How long the colors must stay put before the samples tell their new colors.
constexpr int kSettleMilliseconds = 400;

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
    const struct
    {
        QWidget *widget;
        const char *name;
        const char *description;
    } names[] = {
            {Rval, "Red", "Red component of the current color, 0 to 255"},
            {Gval, "Green", "Green component of the current color, 0 to 255"},
            {Bval, "Blue", "Blue component of the current color, 0 to 255"},
            {RScrollBar1, "Red", "Red component of the current color, 0 to 255"},
            {gScrollBar1, "Green", "Green component of the current color, 0 to 255"},
            {bScrollBar1, "Blue", "Blue component of the current color, 0 to 255"},
            {Edit1, "Hex value", "The current color as #RRGGBB; Copy to Clipboard copies it"},
            {Shape1, "Sample area", nullptr},
            {ComboBox1, "Custom color name", "Enter or select custom color by name here."},
            {StringGrid1, "Color list", "The custom colors by name and hex value"},
    };
    for (const auto &entry : names) {
        entry.widget->setAccessibleName(QLatin1String(entry.name));
        if (entry.description)
            entry.widget->setAccessibleDescription(QLatin1String(entry.description));
    }
    m_announceTimer.setSingleShot(true);
    m_announceTimer.setInterval(kSettleMilliseconds);
    connect(&m_announceTimer, &QTimer::timeout, this, [this] { announceColors(); });
    announceColors();
}

void TForm1::announceColors()
{
    setDescription(Shape1,
                   QStringLiteral("Background color %1").arg(Color::buildHex(m_backgroundColor)));
    setDescription(Label2,
                   QStringLiteral("Text Sample 1 color %1").arg(Color::buildHex(m_sample1Color)));
    setDescription(Label3,
                   QStringLiteral("Text Sample 2 color %1").arg(Color::buildHex(m_sample2Color)));
}
