// The progress bar's text, the log's colours, and the Japanese translation.
#include "app/tabdialog.h"
#include "gui/console.h"
#include "gui/settings.h"
#include "gui/tabgui.h"
#include "gui/translation.h"
#include "simulator/cartridge.h"
#include "simulator/demo.h"
#include "simulator/setup.h"
#include "simulator/simulated_reader.h"
#include "support/carts.h"
#include "support/harness.h"
#include "workers/registry.h"

#include <QDir>
#include <QHash>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QTranslator>
#include <QtTest>
#include <cmath>
#include <memory>

namespace {

// Gives chosen texts other words, as a translation may.
class Rewording : public QTranslator {
public:
    void add(const char *context, const char *source, const char *text)
    {
        words_.insert(QLatin1String(context) + QLatin1Char('|') + QLatin1String(source), QLatin1String(text));
    }
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        return words_.value(QLatin1String(context) + QLatin1Char('|') + QLatin1String(source));
    }

private:
    QHash<QString, QString> words_;
};

QString colour(const QTextCursor &at)
{
    const QTextCharFormat format = at.charFormat();
    if (!format.hasProperty(QTextFormat::ForegroundBrush))
        return QStringLiteral("plain");
    const QColor c = format.foreground().color();
    return c == QColor(0, 45, 0) ? QStringLiteral("good") : c == QColor(85, 0, 0) ? QStringLiteral("problem")
                                                                                   : c.name();
}

// The contrast ratio of two colours as WCAG defines it.
double contrast(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &c) {
        const auto channel = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

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

    // Lines take their colour from the tone the worker gives them, whatever
    // words a translation puts in them.
    void toneColoursTheLog()
    {
        Rewording words;
        words.add("mdThreadDump", "Warning: the image fails its header checksum; it may be a bad dump.",
                  "Attention: bad checksum, maybe a bad dump.");
        words.add("mdThreadDump", "Save file success.", "Stored as ");
        words.add("mdThreadDump", "File CRC: 0x", "Warning CRC 0x");
        QCoreApplication::installTranslator(&words);

        QByteArray image = md_image(random_image(131072, 5), 131071);
        image[0x300] = char(image[0x300] ^ 1);   // the header checksum fails
        sim::SimulatedReader reader;
        reader.insert(std::make_unique<sim::MdCartridge>(to_vector(image)));
        sim::ScopedPlatform scoped(reader);
        QTemporaryDir dir;
        TabGui tab;
        tab.saveFileDialog = [&](QWidget *, const QString &, const QString &, const QString &) {
            return dir.filePath(QStringLiteral("out.md"));
        };
        tab.settings->selectRomSize(131072);
        QTest::mouseClick(tab.dumpButton, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(tab.infoButton->isEnabled() && tab.mdThreadDump->isFinished(), 120000);
        QCoreApplication::processEvents();
        QCoreApplication::removeTranslator(&words);

        const struct {
            const char *start;
            const char *colour;
        } rows[] = {
            {"Reading data from ROM to file:", "plain"},
            {"Stored as ", "good"},
            {"Warning CRC 0x", "plain"},
            {"Header checksum mismatch.", "problem"},
            {"Attention: bad checksum", "problem"},
            // The image fails its checksum: a suspect save is not shown as good.
            {">Success!", "problem"},
        };
        for (const auto &row : rows) {
            const QTextCursor line = tab.console->document()->find(QLatin1String(row.start));
            QVERIFY2(!line.isNull(), row.start);
            QCOMPARE(colour(line), QLatin1String(row.colour));
        }
    }

    // A run's end leaves an empty bar with no text, and its verdict in a
    // colour that reads on the log's background (4.5:1).
    void runEnd_data()
    {
        QTest::addColumn<int>("err");
        QTest::addColumn<QString>("status");
        QTest::newRow("success") << 1 << ">Success!";
        QTest::newRow("failure") << 0 << ">Operation failure.";
    }

    void runEnd()
    {
        QFETCH(int, err);
        QFETCH(QString, status);
        TabGui tab;
        tab.setProgress(1, 524288);
        tab.setProgress(262144, 524288);
        QVERIFY2(tab.progressBar->text().startsWith(QStringLiteral("50%  256 / 512 KiB")),
                 qPrintable(tab.progressBar->text()));
        tab.setProgress(1, 1);
        tab.print_error(err);
        QCOMPARE(tab.progressBar->text(), QString());
        const QTextCursor line = tab.console->document()->find(status);
        QVERIFY(!line.isNull());
        const QWidget *view = tab.console->viewport();
        const QColor text = line.charFormat().foreground().color();
        const QColor background = view->palette().color(view->backgroundRole());
        QVERIFY(text != tab.console->palette().color(QPalette::Text));
        QVERIFY2(contrast(text, background) >= 4.5,
                 qPrintable(QStringLiteral("%1 on %2: %3:1").arg(text.name(), background.name()).arg(contrast(text, background))));
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
        QVERIFY2(progress_details(262144, 524288, 1000).endsWith(QStringLiteral("残り 0:01")),
                 qPrintable(progress_details(262144, 524288, 1000)));
        // Qt's own dialogs and buttons too.
        QTranslator qt;
        QVERIFY(load_qt_translation(qt));
        QCoreApplication::installTranslator(&qt);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("キャンセル"));
        QCoreApplication::removeTranslator(&qt);
        QCoreApplication::removeTranslator(&translator);
    }
};

QTEST_MAIN(TestGuiDisplay)
#include "test_gui_display.moc"
