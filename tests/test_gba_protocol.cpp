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

    void logo()
    {
        std::vector<uint8_t> h(0xC0, 0);
        std::copy(gba::kLogo, gba::kLogo + gba::kLogoSize, h.begin() + gba::kLogoOffset);
        QCOMPARE(int(h[0x04]) << 8 | h[0x9F], 0x2407);
        QVERIFY(gba::logo_matches(h.data()));
        h[0x9F] ^= 1;   // the last byte counts too
        QVERIFY(!gba::logo_matches(h.data()));
    }

    void lookup_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QVector<int>>("rows");
        QTest::newRow("two rows") << "AAAP" << QVector<int>{0, 2};
        QTest::newRow("second serial") << "BQJP" << QVector<int>{1};
        QTest::newRow("no match") << "ZZZZ" << QVector<int>{};
        // Shorter codes would match across many serials.
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
        };
        QVector<int> found;
        for (size_t i : gba::find_rows(rows, 3, code))
            found << int(i);
        QTEST(found, "rows");
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
        QTest::newRow("eeprom 4k") << "gba_eeprom_4k" << 3 << 512 << 512 << "Bytes";
        QTest::newRow("eeprom 64k") << "gba_eeprom_64k" << 3 << 8192 << 8 << "Kbytes";
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
