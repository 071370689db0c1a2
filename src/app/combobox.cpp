// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/combobox.h"

#include "app/application.h"
#include "app/swatchdelegate.h"
#include "app/uniformtableview.h"
#include "lists/colorlistmodel.h"

#include <QHeaderView>
#include <QLineEdit>

namespace Tintora {

ComboBox::ComboBox(QWidget *parent) : QComboBox(parent), m_popup(new UniformTableView(this))
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert); // names enter the list only through "Add To List"
    setCompleter(nullptr);                // completion would change the name being typed
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon); // never scans items
    // A list view lays out every item the first time it shows; a million names took a tenth
    // of a second before the drop-down opened. The drop-down's rows are laid out by arithmetic.
    m_popup->setFirstColumnFillsWidth(true);
    m_popup->setShowGrid(false);
    m_popup->horizontalHeader()->hide();
    m_popup->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_popup->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_popup->setWordWrap(false);
    setView(m_popup);
    // Each name with a swatch of its entry's color, where its model gives one.
    m_popup->setItemDelegate(new SwatchDelegate(ColorListModel::kColorRole, 0, m_popup));
    // When the line edit loses focus, QComboBox looks the typed text up among the items and, if
    // it is there, selects it and reports it as activated: typing a name already in the list
    // and clicking "Add To List" would pick that entry (its color replacing the current one)
    // before the click. Typing is not choosing; only a pick from the list is.
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    connect(this, &QComboBox::activated, this, [this] {
        if (onClick)
            Application::runHandler(window(), onClick);
    });
}

void ComboBox::showPopup()
{
    // Every row as high as the item the drop-down opens at, measured as the view measures it.
    if (count() > 0)
        m_popup->verticalHeader()->setDefaultSectionSize(
                qMax(1, m_popup->measuredRowHeight(qMax(0, currentIndex()))));
    QComboBox::showPopup();
}

} // namespace Tintora
