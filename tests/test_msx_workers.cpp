#include "device/checksum.h"
#include "simulator/msx_cartridge.h"
#include "simulator/simulated_reader.h"
#include "support/harness.h"
#include "workers/md/md_threads.h"
#include "workers/msx/msx_threads.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <vector>

namespace {

constexpr uint32_t K = 1024;

// Distinct bytes everywhere, and every 8 KiB bank starts with its number,
// so a wrong bank shows in the saved file.
std::vector<uint8_t> makeImage(uint32_t size, uint32_t seed = 1)
{
    std::vector<uint8_t> image(size);
    uint32_t x = seed * 2654435761u + 1;
    for (uint8_t &b : image) {
        x = x * 1664525u + 1013904223u;
        b = uint8_t(x >> 24);
    }
    for (uint32_t at = 0; at < size; at += 8 * K)
        image[at] = uint8_t(at / (8 * K));
    return image;
}

QByteArray bytes(const std::vector<uint8_t> &v, size_t from = 0, size_t len = SIZE_MAX)
{
    len = std::min(len, v.size() - from);
    return QByteArray(reinterpret_cast<const char *>(v.data() + from), int(len));
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// "addr<-value" for a register write, "start 0x15" for a start.
QString describe(const sim::SectorRecord &s)
{
    if (s.operation() == 0x01)
        return QStringLiteral("start %1").arg(s.target(), 0, 16);
    return QStringLiteral("%1<-%2").arg(s.arg(4) | s.arg(5) << 8, 4, 16, QLatin1Char('0')).arg(s.arg(12));
}

// The drive's events as "W addr<-value", "R offset+length", in order.
QStringList trace(const sim::SimulatedReader &reader)
{
    QStringList out;
    for (const sim::Event &e : reader.events()) {
        if (e.kind == sim::Event::Command)
            out << QStringLiteral("W ") + describe(e.sector);
        else if (e.file == "DUMP.ROM")
            out << QStringLiteral("R %1+%2").arg(e.offset, 0, 16).arg(e.length / K);
    }
    return out;
}

struct Bench {
    explicit Bench(std::unique_ptr<sim::Cartridge> cart, const char *identity = "QXB_RDR07_FW310")
        : reader('F', "QUORVEL", identity), platform(reader)
    {
        reader.insert(std::move(cart));
    }
    RunRecord dump(int size, int mapper)
    {
        msxThreadDump worker;
        worker.configure(path(), size, mapper);
        return runWorker(worker);
    }
    RunRecord info(const msx::TitleRecord *table = msx::kTitleTable, size_t count = msx::kTitleTableSize)
    {
        msxThreadInfo worker;
        worker.table = table;
        worker.tableSize = count;
        return runWorker(worker);
    }
    QString path() const { return dir.filePath(QStringLiteral("image.rom")); }

    sim::SimulatedReader reader;
    sim::ScopedPlatform platform;
    QTemporaryDir dir;
};

std::unique_ptr<sim::Cartridge> cartridge(const std::vector<uint8_t> &rom, int mapper, uint16_t base = 0x4000)
{
    return std::make_unique<sim::MsxCartridge>(rom, mapper, base);
}

} // namespace

class TestMsxWorkers : public QObject {
    Q_OBJECT
private slots:
    void infoReportsTableRow()
    {
        // R-Type shows its fixed last bank at 0x4000.
        std::vector<uint8_t> rom = makeImage(384 * K);
        sim::force_crc32(rom.data() + 0x17 * 16 * K, 8 * K, 64, 0xB2FC5B5B);
        Bench bench(cartridge(rom, 9));
        const RunRecord rec = bench.info();
        QVERIFY(rec.finished);
        QCOMPARE(rec.logs.mid(4), (QStringList{"Name: R-Type", "Company: Irem", "Year: 1988", "Mapper: 9"}));
        QCOMPARE(rec.trace.mid(rec.trace.indexOf("log Mapper: 9")),
                 (QStringList{"log Mapper: 9", "selectRomSize 393216", "selectMMCType 9"}));
        QVERIFY(rec.progress.isEmpty());
        QVERIFY(rec.errors.isEmpty());
    }

    void infoPageOrder_data()
    {
        QTest::addColumn<uint16_t>("base");
        QTest::addColumn<int>("blankHead");   // leading 0xFF bytes of the image
        QTest::addColumn<uint32_t>("keyAt");  // image offset of the page given a key
        QTest::addColumn<uint32_t>("key");
        QTest::addColumn<QStringList>("reads");
        QTest::addColumn<QString>("name");

        QTest::newRow("lower page") << uint16_t(0x4000) << 0 << 0u << 0x4BC1360Au
                                    << QStringList{"R 4000+8"} << "Name: Baseball";
        QTest::newRow("upper page") << uint16_t(0x8000) << 0 << 0u << 0x4BC1360Au
                                    << QStringList{"R 4000+8", "R 8000+8"} << "Name: Baseball";
        QTest::newRow("eagle fighter") << uint16_t(0x4000) << int(8 * K) << uint32_t(8 * K) << msx::kEagleFighterCrc
                                       << QStringList{"R 4000+8", "R 8000+8", "R 6000+8"} << "Name: Eagle Fighter";
        QTest::newRow("nothing") << uint16_t(0xC000) << 0 << 0u << 0u
                                 << QStringList{"R 4000+8", "R 8000+8", "R 6000+8"} << "";
    }
    void infoPageOrder()
    {
        QFETCH(uint16_t, base);
        QFETCH(int, blankHead);
        QFETCH(uint32_t, keyAt);
        QFETCH(uint32_t, key);
        QFETCH(QStringList, reads);
        QFETCH(QString, name);

        std::vector<uint8_t> rom = makeImage(16 * K);
        std::fill(rom.begin(), rom.begin() + blankHead, 0xFF);
        if (key)
            sim::force_crc32(rom.data() + keyAt, 8 * K, 64, key);
        Bench bench(cartridge(rom, 0, base));
        const RunRecord rec = bench.info();
        QStringList windowReads = trace(bench.reader).filter(QRegularExpression("^R "));
        QCOMPARE(windowReads, reads);
        if (name.isEmpty()) {
            QCOMPARE(rec.logs.mid(4), (QStringList{"Can not auto detect cartridge information",
                                                   "Please set ROM SIZE by yourself to dump the ROM", "\r\n"}));
            QVERIFY(rec.presets.isEmpty());
        } else {
            QCOMPARE(rec.logs.value(4), name);
            QCOMPARE(rec.presets.size(), 2);
        }
    }

    // The mode chosen from the firmware text goes into the start and into
    // every register write after it, Info and Dump alike.
    void modeByte_data()
    {
        QTest::addColumn<QByteArray>("identity");
        QTest::addColumn<int>("mode");
        QTest::newRow("MSX reader") << QByteArray("MSX_RDR07_FW310") << 0x14;
        QTest::newRow("other reader") << QByteArray("QXB_RDR07_FW310") << 0x15;
        QTest::newRow("empty identity") << QByteArray("") << 0x15;
    }
    void modeByte()
    {
        QFETCH(QByteArray, identity);
        QFETCH(int, mode);
        const std::vector<uint8_t> rom = makeImage(64 * K);
        Bench bench(cartridge(rom, 5), identity.constData());
        bench.info();
        QCOMPARE(int(msx::mode), mode);
        QVERIFY(!bench.reader.commands().empty());
        QCOMPARE(int(bench.reader.commands().front().target()), mode);

        bench.reader.clear_log();
        const RunRecord rec = bench.dump(64 * K, 5);
        QCOMPARE(rec.errors, QVector<int>{1});
        const std::vector<sim::SectorRecord> sent = bench.reader.commands();
        QCOMPARE(int(sent.size()), 5);
        for (const sim::SectorRecord &s : sent)
            QCOMPARE(int(s.target()), mode);
        QCOMPARE(readFile(bench.path()), bytes(rom));
    }

    // A dump that follows no MSX Info starts the MSX bus itself, so its
    // register writes never carry target 0 and the bus is the MSX one.
    void dumpStartsItsOwnBus_data()
    {
        QTest::addColumn<bool>("mdInfoFirst");
        QTest::newRow("no info since start") << false;
        QTest::newRow("after a Mega Drive info") << true;
    }
    void dumpStartsItsOwnBus()
    {
        QFETCH(bool, mdInfoFirst);
        const std::vector<uint8_t> rom = makeImage(128 * K);
        Bench bench(cartridge(rom, 4));
        msx::mode = 0;
        if (mdInfoFirst) {
            mdThreadInfo md;
            runWorker(md);
            QCOMPARE(bench.reader.bus(), int(sim::bus_md));
        }
        bench.reader.clear_log();
        const RunRecord rec = bench.dump(128 * K, 4);
        QCOMPARE(rec.errors, QVector<int>{1});
        const QStringList t = trace(bench.reader);
        QCOMPARE(t.value(0), QStringLiteral("W start 15"));
        QCOMPARE(t.value(1), QStringLiteral("W 6000<-0"));
        for (const sim::SectorRecord &s : bench.reader.commands())
            QCOMPARE(int(s.target()), 0x15);
        QCOMPARE(bench.reader.bus(), int(sim::bus_msx));
        QCOMPARE(readFile(bench.path()), bytes(rom));
    }

    // Every mapper whose register writes bring each part of the image into
    // view restores it exactly.
    void roundTrip_data()
    {
        QTest::addColumn<int>("mapper");
        QTest::addColumn<int>("size");
        QTest::addColumn<uint16_t>("base");
        QTest::newRow("standard, whole slot") << 0 << int(64 * K) << uint16_t(0x0000);
        QTest::newRow("msx-dos 2") << 1 << int(64 * K) << uint16_t(0x4000);
        QTest::newRow("konami5 with SCC") << 2 << int(512 * K) << uint16_t(0x4000);
        QTest::newRow("konami4") << 3 << int(128 * K) << uint16_t(0x4000);
        QTest::newRow("ascii8") << 4 << int(256 * K) << uint16_t(0x4000);
        QTest::newRow("ascii16") << 5 << int(128 * K) << uint16_t(0x4000);
        QTest::newRow("game master 2") << 6 << int(128 * K) << uint16_t(0x4000);
        QTest::newRow("ascii8 with SRAM") << 7 << int(128 * K) << uint16_t(0x4000);
        QTest::newRow("ascii16 with SRAM") << 8 << int(128 * K) << uint16_t(0x4000);
        QTest::newRow("r-type") << 9 << int(384 * K) << uint16_t(0x4000);
        QTest::newRow("super load runner") << 12 << int(128 * K) << uint16_t(0x4000);
        QTest::newRow("korean 80-in-1") << 16 << int(512 * K) << uint16_t(0x4000);
        QTest::newRow("korean 126-in-1") << 17 << int(256 * K) << uint16_t(0x4000);
        QTest::newRow("harry fox") << 128 << int(64 * K) << uint16_t(0x4000);
        // The synthesizer has no registers: only what fits between 0x4000
        // and the end of the slot can be read.
        QTest::newRow("synthesizer, 48 KiB") << 13 << int(48 * K) << uint16_t(0x4000);
    }
    void roundTrip()
    {
        QFETCH(int, mapper);
        QFETCH(int, size);
        QFETCH(uint16_t, base);
        const std::vector<uint8_t> rom = makeImage(uint32_t(size), uint32_t(mapper));
        Bench bench(cartridge(rom, mapper, base));
        const RunRecord rec = bench.dump(size, mapper);
        QVERIFY(rec.finished);
        QCOMPARE(rec.errors, QVector<int>{1});
        QCOMPARE(readFile(bench.path()), bytes(rom));
        const QStringList tail = savedLines(bench.path(), rom, 21);
        QCOMPARE(rec.logs.mid(rec.logs.size() - tail.size()), tail);
    }

    // Mappers whose bank reader cannot bring the whole image into view. The
    // expected file says what the dump gets instead.
    void unrestorable_data()
    {
        QTest::addColumn<int>("mapper");
        QTest::addColumn<int>("size");
        // Hai no Majutsushi's board keeps bank 0 at 0x4000-0x5FFF; the single
        // write to 0x6000 only moves the 8 KiB behind it.
        QTest::newRow("konami mah-jong 2") << 10 << int(128 * K);
        // The FM-PAC answers reads of 0x7FF6/0x7FF7 with its enable and bank
        // registers, hiding two ROM bytes of every bank.
        QTest::newRow("fm-pac") << 11 << int(64 * K);
        // Cross Blaim's latch values 0 and 1 both show bank 1 at 0x8000;
        // bank 0 appears only at 0x4000, which the reader never reads.
        QTest::newRow("cross blaim") << 14 << int(64 * K);
        // The disk ROM has no bank registers: offset OR 0x4000 reads the
        // page at 0x4000 twice, then the one at 0xC000 twice.
        QTest::newRow("disk rom") << 15 << int(64 * K);
        // No registers either: the last 16 KiB lie past the 64 KiB slot.
        QTest::newRow("synthesizer, 64 KiB") << 13 << int(64 * K);
    }
    void unrestorable()
    {
        QFETCH(int, mapper);
        QFETCH(int, size);
        const uint32_t n = uint32_t(size);
        const std::vector<uint8_t> rom = makeImage(n, 7);
        Bench bench(cartridge(rom, mapper));
        const RunRecord rec = bench.dump(size, mapper);
        QCOMPARE(rec.errors, QVector<int>{1});

        std::vector<uint8_t> expected(n, 0xFF);
        const uint32_t bank = 16 * K;
        for (uint32_t off = 0; off < n; off += bank) {
            uint8_t *dst = expected.data() + off;
            const uint32_t b16 = off / bank;
            switch (mapper) {
            case 10:
                std::copy_n(rom.begin(), 8 * K, dst);
                std::copy_n(rom.begin() + (b16 % (n / (8 * K))) * 8 * K, 8 * K, dst + 8 * K);
                break;
            case 11:
                std::copy_n(rom.begin() + off, bank, dst);
                dst[0x3FF6] = 0;
                dst[0x3FF7] = uint8_t(b16);
                break;
            case 14:
                std::copy_n(rom.begin() + std::max(b16, 1u) * bank, bank, dst);
                break;
            case 15:
                std::copy_n(rom.begin() + (off < 32 * K ? 0 : 32 * K), bank, dst);
                break;
            case 13:
                if (off < 48 * K)
                    std::copy_n(rom.begin() + off, bank, dst);
                break;
            }
        }
        QVERIFY(expected != rom);
        QCOMPARE(readFile(bench.path()), bytes(expected));
    }

    void sccRegisterSequence()
    {
        Bench bench(cartridge(makeImage(128 * K), 2));
        bench.dump(128 * K, 2);
        const QStringList t = trace(bench.reader);
        QCOMPARE(t.filter("R 4000+16").size(), 8);
        QCOMPARE(t.filter(QRegularExpression("^R ")).size(), 8);
        const int third = [&] {
            int seen = 0;
            for (int i = 0; i < t.size(); ++i)
                if (t[i].startsWith("R ") && ++seen == 3)
                    return i;
            return -1;
        }();
        QVERIFY(third >= 2);
        QCOMPARE(t.mid(third - 2, 2), (QStringList{"W 5000<-4", "W 7000<-5"}));
    }

    void harryFoxRegisterSequence()
    {
        Bench bench(cartridge(makeImage(64 * K), 128));
        const RunRecord rec = bench.dump(64 * K, 128);
        QCOMPARE(trace(bench.reader),
                 (QStringList{"W start 15", "W 6000<-0", "W 7000<-0", "R 4000+16", "R 8000+16",
                              "W 6000<-1", "W 7000<-1", "R 4000+16", "R 8000+16"}));
        QCOMPARE(rec.progress, (QVector<QPair<int, int>>{{1, 65536}, {16384, 65536}, {32768, 65536},
                                                         {49152, 65536}, {65536, 65536}, {1, 1}}));
    }

    // Up to 32 KiB the fixed pages are read and the mapper is ignored; an
    // empty first page sends the read to the upper page.
    void fixedPages_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<uint16_t>("base");
        QTest::addColumn<int>("mapper");
        QTest::addColumn<QStringList>("reads");
        QTest::newRow("16 KiB upper page") << int(16 * K) << uint16_t(0x8000) << 0
                                           << QStringList{"R 4000+16", "R 8000+16"};
        QTest::newRow("16 KiB lower page") << int(16 * K) << uint16_t(0x4000) << 0 << QStringList{"R 4000+16"};
        QTest::newRow("32 KiB, mapper ignored") << int(32 * K) << uint16_t(0x4000) << 2 << QStringList{"R 4000+32"};
        // Smaller than one page: judged on its own bytes, never past the buffer.
        QTest::newRow("4 KiB upper page") << int(4 * K) << uint16_t(0x8000) << 0
                                          << QStringList{"R 4000+4", "R 8000+4"};
    }
    void fixedPages()
    {
        QFETCH(int, size);
        QFETCH(uint16_t, base);
        QFETCH(int, mapper);
        QFETCH(QStringList, reads);
        const std::vector<uint8_t> rom = makeImage(uint32_t(size));
        Bench bench(cartridge(rom, mapper, base));
        const RunRecord rec = bench.dump(size, mapper);
        QCOMPARE(trace(bench.reader), QStringList{"W start 15"} + reads);
        QCOMPARE(rec.progress, (QVector<QPair<int, int>>{{1, size}, {size, size}, {1, 1}}));
        QCOMPARE(readFile(bench.path()), bytes(rom));
    }

    void debugDump64K()
    {
        const std::vector<uint8_t> rom = makeImage(64 * K);
        Bench bench(cartridge(rom, 0, 0x0000));
        const RunRecord rec = bench.dump(64 * K, 0);
        QVERIFY(rec.logs.contains("Debug dump 64K."));
        QCOMPARE(trace(bench.reader), (QStringList{"W start 15", "R 0+64"}));
        QCOMPARE(rec.errors, QVector<int>{1});
    }

    // A size that is not a whole number of banks reads its last part only
    // as far as the image goes.
    void partialLastBank()
    {
        const std::vector<uint8_t> rom = makeImage(128 * K);
        Bench bench(cartridge(rom, 5));
        const int size = 40 * K;
        const RunRecord rec = bench.dump(size, 5);
        QCOMPARE(trace(bench.reader).filter(QRegularExpression("^R ")),
                 (QStringList{"R 4000+16", "R 4000+16", "R 4000+8"}));
        QCOMPARE(rec.progress.mid(rec.progress.size() - 2),
                 (QVector<QPair<int, int>>{{size, size}, {1, 1}}));
        QCOMPARE(readFile(bench.path()), bytes(rom, 0, size));
    }

    void unknownMapper_data()
    {
        QTest::addColumn<int>("mapper");
        QTest::newRow("18") << 18;
        QTest::newRow("127") << 127;
        QTest::newRow("negative") << -1;
    }
    void unknownMapper()
    {
        QFETCH(int, mapper);
        Bench bench(cartridge(makeImage(64 * K), 5));
        const RunRecord rec = bench.dump(64 * K, mapper);
        QCOMPARE(rec.logs, QStringList{"Unknow mapper."});
        QCOMPARE(rec.progress, (QVector<QPair<int, int>>{{1, 1}}));
        QCOMPARE(rec.errors, QVector<int>{0});
        QVERIFY(!QFile::exists(bench.path()));
        QVERIFY(bench.reader.commands().empty());
    }
};

QTEST_GUILESS_MAIN(TestMsxWorkers)
#include "test_msx_workers.moc"
