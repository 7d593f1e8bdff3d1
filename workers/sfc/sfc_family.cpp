#include "workers/sfc/sfc_protocol.h"
#include "workers/sfc/sfc_save.h"
#include "workers/sfc/sfc_threads.h"
#include "workers/verify/serials.h"

#include <QtGlobal>

extern const Family sfc_family;
const Family sfc_family = {
    ConsoleCode::sfc,
    "sfc",
    "SFC/SNES",
    ":/images/sfc.png",
    QT_TRANSLATE_NOOP("TabGui", "SFC Rom (*.sfc)"),
    {sfcMapModeList, sfcRomSizeList, notUsedList, sfcRamSizeList},
    nullptr,  // mapper caption
    true,  // mapping from option
    nullptr, 0,  // mapper limits
    sfc::check_header,
    [] (const QString &token) { return verify::game_code_key(token, true); },  // serial key
    [] () -> InfoWorker * { return new sfcThreadInfo; },
    [] () -> DumpWorker * { return new sfcThreadDump; },
    QT_TRANSLATE_NOOP("TabGui", "SFC SRAM (*.srm)"),
    [] () -> SaveWorker * { return new sfcThreadReadSave; },
    [] () -> SaveWorker * { return new sfcThreadWriteSave; },
};
