// How worker reports appear on a terminal or in a pipe.
#pragma once

#include "workers/log_tone.h"

#include <QElapsedTimer>
#include <QString>
#include <QTextStream>

namespace cli {

// The text printed for one log line: "<hr><br>" as a rule, "\r\n" as an
// empty line, anything else as it stands.
QString log_text(const QString &line);

// `text` without control characters (line feeds kept): a title or label read
// from a cartridge must not move the cursor or recolour the terminal.
QString terminal_text(const QString &text);

// "42%  850 KiB/s  0:05 left" for `done` of `total` bytes after
// `elapsedMs`; speed and time left read "--" until they can be told.
QString progress_text(qint64 done, qint64 total, qint64 elapsedMs);

// The closing line of a saved dump:
// "512 KiB in 2.0 s, 256 KiB/s, CRC-32 1a2b3c4d, verified" (MiB for whole MiB).
QString summary_text(qint64 bytes, qint64 elapsedMs, quint32 crc, const QString &verdict);

// Log lines to `out`; on a terminal a single progress line on `err`, kept
// below the log and cleared at the end.
class Printer {
public:
    Printer(QTextStream &out, QTextStream &err, bool progressLine);
    ~Printer();

    void line(const QString &text);      // a line of the log, as is
    // A worker's log line. A failure leaves the progress it interrupted
    // standing above it.
    void log(const QString &workerLine, LogTone tone = LogTone::Progress);
    void error(const QString &text);     // a message on err
    void progress(int done, int total);
    void clearProgress();
    // Leaves the progress line standing as the last word on the run and
    // moves to a fresh line (a cancel, where the terminal may echo "^C").
    void endProgress();
    // The log goes to err: out carries the image.
    void logToErr() { out_ = &err_; }
    // Worker lines name `path` as `shown` (a temporary file standing in for
    // standard output).
    void showPathAs(const QString &path, const QString &shown);

private:
    QTextStream *out_;
    QTextStream &err_;
    bool enabled_;
    bool shown_ = false;
    int lastPercent_ = -1;
    QString lastText_;
    QString path_, shownPath_;
    QElapsedTimer clock_;
};

} // namespace cli
