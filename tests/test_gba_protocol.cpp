#include "simulator/gba_cartridge.h"
#include "workers/gba/gba_protocol.h"
#include "workers/gba/gba_table.h"

#include <QtTest>
#include <vector>

namespace {

const gba::TitleRow kRows[] = {
    {u"First (Euro)", u"2001", u"Alpha", u"AGB-AAAP-EUR", u"4194304", u"gba_sram"},
    {u"Pack (Euro, USA)", u"200?", u"Beta", u"AGB-BQJE-USA, AGB-BQJP", u"16777216", u""},
    {u"First (USA)", u"2002", u"Alpha", u"AGB-AAAE-USA, AGB-AAAP-UKV (CAT-1)", u"8388608", u"gba_flash_1m"},
    {u"Accessory (Jpn)", u"2005", u"Gamma", u"AGS-006", u"4194304", u"gba_sram"},
};
constexpr size_t kRowCount = sizeof(kRows) / sizeof(kRows[0]);

const gba::TitleRow *findTitle(const QString &title)
{
    for (size_t i = 0; i < gba::kTitleTableSize; ++i)
        if (gba::text(gba::kTitleTable[i].title) == title)
            return &gba::kTitleTable[i];
    return nullptr;
}

} // namespace

class TestGbaProtocol : public QObject {
    Q_OBJECT
private slots:
    void commandSectors()
    {
        const CommandSector sel = gba::console_selection();
        QCOMPARE(int(sel[1]), 0xF0);
        QCOMPARE(int(sel[2]), 0x03);
        const CommandSector start = gba::gba_start();
        QCOMPARE(int(start[1]), 0x03);
        QCOMPARE(int(start[2]), 0x01);
        const CommandSector a = gba::address_select(0x01FF8000);
        QCOMPARE(int(a[1]), 0x03);
        QCOMPARE(int(a[2]), 0x06);
        QCOMPARE(int(a[3]), 0x00);
        QCOMPARE(int(a[4]), 0x00);
        QCOMPARE(int(a[5]), 0x80);
        QCOMPARE(int(a[6]), 0xFF);
        QCOMPARE(int(a[7]), 0x01);
        QCOMPARE(int(a[8]), 0x00);
    }

    void gameCode_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QString>("code");
        QTest::newRow("four letters") << QByteArray("BQJP") << "BQJP";
        QTest::newRow("cut at zero") << QByteArray("AB\0D", 4) << "AB";
        QTest::newRow("empty") << QByteArray(4, '\0') << "";
        QTest::newRow("latin-1") << QByteArray("\xFF\xFF\xFF\xFF") << QString(4, QChar(0xFF));
    }
    void gameCode()
    {
        QFETCH(QByteArray, field);
        QFETCH(QString, code);
        std::vector<uint8_t> h(0xC0, 0);
        std::copy(field.begin(), field.end(), h.begin() + gba::kGameCodeOffset);
        h[gba::kGameCodeOffset + 4] = 'Z';   // the maker code after it is not part of it
        QCOMPARE(gba::game_code(h.data()), code);
    }

    void logo()
    {
        std::vector<uint8_t> h(0xC0, 0);
        std::copy(gba::kLogo, gba::kLogo + gba::kLogoSize, h.begin() + gba::kLogoOffset);
        QCOMPARE(int(h[0x04]), 0x24);
        QCOMPARE(int(h[0x9F]), 0x07);
        QVERIFY(gba::logo_matches(h.data()));
        h[0x9F] ^= 1;
        QVERIFY(!gba::logo_matches(h.data()));
    }

    void lookup_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QVector<int>>("rows");
        QTest::newRow("two rows") << "AAAP" << QVector<int>{0, 2};
        QTest::newRow("second serial") << "BQJP" << QVector<int>{1};
        QTest::newRow("first serial") << "BQJE" << QVector<int>{1};
        QTest::newRow("no match") << "ZZZZ" << QVector<int>{};
        QTest::newRow("case-sensitive") << "bqjp" << QVector<int>{};
        // Short codes would match across many serials.
        QTest::newRow("empty code") << "" << QVector<int>{};
        QTest::newRow("three characters") << "AGB" << QVector<int>{};
    }
    void lookup()
    {
        QFETCH(QString, code);
        QFETCH(QVector<int>, rows);
        QVector<int> found;
        for (size_t i : gba::find_rows(kRows, kRowCount, code))
            found << int(i);
        QCOMPARE(found, rows);
    }

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
        QTest::newRow("flash 512") << "gba_flash_512" << 2 << 65536 << 64 << "Kbytes";
        QTest::newRow("flash 1m") << "gba_flash_1m" << 2 << 131072 << 128 << "Kbytes";
        QTest::newRow("flash 1m rtc") << "gba_flash_1m_rtc" << 2 << 131072 << 128 << "Kbytes";
        QTest::newRow("flash") << "gba_flash" << 2 << 65536 << 64 << "Kbytes";
        QTest::newRow("flash rtc") << "gba_flash_rtc" << 2 << 65536 << 64 << "Kbytes";
        QTest::newRow("empty") << "" << 0 << 0 << 0 << "Bytes";
        QTest::newRow("unknown tag") << "gba_boktai" << 0 << 0 << 0 << "Bytes";
        QTest::newRow("case-sensitive") << "GBA_SRAM" << 0 << 0 << 0 << "Bytes";
    }
    void saveTypes()
    {
        QFETCH(QString, tag);
        QFETCH(int, type);
        QFETCH(int, size);
        QFETCH(int, shown);
        QFETCH(QString, unit);
        const gba::SaveType s = gba::save_type_for(tag);
        QCOMPARE(s.ramType, type);
        QCOMPARE(s.ramSize, size);
        QCOMPARE(s.shown, shown);
        QCOMPARE(QString::fromLatin1(s.unit), unit);
    }

    void romSizeText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("size");
        QTest::newRow("plain") << "16777216" << 16777216;
        QTest::newRow("trailing text") << "4194304 bytes" << 4194304;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("no digits") << "unknown" << 0;
        QTest::newRow("saturates") << "99999999999999999999" << 2147483647;
    }
    void romSizeText()
    {
        QFETCH(QString, text);
        QFETCH(int, size);
        QCOMPARE(gba::parse_rom_size(text), size);
    }

    // Rows as the catalogue gives them reach the built-in table unchanged.
    void builtInTable_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("columns");
        QTest::newRow("two serials, open year")
            << "2 Game Pack!: Hot Wheels - Stunt Track Challenge + Hot Wheels - World Race (Euro, USA)"
            << QStringList{"200?", "DSI Games", "AGB-BQJE-USA, AGB-BQJP-UKV", "16777216", ""};
        QTest::newRow("eeprom 4k") << "Ace Lightning (Euro)"
            << QStringList{"2002", "BBC Worldwide", "AGB-ALXP-UKV", "4194304", "gba_eeprom_4k"};
        QTest::newRow("sram") << "bit Generations - Boundish (Jpn)"
            << QStringList{"2006", "Nintendo", "AGB-BVDJ-JPN", "4194304", "gba_sram"};
        QTest::newRow("eeprom 64k") << "Zooo (Euro)"
            << QStringList{"2005", "Ignition Entertainment", "AGB-BMZP-EUR", "8388608", "gba_eeprom_64k"};
        QTest::newRow("serial without game code") << "Play-Yan Micro (Jpn)"
            << QStringList{"2005", "Nintendo", "AGS-006", "4194304", "gba_sram"};
    }
    void builtInTable()
    {
        QFETCH(QString, title);
        QFETCH(QStringList, columns);
        const gba::TitleRow *row = findTitle(title);
        QVERIFY(row);
        QCOMPARE((QStringList{gba::text(row->year), gba::text(row->publisher), gba::text(row->serials),
                              gba::text(row->romSize), gba::text(row->saveType)}),
                 columns);
    }

    void builtInTableShape()
    {
        QVERIFY(gba::kTitleTableSize > 2000);
        for (size_t i = 0; i < gba::kTitleTableSize; ++i) {
            const gba::TitleRow &r = gba::kTitleTable[i];
            const QString year = gba::text(r.year);
            QVERIFY2(year.size() == 4, qPrintable(gba::text(r.title)));
            for (QChar c : year)
                QVERIFY2(c.isDigit() || c == QLatin1Char('?'), qPrintable(gba::text(r.title)));
            const int size = gba::parse_rom_size(gba::text(r.romSize));
            QVERIFY2(size > 0 && (size & (size - 1)) == 0, qPrintable(gba::text(r.title)));
            QVERIFY2(!gba::text(r.serials).isEmpty(), qPrintable(gba::text(r.title)));
        }
    }

    void cartridgeAddressing()
    {
        std::vector<uint8_t> rom(0x20000);
        for (size_t i = 0; i < rom.size(); ++i)
            rom[i] = uint8_t(i * 7 + (i >> 8));
        sim::GbaCartridge cart(rom);
        cart.start(sim::bus_gba);
        uint8_t b[4];
        cart.read(0, b, 2);
        QCOMPARE(int(b[0]), int(rom[0]));
        cart.command(gba::address_select(0x18000).data());
        cart.read(0x10, b, 2);
        QCOMPARE(int(b[0]), int(rom[0x18010]));
        QCOMPARE(int(b[1]), int(rom[0x18011]));
        // Past the end of the ROM the bus reads 0xFF.
        cart.read(0x7FFE, b, 4);
        QCOMPARE(int(b[1]), int(rom[0x1FFFF]));
        QCOMPARE(int(b[2]), 0xFF);
        QCOMPARE(int(b[3]), 0xFF);
        // Only the address command moves the window.
        CommandSector other = gba::address_select(0);
        other[2] = 0x0D;
        cart.command(other.data());
        cart.read(0x10, b, 1);
        QCOMPARE(int(b[0]), int(rom[0x18010]));
        cart.start(sim::bus_gba);
        cart.read(0x10, b, 1);
        QCOMPARE(int(b[0]), int(rom[0x10]));
    }
};

QTEST_GUILESS_MAIN(TestGbaProtocol)
#include "test_gba_protocol.moc"
