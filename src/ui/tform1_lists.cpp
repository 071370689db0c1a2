// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's color list: switching lists on and off, adding, deleting and choosing
// entries. The table and the name box show one ColorListModel, so they cannot drift apart.
#include "ui/tform1.h"

#include "app/combobox.h"
#include "app/dialogs.h"
#include "app/edit.h"
#include "lists/colorlistmodel.h"
#include "lists/listrules.h"
#include "ui/stringgrid.h"

#include <QAction>
#include <QPushButton>

using namespace Tintora;

void TForm1::EnableLists1Click()
{
    if (m_listsEnabled) {
        if (m_fullListOpen)
            ViewLstBtnClick();
        Save1->setEnabled(false);
        setListsEnabled(false);
    } else {
        setListsEnabled(true);
    }
}

void TForm1::AddToLstBtnClick()
{
    if (ComboBox1->text().isEmpty()) {
        Dialogs::instance().message(
                this, tr("Please enter a custom name before adding this color to the list."),
                Dialogs::Type::Warning, Dialogs::Buttons::Ok);
        ComboBox1->setFocus();
        return;
    }
    const QString name = ListRules::storableName(ComboBox1->text());
    m_list->append(name, Edit1->text());
    // The new item is the shown entry; the box keeps the name as it was stored.
    ComboBox1->setCurrentIndex(int(m_list->list().count() - 1));
    ComboBox1->setText(name);
    setListModified(true);
    Save1->setEnabled(true);
}

void TForm1::DelFrLstBtnClick()
{
    const ColorList &list = m_list->list();
    const std::optional<ListRules::Deletion> deletion =
            ListRules::planDeletion(list, ComboBox1->currentIndex(), ComboBox1->text());
    if (!deletion) {
        Dialogs::instance().message(
                this, tr("There is no currently displayed custom color to delete from the list."),
                Dialogs::Type::Warning, Dialogs::Buttons::Ok);
        return;
    }

    m_list->remove(deletion->row);
    setListModified(true);
    if (deletion->shown < 0) {
        ComboBox1->setCurrentIndex(-1);
        Edit1->assign(QStringLiteral("#FFFFFF"));
        Update();
        return;
    }
    const qsizetype shown = deletion->shown;
    ComboBox1->setCurrentIndex(int(shown));
    Edit1->assign(list.hex(shown));
    Update();
    ComboBox1->setText(list.name(shown));
}

void TForm1::ComboBox1Click()
{
    const int row = ComboBox1->currentIndex();
    if (row < 0 || row >= m_list->list().count())
        return;
    Edit1->assign(m_list->list().hex(row));
    Update();
    settleColor(m_currentColor);
}

void TForm1::StringGrid1DblClick()
{
    Edit1->assign(m_list->cell(1, StringGrid1->currentRow()));
    Update();
    settleColor(m_currentColor);
}

void TForm1::listEditedInPlace()
{
    // An edit in the table changes the list as an add does.
    setListModified(true);
    Save1->setEnabled(true);
}
