#include "workers/gbc/gbc_protocol.h"

#include <QtTest>
#include <vector>

namespace {

// "addr<-value" for each register write of a list of sectors.
QStringList writes(const std::vector<CommandSector> &sectors)
{
    QStringList out;
    for (const CommandSector &s : sectors)
        out << (s[1] != gbc::kTarget || s[2] != gbc::kOpRegisterWrite ? QStringLiteral("not a register write") :
                QStringLiteral("%1<-%2").arg(s[3] | s[4] << 8, 4, 16, QLatin1Char('0')).arg(s[5], 0, 16));
    return out;
}

} // namespace

class TestGbcProtocol : public QObject {
    Q_OBJECT
private slots:
    void typeCodes_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("mbc");
        const QVector<QVector<int>> byMbc{{0x00, 0x09}, {0x01, 0x0C, 0xFF}, {0x05, 0x06},
                                          {0x0D, 0x13, 0xFE}, {0x04, 0x19, 0xFD}};
        for (int m = 0; m < byMbc.size(); ++m)
            for (int c : byMbc[m])
                QTest::addRow("0x%02X", c) << c << m;
    }
    void typeCodes()
    {
        QFETCH(int, code);
        QTEST(gbc::mbc_for_type_code(uint8_t(code)), "mbc");
    }

    // One header byte each for the ROM and the RAM size.
    void sizeCodes_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("rom");
        QTest::addColumn<int>("ram");
        QTest::addColumn<int>("shown");
        QTest::addColumn<QString>("unit");
        QTest::newRow("4, more RAM than 5") << 4 << 524288 << 131072 << 128 << " KBytes";
        QTest::newRow("5") << 5 << 1048576 << 65536 << 64 << " KBytes";
        QTest::newRow("7, RAM in bytes") << 7 << 4194304 << 512 << 512 << " Bytes";
        QTest::newRow("8") << 8 << 8388608 << 1048576 << 1024 << " KBytes";
        QTest::newRow("9, ROM falls back") << 9 << 32768 << 2097152 << 2048 << " KBytes";
        QTest::newRow("0x52") << 0x52 << 2097152 << 0 << 0 << " Bytes";
        QTest::newRow("0x55") << 0x55 << 32768 << 0 << 0 << " Bytes";
    }
    void sizeCodes()
    {
        QFETCH(int, code);
        QTEST(gbc::rom_size_for_code(uint8_t(code)), "rom");
        const gbc::RamSize r = gbc::ram_size_for_code(uint8_t(code));
        QTEST(r.bytes, "ram");
        QTEST(r.shown, "shown");
        QTEST(QString::fromLatin1(r.unit), "unit");
    }

    void titles_data()
    {
        QTest::addColumn<QByteArray>("field");   // the 16 header bytes
        QTest::addColumn<QString>("title");
        QTest::newRow("all sixteen bytes") << QByteArray("ABCDEFGHIJKLMNOP") << "ABCDEFGHIJKLMNOP";
        QTest::newRow("empty") << QByteArray(16, '\0') << "";
        QTest::newRow("cut at first zero") << QByteArray("POKEMON\0RED\0\0\0\0\0", 16) << "POKEMON";
        // A colour cartridge's flag byte is not UTF-8 and shows as U+FFFD.
        QTest::newRow("colour flag byte")
            << QByteArray("ZELDA DXAZ7E\xC0\0\0\0", 16) << QString::fromUtf8("ZELDA DXAZ7E\xEF\xBF\xBD");
    }
    void titles()
    {
        QFETCH(QByteArray, field);
        std::vector<uint8_t> h(0x150, 0);
        std::copy(field.begin(), field.end(), h.begin() + gbc::kTitleOffset);
        h[gbc::kTitleOffset + 16] = 'X';   // the byte after the field is never part of it
        QTEST(gbc::title(h.data()), "title");
    }

    void bankReads_data()
    {
        QTest::addColumn<int>("mbc");
        QTest::addColumn<int>("bank");
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<int>("window");
        QTest::addColumn<QStringList>("after");
        const QStringList none;
        // Each controller's banks are read back whole by the workers' round trips;
        // here the cases no round trip reaches.
        QTest::newRow("plain repeats every 64 KB") << 0 << 5 << none << 0x4000 << none;
        QTest::newRow("MBC1 bank 0x60 through mode 1") << 1 << 0x60 << QStringList{"6000<-1", "4000<-3"} << 0
                                                       << QStringList{"6000<-0"};
        QTest::newRow("unknown type reads as MBC5") << 9 << 0x100 << QStringList{"3000<-1", "2000<-0"} << 0x4000 << none;
    }
    void bankReads()
    {
        QFETCH(int, mbc);
        QFETCH(int, bank);
        const BlockRead step = gbc::bank_read(mbc, uint32_t(bank) * 0x4000);
        QTEST(writes(step.before), "before");
        QTEST(int(step.windowOffset), "window");
        QCOMPARE(int(step.length), 0x4000);
        QTEST(writes(step.after), "after");
    }

};

QTEST_GUILESS_MAIN(TestGbcProtocol)
#include "test_gbc_protocol.moc"
