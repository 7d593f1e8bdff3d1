#include "device/checksum.h"
#include "simulator/gba_cartridge.h"
#include "simulator/simulated_reader.h"
#include "support/harness.h"
#include "workers/gba/gba_threads.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <random>
#include <vector>

namespace {

struct Rig {
    sim::SimulatedReader reader;
    sim::ScopedPlatform scope{reader};
    explicit Rig(std::vector<uint8_t> rom) { reader.insert(std::make_unique<sim::GbaCartridge>(std::move(rom))); }
};

std::vector<uint8_t> romWithCode(const char *code, uint32_t size = 0x8000, bool logo = true)
{
    std::mt19937 rng(size);
    std::vector<uint8_t> rom(size);
    for (auto &b : rom)
        b = uint8_t(rng());
    if (logo)
        std::copy(gba::kLogo, gba::kLogo + gba::kLogoSize, rom.begin() + gba::kLogoOffset);
    std::copy(code, code + 4, rom.begin() + gba::kGameCodeOffset);
    return rom;
}

const gba::TitleRow kRows[] = {
    {u"Quest (Euro)", u"2003", u"Alpha", u"AGB-QQQP-EUR", u"8388608", u"gba_flash_1m"},
    {u"Other (USA)", u"2004", u"Beta", u"AGB-ZZZE-USA", u"4194304", u"gba_sram"},
    {u"Quest (Jpn)", u"19??", u"Gamma", u"AGB-QQQJ-JPN, AGB-QQQP-UKV", u"33554432", u"gba_eeprom_64k"},
};

RunRecord info(const gba::TitleRow *table = nullptr, size_t size = 0)
{
    gbaThreadInfo worker;
    if (table) {
        worker.table = table;
        worker.tableSize = size;
    }
    return runWorker(worker);
}

RunRecord dump(const QString &path, int size)
{
    gbaThreadDump worker;
    worker.configure(path, size, 0);
    return runWorker(worker);
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

} // namespace

class TestGbaWorkers : public QObject {
    Q_OBJECT
private slots:
    // Every matching row gets its block; the panel keeps the last row's values.
    void twoRowMatch()
    {
        Rig rig(romWithCode("QQQP"));
        const RunRecord rec = info(kRows, 3);
        QCOMPARE(rec.trace.mid(4), (QStringList{
            "log --GBA Cartridge information--", "log Title: Quest (Euro)", "log Company: Alpha",
            "log Year: 2003", "log ROM SIZE: 64Mbit", "selectRomSize 8388608",
            "log RAM SIZE: 128Kbytes", "log <hr><br>", "selectRamSize 131072", "selectRamType 2",
            "log --GBA Cartridge information--", "log Title: Quest (Jpn)", "log Company: Gamma",
            "log Year: 19??", "log ROM SIZE: 256Mbit", "selectRomSize 33554432",
            "log RAM SIZE: 8Kbytes", "log <hr><br>", "selectRamSize 8192", "selectRamType 3"}));
        QVERIFY(rec.progress.isEmpty());
        QVERIFY(rec.errors.isEmpty());
    }

    void builtInTable_data()
    {
        QTest::addColumn<QByteArray>("code");
        QTest::addColumn<bool>("logo");
        QTest::addColumn<QStringList>("logs");
        QTest::addColumn<QStringList>("presets");
        const QStringList warning{"Can not detect gameboy advance logo.", "Maybe it's not a standard cartridge.", "\r\n"};
        const QStringList hotWheels{
            "--GBA Cartridge information--",
            "Title: 2 Game Pack!: Hot Wheels - Stunt Track Challenge + Hot Wheels - World Race (Euro, USA)",
            "Company: DSI Games", "Year: 200?", "ROM SIZE: 128Mbit", "RAM SIZE: 0Bytes", "<hr><br>"};
        const QStringList hotWheelsPresets{"selectRomSize 16777216", "selectRamSize 0", "selectRamType 0"};
        QTest::newRow("second serial") << QByteArray("BQJP") << true << hotWheels << hotWheelsPresets;
        QTest::newRow("wrong logo, known code") << QByteArray("BQJP") << false << warning + hotWheels
                                               << hotWheelsPresets;
        QTest::newRow("eeprom 4k") << QByteArray("ALXP") << true
            << QStringList{"--GBA Cartridge information--", "Title: Ace Lightning (Euro)",
                           "Company: BBC Worldwide", "Year: 2002", "ROM SIZE: 32Mbit",
                           "RAM SIZE: 512Bytes", "<hr><br>"}
            << QStringList{"selectRomSize 4194304", "selectRamSize 512", "selectRamType 3"};
        QTest::newRow("unknown code") << QByteArray("Q9Q9") << true
            << QStringList{"Can not auto detect cartridge information",
                           "Please set ROM SIZE by yourself to dump the ROM", "\r\n"}
            << QStringList();
        QTest::newRow("blank header") << QByteArray(4, '\0') << false
            << warning + QStringList{"Can not auto detect cartridge information",
                                     "Please set ROM SIZE by yourself to dump the ROM", "\r\n"}
            << QStringList();
    }
    void builtInTable()
    {
        QFETCH(QByteArray, code);
        QFETCH(bool, logo);
        QFETCH(QStringList, logs);
        QFETCH(QStringList, presets);
        Rig rig(romWithCode(code.constData(), 0x8000, logo));
        const RunRecord rec = info();
        QCOMPARE(rec.logs.mid(4), logs);
        QCOMPARE(rec.presets, presets);
        const auto cmds = rig.reader.commands();
        QCOMPARE(int(cmds.size()), 3);
        QCOMPARE(int(cmds[0].target()), 0xF0);
        QCOMPARE(int(cmds[0].operation()), 0x03);
        QCOMPARE(int(cmds[1].operation()), 0x01);
        QCOMPARE(int(cmds[2].operation()), 0x06);
        QCOMPARE(cmds[2].le32(4), 0u);
    }

    void dump4MiB()
    {
        const std::vector<uint8_t> rom = romWithCode("BQJP", 0x400000);
        Rig rig(rom);
        QTemporaryDir dir;
        const QString path = dir.filePath("image.gba");
        const RunRecord rec = dump(path, 0x400000);
        QCOMPARE(rec.errors, QVector<int>{1});
        QVERIFY(readFile(path) == QByteArray(reinterpret_cast<const char *>(rom.data()), int(rom.size())));
        const QStringList tail = savedLines(path, rom, 3);
        QCOMPARE(rec.logs.mid(rec.logs.size() - tail.size()), tail);
        QCOMPARE(tail.last(), QStringLiteral("Header checksum mismatch."));

        const auto cmds = rig.reader.commands();
        QCOMPARE(int(cmds.size()), 2 + 128);
        QCOMPARE(int(cmds[0].target()), 0xF0);
        QCOMPARE(int(cmds[1].operation()), 0x01);
        QVector<QPair<int, int>> progress{{1, 0x400000}};
        for (int i = 0; i < 128; ++i) {
            QCOMPARE(int(cmds[size_t(i) + 2].operation()), 0x06);
            QCOMPARE(cmds[size_t(i) + 2].le32(4), uint32_t(i) * 32768u);
            progress.append({(i + 1) * 32768, 0x400000});
        }
        progress.append({1, 1});
        QCOMPARE(rec.progress, progress);
        QCOMPARE(int(rig.reader.window_reads().size()), 128);
        for (const sim::Event &e : rig.reader.window_reads()) {
            QCOMPARE(e.offset, 0u);
            QCOMPARE(e.length, 32768u);
        }
    }
};

QTEST_GUILESS_MAIN(TestGbaWorkers)
#include "test_gba_workers.moc"
