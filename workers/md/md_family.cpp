#include "workers/md/md_protocol.h"
#include "workers/md/md_save.h"
#include "workers/md/md_threads.h"

#include <QRegularExpression>
#include <QtGlobal>

namespace {

// "T-139066-50" and "MK-1535-50": the last part is the region variant.
QString serial_key(const QString &token)
{
    static const QRegularExpression suffix(QStringLiteral("^(.+-.+)-\\d\\d$"));
    const QRegularExpressionMatch m = suffix.match(token);
    QString key = m.hasMatch() ? m.captured(1) : token;
    key.remove(QLatin1Char(' '));
    return key;
}

} // namespace

extern const Family md_family;
const Family md_family = {
    ConsoleCode::md,
    "md",
    "MD/GEN",
    ":/images/md.png",
    QT_TRANSLATE_NOOP("TabGui", "MD Rom (*.md)"),
    {mdMapperList, mdRomSizeList, mdRamTypeList, mdRamSizeList},
    nullptr,  // mapper caption
    false,  // mapping from option
    nullptr, 0,  // mapper limits
    md::check_header,
    serial_key,  // serial key
    [] () -> InfoWorker * { return new mdThreadInfo; },
    [] () -> DumpWorker * { return new mdThreadDump; },
    QT_TRANSLATE_NOOP("TabGui", "MD SRAM (*.srm)"),
    [] () -> SaveWorker * { return new mdThreadReadSave; },
    [] () -> SaveWorker * { return new mdThreadWriteSave; },
};
