// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's list files: "Load List", "Save List", and the questions that offer to save
// unsaved changes before another list is loaded and before the window closes.
#include "ui/tform1.h"

#include "app/combobox.h"
#include "app/dialogs.h"
#include "app/waitcursor.h"
#include "core/convert.h"
#include "core/memory.h"
#include "lists/colorlistmodel.h"
#include "lists/listfile.h"
#include "lists/listrules.h"

#include <QAction>
#include <QPushButton>

using namespace Tintora;
using ListRules::SaveQuestion;

namespace {

void savePair(const QString &path, const ColorListModel &model)
{
    const WaitCursor wait;
    // The blank row's value is written too, as the hex file's last line. Saving goes through
    // one buffer of a megabyte, so it leaves no freed memory worth handing back to the system.
    ListFile::save(path, model.list());
}

} // namespace

bool TForm1::saveWithDialog()
{
    const auto choice = Dialogs::instance().chooseFile(this, SaveDialog1());
    if (!choice)
        return false;
    savePair(choice->path, *m_list);
    emit listSaved();
    return true;
}

void TForm1::Save1Click()
{
    // Saving under a new name leaves the current file and its unsaved state as they are.
    saveWithDialog();
}

void TForm1::saveToCurrentFile()
{
    savePair(m_currentListFile, *m_list);
    setListModified(false);
    emit listSaved();
}

bool TForm1::offerToSave(SaveQuestion question, const QString &text)
{
    const Dialogs::Answer answer = Dialogs::instance().message(
            this, text, Dialogs::Type::Confirmation, Dialogs::Buttons::YesNoCancel);
    if (answer == Dialogs::Answer::Cancel)
        return false;
    if (answer != Dialogs::Answer::Yes)
        return true;
    // A failed save throws, which stops what asked as well.
    if (question == SaveQuestion::SaveChanges) {
        saveToCurrentFile();
        return true;
    }
    // Going on after a cancelled save dialog would lose the list the user just asked to keep.
    if (!saveWithDialog())
        return false;
    setListModified(false);
    return true;
}

bool TForm1::offerToSaveBeforeLoading()
{
    // Unsaved changes stay marked until they are saved or the list is replaced.
    const SaveQuestion question =
            ListRules::questionBeforeLoading({m_listModified, m_hasFile, m_listsEnabled});
    return question == SaveQuestion::None
            || offerToSave(question, ListRules::questionTextBeforeLoading(question));
}

void TForm1::Open1Click()
{
    if (!offerToSaveBeforeLoading())
        return;

    const auto choice = Dialogs::instance().chooseFile(this, OpenDialog1());
    if (!choice)
        return;
    loadList(choice->path);
}

void TForm1::loadList(const QString &path)
{
    const WaitCursor wait;
    // Both files are read in full before anything changes: a failed load changes nothing.
    ColorList loaded = ListFile::read(path);

    Save1->setEnabled(true);
    setListsEnabled(true);

    m_list->assign(std::move(loaded));
    Memory::releaseAfterList(m_list->list().count());
    ComboBox1->setCurrentIndex(-1);
    setListModified(false);
    m_hasFile = true;
    m_currentListFile = path;
    setWindowTitle(tr("TRA v 1.0  Current File: %1").arg(Convert::extractFileName(path)));
}

void TForm1::FormCloseQuery(bool &canClose)
{
    const SaveQuestion question =
            ListRules::questionBeforeClosing({m_listModified, m_hasFile, m_listsEnabled});
    canClose = question == SaveQuestion::None
            || offerToSave(question, ListRules::questionTextBeforeClosing(question));
}
