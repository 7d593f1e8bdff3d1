// `auto` with no size or mapper given, on cartridges no title table knows:
// the size and the mapper come from the cartridge alone, and the saved file
// is the whole ROM.
#include "cli/app.h"
#include "device/cartridge_logos.h"
#include "simulator/gba_cartridge.h"
#include "simulator/msx_cartridge.h"
#include "simulator/simulated_reader.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <random>

namespace {

std::vector<uint8_t> noise(uint32_t size, uint32_t seed)
{
    std::mt19937 rng(seed);
    std::vector<uint8_t> image(size);
    for (size_t i = 0; i < size; i += 4) {
        const uint32_t v = rng();
        for (size_t k = 0; k < 4 && i + k < size; ++k)
            image[i + k] = uint8_t(v >> (8 * k));
    }
    return image;
}

// A GBA game with the boot logo and a game code no catalogue lists.
std::vector<uint8_t> gbaGame(uint32_t size)
{
    std::vector<uint8_t> rom = noise(size, size);
    std::copy(kGameBoyAdvanceLogo, kGameBoyAdvanceLogo + sizeof kGameBoyAdvanceLogo, rom.begin() + 4);
    const char code[] = {'Q', 'Z', '9', char('A' + (size >> 22))};
    std::copy(code, code + 4, rom.begin() + 0xAC);
    return rom;
}

// An MSX ROM whose start-up code maps its banks through `registers`.
std::vector<uint8_t> msxGame(uint32_t size, std::initializer_list<uint16_t> registers)
{
    std::vector<uint8_t> rom = noise(size, size + registers.size());
    rom[0] = 'A';
    rom[1] = 'B';
    size_t at = 0x10;
    uint8_t bank = 1;
    for (uint16_t r : registers) {
        const uint8_t store[] = {0x3E, bank++, 0x32, uint8_t(r), uint8_t(r >> 8)};   // ld a,n; ld (nn),a
        std::copy(store, store + sizeof store, rom.begin() + long(at));
        at += sizeof store;
    }
    return rom;
}

} // namespace

class TestCliMeasure : public QObject {
    Q_OBJECT
private slots:
    void autoWithoutHints_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("mapper");   // the simulated board
        QTest::addColumn<QByteArray>("image");
        const auto bytes = [](const std::vector<uint8_t> &v) {
            return QByteArray(reinterpret_cast<const char *>(v.data()), int(v.size()));
        };
        QTest::newRow("gba 4 MiB") << "gba" << -1 << bytes(gbaGame(0x400000));
        QTest::newRow("gba 16 MiB") << "gba" << -1 << bytes(gbaGame(0x1000000));
        QTest::newRow("msx ascii16 128 KiB") << "msx" << 5 << bytes(msxGame(0x20000, {0x6000, 0x7000, 0x6000}));
        QTest::newRow("msx konami5 128 KiB")
            << "msx" << 2 << bytes(msxGame(0x20000, {0x5000, 0x7000, 0x9000, 0xB000}));
    }
    void autoWithoutHints()
    {
        QFETCH(QString, family);
        QFETCH(int, mapper);
        QFETCH(QByteArray, image);
        sim::SimulatedReader reader;
        std::vector<uint8_t> rom(image.begin(), image.end());
        if (family == "gba")
            reader.insert(std::make_unique<sim::GbaCartridge>(std::move(rom)));
        else
            reader.insert(std::make_unique<sim::MsxCartridge>(std::move(rom), mapper));
        sim::ScopedPlatform scope(reader);

        QTemporaryDir dir;
        const QString output = dir.filePath("dump.bin");
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        const int status = cli::run({"auto", "--console", family, output}, outStream, errStream, false);
        outStream.flush();
        errStream.flush();
        QVERIFY2(status == 0, qPrintable(out + err));
        QFile saved(output);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.readAll() == image);
    }
};

QTEST_GUILESS_MAIN(TestCliMeasure)
#include "test_cli_measure.moc"
