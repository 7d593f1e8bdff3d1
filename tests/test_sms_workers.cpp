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

// Every 16 KiB bank starts with its number, so a wrong bank shows in the file.
std::vector<uint8_t> makeImage(uint32_t size)
{
    std::vector<uint8_t> image(size);
    for (uint32_t i = 0; i < size; ++i)
        image[i] = i % (16 * K) ? uint8_t((i * 2246822519u + 7) >> 15) : uint8_t(i / (16 * K));
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

// The drive's events as "W start 12", "W ffff<-3", "R 8000+16" (KiB), in order.
QStringList trace(const sim::SimulatedReader &reader)
{
    QStringList out;
    for (const sim::Event &e : reader.events()) {
        const sim::SectorRecord &s = e.sector;
        if (e.kind == sim::Event::Command)
            out << (s.operation() == 0x01 ? QStringLiteral("W start %1").arg(s.target(), 0, 16)
                                          : QStringLiteral("W %1<-%2").arg(s.le32(4), 4, 16).arg(s.arg(12)));
        else if (e.file == "DUMP.ROM")
            out << QStringLiteral("R %1+%2").arg(e.offset, 0, 16).arg(e.length / K);
    }
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
    // Info and Dump refuse other boards; before version 310 Info stops and
    // Dump reaches the cartridge through the Mega Drive bus.
    void gate_data()
    {
        QTest::addColumn<QByteArray>("identity");
        QTest::addColumn<QStringList>("info");   // after the device lines: log lines, then the drive's events
        QTest::addColumn<QString>("dumpStart");  // empty: refused
        QTest::newRow("310") << QByteArray("QXB_RDR07_FW310")
                             << QStringList{"log Can not auto detect cartridge information",
                                            "log Please set ROM SIZE by yourself to dump the ROM", "log \r\n",
                                            "W start 12", "W fffd<-0", "W fffe<-1", "W ffff<-2", "R 0+8"}
                             << "W start 12";
        QTest::newRow("309") << QByteArray("QXB_RDR07_FW309")
                             << QStringList{"log Device only support:QXB_RDR07_FW310 or newer"} << "W start 13";
        QTest::newRow("other board") << QByteArray("QXB_RDR08_FW310")
                                     << QStringList{"log Device not support:QXB_RDR08_FW310"} << "";
    }
    void gate()
    {
        QFETCH(QByteArray, identity);
        QFETCH(QStringList, info);
        QFETCH(QString, dumpStart);

        const std::vector<uint8_t> rom = makeImage(128 * K);
        Bench bench(rom, identity.constData());
        const QStringList infoLines = bench.info().trace.mid(4);
        QCOMPARE(infoLines + trace(bench.reader), info);

        bench.reader.clear_log();
        const RunRecord dump = bench.dump(128 * K);
        if (dumpStart.isEmpty()) {
            QCOMPARE(dump.logs, QStringList{QStringLiteral("Device not support:") + QString::fromLatin1(identity)});
            QCOMPARE(dump.errors, QVector<int>{0});
            QVERIFY(trace(bench.reader).isEmpty());
            QVERIFY(!QFile::exists(bench.path()));
        } else {
            QCOMPARE(trace(bench.reader).mid(0, 5), (QStringList{dumpStart, "W fffc<-0", "W fffd<-0", "W fffe<-1", "W ffff<-2"}));
            QCOMPARE(dump.errors, QVector<int>{1});
            QCOMPARE(readFile(bench.path()), bytes(rom, rom.size()));
        }
    }

    // Up to 48 KiB the three slots are read as they stand; above, every bank
    // goes through slot 2, the last one only as far as the image goes.
    void dumps_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<Progress>("progress");

        const QStringList powerOn{"W start 12", "W fffc<-0", "W fffd<-0", "W fffe<-1", "W ffff<-2"};
        for (int size : {8 * 1024, 48 * 1024})
            QTest::newRow(qPrintable(QStringLiteral("%1 KiB").arg(size / K)))
                << size << powerOn + QStringList{"R 0+16", "R 4000+16", "R 8000+16"}
                << Progress{{1, size}, {16384, size}, {32768, size}, {49152, size}, {1, 1}};
        // 432 KiB is 27 banks; 50 KiB ends in a 2 KiB part of a bank.
        for (int size : {432 * 1024, 50 * 1024}) {
            QStringList events = powerOn;
            Progress progress{{1, size}};
            for (int offset = 0; offset < size; offset += 16384) {
                events << QStringLiteral("W ffff<-%1").arg(offset / 16384)
                       << QStringLiteral("R 8000+%1").arg(std::min(16384, size - offset) / K);
                progress.append({offset, size});
            }
            progress.append({1, 1});
            QTest::newRow(qPrintable(QStringLiteral("%1 KiB").arg(size / K))) << size << events << progress;
        }
    }
    void dumps()
    {
        QFETCH(int, size);
        QFETCH(QStringList, events);
        QFETCH(Progress, progress);
        const std::vector<uint8_t> rom = makeImage(uint32_t(std::max(size, int(64 * K))));
        Bench bench(rom);
        const RunRecord rec = bench.dump(size);
        QCOMPARE(trace(bench.reader), events);
        QCOMPARE(rec.progress, progress);
        QCOMPARE(rec.errors, QVector<int>{1});
        QCOMPARE(readFile(bench.path()), bytes(rom, uint32_t(size)));
    }

    // The first row whose first-8 KiB CRC matches wins.
    void infoFindsGame()
    {
        std::vector<uint8_t> rom = makeImage(64 * K);
        const uint32_t crc = crc32_buffer(rom.data(), 8 * K);
        const sms::TitleRecord table[] = {
            {"Other", 131072, crc ^ 1, 0},
            {"Earlier", 442368, crc, 0},
            {"Later", 524288, crc, 0},
        };
        Bench bench(rom);
        const RunRecord rec = bench.info(table, 3);
        QCOMPARE(rec.trace.mid(4), (QStringList{"log Find game: Earlier", "log Please set ROM SIZE to 432 Kbytes to dump ROM.",
                                                "selectRomSize 442368"}));
    }
};

QTEST_GUILESS_MAIN(TestSmsWorkers)
#include "test_sms_workers.moc"
