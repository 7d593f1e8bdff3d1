// The simulated reader keeps the reader's promises and fails on request.
#include "device/command.h"
#include "device/device_link.h"
#include "simulator/setup.h"
#include "simulator/simulated_reader.h"

#include <QtTest>
#include <QTemporaryDir>
#include <atomic>
#include <thread>

namespace {

std::vector<uint8_t> counting(size_t size)
{
    std::vector<uint8_t> v(size);
    for (size_t i = 0; i < size; ++i)
        v[i] = uint8_t(i ^ (i >> 8) ^ (i >> 16));
    return v;
}

uint8_t firstByte(uint32_t offset)
{
    uint8_t b[16] = {};
    read_data_window(offset, b, 16);
    return b[0];
}

} // namespace

class TestSimulator : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { platform::install(nullptr); }

    void busStaysSelectedUntilTheNextStart()
    {
        sim::SimulatedReader reader;
        sim::ScopedPlatform scope(reader);
        const auto image = counting(0x40000);
        reader.insert(std::make_unique<sim::MdCartridge>(image));
        QVERIFY(find_reader_drive(0));
        // Nothing selected yet: the window floats high.
        QCOMPARE(firstByte(0x1235), uint8_t(0xFF));
        QVERIFY(md_select());
        QCOMPARE(firstByte(0x1235), image[0x1235]);
        // Another family's start takes the Mega Drive bus away.
        QVERIFY(send_command(make_command(0x0F, 0x01)));
        QCOMPARE(reader.bus(), int(sim::bus_sfc));
        QCOMPARE(firstByte(0x1235), uint8_t(0xFF));
        QVERIFY(md_select());
        // Past the end of the ROM the cartridge repeats it.
        QCOMPARE(firstByte(0x40010), image[0x10]);
    }

    void handheldBusesNeedTheConsoleSelection()
    {
        sim::SimulatedReader reader;
        sim::ScopedPlatform scope(reader);
        QVERIFY(find_reader_drive(0));
        QVERIFY(send_command(make_command(0x02, 0x01)));
        QCOMPARE(reader.bus(), int(sim::bus_none));
        QVERIFY(send_command(make_command(kReaderTarget, 0x03)));
        QVERIFY(send_command(make_command(0x02, 0x01)));
        QCOMPARE(reader.bus(), int(sim::bus_none));
        QVERIFY(send_command(make_command(0x03, 0x01)));
        QCOMPARE(reader.bus(), int(sim::bus_gba));
        QVERIFY(send_command(make_command(kReaderTarget, 0x02)));
        QVERIFY(send_command(make_command(0x02, 0x01)));
        QCOMPARE(reader.bus(), int(sim::bus_gbc));
        // Both MSX start targets select the MSX bus.
        QVERIFY(send_command(make_command(0x14, 0x01)));
        QCOMPARE(reader.bus(), int(sim::bus_msx));
    }

    void faults()
    {
        sim::SimulatedReader reader;
        sim::ScopedPlatform scope(reader);
        reader.insert(std::make_unique<sim::MdCartridge>(counting(0x10000)));
        QVERIFY(find_reader_drive(0));
        QVERIFY(md_select());
        std::vector<uint8_t> block(0x4000);
        reader.fail_read(2);
        QCOMPARE(read_data_window(0, block.data(), 0x4000), 0x4000u);
        QCOMPARE(read_data_window(0, block.data(), 0x4000), 0u);
        QCOMPARE(read_data_window(0, block.data(), 0x4000), 0x4000u);
        reader.set_read_limit(0x1000);
        QCOMPARE(read_data_window(0, block.data(), 0x4000), 0x1000u);
        reader.set_read_limit(0);
        reader.refuse_writes(true);
        QCOMPARE(md_select(), 0u);
        reader.refuse_writes(false);
        reader.unplug();
        QVERIFY(!find_reader_drive(current_drive_letter));
        QCOMPARE(md_select(), 0u);
    }

    // Reads and commands from several threads at once neither crash nor mix
    // up what each thread asked for.
    void concurrentUse()
    {
        sim::SimulatedReader reader;
        sim::ScopedPlatform scope(reader);
        const auto image = counting(0x100000);
        reader.insert(std::make_unique<sim::MdCartridge>(image));
        QVERIFY(find_reader_drive(0));
        QVERIFY(md_select());
        std::atomic<int> bad{0};
        std::vector<std::thread> threads;
        for (int t = 0; t < 4; ++t)
            threads.emplace_back([&, t] {
                std::vector<uint8_t> block(0x4000);
                for (int i = 0; i < 50; ++i) {
                    const uint32_t off = uint32_t((t * 50 + i) % 64) * 0x4000;
                    if (read_data_window(off, block.data(), 0x4000) != 0x4000 ||
                        !std::equal(block.begin(), block.end(), image.begin() + off))
                        ++bad;
                    if (t == 0)
                        md_select();
                }
            });
        for (auto &th : threads)
            th.join();
        QCOMPARE(bad.load(), 0);
    }

    void environmentStartsTheSimulator()
    {
        QTemporaryDir tmp;
        const QString path = tmp.filePath("game.md");
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(0x20000, 'M'));
        f.close();
        std::string error;
        qputenv("QUORVEL_SIMULATE", "nes:" + path.toLocal8Bit());
        QVERIFY(!sim::install_from_environment(&error));
        QVERIFY(error.find("nes") != std::string::npos);
        qputenv("QUORVEL_SIMULATE", "md:" + tmp.filePath("missing.md").toLocal8Bit());
        QVERIFY(!sim::install_from_environment(&error));
        qputenv("QUORVEL_SIMULATE", "md:" + path.toLocal8Bit());
        error.clear();
        sim::SimulatedReader *reader = sim::install_from_environment(&error);
        QVERIFY2(reader, error.c_str());
        current_drive_letter = 0;
        QVERIFY(find_reader_drive(0));
        QVERIFY(md_select());
        QCOMPARE(firstByte(0x100), uint8_t('M'));
        // The demonstration cartridge needs no file.
        qputenv("QUORVEL_SIMULATE", "md:demo");
        QVERIFY(sim::install_from_environment(&error));
        current_drive_letter = 0;
        QVERIFY(find_reader_drive(0));
        QVERIFY(md_select());
        uint8_t header[16] = {};
        QCOMPARE(read_data_window(0x100, header, 16), 16u);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(header), 4), QByteArray("SEGA"));
        qunsetenv("QUORVEL_SIMULATE");
    }
};

QTEST_GUILESS_MAIN(TestSimulator)
#include "test_simulator.moc"
