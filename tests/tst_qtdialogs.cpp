// SPDX-License-Identifier: GPL-3.0-or-later
// The real dialogs behind the seam, driven as a user drives them: keys and buttons.
#include "app/application.h"
#include "core/error.h"
#include "core/text.h"
#include "ui/qtdialogs.h"
#include "ui/taboutbox.h"
#include "ui/tform1.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace Tintora;
using Answer = Dialogs::Answer;

class tst_QtDialogs : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();

    void messageAnswers_data();
    void messageAnswers();
    void recoveryQuestionAnswers_data();
    void recoveryQuestionAnswers();
    void errorBoxFitsTheScreen_data();
    void errorBoxFitsTheScreen();
    void fileDialogFollowsTheRequest();
    void colorChooserOpensOnTheColor();
    void numberBoxAnswers_data();
    void numberBoxAnswers();
    void showsAboutBox();

private:
    // Runs act, which opens a modal dialog, and answers that dialog with answer once it shows.
    // Returns false if no dialog came.
    bool answerModal(const std::function<void(QWidget *dialog)> &answer,
                     const std::function<void()> &act);

    QtDialogs m_dialogs;
    Dialogs *m_previous = nullptr;
};

namespace {

// Answers a message box as a user does: "Enter", "Escape", "Alt+N", "close", or a click on the
// button with that text.
void answerBox(QWidget *dialog, const QString &press)
{
    if (press == u"Enter") {
        QTest::keyClick(dialog, Qt::Key_Return);
    } else if (press == u"Escape") {
        QTest::keyClick(dialog, Qt::Key_Escape);
    } else if (press == u"Alt+N") {
        // A button's letter is a shortcut of the active window.
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QTest::keyClick(dialog, Qt::Key_N, Qt::AltModifier);
        // A button's letter clicks it a moment later, as it shows the press.
        QTRY_VERIFY(!dialog->isVisible());
    } else if (press == u"close") {
        dialog->close();
    } else {
        for (QPushButton *button : dialog->findChildren<QPushButton *>())
            if (button->text() == press)
                QTest::mouseClick(button, Qt::LeftButton);
    }
}

} // namespace

void tst_QtDialogs::initTestCase()
{
    Application::setTitle(QStringLiteral("Tintora - version 1.0"));
    m_previous = Dialogs::install(&m_dialogs);
}

void tst_QtDialogs::cleanupTestCase()
{
    Dialogs::install(m_previous);
}

void tst_QtDialogs::cleanup()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool tst_QtDialogs::answerModal(const std::function<void(QWidget *dialog)> &answer,
                                const std::function<void()> &act)
{
    bool answered = false;
    auto *poll = new QTimer(this);
    poll->setInterval(10);
    connect(poll, &QTimer::timeout, this, [&, poll] {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog || !dialog->isVisible())
            return;
        poll->stop();
        answered = true;
        answer(dialog);
        // Whatever the answer did, the modal loop must end.
        if (dialog->isVisible())
            QTimer::singleShot(0, dialog, &QWidget::close);
    });
    poll->start();
    act();
    poll->deleteLater();
    return answered;
}

void tst_QtDialogs::messageAnswers_data()
{
    using Buttons = Dialogs::Buttons;
    QTest::addColumn<int>("buttons");
    QTest::addColumn<QString>("press");
    QTest::addColumn<int>("expected");
    QTest::newRow("question, Enter") << int(Buttons::YesNo) << "Enter" << int(Answer::Yes);
    QTest::newRow("question, Escape") << int(Buttons::YesNo) << "Escape" << int(Answer::No);
    QTest::newRow("question, Yes") << int(Buttons::YesNo) << "&Yes" << int(Answer::Yes);
    QTest::newRow("question, No") << int(Buttons::YesNo) << "&No" << int(Answer::No);
    QTest::newRow("question, Alt+N") << int(Buttons::YesNo) << "Alt+N" << int(Answer::No);
    // The questions that offer to save before a list is lost: Escape and closing stop.
    const int save = int(Buttons::YesNoCancel);
    QTest::newRow("save question, Enter") << save << "Enter" << int(Answer::Yes);
    QTest::newRow("save question, Escape") << save << "Escape" << int(Answer::Cancel);
    QTest::newRow("save question, box closed") << save << "close" << int(Answer::Cancel);
    QTest::newRow("save question, Yes") << save << "&Yes" << int(Answer::Yes);
    QTest::newRow("save question, No") << save << "&No" << int(Answer::No);
    QTest::newRow("save question, Alt+N") << save << "Alt+N" << int(Answer::No);
    QTest::newRow("save question, Cancel") << save << "Cancel" << int(Answer::Cancel);
    QTest::newRow("warning, Enter") << int(Buttons::Ok) << "Enter" << int(Answer::Ok);
    QTest::newRow("warning, Escape") << int(Buttons::Ok) << "Escape" << int(Answer::Ok);
}

void tst_QtDialogs::messageAnswers()
{
    QFETCH(int, buttons);
    QFETCH(QString, press);
    QFETCH(int, expected);
    const bool question = buttons != int(Dialogs::Buttons::Ok);
    QString title;
    QStringList texts;
    Answer answer = Answer::Ok;
    const bool shown = answerModal(
            [&](QWidget *dialog) {
                title = dialog->windowTitle();
                for (const QPushButton *button : dialog->findChildren<QPushButton *>())
                    texts.append(button->text());
                answerBox(dialog, press);
            },
            [&] {
                answer = m_dialogs.message(nullptr, QStringLiteral("Save changes to current file?"),
                                           question ? Dialogs::Type::Confirmation
                                                    : Dialogs::Type::Warning,
                                           Dialogs::Buttons(buttons));
            });
    QVERIFY(shown);
    QCOMPARE(int(answer), expected);
    QCOMPARE(title, question ? QStringLiteral("Confirm") : QStringLiteral("Warning"));
    texts.sort();
    QStringList expectedTexts {"OK"};
    if (question)
        expectedTexts = {"&No", "&Yes"};
    if (buttons == int(Dialogs::Buttons::YesNoCancel))
        expectedTexts.append(QStringLiteral("Cancel"));
    QCOMPARE(texts, expectedTexts);
}

void tst_QtDialogs::recoveryQuestionAnswers_data()
{
    QTest::addColumn<QString>("press");
    QTest::addColumn<int>("expected");
    QTest::newRow("Enter") << "Enter" << int(Answer::Restore);
    QTest::newRow("Escape changes nothing") << "Escape" << int(Answer::Later);
    QTest::newRow("box closed") << "close" << int(Answer::Later);
    QTest::newRow("Restore") << "&Restore" << int(Answer::Restore);
    QTest::newRow("Discard") << "&Discard" << int(Answer::Discard);
    QTest::newRow("Later") << "&Later" << int(Answer::Later);
}

void tst_QtDialogs::recoveryQuestionAnswers()
{
    QFETCH(QString, press);
    QFETCH(int, expected);
    QString title;
    QStringList buttons;
    Answer answer = Answer::Ok;
    const bool shown = answerModal(
            [&](QWidget *dialog) {
                title = dialog->windowTitle();
                for (const QPushButton *button : dialog->findChildren<QPushButton *>())
                    buttons.append(button->objectName() + u'=' + button->text());
                answerBox(dialog, press);
            },
            [&] {
                answer = m_dialogs.message(nullptr, QStringLiteral("Restore it?"),
                                           Dialogs::Type::Confirmation,
                                           Dialogs::Buttons::RestoreDiscardLater);
            });
    QVERIFY(shown);
    QCOMPARE(int(answer), expected);
    QCOMPARE(title, QStringLiteral("Confirm"));
    buttons.sort();
    QCOMPARE(buttons,
             QStringList(
                     {"DiscardButton=&Discard", "LaterButton=&Later", "RestoreButton=&Restore"}));
}

void tst_QtDialogs::errorBoxFitsTheScreen_data()
{
    QTest::addColumn<QString>("message");
    const QString folder = QString(60, u'f') + u'/';
    const QString file = QString(70, u'n') + QStringLiteral(".clr");
    // A huge number pasted into a field reaches the error box; its OK button must be reachable.
    QTest::newRow("huge number")
            << QStringLiteral("'%1' is not a valid integer value").arg(QString(20000, u'9'));
    // A path is quoted as it is, so that the text copied from the box names the file.
    QTest::newRow("long names") << QStringLiteral("Cannot open \"%1\": No such file or directory")
                                           .arg(QStringLiteral("/tmp/") + folder + file);
    QTest::newRow("deep path") << QStringLiteral("Cannot open \"%1\": No such file or directory")
                                          .arg(QStringLiteral("/tmp/") + folder.repeated(8) + file);
    // Shown as typed, not as formatting.
    QTest::newRow("markup in a name")
            << QStringLiteral("Cannot open \"/tmp/<b>bold</b> &amp; <br>.clr\": Permission denied");
}

void tst_QtDialogs::errorBoxFitsTheScreen()
{
    QFETCH(QString, message);
    QRect box, ok;
    QString caption, text, copied;
    bool plain = false;
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("Cannot open|not a valid")));
    const bool shown = answerModal(
            [&](QWidget *dialog) {
                caption = dialog->windowTitle();
                // Qt gives a word too long for any line the screen's width on a small screen,
                // its frame aside.
                box = dialog->geometry();
                auto *button = dialog->findChild<QPushButton *>();
                ok = QRect(button->mapToGlobal(QPoint(0, 0)), button->size());
                auto *messageBox = qobject_cast<QMessageBox *>(dialog);
                text = messageBox->text();
                plain = messageBox->textFormat() == Qt::PlainText;
                QGuiApplication::clipboard()->clear();
                QTest::keyClick(dialog, Qt::Key_C, Qt::ControlModifier);
                copied = QGuiApplication::clipboard()->text();
                QTest::keyClick(dialog, Qt::Key_Return);
            },
            [&] { Application::runHandler(nullptr, [&] { throw FileError(message); }); });
    QVERIFY(shown);
    QCOMPARE(caption, QStringLiteral("Tintora - version 1.0"));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY2(box.width() <= screen.width(), qPrintable(QString::number(box.width())));
    QVERIFY(screen.contains(ok));
    // What the box says, and so what is copied from it, is the message: too long a message
    // loses its middle to an ellipsis, and nothing else is put into it.
    QCOMPARE(text, Text::elideMiddle(message, Application::kMaxMessageLength) + u'.');
    QVERIFY(plain);
    QCOMPARE(copied, text);
}

void tst_QtDialogs::fileDialogFollowsTheRequest()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    FileRequest request;
    request.name = QStringLiteral("SaveDialog1");
    request.mode = FileRequest::Mode::Save;
    request.caption = QStringLiteral("Save a list");
    request.filters = {QStringLiteral("TRA Color Lists (*.clr)"), QStringLiteral("All (*)")};
    request.defaultSuffix = QStringLiteral("clr");
    request.folder = dir.path();

    QWidget parent;
    std::optional<FileChoice> choice;
    QString name, title, suffix, folder;
    QStringList filters;
    bool saving = false;
    const auto inspect = [&](QFileDialog *dialog) {
        name = dialog->objectName();
        title = dialog->windowTitle();
        filters = dialog->nameFilters();
        suffix = dialog->defaultSuffix();
        folder = dialog->directory().absolutePath();
        saving = dialog->acceptMode() == QFileDialog::AcceptSave;
    };

    // Escape cancels.
    QVERIFY(answerModal(
            [&](QWidget *dialog) {
                inspect(qobject_cast<QFileDialog *>(dialog));
                QTest::keyClick(dialog, Qt::Key_Escape);
            },
            [&] { choice = m_dialogs.chooseFile(&parent, request); }));
    QVERIFY(!choice);
    QCOMPARE(name, request.name);
    QCOMPARE(title, request.caption);
    QCOMPARE(filters, request.filters);
    QCOMPARE(suffix, request.defaultSuffix);
    QCOMPARE(folder, QDir(dir.path()).absolutePath());
    QVERIFY(saving);

    // A typed name and Enter choose the file, with the default suffix added. The completion
    // that the name opens closes with the dialog: left open, it would take the next key.
    {
        QFile older(dir.filePath(QStringLiteral("colors-old.clr")));
        QVERIFY(older.open(QIODevice::WriteOnly));
    }
    QVERIFY(answerModal(
            [&](QWidget *dialog) {
                auto *fileName = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
                QVERIFY(fileName);
                QTest::keyClicks(fileName, QStringLiteral("colors"));
                QTest::keyClick(fileName, Qt::Key_Return);
            },
            [&] { choice = m_dialogs.chooseFile(&parent, request); }));
    QVERIFY(choice);
    QCOMPARE(choice->path, QDir(dir.path()).absoluteFilePath(QStringLiteral("colors.clr")));
    QCOMPARE(choice->filter, 0);
    QCoreApplication::processEvents();
    QStringList shown;
    for (const QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            shown.append(QString::fromLatin1(window->metaObject()->className()));
    }
    QCOMPARE(shown, QStringList());
}

void tst_QtDialogs::colorChooserOpensOnTheColor()
{
    QWidget parent;
    std::optional<Color::ColorValue> chosen;
    const ColorRequest request {QStringLiteral("ColorDialog1"), Color::pack(0x12, 0x34, 0x56)};
    QColor shown;
    QVERIFY(answerModal(
            [&](QWidget *dialog) {
                shown = qobject_cast<QColorDialog *>(dialog)->currentColor();
                QTest::keyClick(dialog, Qt::Key_Escape);
            },
            [&] { chosen = m_dialogs.chooseColor(&parent, request); }));
    QVERIFY(!chosen);
    QCOMPARE(shown, QColor(0x12, 0x34, 0x56));

    QString name;
    QVERIFY(answerModal(
            [&](QWidget *dialog) {
                name = dialog->objectName();
                auto *buttons = dialog->findChild<QDialogButtonBox *>();
                QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
            },
            [&] { chosen = m_dialogs.chooseColor(&parent, request); }));
    QCOMPARE(name, QStringLiteral("ColorDialog1"));
    QCOMPARE(chosen, std::optional<Color::ColorValue>(request.initial));
}

void tst_QtDialogs::numberBoxAnswers_data()
{
    QTest::addColumn<QString>("typed"); // replaces the number shown; nothing typed keeps it
    QTest::addColumn<QString>("press");
    QTest::addColumn<int>("expected"); // -1 for cancelled
    QTest::newRow("Enter keeps the number shown") << ""
                                                  << "Enter" << 8;
    QTest::newRow("typed, then Enter") << "20"
                                       << "Enter" << 20;
    QTest::newRow("typed, then OK") << "64"
                                    << "OK" << 64;
    QTest::newRow("a number above 64 cannot be typed") << "65"
                                                       << "OK" << 6;
    QTest::newRow("Escape") << "20"
                            << "Escape" << -1;
    QTest::newRow("Cancel") << ""
                            << "Cancel" << -1;
}

void tst_QtDialogs::numberBoxAnswers()
{
    QFETCH(QString, typed);
    QFETCH(QString, press);
    QFETCH(int, expected);
    NumberRequest request;
    request.name = QStringLiteral("ImageColorsBox");
    request.caption = QStringLiteral("Import Palette");
    request.label = QStringLiteral("Number of colors to take from \"sunset.png\":");
    request.value = 8;
    request.minimum = 2;
    request.maximum = 64;
    QWidget parent;
    QString name, title, label;
    QStringList range;
    std::optional<int> chosen;
    QVERIFY(answerModal(
            [&](QWidget *dialog) {
                name = dialog->objectName();
                title = dialog->windowTitle();
                label = qobject_cast<QInputDialog *>(dialog)->labelText();
                auto *spin = dialog->findChild<QSpinBox *>();
                range << QString::number(spin->minimum()) << QString::number(spin->maximum())
                      << QString::number(spin->value());
                if (!typed.isEmpty()) {
                    spin->selectAll();
                    QTest::keyClicks(spin, typed);
                }
                if (press == u"Enter")
                    QTest::keyClick(spin, Qt::Key_Return);
                else if (press == u"Escape")
                    QTest::keyClick(spin, Qt::Key_Escape);
                else
                    for (QPushButton *button : dialog->findChildren<QPushButton *>())
                        if (button->text() == press)
                            QTest::mouseClick(button, Qt::LeftButton);
            },
            [&] { chosen = m_dialogs.chooseNumber(&parent, request); }));
    QCOMPARE(name, request.name);
    QCOMPARE(title, request.caption);
    QCOMPARE(label, request.label);
    QCOMPARE(range, QStringList({"2", "64", "8"}));
    QCOMPARE(chosen.value_or(-1), expected);
}

void tst_QtDialogs::showsAboutBox()
{
    TForm1 form(nullptr, 96);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QAction *about = form.findChild<QAction *>(QStringLiteral("About1"));
    QString name;
    bool modal = false, ownedByApplication = false, hasIcon = false;
    QString product, version, ok;
    bool addressAtStart = true, addressAfterNotice = false, addressAfterAddress = true;
    bool closedByOk = false;

    QVERIFY(answerModal(
            [&](QWidget *box) {
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
            },
            [&] { about->trigger(); }));
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
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY2(!AboutBox, "the closed box was not released");

    // Each time a fresh box: the address shown in the last one is hidden in the new one; Enter
    // presses OK.
    bool fresh = false;
    QVERIFY(answerModal(
            [&](QWidget *box) {
                fresh = box->objectName() == u"AboutBox"
                        && !box->findChild<QLabel *>(u"Label1"_qs)->isVisible();
                QTest::keyClick(box, Qt::Key_Return);
                closedByOk = !box->isVisible();
            },
            [&] { about->trigger(); }));
    QVERIFY(fresh);
    QVERIFY(closedByOk);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!AboutBox);
}

QTEST_MAIN(tst_QtDialogs)
#include "tst_qtdialogs.moc"
