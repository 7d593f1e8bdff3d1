// The main window with its console bar and tabs, and the settings panel's
// select-by-value rules.
#include "app/tabdialog.h"
#include "device/cartridge_logos.h"
#include "gui/console.h"
#include "gui/settings.h"
#include "gui/tabgui.h"
#include "simulator/cartridge.h"
#include "simulator/gbc_cartridge.h"
#include "simulator/simulated_reader.h"
#include "support/console_lines.h"
#include "support/gate.h"
#include "workers/save_frame.h"
#include "workers/worker.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <thread>

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
        QVERIFY(!window.windowIcon().pixmap(48, 48).isNull());   // the program's icon
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

    // Escape never closes the window; closing during a Dump asks first, and
    // a confirmed close cancels the run, leaving no file. The console bar is
    // off while a run goes: a family chosen then would take its presets.
    void closing_data()
    {
        QTest::addColumn<bool>("escape");   // else the window is asked to close
        QTest::addColumn<int>("run");       // 0 none, 1 a dump, 2 a Read SRAM run
        QTest::addColumn<int>("answer");    // to the question, if asked
        QTest::addColumn<bool>("open");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("saved");
        const int yes = QMessageBox::Yes, no = QMessageBox::No;
        QTest::newRow("Escape, idle") << true << 0 << yes << true << false << false;
        QTest::newRow("Escape during a dump") << true << 1 << yes << true << false << true;
        QTest::newRow("close, idle") << false << 0 << yes << false << false << false;
        QTest::newRow("close during a dump, kept") << false << 1 << no << true << true << true;
        QTest::newRow("close during a dump, confirmed") << false << 1 << yes << false << true << false;
        QTest::newRow("close during a save, kept") << false << 2 << no << true << true << true;
        QTest::newRow("close during a save, confirmed") << false << 2 << yes << false << true << false;
    }

    void closing()
    {
        QFETCH(bool, escape);
        QFETCH(int, run);
        QFETCH(int, answer);
        const bool running = run != 0;
        Gate gate;
        if (run == 2) {
            std::vector<uint8_t> rom(65536, 0x5A);
            std::copy(std::begin(kGameBoyLogo), std::end(kGameBoyLogo), rom.begin() + 0x104);
            rom[0x147] = 0x03;   // MBC1 with battery RAM
            rom[0x148] = 0x01;
            rom[0x149] = 0x02;   // 8 KiB
            reader_.insert(std::make_unique<sim::GbCartridge>(rom));
            std::vector<uint8_t> save(8192);
            for (size_t i = 0; i < save.size(); ++i)
                save[i] = uint8_t(i * 7);
            QVERIFY(reader_.load_save_ram(save));
            gate.install(reader_);
        } else {
            reader_.insert(std::make_unique<sim::MdCartridge>(std::vector<uint8_t>(524288, 0x5A)));
            gate.install(reader_, 0x20000);
        }
        QTemporaryDir dir;
        const QString target = dir.filePath(run == 2 ? QStringLiteral("x.sav") : QStringLiteral("x.md"));
        TabDialog window;
        window.tabGui->saveFileDialog = [&](QWidget *, const QString &, const QString &, const QString &) {
            return target;
        };
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        if (run == 1) {
            window.tabGui->settings->selectRomSize(524288);
            QTest::mouseClick(window.tabGui->dumpButton, Qt::LeftButton);
        } else if (run == 2) {
            window.tabGui->selectConsole(2);
            QTest::mouseClick(window.tabGui->readSramButton, Qt::LeftButton);
        }
        const bool held = !running || gate.reached.tryAcquire(1, 120000);
        int live = 0;
        for (QToolButton *b : window.consoleButtons)
            live += b->isEnabled();
        // The held read goes on once the run is canceled, or at once when
        // nothing cancels it.
        CartWorker *worker = run == 2 ? static_cast<CartWorker *>(window.tabGui->saveWorkerFor(2, false))
                                      : window.tabGui->mdThreadDump;
        std::thread releaser([&] {
            QElapsedTimer guard;
            guard.start();
            if (running && !escape && answer == QMessageBox::Yes)
                while (!worker->cancelRequested && guard.elapsed() < 60000)
                    QThread::msleep(5);
            gate.go.release();
        });
        QString question;
        QTimer answering;
        connect(&answering, &QTimer::timeout, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                question = box->text();
                box->button(QMessageBox::StandardButton(answer))->click();
            }
        });
        answering.start(10);
        if (escape)
            QTest::keyClick(&window, Qt::Key_Escape);
        else
            window.close();
        if (running && !escape && answer == QMessageBox::No)
            QTest::keyClick(window.tabGui->console, Qt::Key_Escape);   // inside the tab, too
        releaser.join();
        QVERIFY(held);
        QCOMPARE(live, running ? 0 : window.consoleButtons.size());
        QTRY_VERIFY_WITH_TIMEOUT(worker->isFinished() || !running, 120000);
        QCoreApplication::processEvents();
        QTEST(window.isVisible(), "open");
        for (QToolButton *b : window.consoleButtons)
            QVERIFY(b->isEnabled() || !window.isVisible());
        QTEST(!question.isEmpty(), "asked");
        // Nothing half-written: the whole image or no file at all.
        QTEST(QFile::exists(target), "saved");
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), int(QFile::exists(target)));
        reader_.set_read_hook(nullptr);
    }

    // Each action button and Cancel has a shortcut its tooltip names; Info
    // and Dump start their runs.
    void shortcuts_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("line");   // the first line of the run, in the log
        QTest::newRow("Info") << int(Qt::Key_I) << "Info" << "--Device information--";
        QTest::newRow("Dump") << int(Qt::Key_D) << "Dump" << "Reading data from ROM to file:";
    }

    void shortcuts()
    {
        QFETCH(int, key);
        QFETCH(QString, button);
        QFETCH(QString, line);
        reader_.insert(std::make_unique<sim::MdCartridge>(std::vector<uint8_t>(131072, 0x5A)));
        QTemporaryDir dir;
        TabDialog window;
        TabGui *tab = window.tabGui;
        tab->saveFileDialog = [&](QWidget *, const QString &, const QString &, const QString &) {
            return dir.filePath(QStringLiteral("x.md"));
        };
        const QString tips[] = {"Alt+I", "Alt+D", "Alt+F", "Alt+R", "Alt+W", "Alt+C"};
        const QPushButton *buttons[] = {tab->infoButton, tab->dumpButton, tab->flashButton,
                                        tab->readSramButton, tab->writeSramButton, tab->cancelButton};
        for (int i = 0; i < 6; ++i)
            QVERIFY2(buttons[i]->toolTip().contains(tips[i]), qPrintable(buttons[i]->toolTip()));
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        tab->console->clear();
        QTest::keyClick(&window, Qt::Key(key), Qt::AltModifier);
        QTRY_VERIFY_WITH_TIMEOUT(tab->infoButton->isEnabled() && !tab->mdThreadInfo->isRunning()
                                     && !tab->mdThreadDump->isRunning(), 120000);
        QCoreApplication::processEvents();
        QVERIFY2(!shown(tab->console).isEmpty() && shown(tab->console).first() == line,
                 qPrintable(button + ": " + shown(tab->console).join('|')));
    }

    // A preset selects the first option holding the value, or changes
    // nothing; a user's pick stores the value of the option picked.
    // Every ROM SIZE option of every family, against the sizes the lists
    // stand for: a wrong value would dump the wrong number of bytes.
    void romSizeLists_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QList<int>>("sizes");   // in units of `unit` bytes
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("unit");
        QTest::newRow("MD/GEN") << 19 << QList<int>{128, 256, 384, 512, 640, 768, 1024, 1280, 1536, 2048, 2560, 3072, 4096, 5120}
                                << "%1 Kbytes" << 1024;
        QTest::newRow("GB/GBC") << 2 << QList<int>{32, 64, 128, 256, 512, 1024, 2048, 4096, 8192} << "%1KB" << 1024;
        QTest::newRow("GBA") << 3 << QList<int>{8, 16, 32, 64, 128, 256, 512} << "%1Mbit" << 131072;
        QTest::newRow("SFC/SNES") << 15 << QList<int>{1, 2, 4, 8, 12, 16, 20, 24, 32, 40, 48, 96} << "%1 Mbit" << 131072;
        QTest::newRow("SMS") << 18 << QList<int>{256, 128, 1024, 512, 32, 432, 64, 48, 800, 8, 16} << "%1 Kbytes" << 1024;
        QTest::newRow("MSX/MSX2") << 21 << QList<int>{8, 16, 32, 64, 128, 256, 384, 512, 1024, 2048} << "%1 Kbytes" << 1024;
    }
    void romSizeLists()
    {
        QFETCH(int, code);
        QFETCH(QList<int>, sizes);
        QFETCH(QString, name);
        QFETCH(int, unit);
        Settings panel;
        panel.setConsole(code);
        QCOMPARE(panel.romSizeBox->count(), sizes.size());
        for (int i = 0; i < sizes.size(); ++i) {
            emit panel.romSizeBox->activated(i);
            QCOMPARE(panel.romSizeBox->itemText(i), name.arg(sizes[i]));
            QCOMPARE(panel.romSize, sizes[i] * unit);
        }
    }

    void valueRules_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("row");        // 1 mapper, 2 ROM size, 3 RAM type, 4 RAM size
        QTest::addColumn<bool>("pick");      // a user's pick of index `input`, else a preset
        QTest::addColumn<int>("input");
        QTest::addColumn<QString>("shown");  // empty: row left as it was
        QTest::addColumn<int>("stored");

        QTest::newRow("end record's value is no option") << 19 << 2 << false << 0 << "" << 131072;
        QTest::newRow("SFC duplicate value: first wins") << 15 << 1 << false << 0 << "HomebrewSimple" << 0;
        QTest::newRow("SFC unknown mapper") << 15 << 1 << false << 9 << "" << 1;
        QTest::newRow("MSX last mapper") << 21 << 1 << false << 128 << "MicroCabin Harry Fox" << 128;
        QTest::newRow("MSX code past last index") << 21 << 1 << false << 18 << "" << 0;
        QTest::newRow("not-used row takes 0") << 2 << 3 << false << 0 << "NOT USED" << 0;
        QTest::newRow("not-used row refuses others") << 2 << 3 << false << 1 << "" << 0;
        QTest::newRow("GBA save size") << 3 << 4 << false << 512 << "512 bytes" << 512;
        QTest::newRow("pick SFC map mode") << 15 << 1 << true << 3 << "" << 4;
        QTest::newRow("pick past the list") << 19 << 2 << true << 14 << "" << 131072;
    }

    void valueRules()
    {
        QFETCH(int, code);
        QFETCH(int, row);
        QFETCH(bool, pick);
        QFETCH(int, input);
        QFETCH(QString, shown);

        Settings panel;
        panel.setConsole(code);
        QComboBox *boxes[] = {panel.mmcTypeBox, panel.romSizeBox, panel.ramTypeBox, panel.ramSizeBox};
        const int *fields[] = {&panel.mmcType, &panel.romSize, &panel.ramType, &panel.ramSize};
        void (CartridgePresets::*presets[])(int) = {
            &CartridgePresets::selectMMCType, &CartridgePresets::selectRomSize,
            &CartridgePresets::selectRamType, &CartridgePresets::selectRamSize};
        QComboBox *box = boxes[row - 1];
        const QString before = box->currentText();
        if (pick)
            emit box->activated(input);   // what a user's pick emits
        else
            (static_cast<CartridgePresets &>(panel).*presets[row - 1])(input);
        QCOMPARE(box->currentText(), shown.isEmpty() ? before : shown);
        QTEST(*fields[row - 1], "stored");
    }

    // Reloading the family already loaded, or a code that names no family,
    // keeps the choices; another family's rows replace them.
    void setConsoleKeepsOrReloads()
    {
        Settings panel;
        panel.setConsole(2);
        panel.selectRomSize(1048576);
        for (int code : {2, 0, 20, -1}) {
            panel.setConsole(code);
            QCOMPARE(panel.currentConsole, 2);
            QCOMPARE(panel.romSizeBox->currentText(), QStringLiteral("1024KB"));
            QCOMPARE(panel.romSize, 1048576);
        }
        panel.setConsole(3);
        panel.setConsole(2);
        QCOMPARE(panel.romSizeBox->currentText(), QStringLiteral("32KB"));
        QCOMPARE(panel.romSize, 32768);
    }
};

QTEST_MAIN(TestWindow)
#include "test_gui_window.moc"
