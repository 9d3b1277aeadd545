#pragma once
// The places a user picks a folder from, as a drive list offers them: the root folder, the home
// folder, and the volumes mounted where removable media and extra disks go (/media, /mnt,
// /run/media). Paths are UTF-8 and absolute.

#include <string>
#include <string_view>
#include <vector>

namespace coinwell {

// A mounted file system as the system lists it.
struct MountedVolume {
    std::string rootPath;        // "/media/anna/STICK"
    std::string name;            // the volume's label; may be empty
    std::string fileSystemType;  // "vfat", "ext4", "autofs", ...
};

struct StoragePlace {
    std::string root;   // the folder at the top of the folder list
    std::string label;  // as the list shows it: "/media/anna/STICK [STICK]"

    bool operator==(const StoragePlace&) const = default;
};

// The root folder, then the home folder (when it is another folder), then every volume mounted
// under /media, /mnt or /run/media in the order of their paths; each folder once. Automounter
// placeholders, memory file systems and read-only images are left out.
std::vector<StoragePlace> placesToOffer(std::string_view home,
                                        const std::vector<MountedVolume>& volumes);

// The place whose root holds folder most closely (the longest root that is folder itself or one
// of its parents); -1 when none does.
int placeHolding(const std::vector<StoragePlace>& places, std::string_view folder);

}  // namespace coinwell
