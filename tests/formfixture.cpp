// SPDX-License-Identifier: GPL-3.0-or-later
#include "formfixture.h"

#include "app/combobox.h"
#include "app/edit.h"
#include "app/scrollbar.h"
#include "color/color.h"

#include <QAction>
#include <QPushButton>
#include <QScrollBar>

using namespace Tintora;

void FormFixture::create(int pixelsPerInch, bool activate)
{
    dialogs.clear();
    form = std::make_unique<TForm1>(nullptr, pixelsPerInch);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    if (activate) {
        activateAsTheUser(form.get());
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
}

void FormFixture::destroy()
{
    if (form) {
        form->hide();
        form.reset();
    }
}

QAction *FormFixture::action(const char *name) const
{
    return child<QAction>(name);
}

void FormFixture::enableLists()
{
    if (!form->listsEnabled())
        action("EnableLists1")->trigger();
}

void FormFixture::setColor(const QString &hex)
{
    const Color::Components c = Color::parseHex(hex);
    for (auto [name, value] : {std::pair {"Rval", c.red}, {"Gval", c.green}, {"Bval", c.blue}}) {
        auto *field = child<Edit>(name);
        field->selectAll();
        QTest::keyClicks(field, QString::number(value));
    }
}

void FormFixture::addEntry(const QString &name, const QString &hex)
{
    enableLists();
    setColor(hex);
    auto *names = child<ComboBox>("ComboBox1");
    names->lineEdit()->selectAll();
    names->lineEdit()->del();
    names->lineEdit()->insert(name); // as pasted: line breaks and all
    click("AddToLstBtn");
}

void FormFixture::dragBar(const char *name, int position)
{
    static_cast<QScrollBar *>(child<ScrollBar>(name))->setValue(position);
}

void FormFixture::click(const char *name)
{
    QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton);
}
