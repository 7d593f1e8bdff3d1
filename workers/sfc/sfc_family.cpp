#include "workers/sfc/sfc_threads.h"
#include "workers/sfc/sfc_save.h"
#include "workers/sfc/sfc_protocol.h"

#include <QtGlobal>

extern const Family sfc_family;
const Family sfc_family = {
    ConsoleCode::sfc,
    "sfc",
    "SFC/SNES",
    ":/images/sfc.png",
    QT_TRANSLATE_NOOP("TabGui", "SFC Rom (*.sfc)"),
    {sfcMapModeList, sfcRomSizeList, notUsedList, sfcRamSizeList},
    nullptr, 0,
    sfc::check_header,
    [] () -> InfoWorker * { return new sfcThreadInfo; },
    [] () -> DumpWorker * { return new sfcThreadDump; },
    QT_TRANSLATE_NOOP("TabGui", "SFC SRAM (*.srm)"),
    [] () -> SaveWorker * { return new sfcThreadReadSave; },
    [] () -> SaveWorker * { return new sfcThreadWriteSave; },
};
