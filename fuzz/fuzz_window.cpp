// SPDX-License-Identifier: GPL-3.0-or-later
// The main window, headless, driven by a user whose every action and every answer to a dialog
// comes from the input bytes; the window is checked after each action. One application for the
// process, a fresh window and a fresh folder of list files for each input.
#include "fuzztext.h"
#include "usersim.h"

#include "ui/tform1.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

namespace {
QTemporaryDir *g_dir = nullptr;
} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int qtArgc = 1;
    static char *qtArgv[] = {(*argv)[0], nullptr};
    Q_UNUSED(argc);
    new QApplication(qtArgc, qtArgv);
    // Saving syncs each file to disk; in memory that costs nothing, and the fuzzer runs faster.
    g_dir = QDir(QStringLiteral("/dev/shm")).exists()
            ? new QTemporaryDir(QStringLiteral("/dev/shm/tintora-fuzz-XXXXXX"))
            : new QTemporaryDir;
    FUZZ_CHECK(g_dir->isValid(), "no temporary folder");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    ByteChoices choices(data, size);
    UserSimulator user(choices, g_dir->path());
    user.startSession();
    // A bound on the actions keeps each input quick; a close ends the input too.
    for (int i = 0; i < 200 && !choices.exhausted() && user.sessionOpen(); ++i) {
        const QString what = user.act();
        const QString broken = user.check();
        FUZZ_CHECK(broken.isEmpty(), "action %d (%s): %s\nactions before:\n  %s", i + 1,
                   qPrintable(what), qPrintable(broken),
                   qPrintable(user.recentActions().join(QLatin1String("\n  "))));
    }
    return 0;
}
