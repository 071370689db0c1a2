// SPDX-License-Identifier: GPL-3.0-or-later
// The command line as a script meets it: the wall time of tintora --convert and --contrast
// from the start of the process to its exit, with no window system at all (target: 30 ms).
// Each run starts the built program afresh, so the figure includes loading it and its
// libraries. Wall time grows with the machine's load; the counter program_cpu_ms, the
// program's own CPU time (user and system, from wait4), hardly does.
#include <benchmark/benchmark.h>

#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char **environ;

namespace {

// The caller's environment without any window system, as over ssh.
std::vector<char *> headlessEnvironment()
{
    std::vector<char *> environment;
    for (char **entry = environ; *entry; ++entry) {
        for (const char *name : {"DISPLAY=", "WAYLAND_DISPLAY=", "QT_QPA_PLATFORM="}) {
            if (std::strncmp(*entry, name, std::strlen(name)) == 0)
                goto skip;
        }
        environment.push_back(*entry);
    skip:;
    }
    environment.push_back(nullptr);
    return environment;
}

void runProgram(benchmark::State &state, std::vector<std::string> arguments)
{
    arguments.insert(arguments.begin(), TINTORA_PROGRAM);
    std::vector<char *> argv;
    for (std::string &argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    std::vector<char *> environment = headlessEnvironment();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    double cpuSeconds = 0;
    for (auto _ : state) {
        pid_t pid = 0;
        if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environment.data()) != 0) {
            state.SkipWithError("the program could not be started");
            break;
        }
        int status = 0;
        rusage usage {};
        wait4(pid, &status, 0, &usage);
        cpuSeconds += double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
                + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("the program failed");
            break;
        }
    }
    posix_spawn_file_actions_destroy(&actions);
    state.counters["program_cpu_ms"] =
            benchmark::Counter(cpuSeconds * 1000, benchmark::Counter::kAvgIterations);
}

void BM_Convert(benchmark::State &state)
{
    runProgram(state, {"--convert", "--format", "oklch", "tomato"});
}
BENCHMARK(BM_Convert)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Contrast(benchmark::State &state)
{
    runProgram(state, {"--contrast", "white", "#767676", "#0055CC"});
}
BENCHMARK(BM_Contrast)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ContrastJson(benchmark::State &state)
{
    runProgram(state, {"--contrast", "--json", "white", "#767676", "#0055CC"});
}
BENCHMARK(BM_ContrastJson)->Unit(benchmark::kMillisecond)->UseRealTime();

// The floor: a process that does nothing.
void BM_True(benchmark::State &state)
{
    std::vector<char *> argv {const_cast<char *>("/bin/true"), nullptr};
    std::vector<char *> environment = headlessEnvironment();
    for (auto _ : state) {
        pid_t pid = 0;
        posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environment.data());
        int status = 0;
        waitpid(pid, &status, 0);
    }
}
BENCHMARK(BM_True)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
