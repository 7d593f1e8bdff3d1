// The headless program's terminal output, and how it treats OUTPUT.
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
        QTest::newRow("escape, bell, CR, tab") << "T: \x1b[31mR\a\r\tD" << "T: [31mRD";
        QTest::newRow("C1 control sequence introducer") << QString::fromUtf8("X\xc2\x9b" "2JY") << "X2JY";
        QTest::newRow("line feed and Japanese kept") << QString::fromUtf8("A\n既定") << QString::fromUtf8("A\n既定");
    }

    void terminalText()
    {
        QFETCH(QString, text);
        QTEST(cli::terminal_text(text), "shown");
    }

    void summaryText()
    {
        QCOMPARE(cli::summary_text(524288, 2000, 0xabcd, QStringLiteral("verified")),
                 QStringLiteral("512 KiB in 2.0 s, 256 KiB/s, CRC-32 0000abcd, verified"));
        QCOMPARE(cli::summary_text(8388608, 125000, 0, QStringLiteral("not in the catalogue")),
                 QStringLiteral("8 MiB in 2:05, 65 KiB/s, CRC-32 00000000, not in the catalogue"));
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
        const std::vector<uint8_t> demo = sim::demo_image("md");
        const QByteArray image(reinterpret_cast<const char *>(demo.data()), int(demo.size()));
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
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("mine"));
        old.close();
        run({"--force", output}, 0);
        QCOMPARE(cli.readAllStandardError(), QByteArray());
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), image);

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
};

QTEST_GUILESS_MAIN(TestCliOutput)
#include "test_cli_output.moc"
