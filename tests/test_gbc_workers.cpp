#include "simulator/gbc_cartridge.h"
#include "simulator/simulated_reader.h"
#include "support/carts.h"
#include "support/harness.h"
#include "workers/gbc/gbc_threads.h"

#include <QtTest>
#include <memory>
#include <random>
#include <vector>

namespace {

std::vector<uint8_t> randomRom(uint32_t size, uint8_t type, uint32_t seed)
{
    std::mt19937 rng(seed);
    std::vector<uint8_t> rom(size);
    for (auto &b : rom)
        b = uint8_t(rng());
    std::copy(gbc::kLogo, gbc::kLogo + gbc::kLogoSize, rom.begin() + gbc::kLogoOffset);
    rom[gbc::kTypeOffset] = type;
    // The size byte tells the truth (code n: 32 KB << n), or nothing (0xFF).
    uint8_t sizeCode = 0xFF;
    for (uint8_t n = 0; n <= 8; ++n)
        if (size == 0x8000u << n)
            sizeCode = n;
    rom[gbc::kRomSizeOffset] = sizeCode;
    return rom;
}

const uint8_t kTypeFor[] = {0x00, 0x01, 0x05, 0x11, 0x19};   // by controller

} // namespace

class TestGbcWorkers : public QObject {
    Q_OBJECT
private slots:
    void info_data()
    {
        QTest::addColumn<QByteArray>("title");
        QTest::addColumn<QByteArray>("codes");   // type, ROM size and RAM size bytes
        QTest::addColumn<bool>("logo");
        QTest::addColumn<QStringList>("trace");
        const QString head = "log --GB/GBC Cartridge information--";
        QTest::newRow("MBC1 1 MB with 32 KB RAM") << QByteArray("TETRIS") << QByteArray("\x03\x05\x03") << true
            << QStringList{head, "log Title: TETRIS", "selectMMCType 1", "log ROM SIZE: 1024 KB",
                           "selectRomSize 1048576", "log RAM SIZE: 32 KBytes", "selectRamSize 32768"};
        QTest::newRow("code 0x53, 512 bytes, MBC3")
            << QByteArray("ABCDEFGHIJKLMNOP") << QByteArray("\xFE\x53\x07") << true
            << QStringList{head, "log Title: ABCDEFGHIJKLMNOP", "selectMMCType 3", "log ROM SIZE: 2048 KB",
                           "selectRomSize 2097152", "log RAM SIZE: 512 Bytes", "selectRamSize 512"};
        // A Game Boy Color header with a game code (new licensee 0x33): the
        // catalogue's serial "CGB-BO7E-USA" names it.
        QTest::newRow("game code in the catalogue")
            << QByteArray("007TWINE\0\0\0BO7E\x80", 16) << QByteArray("\x1B\x03\x02\x01\x33", 5) << true
            << QStringList{head, "log Title: 007TWINE", "log In the catalogue: 007 - The World Is Not Enough (Europe, USA) (2001, Electronic Arts)",
                           "selectMMCType 4", "log ROM SIZE: 256 KB", "selectRomSize 262144", "log RAM SIZE: 8 KBytes", "selectRamSize 8192"};
        QTest::newRow("wrong logo") << QByteArray("TETRIS") << QByteArray("\x01\x01\x02") << false
            << QStringList{"log Can not detect gameboy logo.", "log Maybe it's not a standard cartridge.",
                           "log \r\n", head, "log Title: TETRIS", "log ROM SIZE: 64 KB", "log RAM SIZE: 8 KBytes"};
    }
    void info()
    {
        QFETCH(QByteArray, title);
        QFETCH(QByteArray, codes);
        QFETCH(bool, logo);
        QFETCH(QStringList, trace);
        std::vector<uint8_t> rom(0x8000, 0);
        std::copy(title.begin(), title.end(), rom.begin() + gbc::kTitleOffset);
        std::copy(codes.begin(), codes.end(), rom.begin() + gbc::kTypeOffset);
        if (logo)
            std::copy(gbc::kLogo, gbc::kLogo + gbc::kLogoSize, rom.begin() + gbc::kLogoOffset);
        Bench bench(std::make_unique<sim::GbCartridge>(rom));
        gbcThreadInfo worker;
        const RunRecord rec = runWorker(worker);
        QCOMPARE(rec.trace.mid(4), trace);   // after the device block
    }

    // A 1 MiB MBC1 header: Info reads bank 0x10 and the upper register's
    // bank to tell the multicart's wiring from MBC1's, leaves power-on banks,
    // and a dump with what it chose gives the image back.
    void mbc1Boards_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("board");    // the simulated board's controller
        QTest::addColumn<int>("chosen");   // -1: Info chooses no controller
        QTest::newRow("multicart") << "multicart" << int(sim::GbCartridge::mbc1m) << 5;
        QTest::newRow("plain MBC1") << "plain" << int(sim::GbCartridge::mbc1) << 1;
        QTest::newRow("plain MBC1 that repeats 256 KiB") << "repeats" << int(sim::GbCartridge::mbc1) << 1;
        QTest::newRow("bank 0x10 copies bank 0, no second header") << "unsure" << int(sim::GbCartridge::mbc1) << -1;
    }
    void mbc1Boards()
    {
        QFETCH(QString, kind);
        QFETCH(int, board);
        QFETCH(int, chosen);
        std::vector<uint8_t> rom = randomRom(0x100000, 0x01, 77);
        if (kind == "multicart")
            std::copy(gbc::kLogo, gbc::kLogo + gbc::kLogoSize, rom.begin() + 0x40000 + gbc::kLogoOffset);
        if (kind == "repeats")
            for (uint32_t at = 0x40000; at < rom.size(); at += 0x40000)
                std::copy_n(rom.begin(), 0x40000, rom.begin() + at);
        if (kind == "unsure")
            std::copy_n(rom.begin(), 0x4000, rom.begin() + 0x40000);
        Bench bench(std::make_unique<sim::GbCartridge>(rom, board));

        gbcThreadInfo info;
        const RunRecord rec = runWorker(info);
        const QStringList mbcCalls = rec.presets.filter("selectMMCType");
        QCOMPARE(mbcCalls, chosen < 0 ? QStringList{} : QStringList{QStringLiteral("selectMMCType %1").arg(chosen)});
        QCOMPARE(rec.logs.filter("cannot be told apart").size(), chosen < 0 ? 1 : 0);
        if (chosen < 0)
            return;
        // The dump after Info starts from the banks power-on gives.
        const RunRecord saved = bench.dump<gbcThreadDump>(0x100000, chosen);
        QCOMPARE(saved.errors, QVector<int>{1});
        QVERIFY(bench.saved() == to_bytes(rom));
        QCOMPARE(saved.logs.filter("declares mapper").size(), 0);
    }

    // Each image is dumped from the simulated chip and must come back whole,
    // with one progress step per bank. `seen` is the order in which the reader
    // got register writes and window reads, from the first item of `seen` on.
    void roundTrip_data()
    {
        QTest::addColumn<int>("mbc");
        QTest::addColumn<int>("size");
        QTest::addColumn<QStringList>("seen");
        QTest::addColumn<int>("type");   // header type byte; -1 for the controller's usual one
        const auto row = [](const char *name, int mbc, int kib, const QStringList &seen = {}, int type = -1) {
            QTest::newRow(name) << mbc << kib * 1024 << seen << type;
        };
        row("NONE 32 KB", 0, 32);
        // Bank 0x20 through mode 1 at 0x0000; mode 0 is back before the next bank.
        row("MBC1 1 MB", 1, 1024, {"2000<-1f", "4000<-0", "read 4000", "6000<-1", "4000<-1", "read 0",
                                   "6000<-0", "6000<-0", "2000<-1", "4000<-1", "read 4000"});
        row("MBC1 2 MB", 1, 2048);
        // HuC1 under MBC1: six bits at 0x2000, nothing above them at 0x4000.
        row("HuC1 1 MB", 1, 1024, {"2000<-20", "read 4000"}, 0xFF);
        row("MBC2 64 KB", 2, 64, {"read 0", "2100<-1", "read 4000", "2100<-2", "read 4000"});
        row("MBC2 256 KB", 2, 256);
        row("MBC3 2 MB", 3, 2048);
        row("MBC5 8 MB", 4, 8192);
        // Not a whole number of banks: the last read is short, not past the buffer.
        row("MBC5 20 KB", 4, 20);
    }
    void roundTrip()
    {
        QFETCH(int, mbc);
        QFETCH(int, size);
        QFETCH(QStringList, seen);
        QFETCH(int, type);
        std::vector<uint8_t> rom = randomRom(uint32_t(qMax(size, 0x8000)), uint8_t(type < 0 ? kTypeFor[mbc] : type),
                                             uint32_t(size + mbc));
        if (size < 0x8000)
            rom[gbc::kRomSizeOffset] = 0xFF;   // a size the header cannot name
        Bench bench(std::make_unique<sim::GbCartridge>(rom));
        rom.resize(size_t(size));
        const RunRecord rec = bench.dump<gbcThreadDump>(size, mbc);
        QCOMPARE(rec.errors, QVector<int>{1});
        QVERIFY(bench.saved() == to_bytes(rom, size));
        const QStringList tail = savedLines(bench.path(), rom, 2);
        QCOMPARE(rec.logs.mid(rec.logs.size() - tail.size()), tail);
        QCOMPARE(bench.reader.window_reads().back().length, uint32_t(size - 1) % 0x4000 + 1);

        QVector<QPair<int, int>> progress{{1, size}};
        for (int done = 0x4000; done - 0x4000 < size; done += 0x4000)
            progress.append({qMin(done, size), size});
        progress.append({1, 1});
        QCOMPARE(rec.progress, progress);

        QStringList all;
        for (const sim::Event &e : bench.reader.events()) {
            if (e.kind == sim::Event::Read && e.file == "DUMP.ROM")
                all << QStringLiteral("read %1").arg(e.offset, 0, 16);
            else if (e.kind == sim::Event::Command && e.sector.operation() == gbc::kOpRegisterWrite)
                all << QStringLiteral("%1<-%2").arg(e.sector.arg(3) | e.sector.arg(4) << 8, 4, 16, QLatin1Char('0'))
                           .arg(e.sector.arg(5), 0, 16);
        }
        // The header check's two reads of bank 0, before the dump's own.
        QVERIFY(all.removeOne("read 0") && all.removeOne("read 0"));
        if (!seen.isEmpty())
            QCOMPARE(all.mid(all.indexOf(seen.first()), seen.size()), seen);
    }

    // A choice that differs from the header is said before the read and
    // warned of at the end; the choice still wins.
    void headerDisagrees_data()
    {
        QTest::addColumn<int>("mbc");
        QTest::addColumn<int>("size");
        QTest::addColumn<QStringList>("said");
        QTest::addColumn<QString>("warning");
        // The cartridge: MBC5 (type 0x19), 1 MB (size code 5).
        QTest::newRow("half the size") << 4 << 512 * 1024
            << QStringList{"The cartridge header declares 1024 KB; dumping 512 KB as chosen."}
            << "Warning: the image is 512 KB, but its header declares 1024 KB.";
        QTest::newRow("another mapper") << 1 << 1024 * 1024
            << QStringList{"The cartridge header declares mapper MBC5; dumping with MBC1 as chosen."} << "";
        QTest::newRow("as declared") << 4 << 1024 * 1024 << QStringList{} << "";
    }
    void headerDisagrees()
    {
        QFETCH(int, mbc);
        QFETCH(int, size);
        QFETCH(QStringList, said);
        QFETCH(QString, warning);
        Bench bench(std::make_unique<sim::GbCartridge>(randomRom(0x100000, 0x19, 7)));
        const RunRecord rec = bench.dump<gbcThreadDump>(size, mbc);
        QCOMPARE(rec.errors, QVector<int>{1});
        // The header lines before the save, the size warning after it.
        const int saved = rec.logs.indexOf(QRegularExpression("Save file success.*"));
        QStringList seen;
        for (int i = 0; i < rec.logs.size(); ++i)
            if (rec.logs[i].startsWith(i < saved ? "The cartridge header" : "Warning: the image is"))
                seen << rec.logs[i];
        QCOMPARE(seen, warning.isEmpty() ? said : said + QStringList{warning});
    }
};

QTEST_GUILESS_MAIN(TestGbcWorkers)
#include "test_gbc_workers.moc"
