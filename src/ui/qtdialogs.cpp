// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qtdialogs.h"

#include "app/application.h"
#include "app/qtcolor.h"
#include "ui/taboutbox.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QColorDialog>
#include <QCompleter>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>

namespace Tintora {

QtDialogs::QtDialogs() = default;

QtDialogs::~QtDialogs()
{
    delete m_colorDialog;
    for (const QPointer<QFileDialog> &dialog : std::as_const(m_fileDialogs))
        delete dialog;
}

namespace {

// Copies a box's text on Ctrl+C, wherever in the box the key was pressed (a key its buttons do
// not take comes to the box itself).
class CopyOnCopyKey : public QObject
{
public:
    CopyOnCopyKey(QMessageBox &box, QString text) : QObject(&box), m_text(std::move(text))
    {
        box.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress
            && static_cast<QKeyEvent *>(event)->matches(QKeySequence::Copy)) {
            QGuiApplication::clipboard()->setText(m_text);
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QString m_text;
};

// The text as it is: a file name with "<b>" or "&amp;" in it is shown as typed, not as
// formatting. Ctrl+C copies it, as message boxes do elsewhere.
void setPlainText(QMessageBox &box, const QString &text)
{
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    new CopyOnCopyKey(box, text);
}

} // namespace

Dialogs::Answer QtDialogs::message(QWidget *parent, const QString &text, Type type, Buttons buttons)
{
    QMessageBox box(parent);
    box.setObjectName(QStringLiteral("MessageDialog"));
    setPlainText(box, text);
    if (type == Type::Warning) {
        box.setIcon(QMessageBox::Warning);
        box.setWindowTitle(QCoreApplication::translate("QtDialogs", "Warning"));
    } else {
        box.setIcon(QMessageBox::Question);
        box.setWindowTitle(QCoreApplication::translate("QtDialogs", "Confirm"));
    }
    if (buttons == Buttons::Ok) {
        QPushButton *ok = box.addButton(QCoreApplication::translate("QtDialogs", "OK"),
                                        QMessageBox::AcceptRole);
        box.setDefaultButton(ok);
        box.setEscapeButton(ok);
        box.exec();
        return Answer::Ok;
    }
    if (buttons == Buttons::RestoreDiscardLater) {
        QPushButton *restore = box.addButton(QCoreApplication::translate("QtDialogs", "&Restore"),
                                             QMessageBox::AcceptRole);
        restore->setObjectName(QStringLiteral("RestoreButton"));
        QPushButton *discard = box.addButton(QCoreApplication::translate("QtDialogs", "&Discard"),
                                             QMessageBox::DestructiveRole);
        discard->setObjectName(QStringLiteral("DiscardButton"));
        QPushButton *later = box.addButton(QCoreApplication::translate("QtDialogs", "&Later"),
                                           QMessageBox::RejectRole);
        later->setObjectName(QStringLiteral("LaterButton"));
        box.setDefaultButton(restore);
        box.setEscapeButton(later);
        box.exec();
        // Only a button pressed does anything; closing the box keeps the copy for next time.
        if (box.clickedButton() == restore)
            return Answer::Restore;
        if (box.clickedButton() == discard)
            return Answer::Discard;
        return Answer::Later;
    }
    QPushButton *yes =
            box.addButton(QCoreApplication::translate("QtDialogs", "&Yes"), QMessageBox::YesRole);
    yes->setObjectName(QStringLiteral("YesButton"));
    QPushButton *no =
            box.addButton(QCoreApplication::translate("QtDialogs", "&No"), QMessageBox::NoRole);
    no->setObjectName(QStringLiteral("NoButton"));
    box.setDefaultButton(yes);
    if (buttons == Buttons::YesNoCancel) {
        // Qt's own button, in the user's language with Qt's translations.
        QPushButton *cancel = box.addButton(QMessageBox::Cancel);
        cancel->setObjectName(QStringLiteral("CancelButton"));
        box.setEscapeButton(cancel);
        box.exec();
        if (box.clickedButton() == yes)
            return Answer::Yes;
        return box.clickedButton() == no ? Answer::No : Answer::Cancel;
    }
    box.setEscapeButton(no);
    box.exec();
    // Only Yes counts as consent; closing the box any other way is No.
    return box.clickedButton() == yes ? Answer::Yes : Answer::No;
}

void QtDialogs::error(QWidget *parent, const QString &text)
{
    QMessageBox box(parent);
    box.setObjectName(QStringLiteral("ErrorBox"));
    box.setIcon(QMessageBox::Critical);
    box.setWindowTitle(Application::title());
    // As it is, so that the text copied from the box is what it says (a path names the file):
    // the box wraps a word too long for it where it must.
    setPlainText(box, text);
    QPushButton *ok =
            box.addButton(QCoreApplication::translate("QtDialogs", "OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
}

std::optional<Color::ColorValue> QtDialogs::chooseColor(QWidget *parent,
                                                        const ColorRequest &request)
{
    if (!m_colorDialog || m_colorDialog->parentWidget() != parent) {
        delete m_colorDialog;
        m_colorDialog = new QColorDialog(parent);
        // Qt's chooser always shows its custom-color part; the samples take opaque colors only.
        m_colorDialog->setOption(QColorDialog::ShowAlphaChannel, false);
    }
    m_colorDialog->setObjectName(request.name);
    const Color::ColorValue c = request.initial;
    m_colorDialog->setCurrentColor(QColor(Color::red(c), Color::green(c), Color::blue(c)));
    if (m_colorDialog->exec() != QDialog::Accepted)
        return std::nullopt;
    const QColor chosen = m_colorDialog->selectedColor();
    return toColorValue(chosen);
}

std::optional<FileChoice> QtDialogs::chooseFile(QWidget *parent, const FileRequest &request)
{
    QPointer<QFileDialog> &dialog = m_fileDialogs[request.name];
    if (!dialog || dialog->parentWidget() != parent) {
        delete dialog;
        dialog = new QFileDialog(parent);
        dialog->setObjectName(request.name);
    }
    const bool save = request.mode == FileRequest::Mode::Save;
    dialog->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog->setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog->setWindowTitle(request.caption);
    dialog->setNameFilters(request.filters);
    dialog->setDefaultSuffix(request.defaultSuffix);
    if (!request.folder.isEmpty())
        dialog->setDirectory(request.folder);
    const int result = dialog->exec();
    // Enter chooses a typed name but leaves the name's completion open: it would stay on screen
    // and take the next key from the main window.
    for (QCompleter *completer : dialog->findChildren<QCompleter *>())
        completer->popup()->hide();
    if (result != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return std::nullopt;
    return FileChoice {
            dialog->selectedFiles().constFirst(),
            int(qMax(qsizetype(0), request.filters.indexOf(dialog->selectedNameFilter())))};
}

std::optional<int> QtDialogs::chooseNumber(QWidget *parent, const NumberRequest &request)
{
    QInputDialog box(parent);
    box.setObjectName(request.name);
    box.setWindowTitle(request.caption);
    box.setLabelText(request.label);
    box.setInputMode(QInputDialog::IntInput);
    box.setIntRange(request.minimum, request.maximum);
    box.setIntValue(request.value);
    box.setOkButtonText(QCoreApplication::translate("QtDialogs", "OK"));
    box.setCancelButtonText(QCoreApplication::translate("QtDialogs", "Cancel"));
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    return box.intValue();
}

void QtDialogs::about(QWidget *)
{
    // A fresh box each time, belonging to the application rather than to a window; it
    // releases itself when it closes.
    AboutBox = new TAboutBox;
    AboutBox->exec();
}

} // namespace Tintora
