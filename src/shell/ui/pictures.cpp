#include "shell/ui/pictures.h"

#include <QDir>
#include <QFileInfo>

namespace coinwell {

QString installationFilePath(const QString& fileName) {
    if (fileName.isEmpty()) {
        return {};
    }
    if (QFileInfo(fileName).isFile()) {
        return QDir::current().absoluteFilePath(fileName);
    }
    const QByteArray share = qgetenv("COINWELL_SHARE_DIR");
    if (!share.isEmpty()) {
        const QString candidate = QDir(QString::fromLocal8Bit(share)).filePath(fileName);
        if (QFileInfo(candidate).isFile()) {
            return candidate;
        }
    }
#ifdef COINWELL_SHARE_DIR_DEFAULT
    const QString installed = QDir(QStringLiteral(COINWELL_SHARE_DIR_DEFAULT)).filePath(fileName);
    if (QFileInfo(installed).isFile()) {
        return installed;
    }
#endif
    return {};
}

QPixmap loadInstallationPicture(const std::string& fileName) {
    const QString path = installationFilePath(QString::fromStdString(fileName));
    if (path.isEmpty()) {
        return {};
    }
    return QPixmap(path);
}

}  // namespace coinwell
