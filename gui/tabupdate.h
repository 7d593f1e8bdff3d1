// The firmware update page and its worker. The update is a timed
// placeholder that never touches the reader; no window shows the page yet.
#pragma once

#include <QElapsedTimer>
#include <QThread>
#include <QWidget>

class Console;
class QProgressBar;
class QPushButton;
class QVBoxLayout;

class UpdateThread : public QThread {
    Q_OBJECT
public:
    explicit UpdateThread(QObject *parent = nullptr) : QThread(parent) {}

signals:
    void log(QString);
    void set_progress(int ile, int max);
    void error(int err);

protected:
    void run() override;
    // Returns once `stepClock` has run for a step's 300 ms.
    virtual void waitStep(const QElapsedTimer &stepClock);
};

class TabUpdate : public QWidget {
    Q_OBJECT
public:
    explicit TabUpdate(QWidget *parent = nullptr);
    ~TabUpdate() override;

    QPushButton *updateButton;
    Console *updateLog;
    QProgressBar *updateProgress;
    QVBoxLayout *buttonLayout;
    QVBoxLayout *logLayout;
    QVBoxLayout *progressLayout;
    QVBoxLayout *mainLayout;
    UpdateThread *updateThread;

public slots:
    void push_update();
    void setProgress(int ile, int max);
    void info(QString text);
    void print_error(int err);
};
