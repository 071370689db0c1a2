// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <thread>

namespace Tintora {

class RecoverableList;

// Keeps a recovery copy of the main window's list while it has unsaved changes, and offers the
// copies that ended programs left behind once the window shows.
//
// A copy is written a moment after the changes stop (kDelay), from a snapshot of the list, on
// a thread of its own, so that the window never waits for the disk. It is removed when the list
// is saved, when a load replaces it with nothing unsaved, and when the program ends normally
// (this object goes). A write that fails is told once; the list itself is never touched.
class RecoveryKeeper : public QObject
{
    Q_OBJECT
public:
    static constexpr int kDelay = 2000; // ms after the last change

    // Copies live in folder (RecoveryCopy::folder() in the program).
    RecoveryKeeper(RecoverableList &list, QString folder, QObject *parent = nullptr);
    // Waits for a write under way and removes this program's copy.
    ~RecoveryKeeper() override;

    // One question for each copy left behind, oldest first, until one is restored: Restore puts
    // it into the window, Discard removes it, Later keeps it for the next start. A copy that
    // cannot be read is told about and moved aside. Costs one stat when there is none.
    void offerRecovery();

    // This program's copy (named after the process).
    QString copyPath() const;
    void setDelay(int milliseconds) { m_timer.setInterval(milliseconds); }
    // The window's events, as RecoverableList::watch hands them on: the unsaved-changes flag
    // changed; the list was written to its list file.
    void modifiedChanged(bool modified);
    void listSaved();

    // Whether a write is under way or waiting for the changes to stop.
    bool pending() const { return m_writing || m_timer.isActive(); }

signals:
    // This program's copy is on the disk, whole, as the list was when the write began.
    void copyWritten();
    // This program's copy is gone (or was never written).
    void copyRemoved();

private:
    void listChanged();
    void startWrite();
    void writeFinished(const QString &failure);
    void dropCopy();
    void joinWriter();
    void offerCopy(const QString &path, bool &restored);
    void tellBroken(const QString &path, const QString &reason);
    QString question(qsizetype count, const QString &listFile, const QDateTime &written) const;

    RecoverableList &m_list;
    QString m_folder;
    mutable QString m_copyPath;
    QTimer m_timer;
    std::thread m_writer;
    bool m_writing = false;
    bool m_writeAgain = false;     // the list changed while a write was under way
    bool m_dropAfterWrite = false; // the list was saved while a write was under way
    bool m_copyOnDisk = false;
    bool m_mayHaveCopy = false; // a write was begun, or a copy taken over
    bool m_toldWriteFailure = false;
};

} // namespace Tintora
