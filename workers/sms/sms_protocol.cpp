#include "workers/sms/sms_protocol.h"

#include <cstring>

namespace sms {

namespace {
constexpr char kBoard[] = "QXB_RDR07_";
constexpr size_t kBoardLength = sizeof(kBoard) - 1;
constexpr size_t kVersionStart = 12;
// The identity text is 16 bytes; digits past it are not part of it.
constexpr size_t kIdentityLength = 16;
}

bool board_supported(const char *firmware)
{
    return firmware && std::strncmp(firmware, kBoard, kBoardLength) == 0;
}

int firmware_version(const char *firmware)
{
    if (!firmware || std::memchr(firmware, 0, kVersionStart))
        return 0;
    int version = 0;
    for (size_t i = kVersionStart; i < kIdentityLength; ++i) {
        const char c = firmware[i];
        if (c < '0' || c > '9')
            break;
        version = version * 10 + (c - '0');
    }
    return version;
}

CommandSector start_sector()
{
    return make_command(kTarget, kOpStart);
}

CommandSector register_write(uint32_t address, uint32_t value)
{
    CommandSector s = make_command(kTarget, kOpRegisterWrite);
    put_le32(s, 4, address);
    s[8] = 1;
    s[12] = uint8_t(value & 0xFF);
    return s;
}

BlockRead slot_read(int slot)
{
    BlockRead step;
    step.windowOffset = uint32_t(slot) * kBankSize;
    step.length = kBankSize;
    return step;
}

BlockRead bank_read(uint32_t bank, uint32_t length)
{
    BlockRead step;
    step.before.push_back(register_write(kSlot2, bank));
    step.windowOffset = 0x8000;
    step.length = length;
    return step;
}

const TitleRecord *find_title(const TitleRecord *table, size_t count, uint32_t crc)
{
    for (size_t i = 0; i < count; ++i)
        if (table[i].headCrc == crc)
            return &table[i];
    return nullptr;
}

} // namespace sms
