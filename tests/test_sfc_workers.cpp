#include "device/checksum.h"
#include "simulator/sfc_cartridge.h"
#include "simulator/simulated_reader.h"
#include "support/harness.h"
#include "workers/sfc/sfc_protocol.h"
#include "workers/sfc/sfc_threads.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <cstring>
#include <memory>
#include <vector>

using Mapping = sim::SfcCartridge::Mapping;
Q_DECLARE_METATYPE(Mapping)

namespace {

const QStringList kPreamble = {QStringLiteral("--Device information--"), QStringLiteral("Driver label: QUORVEL"),
                               QStringLiteral("Device firmware: QXB_RDR07_FW310"), QStringLiteral("\r\n")};
const QStringList kNotDetected = {QStringLiteral("Can not auto detect cartridge information"),
                                  QStringLiteral("Please set ROM SIZE by yourself to dump the ROM"),
                                  QStringLiteral("\r\n")};

std::vector<uint8_t> noise(size_t size, uint32_t seed)
{
    std::vector<uint8_t> v(size);
    uint32_t x = seed * 2654435761u + 1;
    for (auto &b : v) {
        x = x * 1664525u + 1013904223u;
        b = uint8_t(x >> 24);
    }
    return v;
}

size_t headerBase(Mapping m)
{
    switch (m) {
    case Mapping::HiRom:
        return 0xFFC0;
    case Mapping::ExHiRom:
        return 0x40FFC0;
    default:
        return 0x7FC0;
    }
}

struct Header {
    QByteArray title;
    uint8_t mode, type, romCode, ramCode;
};

void writeHeader(std::vector<uint8_t> &rom, Mapping m, const Header &h)
{
    uint8_t *at = rom.data() + headerBase(m);
    std::memset(at, ' ', sfc::kTitleLength);
    std::memcpy(at, h.title.constData(), size_t(h.title.size()));
    at[0x15] = h.mode;
    at[0x16] = h.type;
    at[0x17] = h.romCode;
    at[0x18] = h.ramCode;
}

// ROM offset of the header page read at 0xE000.
size_t pageBase(Mapping m) { return headerBase(m) + 0x40 - sfc::kHeaderPageSize; }

// Rewrites the first bytes of the header page so that its CRC-32 is `key`.
void forcePageKey(std::vector<uint8_t> &rom, Mapping m, uint32_t key)
{
    sim::force_crc32(rom.data() + pageBase(m), sfc::kHeaderPageSize, 0, key);
}

struct Rig {
    sim::SimulatedReader reader;
    sim::SfcCartridge *cart = nullptr;
    std::unique_ptr<sim::ScopedPlatform> scope;

    Rig(std::vector<uint8_t> rom, Mapping m)
    {
        auto c = std::make_unique<sim::SfcCartridge>(std::move(rom), m);
        cart = c.get();
        reader.insert(std::move(c));
        scope = std::make_unique<sim::ScopedPlatform>(reader);
    }
};

// One entry per data-window read of the dump, with the cartridge address it
// reached (the last half select and the window offset), and the register
// writes sent before it as "addr<-value".
struct WindowRead {
    uint32_t address;
    uint32_t length;
    QStringList writesBefore;
};

std::vector<WindowRead> windowReads(const sim::SimulatedReader &reader)
{
    std::vector<WindowRead> out;
    uint32_t half = 0;
    QStringList pending;
    for (const sim::Event &e : reader.events()) {
        if (e.kind == sim::Event::Command && e.sector.target() == sfc::kTarget) {
            if (e.sector.operation() == sfc::kOpHalfSelect)
                half = e.sector.arg(3);
            else if (e.sector.operation() == sfc::kOpRegisterWrite)
                pending << QStringLiteral("%1<-%2")
                               .arg(e.sector.arg(3) | e.sector.arg(4) << 8 | e.sector.arg(5) << 16, 0, 16)
                               .arg(e.sector.arg(7));
        } else if (e.kind == sim::Event::Read && e.file == "DUMP.ROM") {
            out.push_back({(half << 23) | e.offset, e.length, pending});
            pending.clear();
        }
    }
    return out;
}

// The title line: the header's 21-character field, blanks kept.
QString titleLine(const QString &title)
{
    return QStringLiteral("Title: ") + title.leftJustified(int(sfc::kTitleLength));
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

QByteArray asBytes(const std::vector<uint8_t> &v, size_t len)
{
    return QByteArray(reinterpret_cast<const char *>(v.data()), int(len));
}

} // namespace

class TestSfcWorkers : public QObject {
    Q_OBJECT
private slots:
    void tableBlock_data()
    {
        QTest::addColumn<uint32_t>("key");
        QTest::addColumn<QStringList>("block");
        QTest::addColumn<QStringList>("presets");
        QTest::newRow("Star Ocean") << 0x74D8DFABu
                                    << QStringList{"Title: Star Ocean (Jpn)", "Company: Enix", "Year: 1996",
                                                   "Alt name: ", "ROM SIZE: 48Mbit", "RAM SIZE: 8Kbytes"}
                                    << QStringList{"selectRomSize 6291456", "selectRamSize 8192", "selectMMCType 1"};
        QTest::newRow("Tales of Phantasia")
            << 0x11E08794u
            << QStringList{"Title: Tales of Phantasia (Jpn)", "Company: Namco", "Year: 1995", "Alt name: ",
                           "ROM SIZE: 48Mbit", "RAM SIZE: 8Kbytes"}
            << QStringList{"selectRomSize 6291456", "selectRamSize 8192", "selectMMCType 3"};
        QTest::newRow("Star Fox") << 0x79160E6Du
                                  << QStringList{"Title: Star Fox (Jpn)", "Company: Nintendo", "Year: 1993",
                                                 "Alt name: ", "ROM SIZE: 8Mbit", "RAM SIZE: 32Kbytes"}
                                  << QStringList{"selectRomSize 1048576", "selectRamSize 32768",
                                                 "selectMMCType 1"};
    }
    void tableBlock()
    {
        QFETCH(uint32_t, key);
        QFETCH(QStringList, block);
        QFETCH(QStringList, presets);
        // A header that would give other sizes: the table must win.
        std::vector<uint8_t> rom = noise(0x20000, key);
        writeHeader(rom, Mapping::LoRom, {"HEADER", 0x21, 0x02, 0x09, 0x01});
        forcePageKey(rom, Mapping::LoRom, key);
        Rig rig(std::move(rom), Mapping::LoRom);

        sfcThreadInfo info;
        const RunRecord rec = runWorker(info);
        QVERIFY(rec.finished);
        QStringList expected = kPreamble;
        expected << "--SFC/SNES Cartridge information--" << block << "<hr><br>";
        QCOMPARE(rec.logs, expected);
        QCOMPARE(rec.presets, presets);
        // The presets follow the block they belong to.
        QCOMPARE(rec.trace.mid(rec.trace.indexOf("log <hr><br>") + 1), presets);
        QVERIFY(rec.progress.isEmpty());
        QVERIFY(rec.errors.isEmpty());
        // Only the start and the half selects of its reads reach the reader.
        QCOMPARE(rig.cart->register_writes().size(), size_t(0));
    }

    void tableRowWithoutSizeFallsBackToHeader()
    {
        std::vector<uint8_t> rom = noise(0x20000, 7);
        writeHeader(rom, Mapping::LoRom, {"HOMEBREW", 0x20, 0x02, 0x08, 0x00});
        forcePageKey(rom, Mapping::LoRom, 0xCAFEF00D);
        Rig rig(std::move(rom), Mapping::LoRom);
        const sfc::TitleRecord table[] = {{u"Homebrew", u"2001?", u"", u"", 0, 2048, 2, 0xCAFEF00D}};

        sfcThreadInfo info;
        info.setTitleTable(table, 1);
        const RunRecord rec = runWorker(info);
        QStringList expected = kPreamble;
        expected << "--SFC/SNES Cartridge information--" << "Title: Homebrew" << "Company: " << "Year: 2001?"
                 << "Alt name: " << "ROM SIZE: 0Mbit" << "RAM SIZE: 2Kbytes" << "<hr><br>"
                 << "--SFC/SNES Cartridge information--" << titleLine("HOMEBREW")
                 << "ROM SIZE: 2Mbit" << "RAM SIZE: 0Kbytes" << "<hr><br>";
        QCOMPARE(rec.logs, expected);
        QCOMPARE(rec.presets, (QStringList{"selectRomSize 0", "selectRamSize 2048", "selectMMCType 2",
                                           "selectRomSize 262144", "selectRamSize 0", "selectMMCType 1"}));
    }

    void headerReport_data()
    {
        QTest::addColumn<Mapping>("mapping");
        QTest::addColumn<int>("size");
        QTest::addColumn<QByteArray>("title");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("romCode");
        QTest::addColumn<int>("ramCode");
        QTest::addColumn<int>("maker");   // ROM 0x7FDA, -1 leaves it
        QTest::addColumn<QStringList>("block");
        QTest::addColumn<QStringList>("presets");

        QTest::newRow("HiROM 32 Mbit")
            << Mapping::HiRom << 0x400000 << QByteArray("QUORVEL TEST") << 0x21 << 0x02 << 0x0C << 3 << -1
            << QStringList{titleLine("QUORVEL TEST"), "ROM SIZE: 32Mbit", "RAM SIZE: 8Kbytes"}
            << QStringList{"selectRomSize 4194304", "selectRamSize 8192", "selectMMCType 2"};
        QTest::newRow("0x35 presets HIROM")
            << Mapping::ExHiRom << 0x500000 << QByteArray("EXHI") << 0x35 << 0x02 << 0x0D << 0xFF << -1
            << QStringList{titleLine("EXHI"), "ROM SIZE: 64Mbit", "RAM SIZE: 0Kbytes"}
            << QStringList{"selectRomSize 8388608", "selectRamSize 0", "selectMMCType 2"};
        QTest::newRow("SuperFX extended header, katakana title")
            << Mapping::LoRom << 0x100000 << QByteArray("\xBD\xB0\xCA\xDF\xB0 FX") << 0x20 << 0x15 << 0x0A << 0 << 0x33
            << QStringList{titleLine(QString::fromUtf8("ｽｰﾊﾟｰ FX")), "ROM SIZE: 8Mbit",
                           "RAM SIZE: 32Kbytes"}
            << QStringList{"selectRomSize 1048576", "selectRamSize 32768", "selectMMCType 1"};
        QTest::newRow("size code 6")
            << Mapping::LoRom << 0x20000 << QByteArray("ODD") << 0x20 << 0x00 << 0x06 << 1 << -1
            << (QStringList{titleLine("ODD"), "ROM SIZE: 0Mbit", "RAM SIZE: 2Kbytes", "<hr><br>"}
                << kNotDetected)
            << QStringList{"selectRomSize 0", "selectRamSize 2048", "selectMMCType 1"};
    }
    void headerReport()
    {
        QFETCH(Mapping, mapping);
        QFETCH(int, size);
        QFETCH(QByteArray, title);
        QFETCH(int, mode);
        QFETCH(int, type);
        QFETCH(int, romCode);
        QFETCH(int, ramCode);
        QFETCH(int, maker);
        QFETCH(QStringList, block);
        QFETCH(QStringList, presets);

        std::vector<uint8_t> rom = noise(size_t(size), uint32_t(romCode));
        writeHeader(rom, mapping, {title, uint8_t(mode), uint8_t(type), uint8_t(romCode), uint8_t(ramCode)});
        if (maker >= 0) {
            rom[0x7FDA] = uint8_t(maker);
            rom[0x7FBD] = 5;
        }
        Rig rig(std::move(rom), mapping);

        sfcThreadInfo info;
        const RunRecord rec = runWorker(info);
        QStringList expected = kPreamble;
        expected << "--SFC/SNES Cartridge information--" << block;
        if (!block.contains("<hr><br>"))
            expected << "<hr><br>";
        QCOMPARE(rec.logs, expected);
        QCOMPARE(rec.presets, presets);
        for (const sim::SectorRecord &s : rig.reader.commands())
            QVERIFY(s.operation() == sfc::kOpStart || s.operation() == sfc::kOpHalfSelect);
    }

    void dumpRoundTrip_data()
    {
        QTest::addColumn<Mapping>("mapping");
        QTest::addColumn<int>("mmcType");
        QTest::addColumn<int>("size");

        QTest::newRow("LoROM 1 MiB") << Mapping::LoRom << 1 << 0x100000;
        QTest::newRow("LoROM 2 MiB") << Mapping::LoRom << 1 << 0x200000;
        QTest::newRow("LoROM 3 MiB") << Mapping::LoRom << 1 << 0x300000;
        QTest::newRow("LoROM 4 MiB") << Mapping::LoRom << 1 << 0x400000;
        QTest::newRow("S-DD1 6 MiB") << Mapping::Sdd1 << 1 << 0x600000;
        QTest::newRow("HiROM 6 MiB") << Mapping::HiRom << 2 << 0x600000;
        QTest::newRow("ExHiROM 6 MiB") << Mapping::ExHiRom << 3 << 0x600000;
        QTest::newRow("HiROM, size not a multiple of 32 KiB") << Mapping::HiRom << 2 << 0x9000;
    }
    void dumpRoundTrip()
    {
        QFETCH(Mapping, mapping);
        QFETCH(int, mmcType);
        QFETCH(int, size);
        const std::vector<uint8_t> rom = noise(size_t(size), uint32_t(size));
        Rig rig(rom, mapping);
        QTemporaryDir dir;
        const QString path = dir.filePath("game.sfc");

        sfcThreadDump dump;
        dump.configure(path, size, mmcType);
        const RunRecord rec = runWorker(dump);
        QVERIFY(rec.finished);
        QCOMPARE(rec.errors, QVector<int>{1});
        QVERIFY(fileBytes(path) == asBytes(rom, size_t(size)));
        const QStringList tail = savedLines(path, rom, 15);
        QCOMPARE(rec.logs.mid(rec.logs.size() - tail.size()), tail);

        QVector<QPair<int, int>> progress{{1, size}};
        for (int done = 0x8000; done - 0x8000 < size; done += 0x8000)
            progress.append({std::min(done, size), size});
        progress.append({1, 1});
        QCOMPARE(rec.progress, progress);
    }

    // Which address each block comes from, and the register writes before it.
    void dumpAddresses_data()
    {
        QTest::addColumn<Mapping>("mapping");
        QTest::addColumn<int>("mmcType");
        QTest::addColumn<int>("size");
        QTest::newRow("LoROM 2 MiB") << Mapping::LoRom << 1 << 0x200000;
        QTest::newRow("LoROM 4 MiB") << Mapping::LoRom << 1 << 0x400000;
        QTest::newRow("S-DD1 6 MiB") << Mapping::Sdd1 << 1 << 0x600000;
        QTest::newRow("ExHiROM 6 MiB") << Mapping::ExHiRom << 3 << 0x600000;
    }
    void dumpAddresses()
    {
        QFETCH(Mapping, mapping);
        QFETCH(int, mmcType);
        QFETCH(int, size);
        Rig rig(std::vector<uint8_t>(size_t(size), 0), mapping);
        QTemporaryDir dir;
        sfcThreadDump dump;
        dump.configure(dir.filePath("a.sfc"), size, mmcType);
        QCOMPARE(runWorker(dump).errors, QVector<int>{1});

        const std::vector<WindowRead> reads = windowReads(rig.reader);
        QCOMPARE(int(reads.size()), size / 0x8000);
        for (size_t k = 0; k < reads.size(); ++k) {
            const uint32_t offset = uint32_t(k) * 0x8000;
            uint32_t address = 0;
            QStringList writes;
            if (mmcType == 1 && size != 0x600000) {
                address = 0x8000;   // the reader moves on by itself
                if (offset == 0x200000)
                    writes << "7f52<-0" << "7f52<-1";
            } else if (mmcType == 1) {
                address = 0xC00000 + offset % 0x100000;
                if (offset % 0x100000 == 0)
                    writes << QStringLiteral("4804<-%1").arg(offset / 0x100000);
            } else {
                address = offset < 0x400000 ? 0xC00000 + offset : 0x800000 + offset - 0x400000;
            }
            QCOMPARE(reads[k].length, 0x8000u);
            QCOMPARE(reads[k].address, address);
            QCOMPARE(reads[k].writesBefore, writes);
        }
        if (mmcType == 1 && size == 0x400000)
            QCOMPARE(rig.cart->writes_to(0x7F52), (std::vector<uint8_t>{0, 1}));
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
        Rig rig(noise(0x100000, 3), Mapping::LoRom);
        QTemporaryDir dir;
        const QString path = dir.filePath("keep.sfc");
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("earlier dump");
        }

        sfcThreadDump dump;
        dump.configure(path, size, mmcType);
        const RunRecord rec = runWorker(dump);
        QVERIFY(rec.finished);
        QCOMPARE(rec.logs, QStringList{"Unknow mapper:" + QString::number(mmcType)});
        QCOMPARE(rec.progress, (QVector<QPair<int, int>>{{1, 1}}));
        QCOMPARE(rec.errors, QVector<int>{0});
        QCOMPARE(fileBytes(path), QByteArray("earlier dump"));
        QVERIFY(windowReads(rig.reader).empty());
    }
};

QTEST_GUILESS_MAIN(TestSfcWorkers)
#include "test_sfc_workers.moc"
