#include "device/checksum.h"
#include "simulator/cartridge.h"
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

    // Stores to bank registers, as "address*count", give the mapper only
    // when one board explains them clearly.
    void guessMapper_data()
    {
        QTest::addColumn<QStringList>("stores");
        QTest::addColumn<int>("mapper");
        QTest::newRow("konami4") << QStringList{"6000*2", "8000*2", "a000*2"} << 3;
        QTest::newRow("konami5 with SCC") << QStringList{"5000", "7000*3", "9000", "b000"} << 2;
        QTest::newRow("ascii8") << QStringList{"6000*3", "6800", "7000*3", "7800"} << 4;
        QTest::newRow("ascii16 ties ascii8") << QStringList{"6000*2", "7000"} << 5;
        QTest::newRow("cross blaim") << QStringList{"4045"} << 14;
        QTest::newRow("korean 126-in-1") << QStringList{"4000", "4001"} << 17;
        QTest::newRow("page 2 only: ascii16, konami5 or r-type") << QStringList{"7000*3"} << -1;
        QTest::newRow("konami and konami5 mixed") << QStringList{"5000*2", "9000*2", "8000*2", "a000*2"} << -1;
        QTest::newRow("one stray store against many") << QStringList{"6000*4", "8000*4", "a000*4", "6800"} << 3;
        QTest::newRow("no register") << QStringList{"c000*5"} << -1;
    }
    void guessMapper()
    {
        QFETCH(QStringList, stores);
        std::vector<uint8_t> code{0x00, 0x32};   // a lone opcode byte is no store
        int count = 0;
        for (const QString &s : stores) {
            const QStringList parts = s.split('*');
            const int address = parts[0].toInt(nullptr, 16);
            const int n = parts.size() > 1 ? parts[1].toInt() : 1;
            for (int i = 0; i < n; ++i)
                code.insert(code.end(), {0x3E, 0x01, 0x32, uint8_t(address), uint8_t(address >> 8)});
            count += address == 0xC000 ? 0 : n;
        }
        const msx::MapperGuess g = msx::guess_mapper(code.data(), code.size());
        QTEST(g.mapper, "mapper");
        QCOMPARE(g.stores, count);
    }
};

QTEST_GUILESS_MAIN(TestMsxProtocol)
#include "test_msx_protocol.moc"
