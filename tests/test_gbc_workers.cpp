#include "device/checksum.h"
#include "simulator/gbc_cartridge.h"
#include "simulator/simulated_reader.h"
#include "support/harness.h"
#include "workers/gbc/gbc_threads.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <random>
#include <vector>

namespace {

// A reader with a Game Boy cartridge, installed for the test's lifetime.
struct Rig {
    sim::SimulatedReader reader;
    sim::ScopedPlatform scope{reader};
    explicit Rig(std::vector<uint8_t> rom, int mbc = -1)
    {
        reader.insert(std::make_unique<sim::GbCartridge>(std::move(rom), mbc));
    }
};

uint8_t typeCodeFor(int mbc)
{
    const uint8_t codes[] = {0x00, 0x01, 0x05, 0x11, 0x19};
    return codes[mbc];
}

std::vector<uint8_t> randomRom(uint32_t size, int mbc, uint32_t seed)
{
    std::mt19937 rng(seed);
    std::vector<uint8_t> rom(size);
    for (auto &b : rom)
        b = uint8_t(rng());
    std::copy(gbc::kLogo, gbc::kLogo + gbc::kLogoSize, rom.begin() + gbc::kLogoOffset);
    rom[gbc::kTypeOffset] = typeCodeFor(mbc);
    return rom;
}

std::vector<uint8_t> headerRom(const QByteArray &title, uint8_t type, uint8_t romCode, uint8_t ramCode)
{
    std::vector<uint8_t> rom(0x8000, 0);
    std::copy(gbc::kLogo, gbc::kLogo + gbc::kLogoSize, rom.begin() + gbc::kLogoOffset);
    std::copy(title.begin(), title.end(), rom.begin() + gbc::kTitleOffset);
    rom[gbc::kTypeOffset] = type;
    rom[gbc::kRomSizeOffset] = romCode;
    rom[gbc::kRamSizeOffset] = ramCode;
    return rom;
}

QByteArray bytes(const std::vector<uint8_t> &v, size_t len)
{
    return QByteArray(reinterpret_cast<const char *>(v.data()), int(len));
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

QStringList registerWrites(const sim::SimulatedReader &reader)
{
    QStringList out;
    for (const sim::SectorRecord &s : reader.commands())
        if (s.target() == 0x02 && s.operation() == 0x0D)
            out << QStringLiteral("%1<-%2").arg(s.arg(3) | s.arg(4) << 8, 4, 16, QLatin1Char('0')).arg(s.arg(5), 0, 16);
    return out;
}

QList<int> windowOffsets(const sim::SimulatedReader &reader)
{
    QList<int> out;
    for (const sim::Event &e : reader.window_reads())
        out << int(e.offset);
    return out;
}

RunRecord dump(const QString &path, int size, int mbc)
{
    gbcThreadDump worker;
    worker.configure(path, size, mbc);
    return runWorker(worker);
}

} // namespace

class TestGbcWorkers : public QObject {
    Q_OBJECT
private slots:
    void info_data()
    {
        QTest::addColumn<QByteArray>("title");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("romCode");
        QTest::addColumn<int>("ramCode");
        QTest::addColumn<QStringList>("trace");
        QTest::newRow("MBC1 1 MB with 32 KB RAM")
            << QByteArray("TETRIS") << 0x03 << 5 << 3
            << QStringList{"log --GB/GBC Cartridge information--", "log Title: TETRIS",
                           "selectMMCType 1", "log ROM SIZE: 1024 KB", "selectRomSize 1048576",
                           "log RAM SIZE: 32 KBytes", "selectRamSize 32768"};
        QTest::newRow("code 0x53, 512 bytes, MBC3")
            << QByteArray("ABCDEFGHIJKLMNOP") << 0xFE << 0x53 << 7
            << QStringList{"log --GB/GBC Cartridge information--", "log Title: ABCDEFGHIJKLMNOP",
                           "selectMMCType 3", "log ROM SIZE: 2048 KB", "selectRomSize 2097152",
                           "log RAM SIZE: 512 Bytes", "selectRamSize 512"};
        QTest::newRow("codes outside the tables")
            << QByteArray() << 0x19 << 0x20 << 0x0A
            << QStringList{"log --GB/GBC Cartridge information--", "log Title: ",
                           "selectMMCType 4", "log ROM SIZE: 32 KB", "selectRomSize 32768",
                           "log RAM SIZE: 0 Bytes", "selectRamSize 0"};
    }
    void info()
    {
        QFETCH(QByteArray, title);
        QFETCH(int, type);
        QFETCH(int, romCode);
        QFETCH(int, ramCode);
        QFETCH(QStringList, trace);
        Rig rig(headerRom(title, uint8_t(type), uint8_t(romCode), uint8_t(ramCode)));
        gbcThreadInfo worker;
        const RunRecord rec = runWorker(worker);
        QCOMPARE(rec.logs.size(), 4 + 4);   // device block, then ours
        QCOMPARE(rec.trace.mid(4), trace);
        QVERIFY(rec.progress.isEmpty());
        QVERIFY(rec.errors.isEmpty());
        const auto cmds = rig.reader.commands();
        QCOMPARE(int(cmds.size()), 2);
        QCOMPARE(int(cmds[0].target()), 0xF0);
        QCOMPARE(int(cmds[0].operation()), 0x02);
        QCOMPARE(int(cmds[1].target()), 0x02);
        QCOMPARE(int(cmds[1].operation()), 0x01);
    }

    void infoWithWrongLogo()
    {
        std::vector<uint8_t> rom = headerRom("TETRIS", 0x01, 1, 2);
        rom[gbc::kLogoOffset + 20] ^= 0xFF;
        Rig rig(rom);
        gbcThreadInfo worker;
        const RunRecord rec = runWorker(worker);
        QCOMPARE(rec.logs.mid(4), (QStringList{
            "Can not detect gameboy logo.", "Maybe it's not a standard cartridge.", "\r\n",
            "--GB/GBC Cartridge information--", "Title: TETRIS", "ROM SIZE: 64 KB", "RAM SIZE: 8 KBytes"}));
        QCOMPARE(rec.presets, (QStringList{"selectMMCType 1", "selectRomSize 65536", "selectRamSize 8192"}));
    }

    void roundTrip_data()
    {
        QTest::addColumn<int>("mbc");
        QTest::addColumn<int>("size");
        const int kib = 1024;
        QTest::newRow("NONE 32 KB") << 0 << 32 * kib;
        QTest::newRow("MBC1 64 KB") << 1 << 64 * kib;
        QTest::newRow("MBC1 512 KB") << 1 << 512 * kib;
        QTest::newRow("MBC1 1 MB") << 1 << 1024 * kib;
        QTest::newRow("MBC1 2 MB") << 1 << 2048 * kib;
        QTest::newRow("MBC2 64 KB") << 2 << 64 * kib;
        QTest::newRow("MBC2 256 KB") << 2 << 256 * kib;
        QTest::newRow("MBC3 128 KB") << 3 << 128 * kib;
        QTest::newRow("MBC3 2 MB") << 3 << 2048 * kib;
        QTest::newRow("MBC5 32 KB") << 4 << 32 * kib;
        QTest::newRow("MBC5 1 MB") << 4 << 1024 * kib;
        QTest::newRow("MBC5 8 MB") << 4 << 8192 * kib;
    }
    void roundTrip()
    {
        QFETCH(int, mbc);
        QFETCH(int, size);
        const std::vector<uint8_t> rom = randomRom(uint32_t(size), mbc, uint32_t(size + mbc));
        Rig rig(rom);   // controller taken from the header's type byte
        QTemporaryDir dir;
        const QString path = dir.filePath("image.gb");
        const RunRecord rec = dump(path, size, mbc);
        QCOMPARE(rec.errors, QVector<int>{1});
        QVERIFY(readFile(path) == bytes(rom, rom.size()));
        const QStringList tail = savedLines(path, rom, 2);
        QCOMPARE(rec.logs.mid(rec.logs.size() - tail.size()), tail);
    }

    // Banks 0x20, 0x40 and 0x60 go through mode 1 at 0x0000; mode 0 is back
    // before the next bank.
    void mbc1UpperBankSequence()
    {
        Rig rig(randomRom(0x100000, 1, 3));
        QTemporaryDir dir;
        const RunRecord rec = dump(dir.filePath("x.gb"), 0x100000, 1);
        QCOMPARE(rec.errors, QVector<int>{1});
        QStringList seen;
        for (const sim::Event &e : rig.reader.events()) {
            if (e.kind == sim::Event::Read && e.file == "DUMP.ROM")
                seen << QStringLiteral("read %1").arg(e.offset, 0, 16);
            else if (e.kind == sim::Event::Command && e.sector.operation() == 0x0D)
                seen << QStringLiteral("%1<-%2").arg(e.sector.arg(3) | e.sector.arg(4) << 8, 4, 16, QLatin1Char('0'))
                            .arg(e.sector.arg(5), 0, 16);
        }
        const int at = seen.indexOf("2000<-1f");
        QVERIFY(at > 0);
        QCOMPARE(seen.mid(at - 1, 12), (QStringList{
            "6000<-0", "2000<-1f", "4000<-0", "read 4000",
            "6000<-1", "4000<-1", "read 0", "6000<-0",
            "6000<-0", "2000<-1", "4000<-1", "read 4000"}));
    }

    void registerSequences_data()
    {
        QTest::addColumn<int>("mbc");
        QTest::addColumn<QStringList>("writes");
        QTest::newRow("NONE") << 0 << QStringList();
        QTest::newRow("MBC1") << 1 << QStringList{"6000<-0", "2000<-1", "4000<-0"};
        QTest::newRow("MBC2") << 2 << QStringList{"2100<-1"};
        QTest::newRow("MBC3") << 3 << QStringList{"2000<-1"};
        QTest::newRow("MBC5") << 4 << QStringList{"3000<-0", "2000<-1"};
    }
    void registerSequences()
    {
        QFETCH(int, mbc);
        QFETCH(QStringList, writes);
        Rig rig(randomRom(0x8000, mbc, 11));
        QTemporaryDir dir;
        const RunRecord rec = dump(dir.filePath("x.gb"), 0x8000, mbc);
        QCOMPARE(rec.errors, QVector<int>{1});
        QCOMPARE(registerWrites(rig.reader), writes);
        QCOMPARE(windowOffsets(rig.reader), (QList<int>{0, 0x4000}));
        const auto cmds = rig.reader.commands();
        QCOMPARE(int(cmds[0].target()), 0xF0);
        QCOMPARE(int(cmds[1].operation()), 0x01);
    }

    void progress()
    {
        Rig rig(randomRom(0x10000, 4, 5));
        QTemporaryDir dir;
        const RunRecord rec = dump(dir.filePath("x.gb"), 0x10000, 4);
        QCOMPARE(rec.progress, (QVector<QPair<int, int>>{
            {1, 65536}, {16384, 65536}, {32768, 65536}, {49152, 65536}, {65536, 65536}, {1, 1}}));
        QCOMPARE(rec.errors, QVector<int>{1});
        QCOMPARE(rec.trace.mid(rec.trace.size() - 2), (QStringList{"progress 1 1", "error 1"}));
    }

    // Without a controller the window shows 0x0000-0xFFFF only.
    void plainRepeatsEvery64K()
    {
        const std::vector<uint8_t> rom = randomRom(0x8000, 0, 9);
        Rig rig(rom);
        QTemporaryDir dir;
        const QString path = dir.filePath("x.gb");
        QCOMPARE(dump(path, 0x20000, 0).errors, QVector<int>{1});
        const QByteArray image = readFile(path);
        QCOMPARE(image.size(), 0x20000);
        QVERIFY(image.left(0x8000) == bytes(rom, 0x8000));
        QVERIFY(image.mid(0x10000) == image.left(0x10000));
    }

    // A size that is not a whole number of banks is read short at the end
    // rather than past the buffer.
    void partialLastBank()
    {
        const std::vector<uint8_t> rom = randomRom(0x8000, 4, 13);
        Rig rig(rom);
        QTemporaryDir dir;
        const QString path = dir.filePath("x.gb");
        const RunRecord rec = dump(path, 0x5000, 4);
        QCOMPARE(rec.errors, QVector<int>{1});
        QVERIFY(readFile(path) == bytes(rom, 0x5000));
        QCOMPARE(rig.reader.window_reads().back().length, 0x1000u);
    }

    void readErrorWritesNoFile()
    {
        Rig rig(randomRom(0x10000, 4, 17));
        rig.reader.fail_read(2);
        QTemporaryDir dir;
        const QString path = dir.filePath("x.gb");
        const RunRecord rec = dump(path, 0x10000, 4);
        QCOMPARE(rec.errors, QVector<int>{0});
        QVERIFY(rec.logs.contains("Read error at 0x4000"));
        QVERIFY(!QFile::exists(path));
        QCOMPARE(rec.progress.last(), qMakePair(1, 1));
        // Nothing is read after the failure.
        QCOMPARE(int(rig.reader.window_reads().size()), 2);
    }
};

QTEST_GUILESS_MAIN(TestGbcWorkers)
#include "test_gbc_workers.moc"
