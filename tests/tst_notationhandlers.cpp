// SPDX-License-Identifier: GPL-3.0-or-later
// Colors as text in the main window: Edit > Copy As, Edit > Paste Color, and colors dragged
// out of the hex field and the sample area or dropped on the samples, judged by what the user
// sees: the clipboard, the fields, the bars, the hex field and the samples.
#include "app/application.h"
#include "app/shape.h"
#include "color/notation.h"
#include "formfixture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDrag>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

using namespace Tintora;
using SampleTarget = Tintora::Color::SampleTarget;

Q_DECLARE_METATYPE(Tintora::Color::SampleTarget)

namespace {

// What the user sees of the current color and of each sample.
struct Seen
{
    QString hex;
    QString fields;
    QString bars;
    SampleTarget active;
    QColor background;
    QColor sample1;
    QColor sample2;
    bool operator==(const Seen &) const = default;
};

QString describe(const Seen &s)
{
    return QStringLiteral("hex %1, fields %2, bars %3, target %4, samples %5 %6 %7")
            .arg(s.hex, s.fields, s.bars)
            .arg(int(s.active))
            .arg(s.background.name(), s.sample1.name(), s.sample2.name());
}

QColor textColor(QWidget *label)
{
    return label->palette().color(QPalette::WindowText);
}

const char *radioOf(SampleTarget target)
{
    switch (target) {
    case SampleTarget::Background:
        return "RadioButton1";
    case SampleTarget::TextSample1:
        return "RadioButton2";
    case SampleTarget::TextSample2:
        return "RadioButton3";
    }
    return "";
}

} // namespace

class tst_NotationHandlers : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void copiesEachForm_data();
    void copiesEachForm();
    void keepsTheDesignsCommands();
    void pastesIntoActiveTarget_data();
    void pastesIntoActiveTarget();
    void pastesFromShortcutInAnyField();
    void refusesNonColors_data();
    void refusesNonColors();
    void takesDrops_data();
    void takesDrops();
    void refusesDroppedNonColor();
    void dragsColorAfterDragDistance_data();
    void dragsColorAfterDragDistance();

private:
    Seen seen() const;
    void selectTarget(SampleTarget target);

    FormFixture f;
};

void tst_NotationHandlers::initTestCase()
{
    Application::setTitle(QStringLiteral("Tintora - version 1.0"));
}

void tst_NotationHandlers::init()
{
    f.create(96, true);
}

void tst_NotationHandlers::cleanup()
{
    f.destroy();
    VERIFY_NO_SURPRISES(f.dialogs);
    f.dialogs.clear();
}

Seen tst_NotationHandlers::seen() const
{
    Seen s;
    s.hex = f.child<QLineEdit>("Edit1")->text();
    QStringList fields;
    QStringList bars;
    for (const char *name : {"Rval", "Gval", "Bval"})
        fields << f.child<QLineEdit>(name)->text();
    for (const char *name : {"RScrollBar1", "gScrollBar1", "bScrollBar1"})
        bars << QString::number(f.child<QScrollBar>(name)->value());
    s.fields = fields.join(u' ');
    s.bars = bars.join(u' ');
    s.active = f.form->activeTarget();
    s.background = f.child<Shape>("Shape1")->brushColor();
    s.sample1 = textColor(f.child("Label2"));
    s.sample2 = textColor(f.child("Label3"));
    return s;
}

void tst_NotationHandlers::selectTarget(SampleTarget target)
{
    QTest::mouseClick(f.child<QRadioButton>(radioOf(target)), Qt::LeftButton);
    QCOMPARE(f.form->activeTarget(), target);
}

void tst_NotationHandlers::copiesEachForm_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("name"); // with the item's letter
    QTest::addColumn<QString>("text");
    QTest::newRow("#RRGGBB") << "CopyAsHex1"
                             << "&Hex"
                             << "#0C2238";
    QTest::newRow("#rrggbb") << "CopyAsHexLowercase1"
                             << "Hex, &lowercase"
                             << "#0c2238";
    QTest::newRow("RRGGBB") << "CopyAsHexBare1"
                            << "Hex, &no #"
                            << "0C2238";
    QTest::newRow("rgb spaces") << "CopyAsRgb1"
                                << "&RGB"
                                << "rgb(12 34 56)";
    QTest::newRow("rgb commas") << "CopyAsRgbCommas1"
                                << "RGB, co&mmas"
                                << "rgb(12, 34, 56)";
    QTest::newRow("hsl") << "CopyAsHsl1"
                         << "H&SL"
                         << "hsl(210 65% 13.3%)";
    QTest::newRow("hwb") << "CopyAsHwb1"
                         << "H&WB"
                         << "hwb(210 4.7% 78%)";
    QTest::newRow("lab") << "CopyAsLab1"
                         << "L&ab"
                         << "lab(12.4 -2 -17.2)";
    QTest::newRow("lch") << "CopyAsLch1"
                         << "L&CH"
                         << "lch(12.4 17.3 263)";
    QTest::newRow("oklab") << "CopyAsOklab1"
                           << "&Oklab"
                           << "oklab(0.247 -0.017 -0.048)";
    QTest::newRow("oklch") << "CopyAsOklch1"
                           << "O&klch"
                           << "oklch(0.247 0.051 251)";
    QTest::newRow("color srgb") << "CopyAsColorSrgb1"
                                << "color(sr&gb)"
                                << "color(srgb 0.047 0.133 0.22)";
    QTest::newRow("0xRRGGBB") << "CopyAsHexNumber1"
                              << "Hex number, 0&x"
                              << "0x0C2238";
    QTest::newRow("bytes") << "CopyAsBytes1"
                           << "&Bytes"
                           << "12, 34, 56";
    QTest::newRow("fractions") << "CopyAsFractions1"
                               << "&Fractions"
                               << "0.047, 0.133, 0.22";
}

void tst_NotationHandlers::copiesEachForm()
{
    QFETCH(QString, item);
    QFETCH(QString, name);
    QFETCH(QString, text);
    auto *menu = f.child<QMenu>("CopyAs1");
    QCOMPARE(menu->title(), QStringLiteral("Copy &As"));
    const QList<QAction *> editItems = f.child<QMenu>("Edit2")->actions();
    QCOMPARE(editItems.indexOf(f.action("Copy1")) + 1, editItems.indexOf(menu->menuAction()));

    f.setColor(QStringLiteral("#0C2238"));
    auto *action = f.action(qPrintable(item));
    // What Qt tells the menu before it shows (a shown popup would need a window manager).
    const auto open = [menu] { emit menu->aboutToShow(); };
    open();
    // The notation's name, then in a column of their own the text that the item copies.
    QCOMPARE(action->text(), name + QLatin1Char('\t') + text);
    QGuiApplication::clipboard()->setText(QStringLiteral("stale"));
    action->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), text);

    // The captions follow the current color each time the menu opens.
    f.setColor(QStringLiteral("#FF8000"));
    open();
    const QString shown = action->text().section(QLatin1Char('\t'), 1);
    QVERIFY(shown != text);
    action->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), shown);
    QCOMPARE(Notation::parseColor(shown), std::optional(Color::pack(255, 128, 0)));
}

void tst_NotationHandlers::keepsTheDesignsCommands()
{
    // Ctrl+C still copies the seven characters #RRGGBB, the hex field stays read-only, and
    // Ctrl+V in a decimal field still pastes into the field.
    f.setColor(QStringLiteral("#0C2238"));
    auto *red = f.child<QLineEdit>("Rval");
    red->setFocus();
    QTest::keyClick(red, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("#0C2238"));
    QVERIFY(f.child<QLineEdit>("Edit1")->isReadOnly());

    QGuiApplication::clipboard()->setText(QStringLiteral("200"));
    red->selectAll();
    QTest::keyClick(red, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(red->text(), QStringLiteral("200"));
    QCOMPARE(seen().hex, QStringLiteral("#C82238"));
    QCOMPARE(f.action("PasteColor1")->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
    QCOMPARE(f.action("PasteColor1")->text(), QStringLiteral("&Paste Color"));
}

void tst_NotationHandlers::pastesIntoActiveTarget_data()
{
    QTest::addColumn<SampleTarget>("target");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("hex");
    QTest::newRow("background, name") << SampleTarget::Background << "tomato"
                                      << "#FF6347";
    QTest::newRow("sample 1, oklch") << SampleTarget::TextSample1 << "  oklch(70% 0.1 250)\n"
                                     << "#6DA3DA";
    QTest::newRow("sample 2, bytes") << SampleTarget::TextSample2 << "12, 34, 56"
                                     << "#0C2238";
    QTest::newRow("sample 2, gamut mapped")
            << SampleTarget::TextSample2 << "color(display-p3 1 0 0)"
            << "#FF0B0C";
}

void tst_NotationHandlers::pastesIntoActiveTarget()
{
    QFETCH(SampleTarget, target);
    QFETCH(QString, clipboard);
    QFETCH(QString, hex);
    selectTarget(target);
    const Seen before = seen();

    QGuiApplication::clipboard()->setText(clipboard);
    f.action("PasteColor1")->trigger();

    const QColor color(hex);
    Seen expected = before;
    expected.hex = hex;
    expected.fields =
            QStringLiteral("%1 %2 %3").arg(color.red()).arg(color.green()).arg(color.blue());
    expected.bars = expected.fields;
    (target == SampleTarget::Background            ? expected.background
             : target == SampleTarget::TextSample1 ? expected.sample1
                                                   : expected.sample2) = color;
    QVERIFY2(seen() == expected,
             qPrintable(describe(seen()) + QLatin1String(" / ") + describe(expected)));
}

void tst_NotationHandlers::pastesFromShortcutInAnyField()
{
    // The shortcut belongs to the menu, also while a decimal field has the focus.
    auto *green = f.child<QLineEdit>("Gval");
    green->setFocus();
    QGuiApplication::clipboard()->setText(QStringLiteral("rebeccapurple"));
    QTest::keyClick(green, Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(seen().hex, QStringLiteral("#663399"));
    QCOMPARE(green->text(), QStringLiteral("51"));
}

void tst_NotationHandlers::refusesNonColors_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("message");
    QTest::newRow("words") << "light red"
                           << "'light red' is not a color.";
    QTest::newRow("broken function") << "rgb(1 2, 3)"
                                     << "'rgb(1 2, 3)' is not a color.";
    QTest::newRow("empty") << ""
                           << "There is no color on the clipboard to paste.";
    QTest::newRow("white space only") << " \n\t"
                                      << "There is no color on the clipboard to paste.";
    const QString pasted = QStringLiteral("a") + QString(1000, u'x') + QStringLiteral("z");
    QTest::newRow("long text shortened")
            << pasted
            << "'a" + QString(29, u'x') + QChar(0x2026) + QString(28, u'x') + "z' is not a color.";
}

void tst_NotationHandlers::refusesNonColors()
{
    QFETCH(QString, clipboard);
    QFETCH(QString, message);
    selectTarget(SampleTarget::TextSample1);
    f.setColor(QStringLiteral("#123456"));
    const Seen before = seen();
    QGuiApplication::clipboard()->setText(clipboard);
    f.action("PasteColor1")->trigger();
    QCOMPARE(f.dialogs.errors, QStringList {message});
    f.dialogs.errors.clear();
    QVERIFY2(seen() == before, qPrintable(describe(seen())));
}

void tst_NotationHandlers::takesDrops_data()
{
    QTest::addColumn<QString>("widget");
    QTest::addColumn<SampleTarget>("target");
    QTest::addColumn<bool>("asColor");
    QTest::newRow("text on sample area") << "Shape1" << SampleTarget::Background << false;
    QTest::newRow("text on sample 1") << "Label2" << SampleTarget::TextSample1 << false;
    QTest::newRow("color on sample 2") << "Label3" << SampleTarget::TextSample2 << true;
    QTest::newRow("color on sample area") << "Shape1" << SampleTarget::Background << true;
}

void tst_NotationHandlers::takesDrops()
{
    QFETCH(QString, widget);
    QFETCH(SampleTarget, target);
    QFETCH(bool, asColor);
    // Start elsewhere: the drop chooses its own sample.
    selectTarget(target == SampleTarget::TextSample1 ? SampleTarget::TextSample2
                                                     : SampleTarget::TextSample1);
    QWidget *on = f.child(qPrintable(widget));
    QMimeData data;
    if (asColor)
        data.setColorData(QColor(0x0C, 0x22, 0x38));
    else
        data.setText(QStringLiteral("hsl(210 65% 13.3%)"));
    const QPoint at = on->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(on, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(on, &drop);
    QVERIFY(drop.isAccepted());

    const Seen now = seen();
    QCOMPARE(now.active, target);
    QCOMPARE(f.child<QRadioButton>(radioOf(target))->isChecked(), true);
    QCOMPARE(now.hex, QStringLiteral("#0C2238"));
    QCOMPARE(now.fields, QStringLiteral("12 34 56"));
    QCOMPARE(now.bars, QStringLiteral("12 34 56"));
    const QColor shown = target == SampleTarget::Background ? now.background
            : target == SampleTarget::TextSample1           ? now.sample1
                                                            : now.sample2;
    QCOMPARE(shown, QColor(0x0C, 0x22, 0x38));
}

void tst_NotationHandlers::refusesDroppedNonColor()
{
    const Seen before = seen();
    QWidget *on = f.child("Label2");
    QMimeData data;
    data.setText(QStringLiteral("Marlowe"));
    QDragEnterEvent enter(on->rect().center(), Qt::CopyAction, &data, Qt::LeftButton,
                          Qt::NoModifier);
    QApplication::sendEvent(on, &enter);
    QVERIFY(enter.isAccepted()); // text might be a color: the drop says
    QDropEvent drop(on->rect().center(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(on, &drop);
    QVERIFY(!drop.isAccepted());
    QVERIFY(f.dialogs.errors.isEmpty()); // not while the drop is still going on
    QTRY_COMPARE(f.dialogs.errors, QStringList {QStringLiteral("'Marlowe' is not a color.")});
    f.dialogs.errors.clear();
    QVERIFY2(seen() == before, qPrintable(describe(seen())));

    // Data that carries neither text nor a color is not offered to the samples at all.
    QMimeData image;
    image.setData(QStringLiteral("image/png"), QByteArray("\x89PNG"));
    QDragEnterEvent offer(on->rect().center(), Qt::CopyAction, &image, Qt::LeftButton,
                          Qt::NoModifier);
    QApplication::sendEvent(on, &offer);
    QVERIFY(!offer.isAccepted());
}

void tst_NotationHandlers::dragsColorAfterDragDistance_data()
{
    QTest::addColumn<QString>("source");
    QTest::newRow("hex field") << "Edit1";
    QTest::newRow("sample area") << "Shape1";
}

void tst_NotationHandlers::dragsColorAfterDragDistance()
{
    QFETCH(QString, source);
    f.setColor(QStringLiteral("#0C2238")); // the background's color
    selectTarget(SampleTarget::TextSample1);
    f.setColor(QStringLiteral("#FF8000"));
    QWidget *from = f.child(qPrintable(source));
    const bool fromSample = source == QLatin1String("Shape1");
    const QString carried = fromSample ? QStringLiteral("#0C2238") : QStringLiteral("#FF8000");

    const QPoint start = from->rect().center();
    QTest::mousePress(from, Qt::LeftButton, Qt::NoModifier, start);
    // A press on the sample area selects Background at once, as it always did.
    QCOMPARE(f.form->activeTarget(),
             fromSample ? SampleTarget::Background : SampleTarget::TextSample1);

    const auto move = [from](const QPoint &to) {
        QMouseEvent event(QEvent::MouseMove, to, from->mapToGlobal(to), Qt::NoButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(from, &event);
    };
    const int distance = QApplication::startDragDistance();
    move(start + QPoint(distance - 1, 0));
    QVERIFY(!from->findChild<QDrag *>());

    // Headless, the drag ends at once; its data is there until the event loop lets it go.
    move(start + QPoint(distance + 1, 0));
    const QDrag *drag = from->findChild<QDrag *>();
    QVERIFY(drag);
    QCOMPARE(drag->mimeData()->text(), carried);
    QCOMPARE(qvariant_cast<QColor>(drag->mimeData()->colorData()).name().toUpper(), carried);
    QTest::mouseRelease(from, Qt::LeftButton, Qt::NoModifier, start);
    QVERIFY(f.dialogs.errors.isEmpty());
    QCOMPARE(f.form->activeTarget(),
             fromSample ? SampleTarget::Background : SampleTarget::TextSample1);
}

QTEST_MAIN(tst_NotationHandlers)
#include "tst_notationhandlers.moc"
