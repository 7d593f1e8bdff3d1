#include "device/checksum.h"
#include "simulator/simulated_reader.h"
#include "simulator/sms_cartridge.h"
#include "support/harness.h"
#include "workers/sms/sms_threads.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <vector>

namespace {

constexpr uint32_t K = 1024;
using Progress = QVector<QPair<int, int>>;

std::vector<uint8_t> makeImage(uint32_t size, uint32_t seed = 3)
{
    std::vector<uint8_t> image(size);
    uint32_t x = seed * 2246822519u + 7;
    for (uint8_t &b : image) {
        x = x * 1103515245u + 12345u;
        b = uint8_t(x >> 23);
    }
    for (uint32_t at = 0; at < size; at += 16 * K)
        image[at] = uint8_t(at / (16 * K));
    return image;
}

QByteArray bytes(const std::vector<uint8_t> &v, size_t len)
{
    return QByteArray(reinterpret_cast<const char *>(v.data()), int(std::min(len, v.size())));
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// "start 12", "ffff<-3" for each accepted sector.
QStringList sent(const sim::SimulatedReader &reader)
{
    QStringList out;
    for (const sim::SectorRecord &s : reader.commands()) {
        if (s.operation() == 0x01)
            out << QStringLiteral("start %1").arg(s.target(), 0, 16);
        else
            out << QStringLiteral("%1<-%2").arg(s.le32(4), 4, 16).arg(s.arg(12));
    }
    return out;
}

QStringList windowReads(const sim::SimulatedReader &reader)
{
    QStringList out;
    for (const sim::Event &e : reader.window_reads())
        out << QStringLiteral("%1+%2").arg(e.offset, 0, 16).arg(e.length / K);
    return out;
}

struct Bench {
    explicit Bench(const std::vector<uint8_t> &rom, const char *identity = "QXB_RDR07_FW310")
        : reader('F', "QUORVEL", identity), platform(reader)
    {
        reader.insert(std::make_unique<sim::SmsCartridge>(rom));
    }
    RunRecord dump(int size)
    {
        smsThreadDump worker;
        worker.configure(path(), size, 0);
        return runWorker(worker);
    }
    RunRecord info(const sms::TitleRecord *table = sms::kTitleTable, size_t count = sms::kTitleTableSize)
    {
        smsThreadInfo worker;
        worker.table = table;
        worker.tableSize = count;
        return runWorker(worker);
    }
    QString path() const { return dir.filePath(QStringLiteral("image.sms")); }

    sim::SimulatedReader reader;
    sim::ScopedPlatform platform;
    QTemporaryDir dir;
};

} // namespace

class TestSmsWorkers : public QObject {
    Q_OBJECT
private slots:
    void gate_data()
    {
        QTest::addColumn<QByteArray>("identity");
        QTest::addColumn<QStringList>("infoLines");    // after the device lines
        QTest::addColumn<QStringList>("infoSent");
        QTest::addColumn<QString>("dumpStart");        // empty: refused
        QTest::newRow("310") << QByteArray("QXB_RDR07_FW310")
                             << QStringList{"Can not auto detect cartridge information",
                                            "Please set ROM SIZE by yourself to dump the ROM", "\r\n"}
                             << QStringList{"start 12", "fffd<-0", "fffe<-1", "ffff<-2"} << "start 12";
        QTest::newRow("309") << QByteArray("QXB_RDR07_FW309")
                             << QStringList{"Device only support:QXB_RDR07_FW310 or newer"}
                             << QStringList{} << "start 13";
        QTest::newRow("other board") << QByteArray("QXB_RDR08_FW310")
                                     << QStringList{"Device not support:QXB_RDR08_FW310"} << QStringList{} << "";
        QTest::newRow("empty identity") << QByteArray("")
                                        << QStringList{"Device not support:"} << QStringList{} << "";
    }
    void gate()
    {
        QFETCH(QByteArray, identity);
        QFETCH(QStringList, infoLines);
        QFETCH(QStringList, infoSent);
        QFETCH(QString, dumpStart);

        const std::vector<uint8_t> rom = makeImage(128 * K);
        Bench bench(rom, identity.constData());
        const RunRecord info = bench.info();
        QVERIFY(info.finished);
        QCOMPARE(info.logs.mid(4), infoLines);
        QCOMPARE(sent(bench.reader), infoSent);
        QVERIFY(info.errors.isEmpty());
        QVERIFY(info.progress.isEmpty());

        bench.reader.clear_log();
        const RunRecord dump = bench.dump(128 * K);
        if (dumpStart.isEmpty()) {
            QCOMPARE(dump.logs, QStringList{QStringLiteral("Device not support:") + QString::fromLatin1(identity)});
            QCOMPARE(dump.progress, (Progress{{1, 1}}));
            QCOMPARE(dump.errors, QVector<int>{0});
            QVERIFY(bench.reader.commands().empty());
            QVERIFY(!QFile::exists(bench.path()));
        } else {
            // Older firmware reaches the cartridge through the Mega Drive bus.
            QCOMPARE(sent(bench.reader).mid(0, 5),
                     (QStringList{dumpStart, "fffc<-0", "fffd<-0", "fffe<-1", "ffff<-2"}));
            QCOMPARE(dump.errors, QVector<int>{1});
            QCOMPARE(readFile(bench.path()), bytes(rom, rom.size()));
        }
    }

    // Up to 48 KiB the three slots are read as they stand; above, every bank
    // goes through slot 2.
    void dumps_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<QStringList>("reads");
        QTest::addColumn<Progress>("progress");

        const QStringList slotReads{"0+16", "4000+16", "8000+16"};
        QTest::newRow("8 KiB") << int(8 * K) << slotReads
                               << Progress{{1, 8192}, {16384, 8192}, {32768, 8192}, {49152, 8192}, {1, 1}};
        QTest::newRow("32 KiB") << int(32 * K) << slotReads
                                << Progress{{1, 32768}, {16384, 32768}, {32768, 32768}, {49152, 32768}, {1, 1}};
        QTest::newRow("48 KiB") << int(48 * K) << slotReads
                                << Progress{{1, 49152}, {16384, 49152}, {32768, 49152}, {49152, 49152}, {1, 1}};
        QStringList banks16;
        Progress p256{{1, 262144}};
        for (int b = 0; b < 16; ++b) {
            banks16 << "8000+16";
            p256.append({b * 16384, 262144});
        }
        p256.append({1, 1});
        QTest::newRow("256 KiB") << int(256 * K) << banks16 << p256;
    }
    void dumps()
    {
        QFETCH(int, size);
        QFETCH(QStringList, reads);
        QFETCH(Progress, progress);
        const std::vector<uint8_t> rom = makeImage(uint32_t(std::max(size, int(16 * K))));
        Bench bench(rom);
        const RunRecord rec = bench.dump(size);
        QCOMPARE(windowReads(bench.reader), reads);
        QCOMPARE(rec.progress, progress);
        QCOMPARE(rec.errors, QVector<int>{1});
        QCOMPARE(readFile(bench.path()), bytes(rom, uint32_t(size)));
    }

    void largeDumpSelectsEveryBank()
    {
        Bench bench(makeImage(256 * K));
        bench.dump(256 * K);
        QStringList expected{"start 12", "fffc<-0", "fffd<-0", "fffe<-1", "ffff<-2"};
        for (int b = 0; b < 16; ++b)
            expected << QStringLiteral("ffff<-%1").arg(b);
        QCOMPARE(sent(bench.reader), expected);
    }

    void dump432KiB()
    {
        const std::vector<uint8_t> rom = makeImage(432 * K);
        Bench bench(rom);
        const RunRecord rec = bench.dump(432 * K);
        QCOMPARE(windowReads(bench.reader).size(), 27);
        QCOMPARE(sent(bench.reader).last(), QStringLiteral("ffff<-26"));
        QCOMPARE(rec.progress.value(27), qMakePair(26 * 16384, 442368));
        QCOMPARE(readFile(bench.path()), bytes(rom, rom.size()));
    }

    // A size that is not a whole number of banks keeps its tail.
    void partialLastBank()
    {
        const std::vector<uint8_t> rom = makeImage(64 * K);
        Bench bench(rom);
        const int size = 50 * K;
        const RunRecord rec = bench.dump(size);
        QCOMPARE(windowReads(bench.reader),
                 (QStringList{"8000+16", "8000+16", "8000+16", QStringLiteral("8000+%1").arg((size - 49152) / K)}));
        QCOMPARE(readFile(bench.path()), bytes(rom, size));
        QCOMPARE(rec.errors, QVector<int>{1});
    }

    void infoFindsGame_data()
    {
        QTest::addColumn<uint32_t>("crc");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("presets");
        QTest::newRow("8 KiB BIOS") << 0x0072ED54u
                                    << QStringList{"Find game: [BIOS] Sega Master System (USA, Europe) (v1.3)",
                                                   "Please set ROM SIZE to 8 Kbytes to dump ROM."}
                                    << QStringList{"selectRomSize 8192"};
        QTest::newRow("432 KiB") << 0xFF478834u
                                 << QStringList{"Find game: Dallyeora Pigu-Wang (Korea) (Unl)",
                                                "Please set ROM SIZE to 432 Kbytes to dump ROM."}
                                 << QStringList{"selectRomSize 442368"};
    }
    void infoFindsGame()
    {
        QFETCH(uint32_t, crc);
        QFETCH(QStringList, lines);
        QFETCH(QStringList, presets);
        std::vector<uint8_t> rom = makeImage(64 * K);
        sim::force_crc32(rom.data(), 8 * K, 200, crc);
        Bench bench(rom);
        const RunRecord rec = bench.info();
        QCOMPARE(rec.logs.mid(4), lines);
        QCOMPARE(rec.presets, presets);
        QCOMPARE(rec.trace.last(), presets.last());
    }

    void infoFirstMatchingRowWins()
    {
        std::vector<uint8_t> rom = makeImage(64 * K);
        const uint32_t crc = crc32_buffer(rom.data(), 8 * K);
        const sms::TitleRecord table[] = {
            {"Other", 131072, crc ^ 1, 0},
            {"Earlier", 262144, crc, 0},
            {"Later", 524288, crc, 0},
        };
        Bench bench(rom);
        const RunRecord rec = bench.info(table, 3);
        QCOMPARE(rec.logs.value(4), QStringLiteral("Find game: Earlier"));
        QCOMPARE(rec.presets, QStringList{"selectRomSize 262144"});
    }
};

QTEST_GUILESS_MAIN(TestSmsWorkers)
#include "test_sms_workers.moc"
