#include "device/checksum.h"

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
        QTest::newRow("check string") << QByteArray("123456789") << 0xCBF43926u;
        QTest::newRow("blank 8 KiB page") << QByteArray(8192, char(0xFF)) << 0xB4293435u;
    }
    void crc32Known()
    {
        QFETCH(QByteArray, data);
        QTEST(crc32_buffer(data.constData(), size_t(data.size())), "crc");
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
};

QTEST_GUILESS_MAIN(TestChecksum)
#include "test_checksum.moc"
