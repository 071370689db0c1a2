// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's color list: switching lists on and off, adding, deleting and choosing
// entries. The table and the name box show one ColorListModel, so they cannot drift apart.
#include "ui/tform1.h"

#include "app/controls.h"
#include "app/dialogs.h"
#include "lists/colorlistmodel.h"

#include <QAction>
#include <QPushButton>

using namespace Tintora;

void TForm1::EnableLists1Click()
{
    if (listsEnabled()) {
        if (ViewLstBtn->text() == QLatin1String("Close Full List"))
            ViewLstBtnClick();
        Save1->setEnabled(false);
        setListControlsEnabled(false);
        EnableLists1->setText(QStringLiteral("Enable &Lists"));
    } else {
        setListControlsEnabled(true);
        EnableLists1->setText(QStringLiteral("Disable &Lists"));
    }
}

void TForm1::AddToLstBtnClick()
{
    if (ComboBox1->text().isEmpty()) {
        Dialogs::instance().message(
                this,
                QStringLiteral("Please enter a custom name before adding this color to the list."),
                Dialogs::Type::Warning, Dialogs::Buttons::Ok);
        ComboBox1->setFocus();
        return;
    }
    const QString name = ComboBox1->text();
    m_list->append(name, Edit1->text());
    // The new item is the shown entry; keep the typed name in the box.
    ComboBox1->setCurrentIndex(int(m_list->list().count() - 1));
    ComboBox1->setText(name);
    m_listModified = true;
    Save1->setEnabled(true);
}

void TForm1::DelFrLstBtnClick()
{
    const ColorList &list = m_list->list();
    qsizetype sel = ComboBox1->currentIndex();
    const QString text = ComboBox1->text();
    // A typed name that is not the chosen item means the first entry of exactly that name.
    if (!text.isEmpty() && (sel < 0 || sel >= list.count() || list.name(sel) != text))
        sel = list.firstRowWithName(text);
    if (text.isEmpty() || sel < 0) {
        Dialogs::instance().message(
                this,
                QStringLiteral(
                        "There is no currently displayed custom color to delete from the list."),
                Dialogs::Type::Warning, Dialogs::Buttons::Ok);
        return;
    }

    const qsizetype keep = sel == 0 ? 1 : sel;
    m_list->remove(sel);
    m_listModified = true;
    if (list.count() == 0) {
        ComboBox1->setCurrentIndex(-1);
        Edit1->assign(QStringLiteral("#FFFFFF"));
        Update();
        return;
    }
    // Show the entry before the deleted one, or the new first entry.
    ComboBox1->setCurrentIndex(int(keep - 1));
    Edit1->assign(list.hex(keep - 1));
    Update();
    ComboBox1->setText(list.name(keep - 1));
}

void TForm1::ComboBox1Click()
{
    const int row = ComboBox1->currentIndex();
    if (row < 0 || row >= m_list->list().count())
        return;
    Edit1->assign(m_list->list().hex(row));
    Update();
}

void TForm1::StringGrid1DblClick()
{
    Edit1->assign(m_list->cell(1, StringGrid1->currentRow()));
    Update();
}
