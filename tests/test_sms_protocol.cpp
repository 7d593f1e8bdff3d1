#include "workers/sms/sms_protocol.h"

#include <QtTest>
#include <algorithm>
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

    // The header is found at its three places, the product code read as BCD
    // with a fifth digit in the high nibble of +0xE.
    void header_data()
    {
        QTest::addColumn<int>("at");
        QTest::addColumn<QByteArray>("fields");   // bytes +0xA to +0xF
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("size");
        QTest::newRow("0x7FF0, four digits, 128 KiB") << 0x7FF0 << QByteArray("\x34\x12\x54\x70\x05\x4F", 6) << 7054 << 131072;
        QTest::newRow("0x3FF0, five digits, 512 KiB") << 0x3FF0 << QByteArray("\0\0\x08\x10\x43\x41", 6) << 41008 << 524288;
        QTest::newRow("0x1FF0, 8 KiB") << 0x1FF0 << QByteArray("\0\0\x01\x00\x00\x3A", 6) << 1 << 8192;
        QTest::newRow("digit not BCD, size code with no size") << 0x7FF0 << QByteArray("\0\0\x5A\x70\x00\x45", 6) << -1 << 0;
        QTest::newRow("no header") << -1 << QByteArray() << -1 << 0;
    }
    void header()
    {
        QFETCH(int, at);
        QFETCH(QByteArray, fields);
        QFETCH(int, code);
        QFETCH(int, size);
        std::vector<uint8_t> rom = numberedRom(2);
        if (at >= 0) {
            std::copy_n("TMR SEGA", 8, rom.begin() + at);
            std::copy(fields.begin(), fields.end(), rom.begin() + at + 0xA);
        }
        const sms::Header h = sms::find_header(rom.data(), rom.size());
        QCOMPARE(h.found, at >= 0);
        QCOMPARE(int(h.offset), std::max(at, 0));
        QCOMPARE(h.productCode, code);
        QCOMPARE(int(h.declaredSize), size);
        QVERIFY(!sms::find_header(rom.data(), size_t(std::max(at, 0)) + 15).found);
    }
};

QTEST_GUILESS_MAIN(TestSmsProtocol)
#include "test_sms_protocol.moc"
