// SPDX-License-Identifier: GPL-3.0-or-later
#include "lists/colorlistmodel.h"

#include "core/text.h"
#include "lists/listrules.h"

namespace Tintora {

int ColorNamesModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_list->count());
}

QVariant ColorNamesModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_list->count())
        return {};
    if (role == Qt::DisplayRole)
        return m_list->shownName(index.row(), ColorListModel::kShownLength);
    if (role == ColorListModel::kColorRole) {
        const std::optional<Color::ColorValue> color = m_list->color(index.row());
        return color ? QVariant(uint(*color)) : QVariant();
    }
    if (role == Qt::EditRole)
        return m_list->name(index.row());
    return {};
}

ColorListModel::ColorListModel(QObject *parent) : QAbstractTableModel(parent)
{
    m_names.m_list = &m_list;
}

int ColorListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_list.count() + 1);
}

int ColorListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 2;
}

QString ColorListModel::cell(int column, qsizetype row) const
{
    if (row == m_list.count())
        return column == 0 ? m_list.blankName : m_list.blankHex;
    return column == 0 ? m_list.name(row) : m_list.hex(row);
}

QVariant ColorListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::EditRole)
        return cell(index.column(), index.row());
    const qsizetype row = index.row();
    if (role == kColorRole) {
        if (index.column() != 1 || row >= m_list.count())
            return {};
        const std::optional<Color::ColorValue> color = m_list.color(row);
        return color ? QVariant(uint(*color)) : QVariant();
    }
    if (role != Qt::DisplayRole)
        return {};
    if (index.column() == 0 && row < m_list.count())
        return m_list.shownName(row, kShownLength);
    return Text::elideEnd(cell(index.column(), row), kShownLength);
}

Qt::ItemFlags ColorListModel::flags(const QModelIndex &index) const
{
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    // Text typed into the blank row would belong to no entry.
    if (!index.isValid() || index.row() >= m_list.count())
        return flags;
    return flags | Qt::ItemIsEditable;
}

bool ColorListModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || index.row() >= m_list.count()
        || index.column() > 1)
        return false;
    // Stored as the editor showed it, so that the list can be saved.
    const QString text = ListRules::storableName(value.toString());
    if (text == cell(index.column(), index.row()))
        return true;
    setCell(index.column(), index.row(), text);
    emit editedInPlace();
    return true;
}

void ColorListModel::setCell(int column, qsizetype row, const QString &text)
{
    if (row == m_list.count()) {
        (column == 0 ? m_list.blankName : m_list.blankHex) = text;
    } else if (column == 0) {
        m_list.setName(row, text);
        const QModelIndex item = m_names.index(int(row));
        emit m_names.dataChanged(item, item);
    } else {
        m_list.setHex(row, text);
    }
    const QModelIndex changed = index(int(row), column);
    emit dataChanged(changed, changed);
}

void ColorListModel::append(const QString &name, const QString &hex)
{
    // The new entry goes in before the blank row, which stays last and blank.
    const int row = int(m_list.count());
    const bool blankHadText = !m_list.blankName.isEmpty() || !m_list.blankHex.isEmpty();
    beginInsertRows({}, row, row);
    m_names.beginInsertRows({}, row, row);
    m_list.append(name, hex);
    m_list.blankName.clear();
    m_list.blankHex.clear();
    m_names.endInsertRows();
    endInsertRows();
    if (blankHadText)
        emit dataChanged(index(row + 1, 0), index(row + 1, 1));
}

void ColorListModel::remove(qsizetype row)
{
    beginRemoveRows({}, int(row), int(row));
    m_names.beginRemoveRows({}, int(row), int(row));
    m_list.remove(row);
    m_names.endRemoveRows();
    endRemoveRows();
}

void ColorListModel::assign(ColorList &&list)
{
    beginResetModel();
    m_names.beginResetModel();
    m_list = std::move(list);
    m_list.blankName.clear();
    list = ColorList();
    m_names.endResetModel();
    endResetModel();
}

void ColorListModel::assign(const QStringList &names, const QStringList &hexes)
{
    beginResetModel();
    m_names.beginResetModel();
    m_list.assign(names, hexes);
    m_list.blankName.clear();
    m_list.blankHex = hexes.value(names.size());
    m_names.endResetModel();
    endResetModel();
}

} // namespace Tintora
