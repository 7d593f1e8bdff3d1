#include "workers/gba/gba_protocol.h"
#include "workers/gba/gba_table.h"

#include <QtTest>
#include <vector>

class TestGbaProtocol : public QObject {
    Q_OBJECT
private slots:
    void gameCode_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QString>("code");
        QTest::newRow("four letters") << QByteArray("BQJP") << "BQJP";
        QTest::newRow("cut at zero") << QByteArray("AB\0D", 4) << "AB";
        QTest::newRow("latin-1") << QByteArray("\xFF\xFF\xFF\xFF") << QString(4, QChar(0xFF));
    }
    void gameCode()
    {
        QFETCH(QByteArray, field);
        std::vector<uint8_t> h(0xC0, 0);
        std::copy(field.begin(), field.end(), h.begin() + gba::kGameCodeOffset);
        h[gba::kGameCodeOffset + 4] = 'Z';   // the maker code after it is not part of it
        QTEST(gba::game_code(h.data()), "code");
    }

    // The code must equal a serial's game-code field; text elsewhere in the
    // serial list never matches.
    void lookup_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QVector<int>>("rows");
        QTest::newRow("two rows") << "AAAP" << QVector<int>{0, 2};
        QTest::newRow("second serial") << "BQJP" << QVector<int>{1};
        QTest::newRow("after a one-letter field") << "AGRJ" << QVector<int>{3};
        QTest::newRow("before an underscore") << "FDKP" << QVector<int>{3};
        QTest::newRow("after a second prefix") << "BE8E" << QVector<int>{3};
        QTest::newRow("no match") << "ZZZZ" << QVector<int>{};
        QTest::newRow("platform and dash") << "AGB-" << QVector<int>{};
        QTest::newRow("inside a catalogue number") << "CAT-" << QVector<int>{};
        QTest::newRow("number of a serial without code") << "-006" << QVector<int>{};
        QTest::newRow("empty code") << "" << QVector<int>{};
        QTest::newRow("three characters") << "AGB" << QVector<int>{};
    }
    void lookup()
    {
        QFETCH(QString, code);
        static const gba::TitleRow rows[] = {
            {u"First (Euro)", u"2001", u"Alpha", u"AGB-AAAP-EUR", u"4194304", u"gba_sram"},
            {u"Pack (Euro, USA)", u"200?", u"Beta", u"AGB-BQJE-USA, AGB-BQJP", u"16777216", u""},
            {u"First (USA)", u"2002", u"Alpha", u"AGB-AAAE-USA, AGB-AAAP-UKV (CAT-1)", u"8388608", u""},
            {u"Odd serials", u"2003", u"Gamma", u"AGB-P-AGRJ (RK238-J1), AGB-FDKP_EUR, DIS-AGB-BE8E-USA, AGS-006",
             u"4194304", u""},
        };
        QVector<int> found;
        for (size_t i : gba::find_rows(rows, 4, code))
            found << int(i);
        QTEST(found, "rows");
    }

    // The bus past the end repeats each halfword's own address.
    void openBus_data()
    {
        QTest::addColumn<uint32_t>("offset");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("floats");
        QTest::newRow("past 8 MiB") << 0x800000u << QByteArray("\x00\x00\x01\x00\x02\x00", 6) << true;
        QTest::newRow("odd start") << 0x800001u << QByteArray("\x00\x01\x00\x02", 4) << true;
        QTest::newRow("low 16 bits only") << 0x1FFFFFCu << QByteArray("\xFE\xFF\xFF\xFF", 4) << true;
        QTest::newRow("real data") << 0x800000u << QByteArray("\x00\x00\x01\x01", 4) << false;
        QTest::newRow("erased flash") << 0x800000u << QByteArray("\xFF\xFF", 2) << false;
    }
    void openBus()
    {
        QFETCH(uint32_t, offset);
        QFETCH(QByteArray, bytes);
        QTEST(gba::is_open_bus(reinterpret_cast<const uint8_t *>(bytes.constData()), uint32_t(bytes.size()), offset),
              "floats");
    }

    // The first tag contained in the column wins, so longer tags come first.
    void saveTypes_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("shown");
        QTest::addColumn<QString>("unit");
        QTest::newRow("sram") << "gba_sram" << 1 << 32768 << 32 << "Kbytes";
        QTest::newRow("eeprom") << "gba_eeprom" << 3 << 512 << 512 << "Bytes";
        QTest::newRow("flash 1m rtc") << "gba_flash_1m_rtc" << 2 << 131072 << 128 << "Kbytes";
        QTest::newRow("flash rtc") << "gba_flash_rtc" << 2 << 65536 << 64 << "Kbytes";
        QTest::newRow("empty") << "" << 0 << 0 << 0 << "Bytes";
    }
    void saveTypes()
    {
        QFETCH(QString, tag);
        const gba::SaveType s = gba::save_type_for(tag);
        QTEST(s.ramType, "type");
        QTEST(s.ramSize, "size");
        QTEST(s.shown, "shown");
        QTEST(QString::fromLatin1(s.unit), "unit");
    }

    void romSizeText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("size");
        QTest::newRow("plain") << "16777216" << 16777216;
        QTest::newRow("trailing text") << "4194304 bytes" << 4194304;
        QTest::newRow("no digits") << "unknown" << 0;
        QTest::newRow("saturates") << "99999999999999999999" << 2147483647;
    }
    void romSizeText()
    {
        QFETCH(QString, text);
        QTEST(gba::parse_rom_size(text), "size");
    }

    // Every generated row carries what the Info worker reads from it.
    void builtInTableShape()
    {
        QVERIFY(gba::kTitleTableSize > 2000);
        for (size_t i = 0; i < gba::kTitleTableSize; ++i) {
            const gba::TitleRow &r = gba::kTitleTable[i];
            const QString year = gba::text(r.year);
            const int size = gba::parse_rom_size(gba::text(r.romSize));
            QVERIFY2(year.contains(QRegularExpression("^[0-9?]{4}$")) && size > 0 &&
                         (size & (size - 1)) == 0 && !gba::text(r.serials).isEmpty(),
                     qPrintable(gba::text(r.title)));
        }
    }
};

QTEST_GUILESS_MAIN(TestGbaProtocol)
#include "test_gba_protocol.moc"
