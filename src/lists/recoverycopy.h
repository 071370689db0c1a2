// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lists/colorlist.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <functional>

// The recovery copy of a list with unsaved changes: what a crash, a killed session or a power
// cut would otherwise take with it. Each running program keeps at most one, in the user's state
// folder, named after the process that wrote it (its id and its start time, so that a process
// that later gets the same id is not taken for it). A copy holds the entries (names and values
// exactly as the list holds them, whatever they are), the blank row's cells, the list file the
// list belongs to and when it was written.
//
// A copy is written to a partial file beside it, synced and renamed over the old one, so a
// reader finds the old copy or the new one, never half of one. Its last bytes give its own
// size: a copy cut short is told from a whole one by its size alone.
namespace Tintora::RecoveryCopy {

// A process that may own a copy: its id and the moment it started (clock ticks since the
// machine booted; 0 where the system does not tell).
struct Owner
{
    qint64 pid = 0;
    qint64 started = 0;
    bool operator==(const Owner &) const = default;
};

// What the start-up question names, read without the entries.
struct Summary
{
    qsizetype count = 0;
    QString listFile;  // empty when the list belongs to no file
    QDateTime written; // UTC
};

// A copy found in the folder.
struct Found
{
    QString path;
    Owner owner;
};

// $XDG_STATE_HOME/tintora when XDG_STATE_HOME is an absolute path, else
// ~/.local/state/tintora.
QString folder();

Owner thisProcess();
// Whether the process still runs (the same process: its id and its start time).
bool isAlive(const Owner &owner);

// The copy of a process in the folder.
QString pathFor(const QString &folder, const Owner &owner);

// The copies in the folder whose processes have ended, oldest first by name. Costs one stat
// when the folder is not there (nothing was ever left behind, or everything was cleared). The
// partial writes of ended processes are removed on the way; copies of running processes are
// neither returned nor touched.
QList<Found> leftBehind(const QString &folder);

// Writes the copy at path atomically, making the folder (private to the user) when it is not
// there. Throws FileError naming the copy and the reason; the old copy, if any, is left whole.
void write(const QString &path, const ColorList &list, const QString &listFile,
           const QDateTime &written);

// The start of a copy, checked against its size; throws FileError for a copy that cannot be
// read or is not whole.
Summary readSummary(const QString &path);
// The whole copy, with its blank row's cells; throws FileError as readSummary does, and for a
// copy whose contents do not hold together.
ColorList read(const QString &path, Summary *summary = nullptr);

// Removes the copy, and the folder with it when nothing else is left there, so that the next
// start finds no folder. Throws FileError when the copy stays.
void remove(const QString &path);

// Renames a copy that cannot be read out of the way (another name in the same folder, never
// read as a copy again); returns the new name. Throws FileError when it cannot be moved.
QString setAside(const QString &path);

// For tests: called at each step of write(), so that a test can stop the process at any
// moment of it. Block is reported after each block of bytes reaches the partial file.
enum class WriteStep { Opened, Block, Synced, Renamed };
using WriteStepHook = std::function<void(WriteStep)>;
void setWriteStepForTesting(WriteStepHook hook);

} // namespace Tintora::RecoveryCopy
