#include "workers/sms/sms_table.h"

namespace sms {

const TitleRecord kTitleTable[] = {
    {"20 em 1 (Brazil)", 262144, 0x31FE5DBB, 0xF0F35C22},
    {"Dallyeora Pigu-Wang (Korea) (Unl)", 442368, 0xFF478834, 0x89B79E77},
    {"Street Fighter II' (Brazil)", 819200, 0x5EFBD822, 0x0F8287EC},
    {"[BIOS] Sega Master System (USA, Europe) (v1.3)", 8192, 0x0072ED54, 0x0072ED54},
};

const size_t kTitleTableSize = sizeof(kTitleTable) / sizeof(kTitleTable[0]);

} // namespace sms
