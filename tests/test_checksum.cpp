#include "device/checksum.h"
#include "simulator/cartridge.h"

#include <QtTest>
#include <random>
#include <vector>

class TestChecksum : public QObject {
    Q_OBJECT
private slots:
    void crc32Known_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<quint32>("crc");
        QTest::newRow("empty") << QByteArray() << 0u;
        QTest::newRow("abc") << QByteArray("abc") << 0x352441C2u;
        QTest::newRow("check string") << QByteArray("123456789") << 0xCBF43926u;
        QTest::newRow("blank 8 KiB page") << QByteArray(8192, char(0xFF)) << 0xB4293435u;
    }
    void crc32Known()
    {
        QFETCH(QByteArray, data);
        QFETCH(quint32, crc);
        QCOMPARE(crc32_buffer(data.constData(), size_t(data.size())), crc);
    }

    // The sliced inner loop must agree with a plain bytewise CRC for every
    // length and alignment around its 8-byte steps.
    void crc32MatchesBytewise()
    {
        std::mt19937 rng(7);
        std::vector<unsigned char> data(64);
        for (auto &b : data)
            b = static_cast<unsigned char>(rng());
        for (size_t start = 0; start < 8; ++start)
            for (size_t len = 0; len + start <= data.size(); ++len) {
                uint32_t c = 0xFFFFFFFFu;
                for (size_t i = start; i < start + len; ++i) {
                    c ^= data[i];
                    for (int k = 0; k < 8; ++k)
                        c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
                }
                const uint32_t expected = len ? ~c : 0;
                QCOMPARE(crc32_buffer(data.data() + start, len), expected);
            }
    }

    void crc16Xmodem_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("crc");
        QTest::newRow("check string") << QByteArray("123456789") << 0x31C3;
        QTest::newRow("marker") << QByteArray(1, char(0x5A)) << 0xFBBF;
    }
    void crc16Xmodem()
    {
        QFETCH(QByteArray, data);
        QFETCH(int, crc);
        QCOMPARE(int(crc16_xmodem(data.constData(), size_t(data.size()))), crc);
    }

    void forcedCrcHitsTarget_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("pos");
        QTest::addColumn<quint32>("target");
        QTest::newRow("page key at start") << 8192 << 0 << 0xAC8C113Eu;
        QTest::newRow("last four bytes") << 8192 << 8188 << 0x00000000u;
        QTest::newRow("small") << 4 << 0 << 0xFFFFFFFFu;
    }
    void forcedCrcHitsTarget()
    {
        QFETCH(int, size);
        QFETCH(int, pos);
        QFETCH(quint32, target);
        std::vector<uint8_t> data(static_cast<size_t>(size));
        std::mt19937 rng(uint32_t(size + pos));
        for (auto &b : data)
            b = static_cast<uint8_t>(rng());
        const std::vector<uint8_t> before = data;
        sim::force_crc32(data.data(), data.size(), size_t(pos), target);
        QCOMPARE(crc32_update(0, data.data(), data.size()), target);
        for (size_t i = 0; i < data.size(); ++i)
            if (i < size_t(pos) || i >= size_t(pos) + 4)
                QCOMPARE(data[i], before[i]);
    }
};

QTEST_GUILESS_MAIN(TestChecksum)
#include "test_checksum.moc"
