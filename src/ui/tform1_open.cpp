// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's files from the command line (tintora FILE...), opened as Load List and
// Import Palette open the files the user chooses, questions and error boxes included.
#include "ui/tform1.h"

#include "app/application.h"
#include "cli/openfiles.h"

using namespace Tintora;

void TForm1::openFiles(const QStringList &paths)
{
    for (const OpenFiles::File &file : OpenFiles::plan(paths)) {
        Application::runHandler(this, [this, &file] {
            if (!offerToSaveBeforeLoading())
                return;
            if (file.kind == OpenFiles::Kind::List)
                loadList(file.path);
            else
                importPalette(file.path, 0);
        });
    }
}
