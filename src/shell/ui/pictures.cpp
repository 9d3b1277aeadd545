#include "shell/ui/pictures.h"

#include "common/ui/program_folder.h"

namespace coinwell {

QString installationFilePath(const QString& fileName) {
    if (fileName.isEmpty()) {
        return {};
    }
    return findInstallationFile(fileName);
}

QPixmap loadInstallationPicture(const std::string& fileName) {
    const QString path = installationFilePath(QString::fromStdString(fileName));
    if (path.isEmpty()) {
        return {};
    }
    return QPixmap(path);
}

}  // namespace coinwell
