#include "shell/ui/help_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace coinwell {

QString findInstalledFile(const QString& relativePath) {
    if (relativePath.isEmpty())
        return {};
    QStringList folders{QDir::currentPath()};
    const QString share = qEnvironmentVariable("COINWELL_SHARE_DIR");
    if (!share.isEmpty())
        folders << share;
    if (QCoreApplication::instance())
        folders << QCoreApplication::applicationDirPath() + QStringLiteral("/../share/coinwell");
    for (const QString& folder : folders) {
        const QFileInfo candidate(QDir(folder), relativePath);
        if (candidate.isFile())
            return candidate.absoluteFilePath();
    }
    return {};
}

}  // namespace coinwell
