#include "device/checksum.h"
#include "simulator/simulated_reader.h"
#include "simulator/sms_cartridge.h"
#include "support/carts.h"
#include "support/harness.h"
#include "workers/sms/sms_threads.h"

#include <QFile>
#include <QtTest>
#include <memory>
#include <vector>

namespace {

constexpr uint32_t K = 1024;
using Progress = QVector<QPair<int, int>>;

// `fields`: the header bytes +0xC to +0xF (product code, version, region, size code).
QByteArray headered(uint32_t size, const char *fields, int at = 0x7FF0)
{
    return sms_image(to_bytes(banked_image(size, 16 * K)), at, QByteArray(fields, 4));
}

RunRecord smsInfo(const sms::TitleRecord *table = sms::kTitleTable, size_t count = sms::kTitleTableSize)
{
    smsThreadInfo worker;
    worker.table = table;
    worker.tableSize = count;
    return runWorker(worker);
}

// A Codemasters header at 0x7FE0: bank count, a date and time in BCD, a
// checksum word and its complement to 0x10000.
std::vector<uint8_t> codemasters(uint32_t size)
{
    std::vector<uint8_t> rom = banked_image(size, 16 * K);
    const uint8_t header[10] = {uint8_t(size / (16 * K)), 0x15, 0x06, 0x93, 0x12, 0x30, 0x34, 0x12, 0xCC, 0xED};
    std::copy(header, header + 10, rom.begin() + 0x7FE0);
    return rom;
}

} // namespace

class TestSmsWorkers : public QObject {
    Q_OBJECT
private slots:
    // Info and Dump refuse other boards; before version 310 Info stops and
    // Dump reaches the cartridge through the Mega Drive bus.
    void gate_data()
    {
        QTest::addColumn<QByteArray>("identity");
        QTest::addColumn<QStringList>("info");   // after the device lines: the first log line, then the first events
        QTest::addColumn<QString>("dumpStart");  // empty: refused
        QTest::newRow("310") << QByteArray("QXB_RDR07_FW310")
                             << QStringList{"log Find game: unknown game (no cartridge header)",
                                            "W start 12", "W fffc<-0", "W 0000<-0", "W 4000<-1", "W 8000<-0",
                                            "W fffc<-0", "W fffd<-0", "W fffe<-1", "W ffff<-2", "R 0+8"}
                             << "W start 12";
        QTest::newRow("309") << QByteArray("QXB_RDR07_FW309")
                             << QStringList{"log Device only support:QXB_RDR07_FW310 or newer"} << "W start 13";
        QTest::newRow("other board") << QByteArray("QXB_RDR08_FW310")
                                     << QStringList{"log Device not support:QXB_RDR08_FW310"} << "";
    }
    void gate()
    {
        QFETCH(QByteArray, identity);
        QFETCH(QStringList, info);
        QFETCH(QString, dumpStart);

        const std::vector<uint8_t> rom = banked_image(128 * K, 16 * K);
        Bench bench(std::make_unique<sim::SmsCartridge>(rom), identity.constData());
        const QStringList infoLines = smsInfo().trace.filter(QRegularExpression("^log ")).mid(4, 1);
        QCOMPARE(infoLines + driveTrace(bench.reader).mid(0, info.size() - 1), info);

        bench.reader.clear_log();
        const RunRecord dump = bench.dump<smsThreadDump>(128 * K);
        if (dumpStart.isEmpty()) {
            QCOMPARE(dump.logs, QStringList{QStringLiteral("Device not support:") + QString::fromLatin1(identity)});
            QCOMPARE(dump.errors, QVector<int>{0});
            QVERIFY(driveTrace(bench.reader).isEmpty());
            QVERIFY(!QFile::exists(bench.path()));
        } else {
            QCOMPARE(driveTrace(bench.reader).mid(0, 5), (QStringList{dumpStart, "W fffc<-0", "W fffd<-0", "W fffe<-1", "W ffff<-2"}));
            QCOMPARE(dump.errors, QVector<int>{1});
            QCOMPARE(file_bytes(bench.path()), to_bytes(rom));
        }
    }

    // Up to 48 KiB the three slots are read as they stand; above, every bank
    // goes through slot 2, the last one only as far as the image goes.
    void dumps_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<Progress>("progress");

        const QStringList powerOn{"W start 12", "W fffc<-0", "W fffd<-0", "W fffe<-1", "W ffff<-2"};
        for (int size : {8 * 1024, 48 * 1024})
            QTest::newRow(qPrintable(QStringLiteral("%1 KiB").arg(size / K)))
                << size << powerOn + QStringList{"R 0+16", "R 4000+16", "R 8000+16"}
                << Progress{{1, size}, {16384, size}, {32768, size}, {49152, size}, {1, 1}};
        // 432 KiB is 27 banks; 50 KiB ends in a 2 KiB part of a bank.
        for (int size : {432 * 1024, 50 * 1024}) {
            QStringList events = powerOn;
            Progress progress{{1, size}};
            for (int offset = 0; offset < size; offset += 16384) {
                events << QStringLiteral("W ffff<-%1").arg(offset / 16384)
                       << QStringLiteral("R 8000+%1").arg(std::min(16384, size - offset) / K);
                progress.append({offset, size});
            }
            progress.append({1, 1});
            QTest::newRow(qPrintable(QStringLiteral("%1 KiB").arg(size / K))) << size << events << progress;
        }
    }
    void dumps()
    {
        QFETCH(int, size);
        // A header declaring 512 KiB: a smaller choice is said before the
        // read and warned about at the end.
        const QByteArray image = headered(uint32_t(std::max(size, int(64 * K))), "\x99\x99\x00\x41");
        const std::vector<uint8_t> rom(image.begin(), image.end());
        Bench bench(std::make_unique<sim::SmsCartridge>(rom));
        const RunRecord rec = bench.dump<smsThreadDump>(size);
        QCOMPARE(rec.logs.first(), QStringLiteral("The cartridge header declares 512 KB; dumping %1 KB as chosen.").arg(size / K));
        QCOMPARE(rec.logs.last(), QStringLiteral("Warning: the image is %1 KB, but its header declares 512 KB.").arg(size / K));
        QFETCH(QStringList, events);
        QCOMPARE(driveTrace(bench.reader), withHeaderCheck(events));
        QTEST(rec.progress, "progress");
        QCOMPARE(rec.errors, QVector<int>{1});
        QCOMPARE(file_bytes(bench.path()), to_bytes(rom, size));
    }

    // A Codemasters header is believed only when 0x8000 banks slot 2. Info
    // and the dump start from power-on banks whatever a session left, and
    // Info leaves them so; a dump with Info's choice gives the image back.
    void boards_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("mapper");   // Info's choice; -1: none, refused
        QTest::addColumn<int>("romSize");
        QTest::newRow("Codemasters 128 KiB") << "codemasters" << 128 << 1 << 128;
        QTest::newRow("Codemasters 256 KiB") << "codemasters" << 256 << 1 << 256;
        QTest::newRow("Sega board, same bytes at 0x7FE0") << "sega" << 128 << 0 << 128;
        QTest::newRow("Codemasters header, one bank twice") << "codemasters" << 16 << -1 << 0;
    }
    void boards()
    {
        QFETCH(QString, kind);
        QFETCH(int, size);
        QFETCH(int, mapper);
        QFETCH(int, romSize);
        std::vector<uint8_t> rom = codemasters(uint32_t(std::max(size, 32)) * K);
        if (size < 32)   // one bank, header included, in both slots
            std::copy_n(rom.begin() + 16 * K, 16 * K, rom.begin());
        const auto board = kind == "codemasters" ? sim::SmsCartridge::Board::Codemasters : sim::SmsCartridge::Board::Sega;
        auto owned = std::make_unique<sim::SmsCartridge>(rom, board);
        sim::SmsCartridge *cart = owned.get();
        Bench bench(std::move(owned));
        // What an earlier session left in the registers of either board.
        for (uint32_t reg : {0x0000u, 0x4000u, 0x8000u, 0xFFFDu, 0xFFFEu, 0xFFFFu})
            cart->write(reg, 5);

        const RunRecord info = smsInfo();
        const QStringList chosen = info.presets.filter("selectMMCType");
        QCOMPARE(chosen, mapper < 0 ? QStringList{} : QStringList{QStringLiteral("selectMMCType %1").arg(mapper)});
        QCOMPARE(info.presets.filter("selectRomSize"),
                 romSize ? QStringList{QStringLiteral("selectRomSize %1").arg(romSize * K)} : QStringList{});
        QCOMPARE(info.logs.filter("cannot be told apart").size(), mapper < 0 ? 1 : 0);
        const uint32_t slot2 = kind == "codemasters" ? 0 : 2;
        QCOMPARE(cart->peek(0x8000), rom[(slot2 * 16 * K) % rom.size()]);
        if (mapper < 0)
            return;

        for (uint32_t reg : {0x0000u, 0x4000u, 0x8000u, 0xFFFDu, 0xFFFEu, 0xFFFFu})
            cart->write(reg, 3);
        const RunRecord dump = bench.dump<smsThreadDump>(romSize * int(K), mapper);
        QCOMPARE(dump.errors, QVector<int>{1});
        QCOMPARE(file_bytes(bench.path()), to_bytes(rom));
    }

    // The identity text as the link holds it: zero-filled past its end. The
    // version is read from byte 12 and never past the 16 identity bytes.
    void firmwareVersion_data()
    {
        QTest::addColumn<QByteArray>("firmware");
        QTest::addColumn<bool>("board");
        QTest::addColumn<int>("version");
        QTest::newRow("digits end early") << QByteArray("QXB_RDR07_FW31b") << true << 31;
        QTest::newRow("digits past the identity") << QByteArray("QXB_RDR07_FW3109999999999999") << true << 3109;
        QTest::newRow("no version") << QByteArray("QXB_RDR07_FW") << true << 0;
        QTest::newRow("short text") << QByteArray("QXB_RDR07") << false << 0;
    }
    void firmwareVersion()
    {
        QFETCH(QByteArray, firmware);
        char identity[256] = {};
        std::copy(firmware.begin(), firmware.end(), identity);
        QTEST(sms::board_supported(identity), "board");
        QTEST(sms::firmware_version(identity), "version");
    }

    // A table hit names the first matching row; a miss sizes the cartridge
    // on the bus and names it from the header's product code.
    void info_data()
    {
        QTest::addColumn<QByteArray>("rom");
        QTest::addColumn<QStringList>("lines");   // after the device lines, presets included

        QByteArray rom = to_bytes(banked_image(64 * K, 16 * K));
        QTest::newRow("table hit") << rom << QStringList{"log Find game: Earlier",
                                                         "log Please set ROM SIZE to 432 Kbytes to dump ROM.", "selectRomSize 442368"};
        // The catalogue lists 7054 as Ace of Aces; the bus beats the size code.
        QTest::newRow("listed product code") << headered(128 * K, "\x54\x70\x00\x41")
            << QStringList{"log Find game: Ace of Aces (Euro)", "log Please set ROM SIZE to 128 Kbytes to dump ROM.",
                           "selectRomSize 131072", "log The cartridge repeats its first bank after 128 KB.",
                           "log Cartridge header: product code 7054, version 0, size code 512 KB.",
                           "log In the catalogue: Ace of Aces (Euro) (1991, Sega)"};
        // A fifth digit in the high nibble of +0xE; older carts' header places.
        QTest::newRow("five digits at 0x3FF0, 16 KiB") << headered(16 * K, "\x08\x10\x43\x4B", 0x3FF0)
            << QStringList{"log Find game: Action Fighter (Euro, Jpn, v1)", "log Please set ROM SIZE to 16 Kbytes to dump ROM.",
                           "selectRomSize 16384", "log The cartridge repeats its first bank after 16 KB.",
                           "log Cartridge header: product code 41008, version 3, size code 16 KB.",
                           "log In the catalogue: Action Fighter (Euro, Jpn, v1) (1986, Sega)"};
        QTest::newRow("0x1FF0, 8 KiB") << headered(8 * K, "\x99\x99\x00\x4A", 0x1FF0)
            << QStringList{"log Find game: unknown game (product code 9999)", "log Please set ROM SIZE to 8 Kbytes to dump ROM.",
                           "selectRomSize 8192", "log The cartridge repeats its first bank after 8 KB.",
                           "log Cartridge header: product code 9999, version 0, size code 8 KB."};
        // 432 KiB repeats bank 0 at no power of two: the header's size stands.
        QTest::newRow("unmeasured, code not BCD") << headered(432 * K, "\x5A\x70\x00\x40")
            << QStringList{"log Find game: unknown game (the product code is not readable)",
                           "log Please set ROM SIZE to 256 Kbytes to dump ROM.", "selectRomSize 262144",
                           "log Cartridge header: product code ?, version 0, size code 256 KB."};
        QTest::newRow("unmeasured, no header") << to_bytes(banked_image(432 * K, 16 * K))
            << QStringList{"log Can not auto detect cartridge information",
                           "log Please set ROM SIZE by yourself to dump the ROM", "log \r\n"};
        QTest::newRow("empty slot") << QByteArray() << QStringList{"log No cartridge answers."};
    }
    void info()
    {
        QFETCH(QByteArray, rom);
        const uint32_t crc = crc32_buffer(rom.constData(), 8 * K);
        const sms::TitleRecord table[] = {{"Other", 131072, crc ^ 1, 0}, {"Earlier", 442368, crc, 0}, {"Later", 524288, crc, 0}};
        const bool hit = QByteArray(QTest::currentDataTag()) == "table hit";
        Bench bench(std::make_unique<sim::SmsCartridge>(to_vector(rom)));
        if (rom.isEmpty())
            bench.reader.insert(nullptr);
        QStringList lines = smsInfo(hit ? table : sms::kTitleTable, hit ? 3 : sms::kTitleTableSize).trace.mid(4);
        // Every cartridge that answers gets its board first.
        if (!rom.isEmpty())
            QCOMPARE(lines.takeFirst(), QStringLiteral("selectMMCType 0"));
        QTEST(lines, "lines");
        // Slot 2 is left as power-on maps it.
        QCOMPARE(driveTrace(bench.reader).filter("W ffff").last(), QStringLiteral("W ffff<-2"));
    }
};

QTEST_GUILESS_MAIN(TestSmsWorkers)
#include "test_sms_workers.moc"
