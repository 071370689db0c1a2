// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/openfiles.h"

#include "lists/listfile.h"

#include <QFileInfo>

#include <algorithm>

namespace Tintora::OpenFiles {

namespace {

bool endsWith(const QString &path, const char *suffix)
{
    return path.endsWith(QLatin1String(suffix), Qt::CaseInsensitive)
            && QFileInfo(path).fileName().size() > qsizetype(qstrlen(suffix));
}

// The name file whose hex file this is: LIST.clr beside LIST.hex (or LIST.CLR beside LIST.HEX),
// else the LIST that LIST.hex follows; the .clr one when neither is there, so that the error
// names the file Load List would have looked for.
QString nameFileOf(const QString &hexPath)
{
    QString base = hexPath.chopped(4);
    const bool upper = hexPath.endsWith(QLatin1String(".HEX"));
    QString withClr = base + (upper ? QLatin1String(".CLR") : QLatin1String(".clr"));
    if (QFileInfo::exists(withClr))
        return withClr;
    if (QFileInfo::exists(base) && ListFile::hexPathFor(base) == hexPath)
        return base;
    return withClr;
}

} // namespace

std::vector<File> plan(const QStringList &paths)
{
    std::vector<File> files;
    for (const QString &path : paths) {
        File file {path, Kind::Palette};
        if (endsWith(path, ".hex") && !QFileInfo(path).isDir()) {
            file = {nameFileOf(path), Kind::List};
        } else if (endsWith(path, ".clr")) {
            file.kind = Kind::List;
        }
        const bool named = std::any_of(files.begin(), files.end(), [&](const File &earlier) {
            return earlier.kind == Kind::List && file.kind == Kind::List
                    && QFileInfo(earlier.path) == QFileInfo(file.path);
        });
        if (!named)
            files.push_back(file);
    }
    return files;
}

} // namespace Tintora::OpenFiles
