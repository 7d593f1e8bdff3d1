// Whole runs of the headless front end on the simulated reader: auto per
// family, reports, drive listing and exit statuses, in process and as the
// built program.
#include "cli/app.h"
#include "cli/report.h"
#include "device/checksum.h"
#include "device/platform.h"
#include "simulator/demo.h"
#include "simulator/setup.h"
#include "simulator/simulated_reader.h"
#include "workers/verify/verify.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <cstring>

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

QByteArray demo(const QString &family)
{
    const std::vector<uint8_t> image = sim::demo_image(family.toStdString());
    return QByteArray(reinterpret_cast<const char *>(image.data()), int(image.size()));
}

QByteArray read_file(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool write_file(const QString &path, const QByteArray &data)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

// The value after "Key: " on its own line of a report.
QString field(const QString &report, const QString &key)
{
    for (const QString &line : report.split(QLatin1Char('\n')))
        if (line.startsWith(key + QStringLiteral(": ")))
            return line.mid(key.size() + 2);
    return QString();
}

// A machine with a fixed disk, a plain USB stick and the simulated reader.
class ThreeDrives : public platform::Platform {
public:
    explicit ThreeDrives(sim::SimulatedReader &reader) : reader_(reader) {}
    uint32_t present_drives() override { return reader_.present_drives() | bit('D') | bit('E'); }
    unsigned drive_type(char letter) override
    {
        if (letter == 'D')
            return platform::drive_fixed;
        if (letter == 'E')
            return platform::drive_removable;
        return reader_.drive_type(letter);
    }
    bool volume_label(char letter, char *label, size_t size) override
    {
        if (letter == 'D' || letter == 'E') {
            std::strncpy(label, letter == 'D' ? "SYSTEM" : "STICK", size - 1);
            return true;
        }
        return reader_.volume_label(letter, label, size);
    }
    std::unique_ptr<platform::File> open_read(const char *path) override
    {
        if (path[0] == 'D' || path[0] == 'E')
            return nullptr;
        return reader_.open_read(path);
    }
    std::unique_ptr<platform::File> create_write(const char *path) override
    {
        if (path[0] == 'D' || path[0] == 'E')
            return nullptr;
        return reader_.create_write(path);
    }

private:
    static uint32_t bit(char letter) { return 1u << (letter - 'A'); }
    sim::SimulatedReader &reader_;
};

QProcessEnvironment no_real_drives()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QUORVEL_NO_DETECT"), QStringLiteral("1"));
    env.remove(QStringLiteral("QUORVEL_DRIVES"));
    env.remove(QStringLiteral("QUORVEL_SIMULATE"));
    return env;
}

} // namespace

class TestCliRuns : public QObject {
    Q_OBJECT
private slots:
    void autoSavesTheCartridge_data();
    void autoSavesTheCartridge();
    void explicitSizeWinsOverDetected();
    void reportDescribesTheSavedFile();
    void reportVerdict_data();
    void reportVerdict();
    void noReportWithoutAnImage();
    void reportThatCannotBeWrittenFails();
    void progressLineOnlyOnATerminal();
    void listDrivesShowsTheReader();
    void realDrivesAreSearchedWithoutSimulation();
    void programExitStatus_data();
    void programExitStatus();
};

void TestCliRuns::autoSavesTheCartridge_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<QStringList>("extra");
    QTest::addColumn<bool>("fromFile");   // --simulate IMAGE rather than demo

    // Game Boy and SFC sizes and mappers come from the Info run: read with
    // the panel's first options (no MBC, 1 Mbit) they would not match.
    QTest::newRow("gb") << "gb" << QStringList{} << false;
    QTest::newRow("sfc") << "sfc" << QStringList{} << false;
    QTest::newRow("gba") << "gba" << QStringList{"--size", "8Mbit"} << false;
    QTest::newRow("md") << "md" << QStringList{"--size", "512K"} << false;
    QTest::newRow("sms") << "sms" << QStringList{"--size", "128K"} << false;
    QTest::newRow("msx") << "msx" << QStringList{"--size", "128K", "--mapper", "Ascii/16kb"} << false;
    QTest::newRow("gb image file") << "gb" << QStringList{} << true;
    // The mapper names the image's mapping for the simulated cartridge too.
    QTest::newRow("msx image file") << "msx" << QStringList{"--size", "131072", "--mapper", "5"} << true;
}

void TestCliRuns::autoSavesTheCartridge()
{
    QFETCH(QString, family);
    QFETCH(QStringList, extra);
    QFETCH(bool, fromFile);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QByteArray image = demo(family);
    QString source = QStringLiteral("demo");
    if (fromFile) {
        source = dir.filePath(QStringLiteral("cart.bin"));
        QVERIFY(write_file(source, image));
    }
    const QString output = dir.filePath(QStringLiteral("dump.") + family);
    platform::Platform *before = &platform::current();

    const Run r = run_cli(QStringList{"auto", "--console", family, "--simulate", source, output} + extra);

    QVERIFY2(r.status == 0, qPrintable(r.out + r.err));
    QCOMPARE(read_file(output), image);
    QVERIFY(r.err.isEmpty());
    QVERIFY(r.out.contains(QStringLiteral("--Device information--\n")));
    QVERIFY(r.out.contains(QStringLiteral("Reading data from ROM to file:\n") + output + QLatin1Char('\n')));
    QVERIFY(r.out.contains(QStringLiteral("Save file success.") + output));
    const quint32 crc = crc32_buffer(image.constData(), size_t(image.size()));
    QVERIFY(r.out.contains(QStringLiteral("File CRC: 0x%1\n").arg(crc, 0, 16)));
    QVERIFY(r.out.endsWith(QStringLiteral(">Success!\n") + QString(40, QLatin1Char('-')) + QLatin1Char('\n')));
    // The simulated reader is gone with the run.
    QCOMPARE(&platform::current(), before);
}

void TestCliRuns::explicitSizeWinsOverDetected()
{
    QTemporaryDir dir;
    const QString output = dir.filePath(QStringLiteral("half.gb"));
    const Run r = run_cli({"auto", "--console", "gb", "--size", "64K", "--simulate", "demo", output});
    QCOMPARE(r.status, 0);
    QCOMPARE(read_file(output), demo(QStringLiteral("gb")).left(65536));
    QVERIFY(r.out.contains(QStringLiteral("ROM SIZE: 128 KB")));
}

void TestCliRuns::reportDescribesTheSavedFile()
{
    QTemporaryDir dir;
    const QString output = dir.filePath(QStringLiteral("demo.gba"));
    const QString reportPath = dir.filePath(QStringLiteral("demo.txt"));
    const Run r = run_cli({"dump", "--console", "gba", "--size", "8Mbit", "--simulate", "demo",
                           "--report", reportPath, output});
    QCOMPARE(r.status, 0);

    const QByteArray saved = read_file(output);
    QCOMPARE(saved.size(), 1048576);
    const QString report = QString::fromUtf8(read_file(reportPath));
    auto hex = [&](QCryptographicHash::Algorithm a) {
        return QString::fromLatin1(QCryptographicHash::hash(saved, a).toHex());
    };
    QCOMPARE(field(report, QStringLiteral("Family")), QStringLiteral("GBA"));
    QVERIFY(field(report, QStringLiteral("Size")).startsWith(QStringLiteral("1048576 bytes")));
    QCOMPARE(field(report, QStringLiteral("CRC-32")),
             QStringLiteral("%1").arg(crc32_buffer(saved.constData(), size_t(saved.size())), 8, 16, QLatin1Char('0')));
    QCOMPARE(field(report, QStringLiteral("MD5")), hex(QCryptographicHash::Md5));
    QCOMPARE(field(report, QStringLiteral("SHA-1")), hex(QCryptographicHash::Sha1));
    QCOMPARE(field(report, QStringLiteral("SHA-256")), hex(QCryptographicHash::Sha256));
    QCOMPARE(field(report, QStringLiteral("Catalogue")), QStringLiteral("not in the catalogue"));
    QCOMPARE(field(report, QStringLiteral("Header checksum")), QStringLiteral("OK"));
    const QDateTime when = QDateTime::fromString(field(report, QStringLiteral("Date")), Qt::ISODate);
    QVERIFY(when.isValid());
    QVERIFY(qAbs(when.secsTo(QDateTime::currentDateTimeUtc())) < 86400);
}

void TestCliRuns::reportVerdict_data()
{
    QTest::addColumn<bool>("listed");
    QTest::addColumn<bool>("broken");
    QTest::addColumn<QString>("catalogue");
    QTest::addColumn<QString>("header");

    QTest::newRow("listed, sound") << true << false << "verified: Quorvel Test Cart (World)" << "OK";
    QTest::newRow("unlisted, sound") << false << false << "not in the catalogue" << "OK";
    // The catalogue entry was made from the sound image: one changed byte
    // loses the match as well as the checksum.
    QTest::newRow("listed, broken") << true << true << "not in the catalogue" << "mismatch";
}

void TestCliRuns::reportVerdict()
{
    QFETCH(bool, listed);
    QFETCH(bool, broken);
    QFETCH(QString, catalogue);
    QFETCH(QString, header);

    QByteArray image = demo(QStringLiteral("md"));
    std::vector<verify::CatalogueEntry> entries;
    if (listed) {
        verify::CatalogueEntry e;
        e.title = QStringLiteral("Quorvel Test Cart (World)");
        e.crc32 = crc32_buffer(image.constData(), size_t(image.size()));
        e.sha1 = QCryptographicHash::hash(image, QCryptographicHash::Sha1);
        e.size = quint32(image.size());
        e.family = 19;
        entries.push_back(e);
    }
    if (broken)
        image[0x4000] = char(image[0x4000] ^ 0x01);
    const QDateTime when(QDate(2024, 3, 1), QTime(12, 30, 5), Qt::UTC);
    const QString report = cli::dump_report(19, QStringLiteral("x.md"), image,
                                            verify::Catalogue(entries), when);
    QCOMPARE(field(report, QStringLiteral("Family")), QStringLiteral("MD/GEN"));
    QCOMPARE(field(report, QStringLiteral("Catalogue")), catalogue);
    QCOMPARE(field(report, QStringLiteral("Header checksum")), header);
    QCOMPARE(field(report, QStringLiteral("Date")), QStringLiteral("2024-03-01T12:30:05Z"));
}

void TestCliRuns::noReportWithoutAnImage()
{
    QTemporaryDir dir;
    const QString output = dir.filePath(QStringLiteral("x.sfc"));
    const QString reportPath = dir.filePath(QStringLiteral("x.txt"));
    // The homebrew entries have no reader: the dump fails.
    const Run r = run_cli({"dump", "--console", "sfc", "--size", "4Mbit", "--mapper", "HomebrewSimple",
                           "--simulate", "demo", "--report", reportPath, output});
    QCOMPARE(r.status, 1);
    QVERIFY(!QFile::exists(output));
    QVERIFY(!QFile::exists(reportPath));
    QVERIFY(r.out.contains(QStringLiteral(">Operation failure.\n")));
    QVERIFY(r.err.contains(QStringLiteral("dump failed")));
}

void TestCliRuns::reportThatCannotBeWrittenFails()
{
    QTemporaryDir dir;
    const QString output = dir.filePath(QStringLiteral("x.gb"));
    const QString reportPath = dir.filePath(QStringLiteral("missing/x.txt"));
    const Run r = run_cli({"auto", "--console", "gb", "--simulate", "demo", "--report", reportPath, output});
    QCOMPARE(r.status, 1);
    QCOMPARE(read_file(output), demo(QStringLiteral("gb")));
    QVERIFY(r.err.contains(reportPath));
}

void TestCliRuns::progressLineOnlyOnATerminal()
{
    QTemporaryDir dir;
    const QStringList args{"dump", "--console", "md", "--size", "512K", "--simulate", "demo",
                           dir.filePath(QStringLiteral("x.md"))};
    const Run piped = run_cli(args, false);
    QCOMPARE(piped.status, 0);
    QCOMPARE(piped.err, QString());

    const Run terminal = run_cli(args, true);
    QCOMPARE(terminal.status, 0);
    QVERIFY(terminal.err.contains(QStringLiteral("KiB/s")));
    QVERIFY(terminal.err.contains(QStringLiteral("left")));
    // Cleared at the end: the last thing written returns to an empty line.
    QVERIFY(terminal.err.endsWith(QLatin1Char('\r')));
    const int blanked = terminal.err.lastIndexOf(QLatin1Char('\r'), terminal.err.size() - 2);
    QVERIFY(blanked >= 0);
    QVERIFY(terminal.err.mid(blanked + 1).chopped(1).trimmed().isEmpty());
    QCOMPARE(terminal.out, piped.out);
}

void TestCliRuns::listDrivesShowsTheReader()
{
    sim::SimulatedReader reader('G', "QXB");
    ThreeDrives drives(reader);
    sim::ScopedPlatform scoped(drives);

    const Run r = run_cli({"list-drives"});
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out, QStringLiteral("D:  fixed  label \"SYSTEM\"\n"
                                   "E:  removable  label \"STICK\"  not a reader\n"
                                   "G:  removable  label \"QXB\"  reader, firmware \"QXB_RDR07_FW310\"\n"));

    reader.unplug();
    const Run gone = run_cli({"list-drives"});
    QVERIFY(gone.out.endsWith(QStringLiteral("No reader among them.\n")));
}

void TestCliRuns::realDrivesAreSearchedWithoutSimulation()
{
    sim::SimulatedReader reader('G');
    reader.insert(sim::make_cartridge("gb", sim::demo_image("gb"), -1, nullptr));
    ThreeDrives drives(reader);
    sim::ScopedPlatform scoped(drives);

    const Run found = run_cli({"info", "--console", "gb"});
    QCOMPARE(found.status, 0);
    QVERIFY(found.out.contains(QStringLiteral("Title: QUORVEL DEMO\n")));

    reader.unplug();
    const Run missing = run_cli({"info", "--console", "gb"});
    QCOMPARE(missing.status, 1);
    QVERIFY(missing.err.contains(QStringLiteral("no cartridge reader")));
}

void TestCliRuns::programExitStatus_data()
{
    QTest::addColumn<QStringList>("args");   // "OUT" stands for an output path
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("saved");

    QTest::newRow("version") << QStringList{"--version"} << 0 << false;
    QTest::newRow("info ran") << QStringList{"info", "--console", "sms", "--simulate", "demo"} << 0 << false;
    QTest::newRow("dump") << QStringList{"dump", "--console", "gb", "--size", "128K", "--mapper", "MBC1",
                                         "--simulate", "demo", "OUT"}
                          << 0 << true;
    QTest::newRow("no reader") << QStringList{"info", "--console", "md"} << 1 << false;
    QTest::newRow("dump failed") << QStringList{"dump", "--console", "sfc", "--size", "4Mbit", "--mapper", "96M ROM",
                                                "--simulate", "demo", "OUT"}
                                 << 1 << false;
    QTest::newRow("auto refused") << QStringList{"auto", "--console", "gba", "--simulate", "demo", "OUT"} << 1 << false;
    QTest::newRow("bad usage") << QStringList{"dump", "--console", "gba", "--size", "3M", "OUT"} << 2 << false;
    QTest::newRow("unreadable image") << QStringList{"info", "--console", "gb", "--simulate", "no/such/image.gb"}
                                      << 2 << false;
}

void TestCliRuns::programExitStatus()
{
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(bool, saved);

    QTemporaryDir dir;
    const QString output = dir.filePath(QStringLiteral("out.bin"));
    args.replaceInStrings(QRegularExpression(QStringLiteral("^OUT$")), output);

    QProcess p;
    p.setProcessEnvironment(no_real_drives());
    p.start(QStringLiteral(QUORVEL_CLI_PATH), args);
    QVERIFY(p.waitForFinished(300000));
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    const QString err = QString::fromUtf8(p.readAllStandardError());
    QVERIFY2(p.exitCode() == status, qPrintable(err));
    QCOMPARE(QFile::exists(output), saved);
    // A pipe is no terminal: messages only on failure, never a progress line.
    QCOMPARE(err.isEmpty(), status == 0);
    QVERIFY(!err.contains(QLatin1Char('\r')));
}

QTEST_GUILESS_MAIN(TestCliRuns)
#include "test_cli_runs.moc"
