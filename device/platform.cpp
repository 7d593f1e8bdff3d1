#include "device/platform.h"

#include <atomic>
#include <cctype>

namespace platform {

namespace {
std::atomic<Platform *> installed{nullptr};
}

Platform &current()
{
    Platform *p = installed.load(std::memory_order_acquire);
    return p ? *p : system();
}

void install(Platform *p)
{
    installed.store(p, std::memory_order_release);
}

bool split_drive_path(const char *path, char *letter, const char **name)
{
    if (!path || !std::isalpha(static_cast<unsigned char>(path[0])) || path[1] != ':' ||
        (path[2] != '\\' && path[2] != '/') || path[3] == '\0')
        return false;
    *letter = char(std::toupper(static_cast<unsigned char>(path[0])));
    *name = path + 3;
    return true;
}

} // namespace platform
