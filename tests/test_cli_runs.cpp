// Whole runs of the headless front end on the simulated reader: auto per
// family, reports, drive listing, exit statuses, terminal output and OUTPUT,
// in process and as the built program.
#include "cli/app.h"
#include "cli/output.h"
#include "cli/report.h"
#include "device/cartridge_logos.h"
#include "device/checksum.h"
#include "device/platform.h"
#include "simulator/demo.h"
#include "simulator/gba_cartridge.h"
#include "simulator/msx_cartridge.h"
#include "simulator/setup.h"
#include "simulator/simulated_reader.h"
#include "support/carts.h"
#include "workers/rate_text.h"
#include "support/harness.h"
#include "workers/registry.h"
#include "workers/verify/verify.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

Run run_cli(const QStringList &args, bool progressLine = false)
{
    Run r;
    QTextStream out(&r.out);
    QTextStream err(&r.err);
    r.status = cli::run(args, out, err, progressLine);
    out.flush();
    err.flush();
    return r;
}

// The dump arguments that read each demonstration cartridge whole.
QStringList demo_dump(const QString &family)
{
    const QHash<QString, QStringList> sizes{
        {"md", {"--size", "512K"}},
        {"sms", {"--size", "128K"}},
        {"msx", {"--size", "128K", "--mapper", "8"}},
        {"sfc", {"--size", "4Mbit", "--mapper", "LOROM"}},
        {"gb", {"--size", "128K", "--mapper", "MBC1"}},
        {"gba", {"--size", "1M"}},
    };
    return QStringList{"dump", "--console", family} + sizes.value(family);
}

// Puts the family's demonstration cartridge in the reader; its image.
std::vector<uint8_t> insert_demo(sim::SimulatedReader &reader, const QString &family)
{
    int hint = -1;
    std::vector<uint8_t> image = sim::demo_image(family.toStdString(), &hint);
    reader.insert(sim::make_cartridge(family.toStdString(), image, hint, nullptr));
    return image;
}

// The value after "Key: " on its own line of a report.
QString field(const QString &report, const QString &key)
{
    for (const QString &line : report.split(QLatin1Char('\n')))
        if (line.startsWith(key + QStringLiteral(": ")))
            return line.mid(key.size() + 2);
    return QString();
}

// A machine with a fixed disk D:, a plain USB stick E: and the simulated reader.
class ThreeDrives : public platform::Platform {
public:
    explicit ThreeDrives(sim::SimulatedReader &reader) : reader_(reader) {}
    uint32_t present_drives() override { return reader_.present_drives() | (1u << 3) | (1u << 4); }
    unsigned drive_type(char l) override
    {
        return l == 'D' ? platform::drive_fixed : l == 'E' ? platform::drive_removable : reader_.drive_type(l);
    }
    bool volume_label(char l, char *label, size_t size) override
    {
        if (!ours(l))
            return reader_.volume_label(l, label, size);
        std::strncpy(label, l == 'D' ? "SYSTEM" : "STICK", size - 1);
        return true;
    }
    // The reader opens only paths on its own drive: D: and E: hold no files.
    std::unique_ptr<platform::File> open_read(const char *path) override { return reader_.open_read(path); }
    std::unique_ptr<platform::File> create_write(const char *path) override { return reader_.create_write(path); }

private:
    static bool ours(char l) { return l == 'D' || l == 'E'; }
    sim::SimulatedReader &reader_;
};

} // namespace

class TestCliRuns : public QObject {
    Q_OBJECT
private slots:
    // `auto` round trips: the demonstration cartridges, sizes and mappers
    // given, and cartridges that only their header or their bus can size.
    void autoSavesTheCartridge_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<QByteArray>("image");   // empty: the demonstration cartridge
        QTest::addColumn<int>("board");          // -2: --simulate; -1: GBA cartridge; else that MSX board
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<int>("saved");          // bytes of the image saved; -1: all
        QTest::addColumn<QString>("crcLine");    // empty: not checked
        QTest::addColumn<bool>("sound");         // the header checksum holds, no warning
        QTest::addColumn<int>("status");         // 3: saved, but a warning makes it suspect

        // Game Boy and SFC sizes and mappers come from the Info run: read with
        // the panel's first options (no MBC, 1 Mbit) they would not match.
        for (const char *family : {"md", "sms", "msx", "sfc", "gb", "gba"})
            QTest::addRow("demo %s", family) << family << QByteArray() << -2 << QStringList() << -1 << "" << (qstrcmp(family, "msx") != 0) << 0;
        // The mapper names the image's mapping for the simulated cartridge too.
        QTest::newRow("msx image file") << "msx" << to_bytes(sim::demo_image("msx")) << -2
                                        << QStringList{"--size", "131072", "--mapper", "5"} << -1 << "" << false << 0;
        QTest::newRow("size given wins over detected") << "gb" << QByteArray() << -2 << QStringList{"--size", "64K"}
                                                       << 65536 << "" << false << 3;
        // The image's CRC-32 is 0x0000abcd: no zeros may pad it.
        QByteArray forced = to_bytes(sim::demo_image("md"));
        sim::force_crc32(reinterpret_cast<uint8_t *>(forced.data()), size_t(forced.size()), 0x40000, 0x0000ABCD);
        QTest::newRow("md, CRC with leading zeros") << "md" << forced << -2 << QStringList{"--size", "512K"} << -1
                                                    << "File CRC: 0xabcd\n" << false << 3;
        for (int kib : {256, 4096})
            QTest::addRow("md %d KiB header", kib) << "md" << md_image(random_image(kib * 1024, quint32(kib)), quint32(kib * 1024 - 1))
                                                   << -2 << QStringList() << -1 << "" << true << 0;
        for (int kib : {32, 512}) {
            const QByteArray rom = random_image(kib * 1024, quint32(kib));
            const char code = kib == 32 ? 0x4C : 0x41;
            QTest::addRow("sms %d KiB header", kib) << "sms" << sms_image(rom, 0x7FF0, QByteArray("\x99\x98\x00", 3) + code)
                                                    << -2 << QStringList() << -1 << "" << true << 0;
            QTest::addRow("sms %d KiB no header", kib) << "sms" << rom << -2 << QStringList() << -1 << "" << false << 0;
        }
        // No title table knows these: the GBA size from where the bus floats,
        // the MSX mapper from the bank register stores, its size by mirroring.
        for (int size : {0x400000, 0x1000000}) {
            QByteArray gba = random_image(size, quint32(size));
            std::copy(kGameBoyAdvanceLogo, kGameBoyAdvanceLogo + sizeof kGameBoyAdvanceLogo, gba.begin() + 4);
            gba.replace(0xAC, 4, size > 0x400000 ? "QZ9E" : "QZ9B");
            QTest::addRow("gba %d MiB measured", size >> 20) << "gba" << gba << -1 << QStringList() << -1 << "" << false << 3;
        }
        const QList<QPair<int, QList<int>>> boards{{5, {0x6000, 0x7000, 0x6000}}, {2, {0x5000, 0x7000, 0x9000, 0xB000}}};
        for (const auto &board : boards) {
            QByteArray msx = random_image(0x20000, quint32(board.first));
            msx.replace(0, 2, "AB");   // then ld a,n; ld (register),a for each register
            for (int i = 0; i < board.second.size(); ++i)
                msx.replace(0x10 + 5 * i, 5, QByteArray("\x3E\x01\x32", 3) + char(board.second[i]) + char(board.second[i] >> 8));
            QTest::addRow("msx board %d measured", board.first) << "msx" << msx << board.first << QStringList() << -1 << "" << false << 0;
        }
    }

    void autoSavesTheCartridge()
    {
        QFETCH(QString, family);
        QFETCH(QByteArray, image);
        QFETCH(int, board);
        QFETCH(QStringList, extra);
        QFETCH(int, saved);
        QFETCH(QString, crcLine);
        QFETCH(bool, sound);
        QFETCH(int, status);

        QTemporaryDir dir;
        sim::SimulatedReader reader;
        std::unique_ptr<sim::ScopedPlatform> scope;
        if (board >= -1) {
            std::vector<uint8_t> rom = to_vector(image);
            if (board < 0)
                reader.insert(std::make_unique<sim::GbaCartridge>(std::move(rom)));
            else
                reader.insert(std::make_unique<sim::MsxCartridge>(std::move(rom), board));
            scope = std::make_unique<sim::ScopedPlatform>(reader);
        } else if (image.isEmpty()) {
            image = to_bytes(sim::demo_image(family.toStdString()));
            extra << "--simulate" << "demo";
        } else {
            const QString source = dir.filePath(QStringLiteral("cart.bin"));
            QVERIFY(write_file(source, image));
            extra << "--simulate" << source;
        }
        const QString output = dir.filePath(QStringLiteral("dump.") + family);
        platform::Platform *before = &platform::current();

        // The report spells the CRC-32 with all eight digits.
        const QString report = dir.filePath(QStringLiteral("report.txt"));
        if (!crcLine.isEmpty())
            extra << "--report" << report;
        // As on a terminal: the progress line goes to stderr alone, cleared at
        // the end, and nothing else goes there.
        const Run r = run_cli(QStringList{"auto", "--console", family, output} + extra, true);
        QVERIFY2(r.status == status && r.err.contains(QStringLiteral("KiB/s")) && !r.err.contains(QLatin1Char('\n')) &&
                     r.err.endsWith(QLatin1Char('\r')) && r.err.section(QLatin1Char('\r'), -2, -2).trimmed().isEmpty() &&
                     !r.out.contains(QLatin1Char('\r')),
                 qPrintable(r.out + r.err));
        QCOMPARE(file_bytes(output), image.left(saved < 0 ? image.size() : saved));
        QVERIFY(r.out.startsWith(QStringLiteral("--Device information--\n")));
        // Only a header that disagrees with the size given speaks in between.
        const QString between = saved < 0 ? QString() : QStringLiteral("The cartridge header declares 128 KB; dumping 64 KB as chosen.\n");
        QVERIFY(r.out.contains(QStringLiteral("Reading data from ROM to file:\n") + output + "\n" + between + "Save file success." + output));
        QVERIFY(r.out.contains(crcLine));
        QCOMPARE(field(QString::fromUtf8(file_bytes(report)), QStringLiteral("CRC-32")), crcLine.isEmpty() ? QString() : "0000abcd");
        QVERIFY(r.out.contains(QStringLiteral(">Success!\n") + QString(40, QLatin1Char('-')) + QLatin1Char('\n')));
        QVERIFY(r.out.section(QLatin1Char('\n'), -2).contains(QStringLiteral(", CRC-32 ")));
        // The summary ends with the outcome the status tells.
        const QStringList ends = status == 3 ? QStringList{", suspect\n"} : QStringList{", verified\n", ", consistent\n"};
        QVERIFY2(std::any_of(ends.begin(), ends.end(), [&](const QString &e) { return r.out.endsWith(e); }), qPrintable(r.out));
        if (sound)
            QVERIFY2(r.out.contains("Header checksum OK.\n>Success!") && !r.out.contains("Warning"), qPrintable(r.out));
        // The simulated reader is gone with the run.
        QCOMPARE(&platform::current(), before);
    }

    // Runs that fail, most before a block of the image is read: no file
    // appears, nothing is replaced. "OUT" stands for the output, "DIR"
    // for the test folder. A fault puts the family's demonstration cartridge
    // in a reader that fails so (an empty slot reads 0xFF).
    void failedRuns_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");

        const QStringList gb{"--console", "gb", "--simulate", "demo"};
        QTest::newRow("GB size past NONE") << QStringList{"dump", "--size", "1M", "OUT"} + gb << "" << 1
                                           << "ROM SIZE 1024KB is more than mapper NONE can address (32KB at most).";
        QTest::newRow("MBC2 past 256K") << QStringList{"dump", "--size", "512K", "--mapper", "MBC2", "OUT"} + gb << "" << 1
                                        << "ROM SIZE 512KB is more than mapper MBC2";
        QTest::newRow("auto, detected size past the given mapper") << QStringList{"auto", "--mapper", "NONE", "OUT"} + gb
                                                                   << "" << 1 << "ROM SIZE 128KB is more than mapper NONE";
        QTest::newRow("MSX standard past 64K")
            << QStringList{"dump", "--console", "msx", "--size", "128K", "--mapper", "0", "--simulate", "demo", "OUT"} << "" << 1
            << "ROM SIZE 128 Kbytes is more than mapper standard (no mapper) can address (64 Kbytes at most).";
        // A pipe stands for any device node, which would be replaced by a file.
        QTest::newRow("pipe as target") << QStringList{"dump", "--size", "32K", "DIR/pipe"} + gb << "" << 1
                                        << "DIR/pipe: it is not a regular file";
        QTest::newRow("folder as target") << QStringList{"auto", "DIR"} + gb << "" << 1 << "it is a folder";
        QTest::newRow("image from a pipe")
            << QStringList{"info", "--console", "gb", "--simulate", "DIR/pipe"} << "" << 2 << "DIR/pipe is not a regular file";
        QTest::newRow("image larger than any GB cartridge")
            << QStringList{"info", "--console", "gb", "--simulate", "DIR/big.gb"} << "" << 2 << "(8388608 bytes at most)";
        const QStringList autoGb{"auto", "--console", "gb", "--size", "128K", "OUT"};
        const QStringList autoSfc{"auto", "--console", "sfc", "--size", "512K", "OUT"};
        QTest::newRow("gb empty slot") << autoGb << "empty" << 1 << "No cartridge answers.\n";
        QTest::newRow("gb header read fails") << autoGb << "read" << 1 << "Read error at 0x0\n";
        QTest::newRow("sfc header read fails") << autoSfc << "read" << 1 << "Read error at 0xe000\n";
        QTest::newRow("sfc RAM size read fails") << autoSfc << "read2" << 1 << "Read error at 0xffd8\n";
        QTest::newRow("gb command refused") << autoGb << "refuse" << 1 << "Device command error.\n";
        // The offset in the image, not the window's (0x8000 for every block).
        // The header check's two reads come first.
        QTest::newRow("sfc dump, third block fails")
            << QStringList{"dump", "--console", "sfc", "--size", "4Mbit", "--mapper", "LOROM", "OUT"} << "read5" << 1
            << "Read error at 0x10000\n";
        // Nothing determined at all: auto stops before any dump.
        QTest::newRow("md, nothing determined") << QStringList{"auto", "--console", "md", "OUT"} << "noise" << 1 << "no ROM size was detected";
        // Title rows of 4 and 8 MiB for the code, and a bus that settles neither.
        QTest::newRow("gba, size left open") << QStringList{"auto", "--console", "gba", "OUT"} << "AAQP" << 1
                                             << "The ROM size is not settled: it may be 32Mbit, 64Mbit";
        // No cartridge: the slot's bus all 0xFF (the GBA's floating), or a
        // board that answers all 0x00. Nothing is saved, whatever the family.
        const QString none = QStringLiteral("No cartridge answers.\n");
        QTest::newRow("sfc info on an empty slot") << QStringList{"info", "--console", "sfc"} << "empty" << 1 << none;
        for (const char *family : {"md", "sms", "msx", "sfc", "gb", "gba"})
            QTest::addRow("%s dump, empty slot", family) << demo_dump(family) + QStringList{"OUT"} << "empty" << 1 << none;
        QTest::newRow("sfc dump, empty slot, read twice") << demo_dump("sfc") + QStringList{"--read-twice", "OUT"} << "empty" << 1 << none;
        QTest::newRow("msx fixed pages, empty slot") << QStringList{"dump", "--console", "msx", "--size", "16K", "OUT"} << "empty" << 1 << none;
        QTest::newRow("md zeros") << demo_dump("md") + QStringList{"OUT"} << "zeros" << 1 << none;
        QTest::newRow("gb zeros") << QStringList{"dump", "--console", "gb", "--size", "32K", "OUT"} << "zeros" << 1 << none;
    }

    void failedRuns()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, fault);
        QFETCH(QString, message);

        QTemporaryDir dir;
        QVERIFY(write_file(dir.filePath(QStringLiteral("big.gb")), QByteArray(8 * 1024 * 1024 + 1, '\0')));
        QCOMPARE(mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("pipe"))).constData(), 0600), 0);
        args.replaceInStrings(QStringLiteral("OUT"), QStringLiteral("out.bin"));
        args.replaceInStrings(QRegularExpression(QStringLiteral("^out.bin$")), dir.filePath(QStringLiteral("out.bin")));
        args.replaceInStrings(QStringLiteral("DIR"), dir.path());
        message.replace(QStringLiteral("DIR"), dir.path()).replace(QStringLiteral("OUT"), QStringLiteral("out.bin"));
        const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);

        sim::SimulatedReader reader;
        const std::string family = args.at(2).toStdString();
        int hint = -1;
        std::vector<uint8_t> image = sim::demo_image(family, &hint);
        if (fault == QLatin1String("noise"))
            image = to_vector(random_image(0x20000, 3));
        if (fault == QLatin1String("AAQP")) {
            image.assign(0x8000, 0x5A);
            std::copy(kGameBoyAdvanceLogo, kGameBoyAdvanceLogo + sizeof kGameBoyAdvanceLogo, image.begin() + 4);
            std::copy_n("AAQP", 4, image.begin() + 0xAC);
        }
        if (fault == QLatin1String("zeros"))
            std::fill(image.begin(), image.end(), 0);
        if (fault != QLatin1String("empty"))
            reader.insert(sim::make_cartridge(family, std::move(image), hint, nullptr));
        if (fault.startsWith(QLatin1String("read")))
            reader.fail_read(qMax(1, fault.mid(4).toInt()));
        reader.refuse_writes(fault == QLatin1String("refuse"));
        sim::ScopedPlatform scope(reader);

        const Run r = run_cli(args);
        QTEST(r.status, "status");
        QVERIFY2((r.out + r.err).contains(message), qPrintable(r.out + r.err));
        QVERIFY(fault.isEmpty() || fault == QLatin1String("noise") || fault == QLatin1String("AAQP") || args.first() == QLatin1String("dump") ||
                r.err.contains(QStringLiteral("not identified")));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot), before);
        QVERIFY(!QFileInfo(dir.filePath(QStringLiteral("pipe"))).isFile());
    }

    // The program blocks on a reader whose data window is a pipe nobody
    // writes yet, with the partial image open. One signal cancels the run;
    // a second ends it at once. Either way nothing is left in the folder.
    void signalsCancel_data()
    {
        QTest::addColumn<int>("signo");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("status");
        QTest::newRow("SIGINT once") << int(SIGINT) << 1 << 130;
        QTest::newRow("SIGTERM twice") << int(SIGTERM) << 2 << 143;
    }

    void signalsCancel()
    {
        QFETCH(int, signo);
        QFETCH(int, count);

        QTemporaryDir reader, out;
        QByteArray identity(0x10000, '\0');
        identity.replace(0x8000, 15, "QXB_RDR07_FW310");
        QVERIFY(write_file(reader.filePath(QStringLiteral("V-DRIVER.DMP")), identity));
        QVERIFY(write_file(reader.filePath(QStringLiteral("CMD.CMD")), QByteArray()));
        const QString window = reader.filePath(QStringLiteral("DUMP.ROM"));
        QCOMPARE(mkfifo(QFile::encodeName(window).constData(), 0600), 0);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QUORVEL_NO_DETECT"), QStringLiteral("1"));
        env.insert(QStringLiteral("QUORVEL_DRIVES"), reader.path());
        env.remove(QStringLiteral("QUORVEL_SIMULATE"));

        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(QUORVEL_CLI_PATH), {"dump", "--console", "md", "--size", "512K", out.filePath(QStringLiteral("x.md"))});
        QTRY_VERIFY_WITH_TIMEOUT(!QDir(out.path()).entryList(QDir::Files).isEmpty(), 60000);
        QVERIFY(p.processId() > 0);   // kill(0) would signal this test too
        for (int i = 0; i < count; ++i) {
            QCOMPARE(::kill(pid_t(p.processId()), signo), 0);
            QThread::msleep(100);
        }
        // A writer lets the blocked open and read return; kept open until the
        // end, since the read may open the window again.
        // A run canceled before its first read ends while this waits; asked
        // again, waitForFinished() would say false for a process long gone.
        int writer = -1;
        bool finished = false;
        while (count == 1 && writer < 0 && !(finished = p.waitForFinished(10)))
            writer = ::open(QFile::encodeName(window).constData(), O_WRONLY | O_NONBLOCK);
        finished = finished || p.waitForFinished(60000);
        if (writer >= 0)
            ::close(writer);
        QVERIFY(finished);
        QTEST(p.exitCode(), "status");
        // Twice: the first signal may still find the run between blocks and
        // cancel it there; either way the status and the empty folder hold.
        if (count == 1)
            QVERIFY(QString::fromUtf8(p.readAllStandardOutput()).contains(QStringLiteral("\nDump canceled.\n")));
        QCOMPARE(QDir(out.path()).entryList(QDir::Files), QStringList());
    }

    void reportVerdict_data()
    {
        QTest::addColumn<bool>("broken");
        QTest::addColumn<QString>("catalogue");
        QTest::addColumn<QString>("header");

        QTest::newRow("listed, sound") << false << "verified: Quorvel Test Cart (World)" << "OK";
        // The catalogue entry was made from the sound image: one changed byte
        // loses the match as well as the checksum.
        QTest::newRow("listed, broken") << true << "not in the catalogue" << "mismatch";
    }

    void reportVerdict()
    {
        QFETCH(bool, broken);

        const QByteArray sound = to_bytes(sim::demo_image("md"));
        QByteArray image = sound;
        if (broken)
            image[0x4000] = char(image[0x4000] ^ 0x01);
        sim::SimulatedReader reader;
        reader.insert(sim::make_cartridge("md", std::vector<uint8_t>(image.begin(), image.end()), -1, nullptr));
        sim::ScopedPlatform scoped(reader);
        const verify::Catalogue catalogue({catalogue_entry(sound, QStringLiteral("Quorvel Test Cart (World)"), 19)});
        QTemporaryDir dir;
        std::unique_ptr<DumpWorker> worker(make_dump_worker(19));
        worker->configure(dir.filePath(QStringLiteral("x.md")), image.size(), 0);
        worker->catalogue = &catalogue;
        worker->wantHashes = true;
        QVERIFY(runWorker(*worker).finished);

        const QDateTime when(QDate(2024, 3, 1), QTime(12, 30, 5), Qt::UTC);
        const QString report = cli::dump_report(19, QStringLiteral("x.md"), worker->result(), when,
                                                worker->lastOutcome(), -1);
        QCOMPARE(field(report, QStringLiteral("Family")), QStringLiteral("MD/GEN"));
        QTEST(field(report, QStringLiteral("Catalogue")), "catalogue");
        QTEST(field(report, QStringLiteral("Header checksum")), "header");
        QCOMPARE(field(report, QStringLiteral("Date")), QStringLiteral("2024-03-01T12:30:05Z"));
        // The sums of the one pass over the buffer are those of the image.
        QCOMPARE(field(report, QStringLiteral("CRC-32")),
                 QString::number(crc32_buffer(image.constData(), size_t(image.size())), 16).rightJustified(8, '0'));
        const QStringList keys{"MD5", "SHA-1", "SHA-256"};
        const QCryptographicHash::Algorithm algorithms[] = {QCryptographicHash::Md5, QCryptographicHash::Sha1,
                                                            QCryptographicHash::Sha256};
        for (int i = 0; i < 3; ++i)
            QCOMPARE(field(report, keys[i]), QString::fromLatin1(QCryptographicHash::hash(image, algorithms[i]).toHex()));
    }

    // A failed dump leaves neither image nor report; a report that cannot be
    // written fails the run although the image is saved. A report replaces
    // another file only with --force, and never the image, by any link.
    void reportFailures_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("report");   // relative to the test folder
        // What stands there first: "old" a file, "symlink" or "hardlink" to
        // the existing image, "dangling" a link to the image still to come,
        // "reverse" the image a link to the report.
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("saved");

        const QStringList gb{"auto", "--console", "gb"};
        const QStringList forced = gb + QStringList{"--force"};
        // The homebrew entries have no reader: the dump fails.
        QTest::newRow("dump failed") << QStringList{"dump", "--console", "sfc", "--size", "4Mbit", "--mapper", "HomebrewSimple"}
                                     << "x.txt" << "" << 1 << "dump failed" << false;
        QTest::newRow("report unwritable") << gb << "missing/x.txt" << "" << 1 << "missing/x.txt" << true;
        QTest::newRow("report exists") << gb << "r.txt" << "old" << 1 << "r.txt exists; give --force" << false;
        QTest::newRow("report exists, forced") << forced << "r.txt" << "old" << 0 << "" << true;
        QTest::newRow("symbolic link to the image") << forced << "r.txt" << "symlink" << 1 << "would replace the image" << false;
        QTest::newRow("hard link to the image") << forced << "r.txt" << "hardlink" << 1 << "would replace the image" << false;
        QTest::newRow("link to the image to come") << forced << "r.txt" << "dangling" << 1 << "would replace the image" << false;
        QTest::newRow("image a link to the report") << forced << "r.txt" << "reverse" << 1 << "would replace the image" << false;
        QTest::newRow("report a folder") << forced << "d" << "folder" << 1 << "folder" << false;
    }

    void reportFailures()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, report);
        QFETCH(QString, before);
        QFETCH(int, status);
        QFETCH(QString, message);
        QFETCH(bool, saved);

        QTemporaryDir dir;
        const QString output = dir.filePath(QStringLiteral("x.bin"));
        const QString reportPath = dir.filePath(report);
        const QByteArray mine("mine"), old("old");
        if (before == QLatin1String("old") || before == QLatin1String("reverse"))
            QVERIFY(write_file(reportPath, old));
        if (before == QLatin1String("symlink") || before == QLatin1String("hardlink"))
            QVERIFY(write_file(output, mine));
        if (before == QLatin1String("symlink") || before == QLatin1String("dangling"))
            QVERIFY(QFile::link(output, reportPath));
        if (before == QLatin1String("hardlink"))
            QCOMPARE(::link(QFile::encodeName(output).constData(), QFile::encodeName(reportPath).constData()), 0);
        if (before == QLatin1String("reverse"))
            QVERIFY(QFile::link(reportPath, output));
        if (before == QLatin1String("folder"))
            QVERIFY(QDir(dir.path()).mkdir(report));

        const Run r = run_cli(args + QStringList{"--simulate", "demo", "--report", reportPath, output});
        QCOMPARE(r.status, status);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        if (saved)
            QCOMPARE(file_bytes(output), to_bytes(sim::demo_image("gb")));
        else if (before == QLatin1String("symlink") || before == QLatin1String("hardlink"))
            QCOMPARE(file_bytes(output), mine);   // refused before the reader was touched
        else if (before != QLatin1String("reverse"))
            QVERIFY(!QFileInfo::exists(output));
        if (status == 0)
            QCOMPARE(field(QString::fromUtf8(file_bytes(reportPath)), QStringLiteral("CRC-32")).size(), 8);
        else if (before == QLatin1String("old") || before == QLatin1String("reverse"))
            QCOMPARE(file_bytes(reportPath), old);
        else if (before.isEmpty())
            QVERIFY(!QFile::exists(reportPath));
        if (before == QLatin1String("dangling"))
            QVERIFY(QFileInfo(reportPath).isSymLink());
        // A refusal comes before the reader is touched; a failed dump says so.
        if (!saved)
            QVERIFY2(r.out.contains(QStringLiteral(">Operation failure.\n")) == before.isEmpty(), qPrintable(r.out));
    }

    // Without --simulate the reader is searched among the machine's drives.
    void drivesOfTheMachine()
    {
        sim::SimulatedReader reader('G', "QXB");
        reader.insert(sim::make_cartridge("gb", sim::demo_image("gb"), -1, nullptr));
        ThreeDrives drives(reader);
        sim::ScopedPlatform scoped(drives);

        const Run listed = run_cli({"list-drives"});
        QCOMPARE(listed.status, 0);
        QCOMPARE(listed.out, QStringLiteral("D:  fixed  label \"SYSTEM\"\n"
                                            "E:  removable  label \"STICK\"  not a reader\n"
                                            "G:  removable  label \"QXB\"  reader, firmware \"QXB_RDR07_FW310\"\n"));
        const Run found = run_cli({"info", "--console", "gb"});
        QCOMPARE(found.status, 0);
        QVERIFY(found.out.contains(QStringLiteral("Title: QUORVEL DEMO\n")));

        reader.unplug();
        QVERIFY(run_cli({"list-drives"}).out.endsWith(QStringLiteral("No reader among them.\n")));
        const Run missing = run_cli({"info", "--console", "gb"});
        QCOMPARE(missing.status, 1);
        QVERIFY(missing.err.contains(QStringLiteral("no cartridge reader")));
        // The same guidance as the window's, naming the drives probed.
        QVERIFY2(missing.err.contains(QStringLiteral("is mounted.\n")), qPrintable(missing.err));
        QVERIFY2(missing.err.endsWith(QStringLiteral("Drives looked at: D: (not removable); E: \"STICK\"\n")),
                 qPrintable(missing.err));
    }

    void summaryText()
    {
        QCOMPARE(summary_text(524288, 2000, 0xabcd, QStringLiteral("verified")),
                 QStringLiteral("512 KiB in 2.0 s, 256 KiB/s, CRC-32 0000abcd, verified"));
        QCOMPARE(summary_text(8388608, 125000, 0, QStringLiteral("not in the catalogue")),
                 QStringLiteral("8 MiB in 2:05, 65 KiB/s, CRC-32 00000000, not in the catalogue"));
    }

    // The interrupted progress stays on its own line above the reason.
    void cancelEndsTheProgressLine()
    {
        QString out, err;
        QTextStream o(&out), e(&err);
        {
            cli::Printer printer(o, e, true);
            printer.progress(1, 1048576);
            printer.progress(524288, 1048576);
            printer.log(QStringLiteral("Dump canceled."), LogTone::Failure);
        }
        QCOMPARE(out, QStringLiteral("Dump canceled.\n"));
        const QString last = err.section(QLatin1Char('\r'), -1);
        QVERIFY2(last.startsWith(QStringLiteral(" 50%")) && last.endsWith(QLatin1Char('\n')), qPrintable(err));
    }

    void outputFile()
    {
        QTemporaryDir dir;
        const QString output = dir.filePath(QStringLiteral("kept.md"));
        QVERIFY(write_file(output, "mine"));
        const QByteArray image = to_bytes(sim::demo_image("md"));
        QProcess cli;
        auto run = [&](const QStringList &tail, int status) {
            cli.start(QStringLiteral(QUORVEL_CLI_PATH),
                      QStringList{"dump", "--console", "md", "--size", "512K", "--simulate", "demo"} + tail);
            QVERIFY(cli.waitForFinished(60000));
            QCOMPARE(cli.exitCode(), status);
        };
        // A pipe is no terminal: messages only on failure, never a progress line.
        run({output}, 1);
        const QByteArray refused = cli.readAllStandardError();
        QVERIFY(refused.contains("exists; give --force") && !refused.contains('\r'));
        QCOMPARE(file_bytes(output), QByteArray("mine"));
        run({"--force", output}, 0);
        QCOMPARE(cli.readAllStandardError(), QByteArray());
        QCOMPARE(file_bytes(output), image);

        run({"-"}, 0);
        QCOMPARE(cli.readAllStandardOutput(), image);
        const QByteArray log = cli.readAllStandardError();
        QVERIFY2(log.contains("Save file success.-\n") && !log.contains(dir.path().toUtf8()), log.constData());
        QVERIFY(!QFile::exists(QStringLiteral("-")));

        cli.start(QStringLiteral(QUORVEL_CLI_PATH), {"dump", "--console", "gba", "--size", "3M", output});
        QVERIFY(cli.waitForFinished(60000));
        QCOMPARE(cli.exitCode(), 2);
        QVERIFY(!cli.readAllStandardError().isEmpty());
    }

    // A read here and there loses a bit (one in fifty as the boards' model
    // has it, one in six to spoil a few reads of the shortest dumps). Read
    // twice, the image is exact or the dump fails with no file; a spoilt read
    // shows as a block read again. A reader that spoils every read: read
    // once, the header check warns and the image is kept as suspect.
    void flakyReader_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<quint64>("seed");
        QTest::addColumn<uint>("oneIn");
        QTest::addColumn<bool>("readTwice");
        for (const char *family : {"md", "sms", "msx", "sfc", "gb", "gba"})
            for (quint64 seed : {1u, 7u, 23u})
                QTest::addRow("%s seed %llu", family, seed) << QString::fromLatin1(family) << seed << 6u << true;
        QTest::newRow("gba one in fifty") << "gba" << quint64(5) << 50u << true;
        for (const char *family : {"sfc", "gb"}) {
            QTest::addRow("%s every read, read twice", family) << family << quint64(3) << 1u << true;
            QTest::addRow("%s every read, once", family) << family << quint64(3) << 1u << false;
        }
    }
    void flakyReader()
    {
        QFETCH(QString, family);
        QFETCH(quint64, seed);
        QFETCH(uint, oneIn);
        QFETCH(bool, readTwice);
        QTemporaryDir dir;
        const QString output = dir.filePath("out"), report = dir.filePath("report.txt");
        sim::SimulatedReader reader;
        const std::vector<uint8_t> image = insert_demo(reader, family);
        reader.set_flaky(seed, oneIn);
        sim::ScopedPlatform scope(reader);

        const Run r = run_cli(demo_dump(family) + QStringList{"--report", report, output} +
                              (readTwice ? QStringList{"--read-twice"} : QStringList()));
        QVERIFY2(reader.flipped_reads() > 0, "no read was spoilt: the row tests nothing");
        const QString text = r.out + r.err, reportText = QString::fromUtf8(file_bytes(report));
        if (!readTwice) {
            QVERIFY2(r.status == 3 && text.contains("Warning: two reads of the cartridge header differ"), qPrintable(text));
            QVERIFY(QFile::exists(output));
            QCOMPARE(field(reportText, "Outcome"), QStringLiteral("suspect"));
        } else if (r.status == 0) {
            QCOMPARE(file_bytes(output), to_bytes(image));
            const QString readAgain = field(reportText, "Read twice");
            QVERIFY2(readAgain.startsWith("yes, ") && readAgain.mid(5).section(' ', 0, 0).toInt() > 0,
                     qPrintable(readAgain));
        } else {
            QCOMPARE(r.status, 1);
            QVERIFY2(text.contains("Unstable reads at 0x"), qPrintable(text));
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
        }
    }

    // Read twice, every read of a block repeats the commands it needs (the
    // Game Boy's bank writes), so a lost write cannot be read twice and agree.
    // The SFC LoROM reader hands out its blocks at 0x8000 one after another:
    // it is read in whole passes, each after its own start command.
    void readTwiceTraces_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QStringList>("trace");
        QStringList gb{"W 0000<-0", "W start 2", "R 0+16", "R 0+16"};
        for (const char *bank : {"W 0120<-0", "W 0220<-0", "W 0320<-0"})   // mode 0, bank 1 to 3, upper bits 0
            for (int read = 0; read < 2; ++read)
                gb << "W 0060<-0" << bank << "W 0040<-0" << "R 4000+16";
        QTest::newRow("gb MBC1") << "gb" << QStringList{"--size", "64K", "--mapper", "MBC1"} << gb;
        QStringList pass{"W start f"};
        for (int block = 0; block < 4; ++block)
            pass << "W 0000<-0" << "R 8000+32";
        QTest::newRow("sfc LoROM") << "sfc" << QStringList{"--size", "1Mbit", "--mapper", "LOROM"} << pass + pass;
    }
    void readTwiceTraces()
    {
        QFETCH(QString, family);
        QFETCH(QStringList, args);
        QTemporaryDir dir;
        sim::SimulatedReader reader;
        insert_demo(reader, family);
        sim::ScopedPlatform scope(reader);
        // Part of the cartridge: saved, as suspect.
        QCOMPARE(run_cli(QStringList{"dump", "--console", family, "--read-twice", dir.filePath("out")} + args).status, 3);
        QTEST(driveTrace(reader), "trace");
    }
};

QTEST_GUILESS_MAIN(TestCliRuns)
#include "test_cli_runs.moc"
