// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/combobox.h"

#include "app/application.h"
#include "app/swatchdelegate.h"
#include "app/uniformtableview.h"
#include "lists/colorlistmodel.h"

#include <QHeaderView>
#include <QLineEdit>

namespace Tintora {

ComboBox::ComboBox(QWidget *parent) : QComboBox(parent)
{
    // Its window gives it its place and size. Marked as sized already, it is not first fitted
    // to its contents when it becomes editable, a tenth of a millisecond of the start.
    resize(size());
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert); // names enter the list only through "Add To List"
    setCompleter(nullptr);                // completion would change the name being typed
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon); // never scans items
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

UniformTableView *ComboBox::popupView()
{
    // Made when the drop-down first opens: a view and its two headers, each connected to the
    // model, were a tenth of what the main window took to build, for a list most sessions
    // never open.
    if (m_popup)
        return m_popup;
    m_popup = new UniformTableView(this);
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
    return m_popup;
}

void ComboBox::showPopup()
{
    // Every row as high as the item the drop-down opens at, measured as the view measures it.
    UniformTableView *popup = popupView();
    if (count() > 0)
        popup->verticalHeader()->setDefaultSectionSize(
                qMax(1, popup->measuredRowHeight(qMax(0, currentIndex()))));
    QComboBox::showPopup();
}

} // namespace Tintora
