// The Windows layer: the volume and file calls of the Win32 API, used as the
// reader expects. Reads bypass the cache (FILE_FLAG_NO_BUFFERING), which
// obliges buffer address, length and position to be whole sectors of the
// volume; callers' buffers are not, so reads bounce through sector-aligned
// memory. Command writes go through to the device and are flushed before the
// call returns, so the reader has acted on them before the next read.
#include "device/platform.h"
#include "device/platform_windows_calls.h"

#include <algorithm>
#include <cstring>

namespace platform {

namespace {

Win32Calls system_calls()
{
    return {&::GetLogicalDrives, &::GetDriveTypeA,    &::GetVolumeInformationA, &::GetDiskFreeSpaceA,
            &::SetThreadErrorMode, &::CreateFileA,    &::SetFilePointerEx,      &::ReadFile,
            &::WriteFile,        &::FlushFileBuffers, &::CloseHandle,          &::VirtualAlloc,
            &::VirtualFree};
}

#ifdef QUORVEL_WIN32_CALLS
Win32Calls calls = system_calls();
#else
const Win32Calls calls = system_calls();
#endif

// Used when the volume does not say: a multiple of every common sector size.
constexpr DWORD kFallbackSector = 4096;

// An empty card slot or a drive without medium must not raise "There is no
// disk in the drive" while we only look.
class QuietErrors {
public:
    QuietErrors() { ok_ = calls.set_thread_error_mode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &old_); }
    ~QuietErrors()
    {
        if (ok_)
            calls.set_thread_error_mode(old_, nullptr);
    }
    QuietErrors(const QuietErrors &) = delete;
    QuietErrors &operator=(const QuietErrors &) = delete;

private:
    DWORD old_ = 0;
    BOOL ok_ = FALSE;
};

struct Root {
    char text[4];
    explicit Root(char letter) : text{letter, ':', '\\', '\0'} {}
};

DWORD sector_size(char letter)
{
    DWORD per_cluster = 0, bytes = 0, free_clusters = 0, clusters = 0;
    const Root root(letter);
    if (!calls.get_disk_free_space(root.text, &per_cluster, &bytes, &free_clusters, &clusters) || bytes == 0 ||
        (bytes & (bytes - 1)) != 0)
        return kFallbackSector;
    return bytes;
}

class Bounce {
public:
    explicit Bounce(SIZE_T size) : p_(calls.virtual_alloc(nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {}
    ~Bounce()
    {
        if (p_)
            calls.virtual_free(p_, 0, MEM_RELEASE);
    }
    Bounce(const Bounce &) = delete;
    Bounce &operator=(const Bounce &) = delete;
    unsigned char *get() const { return static_cast<unsigned char *>(p_); }

private:
    void *p_;
};

class WindowsFile : public File {
public:
    // `sector` is 0 for a handle opened without FILE_FLAG_NO_BUFFERING.
    WindowsFile(HANDLE h, DWORD sector) : h_(h), sector_(sector) {}
    ~WindowsFile() override { calls.close_handle(h_); }

    bool seek(uint32_t offset) override
    {
        pos_ = offset;
        return position(sector_ ? pos_ - pos_ % sector_ : pos_);
    }

    bool read(void *dst, uint32_t len, uint32_t *got) override
    {
        *got = 0;
        const bool aligned = !sector_ || (reinterpret_cast<uintptr_t>(dst) % sector_ == 0 && len % sector_ == 0 &&
                                          pos_ % sector_ == 0);
        if (aligned) {
            if (!read_at(pos_, dst, len, got))
                return false;
            pos_ += *got;
            return true;
        }
        const uint64_t start = pos_ - pos_ % sector_;
        const uint64_t lead = pos_ - start;
        const uint64_t span = (lead + len + sector_ - 1) / sector_ * sector_;
        if (span > MAXDWORD)
            return false;
        Bounce bounce{SIZE_T(span)};
        if (!bounce.get())
            return false;
        uint32_t have = 0;
        if (!read_at(start, bounce.get(), uint32_t(span), &have))
            return false;
        if (have > lead)
            *got = uint32_t(std::min<uint64_t>(len, have - lead));
        std::memcpy(dst, bounce.get() + lead, *got);
        pos_ += *got;
        return true;
    }

    bool write(const void *src, uint32_t len, uint32_t *written) override
    {
        DWORD n = 0;
        const BOOL ok = calls.write_file(h_, src, len, &n, nullptr);
        *written = n;
        // Write-through alone may leave the command in the drive's own cache.
        const BOOL flushed = calls.flush_file_buffers(h_);
        return ok && flushed;
    }

private:
    bool position(uint64_t at)
    {
        LARGE_INTEGER li;
        li.QuadPart = LONGLONG(at);
        return calls.set_file_pointer_ex(h_, li, nullptr, FILE_BEGIN) != FALSE;
    }

    bool read_at(uint64_t at, void *dst, uint32_t len, uint32_t *got)
    {
        if (!position(at))
            return false;
        DWORD n = 0;
        const BOOL ok = calls.read_file(h_, dst, len, &n, nullptr);
        *got = n;
        return ok != FALSE;
    }

    HANDLE h_;
    DWORD sector_;
    uint64_t pos_ = 0;
};

class WindowsPlatform : public Platform {
public:
    uint32_t present_drives() override { return uint32_t(calls.get_logical_drives()); }

    unsigned drive_type(char letter) override
    {
        QuietErrors quiet;
        return unsigned(calls.get_drive_type(Root(letter).text));
    }

    bool volume_label(char letter, char *label, size_t size) override
    {
        if (!size)
            return false;
        QuietErrors quiet;
        if (calls.get_volume_information(Root(letter).text, label, DWORD(size), nullptr, nullptr, nullptr, nullptr,
                                         0))
            return true;
        label[0] = '\0';
        return false;
    }

    std::unique_ptr<File> open_read(const char *path) override
    {
        char letter;
        const char *name;
        if (!split_drive_path(path, &letter, &name))
            return nullptr;
        QuietErrors quiet;
        const DWORD sector = sector_size(letter);
        HANDLE h = calls.create_file(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                     FILE_FLAG_NO_BUFFERING, nullptr);
        if (h == INVALID_HANDLE_VALUE)
            return nullptr;
        return std::unique_ptr<File>(new WindowsFile(h, sector));
    }

    std::unique_ptr<File> create_write(const char *path) override
    {
        QuietErrors quiet;
        HANDLE h = calls.create_file(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_FLAG_WRITE_THROUGH, nullptr);
        if (h == INVALID_HANDLE_VALUE)
            return nullptr;
        return std::unique_ptr<File>(new WindowsFile(h, 0));
    }
};

} // namespace

#ifdef QUORVEL_WIN32_CALLS
Win32Calls &win32_calls()
{
    return calls;
}
#endif

Platform &system()
{
    static WindowsPlatform os;
    return os;
}

} // namespace platform
