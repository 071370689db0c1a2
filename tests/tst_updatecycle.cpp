// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/edit.h"
#include "app/scrollbar.h"
#include "app/shape.h"
#include "formfixture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace Tintora;
using Color::pack;

class tst_UpdateCycle : public QObject
{
    Q_OBJECT
private slots:
    void init() { f.create(); }
    void cleanup() { f.destroy(); }

    void startsWhiteOnBackground();
    void textSampleShowsItsOwnColor();
    void targetsRememberTheirColors();
    void typingRedWrapsAndCanonicalises();
    void pastedLeadingZerosBecomeCanonical();
    void emptiedFieldBecomesZero();
    void badTextReportsAndChangesNothingElse();
    void scrollBarMovesEveryView();
    void samplesSelectTheirTarget();
    void colorDialogOpensOnCurrentAndApplies();
    void cancelledColorDialogChangesNothing();
    void firstColorDialogOpensOnTheShownColor();
    void highResolutionScalesAndShrinksSampleFonts();

private:
    QString text(const char *name) const { return f.child<QLineEdit>(name)->text(); }
    int bar(const char *name) const { return f.child<ScrollBar>(name)->position(); }
    QStringList fields() const { return {text("Rval"), text("Gval"), text("Bval")}; }
    QList<int> bars() const { return {bar("RScrollBar1"), bar("gScrollBar1"), bar("bScrollBar1")}; }
    void typeInto(const char *name, const QString &keys)
    {
        Edit *field = f.child<Edit>(name);
        field->selectAll();
        QTest::keyClicks(field, keys);
    }
    QColor labelColor(const char *name) const
    {
        return f.child<QLabel>(name)->palette().color(QPalette::WindowText);
    }

    FormFixture f;
};

void tst_UpdateCycle::startsWhiteOnBackground()
{
    QCOMPARE(text("Edit1"), QStringLiteral("#FFFFFF"));
    QCOMPARE(fields(), QStringList({"255", "255", "255"}));
    QCOMPARE(bars(), QList<int>({255, 255, 255}));
    QVERIFY(f.child<QRadioButton>("RadioButton1")->isChecked());
    QCOMPARE(f.form->activeTarget(), Color::SampleTarget::Background);
    QCOMPARE(f.child<Shape>("Shape1")->brushColor(), QColor(Qt::white));
    QCOMPARE(labelColor("Label2"), QColor(Qt::black));
    QCOMPARE(f.form->scaleFactor(), 1.0);
    QCOMPARE(f.form->windowTitle(), QStringLiteral("TRA v 1.0"));
}

void tst_UpdateCycle::textSampleShowsItsOwnColor()
{
    QTest::mouseClick(f.child<QRadioButton>("RadioButton2"), Qt::LeftButton);
    QCOMPARE(text("Edit1"), QStringLiteral("#000000"));
    QCOMPARE(fields(), QStringList({"0", "0", "0"}));
    QCOMPARE(bars(), QList<int>({0, 0, 0}));
    QCOMPARE(f.child<Shape>("Shape1")->brushColor(), QColor(Qt::white));
    QCOMPARE(f.form->backgroundColor(), pack(255, 255, 255));
}

void tst_UpdateCycle::targetsRememberTheirColors()
{
    typeInto("Rval", QStringLiteral("10")); // background #0AFFFF
    QTest::mouseClick(f.child<QRadioButton>("RadioButton2"), Qt::LeftButton);
    typeInto("Gval", QStringLiteral("200")); // sample 1 #00C800
    QTest::mouseClick(f.child<QRadioButton>("RadioButton3"), Qt::LeftButton);
    typeInto("Bval", QStringLiteral("99")); // sample 2 #000063

    QCOMPARE(f.child<Shape>("Shape1")->brushColor(), QColor(10, 255, 255));
    QCOMPARE(labelColor("Label2"), QColor(0, 200, 0));
    QCOMPARE(labelColor("Label3"), QColor(0, 0, 99));

    QTest::mouseClick(f.child<QRadioButton>("RadioButton1"), Qt::LeftButton);
    QCOMPARE(text("Edit1"), QStringLiteral("#0AFFFF"));
    QCOMPARE(fields(), QStringList({"10", "255", "255"}));
    QTest::mouseClick(f.child<QRadioButton>("RadioButton2"), Qt::LeftButton);
    QCOMPARE(text("Edit1"), QStringLiteral("#00C800"));
    QCOMPARE(bars(), QList<int>({0, 200, 0}));
    QCOMPARE(f.form->sample2Color(), pack(0, 0, 99));
}

void tst_UpdateCycle::typingRedWrapsAndCanonicalises()
{
    typeInto("Rval", QStringLiteral("300"));
    QCOMPARE(text("Rval"), QStringLiteral("44"));
    QCOMPARE(text("Edit1"), QStringLiteral("#2CFFFF"));
    QCOMPARE(bar("RScrollBar1"), 44);
    QVERIFY(f.dialogs.errors.isEmpty());

    typeInto("Gval", QStringLiteral("-1")); // "-" alone is an error, then -1 wraps to 255
    QCOMPARE(text("Gval"), QStringLiteral("255"));
    QCOMPARE(f.dialogs.errors, QStringList({"'-' is not a valid integer value."}));
}

void tst_UpdateCycle::pastedLeadingZerosBecomeCanonical()
{
    Edit *field = f.child<Edit>("Bval");
    QGuiApplication::clipboard()->setText(QStringLiteral("007"));
    field->selectAll();
    field->paste();
    QCOMPARE(field->text(), QStringLiteral("7"));
    QCOMPARE(text("Edit1"), QStringLiteral("#FFFF07"));
    QCOMPARE(bar("bScrollBar1"), 7);
}

void tst_UpdateCycle::emptiedFieldBecomesZero()
{
    Edit *field = f.child<Edit>("Gval");
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QCOMPARE(field->text(), QStringLiteral("0"));
    QCOMPARE(text("Edit1"), QStringLiteral("#FF00FF"));
    QCOMPARE(bar("gScrollBar1"), 0);
    QCOMPARE(f.child<Shape>("Shape1")->brushColor(), QColor(255, 0, 255));
}

void tst_UpdateCycle::badTextReportsAndChangesNothingElse()
{
    typeInto("Rval", QStringLiteral("12a"));
    QCOMPARE(f.dialogs.errors, QStringList({"'12a' is not a valid integer value."}));
    QCOMPARE(text("Rval"), QStringLiteral("12a"));      // stays until the user corrects it
    QCOMPARE(text("Edit1"), QStringLiteral("#0CFFFF")); // as after "12"
    QCOMPARE(bar("RScrollBar1"), 12);

    QTest::keyClick(f.child<Edit>("Rval"), Qt::Key_Backspace);
    QCOMPARE(f.dialogs.errors.size(), 1);
    QCOMPARE(text("Edit1"), QStringLiteral("#0CFFFF"));
}

void tst_UpdateCycle::scrollBarMovesEveryView()
{
    ScrollBar *green = f.child<ScrollBar>("gScrollBar1");
    green->setSliderDown(true);
    green->setSliderPosition(128); // a drag
    green->setSliderDown(false);
    QCOMPARE(text("Gval"), QStringLiteral("128"));
    QCOMPARE(text("Edit1"), QStringLiteral("#FF80FF"));
    QCOMPARE(f.child<Shape>("Shape1")->brushColor(), QColor(255, 128, 255));

    green->triggerAction(QAbstractSlider::SliderPageStepSub);
    QCOMPARE(text("Gval"), QStringLiteral("118"));
    QCOMPARE(f.form->currentColor(), pack(255, 118, 255));
}

void tst_UpdateCycle::samplesSelectTheirTarget()
{
    QTest::mouseClick(f.child<QLabel>("Label3"), Qt::LeftButton);
    QVERIFY(f.child<QRadioButton>("RadioButton3")->isChecked());
    QCOMPARE(f.form->activeTarget(), Color::SampleTarget::TextSample2);
    QCOMPARE(text("Edit1"), QStringLiteral("#000000"));

    QTest::mouseClick(f.child<QLabel>("Label2"), Qt::LeftButton);
    QVERIFY(f.child<QRadioButton>("RadioButton2")->isChecked());
    QVERIFY(!f.child<QRadioButton>("RadioButton3")->isChecked());

    // The shape's free area, away from the sentences.
    QTest::mousePress(f.child<Shape>("Shape1"), Qt::LeftButton, {}, QPoint(270, 78));
    QVERIFY(f.child<QRadioButton>("RadioButton1")->isChecked());
    QCOMPARE(f.form->activeTarget(), Color::SampleTarget::Background);
    QCOMPARE(text("Edit1"), QStringLiteral("#FFFFFF"));
}

void tst_UpdateCycle::colorDialogOpensOnCurrentAndApplies()
{
    typeInto("Rval", QStringLiteral("1"));
    f.dialogs.colors.enqueue(pack(0x87, 0xCE, 0xEB));
    QTest::mouseClick(f.child<QPushButton>("SetClrBtn"), Qt::LeftButton);
    QCOMPARE(f.dialogs.colorDialogInitial, QList<Color::ColorValue>({pack(1, 255, 255)}));
    QCOMPARE(text("Edit1"), QStringLiteral("#87CEEB"));
    QCOMPARE(fields(), QStringList({"135", "206", "235"}));
    QCOMPARE(bars(), QList<int>({135, 206, 235}));
    QCOMPARE(f.child<Shape>("Shape1")->brushColor(), QColor(0x87, 0xCE, 0xEB));
}

void tst_UpdateCycle::cancelledColorDialogChangesNothing()
{
    f.dialogs.colors.enqueue(std::nullopt);
    f.click("SetClrBtn");
    QCOMPARE(text("Edit1"), QStringLiteral("#FFFFFF"));
    QCOMPARE(f.dialogs.colorDialogInitial.size(), 1);
    QVERIFY(f.dialogs.unexpected.isEmpty());
}

void tst_UpdateCycle::firstColorDialogOpensOnTheShownColor()
{
    // Right after start-up, before any change: the chooser opens on the white the hex field
    // shows, and OK without a change leaves the background white.
    f.dialogs.colors.enqueue(pack(255, 255, 255));
    QTest::mouseClick(f.child<QPushButton>("SetClrBtn"), Qt::LeftButton);
    QCOMPARE(f.dialogs.colorDialogInitial, QList<Color::ColorValue>({pack(255, 255, 255)}));
    QCOMPARE(text("Edit1"), QStringLiteral("#FFFFFF"));
    QCOMPARE(f.form->backgroundColor(), pack(255, 255, 255));
    QCOMPARE(f.child<Shape>("Shape1")->brushColor(), QColor(Qt::white));
}

void tst_UpdateCycle::highResolutionScalesAndShrinksSampleFonts()
{
    f.destroy();
    f.create(120);
    QCOMPARE(f.form->scaleFactor(), 1.25);
    QCOMPARE(f.child<QLabel>("Label2")->font().pointSize(), 10);
    QCOMPARE(f.child<QLabel>("Label3")->font().pointSize(), 12);
    QCOMPARE(f.form->scaled(558), 698);
    QCOMPARE(f.form->scaled(350), 438); // 437.5: halves go to even
    f.destroy();
    f.create(96);
    QCOMPARE(f.child<QLabel>("Label2")->font().pointSize(), 12);
    QCOMPARE(f.child<QLabel>("Label3")->font().pointSize(), 14);
}

QTEST_MAIN(tst_UpdateCycle)
#include "tst_updatecycle.moc"
