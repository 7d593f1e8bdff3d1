#include "workers/msx/msx_protocol.h"

#include "device/checksum.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace msx {

std::atomic<uint8_t> mode{0};

uint8_t mode_for_firmware(const char *firmware)
{
    if (firmware && std::strncmp(firmware, "MSX", 3) == 0)
        return kModeVariant;
    return kModeStandard;
}

CommandSector start_sector(uint8_t m)
{
    return make_command(m, kOpStart);
}

CommandSector register_write(uint8_t m, uint32_t address, uint32_t value)
{
    CommandSector s = make_command(m, kOpRegisterWrite);
    s[4] = uint8_t(address & 0xFF);
    s[5] = uint8_t((address >> 8) & 0xFF);
    s[12] = uint8_t(value & 0xFF);
    return s;
}

bool is_mapper(int value)
{
    return (value >= 0 && value <= 17) || value == 128;
}

BlockRead bank_read(int mapper, uint32_t offset, uint32_t length, uint8_t m)
{
    const uint32_t b16 = offset / kBankSize;
    const uint32_t b8 = offset / kPageSize;
    BlockRead step;
    step.length = length;
    auto write = [&](uint32_t address, uint32_t value) {
        step.before.push_back(register_write(m, address, value));
    };

    switch (mapper) {
    case 1:    // msx-dos 2
    case 5:    // Ascii/16kb
    case 8:    // Ascii/16kb with SRAM
    case 10:   // Konami mah-jong 2
        write(0x6000, b16);
        step.windowOffset = 0x4000;
        break;
    case 2:    // Konami SCC
        write(0x5000, b8);
        write(0x7000, b8 + 1);
        step.windowOffset = 0x4000;
        break;
    case 3:    // Konami4: page 0x4000 is fixed, so read through 0x6000-0x9FFF
        write(0x6000, b8);
        write(0x8000, b8 + 1);
        step.windowOffset = 0x6000;
        break;
    case 4:    // Ascii/8kb
    case 7:    // Ascii/8kb with SRAM
        write(0x6000, b8);
        write(0x6800, b8 + 1);
        step.windowOffset = 0x4000;
        break;
    case 6:    // Game Master 2: page 0x4000 is fixed
        write(0x8000, b8);
        write(0xA000, b8 + 1);
        step.windowOffset = 0x8000;
        break;
    case 9:    // R-Type: values with bit 4 set only reach banks 0x10-0x17
        write(0x7000, (b16 & 0x10) ? (b16 & 0x17) : b16);
        step.windowOffset = 0x8000;
        break;
    case 11:   // Panasonic FM-PAC
        write(0x7FF7, b16);
        step.windowOffset = 0x4000;
        break;
    case 12:   // Super Load Runner: the register answers in page 0
        write(0x0000, b16);
        step.windowOffset = 0x8000;
        break;
    case 13:   // Konami Synthesizer: no registers, the ROM lies flat
        step.windowOffset = 0x4000 + offset;
        break;
    case 14:   // Cross Blaim
        write(0x4045, b16);
        step.windowOffset = 0x8000;
        break;
    case 15:   // Disk ROM
        step.windowOffset = offset | 0x4000;
        break;
    case 16:   // Korean 80-in-1
        write(0x4000, 2 * b16);
        write(0x4001, 2 * b16 + 1);
        step.windowOffset = 0x4000;
        break;
    case 17:   // Korean 126-in-1
        write(0x4000, b16);
        step.windowOffset = 0x4000;
        break;
    case 128:  // Harry Fox: one write pair maps 32 KiB over 0x4000-0xBFFF
        if (offset % 32768 == 0) {
            write(0x6000, offset / 32768);
            write(0x7000, offset / 32768);
        }
        step.windowOffset = 0x4000 + offset % 32768;
        break;
    default:
        step.length = 0;
        break;
    }
    return step;
}

bool is_blank(const uint8_t *data, size_t len)
{
    return std::all_of(data, data + len, [](uint8_t b) { return b == 0xFF; });
}

const TitleRecord *find_title(const TitleRecord *table, size_t count, uint32_t key)
{
    for (size_t i = 0; i < count; ++i)
        if (table[i].key == key)
            return &table[i];
    return nullptr;
}

const TitleRecord *fingerprint(const PageReader &read, const TitleRecord *table, size_t count)
{
    std::vector<uint8_t> page(kPageSize);
    for (uint32_t address : {0x4000u, 0x8000u}) {
        if (!read(address, page.data(), kPageSize))
            return nullptr;
        const uint32_t crc = crc32_buffer(page.data(), page.size());
        if (crc != kBlankPageCrc) {
            const TitleRecord *row = find_title(table, count, crc);
            return row && row->size != 0 ? row : nullptr;
        }
    }
    if (!read(0x6000, page.data(), kPageSize))
        return nullptr;
    if (crc32_buffer(page.data(), page.size()) == kEagleFighterCrc)
        return &kEagleFighter;
    return nullptr;
}

} // namespace msx
