#include "workers/gbc/gbc_protocol.h"
#include "workers/gbc/gbc_save.h"
#include "workers/gbc/gbc_threads.h"
#include "workers/verify/serials.h"

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
    {5, 1024 * 1024},         // MBC1 multicart
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
    QT_TRANSLATE_NOOP("Settings", "MBC TYPE:"),  // mapper caption
    false,  // mapping from option
    kLimits, sizeof kLimits / sizeof kLimits[0],  // mapper limits
    gbc::check_header,
    [] (const QString &token) { return verify::game_code_key(token, false); },  // serial key
    [] () -> InfoWorker * { return new gbcThreadInfo; },
    [] () -> DumpWorker * { return new gbcThreadDump; },
    QT_TRANSLATE_NOOP("TabGui", "GB SRAM (*.sav)"),
    [] () -> SaveWorker * { return new gbcThreadReadSave; },
    [] () -> SaveWorker * { return new gbcThreadWriteSave; },
};
