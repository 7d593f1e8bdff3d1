// The log view of the operation and update tabs.
#pragma once

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
