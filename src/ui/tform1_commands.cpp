// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's commands: full list view, roll up, stay on top, hints, clipboard, help,
// About and closing, and the contrast checker. They change how the window looks, never the
// colors.
#include "ui/tform1.h"

#include "app/application.h"
#include "app/combobox.h"
#include "app/dialogs.h"
#include "app/edit.h"
#include "color/colorhistory.h"
#include "lists/colorlistmodel.h"
#include "lists/listrules.h"
#include "ui/coloradjuster.h"
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

ColorHistory &TForm1::history()
{
    if (!m_history)
        m_history = std::make_unique<ColorHistory>();
    return *m_history;
}

void TForm1::settleColor(ColorValue color)
{
    history().settle(color);
}

void TForm1::AdjustColor1Click()
{
    if (!m_colorAdjuster) {
        m_colorAdjuster = new ColorAdjuster(m_samples, commands(), history());
        // A row of variations joins the list as Add to List adds an entry, named after the
        // entry the color is (if it is one) or its hex.
        m_colorAdjuster->nameOf = [this](ColorValue color) {
            const QString hex = buildHexStr(color);
            const qsizetype row = m_list->list().lastRowWithHex(hex);
            return row >= 0 ? m_list->list().name(row) : hex;
        };
        m_colorAdjuster->onAddToList = [this](const std::vector<ColorAdjuster::Entry> &entries) {
            for (const ColorAdjuster::Entry &entry : entries)
                m_list->append(ListRules::storableName(entry.name), buildHexStr(entry.color));
            setListModified(true);
            Save1->setEnabled(true);
            matchListEntry();
        };
        m_colorAdjuster->setAddToListEnabled(m_listsEnabled);
    }
    m_colorAdjuster->open();
}
