// SPDX-License-Identifier: GPL-3.0-or-later
// The window commands as a user reaches them: menu items, the list button and the shortcuts,
// each judged by what it does to the window.
#include "app/application.h"
#include "app/error.h"
#include "app/helpservice.h"
#include "scripteddialogs.h"
#include "ui/tform1.h"

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

QWidget *topLevel(const char *name)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String(name))
            return widget;
    }
    return nullptr;
}

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
    void createForm(int pixelsPerInch = 96);
    template<typename T>
    T *child(const char *name) const;
    QAction *action(const char *name) const { return child<QAction>(name); }
    void addListEntry(const QString &name);
    // Runs About1 and, inside its modal loop, inspect on the box it shows.
    void runAboutBox(const std::function<void(QWidget *box)> &inspect);

    ScriptedDialogs m_dialogs;
    std::unique_ptr<TForm1> m_form;
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
    if (m_form) {
        m_form->hide(); // closing would ask about a changed list
        m_form.reset();
    }
    Application::setHelpFile(QStringLiteral("tra32r10.HLP"));
    QVERIFY2(m_dialogs.unexpected.isEmpty(), qPrintable(m_dialogs.unexpected.join(u", ")));
    QVERIFY2(m_dialogs.errors.isEmpty(), qPrintable(m_dialogs.errors.join(u", ")));
    m_dialogs.clear();
}

void tst_WindowCommands::createForm(int pixelsPerInch)
{
    m_form = std::make_unique<TForm1>(nullptr, pixelsPerInch);
    m_form->show();
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
}

template<typename T>
T *tst_WindowCommands::child(const char *name) const
{
    T *object = m_form->findChild<T *>(QLatin1String(name));
    if (!object)
        qFatal("no child named %s", name);
    return object;
}

void tst_WindowCommands::addListEntry(const QString &name)
{
    if (!m_form->listsEnabled())
        action("EnableLists1")->trigger();
    child<QComboBox>("ComboBox1")->setEditText(name);
    QTest::mouseClick(child<QPushButton>("AddToLstBtn"), Qt::LeftButton);
    QVERIFY(m_form->listModified());
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
    QVERIFY2(m_form->minimumSize() == m_form->maximumSize(), "the user can resize the window")

void tst_WindowCommands::togglesFullList_data()
{
    addScaleRows();
}

void tst_WindowCommands::togglesFullList()
{
    QFETCH(int, pixelsPerInch);
    QFETCH(QSize, normal);
    QFETCH(int, fullWidth);
    createForm(pixelsPerInch);
    const int height = m_form->outerSize().height(); // the list changes only the width

    action("EnableLists1")->trigger();
    auto *button = child<QPushButton>("ViewLstBtn");
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(m_form->outerSize(), QSize(fullWidth, height));
    QCOMPARE(button->text(), QStringLiteral("Close Full List"));
    VERIFY_FIXED_BORDER();
    QVERIFY(child<QWidget>("StringGrid1")->visibleRegion().isEmpty() == false);

    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(m_form->outerSize(), QSize(normal.width(), height));
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
    createForm(pixelsPerInch);
    QAction *rollUp = action("RollUp1");

    rollUp->trigger();
    QCOMPARE(m_form->outerSize(), rolledUp);
    QCOMPARE(rollUp->text(), QStringLiteral("&Roll Down"));
    VERIFY_FIXED_BORDER();

    rollUp->trigger();
    QCOMPARE(m_form->outerSize(), normal);
    QCOMPARE(rollUp->text(), QStringLiteral("&Roll Up"));
    VERIFY_FIXED_BORDER();

    // The colors are not the commands' business.
    QCOMPARE(child<QLineEdit>("Edit1")->text(), QStringLiteral("#FFFFFF"));
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
    createForm(pixelsPerInch);
    action("EnableLists1")->trigger();
    auto *button = child<QPushButton>("ViewLstBtn");
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(button->text(), QStringLiteral("Close Full List"));

    action("RollUp1")->trigger();
    QCOMPARE(m_form->outerSize(), rolledUp);
    QCOMPARE(button->text(), QStringLiteral("View Full List"));

    // Rolled down again, the window is back at its normal width: the list stays closed, and
    // the button opens it again.
    action("RollUp1")->trigger();
    QCOMPARE(m_form->outerSize(), normal);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(button->text(), QStringLiteral("Close Full List"));
    QVERIFY(m_form->outerSize().width() > normal.width());
}

void tst_WindowCommands::staysOnTop()
{
    createForm();
    QAction *stayOnTop = action("StayonTop1");
    QVERIFY(!stayOnTop->isChecked());
    QVERIFY(!(m_form->windowFlags() & Qt::WindowStaysOnTopHint));
    const QPoint position = m_form->pos();
    const QSize size = m_form->outerSize();

    // From the menu, where Qt would flip the check mark on its own as well.
    stayOnTop->trigger();
    QVERIFY(stayOnTop->isChecked());
    QVERIFY(m_form->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(m_form->isVisible());
    QCOMPARE(m_form->pos(), position);
    QCOMPARE(m_form->outerSize(), size);
    VERIFY_FIXED_BORDER();

    stayOnTop->trigger();
    QVERIFY(!stayOnTop->isChecked());
    QVERIFY(!(m_form->windowFlags() & Qt::WindowStaysOnTopHint));
    QVERIFY(m_form->isVisible());

    // Called directly, the handler flips the check mark itself.
    m_form->StayonTop1Click();
    QVERIFY(stayOnTop->isChecked());
    QVERIFY(m_form->windowFlags() & Qt::WindowStaysOnTopHint);
    m_form->StayonTop1Click();
    QVERIFY(!stayOnTop->isChecked());
    QVERIFY(!(m_form->windowFlags() & Qt::WindowStaysOnTopHint));
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
    createForm();
    auto *widget = m_form->findChild<QWidget *>(control);
    QVERIFY(widget);
    const QString hint = widget->toolTip();
    QVERIFY(!hint.isEmpty());
    const auto askForHint = [widget] {
        const QPoint centre = widget->rect().center();
        QHelpEvent event(QEvent::ToolTip, centre, widget->mapToGlobal(centre));
        QApplication::sendEvent(widget, &event);
    };
    QAction *hints = action("DisableHints1");

    hints->trigger();
    QCOMPARE(hints->text(), QStringLiteral("Enable Hints"));
    QVERIFY(!m_form->showHints());
    askForHint();
    QVERIFY(!QToolTip::isVisible());

    hints->trigger();
    QCOMPARE(hints->text(), QStringLiteral("Disable &Hints"));
    QVERIFY(m_form->showHints());
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
    createForm();
    auto *edit = m_form->findChild<QLineEdit *>(field);
    QVERIFY(edit);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, typed);
    QCOMPARE(child<QLineEdit>("Edit1")->text(), hex);

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
    createForm();
    if (changedList) {
        addListEntry(QStringLiteral("White"));
        m_dialogs.answers.enqueue(Dialogs::Answer::No);
    }
    auto *rval = child<QLineEdit>("Rval");
    rval->setFocus();
    rval->selectAll();

    if (how == u"Ctrl+X")
        QTest::keyClick(rval, Qt::Key_X, Qt::ControlModifier);
    else if (how == u"Exit1")
        action("Exit1")->trigger();
    else
        m_form->CloseBtnClick();

    QVERIFY(!m_form->isVisible());
    QCOMPARE(rval->text(), QStringLiteral("255")); // closed, not cut
    if (changedList) {
        QCOMPARE(m_dialogs.messages.size(), 1);
        QCOMPARE(m_dialogs.messages.constFirst().text,
                 QStringLiteral("Save current color list to file?"));
    } else {
        QVERIFY(m_dialogs.messages.isEmpty());
    }
}

void tst_WindowCommands::opensHelpAtContents()
{
    createForm();
    const QUrl contents(QStringLiteral("qrc:/help/tra32r10/index.html"));
    QVERIFY(!Help::window());

    auto *rval = child<QLineEdit>("Rval");
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
    QVERIFY(m_form->isEnabled());

    // Asked again from another page, the one help window goes back to the contents.
    help->setSource(QUrl(QStringLiteral("qrc:/help/tra32r10/picker.html")));
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    action("Contents1")->trigger();
    QCOMPARE(Help::window(), help.data());
    QCOMPARE(help->source(), contents);
    QTRY_COMPARE(QApplication::activeWindow(), help.data());

    // Closed, it is released; the next request opens a new one.
    help->close();
    releaseClosed();
    QVERIFY(!help);
    QVERIFY(!Help::window());
    m_form->Contents1Click();
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
    createForm();
    Application::setHelpFile(helpFile);
    action("Contents1")->trigger();
    QCOMPARE(m_dialogs.errors, QStringList {message + u'.'});
    QVERIFY(!Help::window());
    m_dialogs.errors.clear();
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

void tst_WindowCommands::runAboutBox(const std::function<void(QWidget *box)> &inspect)
{
    bool inspected = false;
    QTimer::singleShot(0, this, [&] {
        QWidget *box = QApplication::activeModalWidget();
        inspect(box);
        inspected = true;
        // Whatever the inspection found, the modal loop must end.
        if (box && box->isVisible())
            box->close();
    });
    action("About1")->trigger();
    QVERIFY(inspected);
}

void tst_WindowCommands::showsAboutBox()
{
    createForm();
    QString name;
    bool modal = false, ownedByApplication = false, hasIcon = false;
    QString product, version, ok;
    bool addressAtStart = true, addressAfterNotice = false, addressAfterAddress = true;
    bool closedByOk = false;

    runAboutBox([&](QWidget *box) {
        if (!box)
            return;
        name = box->objectName();
        modal = box->isModal() && box->windowModality() == Qt::ApplicationModal;
        ownedByApplication = box->parent() == nullptr;
        hasIcon = !box->windowIcon().isNull()
                && !box->findChild<QLabel *>(u"ProgramIcon"_qs)->pixmap().isNull();
        product = box->findChild<QLabel *>(u"ProductName"_qs)->text();
        version = box->findChild<QLabel *>(u"Version"_qs)->text();
        auto *okButton = box->findChild<QPushButton *>(u"OKButton"_qs);
        ok = okButton->text();
        hasIcon = hasIcon && !okButton->icon().isNull();
        auto *address = box->findChild<QLabel *>(u"Label1"_qs);
        addressAtStart = address->isVisible();
        QTest::mouseClick(box->findChild<QLabel *>(u"Copyright"_qs), Qt::LeftButton);
        addressAfterNotice = address->isVisible();
        QTest::mouseClick(address, Qt::LeftButton);
        addressAfterAddress = address->isVisible();
        QTest::mouseClick(box->findChild<QLabel *>(u"Copyright"_qs), Qt::LeftButton);
        QTest::mouseClick(okButton, Qt::LeftButton);
        closedByOk = !box->isVisible();
    });
    QCOMPARE(name, QStringLiteral("AboutBox"));
    QVERIFY(modal);
    QVERIFY(ownedByApplication);
    QVERIFY(hasIcon);
    QCOMPARE(product, QStringLiteral("Tintora"));
    QCOMPARE(version, QStringLiteral("Release 1.0"));
    QCOMPARE(ok, QStringLiteral("OK"));
    QVERIFY(!addressAtStart);
    QVERIFY(addressAfterNotice);
    QVERIFY(!addressAfterAddress);
    QVERIFY(closedByOk);
    releaseClosed();
    QVERIFY2(!topLevel("AboutBox"), "the closed box was not released");

    // Each time a fresh box: the address shown in the last one is hidden in the new one.
    bool fresh = false;
    runAboutBox([&](QWidget *box) {
        if (!box)
            return;
        fresh = box->objectName() == u"AboutBox"
                && !box->findChild<QLabel *>(u"Label1"_qs)->isVisible();
        QTest::mouseClick(box->findChild<QPushButton *>(u"OKButton"_qs), Qt::LeftButton);
    });
    QVERIFY(fresh);
    releaseClosed();
    QVERIFY(!topLevel("AboutBox"));
}

QTEST_MAIN(tst_WindowCommands)
#include "tst_windowcommands.moc"
