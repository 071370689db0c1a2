// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's part in recovering a list: the one place its unsaved-changes flag changes,
// which the recovery keeper follows, and putting a recovered list back.
#include "ui/tform1.h"

#include "app/combobox.h"
#include "core/convert.h"
#include "core/memory.h"
#include "lists/colorlistmodel.h"

#include <QAction>

using namespace Tintora;

void TForm1::setListModified(bool modified)
{
    if (m_listModified == modified)
        return;
    m_listModified = modified;
    emit listModifiedChanged(modified);
}

void TForm1::restoreList(ColorList &&list, const QString &listFile)
{
    Save1->setEnabled(true);
    setListsEnabled(true);
    m_list->assign(std::move(list));
    Memory::releaseAfterList(m_list->list().count());
    ComboBox1->setCurrentIndex(-1);
    m_hasFile = !listFile.isEmpty();
    m_currentListFile = listFile;
    setWindowTitle(
            m_hasFile ? tr("TRA v 1.0  Current File: %1").arg(Convert::extractFileName(listFile))
                      : tr("TRA v 1.0"));
    // Nothing of it is saved yet: closing offers to save it, to its file if it has one.
    setListModified(true);
}
