#include "device/checksum.h"
#include "simulator/msx_cartridge.h"
#include "workers/msx/msx_protocol.h"

#include <QtTest>
#include <map>
#include <vector>

namespace {

// "addr<-value" for each sector, or what else it is.
QStringList writes(const std::vector<CommandSector> &sectors)
{
    QStringList out;
    for (const CommandSector &s : sectors) {
        if (s[2] != msx::kOpRegisterWrite)
            out << QStringLiteral("not a register write");
        else
            out << QStringLiteral("%1<-%2").arg(s[4] | s[5] << 8, 4, 16, QLatin1Char('0')).arg(s[12]);
    }
    return out;
}

std::vector<uint8_t> page(uint8_t fill)
{
    return std::vector<uint8_t>(msx::kPageSize, fill);
}

std::vector<uint8_t> pageWithCrc(uint32_t crc)
{
    std::vector<uint8_t> p = page(0x5A);
    sim::force_crc32(p.data(), p.size(), 100, crc);
    return p;
}

// Every 8 KiB bank starts with its number.
std::vector<uint8_t> numberedRom(uint32_t size)
{
    std::vector<uint8_t> rom(size, 0x11);
    for (uint32_t at = 0; at < size; at += msx::kPageSize)
        rom[at] = uint8_t(at / msx::kPageSize);
    return rom;
}

} // namespace

class TestMsxProtocol : public QObject {
    Q_OBJECT
private slots:
    void modeFromFirmware_data()
    {
        QTest::addColumn<QByteArray>("firmware");
        QTest::addColumn<int>("mode");
        QTest::newRow("MSX variant") << QByteArray("MSX_RDR07_FW310") << 0x14;
        QTest::newRow("exactly MSX") << QByteArray("MSX") << 0x14;
        QTest::newRow("other board") << QByteArray("QXB_RDR07_FW310") << 0x15;
        QTest::newRow("empty") << QByteArray("") << 0x15;
        QTest::newRow("lower case") << QByteArray("msx_RDR07") << 0x15;
        QTest::newRow("too short") << QByteArray("MS") << 0x15;
        QTest::newRow("MSX not first") << QByteArray("XMSX") << 0x15;
    }
    void modeFromFirmware()
    {
        QFETCH(QByteArray, firmware);
        QFETCH(int, mode);
        QCOMPARE(int(msx::mode_for_firmware(firmware.constData())), mode);
    }

    void sectorLayout()
    {
        const CommandSector start = msx::start_sector(0x14);
        QCOMPARE(int(start[1]), 0x14);
        QCOMPARE(int(start[2]), 0x01);
        QVERIFY(std::all_of(start.bytes.begin() + 3, start.bytes.begin() + 510, [](uint8_t b) { return b == 0; }));

        // Only the low 16 bits of the address and 8 bits of the value go out.
        const CommandSector w = msx::register_write(0x15, 0x12345, 0x1FF);
        QCOMPARE(int(w[1]), 0x15);
        QCOMPARE(int(w[2]), 0x03);
        QCOMPARE(int(w[4]), 0x45);
        QCOMPARE(int(w[5]), 0x23);
        QCOMPARE(int(w[12]), 0xFF);
        for (int i : {3, 6, 7, 8, 9, 10, 11, 13})
            QCOMPARE(int(w[i]), 0);
    }

    void bankSteps_data()
    {
        QTest::addColumn<int>("mapper");
        QTest::addColumn<uint32_t>("offset");
        QTest::addColumn<QStringList>("writes");
        QTest::addColumn<uint32_t>("window");

        // R-Type: bit 4 set masks the bank with 0x17.
        QTest::newRow("r-type bank 15") << 9 << 15 * 0x4000u << QStringList{"7000<-15"} << 0x8000u;
        QTest::newRow("r-type bank 24") << 9 << 24 * 0x4000u << QStringList{"7000<-16"} << 0x8000u;
        QTest::newRow("konami4 reads behind the fixed page") << 3 << 0x4000u << QStringList{"6000<-2", "8000<-3"} << 0x6000u;
    }
    void bankSteps()
    {
        QFETCH(int, mapper);
        QFETCH(uint32_t, offset);
        QFETCH(QStringList, writes);
        QFETCH(uint32_t, window);
        const BlockRead step = msx::bank_read(mapper, offset, msx::kBankSize, 0x15);
        QCOMPARE(::writes(step.before), writes);
        for (const CommandSector &s : step.before)
            QCOMPARE(int(s[1]), 0x15);
        QCOMPARE(step.windowOffset, window);
        QCOMPARE(step.length, msx::kBankSize);
        QVERIFY(step.after.empty());
    }

    void mapperValues()
    {
        for (int v : {0, 1, 17, 128})
            QVERIFY(msx::is_mapper(v));
        for (int v : {-1, 18, 127, 129})
            QVERIFY(!msx::is_mapper(v));
    }

    void blankPageCrc()
    {
        const std::vector<uint8_t> blank = page(0xFF);
        QCOMPARE(crc32_buffer(blank.data(), blank.size()), msx::kBlankPageCrc);
    }

    // Which pages are read, in which order, and what they identify.
    void fingerprint_data()
    {
        QTest::addColumn<QString>("at4000");
        QTest::addColumn<QString>("at8000");
        QTest::addColumn<QString>("at6000");
        QTest::addColumn<QList<uint32_t>>("reads");
        QTest::addColumn<QString>("title");

        const QList<uint32_t> first{0x4000};
        const QList<uint32_t> two{0x4000, 0x8000};
        const QList<uint32_t> three{0x4000, 0x8000, 0x6000};
        QTest::newRow("lower page known") << "rtype" << "baseball" << "eagle" << first << "R-Type";
        QTest::newRow("lower page unknown: no fallback") << "other" << "baseball" << "eagle" << first << "";
        QTest::newRow("upper page known") << "blank" << "baseball" << "eagle" << two << "Baseball";
        QTest::newRow("upper page unknown") << "blank" << "other" << "eagle" << two << "";
        QTest::newRow("eagle fighter") << "blank" << "blank" << "eagle" << three << "Eagle Fighter";
        QTest::newRow("all blank") << "blank" << "blank" << "blank" << three << "";
        QTest::newRow("0x6000 key is not looked up") << "blank" << "blank" << "baseball" << three << "";
    }
    void fingerprint()
    {
        QFETCH(QString, at4000);
        QFETCH(QString, at8000);
        QFETCH(QString, at6000);
        QFETCH(QList<uint32_t>, reads);
        QFETCH(QString, title);

        const std::map<QString, std::vector<uint8_t>> pages{
            {"blank", page(0xFF)},
            {"other", page(0x00)},
            {"rtype", pageWithCrc(0xB2FC5B5B)},
            {"baseball", pageWithCrc(0x4BC1360A)},
            {"eagle", pageWithCrc(msx::kEagleFighterCrc)},
        };
        const std::map<uint32_t, QString> slot{{0x4000, at4000}, {0x8000, at8000}, {0x6000, at6000}};
        QList<uint32_t> seen;
        const msx::PageReader read = [&](uint32_t address, uint8_t *dst, uint32_t len) {
            seen << address;
            const std::vector<uint8_t> &p = pages.at(slot.at(address));
            std::copy(p.begin(), p.begin() + len, dst);
            return true;
        };
        const msx::TitleRecord *hit = msx::fingerprint(read, msx::kTitleTable, msx::kTitleTableSize);
        QCOMPARE(seen, reads);
        QCOMPARE(hit ? QString::fromUtf16(hit->title) : QString(), title);
    }

    void failedPageReadIdentifiesNothing()
    {
        int calls = 0;
        const msx::PageReader read = [&](uint32_t, uint8_t *dst, uint32_t len) {
            std::fill(dst, dst + len, 0xFF);
            return ++calls < 2;
        };
        QVERIFY(!msx::fingerprint(read, msx::kTitleTable, msx::kTitleTableSize));
        QCOMPARE(calls, 2);
    }

    void lookupFirstRowWins()
    {
        const msx::TitleRecord table[] = {
            {16384, 0x1111, u"A", u"", u"", 0},
            {32768, 0x2222, u"B", u"", u"", 0},
            {65536, 0x2222, u"C", u"", u"", 5},
            {0, 0x3333, u"Sizeless", u"", u"", 0},
            {16384, 0x3333, u"Later", u"", u"", 0},
        };
        QCOMPARE(QString::fromUtf16(msx::find_title(table, 5, 0x2222)->title), QStringLiteral("B"));
        QVERIFY(!msx::find_title(table, 5, 0x4444));
        QVERIFY(!msx::find_title(table, 0, 0x1111));

        // A first hit without a size identifies nothing, even with a later row.
        const std::vector<uint8_t> keyed = pageWithCrc(0x3333);
        const msx::PageReader read = [&](uint32_t, uint8_t *dst, uint32_t len) {
            std::copy(keyed.begin(), keyed.begin() + len, dst);
            return true;
        };
        QVERIFY(!msx::fingerprint(read, table, 5));
    }

    void tableRows()
    {
        // The rows named by our requirements lead; then only 8 KiB images.
        QVERIFY(msx::kTitleTableSize > 3);
        const msx::TitleRecord &rtype = msx::kTitleTable[0];
        QCOMPARE(rtype.key, 0xB2FC5B5Bu);
        QCOMPARE(rtype.size, 393216u);
        QCOMPARE(rtype.mapper, 9);
        const msx::TitleRecord &blaim = msx::kTitleTable[1];
        QCOMPARE(QString::fromUtf16(blaim.company), QStringLiteral("dB-soft"));
        QCOMPARE(blaim.mapper, 14);
        QCOMPARE(msx::kTitleTable[2].key, 0x4BC1360Au);
        for (size_t i = 3; i < msx::kTitleTableSize; ++i) {
            QCOMPARE(msx::kTitleTable[i].size, msx::kPageSize);
            QCOMPARE(msx::kTitleTable[i].mapper, 0);
            QVERIFY(msx::kTitleTable[i].key != msx::kBlankPageCrc);
        }
    }

    // The simulated mappers decode their registers as the boards do.
    void cartridgeRegisters_data()
    {
        QTest::addColumn<int>("mapper");
        QTest::addColumn<uint32_t>("address");
        QTest::addColumn<int>("value");
        QTest::addColumn<QList<int>>("banks");   // 8 KiB bank seen at 0x4000, 0x6000, 0x8000, 0xA000

        QTest::newRow("scc 0x9000") << 2 << 0x9000u << 9 << QList<int>{0, 1, 9, 3};
        QTest::newRow("scc ignores 0x6000") << 2 << 0x6000u << 9 << QList<int>{0, 1, 2, 3};
        QTest::newRow("konami4 0x4000 fixed") << 3 << 0x4000u << 9 << QList<int>{0, 1, 2, 3};
        QTest::newRow("konami4 0xA000") << 3 << 0xA000u << 9 << QList<int>{0, 1, 2, 9};
        QTest::newRow("r-type") << 9 << 0x7000u << 2 << QList<int>{0x2E, 0x2F, 4, 5};
        QTest::newRow("cross blaim latch 3") << 14 << 0x4045u << 3 << QList<int>{0, 1, 6, 7};
    }
    void cartridgeRegisters()
    {
        QFETCH(int, mapper);
        QFETCH(uint32_t, address);
        QFETCH(int, value);
        QFETCH(QList<int>, banks);
        sim::MsxCartridge cart(numberedRom(48 * msx::kPageSize), mapper);
        if (value >= 0)
            cart.write(uint16_t(address), uint8_t(value));
        QList<int> seen;
        for (uint16_t a : {0x4000, 0x6000, 0x8000, 0xA000})
            seen << cart.peek(a);
        QCOMPARE(seen, banks);
        QCOMPARE(int(cart.peek(0x0000)), mapper == 14 && value == 3 ? 6 : 0xFF);
    }

    void cartridgeAnswersOnlyRegisterWrites()
    {
        sim::MsxCartridge cart(numberedRom(16 * msx::kPageSize), 5);
        cart.command(msx::register_write(0x14, 0x6000, 2).data());
        QCOMPARE(int(cart.peek(0x4000)), 4);
        cart.command(msx::register_write(0, 0x6000, 3).data());   // no MSX target
        QCOMPARE(int(cart.peek(0x4000)), 4);
        cart.command(msx::start_sector(0x15).data());
        QCOMPARE(int(cart.peek(0x4000)), 4);
        cart.start(sim::bus_msx);
        QCOMPARE(int(cart.peek(0x4000)), 0);
        uint8_t beyond[4];
        cart.read(0xFFFE, beyond, 4);   // past the 64 KiB slot
        QCOMPARE(QByteArray(reinterpret_cast<char *>(beyond), 4), QByteArray(4, char(0xFF)));
    }
};

QTEST_GUILESS_MAIN(TestMsxProtocol)
#include "test_msx_protocol.moc"
