#include "workers/sfc/sfc_protocol.h"

#include <QTextCodec>
#include <QtTest>
#include <cstring>
#include <vector>

class TestSfcProtocol : public QObject {
    Q_OBJECT
private slots:
    // The RAM byte is served as 3 (8 KiB) at 0xFFD8 and 5 (32 KiB) at 0x7FBD.
    void headerAnalysis_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("romCode");
        QTest::addColumn<QByteArray>("title");
        QTest::addColumn<int>("maker");      // byte at 0x7FDA
        QTest::addColumn<bool>("hiRom");
        QTest::addColumn<int>("megabits");
        QTest::addColumn<int>("ramBytes");
        QTest::addColumn<QString>("asked");  // single-byte reads, in order
        const auto row = [](const char *name, int mode, int type, int code, bool hi, int mbit,
                            const QByteArray &title = "GAME", int maker = 0, int ram = 8192,
                            const QString &asked = "ffd8") {
            QTest::newRow(name) << mode << type << code << title << maker << hi << mbit << ram << asked;
        };
        row("0x21 is HiROM", 0x21, 0x02, 0x0C, true, 32);
        row("0x35 clears odd mode", 0x35, 0xF5, 0x0A, true, 8);
        row("mode outside 0x20-0x3F", 0x41, 0xF5, 0x09, false, 4);
        row("0x45 S-DD1 is LoROM", 0x21, 0x45, 0x0C, false, 48);
        row("0xF3 digit 2", 0x20, 0xF3, 0x0A, false, 12, "ABCDEFGHI2");
        row("0xF3 other byte 9", 0x20, 0xF3, 0x0A, false, 0, "ABCDEFGHIA");
        row("0xF5 with 0x3A", 0x3A, 0xF5, 0x0A, true, 24);
        row("0xF5 odd through bit 0", 0x21, 0xF5, 0x0A, true, 24);
        row("0xF5 even, code 7", 0x20, 0xF5, 0x07, false, 1);
        row("0xF9 with 0x3A", 0x3A, 0xF9, 0x0A, true, 40);
        row("0xF9 even", 0x20, 0xF9, 0x09, false, 4);
        row("code 20", 0x20, 0x02, 20, false, 8192);
        row("code 21", 0x20, 0x02, 21, false, 0);
        row("SuperFX, no extended header", 0x20, 0x14, 0x0A, false, 8, "STAR FOX", 0x01, 32768, "7fda");
        row("SuperFX, STARFOX2", 0x20, 0x15, 0x0A, false, 8, "STARFOX2", 0x01, 65536, "7fda");
        row("SuperFX, extended header", 0x20, 0x1A, 0x0A, false, 8, "STARFOX2", 0x33, 32768, "7fda,7fbd");
        row("SuperFX 0x13, code 7", 0x20, 0x13, 0x07, false, 1, "GAME", 0x33, 32768, "7fda,7fbd");
    }
    void headerAnalysis()
    {
        QFETCH(int, mode);
        QFETCH(int, type);
        QFETCH(int, romCode);
        QFETCH(QByteArray, title);
        QFETCH(int, maker);
        std::vector<uint8_t> page(sfc::kHeaderPageSize, 0);
        std::memset(page.data() + sfc::kTitleOffset, ' ', sfc::kTitleLength);
        std::memcpy(page.data() + sfc::kTitleOffset, title.constData(), size_t(title.size()));
        page[sfc::kMapModeOffset] = uint8_t(mode);
        page[sfc::kTypeOffset] = uint8_t(type);
        page[sfc::kRomCodeOffset] = uint8_t(romCode);
        QStringList asked;
        const sfc::HeaderAnalysis a = sfc::analyse_header(page.data(), [&](uint32_t address) {
            asked << QString::number(address, 16);
            return uint8_t(address == sfc::kRamCodeAddress        ? 3
                           : address == sfc::kMakerCodeAddress    ? maker
                           : address == sfc::kExpansionRamAddress ? 5
                                                                  : 0xEE);
        });
        QTEST(a.hiRom, "hiRom");
        QTEST(int(a.megabits), "megabits");
        QCOMPARE(a.romBytes, a.megabits * 131072);
        QTEST(int(a.ramBytes), "ramBytes");
        QTEST(asked.join(QLatin1Char(',')), "asked");
    }

    void ramSizeCodes_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("bytes");
        QTest::newRow("0") << 0 << 0;
        QTest::newRow("1") << 1 << 2048;
        QTest::newRow("20") << 20 << (1 << 30);
        QTest::newRow("21, too large for an int") << 21 << 0;
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

    // What a type 0x45 header presets chooses the S-DD1 reader; other
    // LoROM sizes keep the LoROM reader.
    void sdd1HeaderChoosesTheSdd1Reader()
    {
        std::vector<uint8_t> page(sfc::kHeaderPageSize, 0);
        page[sfc::kMapModeOffset] = 0x31;   // an odd map mode must not turn it into HiROM
        page[sfc::kTypeOffset] = 0x45;
        const sfc::HeaderAnalysis a = sfc::analyse_header(page.data(), [](uint32_t) { return uint8_t(0); });
        QCOMPARE(int(sfc::reader_for(a.hiRom ? 2 : 1, int(a.romBytes))), int(sfc::Reader::Sdd1));
        QCOMPARE(int(sfc::reader_for(1, 0x500000)), int(sfc::Reader::LoRom));
    }
};

QTEST_GUILESS_MAIN(TestSfcProtocol)
#include "test_sfc_protocol.moc"
