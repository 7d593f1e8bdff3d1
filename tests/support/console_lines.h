// What a log console shows, one entry per paragraph: blank paragraphs left
// out, a horizontal rule read as "<hr>".
#pragma once

#include "gui/console.h"

#include <QStringList>
#include <QTextBlock>

inline QStringList shown(const Console *console)
{
    QStringList lines;
    for (QTextBlock b = console->document()->begin(); b.isValid(); b = b.next()) {
        if (b.blockFormat().hasProperty(QTextFormat::BlockTrailingHorizontalRulerWidth))
            lines << QStringLiteral("<hr>");
        else if (!b.text().trimmed().isEmpty())
            lines << b.text();
    }
    return lines;
}
