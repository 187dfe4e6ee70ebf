// What a long action script costs tavo-sim in memory: the peak resident size
// of the program playing a script of `days 0` lines, less that of the same
// run with a one-line script (the game's own), for each byte of script. It
// must stay under 8; the run is marked as an error when it does not.

#include "WorstCase.h"

#include "core/SaveFile.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using namespace tavo;

// The peak resident size in bytes of tavo-sim run with these arguments.
long peakBytes(const std::vector<std::string>& args) {
    const pid_t child = ::fork();
    if (child == 0) {
        std::vector<char*> argv{const_cast<char*>(TAVO_SIM_PATH)};
        for (const std::string& arg : args)
            argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        if (!std::freopen("/dev/null", "w", stdout)) ::_exit(126);
        ::execv(TAVO_SIM_PATH, argv.data());
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || ::wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0)
        throw std::runtime_error("tavo-sim failed");
    return usage.ru_maxrss * 1024L;
}

void BM_ScriptMemory(benchmark::State& run) {
    const std::string folder =
        (std::filesystem::temp_directory_path() / ("tavo-bench-" + std::to_string(::getpid())))
            .string();
    std::filesystem::create_directories(folder);
    const std::string game = folder + "/in.sav";
    const std::string script = folder + "/long.txt";
    const std::string oneLine = folder + "/short.txt";
    saveGame(game, bench::worstCaseGame());
    const std::size_t size = static_cast<std::size_t>(run.range(0)) << 20;
    {
        std::ofstream out(script);
        for (std::size_t written = 0; written < size; written += 7)
            out << "days 0\n";
        std::ofstream(oneLine) << "days 0\n";
    }
    double perByte = 0;
    for (auto _ : run) {
        const long own = peakBytes({"--load", game, "--script", oneLine, "--time", "0"});
        const long peak = peakBytes({"--load", game, "--script", script, "--time", "0"});
        perByte = double(peak - own) / double(size);
        run.counters["peak_MB"] = double(peak) / (1 << 20);
        run.counters["game_MB"] = double(own) / (1 << 20);
    }
    run.counters["bytes_per_script_byte"] = perByte;
    std::filesystem::remove_all(folder);
    if (perByte >= 8) run.SkipWithError("a script costs 8 times its size or more");
}
BENCHMARK(BM_ScriptMemory)->Arg(63)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
