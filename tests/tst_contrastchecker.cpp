// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/combobox.h"
#include "app/edit.h"
#include "app/radiobutton.h"
#include "app/scrollbar.h"
#include "color/contrast.h"
#include "formfixture.h"
#include "lists/colorlistmodel.h"
#include "ui/contrastchecker.h"
#include "ui/contrastpreview.h"
#include "ui/contraststrip.h"
#include "ui/pickeroverlay.h"
#include "ui/screenpicker.h"
#include "ui/tform1.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTest>
#include <QToolTip>

using namespace Tintora;
using Contrast::Level;
using Contrast::Vision;

class tst_ContrastChecker : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void opensFromOptionsMenu();
    void shortcutWorksFromATextField();
    void followsColorsAndTargets();
    void followsListSelection();
    void fixAppliesThroughUpdateCycle_data();
    void fixAppliesThroughUpdateCycle();
    void saysWhenNoColorPasses();
    void showsColorVisionPreviews();
    void reopensAndClosesWithMainWindow();
    void judgesTextAgainstText();
    void stripPicksTheColorDrawnThere_data();
    void stripPicksTheColorDrawnThere();
    void stripDragKeepsItsHue();
    void backgroundStripMarksWhereBothPass();
    void fixBackgroundAppliesThroughUpdateCycle();
    void fixBackgroundSaysWhenNoneExists();
    void reportIsWhatTheWindowShows();
    void keepsItsSizeAsVerdictsFlip();
    void keepsItsSizeAsTheTargetChanges_data();
    void keepsItsSizeAsTheTargetChanges();
    void ownTextsReadableInLightAndDarkPalettes();
    void pickButtonsPickForTheirTarget_data();
    void pickButtonsPickForTheirTarget();
    void escapeClosesAndHintsFollowTheMainWindow();

private:
    QString checkerText(const char *name) const;
    QStringList previewLines(const char *name) const;
    QPushButton *button(const QString &name) const;
    ContrastStrip *strip(const char *name) const;
    // Sets all three colors through the main window, as the user would, ending on target.
    void setColors(Color::ColorValue background, Color::ColorValue sample1,
                   Color::ColorValue sample2, const char *endOn = "RadioButton1");
    QAction *menuItem() const { return f.child<QAction>("ContrastChecker1"); }
    ContrastChecker *openChecker();
    ContrastChecker *checker() const { return f.form->findChild<ContrastChecker *>(); }
    // Moves the three scroll bars as the user would; the update cycle does the rest.
    void dragBarsTo(int red, int green, int blue);
    void clickRadio(const char *name);
    // The main window's views agree with one color: hex field, decimal fields and bars.
    void verifyViewsShow(Color::ColorValue color);
    // Right of the main window when the screen has room there, else left of it, else as
    // close to the right edge as the screen allows; always on the screen.
    void verifyBesideForm(const ContrastChecker *c);

    FormFixture f;
};

void tst_ContrastChecker::init()
{
    f.create();
}

void tst_ContrastChecker::cleanup()
{
    VERIFY_NO_SURPRISES(f.dialogs);
    f.destroy();
}

QString tst_ContrastChecker::checkerText(const char *name) const
{
    auto *label = checker()->findChild<QLabel *>(QLatin1String(name));
    if (!label)
        qFatal("no %s in the contrast checker", name);
    return label->text();
}

QStringList tst_ContrastChecker::previewLines(const char *name) const
{
    auto *preview = checker()->findChild<ContrastPreview *>(QLatin1String(name));
    if (!preview)
        qFatal("no %s in the contrast checker", name);
    return preview->lines();
}

QPushButton *tst_ContrastChecker::button(const QString &name) const
{
    auto *b = checker()->findChild<QPushButton *>(name);
    if (!b)
        qFatal("no button %s in the contrast checker", qPrintable(name));
    return b;
}

ContrastStrip *tst_ContrastChecker::strip(const char *name) const
{
    auto *s = checker()->findChild<ContrastStrip *>(QLatin1String(name));
    if (!s)
        qFatal("no strip %s in the contrast checker", name);
    return s;
}

void tst_ContrastChecker::setColors(Color::ColorValue background, Color::ColorValue sample1,
                                    Color::ColorValue sample2, const char *endOn)
{
    const std::pair<const char *, Color::ColorValue> steps[] = {
            {"RadioButton2", sample1}, {"RadioButton3", sample2}, {"RadioButton1", background}};
    for (const auto &[radio, color] : steps) {
        clickRadio(radio);
        dragBarsTo(Color::red(color), Color::green(color), Color::blue(color));
    }
    clickRadio(endOn);
}

ContrastChecker *tst_ContrastChecker::openChecker()
{
    menuItem()->trigger();
    ContrastChecker *c = checker();
    if (c && !c->isVisible())
        qWarning("the contrast checker did not show");
    return c;
}

void tst_ContrastChecker::dragBarsTo(int red, int green, int blue)
{
    f.dragBar("RScrollBar1", red);
    f.dragBar("gScrollBar1", green);
    f.dragBar("bScrollBar1", blue);
}

void tst_ContrastChecker::clickRadio(const char *name)
{
    QTest::mouseClick(f.child<RadioButton>(name), Qt::LeftButton);
}

void tst_ContrastChecker::verifyViewsShow(Color::ColorValue color)
{
    QCOMPARE(f.child<Edit>("Edit1")->text(), Color::buildHex(color));
    QCOMPARE(f.child<Edit>("Rval")->text(), QString::number(Color::red(color)));
    QCOMPARE(f.child<Edit>("Gval")->text(), QString::number(Color::green(color)));
    QCOMPARE(f.child<Edit>("Bval")->text(), QString::number(Color::blue(color)));
    QCOMPARE(f.child<ScrollBar>("RScrollBar1")->position(), Color::red(color));
    QCOMPARE(f.child<ScrollBar>("gScrollBar1")->position(), Color::green(color));
    QCOMPARE(f.child<ScrollBar>("bScrollBar1")->position(), Color::blue(color));
    QCOMPARE(f.form->currentColor(), color);
}

void tst_ContrastChecker::verifyBesideForm(const ContrastChecker *c)
{
    const QRect screen = f.form->screen()->availableGeometry();
    const QRect form = f.form->frameGeometry();
    const QRect tool = c->frameGeometry();
    QVERIFY2(screen.contains(tool),
             qPrintable(QStringLiteral("%1x%2 at %3,%4 on %5x%6")
                                .arg(tool.width())
                                .arg(tool.height())
                                .arg(tool.x())
                                .arg(tool.y())
                                .arg(screen.width())
                                .arg(screen.height())));
    if (screen.right() - form.right() >= tool.width() + 6)
        QVERIFY(tool.left() > form.right());
    else if (form.left() - screen.left() >= tool.width() + 6)
        QVERIFY(tool.right() < form.left());
    else
        QCOMPARE(tool.right(), screen.right());
    if (tool.left() > form.right() || tool.right() < form.left())
        QCOMPARE(tool.top(), form.top());
}

void tst_ContrastChecker::opensFromOptionsMenu()
{
    QAction *item = menuItem();
    QCOMPARE(item->text(), QStringLiteral("Contrast &Checker"));
    QCOMPARE(item->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_K));
    auto *options = f.form->menuBar()->findChild<QMenu *>(QStringLiteral("Options1"));
    QVERIFY(options);
    QVERIFY(options->actions().contains(item));

    f.form->move(0, 0); // room on the right on the smallest test screen
    const QSize formSize = f.form->outerSize();
    QVERIFY(!checker());
    ContrastChecker *c = openChecker();
    QVERIFY(c);
    QCOMPARE(c->objectName(), QStringLiteral("ContrastChecker"));
    QVERIFY(c->isVisible());
    QVERIFY(c->isWindow());
    QCOMPARE(c->windowType(), Qt::Tool);
    QVERIFY(!c->isModal());
    // Beside the main window, which keeps its size.
    verifyBesideForm(c);
    QCOMPARE(f.form->outerSize(), formSize);

    // With no room on the right it goes to the left.
    QVERIFY(c->close());
    const QRect screen = f.form->screen()->availableGeometry();
    f.form->move(screen.right() + 1 - f.form->frameGeometry().width(), 0);
    menuItem()->trigger();
    QVERIFY(c->isVisible());
    verifyBesideForm(c);

    // A second command brings the same window forward rather than opening another.
    menuItem()->trigger();
    QCOMPARE(f.form->findChildren<ContrastChecker *>().size(), 1);
    QCOMPARE(checker(), c);

    // The main window still takes input while the tool is open.
    clickRadio("RadioButton3");
    QCOMPARE(f.form->activeTarget(), Color::SampleTarget::TextSample2);
}

void tst_ContrastChecker::shortcutWorksFromATextField()
{
    f.form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
    auto *field = f.child<Edit>("Rval");
    field->setFocus();
    field->setCursorPosition(0);
    QTest::keyClick(field, Qt::Key_K, Qt::ControlModifier);
    QVERIFY(checker());
    QVERIFY(checker()->isVisible());
    // The field kept its text: the key went to the menu, not to the field's line editing.
    QCOMPARE(field->text(), QStringLiteral("255"));
}

void tst_ContrastChecker::followsColorsAndTargets()
{
    openChecker();
    QCOMPARE(checkerText("Sample1Ratio"), QStringLiteral("21.00:1"));
    QCOMPARE(checkerText("Sample2Ratio"), QStringLiteral("21.00:1"));
    QVERIFY(checkerText("BackgroundTitle").contains(QStringLiteral("(selected)")));

    // Switching the target shows in the checker at once.
    clickRadio("RadioButton2");
    QVERIFY(checkerText("Sample1Title").contains(QStringLiteral("(selected)")));
    QVERIFY(!checkerText("BackgroundTitle").contains(QStringLiteral("(selected)")));
    QVERIFY(checker()->findChild<QLabel *>(QStringLiteral("Sample1Title"))->font().bold());

    // Every step of a drag is followed, not only the end.
    f.dragBar("RScrollBar1", 119);
    QCOMPARE(previewLines("Sample1Preview"), QStringList {QStringLiteral("Sample 1  #770000")});
    QCOMPARE(checkerText("Sample1Title"), QStringLiteral("Text Sample 1  (selected)"));
    f.dragBar("gScrollBar1", 119);
    f.dragBar("bScrollBar1", 119);
    QCOMPARE(checkerText("Sample1Ratio"), QStringLiteral("4.47:1, just below 4.5:1"));
    QCOMPARE(checkerText("Sample1AaNormal"), QStringLiteral("Fail"));
    QCOMPARE(checkerText("Sample1AaLarge"), QStringLiteral("Pass"));
    QCOMPARE(checkerText("Sample1AaaNormal"), QStringLiteral("Fail"));
    QCOMPARE(checkerText("Sample1AaaLarge"), QStringLiteral("Fail"));
    const double lc =
            Contrast::apcaContrast(Color::pack(119, 119, 119), Color::pack(255, 255, 255));
    QCOMPARE(checkerText("Sample1Lc"), Contrast::formatLc(lc));
    QCOMPARE(checkerText("Sample1Reading"), Contrast::apcaReading(lc));
    QCOMPARE(checkerText("Sample1ApcaBody"), QStringLiteral("Fail"));
    QCOMPARE(checkerText("Sample1ApcaContent"), QStringLiteral("Pass")); // Lc 71.1
    QCOMPARE(checkerText("Sample1ApcaLarge"), QStringLiteral("Pass"));
    QCOMPARE(checkerText("Sample2Ratio"), QStringLiteral("21.00:1")); // the other sample stays

    auto *fix = checker()->findChild<QPushButton *>(QStringLiteral("Sample1AaNormalFixText"));
    QVERIFY(fix->isEnabled());
    QVERIFY(!checker()
                     ->findChild<QPushButton *>(QStringLiteral("Sample1AaLargeFixText"))
                     ->isEnabled());

    // A new background changes both samples' verdicts.
    clickRadio("RadioButton1");
    QVERIFY(checkerText("BackgroundTitle").contains(QStringLiteral("(selected)")));
    QVERIFY(!checkerText("Sample1Title").contains(QStringLiteral("(selected)")));
    dragBarsTo(0, 0, 0);
    QCOMPARE(checkerText("BackgroundTitle"), QStringLiteral("Background  #000000  (selected)"));
    QCOMPARE(checkerText("Sample1Ratio"), QStringLiteral("4.68:1"));
    QCOMPARE(checkerText("Sample1AaNormal"), QStringLiteral("Pass"));
    QCOMPARE(checkerText("Sample2Ratio"), QStringLiteral("1.00:1"));
    QCOMPARE(checkerText("Sample2Reading"), QStringLiteral("Not readable"));

    clickRadio("RadioButton3");
    QVERIFY(checkerText("Sample2Title").contains(QStringLiteral("(selected)")));
    QVERIFY(!checkerText("Sample1Title").contains(QStringLiteral("(selected)")));

    // The window keeps its size while it follows: it does not jump under the mouse.
    const QSize size = checker()->size();
    dragBarsTo(0x88, 0x88, 0x88);
    clickRadio("RadioButton2");
    dragBarsTo(0xFF, 0xFF, 0xFF);
    QCOMPARE(checker()->size(), size);
}

void tst_ContrastChecker::followsListSelection()
{
    openChecker();
    f.form->colorList()->append(QStringLiteral("Slate"), QStringLiteral("#708090"));
    f.form->colorList()->append(QStringLiteral("Navy"), QStringLiteral("#000080"));
    f.child<QAction>("EnableLists1")->trigger();
    QVERIFY(f.form->listsEnabled());

    clickRadio("RadioButton3");
    auto *names = f.child<ComboBox>("ComboBox1");
    names->setCurrentIndex(0);
    emit names->activated(0); // as when the user picks the item
    QCOMPARE(f.form->sample2Color(), Color::pack(0x70, 0x80, 0x90));
    QCOMPARE(previewLines("Sample2Preview"), QStringList {QStringLiteral("Sample 2  #708090")});
    QCOMPARE(checkerText("Sample2Ratio"),
             Contrast::formatRatio(Contrast::contrastRatio(Color::pack(0x70, 0x80, 0x90),
                                                           Color::pack(255, 255, 255))));

    names->setCurrentIndex(1);
    emit names->activated(1);
    QCOMPARE(previewLines("Sample2Preview"), QStringList {QStringLiteral("Sample 2  #000080")});
}

void tst_ContrastChecker::fixAppliesThroughUpdateCycle_data()
{
    QTest::addColumn<int>("sample");
    QTest::addColumn<uint>("text");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("expected");
    QTest::newRow("gray, AA") << 1 << uint(Color::pack(0x77, 0x77, 0x77)) << int(Level::AaNormal)
                              << "#767676";
    QTest::newRow("gray, AAA") << 2 << uint(Color::pack(0x77, 0x77, 0x77)) << int(Level::AaaNormal)
                               << "#595959";
    QTest::newRow("red, AAA") << 2 << uint(Color::pack(255, 0, 0)) << int(Level::AaaNormal)
                              << Color::buildHex(*Contrast::fixTextColor(Color::pack(255, 0, 0),
                                                                         Color::pack(255, 255, 255),
                                                                         Level::AaaNormal));
}

void tst_ContrastChecker::fixAppliesThroughUpdateCycle()
{
    QFETCH(int, sample);
    QFETCH(uint, text);
    QFETCH(int, level);
    QFETCH(QString, expected);

    // A named list entry holds the old color, so the name box shows a name that the fix must
    // replace with the new color's own (here: none).
    f.form->colorList()->append(QStringLiteral("Old"), Color::buildHex(text));
    f.child<QAction>("EnableLists1")->trigger();

    openChecker();
    clickRadio(sample == 1 ? "RadioButton2" : "RadioButton3");
    dragBarsTo(Color::red(text), Color::green(text), Color::blue(text));
    QCOMPARE(f.child<ComboBox>("ComboBox1")->text(), QStringLiteral("Old"));
    clickRadio("RadioButton1"); // the fix must bring its own target back

    const QByteArray fixName = QStringLiteral("Sample%1%2FixText")
                                       .arg(sample)
                                       .arg(QLatin1String(Contrast::levelRule(Level(level)).key))
                                       .toLatin1();
    auto *fix = checker()->findChild<QPushButton *>(QLatin1String(fixName));
    QVERIFY(fix);
    QVERIFY(fix->isEnabled());
    QTest::mouseClick(fix, Qt::LeftButton);

    Color::ColorValue fixed = 0;
    {
        const Color::Components c = Color::parseHex(expected);
        fixed = Color::pack(c.red, c.green, c.blue);
    }
    const auto target =
            sample == 1 ? Color::SampleTarget::TextSample1 : Color::SampleTarget::TextSample2;
    QCOMPARE(f.form->activeTarget(), target);
    QVERIFY(f.child<RadioButton>(sample == 1 ? "RadioButton2" : "RadioButton3")->isChecked());
    QVERIFY(!f.child<RadioButton>("RadioButton1")->isChecked());
    verifyViewsShow(fixed);
    QCOMPARE(sample == 1 ? f.form->sample1Color() : f.form->sample2Color(), fixed);
    QCOMPARE(f.form->backgroundColor(), Color::pack(255, 255, 255));
    const QColor shown = f.child<QLabel>(sample == 1 ? "Label2" : "Label3")
                                 ->palette()
                                 .color(QPalette::WindowText);
    QCOMPARE(shown, QColor(Color::red(fixed), Color::green(fixed), Color::blue(fixed)));
    QCOMPARE(f.child<ComboBox>("ComboBox1")->text(), QString());

    // The checker followed: the level passes now and needs no fix.
    const QString prefix = QStringLiteral("Sample%1").arg(sample);
    QVERIFY(previewLines(qPrintable(prefix + QStringLiteral("Preview")))
                    .first()
                    .endsWith(expected));
    QCOMPARE(checkerText(qPrintable(QString::fromLatin1(fixName).chopped(7))),
             QStringLiteral("Pass"));
    QVERIFY(!fix->isEnabled());

    // Undoing by hand goes through the same cycle: the fix left nothing behind that disagrees.
    dragBarsTo(Color::red(text), Color::green(text), Color::blue(text));
    verifyViewsShow(text);
    QCOMPARE(f.child<ComboBox>("ComboBox1")->text(), QStringLiteral("Old"));
}

void tst_ContrastChecker::saysWhenNoColorPasses()
{
    openChecker();
    dragBarsTo(0x77, 0x77, 0x77); // background: neither black nor white reaches 7:1 on it
    QCOMPARE(checkerText("Sample1AaaNormal"), QStringLiteral("Fail"));
    auto *fix = checker()->findChild<QPushButton *>(QStringLiteral("Sample1AaaNormalFixText"));
    QVERIFY(!fix->isEnabled());
    QCOMPARE(fix->toolTip(), QStringLiteral("No color of this hue passes"));
    QCOMPARE(checkerText("Sample1Note"), QStringLiteral("No color of this hue passes"));
    QCOMPARE(checkerText("Sample2Note"), QStringLiteral("No color of this hue passes"));
    // AA stays within reach on any background.
    QVERIFY(checker()
                    ->findChild<QPushButton *>(QStringLiteral("Sample1AaNormalFixText"))
                    ->isEnabled()
            || checkerText("Sample1AaNormal") == QStringLiteral("Pass"));

    // Asked anyway, it changes nothing and says so.
    checker()->fixSample(1, Level::AaaNormal);
    QCOMPARE(f.form->sample1Color(), Color::pack(0, 0, 0));
    QCOMPARE(f.form->activeTarget(), Color::SampleTarget::Background);
    verifyViewsShow(Color::pack(0x77, 0x77, 0x77));
    QCOMPARE(checkerText("Sample1Note"), QStringLiteral("No color of this hue passes"));

    // A background with room again clears the message.
    dragBarsTo(255, 255, 255);
    QCOMPARE(checkerText("Sample1Note"), QString());
}

void tst_ContrastChecker::showsColorVisionPreviews()
{
    openChecker();
    clickRadio("RadioButton2");
    dragBarsTo(255, 0, 0);
    clickRadio("RadioButton3");
    dragBarsTo(0, 128, 0);
    clickRadio("RadioButton1");
    dragBarsTo(255, 255, 204);

    const Color::ColorValue back = Color::pack(255, 255, 204);
    const Color::ColorValue red = Color::pack(255, 0, 0);
    const Color::ColorValue green = Color::pack(0, 128, 0);
    const auto qc = [](Color::ColorValue c) {
        return QColor(Color::red(c), Color::green(c), Color::blue(c));
    };
    for (Vision vision : Contrast::allVisions) {
        const QString name = Contrast::visionName(vision);
        auto *preview = checker()->findChild<ContrastPreview *>(name + QStringLiteral("Preview"));
        QVERIFY2(preview, qPrintable(name));
        const Color::ColorValue seenBack = Contrast::simulate(back, vision);
        const Color::ColorValue seenRed = Contrast::simulate(red, vision);
        const Color::ColorValue seenGreen = Contrast::simulate(green, vision);
        QCOMPARE(preview->background(), qc(seenBack));
        QCOMPARE(preview->textColors(), QList<QColor>({qc(seenRed), qc(seenGreen)}));
        QCOMPARE(checkerText(qPrintable(name + QStringLiteral("Ratios"))),
                 QStringLiteral("1: %1  2: %2")
                         .arg(Contrast::formatRatio(Contrast::seenRatio(red, back, vision)),
                              Contrast::formatRatio(Contrast::seenRatio(green, back, vision))));
    }
    // Achromatopsia keeps luminance: its ratios are the main ones, to the hundredth.
    QCOMPARE(checkerText("AchromatopsiaRatios"),
             QStringLiteral("1: %1  2: %2")
                     .arg(checkerText("Sample1Ratio").section(QLatin1Char(','), 0, 0),
                          checkerText("Sample2Ratio").section(QLatin1Char(','), 0, 0)));
    // Red and green differ for normal vision but hardly for the red-blind: the previews do
    // show the deficiency, not the ordinary colors.
    QVERIFY(checkerText("ProtanopiaRatios") != checkerText("TritanopiaRatios"));

    // The previews paint what they hold.
    auto *preview = checker()->findChild<ContrastPreview *>(QStringLiteral("AchromatopsiaPreview"));
    const QImage image = preview->grab().toImage();
    QCOMPARE(image.pixelColor(image.width() - 3, 2), preview->background());
}

void tst_ContrastChecker::reopensAndClosesWithMainWindow()
{
    f.form->move(0, 0);
    ContrastChecker *c = openChecker();
    QVERIFY(c->close());
    QVERIFY(!c->isVisible());

    // Colors changed while it is closed are there when it comes back.
    clickRadio("RadioButton2");
    dragBarsTo(0x77, 0x77, 0x77);
    openChecker();
    QCOMPARE(checker(), c);
    QVERIFY(c->isVisible());
    QCOMPARE(checkerText("Sample1Ratio"), QStringLiteral("4.47:1, just below 4.5:1"));
    verifyBesideForm(c);

    // And it still works after reopening.
    QTest::mouseClick(c->findChild<QPushButton *>(QStringLiteral("Sample1AaNormalFixText")),
                      Qt::LeftButton);
    verifyViewsShow(Color::pack(0x76, 0x76, 0x76));

    // The window commands hide and show the main window to change its flags; the tool goes
    // and comes back with it.
    f.form->findChild<QAction *>(QStringLiteral("StayonTop1"))->trigger();
    QVERIFY(f.form->isVisible());
    QVERIFY(c->isVisible());
    QVERIFY(c->close());
    f.form->findChild<QAction *>(QStringLiteral("StayonTop1"))->trigger();
    QVERIFY(!c->isVisible()); // closed by the user, it stays closed

    // Closing the main window closes the tool; destroying it takes the tool along.
    openChecker();
    QVERIFY(c->isVisible());
    QPointer<ContrastChecker> watch(c);
    QVERIFY(f.form->close());
    QVERIFY(!c->isVisible());
    f.form.reset();
    QVERIFY(watch.isNull());
}

void tst_ContrastChecker::judgesTextAgainstText()
{
    openChecker();
    // A link blue among black body text: 5.20:1 and 2.23:1 by the published definition.
    setColors(Color::pack(255, 255, 255), Color::pack(0x3D, 0x7D, 0xE0), Color::pack(0, 0, 0));
    QCOMPARE(checkerText("TextAgainstTextRatio"), QStringLiteral("5.20:1"));
    QCOMPARE(checkerText("TextAgainstText"), QStringLiteral("Pass"));
    setColors(Color::pack(255, 255, 255), Color::pack(0, 0, 0xEE), Color::pack(0, 0, 0));
    QCOMPARE(checkerText("TextAgainstTextRatio"), QStringLiteral("2.23:1"));
    QCOMPARE(checkerText("TextAgainstText"), QStringLiteral("Fail"));
    // #959595 against white is 2.995:1: never rounded up to a pass.
    setColors(Color::pack(0, 0, 0), Color::pack(0x95, 0x95, 0x95), Color::pack(255, 255, 255));
    QCOMPARE(checkerText("TextAgainstTextRatio"), QStringLiteral("2.99:1, just below 3:1"));
    QCOMPARE(checkerText("TextAgainstText"), QStringLiteral("Fail"));
    // The row has one level, 3:1: a pass never comes with "just below" another row's 4.5:1.
    setColors(Color::pack(0, 0, 0), Color::pack(0x77, 0x77, 0x77), Color::pack(255, 255, 255));
    QCOMPARE(checkerText("TextAgainstTextRatio"), QStringLiteral("4.47:1"));
    QCOMPARE(checkerText("TextAgainstText"), QStringLiteral("Pass"));
    // The same pair as a sample on the background: non-text fails too, by the same number.
    setColors(Color::pack(255, 255, 255), Color::pack(0x95, 0x95, 0x95), Color::pack(0, 0, 0));
    QCOMPARE(checkerText("Sample1NonText"), QStringLiteral("Fail"));
    QCOMPARE(checkerText("Sample1AaLarge"), QStringLiteral("Fail"));
    QCOMPARE(checkerText("Sample2NonText"), QStringLiteral("Pass"));
}

void tst_ContrastChecker::stripPicksTheColorDrawnThere_data()
{
    QTest::addColumn<QByteArray>("stripName");
    QTest::addColumn<int>("target");
    QTest::addColumn<double>("where"); // along the cells, 0 to 1
    QTest::newRow("sample 1, dark end") << QByteArray("Sample1Strip") << 2 << 0.1;
    QTest::newRow("sample 1, middle") << QByteArray("Sample1Strip") << 2 << 0.5;
    QTest::newRow("sample 2, light") << QByteArray("Sample2Strip") << 3 << 0.83;
    QTest::newRow("background, dark") << QByteArray("BackgroundStrip") << 1 << 0.3;
    QTest::newRow("background, last cell") << QByteArray("BackgroundStrip") << 1 << 1.0;
}

void tst_ContrastChecker::stripPicksTheColorDrawnThere()
{
    QFETCH(QByteArray, stripName);
    QFETCH(int, target);
    QFETCH(double, where);
    openChecker();
    setColors(Color::pack(0xD9, 0x82, 0x2B), Color::pack(0x33, 0x66, 0xCC),
              Color::pack(0xCC, 0x33, 0x66));
    ContrastStrip *s = strip(stripName.constData());
    const QRect cells = s->cellArea();
    const int x = cells.left() + int(where * (cells.width() - 1));
    QVERIFY(x != cells.left() + s->markedCell()); // the mark's own line hides the cell
    const QImage drawn = s->grab().toImage();
    const QColor there = drawn.pixelColor(x, cells.center().y());

    QTest::mouseClick(s, Qt::LeftButton, {}, QPoint(x, cells.center().y()));
    const Color::ColorValue picked = Color::pack(there.red(), there.green(), there.blue());
    QCOMPARE(int(f.form->activeTarget()), target);
    verifyViewsShow(picked); // through the update cycle, as Fix does
    const Color::ColorValue stored = target == 1 ? f.form->backgroundColor()
            : target == 2                        ? f.form->sample1Color()
                                                 : f.form->sample2Color();
    QCOMPARE(Color::buildHex(stored), Color::buildHex(picked));
    QCOMPARE(s->markedCell(), x - cells.left());
    VERIFY_NO_SURPRISES(f.dialogs);
}

void tst_ContrastChecker::stripDragKeepsItsHue()
{
    openChecker();
    setColors(Color::pack(255, 255, 255), Color::pack(0xD9, 0x82, 0x2B), Color::pack(0, 0, 0));
    ContrastStrip *s = strip("Sample1Strip");
    const QRect cells = s->cellArea();
    const int y = cells.center().y();
    const int start = cells.left() + cells.width() * 6 / 10;
    const QColor drawn = s->grab().toImage().pixelColor(start, y);

    // Down to almost black and back: rebuilt from a near-black 8-bit color, the hue would be
    // lost on the way.
    QTest::mousePress(s, Qt::LeftButton, {}, QPoint(start, y));
    for (int x = start; x > cells.left() + 2; x -= 9)
        QTest::mouseMove(s, QPoint(x, y));
    QTest::mouseMove(s, QPoint(cells.left() + 2, y));
    QVERIFY(f.form->sample1Color() != Color::pack(0xD9, 0x82, 0x2B));
    QCOMPARE(int(f.form->activeTarget()), int(Color::SampleTarget::TextSample1));
    QTest::mouseMove(s, QPoint(start, y));
    QTest::mouseRelease(s, Qt::LeftButton, {}, QPoint(start, y));
    QCOMPARE(Color::buildHex(f.form->sample1Color()),
             Color::buildHex(Color::pack(drawn.red(), drawn.green(), drawn.blue())));
    QCOMPARE(s->strip().hueOf(), Color::pack(0xD9, 0x82, 0x2B));

    // A color from elsewhere gives the strip its own hue.
    dragBarsTo(0x33, 0x66, 0xCC);
    QCOMPARE(s->strip().hueOf(), Color::pack(0x33, 0x66, 0xCC));
}

void tst_ContrastChecker::backgroundStripMarksWhereBothPass()
{
    openChecker();
    setColors(Color::pack(0x80, 0x80, 0x80), Color::pack(0, 0, 0), Color::pack(255, 255, 255));
    ContrastStrip *s = strip("BackgroundStrip");
    const std::vector<Color::ColorValue> samples {f.form->sample1Color(), f.form->sample2Color()};
    for (size_t band = 0; band < ContrastStrip::kBands.size(); ++band)
        QCOMPARE(s->ranges(band),
                 s->strip().passingRanges(samples,
                                          Contrast::minimumRatio(ContrastStrip::kBands[band])));
    QCOMPARE(s->ranges(0).size(), size_t(1)); // the middle grays, for AA
    QVERIFY(s->ranges(1).empty());            // none for AAA

    // A sample's strip is judged against the background alone.
    ContrastStrip *one = strip("Sample1Strip");
    QCOMPARE(one->ranges(0),
             one->strip().passingRanges(std::vector {f.form->backgroundColor()}, 4.5));
}

void tst_ContrastChecker::fixBackgroundAppliesThroughUpdateCycle()
{
    openChecker();
    const Color::ColorValue orange = Color::pack(0xD9, 0x82, 0x2B);
    setColors(orange, Color::pack(0, 0, 0), Color::pack(0x20, 0x20, 0x20), "RadioButton2");
    QCOMPARE(checkerText("Sample2AaaNormal"), QStringLiteral("Fail"));
    QPushButton *fix = button(QStringLiteral("Sample1AaaNormalFixBackground"));
    QVERIFY(fix->isEnabled()); // sample 1 passes, but both must
    QTest::mouseClick(fix, Qt::LeftButton);

    const std::array<Color::ColorValue, 2> samples {Color::pack(0, 0, 0),
                                                    Color::pack(0x20, 0x20, 0x20)};
    const Color::ColorValue expected = *Contrast::fixBackgroundColor(orange, samples, 7.0);
    QCOMPARE(f.form->activeTarget(), Color::SampleTarget::Background);
    QVERIFY(f.child<RadioButton>("RadioButton1")->isChecked());
    verifyViewsShow(expected);
    QCOMPARE(f.form->backgroundColor(), expected);
    QCOMPARE(f.form->sample1Color(), samples[0]);
    QCOMPARE(f.form->sample2Color(), samples[1]);
    QCOMPARE(checkerText("Sample1AaaNormal"), QStringLiteral("Pass"));
    QCOMPARE(checkerText("Sample2AaaNormal"), QStringLiteral("Pass"));
    QVERIFY(!fix->isEnabled());
    QVERIFY(!button(QStringLiteral("Sample2AaaNormalFixBackground"))->isEnabled());
    QCOMPARE(checkerText("BackgroundNote"), QString());
}

void tst_ContrastChecker::fixBackgroundSaysWhenNoneExists()
{
    openChecker();
    setColors(Color::pack(0x33, 0x66, 0xCC), Color::pack(0, 0, 0), Color::pack(255, 255, 255));
    QTest::mouseClick(button(QStringLiteral("Sample2AaaNormalFixBackground")), Qt::LeftButton);
    QCOMPARE(checkerText("BackgroundNote"),
             QStringLiteral("No background of this hue gives both samples 7:1"));
    verifyViewsShow(Color::pack(0x33, 0x66, 0xCC));
    QCOMPARE(f.form->backgroundColor(), Color::pack(0x33, 0x66, 0xCC));
    // The next change of color takes the message away.
    f.dragBar("RScrollBar1", 0x34);
    QCOMPARE(checkerText("BackgroundNote"), QString());
}

void tst_ContrastChecker::reportIsWhatTheWindowShows()
{
    openChecker();
    setColors(Color::pack(255, 255, 255), Color::pack(0x77, 0x77, 0x77), Color::pack(0, 0, 0x80));
    const QString expected =
            QStringLiteral("Contrast Checker\n"
                           "Background: #FFFFFF\n"
                           "Text Sample 1: #777777\n"
                           "Text Sample 2: #000080\n"
                           "\n"
                           "Text Sample 1 on the background\n"
                           "Contrast ratio: 4.47:1, just below 4.5:1\n"
                           "1.4.3 AA normal text, 4.5:1: Fail\n"
                           "1.4.3 AA large text, 3:1: Pass\n"
                           "1.4.6 AAA normal text, 7:1: Fail\n"
                           "1.4.6 AAA large text, 4.5:1: Fail\n"
                           "1.4.11 AA non-text, 3:1: Pass\n"
                           "APCA, advisory: Lc 71.1, Content text; least for body text\n"
                           "Least size, weight 400, 700: 19.5 px, 14.5 px\n"
                           "Body Lc 75, content 60, large 45: Fail, Pass, Pass\n"
                           "\n"
                           "Text Sample 2 on the background\n"
                           "Contrast ratio: 16.00:1\n"
                           "1.4.3 AA normal text, 4.5:1: Pass\n"
                           "1.4.3 AA large text, 3:1: Pass\n"
                           "1.4.6 AAA normal text, 7:1: Pass\n"
                           "1.4.6 AAA large text, 4.5:1: Pass\n"
                           "1.4.11 AA non-text, 3:1: Pass\n"
                           "APCA, advisory: Lc 100.9, Body text\n"
                           "Least size, weight 400, 700: 15 px, 13 px\n"
                           "Body Lc 75, content 60, large 45: Pass, Pass, Pass\n"
                           "\n"
                           "Text against text (a link among body text), 3:1: 3.57:1, Pass\n"
                           "Large text: at least 18 pt, or 14 pt bold\n"
                           "\n"
                           "As seen with a color vision deficiency (simulated):\n");
    const QString report = checker()->report();
    QVERIFY2(report.startsWith(expected), qPrintable(report));

    // Every text the window shows is in the report.
    for (QLabel *label : checker()->findChildren<QLabel *>()) {
        if (label->objectName().endsWith(QLatin1String("Title"))) {
            // "Background  #FFFFFF  (selected)": the report names the color, not the target.
            const qsizetype hash = label->text().indexOf(QLatin1Char('#'));
            QVERIFY(hash < 0 || report.contains(label->text().mid(hash, 7) + QLatin1Char('\n')));
            continue;
        }
        for (const QString &line : label->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            QVERIFY2(report.contains(line.trimmed()), qPrintable(label->objectName()));
    }
    for (Vision vision : Contrast::allVisions) {
        const QString name = Contrast::visionName(vision);
        QVERIFY(report.contains(
                QStringLiteral("%1: %2\n")
                        .arg(name, checkerText(qPrintable(name + QStringLiteral("Ratios"))))));
    }

    // "Copy Report" puts exactly that on the clipboard, as plain text.
    QGuiApplication::clipboard()->clear();
    QTest::mouseClick(button(QStringLiteral("CopyReport")), Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), report);
}

void tst_ContrastChecker::keepsItsSizeAsVerdictsFlip()
{
    openChecker();
    const QSize size = checker()->size();
    // Every kind of text the labels take: just below each threshold, the longest readings and
    // font sizes, no fix, 1:1 and 21:1.
    const Color::ColorValue pairs[][3] = {
            {Color::pack(255, 255, 255), Color::pack(0x77, 0x77, 0x77),
             Color::pack(0x95, 0x95, 0x95)},
            {Color::pack(0x77, 0x77, 0x77), Color::pack(0x77, 0x77, 0x77), Color::pack(0, 0, 0)},
            {Color::pack(0, 0, 0), Color::pack(0x80, 0x80, 0x80), Color::pack(255, 255, 255)},
            {Color::pack(255, 255, 255), Color::pack(0x5A, 0x5A, 0x5A),
             Color::pack(0xD9, 0x82, 0x2B)},
            {Color::pack(0x20, 0x20, 0x20), Color::pack(0x88, 0x88, 0x88),
             Color::pack(0x30, 0x30, 0x30)},
    };
    for (const auto &colors : pairs) {
        setColors(colors[0], colors[1], colors[2], "RadioButton3");
        QCOMPARE(checker()->size(), size);
    }
    QTest::mouseClick(button(QStringLiteral("Sample1AaaNormalFixBackground")), Qt::LeftButton);
    QCOMPARE(checker()->size(), size);
}

// The selected target's title is bold and says so: selecting each target in turn, from each,
// leaves the window the size it opened at.
void tst_ContrastChecker::keepsItsSizeAsTheTargetChanges_data()
{
    QTest::addColumn<QString>("first");
    QTest::newRow("from Background") << "RadioButton1";
    QTest::newRow("from Text Sample 1") << "RadioButton2";
    QTest::newRow("from Text Sample 2") << "RadioButton3";
}

void tst_ContrastChecker::keepsItsSizeAsTheTargetChanges()
{
    QFETCH(QString, first);
    clickRadio(qPrintable(first));
    openChecker();
    const QSize size = checker()->size();
    for (const char *radio : {"RadioButton1", "RadioButton2", "RadioButton3", "RadioButton1"}) {
        clickRadio(radio);
        QCoreApplication::processEvents(); // the layout follows its labels on a posted event
        QCOMPARE(checker()->sizeHint(), size);
        QCOMPARE(checker()->size(), size);
    }
}

void tst_ContrastChecker::ownTextsReadableInLightAndDarkPalettes()
{
    ContrastChecker *c = openChecker();
    setColors(Color::pack(0x77, 0x77, 0x77), Color::pack(0x77, 0x77, 0x77), Color::pack(0, 0, 0));
    QTest::mouseClick(button(QStringLiteral("Sample1AaaNormalFixBackground")), Qt::LeftButton);

    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Base, QColor(0x2A, 0x2A, 0x2A));
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::ButtonText, Qt::white);
    dark.setColor(QPalette::Mid, QColor(0x60, 0x60, 0x60));
    const QPalette light = c->style()->standardPalette();
    const auto value = [](const QColor &q) { return Color::pack(q.red(), q.green(), q.blue()); };
    for (const QPalette &palette : {light, dark}) {
        c->setPalette(palette);
        const Color::ColorValue window = value(palette.color(QPalette::Window));
        for (QLabel *label : c->findChildren<QLabel *>()) {
            const double ratio = Contrast::contrastRatio(
                    value(label->palette().color(QPalette::WindowText)), window);
            QVERIFY2(ratio >= 4.5,
                     qPrintable(QStringLiteral("%1: %2").arg(label->objectName()).arg(ratio)));
        }
        // The verdicts keep their own hues: green for a pass, red for a fail.
        QVERIFY(c->passColor().green() > c->passColor().red());
        QVERIFY(c->failColor().red() > c->failColor().green());
        QVERIFY(c->passColor() != c->failColor());
        QCOMPARE(checker()
                         ->findChild<QLabel *>(QStringLiteral("Sample2AaNormal"))
                         ->palette()
                         .color(QPalette::WindowText),
                 c->passColor());
    }
}

void tst_ContrastChecker::escapeClosesAndHintsFollowTheMainWindow()
{
    ContrastChecker *c = openChecker();
    QPushButton *fix = button(QStringLiteral("Sample1AaNormalFixBackground"));
    const auto tipShows = [&]() -> bool {
        QToolTip::hideText();
        if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); }))
            qWarning("the tool tip stayed");
        QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), fix->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(fix, &help);
        return QToolTip::isVisible();
    };
    QVERIFY(tipShows());
    f.child<QAction>("DisableHints1")->trigger();
    QVERIFY(!tipShows());
    f.child<QAction>("DisableHints1")->trigger();
    QVERIFY(tipShows());
    QToolTip::hideText();

    QTest::keyClick(c, Qt::Key_Escape);
    QVERIFY(!c->isVisible());
    QVERIFY(f.form->isVisible());
}

void tst_ContrastChecker::pickButtonsPickForTheirTarget_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("radio");
    QTest::newRow("background") << "BackgroundPick"
                                << "RadioButton1";
    QTest::newRow("sample 1") << "Sample1Pick"
                              << "RadioButton2";
    QTest::newRow("sample 2") << "Sample2Pick"
                              << "RadioButton3";
}

void tst_ContrastChecker::pickButtonsPickForTheirTarget()
{
    QFETCH(QString, button);
    QFETCH(QString, radio);
    ContrastChecker *c = openChecker();
    if (radio == u"RadioButton1")
        clickRadio("RadioButton2"); // so that the button has a target to change to
    auto *pick = c->findChild<QPushButton *>(button);
    QVERIFY(pick);
    QTest::mouseClick(pick, Qt::LeftButton);
    QVERIFY(f.child<RadioButton>(qPrintable(radio))->isChecked());
    // The screens are frozen under the loupe; Esc gives them back and changes nothing.
    auto *picker = f.form->findChild<ScreenPicker *>();
    QVERIFY(picker);
    QVERIFY(picker->picking());
    const QString hex = f.child<Edit>("Edit1")->text();
    QVERIFY(!picker->overlays().isEmpty());
    QTest::keyClick(picker->overlays().constFirst(), Qt::Key_Escape);
    QTRY_VERIFY(!picker->picking());
    QCOMPARE(f.child<Edit>("Edit1")->text(), hex);
}

QTEST_MAIN(tst_ContrastChecker)
#include "tst_contrastchecker.moc"
