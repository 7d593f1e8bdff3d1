#include "gui/console.h"

#include <QFont>
#include <QPalette>
#include <QProgressBar>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

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
    if (text == QLatin1String("<hr><br>")) {
        view->append(text);
    } else {
        // Titles and paths may hold '<' or '&': shown as they are, never
        // taken for markup.
        QTextCursor cursor(view->document());
        cursor.movePosition(QTextCursor::End);
        if (!view->document()->isEmpty())
            cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
        cursor.insertText(text);
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
}
