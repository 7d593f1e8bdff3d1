#include "simulator/gba_cartridge.h"
#include "simulator/simulated_reader.h"
#include "support/carts.h"
#include "support/harness.h"
#include "workers/gba/gba_threads.h"

#include <QtTest>
#include <memory>
#include <random>
#include <vector>

namespace {

std::vector<uint8_t> romWithCode(const QByteArray &code, uint32_t size = 0x8000, bool logo = true)
{
    std::mt19937 rng(size);
    std::vector<uint8_t> rom(size);
    for (auto &b : rom)
        b = uint8_t(rng());
    if (logo)
        std::copy(gba::kLogo, gba::kLogo + gba::kLogoSize, rom.begin() + gba::kLogoOffset);
    const char title[12] = "QUEST";
    std::copy(title, title + 12, rom.begin() + 0xA0);
    std::copy(code.begin(), code.end(), rom.begin() + gba::kGameCodeOffset);
    rom[0xB0] = '0';
    rom[0xB1] = '1';
    return rom;
}

const gba::TitleRow kRows[] = {
    {u"Quest (Euro)", u"2003", u"Alpha", u"AGB-QQQP-EUR", u"8388608", u"gba_flash_1m"},
    {u"Other (USA)", u"2004", u"Beta", u"AGB-ZZZE-USA", u"4194304", u"gba_sram"},
    {u"Quest (Jpn)", u"19??", u"Gamma", u"AGB-QQQJ-JPN, AGB-QQQP-UKV", u"33554432", u"gba_eeprom_64k"},
};

} // namespace

class TestGbaWorkers : public QObject {
    Q_OBJECT
private slots:
    // Every matching row gets its block. Rows of one code that disagree on
    // the size leave it to the bus: where the start repeats or the bus
    // floats; a size no row gives leaves it open. A code with no row gets
    // the header's block and the measured size; without the logo, nothing.
    void info_data()
    {
        QTest::addColumn<QByteArray>("code");
        QTest::addColumn<bool>("logo");
        QTest::addColumn<bool>("builtIn");   // the generated table, else kRows
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("repeats");   // the ROM repeats past its end instead of floating
        QTest::addColumn<int>("failRead");   // this DUMP.ROM read fails (0: none)
        QTest::addColumn<QStringList>("trace");
        const QStringList warning{"log Can not detect gameboy advance logo.",
                                  "log Maybe it's not a standard cartridge.", "log \r\n"};
        const QStringList notFound{"log Can not auto detect cartridge information",
                                   "log Please set ROM SIZE by yourself to dump the ROM", "log \r\n"};
        const QString head = "log --GBA Cartridge information--";
        const QString floats = "log ROM SIZE measured: the bus floats past %1Mbit";
        const QString repeat = "log ROM SIZE measured: the cartridge repeats its start from %1Mbit";
        const auto measured = [&](const char *code, const char *mbit, int bytes, const QString &how) {
            return QStringList{head, "log Title: QUEST", QStringLiteral("log Game code: %1").arg(code),
                               "log Maker code: 01", QStringLiteral("log ROM SIZE: %1Mbit").arg(mbit),
                               QStringLiteral("selectRomSize %1").arg(bytes),
                               "log Not in the title table: these values come from the cartridge header.",
                               how.arg(mbit), "log <hr><br>"};
        };
        const QStringList twoRows{
            head, "log Title: Quest (Euro)", "log Company: Alpha", "log Year: 2003", "log ROM SIZE: 64Mbit",
            "log RAM SIZE: 128Kbytes", "log <hr><br>", "selectRamSize 131072",
            "selectRamType 2", head, "log Title: Quest (Jpn)", "log Company: Gamma", "log Year: 19??",
            "log ROM SIZE: 256Mbit", "log RAM SIZE: 8Kbytes", "log <hr><br>",
            "selectRamSize 8192", "selectRamType 3"};
        QTest::newRow("two sizes, bus says neither") << QByteArray("QQQP") << true << false << 0x8000 << false << 0
            << twoRows + QStringList{"log The ROM size is not settled: it may be 64Mbit, 256Mbit",
                                     "log Please set ROM SIZE by yourself to dump the ROM",
                                     "askRomSize 8388608 33554432"};
        QTest::newRow("two sizes, repeats at 64 Mbit") << QByteArray("QQQP") << true << false << 0x800000 << true << 0
            << twoRows + QStringList{repeat.arg(64), "selectRomSize 8388608"};
        QTest::newRow("two sizes, floats past 64 Mbit") << QByteArray("QQQP") << true << false << 0x800000 << false
            << 0 << twoRows + QStringList{floats.arg(64), "selectRomSize 8388608"};
        QTest::newRow("second serial, wrong logo") << QByteArray("BQJP") << false << true << 0x8000 << false << 0
            << warning + QStringList{
            head, "log Title: 2 Game Pack!: Hot Wheels - Stunt Track Challenge + Hot Wheels - World Race (Euro, USA)",
            "log Company: DSI Games", "log Year: 200?", "log ROM SIZE: 128Mbit", "selectRomSize 16777216",
            "log RAM SIZE: 0Bytes", "log <hr><br>", "selectRamSize 0", "selectRamType 0"};
        QTest::newRow("3 MiB, no power of two") << QByteArray("Q9Q9") << true << true << 0x300000 << false << 0
                                               << measured("Q9Q9", "32", 0x400000, floats);
        QTest::newRow("under the smallest size") << QByteArray("Q9Q9") << true << true << 0x8000 << false << 0
                                                 << measured("Q9Q9", "8", 0x100000, floats);
        QTest::newRow("unknown code, repeats from 4 MiB") << QByteArray("Q9Q9") << true << true << 0x400000 << true
                                                          << 0 << measured("Q9Q9", "32", 0x400000, repeat);
        QTest::newRow("unknown code, wrong logo") << QByteArray("Q9Q9") << false << true << 0x8000 << false << 0
                                                  << warning + notFound;
        QTest::newRow("failed probe") << QByteArray("Q9Q9") << true << true << 0x8000 << false << 3
                                      << QStringList{"log Read error at 0x100000"};
        QTest::newRow("failed header read") << QByteArray("QQQP") << true << false << 0x8000 << false << 1
                                            << QStringList{"log Read error at 0x0"};
    }
    void info()
    {
        QFETCH(QByteArray, code);
        QFETCH(bool, logo);
        QFETCH(bool, builtIn);
        QFETCH(int, size);
        QFETCH(bool, repeats);
        QFETCH(int, failRead);
        QFETCH(QStringList, trace);
        Bench bench(std::make_unique<sim::GbaCartridge>(romWithCode(code, uint32_t(size), logo), repeats));
        bench.reader.fail_read(failRead);
        gbaThreadInfo worker;
        if (!builtIn) {
            worker.table = kRows;
            worker.tableSize = 3;
        }
        const RunRecord rec = runWorker(worker);
        QCOMPARE(rec.trace.mid(4), trace);   // after the device block
        QVERIFY(rec.errors.isEmpty());
    }

    // A ROM that repeats past its end is saved at the power of two it
    // repeats from; one that floats is saved as read.
    void dumpRepeating_data()
    {
        QTest::addColumn<int>("romSize");
        QTest::addColumn<bool>("repeats");
        QTest::addColumn<int>("dumpSize");
        QTest::addColumn<int>("savedSize");
        QTest::newRow("4 MiB repeating, read as 32") << 0x400000 << true << 0x2000000 << 0x400000;
        QTest::newRow("1 MiB repeating, read as 2") << 0x100000 << true << 0x200000 << 0x100000;
        QTest::newRow("4 MiB floating, read as 8") << 0x400000 << false << 0x800000 << 0x800000;
    }
    void dumpRepeating()
    {
        QFETCH(int, romSize);
        QFETCH(bool, repeats);
        QFETCH(int, dumpSize);
        QFETCH(int, savedSize);
        const std::vector<uint8_t> rom = romWithCode("Q9Q9", uint32_t(romSize));
        Bench bench(std::make_unique<sim::GbaCartridge>(rom, repeats));
        const RunRecord rec = bench.dump<gbaThreadDump>(dumpSize);
        QCOMPARE(rec.errors, QVector<int>{1});
        const QByteArray saved = bench.saved();
        QCOMPARE(saved.size(), savedSize);
        QVERIFY(saved.left(romSize) == to_bytes(rom));
        QCOMPARE(rec.logs.filter("repeats its data").size(), savedSize < dumpSize ? 1 : 0);
    }

    // One address command and one 32 KiB window read per block, in order.
    void dump4MiB()
    {
        const std::vector<uint8_t> rom = romWithCode("BQJP", 0x400000);
        Bench bench(std::make_unique<sim::GbaCartridge>(rom));
        const RunRecord rec = bench.dump<gbaThreadDump>(0x400000);
        QVERIFY(bench.saved() == to_bytes(rom));
        QStringList tail = savedLines(bench.path(), rom, 3);
        tail.replaceInStrings(QRegularExpression("^"), "log ");
        tail << "progress 1 1" << "error 1";
        QStringList expected{"progress 1 4194304"};
        for (int i = 1; i <= 128; ++i)
            expected << QStringLiteral("progress %1 4194304").arg(i * 32768);
        QCOMPARE(rec.trace.mid(rec.trace.size() - tail.size() - 129), expected + tail);
        const auto cmds = bench.reader.commands();
        const auto reads = bench.reader.window_reads();
        // The header check first reads block 0 twice, with three commands each.
        QCOMPARE(int(cmds.size()) * 1000 + int(reads.size()), 136 * 1000 + 130);
        for (uint32_t i = 0; i < 128; ++i)
            QVERIFY(cmds[i + 8].operation() == gba::kOpAddress && cmds[i + 8].le32(4) == i * 32768u &&
                    reads[i + 2].offset == 0 && reads[i + 2].length == 32768u);
    }
};

QTEST_GUILESS_MAIN(TestGbaWorkers)
#include "test_gba_workers.moc"
