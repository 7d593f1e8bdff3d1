// The progress bar's text, verdict colours, and the Japanese translation.
#include "app/tabdialog.h"
#include "gui/console.h"
#include "gui/tabgui.h"
#include "gui/translation.h"
#include "simulator/demo.h"
#include "simulator/setup.h"
#include "simulator/simulated_reader.h"
#include "support/harness.h"
#include "workers/registry.h"

#include <QDir>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QTranslator>
#include <QtTest>
#include <memory>

class TestGuiDisplay : public QObject {
    Q_OBJECT
private slots:
    void progressDetails_data()
    {
        QTest::addColumn<qint64>("done");
        QTest::addColumn<qint64>("total");
        QTest::addColumn<qint64>("elapsedMs");
        QTest::addColumn<QString>("text");
        QTest::newRow("start") << qint64(1) << qint64(4194304) << qint64(0) << "0.0 / 4.0 MiB";
        QTest::newRow("KiB/s") << qint64(262144) << qint64(524288) << qint64(1000) << "256 / 512 KiB  256 KiB/s  0:01 left";
        QTest::newRow("MiB/s") << qint64(3145728) << qint64(33554432) << qint64(1000) << "3.0 / 32.0 MiB  3.0 MiB/s  0:10 left";
    }

    void progressDetails()
    {
        QFETCH(qint64, done);
        QFETCH(qint64, total);
        QFETCH(qint64, elapsedMs);
        QTEST(progress_details(done, total, elapsedMs), "text");
    }

    void lineTone_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("tone");
        const int good = int(LineTone::Good), problem = int(LineTone::Problem), plain = int(LineTone::Plain);
        QTest::newRow("verified") << "Verified: Some Game (Jpn)" << good;
        QTest::newRow("mismatch") << "Header checksum mismatch." << problem;
        QTest::newRow("save error") << "Save file error./tmp/x.md" << problem;
        QTest::newRow("warning") << "Warning: the ROM size byte is unknown" << problem;
        QTest::newRow("declares") << "The cartridge header declares 4 Mbit" << problem;
        QTest::newRow("not listed") << "Not in the catalogue." << plain;
        QTest::newRow("title naming a verdict") << "Title: Verified: OK" << plain;
    }

    void lineTone()
    {
        QFETCH(QString, line);
        QTEST(int(line_tone(line)), "tone");
    }

    // A run's end leaves an empty bar with no text, and its verdict in colour.
    void runEnd()
    {
        TabGui tab;
        tab.setProgress(1, 524288);
        tab.setProgress(262144, 524288);
        QVERIFY2(tab.progressBar->text().startsWith(QStringLiteral("50%  256 / 512 KiB")),
                 qPrintable(tab.progressBar->text()));
        tab.setProgress(1, 1);
        tab.print_error(1);
        QCOMPARE(tab.progressBar->text(), QString());
        const QTextCursor status = tab.console->document()->find(QStringLiteral(">Success!"));
        QVERIFY(!status.isNull());
        QCOMPARE(status.charFormat().foreground().color(), QColor(0, 70, 0));
    }

    // Installed copies keep it under share/; a copy beside the program wins.
    void translationFile()
    {
        QTemporaryDir root;
        const QString bin = root.filePath(QStringLiteral("bin"));
        const QString shared = root.filePath(QStringLiteral("share/quorvel/translations/quorvel_jpn.qm"));
        QVERIFY(QDir().mkpath(bin) && QDir().mkpath(QFileInfo(shared).path()));
        QCOMPARE(translation_file(bin, {QStringLiteral("ja-JP")}), QString());
        QVERIFY(QFile(shared).open(QIODevice::WriteOnly));
        QCOMPARE(QFileInfo(translation_file(bin, {QStringLiteral("ja")})).canonicalFilePath(),
                 QFileInfo(shared).canonicalFilePath());
        QVERIFY(QFile(bin + QStringLiteral("/quorvel_jpn.qm")).open(QIODevice::WriteOnly));
        QCOMPARE(translation_file(bin, {QStringLiteral("ja-JP"), QStringLiteral("en")}), bin + QStringLiteral("/quorvel_jpn.qm"));
        QCOMPARE(translation_file(bin, {QStringLiteral("en-US"), QStringLiteral("ja")}), QString());
    }

    void japanese()
    {
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(QUORVEL_QM)));
        QCoreApplication::installTranslator(&translator);

        TabDialog window;
        QVERIFY2(window.windowTitle().startsWith(QStringLiteral("Varno Quorvel クライアント ビルド - ")),
                 qPrintable(window.windowTitle()));

        // A frame text, logged under the concrete worker's class.
        sim::SimulatedReader reader('G', "QXB");
        reader.insert(sim::make_cartridge("gba", sim::demo_image("gba"), -1, nullptr));
        sim::ScopedPlatform scoped(reader);
        std::unique_ptr<InfoWorker> worker(make_info_worker(code(ConsoleCode::gba)));
        const RunRecord run = runWorker(*worker);
        QVERIFY2(run.logs.contains(QStringLiteral("--デバイス情報--")), qPrintable(run.logs.join('\n')));
        QCOMPARE(int(line_tone(QStringLiteral(">成功しました!"))), int(LineTone::Good));
        QCoreApplication::removeTranslator(&translator);
    }
};

QTEST_MAIN(TestGuiDisplay)
#include "test_gui_display.moc"
