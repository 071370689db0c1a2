// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lists/colorlist.h"

#include <QAbstractListModel>
#include <QAbstractTableModel>

namespace Tintora {

// The names of a color list, one item per entry: the name box's items. The drop-down shows a
// long name cut short (DisplayRole); the box itself takes the whole name (EditRole). Each item
// gives its entry's color under ColorListModel::kColorRole.
class ColorNamesModel : public QAbstractListModel
{
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;
    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    friend class ColorListModel;
    const ColorList *m_list = nullptr;
};

// The color list as the two-column table the user sees and edits: name and hex color text, one
// row per entry and a blank row at the end. All changes to the list go through here, so that the
// table and the name box's items always show the same entries. The entries' cells can be edited
// in place; the blank row only receives the next entry through "Add To List". A view shows a
// long cell cut short (DisplayRole); an editor gets the whole text (EditRole).
class ColorListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    // An entry's color, for the views' swatches: its Color::ColorValue (as uint) in the value
    // column when the value is "#RRGGBB", nothing for any other value and for the blank row.
    static constexpr int kColorRole = Qt::UserRole;

    explicit ColorListModel(QObject *parent = nullptr);

    const ColorList &list() const { return m_list; }
    ColorNamesModel *namesModel() { return &m_names; }

    // Rows of the table: the entries and the blank row.
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // A cell by column (0 name, 1 hex) and row; the blank row included.
    QString cell(int column, qsizetype row) const;
    void setCell(int column, qsizetype row, const QString &text);

    void append(const QString &name, const QString &hex);
    void remove(qsizetype row);
    void assign(const QStringList &names, const QStringList &hexes);
    // Makes the list the model's (a loaded one, with its blank row's value); the old entries
    // are freed before this returns.
    void assign(ColorList &&list);

    // How many characters of a cell the views are given to show: far more than a column
    // holds, and few enough that laying them out takes no time, however long the name.
    static constexpr qsizetype kShownLength = 256;

signals:
    // The user changed an entry's name or value in the table (not the list's own commands).
    void editedInPlace();

private:
    ColorList m_list;
    ColorNamesModel m_names;
};

} // namespace Tintora
