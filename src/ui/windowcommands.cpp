// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's commands: full list view, roll up, stay on top, hints, clipboard, help,
// About and closing. They change how the window looks, never the colors.
#include "ui/tform1.h"

#include "app/application.h"
#include "app/controls.h"
#include "app/helpservice.h"
#include "ui/taboutbox.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>

using namespace Tintora;

void TForm1::ViewLstBtnClick()
{
    if (outerSize().width() < scaled(320)) {
        setOuterSize(scaled(558), outerSize().height());
        ViewLstBtn->setText(QStringLiteral("Close Full List"));
    } else {
        setOuterSize(scaled(295), outerSize().height());
        ViewLstBtn->setText(QStringLiteral("View Full List"));
    }
}

void TForm1::RollUp1Click()
{
    if (outerSize().width() > scaled(320))
        ViewLstBtn->setText(QStringLiteral("View Full List"));
    if (outerSize().height() > scaled(350)) {
        setOuterSize(scaled(220), scaled(40));
        RollUp1->setText(QStringLiteral("&Roll Down"));
    } else {
        setOuterSize(scaled(295), scaled(383));
        RollUp1->setText(QStringLiteral("&Roll Up"));
    }
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
    DisableHints1->setText(wereShown ? QStringLiteral("Enable Hints")
                                     : QStringLiteral("Disable &Hints"));
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
    // A fresh box each time, belonging to the application rather than to this window; it
    // releases itself when it closes.
    m_aboutBox = new TAboutBox;
    m_aboutBox->exec();
}

void TForm1::Exit1Click()
{
    close();
}

void TForm1::CloseBtnClick()
{
    close();
}
