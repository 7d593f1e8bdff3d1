// How worker reports appear on a terminal or in a pipe.
#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QTextStream>

namespace cli {

// The text printed for one log line: "<hr><br>" as a rule, "\r\n" as an
// empty line, anything else as it stands.
QString log_text(const QString &line);

// "42%  850 KiB/s  0:05 left" for `done` of `total` bytes after
// `elapsedMs`; speed and time left read "--" until they can be told.
QString progress_text(qint64 done, qint64 total, qint64 elapsedMs);

// Log lines to `out`; on a terminal a single progress line on `err`, kept
// below the log and cleared at the end.
class Printer {
public:
    Printer(QTextStream &out, QTextStream &err, bool progressLine);
    ~Printer();

    void line(const QString &text);      // a line of the log, as is
    void log(const QString &workerLine); // a worker's log line
    void error(const QString &text);     // a message on err
    void progress(int done, int total);
    void clearProgress();

private:
    QTextStream &out_;
    QTextStream &err_;
    bool enabled_;
    bool shown_ = false;
    int lastPercent_ = -1;
    QString lastText_;
    QElapsedTimer clock_;
};

} // namespace cli
