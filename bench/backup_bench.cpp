// Backup and restore of a full year file, with every sync, and opening the dialog.
// Targets: a backup or a restore at most 50 ms (well inside the progress bar's second);
// checking a backup of the largest size accepted (1 MiB) at most 5 ms; the dialog open, with its
// lists filled, at most 150 ms.
//
// The files live in a scratch folder under COINWELL_BENCH_DIR (default: the current folder), so
// the figures are those of that folder's disk.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QTemporaryDir>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "backup/core/backup_files.h"
#include "backup/ui/backup_dialog.h"
#include "common/core/run_settings.h"
#include "common/ui/app_context.h"
#include "common/ui/qt_desktop.h"

using namespace coinwell;
using namespace coinwell::backup;

namespace {

// A scratch folder holding a program folder and a backup folder, removed afterwards.
class ScratchFolders {
  public:
    ScratchFolders() {
        const char* base = std::getenv("COINWELL_BENCH_DIR");
        const std::filesystem::path parent = base != nullptr ? base : ".";
        root_ = std::filesystem::absolute(parent) /
                ("coinwell-backup-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(root_ / "program");
        std::filesystem::create_directories(root_ / "stick");
    }
    ~ScratchFolders() { std::filesystem::remove_all(root_); }
    std::filesystem::path program(const char* name) const { return root_ / "program" / name; }
    std::filesystem::path stick(const char* name) const { return root_ / "stick" / name; }

  private:
    std::filesystem::path root_;
};

// Every cell filled at its widest: 18-character names and amounts of 9999.99.
std::string fullYearFile() {
    std::string text;
    for (int row = 1; row <= 50; ++row) {
        text += "\"Household item " + std::to_string(100 + row) + "\"\r\n";
        for (int month = 0; month < 12; ++month) {
            text += "\"9999.99\"\r\n";
        }
    }
    for (int month = 0; month < 12; ++month) {
        text += "\"99999.99\"\r\n";
    }
    return text;
}

void writeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

void BackUpFullYear(benchmark::State& state) {
    ScratchFolders folders;
    writeFile(folders.program("2011.Fil"), fullYearFile());
    for (auto _ : state) {
        if (!backUpYearFile(folders.program("2011.Fil"), folders.stick("2011.Bup"))) {
            state.SkipWithError("the backup failed");
            break;
        }
    }
}
BENCHMARK(BackUpFullYear)->Unit(benchmark::kMillisecond);

void RestoreFullYear(benchmark::State& state) {
    ScratchFolders folders;
    writeFile(folders.stick("2011.Bup"), fullYearFile());
    for (auto _ : state) {
        if (!restoreYearFile(folders.stick("2011.Bup"), folders.program("2011.Fil"))) {
            state.SkipWithError("the restore failed");
            break;
        }
    }
}
BENCHMARK(RestoreFullYear)->Unit(benchmark::kMillisecond);

void CheckLargestAcceptedBackup(benchmark::State& state) {
    std::string bytes = fullYearFile();
    bytes.resize(kMaxYearFileBytes, 'x');
    for (auto _ : state) {
        benchmark::DoNotOptimize(looksLikeYearFile(bytes));
    }
}
BENCHMARK(CheckLargestAcceptedBackup)->Unit(benchmark::kMicrosecond);

void OpenBackupDialog(benchmark::State& state) {
    static int argc = 1;
    static char name[] = "backup_bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "qt.qpa.*=false");
    static QApplication* app = new QApplication(argc, argv);
    (void)app;
    QTemporaryDir folder;
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(folder.path().toStdString());
    QtDesktop desktop;
    RunSettings settings;
    AppContext context{desktop, settings};
    QWidget mainScreen;
    mainScreen.resize(800, 600);
    for (auto _ : state) {
        Backup1 dialog(context, &mainScreen, budgetRestoreRequest(2011));
        dialog.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(dialog.folderList());
    }
    std::filesystem::current_path(previous);
}
BENCHMARK(OpenBackupDialog)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
