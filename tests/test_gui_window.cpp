// The main window with its console bar and tabs.
#include "app/tabdialog.h"
#include "gui/console.h"
#include "gui/settings.h"
#include "gui/tababout.h"
#include "gui/tabgui.h"
#include "simulator/cartridge.h"
#include "simulator/simulated_reader.h"
#include "support/console_lines.h"
#include "support/gate.h"
#include "workers/worker.h"

#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

namespace {

QImage iconImage(const QIcon &icon)
{
    return icon.pixmap(36, 36).toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class TestWindow : public QObject {
    Q_OBJECT
    sim::SimulatedReader reader_;
    std::unique_ptr<sim::ScopedPlatform> scope_;

private slots:
    void initTestCase() { scope_ = std::make_unique<sim::ScopedPlatform>(reader_); }

    // Each button of the bar shows its own icon and selects its family,
    // which the operation tab's caption and icon then follow; on the About
    // tab the bar does nothing.
    void consoleBar()
    {
        const char *const labels[] = {"MD/GEN", "SMS", "MSX/MSX2", "SFC/SNES", "GB/GBC", "GBA"};
        const char *const icons[] = {"md", "sms", "msx", "sfc", "gb", "gba"};
        const int codes[] = {19, 18, 21, 15, 2, 3};
        TabDialog window;
        QVERIFY(window.windowTitle().startsWith(QStringLiteral("Varno Quorvel client build - ")));
        QCOMPARE(window.tabs->count(), 2);
        QCOMPARE(window.tabs->widget(0), window.tabGui);
        QVERIFY(qobject_cast<TabAbout *>(window.tabs->widget(1)));
        QCOMPARE(window.tabs->tabText(0), QStringLiteral("MD/GEN"));
        QList<QImage> seen;
        for (int i : {1, 2, 3, 4, 5, 0}) {
            QToolButton *button = window.consoleButtons[i];
            const QImage image = iconImage(console_icon(qPrintable(QStringLiteral(":/images/%1.png").arg(icons[i]))));
            QVERIFY2(!image.isNull() && !seen.contains(image), icons[i]);
            seen << image;
            QCOMPARE(button->toolTip(), QString::fromLatin1(labels[i]));
            QCOMPARE(iconImage(button->icon()), image);

            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(window.tabs->tabText(0), QString::fromLatin1(labels[i]));
            QCOMPARE(iconImage(window.tabs->tabIcon(0)), image);
            QCOMPARE(window.tabGui->consoleCode, codes[i]);
            QCOMPARE(window.tabGui->settings->currentConsole, codes[i]);
            QCOMPARE(shown(window.tabGui->console).last(),
                     QStringLiteral("Select : ") + QLatin1String(labels[i]));
        }

        window.tabs->setCurrentIndex(1);
        const QString log = window.tabGui->console->toHtml();
        QTest::mouseClick(window.consoleButtons[5], Qt::LeftButton);   // GBA
        QCOMPARE(window.tabs->tabText(0), QStringLiteral("MD/GEN"));
        QCOMPARE(window.tabGui->console->toHtml(), log);
        QCOMPARE(window.tabGui->consoleCode, 19);
        QCOMPARE(window.tabs->currentIndex(), 1);
    }

    // A family chosen during a run would take that run's presets: the bar
    // is off from the click until the run has ended.
    void consoleBarOffDuringRuns_data()
    {
        QTest::addColumn<bool>("dump");
        QTest::newRow("Info") << false;
        QTest::newRow("Dump") << true;
    }

    void consoleBarOffDuringRuns()
    {
        QFETCH(bool, dump);
        std::vector<uint8_t> rom(131072, 0x5A);
        reader_.insert(std::make_unique<sim::MdCartridge>(rom));
        Gate gate;
        gate.install(reader_);
        QTemporaryDir dir;
        TabDialog window;
        window.tabGui->saveFileDialog = [&](QWidget *, const QString &, const QString &, const QString &) {
            return dir.filePath(QStringLiteral("x.md"));
        };
        QTest::mouseClick(dump ? window.tabGui->dumpButton : window.tabGui->infoButton, Qt::LeftButton);
        const bool held = gate.reached.tryAcquire(1, 120000);
        int live = 0;
        for (QToolButton *b : window.consoleButtons)
            live += b->isEnabled();
        gate.go.release();
        QVERIFY(held);
        QCOMPARE(live, 0);
        QTRY_VERIFY_WITH_TIMEOUT(window.tabGui->infoButton->isEnabled(), 120000);
        for (QToolButton *b : window.consoleButtons)
            QVERIFY(b->isEnabled());
        window.tabGui->mdThreadDump->wait();
        window.tabGui->mdThreadInfo->wait();
        reader_.set_read_hook(nullptr);
    }
};

QTEST_MAIN(TestWindow)
#include "test_gui_window.moc"
