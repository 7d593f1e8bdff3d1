#include "workers/md/md_threads.h"
#include "workers/md/md_save.h"
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
    nullptr, 0,
    md::check_header,
    [] () -> InfoWorker * { return new mdThreadInfo; },
    [] () -> DumpWorker * { return new mdThreadDump; },
    QT_TRANSLATE_NOOP("TabGui", "MD SRAM (*.srm)"),
    [] () -> SaveWorker * { return new mdThreadReadSave; },
    [] () -> SaveWorker * { return new mdThreadWriteSave; },
};
