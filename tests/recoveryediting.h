// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formfixture.h"
#include "lists/colorlistmodel.h"
#include "recoverysamples.h"

// Builds RecoverySamples::list(count) in the window as a user would: lists enabled and a first
// color added with "Add To List" (the list now has unsaved changes), the rest arriving at once
// (as a large paste or import does), and the first entry's value then typed into the table.
inline void buildSampleList(FormFixture &fixture, qsizetype count,
                            RecoverySamples::Names names = RecoverySamples::Names::All)
{
    fixture.addEntry(QStringLiteral("Sky"), QStringLiteral("#87CEEB"));
    const Tintora::ColorList wanted = RecoverySamples::list(count, names);
    QStringList hexes = wanted.hexes();
    if (!hexes.isEmpty())
        hexes.first() = QStringLiteral("#000000");
    Tintora::ColorListModel *model = fixture.form->colorList();
    model->assign(wanted.names(), hexes);
    if (count > 0)
        model->setData(model->index(0, 1), wanted.hex(0), Qt::EditRole);
}
