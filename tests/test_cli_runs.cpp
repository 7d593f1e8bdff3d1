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
    std::unique_ptr<platform::File> open_read(const char *path) override
    {
        return ours(path[0]) ? nullptr : reader_.open_read(path);
    }
    std::unique_ptr<platform::File> create_write(const char *path) override
    {
        return ours(path[0]) ? nullptr : reader_.create_write(path);
    }

private:
    static bool ours(char l) { return l == 'D' || l == 'E'; }
    sim::SimulatedReader &reader_;
};

} // namespace

class TestCliRuns : public QObject {
    Q_OBJECT
private slots:
    void autoSavesTheCartridge_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<bool>("fromFile");   // --simulate IMAGE rather than demo
        QTest::addColumn<int>("saved");       // bytes of the image saved; -1: all

        // Game Boy and SFC sizes and mappers come from the Info run: read with
        // the panel's first options (no MBC, 1 Mbit) they would not match.
        QTest::newRow("gb") << "gb" << QStringList{} << false << -1;
        QTest::newRow("sfc") << "sfc" << QStringList{} << false << -1;
        QTest::newRow("gba") << "gba" << QStringList{"--size", "8Mbit"} << false << -1;
        QTest::newRow("md") << "md" << QStringList{"--size", "512K"} << false << -1;
        QTest::newRow("sms") << "sms" << QStringList{"--size", "128K"} << false << -1;
        QTest::newRow("msx") << "msx" << QStringList{"--size", "128K", "--mapper", "Ascii/16kb"} << false << -1;
        // The mapper names the image's mapping for the simulated cartridge too.
        QTest::newRow("msx image file") << "msx" << QStringList{"--size", "131072", "--mapper", "5"} << true << -1;
        QTest::newRow("size given wins over detected") << "gb" << QStringList{"--size", "64K"} << false << 65536;
    }

    void autoSavesTheCartridge()
    {
        QFETCH(QString, family);
        QFETCH(QStringList, extra);
        QFETCH(bool, fromFile);
        QFETCH(int, saved);

        QTemporaryDir dir;
        const QByteArray image = demo(family);
        QString source = QStringLiteral("demo");
        if (fromFile) {
            source = dir.filePath(QStringLiteral("cart.bin"));
            QFile f(source);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(image) == image.size());
        }
        const QString output = dir.filePath(QStringLiteral("dump.") + family);
        platform::Platform *before = &platform::current();

        const Run r = run_cli(QStringList{"auto", "--console", family, "--simulate", source, output} + extra);

        QVERIFY2(r.status == 0 && r.err.isEmpty(), qPrintable(r.out + r.err));
        const QByteArray data = read_file(output);
        QCOMPARE(data, image.left(saved < 0 ? image.size() : saved));
        QVERIFY(r.out.startsWith(QStringLiteral("--Device information--\n")));
        QVERIFY(r.out.contains(QStringLiteral("Reading data from ROM to file:\n") + output + "\nSave file success." + output));
        QVERIFY(r.out.contains(QStringLiteral("File CRC: 0x%1\n").arg(crc32_buffer(data.constData(), size_t(data.size())), 0, 16)));
        QVERIFY(r.out.contains(QStringLiteral(">Success!\n") + QString(40, QLatin1Char('-')) + QLatin1Char('\n')));
        QVERIFY(r.out.section(QLatin1Char('\n'), -2).contains(QStringLiteral(", CRC-32 ")));
        // The simulated reader is gone with the run.
        QCOMPARE(&platform::current(), before);
    }

    void reportDescribesTheSavedFile()
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
        const QStringList fields{"Family", "CRC-32", "MD5", "SHA-1", "SHA-256", "Catalogue", "Header checksum"};
        QStringList got;
        for (const QString &key : fields)
            got << field(report, key);
        QCOMPARE(got, (QStringList{"GBA",
                                   QStringLiteral("%1").arg(crc32_buffer(saved.constData(), size_t(saved.size())), 8, 16, QLatin1Char('0')),
                                   hex(QCryptographicHash::Md5), hex(QCryptographicHash::Sha1),
                                   hex(QCryptographicHash::Sha256), "not in the catalogue", "OK"}));
        QVERIFY(field(report, QStringLiteral("Size")).startsWith(QStringLiteral("1048576 bytes")));
        const QDateTime when = QDateTime::fromString(field(report, QStringLiteral("Date")), Qt::ISODate);
        QVERIFY(qAbs(when.secsTo(QDateTime::currentDateTimeUtc())) < 86400);
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
        QFETCH(QString, catalogue);
        QFETCH(QString, header);

        QByteArray image = demo(QStringLiteral("md"));
        verify::CatalogueEntry e;
        e.title = QStringLiteral("Quorvel Test Cart (World)");
        e.crc32 = crc32_buffer(image.constData(), size_t(image.size()));
        e.sha1 = QCryptographicHash::hash(image, QCryptographicHash::Sha1);
        e.size = quint32(image.size());
        e.family = 19;
        if (broken)
            image[0x4000] = char(image[0x4000] ^ 0x01);
        const QDateTime when(QDate(2024, 3, 1), QTime(12, 30, 5), Qt::UTC);
        const QString report = cli::dump_report(19, QStringLiteral("x.md"), image,
                                                verify::Catalogue({e}), when);
        QCOMPARE(field(report, QStringLiteral("Family")), QStringLiteral("MD/GEN"));
        QCOMPARE(field(report, QStringLiteral("Catalogue")), catalogue);
        QCOMPARE(field(report, QStringLiteral("Header checksum")), header);
        QCOMPARE(field(report, QStringLiteral("Date")), QStringLiteral("2024-03-01T12:30:05Z"));
    }

    // A failed dump leaves neither image nor report; a report that cannot be
    // written fails the run although the image is saved.
    void reportFailures_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("report");   // relative to the test folder
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("saved");

        // The homebrew entries have no reader: the dump fails.
        QTest::newRow("dump failed") << QStringList{"dump", "--console", "sfc", "--size", "4Mbit", "--mapper", "HomebrewSimple"}
                                     << "x.txt" << "dump failed" << false;
        QTest::newRow("report unwritable") << QStringList{"auto", "--console", "gb"} << "missing/x.txt" << "missing/x.txt" << true;
    }

    void reportFailures()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, report);
        QFETCH(QString, message);
        QFETCH(bool, saved);

        QTemporaryDir dir;
        const QString output = dir.filePath(QStringLiteral("x.bin"));
        const Run r = run_cli(args + QStringList{"--simulate", "demo", "--report", dir.filePath(report), output});
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QVERIFY(!QFile::exists(dir.filePath(report)));
        QCOMPARE(QFile::exists(output), saved);
        if (saved)
            QCOMPARE(read_file(output), demo(QStringLiteral("gb")));
        else
            QVERIFY(r.out.contains(QStringLiteral(">Operation failure.\n")));
    }

    void progressLineOnlyOnATerminal()
    {
        QTemporaryDir dir;
        const QStringList args{"dump", "--console", "md", "--size", "512K", "--simulate", "demo",
                               "--force", dir.filePath(QStringLiteral("x.md"))};
        const Run piped = run_cli(args, false);
        QCOMPARE(piped.status, 0);
        QCOMPARE(piped.err, QString());

        const Run terminal = run_cli(args, true);
        QCOMPARE(terminal.status, 0);
        // All but the summary line, whose timing differs.
        QCOMPARE(terminal.out.section(QLatin1Char('\n'), 0, -3), piped.out.section(QLatin1Char('\n'), 0, -3));
        QVERIFY(terminal.err.contains(QStringLiteral("KiB/s")));
        QVERIFY(terminal.err.contains(QStringLiteral("left")));
        // Cleared at the end: the last thing written returns to an empty line.
        QVERIFY(terminal.err.endsWith(QLatin1Char('\r')));
        const int blanked = terminal.err.lastIndexOf(QLatin1Char('\r'), terminal.err.size() - 2);
        QVERIFY(blanked >= 0);
        QVERIFY(terminal.err.mid(blanked + 1).chopped(1).trimmed().isEmpty());
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
    }

    void programExitStatus_data()
    {
        QTest::addColumn<QStringList>("args");   // "OUT" stands for an output path
        QTest::addColumn<int>("status");

        QTest::newRow("dump") << QStringList{"dump", "--console", "gb", "--size", "128K", "--mapper", "MBC1",
                                             "--simulate", "demo", "OUT"} << 0;
        // The program itself as a cartridge: no logo, no title row, nothing to preset.
        QTest::newRow("auto refused") << QStringList{"auto", "--console", "gba", "--simulate", QUORVEL_CLI_PATH, "OUT"} << 1;
        QTest::newRow("bad usage") << QStringList{"dump", "--console", "gba", "--size", "3M", "OUT"} << 2;
        QTest::newRow("unreadable image") << QStringList{"info", "--console", "gb", "--simulate", "no/such/image.gb"} << 2;
    }

    void programExitStatus()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);

        QTemporaryDir dir;
        const QString output = dir.filePath(QStringLiteral("out.bin"));
        args.replaceInStrings(QRegularExpression(QStringLiteral("^OUT$")), output);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QUORVEL_NO_DETECT"), QStringLiteral("1"));
        env.remove(QStringLiteral("QUORVEL_DRIVES"));
        env.remove(QStringLiteral("QUORVEL_SIMULATE"));

        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(QUORVEL_CLI_PATH), args);
        QVERIFY(p.waitForFinished(300000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        const QString err = QString::fromUtf8(p.readAllStandardError());
        QVERIFY2(p.exitCode() == status, qPrintable(err));
        QCOMPARE(QFile::exists(output), status == 0 && args.contains(output));
        // A pipe is no terminal: messages only on failure, never a progress line.
        QCOMPARE(err.isEmpty(), status == 0);
        QVERIFY(!err.contains(QLatin1Char('\r')));
    }
};

QTEST_GUILESS_MAIN(TestCliRuns)
#include "test_cli_runs.moc"
