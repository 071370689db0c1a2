// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QPointer>

class QFrame;
class QLabel;
class QPushButton;

namespace Tintora {
class Label;
}

// The About box: the product's name and release, its maker's notice and contact line, and the
// maker's address, which a click on the notice shows and a click on the address hides again.
class TAboutBox : public QDialog
{
    Q_OBJECT
public:
    // pixelsPerInch overrides the screen's (tests); 0 reads it from the screen.
    explicit TAboutBox(QWidget *parent = nullptr, int pixelsPerInch = 0);

    void CopyrightClick();
    void Label1Click();
    void OKButtonClick();

private:
    QFrame *Panel1 = nullptr;
    QLabel *ProgramIcon = nullptr;
    QLabel *ProductName = nullptr;
    QLabel *Version = nullptr;
    Tintora::Label *Copyright = nullptr;
    QLabel *Comments = nullptr;
    Tintora::Label *Label1 = nullptr;
    QPushButton *OKButton = nullptr;
};

// The About box on show, if any: each "About" makes a fresh one and keeps it here.
extern QPointer<TAboutBox> AboutBox;
