// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs.h"

#include <QtGlobal>

namespace Tintora {

namespace {
Dialogs *g_dialogs = nullptr;
} // namespace

Dialogs &Dialogs::instance()
{
    if (!g_dialogs)
        qFatal("No dialogs are installed: install QtDialogs (or a test's) before showing one");
    return *g_dialogs;
}

Dialogs *Dialogs::install(Dialogs *dialogs)
{
    Dialogs *previous = g_dialogs;
    g_dialogs = dialogs;
    return previous;
}

} // namespace Tintora
