// SPDX-License-Identifier: GPL-3.0-or-later
// The tool windows know the shared sample state and the few commands of ColorCommands, not the
// main window: here they run against a bare state and recorded commands, with no main window.
#include "color/contrast.h"
#include "ui/colorcommands.h"
#include "ui/contrastchecker.h"
#include "ui/findbar.h"
#include "ui/samples.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <optional>

using namespace Tintora;
using Color::ColorValue;
using Color::SampleTarget;

namespace {

// Records what a tool asked for.
class RecordedCommands : public ColorCommands
{
public:
    void applyColor(SampleTarget target, ColorValue color) override
    {
        applied = std::make_pair(target, color);
    }
    void pickColorFor(SampleTarget target) override { picked = target; }
    bool showHints() const override { return true; }
    QWidget *window() override { return &host; }

    QWidget host;
    std::optional<std::pair<SampleTarget, ColorValue>> applied;
    std::optional<SampleTarget> picked;
};

constexpr ColorValue kWhite = Color::pack(255, 255, 255);
constexpr ColorValue kBlack = Color::pack(0, 0, 0);
constexpr ColorValue kLightGray = Color::pack(0xBB, 0xBB, 0xBB);

} // namespace

class tst_ToolSeam : public QObject
{
    Q_OBJECT
private slots:
    void checkerFollowsTheState_data();
    void checkerFollowsTheState();
    void checkerAsksTheCommands_data();
    void checkerAsksTheCommands();
    void findBarBelongsToTheCommandsWindow();
};

void tst_ToolSeam::checkerFollowsTheState_data()
{
    QTest::addColumn<ColorValue>("background");
    QTest::addColumn<ColorValue>("sample1");
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<QString>("title");

    QTest::newRow("black on white") << kWhite << kBlack << "Pass"
                                    << "Background  #FFFFFF";
    QTest::newRow("light gray on white") << kWhite << kLightGray << "Fail"
                                         << "Background  #FFFFFF";
    QTest::newRow("black on light gray") << kLightGray << kBlack << "Pass"
                                         << "Background  #BBBBBB";
}

void tst_ToolSeam::checkerFollowsTheState()
{
    QFETCH(ColorValue, background);
    QFETCH(ColorValue, sample1);
    QFETCH(QString, verdict);
    QFETCH(QString, title);

    Samples samples;
    RecordedCommands commands;
    ContrastChecker checker(samples, commands);
    QCOMPARE(checker.parentWidget(), &commands.host);
    // The first state is shown at once; a later one as soon as the state says it changed.
    samples.set(SampleTarget::TextSample1, background, sample1, kBlack);
    QCOMPARE(checker.findChild<QLabel *>(QStringLiteral("Sample1AaNormal"))->text(), verdict);
    QCOMPARE(checker.findChild<QLabel *>(QStringLiteral("BackgroundTitle"))->text(), title);
    QVERIFY(checker.findChild<QLabel *>(QStringLiteral("Sample1Title"))
                    ->text()
                    .endsWith(QLatin1String("(selected)")));
}

void tst_ToolSeam::checkerAsksTheCommands_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<std::optional<SampleTarget>>("applied");
    QTest::addColumn<std::optional<SampleTarget>>("picked");

    QTest::newRow("fix text") << "Sample1AaNormalFixText"
                              << std::optional(SampleTarget::TextSample1)
                              << std::optional<SampleTarget>();
    QTest::newRow("fix background")
            << "Sample1AaNormalFixBackground" << std::optional(SampleTarget::Background)
            << std::optional<SampleTarget>();
    QTest::newRow("pick background") << "BackgroundPick" << std::optional<SampleTarget>()
                                     << std::optional(SampleTarget::Background);
    QTest::newRow("pick sample 2") << "Sample2Pick" << std::optional<SampleTarget>()
                                   << std::optional(SampleTarget::TextSample2);
}

void tst_ToolSeam::checkerAsksTheCommands()
{
    QFETCH(QString, button);
    QFETCH(std::optional<SampleTarget>, applied);
    QFETCH(std::optional<SampleTarget>, picked);

    Samples samples;
    samples.set(SampleTarget::Background, kWhite, kLightGray, kLightGray);
    RecordedCommands commands;
    ContrastChecker checker(samples, commands);
    auto *pushButton = checker.findChild<QPushButton *>(button);
    QVERIFY(pushButton);
    QVERIFY(pushButton->isEnabled());
    pushButton->click();

    QCOMPARE(commands.picked, picked);
    QCOMPARE(commands.applied.has_value(), applied.has_value());
    if (!applied)
        return;
    // The fixed color passes where the old one failed; the state itself is the window's to
    // change, through its update cycle.
    QCOMPARE(commands.applied->first, *applied);
    const ColorValue fixed = commands.applied->second;
    const double ratio = *applied == SampleTarget::Background
            ? Contrast::contrastRatio(kLightGray, fixed)
            : Contrast::contrastRatio(fixed, kWhite);
    QVERIFY2(Contrast::passes(ratio, Contrast::Level::AaNormal),
             qPrintable(QString::number(ratio)));
    QCOMPARE(samples.sample1(), kLightGray);
    QCOMPARE(samples.background(), kWhite);
}

void tst_ToolSeam::findBarBelongsToTheCommandsWindow()
{
    RecordedCommands commands;
    FindBar bar(commands.window());
    QCOMPARE(bar.parentWidget(), &commands.host);
    QCOMPARE(bar.text(), QString());
    bar.findChild<QLineEdit *>(QStringLiteral("FindText"))->setText(QStringLiteral("sky"));
    QCOMPARE(bar.text(), QStringLiteral("sky"));
    bar.setFound(false);
    QCOMPARE(bar.findChild<QLabel *>(QStringLiteral("FindStatus"))->text(),
             QStringLiteral("Not found"));
}

QTEST_MAIN(tst_ToolSeam)
#include "tst_toolseam.moc"
