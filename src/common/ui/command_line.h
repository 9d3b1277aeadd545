#pragma once
// The command line: --data-dir DIR, --version and --help, read before the graphical part starts
// so that the answers reach a terminal that has no display. Qt's own options (-platform, -style,
// ...) are accepted and left to QApplication.

#include <QString>
#include <QStringList>

namespace coinwell {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitUsageError = 2;

// What the command line asks for: start the program, or answer on the terminal and end.
struct CommandLine {
    bool startProgram = true;
    QString dataDir;  // --data-dir DIR; empty when not given

    // When the program does not start: the texts for the terminal and the exit status.
    QString standardOutput;
    QString standardError;
    int exitStatus = kExitSuccess;
};

// Reads the arguments, the program's path first, as main() receives them.
CommandLine parseCommandLine(const QStringList& arguments, const QString& version);

// The arguments of main() as texts (no application object exists yet to convert them).
QStringList commandLineArguments(int argc, const char* const* argv);

// Writes the answer to standard output and standard error and returns the exit status.
int answerOnTerminal(const CommandLine& commandLine);

}  // namespace coinwell
