// The log view of the operation and update tabs.
#pragma once

#include "workers/log_tone.h"

#include <QIcon>
#include <QTextEdit>

class QProgressBar;

class Console : public QTextEdit {
public:
    using QTextEdit::QTextEdit;
};

// Read-only, "Courier" 9 pt on the blue-grey background of the log views.
void style_log_view(Console *view);
// Appends `text` as a new paragraph, coloured by its tone, and keeps the
// newest line in view.
void append_log_line(Console *view, const QString &text, LogTone tone = LogTone::Progress);
// Progress range 0 to `max`, value `value`.
void set_bar(QProgressBar *bar, int value, int max);
// The end of a run: its status line (none when empty), the rule, an empty bar.
void log_run_end(Console *view, QProgressBar *bar, const QString &status,
                 LogTone tone = LogTone::Progress);

// The bar's text after its percentage during a run:
// "1.5 / 4.0 MiB  850 KiB/s  0:05 left".
QString progress_details(qint64 done, qint64 total, qint64 elapsedMs);

// A console icon drawn from its SVG beside the PNG path of the console
// table, sharp at any scale; the PNG itself when there is no SVG.
QIcon console_icon(const char *pngPath);
