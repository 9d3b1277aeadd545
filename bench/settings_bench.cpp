// Settings records: reading one record (target: at most 50 us, file opened and closed each time),
// the start-up reads, and what a safe write costs with its syncs.
//
// The files live in a scratch folder under COINWELL_BENCH_DIR (default: the current folder), so
// the write figures are those of that folder's disk.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "common/core/dialogs.h"
#include "common/core/record_file.h"
#include "common/core/run_settings.h"
#include "common/core/settings_files.h"
#include "common/core/shared_routines.h"

namespace {

// A scratch program folder, made current for one benchmark and removed after it.
class ScratchFolder {
  public:
    ScratchFolder() {
        const char* base = std::getenv("COINWELL_BENCH_DIR");
        const std::filesystem::path parent = base != nullptr ? base : ".";
        previous_ = std::filesystem::current_path();
        path_ = std::filesystem::absolute(parent) /
                ("coinwell-settings-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path_);
        std::filesystem::current_path(path_);
    }
    ~ScratchFolder() {
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(path_);
    }

  private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

// Settings files as a long-used installation has them: every panel record filled.
void fillSettingsFiles() {
    for (const auto& file :
         {coinwell::kGColor1File, coinwell::kGColor2File, coinwell::kGColor3File}) {
        coinwell::RecordFile records = coinwell::openSettingsFile(file);
        for (int n = 1; n <= 105; ++n) {
            records.stageText(n, "8421504");
        }
        records.save();
    }
    coinwell::writeDisplayState("Yes", std::int16_t{9000}, std::int16_t{12000});
    coinwell::writeFamilyName("Smith");
    coinwell::writeScreenBackground("WP7");
}

class NoQuestions : public coinwell::Dialogs {
  public:
    coinwell::Answer message(const coinwell::MessageRequest&) override {
        return coinwell::Answer::Yes;
    }
    std::string input(const coinwell::InputRequest&) override { return {}; }
    std::optional<coinwell::ColorNumber> chooseColor(coinwell::ColorNumber) override { return {}; }
    std::optional<coinwell::FontChoice> chooseFont(const coinwell::FontChoice&) override {
        return {};
    }
    void setClipboardText(const std::string&) override {}
    void beginBusy() override {}
    void endBusy() override {}
    void processEvents() override {}
};

void BM_ReadOneRecord(benchmark::State& state) {
    ScratchFolder folder;
    fillSettingsFiles();
    for (auto _ : state) {
        benchmark::DoNotOptimize(coinwell::readPanelColor(coinwell::PanelColorScreen::Main));
    }
}
BENCHMARK(BM_ReadOneRecord)->Unit(benchmark::kMicrosecond);

void BM_ReadStartupSettings(benchmark::State& state) {
    ScratchFolder folder;
    fillSettingsFiles();
    coinwell::RunSettings settings;
    for (auto _ : state) {
        coinwell::loadRunSettings(settings);
        benchmark::DoNotOptimize(settings.panelColor);
    }
}
BENCHMARK(BM_ReadStartupSettings)->Unit(benchmark::kMicrosecond);

void BM_WriteOneRecord(benchmark::State& state) {
    ScratchFolder folder;
    fillSettingsFiles();
    int value = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            coinwell::writePanelColor(coinwell::PanelColorScreen::Loan, std::to_string(value++)));
    }
}
BENCHMARK(BM_WriteOneRecord)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PanelColorToAllScreens(benchmark::State& state) {
    ScratchFolder folder;
    fillSettingsFiles();
    NoQuestions dialogs;
    coinwell::RunSettings settings;
    int value = 0;
    for (auto _ : state) {
        settings.pendingPanelColor = std::to_string(value++);
        coinwell::applyPanelColorToAll(dialogs, settings);
    }
}
BENCHMARK(BM_PanelColorToAllScreens)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
