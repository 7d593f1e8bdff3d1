// The device link: finding the reader among the drives, reading its identity
// file and data window, and writing files. Failures are reported as 0.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Process-wide state of the link.
extern char current_drive_letter;   // letter of every device path, 0 = none yet
extern char driver_label[256];      // volume label of the drive probed last
extern char device_firmware[256];   // identity text read at 0x8000 (16 bytes used)

int find_reader_drive(char letter);

// A drive that the last find_reader_drive() looked at, so that a failed
// search can tell the user where it looked.
struct ScannedDrive {
    char letter;
    bool removable;          // only removable drives can be the reader
    std::string label;       // as read while probing; empty for others
    std::string location;    // the platform's name for it, if any
};
// The drives of the last search, in the order probed.
std::vector<ScannedDrive> scanned_drives();
// A removable drive whose V-DRIVER.DMP holds a whole identity text at 0x8000.
int probe_drive(char letter);

// Reads `len` bytes from `offset` on, uncached; returns the count delivered
// from `offset` on (short at the end of the file), 0 on failure.
uint32_t read_aligned(const char *path, void *dst, uint32_t len, uint32_t offset);
uint32_t read_identity_file(uint32_t offset, void *dst, uint32_t len);
uint32_t read_data_window(uint32_t offset, void *dst, uint32_t len);
uint32_t save_file(const char *path, const void *data, uint32_t len);

// Formats "%c:\NAME" for the current drive into `out` (zero-filled first).
void format_device_path(char *out, size_t size, const char *name);
