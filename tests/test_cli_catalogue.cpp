// The user's catalogues through the headless program: DAT import, list,
// replace, remove, entries of one's own, and dumps and Info verified against
// them. XDG_DATA_HOME points at a temporary folder.
#include "cli/app.h"
#include "simulator/demo.h"
#include "support/carts.h"
#include "workers/verify/user_catalogues.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QTemporaryDir>
#include <QtTest>
#include "device/checksum.h"

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

Run run_cli(const QStringList &args)
{
    Run r;
    QTextStream out(&r.out), err(&r.err);
    r.status = cli::run(args, out, err, false);
    out.flush();
    err.flush();
    return r;
}

struct Game {
    QString name;     // as written in the XML, entities and all
    QByteArray image;
    QString serial;
};

QByteArray dat(const QString &name, const QString &version, const QList<Game> &games)
{
    QString xml = QStringLiteral("<?xml version=\"1.0\"?>\n"
                                 "<!DOCTYPE datafile PUBLIC \"-//Logiqx//DTD ROM Management Datafile//EN\" "
                                 "\"http://www.logiqx.com/Dats/datafile.dtd\">\n"
                                 "<datafile>\n\t<header>\n\t\t<name>%1</name>\n\t\t<version>%2</version>\n\t</header>\n")
                      .arg(name, version);
    for (const Game &g : games) {
        const QByteArray &d = g.image;
        xml += QStringLiteral("\t<game name=\"%1\">\n\t\t<description>%1</description>\n"
                              "\t\t<rom name=\"x.bin\" size=\"%2\" crc=\"%3\" md5=\"%4\" sha1=\"%5\"%6/>\n\t</game>\n")
                   .arg(g.name)
                   .arg(d.size())
                   .arg(crc32_buffer(d.constData(), size_t(d.size())), 8, 16, QChar('0'))
                   .arg(QString(QCryptographicHash::hash(d, QCryptographicHash::Md5).toHex()),
                        QString(QCryptographicHash::hash(d, QCryptographicHash::Sha1).toHex()),
                        g.serial.isEmpty() ? QString() : QStringLiteral(" serial=\"%1\"").arg(g.serial));
    }
    return (xml + QStringLiteral("</datafile>\n")).toUtf8();
}

// Every file of the catalogue folder with its bytes.
QMap<QString, QByteArray> snapshot()
{
    QMap<QString, QByteArray> files;
    QDirIterator it(verify::user_catalogue_folder(), QDir::Files);
    while (it.hasNext()) {
        const QString path = it.next();
        files[path] = file_bytes(path);
    }
    return files;
}

QByteArray demo(const char *family)
{
    return to_bytes(sim::demo_image(family));
}

} // namespace

class TestCliCatalogue : public QObject {
    Q_OBJECT
    QTemporaryDir data, work;

    QString put(const QString &name, const QByteArray &bytes)
    {
        const QString path = work.filePath(name);
        write_file(path, bytes);
        return path;
    }

    // A GBA demonstration dump; its log.
    Run dumpDemo()
    {
        return run_cli({"auto", "--console", "gba", "--simulate", "demo", "--force", "--report",
                        work.filePath("r.txt"), work.filePath("x.gba")});
    }

private slots:
    void initTestCase()
    {
        QVERIFY(data.isValid() && work.isValid());
        qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
        QVERIFY(verify::user_catalogue_folder().startsWith(data.path()));
    }
    void init()
    {
        QDir(verify::user_catalogue_folder()).removeRecursively();
    }

    // Import, verify a dump against it, replace it with a newer file, remove it.
    void importReplaceRemove()
    {
        const QString first = put("a.dat", dat("Nintendo - Game Boy Advance", "2024", {{"Demo &amp; Co (World)", demo("gba"), {}}}));
        Run r = run_cli({"catalogue", "import", first});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, QStringLiteral("Imported Nintendo - Game Boy Advance, version 2024: 1 entries.\n"));

        r = dumpDemo();
        QCOMPARE(r.status, 0);
        QVERIFY2(r.out.contains("\nVerified: Demo & Co (World)\nFrom the DAT file Nintendo - Game Boy Advance, version 2024.\n"),
                 qPrintable(r.out));
        QVERIFY(file_bytes(work.filePath("r.txt")).contains(
            "Catalogue: verified: Demo & Co (World) (DAT Nintendo - Game Boy Advance, version 2024)\n"));

        const QString newer = put("b.dat", dat("Nintendo - Game Boy Advance", "2025",
                                               {{"Renamed", demo("gba"), {}}, {"Other", random_image(4096, 5), {}}}));
        r = run_cli({"catalogue", "import", newer});
        QCOMPARE(r.out, QStringLiteral("Replaced Nintendo - Game Boy Advance, version 2025: 2 entries.\n"));
        r = run_cli({"catalogue", "list"});
        QCOMPARE(r.out.split('\n').mid(0, 2), (QStringList{"Built-in catalogue: " + QString::number(verify::builtin().size()) + " entries",
                                                           "Nintendo - Game Boy Advance, version 2025: 2 entries"}));
        QVERIFY(dumpDemo().out.contains("\nVerified: Renamed\n"));

        r = run_cli({"catalogue", "remove", "Nintendo - Game Boy Advance"});
        QCOMPARE(r.status, 0);
        QVERIFY(!run_cli({"catalogue", "list"}).out.contains("Game Boy Advance"));
        QVERIFY(dumpDemo().out.contains("\nNot in the catalogue.\n"));
        QCOMPARE(run_cli({"catalogue", "remove", "Nintendo - Game Boy Advance"}).status, 1);
    }

    // A refused file names the place of its fault and leaves the catalogue
    // folder as it was.
    void refused_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("where");

        const QByteArray head = "<?xml version=\"1.0\"?>\n<datafile>\n<header><name>Bad</name></header>\n";
        QString laughs = "<?xml version=\"1.0\"?>\n<!DOCTYPE datafile [\n<!ENTITY a \"aaaaaaaaaa\">\n";
        for (char c = 'b'; c <= 'j'; ++c)
            laughs += QString("<!ENTITY %1 \"%2\">\n").arg(QChar(c), QString("&%1;").arg(QChar(c - 1)).repeated(10));
        laughs += "]>\n<datafile><header><name>&j;</name></header></datafile>\n";
        QTest::newRow("not well-formed") << head + "<game name=\"x\"><rom name=\"r\" size=\"4\" crc=\"12345678\"></game>\n</datafile>\n"
                                         << "line 4, column ";
        QTest::newRow("cut short") << head + "<game name=\"x\">" << "line 4, column ";
        QTest::newRow("no header name") << QByteArray("<?xml version=\"1.0\"?>\n<datafile>\n<header><version>1</version></header>\n"
                                                      "<game name=\"x\"/>\n</datafile>\n")
                                        << "line 4, column ";
        QTest::newRow("entities of its own") << laughs.toUtf8() << "line 2, column 20: ";
        QTest::newRow("undeclared entity") << head + "<game name=\"&bomb;\"/></datafile>\n" << "line 4, column ";
        QTest::newRow("deep nesting") << head + QByteArray("<a>").repeated(5000) << "line 4, column ";
        QTest::newRow("huge attribute") << head + "<game name=\"" + QByteArray(3 << 20, 'A') + "\"/></datafile>\n"
                                        << "line 4, column ";
        QTest::newRow("huge comment") << head + "<!-- " + QByteArray("< ").repeated(600000) + "-->\n</datafile>\n"
                                      << "line 4, column ";
        QTest::newRow("not a DAT") << QByteArray("<?xml version=\"1.0\"?>\n<softwarelist name=\"gba\"/>\n")
                                   << "line 2, column ";
    }
    void refused()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, where);
        QCOMPARE(run_cli({"catalogue", "import", put("good.dat", dat("Good", "1", {{"Kept", demo("gba"), {}}}))}).status, 0);
        const QMap<QString, QByteArray> before = snapshot();

        const QString bad = put("bad.dat", file);
        const Run r = run_cli({"catalogue", "import", bad});
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.contains(bad + ": " + where) && r.err.contains("nothing was imported"), qPrintable(r.err));
        QCOMPARE(snapshot(), before);
    }

    // The user's own entry is never reported as verified.
    void ownEntry()
    {
        const QString image = put("mine.gba", demo("gba"));
        Run r = run_cli({"catalogue", "add", image, "--name", "My Cart", "--console", "gba"});
        QCOMPARE(r.status, 0);
        r = dumpDemo();
        QVERIFY2(r.out.contains("\nMatches your own entry: My Cart\n"), qPrintable(r.out));
        QVERIFY(!r.out.contains("Verified"));
        QVERIFY(r.out.contains("matches your own entry"));   // the summary line
        QVERIFY(file_bytes(work.filePath("r.txt")).contains("Catalogue: matches your own entry: My Cart\n"));
        // Adding the same image again retitles it.
        run_cli({"catalogue", "add", image, "--name", "Renamed"});
        QVERIFY(run_cli({"catalogue", "list"}).out.contains("Your own entries: 1\n"));
        QVERIFY(dumpDemo().out.contains("\nMatches your own entry: Renamed\n"));
    }

    // Info names a cartridge from a DAT's serial as from the built-in set.
    void infoFromSerial()
    {
        const QString file = put("md.dat", dat("Sega - Mega Drive - Genesis", "1", {{"Quorvel Demo (World)", random_image(1024, 1), "00000000"}}));
        QCOMPARE(run_cli({"catalogue", "import", file}).status, 0);
        const Run r = run_cli({"info", "--console", "md", "--simulate", "demo"});
        QVERIFY2(r.out.contains("\nIn the catalogue: Quorvel Demo (World)\n"), qPrintable(r.out));
    }
};

QTEST_GUILESS_MAIN(TestCliCatalogue)
#include "test_cli_catalogue.moc"
