#include "workers/gbc/gbc_threads.h"
#include "workers/gbc/gbc_save.h"
#include "workers/gbc/gbc_protocol.h"

#include <QtGlobal>

namespace {

// What each mapper can address: past it the banks wrap and the image
// repeats.
const MapperLimit kLimits[] = {
    {0, 32 * 1024},           // NONE
    {1, 2 * 1024 * 1024},     // MBC1
    {2, 256 * 1024},          // MBC2
    {3, 2 * 1024 * 1024},     // MBC3
    {4, 8 * 1024 * 1024},     // MBC5
};

} // namespace

extern const Family gbc_family;
const Family gbc_family = {
    ConsoleCode::gbc,
    "gb",
    "GB/GBC",
    ":/images/gb.png",
    QT_TRANSLATE_NOOP("TabGui", "GB Rom (*.gb);;GBC Rom (*.gbc)"),
    {gbMbcList, gbRomSizeList, notUsedList, gbRamSizeList},
    kLimits, sizeof kLimits / sizeof kLimits[0],
    gbc::check_header,
    [] () -> InfoWorker * { return new gbcThreadInfo; },
    [] () -> DumpWorker * { return new gbcThreadDump; },
    QT_TRANSLATE_NOOP("TabGui", "GB SRAM (*.sav)"),
    [] () -> SaveWorker * { return new gbcThreadReadSave; },
    [] () -> SaveWorker * { return new gbcThreadWriteSave; },
};
