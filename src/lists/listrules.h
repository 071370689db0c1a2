// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace Tintora {
class ColorList;
}

// The rules the list commands follow, as plain functions: which entry a delete removes and which
// one shows afterwards, which question offers to save before a list is replaced or the window
// closes, and how a typed name is stored.
namespace Tintora::ListRules {

// What "Delete From List" does: remove row, then show the entry at shown (a row of the list as
// it is after the removal), or, with shown -1, the emptied list's "#FFFFFF".
struct Deletion
{
    qsizetype row = -1;
    qsizetype shown = -1;
    friend bool operator==(const Deletion &, const Deletion &) = default;
};

// The entry the name box shows is deleted: the chosen item when the box shows its name,
// otherwise the first entry of exactly the typed name. The entry before it shows afterwards, or
// the new first entry when the first was deleted. Nothing when the box is empty or names no
// entry.
std::optional<Deletion> planDeletion(const ColorList &list, qsizetype selected,
                                     const QString &text);

// The question that offers to save unsaved changes.
enum class SaveQuestion {
    None,
    SaveToNewFile, // the list has no file: "Save As" through the save dialog
    SaveChanges,   // the list came from a file: saved back to it
};

struct ListState
{
    bool modified = false;
    bool hasFile = false;
    bool listsEnabled = false;
};

// A list without a file is offered only while lists are enabled (with lists off the user has
// put it away); a list from a file whenever it has changes.
SaveQuestion questionBeforeLoading(const ListState &state);
SaveQuestion questionBeforeClosing(const ListState &state);

// The question's words: before loading, a list without a file is offered for a "new file";
// before closing, for a "file".
QString questionTextBeforeLoading(SaveQuestion question);
QString questionTextBeforeClosing(SaveQuestion question);

// A name as the name box shows it and as a list file can hold it: each line break (CR LF, CR
// or LF) pasted into the box becomes one space, and so does a NUL, which no list file holds.
QString storableName(const QString &typed);

} // namespace Tintora::ListRules
