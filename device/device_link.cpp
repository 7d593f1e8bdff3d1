#include "device/device_link.h"

#include "device/platform.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

char current_drive_letter = 0;
char driver_label[256] = {};
char device_firmware[256] = {};

namespace {

constexpr uint32_t kAlignMask = 0x3FF;
constexpr uint32_t kBounceSize = 2048;
constexpr uint32_t kIdentityLength = 16;

bool letter_present(uint32_t mask, char letter)
{
    return (mask >> (letter - 'A')) & 1u;
}

// probe_drive(), telling the drive's type.
int probe(char letter, unsigned *type)
{
    current_drive_letter = letter;
    platform::Platform &os = platform::current();
    *type = os.drive_type(letter);
    if (*type != platform::drive_removable)
        return 0;
    // A label that cannot be read must not leave another drive's label shown.
    char label[sizeof driver_label] = {};
    if (!os.volume_label(letter, label, sizeof label))
        label[0] = '\0';
    std::memcpy(driver_label, label, sizeof label - 1);
    // Only a whole identity text confirms the reader: a stick whose
    // V-DRIVER.DMP is empty or cut short must never get our commands.
    std::memset(device_firmware, 0, kIdentityLength);
    return read_identity_file(0x8000, device_firmware, kIdentityLength) == kIdentityLength ? 1 : 0;
}

std::vector<ScannedDrive> last_scan;

// probe_drive(), remembering every drive that exists for scanned_drives().
int probe_and_note(char letter)
{
    unsigned type;
    const int found = probe(letter, &type);
    platform::Platform &os = platform::current();
    if (type != platform::drive_no_root && type != platform::drive_unknown) {
        const bool removable = type == platform::drive_removable;
        last_scan.push_back({letter, removable,
                             removable ? std::string(driver_label, strnlen(driver_label, sizeof driver_label)) : std::string(),
                             os.drive_location(letter)});
    }
    return found;
}

} // namespace

void format_device_path(char *out, size_t size, const char *name)
{
    std::memset(out, 0, size);
    std::snprintf(out, size, "%c:\\%s", current_drive_letter, name);
}

int probe_drive(char letter)
{
    unsigned type;
    return probe(letter, &type);
}

int find_reader_drive(char letter)
{
    // The remembered drive first; a reader that was re-plugged under another
    // letter, or plugged in after a failed scan, is found by scanning again.
    last_scan.clear();
    if (letter != 0 && probe_and_note(letter))
        return 1;
    const uint32_t mask = platform::current().present_drives();
    for (char l = 'D'; l <= 'Z'; ++l) {
        if (l == letter || !letter_present(mask, l))
            continue;
        if (probe_and_note(l))
            return 1;
    }
    current_drive_letter = 0;
    return 0;
}

std::vector<ScannedDrive> scanned_drives()
{
    return last_scan;
}

uint32_t read_aligned(const char *path, void *dst, uint32_t len, uint32_t offset)
{
    if (!dst)
        return 0;
    std::unique_ptr<platform::File> file = platform::current().open_read(path);
    if (!file)
        return 0;
    const uint32_t remainder = offset & kAlignMask;
    if (!file->seek(offset - remainder))
        return 0;
    uint32_t got = 0;
    if (remainder == 0 && len > kAlignMask)
        return file->read(dst, len, &got) ? got : 0;
    // Anything else goes through a bounce buffer of whole 1024-byte blocks
    // from the rounded-down position, so the data handed on start at `offset`
    // exactly, and only what the drive delivered is handed on.
    const uint64_t whole = (uint64_t(remainder) + len + kAlignMask) & ~uint64_t(kAlignMask);
    if (whole > UINT32_MAX)
        return 0;
    const uint32_t span = std::max(kBounceSize, uint32_t(whole));
    std::vector<unsigned char> bounce(span);
    if (!file->read(bounce.data(), span, &got))
        return 0;
    const uint32_t delivered = got > remainder ? std::min(len, got - remainder) : 0;
    std::memcpy(dst, bounce.data() + remainder, delivered);
    return delivered;
}

uint32_t read_identity_file(uint32_t offset, void *dst, uint32_t len)
{
    char path[260];
    format_device_path(path, sizeof path, "V-DRIVER.DMP");
    return read_aligned(path, dst, len, offset);
}

uint32_t read_data_window(uint32_t offset, void *dst, uint32_t len)
{
    char path[260];
    format_device_path(path, sizeof path, "DUMP.ROM");
    return read_aligned(path, dst, len, offset);
}

uint32_t save_file(const char *path, const void *data, uint32_t len)
{
    std::unique_ptr<platform::File> file = platform::current().create_write(path);
    if (!file)
        return 0;
    uint32_t written = 0;
    if (len && !file->write(data, len, &written))
        return 0;
    return written;
}
