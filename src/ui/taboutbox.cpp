// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/taboutbox.h"

#include "app/application.h"
#include "app/desktop.h"
#include "app/handler.h"
#include "app/label.h"
#include "ui/lookandfeel.h"

#include <QCoreApplication>
#include <QFrame>
#include <QIcon>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>

#include <cmath>

using namespace Tintora;
using namespace Tintora::LookAndFeel;

namespace {

// The dialog is painted in the application-workspace gray of the main window, its panel in
// silver.
const QColor kSilver(192, 192, 192);

// The box's typefaces are not found on every machine: each falls back to the closest generic
// family, so the box keeps its proportions wherever it runs.
QFont aboutFont(const QStringList &families, QFont::StyleHint hint, int pixelSize, bool bold)
{
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(hint);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void setTextColor(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

// The OK button's green check mark.
QIcon checkMarkGlyph(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const double s = size / 16.0;
    QPen pen(QColor(0, 128, 0), 2.4 * s, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    const QPointF tick[] = {{2.5 * s, 8.5 * s}, {6.0 * s, 12.0 * s}, {13.5 * s, 3.5 * s}};
    painter.drawPolyline(tick, 3);
    return QIcon(pixmap);
}

} // namespace

QPointer<TAboutBox> AboutBox;

TAboutBox::TAboutBox(QWidget *parent, int pixelsPerInch) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(tr("About"));
    setAccessibleDescription(QCoreApplication::translate(
            "Tintora::Accessibility",
            "The program's name, release and maker; OK or Esc closes it"));
    // A dialog border with a title but no buttons on it: OK (or Esc) closes the box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);
    setAttribute(Qt::WA_DeleteOnClose); // a closed box is released at once

    setWindowIcon(Desktop::icon());

    // The box is laid out in pixels at 96 pixels per inch and grows with the screen's density,
    // its type included.
    const int ppi = pixelsPerInch > 0 ? pixelsPerInch : logicalDpiY();
    const double scale = ppi / 96.0;
    const auto px = [scale](int value) { return int(std::lround(value * scale)); };
    const auto place = [&px](QWidget *widget, int x, int y, int w, int h) {
        widget->setGeometry(px(x), px(y), px(w), px(h));
    };

    setAutoFillBackground(true);
    QPalette workspace = palette();
    workspace.setColor(QPalette::Window, LookAndFeel::workspaceColor);
    setPalette(workspace);
    setFixedSize(px(298), px(213));

    Panel1 = named(new QFrame(this), "Panel1");
    // A groove: the outer bevel lowered, the inner one raised.
    Panel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Panel1->setLineWidth(1);
    Panel1->setMidLineWidth(0);
    Panel1->setAutoFillBackground(true);
    QPalette silver = Panel1->palette();
    silver.setColor(QPalette::Window, kSilver);
    silver.setColor(QPalette::WindowText, Qt::black);
    Panel1->setPalette(silver);
    place(Panel1, 8, 8, 281, 161);

    // Liberation's faces stand in where the box's own are missing; they keep its texts inside
    // their places.
    const QStringList lydian {QStringLiteral("Lydian BT"), QStringLiteral("Lydian"),
                              QStringLiteral("Liberation Sans")};

    ProgramIcon = named(new QLabel(Panel1), "ProgramIcon");
    place(ProgramIcon, 16, 16, 32, 32);
    ProgramIcon->setScaledContents(true);
    ProgramIcon->setAccessibleName(
            QCoreApplication::translate("Tintora::Accessibility", "Tintora icon"));
    ProgramIcon->setPixmap(Desktop::icon().pixmap(ProgramIcon->size()));

    ProductName = named(new QLabel(QStringLiteral("Tintora"), Panel1), "ProductName");
    ProductName->setFont(aboutFont(lydian, QFont::SansSerif, px(19), true));
    place(ProductName, 88, 16, 185, 24);

    Version = named(new QLabel(tr("Release 1.0"), Panel1), "Version");
    Version->setFont(aboutFont(lydian, QFont::SansSerif, px(16), true));
    place(Version, 88, 42, 185, 20);

    Copyright =
            named(new Label(tr("Copyright \u00A9 1998 Brindle Pixel Works"), Panel1), "Copyright");
    Copyright->setFont(aboutFont(lydian, QFont::SansSerif, px(13), true));
    Copyright->setWordWrap(true);
    Copyright->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Copyright->setCursor(Qt::PointingHandCursor);
    // The handler comes first: a screen reader's view of a label, pressable or not, is made
    // when it is first asked for, as setting its description does.
    Copyright->onClick = [this] { CopyrightClick(); };
    Copyright->setAccessibleDescription(QCoreApplication::translate(
            "Tintora::Accessibility", "Click or press Alt+A to show the maker's postal address"));
    place(Copyright, 8, 76, 265, 32);

    Comments = named(new QLabel(tr("Questions and ideas are welcome at "
                                   "tintora@brindle.example"),
                                Panel1),
                     "Comments");
    Comments->setFont(aboutFont(lydian, QFont::SansSerif, px(16), true));
    Comments->setWordWrap(true);
    Comments->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    place(Comments, 8, 108, 265, 46);

    // The address lies over the notice and the contact line while it is shown.
    Label1 = named(new Label(QStringLiteral("Brindle Pixel Works\n14 Lantern Row\n"
                                            "Marrowfield MF3 9QX"),
                             Panel1),
                   "Label1");
    Label1->setFont(aboutFont({QStringLiteral("Raleigh Md BT"), QStringLiteral("Raleigh"),
                               QStringLiteral("Liberation Serif")},
                              QFont::Serif, px(16), false));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);
    Label1->setAutoFillBackground(true);
    Label1->setPalette(silver);
    Label1->setCursor(Qt::PointingHandCursor);
    Label1->onClick = [this] { Label1Click(); };
    Label1->setAccessibleDescription(QCoreApplication::translate(
            "Tintora::Accessibility",
            "The maker's postal address; click or press Alt+A to hide it"));
    place(Label1, 8, 70, 265, 84);
    Label1->hide();

    OKButton = named(new QPushButton(tr("OK"), this), "OKButton");
    OKButton->setIcon(checkMarkGlyph(px(16)));
    OKButton->setIconSize(QSize(px(16), px(16)));
    OKButton->setFont(
            aboutFont({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")},
                      QFont::SansSerif, px(11), true));
    OKButton->setDefault(true);
    place(OKButton, 111, 178, 75, 25);

    for (QLabel *label : {ProductName, Version, static_cast<QLabel *>(Copyright), Comments})
        setTextColor(label, Qt::black);

    // The labels take no focus, so the keyboard has a key of its own for the address.
    auto *showAddress = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_A), this);
    showAddress->setObjectName(QStringLiteral("ShowAddress1"));
    connect(showAddress, &QShortcut::activated, this, [this] {
        Application::runHandler(this, [this] {
            if (Label1->isVisible())
                Label1Click();
            else
                CopyrightClick();
        });
    });
    onClick(OKButton, [this] { OKButtonClick(); });

    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    OKButton->setFocus();
}

void TAboutBox::CopyrightClick()
{
    Label1->show();
}

void TAboutBox::Label1Click()
{
    Label1->hide();
}

void TAboutBox::OKButtonClick()
{
    if (AboutBox)
        AboutBox->accept(); // closing releases the box
}
