// Prints what a 32 KiB write-save asks of the reader (command writes,
// sectors, bytes read) and the time that takes on a link of 35 MB/s plus
// 0.5 ms per command write, backup and read-back included. Run by hand; it
// never fails.
#include "simulator/gbc_cartridge.h"
#include "simulator/simulated_reader.h"
#include "workers/gbc/gbc_protocol.h"
#include "workers/registry.h"
#include "workers/save_frame.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

namespace {

constexpr double kBytesPerSecond = 35e6;
constexpr double kSecondsPerWrite = 0.0005;

// Counts what goes over the link on its way to the simulated reader.
class CountingLink : public platform::Platform {
public:
    explicit CountingLink(sim::SimulatedReader &reader) : reader_(reader) {}

    uint64_t writes = 0, written = 0, reads = 0, read = 0;

    uint32_t present_drives() override { return reader_.present_drives(); }
    unsigned drive_type(char letter) override { return reader_.drive_type(letter); }
    bool volume_label(char letter, char *label, size_t size) override { return reader_.volume_label(letter, label, size); }
    std::unique_ptr<platform::File> open_read(const char *path) override
    {
        return wrap(reader_.open_read(path));
    }
    std::unique_ptr<platform::File> create_write(const char *path) override
    {
        return wrap(reader_.create_write(path));
    }

private:
    class File : public platform::File {
    public:
        File(std::unique_ptr<platform::File> inner, CountingLink &link) : inner_(std::move(inner)), link_(link) {}
        bool seek(uint32_t offset) override { return inner_->seek(offset); }
        bool read(void *dst, uint32_t len, uint32_t *got) override
        {
            ++link_.reads;
            link_.read += len;
            return inner_->read(dst, len, got);
        }
        bool write(const void *src, uint32_t len, uint32_t *written) override
        {
            ++link_.writes;
            link_.written += len;
            return inner_->write(src, len, written);
        }

    private:
        std::unique_ptr<platform::File> inner_;
        CountingLink &link_;
    };
    std::unique_ptr<platform::File> wrap(std::unique_ptr<platform::File> f)
    {
        return f ? std::make_unique<File>(std::move(f), *this) : nullptr;
    }
    sim::SimulatedReader &reader_;
};

std::vector<uint8_t> mbc5_rom()
{
    // Just enough of a header: the boot logo, MBC5+RAM+BATTERY, 32 KiB RAM.
    std::vector<uint8_t> rom(0x20000, 0);
    std::copy(gbc::kLogo, gbc::kLogo + gbc::kLogoSize, rom.begin() + gbc::kLogoOffset);
    rom[0x147] = 0x1B;
    rom[0x148] = 2;
    rom[0x149] = 3;
    return rom;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    sim::SimulatedReader reader;
    reader.insert(std::make_unique<sim::GbCartridge>(mbc5_rom()));
    std::vector<uint8_t> old(0x8000), save(0x8000);
    for (size_t i = 0; i < save.size(); ++i) {
        old[i] = uint8_t(i * 31 + 7);
        save[i] = uint8_t(i * 17 + 3);
    }
    reader.load_save_ram(old);
    CountingLink link(reader);
    platform::install(&link);

    QTemporaryDir dir;
    const QString input = dir.filePath(QStringLiteral("in.sav"));
    QFile file(input);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char *>(save.data()), qint64(save.size())) != qint64(save.size()))
        return 1;
    file.close();

    std::unique_ptr<SaveWorker> worker(make_save_worker(code(ConsoleCode::gbc), true));
    worker->fileName = input;
    int status = -1;
    QObject::connect(worker.get(), &CartWorker::error, [&](int e) { status = e; });
    worker->start();
    worker->wait();
    QCoreApplication::processEvents();
    platform::install(nullptr);

    const double link_s = double(link.written + link.read) / kBytesPerSecond + double(link.writes) * kSecondsPerWrite;
    const double single_s = double(save.size()) * (512.0 / kBytesPerSecond + kSecondsPerWrite);
    std::printf("32 KiB write-save (MBC5): %s, RAM %s\n", status == 1 ? "succeeded" : "FAILED",
                reader.save_ram() == save ? "holds the file" : "DIFFERS");
    std::printf("  command writes: %llu (%llu sectors, %llu bytes)\n", (unsigned long long)link.writes,
                (unsigned long long)(link.written / 512), (unsigned long long)link.written);
    std::printf("  reads: %llu (%llu bytes: identity, header, the save twice, read-back)\n",
                (unsigned long long)link.reads, (unsigned long long)link.read);
    std::printf("  modelled link time: %.3f s (goal: under 2 s)\n", link_s);
    std::printf("  the byte writes one sector a write would take: %.3f s\n", single_s);
    return 0;
}
