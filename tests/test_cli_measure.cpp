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

class TestCliMeasure : public QObject {
    Q_OBJECT
private slots:
    void autoWithoutHints_data()
    {
        QTest::addColumn<int>("mapper");           // the MSX board; -1: a GBA cartridge
        QTest::addColumn<int>("size");
        QTest::addColumn<QList<int>>("registers");  // bank registers the MSX code stores to
        QTest::newRow("gba 4 MiB") << -1 << 0x400000 << QList<int>{};
        QTest::newRow("gba 16 MiB") << -1 << 0x1000000 << QList<int>{};
        QTest::newRow("msx ascii16 128 KiB") << 5 << 0x20000 << QList<int>{0x6000, 0x7000, 0x6000};
        QTest::newRow("msx konami5 128 KiB") << 2 << 0x20000 << QList<int>{0x5000, 0x7000, 0x9000, 0xB000};
    }
    void autoWithoutHints()
    {
        QFETCH(int, mapper);
        QFETCH(int, size);
        QFETCH(QList<int>, registers);
        std::mt19937 rng(uint32_t(size + mapper));
        QByteArray image(size, '\0');
        for (char &b : image)
            b = char(rng());
        if (mapper < 0) {   // the boot logo and a game code no catalogue lists
            std::copy(kGameBoyAdvanceLogo, kGameBoyAdvanceLogo + sizeof kGameBoyAdvanceLogo, image.begin() + 4);
            image.replace(0xAC, 4, size > 0x400000 ? "QZ9E" : "QZ9B");
        } else {            // "AB", then ld a,n; ld (register),a for each register
            image.replace(0, 2, "AB");
            for (int i = 0; i < registers.size(); ++i)
                image.replace(0x10 + 5 * i, 5, QByteArray("\x3E\x01\x32", 3) + char(registers[i]) + char(registers[i] >> 8));
        }
        std::vector<uint8_t> rom(image.begin(), image.end());
        sim::SimulatedReader reader;
        if (mapper < 0)
            reader.insert(std::make_unique<sim::GbaCartridge>(std::move(rom)));
        else
            reader.insert(std::make_unique<sim::MsxCartridge>(std::move(rom), mapper));
        sim::ScopedPlatform scope(reader);

        QTemporaryDir dir;
        const QString output = dir.filePath("dump.bin");
        QString out;
        QTextStream stream(&out);
        const int status = cli::run({"auto", "--console", mapper < 0 ? "gba" : "msx", output}, stream, stream, false);
        stream.flush();
        QVERIFY2(status == 0, qPrintable(out));
        QFile saved(output);
        QVERIFY(saved.open(QIODevice::ReadOnly) && saved.readAll() == image);
    }
};

QTEST_GUILESS_MAIN(TestCliMeasure)
#include "test_cli_measure.moc"
