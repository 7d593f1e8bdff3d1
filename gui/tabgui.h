// The operation tab: settings panel, action buttons, log, progress and
// Cancel; starts the selected family's Info and Dump workers.
#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QVector>
#include <QString>
#include <QWidget>
#include <functional>

class Console;
class DumpWorker;
class InfoWorker;
class QKeySequence;
class QCheckBox;
class QLabel;
class SaveWorker;
class QProgressBar;
class QPushButton;
class Settings;

class TabGui : public QWidget {
    Q_OBJECT
public:
    explicit TabGui(QWidget *parent = nullptr);
    ~TabGui() override;

    void selectConsole(int code);
    void setButtonsEnabled(bool enabled);

    // Asks for the output file; replaceable so that a test can answer it.
    using SaveDialog = std::function<QString(QWidget *parent, const QString &caption,
                                             const QString &dir, const QString &filter)>;
    SaveDialog saveFileDialog;
    // Asks for the save file Write SRAM writes; replaceable like the above.
    SaveDialog openFileDialog;
    // Asks whether to write `file` into the save memory of `cartridge`;
    // replaceable so that a test can answer it.
    std::function<bool(QWidget *parent, const QString &cartridge, const QString &file)> confirmWrite;

    Settings *settings;
    QPushButton *infoButton;
    QPushButton *dumpButton;
    QPushButton *flashButton;
    QPushButton *readSramButton;
    QPushButton *writeSramButton;
    Console *console;
    QProgressBar *progressBar;
    QPushButton *cancelButton;
    // The last dump's outcome, an icon and its word, beside the bar.
    QLabel *outcomeIcon;
    QLabel *outcomeLabel;
    // Off at every start, like the settings.
    QCheckBox *readTwiceBox;

    // Created without parent and kept for the life of the process, one pair
    // per registered family; these name the six families' pairs.
    InfoWorker *smsThreadInfo = nullptr;
    DumpWorker *smsThreadDump = nullptr;
    InfoWorker *msxThreadInfo = nullptr;
    DumpWorker *msxThreadDump = nullptr;
    InfoWorker *mdThreadInfo = nullptr;
    DumpWorker *mdThreadDump = nullptr;
    InfoWorker *sfcThreadInfo = nullptr;
    DumpWorker *sfcThreadDump = nullptr;
    InfoWorker *gbcThreadInfo = nullptr;
    DumpWorker *gbcThreadDump = nullptr;
    InfoWorker *gbaThreadInfo = nullptr;
    DumpWorker *gbaThreadDump = nullptr;

    int consoleCode = 0;

    InfoWorker *infoWorkerFor(int code) const;
    DumpWorker *dumpWorkerFor(int code) const;
    SaveWorker *saveWorkerFor(int code, bool write) const;

    // A Dump run has started and not yet ended.
    bool dumpRunning() const;
    // A Read SRAM or Write SRAM run has started and not yet ended.
    bool saveRunning() const;
    // Cancels a Dump or save run and waits for its end: no partial file is
    // left, and the cartridge's RAM is switched off again.
    void cancelDump();

signals:
    // A run starts (true) or ends (false); the console bar follows it.
    void busyChanged(bool busy);

public slots:
    void setProgress(int ile, int max);
    void info(QString text);
    // The LogTone of the next line info() receives from the same sender.
    void infoTone(int tone);
    void print_error(int err);
    // A Dump worker's DumpOutcome, just before its error().
    void showOutcome(int result);
    void push_info();
    void push_read_rom();
    void push_read_ram();
    void push_write_flash();
    void push_write_ram();

private slots:
    void infoFinished();

private:
    void wire(QObject *worker);
    void addShortcut(QPushButton *button, const QKeySequence &keys);
    struct FamilyWorkers {
        int code;
        InfoWorker *info;
        DumpWorker *dump;
        SaveWorker *readSave;
        SaveWorker *writeSave;
    };
    void startSave(SaveWorker *worker, const QString &file);
    QVector<FamilyWorkers> workers_;
    QElapsedTimer progressClock;   // since the run's first progress report
    QHash<const QObject *, int> pendingTones_;   // by worker
    QElapsedTimer dumpClock;       // since the Dump run was started
    DumpWorker *dump_ = nullptr;   // the Dump run under way, until its status
    SaveWorker *save_ = nullptr;   // the save run under way, until its status
    QHash<const QObject *, int> outcomes_;       // by worker, until its error()
};
