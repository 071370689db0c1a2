// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color/adjusterstate.h"
#include "color/variations.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class GrooveSlider;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QTabWidget;
class SwatchButton;

namespace Tintora {

class ColorCommands;
class ColorHistory;
class Samples;
class WindowEventFilter;

// The color adjuster: a tool window beside the main window that turns the active sample's
// color in HSL, HSV, HWB, OKLCH or CIE Lab, a slider each channel whose groove shows the colors
// it gives with the others held; offers the color's tints, shades, tones and harmonies; and
// keeps the colors that became current. It reads the shared Samples and changes colors only
// through ColorCommands, so that every change runs through the main window's update cycle.
class ColorAdjuster : public QWidget
{
    Q_OBJECT
public:
    // A list entry that "Add to List" hands on.
    struct Entry
    {
        QString name;
        Color::ColorValue color = 0;
    };

    ColorAdjuster(Samples &samples, ColorCommands &commands, ColorHistory &history,
                  QWidget *parent = nullptr);
    ~ColorAdjuster() override;

    // Shows the window beside the main window, or brings it forward when it is open already.
    void open();

    // "Add to List" of a row of variations: its colors with names like "#3366CC tint 2".
    // Without it the buttons are disabled.
    std::function<void(const std::vector<Entry> &)> onAddToList;
    // The name entries are named after: by default the color's hex; the owner may give a list
    // entry's name instead.
    std::function<QString(Color::ColorValue)> nameOf;
    // Enables "Add to List" (lists enabled in the main window, and onAddToList set).
    void setAddToListEnabled(bool enabled);

    ColorModel::Model currentModel() const;
    const ColorModel::AdjusterState &state() const { return m_state; }

    // Sets a channel as typing into its field does: the color goes through the update cycle
    // and settles into the history.
    void setChannel(ColorModel::Model model, int channel, double value);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    struct ChannelRow
    {
        GrooveSlider *slider = nullptr;
        QDoubleSpinBox *field = nullptr;
        // What the groove was computed for: the position with this channel set aside, and the
        // width. Dragging a channel leaves its own groove as it is.
        ColorModel::Position grooveFor {};
        int grooveSamples = 0;
    };
    struct ModelPage
    {
        std::array<ChannelRow, 3> channels;
        QLabel *gamutState = nullptr; // models that reach beyond sRGB only
    };
    struct VariationRow
    {
        std::vector<SwatchButton *> swatches;
        QPushButton *addToList = nullptr;
    };

    QWidget *buildModelPage(ColorModel::Model model);
    QWidget *buildVariations();
    QWidget *buildHistory();
    void follow();
    void refresh();
    void refreshGrooves(ColorModel::Model model);
    void refreshVariations();
    void refreshHistory();
    void sliderMoved(ColorModel::Model model, int channel, int position);
    void apply(Color::ColorValue color);
    void settle();
    void addToList(Variations::Kind kind);
    void rememberModel();

    Samples &m_samples;
    ColorCommands &m_commands;
    ColorHistory &m_history;
    ColorModel::AdjusterState m_state;
    QTabWidget *m_models = nullptr;
    std::array<ModelPage, ColorModel::kModelCount> m_pages;
    SwatchButton *m_current = nullptr;
    QLabel *m_currentText = nullptr;
    std::array<VariationRow, Variations::kKindCount> m_variations;
    std::vector<SwatchButton *> m_historySwatches;
    QPushButton *m_clearHistory = nullptr;
    std::unique_ptr<WindowEventFilter> m_eventFilter;
    bool m_applying = false; // within applyColor: the update cycle's changed() is ours
    bool m_addToListEnabled = true;
};

} // namespace Tintora
