// Whole scans through VIZFindDev, timed against `lspci -n` listing the same bus.
#include "dedozovaz/dedozovaz.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A machine with a few of the maker's cards among other devices.
constexpr const char* FewCardsBus = "00:00.0 8086:0d57 0000:0000 0 0\n"
                                    "00:01.0 1d2a:6610 1d2a:6610 0xe001 0\n"
                                    "00:02.0 1d2a:6610 1d2a:6610 0xe101 0\n"
                                    "00:03.0 1d2a:2240 1d2a:2240 0 0xe201 gpio=0x00000104\n"
                                    "01:00.0 1d2a:c420 1d2a:c420 0xe301 0\n"
                                    "02:00.0 10b5:9080 9999:2260 0xe401 0\n"
                                    "03:00.0 10e8:80d7 0000:0000 0xe501 0\n";

void BM_ScanSimulatedBus(benchmark::State& state) {
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / ("dedozovaz-bench-" + std::to_string(getpid()) + ".txt");
    std::ofstream(file) << FewCardsBus;
    setenv("DEDOZOVAZ_PCI_SIM", file.c_str(), 1);
    std::array<VIZDevRecord, VIZ_MAX_DEVICES> records{};
    for (auto _ : state)
        benchmark::DoNotOptimize(VIZFindDev(0, records.data()));
    state.counters["cards"] = VIZFindDev(0, records.data());
    unsetenv("DEDOZOVAZ_PCI_SIM");
    std::filesystem::remove(file);
}
BENCHMARK(BM_ScanSimulatedBus)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_ScanSysfs(benchmark::State& state) {
    unsetenv("DEDOZOVAZ_PCI_SIM");
    std::array<VIZDevRecord, VIZ_MAX_DEVICES> records{};
    for (auto _ : state)
        benchmark::DoNotOptimize(VIZFindDev(0, records.data()));
    state.counters["cards"] = VIZFindDev(0, records.data());
}
BENCHMARK(BM_ScanSysfs)->Unit(benchmark::kMicrosecond)->UseRealTime();

// Runs `lspci -n` with its output discarded; false when it cannot be started or fails.
bool runLspciNumeric() {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    char program[] = "lspci";
    char numeric[] = "-n";
    char* argv[] = {program, numeric, nullptr};
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, program, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    return spawned == 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void BM_LspciNumeric(benchmark::State& state) {
    for (auto _ : state) {
        if (!runLspciNumeric()) {
            state.SkipWithError("lspci -n could not be run (install pciutils)");
            break;
        }
    }
}
BENCHMARK(BM_LspciNumeric)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
