#include "workers/msx/msx_threads.h"
#include "workers/msx/msx_save.h"

#include <QtGlobal>

namespace {

// What each mapper can address: past it the banks wrap and the image
// repeats.
const MapperLimit kLimits[] = {
    {0, 64 * 1024},    // standard (no mapper)
    // Boards without bank registers show no more than the two cartridge pages.
    {13, 32 * 1024},   // Konami Synthesizer
    {15, 32 * 1024},   // Disk ROM
};

} // namespace

extern const Family msx_family;
const Family msx_family = {
    ConsoleCode::msx,
    "msx",
    "MSX/MSX2",
    ":/images/msx.png",
    QT_TRANSLATE_NOOP("TabGui", "MSX Rom (*.rom)"),
    {msxMapperList, msxRomSizeList, notUsedList, notUsedList},
    nullptr,  // mapper caption
    true,  // mapping from option
    kLimits, sizeof kLimits / sizeof kLimits[0],  // mapper limits
    nullptr,  // no header checksum
    nullptr,  // serial key
    [] () -> InfoWorker * { return new msxThreadInfo; },
    [] () -> DumpWorker * { return new msxThreadDump; },
    QT_TRANSLATE_NOOP("TabGui", "MSX SRAM (*.sav)"),
    [] () -> SaveWorker * { return new msxThreadReadSave; },
    [] () -> SaveWorker * { return new msxThreadWriteSave; },
};
