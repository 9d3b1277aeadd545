#include "shell/ui/help_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "common/ui/program_folder.h"

namespace coinwell {

QString findInstalledFile(const QString& relativePath) {
    if (relativePath.isEmpty())
        return {};
    if (QString found = findInstallationFile(relativePath); !found.isEmpty())
        return found;
    if (!QCoreApplication::instance())
        return {};
    const QFileInfo beside(
        QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/coinwell")),
        relativePath);
    return beside.isFile() ? beside.absoluteFilePath() : QString();
}

}  // namespace coinwell
