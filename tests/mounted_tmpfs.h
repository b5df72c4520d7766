#pragma once

#include <sys/mount.h>

#include <filesystem>
#include <string>

#include "scratch_dir.h"

namespace brivonce::testing {

// A small tmpfs mounted on a scratch folder, to make a disk full or read-only
// for real. Needs root; `mounted()` is false elsewhere and the test skips.
class MountedTmpfs {
public:
    explicit MountedTmpfs(const std::string& options) {
        mounted_ = ::mount("tmpfs", dir_.path().c_str(), "tmpfs", 0, options.c_str()) == 0;
    }
    ~MountedTmpfs() {
        if (mounted_) {
            ::umount2(dir_.path().c_str(), MNT_DETACH);
        }
    }
    MountedTmpfs(const MountedTmpfs&) = delete;
    MountedTmpfs& operator=(const MountedTmpfs&) = delete;

    bool mounted() const { return mounted_; }
    void MakeReadOnly() {
        mounted_ =
            ::mount("tmpfs", dir_.path().c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0 &&
            mounted_;
    }
    const std::filesystem::path& path() const { return dir_.path(); }

private:
    ScratchDir dir_;
    bool mounted_ = false;
};

}  // namespace brivonce::testing
