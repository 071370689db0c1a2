// SPDX-License-Identifier: GPL-3.0-or-later
// The recovery copy: writing it (time and peak memory), the snapshot the window waits for, the
// longest pause of the event loop while a copy is written, and what a start costs with no copy
// and with one to offer.
#include "benchsupport.h"

#include "lists/colorlistmodel.h"
#include "lists/listfile.h"
#include "lists/recoverycopy.h"
#include "ui/recoverykeeper.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

using namespace Tintora;

namespace {

void sizes(benchmark::internal::Benchmark *b)
{
    b->ArgName("entries")->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
}

QString folder()
{
    return Bench::scratchPath(QStringLiteral("state/tintora"));
}

ColorList loadedList(qsizetype count)
{
    return ListFile::read(Bench::listFile(count));
}

// The whole write, on the thread that does it in the program: the bytes, the sync, the rename.
void BM_RecoveryWrite(benchmark::State &state)
{
    const ColorList list = loadedList(state.range(0));
    const QString path = RecoveryCopy::pathFor(folder(), RecoveryCopy::thisProcess());
    Bench::resetPeak();
    for (auto _ : state)
        RecoveryCopy::write(path, list, QStringLiteral("/home/ann/colors.clr"),
                            QDateTime::currentDateTimeUtc());
    state.counters["copy_MB"] = double(QFileInfo(path).size()) / (1 << 20);
    RecoveryCopy::remove(path);
    Bench::reportMemory(state);
}
BENCHMARK(BM_RecoveryWrite)->Apply(sizes);

// The part the event loop waits for: the snapshot of the list that the writing thread takes.
void BM_RecoverySnapshot(benchmark::State &state)
{
    const ColorList list = loadedList(state.range(0));
    Bench::resetPeak();
    for (auto _ : state) {
        ColorList snapshot(list);
        benchmark::DoNotOptimize(snapshot.count());
    }
    Bench::reportMemory(state);
}
BENCHMARK(BM_RecoverySnapshot)->Apply(sizes);

// An edit in the shown window, then the event loop runs until the copy is written. A timer
// that fires as often as the loop can run measures the longest time the loop was held up.
void BM_RecoveryLongestPause(benchmark::State &state)
{
    Bench::Window window;
    window.load(Bench::listFile(state.range(0)));
    RecoveryKeeper keeper(window.form().recoverableList(), folder());
    keeper.setDelay(0);
    ColorListModel *model = window.form().colorList();
    double longest = 0;
    int edit = 0;
    Bench::resetPeak();
    for (auto _ : state) {
        QEventLoop loop;
        QObject::connect(&keeper, &RecoveryKeeper::copyWritten, &loop, &QEventLoop::quit);
        QElapsedTimer sinceTick;
        QTimer ticker;
        ticker.setInterval(0);
        QObject::connect(&ticker, &QTimer::timeout, &loop, [&] {
            longest = std::max(longest, double(sinceTick.nsecsElapsed()) / 1e6);
            sinceTick.restart();
        });
        const auto start = std::chrono::steady_clock::now();
        sinceTick.start();
        ticker.start();
        // As typed into the full list; the edit itself is the window's, not the copy's.
        model->setData(model->index(edit % 1000, 0), QStringLiteral("edited %1").arg(edit),
                       Qt::EditRole);
        ++edit;
        sinceTick.restart();
        loop.exec();
        state.SetIterationTime(
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    state.counters["longest_pause_ms"] = longest;
    Bench::reportMemory(state);
}
BENCHMARK(BM_RecoveryLongestPause)->Apply(sizes)->UseManualTime()->Iterations(5);

// What a start costs when nothing is left behind: the folder is not there.
void BM_RecoveryOfferNothing(benchmark::State &state)
{
    Bench::Window window(false);
    QDir(folder()).removeRecursively();
    RecoveryKeeper keeper(window.form().recoverableList(), folder());
    for (auto _ : state)
        keeper.offerRecovery();
}
BENCHMARK(BM_RecoveryOfferNothing)->Unit(benchmark::kMicrosecond);

class AnswerRestore : public Bench::BenchDialogs
{
public:
    bool restore = false;
    Answer message(QWidget *parent, const QString &text, Type type, Buttons buttons) override
    {
        if (buttons == Buttons::RestoreDiscardLater)
            return restore ? Answer::Restore : Answer::Later;
        return BenchDialogs::message(parent, text, type, buttons);
    }
};

// A start with a copy left behind by an ended process: the question (answered Later), and
// Restore, which reads the copy into the window. The copy is put back before each iteration.
void offerCopy(benchmark::State &state, bool restore)
{
    const ColorList list = loadedList(state.range(0));
    // An id no process has: the copy counts as left behind.
    const QString path = RecoveryCopy::pathFor(folder(), {0x7FFFFFF0, 1});
    AnswerRestore answers;
    answers.restore = restore;
    Dialogs *previous = Dialogs::install(&answers);
    Bench::resetPeak();
    for (auto _ : state) {
        state.PauseTiming();
        RecoveryCopy::write(path, list, QString(), QDateTime::currentDateTimeUtc());
        auto window = std::make_unique<Bench::Window>(false);
        auto keeper = std::make_unique<RecoveryKeeper>(window->form().recoverableList(), folder());
        state.ResumeTiming();
        keeper->offerRecovery();
        Bench::Window::settle();
        state.PauseTiming();
        if (restore && window->form().colorList()->list().count() != list.count())
            qFatal("The copy was not restored");
        keeper.reset();
        window.reset();
        QFile::remove(path);
        state.ResumeTiming();
    }
    Dialogs::install(previous);
    Bench::reportMemory(state);
}

void BM_RecoveryOfferCopy(benchmark::State &state)
{
    offerCopy(state, false);
}
BENCHMARK(BM_RecoveryOfferCopy)->Apply(sizes);

void BM_RecoveryRestore(benchmark::State &state)
{
    offerCopy(state, true);
}
BENCHMARK(BM_RecoveryRestore)->Apply(sizes);

} // namespace
