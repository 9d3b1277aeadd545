#include "common/core/storage_places.h"

#include <algorithm>

namespace coinwell {

namespace {

bool isSameOrInside(std::string_view folder, std::string_view root) {
    if (root == "/") {
        return !folder.empty() && folder.front() == '/';
    }
    return folder == root ||
           (folder.size() > root.size() && folder.starts_with(root) && folder[root.size()] == '/');
}

bool isRemovableMountPoint(std::string_view path) {
    for (const std::string_view area : {"/media", "/mnt", "/run/media"}) {
        if (isSameOrInside(path, area)) {
            return true;
        }
    }
    return false;
}

// File systems nobody keeps a file on: automounter placeholders (the volume mounted over them is
// listed instead), memory that is gone at the next start, and the system's own views.
bool isUsableFileSystem(std::string_view type) {
    for (const std::string_view unusable : {"autofs", "tmpfs", "ramfs", "proc", "sysfs", "devtmpfs",
                                            "devpts", "cgroup", "cgroup2", "squashfs", "overlay"}) {
        if (type == unusable) {
            return false;
        }
    }
    return true;
}

std::string lastComponent(std::string_view path) {
    const std::size_t slash = path.find_last_of('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

}  // namespace

std::vector<StoragePlace> placesToOffer(std::string_view home,
                                        const std::vector<MountedVolume>& volumes) {
    std::vector<StoragePlace> places;
    auto listed = [&places](std::string_view root) {
        return std::any_of(places.begin(), places.end(),
                           [root](const StoragePlace& place) { return place.root == root; });
    };
    places.push_back({"/", "/ [System]"});
    if (!home.empty() && home.front() == '/' && !listed(home)) {
        places.push_back({std::string(home), std::string(home) + " [Home]"});
    }

    std::vector<MountedVolume> removable;
    for (const MountedVolume& volume : volumes) {
        if (isUsableFileSystem(volume.fileSystemType) && isRemovableMountPoint(volume.rootPath)) {
            removable.push_back(volume);
        }
    }
    std::sort(
        removable.begin(), removable.end(),
        [](const MountedVolume& a, const MountedVolume& b) { return a.rootPath < b.rootPath; });
    for (const MountedVolume& volume : removable) {
        if (listed(volume.rootPath)) {
            continue;
        }
        const std::string name = volume.name.empty() ? lastComponent(volume.rootPath) : volume.name;
        places.push_back({volume.rootPath, volume.rootPath + " [" + name + "]"});
    }
    return places;
}

int placeHolding(const std::vector<StoragePlace>& places, std::string_view folder) {
    int best = -1;
    std::size_t bestLength = 0;
    for (std::size_t i = 0; i < places.size(); ++i) {
        const std::string& root = places[i].root;
        if (isSameOrInside(folder, root) && (best < 0 || root.size() > bestLength)) {
            best = static_cast<int>(i);
            bestLength = root.size();
        }
    }
    return best;
}

}  // namespace coinwell
