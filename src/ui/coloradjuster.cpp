// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/coloradjuster.h"

#include "app/application.h"
#include "app/handler.h"
#include "app/windoweventfilter.h"
#include "color/colorhistory.h"
#include "core/settingsfile.h"
#include "ui/colorcommands.h"
#include "ui/grooveslider.h"
#include "ui/samples.h"
#include "ui/swatchbutton.h"
#include "ui/toolfollower.h"
#include "ui/toolplacement.h"

#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include <cmath>

namespace Tintora {

namespace {

using ColorModel::Model;

QString channelName(const ColorModel::Channel &channel)
{
    return QCoreApplication::translate("Tintora::ColorModel", channel.name);
}

QString kindTitle(const Variations::KindRow &row)
{
    return QCoreApplication::translate("Tintora::Variations", row.title);
}

QString kindEntry(const Variations::KindRow &row)
{
    return QCoreApplication::translate("Tintora::Variations", row.entry);
}

QString controlName(const char *first, const char *second, const char *what)
{
    return QLatin1String(first) + QLatin1String(second) + QLatin1String(what);
}

double scaleOf(const ColorModel::Channel &channel)
{
    return std::pow(10.0, channel.decimals);
}

QString modelSettingsKey()
{
    return QStringLiteral("Adjuster/model");
}

QLabel *boldLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

} // namespace

ColorAdjuster::ColorAdjuster(Samples &samples, ColorCommands &commands, ColorHistory &history,
                             QWidget *parent)
    : QWidget(parent,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_samples(samples),
      m_commands(commands),
      m_history(history),
      m_state(samples.activeColor())
{
    setObjectName(QStringLiteral("ColorAdjuster"));
    setWindowTitle(tr("Adjust Color"));
    setAccessibleName(windowTitle());
    setAccessibleDescription(
            tr("Changes the selected sample's color by hue, saturation, lightness and the "
               "other channels of five color models; Esc closes it"));

    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize); // sized by its content: it keeps its size
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);

    auto *header = new QHBoxLayout;
    m_current = new SwatchButton(this);
    m_current->setObjectName(QStringLiteral("AdjusterSwatch"));
    m_current->setFixedSize(28, 28);
    m_current->setFocusPolicy(Qt::NoFocus);
    header->addWidget(m_current);
    m_currentText = new QLabel(this);
    m_currentText->setObjectName(QStringLiteral("AdjusterTarget"));
    m_currentText->setAccessibleName(tr("Color being adjusted"));
    m_currentText->setMinimumWidth(m_currentText->fontMetrics().horizontalAdvance(
            tr("Text Sample 2: %1  %2").arg(QStringLiteral("#DDDDDD"), tr("gamut-mapped"))));
    header->addWidget(m_currentText, 1);
    layout->addLayout(header);

    m_models = new QTabWidget(this);
    m_models->setObjectName(QStringLiteral("AdjusterModels"));
    m_models->setAccessibleName(tr("Color models"));
    for (Model model : ColorModel::allModels) {
        QWidget *page = buildModelPage(model);
        m_models->addTab(page, QLatin1String(ColorModel::row(model).name));
    }
    {
        const QSettings settings(Settings::fileName(), QSettings::IniFormat);
        const QString key = settings.value(modelSettingsKey()).toString();
        for (Model model : ColorModel::allModels) {
            if (key == QLatin1String(ColorModel::row(model).key))
                m_models->setCurrentIndex(int(model));
        }
    }
    connect(m_models, &QTabWidget::currentChanged, this, [this] {
        Application::runHandler(this, [this] {
            refreshGrooves(currentModel());
            rememberModel();
        });
    });
    layout->addWidget(m_models);

    layout->addWidget(buildVariations());
    layout->addWidget(buildHistory());

    connect(&m_samples, &Samples::changed, this,
            [this] { Application::runHandler(this, [this] { follow(); }); });
    connect(&m_history, &ColorHistory::changed, this,
            [this] { Application::runHandler(this, [this] { refreshHistory(); }); });
    // A tool belongs to its window: it follows the main window's hiding and showing.
    if (QWidget *window = m_commands.window())
        new ToolFollower(this, window, [this] { placeBeside(this, m_commands.window()); });
    // The main window's "Disable Hints" holds here too.
    m_eventFilter = std::make_unique<WindowEventFilter>(this, [this](QWidget *, QEvent *event) {
        return event->type() == QEvent::ToolTip && !m_commands.showHints();
    });
    refresh();
    refreshHistory();
}

ColorAdjuster::~ColorAdjuster() = default;

QWidget *ColorAdjuster::buildModelPage(Model model)
{
    const ColorModel::ModelRow &r = ColorModel::row(model);
    const QString modelName = QLatin1String(r.name);
    auto *page = new QWidget(m_models);
    page->setObjectName(QLatin1String(r.key) + QStringLiteral("Page"));
    auto *grid = new QGridLayout(page);
    grid->setContentsMargins(8, 8, 8, 8);
    grid->setHorizontalSpacing(8);
    ModelPage &p = m_pages[size_t(model)];
    for (int i = 0; i < 3; ++i) {
        const ColorModel::Channel &c = r.channels[size_t(i)];
        const QString name = channelName(c);
        auto *label = new QLabel(name, page);
        label->setObjectName(controlName(r.key, c.key, "Name"));
        grid->addWidget(label, i, 0);

        auto *slider = new GrooveSlider(page);
        slider->setObjectName(controlName(r.key, c.key, "Slider"));
        slider->setAccessibleName(tr("%1 %2").arg(modelName, name));
        slider->setAccessibleDescription(
                tr("The groove shows the colors this channel gives with the others held"));
        const double scale = scaleOf(c);
        slider->setRange(int(std::lround(c.minimum * scale)), int(std::lround(c.maximum * scale)));
        slider->setSingleStep(c.decimals >= 3 ? 1 : int(scale));
        slider->setPageStep(int(std::lround((c.maximum - c.minimum) * scale / 20)));
        slider->setToolTip(tr("Drag, click or use the arrow keys; the groove shows the colors "
                              "%1 gives with the other channels held")
                                   .arg(name));
        label->setBuddy(slider);
        grid->addWidget(slider, i, 1);

        auto *field = new QDoubleSpinBox(page);
        field->setObjectName(controlName(r.key, c.key, "Value"));
        field->setAccessibleName(tr("%1 %2 value").arg(modelName, name));
        field->setDecimals(c.decimals);
        field->setRange(c.minimum, c.maximum);
        field->setSingleStep(c.decimals >= 3 ? 0.01 : 1);
        field->setKeyboardTracking(false); // applies on Enter or on leaving, not every digit
        field->setWrapping(c.isHue);
        field->setSuffix(
                c.unit == ColorModel::Unit::Degrees
                        ? QStringLiteral("\u00B0")
                        : (c.unit == ColorModel::Unit::Percent ? QStringLiteral("%") : QString()));
        field->setAlignment(Qt::AlignRight);
        grid->addWidget(field, i, 2);

        p.channels[size_t(i)] = {slider, field, {}, 0};
        connect(slider, &QSlider::valueChanged, this, [this, model, i, slider](int position) {
            Application::runHandler(this, [&] {
                sliderMoved(model, i, position);
                if (!slider->isSliderDown())
                    settle(); // a key's step is whole at once
            });
        });
        connect(slider, &QSlider::sliderReleased, this,
                [this] { Application::runHandler(this, [this] { settle(); }); });
        connect(field, &QDoubleSpinBox::valueChanged, this, [this, model, i](double value) {
            Application::runHandler(this, [&] { setChannel(model, i, value); });
        });
        slider->onResized = [this, model] {
            if (currentModel() == model)
                refreshGrooves(model);
        };
    }
    grid->setColumnStretch(1, 1);
    if (r.reachesBeyondSrgb) {
        // Broken by hand, not wrapped: a wrapped label's height follows the width, and the
        // window would change its size with the page shown.
        auto *note = new QLabel(tr("Hatched beneath a groove: outside sRGB. There the color shown "
                                   "and applied\nis the nearest one inside, gamut-mapped as CSS "
                                   "Color 4 does."),
                                page);
        note->setObjectName(QLatin1String(r.key) + QStringLiteral("GamutNote"));
        grid->addWidget(note, 3, 0, 1, 3);
        p.gamutState = new QLabel(page);
        p.gamutState->setObjectName(QLatin1String(r.key) + QStringLiteral("GamutState"));
        p.gamutState->setAccessibleName(tr("Gamut"));
        QFont bold = p.gamutState->font();
        bold.setBold(true);
        p.gamutState->setFont(bold);
        grid->addWidget(p.gamutState, 4, 0, 1, 3);
        p.gamutState->setFixedHeight(p.gamutState->fontMetrics().height());
    }
    grid->setRowStretch(5, 1);
    return page;
}

QWidget *ColorAdjuster::buildVariations()
{
    auto *box = new QWidget(this);
    box->setObjectName(QStringLiteral("Variations"));
    auto *grid = new QGridLayout(box);
    grid->setContentsMargins(0, 4, 0, 0);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(3);
    grid->addWidget(boldLabel(tr("Variations (in OKLCH)"), box), 0, 0, 1, 7);
    int line = 1;
    for (const Variations::KindRow &kind : Variations::kinds) {
        VariationRow &row = m_variations[size_t(kind.kind)];
        auto *label = new QLabel(kindTitle(kind), box);
        label->setObjectName(QLatin1String(kind.key) + QStringLiteral("Name"));
        grid->addWidget(label, line, 0);
        for (int i = 0; i < kind.count; ++i) {
            auto *swatch = new SwatchButton(box);
            swatch->setObjectName(QLatin1String(kind.key) + QStringLiteral("Swatch%1").arg(i + 1));
            grid->addWidget(swatch, line, 1 + i);
            row.swatches.push_back(swatch);
            onClick(swatch, [this, swatch] {
                apply(swatch->color());
                settle();
            });
        }
        row.addToList = new QPushButton(tr("Add to List"), box);
        row.addToList->setObjectName(QLatin1String(kind.key) + QStringLiteral("AddToList"));
        row.addToList->setAccessibleName(tr("Add %1 to the list").arg(kindTitle(kind)));
        row.addToList->setToolTip(tr("Add these colors to the color list"));
        row.addToList->setAutoDefault(false);
        const Variations::Kind which = kind.kind;
        onClick(row.addToList, [this, which] { addToList(which); });
        grid->addWidget(row.addToList, line, 6);
        ++line;
    }
    grid->setColumnStretch(0, 1);
    return box;
}

QWidget *ColorAdjuster::buildHistory()
{
    auto *box = new QWidget(this);
    box->setObjectName(QStringLiteral("History"));
    auto *grid = new QGridLayout(box);
    grid->setContentsMargins(0, 4, 0, 0);
    grid->setSpacing(3);
    constexpr int perLine = ColorHistory::kCapacity / 2;
    grid->addWidget(boldLabel(tr("History"), box), 0, 0, 1, perLine);
    for (int i = 0; i < ColorHistory::kCapacity; ++i) {
        auto *swatch = new SwatchButton(box);
        swatch->setObjectName(QStringLiteral("HistorySwatch%1").arg(i + 1));
        grid->addWidget(swatch, 1 + i / perLine, i % perLine);
        m_historySwatches.push_back(swatch);
        onClick(swatch, [this, swatch] {
            apply(swatch->color());
            settle();
        });
    }
    m_clearHistory = new QPushButton(tr("Clear"), box);
    m_clearHistory->setObjectName(QStringLiteral("ClearHistory"));
    m_clearHistory->setAccessibleName(tr("Clear the history"));
    m_clearHistory->setToolTip(tr("Forget the colors of the history"));
    m_clearHistory->setAutoDefault(false);
    onClick(m_clearHistory, [this] { m_history.clear(); });
    grid->addWidget(m_clearHistory, 1, perLine, 2, 1, Qt::AlignVCenter);
    return box;
}

void ColorAdjuster::open()
{
    if (isVisible()) {
        raise();
        activateWindow();
        return;
    }
    placeBeside(this, m_commands.window());
    show();
}

void ColorAdjuster::setAddToListEnabled(bool enabled)
{
    m_addToListEnabled = enabled;
    for (const VariationRow &row : m_variations)
        row.addToList->setEnabled(enabled && onAddToList);
}

Model ColorAdjuster::currentModel() const
{
    return Model(std::clamp(m_models->currentIndex(), 0, ColorModel::kModelCount - 1));
}

void ColorAdjuster::follow()
{
    m_state.follow(m_samples.activeColor());
    if (!m_applying)
        refresh();
}

void ColorAdjuster::sliderMoved(Model model, int channel, int position)
{
    const ColorModel::Channel &c = ColorModel::row(model).channels[size_t(channel)];
    apply(m_state.setChannel(model, channel, position / scaleOf(c)));
}

void ColorAdjuster::setChannel(Model model, int channel, double value)
{
    apply(m_state.setChannel(model, channel, value));
    settle();
}

void ColorAdjuster::apply(Color::ColorValue color)
{
    m_state.follow(color);
    m_applying = true;
    try {
        m_commands.applyColor(m_samples.activeTarget(), color);
    } catch (...) {
        m_applying = false;
        refresh();
        throw;
    }
    m_applying = false;
    refresh(); // once, however often the update cycle said it changed
}

void ColorAdjuster::settle()
{
    m_history.settle(m_state.color());
}

void ColorAdjuster::refresh()
{
    const Color::ColorValue color = m_state.color();
    static const char *const targets[] = {QT_TR_NOOP("Background"), QT_TR_NOOP("Text Sample 1"),
                                          QT_TR_NOOP("Text Sample 2")};
    const QString target = tr(targets[int(m_samples.activeTarget()) - 1]);
    const QString hex = Color::buildHex(color);
    const bool mapped = !m_state.inSrgb(currentModel());
    m_currentText->setText(tr("%1: %2").arg(target, hex)
                           + (mapped ? QStringLiteral("  ") + tr("gamut-mapped") : QString()));
    m_current->setColor(color, target);

    for (Model model : ColorModel::allModels) {
        const ColorModel::ModelRow &r = ColorModel::row(model);
        ModelPage &page = m_pages[size_t(model)];
        const ColorModel::Position &p = m_state.position(model);
        for (int i = 0; i < 3; ++i) {
            const ChannelRow &row = page.channels[size_t(i)];
            const ColorModel::Channel &c = r.channels[size_t(i)];
            const QSignalBlocker sliderBlock(row.slider);
            const QSignalBlocker fieldBlock(row.field);
            if (!row.slider->isSliderDown())
                row.slider->setValue(int(std::lround(p[size_t(i)] * scaleOf(c))));
            if (!row.field->hasFocus()
                || row.field->value() != ColorModel::normalized(c, p[size_t(i)]))
                row.field->setValue(p[size_t(i)]);
            row.slider->update();
        }
        if (page.gamutState) {
            page.gamutState->setText(m_state.inSrgb(model)
                                             ? QString()
                                             : tr("This position is outside sRGB: the color is "
                                                  "gamut-mapped."));
        }
    }
    refreshGrooves(currentModel());
    refreshVariations();
}

void ColorAdjuster::refreshGrooves(Model model)
{
    ModelPage &page = m_pages[size_t(model)];
    const ColorModel::Position &p = m_state.position(model);
    for (int i = 0; i < 3; ++i) {
        ChannelRow &row = page.channels[size_t(i)];
        ColorModel::Position key = p;
        key[size_t(i)] = 0;
        const int samples = row.slider->grooveSamples();
        if (row.grooveSamples == samples && row.grooveFor == key)
            continue;
        const ColorModel::Groove g = ColorModel::groove(model, p, i, samples);
        row.slider->setGroove(g.colors, g.outside);
        row.grooveFor = key;
        row.grooveSamples = samples;
    }
}

void ColorAdjuster::refreshVariations()
{
    const ColorModel::Position &lch = m_state.position(Model::Oklch);
    // The adjuster's own OKLCH position, so that a gray keeps the hue it was given.
    const ColorSpace::Triple base {lch[0] / 100, lch[1], lch[2]};
    for (const Variations::KindRow &kind : Variations::kinds) {
        const std::vector<Color::ColorValue> colors = Variations::of(kind.kind, base);
        VariationRow &row = m_variations[size_t(kind.kind)];
        for (size_t i = 0; i < colors.size(); ++i) {
            row.swatches[i]->setColor(colors[i],
                                      kind.count == 1
                                              ? kindTitle(kind)
                                              : tr("%1 %2").arg(kindTitle(kind)).arg(i + 1));
        }
        row.addToList->setEnabled(m_addToListEnabled && onAddToList);
    }
}

void ColorAdjuster::refreshHistory()
{
    const QList<Color::ColorValue> colors = m_history.colors();
    for (int i = 0; i < int(m_historySwatches.size()); ++i) {
        SwatchButton *swatch = m_historySwatches[size_t(i)];
        if (i < colors.size())
            swatch->setColor(colors[i], tr("History %1").arg(i + 1));
        else
            swatch->clearColor();
    }
    m_clearHistory->setEnabled(!colors.isEmpty());
}

void ColorAdjuster::addToList(Variations::Kind kind)
{
    if (!onAddToList)
        return;
    const Variations::KindRow &row = Variations::row(kind);
    const Color::ColorValue color = m_state.color();
    const QString base = nameOf ? nameOf(color) : Color::buildHex(color);
    std::vector<Entry> entries;
    const VariationRow &swatches = m_variations[size_t(kind)];
    for (int i = 0; i < row.count; ++i)
        entries.push_back({Variations::entryName(base, kindEntry(row), row, i),
                           swatches.swatches[size_t(i)]->color()});
    onAddToList(entries);
}

void ColorAdjuster::rememberModel()
{
    QSettings settings(Settings::fileName(), QSettings::IniFormat);
    settings.setValue(modelSettingsKey(), QLatin1String(ColorModel::row(currentModel()).key));
}

void ColorAdjuster::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace Tintora
