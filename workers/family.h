// What a cartridge family is, in one place: the front ends, the frame and
// the catalogue read these descriptors instead of knowing the families.
#pragma once

#include "workers/option_lists.h"
#include "workers/types.h"

#include <QString>
#include <cstddef>
#include <cstdint>

class InfoWorker;
class DumpWorker;
class SaveWorker;

// Scoped, since the family namespaces carry the same names.
enum class ConsoleCode : int {
    md = 19,
    sms = 18,
    msx = 21,
    sfc = 15,
    gbc = 2,
    gba = 3,
};

constexpr int code(ConsoleCode c) { return static_cast<int>(c); }

// ROM SIZE past which a mapper's banks wrap and the image would repeat.
struct MapperLimit {
    int mapper;     // MMC TYPE value
    int maxBytes;
};

struct Family {
    ConsoleCode console;
    const char *name;        // the headless program's --console, the simulator's cartridge key
    const char *label;       // button tool tip and the "Select : " line
    const char *icon;        // resource path
    const char *saveFilter;  // save dialog filter, translated in the TabGui context
    // Option lists of the rows MMC TYPE, ROM SIZE, RAM TYPE, RAM SIZE;
    // notUsedList where the family leaves a row unused.
    const OptionEntry *rows[4];
    // The first row's caption where it is not "MMC TYPE:" (Settings context).
    const char *mapperCaption;
    // A bare image does not say how its board maps it: a simulated
    // cartridge of it takes the MMC TYPE given.
    bool mappingFromOption;
    const MapperLimit *limits;
    size_t limitCount;
    // Null where the family's header has no checksum.
    verify::HeaderCheck (*checkHeader)(const uint8_t *image, size_t size);
    // The code a header carries for one token of a catalogue serial field
    // ("MK-1535-50" gives "MK-1535"), empty when the token gives none; null
    // where the family's headers carry no code.
    QString (*serialKey)(const QString &token);
    InfoWorker *(*makeInfo)();
    DumpWorker *(*makeDump)();
    // Save memory: the dialog filter (translated in the TabGui context) and
    // the workers that read and write it.
    const char *sramFilter;
    SaveWorker *(*makeReadSave)();
    SaveWorker *(*makeWriteSave)();

    int code() const { return static_cast<int>(console); }
};
