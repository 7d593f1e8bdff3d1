#include "workers/gba/gba_threads.h"
#include "workers/gba/gba_save.h"
#include "workers/gba/gba_protocol.h"

#include <QtGlobal>

extern const Family gba_family;
const Family gba_family = {
    ConsoleCode::gba,
    "gba",
    "GBA",
    ":/images/gba.png",
    QT_TRANSLATE_NOOP("TabGui", "GBA Rom (*.gba)"),
    {notUsedList, gbaRomSizeList, gbaSaveTypeList, gbaSaveSizeList},
    nullptr, 0,
    gba::check_header,
    [] () -> InfoWorker * { return new gbaThreadInfo; },
    [] () -> DumpWorker * { return new gbaThreadDump; },
    QT_TRANSLATE_NOOP("TabGui", "GBA SRAM (*.sav)"),
    [] () -> SaveWorker * { return new gbaThreadReadSave; },
    [] () -> SaveWorker * { return new gbaThreadWriteSave; },
};
