#pragma once
// The program folder: where the settings and data files live, made the current folder at start
// so that every file is opened by its bare name.

#include <filesystem>
#include <string>

#include <QString>
#include <QStringList>

#include "common/core/dialogs.h"

namespace coinwell {

// The settings files that show the suite is installed in a folder.
inline constexpr const char* kSuiteSettingsFiles[] = {"GColor1.Fil", "GColor3.Fil", "GHINV1.Fil",
                                                      "HINVNAME.FIL"};

// The program folder chosen at start, or why no folder could be used.
struct ProgramFolderChoice {
    std::filesystem::path folder;  // absolute
    std::string problem;           // empty when the folder is the current folder now
    bool usable() const { return problem.empty(); }
};

// Chooses the program folder and makes it the current folder:
//   --data-dir DIR (or --data-dir=DIR) among the arguments: DIR, created when missing;
//   else the executable's folder, when it is writable and already holds one of the suite's
//   settings files (a shared installation beside the suite's other programs);
//   else <generic data location>/Coinwell (~/.local/share/Coinwell), created on first start.
// A folder that is a file, cannot be created or cannot be entered is not used: the choice
// says why, and the current folder stays as it was.
ProgramFolderChoice chooseProgramFolder(const QStringList& arguments);

// The same choice for the folder the command line has already named (empty when none).
ProgramFolderChoice chooseRequestedProgramFolder(const QString& requestedFolder);

// The message that ends the program when no folder could be used: it names the folder and the
// reason.
MessageRequest unusableProgramFolderMessage(const ProgramFolderChoice& choice);

// The folder chosen last by chooseProgramFolder (empty before).
std::filesystem::path programFolder();

// Makes the program folder the current folder again (the main screen does so on activation).
void restoreProgramFolder();

// The folders that files installed with the program (wallpapers, pictures, help, word lists) are
// looked for in, in order: the program folder's own copies first; then COINWELL_SHARE_DIR from
// the environment when it is set (tests and relocated installations), and only that; otherwise
// the share/coinwell folder nearest above the executable (../share/coinwell once installed,
// <build>/share/coinwell in a build tree), then the installed share folder.
QStringList installationFolders();

// A file installed with the program, looked for in installationFolders(). An empty text when
// none has it.
QString findInstallationFile(const QString& name);

}  // namespace coinwell
