// The Linux layer: drive letters for mounted removable volumes, uncached
// reads, synchronous writes. Its parsing pieces are exposed for tests.
#pragma once

#include "device/platform.h"

#include <mutex>
#include <string>
#include <vector>

namespace platform {

struct MountEntry {
    unsigned major = 0;
    unsigned minor = 0;
    std::string mount_point;
    std::string fs_type;
    std::string source;
};

// Parses /proc/self/mountinfo text; octal escapes in paths are decoded.
std::vector<MountEntry> parse_mountinfo(const std::string &text);
// True when the block device (major:minor) under `sys_root` ("/sys") is a
// removable disk or a partition of one, or sits on the USB bus.
bool is_removable_block(const std::string &sys_root, unsigned major, unsigned minor);
// Splits a colon-separated list of folders (QUORVEL_DRIVES), dropping empties.
std::vector<std::string> split_drive_list(const std::string &value);

struct LinuxDrive {
    char letter;
    std::string root;    // folder the drive's files live in
    std::string label;
};

class LinuxPlatform : public Platform {
public:
    // Folders of QUORVEL_DRIVES are lettered first; detected removable
    // volumes follow unless QUORVEL_NO_DETECT is set.
    LinuxPlatform();

    uint32_t present_drives() override;
    unsigned drive_type(char letter) override;
    bool volume_label(char letter, char *label, size_t size) override;
    std::string drive_location(char letter) override;
    std::unique_ptr<File> open_read(const char *path) override;
    std::unique_ptr<File> create_write(const char *path) override;

    std::vector<LinuxDrive> drives();

private:
    void refresh();                                   // caller holds mutex_
    bool find(char letter, LinuxDrive *drive);        // refreshes once when unknown
    bool resolve(const char *path, std::string *full);

    std::mutex mutex_;
    std::vector<LinuxDrive> drives_;
    bool loaded_ = false;
};

} // namespace platform
