#include "cli/output.h"

#include "workers/rate_text.h"

namespace cli {

namespace {

const int kRuleWidth = 40;

} // namespace

QString log_text(const QString &line)
{
    if (line == QLatin1String("<hr><br>"))
        return QString(kRuleWidth, QLatin1Char('-'));
    if (line == QLatin1String("\r\n"))
        return QString();
    QString text = line;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text;
}

QString terminal_text(const QString &text)
{
    QString clean;
    clean.reserve(text.size());
    for (const QChar c : text)
        if (c == QLatin1Char('\n') || c.category() != QChar::Other_Control)
            clean += c;
    return clean;
}

QString progress_text(qint64 done, qint64 total, qint64 elapsedMs)
{
    if (total <= 0)
        return QString();
    done = qBound<qint64>(0, done, total);
    const int percent = int(done * 100 / total);
    QString speed = QStringLiteral("-- KiB/s");
    QString left = QStringLiteral("--:-- left");
    if (elapsedMs > 0 && done > 0) {
        const double bytesPerMs = double(done) / double(elapsedMs);
        speed = speed_text(bytesPerMs * 1000.0);
        left = clock_text(qint64(double(total - done) / bytesPerMs / 1000.0 + 0.5))
            + QStringLiteral(" left");
    }
    return QStringLiteral("%1%  %2  %3").arg(percent, 3).arg(speed, left);
}

QString summary_text(qint64 bytes, qint64 elapsedMs, quint32 crc, const QString &verdict)
{
    const qint64 mib = 1024 * 1024;
    const QString size = bytes % 1024 ? QStringLiteral("%1 bytes").arg(bytes)
        : bytes % mib ? QStringLiteral("%1 KiB").arg(bytes / 1024)
                      : QStringLiteral("%1 MiB").arg(bytes / mib);
    const QString speed = elapsedMs > 0 ? speed_text(double(bytes) * 1000.0 / double(elapsedMs))
                                        : QStringLiteral("-- KiB/s");
    const QString time = elapsedMs < 60000 ? QStringLiteral("%1 s").arg(elapsedMs / 1000.0, 0, 'f', 1)
                                           : clock_text((elapsedMs + 500) / 1000);
    return QStringLiteral("%1 in %2, %3, CRC-32 %4, %5")
        .arg(size, time, speed)
        .arg(crc, 8, 16, QLatin1Char('0'))
        .arg(verdict);
}

Printer::Printer(QTextStream &out, QTextStream &err, bool progressLine)
    : out_(&out), err_(err), enabled_(progressLine)
{
}

Printer::~Printer()
{
    clearProgress();
}

void Printer::line(const QString &text)
{
    // The progress line shares the terminal: take it away, print, put it back.
    const bool redraw = shown_;
    clearProgress();
    *out_ << terminal_text(text) << '\n';
    out_->flush();
    if (redraw) {
        err_ << lastText_;
        err_.flush();
        shown_ = true;
    }
}

void Printer::log(const QString &workerLine, LogTone tone)
{
    if (tone == LogTone::Failure)
        endProgress();
    QString text = log_text(workerLine);
    if (!path_.isEmpty())
        text.replace(path_, shownPath_);
    line(text);
}

void Printer::showPathAs(const QString &path, const QString &shown)
{
    path_ = path;
    shownPath_ = shown;
}

void Printer::endProgress()
{
    if (!shown_)
        return;
    err_ << '\n';
    err_.flush();
    shown_ = false;
}

void Printer::error(const QString &text)
{
    clearProgress();
    err_ << terminal_text(text) << '\n';
    err_.flush();
}

void Printer::progress(int done, int total)
{
    // (1, 1) closes every run: nothing left to show.
    if (!enabled_ || total <= 1)
        return;
    if (!clock_.isValid())
        clock_.start();
    const int percent = int(qint64(done) * 100 / total);
    if (percent == lastPercent_ && shown_)
        return;
    lastPercent_ = percent;
    const QString text = progress_text(done, total, clock_.elapsed());
    lastText_ = QLatin1Char('\r') + text.leftJustified(40);
    err_ << lastText_;
    err_.flush();
    shown_ = true;
}

void Printer::clearProgress()
{
    if (!shown_)
        return;
    err_ << '\r' << QString(41, QLatin1Char(' ')) << '\r';
    err_.flush();
    shown_ = false;
}

} // namespace cli
