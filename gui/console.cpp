#include "gui/console.h"

#include <QFont>
#include <QPalette>
#include <QTextCursor>

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
    view->append(text);
    QTextCursor cursor = view->textCursor();
    cursor.movePosition(QTextCursor::End);
    view->setTextCursor(cursor);
}
