// SPDX-License-Identifier: GPL-3.0-or-later
// The window commands as a user reaches them: menu items, the list button and the shortcuts,
// each judged by what it does to the window.
#include "app/application.h"
#include "core/error.h"
#include "formfixture.h"
#include "ui/helpwindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolTip>

#include <functional>
#include <memory>

using namespace Tintora;

namespace {

// Lets closed windows that release themselves go.
void releaseClosed()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

const QString kHelpFolder = QStringLiteral(":/help/tra32r10/");

} // namespace

class tst_WindowCommands : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void togglesFullList_data();
    void togglesFullList();
    void rollsUpAndDown_data();
    void rollsUpAndDown();
    void rollingUpClosesFullList_data();
    void rollingUpClosesFullList();
    void staysOnTop();
    void switchesHints_data();
    void switchesHints();
    void copiesHexFromAnyField_data();
    void copiesHexFromAnyField();
    void exitsThroughCloseQuery_data();
    void exitsThroughCloseQuery();
    void opensHelpAtContents();
    void reportsHelpThatCannotBeShown_data();
    void reportsHelpThatCannotBeShown();
    void helpPagesLinkUp();
    void showsAboutBox();

private:
    FormFixture f;
};

void tst_WindowCommands::initTestCase()
{
    Application::setTitle(QStringLiteral("Tintora - version 1.0"));
    Application::setHelpFile(QStringLiteral("tra32r10.HLP"));
    // Closing the main window is part of what is tested; it must not end the test run.
    QApplication::setQuitOnLastWindowClosed(false);
}

void tst_WindowCommands::cleanup()
{
    QToolTip::hideText();
    if (QTextBrowser *help = Help::window())
        help->close();
    releaseClosed();
    f.destroy();
    Application::setHelpFile(QStringLiteral("tra32r10.HLP"));
    VERIFY_NO_SURPRISES(f.dialogs);
    f.dialogs.clear();
}

// The window's sizes at both scale factors: the constants times the scale, halves to even.
static void addScaleRows()
{
    QTest::addColumn<int>("pixelsPerInch");
    QTest::addColumn<QSize>("normal");
    QTest::addColumn<int>("fullWidth");
    QTest::addColumn<QSize>("rolledUp");
    QTest::newRow("96 ppi") << 96 << QSize(295, 383) << 558 << QSize(220, 40);
    QTest::newRow("120 ppi") << 120 << QSize(369, 479) << 698 << QSize(275, 50);
}

#define VERIFY_FIXED_BORDER() \
    QVERIFY2(f.form->minimumSize() == f.form->maximumSize(), "the user can resize the window")

void tst_WindowCommands::togglesFullList_data()
{
    addScaleRows();
}

void tst_WindowCommands::togglesFullList()
{
    QFETCH(int, pixelsPerInch);
    QFETCH(QSize, normal);
    QFETCH(int, fullWidth);
    f.create(pixelsPerInch, true);
    const int height = f.form->outerSize().height(); // the list changes only the width

    f.action("EnableLists1")->trigger();
    auto *button = f.child<QPushButton>("ViewLstBtn");
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(f.form->outerSize(), QSize(fullWidth, height));
    QCOMPARE(button->text(), QStringLiteral("Close Full List"));
    VERIFY_FIXED_BORDER();
    QVERIFY(f.child<QWidget>("StringGrid1")->visibleRegion().isEmpty() == false);

    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(f.form->outerSize(), QSize(normal.width(), height));
    QCOMPARE(button->text(), QStringLiteral("View Full List"));
    VERIFY_FIXED_BORDER();
}

void tst_WindowCommands::rollsUpAndDown_data()
{
    addScaleRows();
}

void tst_WindowCommands::rollsUpAndDown()
{
    QFETCH(int, pixelsPerInch);
    QFETCH(QSize, normal);
    QFETCH(QSize, rolledUp);
    f.create(pixelsPerInch, true);
    QAction *rollUp = f.action("RollUp1");

    rollUp->trigger();
    QCOMPARE(f.form->outerSize(), rolledUp);
    QCOMPARE(rollUp->text(), QStringLiteral("&Roll Down"));
    VERIFY_FIXED_BORDER();

    rollUp->trigger();
    QCOMPARE(f.form->outerSize(), normal);
    QCOMPARE(rollUp->text(), QStringLiteral("&Roll Up"));
    VERIFY_FIXED_BORDER();

    // The colors are not the commands' business.
    QCOMPARE(f.child<QLineEdit>("Edit1")->text(), QStringLiteral("#FFFFFF"));
}

void tst_WindowCommands::rollingUpClosesFullList_data()
{
    addScaleRows();
}

void tst_WindowCommands::rollingUpClosesFullList()
{
    QFETCH(int, pixelsPerInch);
    QFETCH(QSize, normal);
    QFETCH(QSize, rolledUp);
    f.create(pixelsPerInch, true);
    f.action("EnableLists1")->trigger();
    auto *button = f.child<QPushButton>("ViewLstBtn");
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(button->text(), QStringLiteral("Close Full List"));

    f.action("RollUp1")->trigger();
    QCOMPARE(f.form->outerSize(), rolledUp);
    QCOMPARE(button->text(), QStringLiteral("View Full List"));

    // Rolled down again, the window is back at its normal width: the list stays closed, and
    // the button opens it again.
    f.action("RollUp1")->trigger();
    QCOMPARE(f.form->outerSize(), normal);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(button->text(), QStringLiteral("Close Full List"));
    QVERIFY(f.form->outerSize().width() > normal.width());
}

void tst_WindowCommands::staysOnTop()
{
    f.create(96, true);
    QAction *stayOnTop = f.action("StayonTop1");
    QVERIFY(!stayOnTop->isChecked());
    QVERIFY(!(f.form->windowFlags() & Qt::WindowStaysOnTopHint));
    const QPoint position = f.form->pos();
    const QSize size = f.form->outerSize();

    // From the menu, where Qt would flip the check mark on its own as well.
    stayOnTop->trigger();
    QVERIFY(stayOnTop->isChecked());
    QVERIFY(f.form->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(f.form->isVisible());
    QCOMPARE(f.form->pos(), position);
    QCOMPARE(f.form->outerSize(), size);
    VERIFY_FIXED_BORDER();

    stayOnTop->trigger();
    QVERIFY(!stayOnTop->isChecked());
    QVERIFY(!(f.form->windowFlags() & Qt::WindowStaysOnTopHint));
    QVERIFY(f.form->isVisible());

    // Called directly, the handler flips the check mark itself.
    f.form->StayonTop1Click();
    QVERIFY(stayOnTop->isChecked());
    QVERIFY(f.form->windowFlags() & Qt::WindowStaysOnTopHint);
    f.form->StayonTop1Click();
    QVERIFY(!stayOnTop->isChecked());
    QVERIFY(!(f.form->windowFlags() & Qt::WindowStaysOnTopHint));
}

void tst_WindowCommands::switchesHints_data()
{
    QTest::addColumn<QString>("control");
    QTest::newRow("button") << "SetClrBtn";
    QTest::newRow("disabled button") << "DelFrLstBtn";
    QTest::newRow("hex field") << "Edit1";
}

void tst_WindowCommands::switchesHints()
{
    QFETCH(QString, control);
    f.create(96, true);
    auto *widget = f.form->findChild<QWidget *>(control);
    QVERIFY(widget);
    const QString hint = widget->toolTip();
    QVERIFY(!hint.isEmpty());
    const auto askForHint = [widget] {
        const QPoint centre = widget->rect().center();
        QHelpEvent event(QEvent::ToolTip, centre, widget->mapToGlobal(centre));
        QApplication::sendEvent(widget, &event);
    };
    QAction *hints = f.action("DisableHints1");

    hints->trigger();
    QCOMPARE(hints->text(), QStringLiteral("Enable Hints"));
    QVERIFY(!f.form->showHints());
    askForHint();
    QVERIFY(!QToolTip::isVisible());

    hints->trigger();
    QCOMPARE(hints->text(), QStringLiteral("Disable &Hints"));
    QVERIFY(f.form->showHints());
    askForHint();
    QVERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), hint);
}

void tst_WindowCommands::copiesHexFromAnyField_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("hex");
    QTest::newRow("red") << "Rval"
                         << "18"
                         << "#12FFFF";
    QTest::newRow("green") << "Gval"
                           << "171"
                           << "#FFABFF";
    QTest::newRow("blue") << "Bval"
                          << "0"
                          << "#FFFF00";
}

void tst_WindowCommands::copiesHexFromAnyField()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, hex);
    f.create(96, true);
    auto *edit = f.form->findChild<QLineEdit *>(field);
    QVERIFY(edit);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, typed);
    QCOMPARE(f.child<QLineEdit>("Edit1")->text(), hex);

    QGuiApplication::clipboard()->setText(QStringLiteral("stale"));
    edit->selectAll(); // a field of its own would copy its selection
    QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), hex);
    QCOMPARE(QGuiApplication::clipboard()->text().size(), 7);
    QCOMPARE(edit->text(), typed);
}

void tst_WindowCommands::exitsThroughCloseQuery_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("changedList");
    QTest::newRow("Ctrl+X, nothing to save") << "Ctrl+X" << false;
    QTest::newRow("Ctrl+X, changed list") << "Ctrl+X" << true;
    QTest::newRow("File menu, changed list") << "Exit1" << true;
    QTest::newRow("close button handler, changed list") << "CloseBtnClick" << true;
}

void tst_WindowCommands::exitsThroughCloseQuery()
{
    QFETCH(QString, how);
    QFETCH(bool, changedList);
    f.create(96, true);
    if (changedList) {
        f.addEntry(QStringLiteral("White"), QStringLiteral("#FFFFFF"));
        f.dialogs.answers.enqueue(Dialogs::Answer::No);
    }
    auto *rval = f.child<QLineEdit>("Rval");
    rval->setFocus();
    rval->selectAll();

    if (how == u"Ctrl+X")
        QTest::keyClick(rval, Qt::Key_X, Qt::ControlModifier);
    else if (how == u"Exit1")
        f.action("Exit1")->trigger();
    else
        f.form->CloseBtnClick();

    QVERIFY(!f.form->isVisible());
    QCOMPARE(rval->text(), QStringLiteral("255")); // closed, not cut
    if (changedList) {
        QCOMPARE(f.dialogs.messages.size(), 1);
        QCOMPARE(f.dialogs.messages.constFirst().text,
                 QStringLiteral("Save current color list to file?"));
    } else {
        QVERIFY(f.dialogs.messages.isEmpty());
    }
}

void tst_WindowCommands::opensHelpAtContents()
{
    f.create(96, true);
    const QUrl contents(QStringLiteral("qrc:/help/tra32r10/index.html"));
    QVERIFY(!Help::window());

    auto *rval = f.child<QLineEdit>("Rval");
    rval->setFocus();
    QTest::keyClick(rval, Qt::Key_F1);
    QPointer<QTextBrowser> help = Help::window();
    QVERIFY(help);
    QCOMPARE(help->objectName(), QStringLiteral("HelpWindow"));
    QVERIFY(help->isWindow());
    QVERIFY(help->isVisible());
    QCOMPARE(help->source(), contents);
    QVERIFY(help->toPlainText().contains(QStringLiteral("Contents")));
    // Help stays beside the window: nothing modal, and the picker keeps working.
    QVERIFY(!help->isModal());
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(f.form->isEnabled());

    // Asked again from another page, the one help window goes back to the contents.
    help->setSource(QUrl(QStringLiteral("qrc:/help/tra32r10/picker.html")));
    f.form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
    f.action("Contents1")->trigger();
    QCOMPARE(Help::window(), help.data());
    QCOMPARE(help->source(), contents);
    QTRY_COMPARE(QApplication::activeWindow(), help.data());

    // Closed, it is released; the next request opens a new one.
    help->close();
    releaseClosed();
    QVERIFY(!help);
    QVERIFY(!Help::window());
    f.action("Contents1")->trigger();
    QVERIFY(Help::window());
    QCOMPARE(Help::window()->source(), contents);

    // The program ends with its main window even while help is open.
    QVERIFY(!Help::window()->testAttribute(Qt::WA_QuitOnClose));
}

void tst_WindowCommands::reportsHelpThatCannotBeShown_data()
{
    QTest::addColumn<QString>("helpFile");
    QTest::addColumn<int>("context");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing help file")
            << "missing.HLP" << 0 << "Cannot show help: the help file 'missing.HLP' was not found";
    QTest::newRow("no help file") << "" << 0 << "Cannot show help: the help file '' was not found";
    QTest::newRow("missing topic")
            << "tra32r10.HLP" << 7
            << "Cannot show help: there is no topic 7 in the help file 'tra32r10.HLP'";
}

void tst_WindowCommands::reportsHelpThatCannotBeShown()
{
    QFETCH(QString, helpFile);
    QFETCH(int, context);
    QFETCH(QString, message);

    try {
        Help::showContext(helpFile, context);
        QFAIL("no error raised");
    } catch (const Error &e) {
        QCOMPARE(e.message(), message);
    }
    QVERIFY(!Help::window());

    if (context != 0)
        return;
    // From the menu, the user gets the error box rather than silence.
    f.create(96, true);
    Application::setHelpFile(helpFile);
    f.action("Contents1")->trigger();
    QCOMPARE(f.dialogs.errors, QStringList {message + u'.'});
    QVERIFY(!Help::window());
    f.dialogs.errors.clear();
}

void tst_WindowCommands::helpPagesLinkUp()
{
    const QStringList pages = QDir(kHelpFolder).entryList({QStringLiteral("*.html")});
    const QStringList topics {QStringLiteral("picker.html"),   QStringLiteral("samples.html"),
                              QStringLiteral("lists.html"),    QStringLiteral("files.html"),
                              QStringLiteral("commands.html"), QStringLiteral("contrast.html")};
    for (const QString &topic : topics)
        QVERIFY2(pages.contains(topic), qPrintable(topic));

    static const QRegularExpression link(QStringLiteral(R"((href|src)="([^"#]*)[^"]*")"));
    for (const QString &page : pages) {
        QFile file(kHelpFolder + page);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        QStringList targets;
        for (const auto &match : link.globalMatch(html)) {
            const QUrl target = QUrl(kHelpFolder.mid(1)).resolved(QUrl(match.captured(2)));
            const QString path = u':' + target.path();
            QVERIFY2(QFile::exists(path),
                     qPrintable(QStringLiteral("%1 links to missing %2").arg(page, path)));
            targets.append(target.fileName());
        }
        if (page == u"index.html") {
            for (const QString &topic : topics)
                QVERIFY2(targets.contains(topic),
                         qPrintable(QStringLiteral("contents lack ") + topic));
            QVERIFY(html.contains(
                    QStringLiteral(R"(<a href="contrast.html">Contrast checker</a>)")));
        } else {
            QVERIFY2(targets.contains(u"index.html"_qs),
                     qPrintable(page + QStringLiteral(" has no way back")));
        }
    }
}

void tst_WindowCommands::showsAboutBox()
{
    // The box itself is the dialogs' business (tst_qtdialogs); the command asks for it.
    f.create(96, true);
    f.action("About1")->trigger();
    QCOMPARE(f.dialogs.aboutBoxes, 1);
    f.action("About1")->trigger();
    QCOMPARE(f.dialogs.aboutBoxes, 2);
}

QTEST_MAIN(tst_WindowCommands)
#include "tst_windowcommands.moc"
