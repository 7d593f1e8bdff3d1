// Runs a worker to its end on its own thread and records what it reported,
// in order, so tests can compare exact log lines, progress and status.
#pragma once

#include "simulator/simulated_reader.h"
#include "workers/presets.h"
#include "workers/worker.h"

#include <QObject>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVector>
#include <cstdint>
#include <memory>
#include <vector>

// Presets that remember every request, carried out on the test's thread.
class RecordingPresets : public QObject, public CartridgePresets {
    Q_OBJECT
public:
    QStringList calls;   // "selectRomSize 524288", in order
    QStringList *trace = nullptr;   // also appended here when set

    void selectMMCType(int value) override { record("selectMMCType", value); }
    void selectRomSize(int value) override { record("selectRomSize", value); }
    void selectRamType(int value) override { record("selectRamType", value); }
    void selectRamSize(int value) override { record("selectRamSize", value); }
    void askRomSize(const std::vector<int> &candidates) override;
    QObject *presetContext() override { return this; }

private:
    void record(const char *op, int value);
};

struct RunRecord {
    QStringList logs;                    // every log line
    QVector<QPair<int, int>> progress;   // every set_progress
    QVector<int> errors;                 // every error status
    QStringList presets;                 // every preset request
    QStringList trace;                   // all of the above in arrival order:
                                         // "log X", "progress a b", "error n", "selectRomSize v"
    bool finished = false;               // the thread ended within the time limit
};

// The closing log lines of a successful dump of `image` saved at `path`:
// the save and CRC lines, then the verification lines of that family.
QStringList savedLines(const QString &path, const std::vector<uint8_t> &image, int console);

// The drive's events as "W start 12" (start sector, target), "W ffff<-3"
// (register write: the 32-bit address at byte 4, the value at byte 12) and
// "R 8000+16" (data window read, offset and KiB), in order.
QStringList driveTrace(const sim::SimulatedReader &reader);

// The trace of a dump whose own part is `run`: before it, the header check
// reads the first block twice, each time after the start commands (the
// entries of `run` up to its first read).
QStringList withHeaderCheck(const QStringList &run);

// Starts `worker`, waits until its thread has finished and every queued
// report has arrived. Info workers get fresh RecordingPresets.
RunRecord runWorker(CartWorker &worker, int timeoutMs = 120000);

// A simulated reader holding one cartridge, installed while the bench lives,
// and a folder for the image a dump saves.
struct Bench {
    explicit Bench(std::unique_ptr<sim::Cartridge> cartridge, const char *identity = "QXB_RDR07_FW310");
    // Dumps `size` bytes with mapper `mapper` into path() through a fresh
    // `Worker`.
    template <class Worker>
    RunRecord dump(int size, int mapper = 0)
    {
        Worker worker;
        worker.configure(path(), size, mapper);
        return runWorker(worker);
    }
    QByteArray saved() const;
    QString path() const { return dir.filePath(QStringLiteral("image")); }

    sim::SimulatedReader reader;
    sim::ScopedPlatform platform;
    QTemporaryDir dir;
};
