#include "common/ui/drive_list.h"

#include <QDir>
#include <QSignalBlocker>
#include <QStorageInfo>

#include "common/ui/qt_text.h"

namespace coinwell {

DriveList::DriveList(QWidget* parent) : QComboBox(parent), source_(&DriveList::systemPlaces) {
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (index >= 0 && index < static_cast<int>(places_.size())) {
            emit placeChosen(toQString(places_[static_cast<std::size_t>(index)].root));
        }
    });
    fill();
}

std::vector<StoragePlace> DriveList::systemPlaces() {
    std::vector<MountedVolume> volumes;
    for (const QStorageInfo& storage : QStorageInfo::mountedVolumes()) {
        volumes.push_back({storage.rootPath().toStdString(), storage.name().toStdString(),
                           QString::fromLatin1(storage.fileSystemType()).toStdString()});
    }
    return placesToOffer(QDir::homePath().toStdString(), volumes);
}

void DriveList::setPlaceSource(PlaceSource source) {
    source_ = std::move(source);
    refresh();
}

void DriveList::refresh() {
    const QString shown = currentRoot();
    fill();
    if (!shown.isEmpty()) {
        showPlaceOf(shown);
    }
}

void DriveList::fill() {
    const QSignalBlocker quiet(this);
    places_ = source_ ? source_() : std::vector<StoragePlace>{};
    clear();
    for (const StoragePlace& place : places_) {
        addItem(toQString(place.label));
    }
}

QString DriveList::currentRoot() const {
    const int index = currentIndex();
    if (index < 0 || index >= static_cast<int>(places_.size())) {
        return {};
    }
    return toQString(places_[static_cast<std::size_t>(index)].root);
}

void DriveList::showPlaceOf(const QString& folder) {
    const int index = placeHolding(places_, folder.toStdString());
    if (index >= 0) {
        const QSignalBlocker quiet(this);
        setCurrentIndex(index);
    }
}

void DriveList::showPopup() {
    refresh();
    QComboBox::showPopup();
}

}  // namespace coinwell
