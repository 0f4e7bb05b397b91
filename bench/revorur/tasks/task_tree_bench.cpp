// A task folder of 10,000 task files: building the task tree with its pictures, and selecting a
// task (which fills its property list), each reported against a plain listing of the same
// folder measured in the same run ("per_listing" is the ratio of the two times).

#include "common/platform/registry.h"
#include "common/ui/testing/test_application.h"
#include "revorur/shell/main_form.h"
#include "revorur/tasks/task_manager.h"

#include <benchmark/benchmark.h>

#include <QTreeWidget>

#include <chrono>
#include <cstdlib>
#include <dirent.h>
#include <filesystem>
#include <fstream>
#include <memory>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr int TaskCount = 10'000;

// Tasks of a few operations on the virtual device, as a lab's folder would hold them.
const char* const taskBodies[] = {
    "operation 0x10000\ndevice 1 0\ndescription Polling\nchannels 0 1\nproperty 102 1000\n",
    "operation 0x10003\ndevice 1 0\ndescription Continuous\nchannels 0\nproperty 102 10000\n",
    "operation 0x20000\ndevice 1 0\ndescription Set point\nchannels 0\n",
    "operation 0x40001\ndevice 1 0\ndescription Door switches\nchannels 0 1 2\n",
    "operation 0x80001\ndevice 1 0\ndescription Lamps\nchannels 1\n",
};

// The folder, the registry hive naming it, and one window with its task manager, made once.
struct Lab {
    fs::path dir;
    fs::path folder;
    std::unique_ptr<doz::shell::TForm1> form;
    std::unique_ptr<doz::tasks::TaskManager> manager;

    Lab() {
        dir = fs::temp_directory_path() / ("doz-task-bench-" + std::to_string(::getpid()));
        folder = dir / "Tasks";
        fs::create_directories(folder);
        for (int i = 0; i < TaskCount; ++i)
            std::ofstream(folder / ("Task" + std::to_string(i) + ".tsk"))
                << "radezuvi-task 1\n"
                << taskBodies[i % std::size(taskBodies)] << "end\n";
        ::setenv("DOZAZAR_REGISTRY", (dir / "registry.reg").c_str(), 1);
        doz::platform::createKey(doz::platform::RootKey::LocalMachine,
                                 "SOFTWARE\\Dozazar\\Radezuvi\\CurrentVersion")
            ->writeString("Task Folder", folder.string());
        ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
        doz::ui::testing::testApplication();
        form = std::make_unique<doz::shell::TForm1>();
        manager = std::make_unique<doz::tasks::TaskManager>(*form);
        form->FormCreate((dir / "Revorur").string());
    }
    ~Lab() {
        manager.reset();
        form.reset();
        fs::remove_all(dir);
    }
};

Lab& lab() {
    static Lab instance;
    return instance;
}

// The baseline: the folder's entries named, as the file system lists them.
std::size_t plainListing(const fs::path& folder) {
    std::size_t names = 0;
    DIR* dir = ::opendir(folder.c_str());
    while (const dirent* entry = ::readdir(dir))
        names += entry->d_name[0] != '.';
    ::closedir(dir);
    return names;
}

double listingSeconds(const fs::path& folder) {
    constexpr int rounds = 20;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < rounds; ++i)
        benchmark::DoNotOptimize(plainListing(folder));
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / rounds;
}

void reportAgainstListing(benchmark::State& state, double seconds, double listing) {
    state.counters["listing_ms"] = listing * 1e3;
    state.counters["per_listing"] = seconds / listing;
}

void PlainDirectoryListing(benchmark::State& state) {
    Lab& l = lab();
    for (auto _ : state)
        benchmark::DoNotOptimize(plainListing(l.folder));
}
BENCHMARK(PlainDirectoryListing)->Unit(benchmark::kMillisecond);

void BuildTaskTreeOf10000Tasks(benchmark::State& state) {
    Lab& l = lab();
    const double listing = listingSeconds(l.folder);
    double total = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        l.manager->BuildTaskTree();
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        benchmark::DoNotOptimize(l.form->TreeView_Task->topLevelItem(0)->childCount());
    }
    if (l.form->TreeView_Task->topLevelItem(0)->childCount() != TaskCount)
        state.SkipWithError("the tree does not show every task");
    reportAgainstListing(state, total / static_cast<double>(state.iterations()), listing);
}
BENCHMARK(BuildTaskTreeOf10000Tasks)->Unit(benchmark::kMillisecond)->Iterations(5);

void SelectATaskAmong10000(benchmark::State& state) {
    Lab& l = lab();
    l.manager->BuildTaskTree();
    QTreeWidgetItem* root = l.form->TreeView_Task->topLevelItem(0);
    const double listing = listingSeconds(l.folder);
    double total = 0;
    int next = 0;
    for (auto _ : state) {
        QTreeWidgetItem* node = root->child((next += 997) % root->childCount());
        const auto start = std::chrono::steady_clock::now();
        l.form->TreeView_Task->setCurrentItem(node);
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        benchmark::DoNotOptimize(l.form->ListView_Task->topLevelItemCount());
    }
    if (l.form->ListView_Task->topLevelItemCount() != 8)
        state.SkipWithError("the property list is not filled");
    reportAgainstListing(state, total / static_cast<double>(state.iterations()), listing);
}
BENCHMARK(SelectATaskAmong10000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
