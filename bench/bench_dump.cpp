// Whole dumps of the headless program through the Linux layer, from a reader
// folder on tmpfs, against a bare loop that makes the same file calls with no
// client logic; and the CPU of an Info run over `--version`. Prints figures,
// never fails.
//
//   bench_dump [folder]   (default: /dev/shm, else the temporary folder)
//
// Each timed dump runs in a fresh process, so start-up work (the catalogue)
// counts as it does for a user.
#include "bench/bench_usage.h"
#include "cli/app.h"
#include "device/platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <random>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kRounds = 3;
constexpr double kLinkBytesPerSecond = 35e6;
constexpr double kSecondsPerCommand = 0.5e-3;
constexpr uint32_t kWindowSize = 32u << 20;

struct Case {
    const char *label;
    const char *family;
    const char *size;
    const char *mapper;
    uint32_t bytes;
};

const Case kCases[] = {
    {"GBA 32 MiB", "gba", "32M", nullptr, 32u << 20},
    {"GB MBC5 8 MiB", "gb", "8M", "MBC5", 8u << 20},
    {"MD 4 MiB", "md", "4M", nullptr, 4u << 20},
    {"SFC 6 MiB", "sfc", "48Mbit", "EX-HIROM", 6u << 20},
};

long rss_kib()
{
    long pages = 0, resident = 0;
    if (FILE *f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// One file call of the layer, as the bare loop repeats it.
struct Op {
    enum Kind { OpenRead, OpenWrite, Read, Write, Close } kind;
    std::string path;   // for opens: the file on disk
    uint32_t pos = 0;
    uint32_t len = 0;
};

std::string g_root;   // the reader folder

std::string disk_path(const char *path)
{
    char letter;
    const char *name;
    if (!platform::split_drive_path(path, &letter, &name))
        return std::string();
    return g_root + "/" + name;
}

class RecordingFile : public platform::File {
public:
    RecordingFile(std::unique_ptr<platform::File> inner, std::vector<Op> *ops)
        : inner_(std::move(inner)), ops_(ops) {}
    ~RecordingFile() override { ops_->push_back({Op::Close, {}, 0, 0}); }
    bool seek(uint32_t offset) override
    {
        pos_ = offset;
        return inner_->seek(offset);
    }
    bool read(void *dst, uint32_t len, uint32_t *got) override
    {
        ops_->push_back({Op::Read, {}, pos_, len});
        return inner_->read(dst, len, got);
    }
    bool write(const void *src, uint32_t len, uint32_t *written) override
    {
        ops_->push_back({Op::Write, {}, pos_, len});
        return inner_->write(src, len, written);
    }

private:
    std::unique_ptr<platform::File> inner_;
    std::vector<Op> *ops_;
    uint32_t pos_ = 0;
};

class RecordingPlatform : public platform::Platform {
public:
    std::vector<Op> ops;
    platform::Platform &os = platform::system();
    uint32_t present_drives() override { return os.present_drives(); }
    unsigned drive_type(char letter) override { return os.drive_type(letter); }
    bool volume_label(char letter, char *label, size_t size) override { return os.volume_label(letter, label, size); }
    std::unique_ptr<platform::File> open_read(const char *path) override
    {
        std::unique_ptr<platform::File> f = os.open_read(path);
        if (!f)
            return f;
        ops.push_back({Op::OpenRead, disk_path(path), 0, 0});
        return std::make_unique<RecordingFile>(std::move(f), &ops);
    }
    std::unique_ptr<platform::File> create_write(const char *path) override
    {
        std::unique_ptr<platform::File> f = os.create_write(path);
        if (!f)
            return f;
        ops.push_back({Op::OpenWrite, disk_path(path), 0, 0});
        return std::make_unique<RecordingFile>(std::move(f), &ops);
    }
};

// The calls of a dump with nothing around them: the layer's (direct reads
// where the filesystem takes them, else a cache drop before each read;
// synchronous command writes), the data-window reads landing one after the
// other in a fresh image buffer, then the image saved as the client saves
// it: a new file beside the target, synced, renamed over it.
double bare_loop(const std::vector<Op> &ops, size_t imageSize, const std::string &target)
{
    const double t0 = cpu_seconds(RUSAGE_SELF);
    const std::string window = g_root + "/DUMP.ROM";
    void *raw = nullptr, *scratchRaw = nullptr;
    uint32_t largest = 4096;
    for (const Op &op : ops)
        largest = std::max(largest, op.len);
    if (::posix_memalign(&raw, 4096, (imageSize + 4095) / 4096 * 4096) != 0 ||
        ::posix_memalign(&scratchRaw, 4096, (largest + 4095) / 4096 * 4096) != 0)
        std::_Exit(1);
    auto *image = static_cast<unsigned char *>(raw);
    auto *scratch = static_cast<unsigned char *>(scratchRaw);
    size_t cursor = 0;
    int fd = -1;
    bool direct = false, intoImage = false;
    for (const Op &op : ops) {
        switch (op.kind) {
        case Op::OpenRead:
            fd = ::open(op.path.c_str(), O_RDONLY | O_DIRECT | O_CLOEXEC);
            direct = fd >= 0;
            if (fd < 0 && errno == EINVAL)
                fd = ::open(op.path.c_str(), O_RDONLY | O_CLOEXEC);
            intoImage = op.path == window;
            break;
        case Op::OpenWrite:
            fd = ::open(op.path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_SYNC | O_CLOEXEC, 0644);
            intoImage = false;
            break;
        case Op::Read: {
            unsigned char *dst = scratch;
            if (intoImage && cursor + op.len <= imageSize) {
                dst = image + cursor;
                cursor += op.len;
            }
            if (!direct)
                ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
            if (::pread(fd, dst, op.len, off_t(op.pos)) < 0)
                std::fprintf(stderr, "bare read failed\n");
            break;
        }
        case Op::Write:
            if (::pwrite(fd, scratch, op.len, off_t(op.pos)) < 0 || (::fdatasync(fd) != 0 && errno != EINVAL))
                std::fprintf(stderr, "bare write failed\n");
            break;
        case Op::Close:
            ::close(fd);
            fd = -1;
            break;
        }
    }
    const std::string temp = target + ".bare";
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0 || ::write(fd, image, imageSize) != ssize_t(imageSize) || ::fsync(fd) != 0 || ::close(fd) != 0 ||
        ::rename(temp.c_str(), target.c_str()) != 0)
        std::fprintf(stderr, "bare save failed\n");
    std::free(raw);
    std::free(scratchRaw);
    return cpu_seconds(RUSAGE_SELF) - t0;
}

int run_cli(const QStringList &args)
{
    QFile sink(QStringLiteral("/dev/null"));
    sink.open(QIODevice::WriteOnly);
    QTextStream out(&sink), err(&sink);
    return cli::run(args, out, err, false);
}

QStringList dump_args(const Case &c, const QString &output)
{
    QStringList args{QStringLiteral("dump"), QStringLiteral("--console"), QLatin1String(c.family),
                     QStringLiteral("--size"), QLatin1String(c.size), QStringLiteral("--force")};
    if (c.mapper)
        args << QStringLiteral("--mapper") << QLatin1String(c.mapper);
    return args << output;
}

// Child: one client dump in a fresh process. Writes "cpu peak_growth_kib status".
void child_client(const Case &c, int fd)
{
    int argc = 1;
    char name[] = "bench_dump";
    char *argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    const long rss0 = rss_kib();
    const double t0 = cpu_seconds(RUSAGE_SELF);
    const int status = run_cli(dump_args(c, QString::fromStdString(g_root + "/out.bin")));
    const double cpu = cpu_seconds(RUSAGE_SELF) - t0;
    char line[128];
    const int n = std::snprintf(line, sizeof line, "%f %ld %d\n", cpu, peak_rss_kib() - rss0, status);
    if (::write(fd, line, size_t(n)) != n)
        std::_Exit(1);
}

// Child: a recorded dump, then the bare loop over its calls.
// Writes "bare_cpu writes reads bytes".
void child_bare(const Case &c, int fd)
{
    int argc = 1;
    char name[] = "bench_dump";
    char *argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    RecordingPlatform rec;
    platform::install(&rec);
    run_cli(dump_args(c, QString::fromStdString(g_root + "/out.bin")));
    platform::install(nullptr);
    const std::string window = g_root + "/DUMP.ROM", command = g_root + "/CMD.CMD";
    long writes = 0, reads = 0;
    double bytes = 0;
    std::string open;
    for (const Op &op : rec.ops) {
        if (op.kind == Op::OpenRead || op.kind == Op::OpenWrite)
            open = op.path;
        if (op.kind == Op::Write && open == command)
            ++writes;
        if (op.kind == Op::Read && open == window) {
            ++reads;
            bytes += op.len;
        }
    }
    std::vector<double> cpu;
    for (int r = 0; r < kRounds; ++r)
        cpu.push_back(bare_loop(rec.ops, c.bytes, g_root + "/out.bin"));
    char line[128];
    const int n = std::snprintf(line, sizeof line, "%f %ld %ld %f\n", median(cpu), writes, reads, bytes);
    if (::write(fd, line, size_t(n)) != n)
        std::_Exit(1);
}

std::string in_child(void (*body)(const Case &, int), const Case &c)
{
    int p[2];
    if (::pipe(p) != 0)
        return std::string();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(p[0]);
        body(c, p[1]);
        std::_Exit(0);
    }
    ::close(p[1]);
    std::string text;
    char buf[256];
    ssize_t n;
    while ((n = ::read(p[0], buf, sizeof buf)) > 0)
        text.append(buf, size_t(n));
    ::close(p[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return text;
}

// CPU of the headless program run as its own process, median of a few runs.
double program_cpu(const char *program, const std::vector<const char *> &args)
{
    std::vector<double> cpu;
    for (int r = 0; r < 9; ++r) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            std::vector<char *> argv{const_cast<char *>(program)};
            for (const char *a : args)
                argv.push_back(const_cast<char *>(a));
            argv.push_back(nullptr);
            const int null = ::open("/dev/null", O_WRONLY);
            ::dup2(null, 1);
            ::dup2(null, 2);
            ::execv(program, argv.data());
            std::_Exit(127);
        }
        int status = 0;
        rusage u{};
        ::wait4(pid, &status, 0, &u);
        cpu.push_back(double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
                      double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6);
    }
    return median(cpu);
}

bool write_file(const std::string &path, const std::vector<unsigned char> &data)
{
    FILE *f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const bool ok = std::fwrite(data.data(), 1, data.size(), f) == data.size();
    return std::fclose(f) == 0 && ok;
}

} // namespace

int main(int argc, char **argv)
{
    const std::string base = argc > 1 ? argv[1] : (QDir(QStringLiteral("/dev/shm")).exists() ? "/dev/shm" : QDir::tempPath().toStdString());
    QTemporaryDir folder(QString::fromStdString(base) + QStringLiteral("/quorvel-bench-XXXXXX"));
    if (!folder.isValid()) {
        std::printf("skipped: no folder in %s\n", base.c_str());
        return 0;
    }
    g_root = folder.path().toStdString();

    std::vector<unsigned char> identity(0x10000, 0);
    std::memcpy(identity.data() + 0x8000, "QXB_RDR07_FW310", 15);
    std::vector<unsigned char> window(kWindowSize);
    std::mt19937 rng(12345);
    for (auto &b : window)
        b = static_cast<unsigned char>(rng());
    if (!write_file(g_root + "/V-DRIVER.DMP", identity) || !write_file(g_root + "/DUMP.ROM", window)) {
        std::printf("skipped: cannot write into %s\n", g_root.c_str());
        return 0;
    }
    window.clear();
    window.shrink_to_fit();
    ::setenv("QUORVEL_DRIVES", g_root.c_str(), 1);
    ::setenv("QUORVEL_NO_DETECT", "1", 1);

    std::printf("reader folder: %s; link model: %.0f MB/s + %.1f ms per command write\n", g_root.c_str(),
                kLinkBytesPerSecond / 1e6, kSecondsPerCommand * 1e3);
    std::printf("%-14s %9s %9s %6s %8s %8s %9s %10s %12s\n", "dump", "client s", "bare s", "ratio", "writes",
                "reads", "link s", "cpu/link", "peak+ MiB");
    for (const Case &c : kCases) {
        std::vector<double> cpu;
        long growth = 0;
        int status = -1;
        for (int r = 0; r < kRounds; ++r) {
            double s = 0;
            long g = 0;
            if (std::sscanf(in_child(child_client, c).c_str(), "%lf %ld %d", &s, &g, &status) == 3) {
                cpu.push_back(s);
                growth = std::max(growth, g);
            }
        }
        double bare = 0, bytes = 0;
        long writes = 0, reads = 0;
        std::sscanf(in_child(child_bare, c).c_str(), "%lf %ld %ld %lf", &bare, &writes, &reads, &bytes);
        const double client = median(cpu);
        const double link = bytes / kLinkBytesPerSecond + double(writes) * kSecondsPerCommand;
        std::printf("%-14s %9.3f %9.3f %6.2f %8ld %8ld %9.3f %9.0f%% %12.1f%s\n", c.label, client, bare,
                    bare > 0 ? client / bare : 0.0, writes, reads, link, link > 0 ? 100 * client / link : 0.0,
                    double(growth) / 1024,
                    // Random bytes fail their header checksum: saved, but suspect (exit 3).
                    status == 0 || status == 3 ? "" : "   (the dump failed)");
    }
    std::printf("peak+: growth of the peak resident size over the process before the dump (the image included)\n");
#ifdef QUORVEL_CLI_PATH
    const double version = program_cpu(QUORVEL_CLI_PATH, {"--version"});
    for (const char *family : {"gba", "md"}) {
        const double info = program_cpu(QUORVEL_CLI_PATH, {"info", "--console", family, "--simulate", "demo"});
        std::printf("info --console %s (simulated demo): %.1f ms CPU, --version %.1f ms, over: %.1f ms\n", family,
                    info * 1e3, version * 1e3, (info - version) * 1e3);
    }
#endif
    return 0;
}
