#include "workers/md/md_threads.h"
#include "workers/md/md_protocol.h"

#include <QtGlobal>

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
    [] () -> InfoWorker * { return new mdThreadInfo; },
    [] () -> DumpWorker * { return new mdThreadDump; },
};
