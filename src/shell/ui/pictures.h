#pragma once
// Installation pictures (the wallpapers "WP1.jpg" … "WP16.jpg"): looked up by bare name in the
// program folder, then in the installed share folder. A missing or unreadable file gives a null
// picture and nothing else happens.

#include <QPixmap>
#include <QSize>
#include <QString>

#include <string>

namespace coinwell {

QString installationFilePath(const QString& fileName);
QPixmap loadInstallationPicture(const std::string& fileName);
// The picture read straight at a smaller size (thumbnails).
QPixmap loadInstallationPicture(const std::string& fileName, const QSize& size);

}  // namespace coinwell
