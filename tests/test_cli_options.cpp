// The headless front end's command line, the presets it keeps for auto, and
// how it prints log lines and progress.
#include "cli/options.h"
#include "cli/output.h"
#include "cli/presets.h"
#include "workers/registry.h"
#include "workers/worker.h"

#include <memory>

#include <QtTest>

Q_DECLARE_METATYPE(cli::Command)

using cli::Command;

class TestCliOptions : public QObject {
    Q_OBJECT
private slots:
    void acceptedLines_data()
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
        QTest::newRow("help wins") << QStringList{"frobnicate", "--help"} << Command::Help << 0 << -1 << -1 << "";
        QTest::newRow("catalogue add") << QStringList{"catalogue", "add", "x.gba", "--name", "Mine", "--console", "gba"}
                                       << Command::Catalogue << 3 << -1 << -1 << "";
    }

    void acceptedLines()
    {
        QFETCH(QStringList, args);

        cli::Options o;
        QString error;
        QVERIFY2(cli::parse_arguments(args, &o, &error), qPrintable(error));
        QTEST(o.command, "command");
        QTEST(o.console, "console");
        QTEST(o.hasSize ? o.romSize : -1, "romSize");
        QTEST(o.hasMapper ? o.mapper : -1, "mapper");
        QTEST(o.output, "output");
    }

    // Each registered family is reachable by its own name and code, and its
    // descriptor makes that family's workers.
    void everyFamilyIsReachable()
    {
        QSet<int> codes;
        for (const Family *f : families()) {
            QVERIFY2(!codes.contains(f->code()), f->name);
            codes.insert(f->code());
            cli::Options o;
            QString error;
            QVERIFY2(cli::parse_arguments({"info", "--console", f->name}, &o, &error), qPrintable(error));
            QCOMPARE(o.console, f->code());
            QCOMPARE(o.family, QString::fromLatin1(f->name));
            std::unique_ptr<InfoWorker> info(make_info_worker(f->code()));
            std::unique_ptr<DumpWorker> dump(make_dump_worker(f->code()));
            QVERIFY2(info && dump, f->name);
            QCOMPARE(dump->consoleCode(), f->code());
        }
    }

    void refusedLines_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QStringList>("mentions");   // the message names these

        QTest::newRow("unknown command") << QStringList{"frobnicate"} << QStringList{"frobnicate", "auto"};
        QTest::newRow("missing console") << QStringList{"info"} << QStringList{"--console", "md, sms, msx, sfc, gb, gba"};
        QTest::newRow("unknown console") << QStringList{"info", "--console", "nes"}
                                         << QStringList{"nes", "md, sms, msx, sfc, gb, gba"};
        QTest::newRow("option as value") << QStringList{"dump", "--size", "--console", "md", "o"}
                                         << QStringList{"--size needs a value"};
        QTest::newRow("size not of the family") << QStringList{"dump", "--console", "gba", "--size", "3M", "o"}
                                                << QStringList{"3M", "GBA", "\"8Mbit\" (1048576)", "\"512Mbit\" (67108864)"};
        QTest::newRow("unknown unit") << QStringList{"dump", "--console", "md", "--size", "512 parsecs", "o"}
                                      << QStringList{"not a size", "Mbit", "\"128 Kbytes\" (131072)"};
        QTest::newRow("dump without size") << QStringList{"dump", "--console", "sms", "o"}
                                           << QStringList{"--size", "\"256 Kbytes\" (262144)"};
        QTest::newRow("unknown mapper") << QStringList{"dump", "--console", "msx", "--size", "128K", "--mapper", "konami9", "o"}
                                        << QStringList{"konami9", "MSX/MSX2", "\"Ascii/16kb\" (5)", "(128)"};
        QTest::newRow("two outputs") << QStringList{"dump", "--console", "md", "--size", "512K", "a", "b"}
                                     << QStringList{"unexpected", "\"b\""};
        QTest::newRow("unknown option") << QStringList{"info", "--console", "md", "--fast"}
                                        << QStringList{"--fast", "--console", "--report"};
        QTest::newRow("option twice") << QStringList{"info", "--console", "md", "--console", "gb"}
                                      << QStringList{"--console", "twice"};
        QTest::newRow("info with size") << QStringList{"info", "--console", "md", "--size", "512K"}
                                        << QStringList{"no --size"};
        QTest::newRow("info reading twice") << QStringList{"info", "--console", "md", "--read-twice"}
                                            << QStringList{"no --read-twice"};
        QTest::newRow("image named again as report") << QStringList{"auto", "x.gb", "--console", "gb", "--report", "./x.gb"}
                                                     << QStringList{"--report", "OUTPUT"};
        QTest::newRow("catalogue without action") << QStringList{"catalogue"} << QStringList{"import", "add"};
        QTest::newRow("catalogue import of nothing") << QStringList{"catalogue", "import"} << QStringList{"DAT"};
        QTest::newRow("catalogue add without name") << QStringList{"catalogue", "add", "x.gba"} << QStringList{"--name"};
        QTest::newRow("catalogue list with console") << QStringList{"catalogue", "list", "--console", "md"}
                                                     << QStringList{"no options"};
        QTest::newRow("read-save without output") << QStringList{"read-save", "--console", "gb"} << QStringList{"needs the OUTPUT"};
        QTest::newRow("read-save to standard output") << QStringList{"read-save", "--console", "gb", "-"} << QStringList{"\"-\" is not one"};
        QTest::newRow("write-save without input") << QStringList{"write-save", "--console", "gb"} << QStringList{"needs the INPUT"};
        QTest::newRow("backup on read-save") << QStringList{"read-save", "--console", "gb", "--backup", "b", "o"} << QStringList{"takes no --backup"};
        QTest::newRow("ram size on dump") << QStringList{"dump", "--console", "gb", "--size", "32K", "--ram-size", "8K", "o"}
                                          << QStringList{"takes no --ram-size"};
        QTest::newRow("bad ram size") << QStringList{"read-save", "--console", "sms", "--ram-size", "9M", "o"} << QStringList{"not a save size"};
        QTest::newRow("backup is input") << QStringList{"write-save", "--console", "gb", "--backup", "x.sav", "x.sav"}
                                         << QStringList{"another file than INPUT"};
        QTest::newRow("name outside catalogue add") << QStringList{"info", "--console", "md", "--name", "x"}
                                                    << QStringList{"--name", "catalogue add"};
    }

    void refusedLines()
    {
        QFETCH(QStringList, args);
        QFETCH(QStringList, mentions);

        cli::Options o;
        QString error;
        QVERIFY(!cli::parse_arguments(args, &o, &error));
        for (const QString &m : mentions)
            QVERIFY2(error.contains(m), qPrintable(QStringLiteral("\"%1\" lacks \"%2\"").arg(error, m)));
    }

    // Sizes and mappers as typed: the value taken, or -1 when refused with a
    // message.
    void valueForms_data()
    {
        QTest::addColumn<bool>("mapper");   // else a size
        QTest::addColumn<int>("console");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");     // -1: refused

        QTest::newRow("size bytes") << false << 19 << "524288" << 524288;
        QTest::newRow("size K") << false << 19 << "512K" << 524288;
        QTest::newRow("size Mbit") << false << 3 << "32Mbit" << 4194304;
        QTest::newRow("size blanks") << false << 15 << "  4 Mbit " << 524288;
        QTest::newRow("size zero") << false << 19 << "0" << -1;
        QTest::newRow("size not a power of two, not listed") << false << 2 << "96K" << -1;
        QTest::newRow("size negative") << false << 19 << "-512K" << -1;
        QTest::newRow("size overflowing") << false << 19 << "99999999999999999M" << -1;
        QTest::newRow("size no family") << false << 0 << "512K" << -1;
        QTest::newRow("mapper name with trailing blank") << true << 21 << "Ascii/8kb with 8kb SRAM" << 7;
        QTest::newRow("mapper case and blanks ignored") << true << 21 << "  ascii/16KB " << 5;
        QTest::newRow("mapper hex value") << true << 21 << "0x80" << 128;
        QTest::newRow("mapper value 18 is not listed") << true << 21 << "18" << -1;
        QTest::newRow("mapper unused row takes its one record") << true << 3 << "not used" << 0;
        QTest::newRow("mapper unused row refuses others") << true << 3 << "1" << -1;
        QTest::newRow("mapper by board name") << true << 18 << "codemasters" << 1;
        QTest::newRow("mapper prefix is not a name") << true << 2 << "MBC" << -1;
        QTest::newRow("mapper negative") << true << 2 << "-1" << -1;
    }

    void valueForms()
    {
        QFETCH(bool, mapper);
        QFETCH(int, console);
        QFETCH(QString, text);

        int got = -7;
        QString error;
        const bool ok = mapper ? cli::parse_mapper(text, console, &got, &error)
                               : cli::parse_size(text, console, &got, &error);
        QTEST(ok ? got : -1, "value");
        QCOMPARE(error.isEmpty(), ok);
    }

    void presetsFollowTheRowLists_data()
    {
        QTest::addColumn<int>("console");
        QTest::addColumn<int>("row");
        QTest::addColumn<QList<int>>("requests");
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("detected");

        QTest::newRow("first option until asked") << 15 << 1 << QList<int>{} << 1 << false;
        QTest::newRow("listed value") << 2 << 2 << QList<int>{1048576} << 1048576 << true;
        QTest::newRow("unlisted value ignored") << 2 << 2 << QList<int>{1000} << 32768 << false;
        QTest::newRow("unused row takes 0") << 3 << 1 << QList<int>{0} << 0 << true;
    }

    void presetsFollowTheRowLists()
    {
        QFETCH(int, console);
        QFETCH(int, row);
        QFETCH(QList<int>, requests);

        cli::Presets p(console);
        void (cli::Presets::*select)(int) = row == 1 ? &cli::Presets::selectMMCType : &cli::Presets::selectRomSize;
        for (int r : requests)
            (p.*select)(r);
        QTEST(p.value(row), "value");
        QTEST(p.detected(row), "detected");
    }

    // Log lines as printed, and text from the device as a terminal shows it.
    void printedText_data()
    {
        QTest::addColumn<bool>("terminal");   // terminal_text, else log_text
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("printed");
        QTest::newRow("rule") << false << "<hr><br>" << QString(40, QLatin1Char('-'));
        QTest::newRow("empty paragraph") << false << "\r\n" << "";
        QTest::newRow("line break inside") << false << "Default is MD\r\n" << "Default is MD\n";
        QTest::newRow("escape, bell, CR, tab") << true << "T: \x1b[31mR\a\r\tD" << "T: [31mRD";
        QTest::newRow("C1 control sequence introducer") << true << QString::fromUtf8("X\xc2\x9b" "2JY") << "X2JY";
        QTest::newRow("line feed and Japanese kept") << true << QString::fromUtf8("A\n既定") << QString::fromUtf8("A\n既定");
    }
    void printedText()
    {
        QFETCH(bool, terminal);
        QFETCH(QString, line);
        QTEST(terminal ? cli::terminal_text(line) : cli::log_text(line), "printed");
    }

    void progressText_data()
    {
        QTest::addColumn<qint64>("done");
        QTest::addColumn<qint64>("total");
        QTest::addColumn<qint64>("elapsedMs");
        QTest::addColumn<QString>("text");

        QTest::newRow("nothing yet") << qint64(1) << qint64(1048576) << qint64(0) << "  0%  -- KiB/s  --:-- left";
        QTest::newRow("half") << qint64(524288) << qint64(1048576) << qint64(1000) << " 50%  512 KiB/s  0:01 left";
        QTest::newRow("hours") << qint64(1024) << qint64(67108864) << qint64(1000) << "  0%  1 KiB/s  18:12:15 left";
        QTest::newRow("past the end is capped") << qint64(5000) << qint64(4096) << qint64(1000) << "100%  4 KiB/s  0:00 left";
    }

    void progressText()
    {
        QFETCH(qint64, done);
        QFETCH(qint64, total);
        QFETCH(qint64, elapsedMs);
        QTEST(cli::progress_text(done, total, elapsedMs), "text");
    }
};

QTEST_GUILESS_MAIN(TestCliOptions)
#include "test_cli_options.moc"
