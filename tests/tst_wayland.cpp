// SPDX-License-Identifier: GPL-3.0-or-later
// The program on a real Wayland compositor: every menu command, a color change through each
// control, a list saved and loaded, and closing with its questions. Whatever Wayland does not
// allow must degrade quietly: a single Qt warning fails the suite.
#include "formfixture.h"
#include "testfiles.h"

#include "app/application.h"
#include "app/combobox.h"
#include "app/desktop.h"
#include "app/edit.h"
#include "app/label.h"
#include "app/radiobutton.h"
#include "app/shape.h"
#include "color/color.h"
#include "ui/helpwindow.h"
#include "ui/stringgrid.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QInputDevice>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>

#include <functional>
#include <map>

using namespace Tintora;

namespace {

QStringList g_warnings;
QStringList g_expected; // warnings the environment makes unavoidable, each expected once
QtMessageHandler g_nextHandler = nullptr;

void recordWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg && !g_expected.removeOne(message))
        g_warnings.append(QStringLiteral("[%1] %2").arg(QLatin1String(context.category), message));
    if (g_nextHandler)
        g_nextHandler(type, context, message);
}

QList<QAction *> commandsIn(const QList<QAction *> &actions)
{
    QList<QAction *> commands;
    for (QAction *action : actions) {
        if (action->isSeparator())
            continue;
        if (action->menu())
            commands += commandsIn(action->menu()->actions());
        else
            commands.append(action);
    }
    return commands;
}

} // namespace

class tst_Wayland : public QObject
{
    Q_OBJECT
public:
    // Before the application object, so that the platform plugin's own start is heard too.
    static void initMain() { g_nextHandler = qInstallMessageHandler(recordWarnings); }

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void stayOnTopIsNotOfferedAndSaysWhy();
    void everyMenuCommandRuns();
    void colorChangesThroughEachControl();
    void listIsSavedAndLoaded();
    void closingAsksTheQuestions_data();
    void closingAsksTheQuestions();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    QString hexText() const { return f.child<Edit>("Edit1")->text(); }
    void closeToolWindows();

    FormFixture f;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_Wayland::initTestCase()
{
    // The test framework has put its own handler in place meanwhile; ours goes in front of it.
    g_nextHandler = qInstallMessageHandler(recordWarnings);
    QVERIFY2(Desktop::isWayland(QGuiApplication::platformName()),
             qPrintable(QGuiApplication::platformName()));
    // As the program starts.
    Application::setTitle(QStringLiteral("Tintora - version 1.0"));
    Application::setHelpFile(QStringLiteral("tra32r10.HLP"));
    Desktop::integrate();
    QVERIFY2(g_warnings.isEmpty(), qPrintable(g_warnings.join(QLatin1Char('\n'))));
}

void tst_Wayland::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    f.create();
}

void tst_Wayland::closeToolWindows()
{
    delete Help::window();
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window != f.form.get() && window->isVisible())
            window->close();
    }
}

void tst_Wayland::cleanup()
{
    closeToolWindows();
    f.destroy();
    QTest::qWait(50); // lets the compositor answer the last requests, and Qt complain if it will
    g_expected.clear();
    const QStringList warnings = std::exchange(g_warnings, {});
    QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(QLatin1Char('\n'))));
}

void tst_Wayland::stayOnTopIsNotOfferedAndSaysWhy()
{
    QAction *stayOnTop = f.action("StayonTop1");
    QVERIFY(!stayOnTop->isEnabled());
    QVERIFY(!stayOnTop->isChecked());
    QCOMPARE(stayOnTop->toolTip(), Desktop::keepAboveUnavailableHint());
    QCOMPARE(stayOnTop->statusTip(), Desktop::keepAboveUnavailableHint());
    // The menu shows the item's hint.
    QVERIFY(f.child<QMenu>("Options1")->toolTipsVisible());

    stayOnTop->trigger();
    QVERIFY(!stayOnTop->isChecked());
    QVERIFY(!(f.form->windowFlags() & Qt::WindowStaysOnTopHint));
    VERIFY_NO_SURPRISES(f.dialogs);
}

// Walks the menu bar, so that every command is run, also commands added after this suite was
// written. Commands known here have their outcome checked; for every command, a modal dialog
// that does not go through the program's dialogs, an error box or a Qt warning fails the test.
void tst_Wayland::everyMenuCommandRuns()
{
    TForm1 *form = f.form.get();
    // A headless compositor has no seat, and the clipboard belongs to a seat: there Qt says that
    // it cannot set it, and that is all that can be checked.
    const bool hasSeat = !QInputDevice::devices().isEmpty();
    const std::map<QString, std::function<void()>> outcomes {
            {QStringLiteral("Open1"),
             [&] { QCOMPARE(f.dialogs.fileDialogs, QStringList({"OpenDialog1"})); }},
            {QStringLiteral("Copy1"),
             [&] {
                 if (hasSeat)
                     QCOMPARE(QGuiApplication::clipboard()->text(), hexText());
             }},
            {QStringLiteral("RollUp1"),
             [&] {
                 QCOMPARE(f.action("RollUp1")->text(), QLatin1String(TForm1::kRollDownCaption));
                 QTRY_COMPARE(form->outerSize().width(), 220);
             }},
            {QStringLiteral("DisableHints1"), [&] { QVERIFY(!form->showHints()); }},
            {QStringLiteral("EnableLists1"), [&] { QVERIFY(form->listsEnabled()); }},
            {QStringLiteral("ContrastChecker1"),
             [&] {
                 auto *checker = form->findChild<QWidget *>(QStringLiteral("ContrastChecker"));
                 QVERIFY(checker);
                 QVERIFY(QTest::qWaitForWindowExposed(checker));
                 // Where it opens is the compositor's choice alone.
                 QVERIFY(!checker->testAttribute(Qt::WA_Moved));
             }},
            {QStringLiteral("Contents1"),
             [&] {
                 QVERIFY(Help::window());
                 QVERIFY(QTest::qWaitForWindowExposed(Help::window()));
             }},
            {QStringLiteral("About1"), [&] { QCOMPARE(f.dialogs.aboutBoxes, 1); }},
    };

    QStringList outsideTheSeam;
    QTimer modalWatch;
    modalWatch.setInterval(100);
    connect(&modalWatch, &QTimer::timeout, this, [&] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            outsideTheSeam.append(modal->objectName());
            modal->close();
        }
    });
    modalWatch.start();

    QAction *exit = f.action("Exit1");
    QStringList ran;
    for (QAction *command : commandsIn(form->menuBar()->actions())) {
        if (command == exit || !command->isEnabled())
            continue;
        const QString name = command->objectName();
        f.dialogs.clear();
        // Copy to Clipboard and the Copy As items write the clipboard.
        if (name.startsWith(QLatin1String("Copy")) && !hasSeat) {
            const char *noSeat = "Can't set clipboard contents with no wl_seats available";
            g_expected.append(QLatin1String(noSeat));
            QTest::ignoreMessage(QtWarningMsg, noSeat);
        }
        // Without a seat nothing can be on the clipboard to paste.
        const bool nothingToPaste = name == u"PasteColor1" && !hasSeat;
        if (nothingToPaste)
            g_expected.append(QStringLiteral("There is no color on the clipboard to paste."));
        command->trigger();
        QTest::qWait(20);
        ran.append(name);
        if (nothingToPaste)
            QCOMPARE(f.dialogs.errors,
                     QStringList {QStringLiteral("There is no color on the clipboard to paste.")});
        if (nothingToPaste)
            f.dialogs.errors.clear();
        // The compositor here runs without a portal to pick through: the user is told so.
        if (name == u"PickScreen1") {
            const QString unavailable =
                    QStringLiteral("Picking a color from the screen is not available on this "
                                   "desktop: ");
            QTRY_COMPARE(f.dialogs.errors.size(), 1);
            QVERIFY(f.dialogs.errors.constFirst().startsWith(unavailable));
            f.dialogs.errors.clear();
            g_warnings.removeIf([&](const QString &w) { return w.contains(unavailable); });
        }
        QVERIFY2(outsideTheSeam.isEmpty(), qPrintable(name + QStringLiteral(": a modal dialog")));
        QVERIFY2(f.dialogs.errors.isEmpty(),
                 qPrintable(name + QStringLiteral(": ") + f.dialogs.errors.join(u'\n')));
        QVERIFY2(g_warnings.isEmpty(),
                 qPrintable(name + QStringLiteral(": ") + g_warnings.join(u'\n')));
        if (const auto outcome = outcomes.find(name); outcome != outcomes.end()) {
            outcome->second();
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(name + QStringLiteral(" did not do its work")));
        }
    }
    for (const auto &[name, outcome] : outcomes)
        QVERIFY2(ran.contains(name), qPrintable(name + QStringLiteral(" was not in the menus")));

    // Every window the commands opened carries the whole icon, the main window too.
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            QCOMPARE(window->windowIcon().availableSizes().size(), Desktop::iconSizes().size());
    }

    f.dialogs.clear();
    exit->trigger();
    QTRY_VERIFY(!form->isVisible());
    VERIFY_NO_SURPRISES(f.dialogs);
}

void tst_Wayland::colorChangesThroughEachControl()
{
    f.setColor(QStringLiteral("#123456"));
    QCOMPARE(hexText(), QStringLiteral("#123456"));
    QCOMPARE(f.child<Shape>("Shape1")->brushColor(), QColor(0x12, 0x34, 0x56));

    f.dragBar("gScrollBar1", 200);
    QCOMPARE(f.child<Edit>("Gval")->text(), QStringLiteral("200"));
    QCOMPARE(hexText(), QStringLiteral("#12C856"));

    f.dialogs.colors.enqueue(Color::pack(0xFF, 0x80, 0x00));
    f.click("SetClrBtn");
    QCOMPARE(hexText(), QStringLiteral("#FF8000"));
    QCOMPARE(f.form->backgroundColor(), Color::pack(0xFF, 0x80, 0x00));

    // Each sample is chosen by its radio button or by clicking it, and shows its own color.
    QTest::mouseClick(f.child<Label>("Label2"), Qt::LeftButton);
    QVERIFY(f.child<RadioButton>("RadioButton2")->isChecked());
    QCOMPARE(hexText(), QStringLiteral("#000000"));
    f.setColor(QStringLiteral("#0000FF"));
    QCOMPARE(f.form->sample1Color(), Color::pack(0, 0, 0xFF));

    QTest::mouseClick(f.child<RadioButton>("RadioButton3"), Qt::LeftButton);
    QCOMPARE(f.form->activeTarget(), TForm1::SampleTarget::TextSample2);
    f.dragBar("RScrollBar1", 255);
    QCOMPARE(f.form->sample2Color(), Color::pack(0xFF, 0, 0));

    QTest::mouseClick(f.child<Shape>("Shape1"), Qt::LeftButton);
    QVERIFY(f.child<RadioButton>("RadioButton1")->isChecked());
    QCOMPARE(hexText(), QStringLiteral("#FF8000"));
    VERIFY_NO_SURPRISES(f.dialogs);
}

void tst_Wayland::listIsSavedAndLoaded()
{
    f.addEntry(QStringLiteral("Sky"), QStringLiteral("#87CEEB"));
    f.addEntry(QStringLiteral("Sea"), QStringLiteral("#2E8B57"));
    f.dialogs.files.enqueue(path(QStringLiteral("colors.clr")));
    f.action("Save1")->trigger();
    QCOMPARE(TestFiles::bytesOf(path(QStringLiteral("colors.clr"))), QByteArray("Sky\r\nSea\r\n"));
    QCOMPARE(TestFiles::bytesOf(path(QStringLiteral("colors.hex"))),
             QByteArray("#87CEEB\r\n#2E8B57\r\n\r\n"));
    VERIFY_NO_SURPRISES(f.dialogs);

    f.destroy();
    f.create();
    f.dialogs.files.enqueue(path(QStringLiteral("colors.clr")));
    f.action("Open1")->trigger();
    QCOMPARE(f.form->windowTitle(), QStringLiteral("TRA v 1.0  Current File: colors.clr"));
    auto *names = f.child<ComboBox>("ComboBox1");
    QTRY_VERIFY(names->isVisible());
    QCOMPARE(names->count(), 2);

    // A name chosen in the name box, and a row double-clicked in the full list.
    names->setFocus();
    QTest::keyClick(names, Qt::Key_Down);
    QCOMPARE(names->text(), QStringLiteral("Sky"));
    QCOMPARE(hexText(), QStringLiteral("#87CEEB"));
    f.click("ViewLstBtn");
    auto *grid = f.child<StringGrid>("StringGrid1");
    QTRY_VERIFY(grid->visibleRegion().boundingRect().width() > 0);
    const QRect row = grid->visualRect(grid->model()->index(1, 0));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, row.center());
    QCOMPARE(hexText(), QStringLiteral("#2E8B57"));
    QCOMPARE(names->text(), QStringLiteral("Sea"));
    VERIFY_NO_SURPRISES(f.dialogs);
}

void tst_Wayland::closingAsksTheQuestions_data()
{
    QTest::addColumn<bool>("fromFile");
    QTest::addColumn<QString>("question");
    QTest::newRow("new list") << false << "Save current color list to file?";
    QTest::newRow("loaded list") << true << "Save changes to current file?";
}

void tst_Wayland::closingAsksTheQuestions()
{
    QFETCH(bool, fromFile);
    QFETCH(QString, question);
    const QString names = path(QStringLiteral("colors.clr"));
    if (fromFile) {
        TestFiles::write(names, "Sky\r\n");
        TestFiles::write(path(QStringLiteral("colors.hex")), "#87CEEB\r\n\r\n");
        f.dialogs.files.enqueue(names);
        f.action("Open1")->trigger();
    }
    f.addEntry(QStringLiteral("Sea"), QStringLiteral("#2E8B57"));
    f.dialogs.clear();
    f.dialogs.answers.enqueue(Dialogs::Answer::Yes);
    if (!fromFile)
        f.dialogs.files.enqueue(names);

    f.action("Exit1")->trigger();
    QTRY_VERIFY(!f.form->isVisible());
    QCOMPARE(f.dialogs.messages.size(), 1);
    QCOMPARE(f.dialogs.messages.first().text, question);
    const QByteArray expected = fromFile ? "Sky\r\nSea\r\n" : "Sea\r\n";
    QCOMPARE(TestFiles::bytesOf(names), expected);
    VERIFY_NO_SURPRISES(f.dialogs);
}

QTEST_MAIN(tst_Wayland)
#include "tst_wayland.moc"
