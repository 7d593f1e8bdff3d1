#include "workers/gba/gba_threads.h"
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
    nullptr,  // mapper caption
    false,  // mapping from option
    nullptr, 0,  // mapper limits
    gba::check_header,
    [] () -> InfoWorker * { return new gbaThreadInfo; },
    [] () -> DumpWorker * { return new gbaThreadDump; },
};
