// The log view of the operation and update tabs.
#pragma once

#include <QIcon>
#include <QTextEdit>

class QProgressBar;

class Console : public QTextEdit {
public:
    using QTextEdit::QTextEdit;
};

// Read-only, "Courier" 9 pt on the blue-grey background of the log views.
void style_log_view(Console *view);
// Appends `text` as a new paragraph and keeps the newest line in view.
void append_log_line(Console *view, const QString &text);
// Progress range 0 to `max`, value `value`.
void set_bar(QProgressBar *bar, int value, int max);
// The end of a run: its status line (none when empty), the rule, an empty bar.
void log_run_end(Console *view, QProgressBar *bar, const QString &status);

// How a log line reads at a glance: a good outcome, a problem, or neither.
enum class LineTone { Plain, Good, Problem };
// Recognises the source texts and their installed translations.
LineTone line_tone(const QString &text);

// append_log_line(), coloured by `tone` rather than by what the text says.
void append_log_line(Console *view, const QString &text, LineTone tone);

// The bar's text after its percentage during a run:
// "1.5 / 4.0 MiB  850 KiB/s  0:05 left".
QString progress_details(qint64 done, qint64 total, qint64 elapsedMs);

// A console icon drawn from its SVG beside the PNG path of the console
// table, sharp at any scale; the PNG itself when there is no SVG.
QIcon console_icon(const char *pngPath);
