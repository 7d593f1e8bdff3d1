#include "gui/tabgui.h"

#include "gui/console.h"
#include "gui/settings.h"
#include "workers/rate_text.h"
#include "workers/registry.h"
#include "workers/save_frame.h"
#include "workers/worker.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QStyle>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

TabGui::TabGui(QWidget *parent)
    : QWidget(parent)
    , saveFileDialog([](QWidget *p, const QString &caption, const QString &dir,
                        const QString &filter) {
        return QFileDialog::getSaveFileName(p, caption, dir, filter);
    })
    , openFileDialog([](QWidget *p, const QString &caption, const QString &dir, const QString &filter) {
        return QFileDialog::getOpenFileName(p, caption, dir, filter);
    })
    , confirmWrite([](QWidget *p, const QString &cartridge, const QString &file) {
        return QMessageBox::question(p, tr("Write SRAM"),
                                     tr("Write %1 into the save memory of the cartridge \"%2\"?\n\n"
                                        "Its current save is kept first as a backup beside the file.")
                                         .arg(file, cartridge))
               == QMessageBox::Yes;
    })
{
    settings = new Settings(this);

    auto *mainLayout = new QVBoxLayout;
    auto *topRow = new QHBoxLayout;
    auto *buttonColumn = new QVBoxLayout;
    auto *progressRow = new QHBoxLayout;

    infoButton = new QPushButton(tr("Info"), this);
    dumpButton = new QPushButton(tr("Dump"), this);
    flashButton = new QPushButton(tr("Flash"), this);
    readSramButton = new QPushButton(tr("Read SRAM"), this);
    writeSramButton = new QPushButton(tr("Write SRAM"), this);

    console = new Console(this);
    style_log_view(console);
    progressBar = new QProgressBar(this);
    cancelButton = new QPushButton(tr("Cancel"), this);
    outcomeIcon = new QLabel(this);
    outcomeLabel = new QLabel(this);
    readTwiceBox = new QCheckBox(tr("Read twice and compare"), this);

    buttonColumn->addSpacing(20);
    buttonColumn->addWidget(infoButton);
    buttonColumn->addWidget(dumpButton);
    buttonColumn->addWidget(flashButton);
    buttonColumn->addWidget(readSramButton);
    buttonColumn->addWidget(writeSramButton);
    buttonColumn->addWidget(readTwiceBox);
    topRow->addWidget(settings);
    topRow->addLayout(buttonColumn);
    progressRow->addWidget(outcomeIcon);
    progressRow->addWidget(outcomeLabel);
    progressRow->addWidget(progressBar);
    progressRow->addWidget(cancelButton);
    mainLayout->addLayout(topRow);
    // The log takes the room the window gains; the stretch keeps the rows
    // together at the top when the log cannot grow.
    mainLayout->addWidget(console, 1);
    mainLayout->addLayout(progressRow);
    mainLayout->addStretch();
    setLayout(mainLayout);

    setProgress(0, 1);
    setButtonsEnabled(true);
    consoleCode = code(ConsoleCode::md);

    for (const Family *family : families()) {
        const FamilyWorkers pair{family->code(), family->makeInfo(), family->makeDump(),
                                 family->makeReadSave(), family->makeWriteSave()};
        wire(pair.info);
        wire(pair.dump);
        wire(pair.readSave);
        wire(pair.writeSave);
        workers_.append(pair);
    }
    sfcThreadInfo = infoWorkerFor(code(ConsoleCode::sfc));
    sfcThreadDump = dumpWorkerFor(code(ConsoleCode::sfc));
    gbcThreadInfo = infoWorkerFor(code(ConsoleCode::gbc));
    gbcThreadDump = dumpWorkerFor(code(ConsoleCode::gbc));
    gbaThreadInfo = infoWorkerFor(code(ConsoleCode::gba));
    gbaThreadDump = dumpWorkerFor(code(ConsoleCode::gba));
    smsThreadInfo = infoWorkerFor(code(ConsoleCode::sms));
    smsThreadDump = dumpWorkerFor(code(ConsoleCode::sms));
    msxThreadInfo = infoWorkerFor(code(ConsoleCode::msx));
    msxThreadDump = dumpWorkerFor(code(ConsoleCode::msx));
    mdThreadInfo = infoWorkerFor(code(ConsoleCode::md));
    mdThreadDump = dumpWorkerFor(code(ConsoleCode::md));

    connect(infoButton, SIGNAL(clicked(bool)), this, SLOT(push_info()));
    connect(dumpButton, SIGNAL(clicked(bool)), this, SLOT(push_read_rom()));
    connect(readSramButton, SIGNAL(clicked(bool)), this, SLOT(push_read_ram()));
    connect(flashButton, SIGNAL(clicked(bool)), this, SLOT(push_write_flash()));
    connect(writeSramButton, SIGNAL(clicked(bool)), this, SLOT(push_write_ram()));

    // The captions are the translation keys, so no '&' mnemonics: the keys
    // are shortcuts of their own, named in the tooltips.
    addShortcut(infoButton, QKeySequence(Qt::ALT + Qt::Key_I));
    addShortcut(dumpButton, QKeySequence(Qt::ALT + Qt::Key_D));
    addShortcut(flashButton, QKeySequence(Qt::ALT + Qt::Key_F));
    addShortcut(readSramButton, QKeySequence(Qt::ALT + Qt::Key_R));
    addShortcut(writeSramButton, QKeySequence(Qt::ALT + Qt::Key_W));
    addShortcut(cancelButton, QKeySequence(Qt::ALT + Qt::Key_C));

    // Top to bottom: the panel's boxes, the buttons, the log, Cancel.
    QWidget *order[] = {settings->mmcTypeBox, settings->romSizeBox, settings->ramTypeBox,
                        settings->ramSizeBox, settings->checkSizeBox, settings->checkSizeBox2,
                        infoButton, dumpButton, flashButton, readSramButton, writeSramButton,
                        console, cancelButton};
    for (size_t i = 1; i < sizeof order / sizeof *order; ++i)
        setTabOrder(order[i - 1], order[i]);
    console->setTabChangesFocus(true);

    info(tr("Please select a console"));
    info(tr("Default is MD\r\n"));
}

TabGui::~TabGui()
{
    // The tab goes with the window at the end of the program; a run still
    // going is asked to stop and waited for, since a running thread must
    // not be destroyed.
    QVector<CartWorker *> workers;
    for (const FamilyWorkers &pair : workers_)
        workers << pair.info << pair.dump << pair.readSave << pair.writeSave;
    for (CartWorker *worker : workers) {
        if (!worker)
            continue;
        worker->canceled();
        worker->wait();
        delete worker;
    }
}

void TabGui::wire(QObject *worker)
{
    if (!worker)
        return;
    connect(worker, SIGNAL(set_progress (int, int)), this, SLOT(setProgress (int, int)));
    connect(worker, SIGNAL(error (int)), this, SLOT(print_error (int)));
    connect(worker, SIGNAL(log (QString)), this, SLOT(info (QString)));
    // Each line's tone arrives just before it, queued the same way.
    connect(worker, SIGNAL(log_tone (int)), this, SLOT(infoTone (int)));
    connect(worker, SIGNAL(outcome (int)), this, SLOT(showOutcome (int)));
    connect(cancelButton, SIGNAL(clicked ()), worker, SLOT(canceled ()));
    // Info runs send no final status: their thread's end frees the device.
    if (qobject_cast<InfoWorker *>(worker))
        connect(worker, SIGNAL(finished ()), this, SLOT(infoFinished ()));
}

void TabGui::addShortcut(QPushButton *button, const QKeySequence &keys)
{
    auto *shortcut = new QShortcut(keys, this);
    // click() does nothing while the button is disabled.
    connect(shortcut, &QShortcut::activated, button, &QPushButton::click);
    button->setToolTip(tr("Shortcut: %1").arg(keys.toString(QKeySequence::NativeText)));
}

bool TabGui::dumpRunning() const
{
    return dump_ && dump_->isRunning();
}

bool TabGui::saveRunning() const
{
    return save_ && save_->isRunning();
}

void TabGui::cancelDump()
{
    // The frames remove their partial files, and a save run puts the board
    // back, before the thread ends.
    for (CartWorker *run : {static_cast<CartWorker *>(dump_), static_cast<CartWorker *>(save_)}) {
        if (run) {
            run->canceled();
            run->wait();
        }
    }
}

InfoWorker *TabGui::infoWorkerFor(int code) const
{
    for (const FamilyWorkers &pair : workers_)
        if (pair.code == code)
            return pair.info;
    return nullptr;
}

DumpWorker *TabGui::dumpWorkerFor(int code) const
{
    for (const FamilyWorkers &pair : workers_)
        if (pair.code == code)
            return pair.dump;
    return nullptr;
}

SaveWorker *TabGui::saveWorkerFor(int code, bool write) const
{
    for (const FamilyWorkers &pair : workers_)
        if (pair.code == code)
            return write ? pair.writeSave : pair.readSave;
    return nullptr;
}

void TabGui::setButtonsEnabled(bool enabled)
{
    infoButton->setEnabled(enabled);
    dumpButton->setEnabled(enabled);
    flashButton->setEnabled(enabled);
    readSramButton->setEnabled(enabled);
    writeSramButton->setEnabled(enabled);
    cancelButton->setEnabled(!enabled);
    emit busyChanged(!enabled);
}

void TabGui::selectConsole(int code)
{
    if (const Family *family = find_family(code))
        info(QStringLiteral("Select : ") + QString::fromLatin1(family->label));
    settings->setConsole(code);
    consoleCode = code;
}

void TabGui::setProgress(int ile, int max)
{
    // Runs open with (1, size) and close with (1, 1), then (0, 1).
    if (max > 1 && (ile <= 1 || !progressClock.isValid()))
        progressClock.start();
    set_bar(progressBar, ile, max);
    progressBar->setFormat(max > 1 ? QStringLiteral("%p%  ")
                                         + progress_details(ile, max, progressClock.elapsed())
                                   : QString());
}

void TabGui::infoTone(int tone)
{
    pendingTones_.insert(sender(), tone);
}

void TabGui::info(QString text)
{
    // A worker's line takes the tone that worker sent just before it; the
    // tab's own lines and a sender without tones are plain.
    const QObject *from = sender();
    const LogTone tone = from && pendingTones_.contains(from) ? LogTone(pendingTones_.take(from))
                                                              : LogTone::Progress;
    append_log_line(console, text, tone);
}

void TabGui::showOutcome(int result)
{
    const auto o = DumpOutcome(result);
    outcomes_.insert(sender(), result);
    QStyle::StandardPixmap icon = QStyle::SP_MessageBoxCritical;
    switch (o) {
    case DumpOutcome::Verified:
    case DumpOutcome::Consistent:
        icon = QStyle::SP_DialogApplyButton;
        break;
    case DumpOutcome::Suspect:
        icon = QStyle::SP_MessageBoxWarning;
        break;
    case DumpOutcome::Canceled:
        icon = QStyle::SP_DialogCancelButton;
        break;
    case DumpOutcome::Failed:
        break;
    }
    // The icon and the word say it, so no one has to tell colours apart.
    const int side = outcomeLabel->fontMetrics().height();
    outcomeIcon->setPixmap(style()->standardIcon(icon).pixmap(side, side));
    outcomeLabel->setText(outcome_text(o));
}

void TabGui::print_error(int err)
{
    // The one-line summary of a saved image, from the run's own sums.
    if (err == 1 && dump_ && dump_->result().saved) {
        const DumpResult &result = dump_->result();
        append_log_line(console, summary_text(result.size, dumpClock.elapsed(), result.crc32,
                                              outcome_text(dump_->lastOutcome())),
                        LogTone::Progress);
    }
    dump_ = nullptr;
    save_ = nullptr;
    // A saved image takes its outcome's colour: a suspect one is never good.
    const LogTone saved = outcomes_.contains(sender()) ? outcome_tone(DumpOutcome(outcomes_.take(sender())))
                                                       : LogTone::Good;
    if (err == 0)
        log_run_end(console, progressBar, tr(">Operation failure."), LogTone::Failure);
    else
        log_run_end(console, progressBar, err == 1 ? tr(">Success!") : QString(), saved);
    setButtonsEnabled(true);
}

void TabGui::push_info()
{
    InfoWorker *worker = infoWorkerFor(consoleCode);
    if (!worker || worker->isRunning())
        return;
    worker->presets = settings;
    // One run at a time uses the reader: the buttons come back when the
    // Info thread has ended. Info runs do not look at Cancel.
    setButtonsEnabled(false);
    cancelButton->setEnabled(false);
    worker->start(QThread::NormalPriority);
}

void TabGui::infoFinished()
{
    setButtonsEnabled(true);
}

void TabGui::push_read_rom()
{
    const Family *family = find_family(consoleCode);
    DumpWorker *worker = dumpWorkerFor(consoleCode);
    if (!family || !worker)
        return;
    const QString refused = rom_size_refusal(consoleCode, settings->romSize, settings->mmcType);
    if (!refused.isEmpty()) {
        append_log_line(console, refused, LogTone::Failure);
        return;
    }

    const QString name = saveFileDialog(this, tr("Read ROM to..."), QStringLiteral("."),
                                        tr(family->saveFilter));
    if (name.isEmpty())
        return;

    // A run that has sent its status may still be returning; its inputs
    // must not change under it, and start() would do nothing.
    worker->wait();
    worker->configure(name, settings->romSize, settings->mmcType);
    worker->readTwice = readTwiceBox->isChecked();
    outcomeIcon->clear();
    outcomeLabel->clear();
    setButtonsEnabled(false);
    dump_ = worker;
    dumpClock.start();
    worker->start(QThread::NormalPriority);
    info(tr("Reading data from ROM to file:") + QStringLiteral("\n") + name);
}

void TabGui::startSave(SaveWorker *worker, const QString &file)
{
    // A run that has sent its status may still be returning.
    worker->wait();
    worker->fileName = file;
    worker->backupPath.clear();
    worker->ramSize = settings->ramSize;
    worker->mmcType = settings->mmcType;
    setButtonsEnabled(false);
    save_ = worker;
    worker->start(QThread::NormalPriority);
}

void TabGui::push_read_ram()
{
    const Family *family = find_family(consoleCode);
    SaveWorker *worker = saveWorkerFor(consoleCode, false);
    if (!family || !worker)
        return;
    const QString name = saveFileDialog(this, tr("Read SRAM to..."), QStringLiteral("."), tr(family->sramFilter));
    if (name.isEmpty())
        return;
    // The dialog has asked before replacing a file.
    worker->force = true;
    startSave(worker, name);
    info(tr("Reading save memory to file:") + QStringLiteral("\n") + name);
}

void TabGui::push_write_flash() {}

void TabGui::push_write_ram()
{
    const Family *family = find_family(consoleCode);
    SaveWorker *worker = saveWorkerFor(consoleCode, true);
    if (!family || !worker)
        return;
    const QString name = openFileDialog(this, tr("Write SRAM from..."), QStringLiteral("."), tr(family->sramFilter));
    if (name.isEmpty())
        return;
    // Asked once the worker knows the cartridge, before its RAM is touched;
    // the worker waits for the answer.
    worker->confirmWrite = [this](const QString &cartridge, const QString &file) {
        bool yes = false;
        QMetaObject::invokeMethod(
            this, [&] { yes = confirmWrite(this, cartridge, file); }, Qt::BlockingQueuedConnection);
        return yes;
    };
    startSave(worker, name);
    info(tr("Writing save memory from file:") + QStringLiteral("\n") + name);
}
