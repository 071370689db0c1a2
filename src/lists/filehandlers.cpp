// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's list files: "Load List", "Save List", and the questions that offer to save
// unsaved changes before another list is loaded and before the window closes.
#include "ui/tform1.h"

#include "app/controls.h"
#include "app/convert.h"
#include "app/dialogs.h"
#include "lists/colorlistmodel.h"
#include "lists/listfile.h"

#include <QAction>
#include <QPushButton>

#if defined(__GLIBC__)
#    include <malloc.h>
#endif

using namespace Tintora;

namespace {

bool confirm(QWidget *parent, const QString &question)
{
    return Dialogs::instance().message(parent, question, Dialogs::Type::Confirmation,
                                       Dialogs::Buttons::YesNo)
            == Dialogs::Answer::Yes;
}

QStringList hexColumn(const ColorListModel &model)
{
    QStringList hexes = model.list().hexes();
    hexes.append(model.list().blankHex); // the blank row is written too
    return hexes;
}

// After a load or a save of a long list, the files' text and a million short strings lie freed
// between memory still in use, where the allocator does not return them by itself: with a
// million entries the window would keep 45 MB after a load and 85 MB more after a save that it
// no longer uses. Hand those pages back; it takes about 2 ms.
void releaseFreedMemory()
{
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

} // namespace

// Returns whether the list was saved; a cancelled dialog saves nothing. Failures throw.
static bool saveWithDialog(TForm1 *form, ColorListModel *model)
{
    const auto path = Dialogs::instance().chooseFile(form->SaveDialog1());
    if (!path)
        return false;
    ListFile::save(*path, model->list().names(), hexColumn(*model));
    releaseFreedMemory();
    return true;
}

void TForm1::Save1Click()
{
    // Saving under a new name leaves the current file and its unsaved state as they are.
    saveWithDialog(this, m_list);
}

void TForm1::saveToCurrentFile()
{
    ListFile::save(m_currentListFile, m_list->list().names(), hexColumn(*m_list));
    releaseFreedMemory();
    m_listModified = false;
}

void TForm1::Open1Click()
{
    // Unsaved changes stay marked until they are saved or the list is replaced.
    if (m_listModified && !m_hasFile && listsEnabled()) {
        if (confirm(this, QStringLiteral("Save current color list to new file?"))
            && saveWithDialog(this, m_list))
            m_listModified = false;
    }
    if (m_listModified && m_hasFile) {
        if (confirm(this, QStringLiteral("Save changes to current file?")))
            saveToCurrentFile();
    }

    const auto path = Dialogs::instance().chooseFile(OpenDialog1());
    if (!path)
        return;

    // Both files are read in full before anything changes: a failed load changes nothing.
    ListFile::Contents contents = ListFile::load(*path);

    Save1->setEnabled(true);
    setListControlsEnabled(true);
    EnableLists1->setText(QStringLiteral("Disable &Lists"));

    m_list->assign(contents.names, contents.hexes);
    contents = {};
    releaseFreedMemory();
    ComboBox1->setCurrentIndex(-1);
    m_listModified = false;
    m_hasFile = true;
    m_currentListFile = *path;
    setWindowTitle(QStringLiteral("TRA v 1.0  Current File: ") + Convert::extractFileName(*path));
}

void TForm1::FormCloseQuery(bool &canClose)
{
    canClose = true;
    if (m_listModified && !m_hasFile && listsEnabled()) {
        if (confirm(this, QStringLiteral("Save current color list to file?"))) {
            // Closing on a cancelled save would lose the list the user just asked to keep.
            canClose = saveWithDialog(this, m_list);
            if (canClose)
                m_listModified = false;
        }
    } else if (m_listModified && m_hasFile) {
        if (confirm(this, QStringLiteral("Save changes to current file?")))
            saveToCurrentFile();
    }
}
