// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's commands: full list view, roll up, stay on top, hints, clipboard, help,
// About and closing, and the contrast checker. They change how the window looks, never the
// colors.
#include "ui/tform1.h"

#include "app/application.h"
#include "app/combobox.h"
#include "app/dialogs.h"
#include "app/edit.h"
#include "lists/colorlistmodel.h"
#include "ui/contrastchecker.h"
#include "ui/helpwindow.h"
#include "ui/stringgrid.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>

using namespace Tintora;

// The full list view is open exactly when the window is wide enough to show the table (at
// least 320 pixels scaled); the flag and the button's caption are set with that width.
void TForm1::ViewLstBtnClick()
{
    if (!m_fullListOpen) {
        setOuterSize(scaled(558), outerSize().height());
        setFullListOpen(true);
    } else {
        setOuterSize(scaled(295), outerSize().height());
        setFullListOpen(false);
    }
}

void TForm1::ViewFullList1Click()
{
    ViewLstBtnClick();
    if (!m_fullListOpen)
        return;
    const int shown = ComboBox1->currentIndex();
    StringGrid1->setCurrentIndex(m_list->index(shown >= 0 ? shown : 0, 0));
    StringGrid1->setFocus();
}

void TForm1::RollUp1Click()
{
    // Either way the window ends narrower than the table: the full list view closes.
    if (outerSize().height() > scaled(350)) {
        setOuterSize(scaled(220), scaled(40));
        RollUp1->setText(tr(kRollDownCaption));
    } else {
        setOuterSize(scaled(295), scaled(383));
        RollUp1->setText(tr(kRollUpCaption));
    }
    setFullListOpen(false);
}

void TForm1::StayonTop1Click()
{
    const bool visible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, !StayonTop1->isChecked());
    if (visible)
        show(); // changing the flags hides the window
    StayonTop1->setChecked(!StayonTop1->isChecked());
}

void TForm1::DisableHints1Click()
{
    const bool wereShown = m_showHints;
    m_showHints = !m_showHints;
    DisableHints1->setText(tr(wereShown ? kEnableHintsCaption : kDisableHintsCaption));
}

void TForm1::Copy1Click()
{
    Edit1->selectAll();
    QGuiApplication::clipboard()->setText(Edit1->selectedText());
}

void TForm1::Contents1Click()
{
    Help::showContext(Application::helpFile(), 0);
}

void TForm1::About1Click()
{
    Dialogs::instance().about(this);
}

void TForm1::Exit1Click()
{
    close();
}

void TForm1::CloseBtnClick()
{
    close();
}

void TForm1::ContrastChecker1Click()
{
    if (!m_contrastChecker)
        m_contrastChecker = new ContrastChecker(m_samples, commands());
    m_contrastChecker->open();
}
