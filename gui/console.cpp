#include "gui/console.h"

#include "workers/rate_text.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QFont>
#include <QPainter>
#include <QPalette>
#include <QPointer>
#include <QProgressBar>
#include <QSvgRenderer>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QVector>

namespace {

// Where the log's texts come from: the twelve workers and the tab.
const char *const kContexts[] = {
    "mdThreadInfo",  "mdThreadDump",  "smsThreadInfo", "smsThreadDump", "msxThreadInfo",
    "msxThreadDump", "sfcThreadInfo", "sfcThreadDump", "gbcThreadInfo", "gbcThreadDump",
    "gbaThreadInfo", "gbaThreadDump", "TabGui",
};

struct ToneText {
    const char *text;
    bool prefix;   // the line starts with it (more follows), or is it
    LineTone tone;
};

const ToneText kToneTexts[] = {
    {"Verified: ", true, LineTone::Good},
    {"Header checksum OK.", false, LineTone::Good},
    {">Success!", false, LineTone::Good},
    {"Header checksum mismatch.", false, LineTone::Problem},
    {">Operation failure.", false, LineTone::Problem},
    {"Save file error.", true, LineTone::Problem},
    {"Read error at 0x", true, LineTone::Problem},
    {"Device command error.", false, LineTone::Problem},
    {"Can not open dump device.", false, LineTone::Problem},
    {"No cartridge answers.", false, LineTone::Problem},
    {"Can not auto detect cartridge information", false, LineTone::Problem},
    {"Warning", true, LineTone::Problem},
    {"The cartridge header declares", true, LineTone::Problem},
};

// Dark enough for 4.5:1 against the log's blue, bold to tell apart from
// plain text.
const QColor kGood(0, 45, 0);
const QColor kProblem(85, 0, 0);

bool matches(const QString &line, const QString &text, bool prefix)
{
    return !text.isEmpty() && (prefix ? line.startsWith(text) : line == text);
}

struct ToneForm {
    QString text;
    bool prefix;
    LineTone tone;
};

// Every form of the tone texts under the installed translators, in the
// order they are tried.
QVector<ToneForm> tone_forms()
{
    QVector<ToneForm> forms;
    for (const ToneText &t : kToneTexts) {
        const QString source = QLatin1String(t.text);
        forms.append({source, t.prefix, t.tone});
        for (const char *context : kContexts) {
            const QString translated = QCoreApplication::translate(context, t.text);
            if (translated != source)
                forms.append({translated, t.prefix, t.tone});
        }
    }
    return forms;
}

// The forms, built on the first line and again after a translator comes or
// goes, not for every line.
class ToneForms : public QObject {
public:
    using QObject::QObject;

    QVector<ToneForm> forms()
    {
        if (forms_.isEmpty())
            forms_ = tone_forms();
        return forms_;
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::LanguageChange)
            forms_.clear();
        return QObject::eventFilter(watched, event);
    }

private:
    QVector<ToneForm> forms_;
};

} // namespace

LineTone line_tone(const QString &text)
{
    // Lives with the application, which tells it of translator changes.
    static QPointer<ToneForms> cache;
    QCoreApplication *app = QCoreApplication::instance();
    if (!cache && app) {
        cache = new ToneForms(app);
        app->installEventFilter(cache);
    }
    const QVector<ToneForm> forms = cache ? cache->forms() : tone_forms();
    for (const ToneForm &f : forms)
        if (matches(text, f.text, f.prefix))
            return f.tone;
    // Warnings translated into Japanese open with the same word.
    if (text.startsWith(QStringLiteral("警告")))
        return LineTone::Problem;
    return LineTone::Plain;
}

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
            + QCoreApplication::translate("TabGui", "%1 left")
                  .arg(clock_text(qint64(double(total - done) / bytesPerMs / 1000.0 + 0.5)));
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

void append_log_line(Console *view, const QString &text)
{
    append_log_line(view, text, line_tone(text));
}

void append_log_line(Console *view, const QString &text, LineTone tone)
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
        if (tone != LineTone::Plain) {
            format.setForeground(tone == LineTone::Good ? kGood : kProblem);
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

void log_run_end(Console *view, QProgressBar *bar, const QString &status)
{
    if (!status.isEmpty())
        append_log_line(view, status);
    append_log_line(view, QStringLiteral("<hr><br>"));
    set_bar(bar, 0, 1);
    bar->setFormat(QString());   // empty between runs, not "0%"
}
