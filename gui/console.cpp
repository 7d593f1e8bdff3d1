#include "gui/console.h"

#include "workers/rate_text.h"

#include <QFile>
#include <QFont>
#include <QPainter>
#include <QPalette>
#include <QProgressBar>
#include <QSvgRenderer>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// Dark enough to read on the log's blue, bold to tell apart from plain text.
// Warnings and failures share the red for now.
const QColor kGood(0, 70, 0);
const QColor kProblem(130, 0, 0);

} // namespace

QString progress_details(qint64 done, qint64 total, qint64 elapsedMs)
{
    done = qBound<qint64>(0, done, total);
    // Both figures in the unit of the total: "0.9 / 2.0 MiB".
    QString text = total >= 1024 * 1024
        ? QStringLiteral("%1 / %2 MiB").arg(done / 1048576.0, 0, 'f', 1).arg(total / 1048576.0, 0, 'f', 1)
        : QStringLiteral("%1 / %2 KiB").arg(done / 1024).arg(total / 1024);
    if (elapsedMs > 0 && done > 1) {
        const double bytesPerMs = double(done) / double(elapsedMs);
        text += QStringLiteral("  ") + speed_text(bytesPerMs * 1000.0) + QStringLiteral("  ")
            + clock_text(qint64(double(total - done) / bytesPerMs / 1000.0 + 0.5))
            + QStringLiteral(" left");
    }
    return text;
}

QIcon console_icon(const char *pngPath)
{
    QString svg = QString::fromLatin1(pngPath);
    svg.replace(QLatin1String(".png"), QLatin1String(".svg"));
    if (!QFile::exists(svg))
        return QIcon(QString::fromLatin1(pngPath));
    QSvgRenderer renderer(svg);
    if (!renderer.isValid())
        return QIcon(QString::fromLatin1(pngPath));
    // One pixmap per size the bar and the tabs ask for, at 1x and 2x.
    QIcon icon;
    for (int side : {16, 24, 32, 36, 48, 64, 72}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

void style_log_view(Console *view)
{
    view->setMinimumWidth(400);
    view->setReadOnly(true);
    QPalette palette = view->palette();
    palette.setColor(QPalette::All, QPalette::Base, QColor(112, 146, 190, 255));
    view->setPalette(palette);
    view->setFont(QFont(QStringLiteral("Courier"), 9));
}

void append_log_line(Console *view, const QString &text, LogTone tone)
{
    if (text == QLatin1String("<hr><br>")) {
        view->append(text);
    } else {
        // Titles and paths may hold '<' or '&': shown as they are, never
        // taken for markup.
        QTextCursor cursor(view->document());
        cursor.movePosition(QTextCursor::End);
        if (!view->document()->isEmpty())
            cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
        QTextCharFormat format;
        if (tone != LogTone::Progress) {
            format.setForeground(tone == LogTone::Good ? kGood : kProblem);
            format.setFontWeight(QFont::Bold);
        }
        cursor.insertText(text, format);
    }
    QTextCursor cursor = view->textCursor();
    cursor.movePosition(QTextCursor::End);
    view->setTextCursor(cursor);
}

void set_bar(QProgressBar *bar, int value, int max)
{
    bar->setMinimum(0);
    bar->setMaximum(max);
    bar->setValue(value);
}

void log_run_end(Console *view, QProgressBar *bar, const QString &status, LogTone tone)
{
    if (!status.isEmpty())
        append_log_line(view, status, tone);
    append_log_line(view, QStringLiteral("<hr><br>"));
    set_bar(bar, 0, 1);
    bar->setFormat(QString());   // empty between runs, not "0%"
}
