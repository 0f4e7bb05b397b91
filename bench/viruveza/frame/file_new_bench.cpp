// From the wizard's Finish to the generated file shown in its window, offscreen, for a spread of
// routes: the wizard is driven once per route through the dialogs seam, then each iteration
// generates, writes, reopens and shows the file (closing the window again is not timed). The
// counter "vs_writer" is the time of one Finish over the time of the writer alone building the
// same record's text in memory, measured in the same run.

#include "common/ui/testing/scripted_dialogs.h"
#include "viruveza/frame/main_frame.h"
#include "viruveza/frame/message_window.h"
#include "viruveza/frame/viruveza_app.h"
#include "viruveza/frame/viruveza_doc.h"
#include "viruveza/generators/code_generator.h"
#include "viruveza/wizard/main_wizard.h"
#include "viruveza/wizard/wiz_data_src.h"
#include "viruveza/wizard/wizard_pictures.h"
#include "viruveza/wizard/wizard_routes.h"

#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTreeWidget>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <unistd.h>

namespace {

using namespace doz;
using Clock = std::chrono::steady_clock;

std::filesystem::path benchFolder() {
    static const std::filesystem::path folder = [] {
        auto path =
            std::filesystem::temp_directory_path() / ("doz-frame-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
        ::setenv("DOZAZAR_REGISTRY", (path / "registry.reg").c_str(), 1);
        return path;
    }();
    return folder;
}

// A finished wizard for a line, a card and an operation row.
std::unique_ptr<wizard::CMainWizard> finishedWizard(int line, int card, int row) {
    std::filesystem::remove(benchFolder() / "BenchCode.txt"); // no replace question
    auto sheet = std::make_unique<wizard::CMainWizard>(wizard::kWizardCaption, nullptr, 0,
                                                       wizard::wizardWatermark(), wizard::wizardHeader());
    sheet->setCardLine(line);
    sheet->show();
    wizard::CWizDataSrc& page = *sheet->dataSrcPage();
    page.Edit_CodeFileName->setText("BenchCode");
    page.Edit_Location->setText(QString::fromStdString(benchFolder().string()));
    page.Tree_CardLine->setCurrentItem(page.Tree_CardLine->topLevelItem(line));
    page.Cmb_CardType->setCurrentIndex(card);
    page.List_Operation->setCurrentRow(row);
    sheet->next();
    sheet->button(QWizard::FinishButton)->click();
    return sheet;
}

double writerSeconds(const wizard::CMainWizard& sheet) {
    const auto page =
        wizard::parameterPageFor(sheet.cardLine(), sheet.operationCode(), sheet.cardTypeIndex());
    generators::DeviceSetup record = sheet.pageRecord(*page);
    std::string text;
    constexpr int runs = 2000;
    const auto start = Clock::now();
    for (int i = 0; i < runs; ++i) {
        generators::CodeGenerator generator(record);
        generator.build(static_cast<generators::CardLine>(sheet.cardLine()), text);
        benchmark::DoNotOptimize(text.data());
    }
    return std::chrono::duration<double>(Clock::now() - start).count() / runs;
}

void FinishToFileShown(benchmark::State& state) {
    ui::testing::ScopedDialogs dialogs; // the wizard shown at start-up is cancelled
    auto sheet = finishedWizard(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
                                static_cast<int>(state.range(2)));
    frame::CViruvezaApp app("Ruzidavidez");
    app.mainFrame().show();
    const double writer = writerSeconds(*sheet);
    double finished = 0;
    std::int64_t shown = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        frame::CViruvezaDoc* document = app.finishNewCodeSource(*sheet);
        QCoreApplication::sendPostedEvents();
        finished += std::chrono::duration<double>(Clock::now() - start).count();
        if (!document) {
            QCoreApplication::sendPostedEvents();
            const QStringList lines = app.mainFrame().messages->lines();
            state.SkipWithError(lines.isEmpty() ? "nothing was shown" : lines.front().toUtf8().constData());
            break;
        }
        ++shown;
        state.PauseTiming();
        app.closeCodeSource(*document, frame::CViruvezaApp::AskToSave::No);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    if (shown > 0) {
        state.counters["finish_ms"] = finished / static_cast<double>(shown) * 1e3;
        state.counters["writer_us"] = writer * 1e6;
        state.counters["vs_writer"] = finished / static_cast<double>(shown) / writer;
    }
}

// (line, card index, operation row): PCIA130 AO, PCIM610 continuous AI, PCID260A continuous DI,
// DAQE420 continuous AI, DAQE445 single-point AI, DAQE460 continuous AO.
BENCHMARK(FinishToFileShown)
    ->Args({0, 1, 0})
    ->Args({0, 21, 1})
    ->Args({0, 14, 3})
    ->Args({1, 2, 1})
    ->Args({1, 7, 0})
    ->Args({1, 10, 3})
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    benchFolder();
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(benchFolder());
    return 0;
}
