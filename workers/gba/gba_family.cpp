#include "workers/gba/gba_protocol.h"
#include "workers/gba/gba_save.h"
#include "workers/gba/gba_threads.h"
#include "workers/verify/serials.h"

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
    [] (const QString &token) { return verify::game_code_key(token, false); },  // serial key
    [] () -> InfoWorker * { return new gbaThreadInfo; },
    [] () -> DumpWorker * { return new gbaThreadDump; },
    QT_TRANSLATE_NOOP("TabGui", "GBA SRAM (*.sav)"),
    [] () -> SaveWorker * { return new gbaThreadReadSave; },
    [] () -> SaveWorker * { return new gbaThreadWriteSave; },
};
