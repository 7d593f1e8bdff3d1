#include "device/checksum.h"
#include "simulator/msx_cartridge.h"
#include "workers/msx/msx_protocol.h"

#include <QtTest>
#include <map>
#include <vector>

namespace {

std::vector<uint8_t> page(uint8_t fill, uint32_t crc = 0)
{
    std::vector<uint8_t> p(msx::kPageSize, fill);
    if (crc)
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

    // Which pages are read, in which order, and what they identify.
    void fingerprint_data()
    {
        QTest::addColumn<QStringList>("slot");   // pages at 0x4000, 0x8000, 0x6000
        QTest::addColumn<QList<uint32_t>>("reads");
        QTest::addColumn<QString>("title");

        const QList<uint32_t> first{0x4000};
        const QList<uint32_t> two{0x4000, 0x8000};
        const QList<uint32_t> all{0x4000, 0x8000, 0x6000};
        QTest::newRow("lower page known") << QStringList{"lower", "upper", "eagle"} << first << "Lower";
        QTest::newRow("lower page unknown: no fallback") << QStringList{"other", "upper", "eagle"} << first << "";
        QTest::newRow("upper page, first row wins") << QStringList{"blank", "upper", "eagle"} << two << "Upper";
        QTest::newRow("first hit has no size") << QStringList{"sizeless", "upper", "eagle"} << first << "";
        QTest::newRow("eagle fighter") << QStringList{"blank", "blank", "eagle"} << all << "Eagle Fighter";
        QTest::newRow("0x6000 key is not looked up") << QStringList{"blank", "blank", "lower"} << all << "";
        QTest::newRow("failed read") << QStringList{"blank", "fail", "eagle"} << two << "";
    }
    void fingerprint()
    {
        QFETCH(QStringList, slot);
        QFETCH(QList<uint32_t>, reads);
        QFETCH(QString, title);

        const msx::TitleRecord table[] = {
            {16384, 0x1111, u"Lower", u"", u"", 0},
            {32768, 0x2222, u"Upper", u"", u"", 0},
            {65536, 0x2222, u"Second", u"", u"", 5},
            {0, 0x3333, u"Sizeless", u"", u"", 0},
            {16384, 0x3333, u"Later", u"", u"", 0},
        };
        const std::map<QString, std::vector<uint8_t>> pages{
            {"blank", page(0xFF)}, {"other", page(0x00)}, {"fail", {}}, {"lower", page(0x5A, 0x1111)},
            {"upper", page(0x5A, 0x2222)}, {"sizeless", page(0x5A, 0x3333)},
            {"eagle", page(0x5A, msx::kEagleFighterCrc)},
        };
        const std::map<uint32_t, QString> at{{0x4000, slot[0]}, {0x8000, slot[1]}, {0x6000, slot[2]}};
        QList<uint32_t> seen;
        const msx::PageReader read = [&](uint32_t address, uint8_t *dst, uint32_t len) {
            seen << address;
            const std::vector<uint8_t> &p = pages.at(at.at(address));
            std::copy(p.begin(), p.begin() + std::min<size_t>(len, p.size()), dst);
            return p.size() == len;
        };
        const msx::TitleRecord *hit = msx::fingerprint(read, table, 5);
        QCOMPARE(seen, reads);
        QCOMPARE(hit ? QString::fromUtf16(hit->title) : QString(), title);
    }

    // The simulated mappers decode their registers as the boards do.
    void cartridgeRegisters_data()
    {
        QTest::addColumn<int>("mapper");
        QTest::addColumn<uint32_t>("address");
        QTest::addColumn<int>("value");
        QTest::addColumn<QList<int>>("banks");   // 8 KiB bank seen at 0x0000, 0x4000, 0x6000, 0x8000, 0xA000

        QTest::newRow("scc 0x9000") << 2 << 0x9000u << 9 << QList<int>{0xFF, 0, 1, 9, 3};
        QTest::newRow("scc ignores 0x6000") << 2 << 0x6000u << 9 << QList<int>{0xFF, 0, 1, 2, 3};
        QTest::newRow("konami4 0x4000 fixed") << 3 << 0x4000u << 9 << QList<int>{0xFF, 0, 1, 2, 3};
        QTest::newRow("r-type") << 9 << 0x7000u << 2 << QList<int>{0xFF, 0x2E, 0x2F, 4, 5};
        QTest::newRow("cross blaim latch 3") << 14 << 0x4045u << 3 << QList<int>{6, 0, 1, 6, 7};
    }
    void cartridgeRegisters()
    {
        QFETCH(int, mapper);
        QFETCH(uint32_t, address);
        QFETCH(int, value);
        QFETCH(QList<int>, banks);
        sim::MsxCartridge cart(numberedRom(48 * msx::kPageSize), mapper);
        cart.write(uint16_t(address), uint8_t(value));
        QList<int> seen;
        for (uint16_t a : {0x0000, 0x4000, 0x6000, 0x8000, 0xA000})
            seen << cart.peek(a);
        QCOMPARE(seen, banks);
    }

    // Register writes count only with an MSX target; a start resets the banks.
    void cartridgeAnswersOnlyRegisterWrites()
    {
        sim::MsxCartridge cart(numberedRom(16 * msx::kPageSize), 5);
        cart.command(msx::register_write(0x14, 0x6000, 2).data());
        QCOMPARE(int(cart.peek(0x4000)), 4);
        cart.command(msx::register_write(0, 0x6000, 3).data());
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
