#include "shell/ui/pictures.h"

#include <QImageReader>

#include "common/ui/program_folder.h"
#include "common/ui/qt_text.h"

namespace coinwell {

QString installationFilePath(const QString& fileName) {
    if (fileName.isEmpty()) {
        return {};
    }
    return findInstallationFile(fileName);
}

QPixmap loadInstallationPicture(const std::string& fileName) {
    const QString path = installationFilePath(toQString(fileName));
    if (path.isEmpty()) {
        return {};
    }
    return QPixmap(path);
}

}  // namespace coinwell

namespace coinwell {

QPixmap loadInstallationPicture(const std::string& fileName, const QSize& size) {
    const QString path = installationFilePath(toQString(fileName));
    if (path.isEmpty()) {
        return {};
    }
    QImageReader reader(path);
    reader.setScaledSize(size);
    return QPixmap::fromImage(reader.read());
}

}  // namespace coinwell
