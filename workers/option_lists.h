// The constant option lists of the settings panel, one set per family.
#pragma once

#include <cstdint>

// One option of a row. A list ends with the record whose index is -1.
struct OptionEntry {
    int32_t index;
    int32_t value;
    char name[32];
};
static_assert(sizeof(OptionEntry) == 40, "option records are 40 bytes");

// No list is walked past this many records, end record or not.
constexpr int kMaxOptions = 256;

extern const OptionEntry mdMapperList[];
extern const OptionEntry mdRomSizeList[];
extern const OptionEntry mdRamTypeList[];
extern const OptionEntry mdRamSizeList[];

extern const OptionEntry gbMbcList[];
extern const OptionEntry gbRomSizeList[];
extern const OptionEntry gbRamSizeList[];

extern const OptionEntry gbaRomSizeList[];
extern const OptionEntry gbaSaveTypeList[];
extern const OptionEntry gbaSaveSizeList[];

extern const OptionEntry sfcMapModeList[];
extern const OptionEntry sfcRomSizeList[];
extern const OptionEntry sfcRamSizeList[];

extern const OptionEntry smsMapperList[];
extern const OptionEntry smsRomSizeList[];

extern const OptionEntry msxMapperList[];
extern const OptionEntry msxRomSizeList[];

// The single record shown by every disabled row.
extern const OptionEntry notUsedList[];

// The list a family shows in `row` (1 MMC/MBC TYPE, 2 ROM SIZE, 3 RAM TYPE,
// 4 RAM SIZE): notUsedList where the family leaves the row unused, null for
// a code that names no family or a row outside 1..4.
const OptionEntry *option_list(int consoleCode, int row);

// The first record of `list` whose value is `value`, looking no further than
// the end record or kMaxOptions records; null when there is none.
const OptionEntry *find_option_value(const OptionEntry *list, int value);
