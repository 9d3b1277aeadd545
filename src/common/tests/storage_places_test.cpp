// The places a drive list offers and the place that holds a folder.

#include <gtest/gtest.h>

#include "common/core/storage_places.h"

namespace coinwell {
namespace {

TEST(StoragePlaces, RootHomeAndRemovableMediaInPathOrder) {
    const std::vector<MountedVolume> volumes = {
        {"/", "", "ext4"},
        {"/boot/efi", "", "vfat"},
        {"/run/user/1000", "", "tmpfs"},
        {"/media/anna/STICK", "STICK", "vfat"},
        {"/mnt/backup", "", "ext4"},
        {"/media/anna/CARD 2", "", "exfat"},
        {"/run/media/anna/PHOTOS", "PHOTOS", "vfat"},
        {"/home", "", "ext4"},
        {"/mediathek", "", "ext4"},
    };
    EXPECT_EQ(placesToOffer("/home/anna", volumes),
              (std::vector<StoragePlace>{
                  {"/", "/ [System]"},
                  {"/home/anna", "/home/anna [Home]"},
                  {"/media/anna/CARD 2", "/media/anna/CARD 2 [CARD 2]"},
                  {"/media/anna/STICK", "/media/anna/STICK [STICK]"},
                  {"/mnt/backup", "/mnt/backup [backup]"},
                  {"/run/media/anna/PHOTOS", "/run/media/anna/PHOTOS [PHOTOS]"},
              }));
}

TEST(StoragePlaces, EachFolderOnceAndNothingThatCannotKeepABackup) {
    const std::vector<MountedVolume> volumes = {
        {"/mnt/nas", "", "autofs"},    {"/mnt/nas", "", "nfs4"},
        {"/mnt/nas", "", "nfs4"},      {"/media/cdrom", "", "autofs"},
        {"/mnt/scratch", "", "tmpfs"}, {"/media/snap", "", "squashfs"},
        {"/mnt/ram", "", "ramfs"},
    };
    EXPECT_EQ(placesToOffer("/", volumes),
              (std::vector<StoragePlace>{{"/", "/ [System]"}, {"/mnt/nas", "/mnt/nas [nas]"}}));
    EXPECT_EQ(placesToOffer("", {}), (std::vector<StoragePlace>{{"/", "/ [System]"}}));
}

TEST(StoragePlaces, FolderBelongsToTheClosestPlace) {
    const std::vector<StoragePlace> places = {{"/", "/"},
                                              {"/home/anna", "home"},
                                              {"/media/anna/STICK", "stick"},
                                              {"/media/anna/STICK2", "stick 2"}};
    EXPECT_EQ(placeHolding(places, "/home/anna/.local/share/Coinwell"), 1);
    EXPECT_EQ(placeHolding(places, "/home/anna"), 1);
    EXPECT_EQ(placeHolding(places, "/home/annabel"), 0);
    EXPECT_EQ(placeHolding(places, "/media/anna/STICK2/Budget"), 3);
    EXPECT_EQ(placeHolding(places, "/media/anna/STICK"), 2);
    EXPECT_EQ(placeHolding(places, "/opt/coinwell"), 0);
    EXPECT_EQ(placeHolding(places, "relative"), -1);
    EXPECT_EQ(placeHolding({{"/home/anna", "home"}}, "/tmp"), -1);
}

}  // namespace
}  // namespace coinwell
