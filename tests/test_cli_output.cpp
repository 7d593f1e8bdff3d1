// The headless program's terminal output: what it strips, its summary, the
// progress line at a cancel, and how it treats OUTPUT (kept unless --force,
// "-" for standard output).
#include "cli/output.h"
#include "simulator/demo.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestCliOutput : public QObject {
    Q_OBJECT
private slots:
    void terminalText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("colour escape") << "Title: \x1b[31mRED\x1b[0m" << "Title: [31mRED[0m";
        QTest::newRow("bell, carriage return, tab") << "A\aB\rC\tD" << "ABCD";
        QTest::newRow("C1 control sequence introducer") << QString::fromUtf8("X\xc2\x9b" "2JY") << "X2JY";
        QTest::newRow("line feed and Japanese kept") << QString::fromUtf8("Default\n既定") << QString::fromUtf8("Default\n既定");
    }

    void terminalText()
    {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QCOMPARE(cli::terminal_text(text), shown);
    }

    void summaryText_data()
    {
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<qint64>("elapsedMs");
        QTest::addColumn<QString>("text");
        QTest::newRow("KiB/s") << qint64(524288) << qint64(2000) << "512 KiB in 2.0 s, 256 KiB/s, CRC-32 0000abcd, verified";
        QTest::newRow("MiB/s") << qint64(33554432) << qint64(4000) << "32768 KiB in 4.0 s, 8.0 MiB/s, CRC-32 0000abcd, verified";
        QTest::newRow("minutes") << qint64(8192) << qint64(125000) << "8 KiB in 2:05, 0 KiB/s, CRC-32 0000abcd, verified";
    }

    void summaryText()
    {
        QFETCH(qint64, bytes);
        QFETCH(qint64, elapsedMs);
        QFETCH(QString, text);
        QCOMPARE(cli::summary_text(bytes, elapsedMs, 0xabcd, QStringLiteral("verified")), text);
    }

    // The interrupted progress stays on its own line above the cancel.
    void cancelEndsTheProgressLine()
    {
        QString out, err;
        QTextStream o(&out), e(&err);
        {
            cli::Printer printer(o, e, true);
            printer.progress(1, 1048576);
            printer.progress(524288, 1048576);
            printer.log(QStringLiteral("Dump canceled."));
        }
        QCOMPARE(out, QStringLiteral("Dump canceled.\n"));
        const QString last = err.section(QLatin1Char('\r'), -1);
        QVERIFY2(last.startsWith(QStringLiteral(" 50%")) && last.endsWith(QLatin1Char('\n')), qPrintable(err));
    }

    void outputFile()
    {
        QTemporaryDir dir;
        const QString output = dir.filePath(QStringLiteral("kept.md"));
        QFile old(output);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("mine") == 4);
        old.close();
        const QStringList args{"dump", "--console", "md", "--size", "512K", "--simulate", "demo"};
        const std::vector<uint8_t> demo = sim::demo_image("md");
        const QByteArray image(reinterpret_cast<const char *>(demo.data()), int(demo.size()));

        QProcess cli;
        cli.start(QStringLiteral(QUORVEL_CLI_PATH), args + QStringList{output});
        QVERIFY(cli.waitForFinished(60000));
        QCOMPARE(cli.exitCode(), 1);
        QVERIFY(cli.readAllStandardError().contains("exists; give --force"));
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("mine"));
        old.close();

        cli.start(QStringLiteral(QUORVEL_CLI_PATH), args + QStringList{"--force", output});
        QVERIFY(cli.waitForFinished(60000));
        QCOMPARE(cli.exitCode(), 0);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), image);

        cli.start(QStringLiteral(QUORVEL_CLI_PATH), args + QStringList{"-"});
        QVERIFY(cli.waitForFinished(60000));
        QCOMPARE(cli.exitCode(), 0);
        QCOMPARE(cli.readAllStandardOutput(), image);
        const QByteArray log = cli.readAllStandardError();
        QVERIFY2(log.contains("Save file success.-\n") && !log.contains(dir.path().toUtf8()), log.constData());
        QVERIFY(!QFile::exists(QStringLiteral("-")));
    }
};

QTEST_GUILESS_MAIN(TestCliOutput)
#include "test_cli_output.moc"
