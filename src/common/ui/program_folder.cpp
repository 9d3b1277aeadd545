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

std::filesystem::path chooseProgramFolder(const QStringList& arguments) {
    QString folder = dataDirArgument(arguments);
    if (folder.isEmpty()) {
        const QString executableFolder = QCoreApplication::applicationDirPath();
        if (isWritableFolder(executableFolder) && holdsSuiteSettings(executableFolder)) {
            folder = executableFolder;
        } else {
            folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                     QStringLiteral("/Coinwell");
        }
    }
    QDir().mkpath(folder);
    const std::filesystem::path path = toPath(folder);
    std::error_code error;
    std::filesystem::current_path(path, error);
    if (error) {
        return {};
    }
    chosenFolder() = path;
    return path;
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

QString findInstallationFile(const QString& name) {
    QStringList folders;
    folders.append(chosenFolder().empty() ? QDir::currentPath()
                                          : toQString(chosenFolder().string()));
    const QString environment = qEnvironmentVariable("COINWELL_SHARE_DIR");
    if (!environment.isEmpty()) {
        folders.append(environment);
    }
#ifdef COINWELL_SHARE_DIR
    folders.append(QStringLiteral(COINWELL_SHARE_DIR));
#endif
    if (QCoreApplication::instance()) {
        // Installed under another prefix than the one it was built for.
        folders.append(QCoreApplication::applicationDirPath() +
                       QStringLiteral("/../share/coinwell"));
    }
    for (const QString& folder : folders) {
        const QFileInfo candidate(QDir(folder).filePath(name));
        if (candidate.isFile()) {
            return candidate.absoluteFilePath();
        }
    }
    return {};
}

}  // namespace coinwell
