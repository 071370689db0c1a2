// SPDX-License-Identifier: GPL-3.0-or-later
// A program for tst_recovery to start and kill: the main window with the recovery keeper as the
// program has them, a list built in it as a user would build one, and then, once the keeper
// says the copy is written, one of:
//   wait       wait to be killed;
//   exit       close the window, answering No to the question about saving, and end;
//   save:PATH  save the list as PATH with "Save List", then wait to be killed.
// Arguments: ENTRIES THEN [LISTFILE] (the list is first loaded from LISTFILE, written here).
// ENTRIES ending in "s" builds a list that a list file can hold (RecoverySamples::Names).
// It tells the test on its output: "written" when its copy is on the disk, "removed" when it
// is gone.
#include "formfixture.h"
#include "lists/listfile.h"
#include "lists/recoverycopy.h"
#include "recoveryediting.h"
#include "ui/recoverykeeper.h"

#include <QApplication>

#include <cstdio>

using namespace Tintora;

namespace {

void tell(const char *what)
{
    std::printf("%s\n", what);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: recoverychild ENTRIES wait|exit|save:PATH [LISTFILE]\n");
        return 2;
    }
    const bool storable = args.at(1).endsWith(u's');
    const qsizetype entries = (storable ? args.at(1).chopped(1) : args.at(1)).toLongLong();
    const QString then = args.at(2);

    FormFixture fixture;
    fixture.form = std::make_unique<TForm1>(nullptr, 96);
    fixture.form->show();
    RecoveryKeeper keeper(fixture.form->recoverableList(), RecoveryCopy::folder());
    // The list is built before the event loop runs, so its first copy is the whole of it
    // however soon it comes: not after the program's two seconds, which each test would wait.
    keeper.setDelay(50);

    if (args.size() > 3) {
        const QString listFile = args.at(3);
        ListFile::save(listFile, {QStringLiteral("On the disk")}, {QStringLiteral("#102030")});
        fixture.dialogs.files.enqueue(listFile);
        fixture.form->Open1Click();
    }

    bool done = false;
    QObject::connect(&keeper, &RecoveryKeeper::copyWritten, &app, [&] {
        tell("written");
        if (done)
            return;
        done = true;
        if (then == u"exit") {
            fixture.dialogs.answers.enqueue(Dialogs::Answer::No);
            fixture.form->close();
        } else if (then.startsWith(u"save:")) {
            fixture.dialogs.files.enqueue(then.mid(5));
            fixture.form->Save1Click();
        }
    });
    QObject::connect(&keeper, &RecoveryKeeper::copyRemoved, &app, [] { tell("removed"); });
    buildSampleList(fixture, entries,
                    storable ? RecoverySamples::Names::Storable : RecoverySamples::Names::All);

    const int exitCode = QApplication::exec();
    if (!fixture.dialogs.surprises().isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(fixture.dialogs.surprises()));
        return 3;
    }
    return exitCode;
}
