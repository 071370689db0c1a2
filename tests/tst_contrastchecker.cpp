// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/controls.h"
#include "color/contrast.h"
#include "formfixture.h"
#include "lists/colorlistmodel.h"
#include "ui/contrastchecker.h"
#include "ui/tform1.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>

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

private:
    QString checkerText(const char *name) const;
    QStringList previewLines(const char *name) const;
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
    QVERIFY(screen.contains(tool));
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
    QCOMPARE(checkerText("Sample1Ratio"), QStringLiteral("4.47:1"));
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

    auto *fix = checker()->findChild<QPushButton *>(QStringLiteral("Sample1AaNormalFix"));
    QVERIFY(fix->isEnabled());
    QVERIFY(!checker()->findChild<QPushButton *>(QStringLiteral("Sample1AaLargeFix"))->isEnabled());

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

    const QByteArray fixName =
            QStringLiteral("Sample%1%2Fix")
                    .arg(sample)
                    .arg(QStringList {"AaNormal", "AaLarge", "AaaNormal", "AaaLarge"}.at(level))
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
    QCOMPARE(checkerText(qPrintable(QString::fromLatin1(fixName).chopped(3))),
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
    auto *fix = checker()->findChild<QPushButton *>(QStringLiteral("Sample1AaaNormalFix"));
    QVERIFY(!fix->isEnabled());
    QCOMPARE(fix->toolTip(), QStringLiteral("No color of this hue passes"));
    QCOMPARE(checkerText("Sample1Note"), QStringLiteral("No color of this hue passes"));
    QCOMPARE(checkerText("Sample2Note"), QStringLiteral("No color of this hue passes"));
    // AA stays within reach on any background.
    QVERIFY(checker()->findChild<QPushButton *>(QStringLiteral("Sample1AaNormalFix"))->isEnabled()
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
                 QStringLiteral("1: %1\n2: %2")
                         .arg(Contrast::formatRatio(Contrast::contrastRatio(seenRed, seenBack)),
                              Contrast::formatRatio(Contrast::contrastRatio(seenGreen, seenBack))));
    }
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
    QCOMPARE(checkerText("Sample1Ratio"), QStringLiteral("4.47:1"));
    verifyBesideForm(c);

    // And it still works after reopening.
    QTest::mouseClick(c->findChild<QPushButton *>(QStringLiteral("Sample1AaNormalFix")),
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

QTEST_MAIN(tst_ContrastChecker)
#include "tst_contrastchecker.moc"
