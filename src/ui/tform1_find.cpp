// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's find bar: Edit > "Find in List" opens it, and as the user types it shows the
// next entry whose name contains the text or whose value matches it, as choosing the entry in
// the name box would. The search itself is the list's own (ColorList::findNext).
#include "ui/tform1.h"

#include "app/combobox.h"
#include "app/waitcursor.h"
#include "lists/colorlistmodel.h"
#include "lists/listfind.h"
#include "ui/findbar.h"

using namespace Tintora;

namespace {

// A search of text beyond ASCII compares names one by one; in a long list that can take more
// than a tenth of a second. Everything else takes a few milliseconds for a million entries.
constexpr qsizetype kSlowSearchEntries = 100'000;

} // namespace

void TForm1::Find1Click()
{
    if (!m_listsEnabled)
        return;
    if (!m_findBar) {
        m_findBar = new FindBar(this);
        m_findBar->onTextChange = [this] { FindTextChange(); };
        m_findBar->onFindNext = [this] { FindNextClick(); };
    }
    // The search starts at the entry the name box shows.
    m_findRow = ComboBox1->currentIndex();
    m_findBar->open();
}

void TForm1::FindTextChange()
{
    // The entry found so far stays while it still matches the longer text.
    findFrom(qMax<qsizetype>(0, m_findRow));
}

void TForm1::FindNextClick()
{
    findFrom(m_findRow + 1);
}

void TForm1::findFrom(qsizetype row)
{
    const ListFind::Query query = ListFind::parse(m_findBar->text());
    if (query.isEmpty()) {
        m_findBar->setFound(true);
        return;
    }
    const ColorList &list = m_list->list();
    qsizetype found = -1;
    {
        const WaitCursor wait(!query.ascii && list.count() >= kSlowSearchEntries);
        found = list.findNext(query, row);
    }
    m_findBar->setFound(found >= 0);
    if (found < 0)
        return;
    m_findRow = found;
    ComboBox1->setCurrentIndex(int(found));
    ComboBox1Click();
}
