// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/handler.h"

#include <QComboBox>

namespace Tintora {

class UniformTableView;

// Editable combo box: setting its text from code runs nothing; the click handler runs only for
// an item the user chose, after the text has become that item's. Its drop-down lists its items
// in a UniformTableView, which opens at once on a million, each with a swatch of the color its
// model gives under ColorListModel::kColorRole. The view is made when the drop-down first opens:
// until then view() is Qt's own list.
class ComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit ComboBox(QWidget *parent = nullptr);
    QString text() const { return currentText(); }
    void setText(const QString &text) { setEditText(text); }
    void showPopup() override;
    Handler onClick;

private:
    UniformTableView *popupView();
    UniformTableView *m_popup = nullptr;
};

} // namespace Tintora
