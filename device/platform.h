// The only door from the device link to the operating system: present
// drives, drive type, volume label, and files opened for uncached reading or
// for synchronous writing. One implementation is installed process-wide; it
// defaults to the operating system's, tests install a substitute.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace platform {

// Drive types as the Windows volume API numbers them.
enum DriveType : unsigned {
    drive_unknown = 0,
    drive_no_root = 1,
    drive_removable = 2,
    drive_fixed = 3,
};

class File {
public:
    virtual ~File() = default;
    // Positions the next read or write, counted from the start of the file.
    virtual bool seek(uint32_t offset) = 0;
    // One read request; `got` receives the count delivered.
    virtual bool read(void *dst, uint32_t len, uint32_t *got) = 0;
    // One write request; `written` receives the count written.
    virtual bool write(const void *src, uint32_t len, uint32_t *written) = 0;
};

class Platform {
public:
    virtual ~Platform() = default;
    // Bit mask of present drive letters, bit 0 = 'A'.
    virtual uint32_t present_drives() = 0;
    virtual unsigned drive_type(char letter) = 0;
    // Copies the volume label, NUL-terminated, into `label` of `size` bytes.
    virtual bool volume_label(char letter, char *label, size_t size) = 0;
    // Where the drive's files are, for messages ("/media/user/STICK");
    // empty where the letter is the drive's only name.
    virtual std::string drive_location(char) { return std::string(); }
    // Opens an existing file for reads that bypass every cache. Paths have the
    // form "X:\NAME". Null on failure.
    virtual std::unique_ptr<File> open_read(const char *path) = 0;
    // Creates or truncates a file whose writes reach the device before they
    // return. Null on failure.
    virtual std::unique_ptr<File> create_write(const char *path) = 0;
};

// The installed implementation.
Platform &current();
// Installs `p` (not owned) for the whole process; null restores the
// operating system's layer.
void install(Platform *p);
// The operating system's layer.
Platform &system();

// Splits "X:\NAME" into its letter and file name; false for any other form.
bool split_drive_path(const char *path, char *letter, const char **name);

} // namespace platform
