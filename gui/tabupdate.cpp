#include "gui/tabupdate.h"

#include "gui/console.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

void UpdateThread::waitStep(const QElapsedTimer &stepClock)
{
    for (qint64 left = 300 - stepClock.elapsed(); left > 0; left = 300 - stepClock.elapsed())
        msleep(static_cast<unsigned long>(left));
}

void UpdateThread::run()
{
    emit log(QCoreApplication::translate("UpdateThread", "Start update."));
    for (int i = 0; i < 100; ++i) {
        QElapsedTimer stepClock;
        stepClock.start();
        waitStep(stepClock);
        emit set_progress(i, 100);
    }
    emit set_progress(1, 1);
    emit error(1);
}

TabUpdate::TabUpdate(QWidget *parent)
    : QWidget(parent)
{
    updateButton = new QPushButton(tr("Update Firmware"), this);
    updateLog = new Console(this);
    style_log_view(updateLog);
    updateProgress = new QProgressBar(this);

    buttonLayout = new QVBoxLayout;
    logLayout = new QVBoxLayout;
    progressLayout = new QVBoxLayout;
    mainLayout = new QVBoxLayout;
    buttonLayout->addWidget(updateButton);
    logLayout->addWidget(updateLog);
    progressLayout->addWidget(updateProgress);
    mainLayout->addLayout(buttonLayout);
    mainLayout->addLayout(logLayout);
    mainLayout->addLayout(progressLayout);
    setLayout(mainLayout);

    connect(updateButton, SIGNAL(clicked(bool)), this, SLOT(push_update()));

    updateThread = new UpdateThread;
    connect(updateThread, SIGNAL(log(QString)), this, SLOT(info(QString)));
    connect(updateThread, SIGNAL(set_progress(int, int)), this, SLOT(setProgress(int, int)));
    connect(updateThread, SIGNAL(error(int)), this, SLOT(print_error(int)));

    setProgress(0, 1);
    info(tr("First turn off anti-virus software."));
    info(tr("Next press \"Update Firmware\" to update firmware."));
    info(tr("\r\n"));
}

TabUpdate::~TabUpdate()
{
    // The thread has no parent; a page closed mid-run waits for it rather
    // than destroying a running thread.
    updateThread->wait();
    delete updateThread;
}

void TabUpdate::push_update()
{
    updateButton->setEnabled(false);
    updateThread->start(QThread::NormalPriority);
}

void TabUpdate::setProgress(int ile, int max)
{
    set_bar(updateProgress, ile, max);
}

void TabUpdate::info(QString text)
{
    append_log_line(updateLog, text);
}

void TabUpdate::print_error(int err)
{
    if (err == 0)
        log_run_end(updateLog, updateProgress, tr(">Operation failure."), LogTone::Failure);
    else
        log_run_end(updateLog, updateProgress, err == 1 ? tr(">Success!") : QString(), LogTone::Good);
    updateButton->setEnabled(true);
}
