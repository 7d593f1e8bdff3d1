#include "simulator/gbc_cartridge.h"
#include "workers/gbc/gbc_protocol.h"

#include <QtTest>
#include <vector>

namespace {

std::vector<uint8_t> headerWith(uint8_t type, uint8_t romCode, uint8_t ramCode)
{
    std::vector<uint8_t> h(0x150, 0);
    std::copy(gbc::kLogo, gbc::kLogo + gbc::kLogoSize, h.begin() + gbc::kLogoOffset);
    h[gbc::kTypeOffset] = type;
    h[gbc::kRomSizeOffset] = romCode;
    h[gbc::kRamSizeOffset] = ramCode;
    return h;
}

// "addr<-value" for each register write of a list of sectors.
QStringList writes(const std::vector<CommandSector> &sectors)
{
    QStringList out;
    for (const CommandSector &s : sectors) {
        if (s[1] != gbc::kTarget || s[2] != gbc::kOpRegisterWrite)
            out << QStringLiteral("not a register write");
        else
            out << QStringLiteral("%1<-%2").arg(s[3] | s[4] << 8, 4, 16, QLatin1Char('0')).arg(s[5], 0, 16);
    }
    return out;
}

// Each bank starts with its number, so a read shows which bank answered.
std::vector<uint8_t> numberedRom(uint32_t banks)
{
    std::vector<uint8_t> rom(size_t(banks) * 0x4000, 0);
    for (uint32_t b = 0; b < banks; ++b) {
        rom[size_t(b) * 0x4000] = uint8_t(b);
        rom[size_t(b) * 0x4000 + 1] = uint8_t(b >> 8);
    }
    return rom;
}

CommandSector gbWrite(uint16_t address, uint8_t value)
{
    return gbc::register_write(address, value);
}

int bankAt(sim::GbCartridge &cart, uint32_t window)
{
    uint8_t b[2];
    cart.read(window, b, 2);
    return b[0] | b[1] << 8;
}

} // namespace

class TestGbcProtocol : public QObject {
    Q_OBJECT
private slots:
    void commandSectors()
    {
        const CommandSector sel = gbc::console_selection();
        QCOMPARE(int(sel[1]), 0xF0);
        QCOMPARE(int(sel[2]), 0x02);
        const CommandSector start = gbc::gb_start();
        QCOMPARE(int(start[1]), 0x02);
        QCOMPARE(int(start[2]), 0x01);
        // Only the low 16 address bits and 8 value bits travel.
        const CommandSector w = gbc::register_write(0x12345, 0x1AB);
        QCOMPARE(int(w[1]), 0x02);
        QCOMPARE(int(w[2]), 0x0D);
        QCOMPARE(int(w[3]), 0x45);
        QCOMPARE(int(w[4]), 0x23);
        QCOMPARE(int(w[5]), 0xAB);
        for (size_t i = 6; i < 510; ++i)
            QCOMPARE(int(w[i]), 0);
    }

    void typeCodes_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("mbc");
        const int none[] = {0x00, 0x08, 0x09};
        const int mbc1[] = {0x01, 0x02, 0x03, 0x0B, 0x0C, 0xFF};
        const int mbc2[] = {0x05, 0x06};
        const int mbc3[] = {0x0D, 0x0F, 0x10, 0x11, 0x12, 0x13, 0xFE};
        const int mbc5[] = {0x04, 0x07, 0x0A, 0x0E, 0x14, 0x19, 0x1E, 0xFD};
        for (int c : none) QTest::addRow("0x%02X NONE", c) << c << 0;
        for (int c : mbc1) QTest::addRow("0x%02X MBC1", c) << c << 1;
        for (int c : mbc2) QTest::addRow("0x%02X MBC2", c) << c << 2;
        for (int c : mbc3) QTest::addRow("0x%02X MBC3", c) << c << 3;
        for (int c : mbc5) QTest::addRow("0x%02X MBC5", c) << c << 4;
    }
    void typeCodes()
    {
        QFETCH(int, code);
        QFETCH(int, mbc);
        QCOMPARE(gbc::mbc_for_type_code(uint8_t(code)), mbc);
    }

    // The simulated cartridge must pick the controller the Info reports.
    void simulatorAgreesOnEveryTypeCode()
    {
        for (int c = 0; c < 256; ++c)
            QCOMPARE(sim::GbCartridge::mbc_for_type(uint8_t(c)), gbc::mbc_for_type_code(uint8_t(c)));
    }

    void romSizeCodes_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("size");
        QTest::newRow("0 32 KB") << 0 << 32768;
        QTest::newRow("1 64 KB") << 1 << 65536;
        QTest::newRow("5 1 MB") << 5 << 1048576;
        QTest::newRow("8 8 MB") << 8 << 8388608;
        QTest::newRow("9 falls back") << 9 << 32768;
        QTest::newRow("0x20 falls back") << 0x20 << 32768;
        QTest::newRow("0x52") << 0x52 << 2097152;
        QTest::newRow("0x53") << 0x53 << 2097152;
        QTest::newRow("0x54") << 0x54 << 2097152;
        QTest::newRow("0x55 falls back") << 0x55 << 32768;
        QTest::newRow("0xFF falls back") << 0xFF << 32768;
    }
    void romSizeCodes()
    {
        QFETCH(int, code);
        QFETCH(int, size);
        QCOMPARE(gbc::rom_size_for_code(uint8_t(code)), size);
    }

    void ramSizeCodes_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("bytes");
        QTest::addColumn<int>("shown");
        QTest::addColumn<QString>("unit");
        QTest::newRow("0") << 0 << 0 << 0 << " Bytes";
        QTest::newRow("1") << 1 << 2048 << 2 << " KBytes";
        QTest::newRow("2") << 2 << 8192 << 8 << " KBytes";
        QTest::newRow("3") << 3 << 32768 << 32 << " KBytes";
        QTest::newRow("4") << 4 << 131072 << 128 << " KBytes";
        QTest::newRow("5") << 5 << 65536 << 64 << " KBytes";
        QTest::newRow("6") << 6 << 262144 << 256 << " KBytes";
        QTest::newRow("7") << 7 << 512 << 512 << " Bytes";
        QTest::newRow("8") << 8 << 1048576 << 1024 << " KBytes";
        QTest::newRow("9") << 9 << 2097152 << 2048 << " KBytes";
        QTest::newRow("0x0A") << 0x0A << 0 << 0 << " Bytes";
        QTest::newRow("0xFF") << 0xFF << 0 << 0 << " Bytes";
    }
    void ramSizeCodes()
    {
        QFETCH(int, code);
        QFETCH(int, bytes);
        QFETCH(int, shown);
        QFETCH(QString, unit);
        const gbc::RamSize r = gbc::ram_size_for_code(uint8_t(code));
        QCOMPARE(r.bytes, bytes);
        QCOMPARE(r.shown, shown);
        QCOMPARE(QString::fromLatin1(r.unit), unit);
    }

    void titles_data()
    {
        QTest::addColumn<QByteArray>("field");   // the 16 header bytes
        QTest::addColumn<QString>("title");
        QTest::newRow("padded") << QByteArray("TETRIS").leftJustified(16, '\0') << "TETRIS";
        QTest::newRow("all sixteen bytes") << QByteArray("ABCDEFGHIJKLMNOP") << "ABCDEFGHIJKLMNOP";
        QTest::newRow("empty") << QByteArray(16, '\0') << "";
        QTest::newRow("cut at first zero")
            << QByteArray("POKEMON\0RED\0\0\0\0\0", 16) << "POKEMON";
        // A colour cartridge's flag byte is not UTF-8 and shows as U+FFFD.
        QTest::newRow("colour flag byte")
            << QByteArray("ZELDA DXAZ7E\xC0\0\0\0", 16) << QString::fromUtf8("ZELDA DXAZ7E\xEF\xBF\xBD");
        QTest::newRow("utf-8 text") << QByteArray("\xE3\x83\x9D\xE3\x82\xB1", 6).leftJustified(16, '\0')
                                    << QString::fromUtf8("\xE3\x83\x9D\xE3\x82\xB1");
    }
    void titles()
    {
        QFETCH(QByteArray, field);
        QFETCH(QString, title);
        std::vector<uint8_t> h = headerWith(0, 0, 0);
        std::copy(field.begin(), field.end(), h.begin() + gbc::kTitleOffset);
        h[gbc::kTitleOffset + 16] = 'X';   // the byte after the field is never part of it
        QCOMPARE(gbc::title(h.data()), title);
    }

    void logo_data()
    {
        QTest::addColumn<int>("flipAt");   // -1: untouched
        QTest::addColumn<bool>("matches");
        QTest::newRow("reference") << -1 << true;
        QTest::newRow("first byte") << 0 << false;
        QTest::newRow("last byte") << 47 << false;
    }
    void logo()
    {
        QFETCH(int, flipAt);
        QFETCH(bool, matches);
        std::vector<uint8_t> h = headerWith(0, 0, 0);
        QCOMPARE(int(h[0x104]), 0xCE);
        QCOMPARE(int(h[0x133]), 0x3E);
        if (flipAt >= 0)
            h[gbc::kLogoOffset + size_t(flipAt)] ^= 0x01;
        QCOMPARE(gbc::logo_matches(h.data()), matches);
    }

    void bankReads_data()
    {
        QTest::addColumn<int>("mbc");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<int>("window");
        QTest::addColumn<QStringList>("after");
        const QStringList none;
        for (int m = 0; m <= 4; ++m)
            QTest::addRow("bank 0 of %d", m) << m << 0 << none << 0 << none;
        QTest::newRow("plain second bank") << 0 << 0x4000 << none << 0x4000 << none;
        QTest::newRow("plain repeats every 64 KB") << 0 << 0x14000 << none << 0x4000 << none;
        QTest::newRow("MBC1 bank 1") << 1 << 0x4000
            << QStringList{"6000<-0", "2000<-1", "4000<-0"} << 0x4000 << none;
        QTest::newRow("MBC1 bank 0x21") << 1 << 0x21 * 0x4000
            << QStringList{"6000<-0", "2000<-1", "4000<-1"} << 0x4000 << none;
        QTest::newRow("MBC1 bank 0x7F") << 1 << 0x7F * 0x4000
            << QStringList{"6000<-0", "2000<-1f", "4000<-3"} << 0x4000 << none;
        QTest::newRow("MBC1 bank 0x20 through mode 1") << 1 << 0x20 * 0x4000
            << QStringList{"6000<-1", "4000<-1"} << 0 << QStringList{"6000<-0"};
        QTest::newRow("MBC1 bank 0x40 through mode 1") << 1 << 0x40 * 0x4000
            << QStringList{"6000<-1", "4000<-2"} << 0 << QStringList{"6000<-0"};
        QTest::newRow("MBC1 bank 0x60 through mode 1") << 1 << 0x60 * 0x4000
            << QStringList{"6000<-1", "4000<-3"} << 0 << QStringList{"6000<-0"};
        QTest::newRow("MBC2 answers at 0x2100") << 2 << 0x3 * 0x4000
            << QStringList{"2100<-3"} << 0x4000 << none;
        QTest::newRow("MBC3 keeps 0x2000") << 3 << 0x7F * 0x4000
            << QStringList{"2000<-7f"} << 0x4000 << none;
        QTest::newRow("MBC5 bank 1") << 4 << 0x4000
            << QStringList{"3000<-0", "2000<-1"} << 0x4000 << none;
        QTest::newRow("MBC5 bank 0x1FF") << 4 << 0x1FF * 0x4000
            << QStringList{"3000<-1", "2000<-ff"} << 0x4000 << none;
        QTest::newRow("unknown type reads as MBC5") << 9 << 0x100 * 0x4000
            << QStringList{"3000<-1", "2000<-0"} << 0x4000 << none;
    }
    void bankReads()
    {
        QFETCH(int, mbc);
        QFETCH(int, offset);
        QFETCH(QStringList, before);
        QFETCH(int, window);
        QFETCH(QStringList, after);
        const BlockRead step = gbc::bank_read(mbc, uint32_t(offset));
        QCOMPARE(writes(step.before), before);
        QCOMPARE(int(step.windowOffset), window);
        QCOMPARE(int(step.length), 0x4000);
        QCOMPARE(writes(step.after), after);
    }

    // The simulated controllers answer as the chips do, so that a wrong
    // register sequence shows as wrong data.
    void cartridgeBanking_data()
    {
        QTest::addColumn<int>("mbc");
        QTest::addColumn<int>("banks");
        QTest::addColumn<QVector<int>>("writes");   // address, value pairs
        QTest::addColumn<int>("low");               // bank at 0x0000
        QTest::addColumn<int>("high");              // bank at 0x4000
        using V = QVector<int>;
        QTest::newRow("NONE maps straight") << 0 << 2 << V{0x2000, 5} << 0 << 1;
        QTest::newRow("MBC1 power-on") << 1 << 128 << V{} << 0 << 1;
        QTest::newRow("MBC1 bank 0 reads as 1") << 1 << 128 << V{0x2000, 0} << 0 << 1;
        QTest::newRow("MBC1 0x20 unreachable in mode 0")
            << 1 << 128 << V{0x2000, 0, 0x4000, 1} << 0 << 0x21;
        QTest::newRow("MBC1 0x60 unreachable in mode 0")
            << 1 << 128 << V{0x2000, 0x20, 0x4000, 3} << 0 << 0x61;
        QTest::newRow("MBC1 mode 1 maps 0x40 at 0x0000")
            << 1 << 128 << V{0x6000, 1, 0x4000, 2} << 0x40 << 0x41;
        QTest::newRow("MBC1 back in mode 0")
            << 1 << 128 << V{0x6000, 1, 0x4000, 2, 0x6000, 0} << 0 << 0x41;
        QTest::newRow("MBC1 register mirrors") << 1 << 128 << V{0x3FFF, 0x05, 0x5FFF, 1} << 0 << 0x25;
        QTest::newRow("MBC1 wraps past the ROM") << 1 << 32 << V{0x2000, 3, 0x4000, 1} << 0 << 3;
        QTest::newRow("MBC2 ignores 0x2000") << 2 << 16 << V{0x2000, 5} << 0 << 1;
        QTest::newRow("MBC2 bank at 0x2100") << 2 << 16 << V{0x2100, 5} << 0 << 5;
        QTest::newRow("MBC2 bit 8 below 0x2000") << 2 << 16 << V{0x0100, 7} << 0 << 7;
        QTest::newRow("MBC2 four bits") << 2 << 16 << V{0x2100, 0x1F} << 0 << 0xF;
        QTest::newRow("MBC2 bank 0 reads as 1") << 2 << 16 << V{0x2100, 0} << 0 << 1;
        QTest::newRow("MBC3 seven bits") << 3 << 128 << V{0x2000, 0xFF} << 0 << 0x7F;
        QTest::newRow("MBC3 bank 0 reads as 1") << 3 << 128 << V{0x2000, 0} << 0 << 1;
        QTest::newRow("MBC5 bank 0 selectable") << 4 << 512 << V{0x2000, 0} << 0 << 0;
        QTest::newRow("MBC5 ninth bit") << 4 << 512 << V{0x3000, 1, 0x2000, 0x23} << 0 << 0x123;
        QTest::newRow("MBC5 0x2FFF is the low register") << 4 << 512 << V{0x2FFF, 7} << 0 << 7;
        QTest::newRow("MBC5 0x3000 sets bit 8 only") << 4 << 512 << V{0x2000, 9, 0x3000, 0xFF} << 0 << 0x109;
    }
    void cartridgeBanking()
    {
        QFETCH(int, mbc);
        QFETCH(int, banks);
        QFETCH(QVector<int>, writes);
        QFETCH(int, low);
        QFETCH(int, high);
        sim::GbCartridge cart(numberedRom(uint32_t(banks)), mbc);
        cart.start(sim::bus_gbc);
        for (int i = 0; i + 1 < writes.size(); i += 2)
            cart.command(gbWrite(uint16_t(writes[i]), uint8_t(writes[i + 1])).data());
        QCOMPARE(bankAt(cart, 0x0000), low);
        QCOMPARE(bankAt(cart, 0x4000), high);
    }

    void cartridgeEdges()
    {
        std::vector<uint8_t> rom = numberedRom(4);
        rom[0x147] = 0x19;   // MBC5 by its type byte
        sim::GbCartridge cart(rom);
        QCOMPARE(cart.mbc(), int(sim::GbCartridge::mbc5));

        // A read across 0x8000 gives ROM, then 0xFF.
        uint8_t b[4];
        cart.command(gbWrite(0x2000, 2).data());
        cart.read(0x7FFE, b, 4);
        QCOMPARE(int(b[0]), int(rom[0xBFFE]));
        QCOMPARE(int(b[1]), int(rom[0xBFFF]));
        QCOMPARE(int(b[2]), 0xFF);
        QCOMPARE(int(b[3]), 0xFF);

        // A start command brings the power-on bank back.
        cart.start(sim::bus_gbc);
        QCOMPARE(bankAt(cart, 0x4000), 1);

        // Sectors for another family leave the controller alone.
        CommandSector other = gbWrite(0x2000, 3);
        other[1] = 0x03;
        cart.command(other.data());
        QCOMPARE(bankAt(cart, 0x4000), 1);
    }
};

QTEST_GUILESS_MAIN(TestGbcProtocol)
#include "test_gbc_protocol.moc"
