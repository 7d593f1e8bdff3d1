#include "gui/console.h"

#include <QFont>
#include <QPalette>
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
