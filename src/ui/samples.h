// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color/color.h"

#include <QObject>

#include <array>

namespace Tintora {

// The colors of the three sample targets and which of them is active: the one state that the
// main window and every tool window show. The main window's update cycle is its only writer;
// tools read it, follow changed(), and change colors only through ColorCommands, so that every
// change runs through the same cycle (hex field, Update, fields, bars, samples, list).
class Samples : public QObject
{
    Q_OBJECT
public:
    using ColorValue = Color::ColorValue;
    using SampleTarget = Color::SampleTarget;

    explicit Samples(QObject *parent = nullptr) : QObject(parent) { }

    SampleTarget activeTarget() const { return m_active; }
    ColorValue color(SampleTarget target) const { return m_colors[index(target)]; }
    ColorValue activeColor() const { return color(m_active); }
    ColorValue background() const { return color(SampleTarget::Background); }
    ColorValue sample1() const { return color(SampleTarget::TextSample1); }
    ColorValue sample2() const { return color(SampleTarget::TextSample2); }

    // Records the state the update cycle has brought every view into. changed() follows each
    // call, also one that changes nothing: the cycle ran, and what derives from it may differ.
    void set(SampleTarget active, ColorValue background, ColorValue sample1, ColorValue sample2)
    {
        m_active = active;
        m_colors = {background, sample1, sample2};
        emit changed();
    }

signals:
    void changed();

private:
    static size_t index(SampleTarget target) { return size_t(int(target) - 1); }

    SampleTarget m_active = SampleTarget::Background;
    std::array<ColorValue, 3> m_colors {0xFFFFFF, 0, 0};
};

} // namespace Tintora
