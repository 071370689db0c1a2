// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/recoverykeeper.h"

#include "app/application.h"
#include "app/dialogs.h"
#include "core/convert.h"
#include "core/error.h"
#include "lists/colorlistmodel.h"
#include "lists/recoverycopy.h"
#include "ui/recoverablelist.h"

#include <QDir>
#include <QFile>
#include <QLocale>

#include <cstdio>
#include <memory>

namespace Tintora {

RecoveryKeeper::RecoveryKeeper(RecoverableList &list, QString folder, QObject *parent)
    : QObject(parent), m_list(list), m_folder(std::move(folder))
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(kDelay);
    connect(&m_timer, &QTimer::timeout, this,
            [this] { Application::runHandler(m_list.window(), [this] { startWrite(); }); });

    ColorListModel *model = list.colorList();
    connect(model, &QAbstractItemModel::dataChanged, this, &RecoveryKeeper::listChanged);
    connect(model, &QAbstractItemModel::rowsInserted, this, &RecoveryKeeper::listChanged);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &RecoveryKeeper::listChanged);
    connect(model, &QAbstractItemModel::modelReset, this, &RecoveryKeeper::listChanged);
    list.watch(*this);
}

void RecoveryKeeper::listSaved()
{
    m_timer.stop();
    dropCopy();
}

RecoveryKeeper::~RecoveryKeeper()
{
    m_timer.stop();
    joinWriter();
    // The program ends normally: whatever the user chose at the close question stands.
    if (!m_mayHaveCopy)
        return;
    try {
        RecoveryCopy::remove(copyPath());
    } catch (const Error &error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.message()));
    }
}

QString RecoveryKeeper::copyPath() const
{
    // Found when first needed: a start with nothing to keep reads nothing about the process.
    if (m_copyPath.isEmpty())
        m_copyPath = RecoveryCopy::pathFor(m_folder, RecoveryCopy::thisProcess());
    return m_copyPath;
}

void RecoveryKeeper::listChanged()
{
    if (!m_list.listModified())
        return;
    m_dropAfterWrite = false;
    m_timer.start();
}

void RecoveryKeeper::modifiedChanged(bool modified)
{
    if (modified) {
        listChanged();
        return;
    }
    m_timer.stop();
    dropCopy();
}

void RecoveryKeeper::startWrite()
{
    if (!m_list.listModified())
        return;
    if (m_writing) {
        m_writeAgain = true;
        return;
    }
    m_writeAgain = false;
    m_dropAfterWrite = false;
    m_writing = true;
    m_mayHaveCopy = true;
    joinWriter();
    // The snapshot is the one thing the window waits for; the thread writes it and frees it.
    auto snapshot = std::make_unique<ColorList>(m_list.colorList()->list());
    const QString listFile = m_list.listFile();
    const QDateTime written = QDateTime::currentDateTimeUtc();
    m_writer = std::thread(
            [this, path = copyPath(), listFile, written, snapshot = std::move(snapshot)]() mutable {
                QString failure;
                try {
                    RecoveryCopy::write(path, *snapshot, listFile, written);
                } catch (const Error &error) {
                    failure = error.message();
                } catch (const std::exception &error) {
                    failure = QString::fromLocal8Bit(error.what());
                }
                snapshot.reset();
                QMetaObject::invokeMethod(
                        this, [this, failure] { writeFinished(failure); }, Qt::QueuedConnection);
            });
}

void RecoveryKeeper::writeFinished(const QString &failure)
{
    joinWriter();
    m_writing = false;
    if (failure.isEmpty()) {
        m_copyOnDisk = true;
        if (m_dropAfterWrite) {
            m_dropAfterWrite = false;
            dropCopy();
        } else {
            emit copyWritten();
        }
    } else if (!m_toldWriteFailure) {
        // Told once: the user learns the list is not protected, and is not asked again at
        // every change.
        m_toldWriteFailure = true;
        Application::runHandler(m_list.window(), [this, failure] {
            Dialogs::instance().message(
                    m_list.window(),
                    tr("%1.\nUnsaved changes to the list cannot be recovered if Tintora ends "
                       "unexpectedly.")
                            .arg(failure),
                    Dialogs::Type::Warning, Dialogs::Buttons::Ok);
        });
    }
    if (m_writeAgain && m_list.listModified())
        m_timer.start();
    m_writeAgain = false;
}

void RecoveryKeeper::dropCopy()
{
    if (m_writing) {
        m_dropAfterWrite = true;
        m_writeAgain = false;
        return;
    }
    if (m_copyOnDisk) {
        m_copyOnDisk = false;
        Application::runHandler(m_list.window(), [this] { RecoveryCopy::remove(copyPath()); });
    }
    emit copyRemoved();
}

void RecoveryKeeper::joinWriter()
{
    if (m_writer.joinable())
        m_writer.join();
}

void RecoveryKeeper::offerRecovery()
{
    const QList<RecoveryCopy::Found> copies = RecoveryCopy::leftBehind(m_folder);
    bool restored = false;
    for (const RecoveryCopy::Found &copy : copies) {
        // A failure with one copy is shown and leaves the others to be asked about.
        Application::runHandler(m_list.window(), [&] { offerCopy(copy.path, restored); });
        if (restored)
            break; // one list in the window; the others wait for the next start
    }
}

void RecoveryKeeper::offerCopy(const QString &path, bool &restored)
{
    RecoveryCopy::Summary summary;
    try {
        summary = RecoveryCopy::readSummary(path);
    } catch (const FileError &error) {
        tellBroken(path, error.message());
        return;
    }
    const Dialogs::Answer answer = Dialogs::instance().message(
            m_list.window(), question(summary.count, summary.listFile, summary.written),
            Dialogs::Type::Confirmation, Dialogs::Buttons::RestoreDiscardLater);
    if (answer == Dialogs::Answer::Discard) {
        RecoveryCopy::remove(path);
        return;
    }
    if (answer != Dialogs::Answer::Restore)
        return;
    ColorList list;
    try {
        list = RecoveryCopy::read(path, &summary);
    } catch (const FileError &error) {
        tellBroken(path, error.message());
        return;
    }
    m_list.restoreList(std::move(list), summary.listFile);
    restored = true;
    // The copy becomes this program's own at once, so that the restored list is never without
    // one; the next write brings it up to date. Where it cannot be renamed it stays, and is
    // asked about again rather than lost.
    if (::rename(QFile::encodeName(path).constData(), QFile::encodeName(copyPath()).constData())
        == 0) {
        m_copyOnDisk = true;
        m_mayHaveCopy = true;
    }
}

void RecoveryKeeper::tellBroken(const QString &path, const QString &reason)
{
    QString aside;
    try {
        aside = RecoveryCopy::setAside(path);
    } catch (const FileError &) { }
    const QString text = aside.isEmpty()
            ? reason + u'.'
            : tr("%1.\nIt was kept aside as \"%2\".").arg(reason, QDir::toNativeSeparators(aside));
    Dialogs::instance().message(m_list.window(), text, Dialogs::Type::Warning,
                                Dialogs::Buttons::Ok);
}

QString RecoveryKeeper::question(qsizetype count, const QString &listFile,
                                 const QDateTime &written) const
{
    const QString name = listFile.isEmpty() ? tr("untitled") : Convert::extractFileName(listFile);
    const QString date = QLocale().toString(written.toLocalTime(), QLocale::ShortFormat);
    return tr("A list with %Ln unsaved colors was not saved when Tintora last ended (list %1, "
              "%2). Restore it?",
              nullptr, int(count))
            .arg(name, date);
}

} // namespace Tintora
