// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color/contrast.h"

#include <QColor>
#include <QWidget>

#include <array>

class QLabel;
class QPushButton;
class TForm1;

// A painted sample: the background filled, the sample sentences' names written on it in their
// text colors.
class ContrastPreview : public QWidget
{
    Q_OBJECT
public:
    explicit ContrastPreview(QWidget *parent = nullptr);

    void setColors(const QColor &background, const QList<QColor> &texts);
    void setLines(const QStringList &lines);
    QColor background() const { return m_background; }
    QList<QColor> textColors() const { return m_texts; }
    QStringList lines() const { return m_lines; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_background = Qt::white;
    QList<QColor> m_texts;
    QStringList m_lines;
};

// The contrast checker: a tool window beside the main window that judges both sample sentences
// against the background by WCAG 2.x and APCA, offers the nearest readable color of the same
// hue, and shows the samples as people with a color vision deficiency see them. It follows the
// main window's every color change and changes colors only through the main window's own
// update cycle.
class ContrastChecker : public QWidget
{
    Q_OBJECT
public:
    explicit ContrastChecker(TForm1 *form);
    ~ContrastChecker() override;

    // Shows the window beside the main window, or brings it forward when it is open already.
    void open();

    // Applies the nearest color of the sample's hue that passes the level. sample is 1 or 2.
    void fixSample(int sample, Tintora::Contrast::Level level);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct LevelRow
    {
        QLabel *verdict = nullptr;
        QPushButton *fix = nullptr;
    };
    struct ApcaRow
    {
        Tintora::Contrast::ApcaUse use;
        QLabel *verdict = nullptr;
    };
    struct Column
    {
        QLabel *title = nullptr;
        ContrastPreview *preview = nullptr;
        QLabel *ratio = nullptr;
        std::array<LevelRow, 4> levels;
        QLabel *lc = nullptr;
        QLabel *reading = nullptr;
        std::array<ApcaRow, 3> apca;
        QLabel *note = nullptr;
    };
    struct VisionView
    {
        ContrastPreview *preview = nullptr;
        QLabel *ratios = nullptr;
    };

    QWidget *buildColumn(int sample);
    QWidget *buildVision(Tintora::Contrast::Vision vision);
    void refresh();
    void placeBesideForm();
    Tintora::Color::ColorValue sampleColor(int sample) const;

    TForm1 *m_form;
    ContrastPreview *m_backgroundSwatch = nullptr;
    QLabel *m_backgroundTitle = nullptr;
    std::array<Column, 2> m_columns;
    std::array<VisionView, 4> m_visions;
    bool m_hiddenWithForm = false;
};
