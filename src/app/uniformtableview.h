// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QScrollBar>
#include <QTableView>

namespace Tintora {

// A table view whose rows all have one height, the vertical header's default section size. It
// keeps nothing for each row: QTableView's vertical header keeps a section for every row and
// walks them all on each insert and removal, which a million rows turn into milliseconds. Here
// a row is found by arithmetic, so a million rows cost what ten do to add, remove, lay out,
// scroll and paint. The vertical scroll bar steps a row at a time. Columns are the horizontal
// header's, as in any table view; rows are neither hidden, resized nor moved.
class UniformTableView : public QTableView
{
    Q_OBJECT
public:
    explicit UniformTableView(QWidget *parent = nullptr);
    void setModel(QAbstractItemModel *model) override;
    QRect visualRect(const QModelIndex &index) const override;
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;
    QModelIndex indexAt(const QPoint &point) const override;
    int uniformRowHeight() const;
    // The height the delegate asks for the row's cells.
    int measuredRowHeight(int row) const { return sizeHintForRow(row); }
    // The first column takes the whole width (a list of one column, as in a drop-down).
    void setFirstColumnFillsWidth(bool fills);

protected:
    void paintEvent(QPaintEvent *event) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    int verticalOffset() const override;
    void setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection &selection) const override;
    void updateGeometries() override;
    void scrollContentsBy(int dx, int dy) override;
    void rowsInserted(const QModelIndex &parent, int start, int end) override;
    QSize viewportSizeHint() const override;

private:
    int rows() const;
    int firstRow() const { return verticalScrollBar()->value(); }
    int fullyVisibleRows() const;
    void rowsChanged();

    bool m_firstColumnFillsWidth = false;
};

} // namespace Tintora
