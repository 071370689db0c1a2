// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's colors: the current color, the three sample targets, and Update, the one
// routine that brings every view into line with the hex field.
#include "ui/tform1.h"

#include "app/combobox.h"
#include "app/dialogs.h"
#include "app/edit.h"
#include "app/label.h"
#include "app/qtcolor.h"
#include "app/radiobutton.h"
#include "app/scrollbar.h"
#include "app/shape.h"
#include "core/convert.h"
#include "lists/colorlistmodel.h"

#include <QColorDialog>
#include <QPushButton>
#include <QSignalBlocker>

using namespace Tintora;

namespace {

void setTextColor(QLabel *label, Color::ColorValue color)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, toQColor(color));
    label->setPalette(palette);
}

} // namespace

void TForm1::FormCreate()
{
    QFont sample1 = Label2->font();
    QFont sample2 = Label3->font();
    if (m_pixelsPerInch <= 100) {
        sample1.setPointSize(12);
        sample2.setPointSize(14);
        m_scale = 1.0;
    } else {
        sample1.setPointSize(10);
        sample2.setPointSize(12);
        m_scale = 1.25;
    }
    Label2->setFont(sample1);
    Label3->setFont(sample2);

    m_samples.set(SampleTarget::Background, Color::pack(255, 255, 255), Color::pack(0, 0, 0),
                  Color::pack(0, 0, 0));

    setListModified(false);
    m_hasFile = false;
    m_currentListFile.clear();

    // The current color is what the hex field shows, also before the first change: the color
    // chooser opens on it.
    const Color::Components shown = Color::parseHex(Edit1->text());
    m_currentColor = Color::pack(shown.red, shown.green, shown.blue);

    setWindowTitle(tr("TRA v 1.0"));
}

QString TForm1::buildHexStr(ColorValue color)
{
    return Color::buildHex(color);
}

int TForm1::hexToInt(const QString &digits)
{
    return Color::hexToInt(digits);
}

void TForm1::Update()
{
    const Color::Components c = Color::parseHex(Edit1->text());

    Rval->assign(Convert::intToStr(c.red));
    Gval->assign(Convert::intToStr(c.green));
    Bval->assign(Convert::intToStr(c.blue));

    m_currentColor = Color::pack(c.red, c.green, c.blue);

    // The active target's remembered color becomes the current color; the shared state takes
    // it once every view shows it.
    const SampleTarget active = m_samples.activeTarget();
    ColorValue background = m_samples.background();
    ColorValue sample1 = m_samples.sample1();
    ColorValue sample2 = m_samples.sample2();
    switch (active) {
    case SampleTarget::Background:
        Shape1->setBrushColor(toQColor(m_currentColor));
        background = m_currentColor;
        break;
    case SampleTarget::TextSample1:
        setTextColor(Label2, m_currentColor);
        sample1 = m_currentColor;
        break;
    case SampleTarget::TextSample2:
        setTextColor(Label3, m_currentColor);
        sample2 = m_currentColor;
        break;
    }

    RScrollBar1->setPosition(c.red);
    gScrollBar1->setPosition(c.green);
    bScrollBar1->setPosition(c.blue);

    if (m_listsEnabled)
        matchListEntry();

    m_announceTimer.start();
    m_samples.set(active, background, sample1, sample2);
}

void TForm1::matchListEntry()
{
    // Of all entries whose value equals the hex text (any letter case) the last one wins; with
    // no match the name box keeps its text.
    const qsizetype row = m_list->list().lastRowWithHex(Edit1->text());
    if (row < 0)
        return;
    ComboBox1->setCurrentIndex(int(row));
    // Choosing the item usually shows its name already; laying the same text out again would
    // double the cost of every scroll-bar step that lands on a listed color.
    const QString name = m_list->list().name(row);
    if (ComboBox1->text() != name)
        ComboBox1->setText(name);
}

void TForm1::decimalFieldChange(Edit *field)
{
    if (field->text().isEmpty())
        field->assign(QStringLiteral("0")); // runs a whole update of its own first

    const int blue = Convert::strToInt(Bval->text());
    const int green = Convert::strToInt(Gval->text());
    const int red = Convert::strToInt(Rval->text());
    m_currentColor = Color::pack(red, green, blue);
    Edit1->assign(buildHexStr(m_currentColor));
    ComboBox1->setText(QString());
    Update();
}

void TForm1::RvalChange()
{
    decimalFieldChange(Rval);
}

void TForm1::GvalChange()
{
    decimalFieldChange(Gval);
}

void TForm1::BvalChange()
{
    decimalFieldChange(Bval);
}

void TForm1::RScrollBar1Change()
{
    Rval->assign(Convert::intToStr(RScrollBar1->position()));
}

void TForm1::gScrollBar1Change()
{
    Gval->assign(Convert::intToStr(gScrollBar1->position()));
}

void TForm1::bScrollBar1Change()
{
    Bval->assign(Convert::intToStr(bScrollBar1->position()));
}

void TForm1::selectTarget(SampleTarget target)
{
    {
        // Only the target changes here; what follows from it is told once Update has run.
        const QSignalBlocker quiet(m_samples);
        m_samples.set(target, m_samples.background(), m_samples.sample1(), m_samples.sample2());
    }
    m_currentColor = getActiveSampleColor();
    Edit1->assign(buildHexStr(m_currentColor));
    Update();
}

void TForm1::RadioButton1Click()
{
    selectTarget(SampleTarget::Background);
}

void TForm1::RadioButton2Click()
{
    selectTarget(SampleTarget::TextSample1);
}

void TForm1::RadioButton3Click()
{
    selectTarget(SampleTarget::TextSample2);
}

void TForm1::Shape1MouseDown()
{
    RadioButton1->check();
    RadioButton1Click();
}

void TForm1::Label2Click()
{
    RadioButton2->check();
    RadioButton2Click();
}

void TForm1::Label3Click()
{
    RadioButton3->check();
    RadioButton3Click();
}

void TForm1::SetClrBtnClick()
{
    const ColorValue before = getActiveSampleColor();
    if (const auto chosen = Dialogs::instance().chooseColor(this, ColorDialog1())) {
        m_currentColor = *chosen;
        Edit1->assign(buildHexStr(m_currentColor));
        Update();
        settleColor(m_currentColor);
        if (before != toColorValue(Shape1->brushColor()))
            ComboBox1->setText(QString());
    }
    if (m_listsEnabled)
        ComboBox1->setFocus();
}

void TForm1::applyColor(SampleTarget target, ColorValue color)
{
    // The target is chosen through its radio button, as a click on the sample chooses it, so
    // the buttons and the remembered colors agree before the new color arrives.
    switch (target) {
    case SampleTarget::Background:
        RadioButton1->check();
        RadioButton1Click();
        break;
    case SampleTarget::TextSample1:
        RadioButton2->check();
        RadioButton2Click();
        break;
    case SampleTarget::TextSample2:
        RadioButton3->check();
        RadioButton3Click();
        break;
    }
    m_currentColor = color;
    Edit1->assign(buildHexStr(m_currentColor));
    ComboBox1->setText(QString()); // a named color shows its name again through Update
    Update();
}
