#include "simulator/sms_cartridge.h"
#include "workers/sms/sms_protocol.h"

#include <QtTest>
#include <vector>

namespace {

// Every 1 KiB starts with the number of its 16 KiB bank.
std::vector<uint8_t> numberedRom(uint32_t banks)
{
    std::vector<uint8_t> rom(size_t(banks) * sms::kBankSize, 0x33);
    for (size_t at = 0; at < rom.size(); at += 1024)
        rom[at] = uint8_t(at / sms::kBankSize);
    return rom;
}

} // namespace

class TestSmsProtocol : public QObject {
    Q_OBJECT
private slots:
    // The identity text as the link holds it: zero-filled past its end. The
    // version is read from byte 12 and never past the 16 identity bytes.
    void gate_data()
    {
        QTest::addColumn<QByteArray>("firmware");
        QTest::addColumn<bool>("board");
        QTest::addColumn<int>("version");
        QTest::newRow("reference") << QByteArray("QXB_RDR07_FW310") << true << 310;
        QTest::newRow("older") << QByteArray("QXB_RDR07_FW309") << true << 309;
        QTest::newRow("digits end early") << QByteArray("QXB_RDR07_FW31b") << true << 31;
        QTest::newRow("digits past the identity") << QByteArray("QXB_RDR07_FW3109999999999999") << true << 3109;
        QTest::newRow("no version") << QByteArray("QXB_RDR07_FW") << true << 0;
        QTest::newRow("other board") << QByteArray("QXB_RDR08_FW310") << false << 310;
        QTest::newRow("short text") << QByteArray("QXB_RDR07") << false << 0;
    }
    void gate()
    {
        QFETCH(QByteArray, firmware);
        QFETCH(bool, board);
        QFETCH(int, version);
        char identity[256] = {};
        std::copy(firmware.begin(), firmware.end(), identity);
        QCOMPARE(sms::board_supported(identity), board);
        QCOMPARE(sms::firmware_version(identity), version);
    }

    // The simulated Sega mapper as the boards decode it.
    void cartridgeMapper_data()
    {
        QTest::addColumn<uint32_t>("reg");
        QTest::addColumn<int>("value");
        QTest::addColumn<QList<int>>("banks");   // bank seen at 0x0000, 0x0400, 0x4000, 0x8000
        QTest::newRow("slot 0 keeps its first 1 KiB") << 0xFFFDu << 5 << QList<int>{0, 5, 1, 2};
        QTest::newRow("banks wrap at the ROM size") << 0xFFFFu << 28 << QList<int>{0, 0, 1, 1};
    }
    void cartridgeMapper()
    {
        QFETCH(uint32_t, reg);
        QFETCH(int, value);
        QFETCH(QList<int>, banks);
        sim::SmsCartridge cart(numberedRom(27));
        cart.command(sms::register_write(reg, uint32_t(value)).data());
        QList<int> seen;
        for (uint32_t a : {0x0000u, 0x0400u, 0x4000u, 0x8000u})
            seen << cart.peek(a);
        QCOMPARE(seen, banks);
    }
};

QTEST_GUILESS_MAIN(TestSmsProtocol)
#include "test_sms_protocol.moc"
