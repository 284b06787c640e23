// cordic-lab making golden vectors: the program itself, started with standard input from a file
// of 100,000 angles and standard output to a file, at fixed point 16/14 with 16 steps:
//     cordic-lab --arithmetic fixed --steps 16 --inputs - --results --hex
// Wall time per whole run (the goal: at most 1 s) and lines per second. Each run's output is
// then read back and every cosine and sine register compared with LabRun's for the same angle
// (counter "mismatches", which must be 0).
#include "lab.h"
#include "lab_input.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr int kAngles = 100000;
constexpr std::int32_t kSteps = 16;

std::filesystem::path Folder() {
    return std::filesystem::temp_directory_path() /
           ("cordic-lab-bench-" + std::to_string(getpid()));
}

// The angles in radians across -1.5 .. 1.5, each written with ten decimals.
std::vector<std::string> Angles() {
    std::vector<std::string> angles;
    for (int k = 0; k < kAngles; ++k) {
        char text[32];
        std::snprintf(text, sizeof text, "%.10f", -1.5 + 3.0 * k / (kAngles - 1));
        angles.emplace_back(text);
    }
    return angles;
}

// Runs cordic-lab with `input` as standard input and `output` as standard output.
bool RunProgram(const std::filesystem::path& input, const std::filesystem::path& output) {
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, STDIN_FILENO, input.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&files, STDOUT_FILENO, output.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const char* arguments[] = {
        CORDIC_LAB_PROGRAM, "--arithmetic", "fixed", "--steps", "16", "--inputs", "-",
        "--results",        "--hex",        nullptr};
    pid_t child = 0;
    const int spawned = posix_spawn(&child, CORDIC_LAB_PROGRAM, &files, nullptr,
                                    const_cast<char**>(arguments), environ);
    posix_spawn_file_actions_destroy(&files);
    int status = 0;
    return spawned == 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

// The W-bit register of a 16/14 result.
long Register(long double value) {
    return static_cast<long>(ldexpl(value, 14)) & 0xFFFF;
}

// How many lines of `output` differ from LabRun's registers for `angles`: a line reads
// "cos θ <hex> <exact> <error> sin θ <hex> <exact> <error>" with tabs.
int Mismatches(const std::vector<std::string>& angles, const std::filesystem::path& output) {
    std::ifstream lines(output);
    TLabSetup setup;
    setup.arithmetic = TLabArithmetic::Fixed;
    setup.steps = kSteps;
    int mismatches = 0;
    std::string line;
    for (const std::string& angle : angles) {
        if (!std::getline(lines, line)) {
            return mismatches + 1;
        }
        std::istringstream fields(line);
        std::vector<std::string> cells;
        for (std::string cell; std::getline(fields, cell, '\t');) {
            cells.push_back(cell);
        }
        setup.theta = ReadLabAngle(angle, false).value();
        const TLabRun run = LabRun(setup);
        const bool same = cells.size() == 8 &&
                          std::stol(cells[1], nullptr, 16) == Register(run.first) &&
                          std::stol(cells[5], nullptr, 16) == Register(run.second);
        mismatches += same ? 0 : 1;
    }
    return mismatches;
}

void BM_GoldenVectors(benchmark::State& state) {
    const std::filesystem::path folder = Folder();
    std::filesystem::create_directories(folder);
    const std::filesystem::path input = folder / "angles.txt";
    const std::filesystem::path output = folder / "golden.txt";
    const std::vector<std::string> angles = Angles();
    {
        std::ofstream file(input);
        for (const std::string& angle : angles) {
            file << angle << '\n';
        }
    }
    for (auto _ : state) {
        if (!RunProgram(input, output)) {
            state.SkipWithError("cordic-lab failed");
            break;
        }
    }
    state.counters["lines_per_second"] =
        benchmark::Counter(static_cast<double>(kAngles) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate);
    state.counters["mismatches"] = Mismatches(angles, output);
    std::filesystem::remove_all(folder);
}

BENCHMARK(BM_GoldenVectors)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

} // namespace

BENCHMARK_MAIN();
