#include "common/ui/program_folder.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <system_error>
#include "common/ui/qt_text.h"

namespace coinwell {

namespace {

std::filesystem::path& chosenFolder() {
    static std::filesystem::path folder;
    return folder;
}

QString dataDirArgument(const QStringList& arguments) {
    const QString option = QStringLiteral("--data-dir");
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == option && i + 1 < arguments.size()) {
            return arguments[i + 1];
        }
        if (argument.startsWith(option + QLatin1Char('='))) {
            return argument.mid(option.size() + 1);
        }
    }
    return {};
}

bool holdsSuiteSettings(const QString& folder) {
    const QDir dir(folder);
    for (const char* name : kSuiteSettingsFiles) {
        if (QFileInfo(dir.filePath(QString::fromLatin1(name))).isFile()) {
            return true;
        }
    }
    return false;
}

bool isWritableFolder(const QString& folder) {
    return !folder.isEmpty() && ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) == 0;
}

std::filesystem::path toPath(const QString& folder) {
    return std::filesystem::path(QFile::encodeName(QDir(folder).absolutePath()).toStdString());
}

}  // namespace

ProgramFolderChoice chooseProgramFolder(const QStringList& arguments) {
    return chooseRequestedProgramFolder(dataDirArgument(arguments));
}

ProgramFolderChoice chooseRequestedProgramFolder(const QString& requestedFolder) {
    QString folder = requestedFolder;
    if (folder.isEmpty()) {
        const QString executableFolder = QCoreApplication::applicationDirPath();
        if (isWritableFolder(executableFolder) && holdsSuiteSettings(executableFolder)) {
            folder = executableFolder;
        } else {
            const QString personal =
                QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
            if (personal.isEmpty()) {
                return {{}, "No folder for personal data is known (HOME is not set)"};
            }
            folder = personal + QStringLiteral("/Coinwell");
        }
    }
    ProgramFolderChoice choice{toPath(folder), {}};
    std::error_code error;
    const auto status = std::filesystem::status(choice.folder, error);
    if (std::filesystem::exists(status) && !std::filesystem::is_directory(status)) {
        choice.problem = "It is a file, not a folder";
        return choice;
    }
    if (!std::filesystem::exists(status)) {
        std::filesystem::create_directories(choice.folder, error);
        if (error) {
            choice.problem = "It could not be created: " + error.message();
            return choice;
        }
    }
    std::filesystem::current_path(choice.folder, error);
    if (error) {
        choice.problem = "It cannot be opened: " + error.message();
        return choice;
    }
    chosenFolder() = choice.folder;
    return choice;
}

MessageRequest unusableProgramFolderMessage(const ProgramFolderChoice& choice) {
    return {"Coinwell cannot keep its settings and budget files in the folder\r" +
                choice.folder.string() + "\r" + choice.problem +
                ".\r\rStart Coinwell with --data-dir and a folder it can use.",
            "Coinwell", MessageIcon::Critical, MessageButtons::Ok, Answer::Ok};
}

std::filesystem::path programFolder() {
    return chosenFolder();
}

void restoreProgramFolder() {
    if (!chosenFolder().empty()) {
        std::error_code error;
        std::filesystem::current_path(chosenFolder(), error);
    }
}

QStringList installationFolders() {
    QStringList folders;
    folders.append(chosenFolder().empty() ? QDir::currentPath()
                                          : toQString(chosenFolder().string()));
    const QString environment = qEnvironmentVariable("COINWELL_SHARE_DIR");
    if (!environment.isEmpty()) {
        folders.append(environment);
        return folders;
    }
    if (QCoreApplication::instance()) {
        // Installed (under any prefix) the data is in ../share/coinwell; in a build tree the
        // program is build/src/app/coinwell and the data build/share/coinwell.
        QDir above(QCoreApplication::applicationDirPath());
        QString beside =
            QDir::cleanPath(above.absoluteFilePath(QStringLiteral("../share/coinwell")));
        while (!above.isRoot() && above.cdUp()) {
            const QString candidate = above.absoluteFilePath(QStringLiteral("share/coinwell"));
            if (QFileInfo(candidate).isDir()) {
                beside = candidate;
                break;
            }
        }
        folders.append(beside);
    }
#ifdef COINWELL_SHARE_DIR
    const QString installed = QStringLiteral(COINWELL_SHARE_DIR);
    if (!folders.contains(installed)) {
        folders.append(installed);
    }
#endif
    return folders;
}

QString findInstallationFile(const QString& name) {
    for (const QString& folder : installationFolders()) {
        const QFileInfo candidate(QDir(folder).filePath(name));
        if (candidate.isFile()) {
            return candidate.absoluteFilePath();
        }
    }
    return {};
}

}  // namespace coinwell
