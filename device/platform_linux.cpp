#include "device/platform_linux.h"

#include <algorithm>
#include <cctype>
#include <dirent.h>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr size_t kDirectAlign = 4096;

std::string unescape_octal(const std::string &s)
{
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 3 < s.size() && std::isdigit(static_cast<unsigned char>(s[i + 1])) &&
            std::isdigit(static_cast<unsigned char>(s[i + 2])) &&
            std::isdigit(static_cast<unsigned char>(s[i + 3]))) {
            out += char((s[i + 1] - '0') * 64 + (s[i + 2] - '0') * 8 + (s[i + 3] - '0'));
            i += 3;
        } else {
            out += s[i];
        }
    }
    return out;
}

std::string read_text(const std::string &path)
{
    std::ifstream in(path);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

std::string real_path(const std::string &path)
{
    char *r = ::realpath(path.c_str(), nullptr);
    if (!r)
        return std::string();
    std::string out(r);
    std::free(r);
    return out;
}

// udev writes blanks and other odd bytes of labels as \xNN.
std::string unescape_udev(const std::string &s)
{
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 3 < s.size() && s[i + 1] == 'x' &&
            std::isxdigit(static_cast<unsigned char>(s[i + 2])) &&
            std::isxdigit(static_cast<unsigned char>(s[i + 3]))) {
            out += char(std::strtol(s.substr(i + 2, 2).c_str(), nullptr, 16));
            i += 3;
        } else {
            out += s[i];
        }
    }
    return out;
}

std::string label_of_device(const std::string &source)
{
    const std::string device = real_path(source);
    if (device.empty())
        return std::string();
    const std::string dir = "/dev/disk/by-label";
    std::unique_ptr<DIR, int (*)(DIR *)> d(::opendir(dir.c_str()), ::closedir);
    if (!d)
        return std::string();
    while (dirent *e = ::readdir(d.get())) {
        if (e->d_name[0] == '.')
            continue;
        if (real_path(dir + "/" + e->d_name) == device)
            return unescape_udev(e->d_name);
    }
    return std::string();
}

std::string base_name(std::string path)
{
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

class LinuxFile : public File {
public:
    LinuxFile(int fd, bool direct) : fd_(fd), direct_(direct) {}
    ~LinuxFile() override { ::close(fd_); }

    bool seek(uint32_t offset) override
    {
        pos_ = offset;
        return true;
    }

    bool read(void *dst, uint32_t len, uint32_t *got) override
    {
        *got = 0;
        if (direct_) {
            const int r = read_direct(static_cast<char *>(dst), len, got);
            if (r >= 0)
                return r == 1;
            // The filesystem refused direct I/O for this request: fall back.
            direct_ = false;
            ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) & ~O_DIRECT);
        }
        // Without direct I/O, drop whatever the kernel cached of the file
        // so the read reaches the device.
        ::posix_fadvise(fd_, 0, 0, POSIX_FADV_DONTNEED);
        return read_all(static_cast<char *>(dst), len, pos_, got);
    }

    bool write(const void *src, uint32_t len, uint32_t *written) override
    {
        *written = 0;
        const char *p = static_cast<const char *>(src);
        while (*written < len) {
            const ssize_t n = ::pwrite(fd_, p + *written, len - *written, off_t(pos_) + *written);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return false;
            *written += uint32_t(n);
        }
        // O_SYNC already waits for the device; fdatasync covers filesystems
        // that treat it loosely.
        return ::fdatasync(fd_) == 0 || errno == EINVAL;
    }

private:
    bool read_all(char *dst, uint32_t len, uint64_t at, uint32_t *got)
    {
        while (*got < len) {
            const ssize_t n = ::pread(fd_, dst + *got, len - *got, off_t(at + *got));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                return false;
            if (n == 0)
                break;
            *got += uint32_t(n);
        }
        return true;
    }

    // 1 success, 0 failure, -1 direct I/O refused.
    int read_direct(char *dst, uint32_t len, uint32_t *got)
    {
        const bool aligned = reinterpret_cast<uintptr_t>(dst) % kDirectAlign == 0 &&
                             len % kDirectAlign == 0 && pos_ % 512 == 0;
        if (aligned) {
            const ssize_t first = pread_once(dst, len, pos_);
            if (first < 0)
                return errno == EINVAL ? -1 : 0;
            *got = uint32_t(first);
            if (*got < len && first > 0)
                return read_all(dst, len, pos_, got) ? 1 : 0;
            return 1;
        }
        // Unaligned caller buffers go through an aligned bounce buffer.
        const uint64_t start = pos_ & ~uint64_t(511);
        const size_t lead = size_t(pos_ - start);
        const size_t span = (lead + len + kDirectAlign - 1) / kDirectAlign * kDirectAlign;
        void *raw = nullptr;
        if (::posix_memalign(&raw, kDirectAlign, span) != 0)
            return 0;
        std::unique_ptr<char, void (*)(void *)> bounce(static_cast<char *>(raw), std::free);
        size_t have = 0;
        while (have < span) {
            const ssize_t n = pread_once(bounce.get() + have, span - have, start + have);
            if (n < 0)
                return errno == EINVAL && have == 0 ? -1 : 0;
            if (n == 0)
                break;
            have += size_t(n);
            if (have % 512)
                break;   // end of file
        }
        if (have > lead)
            *got = uint32_t(std::min<size_t>(len, have - lead));
        std::memcpy(dst, bounce.get() + lead, *got);
        return 1;
    }

    ssize_t pread_once(char *dst, size_t len, uint64_t at)
    {
        ssize_t n;
        do {
            n = ::pread(fd_, dst, len, off_t(at));
        } while (n < 0 && errno == EINTR);
        return n;
    }

    int fd_;
    bool direct_;
    uint64_t pos_ = 0;
};

} // namespace

std::vector<MountEntry> parse_mountinfo(const std::string &text)
{
    std::vector<MountEntry> out;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream f(line);
        std::vector<std::string> fields;
        std::string w;
        while (f >> w)
            fields.push_back(w);
        // id parent major:minor root mount-point options [optional...] - type source super
        const auto dash = std::find(fields.begin(), fields.end(), "-");
        if (fields.size() < 6 || dash == fields.end() || fields.end() - dash < 3)
            continue;
        MountEntry m;
        if (std::sscanf(fields[2].c_str(), "%u:%u", &m.major, &m.minor) != 2)
            continue;
        m.mount_point = unescape_octal(fields[4]);
        m.fs_type = *(dash + 1);
        m.source = unescape_octal(*(dash + 2));
        out.push_back(m);
    }
    return out;
}

bool is_removable_block(const std::string &sys_root, unsigned major, unsigned minor)
{
    if (major == 0)
        return false;   // virtual filesystems
    const std::string link = sys_root + "/dev/block/" + std::to_string(major) + ":" + std::to_string(minor);
    std::string dev = real_path(link);
    if (dev.empty())
        return false;
    struct stat st;
    if (::stat((dev + "/partition").c_str(), &st) == 0)
        dev = dev.substr(0, dev.rfind('/'));
    const std::string removable = read_text(dev + "/removable");
    if (!removable.empty() && removable[0] == '1')
        return true;
    return dev.find("/usb") != std::string::npos;
}

std::vector<std::string> split_drive_list(const std::string &value)
{
    std::vector<std::string> out;
    size_t start = 0;
    while (start <= value.size()) {
        const size_t colon = value.find(':', start);
        const std::string part = value.substr(start, colon == std::string::npos ? std::string::npos : colon - start);
        if (!part.empty())
            out.push_back(part);
        if (colon == std::string::npos)
            break;
        start = colon + 1;
    }
    return out;
}

LinuxPlatform::LinuxPlatform() = default;

void LinuxPlatform::refresh()
{
    drives_.clear();
    loaded_ = true;
    char letter = 'D';
    if (const char *env = std::getenv("QUORVEL_DRIVES")) {
        for (const std::string &dir : split_drive_list(env)) {
            if (letter > 'Z')
                return;
            drives_.push_back({letter++, dir, base_name(dir)});
        }
    }
    const char *no_detect = std::getenv("QUORVEL_NO_DETECT");
    if (no_detect && *no_detect && std::strcmp(no_detect, "0") != 0)
        return;
    std::vector<MountEntry> mounts = parse_mountinfo(read_text("/proc/self/mountinfo"));
    std::sort(mounts.begin(), mounts.end(),
              [](const MountEntry &a, const MountEntry &b) { return a.mount_point < b.mount_point; });
    for (const MountEntry &m : mounts) {
        if (letter > 'Z')
            break;
        if (!is_removable_block("/sys", m.major, m.minor))
            continue;
        drives_.push_back({letter++, m.mount_point, label_of_device(m.source)});
    }
}

bool LinuxPlatform::find(char letter, LinuxDrive *drive)
{
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (!loaded_ || attempt == 1)
            refresh();
        for (const LinuxDrive &d : drives_) {
            if (d.letter == letter) {
                *drive = d;
                return true;
            }
        }
    }
    return false;
}

std::vector<LinuxDrive> LinuxPlatform::drives()
{
    std::lock_guard<std::mutex> lock(mutex_);
    refresh();
    return drives_;
}

uint32_t LinuxPlatform::present_drives()
{
    std::lock_guard<std::mutex> lock(mutex_);
    refresh();
    uint32_t mask = 0;
    for (const LinuxDrive &d : drives_)
        mask |= 1u << (d.letter - 'A');
    return mask;
}

unsigned LinuxPlatform::drive_type(char letter)
{
    std::lock_guard<std::mutex> lock(mutex_);
    LinuxDrive d;
    return find(letter, &d) ? drive_removable : drive_no_root;
}

bool LinuxPlatform::volume_label(char letter, char *label, size_t size)
{
    std::lock_guard<std::mutex> lock(mutex_);
    LinuxDrive d;
    if (!size || !find(letter, &d))
        return false;
    std::memset(label, 0, size);
    std::strncpy(label, d.label.c_str(), size - 1);
    return true;
}

std::string LinuxPlatform::drive_location(char letter)
{
    std::lock_guard<std::mutex> lock(mutex_);
    LinuxDrive d;
    return find(letter, &d) ? d.root : std::string();
}

bool LinuxPlatform::resolve(const char *path, std::string *full)
{
    char letter;
    const char *name;
    if (!split_drive_path(path, &letter, &name))
        return false;
    std::lock_guard<std::mutex> lock(mutex_);
    LinuxDrive d;
    if (!find(letter, &d))
        return false;
    std::string rel(name);
    std::replace(rel.begin(), rel.end(), '\\', '/');
    *full = d.root + "/" + rel;
    return true;
}

std::unique_ptr<File> LinuxPlatform::open_read(const char *path)
{
    std::string full;
    if (!resolve(path, &full))
        return nullptr;
    int fd = ::open(full.c_str(), O_RDONLY | O_DIRECT | O_CLOEXEC);
    bool direct = true;
    if (fd < 0 && errno == EINVAL) {
        fd = ::open(full.c_str(), O_RDONLY | O_CLOEXEC);
        direct = false;
    }
    if (fd < 0)
        return nullptr;
    return std::make_unique<LinuxFile>(fd, direct);
}

std::unique_ptr<File> LinuxPlatform::create_write(const char *path)
{
    std::string full;
    if (!resolve(path, &full))
        return nullptr;
    const int fd = ::open(full.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_SYNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return nullptr;
    return std::make_unique<LinuxFile>(fd, false);
}

Platform &system()
{
    static LinuxPlatform os;
    return os;
}

} // namespace platform
