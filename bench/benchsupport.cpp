// SPDX-License-Identifier: GPL-3.0-or-later
#include "benchsupport.h"

#include "color/color.h"
#include "lists/listfile.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>
#include <random>

namespace Bench {

namespace {

double statusFieldMB(const char *field)
{
    FILE *status = std::fopen("/proc/self/status", "r");
    if (!status)
        return -1;
    char line[256];
    const size_t length = std::strlen(field);
    double kb = -1;
    while (std::fgets(line, sizeof line, status)) {
        if (std::strncmp(line, field, length) == 0 && line[length] == ':') {
            kb = std::strtod(line + length + 1, nullptr);
            break;
        }
    }
    std::fclose(status);
    return kb / 1024.0;
}

double g_residentAtReset = 0;

QTemporaryDir &tempDir()
{
    static QTemporaryDir dir;
    if (!dir.isValid())
        qFatal("Cannot create a temporary folder: %s", qPrintable(dir.errorString()));
    return dir;
}

// Names like the ones people give colors: a word or two and often a number.
const char *const kWords[] = {"Sky",   "Sea",    "Rose",  "Moss",  "Slate", "Amber",  "Ink",
                              "Sand",  "Coral",  "Olive", "Steel", "Plum",  "Cream",  "Rust",
                              "Jade",  "Pearl",  "Stone", "Berry", "Frost", "Copper", "Dusk",
                              "Ocean", "Forest", "Brick", "Ivory", "Lilac", "Mint",   "Smoke"};

} // namespace

double residentMB()
{
    return statusFieldMB("VmRSS");
}

double peakMB()
{
    return statusFieldMB("VmHWM");
}

void resetPeak()
{
    g_residentAtReset = residentMB();
    // Writing 5 to clear_refs resets VmHWM to the current resident size (Linux 4.0 and later).
    if (FILE *refs = std::fopen("/proc/self/clear_refs", "w")) {
        std::fputs("5", refs);
        std::fclose(refs);
    }
}

void reportMemory(benchmark::State &state)
{
    const double peak = peakMB();
    state.counters["peak_MB"] = peak;
    state.counters["growth_MB"] = peak - g_residentAtReset;
    state.counters["rss_MB"] = residentMB();
}

ListData makeList(qsizetype count)
{
    ListData data;
    data.names.reserve(count);
    data.hexes.reserve(count + 1);
    std::mt19937 random(20240611u);
    std::uniform_int_distribution<int> word(0, int(std::size(kWords)) - 1);
    std::uniform_int_distribution<quint32> color(0, 0xFFFFFF);
    for (qsizetype i = 0; i < count; ++i) {
        QString name = QLatin1String(kWords[word(random)]);
        if (i % 3 != 0)
            name += QLatin1Char(' ') + QLatin1String(kWords[word(random)]);
        name += QLatin1Char(' ') + QString::number(i + 1);
        data.names.append(name);
        data.hexes.append(Tintora::Color::buildHex(color(random)));
    }
    data.hexes.append(QString()); // the blank row
    return data;
}

QString scratchPath(const QString &fileName)
{
    return tempDir().filePath(fileName);
}

QString writeList(const ListData &data, const QString &fileName)
{
    const QString path = scratchPath(fileName);
    Tintora::ListFile::save(path, data.names, data.hexes);
    return path;
}

QString listFile(qsizetype count)
{
    static QHash<qsizetype, QString> written;
    auto it = written.constFind(count);
    if (it != written.cend())
        return *it;
    const QString path = writeList(makeList(count), QStringLiteral("list%1.clr").arg(count));
    written.insert(count, path);
    return path;
}

Tintora::Dialogs::Answer BenchDialogs::message(QWidget *, const QString &, Type, Buttons buttons)
{
    return buttons == Buttons::Ok ? Answer::Ok : Answer::No;
}

void BenchDialogs::error(QWidget *, const QString &text)
{
    ++errors;
    if (!expectErrors)
        qFatal("The program reported an error: %s", qPrintable(text));
}

std::optional<Tintora::Color::ColorValue> BenchDialogs::chooseColor(QWidget *,
                                                                    const Tintora::ColorRequest &)
{
    return std::nullopt;
}

std::optional<Tintora::FileChoice> BenchDialogs::chooseFile(QWidget *, const Tintora::FileRequest &)
{
    if (nextFile.isEmpty())
        return std::nullopt;
    return Tintora::FileChoice {nextFile, 0};
}

std::optional<int> BenchDialogs::chooseNumber(QWidget *, const Tintora::NumberRequest &request)
{
    return request.value;
}

void BenchDialogs::about(QWidget *) { }

BenchDialogs &dialogs()
{
    static BenchDialogs instance;
    return instance;
}

Window::Window(bool listsEnabled) : m_form(new TForm1(nullptr, 96))
{
    m_form->show();
    if (listsEnabled)
        m_form->EnableLists1Click();
    settle();
}

Window::~Window()
{
    delete m_form;
    settle();
}

void Window::load(const QString &path)
{
    dialogs().nextFile = path;
    m_form->Open1Click();
    dialogs().nextFile.clear();
    settle();
}

void Window::settle()
{
    QApplication::sendPostedEvents();
    QApplication::processEvents();
}

int runBenchmarks(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    QApplication app(argc, argv);
    Tintora::Dialogs::install(&dialogs());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    Tintora::Dialogs::install(nullptr);
    return 0;
}

} // namespace Bench
