// The device link, in plain C++ so that it runs on Windows too, against real
// files on this system's own layer: folders standing for the drive letters
// D..K (QUORVEL_DRIVES on Linux; on Windows the letters must be mapped to
// BASE\d .. BASE\k and typed removable, as scripts/windows_check.sh does).
// A missing folder is a slot with no medium.
// Under Windows every Win32 call of the layer is watched as well, since wine
// does not enforce the unbuffered and write-through rules.
//   device_check [BASE]     (BASE is required on Windows)
#include "device/command.h"
#include "device/device_link.h"
#include "device/platform.h"
#include "simulator/simulated_reader.h"
#ifdef _WIN32
#include "device/platform_windows_calls.h"
#endif

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
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

// Command sectors and drive paths, on the simulated reader.
void commands_and_paths()
{
    sim::SimulatedReader reader;
    sim::ScopedPlatform scope(reader);
    current_drive_letter = 0;
    CHECK(find_reader_drive(0) == 1);
    // A length that ends inside a sector: only whole sectors are sealed,
    // nothing is written past the caller's buffer.
    std::vector<uint8_t> ragged(700, 0);
    CHECK(send_command_sectors(ragged.data(), 700) == 700 && sector_is_sealed(ragged.data()));
    CHECK(std::all_of(ragged.begin() + 512, ragged.end(), [](uint8_t b) { return b == 0; }));
    char letter = 0;
    const char *name = nullptr;
    CHECK(platform::split_drive_path("e:\\CMD.CMD", &letter, &name) && letter == 'E' && !std::strcmp(name, "CMD.CMD"));
    CHECK(!platform::split_drive_path("E:\\", &letter, &name) && !platform::split_drive_path("E\\A", &letter, &name));
}

// The system's layer with a few drives altered: A..C present and removable,
// `fixed` letters a fixed disk, `unlabelled` ones failing the label read. It
// records every letter whose type is asked.
struct Altered : platform::Platform {
    std::string fixed, unlabelled, touched;
    platform::Platform &os = platform::system();
    uint32_t present_drives() override { return os.present_drives() | 0x7; }
    unsigned drive_type(char l) override
    {
        touched += l;
        return fixed.find(l) != std::string::npos ? unsigned(platform::drive_fixed)
               : l < 'D'                          ? unsigned(platform::drive_removable)
                                                  : os.drive_type(l);
    }
    bool volume_label(char l, char *label, size_t size) override
    {
        return unlabelled.find(l) == std::string::npos && os.volume_label(l, label, size);
    }
    std::unique_ptr<platform::File> open_read(const char *path) override { return os.open_read(path); }
    std::unique_ptr<platform::File> create_write(const char *path) override { return os.create_write(path); }
};

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

void patch_window(char letter, uint64_t at, const std::vector<char> &bytes)
{
    std::fstream f(folder(letter) / "DUMP.ROM", std::ios::binary | std::ios::in | std::ios::out);
    f.seekp(std::streamoff(at));
    f.write(bytes.data(), std::streamsize(bytes.size()));
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
        const char letter = char('D' + i), kind = kinds[i];
        if (kind == '-')
            continue;
        fs::create_directories(folder(letter));
        write_file(folder(letter) / ".windows-label", {uint8_t(std::tolower(letter))});   // wine's volume label
        std::vector<uint8_t> id(kind == 'r' ? 0x10000 : kind == 't' ? 0x8008 : 0, 0);
        for (size_t j = 0; j < 16 && 0x8000 + j < id.size(); ++j)
            id[0x8000 + j] = uint8_t(kIdentity[j]);
        if (kind != 's')
            write_file(folder(letter) / "V-DRIVER.DMP", id);
        if (kind != 'r')
            continue;
        // Written region by region, so the holes stay sparse.
        { std::ofstream create(folder(letter) / "DUMP.ROM", std::ios::binary); }
        for (const auto &r : kRegions) {
            std::vector<char> bytes(size_t(r[1] - r[0]));
            for (size_t j = 0; j < bytes.size(); ++j)
                bytes[j] = char(window_byte(r[0] + j));
            patch_window(letter, r[0], bytes);
        }
    }
    current_drive_letter = 0;
}

fs::path drive_root(char letter)
{
#ifdef _WIN32
    return std::string{letter, ':', '\\'};
#else
    return folder(letter);
#endif
}

void reader_after_sticks()
{
    lay_out("se-tr");
    CHECK(find_reader_drive(0) == 1 && current_drive_letter == 'H');
    CHECK(std::memcmp(device_firmware, kIdentity, sizeof kIdentity) == 0);
    CHECK(driver_label == folder('H').filename().string());   // what wine reads from .windows-label too
    CHECK(md_select() == 512);
    for (char l : {'D', 'E', 'G'})
        CHECK(!fs::exists(folder(l) / "CMD.CMD"));
}

void scan_rules()
{
    lay_out("rr-r");
    Altered os;
    os.fixed = "D";
    sim::ScopedPlatform scope(os);
    CHECK(find_reader_drive(0) == 1 && current_drive_letter == 'E' && os.touched == "DE");
    // What a failed search would name: every drive looked at, the fixed one
    // without a label.
    std::vector<ScannedDrive> seen = scanned_drives();
    CHECK(seen.size() == 2 && seen[0].letter == 'D' && !seen[0].removable && seen[0].label.empty() &&
          seen[1].letter == 'E' && seen[1].removable && seen[1].label == folder('E').filename().string());
    // Only the remembered letter is probed while the reader stays there.
    os.touched.clear();
    CHECK(find_reader_drive(current_drive_letter) == 1 && os.touched == "E");
    seen = scanned_drives();
    CHECK(seen.size() == 1 && seen[0].letter == 'E');
    // A label that cannot be read shows as none, not as the last drive's.
    os.unlabelled = "G";
    CHECK(driver_label[0] != '\0' && probe_drive('G') == 1 && driver_label[0] == '\0');
}

void no_reader()
{
    // A stick whose identity file is empty, or ends inside the text, is not
    // the reader, and the scan leaves no letter for commands to go to.
    for (const char *kinds : {"", "-", "s", "e", "t", "se-t"}) {
        lay_out(kinds);
        CHECK(find_reader_drive(0) == 0 && current_drive_letter == 0);
        CHECK(md_select() == 0 && device_firmware[0] == 0);
    }
}

void replugged_under_another_letter()
{
    lay_out("s-r");
    CHECK(find_reader_drive(0) == 1 && current_drive_letter == 'F');
    fs::rename(folder('F'), base / "parked");
    CHECK(find_reader_drive(current_drive_letter) == 0 && md_select() == 0);
    fs::rename(base / "parked", folder('J'));
    CHECK(find_reader_drive(current_drive_letter) == 1 && current_drive_letter == 'J');
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
    std::vector<uint8_t> three, expected;
    for (int i = 0; i < 3; ++i) {
        std::vector<uint8_t> s = sector_bytes(uint8_t(0x0F + i), 0x03, uint8_t(0xA0 + i));
        expected.insert(expected.end(), s.begin(), s.end());
        s[0] = s[510] = s[511] = 0;   // the caller's sector, not yet sealed
        three.insert(three.end(), s.begin(), s.end());
    }
    CHECK(send_command_sectors(three.data(), uint32_t(three.size())) == 1536);
    CHECK(read_file(folder('D') / "CMD.CMD") == expected);
    // Each command rewrites the file from scratch.
    CHECK(md_select() == 512);
    CHECK(read_file(folder('D') / "CMD.CMD") == sector_bytes(0x13, 0x01, 0));
}

#ifdef _WIN32
DWORD sector = 512;   // what the watched GetDiskFreeSpaceA reports
#endif

// Every size and offset class the callers read, into buffers at a sector
// boundary and 24 bytes past one (where containers put their data).
void reads()
{
    const uint64_t rows[][2] = {
        {0x1234, 16},       {0x7FC0, 0x50},        {0x400, 1023},         {0x7FF, 1023},        {0x100, 0x200},
        {0, 0x2000},        {0x20000, 0x20000},    {0x1234, 0x1000},      {0x3FF, 0x400},       {0x3F000, 0x4000},
        {0x1001234, 16},    {0x1001000, 0x1000},   {0x80001A10, 16},      {0x80001000, 0x1000}, {kWindowEnd - 8, 16},
        {kWindowEnd - 0x400, 0x4000},              {kWindowEnd + 0x100, 16},
    };
    lay_out("r");
    CHECK(find_reader_drive(0) == 1);
#ifdef _WIN32
    for (DWORD s : {512u, 2048u, 4096u}) {
        sector = s;
#endif
        for (const auto &r : rows)
            for (size_t skew : {size_t(0), size_t(24)}) {
                const uint32_t len = uint32_t(r[1]);
                std::vector<uint8_t> buf(len + 4096 + 64);
                uint8_t *dst = buf.data() + (4096 - reinterpret_cast<uintptr_t>(buf.data()) % 4096) + skew;
                const uint32_t want = uint32_t(std::min<uint64_t>(len, r[0] < kWindowEnd ? kWindowEnd - r[0] : 0));
                const uint32_t got = read_data_window(uint32_t(r[0]), dst, len);
                bool same = got == want;
                for (uint32_t i = 0; same && i < want; ++i)
                    same = dst[i] == window_byte(r[0] + i);
                if (!same)
                    std::fprintf(stderr, "read of %u at 0x%llx (skew %u) delivered %u\n", unsigned(len),
                                 static_cast<unsigned long long>(r[0]), unsigned(skew), unsigned(got));
                CHECK(same);
            }
#ifdef _WIN32
    }
    sector = 512;
#endif
    // The reader changes the window under us: the next read must see it.
    for (char value : {'\x11', '\x22'}) {
        patch_window('D', 0x20000, {value});
        char b[0x400] = {};
        CHECK(read_data_window(0x20000, b, 0x400) == 0x400 && b[0] == value);
    }
}

void label_with_current_folder_on_the_reader()
{
    lay_out("r");
    fs::current_path(drive_root('D'));
    CHECK(probe_drive('D') == 1 && driver_label == folder('D').filename().string());
    fs::current_path(base);
}

#ifdef _WIN32
// Watches the layer's Win32 calls and counts every broken rule.
int broken = 0;
bool expecting = false;   // the watcher's own test: faults are wanted
platform::Win32Calls real;
struct Opened {
    DWORD flags;
    bool unflushed;
};
std::map<HANDLE, Opened> opened;

void rule(bool kept, const char *what)
{
    if (!kept && ++broken && !expecting)
        std::fprintf(stderr, "Win32 rule broken: %s\n", what);
}

bool is_root(LPCSTR r)
{
    return r && std::isalpha(static_cast<unsigned char>(r[0])) && r[1] == ':' && r[2] == '\\' && r[3] == '\0';
}

// Drive roots only, and no system dialog for a slot without medium.
void probe_rules(LPCSTR root)
{
    const DWORD quiet = SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX;
    rule(!root || is_root(root), "volume call on a path that is not a drive root");
    rule((GetThreadErrorMode() & quiet) == quiet, "drive probed with system error dialogs on");
}

UINT WINAPI watched_drive_type(LPCSTR root)
{
    probe_rules(root);
    return real.get_drive_type(root);
}

BOOL WINAPI watched_volume(LPCSTR root, LPSTR name, DWORD size, LPDWORD serial, LPDWORD len, LPDWORD flags, LPSTR fs,
                           DWORD fs_size)
{
    probe_rules(root);
    return real.get_volume_information(root, name, size, serial, len, flags, fs, fs_size);
}

BOOL WINAPI watched_free_space(LPCSTR root, LPDWORD per_cluster, LPDWORD bytes, LPDWORD free_clusters, LPDWORD clusters)
{
    probe_rules(root);
    const BOOL ok = real.get_disk_free_space(root, per_cluster, bytes, free_clusters, clusters);
    if (ok && bytes)
        *bytes = sector;   // pretend another device
    return ok;
}

HANDLE WINAPI watched_create(LPCSTR path, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES sa, DWORD disposition,
                             DWORD flags, HANDLE templ)
{
    probe_rules(nullptr);
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
    rule(!opened[h].unflushed, "file closed with a write not yet flushed");
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

// The watcher itself must see a misaligned read and an unflushed write made
// without write-through.
void watcher_catches_faults()
{
    const platform::Win32Calls &c = platform::win32_calls();
    DWORD mode = 0, n = 0;
    SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &mode);
    expecting = true;
    lay_out("r");
    HANDLE h = c.create_file((folder('D') / "DUMP.ROM").string().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                             OPEN_EXISTING, FILE_FLAG_NO_BUFFERING, nullptr);
    alignas(4096) static char buf[8192];
    CHECK(c.read_file(h, buf + 24, 4096, &n, nullptr));
    c.close_handle(h);
    h = c.create_file((folder('D') / "X.CMD").string().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    c.write_file(h, buf, 512, &n, nullptr);
    c.close_handle(h);
    SetThreadErrorMode(mode, nullptr);
    expecting = false;
    CHECK(broken == 3);
    broken = 0;
}
#endif

} // namespace

int main(int argc, char **argv)
{
    commands_and_paths();
#ifdef _WIN32
    if (argc < 2) {
        std::fprintf(stderr, "usage: device_check BASE  (letters D..K mapped to BASE\\d .. BASE\\k)\n");
        return 2;
    }
    base = argv[1];
    const DWORD mode = GetThreadErrorMode();
    watch();
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
    scan_rules();
    no_reader();
    replugged_under_another_letter();
    command_bytes();
    reads();
    label_with_current_folder_on_the_reader();
#ifdef _WIN32
    CHECK(GetThreadErrorMode() == mode && broken == 0);
#else
    if (argc < 2)
        fs::remove_all(base);
#endif
    std::printf("device_check: %s\n", failures ? "FAILED" : "passed");
    return failures ? 1 : 0;
}
