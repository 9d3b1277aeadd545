#pragma once
// A drive list: the places a user picks a folder from (the root folder, the home folder and the
// mounted removable media), listed again each time the list opens so that a memory stick put in
// meanwhile shows up. Pair it with a FolderList.

#include <functional>
#include <vector>

#include <QComboBox>

#include "common/core/storage_places.h"

namespace coinwell {

class DriveList : public QComboBox {
    Q_OBJECT

  public:
    using PlaceSource = std::function<std::vector<StoragePlace>()>;

    explicit DriveList(QWidget* parent = nullptr);

    // The places of this system: its mounted volumes and the user's home folder.
    static std::vector<StoragePlace> systemPlaces();

    // Where the places come from (systemPlaces() unless set); the list is filled again at once.
    void setPlaceSource(PlaceSource source);
    // Fills the list again; the place shown stays when it is still there.
    void refresh();

    // The root folder of the place shown; empty when the list is empty.
    QString currentRoot() const;
    // Shows the place holding folder, without signalling a choice.
    void showPlaceOf(const QString& folder);

  signals:
    // The user chose a place (by mouse or keyboard), also the one already shown.
    void placeChosen(const QString& root);

  protected:
    void showPopup() override;

  private:
    void fill();

    PlaceSource source_;
    std::vector<StoragePlace> places_;
};

}  // namespace coinwell
