// Mega Drive titles keyed by the CRC-32 of the first 8 KiB. Only rows whose
// keys come from a known source are kept; alternative titles are GBK bytes.
#include "workers/md/md_table.h"

namespace md {

const MdTitleRecord mdTitleTable[] = {
    {"James Bond 007 - The Duel (Jpn)", "1993", "Tengen",
     "007 \xCB\xC0\xEA" "L JAMES BOND THE DUEL", 524288, 0xAC8C113E},
    {"Sonic & Knuckles (World)", "19??", "????",
     "\xA5\xBD\xA5\xCB\xA5\xC3\xA5\xAF&\xA5\xCA\xA5\xC3\xA5\xAF\xA5\xEB\xA5\xBA", 2097152, 0x9FD07B6A},
    {"Sonic & Knuckles + Sonic The Hedgehog (World)", "19??", "????", "????", 2621440, 0x9FD07B6A},
    {"[BIOS] X'Eye (USA) (v2.00)", "19??", "????", "????", 131072, 0xF0B1A030},
};

const size_t mdTitleTableSize = sizeof mdTitleTable / sizeof mdTitleTable[0];

} // namespace md
