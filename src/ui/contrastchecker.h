// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color/assessment.h"

#include <QColor>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>

class QGridLayout;
class QHBoxLayout;
class QLabel;
class QPushButton;

namespace Tintora {

class ColorCommands;
class ContrastPreview;
class ContrastStrip;
class Samples;
class WindowEventFilter;

// The contrast checker: a tool window beside the main window that judges both sample sentences
// against the background by every contrast rule of WCAG 2.2 and, as advice, by APCA; shows for
// each color the range of its hue that passes; fixes a text or the background to the nearest
// color of the same hue that passes; and shows the samples as people with a color vision
// deficiency see them. It follows the main window's every color change and changes colors only
// through the main window's own update cycle.
class ContrastChecker : public QWidget
{
    Q_OBJECT
public:
    // The window stands beside the commands' window and belongs to it.
    ContrastChecker(const Samples &samples, ColorCommands &commands);
    ~ContrastChecker() override;

    // Shows the window beside the main window, or brings it forward when it is open already.
    void open();

    // Applies the nearest color of the sample's hue that passes the level. sample is 1 or 2.
    void fixSample(int sample, Contrast::Level level);
    // Applies the nearest background of its hue with which both samples pass the level.
    void fixBackground(Contrast::Level level);

    // What the window shows, as plain text: the three colors, every ratio and verdict, APCA.
    QString report() const;
    // Puts the report on the clipboard ("Copy Report").
    void copyReport();

    // The colors the checker writes its verdicts and notes in, chosen for the window's palette.
    QColor passColor() const { return m_passColor; }
    QColor failColor() const { return m_failColor; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    struct LevelRow
    {
        QLabel *verdict = nullptr;
        QPushButton *fixText = nullptr;
        QPushButton *fixBackground = nullptr;
    };
    struct Column
    {
        QHBoxLayout *header = nullptr;
        QLabel *title = nullptr;
        ContrastPreview *preview = nullptr;
        ContrastStrip *strip = nullptr;
        QLabel *ratio = nullptr;
        std::array<LevelRow, Contrast::allLevels.size()> levels;
        QLabel *lc = nullptr;
        QLabel *reading = nullptr;
        QLabel *fontSizes = nullptr;     // at weights 400 and 700
        std::array<QLabel *, 3> apca {}; // as kApcaUses
        QLabel *note = nullptr;
    };
    struct VisionView
    {
        ContrastPreview *preview = nullptr;
        QLabel *ratios = nullptr;
    };
    // The names of the table's rows, shared by both samples.
    struct RowNames
    {
        std::array<QLabel *, Contrast::allLevels.size()> levels {};
        std::array<QLabel *, Contrast::allLevels.size()> minimums {};
        QLabel *apca = nullptr;
        QLabel *fontSizes = nullptr;
        QLabel *apcaUses = nullptr;
    };

    QWidget *buildTable();
    // A button that selects the target and picks its color from the screen.
    QPushButton *makePickButton(const QString &name, Color::SampleTarget target,
                                const QString &spokenName, const QString &spokenDescription);
    void buildColumn(QGridLayout *grid, int sample, int firstColumn);
    QWidget *buildVision(Contrast::Vision vision);
    void refresh();
    void refreshColumn(int sample);
    void choosePalette();
    void setVerdict(QLabel *label, bool pass) const;
    void placeBesideForm();
    Color::ColorValue sampleColor(int sample) const;

    const Samples &m_samples;
    ColorCommands &m_commands;
    QHBoxLayout *m_backgroundHeader = nullptr;
    ContrastPreview *m_backgroundSwatch = nullptr;
    QLabel *m_backgroundTitle = nullptr;
    ContrastStrip *m_backgroundStrip = nullptr;
    QLabel *m_backgroundNote = nullptr;
    std::array<Column, 2> m_columns;
    RowNames m_rowNames;
    QLabel *m_textAgainstTextRatio = nullptr;
    QLabel *m_textAgainstText = nullptr;
    QLabel *m_largeText = nullptr;
    // What the window shows, judged at the last refresh.
    Tintora::Contrast::Assessment m_assessment;
    std::array<VisionView, 4> m_visions;
    std::unique_ptr<WindowEventFilter> m_eventFilter;
    QPushButton *m_copyReport = nullptr;
    QColor m_passColor;
    QColor m_failColor;
};

} // namespace Tintora
