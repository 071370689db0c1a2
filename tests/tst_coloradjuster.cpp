// SPDX-License-Identifier: GPL-3.0-or-later
#include "color/colorhistory.h"
#include "color/colormodel.h"
#include "color/variations.h"
#include "ui/coloradjuster.h"
#include "ui/colorcommands.h"
#include "ui/grooveslider.h"
#include "ui/samples.h"
#include "ui/swatchbutton.h"

#include <QAbstractButton>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Tintora;
using Color::ColorValue;
using Color::SampleTarget;
using ColorModel::Model;

Q_DECLARE_METATYPE(Tintora::ColorModel::Model)

namespace {

ColorValue hex(const char *text)
{
    const Color::Components c = Color::parseHex(QLatin1String(text));
    return Color::pack(c.red, c.green, c.blue);
}

// The main window as the adjuster sees it: records what it is asked to apply and runs the
// update cycle's part that tools see, Samples::set.
class FakeCommands : public ColorCommands
{
public:
    explicit FakeCommands(Samples &samples) : m_samples(samples) { }

    void applyColor(SampleTarget target, ColorValue color) override
    {
        applied.append({target, color});
        std::array<ColorValue, 3> colors {m_samples.background(), m_samples.sample1(),
                                          m_samples.sample2()};
        colors[size_t(int(target) - 1)] = color;
        m_samples.set(target, colors[0], colors[1], colors[2]);
    }
    void pickColorFor(SampleTarget) override { }
    bool showHints() const override { return true; }
    QWidget *window() override { return &mainWindow; }

    QList<std::pair<SampleTarget, ColorValue>> applied;
    QWidget mainWindow;

private:
    Samples &m_samples;
};

} // namespace

class tst_ColorAdjuster : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void dragGoesThroughApplyColor();
    void worksOnTheActiveTarget();
    void keyStepsApplyAndSettle();
    void typedChannelReadsBack_data();
    void typedChannelReadsBack();
    void hueKeptThroughGray();
    void followsColorsFromElsewhere();
    void outsideSrgbMarkedOnWideGrooves();
    void variationsApplyOnAClick_data();
    void variationsApplyOnAClick();
    void addToListHandsARow();
    void historySwatchesApplyAndClear();
    void lastModelRemembered();
    void escapeClosesAndSizeStays();
    void followsTheMainWindow();
    void everyControlHasAName();

private:
    ColorAdjuster *make();
    template<typename T>
    T *child(const QString &name) const
    {
        T *found = m_adjuster->findChild<T *>(name);
        if (!found)
            qFatal("no %s in the adjuster", qPrintable(name));
        return found;
    }
    void showModel(Model model);
    void type(const QString &field, const QString &text);

    std::unique_ptr<QTemporaryDir> m_home;
    std::unique_ptr<Samples> m_samples;
    std::unique_ptr<FakeCommands> m_commands;
    std::unique_ptr<ColorHistory> m_history;
    std::unique_ptr<ColorAdjuster> m_adjuster;
};

void tst_ColorAdjuster::init()
{
    m_home = std::make_unique<QTemporaryDir>();
    qputenv("HOME", QFile::encodeName(m_home->path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home->filePath(QStringLiteral(".config"))));
    m_samples = std::make_unique<Samples>();
    m_samples->set(SampleTarget::Background, hex("#3366CC"), 0, 0);
    m_commands = std::make_unique<FakeCommands>(*m_samples);
    m_commands->mainWindow.setGeometry(0, 0, 200, 150); // room on its right for the adjuster
    m_commands->mainWindow.show();
    m_history = std::make_unique<ColorHistory>();
    make();
}

void tst_ColorAdjuster::cleanup()
{
    m_adjuster.reset();
    m_history.reset();
    m_commands.reset();
    m_samples.reset();
}

ColorAdjuster *tst_ColorAdjuster::make()
{
    m_adjuster.reset();
    m_adjuster = std::make_unique<ColorAdjuster>(*m_samples, *m_commands, *m_history,
                                                 &m_commands->mainWindow);
    m_adjuster->open();
    if (!QTest::qWaitForWindowExposed(m_adjuster.get()))
        qWarning("the adjuster was not exposed");
    return m_adjuster.get();
}

void tst_ColorAdjuster::showModel(Model model)
{
    child<QTabWidget>(QStringLiteral("AdjusterModels"))->setCurrentIndex(int(model));
}

void tst_ColorAdjuster::type(const QString &field, const QString &text)
{
    auto *spin = child<QDoubleSpinBox>(field);
    spin->setFocus();
    spin->selectAll();
    QTest::keyClicks(spin, text);
    QTest::keyClick(spin, Qt::Key_Return);
}

// Every step of a drag sets the color through the update cycle; the history takes the color
// the drag ends on, once.
void tst_ColorAdjuster::dragGoesThroughApplyColor()
{
    showModel(Model::Hsl);
    auto *slider = child<GrooveSlider>(QStringLiteral("HslLightnessSlider"));
    const QRect groove = slider->grooveRect();
    const int y = groove.center().y();
    QTest::mousePress(slider, Qt::LeftButton, {}, QPoint(groove.left() + 10, y));
    for (int x = groove.left() + 20; x <= groove.right() - 10; x += 20)
        QTest::mouseMove(slider, QPoint(x, y));
    QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(groove.right() - 10, y));

    QVERIFY(m_commands->applied.size() >= 5);
    for (const auto &[target, color] : m_commands->applied)
        QCOMPARE(target, SampleTarget::Background);
    const ColorValue last = m_commands->applied.back().second;
    QCOMPARE(m_samples->background(), last);
    // The color is the position's, with hue and saturation held.
    const ColorModel::Position p = m_adjuster->state().position(Model::Hsl);
    QCOMPARE(p[0], 220.0);
    QVERIFY(std::abs(p[1] - 60) < 1e-9);
    QCOMPARE(Color::buildHex(last), Color::buildHex(ColorModel::toColor(Model::Hsl, p)));
    QVERIFY(p[2] > 85);
    QCOMPARE(m_history->colors(), QList<ColorValue> {last});
}

void tst_ColorAdjuster::worksOnTheActiveTarget()
{
    m_samples->set(SampleTarget::TextSample2, hex("#FFFFFF"), 0, hex("#804020"));
    type(QStringLiteral("HslHueValue"), QStringLiteral("200"));
    QCOMPARE(m_commands->applied.size(), 1);
    QCOMPARE(m_commands->applied.back().first, SampleTarget::TextSample2);
    QCOMPARE(m_samples->background(), hex("#FFFFFF"));
    QVERIFY(std::abs(ColorModel::positionOf(Model::Hsl, m_samples->sample2())[0] - 200) < 1);
}

// From the keyboard each step is whole at once: applied and kept in the history.
void tst_ColorAdjuster::keyStepsApplyAndSettle()
{
    showModel(Model::Hsv);
    auto *slider = child<GrooveSlider>(QStringLiteral("HsvValueSlider"));
    slider->setFocus();
    const int before = slider->value();
    QTest::keyClick(slider, Qt::Key_Left);
    QTest::keyClick(slider, Qt::Key_Left);
    QCOMPARE(slider->value(), before - 2 * slider->singleStep());
    QCOMPARE(m_commands->applied.size(), 2);
    QCOMPARE(m_adjuster->state().position(Model::Hsv)[2], 78.0);
    QCOMPARE(m_history->colors().size(), 2);
    QCOMPARE(m_history->colors().front(), m_samples->background());
    QTest::keyClick(slider, Qt::Key_End);
    QCOMPARE(m_adjuster->state().position(Model::Hsv)[2], 100.0);
}

void tst_ColorAdjuster::typedChannelReadsBack_data()
{
    QTest::addColumn<Model>("model");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("value");
    QTest::newRow("hsl saturation") << Model::Hsl << "HslSaturationValue"
                                    << "40.3" << 40.3;
    QTest::newRow("hsv hue") << Model::Hsv << "HsvHueValue"
                             << "123.4" << 123.4;
    QTest::newRow("hwb blackness") << Model::Hwb << "HwbBlacknessValue"
                                   << "33.3" << 33.3;
    QTest::newRow("oklch chroma") << Model::Oklch << "OklchChromaValue"
                                  << "0.087" << 0.087;
    QTest::newRow("oklch lightness") << Model::Oklch << "OklchLightnessValue"
                                     << "71.1" << 71.1;
    QTest::newRow("lab b") << Model::Lab << "LabBValue"
                           << "-44.4" << -44.4;
}

// Set through its field, a channel reads back as typed in the field, the slider and the state,
// after the update cycle has run; the color applied is the position's.
void tst_ColorAdjuster::typedChannelReadsBack()
{
    QFETCH(Model, model);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(double, value);
    showModel(model);
    type(field, typed);
    QVERIFY(!m_commands->applied.isEmpty());
    auto *spin = child<QDoubleSpinBox>(field);
    QCOMPARE(spin->value(), value);
    QString sliderName = field;
    sliderName.replace(QStringLiteral("Value"), QStringLiteral("Slider"));
    auto *slider = child<GrooveSlider>(sliderName);
    QCOMPARE(slider->value(), int(std::lround(value * std::pow(10.0, spin->decimals()))));
    const ColorModel::Position p = m_adjuster->state().position(model);
    QVERIFY(std::find(p.begin(), p.end(), value) != p.end());
    QCOMPARE(Color::buildHex(m_commands->applied.back().second),
             Color::buildHex(ColorModel::toColor(model, p)));
    QCOMPARE(m_history->colors().front(), m_commands->applied.back().second);
}

void tst_ColorAdjuster::hueKeptThroughGray()
{
    showModel(Model::Hsl);
    type(QStringLiteral("HslHueValue"), QStringLiteral("300"));
    type(QStringLiteral("HslSaturationValue"), QStringLiteral("0"));
    const ColorValue gray = m_samples->background();
    QCOMPARE(Color::red(gray), Color::blue(gray));
    QCOMPARE(Color::red(gray), Color::green(gray));
    QCOMPARE(child<QDoubleSpinBox>(QStringLiteral("HslHueValue"))->value(), 300.0);
    // The other models' hues stay where the gray found them, not at 0.
    QVERIFY(child<QDoubleSpinBox>(QStringLiteral("HsvHueValue"))->value() > 290);
    type(QStringLiteral("HslSaturationValue"), QStringLiteral("60"));
    QVERIFY(std::abs(ColorModel::positionOf(Model::Hsl, m_samples->background())[0] - 300) < 1);
}

void tst_ColorAdjuster::followsColorsFromElsewhere()
{
    m_samples->set(SampleTarget::Background, hex("#FF8000"), 0, 0);
    QCOMPARE(child<QDoubleSpinBox>(QStringLiteral("HslHueValue"))->value(), 30.1);
    QCOMPARE(child<QDoubleSpinBox>(QStringLiteral("HsvValueValue"))->value(), 100.0);
    QVERIFY(child<QLabel>(QStringLiteral("AdjusterTarget"))->text().contains(u"#FF8000"));
    QVERIFY(m_commands->applied.isEmpty()); // following is not applying
    // A target chosen: its color.
    m_samples->set(SampleTarget::TextSample1, hex("#FF8000"), hex("#000000"), 0);
    QCOMPARE(child<QDoubleSpinBox>(QStringLiteral("HslLightnessValue"))->value(), 0.0);
}

void tst_ColorAdjuster::outsideSrgbMarkedOnWideGrooves()
{
    showModel(Model::Oklch);
    auto *state = child<QLabel>(QStringLiteral("OklchGamutState"));
    QVERIFY(state->text().isEmpty());
    type(QStringLiteral("OklchChromaValue"), QStringLiteral("0.4"));
    QVERIFY(!state->text().isEmpty());
    QVERIFY(child<GrooveSlider>(QStringLiteral("OklchChromaSlider"))->showsOutside());
    QVERIFY(!child<QLabel>(QStringLiteral("OklchGamutNote"))->text().isEmpty());
    // The applied color is the gamut-mapped one, and the position stays as set.
    QCOMPARE(m_commands->applied.back().second,
             ColorModel::toColor(Model::Oklch, m_adjuster->state().position(Model::Oklch)));
    QCOMPARE(child<QDoubleSpinBox>(QStringLiteral("OklchChromaValue"))->value(), 0.4);
    // The sRGB models never leave it.
    showModel(Model::Hsl);
    for (const char *name : {"HslHueSlider", "HslSaturationSlider", "HslLightnessSlider"})
        QVERIFY(!child<GrooveSlider>(QLatin1String(name))->showsOutside());
    QVERIFY(!m_adjuster->findChild<QLabel *>(QStringLiteral("HslGamutNote")));
}

void tst_ColorAdjuster::variationsApplyOnAClick_data()
{
    QTest::addColumn<Variations::Kind>("kind");
    QTest::addColumn<int>("index");
    QTest::newRow("tint 2") << Variations::Kind::Tints << 1;
    QTest::newRow("shade 5") << Variations::Kind::Shades << 4;
    QTest::newRow("tone 1") << Variations::Kind::Tones << 0;
    QTest::newRow("complementary") << Variations::Kind::Complementary << 0;
    QTest::newRow("tetradic 3") << Variations::Kind::Tetradic << 2;
}

void tst_ColorAdjuster::variationsApplyOnAClick()
{
    QFETCH(Variations::Kind, kind);
    QFETCH(int, index);
    const ColorValue expected = Variations::of(kind, hex("#3366CC"))[size_t(index)];
    auto *swatch = child<SwatchButton>(QLatin1String(Variations::row(kind).key)
                                       + QStringLiteral("Swatch%1").arg(index + 1));
    QCOMPARE(swatch->toolTip(), Color::buildHex(expected));
    QTest::mouseClick(swatch, Qt::LeftButton);
    QCOMPARE(m_commands->applied.size(), 1);
    QCOMPARE(Color::buildHex(m_commands->applied.back().second), Color::buildHex(expected));
    QCOMPARE(m_history->colors().front(), expected);
}

void tst_ColorAdjuster::addToListHandsARow()
{
    auto *button = child<QPushButton>(QStringLiteral("TintsAddToList"));
    QVERIFY(!button->isEnabled()); // no list to add to
    std::vector<ColorAdjuster::Entry> got;
    m_adjuster->onAddToList = [&](const std::vector<ColorAdjuster::Entry> &entries) {
        got = entries;
    };
    m_adjuster->setAddToListEnabled(true);
    QVERIFY(button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
    const std::vector<ColorValue> tints = Variations::of(Variations::Kind::Tints, hex("#3366CC"));
    QCOMPARE(int(got.size()), 5);
    for (size_t i = 0; i < got.size(); ++i) {
        QCOMPARE(got[i].name, QStringLiteral("#3366CC tint %1").arg(i + 1));
        QCOMPARE(got[i].color, tints[i]);
    }
    m_adjuster->nameOf = [](ColorValue) { return QStringLiteral("Sky"); };
    QTest::mouseClick(child<QPushButton>(QStringLiteral("ComplementaryAddToList")), Qt::LeftButton);
    QCOMPARE(int(got.size()), 1);
    QCOMPARE(got[0].name, QStringLiteral("Sky complementary"));
    QVERIFY(m_commands->applied.isEmpty()); // adding applies nothing
    m_adjuster->setAddToListEnabled(false);
    QVERIFY(!button->isEnabled());
}

void tst_ColorAdjuster::historySwatchesApplyAndClear()
{
    m_history->settle(hex("#112233"));
    m_history->settle(hex("#445566"));
    auto *first = child<SwatchButton>(QStringLiteral("HistorySwatch1"));
    auto *second = child<SwatchButton>(QStringLiteral("HistorySwatch2"));
    QCOMPARE(first->toolTip(), QStringLiteral("#445566"));
    QCOMPARE(second->toolTip(), QStringLiteral("#112233"));
    QVERIFY(!child<SwatchButton>(QStringLiteral("HistorySwatch3"))->isEnabled());
    QTest::mouseClick(second, Qt::LeftButton);
    QCOMPARE(m_commands->applied.back().second, hex("#112233"));
    QCOMPARE(m_history->colors(), (QList<ColorValue> {hex("#112233"), hex("#445566")}));
    QCOMPARE(first->toolTip(), QStringLiteral("#112233"));

    auto *clear = child<QPushButton>(QStringLiteral("ClearHistory"));
    QVERIFY(clear->isEnabled());
    QTest::mouseClick(clear, Qt::LeftButton);
    QVERIFY(m_history->colors().isEmpty());
    QVERIFY(!first->isEnabled());
    QVERIFY(!clear->isEnabled());
}

void tst_ColorAdjuster::lastModelRemembered()
{
    showModel(Model::Oklch);
    make();
    QCOMPARE(m_adjuster->currentModel(), Model::Oklch);
    showModel(Model::Hwb);
    make();
    QCOMPARE(m_adjuster->currentModel(), Model::Hwb);
}

void tst_ColorAdjuster::escapeClosesAndSizeStays()
{
    const QSize size = m_adjuster->size();
    for (const char *color : {"#000000", "#FFFFFF", "#808080", "#FF00FF"}) {
        m_samples->set(SampleTarget::Background, hex(color), 0, 0);
        QCoreApplication::processEvents();
        QCOMPARE(m_adjuster->size(), size);
    }
    showModel(Model::Oklch);
    type(QStringLiteral("OklchChromaValue"), QStringLiteral("0.4")); // the gamut note shows
    QCoreApplication::processEvents();
    QCOMPARE(m_adjuster->size(), size);
    QVERIFY(!m_adjuster->isModal());
    QTest::keyClick(m_adjuster.get(), Qt::Key_Escape);
    QVERIFY(!m_adjuster->isVisible());
    m_adjuster->open();
    QCOMPARE(m_adjuster->size(), size);
}

void tst_ColorAdjuster::followsTheMainWindow()
{
    // Beside the main window, right of it.
    QVERIFY(m_adjuster->frameGeometry().left() > m_commands->mainWindow.frameGeometry().right());
    m_commands->mainWindow.hide();
    QVERIFY(!m_adjuster->isVisible());
    m_commands->mainWindow.show();
    QVERIFY(m_adjuster->isVisible());
}

void tst_ColorAdjuster::everyControlHasAName()
{
    const QList<QWidget *> widgets = m_adjuster->findChildren<QWidget *>();
    for (QWidget *w : widgets) {
        if (qobject_cast<QSlider *>(w) || qobject_cast<QDoubleSpinBox *>(w))
            QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
        if (auto *button = qobject_cast<QAbstractButton *>(w)) {
            if (auto *swatch = qobject_cast<SwatchButton *>(w); swatch && !swatch->hasColor())
                continue;
            if (w->parentWidget() && w->parentWidget()->inherits("QTabBar"))
                continue; // the tab bar's scroll arrows
            QVERIFY2(!button->accessibleName().isEmpty() || !button->text().isEmpty(),
                     qPrintable(w->objectName()));
        }
    }
}

QTEST_MAIN(tst_ColorAdjuster)
#include "tst_coloradjuster.moc"
