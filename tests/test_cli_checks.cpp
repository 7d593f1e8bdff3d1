// What a dump says of its image: exit status, outcome, refusal of an empty
// slot, and reads compared on a reader that flips bits.
#include "cli/app.h"
#include "simulator/demo.h"
#include "simulator/msx_cartridge.h"
#include "simulator/setup.h"
#include "simulator/simulated_reader.h"
#include "support/carts.h"
#include "support/harness.h"

#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

namespace {

struct Run {
    int status = -1;
    QString out;
};

Run run_cli(const QStringList &args)
{
    Run r;
    QString err;
    QTextStream out(&r.out), e(&err);
    r.status = cli::run(args, out, e, false);
    out.flush();
    e.flush();
    r.out += err;
    return r;
}

QString field(const QString &report, const QString &key)
{
    for (const QString &line : report.split(QLatin1Char('\n')))
        if (line.startsWith(key + QStringLiteral(": ")))
            return line.mid(key.size() + 2);
    return QString();
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

} // namespace

class TestCliChecks : public QObject {
    Q_OBJECT
private slots:
    // A read here and there loses a bit (one in fifty as the boards' model
    // has it, one in six to spoil a few reads of the shortest dumps). Read
    // twice, the image is exact or the dump fails with no file; a spoilt read
    // shows as a block read again.
    void flakyReaderReadTwice_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<quint64>("seed");
        QTest::addColumn<uint>("oneIn");
        for (const char *family : {"md", "sms", "msx", "sfc", "gb", "gba"})
            for (quint64 seed : {1u, 7u, 23u})
                QTest::addRow("%s seed %llu", family, seed) << QString::fromLatin1(family) << seed << 6u;
        QTest::newRow("gba one in fifty") << "gba" << quint64(5) << 50u;
    }
    void flakyReaderReadTwice()
    {
        QFETCH(QString, family);
        QFETCH(quint64, seed);
        QFETCH(uint, oneIn);
        QTemporaryDir dir;
        const QString output = dir.filePath("out"), report = dir.filePath("report.txt");
        int hint = -1;
        const std::vector<uint8_t> image = sim::demo_image(family.toStdString(), &hint);
        sim::SimulatedReader reader;
        reader.insert(sim::make_cartridge(family.toStdString(), image, hint, nullptr));
        reader.set_flaky(seed, oneIn);
        sim::ScopedPlatform scope(reader);

        const Run r = run_cli(demo_dump(family) + QStringList{"--read-twice", "--report", report, output});
        QVERIFY2(reader.flipped_reads() > 0, "no read was spoilt: the row tests nothing");
        if (r.status == 0) {
            QCOMPARE(file_bytes(output), to_bytes(image));
            const QString readAgain = field(QString::fromUtf8(file_bytes(report)), "Read twice");
            QVERIFY2(readAgain.startsWith("yes, ") && readAgain.mid(5).section(' ', 0, 0).toInt() > 0,
                     qPrintable(readAgain));
        } else {
            QCOMPARE(r.status, 1);
            QVERIFY2(r.out.contains("Unstable reads at 0x"), qPrintable(r.out));
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
        }
    }

    // A reader that spoils every read: read twice, no block ever agrees;
    // without, the header check warns, and the image is kept as suspect.
    void everyReadSpoilt_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<bool>("readTwice");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("line");
        for (const char *family : {"sfc", "gb"}) {
            QTest::addRow("%s read twice", family) << family << true << 1 << "Unstable reads at 0x";
            QTest::addRow("%s once", family) << family << false << 3
                                             << "Warning: two reads of the cartridge header differ";
        }
    }
    void everyReadSpoilt()
    {
        QFETCH(QString, family);
        QFETCH(bool, readTwice);
        QFETCH(int, status);
        QFETCH(QString, line);
        QTemporaryDir dir;
        const QString output = dir.filePath("out"), report = dir.filePath("report.txt");
        int hint = -1;
        sim::SimulatedReader reader;
        reader.insert(sim::make_cartridge(family.toStdString(), sim::demo_image(family.toStdString(), &hint), hint, nullptr));
        reader.set_flaky(3, 1);
        sim::ScopedPlatform scope(reader);

        QStringList args = demo_dump(family) << "--report" << report << output;
        if (readTwice)
            args << "--read-twice";
        const Run r = run_cli(args);
        QCOMPARE(r.status, status);
        QVERIFY2(r.out.contains(line), qPrintable(r.out));
        QCOMPARE(QFile::exists(output), status == 3);
        if (status == 3)
            QCOMPARE(field(QString::fromUtf8(file_bytes(report)), "Outcome"), QStringLiteral("suspect"));
    }

    // No cartridge: the slot's bus all 0xFF (the GBA's floating), or a board
    // that answers all 0x00. Nothing is saved, whatever the family. An MSX
    // cartridge that sits in the upper page alone is no empty slot.
    void emptySlot_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<QByteArray>("image");   // empty: no cartridge
        QTest::addColumn<QStringList>("dump");
        QTest::addColumn<int>("status");
        for (const char *family : {"md", "sms", "msx", "sfc", "gb", "gba"})
            QTest::addRow("%s empty", family) << family << QByteArray() << demo_dump(family) << 1;
        QTest::newRow("sfc empty, read twice") << "sfc" << QByteArray() << demo_dump("sfc") + QStringList{"--read-twice"} << 1;
        QTest::newRow("md zeros") << "md" << QByteArray(0x80000, '\0') << demo_dump("md") << 1;
        QTest::newRow("gb zeros") << "gb" << QByteArray(0x8000, '\0') << QStringList{"dump", "--console", "gb", "--size", "32K"} << 1;
        QTest::newRow("msx fixed pages, empty") << "msx" << QByteArray() << QStringList{"dump", "--console", "msx", "--size", "16K"} << 1;
        QTest::newRow("msx upper page") << "msx" << random_image(0x4000, 5) << QStringList{"dump", "--console", "msx", "--size", "16K"} << 0;
    }
    void emptySlot()
    {
        QFETCH(QString, family);
        QFETCH(QByteArray, image);
        QFETCH(QStringList, dump);
        QFETCH(int, status);
        QTemporaryDir dir;
        const QString output = dir.filePath("out");
        sim::SimulatedReader reader;
        if (family == "msx" && !image.isEmpty())
            reader.insert(std::make_unique<sim::MsxCartridge>(to_vector(image), 0, 0x8000));
        else if (!image.isEmpty())
            reader.insert(sim::make_cartridge(family.toStdString(), to_vector(image), -1, nullptr));
        sim::ScopedPlatform scope(reader);

        const Run r = run_cli(dump << output);
        QCOMPARE(r.status, status);
        QCOMPARE(r.out.contains("No cartridge answers.\n"), status == 1);
        QCOMPARE(file_bytes(output), status == 1 ? QByteArray() : image);
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
        int hint = -1;
        sim::SimulatedReader reader;
        reader.insert(sim::make_cartridge(family.toStdString(), sim::demo_image(family.toStdString(), &hint), hint, nullptr));
        sim::ScopedPlatform scope(reader);
        // Part of the cartridge: saved, as suspect.
        QCOMPARE(run_cli(QStringList{"dump", "--console", family, "--read-twice", dir.filePath("out")} + args).status, 3);
        QTEST(driveTrace(reader), "trace");
    }

    void readTwiceIsForDumps()
    {
        const Run r = run_cli({"info", "--console", "gb", "--read-twice"});
        QCOMPARE(r.status, 2);
        QVERIFY(r.out.contains("takes no --read-twice"));
    }
};

QTEST_GUILESS_MAIN(TestCliChecks)
#include "test_cli_checks.moc"
