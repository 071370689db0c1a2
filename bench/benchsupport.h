// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/dialogs.h"
#include "ui/tform1.h"

#include <QString>
#include <QStringList>

#include <benchmark/benchmark.h>

#include <chrono>

namespace Bench {

// The process's memory, from /proc/self/status: resident now (VmRSS) and the peak since the
// last reset (VmHWM), in MB.
double residentMB();
double peakMB();
// Starts a new peak at the current resident size, so each benchmark reports its own peak.
void resetPeak();
// Adds counters: peak_MB, the process's peak since resetPeak; growth_MB, how far that peak
// rose above the resident size at resetPeak; rss_MB, the resident size now.
void reportMemory(benchmark::State &state);

// A list as the files hold it: count names, and count + 1 hex lines (the last one the blank
// row's). Names and values vary like real ones; the same count always gives the same list.
struct ListData
{
    QStringList names;
    QStringList hexes;
};
ListData makeList(qsizetype count);

// A .clr/.hex pair of count entries, written once into the run's temporary folder.
QString listFile(qsizetype count);
// Writes data as a pair named fileName in the run's temporary folder; returns the .clr path.
QString writeList(const ListData &data, const QString &fileName);
// A path in the run's temporary folder.
QString scratchPath(const QString &fileName);

// Answers the program's dialogs without showing them: file dialogs choose nextFile, a number is
// the one the box opens with, questions are answered No, and any error box ends the run (a
// benchmark must not measure failures), unless expectErrors is set: then the error boxes are
// counted.
class BenchDialogs : public Tintora::Dialogs
{
public:
    QString nextFile;
    bool expectErrors = false;
    int errors = 0;
    Answer message(QWidget *parent, const QString &text, Type type, Buttons buttons) override;
    void error(QWidget *parent, const QString &text) override;
    std::optional<Tintora::Color::ColorValue> chooseColor(
            QWidget *parent, const Tintora::ColorRequest &request) override;
    std::optional<Tintora::FileChoice> chooseFile(QWidget *parent,
                                                  const Tintora::FileRequest &request) override;
    std::optional<int> chooseNumber(QWidget *parent,
                                    const Tintora::NumberRequest &request) override;
    void about(QWidget *parent) override;
};
BenchDialogs &dialogs();

// The main window as the user has it: shown, at 96 pixels per inch, lists enabled.
class Window
{
public:
    explicit Window(bool listsEnabled = true);
    ~Window();
    TForm1 &form() { return *m_form; }
    template<typename T>
    T *child(const char *name) const
    {
        T *found = m_form->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("No control %s in the main window", name);
        return found;
    }
    // "Load List" of the pair at path, then settle. Lists are put into the window this way,
    // not by assigning strings made in the benchmark: how the load allocates and frees decides
    // how fast the heap serves every later step, and only a real load leaves it as the
    // program has it.
    void load(const QString &path);
    // Lets Qt lay out and paint what the last handler changed, as the event loop would.
    static void settle();

private:
    TForm1 *m_form;
};

// Times one operation for benchmarks that prepare each iteration outside the clock.
template<typename F>
void timeIteration(benchmark::State &state, F &&operation)
{
    const auto start = std::chrono::steady_clock::now();
    operation();
    const auto end = std::chrono::steady_clock::now();
    state.SetIterationTime(std::chrono::duration<double>(end - start).count());
}

// The main program of a benchmark executable: Google Benchmark's arguments, the application
// with the benchmark dialogs installed, and every benchmark asked for. Returns the exit code.
int runBenchmarks(int argc, char **argv);

} // namespace Bench
