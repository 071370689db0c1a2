// SPDX-License-Identifier: GPL-3.0-or-later
// The windows as a screen reader meets them: every control a user works has a role, a name and
// the state that matters (checked, enabled, value), and the samples tell a new color once, when
// a drag has settled, not at each of its steps.
#include "app/application.h"
#include "app/combobox.h"
#include "app/edit.h"
#include "app/label.h"
#include "app/radiobutton.h"
#include "app/scrollbar.h"
#include "atspisession.h"
#include "formfixture.h"
#include "ui/contrastchecker.h"
#include "ui/findbar.h"
#include "ui/helpwindow.h"
#include "ui/pickeroverlay.h"
#include "ui/taboutbox.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>

#include <functional>

using namespace Tintora;

namespace {

// The roles of what a user can work with from the keyboard or a screen reader.
bool isInteractive(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::Button:
    case QAccessible::CheckBox:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::MenuItem:
    case QAccessible::PageTab:
    case QAccessible::RadioButton:
    case QAccessible::ScrollBar:
    case QAccessible::Slider:
    case QAccessible::SpinBox:
    case QAccessible::Table:
        return true;
    default:
        return false;
    }
}

QString objectNameOf(QAccessibleInterface *iface)
{
    QObject *object = iface->object();
    return object ? object->objectName() : QStringLiteral("(no object)");
}

// Walks the tree below root, leaving out what is hidden and the cells of tables.
void walk(QAccessibleInterface *root, const std::function<void(QAccessibleInterface *)> &visit)
{
    if (!root || root->state().invisible)
        return;
    visit(root);
    if (root->role() == QAccessible::Table)
        return;
    for (int i = 0; i < root->childCount(); ++i)
        walk(root->child(i), visit);
}

QAccessibleInterface *accessible(QObject *object)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(object);
    if (!iface)
        qFatal("no accessible interface for %s", qPrintable(object->objectName()));
    return iface;
}

// What a screen reader finds for each interactive control below root: names keyed by object
// name. Fails the test on the first control without a name.
QHash<QString, QAccessibleInterface *> interactiveControls(QObject *root)
{
    QHash<QString, QAccessibleInterface *> found;
    walk(accessible(root), [&found](QAccessibleInterface *iface) {
        if (!isInteractive(iface->role()))
            return;
        const QString name = iface->text(QAccessible::Name);
        if (name.trimmed().isEmpty())
            QTest::qFail(qPrintable(QStringLiteral("%1 (role %2) has no accessible name")
                                            .arg(objectNameOf(iface))
                                            .arg(int(iface->role()))),
                         __FILE__, __LINE__);
        found.insert(objectNameOf(iface), iface);
    });
    return found;
}

// The accessible events of one object, counted by type.
QObject *g_watched = nullptr;
QHash<QAccessible::Event, int> g_events;
QStringList g_descriptions;

void countEvents(QAccessibleEvent *event)
{
    if (event->object() != g_watched)
        return;
    ++g_events[event->type()];
    if (event->type() == QAccessible::DescriptionChanged)
        g_descriptions << accessible(g_watched)->text(QAccessible::Description);
}

} // namespace

class tst_Accessibility : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void mainWindowControlsAreNamed();
    void fieldsAndBarsNamedForTheirColorWithValues();
    void radioButtonsAndCheckableItemsTellTheirState();
    void menuItemsAreNamedByTheirCaptions();
    void samplesTellTheirColors();
    void colorIsAnnouncedOnceAfterADrag();
    void contrastCheckerTellsRatiosAndVerdicts();
    void contrastCheckerButtonsAndStripsAreNamed();
    void findBarIsNamed();
    void aboutBoxIsNamed();
    void helpWindowIsNamed();
    void pickerOverlayTellsTheColorUnderTheCrosshair();

private:
    FormFixture f;
    // Accessible events reach an update handler only while a bridge to screen readers is
    // active: on a desktop bus (QT_LINUX_ACCESSIBILITY_ALWAYS_ON) the test brings one up.
    std::unique_ptr<AtSpiSession> m_atSpi;
    QString m_noBridge;
};

void tst_Accessibility::initTestCase()
{
    Application::setHelpFile(QStringLiteral("tra32r10.HLP"));
    QApplication::setQuitOnLastWindowClosed(false);
    m_noBridge = QStringLiteral("no accessibility bridge on this platform (the ctest run "
                                "tst_accessibility_atspi has the real one)");
    if (qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON")) {
        m_atSpi = std::make_unique<AtSpiSession>();
        const QString why = m_atSpi->start();
        if (!why.isEmpty())
            m_noBridge = QStringLiteral("the AT-SPI bridge cannot start: %1").arg(why);
    }
}

void tst_Accessibility::init()
{
    f.create();
    // Lists on: the name box, its label and the list buttons show.
    f.enableLists();
    f.addEntry(QStringLiteral("Sky"), QStringLiteral("#87CEEB"));
}

void tst_Accessibility::cleanup()
{
    QAccessible::installUpdateHandler(nullptr);
    g_watched = nullptr;
    if (QTextBrowser *help = Help::window())
        help->close();
    f.destroy();
    VERIFY_NO_SURPRISES(f.dialogs);
}

void tst_Accessibility::mainWindowControlsAreNamed()
{
    const auto controls = interactiveControls(f.form.get());
    for (const char *name :
         {"SetClrBtn", "AddToLstBtn", "DelFrLstBtn", "ViewLstBtn", "RadioButton1", "RadioButton2",
          "RadioButton3", "Rval", "Gval", "Bval", "Edit1", "Shape1", "ComboBox1", "StringGrid1",
          "RScrollBar1", "gScrollBar1", "bScrollBar1"})
        QVERIFY2(controls.contains(QLatin1String(name)), name);
    QCOMPARE(accessible(f.form.get())->role(), QAccessible::Window);
    QCOMPARE(accessible(f.form.get())->text(QAccessible::Name), f.form->windowTitle());
    QCOMPARE(controls.value(QStringLiteral("Shape1"))->role(), QAccessible::Button);
    QVERIFY(controls.value(QStringLiteral("Shape1"))->actionInterface());
    QCOMPARE(controls.value(QStringLiteral("StringGrid1"))->text(QAccessible::Name),
             QStringLiteral("Color list"));
    // On Linux Qt reads a name box by the text in it, and tells what it is by its label.
    QAccessibleInterface *names = controls.value(QStringLiteral("ComboBox1"));
    const auto labels = names->relations(QAccessible::Label);
    QVERIFY(!labels.isEmpty());
    QCOMPARE(labels.constFirst().first->text(QAccessible::Name),
             QStringLiteral("Custom Color Name:"));
    QCOMPARE(accessible(f.child<ComboBox>("ComboBox1")->lineEdit())->text(QAccessible::Name),
             QStringLiteral("Custom color name"));
    // A button the lists switched off is told as unavailable.
    f.action("EnableLists1")->trigger();
    QVERIFY(accessible(f.child("AddToLstBtn"))->state().disabled);
    f.action("EnableLists1")->trigger();
    QVERIFY(!accessible(f.child("AddToLstBtn"))->state().disabled);
}

void tst_Accessibility::fieldsAndBarsNamedForTheirColorWithValues()
{
    f.setColor(QStringLiteral("#102030"));
    const struct
    {
        const char *field;
        const char *bar;
        const char *name;
        int value;
    } rows[] = {{"Rval", "RScrollBar1", "Red", 0x10},
                {"Gval", "gScrollBar1", "Green", 0x20},
                {"Bval", "bScrollBar1", "Blue", 0x30}};
    for (const auto &row : rows) {
        QAccessibleInterface *field = accessible(f.child(row.field));
        QCOMPARE(field->role(), QAccessible::EditableText);
        QCOMPARE(field->text(QAccessible::Name), QLatin1String(row.name));
        QVERIFY(field->text(QAccessible::Description).contains(QLatin1String(row.name)));
        QCOMPARE(field->text(QAccessible::Value), QString::number(row.value));

        QAccessibleInterface *bar = accessible(f.child(row.bar));
        QCOMPARE(bar->role(), QAccessible::ScrollBar);
        QCOMPARE(bar->text(QAccessible::Name), QLatin1String(row.name));
        QVERIFY(bar->valueInterface());
        QCOMPARE(bar->valueInterface()->currentValue().toInt(), row.value);
        QCOMPARE(bar->valueInterface()->minimumValue().toInt(), 0);
        QCOMPARE(bar->valueInterface()->maximumValue().toInt(), 255);
    }
    QAccessibleInterface *hex = accessible(f.child("Edit1"));
    QCOMPARE(hex->text(QAccessible::Name), QStringLiteral("Hex value"));
    QCOMPARE(hex->text(QAccessible::Value), QStringLiteral("#102030"));
    QVERIFY(hex->state().readOnly);
}

void tst_Accessibility::radioButtonsAndCheckableItemsTellTheirState()
{
    for (const char *name : {"RadioButton1", "RadioButton2", "RadioButton3"}) {
        QAccessibleInterface *radio = accessible(f.child(name));
        QCOMPARE(radio->role(), QAccessible::RadioButton);
        QVERIFY(radio->state().checkable);
        QCOMPARE(bool(radio->state().checked), name == QByteArray("RadioButton1"));
    }
    QTest::mouseClick(f.child("RadioButton3"), Qt::LeftButton);
    QVERIFY(accessible(f.child("RadioButton3"))->state().checked);
    QVERIFY(!accessible(f.child("RadioButton1"))->state().checked);

    // Stay on Top, the one checkable item, read through its menu as a screen reader reads it.
    auto *options = f.form->findChild<QMenu *>(QStringLiteral("Options1"));
    QAccessibleInterface *menu = accessible(options);
    QAccessibleInterface *stayOnTop = nullptr;
    for (int i = 0; i < menu->childCount(); ++i) {
        if (menu->child(i)->object() == f.action("StayonTop1"))
            stayOnTop = menu->child(i);
    }
    QVERIFY(stayOnTop);
    QVERIFY(stayOnTop->state().checkable);
    QCOMPARE(bool(stayOnTop->state().checked), f.action("StayonTop1")->isChecked());
    QCOMPARE(bool(stayOnTop->state().disabled), !f.action("StayonTop1")->isEnabled());
}

void tst_Accessibility::menuItemsAreNamedByTheirCaptions()
{
    QAccessibleInterface *bar = accessible(f.form->menuBar());
    QCOMPARE(bar->role(), QAccessible::MenuBar);
    QVERIFY(!bar->text(QAccessible::Name).isEmpty());
    QStringList menus;
    int items = 0;
    for (int i = 0; i < bar->childCount(); ++i) {
        QAccessibleInterface *title = bar->child(i);
        menus << title->text(QAccessible::Name);
        auto *action = qobject_cast<QAction *>(title->object());
        QVERIFY(action && action->menu());
        QAccessibleInterface *menu = accessible(action->menu());
        for (int j = 0; j < menu->childCount(); ++j) {
            QAccessibleInterface *item = menu->child(j);
            auto *itemAction = qobject_cast<QAction *>(item->object());
            QVERIFY(itemAction);
            if (itemAction->isSeparator())
                continue;
            ++items;
            QVERIFY2(!itemAction->objectName().isEmpty(), qPrintable(itemAction->text()));
            QCOMPARE(item->role(), QAccessible::MenuItem);
            // The caption without its mnemonic, and the shortcut where there is one.
            QCOMPARE(item->text(QAccessible::Name), QString(itemAction->text()).remove(u'&'));
            QCOMPARE(bool(item->state().disabled), !itemAction->isEnabled());
            if (!itemAction->shortcut().isEmpty())
                QCOMPARE(item->text(QAccessible::Accelerator),
                         itemAction->shortcut().toString(QKeySequence::NativeText));
        }
    }
    QCOMPARE(menus,
             (QStringList {QStringLiteral("File"), QStringLiteral("Edit"),
                           QStringLiteral("Options"), QStringLiteral("Help")}));
    QVERIFY(items >= 18);
    // A caption that tells a state is read as it shows.
    f.action("ViewFullList1")->trigger();
    auto *options = f.form->findChild<QMenu *>(QStringLiteral("Options1"));
    const int index = int(options->actions().indexOf(f.action("ViewFullList1")));
    QCOMPARE(accessible(options)->child(index)->text(QAccessible::Name),
             QStringLiteral("Close Full List"));
}

void tst_Accessibility::samplesTellTheirColors()
{
    f.setColor(QStringLiteral("#FF8000"));
    QTest::mouseClick(f.child("RadioButton2"), Qt::LeftButton);
    f.setColor(QStringLiteral("#000080"));
    QAccessibleInterface *area = accessible(f.child("Shape1"));
    QTRY_COMPARE(area->text(QAccessible::Description), QStringLiteral("Background color #FF8000"));
    QCOMPARE(area->text(QAccessible::Name), QStringLiteral("Sample area"));
    QCOMPARE(accessible(f.child("Label2"))->text(QAccessible::Description),
             QStringLiteral("Text Sample 1 color #000080"));
    QCOMPARE(accessible(f.child("Label3"))->text(QAccessible::Description),
             QStringLiteral("Text Sample 2 color #000000"));
    // The sentences are read by their own words, and pressed they select their target as a
    // click does.
    QAccessibleInterface *sentence = accessible(f.child("Label3"));
    QCOMPARE(accessible(f.child("Label2"))->text(QAccessible::Name),
             QStringLiteral("Sample 1: Our ingnorance of  history..."));
    QVERIFY(sentence->actionInterface());
    QCOMPARE(sentence->actionInterface()->actionNames(),
             QStringList {QAccessibleActionInterface::pressAction()});
    sentence->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(f.form->activeTarget(), Color::SampleTarget::TextSample2);
    area->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(f.form->activeTarget(), Color::SampleTarget::Background);
    // A plain label is Qt's own.
    QVERIFY(!accessible(f.child("Label6"))->actionInterface()
            || accessible(f.child("Label6"))->actionInterface()->actionNames().isEmpty());
}

void tst_Accessibility::colorIsAnnouncedOnceAfterADrag()
{
    // Let the colors of setting up settle first.
    QAccessibleInterface *area = accessible(f.child("Shape1"));
    QTRY_COMPARE(area->text(QAccessible::Description), QStringLiteral("Background color #87CEEB"));

    g_watched = f.child("Shape1");
    g_events.clear();
    g_descriptions.clear();
    if (m_atSpi && m_noBridge.startsWith(QLatin1String("no ")))
        QTRY_VERIFY_WITH_TIMEOUT(QAccessible::isActive(), 15000); // the bridge connects
    if (!QAccessible::isActive())
        QSKIP(qPrintable(m_noBridge));
    QAccessible::installUpdateHandler(countEvents);

    // A drag of the green bar from 206 down to 6, a step at a time, as a held arrow would.
    for (int green = 205; green >= 6; --green)
        f.dragBar("gScrollBar1", green);
    QCOMPARE(f.form->backgroundColor(), Color::pack(0x87, 6, 0xEB));
    QCOMPARE(g_events.value(QAccessible::DescriptionChanged), 0);
    QTRY_COMPARE(g_events.value(QAccessible::DescriptionChanged), 1);
    QCOMPARE(g_descriptions, QStringList {QStringLiteral("Background color #8706EB")});
    // Nothing more comes while the color stays.
    QTest::qWait(600);
    QCOMPARE(g_events.value(QAccessible::DescriptionChanged), 1);
}

void tst_Accessibility::contrastCheckerTellsRatiosAndVerdicts()
{
    f.setColor(QStringLiteral("#FFFFFF"));
    QTest::mouseClick(f.child("RadioButton2"), Qt::LeftButton);
    f.setColor(QStringLiteral("#767676")); // 4.54:1 on white
    f.action("ContrastChecker1")->trigger();
    auto *checker = f.form->findChild<ContrastChecker *>();
    QVERIFY(checker && checker->isVisible());
    QAccessibleInterface *window = accessible(checker);
    QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Contrast Checker"));
    QVERIFY(!window->text(QAccessible::Description).isEmpty());

    const auto label = [checker](const char *name) {
        auto *widget = checker->findChild<QWidget *>(QLatin1String(name));
        if (!widget)
            qFatal("no %s in the contrast checker", name);
        return accessible(widget);
    };
    QAccessibleInterface *ratio = label("Sample1Ratio");
    QCOMPARE(ratio->role(), QAccessible::StaticText);
    QVERIFY(QRegularExpression(QStringLiteral("^4\\.5\\d?:1"))
                    .match(ratio->text(QAccessible::Name))
                    .hasMatch());
    QVERIFY(ratio->text(QAccessible::Description).contains(QLatin1String("Text Sample 1")));
    const struct
    {
        const char *name;
        const char *verdict;
        const char *says;
    } verdicts[] = {{"Sample1AaNormal", "Pass", "AA normal text"},
                    {"Sample1AaaNormal", "Fail", "AAA normal text"},
                    {"Sample2AaaNormal", "Pass", "Text Sample 2"},
                    {"Sample1ApcaBody", "Fail", "APCA"},
                    {"TextAgainstText", "Pass", "Text against text"}};
    for (const auto &row : verdicts) {
        QAccessibleInterface *verdict = label(row.name);
        QCOMPARE(verdict->text(QAccessible::Name), QLatin1String(row.verdict));
        QVERIFY2(verdict->text(QAccessible::Description).contains(QLatin1String(row.says)),
                 qPrintable(verdict->text(QAccessible::Description)));
    }
    QVERIFY(!label("Sample1Lc")->text(QAccessible::Name).isEmpty());
    QVERIFY(label("ProtanopiaRatios")->text(QAccessible::Name).startsWith(QLatin1String("1: ")));
    QVERIFY(!label("ProtanopiaRatios")->text(QAccessible::Description).isEmpty());
    checker->close();
}

void tst_Accessibility::contrastCheckerButtonsAndStripsAreNamed()
{
    f.action("ContrastChecker1")->trigger();
    auto *checker = f.form->findChild<ContrastChecker *>();
    const auto controls = interactiveControls(checker);
    for (const char *name :
         {"BackgroundPick", "Sample1Pick", "Sample2Pick", "BackgroundStrip", "Sample1Strip",
          "Sample2Strip", "CopyReport", "Sample1AaNormalFixText", "Sample2NonTextFixBackground"})
        QVERIFY2(controls.contains(QLatin1String(name)), name);
    // Ten "Fix text" buttons: each is told apart by its sample and rule.
    QSet<QString> fixNames;
    for (auto it = controls.begin(); it != controls.end(); ++it) {
        if (it.key().endsWith(QLatin1String("FixText")))
            fixNames.insert(it.value()->text(QAccessible::Name));
    }
    QCOMPARE(fixNames.size(), 10);
    QVERIFY(fixNames.contains(QStringLiteral("Fix text, Text Sample 2, 1.4.6 AAA large text")));

    QAccessibleInterface *strip = controls.value(QStringLiteral("Sample1Strip"));
    QCOMPARE(strip->role(), QAccessible::Slider);
    QCOMPARE(strip->text(QAccessible::Name), QStringLiteral("Text Sample 1 lightness"));
    QVERIFY(!strip->text(QAccessible::Description).isEmpty());
    QVERIFY(strip->valueInterface());
    QVERIFY(strip->valueInterface()->maximumValue().toInt() > 0);
    const int before = strip->valueInterface()->currentValue().toInt();
    QTest::keyClick(checker->findChild<QWidget *>(QStringLiteral("Sample1Strip")), Qt::Key_End);
    QVERIFY(strip->valueInterface()->currentValue().toInt() > before);

    for (const char *name : {"Sample1Preview", "BackgroundSwatch", "TritanopiaPreview"}) {
        QAccessibleInterface *preview =
                accessible(checker->findChild<QWidget *>(QLatin1String(name)));
        QCOMPARE(preview->role(), QAccessible::Graphic);
        QVERIFY2(!preview->text(QAccessible::Name).isEmpty(), name);
    }
    // A fix that passes already is told as unavailable.
    QCOMPARE(bool(controls.value(QStringLiteral("Sample1AaNormalFixText"))->state().disabled),
             !checker->findChild<QWidget *>(QStringLiteral("Sample1AaNormalFixText"))->isEnabled());
    checker->close();
}

void tst_Accessibility::findBarIsNamed()
{
    f.action("Find1")->trigger();
    auto *bar = f.form->findChild<FindBar *>();
    QVERIFY(bar && bar->isVisible());
    QAccessibleInterface *window = accessible(bar);
    QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Find in List"));
    const auto controls = interactiveControls(bar);
    QCOMPARE(controls.value(QStringLiteral("FindText"))->text(QAccessible::Name),
             QStringLiteral("Find in list"));
    QCOMPARE(controls.value(QStringLiteral("FindNextBtn"))->text(QAccessible::Name),
             QStringLiteral("Find Next"));
    QTest::keyClicks(bar->findChild<QWidget *>(QStringLiteral("FindText")), QStringLiteral("zzz"));
    QAccessibleInterface *status =
            accessible(bar->findChild<QWidget *>(QStringLiteral("FindStatus")));
    QCOMPARE(status->text(QAccessible::Name), QStringLiteral("Not found"));
    QVERIFY(!status->text(QAccessible::Description).isEmpty());
    bar->close();
}

void tst_Accessibility::aboutBoxIsNamed()
{
    TAboutBox box(nullptr, 96);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QAccessibleInterface *window = accessible(&box);
    QCOMPARE(window->role(), QAccessible::Dialog);
    QCOMPARE(window->text(QAccessible::Name), QStringLiteral("About"));
    QVERIFY(!window->text(QAccessible::Description).isEmpty());
    const auto controls = interactiveControls(&box);
    QCOMPARE(controls.value(QStringLiteral("OKButton"))->text(QAccessible::Name),
             QStringLiteral("OK"));
    QCOMPARE(accessible(box.findChild<QWidget *>(QStringLiteral("ProgramIcon")))
                     ->text(QAccessible::Name),
             QStringLiteral("Tintora icon"));
    QCOMPARE(accessible(box.findChild<QWidget *>(QStringLiteral("ProductName")))
                     ->text(QAccessible::Name),
             QStringLiteral("Tintora"));
    // The maker's line shows the address when pressed, as a click on it does.
    QAccessibleInterface *maker = accessible(box.findChild<QWidget *>(QStringLiteral("Copyright")));
    QVERIFY(maker->text(QAccessible::Name).startsWith(QLatin1String("Copyright")));
    QVERIFY(!maker->text(QAccessible::Description).isEmpty());
    QVERIFY(maker->actionInterface());
    maker->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(box.findChild<QWidget *>(QStringLiteral("Label1"))->isVisible());
    box.hide();
}

void tst_Accessibility::helpWindowIsNamed()
{
    f.action("Contents1")->trigger();
    QTextBrowser *help = Help::window();
    QVERIFY(help && help->isVisible());
    QAccessibleInterface *window = accessible(help);
    QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Tintora Help"));
    QVERIFY(!window->text(QAccessible::Description).isEmpty());
    QVERIFY(window->textInterface());
    QVERIFY(window->textInterface()
                    ->text(0, window->textInterface()->characterCount())
                    .contains(QLatin1String("Tintora Help")));
}

void tst_Accessibility::pickerOverlayTellsTheColorUnderTheCrosshair()
{
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(QColor(0x12, 0x34, 0x56));
    picture.setPixelColor(10, 20, QColor(0xFF, 0x80, 0x00));
    PickerOverlay overlay(QGuiApplication::primaryScreen(), picture, f.form.get());
    QAccessibleInterface *iface = accessible(&overlay);
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Pick From Screen"));
    QVERIFY(iface->text(QAccessible::Description).contains(QLatin1String("Esc")));
    overlay.setCrosshair(QPoint(10, 20), Loupe::kDefaultZoom);
    QVERIFY(iface->text(QAccessible::Description).startsWith(QLatin1String("Color #FF8000")));
    overlay.setCrosshair(QPoint(11, 20), Loupe::kDefaultZoom);
    QVERIFY(iface->text(QAccessible::Description).startsWith(QLatin1String("Color #123456")));
}

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
