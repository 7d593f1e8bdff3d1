// The headless front end's command line, the presets it keeps for auto, and
// how it prints log lines and progress.
#include "cli/options.h"
#include "cli/output.h"
#include "cli/presets.h"

#include <QtTest>

Q_DECLARE_METATYPE(cli::Command)

using cli::Command;

class TestCliOptions : public QObject {
    Q_OBJECT
private slots:
    void acceptedLines_data();
    void acceptedLines();
    void refusedLines_data();
    void refusedLines();
    void sizeForms_data();
    void sizeForms();
    void mapperForms_data();
    void mapperForms();
    void presetsFollowTheRowLists_data();
    void presetsFollowTheRowLists();
    void logText_data();
    void logText();
    void progressText_data();
    void progressText();
};

void TestCliOptions::acceptedLines_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<Command>("command");
    QTest::addColumn<int>("console");
    QTest::addColumn<int>("romSize");     // -1: none given
    QTest::addColumn<int>("mapper");      // -1: none given
    QTest::addColumn<QString>("output");

    QTest::newRow("info") << QStringList{"info", "--console", "md"} << Command::Info << 19 << -1 << -1 << "";
    QTest::newRow("dump, equals forms")
        << QStringList{"dump", "--console=sfc", "--size=12 Mbit", "--mapper=hirom", "out.sfc"}
        << Command::Dump << 15 << 1572864 << 2 << "out.sfc";
    QTest::newRow("options after the output")
        << QStringList{"dump", "out.gb", "--size", "1024KB", "--console", "gb", "--mapper", "MBC5"}
        << Command::Dump << 2 << 1048576 << 4 << "out.gb";
    QTest::newRow("output after --") << QStringList{"auto", "--console", "md", "--", "--odd name"}
                                     << Command::Auto << 19 << -1 << -1 << "--odd name";
    QTest::newRow("list-drives") << QStringList{"list-drives"} << Command::ListDrives << 0 << -1 << -1 << "";
    QTest::newRow("help wins") << QStringList{"frobnicate", "--help"} << Command::Help << 0 << -1 << -1 << "";
    QTest::newRow("version") << QStringList{"--version"} << Command::Version << 0 << -1 << -1 << "";
}

void TestCliOptions::acceptedLines()
{
    QFETCH(QStringList, args);
    QFETCH(Command, command);
    QFETCH(int, console);
    QFETCH(int, romSize);
    QFETCH(int, mapper);
    QFETCH(QString, output);

    cli::Options o;
    QString error;
    QVERIFY2(cli::parse_arguments(args, &o, &error), qPrintable(error));
    QCOMPARE(o.command, command);
    QCOMPARE(o.console, console);
    QCOMPARE(o.hasSize ? o.romSize : -1, romSize);
    QCOMPARE(o.hasMapper ? o.mapper : -1, mapper);
    QCOMPARE(o.output, output);
}

void TestCliOptions::refusedLines_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QStringList>("mentions");   // the message names these

    QTest::newRow("nothing") << QStringList{} << QStringList{"no command", "info", "list-drives"};
    QTest::newRow("unknown command") << QStringList{"frobnicate"} << QStringList{"frobnicate", "auto"};
    QTest::newRow("missing console") << QStringList{"info"} << QStringList{"--console", "md, sms, msx, sfc, gb, gba"};
    QTest::newRow("unknown console") << QStringList{"info", "--console", "nes"}
                                     << QStringList{"nes", "md, sms, msx, sfc, gb, gba"};
    QTest::newRow("option as value") << QStringList{"dump", "--size", "--console", "md", "o"}
                                     << QStringList{"--size needs a value"};
    QTest::newRow("size not of the family") << QStringList{"dump", "--console", "gba", "--size", "3M", "o"}
                                            << QStringList{"3M", "GBA", "\"8Mbit\" (1048576)", "\"512Mbit\" (67108864)"};
    QTest::newRow("size of another family") << QStringList{"dump", "--console", "gb", "--size", "12Mbit", "o"}
                                            << QStringList{"12Mbit", "GB/GBC", "\"32KB\" (32768)"};
    QTest::newRow("unknown unit") << QStringList{"dump", "--console", "md", "--size", "512 parsecs", "o"}
                                  << QStringList{"not a size", "Mbit", "\"128 Kbytes\" (131072)"};
    QTest::newRow("negative size") << QStringList{"dump", "--console", "md", "--size", "-512K", "o"}
                                   << QStringList{"not a size"};
    QTest::newRow("huge size") << QStringList{"dump", "--console", "md", "--size", "99999999999999999M", "o"}
                               << QStringList{"not a size"};
    QTest::newRow("dump without size") << QStringList{"dump", "--console", "sms", "o"}
                                       << QStringList{"--size", "\"256 Kbytes\" (262144)"};
    QTest::newRow("unknown mapper") << QStringList{"dump", "--console", "msx", "--size", "128K", "--mapper", "konami9", "o"}
                                    << QStringList{"konami9", "MSX/MSX2", "\"Ascii/16kb\" (5)", "(128)"};
    QTest::newRow("mapper value not listed") << QStringList{"auto", "--console", "sfc", "--mapper", "9", "o"}
                                             << QStringList{"\"9\"", "\"LOROM\" (1)"};
    QTest::newRow("missing output") << QStringList{"dump", "--console", "md", "--size", "512K"}
                                    << QStringList{"OUTPUT"};
    QTest::newRow("two outputs") << QStringList{"dump", "--console", "md", "--size", "512K", "a", "b"}
                                 << QStringList{"unexpected", "\"b\""};
    QTest::newRow("unknown option") << QStringList{"info", "--console", "md", "--fast"}
                                    << QStringList{"--fast", "--console", "--report"};
    QTest::newRow("option twice") << QStringList{"info", "--console", "md", "--console", "gb"}
                                  << QStringList{"--console", "twice"};
    QTest::newRow("info with size") << QStringList{"info", "--console", "md", "--size", "512K"}
                                    << QStringList{"no --size"};
    QTest::newRow("info with report") << QStringList{"info", "--console", "md", "--report", "r.txt"}
                                      << QStringList{"no --report"};
    QTest::newRow("simulation without console") << QStringList{"list-drives", "--simulate", "demo"}
                                                << QStringList{"--console"};
    QTest::newRow("report over the image") << QStringList{"auto", "--console", "gb", "--report", "x.gb", "x.gb"}
                                           << QStringList{"--report", "OUTPUT"};
}

void TestCliOptions::refusedLines()
{
    QFETCH(QStringList, args);
    QFETCH(QStringList, mentions);

    cli::Options o;
    QString error;
    QVERIFY(!cli::parse_arguments(args, &o, &error));
    for (const QString &m : mentions)
        QVERIFY2(error.contains(m), qPrintable(QStringLiteral("\"%1\" lacks \"%2\"").arg(error, m)));
}

void TestCliOptions::sizeForms_data()
{
    QTest::addColumn<int>("console");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("bytes");   // -1: refused

    QTest::newRow("bytes") << 19 << "524288" << 524288;
    QTest::newRow("K") << 19 << "512K" << 524288;
    QTest::newRow("KiB") << 19 << "512KiB" << 524288;
    QTest::newRow("M") << 3 << "4M" << 4194304;
    QTest::newRow("MiB lower case") << 3 << "4mib" << 4194304;
    QTest::newRow("Mbit") << 3 << "32Mbit" << 4194304;
    QTest::newRow("blanks") << 15 << "  4 Mbit " << 524288;
    QTest::newRow("SMS 48K") << 18 << "48K" << 49152;
    QTest::newRow("zero") << 19 << "0" << -1;
    QTest::newRow("not a power of two, not listed") << 2 << "96K" << -1;
    QTest::newRow("MiB not listed") << 3 << "12M" << -1;
    QTest::newRow("Mbit not listed") << 3 << "12Mbit" << -1;
    QTest::newRow("no number") << 3 << "Mbit" << -1;
    QTest::newRow("empty") << 3 << "" << -1;
    QTest::newRow("no family") << 0 << "512K" << -1;
}

void TestCliOptions::sizeForms()
{
    QFETCH(int, console);
    QFETCH(QString, text);
    QFETCH(int, bytes);

    int got = -7;
    QString error;
    const bool ok = cli::parse_size(text, console, &got, &error);
    QCOMPARE(ok ? got : -1, bytes);
    QCOMPARE(error.isEmpty(), ok);
}

void TestCliOptions::mapperForms_data()
{
    QTest::addColumn<int>("console");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");   // -1: refused

    QTest::newRow("name with trailing blank") << 21 << "Ascii/8kb with 8kb SRAM" << 7;
    QTest::newRow("case and blanks ignored") << 21 << "  ascii/16KB " << 5;
    QTest::newRow("value past the order") << 21 << "128" << 128;
    QTest::newRow("hex value") << 21 << "0x80" << 128;
    QTest::newRow("value 18 is not listed") << 21 << "18" << -1;
    QTest::newRow("SFC name") << 15 << "EX-HIROM" << 3;
    QTest::newRow("SFC shared value") << 15 << "0" << 0;
    QTest::newRow("GB") << 2 << "mbc3" << 3;
    QTest::newRow("unused row takes its one record") << 3 << "not used" << 0;
    QTest::newRow("unused row refuses others") << 18 << "1" << -1;
    QTest::newRow("prefix is not a name") << 2 << "MBC" << -1;
    QTest::newRow("negative") << 2 << "-1" << -1;
}

void TestCliOptions::mapperForms()
{
    QFETCH(int, console);
    QFETCH(QString, text);
    QFETCH(int, value);

    int got = -7;
    QString error;
    const bool ok = cli::parse_mapper(text, console, &got, &error);
    QCOMPARE(ok ? got : -1, value);
    QCOMPARE(error.isEmpty(), ok);
}

void TestCliOptions::presetsFollowTheRowLists_data()
{
    QTest::addColumn<int>("console");
    QTest::addColumn<int>("row");
    QTest::addColumn<QList<int>>("requests");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("detected");

    QTest::newRow("first option until asked") << 15 << 1 << QList<int>{} << 1 << false;
    QTest::newRow("listed value") << 2 << 2 << QList<int>{1048576} << 1048576 << true;
    QTest::newRow("unlisted value ignored") << 2 << 2 << QList<int>{1000} << 32768 << false;
    QTest::newRow("SFC homebrew value") << 15 << 1 << QList<int>{0} << 0 << true;
    QTest::newRow("SFC 9 changes nothing") << 15 << 1 << QList<int>{9} << 1 << false;
    QTest::newRow("unused row takes 0") << 3 << 1 << QList<int>{0} << 0 << true;
    QTest::newRow("unused row refuses 4") << 3 << 1 << QList<int>{4} << 0 << false;
}

void TestCliOptions::presetsFollowTheRowLists()
{
    QFETCH(int, console);
    QFETCH(int, row);
    QFETCH(QList<int>, requests);
    QFETCH(int, value);
    QFETCH(bool, detected);

    cli::Presets p(console);
    void (cli::Presets::*select)(int) = row == 1 ? &cli::Presets::selectMMCType : &cli::Presets::selectRomSize;
    for (int r : requests)
        (p.*select)(r);
    QCOMPARE(p.value(row), value);
    QCOMPARE(p.detected(row), detected);
}

void TestCliOptions::logText_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("printed");

    QTest::newRow("rule") << "<hr><br>" << QString(40, QLatin1Char('-'));
    QTest::newRow("empty paragraph") << "\r\n" << "";
    QTest::newRow("plain") << "File CRC: 0xabcd" << "File CRC: 0xabcd";
    QTest::newRow("line break inside") << "Default is MD\r\n" << "Default is MD\n";
}

void TestCliOptions::logText()
{
    QFETCH(QString, line);
    QFETCH(QString, printed);
    QCOMPARE(cli::log_text(line), printed);
}

void TestCliOptions::progressText_data()
{
    QTest::addColumn<qint64>("done");
    QTest::addColumn<qint64>("total");
    QTest::addColumn<qint64>("elapsedMs");
    QTest::addColumn<QString>("text");

    QTest::newRow("nothing yet") << qint64(1) << qint64(1048576) << qint64(0) << "  0%  -- KiB/s  --:-- left";
    QTest::newRow("half") << qint64(524288) << qint64(1048576) << qint64(1000) << " 50%  512 KiB/s  0:01 left";
    QTest::newRow("minutes") << qint64(1048576) << qint64(67108864) << qint64(1000) << "  1%  1024 KiB/s  1:03 left";
    QTest::newRow("hours") << qint64(1024) << qint64(67108864) << qint64(1000) << "  0%  1 KiB/s  18:12:15 left";
    QTest::newRow("done") << qint64(4194304) << qint64(4194304) << qint64(2000) << "100%  2048 KiB/s  0:00 left";
    QTest::newRow("past the end is capped") << qint64(5000) << qint64(4096) << qint64(1000) << "100%  4 KiB/s  0:00 left";
}

void TestCliOptions::progressText()
{
    QFETCH(qint64, done);
    QFETCH(qint64, total);
    QFETCH(qint64, elapsedMs);
    QFETCH(QString, text);
    QCOMPARE(cli::progress_text(done, total, elapsedMs), text);
}

QTEST_GUILESS_MAIN(TestCliOptions)
#include "test_cli_options.moc"
