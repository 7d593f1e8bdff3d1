#include "simulator/msx_cartridge.h"
#include "simulator/simulated_reader.h"
#include "support/carts.h"
#include "support/harness.h"
#include "workers/md/md_threads.h"
#include "workers/msx/msx_threads.h"

#include <QFile>
#include <QtTest>
#include <memory>
#include <vector>

namespace {

constexpr uint32_t K = 1024;

} // namespace

class TestMsxWorkers : public QObject {
    Q_OBJECT
private slots:
    // A known page gives the table's row (R-Type by its fixed last bank,
    // Eagle Fighter by 0x6000); an unknown "AB" ROM is measured by how it
    // repeats, its mapper guessed from its bank-register stores.
    void info_data()
    {
        QTest::addColumn<int>("mapper");
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("setup");       // "AB" header, "key" page, "eagle", "bare", "blank"
        QTest::addColumn<QList<int>>("stores");   // register addresses stored to by the code
        QTest::addColumn<QStringList>("logs");    // after the device lines
        QTest::addColumn<QStringList>("presets");
        const QStringList notFound{"Can not auto detect cartridge information",
                                   "Please set ROM SIZE by yourself to dump the ROM", "\r\n"};
        // `named`: the mapper Info settles on, when not the board's own.
        const auto measured = [](const char *name, int board, int kib, const QList<int> &stores,
                                 const QStringList &said = {}, int named = -1, const char *setup = "AB") {
            const int mapper = named < 0 ? board : named;
            QTest::newRow(name) << board << int(kib * K) << QString(setup) << stores
                << said + QStringList{"Not in the title table: the size and mapper come from the cartridge itself.",
                                      QStringLiteral("ROM SIZE: %1 KB").arg(kib), QStringLiteral("Mapper: %1").arg(mapper)}
                << QStringList{QStringLiteral("selectRomSize %1").arg(kib * 1024), QStringLiteral("selectMMCType %1").arg(mapper)};
        };
        QTest::newRow("r-type") << 9 << int(384 * K) << "key" << QList<int>{}
            << QStringList{"Name: R-Type", "Company: Irem", "Year: 1988", "Mapper: 9"}
            << QStringList{"selectRomSize 393216", "selectMMCType 9"};
        QTest::newRow("eagle fighter") << 0 << int(16 * K) << "eagle" << QList<int>{}
            << QStringList{"Name: Eagle Fighter", "Company: Casio", "Year: 1985", "Mapper: 0"}
            << QStringList{"selectRomSize 32768", "selectMMCType 0"};
        measured("plain 8 KiB", 0, 8, {});
        measured("plain 16 KiB", 0, 16, {});
        measured("plain 32 KiB", 0, 32, {});
        const QList<int> ascii8{0x6000, 0x6800, 0x7000, 0x7800};
        measured("ascii8 256 KiB", 4, 256, ascii8);
        measured("konami4 512 KiB", 3, 512, {0x6000, 0x8000, 0xA000});
        // An ASCII board starts with bank 0 in every page: even 32 KiB needs the mapper.
        measured("ascii8 32 KiB", 4, 32, ascii8);
        measured("cross blaim", 14, 64, {0x4045});
        // The stores leave it open; the registers that answer settle it.
        measured("page 2 only", 5, 128, {0x7000},
                 {"Mapper candidates, by bank register stores: konami5 with SCC (1), Ascii/8kb (1), Ascii/16kb (1)",
                  "The bank registers that answer are those of mapper 5"});
        // The registers that answer, not the stores, name the board.
        const QString other = "The board switches banks through other registers than the code suggests: mapper 4";
        measured("ascii8 storing to two registers", 4, 256, {0x6000, 0x7000}, {other});
        measured("ascii8 with SRAM, stores like konami4", 7, 256, {0x6000, 0x8000, 0xA000}, {other}, 4);
        measured("ascii16 switched through ld (hl),a", 5, 128, {0x6000, 0x7000}, {}, -1, "hl");
        measured("stray stores on a plain ROM", 0, 32, ascii8,
                 {"No bank register answers: the stores are not bank switching."});
        QTest::newRow("no AB header") << 5 << int(128 * K) << "bare" << QList<int>{} << notFound << QStringList{};
        QTest::newRow("empty slot") << 0 << int(32 * K) << "blank" << QList<int>{}
                                    << QStringList{"No cartridge answers."} << QStringList{};
    }
    void info()
    {
        QFETCH(int, mapper);
        QFETCH(int, size);
        QFETCH(QString, setup);
        QFETCH(QList<int>, stores);
        std::vector<uint8_t> rom = banked_image(uint32_t(size), 8 * K, 7);
        if (setup == "blank")
            std::fill(rom.begin(), rom.end(), 0xFF);
        if (setup == "AB" || setup == "hl")
            rom[0] = 'A', rom[1] = 'B';
        if (setup == "key")
            sim::force_crc32(rom.data() + 0x17 * 16 * K, 8 * K, 64, 0xB2FC5B5Bu);
        if (setup == "eagle") {
            std::fill(rom.begin(), rom.begin() + 8 * K, 0xFF);
            sim::force_crc32(rom.data() + 8 * K, 8 * K, 64, msx::kEagleFighterCrc);
        }
        auto at = rom.begin() + 0x10;
        for (int address : stores) {
            const uint8_t store[] = {0x3E, 0x02, 0x32, uint8_t(address), uint8_t(address >> 8)};   // ld a,2; ld (nn),a
            const uint8_t viaHl[] = {0x21, uint8_t(address), uint8_t(address >> 8), 0x3E, 0x02, 0x77};   // ld hl,nn; ld a,2; ld (hl),a
            at = setup == "hl" ? std::copy(viaHl, viaHl + 6, at) : std::copy(store, store + 5, at);
        }
        auto owned = std::make_unique<sim::MsxCartridge>(rom, mapper);
        sim::MsxCartridge *cart = owned.get();
        const std::vector<uint8_t> save(cart->save_ram().size(), 0x5A);
        QVERIFY(save.empty() || cart->load_save_ram(save));
        Bench bench(std::move(owned));
        msxThreadInfo worker;
        const RunRecord rec = runWorker(worker);
        QTEST(QStringList(rec.logs.mid(4)), "logs");
        QTEST(rec.presets, "presets");

        // The save is untouched: after a value of 0x10 or more, no write
        // reaches 0x8000-0xBFFF. The board is left with its power-on banks.
        QCOMPARE(cart->save_ram(), save);
        bool large = false;
        for (const QString &w : driveTrace(bench.reader).filter(QRegularExpression("^W [0-9a-f]+<-"))) {
            const QStringList parts = w.mid(2).split("<-");
            const uint address = parts[0].toUInt(nullptr, 16);
            QVERIFY2(!large || address < 0x8000 || address >= 0xC000, qPrintable(w));
            large = large || parts[1].toUInt() >= 0x10;
        }
        const sim::MsxCartridge fresh(rom, mapper);
        for (uint32_t a = 0x4000; a < 0xC000; a += 0x800)
            QVERIFY2(cart->peek(uint16_t(a)) == fresh.peek(uint16_t(a)), qPrintable(QString::number(a, 16)));
    }

    // A dump starts the MSX bus itself, in the mode the firmware text gives,
    // whatever ran before it: its register writes never carry target 0.
    void dumpStartsItsOwnBus_data()
    {
        QTest::addColumn<QByteArray>("identity");
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("mode");
        QTest::newRow("MSX reader, after its info") << QByteArray("MSX_RDR07_FW310") << "msx" << 0x14;
        QTest::newRow("no info since start") << QByteArray("QXB_RDR07_FW310") << "" << 0x15;
        QTest::newRow("after a Mega Drive info") << QByteArray("QXB_RDR07_FW310") << "md" << 0x15;
    }
    void dumpStartsItsOwnBus()
    {
        QFETCH(QByteArray, identity);
        QFETCH(QString, before);
        QFETCH(int, mode);
        const std::vector<uint8_t> rom = banked_image(128 * K, 8 * K);
        Bench bench(std::make_unique<sim::MsxCartridge>(rom, 4), identity.constData());
        msxThreadInfo msxInfo;
        mdThreadInfo mdInfo;
        if (!before.isEmpty())
            runWorker(before == "msx" ? static_cast<InfoWorker &>(msxInfo) : mdInfo);
        bench.reader.clear_log();
        const RunRecord rec = bench.dump<msxThreadDump>(128 * K, 4);
        QCOMPARE(rec.errors, QVector<int>{1});
        QCOMPARE(driveTrace(bench.reader).mid(0, 2), (QStringList{QStringLiteral("W start %1").arg(mode, 0, 16), "W 6000<-0"}));
        for (const sim::SectorRecord &s : bench.reader.commands())
            QCOMPARE(int(s.target()), mode);
        QCOMPARE(bench.saved(), to_bytes(rom));
    }

    // Each mapper's reader restores the image exactly. The FM-PAC's registers
    // read back over two bytes of every bank: this ROM holds what they show,
    // and the run must warn that a real image does not. Boards keep their
    // banks across start commands: a dump reads the same whatever an earlier
    // run left in the registers, and leaves power-on banks.
    void roundTrip_data()
    {
        QTest::addColumn<int>("mapper");
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("leftBanks");
        const struct { const char *name; int mapper, kib; } rows[] = {
            {"msx-dos 2", 1, 64}, {"konami5 with SCC", 2, 512}, {"konami4", 3, 128}, {"ascii8", 4, 256},
            {"ascii16", 5, 128}, {"game master 2", 6, 128}, {"ascii8 with SRAM", 7, 128}, {"ascii16 with SRAM", 8, 128},
            {"r-type", 9, 384}, {"konami mah-jong 2", 10, 128}, {"fm-pac", 11, 64}, {"super load runner", 12, 128},
            {"cross blaim", 14, 64}, {"korean 80-in-1", 16, 512}, {"korean 126-in-1", 17, 256}, {"harry fox", 128, 64},
        };
        for (const auto &r : rows)
            QTest::newRow(r.name) << r.mapper << int(r.kib * K) << false;
        QTest::newRow("konami4 32 KiB after left banks, read from the pages") << 3 << int(32 * K) << true;
        QTest::newRow("konami SCC 32 KiB after left banks, read from the pages") << 2 << int(32 * K) << true;
        QTest::newRow("ascii16 64 KiB after left banks, through the registers") << 5 << int(64 * K) << true;
    }
    void roundTrip()
    {
        QFETCH(int, mapper);
        QFETCH(int, size);
        QFETCH(bool, leftBanks);
        std::vector<uint8_t> rom = banked_image(uint32_t(size), 8 * K, uint32_t(mapper));
        for (uint32_t bank = 0; mapper == 11 && bank < 4; ++bank)   // enable register 0, bank register
            rom[bank * 16 * K + 0x3FF6] = 0, rom[bank * 16 * K + 0x3FF7] = uint8_t(bank);
        auto owned = std::make_unique<sim::MsxCartridge>(rom, mapper);
        sim::MsxCartridge *cart = owned.get();
        Bench bench(std::move(owned));
        for (uint16_t r : {0x5000, 0x6000, 0x7000, 0x8000, 0x9000, 0xA000, 0xB000})
            if (leftBanks)
                cart->write(r, 3);
        const RunRecord rec = bench.dump<msxThreadDump>(size, mapper);
        QCOMPARE(rec.errors, QVector<int>{1});
        QCOMPARE(bench.saved(), to_bytes(rom));
        const sim::MsxCartridge fresh(rom, mapper);
        for (uint32_t a = 0x4000; a < 0xC000 && leftBanks; a += 0x800)
            QCOMPARE(cart->peek(uint16_t(a)), fresh.peek(uint16_t(a)));
        QStringList tail = savedLines(bench.path(), rom, 21);
        if (mapper == 11)
            tail << "Warning: the FM-PAC board reads back its registers at 0x7FF6 and 0x7FF7, so bytes 0x3FF6 and "
                    "0x3FF7 of every 16 KB bank in the image are register values, not ROM.";
        QCOMPARE(rec.logs.mid(rec.logs.size() - tail.size()), tail);
    }

    // What the edge cases send and read, in order. Up to 32 KiB the fixed
    // pages are read unless the board does not show them as they are; an
    // empty first page sends the read to the upper page. Sizes that are not
    // whole banks stay inside the buffer.
    void dumps_data()
    {
        QTest::addColumn<int>("mapper");
        QTest::addColumn<int>("size");
        QTest::addColumn<uint16_t>("base");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("line");   // a log line the run must show

        QTest::newRow("64 KiB standard") << 0 << int(64 * K) << uint16_t(0x0000)
                                         << QStringList{"W start 15", "R 0+64"} << "Debug dump 64K.";
        QTest::newRow("32 KiB, unknown mapper ignored") << 18 << int(32 * K) << uint16_t(0x4000)
                                                        << QStringList{"W start 15", "R 4000+32"} << "";
        QTest::newRow("4 KiB upper page") << 0 << int(4 * K) << uint16_t(0x8000)
                                          << QStringList{"W start 15", "R 4000+4", "R 8000+4"} << "";
        QTest::newRow("40 KiB ascii16, partial last bank") << 5 << int(40 * K) << uint16_t(0x4000)
            << QStringList{"W start 15", "W 6000<-0", "W 7000<-0", "W 6000<-0", "R 4000+16", "W 6000<-1", "R 4000+16",
                           "W 6000<-2", "R 4000+8", "W 6000<-0", "W 7000<-0"} << "";
        const QStringList ascii8PowerOn{"W 6000<-0", "W 6800<-0", "W 7000<-0", "W 7800<-0"};
        QTest::newRow("32 KiB ascii8 through its registers") << 4 << int(32 * K) << uint16_t(0x4000)
            << QStringList{"W start 15"} + ascii8PowerOn +
                   QStringList{"W 6000<-0", "W 6800<-1", "R 4000+16", "W 6000<-2", "W 6800<-3", "R 4000+16"} + ascii8PowerOn
            << "";
        const QString refusal("ROM SIZE 64 Kbytes is more than mapper %1 can address (32 Kbytes at most).");
        const QList<QPair<int, QString>> refused{{18, "Unknow mapper."}, {129, "Unknow mapper."}, {-1, "Unknow mapper."},
            {13, refusal.arg("Konami Synthesizer")}, {15, refusal.arg("Disk ROM (Philips/Sony)M")}};
        for (const auto &r : refused)
            QTest::newRow(qPrintable(QStringLiteral("refused mapper %1").arg(r.first)))
                << r.first << int(64 * K) << uint16_t(0x4000) << QStringList{} << r.second;
    }
    void dumps()
    {
        QFETCH(int, mapper);
        QFETCH(int, size);
        QFETCH(uint16_t, base);
        QFETCH(QStringList, expected);
        QFETCH(QString, line);
        const std::vector<uint8_t> rom = banked_image(128 * K, 8 * K);
        Bench bench(std::make_unique<sim::MsxCartridge>(rom, mapper, base));
        const RunRecord rec = bench.dump<msxThreadDump>(size, mapper);
        QCOMPARE(driveTrace(bench.reader), withHeaderCheck(expected));
        QCOMPARE(rec.logs.contains(line), !line.isEmpty());
        if (expected.isEmpty()) {   // refused
            QCOMPARE(rec.errors, QVector<int>{0});
            QVERIFY(!QFile::exists(bench.path()));
            return;
        }
        QCOMPARE(rec.errors, QVector<int>{1});
        QCOMPARE(rec.progress.first(), qMakePair(1, size));
        QCOMPARE(rec.progress.mid(rec.progress.size() - 2), (QVector<QPair<int, int>>{{size, size}, {1, 1}}));
        QCOMPARE(bench.saved(), to_bytes(rom, size));
    }
};

QTEST_GUILESS_MAIN(TestMsxWorkers)
#include "test_msx_workers.moc"
