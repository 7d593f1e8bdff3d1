#include "support/harness.h"

#include "device/checksum.h"
#include "support/carts.h"
#include "workers/verify/verify.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>

void RecordingPresets::record(const char *op, int value)
{
    const QString line = QStringLiteral("%1 %2").arg(QLatin1String(op)).arg(value);
    calls << line;
    if (trace)
        *trace << line;
}

void RecordingPresets::askRomSize(const std::vector<int> &candidates)
{
    QString line = QStringLiteral("askRomSize");
    for (int value : candidates)
        line += QLatin1Char(' ') + QString::number(value);
    calls << line;
    if (trace)
        *trace << line;
}

RunRecord runWorker(CartWorker &worker, int timeoutMs)
{
    RunRecord rec;
    RecordingPresets presets;
    presets.trace = &rec.trace;
    if (auto *info = qobject_cast<InfoWorker *>(&worker))
        info->presets = &presets;

    QObject guard;
    QObject::connect(&worker, &CartWorker::log, &guard, [&](const QString &t) {
        rec.logs << t;
        rec.trace << QStringLiteral("log ") + t;
    });
    QObject::connect(&worker, &CartWorker::set_progress, &guard, [&](int a, int b) {
        rec.progress.append(qMakePair(a, b));
        rec.trace << QStringLiteral("progress %1 %2").arg(a).arg(b);
    });
    QObject::connect(&worker, &CartWorker::error, &guard, [&](int e) {
        rec.errors.append(e);
        rec.trace << QStringLiteral("error %1").arg(e);
    });

    worker.start();
    QElapsedTimer clock;
    clock.start();
    while (!worker.isFinished() && clock.elapsed() < timeoutMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        worker.wait(5);
    }
    // isFinished() turns true a moment before the thread has fully left;
    // wait for that, within what is left of the time limit.
    rec.finished = worker.wait(ulong(qMax<qint64>(1, timeoutMs - clock.elapsed())));
    // Deliver everything the run queued before it ended.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    rec.presets = presets.calls;
    if (auto *info = qobject_cast<InfoWorker *>(&worker))
        info->presets = nullptr;
    return rec;
}

QStringList driveTrace(const sim::SimulatedReader &reader)
{
    QStringList out;
    for (const sim::Event &e : reader.events()) {
        const sim::SectorRecord &s = e.sector;
        if (e.kind == sim::Event::Command)
            out << (s.operation() == 0x01 ? QStringLiteral("W start %1").arg(s.target(), 0, 16)
                                          : QStringLiteral("W %1<-%2").arg(s.le32(4), 4, 16, QLatin1Char('0')).arg(s.arg(12)));
        else if (e.file == "DUMP.ROM")
            out << QStringLiteral("R %1+%2").arg(e.offset, 0, 16).arg(e.length / 1024);
    }
    return out;
}

QStringList withHeaderCheck(const QStringList &run)
{
    int firstRead = 0;
    while (firstRead < run.size() && !run[firstRead].startsWith(QLatin1String("R ")))
        ++firstRead;
    const QStringList check = run.mid(0, firstRead + 1);
    return check + check + run;
}

QStringList savedLines(const QString &path, const std::vector<uint8_t> &image, int console)
{
    QStringList lines{QStringLiteral("Save file success.") + path,
                      QStringLiteral("File CRC: 0x") + QString::number(crc32_buffer(image.data(), image.size()), 16)};
    return lines + verify::verification_lines(console, to_bytes(image));
}

Bench::Bench(std::unique_ptr<sim::Cartridge> cartridge, const char *identity)
    : reader('F', "QUORVEL", identity), platform(reader)
{
    reader.insert(std::move(cartridge));
}

QByteArray Bench::saved() const
{
    return file_bytes(path());
}
