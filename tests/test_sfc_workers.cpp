#include "device/checksum.h"
#include "simulator/sfc_cartridge.h"
#include "simulator/simulated_reader.h"
#include "support/carts.h"
#include "support/harness.h"
#include "workers/sfc/sfc_protocol.h"
#include "workers/sfc/sfc_threads.h"

#include <QFile>
#include <QtTest>
#include <cstring>
#include <memory>
#include <vector>

using Mapping = sim::SfcCartridge::Mapping;
Q_DECLARE_METATYPE(Mapping)

namespace {

size_t headerBase(Mapping m)
{
    return m == Mapping::HiRom ? 0xFFC0 : m == Mapping::ExHiRom ? 0x40FFC0 : 0x7FC0;
}

void writeHeader(std::vector<uint8_t> &rom, Mapping m, const QByteArray &title, uint8_t mode, uint8_t type,
                 uint8_t romCode, uint8_t ramCode)
{
    uint8_t *at = rom.data() + headerBase(m);
    std::memset(at, ' ', sfc::kTitleLength);
    std::memcpy(at, title.constData(), size_t(title.size()));
    at[0x15] = mode;
    at[0x16] = type;
    at[0x17] = romCode;
    at[0x18] = ramCode;
}

// The title line: the header's 21-character field, blanks kept.
QString titleLine(const QString &title)
{
    return QStringLiteral("Title: ") + title.leftJustified(int(sfc::kTitleLength));
}

} // namespace

class TestSfcWorkers : public QObject {
    Q_OBJECT
private slots:
    // A known header page gives the table's block, whatever the header says;
    // a row without a ROM size is followed by the header's block. Without a
    // row the header speaks. The presets follow the block they belong to.
    void info_data()
    {
        QTest::addColumn<Mapping>("mapping");
        QTest::addColumn<int>("size");
        QTest::addColumn<QByteArray>("title");
        QTest::addColumn<QByteArray>("fields");   // map mode, type, ROM and RAM codes, then any game code
        QTest::addColumn<int>("maker");           // ROM 0x7FDA, -1 leaves it
        QTest::addColumn<uint32_t>("key");        // CRC-32 given to the header page; 0 leaves it
        QTest::addColumn<QStringList>("logs");    // after the device block
        QTest::addColumn<QStringList>("presets");
        const QString head = "--SFC/SNES Cartridge information--";
        const QByteArray lorom("\x20\x02\x08\x00", 4);
        QTest::newRow("Star Ocean") << Mapping::LoRom << 0x20000 << QByteArray("HEADER") << lorom << -1 << 0x74D8DFABu
            << QStringList{head, "Title: Star Ocean (Jpn)", "Company: Enix", "Year: 1996", "Alt name: ",
                           "ROM SIZE: 48Mbit", "RAM SIZE: 8Kbytes", "<hr><br>"}
            << QStringList{"selectRomSize 6291456", "selectRamSize 8192", "selectMMCType 1"};
        QTest::newRow("row without a size") << Mapping::LoRom << 0x20000 << QByteArray("HEADER") << lorom << -1
            << 0xCAFEF00Du
            << QStringList{head, "Title: Homebrew", "Company: ", "Year: 2001?", "Alt name: ", "ROM SIZE: 0Mbit",
                           "RAM SIZE: 2Kbytes", "<hr><br>", head, titleLine("HEADER"), "ROM SIZE: 2Mbit",
                           "RAM SIZE: 0Kbytes", "<hr><br>"}
            << QStringList{"selectRomSize 0", "selectRamSize 2048", "selectMMCType 2",
                           "selectRomSize 262144", "selectRamSize 0", "selectMMCType 1"};
        QTest::newRow("0x35 presets HIROM") << Mapping::ExHiRom << 0x500000 << QByteArray("EXHI")
            << QByteArray("\x35\x02\x0D\xFF") << -1 << 0u
            << QStringList{head, titleLine("EXHI"), "ROM SIZE: 64Mbit", "RAM SIZE: 0Kbytes", "<hr><br>"}
            << QStringList{"selectRomSize 8388608", "selectRamSize 0", "selectMMCType 2"};
        QTest::newRow("SuperFX extended header, katakana title") << Mapping::LoRom << 0x100000
            << QByteArray("\xBD\xB0\xCA\xDF\xB0 FX") << QByteArray("\x20\x15\x0A\x00", 4) << 0x33 << 0u
            << QStringList{head, titleLine(QString::fromUtf8("ｽｰﾊﾟｰ FX")), "ROM SIZE: 8Mbit", "RAM SIZE: 32Kbytes",
                           "<hr><br>"}
            << QStringList{"selectRomSize 1048576", "selectRamSize 32768", "selectMMCType 1"};
        // The extended header's game code is a catalogue serial's ("SNS-A3NE-USA").
        QTest::newRow("game code in the catalogue") << Mapping::LoRom << 0x100000 << QByteArray("3 NINJAS KICK BACK")
            << QByteArray("\x20\x00\x0A\x00" "A3NE", 8) << 0x33 << 0u
            << QStringList{head, titleLine("3 NINJAS KICK BACK"), "In the catalogue: 3 Ninjas Kick Back (USA) (1994, Sony Imagesoft)",
                           "ROM SIZE: 8Mbit", "RAM SIZE: 0Kbytes", "<hr><br>"}
            << QStringList{"selectRomSize 1048576", "selectRamSize 0", "selectMMCType 1"};
        QTest::newRow("size code 6") << Mapping::LoRom << 0x20000 << QByteArray("ODD")
            << QByteArray("\x20\x00\x06\x01", 4) << -1 << 0u
            << QStringList{head, titleLine("ODD"), "ROM SIZE: 0Mbit", "RAM SIZE: 2Kbytes", "<hr><br>",
                           "Can not auto detect cartridge information",
                           "Please set ROM SIZE by yourself to dump the ROM", "\r\n"}
            << QStringList{"selectRomSize 0", "selectRamSize 2048", "selectMMCType 1"};
    }
    void info()
    {
        QFETCH(Mapping, mapping);
        QFETCH(int, size);
        QFETCH(QByteArray, title);
        QFETCH(QByteArray, fields);
        QFETCH(int, maker);
        QFETCH(uint32_t, key);
        QFETCH(QStringList, presets);
        std::vector<uint8_t> rom = to_vector(random_image(size, key ? key : uint32_t(size)));
        writeHeader(rom, mapping, title, uint8_t(fields[0]), uint8_t(fields[1]), uint8_t(fields[2]),
                    uint8_t(fields[3]));
        if (maker >= 0) {
            rom[0x7FDA] = uint8_t(maker);
            rom[0x7FBD] = 5;
        }
        if (fields.size() == 8)
            std::memcpy(rom.data() + 0x7FB2, fields.constData() + 4, 4);
        if (key)   // the header page read at 0xE000 gets `key` for its CRC-32
            sim::force_crc32(rom.data() + headerBase(mapping) + 0x40 - sfc::kHeaderPageSize, sfc::kHeaderPageSize,
                             0, key);
        Bench bench(std::make_unique<sim::SfcCartridge>(std::move(rom), mapping));
        const sfc::TitleRecord own[] = {{u"Homebrew", u"2001?", u"", u"", 0, 2048, 2, 0xCAFEF00D}};
        sfcThreadInfo info;
        if (key == own[0].key)
            info.setTitleTable(own, 1);
        const RunRecord rec = runWorker(info);
        QTEST(QStringList(rec.logs.mid(4)), "logs");
        QCOMPARE(rec.presets, presets);
        QCOMPARE(rec.trace.mid(rec.trace.indexOf("log <hr><br>") + 1, 3), presets.mid(0, 3));
        for (const sim::SectorRecord &s : bench.reader.commands())
            QVERIFY(s.operation() == sfc::kOpStart || s.operation() == sfc::kOpHalfSelect);
    }

    // Read twice on a reader that spoils about one read in twenty: LoROM in
    // whole passes, each through its switch at 2 MiB, and S-DD1 with its bank
    // written for every block. The image comes back exact, or not at all.
    void readTwiceOnAFlakyReader_data()
    {
        QTest::addColumn<Mapping>("mapping");
        QTest::addColumn<int>("size");
        QTest::newRow("LoROM 4 MiB") << Mapping::LoRom << 0x400000;
        QTest::newRow("S-DD1 6 MiB") << Mapping::Sdd1 << 0x600000;
    }
    void readTwiceOnAFlakyReader()
    {
        QFETCH(Mapping, mapping);
        QFETCH(int, size);
        const std::vector<uint8_t> rom = to_vector(random_image(size, 77));
        Bench bench(std::make_unique<sim::SfcCartridge>(rom, mapping));
        bench.reader.set_flaky(11, 20);
        const QString path = bench.path();
        sfcThreadDump dump;
        dump.configure(path, size, 1);
        dump.readTwice = true;
        const RunRecord rec = runWorker(dump);
        QVERIFY(bench.reader.flipped_reads() > 0);
        if (rec.errors == QVector<int>{1}) {
            QVERIFY(file_bytes(path) == to_bytes(rom));
            QVERIFY(dump.blocksReadAgain() > 0);
        } else {
            QCOMPARE(rec.errors, QVector<int>{0});
            QVERIFY(rec.logs.last().startsWith("Unstable reads at 0x"));
            QVERIFY(!QFile::exists(path));
        }
    }

    // The image comes back whole, one progress step per 32 KiB block; the
    // LoROM reader's switch at 2 MiB reaches the cartridge once.
    void dumpRoundTrip_data()
    {
        QTest::addColumn<Mapping>("mapping");
        QTest::addColumn<int>("mmcType");
        QTest::addColumn<int>("size");
        QTest::newRow("LoROM 2 MiB") << Mapping::LoRom << 1 << 0x200000;
        QTest::newRow("LoROM 4 MiB") << Mapping::LoRom << 1 << 0x400000;
        QTest::newRow("S-DD1 6 MiB") << Mapping::Sdd1 << 1 << 0x600000;
        QTest::newRow("HiROM 6 MiB") << Mapping::HiRom << 2 << 0x600000;
        QTest::newRow("ExHiROM 6 MiB") << Mapping::ExHiRom << 3 << 0x600000;
        // The last block is read short, into the buffer and not past it.
        QTest::newRow("HiROM, size not a multiple of 32 KiB") << Mapping::HiRom << 2 << 0x9000;
    }
    void dumpRoundTrip()
    {
        QFETCH(Mapping, mapping);
        QFETCH(int, mmcType);
        QFETCH(int, size);
        const std::vector<uint8_t> rom = to_vector(random_image(size, uint32_t(size)));
        auto owned = std::make_unique<sim::SfcCartridge>(rom, mapping);
        sim::SfcCartridge *cart = owned.get();
        Bench bench(std::move(owned));
        const RunRecord rec = bench.dump<sfcThreadDump>(size, mmcType);
        QCOMPARE(rec.errors, QVector<int>{1});
        QVERIFY(bench.saved() == to_bytes(rom, size));
        const QStringList tail = savedLines(bench.path(), rom, 15);
        QCOMPARE(rec.logs.mid(rec.logs.size() - tail.size()), tail);

        // The simulated boards answer each block only at the address their
        // mapper puts it, so the bytes show where it was read.
        QVector<QPair<int, int>> progress{{1, size}};
        for (int done = 0x8000; done - 0x8000 < size; done += 0x8000)
            progress.append({std::min(done, size), size});
        progress.append({1, 1});
        QCOMPARE(rec.progress, progress);
        if (mmcType == 1 && size != 0x600000)   // LoROM: the cartridge got both writes, in their order
            QCOMPARE(cart->writes_to(0x7F52), (size > 0x200000 ? std::vector<uint8_t>{0, 1} : std::vector<uint8_t>()));
    }

    // A board that fills a size that is no power of two repeats its top part
    // up to the next one: the image is saved at the ROM's true size, and its
    // header checksum, summed as the console sees the ROM, holds.
    void dumpTrueSize_data()
    {
        QTest::addColumn<Mapping>("mapping");
        QTest::addColumn<int>("mmcType");
        QTest::addColumn<int>("romSize");
        QTest::addColumn<int>("readSize");
        QTest::addColumn<bool>("known");   // the catalogue lists the whole read
        QTest::addColumn<int>("savedSize");
        QTest::newRow("LoROM 12 Mbit") << Mapping::LoRom << 1 << 0x180000 << 0x200000 << false << 0x180000;
        QTest::newRow("HiROM 20 Mbit") << Mapping::HiRom << 2 << 0x280000 << 0x400000 << false << 0x280000;
        QTest::newRow("HiROM 24 Mbit") << Mapping::HiRom << 2 << 0x300000 << 0x400000 << false << 0x300000;
        QTest::newRow("ExHiROM 40 Mbit") << Mapping::ExHiRom << 3 << 0x500000 << 0x800000 << false << 0x500000;
        QTest::newRow("ExHiROM 48 Mbit") << Mapping::ExHiRom << 3 << 0x600000 << 0x800000 << false << 0x600000;
        QTest::newRow("32 Mbit, padded past 16 Mbit") << Mapping::HiRom << 2 << -0x400000 << 0x400000 << false << 0x400000;
        QTest::newRow("known at the size read") << Mapping::HiRom << 2 << 0x300000 << 0x400000 << true << 0x400000;
    }
    void dumpTrueSize()
    {
        QFETCH(Mapping, mapping);
        QFETCH(int, mmcType);
        QFETCH(int, romSize);
        QFETCH(int, readSize);
        QFETCH(bool, known);
        QFETCH(int, savedSize);
        // A negative size: the upper half of that ROM is 0xFF padding.
        const bool padded = romSize < 0;
        romSize = std::abs(romSize);
        std::vector<uint8_t> rom = to_vector(random_image(romSize, uint32_t(romSize)));
        if (padded)
            std::fill(rom.begin() + romSize / 2, rom.end(), 0xFF);
        writeHeader(rom, mapping, "TRUE SIZE", mapping == Mapping::LoRom ? 0x20 : mapping == Mapping::HiRom ? 0x21 : 0x25,
                    0, uint8_t(mapping == Mapping::LoRom ? 0x0B : mapping == Mapping::HiRom ? 0x0C : 0x0D), 0);
        uint8_t *pair = rom.data() + headerBase(mapping) + 0x1C;
        pair[0] = pair[1] = 0xFF;
        pair[2] = pair[3] = 0;
        // The console's view: the ROM mirrored up to the size read.
        std::vector<uint8_t> seen(static_cast<size_t>(readSize));
        for (size_t i = 0; i < seen.size(); ++i)
            seen[i] = rom[size_t(sim::SfcCartridge::mirror(i, rom.size()))];
        const uint16_t sum = uint16_t(byte_sum(seen.data(), seen.size()));
        pair[0] = uint8_t(~sum);
        pair[1] = uint8_t(~sum >> 8);
        pair[2] = uint8_t(sum);
        pair[3] = uint8_t(sum >> 8);
        std::memcpy(seen.data() + headerBase(mapping) + 0x1C, pair, 4);

        Bench bench(std::make_unique<sim::SfcCartridge>(rom, mapping));
        const QString path = bench.path();
        const verify::Catalogue catalogue({catalogue_entry(to_bytes(seen), "Whole", 15)});
        sfcThreadDump dump;
        dump.catalogue = known ? &catalogue : nullptr;
        dump.configure(path, readSize, mmcType);
        const RunRecord rec = runWorker(dump);
        QCOMPARE(rec.errors, QVector<int>{1});
        QCOMPARE(file_bytes(path), to_bytes(seen, savedSize));
        QVERIFY(rec.logs.contains(known ? "Verified: Whole" : "Header checksum OK."));
        QCOMPARE(rec.logs.filter("repeats its data").size(), savedSize < readSize ? 1 : 0);
    }

    void mapperWithoutReader_data()
    {
        QTest::addColumn<int>("mmcType");
        QTest::addColumn<int>("size");
        QTest::newRow("HomebrewSimple / HomebrewMulti") << 0 << 0x100000;
        QTest::newRow("96M ROM") << 4 << 0xC00000;
        QTest::newRow("no such value") << 7 << 0x100000;
    }
    void mapperWithoutReader()
    {
        QFETCH(int, mmcType);
        QFETCH(int, size);
        Bench bench(std::make_unique<sim::SfcCartridge>(to_vector(random_image(0x100000, 3)), Mapping::LoRom));
        QVERIFY(write_file(bench.path(), "earlier dump"));
        const RunRecord rec = bench.dump<sfcThreadDump>(size, mmcType);
        QCOMPARE(rec.logs, QStringList{"Unknow mapper:" + QString::number(mmcType)});
        QCOMPARE(rec.progress, (QVector<QPair<int, int>>{{1, 1}}));
        QCOMPARE(rec.errors, QVector<int>{0});
        QCOMPARE(bench.saved(), QByteArray("earlier dump"));
        QVERIFY(bench.reader.window_reads().empty());
    }
};

QTEST_GUILESS_MAIN(TestSfcWorkers)
#include "test_sfc_workers.moc"
