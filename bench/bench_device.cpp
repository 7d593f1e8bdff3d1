// Prints the throughput of the device link's hot paths next to a baseline
// measured in the same run. Run by hand; it never fails.
//
//   bench_device [folder]   (default: the current folder; use one on a disk,
//                            not on tmpfs, so direct I/O is measured)
#include "device/checksum.h"
#include "device/device_link.h"

#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr size_t kSize = 64u << 20;
constexpr uint32_t kBlock = 128u << 10;
constexpr int kRounds = 5;

double seconds_since(Clock::time_point t0)
{
    return std::chrono::duration<double>(Clock::now() - t0).count();
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void bench_crc(const std::vector<unsigned char> &data)
{
    std::vector<double> ours, zlib;
    uint32_t a = 0, b = 0;
    for (int r = 0; r < kRounds; ++r) {
        auto t0 = Clock::now();
        a = crc32_buffer(data.data(), data.size());
        ours.push_back(seconds_since(t0));
        t0 = Clock::now();
        b = uint32_t(::crc32(::crc32(0L, Z_NULL, 0), data.data(), uInt(data.size())));
        zlib.push_back(seconds_since(t0));
    }
    const double mib = double(data.size()) / (1 << 20);
    std::printf("crc32_buffer: %.0f MiB/s   zlib crc32: %.0f MiB/s   ratio %.2f   results %s\n",
                mib / median(ours), mib / median(zlib), median(zlib) / median(ours),
                a == b ? "identical" : "DIFFER");
}

bool write_file(const std::string &path, const void *data, size_t size)
{
    FILE *f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const bool ok = std::fwrite(data, 1, size, f) == size;
    return std::fclose(f) == 0 && ok;
}

double bare_loop(const std::string &path, unsigned char *buf)
{
    auto t0 = Clock::now();
    int fd = ::open(path.c_str(), O_RDONLY | O_DIRECT);
    const bool direct = fd >= 0;
    if (!direct)
        fd = ::open(path.c_str(), O_RDONLY);
    for (size_t off = 0; off < kSize; off += kBlock) {
        if (!direct)
            ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
        if (::pread(fd, buf, kBlock, off_t(off)) != ssize_t(kBlock))
            std::fprintf(stderr, "bare read failed at %zu\n", off);
    }
    ::close(fd);
    return seconds_since(t0);
}

double layer_loop(unsigned char *buf)
{
    auto t0 = Clock::now();
    for (size_t off = 0; off < kSize; off += kBlock)
        if (read_data_window(uint32_t(off), buf, kBlock) != kBlock)
            std::fprintf(stderr, "read_data_window failed at %zu\n", off);
    return seconds_since(t0);
}

void bench_reads(const std::string &folder, const std::vector<unsigned char> &data)
{
    const std::string dir = folder + "/quorvel-bench-drive";
    ::mkdir(dir.c_str(), 0755);
    const std::string window = dir + "/DUMP.ROM";
    std::vector<unsigned char> identity(0x10000, 0);
    std::memcpy(identity.data() + 0x8000, "QXB_RDR07_FW310", 15);
    if (!write_file(window, data.data(), data.size()) ||
        !write_file(dir + "/V-DRIVER.DMP", identity.data(), identity.size())) {
        std::printf("read bench skipped: cannot write into %s\n", dir.c_str());
        return;
    }
    ::setenv("QUORVEL_DRIVES", dir.c_str(), 1);
    ::setenv("QUORVEL_NO_DETECT", "1", 1);
    if (!find_reader_drive(0)) {
        std::printf("read bench skipped: the folder does not probe as a drive\n");
        return;
    }
    void *raw = nullptr;
    if (::posix_memalign(&raw, 4096, kBlock) != 0)
        return;
    auto *buf = static_cast<unsigned char *>(raw);
    std::vector<double> bare, layer;
    for (int r = 0; r < kRounds; ++r) {
        bare.push_back(bare_loop(window, buf));
        layer.push_back(layer_loop(buf));
    }
    const double mib = double(kSize) / (1 << 20);
    std::printf("read_data_window: %.0f MiB/s   bare loop: %.0f MiB/s   ratio %.2f   (%u KiB blocks)\n",
                mib / median(layer), mib / median(bare), median(bare) / median(layer), kBlock >> 10);
    std::free(raw);
    ::unlink(window.c_str());
    ::unlink((dir + "/V-DRIVER.DMP").c_str());
    ::rmdir(dir.c_str());
}

} // namespace

int main(int argc, char **argv)
{
    std::vector<unsigned char> data(kSize);
    std::mt19937 rng(12345);
    for (auto &b : data)
        b = static_cast<unsigned char>(rng());
    bench_crc(data);
    bench_reads(argc > 1 ? argv[1] : ".", data);
    return 0;
}
