// The device link against real files on this system's own layer: folders
// that stand for drive letters D..K (QUORVEL_DRIVES on Linux; on Windows the
// letters must already be mapped to BASE\d .. BASE\k and typed removable, see
// scripts/windows_check.sh). A letter whose folder is missing is a slot with
// no medium. Under Windows every Win32 call of the layer is watched as well,
// since an emulator does not enforce the unbuffered and write-through rules.
//   device_check [BASE]     (BASE is required on Windows)
#include "device/command.h"
#include "device/device_link.h"
#include "device/platform.h"
#include "simulator/simulated_reader.h"
#ifdef _WIN32
#include "device/platform_windows_calls.h"
#include <map>
#else
#include <cstdlib>
#endif

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

int failures = 0;
#define CHECK(cond) check((cond), #cond, __LINE__)
void check(bool ok, const char *what, int line)
{
    if (!ok) {
        ++failures;
        std::fprintf(stderr, "device_check.cpp:%d: failed: %s\n", line, what);
    }
}

const char kIdentity[16] = "QXB_RDR07_FW310";
fs::path base;

fs::path folder(char letter)
{
    return base / std::string(1, char(std::tolower(static_cast<unsigned char>(letter))));
}

void write_file(const fs::path &p, const std::vector<uint8_t> &bytes)
{
    std::ofstream(p, std::ios::binary).write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
}

std::vector<uint8_t> read_file(const fs::path &p)
{
    std::ifstream in(p, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

// The data window: a pattern in three regions (one past 24 bits of offset,
// one past 31 bits), holes reading as zeros, the file ending with the last.
const uint64_t kRegions[][2] = {{0, 0x40000}, {0x1001000, 0x1002000}, {0x80001000, 0x80002000}};
const uint64_t kWindowEnd = 0x80002000;

uint8_t window_byte(uint64_t off)
{
    for (const auto &r : kRegions)
        if (off >= r[0] && off < r[1])
            return uint8_t(off * 7 ^ off >> 9 ^ off >> 24);
    return 0;
}

void make_window(const fs::path &p)
{
    { std::ofstream create(p, std::ios::binary); }
    fs::resize_file(p, kWindowEnd);
    std::fstream f(p, std::ios::binary | std::ios::in | std::ios::out);
    for (const auto &r : kRegions) {
        std::vector<char> bytes(size_t(r[1] - r[0]));
        for (size_t i = 0; i < bytes.size(); ++i)
            bytes[i] = char(window_byte(r[0] + i));
        f.seekp(std::streamoff(r[0]));
        f.write(bytes.data(), std::streamsize(bytes.size()));
    }
}

// Lays out D, E, F ... from `kinds`: 'r' the reader, 's' a stick without
// identity file, 'e' one whose identity file is empty, 't' one whose file
// ends inside the identity text, '-' an empty slot.
void lay_out(const std::string &kinds)
{
    for (char l = 'D'; l <= 'K'; ++l)
        fs::remove_all(folder(l));
    fs::remove_all(base / "parked");
    for (size_t i = 0; i < kinds.size(); ++i) {
        const fs::path dir = folder(char('D' + i));
        if (kinds[i] == '-')
            continue;
        fs::create_directories(dir);
        write_file(dir / ".windows-label", {'Q', 'U', 'O', 'R', 'V', 'E', 'L'});
        std::vector<uint8_t> id(0x10000, 0);
        std::memcpy(id.data() + 0x8000, kIdentity, sizeof kIdentity);
        if (kinds[i] == 'r' || kinds[i] == 't')
            write_file(dir / "V-DRIVER.DMP", kinds[i] == 'r' ? id : std::vector<uint8_t>(id.begin(), id.begin() + 0x8008));
        if (kinds[i] == 'e')
            write_file(dir / "V-DRIVER.DMP", {});
        if (kinds[i] == 'r')
            make_window(dir / "DUMP.ROM");
    }
    current_drive_letter = 0;
}

std::string expected_label(char letter)
{
#ifdef _WIN32
    (void)letter;
    return "QUORVEL";   // wine reads it from .windows-label
#else
    return folder(letter).filename().string();
#endif
}

#ifdef _WIN32
// Watches the layer's Win32 calls and counts every broken rule.
int broken = 0;
DWORD sector = 512;
bool fail_label = false;
platform::Win32Calls real;
struct Opened {
    DWORD flags;
    bool unflushed;
};
std::map<HANDLE, Opened> opened;

void rule(bool kept, const char *what)
{
    if (!kept) {
        ++broken;
        std::fprintf(stderr, "Win32 rule broken: %s\n", what);
    }
}

bool is_root(LPCSTR r)
{
    return r && std::isalpha(static_cast<unsigned char>(r[0])) && r[1] == ':' && r[2] == '\\' && r[3] == '\0';
}

bool quiet()
{
    const DWORD want = SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX;
    return (GetThreadErrorMode() & want) == want;
}

UINT WINAPI watched_drive_type(LPCSTR root)
{
    rule(is_root(root), "drive type asked of a path that is not a drive root");
    rule(quiet(), "drive type asked with system error dialogs on");
    return real.get_drive_type(root);
}

BOOL WINAPI watched_volume(LPCSTR root, LPSTR name, DWORD size, LPDWORD serial, LPDWORD len, LPDWORD flags, LPSTR fs,
                           DWORD fs_size)
{
    rule(is_root(root), "label asked of a path that is not a drive root");
    rule(quiet(), "label asked with system error dialogs on");
    if (fail_label) {
        SetLastError(ERROR_INVALID_NAME);
        return FALSE;
    }
    return real.get_volume_information(root, name, size, serial, len, flags, fs, fs_size);
}

BOOL WINAPI watched_free_space(LPCSTR root, LPDWORD per_cluster, LPDWORD bytes, LPDWORD free_clusters, LPDWORD clusters)
{
    rule(is_root(root), "sector size asked of a path that is not a drive root");
    const BOOL ok = real.get_disk_free_space(root, per_cluster, bytes, free_clusters, clusters);
    if (ok && bytes)
        *bytes = sector;   // pretend another device
    return ok;
}

HANDLE WINAPI watched_create(LPCSTR path, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES sa, DWORD disposition,
                             DWORD flags, HANDLE templ)
{
    rule(quiet(), "file opened with system error dialogs on");
    if (access & GENERIC_READ)
        rule(flags & FILE_FLAG_NO_BUFFERING, "device file opened for cached reading");
    if (access & GENERIC_WRITE)
        rule(flags & FILE_FLAG_WRITE_THROUGH, "file opened for writing without write-through");
    HANDLE h = real.create_file(path, access, share, sa, disposition, flags, templ);
    if (h != INVALID_HANDLE_VALUE)
        opened[h] = {flags, false};
    return h;
}

BOOL WINAPI watched_read(HANDLE h, LPVOID dst, DWORD len, LPDWORD got, LPOVERLAPPED ov)
{
    if (opened[h].flags & FILE_FLAG_NO_BUFFERING) {
        LARGE_INTEGER zero{}, pos{};
        real.set_file_pointer_ex(h, zero, &pos, FILE_CURRENT);
        rule(reinterpret_cast<uintptr_t>(dst) % sector == 0, "unbuffered read into a buffer off the sector grid");
        rule(len % sector == 0, "unbuffered read of a length that is not whole sectors");
        rule(pos.QuadPart % sector == 0, "unbuffered read at a position off the sector grid");
    }
    return real.read_file(h, dst, len, got, ov);
}

BOOL WINAPI watched_write(HANDLE h, LPCVOID src, DWORD len, LPDWORD written, LPOVERLAPPED ov)
{
    opened[h].unflushed = true;
    return real.write_file(h, src, len, written, ov);
}

BOOL WINAPI watched_flush(HANDLE h)
{
    opened[h].unflushed = false;
    return real.flush_file_buffers(h);
}

BOOL WINAPI watched_close(HANDLE h)
{
    rule(!opened[h].unflushed, "command file closed before it was flushed");
    opened.erase(h);
    return real.close_handle(h);
}

void watch()
{
    platform::Win32Calls &c = platform::win32_calls();
    real = c;
    c.get_drive_type = watched_drive_type;
    c.get_volume_information = watched_volume;
    c.get_disk_free_space = watched_free_space;
    c.create_file = watched_create;
    c.read_file = watched_read;
    c.write_file = watched_write;
    c.flush_file_buffers = watched_flush;
    c.close_handle = watched_close;
}

// The watcher itself must see a misaligned read and an unflushed write.
void watcher_catches_faults()
{
    const platform::Win32Calls &c = platform::win32_calls();
    DWORD mode = 0;
    SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &mode);
    const std::string path = (folder('D') / "DUMP.ROM").string();
    HANDLE h = c.create_file(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                             FILE_FLAG_NO_BUFFERING, nullptr);
    CHECK(h != INVALID_HANDLE_VALUE);
    alignas(4096) static char buf[8192];
    DWORD n = 0;
    c.read_file(h, buf + 24, 4096, &n, nullptr);
    c.close_handle(h);
    h = c.create_file((folder('D') / "X.CMD").string().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    c.write_file(h, buf, 512, &n, nullptr);
    c.close_handle(h);
    SetThreadErrorMode(mode, nullptr);
    CHECK(broken == 3);
    broken = 0;
}
#endif

void reader_after_sticks()
{
    lay_out("se-tr");
    CHECK(find_reader_drive(0) == 1);
    CHECK(current_drive_letter == 'H');
    CHECK(std::memcmp(device_firmware, kIdentity, sizeof kIdentity) == 0);
    CHECK(driver_label == expected_label('H'));
    CHECK(md_select() == 512);
    for (char l : {'D', 'E', 'G'})
        CHECK(!fs::exists(folder(l) / "CMD.CMD"));
}

void no_reader()
{
    // A stick whose identity file is empty, or ends inside the text, is not
    // the reader, and the scan leaves no letter for commands to go to.
    for (const char *kinds : {"", "-", "s", "e", "t", "se-t"}) {
        lay_out(kinds);
        CHECK(find_reader_drive(0) == 0);
        CHECK(current_drive_letter == 0);
        CHECK(md_select() == 0);
        CHECK(device_firmware[0] == 0);
    }
    lay_out("e");
    CHECK(probe_drive('E') == 0 && probe_drive('D') == 0);
    CHECK(!fs::exists(folder('D') / "CMD.CMD"));
}

void replugged_under_another_letter()
{
    lay_out("s-r");
    CHECK(find_reader_drive(0) == 1 && current_drive_letter == 'F');
    fs::rename(folder('F'), base / "parked");
    CHECK(find_reader_drive(current_drive_letter) == 0);
    CHECK(md_select() == 0);
    fs::rename(base / "parked", folder('J'));
    CHECK(find_reader_drive(current_drive_letter) == 1);
    CHECK(current_drive_letter == 'J');
}

std::vector<uint8_t> sector_bytes(uint8_t target, uint8_t operation, uint8_t payload)
{
    std::vector<uint8_t> s(512, 0);
    s[0] = 0x5A;
    s[1] = target;
    s[2] = operation;
    s[12] = payload;
    // CRC-16/XMODEM bit by bit, apart from the link's table.
    uint16_t crc = 0;
    for (size_t i = 0; i < 510; ++i) {
        crc ^= uint16_t(s[i] << 8);
        for (int k = 0; k < 8; ++k)
            crc = uint16_t(crc & 0x8000 ? crc << 1 ^ 0x1021 : crc << 1);
    }
    s[510] = uint8_t(crc >> 8);
    s[511] = uint8_t(crc);
    return s;
}

void command_bytes()
{
    lay_out("r");
    CHECK(find_reader_drive(0) == 1);
    std::vector<uint8_t> three(3 * 512, 0);
    std::vector<uint8_t> expected;
    for (int i = 0; i < 3; ++i) {
        three[size_t(i) * 512 + 1] = uint8_t(0x0F + i);
        three[size_t(i) * 512 + 2] = 0x03;
        three[size_t(i) * 512 + 12] = uint8_t(0xA0 + i);
        const std::vector<uint8_t> s = sector_bytes(uint8_t(0x0F + i), 0x03, uint8_t(0xA0 + i));
        expected.insert(expected.end(), s.begin(), s.end());
    }
    CHECK(send_command_sectors(three.data(), uint32_t(three.size())) == 1536);
    CHECK(read_file(folder('D') / "CMD.CMD") == expected);
    // Each command rewrites the file from scratch.
    CHECK(md_select() == 512);
    CHECK(read_file(folder('D') / "CMD.CMD") == sector_bytes(0x13, 0x01, 0));
}

// Every size and offset class the callers read, into buffers at the
// addresses containers give (24 past a sector boundary) and aligned ones.
void reads()
{
    struct Row {
        uint64_t offset;
        uint32_t len;
    };
    const Row rows[] = {
        {0x1234, 16},           {0x7FC0, 0x50},        {0x400, 1023},           {0x7FF, 1023},
        {0x100, 0x200},         {0, 0x2000},           {0x20000, 0x20000},      {0x1234, 0x1000},
        {0x3FF, 0x400},         {0x3F000, 0x4000},     {0x1001234, 16},         {0x1001000, 0x1000},
        {0x80001A10, 16},       {0x80001000, 0x1000},  {kWindowEnd - 8, 16},    {kWindowEnd - 0x400, 0x4000},
        {kWindowEnd + 0x100, 16},
    };
    lay_out("r");
    CHECK(find_reader_drive(0) == 1);
#ifdef _WIN32
    for (DWORD s : {512u, 2048u, 4096u}) {
        sector = s;
#endif
        for (const Row &r : rows)
            for (size_t skew : {size_t(0), size_t(24)}) {
                std::vector<uint8_t> buf(r.len + 4096 + 64, 0xAA);
                uint8_t *dst = buf.data() + (4096 - reinterpret_cast<uintptr_t>(buf.data()) % 4096) + skew;
                const uint64_t avail = r.offset < kWindowEnd ? kWindowEnd - r.offset : 0;
                const uint32_t want = uint32_t(std::min<uint64_t>(r.len, avail));
                const uint32_t got = read_data_window(uint32_t(r.offset), dst, r.len);
                bool same = got == want;
                for (uint32_t i = 0; same && i < want; ++i)
                    same = dst[i] == window_byte(r.offset + i);
                if (!same)
                    std::fprintf(stderr, "read of %u at 0x%llx (skew %u) delivered %u\n", unsigned(r.len),
                                 static_cast<unsigned long long>(r.offset), unsigned(skew), unsigned(got));
                CHECK(same);
            }
#ifdef _WIN32
    }
    sector = 512;
#endif
}

void label_with_current_folder_on_the_reader()
{
    lay_out("r");
    fs::current_path(folder('D'));
    CHECK(probe_drive('D') == 1);
    CHECK(driver_label == expected_label('D'));
#ifdef _WIN32
    // A label that cannot be read is shown as none, not as the last one.
    fail_label = true;
    CHECK(probe_drive('D') == 1);
    CHECK(driver_label[0] == '\0');
    fail_label = false;
#endif
    fs::current_path(base);
}

void simulated_reader()
{
    sim::SimulatedReader reader('G');
    reader.insert(std::make_unique<sim::MdCartridge>(std::vector<uint8_t>(0x8000, 0x5C)));
    sim::ScopedPlatform scope(reader);
    current_drive_letter = 0;
    uint8_t b[16] = {};
    CHECK(find_reader_drive(0) == 1 && md_select() == 512);
    CHECK(read_data_window(0x7FF0, b, 16) == 16 && b[15] == 0x5C);
}

} // namespace

int main(int argc, char **argv)
{
#ifdef _WIN32
    if (argc < 2) {
        std::fprintf(stderr, "usage: device_check BASE  (letters D..K mapped to BASE\\d .. BASE\\k)\n");
        return 2;
    }
    base = argv[1];
    const DWORD mode = GetThreadErrorMode();
    watch();
    lay_out("r");
    watcher_catches_faults();
#else
    std::string tmpl = (fs::temp_directory_path() / "device_check.XXXXXX").string();
    base = argc > 1 ? fs::path(argv[1]) : fs::path(::mkdtemp(tmpl.data()));
    std::string drives;
    for (char l = 'D'; l <= 'K'; ++l)
        drives += folder(l).string() + ":";
    ::setenv("QUORVEL_DRIVES", drives.c_str(), 1);
    ::setenv("QUORVEL_NO_DETECT", "1", 1);
#endif
    reader_after_sticks();
    no_reader();
    replugged_under_another_letter();
    command_bytes();
    reads();
    label_with_current_folder_on_the_reader();
    simulated_reader();
#ifdef _WIN32
    CHECK(GetThreadErrorMode() == mode);
    CHECK(broken == 0);
#else
    if (argc < 2)
        fs::remove_all(base);
#endif
    std::printf("device_check: %s\n", failures ? "FAILED" : "passed");
    return failures ? 1 : 0;
}
