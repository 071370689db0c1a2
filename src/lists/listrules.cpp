// SPDX-License-Identifier: GPL-3.0-or-later
#include "lists/listrules.h"

#include "lists/colorlist.h"

#include <QCoreApplication>

namespace Tintora::ListRules {

std::optional<Deletion> planDeletion(const ColorList &list, qsizetype selected, const QString &text)
{
    if (text.isEmpty())
        return std::nullopt;
    qsizetype row = selected;
    // A typed name that is not the chosen item means the first entry of exactly that name.
    if (row < 0 || row >= list.count() || list.name(row) != text)
        row = list.firstRowWithName(text);
    if (row < 0)
        return std::nullopt;
    if (list.count() == 1)
        return Deletion {row, -1};
    return Deletion {row, row == 0 ? 0 : row - 1};
}

namespace {

SaveQuestion question(const ListState &state)
{
    if (!state.modified)
        return SaveQuestion::None;
    if (state.hasFile)
        return SaveQuestion::SaveChanges;
    return state.listsEnabled ? SaveQuestion::SaveToNewFile : SaveQuestion::None;
}

} // namespace

SaveQuestion questionBeforeLoading(const ListState &state)
{
    return question(state);
}

SaveQuestion questionBeforeClosing(const ListState &state)
{
    return question(state);
}

namespace {

// The two moments word only the question for a list without a file differently.
QString questionText(SaveQuestion question, const QString &withoutFile)
{
    switch (question) {
    case SaveQuestion::None:
        return {};
    case SaveQuestion::SaveToNewFile:
        return withoutFile;
    case SaveQuestion::SaveChanges:
        return QCoreApplication::translate("ListRules", "Save changes to current file?");
    }
    Q_UNREACHABLE();
}

} // namespace

QString questionTextBeforeLoading(SaveQuestion question)
{
    return questionText(
            question,
            QCoreApplication::translate("ListRules", "Save current color list to new file?"));
}

QString questionTextBeforeClosing(SaveQuestion question)
{
    return questionText(
            question, QCoreApplication::translate("ListRules", "Save current color list to file?"));
}

QString storableName(const QString &typed)
{
    QString name;
    name.reserve(typed.size());
    for (qsizetype i = 0; i < typed.size(); ++i) {
        const QChar c = typed.at(i);
        if (c == u'\r') {
            name += u' ';
            if (i + 1 < typed.size() && typed.at(i + 1) == u'\n')
                ++i;
        } else if (c == u'\n' || c.isNull()) {
            name += u' ';
        } else {
            name += c;
        }
    }
    return name;
}

} // namespace Tintora::ListRules
