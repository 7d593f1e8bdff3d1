// Mega Drive identification and dumps, and the dump frame every family
// shares: cancel, read and command failures, safe saves.
#include "device/checksum.h"
#include "device/command.h"
#include "device/device_link.h"
#include "simulator/simulated_reader.h"
#include "support/carts.h"
#include "support/harness.h"
#include "workers/md/md_threads.h"

#include <csignal>
#include <cstring>
#ifndef _WIN32
#include <sys/resource.h>
#endif

#include <QtTest>
#include <QTemporaryDir>

namespace {

std::vector<uint8_t> romWithKey(size_t size, uint32_t key, uint32_t seed = 1)
{
    std::vector<uint8_t> rom = to_vector(random_image(int(size), seed));
    sim::force_crc32(rom.data(), 0x2000, 0x100, key);
    return rom;
}

const QStringList kPreamble = {
    "--Device information--", "Driver label: QUORVEL", "Device firmware: QXB_RDR07_FW310", "\r\n"};

using Progress = QVector<QPair<int, int>>;

QByteArray headered(int size, uint32_t end, const char *serial = "GM MK-1079 -00")
{
    return md_image(to_bytes(romWithKey(size_t(size), 0x12345678, end)), end, serial);
}

} // namespace

class TestMd : public QObject {
    Q_OBJECT
    QTemporaryDir tmp;

private slots:
    // A table hit logs the row; a miss falls back on the header, sized by
    // its ROM end and checked against the bus.
    void info_data()
    {
        QTest::addColumn<QByteArray>("rom");
        QTest::addColumn<QStringList>("lines");   // after the device lines
        QTest::addColumn<QStringList>("presets");

        QTest::newRow("table hit") << to_bytes(romWithKey(524288, 0xAC8C113E))
            << QStringList{"--MD/GENS Cartridge information--", "Title: James Bond 007 - The Duel (Jpn)", "Year: 1993",
                           "Publisher: Tengen", QStringLiteral("Alt Title: 007 \u6B7B\u95D8 JAMES BOND THE DUEL"), "Size: 512KB"}
            << QStringList{"selectRomSize 524288"};
        const QStringList block{"--MD/GENS Cartridge information--", "Title: SONIC THE HEDGEHOG", "Year: 1991",
                                "Publisher: SEGA", QStringLiteral("Alt Title: \u30BD\u30CB\u30C3\u30AF")};
        const QStringList source{"The values above come from the cartridge header.", "Serial: GM MK-1079 -00"};
        const QString repeats = "The cartridge repeats its start past the declared end, as a ROM of that size does.";
        // The serial without its type and revision is the catalogue's.
        QTest::newRow("header, an option, listed serial") << headered(0x40000, 0x3FFFF, "GM T-139066-50")
            << block + QStringList{"Size: 256KB", source[0], "Serial: GM T-139066-50",
                                   "In the catalogue: Aaahh!!! Real Monsters (Euro) (1995, Viacom New Media)", repeats}
            << QStringList{"selectRomSize 262144"};
        QTest::newRow("header, rounded up") << headered(0xA0000, 0x8FFFF)
            << block + QStringList{"Size: 576KB"} + source + QStringList{
                   "The cartridge does not repeat its start past the declared end: it may hold more than its header says.",
                   "No ROM SIZE option equals the declared size; rounded up to 640KB"}
            << QStringList{"selectRomSize 655360"};
        QTest::newRow("header, beyond every option") << headered(0x20000, 0x7FFFFF)
            << block + QStringList{"Size: 8192KB"} + source + QStringList{
                   "No ROM SIZE option holds the declared size; please set ROM SIZE by yourself."} << QStringList();
        QTest::newRow("header, no usable end") << headered(0x20000, 0x100)
            << block + QStringList{"Size: 0KB"} + source + QStringList{
                   "The header gives no usable ROM end; please set ROM SIZE by yourself."} << QStringList();
        QTest::newRow("no header") << to_bytes(romWithKey(131072, 0x11111111))
            << QStringList{"Can not auto detect cartridge information", "Please set ROM SIZE by yourself to dump the ROM", "\r\n"}
            << QStringList();
        QTest::newRow("empty slot") << QByteArray() << QStringList{"No cartridge answers."} << QStringList();
    }
    void info()
    {
        QFETCH(QByteArray, rom);
        QFETCH(QStringList, lines);
        sim::SimulatedReader reader;
        sim::ScopedPlatform scope(reader);
        if (!rom.isEmpty())
            reader.insert(std::make_unique<sim::MdCartridge>(std::vector<uint8_t>(rom.begin(), rom.end())));
        mdThreadInfo info;
        const RunRecord r = runWorker(info);
        QCOMPARE(r.logs, kPreamble + lines);
        QTEST(r.presets, "presets");
        QVERIFY(r.progress.isEmpty() && r.errors.isEmpty());
        // The Info selects the Mega Drive bus itself.
        QCOMPARE(int(reader.commands().at(0).target()), 0x13);
    }

    // Whole and partial blocks; a size other than the header's is said before
    // the read and warned about before the end.
    void dump_data()
    {
        QTest::addColumn<QByteArray>("rom");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<QStringList>("before");   // lines before the save line
        QTest::addColumn<QStringList>("after");    // lines after the CRC line
        QTest::addColumn<Progress>("progress");
        const QString mismatch = "Header checksum mismatch.";
        const QString bad = "Warning: the image fails its header checksum; it may be a bad dump.";
        QTest::newRow("partial last block") << to_bytes(romWithKey(0x31234, 0x33333333)) << 0x31234 << QStringList()
            << QStringList{"Not in the catalogue.", mismatch, bad}
            << Progress{{1, 0x31234}, {0, 0x31234}, {0x20000, 0x31234}, {1, 1}};
        QTest::newRow("less than the header declares") << headered(0x80000, 0x7FFFF) << 0x20000
            << QStringList{"The cartridge header declares 512 KB; dumping 128 KB as chosen."}
            << QStringList{"Not in the catalogue.", mismatch, bad, "Warning: the image is 128 KB, but its header declares 512 KB."}
            << Progress{{1, 0x20000}, {0, 0x20000}, {1, 1}};
        QTest::newRow("twice the header, checksum to its end") << headered(0x20000, 0x1FFFF) << 0x40000
            << QStringList{"The cartridge header declares 128 KB; dumping 256 KB as chosen."}
            << QStringList{"Not in the catalogue.", "Header checksum OK.", "Warning: the image is 256 KB, but its header declares 128 KB."}
            << Progress{{1, 0x40000}, {0, 0x40000}, {0x20000, 0x40000}, {1, 1}};
    }
    void dump()
    {
        QFETCH(QByteArray, rom);
        QFETCH(int, chosen);
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        sim::SimulatedReader reader;
        sim::ScopedPlatform scope(reader);
        reader.insert(std::make_unique<sim::MdCartridge>(std::vector<uint8_t>(rom.begin(), rom.end())));
        // Another family's Info left the reader on its own bus.
        QVERIFY(find_reader_drive(0));
        QVERIFY(send_command(make_command(0x0F, 0x01)));
        const QString out = tmp.filePath("game \u00e9\u6B7B.md");
        mdThreadDump dump;
        dump.configure(out, chosen, 7);
        const RunRecord r = runWorker(dump);
        // The cartridge repeats past its end, so an overdump holds it twice.
        const QByteArray image = chosen > rom.size() ? rom + rom : rom.left(chosen);
        const QString crc = QString::number(crc32_buffer(image.constData(), size_t(image.size())), 16);
        const QStringList saved{"Save file success." + out, "File CRC: 0x" + crc};
        QCOMPARE(r.logs, before + saved + after);
        QTEST(r.progress, "progress");
        QCOMPARE(r.errors, QVector<int>{1});
        QCOMPARE(file_bytes(out), image);
    }

    // Failures end without a file and leave an earlier file as it was.
    void dumpFailures_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("target");   // file name the dump is given
        QTest::addColumn<QString>("line");     // %1: that file's path
        // Cancel and a failed read at a later block are run through the tab.
        QTest::newRow("short read") << "short" << "kept.md" << "Read error at 0x0";
        QTest::newRow("command refused") << "refuse" << "kept.md" << "Device command error.";
        QTest::newRow("missing folder") << "" << "no/such/folder/game.md" << "Save file error.%1 (No such file or directory)";
        QTest::newRow("folder as file name") << "" << "sub" << "Save file error.%1 (it is a folder)";
#ifndef _WIN32
        // The file size limit stops the write partway: no partial file either.
        QTest::newRow("write fails partway") << "fsize" << "kept.md" << "Save file error.%1 (File too large)";
#endif
    }
    void dumpFailures()
    {
        QFETCH(QString, fault);
        QFETCH(QString, target);
        QFETCH(QString, line);
        sim::SimulatedReader reader;
        sim::ScopedPlatform scope(reader);
        reader.insert(std::make_unique<sim::MdCartridge>(romWithKey(0x80000, 0x44444444)));
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("sub"));
        const QString kept = dir.filePath("kept.md");
        QVERIFY(write_file(kept, "earlier dump"));
        mdThreadDump dump;
        const QString out = dir.filePath(target);
        dump.configure(out, 0x80000, 0);
        if (fault == "short")
            reader.set_read_limit(0x1000);
        if (fault == "refuse")
            reader.refuse_writes(true);
        // A cancel from an earlier run does not carry over.
        dump.canceled();
#ifdef _WIN32
        const RunRecord r = runWorker(dump);
#else
        rlimit old{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
        rlimit small = old;
        small.rlim_cur = fault == "fsize" ? 0x10000 : old.rlim_cur;
        const auto previous = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const RunRecord r = runWorker(dump);
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, previous);
#endif
        QCOMPARE(r.logs, QStringList{line.contains("%1") ? line.arg(out) : line});
        QCOMPARE(r.errors, QVector<int>{0});
        QCOMPARE(r.progress.last(), qMakePair(1, 1));
        QCOMPARE(file_bytes(kept), QByteArray("earlier dump"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"kept.md"});
    }
};

QTEST_GUILESS_MAIN(TestMd)
#include "test_md.moc"
