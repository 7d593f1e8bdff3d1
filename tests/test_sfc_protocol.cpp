#include "simulator/sfc_cartridge.h"
#include "workers/sfc/sfc_protocol.h"
#include "workers/sfc/sfc_table.h"

#include <QTextCodec>
#include <QtTest>
#include <cstring>
#include <map>
#include <vector>

using Mapping = sim::SfcCartridge::Mapping;
Q_DECLARE_METATYPE(Mapping)

namespace {

// A header page whose internal header carries the given fields.
std::vector<uint8_t> headerPage(uint8_t mode, uint8_t type, uint8_t romCode, const QByteArray &title)
{
    std::vector<uint8_t> page(sfc::kHeaderPageSize, 0);
    std::memset(page.data() + sfc::kTitleOffset, ' ', sfc::kTitleLength);
    std::memcpy(page.data() + sfc::kTitleOffset, title.constData(),
                std::min<size_t>(size_t(title.size()), sfc::kTitleLength));
    page[sfc::kMapModeOffset] = mode;
    page[sfc::kTypeOffset] = type;
    page[sfc::kRomCodeOffset] = romCode;
    return page;
}

// The bytes a sector should hold: `named` at their positions, zero elsewhere.
QByteArray sectorWith(std::map<size_t, uint8_t> named)
{
    QByteArray b(512, '\0');
    for (const auto &n : named)
        b[int(n.first)] = char(n.second);
    return b;
}

QByteArray bytesOf(const CommandSector &s)
{
    return QByteArray(reinterpret_cast<const char *>(s.data()), 512);
}

} // namespace

class TestSfcProtocol : public QObject {
    Q_OBJECT
private slots:
    void commandSectors_data()
    {
        QTest::addColumn<QByteArray>("sector");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("start") << bytesOf(sfc::start_command()) << sectorWith({{1, 0x0F}, {2, 0x01}});
        QTest::newRow("write 0x7F52 <- 1")
            << bytesOf(sfc::register_write(0x7F52, 1))
            << sectorWith({{1, 0x0F}, {2, 0x03}, {3, 0x52}, {4, 0x7F}, {7, 0x01}});
        QTest::newRow("write 0xC04804 <- 0xAB")
            << bytesOf(sfc::register_write(0xC04804, 0xAB))
            << sectorWith({{1, 0x0F}, {2, 0x03}, {3, 0x04}, {4, 0x48}, {5, 0xC0}, {7, 0xAB}});
        QTest::newRow("half of 0x7FFFFF") << bytesOf(sfc::half_select(0x7FFFFF)) << sectorWith({{1, 0x0F}, {2, 0x04}});
        QTest::newRow("half of 0x800000")
            << bytesOf(sfc::half_select(0x800000)) << sectorWith({{1, 0x0F}, {2, 0x04}, {3, 1}});
        QTest::newRow("half of 0xC00000")
            << bytesOf(sfc::half_select(0xC00000)) << sectorWith({{1, 0x0F}, {2, 0x04}, {3, 1}});
    }
    void commandSectors()
    {
        QFETCH(QByteArray, sector);
        QFETCH(QByteArray, expected);
        QCOMPARE(sector, expected);
    }

    void headerAnalysis_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("romCode");
        QTest::addColumn<QByteArray>("title");
        QTest::addColumn<int>("maker");      // byte at 0x7FDA
        QTest::addColumn<bool>("hiRom");
        QTest::addColumn<int>("megabits");
        QTest::addColumn<int>("romBytes");
        QTest::addColumn<int>("ramBytes");
        QTest::addColumn<QString>("asked");  // single-byte reads, in order

        // Single bytes served: 0xFFD8 = 3 (8 KiB), 0x7FBD = 5 (32 KiB).
        QTest::newRow("LoROM by size code") << 0x20 << 0x02 << 0x0A << QByteArray("GAME") << 0 << false << 8
                                            << 0x100000 << 8192 << "ffd8";
        QTest::newRow("0x21 type 0x02 code 0x0C") << 0x21 << 0x02 << 0x0C << QByteArray("GAME") << 0 << true << 32
                                                  << 0x400000 << 8192 << "ffd8";
        QTest::newRow("0x35 is HiROM") << 0x35 << 0x02 << 0x0D << QByteArray("GAME") << 0 << true << 64
                                       << 0x800000 << 8192 << "ffd8";
        QTest::newRow("0x35 clears odd mode") << 0x35 << 0xF5 << 0x0A << QByteArray("GAME") << 0 << true << 8
                                              << 0x100000 << 8192 << "ffd8";
        QTest::newRow("mode outside 0x20-0x3F") << 0x41 << 0xF5 << 0x09 << QByteArray("GAME") << 0 << false << 4
                                                << 0x80000 << 8192 << "ffd8";
        QTest::newRow("0x45") << 0x20 << 0x45 << 0x0C << QByteArray("GAME") << 0 << true << 48 << 0x600000 << 8192
                              << "ffd8";
        QTest::newRow("0xF3 digit 2") << 0x20 << 0xF3 << 0x0A << QByteArray("ABCDEFGHI2") << 0 << false << 12
                                      << 0x180000 << 8192 << "ffd8";
        QTest::newRow("0xF3 digit 3") << 0x20 << 0xF3 << 0x0A << QByteArray("ABCDEFGHI3") << 0 << false << 16
                                      << 0x200000 << 8192 << "ffd8";
        QTest::newRow("0xF3 low bits of byte 9") << 0x20 << 0xF3 << 0x0A << QByteArray("ABCDEFGHI\x12") << 0 << false
                                                 << 12 << 0x180000 << 8192 << "ffd8";
        QTest::newRow("0xF3 other byte 9") << 0x20 << 0xF3 << 0x0A << QByteArray("ABCDEFGHIA") << 0 << false << 0 << 0
                                           << 8192 << "ffd8";
        QTest::newRow("0xF5 with 0x3A") << 0x3A << 0xF5 << 0x0A << QByteArray("GAME") << 0 << true << 24 << 0x300000
                                        << 8192 << "ffd8";
        QTest::newRow("0xF5 odd through bit 0") << 0x21 << 0xF5 << 0x0A << QByteArray("GAME") << 0 << true << 24
                                                << 0x300000 << 8192 << "ffd8";
        QTest::newRow("0xF5 even, code 7") << 0x20 << 0xF5 << 0x07 << QByteArray("GAME") << 0 << false << 1
                                           << 0x20000 << 8192 << "ffd8";
        QTest::newRow("0xF5 even, size code") << 0x20 << 0xF5 << 0x0A << QByteArray("GAME") << 0 << false << 8
                                              << 0x100000 << 8192 << "ffd8";
        QTest::newRow("0xF9 with 0x3A") << 0x3A << 0xF9 << 0x0A << QByteArray("GAME") << 0 << true << 40 << 0x500000
                                        << 8192 << "ffd8";
        QTest::newRow("0xF9 even") << 0x20 << 0xF9 << 0x09 << QByteArray("GAME") << 0 << false << 4 << 0x80000
                                   << 8192 << "ffd8";
        QTest::newRow("code 6") << 0x20 << 0x02 << 0x06 << QByteArray("GAME") << 0 << false << 0 << 0 << 8192
                                << "ffd8";
        QTest::newRow("code 20") << 0x20 << 0x02 << 20 << QByteArray("GAME") << 0 << false << 8192 << (1 << 30)
                                 << 8192 << "ffd8";
        QTest::newRow("code 21") << 0x20 << 0x02 << 21 << QByteArray("GAME") << 0 << false << 0 << 0 << 8192
                                 << "ffd8";
        QTest::newRow("SuperFX, no extended header") << 0x20 << 0x14 << 0x0A << QByteArray("STAR FOX") << 0x01
                                                     << false << 8 << 0x100000 << 32768 << "7fda";
        QTest::newRow("SuperFX, STARFOX2") << 0x20 << 0x15 << 0x0A << QByteArray("STARFOX2") << 0x01 << false << 8
                                           << 0x100000 << 65536 << "7fda";
        QTest::newRow("SuperFX, extended header") << 0x20 << 0x1A << 0x0A << QByteArray("STARFOX2") << 0x33 << false
                                                  << 8 << 0x100000 << 32768 << "7fda,7fbd";
        QTest::newRow("SuperFX 0x13, code 7") << 0x20 << 0x13 << 0x07 << QByteArray("GAME") << 0x33 << false << 1
                                              << 0x20000 << 32768 << "7fda,7fbd";
        QTest::newRow("SuperFX, size unknown") << 0x20 << 0x14 << 0x06 << QByteArray("GAME") << 0x00 << false << 0
                                               << 0 << 32768 << "7fda";
    }
    void headerAnalysis()
    {
        QFETCH(int, mode);
        QFETCH(int, type);
        QFETCH(int, romCode);
        QFETCH(QByteArray, title);
        QFETCH(int, maker);
        const std::vector<uint8_t> page = headerPage(uint8_t(mode), uint8_t(type), uint8_t(romCode), title);
        QStringList asked;
        const sfc::HeaderAnalysis a = sfc::analyse_header(page.data(), [&](uint32_t address) -> uint8_t {
            asked << QString::number(address, 16);
            switch (address) {
            case sfc::kRamCodeAddress:
                return 3;
            case sfc::kMakerCodeAddress:
                return uint8_t(maker);
            case sfc::kExpansionRamAddress:
                return 5;
            default:
                return 0xEE;
            }
        });
        QTEST(a.hiRom, "hiRom");
        QTEST(int(a.megabits), "megabits");
        QTEST(int(a.romBytes), "romBytes");
        QTEST(int(a.ramBytes), "ramBytes");
        QTEST(asked.join(QLatin1Char(',')), "asked");
    }

    void ramSizeCodes_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("bytes");
        QTest::newRow("0") << 0 << 0;
        QTest::newRow("1") << 1 << 2048;
        QTest::newRow("3") << 3 << 8192;
        QTest::newRow("5") << 5 << 32768;
        QTest::newRow("7") << 7 << 131072;
        QTest::newRow("20") << 20 << (1 << 30);
        QTest::newRow("21, too large for an int") << 21 << 0;
        QTest::newRow("0x40") << 0x40 << 0;
        QTest::newRow("0xFE") << 0xFE << 0;
        QTest::newRow("0xFF") << 0xFF << 0;
    }
    void ramSizeCodes()
    {
        QFETCH(int, code);
        QTEST(int(sfc::ram_size_from_code(uint8_t(code))), "bytes");
    }

    void titleDecoding_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QString>("text");
        QTest::newRow("blanks kept") << QByteArray("STAR OCEAN           ") << QStringLiteral("STAR OCEAN           ");
        QTest::newRow("cut at zero") << QByteArray("AB\0CD", 5) << QStringLiteral("AB");
        QTest::newRow("half-width katakana")
            << QByteArray("\xBD\xB0\xCA\xDF\xB0\xCF\xD8\xB5") << QString::fromUtf8("ｽｰﾊﾟｰﾏﾘｵ");
        QTest::newRow("lead byte keeps the next letter")
            << QByteArray("\x81" "A\xE0" "B") << (QString(QChar(QChar::ReplacementCharacter)) + "A" +
                                                 QChar(QChar::ReplacementCharacter) + "B");
    }
    void titleDecoding()
    {
        QFETCH(QByteArray, field);
        // A locale whose code page has no katakana must not change the result.
        QTextCodec *before = QTextCodec::codecForLocale();
        QTextCodec::setCodecForLocale(QTextCodec::codecForName("ISO-8859-1"));
        QByteArray padded = field;
        padded.append(QByteArray(int(sfc::kTitleLength) - field.size(), '\0'));
        const QString text = sfc::decode_title(reinterpret_cast<const uint8_t *>(padded.constData()));
        QTextCodec::setCodecForLocale(before);
        QTEST(text, "text");
    }

    void titleLookup()
    {
        const sfc::TitleRecord rows[] = {
            {u"First", u"1990", u"A", u"", 131072, 0, 1, 0x1234},
            {u"Other", u"1991", u"B", u"", 131072, 0, 1, 0x5678},
            {u"Second", u"1992", u"C", u"", 131072, 0, 2, 0x1234},
        };
        QCOMPARE(QString::fromUtf16(sfc::find_title(rows, 3, 0x1234)->title), QStringLiteral("First"));
        QCOMPARE(QString::fromUtf16(sfc::find_title(rows, 3, 0x5678)->title), QStringLiteral("Other"));
        QVERIFY(!sfc::find_title(rows, 3, 0x9999));
        const sfc::TitleRecord *so = sfc::find_title(sfc::kTitleTable, sfc::kTitleCount, 0x74D8DFAB);
        QVERIFY(so);
        QCOMPARE(QString::fromUtf16(so->title), QStringLiteral("Star Ocean (Jpn)"));
    }

    void readerChoice_data()
    {
        QTest::addColumn<int>("mmcType");
        QTest::addColumn<int>("romSize");
        QTest::addColumn<int>("reader");
        QTest::newRow("LoROM 4 MiB") << 1 << 0x400000 << int(sfc::Reader::LoRom);
        QTest::newRow("LoROM 5 MiB") << 1 << 0x500000 << int(sfc::Reader::LoRom);
        QTest::newRow("LoROM 6 MiB is S-DD1") << 1 << 0x600000 << int(sfc::Reader::Sdd1);
        QTest::newRow("HiROM") << 2 << 0x600000 << int(sfc::Reader::HiRom);
        QTest::newRow("ExHiROM") << 3 << 0x600000 << int(sfc::Reader::HiRom);
        QTest::newRow("96M ROM") << 4 << 0xC00000 << int(sfc::Reader::None);
        QTest::newRow("Homebrew") << 0 << 0x100000 << int(sfc::Reader::None);
        QTest::newRow("unknown value") << 9 << 0x100000 << int(sfc::Reader::None);
    }
    void readerChoice()
    {
        QFETCH(int, mmcType);
        QFETCH(int, romSize);
        QTEST(int(sfc::reader_for(mmcType, romSize)), "reader");
    }

    void guessedMapping_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("headerAt");
        QTest::addColumn<int>("mode");
        QTest::addColumn<Mapping>("mapping");
        QTest::newRow("LoROM") << 0x100000 << 0x7FC0 << 0x20 << Mapping::LoRom;
        QTest::newRow("HiROM") << 0x400000 << 0xFFC0 << 0x21 << Mapping::HiRom;
        QTest::newRow("ExHiROM") << 0x600000 << 0x40FFC0 << 0x35 << Mapping::ExHiRom;
        QTest::newRow("S-DD1") << 0x600000 << 0x7FC0 << 0x32 << Mapping::Sdd1;
    }
    void guessedMapping()
    {
        QFETCH(int, size);
        QFETCH(int, headerAt);
        QFETCH(int, mode);
        std::vector<uint8_t> rom(size_t(size), 0);
        rom[size_t(headerAt) + 0x15] = uint8_t(mode);
        // Checksum 0x1234 and its complement.
        rom[size_t(headerAt) + 0x1C] = 0xCB;
        rom[size_t(headerAt) + 0x1D] = 0xED;
        rom[size_t(headerAt) + 0x1E] = 0x34;
        rom[size_t(headerAt) + 0x1F] = 0x12;
        QTEST(sim::SfcCartridge::guess_mapping(rom), "mapping");
        QTEST(sim::SfcCartridge::mapping_for(-1, rom), "mapping");
    }
};

QTEST_GUILESS_MAIN(TestSfcProtocol)
#include "test_sfc_protocol.moc"
