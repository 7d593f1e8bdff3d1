// Mega Drive identification and dumps, and the dump frame every family
// shares: cancel, read and command failures, safe saves.
#include "device/checksum.h"
#include "device/command.h"
#include "device/device_link.h"
#include "simulator/simulated_reader.h"
#include "support/harness.h"
#include "workers/md/md_table.h"
#include "workers/md/md_threads.h"
#include "workers/verify/verify.h"

#include <QCryptographicHash>
#include <csignal>
#include <cstring>
#include <sys/resource.h>

#include <QtTest>
#include <QTemporaryDir>

namespace {

std::vector<uint8_t> romWithKey(size_t size, uint32_t key, uint32_t seed = 1)
{
    std::vector<uint8_t> rom(size);
    uint32_t x = seed;
    for (auto &b : rom) {
        x = x * 1103515245u + 12345u;
        b = uint8_t(x >> 16);
    }
    sim::force_crc32(rom.data(), 0x2000, 0x100, key);
    return rom;
}

const QStringList kPreamble = {
    "--Device information--", "Driver label: QUORVEL", "Device firmware: QXB_RDR07_FW310", "\r\n"};

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString crcLine(const std::vector<uint8_t> &data)
{
    return QStringLiteral("File CRC: 0x") + QString::number(crc32_buffer(data.data(), data.size()), 16);
}

} // namespace

class TestMd : public QObject {
    Q_OBJECT
    QTemporaryDir tmp;

private slots:
    void firstMatchingRecordWins()
    {
        const md::MdTitleRecord *hit = md::find_title(md::mdTitleTable, md::mdTitleTableSize, 0x9FD07B6A);
        QVERIFY(hit);
        QCOMPARE(QByteArray(hit->title), QByteArray("Sonic & Knuckles (World)"));
        QCOMPARE(hit->size, 2097152u);
        QCOMPARE(md::find_title(md::mdTitleTable, md::mdTitleTableSize, 0xAC8C113E), &md::mdTitleTable[0]);
        QVERIFY(!md::find_title(md::mdTitleTable, md::mdTitleTableSize, 0x12345678));
    }

    void infoReportsTheTitle()
    {
        sim::SimulatedReader reader;
        sim::ScopedPlatform scope(reader);
        reader.insert(std::make_unique<sim::MdCartridge>(romWithKey(524288, 0xAC8C113E)));
        // The Info selects the Mega Drive bus itself.
        mdThreadInfo info;
        const RunRecord r = runWorker(info);
        QVERIFY(r.finished);
        const QStringList expected = kPreamble + QStringList{
                                         "--MD/GENS Cartridge information--",
                                         "Title: James Bond 007 - The Duel (Jpn)",
                                         "Year: 1993",
                                         "Publisher: Tengen",
                                         QStringLiteral("Alt Title: 007 \u6B7B\u95D8 JAMES BOND THE DUEL"),
                                         "Size: 512KB",
                                     };
        QCOMPARE(r.logs, expected);
        QCOMPARE(r.presets, QStringList{"selectRomSize 524288"});
        QCOMPARE(r.trace.last(), QStringLiteral("selectRomSize 524288"));
        QVERIFY(r.progress.isEmpty());
        QVERIFY(r.errors.isEmpty());
        QCOMPARE(int(reader.commands().at(0).target()), 0x13);
    }

    void infoWithOwnTable()
    {
        static const md::MdTitleRecord table[] = {
            {"Frog Dude (Prototype)", "1994", ">", "", 99792, 0x0BADF00D},
        };
        sim::SimulatedReader reader;
        sim::ScopedPlatform scope(reader);
        reader.insert(std::make_unique<sim::MdCartridge>(romWithKey(131072, 0x0BADF00D)));
        mdThreadInfo info;
        info.table = table;
        info.tableSize = 1;
        const RunRecord r = runWorker(info);
        const QStringList expected{"--MD/GENS Cartridge information--", "Title: Frog Dude (Prototype)",
                                   "Year: 1994", "Publisher: >", "Alt Title: ", "Size: 97KB"};
        QCOMPARE(r.logs.mid(4), expected);
        QCOMPARE(r.presets, QStringList{"selectRomSize 99792"});
    }

    void infoWithoutMatchOrReader()
    {
        sim::SimulatedReader reader;
        sim::ScopedPlatform scope(reader);
        reader.insert(std::make_unique<sim::MdCartridge>(romWithKey(131072, 0x11111111)));
        mdThreadInfo info;
        RunRecord r = runWorker(info);
        const QStringList expected{"Can not auto detect cartridge information",
                                   "Please set ROM SIZE by yourself to dump the ROM", "\r\n"};
        QCOMPARE(r.logs.mid(4), expected);
        QVERIFY(r.presets.isEmpty());
        reader.unplug();
        r = runWorker(info);
        QCOMPARE(r.logs, QStringList{"Can not open dump device."});
        QVERIFY(r.errors.isEmpty() && r.progress.isEmpty());
    }

    void dumpSavesTheImage()
    {
        sim::SimulatedReader reader;
        sim::ScopedPlatform scope(reader);
        const auto rom = romWithKey(0x20000, 0x22222222);
        reader.insert(std::make_unique<sim::MdCartridge>(rom));
        // Another family's Info left the reader on its own bus.
        QVERIFY(find_reader_drive(0));
        QVERIFY(send_command(make_command(0x0F, 0x01)));
        const QString out = tmp.filePath("game \u00e9\u6B7B.md");
        mdThreadDump dump;
        dump.configure(out, 0x20000, 7);
        const RunRecord r = runWorker(dump);
        // Random bytes: unknown to the catalogue, and no valid header.
        const QStringList expected{"Save file success." + out, crcLine(rom), "Not in the catalogue.",
                                   "Header checksum mismatch."};
        QCOMPARE(r.logs, expected);
        const QVector<QPair<int, int>> progress{{1, 131072}, {0, 131072}, {1, 1}};
        QCOMPARE(r.progress, progress);
        QCOMPARE(r.errors, QVector<int>{1});
        QCOMPARE(fileBytes(out), QByteArray(reinterpret_cast<const char *>(rom.data()), int(rom.size())));
    }

    // A saved image is looked up in the catalogue and its header checked.
    void dumpIsVerified()
    {
        sim::SimulatedReader reader;
        sim::ScopedPlatform scope(reader);
        std::vector<uint8_t> rom = romWithKey(0x40000, 0x66666666);
        std::memcpy(rom.data() + 0x100, "SEGA MEGA DRIVE ", 16);
        uint16_t sum = 0;
        for (size_t i = 0x200; i < rom.size(); i += 2)
            sum = uint16_t(sum + (rom[i] << 8 | rom[i + 1]));
        rom[0x18E] = uint8_t(sum >> 8);
        rom[0x18F] = uint8_t(sum);
        reader.insert(std::make_unique<sim::MdCartridge>(rom));
        const QByteArray bytes(reinterpret_cast<const char *>(rom.data()), int(rom.size()));
        const verify::Catalogue catalogue({{"Test Cart (World)", crc32_buffer(rom.data(), rom.size()),
                                            QCryptographicHash::hash(bytes, QCryptographicHash::Sha1),
                                            quint32(rom.size()), 19}});
        const QString out = tmp.filePath("verified.md");
        mdThreadDump dump;
        dump.catalogue = &catalogue;
        dump.configure(out, int(rom.size()), 0);
        RunRecord r = runWorker(dump);
        QCOMPARE(r.logs.mid(2), (QStringList{"Verified: Test Cart (World)", "Header checksum OK."}));
        // One byte off: neither the catalogue nor the checksum agree.
        rom[0x30000] ^= 0x01;
        reader.insert(std::make_unique<sim::MdCartridge>(rom));
        r = runWorker(dump);
        QCOMPARE(r.logs.mid(2), (QStringList{"Not in the catalogue.", "Header checksum mismatch."}));
        QCOMPARE(r.errors, QVector<int>{1});
    }

    void dumpReadsAPartialLastBlock()
    {
        sim::SimulatedReader reader;
        sim::ScopedPlatform scope(reader);
        const auto rom = romWithKey(0x30000 + 0x1234, 0x33333333);
        reader.insert(std::make_unique<sim::MdCartridge>(rom));
        const QString out = tmp.filePath("partial.md");
        mdThreadDump dump;
        dump.configure(out, int(rom.size()), 0);
        const RunRecord r = runWorker(dump);
        QCOMPARE(r.errors, QVector<int>{1});
        const int n = int(rom.size());
        const QVector<QPair<int, int>> expected{{1, n}, {0, n}, {0x20000, n}, {1, 1}};
        QCOMPARE(r.progress, expected);
        QCOMPARE(fileBytes(out), QByteArray(reinterpret_cast<const char *>(rom.data()), int(rom.size())));
    }

    // Failures end without a file and leave an earlier file as it was.
    // Failures end without a file and leave an earlier file as it was.
    void dumpFailures_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("target");   // file name the dump is given
        QTest::addColumn<QString>("line");     // %1: that file's path
        QTest::newRow("no reader") << "unplug" << "kept.md" << "Can not open dump device.";
        QTest::newRow("cancel at the third block") << "cancel" << "kept.md" << "Dump canceled.";
        QTest::newRow("read fails at the third block") << "fail" << "kept.md" << "Read error at 0x40000";
        QTest::newRow("short read") << "short" << "kept.md" << "Read error at 0x0";
        QTest::newRow("command refused") << "refuse" << "kept.md" << "Device command error.";
        QTest::newRow("missing folder") << "" << "no/such/folder/game.md" << "Save file error.%1 (No such file or directory)";
        QTest::newRow("folder as file name") << "" << "sub" << "Save file error.%1 (it is a folder)";
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
        {
            QFile f(kept);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("earlier dump");
        }
        mdThreadDump dump;
        const QString out = dir.filePath(target);
        dump.configure(out, 0x80000, 0);
        int reads = 0;
        if (fault == "unplug")
            reader.unplug();
        if (fault == "cancel")
            reader.set_read_hook([&](const sim::Event &) {
                if (++reads == 3)
                    dump.canceled();
            });
        if (fault == "fail")
            reader.fail_read(3);
        if (fault == "short")
            reader.set_read_limit(0x1000);
        if (fault == "refuse")
            reader.refuse_writes(true);
        // A cancel from an earlier run does not carry over.
        dump.canceled();
        const RunRecord r = runWorker(dump);
        QCOMPARE(r.logs, QStringList{line.contains("%1") ? line.arg(out) : line});
        QCOMPARE(r.errors, QVector<int>{0});
        QCOMPARE(r.progress.last(), qMakePair(1, 1));
        QCOMPARE(fileBytes(kept), QByteArray("earlier dump"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"kept.md"});
    }

    // A write that fails partway (here: the file size limit) must neither
    // leave a partial file nor touch the one already there.
    void saveFailingMidwayKeepsTheEarlierFile()
    {
        sim::SimulatedReader reader;
        sim::ScopedPlatform scope(reader);
        reader.insert(std::make_unique<sim::MdCartridge>(romWithKey(0x40000, 0x77777777)));
        QTemporaryDir dir;
        const QString out = dir.filePath("kept.md");
        {
            QFile f(out);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("earlier dump");
        }
        mdThreadDump dump;
        dump.configure(out, 0x40000, 0);
        rlimit old{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
        rlimit small = old;
        small.rlim_cur = 0x10000;
        const auto previous = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const RunRecord r = runWorker(dump);
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, previous);
        QCOMPARE(r.logs, QStringList{"Save file error." + out + " (File too large)"});
        QCOMPARE(r.errors, QVector<int>{0});
        QCOMPARE(fileBytes(out), QByteArray("earlier dump"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"kept.md"});
    }
};

QTEST_GUILESS_MAIN(TestMd)
#include "test_md.moc"
