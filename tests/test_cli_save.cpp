// Save memory through the simulated reader: a round trip per board, the
// refusals, and what a write-save does when something goes wrong.
#include "cli/app.h"
#include "cli/options.h"
#include "device/device_link.h"
#include "simulator/gba_cartridge.h"
#include "simulator/gbc_cartridge.h"
#include "simulator/msx_cartridge.h"
#include "simulator/sfc_cartridge.h"
#include "simulator/simulated_reader.h"
#include "simulator/sms_cartridge.h"
#include "support/carts.h"
#include "support/harness.h"
#include "workers/gbc/gbc_protocol.h"
#include "workers/registry.h"
#include "workers/save_frame.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <cstring>
#include <functional>
#include <memory>

namespace {

constexpr uint32_t K = 1024;
using Mapping = sim::SfcCartridge::Mapping;

std::vector<uint8_t> numbered(uint32_t size, int shift)
{
    std::vector<uint8_t> rom(size);
    for (uint32_t i = 0; i < size; ++i)
        rom[i] = uint8_t(i >> shift);
    return rom;
}

// A save whose bytes differ from their neighbours and between seeds.
std::vector<uint8_t> pattern(size_t size, uint32_t seed, uint8_t mask = 0xFF)
{
    std::vector<uint8_t> v(size);
    for (size_t i = 0; i < size; ++i)
        v[i] = uint8_t(((uint32_t(i) + seed * 7919u) * 0x9E3779B1u) >> 24) & mask;
    return v;
}

std::vector<uint8_t> gb_rom(uint8_t type, uint8_t ramCode)
{
    std::vector<uint8_t> rom = numbered(128 * K, 14);
    std::copy(gbc::kLogo, gbc::kLogo + gbc::kLogoSize, rom.begin() + gbc::kLogoOffset);
    std::memset(rom.data() + 0x134, 0, 16);
    std::memcpy(rom.data() + 0x134, "SAVE TEST", 9);
    rom[0x147] = type;
    rom[0x148] = 2;
    rom[0x149] = ramCode;
    return rom;
}

std::vector<uint8_t> sfc_rom(Mapping map, uint8_t mode, uint8_t type, uint8_t ramCode)
{
    const size_t header = map == Mapping::LoRom ? 0x7FC0 : map == Mapping::HiRom ? 0xFFC0 : 0x40FFC0;
    std::vector<uint8_t> rom = numbered(map == Mapping::ExHiRom ? 0x480000 : 0x100000, 15);
    rom[header + 0x15] = mode;
    rom[header + 0x16] = type;
    rom[header + 0x18] = ramCode;
    return rom;
}

std::vector<uint8_t> md_rom(uint32_t romEnd, uint8_t lanes, uint8_t kind, uint32_t start, uint32_t end)
{
    std::vector<uint8_t> rom = numbered(512 * K, 14);
    for (int k = 0; k < 4; ++k) {
        rom[0x1A4 + k] = uint8_t(romEnd >> (24 - 8 * k));
        rom[0x1B4 + k] = uint8_t(start >> (24 - 8 * k));
        rom[0x1B8 + k] = uint8_t(end >> (24 - 8 * k));
    }
    std::memcpy(rom.data() + 0x1B0, "RA", 2);
    rom[0x1B2] = lanes;
    rom[0x1B3] = kind;
    return rom;
}

std::vector<uint8_t> codemasters_rom()
{
    std::vector<uint8_t> rom = numbered(128 * K, 14);
    const uint8_t sums[] = {0x34, 0x12, 0xCC, 0xED};   // 0x1234, then 0x10000 - 0x1234
    std::copy(sums, sums + 4, rom.begin() + 0x7FE6);
    return rom;
}

// A Mega Drive board whose header promises SRAM it lacks: its ROM repeats
// through 0x200000 and up.
class MdWithoutSram : public sim::Cartridge {
public:
    explicit MdWithoutSram(std::vector<uint8_t> rom) : rom_(std::move(rom)) {}
    int family() const override { return sim::bus_md; }
    void read(uint32_t offset, uint8_t *dst, uint32_t len) override
    {
        for (uint32_t i = 0; i < len; ++i)
            dst[i] = rom_[(offset + i) % rom_.size()];
    }

private:
    std::vector<uint8_t> rom_;
};

std::unique_ptr<sim::Cartridge> make(const QString &board)
{
    using sim::GbCartridge;
    using sim::SmsCartridge;
    // Game Boy boards: the header's cartridge type and RAM size code.
    static const QHash<QString, QPair<int, int>> gb{
        {"gb mbc1 8k", {0x03, 2}}, {"gb mbc1 32k", {0x03, 3}}, {"gb mbc2", {0x06, 0}}, {"gb mbc3 32k", {0x13, 3}},
        {"gb mbc3 clock", {0x10, 3}}, {"gb mbc5 128k", {0x1B, 4}}, {"gb mbc5 rumble", {0x1E, 3}},
        {"gb huc1", {0xFF, 3}}, {"gb mbc7", {0x22, 0}}, {"gb mbc1 128k", {0x03, 4}}};
    if (gb.contains(board))
        return std::make_unique<GbCartridge>(gb_rom(uint8_t(gb[board].first), uint8_t(gb[board].second)));
    if (board == "gb no ram") return std::make_unique<GbCartridge>(gb_rom(0x03, 2), -1, 0);
    for (uint32_t kib : {8, 16, 32})
        if (board == QStringLiteral("sms %1k").arg(kib))
            return std::make_unique<SmsCartridge>(numbered(128 * K, 14), SmsCartridge::Board::Sega, kib * K);
    if (board == "sms codemasters")
        return std::make_unique<SmsCartridge>(codemasters_rom(), SmsCartridge::Board::Codemasters, 8 * K);
    if (board == "sfc lorom") return std::make_unique<sim::SfcCartridge>(sfc_rom(Mapping::LoRom, 0x20, 0x02, 3), Mapping::LoRom);
    if (board == "sfc lorom 64k") return std::make_unique<sim::SfcCartridge>(sfc_rom(Mapping::LoRom, 0x30, 0x02, 6), Mapping::LoRom);
    if (board == "sfc hirom dsp") return std::make_unique<sim::SfcCartridge>(sfc_rom(Mapping::HiRom, 0x21, 0x05, 5), Mapping::HiRom);
    if (board == "sfc exhirom") return std::make_unique<sim::SfcCartridge>(sfc_rom(Mapping::ExHiRom, 0x25, 0x02, 3), Mapping::ExHiRom);
    if (board == "sfc sa-1") return std::make_unique<sim::SfcCartridge>(sfc_rom(Mapping::LoRom, 0x23, 0x35, 3), Mapping::LoRom);
    if (board == "sfc superfx") return std::make_unique<sim::SfcCartridge>(sfc_rom(Mapping::LoRom, 0x20, 0x15, 5), Mapping::LoRom);
    if (board == "md odd") return std::make_unique<sim::MdCartridge>(md_rom(0x7FFFF, 0xF8, 0x20, 0x200001, 0x203FFF));
    if (board == "md even") return std::make_unique<sim::MdCartridge>(md_rom(0x7FFFF, 0xF0, 0x20, 0x200000, 0x201FFE));
    if (board == "md both") return std::make_unique<sim::MdCartridge>(md_rom(0x7FFFF, 0xE0, 0x20, 0x200000, 0x201FFF));
    if (board == "md big") return std::make_unique<sim::MdCartridge>(md_rom(0x3FFFFF, 0xF8, 0x20, 0x200001, 0x203FFF));
    if (board == "md without sram") return std::make_unique<MdWithoutSram>(md_rom(0x7FFFF, 0xF8, 0x20, 0x200001, 0x203FFF));
    if (board == "md eeprom") return std::make_unique<sim::MdCartridge>(md_rom(0x7FFFF, 0xE8, 0x40, 0x200001, 0x200001));
    if (board == "msx ascii8") return std::make_unique<sim::MsxCartridge>(numbered(128 * K, 13), 7);
    if (board == "msx ascii16") return std::make_unique<sim::MsxCartridge>(numbered(128 * K, 14), 8);
    if (board == "msx gm2") return std::make_unique<sim::MsxCartridge>(numbered(128 * K, 13), 6);
    if (board == "msx ascii8 plain") return std::make_unique<sim::MsxCartridge>(numbered(128 * K, 13), 4);
    return std::make_unique<sim::GbaCartridge>(numbered(1024 * K, 16));
}

int console_of(const QString &board) { return find_family_named(board.section(QLatin1Char(' '), 0, 0))->code(); }

struct Reader {
    explicit Reader(const QString &board) : Reader(make(board)) {}
    explicit Reader(std::unique_ptr<sim::Cartridge> c) : cart(c.get()) { reader.insert(std::move(c)); }
    sim::Cartridge *cart;   // owned by the reader
    sim::SimulatedReader reader;
    sim::ScopedPlatform scope{reader};
    QTemporaryDir dir;
    QString path(const char *name) const { return dir.filePath(QLatin1String(name)); }
};

RunRecord run_save(const QString &board, bool write, const QString &file, int mapper,
                   const QString &backup = QString(), std::function<void(SaveWorker &)> setup = nullptr)
{
    std::unique_ptr<SaveWorker> worker(make_save_worker(console_of(board), write));
    worker->fileName = file;
    worker->backupPath = backup;
    worker->mmcType = mapper;
    if (setup)
        setup(*worker);
    return runWorker(*worker);
}

struct Cli {
    int status;
    QString out, err;
};

Cli run_cli(const QStringList &args)
{
    Cli r;
    QTextStream out(&r.out), err(&r.err);
    r.status = cli::run(args, out, err, false);
    out.flush();
    err.flush();
    return r;
}

// A board whose RAM loses the writes `drop` says to lose (a stuck cell, the
// first writes of a run), and whose RAM read number `flip` shows a bit flipped.
class Lossy : public sim::Cartridge {
public:
    Lossy(std::unique_ptr<sim::Cartridge> inner, std::function<bool(uint16_t, int)> drop, int flip = 0)
        : inner_(std::move(inner)), drop_(std::move(drop)), flip_(flip) {}
    int family() const override { return inner_->family(); }
    void power_up() override { inner_->power_up(); }
    void start(int bus) override { inner_->start(bus); }
    void command(const uint8_t *s) override
    {
        const uint16_t address = uint16_t(s[3] | s[4] << 8);
        if (address >= 0xA000 && address < 0xC000 && drop_(address, ramWrites_++))
            return;
        inner_->command(s);
    }
    void read(uint32_t offset, uint8_t *dst, uint32_t len) override
    {
        inner_->read(offset, dst, len);
        if (offset == 0xA000 && len > 0x100 && ++ramReads_ == flip_)
            dst[0x100] ^= 0x10;
    }
    std::vector<uint8_t> save_ram() const override { return inner_->save_ram(); }
    bool load_save_ram(const std::vector<uint8_t> &b) override { return inner_->load_save_ram(b); }

private:
    std::unique_ptr<sim::Cartridge> inner_;
    std::function<bool(uint16_t, int)> drop_;
    int flip_;
    int ramWrites_ = 0;
    int ramReads_ = 0;
};

bool any_ram_write(const sim::SimulatedReader &reader)
{
    for (const sim::SectorRecord &s : reader.commands())
        if (s.target() == 2 && s.operation() == 0x0D && s.arg(4) >= 0xA0 && s.arg(4) < 0xC0)
            return true;
    return false;
}

} // namespace

class TestCliSave : public QObject {
    Q_OBJECT
private slots:
    // Read, write something new, read again: the cartridge holds exactly
    // the file, and the backup what was there before.
    void roundTrip_data()
    {
        QTest::addColumn<QString>("board");
        QTest::addColumn<int>("mapper");
        QTest::addColumn<int>("fileSize");
        QTest::addColumn<int>("mask");
        QTest::addColumn<bool>("writable");
        QTest::newRow("GB MBC1 8 KB") << "gb mbc1 8k" << -1 << 8192 << 0xFF << true;
        QTest::newRow("GB MBC1 32 KB") << "gb mbc1 32k" << 1 << 32768 << 0xFF << true;
        QTest::newRow("GB MBC2") << "gb mbc2" << -1 << 512 << 0x0F << true;
        QTest::newRow("GB MBC3") << "gb mbc3 32k" << 3 << 32768 << 0xFF << true;
        QTest::newRow("GB MBC3 clock") << "gb mbc3 clock" << -1 << 32768 + 48 << 0xFF << true;
        QTest::newRow("GB MBC5 128 KB") << "gb mbc5 128k" << 4 << 131072 << 0xFF << true;
        QTest::newRow("GB MBC5 rumble") << "gb mbc5 rumble" << -1 << 32768 << 0xFF << true;
        QTest::newRow("GB HuC1") << "gb huc1" << 1 << 32768 << 0xFF << true;
        QTest::newRow("SMS 8 KB") << "sms 8k" << -1 << 8192 << 0xFF << true;
        QTest::newRow("SMS 16 KB") << "sms 16k" << -1 << 16384 << 0xFF << true;
        QTest::newRow("SMS 32 KB") << "sms 32k" << -1 << 32768 << 0xFF << true;
        QTest::newRow("SMS Codemasters") << "sms codemasters" << -1 << 8192 << 0xFF << true;
        QTest::newRow("SFC LoROM") << "sfc lorom" << 1 << 8192 << 0xFF << true;
        QTest::newRow("SFC LoROM 64 KB") << "sfc lorom 64k" << 2 << 65536 << 0xFF << true;
        QTest::newRow("SFC HiROM DSP") << "sfc hirom dsp" << 1 << 32768 << 0xFF << true;
        QTest::newRow("SFC ExHiROM") << "sfc exhirom" << 3 << 8192 << 0xFF << true;
        QTest::newRow("MD odd bytes") << "md odd" << -1 << 8192 << 0xFF << false;
        QTest::newRow("MD even bytes") << "md even" << -1 << 4096 << 0xFF << false;
        QTest::newRow("MD both bytes") << "md both" << -1 << 8192 << 0xFF << false;
        QTest::newRow("MSX ASCII 8 KB") << "msx ascii8" << 7 << 8192 << 0xFF << true;
        QTest::newRow("MSX ASCII 16 KB") << "msx ascii16" << 8 << 2048 << 0xFF << true;
        QTest::newRow("MSX Game Master 2") << "msx gm2" << 6 << 8192 << 0xFF << true;
    }
    void roundTrip()
    {
        QFETCH(QString, board);
        QFETCH(int, mapper);
        QFETCH(int, fileSize);
        QFETCH(int, mask);
        QFETCH(bool, writable);
        Reader r(board);
        const size_t size = r.reader.save_ram().size();
        const std::vector<uint8_t> before = pattern(size, 1, uint8_t(mask));
        QVERIFY(r.reader.load_save_ram(before));

        QCOMPARE(run_save(board, false, r.path("read.sav"), mapper).errors, QVector<int>{1});
        const QByteArray read = file_bytes(r.path("read.sav"));
        QCOMPARE(read.size(), fileSize);
        QCOMPARE(read.left(int(size)), to_bytes(before));

        const std::vector<uint8_t> after = pattern(size, 2, uint8_t(mask));
        QVERIFY(write_file(r.path("new.sav"), to_bytes(after) + read.mid(int(size))));
        QCOMPARE(run_save(board, true, r.path("new.sav"), mapper, r.path("backup.sav")).errors, QVector<int>{writable ? 1 : 0});
        QCOMPARE(r.reader.save_ram(), writable ? after : before);
        // The rumble motor stays off: no RAM bank write sets its bit.
        if (board == "gb mbc5 rumble") {
            QVERIFY(!static_cast<sim::GbCartridge *>(r.cart)->motor());
            for (const sim::SectorRecord &s : r.reader.commands())
                QVERIFY2(s.arg(3) != 0x00 || s.arg(4) != 0x40 || !(s.arg(5) & 0x08), "a RAM bank write ran the motor");
        }
        QCOMPARE(QFileInfo::exists(r.path("backup.sav")), writable);
        if (!writable)
            return;
        QCOMPARE(file_bytes(r.path("backup.sav")).left(int(size)), read.left(int(size)));

        QCOMPARE(run_save(board, false, r.path("again.sav"), mapper).errors, QVector<int>{1});
        QCOMPARE(file_bytes(r.path("again.sav")).left(int(size)), to_bytes(after));
    }

    // The clock footer carries the latched registers; written back only
    // when the file has it.
    void clockFooter()
    {
        Reader r(QStringLiteral("gb mbc3 clock"));
        auto *gb = static_cast<sim::GbCartridge *>(r.cart);
        gb->set_clock({30, 59, 23, 200, 1});
        QVERIFY(r.reader.load_save_ram(pattern(32768, 5)));
        QCOMPARE(run_save("gb mbc3 clock", false, r.path("c.sav"), -1).errors, QVector<int>{1});
        const QByteArray read = file_bytes(r.path("c.sav"));
        const QByteArray footer = read.mid(32768);
        // The one latch of the run advances the simulated clock a second.
        const int latched[5] = {31, 59, 23, 200, 1};
        for (int reg = 0; reg < 5; ++reg) {
            QCOMPARE(int(uint8_t(footer[reg * 4])), latched[reg]);
            QCOMPARE(int(uint8_t(footer[20 + reg * 4])), latched[reg]);
        }

        QByteArray set = read;
        const uint8_t regs[5] = {5, 6, 7, 8, 0};
        for (int reg = 0; reg < 5; ++reg)
            set[32768 + reg * 4] = char(regs[reg]);
        QVERIFY(write_file(r.path("set.sav"), set));
        QCOMPARE(run_save("gb mbc3 clock", true, r.path("set.sav"), -1, r.path("b1.sav")).errors, QVector<int>{1});
        const sim::GbCartridge::Clock c = gb->clock();
        QCOMPARE(QList<int>({c.seconds, c.minutes, c.hours, c.day_low, c.day_high}), QList<int>({5, 6, 7, 8, 0}));

        // Without the footer the clock is left running as it was.
        QVERIFY(write_file(r.path("ram.sav"), set.left(32768)));
        gb->set_clock({1, 2, 3, 4, 0});
        QCOMPARE(run_save("gb mbc3 clock", true, r.path("ram.sav"), -1, r.path("b2.sav")).errors, QVector<int>{1});
        QCOMPARE(int(gb->clock().minutes), 2);
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("board");
        QTest::addColumn<bool>("write");
        QTest::addColumn<int>("mapper");
        QTest::addColumn<QString>("says");
        QTest::newRow("GBA read") << "gba" << false << -1 << "reaches only the Game Boy Advance ROM";
        QTest::newRow("GBA write") << "gba" << true << -1 << "reaches only the Game Boy Advance ROM";
        QTest::newRow("GB MBC7") << "gb mbc7" << false << -1 << "not supported: MBC7";
        QTest::newRow("GB MBC1 with 128 KB") << "gb mbc1 128k" << true << -1 << "larger than this board can map";
        QTest::newRow("GB RAM never appears") << "gb no ram" << false << -1 << "never appeared";
        QTest::newRow("SFC SA-1") << "sfc sa-1" << false << 1 << "coprocessor the reader cannot drive: SA-1";
        QTest::newRow("SFC SuperFX") << "sfc superfx" << true << 1 << "coprocessor the reader cannot drive: SuperFX";
        QTest::newRow("MD above 2 MB") << "md big" << false << -1 << "above 2 MB";
        QTest::newRow("MD SRAM missing") << "md without sram" << false << -1 << "the ROM's own bytes";
        QTest::newRow("SFC RAM blank or absent") << "sfc lorom" << false << 1 << "reads as 0xFF throughout";
        QTest::newRow("MD EEPROM") << "md eeprom" << false << -1 << "serial EEPROM";
        QTest::newRow("MD write") << "md odd" << true << -1 << "no Mega Drive write command";
        QTest::newRow("MSX without SRAM") << "msx ascii8 plain" << false << 4 << "the mapper chosen is Ascii/8kb";
    }
    void refusals()
    {
        QFETCH(QString, board);
        QFETCH(bool, write);
        QFETCH(int, mapper);
        QFETCH(QString, says);
        Reader r(board);
        const std::vector<uint8_t> ram = r.reader.save_ram();
        QVERIFY(write_file(r.path("in.sav"), QByteArray(int(ram.size()), 'x')));
        const RunRecord rec = run_save(board, write, r.path(write ? "in.sav" : "out.sav"), mapper, r.path("b.sav"));
        QCOMPARE(rec.errors, QVector<int>{0});
        QVERIFY2(rec.logs.join('\n').contains(says), qPrintable(rec.logs.join('\n')));
        QCOMPARE(QDir(r.dir.path()).entryList(QDir::Files), QStringList{"in.sav"});
        QCOMPARE(r.reader.save_ram(), ram);
    }

    // What a write-save does when the file, the reader or the RAM fails it.
    void writeFailures_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("says");
        QTest::addColumn<bool>("backup");
        QTest::addColumn<bool>("changed");
        QTest::newRow("wrong size") << "size" << 1 << "holds 8192 bytes, but this cartridge's save is 32768" << false << false;
        QTest::newRow("read fails in the backup") << "read" << 1 << "Read error at 0x2000" << false << false;
        QTest::newRow("reads differ") << "flaky" << 1 << "two reads of the save memory differ" << false << false;
        QTest::newRow("stuck cell") << "stuck" << 1 << "read-back differs at 0x5" << true << true;
        QTest::newRow("lost batch, one a write helps") << "lost" << 0 << "writing the bank again" << true << true;
        QTest::newRow("backup exists") << "exists" << 1 << "never replaced" << true << false;
    }
    void writeFailures()
    {
        QFETCH(QString, fault);
        QFETCH(int, status);
        QFETCH(QString, says);
        QFETCH(bool, backup);
        QFETCH(bool, changed);
        std::unique_ptr<sim::Cartridge> cart = make(QStringLiteral("gb mbc1 32k"));
        if (fault == "stuck")
            cart = std::make_unique<Lossy>(std::move(cart), [](uint16_t a, int) { return a == 0xA005; });
        if (fault == "flaky")
            cart = std::make_unique<Lossy>(std::move(cart), [](uint16_t, int) { return false; }, 6);
        if (fault == "lost")
            cart = std::make_unique<Lossy>(std::move(cart), [](uint16_t, int n) { return n >= 100 && n < 300; });
        Reader rig(std::move(cart));
        sim::SimulatedReader &reader = rig.reader;
        const QTemporaryDir &dir = rig.dir;
        const std::vector<uint8_t> before = pattern(32768, 1);
        QVERIFY(reader.load_save_ram(before));
        const std::vector<uint8_t> file = pattern(fault == "size" ? 8192 : 32768, 2);
        const QString input = dir.filePath("in.sav"), kept = dir.filePath("kept.sav");
        QVERIFY(write_file(input, to_bytes(file)));
        if (fault == "read")
            reader.fail_read(3);   // header, bank 0, then bank 1 of the first read
        if (fault == "exists")
            QVERIFY(write_file(kept, "mine"));
        reader.clear_log();

        const Cli r = run_cli({"write-save", "--console", "gb", "--backup", kept, input});
        QCOMPARE(r.status, status);
        QVERIFY2((r.out + r.err).contains(says), qPrintable(r.out + r.err));
        QCOMPARE(QFileInfo::exists(kept), backup);
        if (fault == "exists")
            QCOMPARE(file_bytes(kept), QByteArray("mine"));
        else if (backup)
            QCOMPARE(file_bytes(kept), to_bytes(before));
        if (status == 1 && backup)
            QVERIFY2(r.err.contains(kept), qPrintable(r.err));
        if (!changed) {
            QCOMPARE(reader.save_ram(), before);
            QVERIFY(!any_ram_write(reader));
        }
        if (status == 0)
            QCOMPARE(reader.save_ram(), file);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), backup ? 2 : 1);
    }

    // A cancel during the backup leaves the RAM as it was and disabled.
    void cancelDisablesRam_data()
    {
        QTest::addColumn<int>("cancelAt");   // the RAM read during which Cancel comes
        QTest::addColumn<bool>("written");   // the writes had begun
        QTest::newRow("while the save is read") << 3 << false;
        QTest::newRow("once it is written") << 9 << true;
    }

    void cancelDisablesRam()
    {
        QFETCH(int, cancelAt);
        QFETCH(bool, written);
        Reader r(QStringLiteral("gb mbc1 32k"));
        const std::vector<uint8_t> before = pattern(32768, 1);
        QVERIFY(r.reader.load_save_ram(before));
        QVERIFY(write_file(r.path("in.sav"), to_bytes(pattern(32768, 2))));
        std::unique_ptr<SaveWorker> worker(make_save_worker(code(ConsoleCode::gbc), true));
        int ramReads = 0;
        r.reader.set_read_hook([&](const sim::Event &e) {
            if (e.offset == 0xA000 && ++ramReads == cancelAt)
                worker->canceled();
        });
        worker->fileName = r.path("in.sav");
        const QString backup = r.path("backup.sav");
        worker->backupPath = backup;
        const RunRecord rec = runWorker(*worker);
        r.reader.set_read_hook(nullptr);
        QCOMPARE(rec.errors, QVector<int>{0});
        QVERIFY(rec.logs.contains("Save canceled."));
        if (written) {
            // The old save stays at hand, and the log says where.
            QCOMPARE(file_bytes(backup), to_bytes(before));
            QVERIFY2(rec.logs.last().endsWith(backup), qPrintable(rec.logs.join('\n')));
        } else {
            QCOMPARE(r.reader.save_ram(), before);
            QCOMPARE(QDir(r.dir.path()).entryList(QDir::Files), QStringList{"in.sav"});
        }
        uint8_t shown[16];
        QCOMPARE(read_data_window(0xA000, shown, sizeof shown), uint32_t(sizeof shown));
        QCOMPARE(to_bytes(std::vector<uint8_t>(shown, shown + 16)), QByteArray(16, '\xFF'));
    }

    // read-save keeps an existing OUTPUT without --force and replaces it with.
    void readSaveOutput()
    {
        Reader r(QStringLiteral("gb mbc1 8k"));
        const std::vector<uint8_t> save = pattern(8192, 4);
        QVERIFY(r.reader.load_save_ram(save));
        QVERIFY(write_file(r.path("out.sav"), "old"));
        Cli c = run_cli({"read-save", "--console", "gb", r.path("out.sav")});
        QCOMPARE(c.status, 1);
        QCOMPARE(file_bytes(r.path("out.sav")), QByteArray("old"));
        c = run_cli({"read-save", "--console", "gb", "--force", r.path("out.sav")});
        QCOMPARE(c.status, 0);
        QCOMPARE(file_bytes(r.path("out.sav")), to_bytes(save));
        QCOMPARE(QDir(r.dir.path()).entryList(QDir::Files), QStringList{"out.sav"});
    }

    // Two reads that differ give no file.
    void readSaveReadsTwice()
    {
        // RAM reads: the probe without and with the RAM, then the two passes.
        Reader r(std::make_unique<Lossy>(make(QStringLiteral("gb mbc1 8k")), [](uint16_t, int) { return false; }, 4));
        QVERIFY(r.reader.load_save_ram(pattern(8192, 6)));
        const Cli c = run_cli({"read-save", "--console", "gb", r.path("out.sav")});
        QCOMPARE(c.status, 1);
        QVERIFY2(c.out.contains("two reads of the save memory differ at 0x100"), qPrintable(c.out));
        QCOMPARE(QDir(r.dir.path()).entryList(QDir::Files), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestCliSave)
#include "test_cli_save.moc"
