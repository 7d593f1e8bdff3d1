// The Windows layer: the volume and file calls of the Win32 API, used as the
// reader expects (unbuffered reads, exclusive writes).
#include "device/platform.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstring>

namespace platform {

namespace {

class WindowsFile : public File {
public:
    explicit WindowsFile(HANDLE h) : h_(h) {}
    ~WindowsFile() override { CloseHandle(h_); }

    bool seek(uint32_t offset) override
    {
        // Low 32 bits only, from the start of the file.
        return SetFilePointer(h_, LONG(offset), nullptr, FILE_BEGIN) != INVALID_SET_FILE_POINTER;
    }

    bool read(void *dst, uint32_t len, uint32_t *got) override
    {
        DWORD n = 0;
        const BOOL ok = ReadFile(h_, dst, len, &n, nullptr);
        *got = n;
        return ok != FALSE;
    }

    bool write(const void *src, uint32_t len, uint32_t *written) override
    {
        DWORD n = 0;
        const BOOL ok = WriteFile(h_, src, len, &n, nullptr);
        *written = n;
        return ok != FALSE;
    }

private:
    HANDLE h_;
};

class WindowsPlatform : public Platform {
public:
    uint32_t present_drives() override { return uint32_t(GetLogicalDrives()); }

    unsigned drive_type(char letter) override
    {
        const char root[3] = {letter, ':', '\0'};
        return unsigned(GetDriveTypeA(root));
    }

    bool volume_label(char letter, char *label, size_t size) override
    {
        const char root[3] = {letter, ':', '\0'};
        return GetVolumeInformationA(root, label, DWORD(size), nullptr, nullptr, nullptr, nullptr, 0) != FALSE;
    }

    std::unique_ptr<File> open_read(const char *path) override
    {
        HANDLE h = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_EXISTING, FILE_FLAG_NO_BUFFERING, nullptr);
        if (h == INVALID_HANDLE_VALUE)
            return nullptr;
        return std::unique_ptr<File>(new WindowsFile(h));
    }

    std::unique_ptr<File> create_write(const char *path) override
    {
        HANDLE h = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        if (h == INVALID_HANDLE_VALUE)
            return nullptr;
        return std::unique_ptr<File>(new WindowsFile(h));
    }
};

} // namespace

Platform &system()
{
    static WindowsPlatform os;
    return os;
}

} // namespace platform
