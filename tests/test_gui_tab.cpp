// The operation tab: start state, literal log text, the save dialog, the
// size refusal, and Mega Drive Info then Dump from its buttons against the
// simulated reader.
#include "gui/console.h"
#include "gui/settings.h"
#include "gui/tabgui.h"
#include "simulator/cartridge.h"
#include "simulator/gba_cartridge.h"
#include "simulator/gbc_cartridge.h"
#include "simulator/simulated_reader.h"
#include "support/carts.h"
#include "support/console_lines.h"
#include "support/gate.h"
#include "workers/gba/gba_protocol.h"
#include "workers/gbc/gbc_protocol.h"
#include "workers/save_frame.h"
#include "workers/sfc/sfc_threads.h"
#include "workers/worker.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QInputDialog>
#include <QTimer>
#include <QProgressBar>
#include <QPushButton>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>
#include <memory>
#include <thread>

namespace {

const QString kRule = QStringLiteral("<hr>");
constexpr int kLongWait = 120000;   // only a guard against a hung run

int enabledActions(const TabGui &tab)
{
    int n = 0;
    for (QPushButton *b : {tab.infoButton, tab.dumpButton, tab.flashButton, tab.readSramButton,
                           tab.writeSramButton})
        n += b->isEnabled();
    return n;
}

bool idle(const TabGui &tab) { return enabledActions(tab) == 5 && !tab.cancelButton->isEnabled(); }

// An image whose header is James Bond 007's (512 KiB) by default.
std::vector<uint8_t> makeImage(size_t size = 524288, uint32_t headerCrc = 0xAC8C113E)
{
    std::vector<uint8_t> image(size);
    for (size_t i = 0; i < size; ++i)
        image[i] = uint8_t(i * 7 + (i >> 9) + (i >> 17));
    sim::force_crc32(image.data(), 8192, 0x200, headerCrc);
    // The whole image's CRC-32 is 0x0000abcd: the log must not pad it.
    sim::force_crc32(image.data(), size, size / 2, 0x0000ABCD);
    return image;
}

void waitIdle(const TabGui &tab, const CartWorker *worker)
{
    QTRY_VERIFY_WITH_TIMEOUT(idle(tab) && worker->isFinished(), kLongWait);
    QCoreApplication::processEvents();
}

QStringList noReaderLines()
{
    return QStringList{"Can not open dump device.", "Check that the reader is plugged in and that its drive is mounted.",
#ifdef __linux__
                       "Check that your user may read the files on the drive.",
#endif
                       "No drive was found from D: to Z:."};
}

} // namespace

class TestTabGui : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<sim::SimulatedReader> reader_;
    std::unique_ptr<sim::ScopedPlatform> scope_;
    std::unique_ptr<TabGui> tab_;
    QStringList dialogCalls_;   // "caption|dir|filter" per save dialog
    QString dialogAnswer_;

private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        reader_ = std::make_unique<sim::SimulatedReader>();
        scope_ = std::make_unique<sim::ScopedPlatform>(*reader_);
        tab_ = std::make_unique<TabGui>();
        dialogCalls_.clear();
        dialogAnswer_.clear();
        tab_->saveFileDialog = [this](QWidget *p, const QString &caption, const QString &dir,
                                      const QString &filter) {
            dialogCalls_ << (p == tab_.get() ? QString() : QStringLiteral("wrong parent|")) +
                                caption + '|' + dir + '|' + filter;
            return dialogAnswer_;
        };
        tab_->openFileDialog = tab_->saveFileDialog;
    }

    void cleanup()
    {
        tab_.reset();
        scope_.reset();
        reader_.reset();
    }

    // The start state, which Flash, and the SRAM buttons and a Dump whose
    // file dialog is cancelled leave as it is; a size the mapper cannot address
    // is refused before the save dialog.
    void startStateAndClicksThatStartNothing()
    {
        reader_->insert(std::make_unique<sim::MdCartridge>(makeImage(131072)));
        TabGui &tab = *tab_;
        QCOMPARE(shown(tab.console), (QStringList{"Please select a console", "Default is MD"}));
        QVERIFY(tab.console->isReadOnly());
        const QString before = tab.console->toHtml();
        for (QPushButton *b : {tab.flashButton, tab.readSramButton, tab.writeSramButton, tab.dumpButton}) {
            QTest::mouseClick(b, Qt::LeftButton);
            QCoreApplication::processEvents();
            QVERIFY2(idle(tab), qPrintable(b->text()));
        }
        QCOMPARE(dialogCalls_, (QStringList{"Read SRAM to...|.|MD SRAM (*.srm)", "Write SRAM from...|.|MD SRAM (*.srm)",
                                            "Read ROM to...|.|MD Rom (*.md)"}));
        QCOMPARE(tab.console->toHtml(), before);
        QVERIFY(!tab.mdThreadDump->isRunning());
        QVERIFY(reader_->events().empty());
        QCOMPARE(tab.progressBar->maximum(), 1);
        QCOMPARE(tab.progressBar->value(), 0);

        // A code that names no family: no line, and neither button starts anything.
        tab.selectConsole(7);
        QTest::mouseClick(tab.infoButton, Qt::LeftButton);
        QTest::mouseClick(tab.dumpButton, Qt::LeftButton);
        QCOMPARE(tab.console->toHtml(), before);
        QCOMPARE(dialogCalls_.size(), 3);

        tab.selectConsole(2);
        tab.settings->selectRomSize(1048576);
        tab.console->clear();
        QTest::mouseClick(tab.dumpButton, Qt::LeftButton);
        QCOMPARE(shown(tab.console), QStringList{"ROM SIZE 1024KB is more than mapper NONE can address (32KB at most)."});
        // Coloured as the failure of a run is.
        const QColor refusal = tab.console->document()->firstBlock().begin().fragment().charFormat().foreground().color();
        tab.print_error(0);
        QCOMPARE(refusal, tab.console->document()->findBlockByNumber(1).begin().fragment().charFormat().foreground().color());
        QVERIFY(refusal != tab.console->palette().color(QPalette::Text));
        QCOMPARE(dialogCalls_.size(), 3);
        QVERIFY(idle(tab));
        QVERIFY(reader_->events().empty());
    }

    // The panel's values and the read-twice box go with the run; without a
    // reader it ends with what to check.
    void dumpHandsOverPanelValues()
    {
        reader_->unplug();
        TabGui &tab = *tab_;
        auto *worker = static_cast<sfcThreadDump *>(tab.sfcThreadDump);
        // The log shows the path as it is: no markup, no lost characters.
        dialogAnswer_ = dir_->filePath(QStringLiteral("ünïcode <b>dump</b> & ✓"));
        tab.selectConsole(15);
        tab.settings->selectRomSize(1048576);
        tab.settings->selectMMCType(2);
        tab.console->clear();
        // Off at every start; the box's state goes with the run.
        QVERIFY(!tab.readTwiceBox->isChecked());
        tab.readTwiceBox->setChecked(true);

        QTest::mouseClick(tab.dumpButton, Qt::LeftButton);
        QVERIFY(worker->readTwice);
        QCOMPARE(dialogCalls_, QStringList{"Read ROM to...|.|SFC Rom (*.sfc)"});
        QCOMPARE(worker->fileName, dialogAnswer_);
        QCOMPARE(worker->romSize, 1048576);
        QCOMPARE(worker->mmcType, 2);
        QCOMPARE(shown(tab.console), (QStringList{"Reading data from ROM to file:", dialogAnswer_}));

        // Changing the panel during the run reaches the worker no more.
        tab.settings->setConsole(3);
        QCOMPARE(worker->romSize, 1048576);
        waitIdle(tab, worker);
        QCOMPARE(shown(tab.console), QStringList({"Reading data from ROM to file:", dialogAnswer_}) + noReaderLines()
                                         + QStringList({">Operation failure.", kRule}));
        QVERIFY(!QFile::exists(dialogAnswer_));
    }

    // The failures themselves are the Dump frame's; here the tab's part:
    // the file and its lines, and Cancel reaching the run.
    void mdDump_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("target");   // relative to the test folder
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("outcome");   // beside the bar
        // The image is not James Bond's, only its header: it fails the checksum.
        QTest::newRow("saved over an earlier file") << "" << "James Bond ✓.md" << "" << "Suspect";
        QTest::newRow("cancel mid-dump") << "cancel" << "out.md" << "Dump canceled." << "Canceled";
    }

    void mdDump()
    {
        QFETCH(QString, fault);
        QFETCH(QString, target);
        QFETCH(QString, line);
        QFETCH(QString, outcome);
        const std::vector<uint8_t> image = makeImage();
        reader_->insert(std::make_unique<sim::MdCartridge>(image));
        Gate gate;
        if (fault == QLatin1String("cancel"))
            gate.install(*reader_, 0x20000);
        const QString path = dir_->filePath(target);

        // An earlier image at the target is replaced only by a whole new one.
        const QByteArray earlier("an earlier image");
        QVERIFY(write_file(path, earlier));

        TabGui &tab = *tab_;
        // Info serialises use of the reader, and presets what it found.
        tab.console->clear();
        QTest::mouseClick(tab.infoButton, Qt::LeftButton);
        QVERIFY(enabledActions(tab) == 0 && !tab.cancelButton->isEnabled());
        waitIdle(tab, tab.mdThreadInfo);
        // The worker's lines as test_md has them; Info sends no status: no status line, no rule.
        QCOMPARE(shown(tab.console).last(), QStringLiteral("Size: 512KB"));
        QCOMPARE(tab.settings->romSizeBox->currentText(), QStringLiteral("512 Kbytes"));

        dialogAnswer_ = path;
        tab.console->clear();
        QTest::mouseClick(tab.dumpButton, Qt::LeftButton);
        if (fault == QLatin1String("cancel")) {
            const bool reached = gate.reached.tryAcquire(1, kLongWait);
            // Serialised: a Dump leaves only Cancel enabled.
            const bool serialised = enabledActions(tab) == 0 && tab.cancelButton->isEnabled();
            if (reached)
                QTest::mouseClick(tab.cancelButton, Qt::LeftButton);
            gate.go.release();
            QVERIFY(reached);
            QVERIFY(serialised);
        }
        waitIdle(tab, tab.mdThreadDump);

        const QStringList lines = shown(tab.console);
        QCOMPARE(lines.mid(0, 2), (QStringList{"Reading data from ROM to file:", path}));
        QCOMPARE(tab.outcomeLabel->text(), outcome);
        QVERIFY(!tab.outcomeIcon->pixmap(Qt::ReturnByValue).isNull());
        QCOMPARE(tab.progressBar->maximum(), 1);
        // Nothing half-written is left beside the target.
        QCOMPARE(QDir(dir_->path()).entryList(QDir::Files | QDir::System), QStringList{target});
        if (line.isEmpty()) {
            QVERIFY(file_bytes(path) == to_bytes(image));
            // Checks of the saved image may follow the CRC line; the status ends it.
            QCOMPARE(lines.mid(2, 2), (QStringList{"Save file success." + path, "File CRC: 0xabcd"}));
            QCOMPARE(lines.mid(lines.size() - 2), (QStringList{">Success!", kRule}));
            // The summary of the file as saved comes before the status, and
            // ends with the outcome the indicator shows.
            const QString summary = lines.at(lines.size() - 3);
            QVERIFY2(summary.startsWith(QStringLiteral("512 KiB in "))
                         && summary.endsWith(QStringLiteral(", CRC-32 0000abcd, ") + tab.outcomeLabel->text()),
                     qPrintable(summary));
        } else {
            QCOMPARE(lines.mid(2), (QStringList{line, ">Operation failure.", kRule}));
            QCOMPARE(file_bytes(path), earlier);
        }
    }

    // Without a reader a run says what to check and where it looked.
    void noReaderGuidance()
    {
        reader_->unplug();
        tab_->console->clear();
        QTest::mouseClick(tab_->infoButton, Qt::LeftButton);
        waitIdle(*tab_, tab_->mdThreadInfo);
        QCOMPARE(shown(tab_->console), noReaderLines());
        // A save run says the same.
        dialogAnswer_ = dir_->filePath(QStringLiteral("x.srm"));
        tab_->console->clear();
        QTest::mouseClick(tab_->readSramButton, Qt::LeftButton);
        waitIdle(*tab_, tab_->saveWorkerFor(code(ConsoleCode::md), false));
        QCOMPARE(shown(tab_->console), QStringList({"Reading save memory to file:", dialogAnswer_}) + noReaderLines()
                                           + QStringList({">Operation failure.", kRule}));
    }

    // A GBA code whose title rows give 4 and 8 MiB, on a cartridge whose bus
    // settles neither: the panel asks, and takes the answer, or nothing.
    void romSizeQuestion_data()
    {
        QTest::addColumn<QString>("answer");   // empty: the question is cancelled
        QTest::addColumn<QString>("shown");
        QTest::newRow("answered") << "64Mbit" << "64Mbit";
        QTest::newRow("cancelled") << "" << "8Mbit";
    }
    void romSizeQuestion()
    {
        QFETCH(QString, answer);
        QFETCH(QString, shown);
        std::vector<uint8_t> rom(0x8000, 0x5A);
        std::copy(gba::kLogo, gba::kLogo + gba::kLogoSize, rom.begin() + gba::kLogoOffset);
        std::copy_n("AAQP", 4, rom.begin() + gba::kGameCodeOffset);
        reader_->insert(std::make_unique<sim::GbaCartridge>(rom));
        TabGui &tab = *tab_;
        tab.selectConsole(3);

        QStringList offered;
        QTimer answerer;
        connect(&answerer, &QTimer::timeout, [&] {
            auto *dialog = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
            if (!dialog || dialog->objectName() != QLatin1String("romSizeQuestion"))
                return;
            answerer.stop();
            offered = dialog->comboBoxItems();
            if (answer.isEmpty()) {
                dialog->reject();
            } else {
                dialog->setTextValue(answer);
                dialog->accept();
            }
        });
        answerer.start(10);
        QTest::mouseClick(tab.infoButton, Qt::LeftButton);
        waitIdle(tab, tab.gbaThreadInfo);
        QTRY_VERIFY_WITH_TIMEOUT(!answerer.isActive(), kLongWait);
        QCOMPARE(offered, (QStringList{"32Mbit", "64Mbit"}));
        QCOMPARE(tab.settings->romSizeBox->currentText(), shown);
        QCOMPARE(tab.settings->romSize, shown == QLatin1String("64Mbit") ? 8388608 : 1048576);
    }

    // A run's status can be shown while its thread is still busy; a Dump
    // clicked then must neither disturb that run nor be lost.
    void mdDumpTwiceInARow()
    {
        const std::vector<uint8_t> image = makeImage(262144, 0x0BADF00D);
        reader_->insert(std::make_unique<sim::MdCartridge>(image));
        Gate gate;
        gate.install(*reader_, 0);
        TabGui &tab = *tab_;
        tab.settings->selectRomSize(262144);

        dialogAnswer_ = dir_->filePath(QStringLiteral("first.md"));
        QTest::mouseClick(tab.dumpButton, Qt::LeftButton);
        QVERIFY(gate.reached.tryAcquire(1, kLongWait));
        tab.print_error(1);

        // The first run stays held until the second click is past its save
        // dialog, so that click always finds the run going. It is let go once
        // the click has started its run, or after a while when the tab holds
        // the click back until the first run ends.
        const QString second = dir_->filePath(QStringLiteral("second.md"));
        QSemaphore answered, started;
        tab.saveFileDialog = [&](QWidget *, const QString &, const QString &, const QString &) {
            answered.release();
            return second;
        };
        const QMetaObject::Connection reading = connect(tab.console, &QTextEdit::textChanged, [&] {
            if (tab.console->toPlainText().endsWith(second))
                started.release();
        });
        std::thread releaser([&] {
            answered.acquire();
            started.tryAcquire(1, 1000);
            gate.go.release();
        });
        QTest::mouseClick(tab.dumpButton, Qt::LeftButton);
        // Never leave the releaser waiting, whatever the click did.
        answered.release();
        started.release();
        releaser.join();
        disconnect(reading);
        waitIdle(tab, tab.mdThreadDump);

        for (const char *name : {"first.md", "second.md"})
            QVERIFY2(file_bytes(dir_->filePath(QLatin1String(name))) == to_bytes(image), name);
        QCOMPARE(shown(tab.console).filter(QStringLiteral(">Success!")).size(), 3);
    }

    // Read SRAM and Write SRAM run the family's save workers; Write SRAM
    // asks first, naming the cartridge and the file, and a "no" writes nothing.
    void saveButtons()
    {
        std::vector<uint8_t> rom(0x8000, 0);
        std::copy(gbc::kLogo, gbc::kLogo + gbc::kLogoSize, rom.begin() + gbc::kLogoOffset);
        std::memcpy(rom.data() + gbc::kTitleOffset, "POCKET SAVE", 11);
        rom[gbc::kTypeOffset] = 0x03;
        rom[gbc::kRamSizeOffset] = 2;
        reader_->insert(std::make_unique<sim::GbCartridge>(rom));
        std::vector<uint8_t> save(8192);
        for (size_t i = 0; i < save.size(); ++i)
            save[i] = uint8_t(i * 13 + (i >> 8) + 1);
        QVERIFY(reader_->load_save_ram(save));
        TabGui &tab = *tab_;
        tab.selectConsole(code(ConsoleCode::gbc));
        dialogAnswer_ = dir_->filePath(QStringLiteral("game.sav"));
        QTest::mouseClick(tab.readSramButton, Qt::LeftButton);
        waitIdle(tab, tab.saveWorkerFor(code(ConsoleCode::gbc), false));
        QCOMPARE(dialogCalls_.last(), QStringLiteral("Read SRAM to...|.|GB SRAM (*.sav)"));
        QCOMPARE(file_bytes(dialogAnswer_), to_bytes(save));

        const std::vector<uint8_t> next(8192, 0x5A);
        dialogAnswer_ = dir_->filePath(QStringLiteral("next.sav"));
        QVERIFY(write_file(dialogAnswer_, to_bytes(next)));
        QStringList asked;
        bool answer = false;
        tab.confirmWrite = [&](QWidget *, const QString &cartridge, const QString &file) {
            asked << cartridge + '|' + file;
            return answer;
        };
        for (bool yes : {false, true}) {
            answer = yes;
            QTest::mouseClick(tab.writeSramButton, Qt::LeftButton);
            waitIdle(tab, tab.saveWorkerFor(code(ConsoleCode::gbc), true));
            QCOMPARE(reader_->save_ram(), yes ? next : save);
        }
        QCOMPARE(asked, QStringList({"POCKET SAVE|" + dialogAnswer_, "POCKET SAVE|" + dialogAnswer_}));
        QCOMPARE(QDir(dir_->path()).entryList({QStringLiteral("POCKET SAVE backup *.sav")}).size(), 1);
    }
};

QTEST_MAIN(TestTabGui)
#include "test_gui_tab.moc"
