// Start-up of Revorur's main window: construction, the start-up steps and the first paint,
// on the offscreen platform with the content pages of the build.

#include "common/ui/testing/test_application.h"
#include "revorur/shell/main_form.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>

#include <cstdlib>
#include <filesystem>

namespace {

void MainWindowStartup(benchmark::State& state) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    doz::ui::testing::testApplication();
    // The pages are copied beside the programs; start as if the program lived there.
    const std::string program = (std::filesystem::path(DOZ_BIN_DIR) / "Revorur").string();
    for (auto _ : state) {
        doz::shell::TForm1 form;
        form.FormCreate(program);
        form.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(form.isVisible());
    }
}
BENCHMARK(MainWindowStartup)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
