// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/notationname.h"

namespace Tintora::NotationName {

namespace {

// The table lists the forms in the order of the enumeration, so a form's row is its index.
constexpr bool inOrder()
{
    for (size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].form != Notation::allForms[i])
            return false;
    }
    return true;
}
static_assert(inOrder(), "the rows follow Notation::allForms");

} // namespace

std::optional<Notation::Form> formNamed(QStringView name)
{
    for (const Row &row : rows) {
        if (name.compare(QLatin1String(row.name), Qt::CaseInsensitive) == 0)
            return row.form;
    }
    return std::nullopt;
}

QString nameOf(Notation::Form form)
{
    for (const Row &row : rows) {
        if (row.form == form)
            return QLatin1String(row.name);
    }
    Q_UNREACHABLE();
}

QStringList names()
{
    QStringList all;
    for (const Row &row : rows)
        all.append(QLatin1String(row.name));
    return all;
}

} // namespace Tintora::NotationName
