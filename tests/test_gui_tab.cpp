// The operation tab: start state, console switching, status lines, the
// save dialog, and Mega Drive Info and Dump from its buttons against the
// simulated reader.
#include "gui/console.h"
#include "gui/settings.h"
#include "gui/tabgui.h"
#include "simulator/cartridge.h"
#include "simulator/simulated_reader.h"
#include "workers/worker.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QProgressBar>
#include <QPushButton>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QtTest>

#include <atomic>
#include <memory>
#include <thread>
#include <utility>

namespace {

const QString kRule = QStringLiteral("<hr>");
constexpr int kLongWait = 120000;   // only a guard against a hung run

// What the console shows, one entry per paragraph; blank paragraphs are
// left out and a horizontal rule reads "<hr>".
QStringList shown(const Console *console)
{
    QStringList lines;
    for (QTextBlock b = console->document()->begin(); b.isValid(); b = b.next()) {
        if (b.blockFormat().hasProperty(QTextFormat::BlockTrailingHorizontalRulerWidth))
            lines << kRule;
        else if (!b.text().trimmed().isEmpty())
            lines << b.text();
    }
    return lines;
}

QStringList shownSince(const Console *console, int from)
{
    return shown(console).mid(from);
}

QList<QPushButton *> actionButtons(const TabGui &tab)
{
    return {tab.infoButton, tab.dumpButton, tab.flashButton, tab.readSramButton,
            tab.writeSramButton};
}

bool idle(const TabGui &tab)
{
    for (QPushButton *b : actionButtons(tab))
        if (!b->isEnabled())
            return false;
    return !tab.cancelButton->isEnabled();
}

bool allDisabled(const TabGui &tab)
{
    for (QPushButton *b : actionButtons(tab))
        if (b->isEnabled())
            return false;
    return true;
}

// Answers the tab's save dialog and remembers how it was asked.
struct DialogStub {
    struct Call {
        QWidget *parent;
        QString caption, dir, filter;
    };
    QList<Call> calls;
    QString answer;

    void install(TabGui &tab)
    {
        tab.saveFileDialog = [this](QWidget *p, const QString &caption, const QString &dir,
                                    const QString &filter) {
            calls.append({p, caption, dir, filter});
            return answer;
        };
    }
};

// A Dump worker that records what the tab hands over.
class SpyDump : public DumpWorker {
public:
    QString file;
    int size = -1;
    int mmc = -1;
    void configure(const QString &f, int s, int m) override
    {
        file = f;
        size = s;
        mmc = m;
        DumpWorker::configure(f, s, m);
    }
    int consoleCode() const override { return 0; }

protected:
    bool readImage(uint8_t *) override { return false; }
};

// A Mega Drive ROM whose data-window read at `gate` waits until the test
// lets it go, so that a click can land while the dump is mid-way.
class GatedMdCartridge : public sim::Cartridge {
public:
    GatedMdCartridge(std::vector<uint8_t> rom, uint32_t gate) : rom_(std::move(rom)), gate_(gate) {}
    int family() const override { return sim::bus_md; }
    void read(uint32_t offset, uint8_t *dst, uint32_t len) override
    {
        sim::copy_image(rom_, offset, dst, len);
        if (offset == gate_ && !passed_.exchange(true)) {
            reached.release();
            go.acquire();
        }
    }
    QSemaphore reached;
    QSemaphore go;

private:
    std::vector<uint8_t> rom_;
    uint32_t gate_;
    std::atomic<bool> passed_{false};
};

std::vector<uint8_t> makeImage(size_t size, uint32_t headerCrc)
{
    std::vector<uint8_t> image(size);
    for (size_t i = 0; i < size; ++i)
        image[i] = uint8_t(i * 7 + (i >> 9) + (i >> 17));
    sim::force_crc32(image.data(), 8192, 0x200, headerCrc);
    return image;
}

// Plain bitwise CRC-32, kept apart from the program's table version.
uint32_t referenceCrc32(const QByteArray &data)
{
    uint32_t crc = 0xFFFFFFFFu;
    for (char c : data) {
        crc ^= uint8_t(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

QByteArray bytes(const std::vector<uint8_t> &v)
{
    return QByteArray(reinterpret_cast<const char *>(v.data()), int(v.size()));
}

constexpr uint32_t kJamesBond = 0xAC8C113E;
constexpr int kJamesBondSize = 524288;

} // namespace

class TestTabGui : public QObject {
    Q_OBJECT
private slots:
    void init();
    void startState();
    void selectConsole_data();
    void selectConsole();
    void reselectingKeepsSettings();
    void printError_data();
    void printError();
    void logShowsTextLiterally();
    void inactiveButtonsDoNothing_data();
    void inactiveButtonsDoNothing();
    void cancelledSaveDialogChangesNothing();
    void dumpHandsOverPanelValues_data();
    void dumpHandsOverPanelValues();

    void mdInfoIdentifiesAndPresets();
    void mdInfoUnknownCartridge();
    void mdInfoWithoutReader();
    void mdDumpSavesImage();
    void mdDumpFailures_data();
    void mdDumpFailures();
    void mdDumpCanceledMidway();
    void mdDumpTwiceInARow();

private:
    // Clicks Dump with the dialog answering `path`, waits for the end of
    // the run and collects what the worker reported as progress.
    void runDump(TabGui &tab, DialogStub &dialog, const QString &path,
                 QVector<QPair<int, int>> *progress = nullptr);
    void runInfo(TabGui &tab);

    std::unique_ptr<QTemporaryDir> dir_;
};

void TestTabGui::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
}

void TestTabGui::startState()
{
    sim::SimulatedReader reader;
    sim::ScopedPlatform scope(reader);
    TabGui tab;
    QCOMPARE(shown(tab.console),
             (QStringList{"Please select a console", "Default is MD"}));
    QCOMPARE(tab.progressBar->minimum(), 0);
    QCOMPARE(tab.progressBar->maximum(), 1);
    QCOMPARE(tab.progressBar->value(), 0);
    QVERIFY(idle(tab));
    QCOMPARE(tab.consoleCode, 19);
    QCOMPARE(tab.settings->currentConsole, 19);
    QVERIFY(tab.console->isReadOnly());
    QCOMPARE(tab.console->palette().color(QPalette::Active, QPalette::Base), QColor(112, 146, 190));
    QCOMPARE(tab.console->palette().color(QPalette::Inactive, QPalette::Base), QColor(112, 146, 190));
    QCOMPARE(tab.console->font().family(), QStringLiteral("Courier"));
    QCOMPARE(tab.console->font().pointSize(), 9);
    QVERIFY(tab.mdThreadInfo);
    QVERIFY(tab.mdThreadDump);
}

void TestTabGui::selectConsole_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("line");     // empty: no line
    QTest::addColumn<int>("panelFamily");

    QTest::newRow("SMS") << 18 << "Select : SMS" << 18;
    QTest::newRow("MSX/MSX2") << 21 << "Select : MSX/MSX2" << 21;
    QTest::newRow("SFC/SNES") << 15 << "Select : SFC/SNES" << 15;
    QTest::newRow("GB/GBC") << 2 << "Select : GB/GBC" << 2;
    QTest::newRow("GBA") << 3 << "Select : GBA" << 3;
    QTest::newRow("MD/GEN again") << 19 << "Select : MD/GEN" << 19;
    QTest::newRow("no such family") << 7 << "" << 19;
}

void TestTabGui::selectConsole()
{
    QFETCH(int, code);
    QFETCH(QString, line);
    QFETCH(int, panelFamily);

    sim::SimulatedReader reader;
    sim::ScopedPlatform scope(reader);
    TabGui tab;
    DialogStub dialog;
    dialog.install(tab);
    const int before = shown(tab.console).size();
    tab.selectConsole(code);
    QCOMPARE(shownSince(tab.console, before), line.isEmpty() ? QStringList() : QStringList{line});
    QCOMPARE(tab.settings->currentConsole, panelFamily);
    QCOMPARE(tab.consoleCode, code);

    if (line.isEmpty()) {
        // No family behind the code: neither button starts anything.
        QTest::mouseClick(tab.infoButton, Qt::LeftButton);
        QTest::mouseClick(tab.dumpButton, Qt::LeftButton);
        QVERIFY(dialog.calls.isEmpty());
        QVERIFY(idle(tab));
        QVERIFY(reader.events().empty());
    }
}

void TestTabGui::reselectingKeepsSettings()
{
    sim::SimulatedReader reader;
    sim::ScopedPlatform scope(reader);
    TabGui tab;
    tab.selectConsole(2);
    tab.settings->selectRomSize(1048576);
    tab.selectConsole(2);
    QCOMPARE(tab.settings->romSize, 1048576);
    QCOMPARE(tab.settings->romSizeBox->currentText(), QStringLiteral("1024KB"));
    QCOMPARE(shown(tab.console).filter(QStringLiteral("Select : GB/GBC")).size(), 2);
}

void TestTabGui::printError_data()
{
    QTest::addColumn<int>("err");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("failure") << 0 << QStringList{">Operation failure.", kRule};
    QTest::newRow("success") << 1 << QStringList{">Success!", kRule};
    QTest::newRow("other status") << 7 << QStringList{kRule};
}

void TestTabGui::printError()
{
    QFETCH(int, err);
    QFETCH(QStringList, lines);

    sim::SimulatedReader reader;
    sim::ScopedPlatform scope(reader);
    TabGui tab;
    tab.setButtonsEnabled(false);
    tab.setProgress(50, 200);
    QCOMPARE(tab.progressBar->maximum(), 200);
    QCOMPARE(tab.progressBar->value(), 50);
    QVERIFY(allDisabled(tab));
    QVERIFY(tab.cancelButton->isEnabled());

    const int before = shown(tab.console).size();
    tab.print_error(err);
    QCOMPARE(shownSince(tab.console, before), lines);
    QCOMPARE(tab.progressBar->maximum(), 1);
    QCOMPARE(tab.progressBar->value(), 0);
    QVERIFY(idle(tab));
}

void TestTabGui::logShowsTextLiterally()
{
    sim::SimulatedReader reader;
    sim::ScopedPlatform scope(reader);
    TabGui tab;
    const int before = shown(tab.console).size();
    tab.info(QStringLiteral("Title: Tom & Jerry <Beta> <b>x</b>"));
    tab.info(QStringLiteral("Save file success./tmp/<dump>.md"));
    QCOMPARE(shownSince(tab.console, before),
             (QStringList{"Title: Tom & Jerry <Beta> <b>x</b>",
                          "Save file success./tmp/<dump>.md"}));
}

void TestTabGui::inactiveButtonsDoNothing_data()
{
    QTest::addColumn<int>("which");
    QTest::newRow("Flash") << 2;
    QTest::newRow("Read SRAM") << 3;
    QTest::newRow("Write SRAM") << 4;
}

void TestTabGui::inactiveButtonsDoNothing()
{
    QFETCH(int, which);
    sim::SimulatedReader reader;
    sim::ScopedPlatform scope(reader);
    reader.insert(std::make_unique<sim::MdCartridge>(makeImage(131072, 0)));
    TabGui tab;
    DialogStub dialog;
    dialog.install(tab);
    const QString before = tab.console->toHtml();
    QTest::mouseClick(actionButtons(tab)[which], Qt::LeftButton);
    QCoreApplication::processEvents();
    QCOMPARE(tab.console->toHtml(), before);
    QVERIFY(idle(tab));
    QVERIFY(dialog.calls.isEmpty());
    QVERIFY(reader.events().empty());
    QCOMPARE(tab.progressBar->maximum(), 1);
}

void TestTabGui::cancelledSaveDialogChangesNothing()
{
    sim::SimulatedReader reader;
    sim::ScopedPlatform scope(reader);
    reader.insert(std::make_unique<sim::MdCartridge>(makeImage(131072, 0)));
    TabGui tab;
    DialogStub dialog;
    dialog.install(tab);
    const QString before = tab.console->toHtml();
    QTest::mouseClick(tab.dumpButton, Qt::LeftButton);
    QCOMPARE(dialog.calls.size(), 1);
    QCOMPARE(dialog.calls[0].parent, &tab);
    QCOMPARE(dialog.calls[0].caption, QStringLiteral("Read ROM to..."));
    QCOMPARE(dialog.calls[0].dir, QStringLiteral("."));
    QCOMPARE(dialog.calls[0].filter, QStringLiteral("MD Rom (*.md)"));
    QCoreApplication::processEvents();
    QCOMPARE(tab.console->toHtml(), before);
    QVERIFY(idle(tab));
    QVERIFY(!tab.mdThreadDump->isRunning());
    QVERIFY(reader.events().empty());
}

void TestTabGui::dumpHandsOverPanelValues_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<int>("romPreset");   // selectRomSize before the click; 0: none
    QTest::addColumn<int>("mmcPreset");   // selectMMCType before the click; -1: none
    QTest::addColumn<int>("romSize");
    QTest::addColumn<int>("mmcType");

    QTest::newRow("GB/GBC") << 2 << "GB Rom (*.gb);;GBC Rom (*.gbc)" << 0 << 1 << 32768 << 1;
    QTest::newRow("MD/GEN") << 19 << "MD Rom (*.md)" << 524288 << -1 << 524288 << 0;
    QTest::newRow("SMS") << 18 << "SMS Rom (*.sms)" << 0 << -1 << 262144 << 0;
    QTest::newRow("SFC/SNES") << 15 << "SFC Rom (*.sfc)" << 1048576 << 2 << 1048576 << 2;
    QTest::newRow("GBA") << 3 << "GBA Rom (*.gba)" << 8388608 << -1 << 8388608 << 0;
    QTest::newRow("MSX/MSX2") << 21 << "MSX Rom (*.rom)" << 0 << 128 << 8192 << 128;
}

void TestTabGui::dumpHandsOverPanelValues()
{
    QFETCH(int, code);
    QFETCH(QString, filter);
    QFETCH(int, romPreset);
    QFETCH(int, mmcPreset);
    QFETCH(int, romSize);
    QFETCH(int, mmcType);

    // No reader: the spy's run ends at once without touching anything.
    sim::SimulatedReader reader;
    sim::ScopedPlatform scope(reader);
    reader.unplug();

    TabGui tab;
    auto *spy = new SpyDump;
    DumpWorker **slot = nullptr;
    switch (code) {
    case 2: slot = &tab.gbcThreadDump; break;
    case 19: slot = &tab.mdThreadDump; break;
    case 18: slot = &tab.smsThreadDump; break;
    case 15: slot = &tab.sfcThreadDump; break;
    case 3: slot = &tab.gbaThreadDump; break;
    case 21: slot = &tab.msxThreadDump; break;
    }
    QVERIFY(slot);
    delete std::exchange(*slot, spy);   // the tab now owns the spy

    DialogStub dialog;
    dialog.install(tab);
    dialog.answer = dir_->filePath(QStringLiteral("ünïcode dump ✓"));
    tab.selectConsole(code);
    if (romPreset)
        tab.settings->selectRomSize(romPreset);
    if (mmcPreset >= 0)
        tab.settings->selectMMCType(mmcPreset);
    const int before = shown(tab.console).size();

    QTest::mouseClick(tab.dumpButton, Qt::LeftButton);
    QCOMPARE(dialog.calls.size(), 1);
    QCOMPARE(dialog.calls[0].filter, filter);
    QCOMPARE(spy->file, dialog.answer);
    QCOMPARE(spy->size, romSize);
    QCOMPARE(spy->mmc, mmcType);
    QCOMPARE(shownSince(tab.console, before),
             (QStringList{"Reading data from ROM to file:", dialog.answer}));
    QVERIFY(allDisabled(tab));
    QVERIFY(tab.cancelButton->isEnabled());

    // Changing the panel during the run reaches the worker no more.
    tab.settings->setConsole(code == 3 ? 2 : 3);
    QCOMPARE(spy->size, romSize);
    spy->wait();
}

void TestTabGui::runInfo(TabGui &tab)
{
    QTest::mouseClick(tab.infoButton, Qt::LeftButton);
    // Serialised: nothing else can be started while Info talks to the reader.
    QVERIFY(allDisabled(tab));
    QVERIFY(!tab.cancelButton->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(idle(tab) && tab.mdThreadInfo->isFinished(), kLongWait);
    QCoreApplication::processEvents();
}

void TestTabGui::runDump(TabGui &tab, DialogStub &dialog, const QString &path,
                         QVector<QPair<int, int>> *progress)
{
    QObject receiver;
    if (progress)
        connect(tab.mdThreadDump, &CartWorker::set_progress, &receiver,
                [progress](int a, int b) { progress->append(qMakePair(a, b)); });
    dialog.answer = path;
    QTest::mouseClick(tab.dumpButton, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(idle(tab) && tab.mdThreadDump->isFinished(), kLongWait);
    QCoreApplication::processEvents();
}

void TestTabGui::mdInfoIdentifiesAndPresets()
{
    sim::SimulatedReader reader;
    sim::ScopedPlatform scope(reader);
    reader.insert(std::make_unique<sim::MdCartridge>(makeImage(kJamesBondSize, kJamesBond)));
    TabGui tab;
    const int before = shown(tab.console).size();
    runInfo(tab);
    QCOMPARE(shownSince(tab.console, before),
             (QStringList{"--Device information--", "Driver label: QUORVEL",
                          "Device firmware: QXB_RDR07_FW310",
                          "--MD/GENS Cartridge information--",
                          "Title: James Bond 007 - The Duel (Jpn)", "Year: 1993",
                          "Publisher: Tengen",
                          QString::fromUtf8("Alt Title: 007 \xe6\xad\xbb\xe9\x97\x98 JAMES BOND THE DUEL"),
                          "Size: 512KB"}));
    QCOMPARE(tab.settings->romSizeBox->currentText(), QStringLiteral("512 Kbytes"));
    QCOMPARE(tab.settings->romSize, kJamesBondSize);
    // Info sends no status: no status line, no rule.
    QCOMPARE(tab.progressBar->maximum(), 1);
}

void TestTabGui::mdInfoUnknownCartridge()
{
    sim::SimulatedReader reader;
    sim::ScopedPlatform scope(reader);
    reader.insert(std::make_unique<sim::MdCartridge>(makeImage(262144, 0x12345678)));
    TabGui tab;
    tab.settings->selectRomSize(262144);
    const int before = shown(tab.console).size();
    runInfo(tab);
    QCOMPARE(shownSince(tab.console, before).mid(3),
             (QStringList{"Can not auto detect cartridge information",
                          "Please set ROM SIZE by yourself to dump the ROM"}));
    QCOMPARE(tab.settings->romSize, 262144);
}

void TestTabGui::mdInfoWithoutReader()
{
    sim::SimulatedReader reader;
    sim::ScopedPlatform scope(reader);
    reader.unplug();
    TabGui tab;
    const int before = shown(tab.console).size();
    runInfo(tab);
    QCOMPARE(shownSince(tab.console, before), QStringList{"Can not open dump device."});
}

void TestTabGui::mdDumpSavesImage()
{
    sim::SimulatedReader reader;
    sim::ScopedPlatform scope(reader);
    const std::vector<uint8_t> image = makeImage(kJamesBondSize, kJamesBond);
    reader.insert(std::make_unique<sim::MdCartridge>(image));
    TabGui tab;
    DialogStub dialog;
    dialog.install(tab);
    runInfo(tab);   // presets 512 KiB

    const QString path = dir_->filePath(QStringLiteral("James Bond.md"));
    const int before = shown(tab.console).size();
    QVector<QPair<int, int>> progress;
    runDump(tab, dialog, path, &progress);

    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray data = saved.readAll();
    QCOMPARE(data.size(), kJamesBondSize);
    QVERIFY(data == bytes(image));
    // Checks of the saved image may follow the CRC line; the status ends it.
    const QStringList lines = shownSince(tab.console, before);
    QCOMPARE(lines.mid(0, 4),
             (QStringList{"Reading data from ROM to file:", path, "Save file success." + path,
                          "File CRC: 0x" + QString::number(referenceCrc32(data), 16)}));
    QCOMPARE(lines.mid(lines.size() - 2), (QStringList{">Success!", kRule}));
    QCOMPARE(lines.filter(QStringLiteral("Save file")).size(), 1);
    const QVector<QPair<int, int>> expected{{1, 524288},      {0, 524288}, {131072, 524288},
                                            {262144, 524288}, {393216, 524288}, {1, 1}};
    QCOMPARE(progress, expected);
    QCOMPARE(tab.progressBar->maximum(), 1);
    QCOMPARE(tab.progressBar->value(), 0);
}

void TestTabGui::mdDumpFailures_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("target");       // relative to the test folder
    QTest::addColumn<QString>("line");         // "%1": the target's full path

    QTest::newRow("no reader") << "unplug" << "out.md" << "Can not open dump device.";
    QTest::newRow("read failure mid-dump") << "read" << "out.md" << "Read error at 0x40000";
    QTest::newRow("short read") << "short" << "out.md" << "Read error at 0x0";
    QTest::newRow("folder missing") << "" << "missing/out.md" << "Save file error.%1";
    QTest::newRow("name is a folder") << "" << "folder" << "Save file error.%1";
}

void TestTabGui::mdDumpFailures()
{
    QFETCH(QString, fault);
    QFETCH(QString, target);
    QFETCH(QString, line);

    sim::SimulatedReader reader;
    sim::ScopedPlatform scope(reader);
    reader.insert(std::make_unique<sim::MdCartridge>(makeImage(kJamesBondSize, kJamesBond)));
    QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("folder")));
    const QString path = dir_->filePath(target);

    // An earlier image at the target must survive a failed run.
    const QByteArray earlier("an earlier image");
    if (target == QLatin1String("out.md")) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(earlier);
    }

    TabGui tab;
    DialogStub dialog;
    dialog.install(tab);
    tab.settings->selectRomSize(kJamesBondSize);
    if (fault == QLatin1String("unplug"))
        reader.unplug();
    else if (fault == QLatin1String("read"))
        reader.fail_read(3);
    else if (fault == QLatin1String("short"))
        reader.set_read_limit(4096);

    const int before = shown(tab.console).size();
    QVector<QPair<int, int>> progress;
    runDump(tab, dialog, path, &progress);
    QCOMPARE(shownSince(tab.console, before),
             (QStringList{"Reading data from ROM to file:", path,
                          line.contains(QLatin1String("%1")) ? line.arg(path) : line,
                          ">Operation failure.", kRule}));
    QVERIFY(!progress.isEmpty());
    QCOMPARE(progress.last(), qMakePair(1, 1));

    QFileInfo info(path);
    if (target == QLatin1String("out.md")) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), earlier);
    } else if (target == QLatin1String("folder")) {
        QVERIFY(info.isDir());
    } else {
        QVERIFY(!info.exists());
    }
    // Nothing half-written is left beside the target.
    const QStringList left = QDir(dir_->path()).entryList(QDir::Files);
    QCOMPARE(left, target == QLatin1String("out.md") ? QStringList{"out.md"} : QStringList());
}

void TestTabGui::mdDumpCanceledMidway()
{
    sim::SimulatedReader reader;
    sim::ScopedPlatform scope(reader);
    auto cartridge = std::make_unique<GatedMdCartridge>(makeImage(kJamesBondSize, kJamesBond),
                                                        0x20000);
    GatedMdCartridge *gate = cartridge.get();
    reader.insert(std::move(cartridge));

    TabGui tab;
    DialogStub dialog;
    dialog.install(tab);
    dialog.answer = dir_->filePath(QStringLiteral("canceled.md"));
    tab.settings->selectRomSize(kJamesBondSize);
    const int before = shown(tab.console).size();

    QTest::mouseClick(tab.dumpButton, Qt::LeftButton);
    const bool reached = gate->reached.tryAcquire(1, kLongWait);
    if (reached)
        QTest::mouseClick(tab.cancelButton, Qt::LeftButton);
    gate->go.release();
    QVERIFY(reached);
    QTRY_VERIFY_WITH_TIMEOUT(idle(tab) && tab.mdThreadDump->isFinished(), kLongWait);
    QCoreApplication::processEvents();

    QCOMPARE(shownSince(tab.console, before),
             (QStringList{"Reading data from ROM to file:", dialog.answer, "Dump canceled.",
                          ">Operation failure.", kRule}));
    QVERIFY(!QFileInfo::exists(dialog.answer));
    QVERIFY(QDir(dir_->path()).entryList(QDir::Files).isEmpty());
}

void TestTabGui::mdDumpTwiceInARow()
{
    sim::SimulatedReader reader;
    sim::ScopedPlatform scope(reader);
    const std::vector<uint8_t> image = makeImage(262144, 0x0BADF00D);
    auto cartridge = std::make_unique<GatedMdCartridge>(image, 0);
    GatedMdCartridge *gate = cartridge.get();
    reader.insert(std::move(cartridge));
    TabGui tab;
    DialogStub dialog;
    dialog.install(tab);
    tab.settings->selectRomSize(262144);

    dialog.answer = dir_->filePath(QStringLiteral("first.md"));
    QTest::mouseClick(tab.dumpButton, Qt::LeftButton);
    const bool reached = gate->reached.tryAcquire(1, kLongWait);
    // A run's status can be shown while its thread is still busy; a Dump
    // clicked then must neither disturb that run nor be lost.
    tab.print_error(1);
    QSemaphore clicking;
    std::thread releaser([&] {
        clicking.acquire();
        QThread::msleep(300);
        gate->go.release();
    });
    dialog.answer = dir_->filePath(QStringLiteral("second.md"));
    clicking.release();
    QTest::mouseClick(tab.dumpButton, Qt::LeftButton);
    releaser.join();
    QVERIFY(reached);
    QTRY_VERIFY_WITH_TIMEOUT(idle(tab) && tab.mdThreadDump->isFinished(), kLongWait);
    QCoreApplication::processEvents();

    for (const char *name : {"first.md", "second.md"}) {
        QFile f(dir_->filePath(QLatin1String(name)));
        QVERIFY2(f.open(QIODevice::ReadOnly), name);
        QVERIFY(f.readAll() == bytes(image));
    }
    QCOMPARE(shown(tab.console).filter(QStringLiteral(">Success!")).size(), 3);
}

QTEST_MAIN(TestTabGui)
#include "test_gui_tab.moc"
