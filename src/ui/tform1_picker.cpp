// SPDX-License-Identifier: GPL-3.0-or-later
// Picking a color from anywhere on the screen into a sample target. The color comes in the way
// a color from the color dialog does: through the hex field and Update.
#include "ui/tform1.h"

#include "ui/screenpicker.h"

using namespace Tintora;

void TForm1::PickScreen1Click()
{
    startScreenPick(m_samples.activeTarget());
}

void TForm1::pickColorFor(SampleTarget target)
{
    // A click on a sample selects its target exactly as the sample's radio button does.
    switch (target) {
    case SampleTarget::Background:
        Shape1MouseDown();
        break;
    case SampleTarget::TextSample1:
        Label2Click();
        break;
    case SampleTarget::TextSample2:
        Label3Click();
        break;
    }
    startScreenPick(target);
}

void TForm1::startScreenPick(SampleTarget target)
{
    if (!m_screenPicker) {
        m_screenPicker = new ScreenPicker(this);
        // The color goes to the target the pick was made for, even if another target was
        // chosen while the desktop's picker was up.
        m_screenPicker->onPicked = [this](ColorValue color) {
            applyColor(m_pickTarget, color);
            settleColor(color);
        };
    }
    m_pickTarget = target;
    m_screenPicker->start();
}
