#include "workers/sms/sms_protocol.h"

#include <algorithm>
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

std::vector<CommandSector> power_on(int board)
{
    std::vector<CommandSector> writes{register_write(kControl, 0), register_write(kSlot0, 0),
                                      register_write(kSlot1, 1), register_write(kSlot2, 2)};
    if (board == board_codemasters)
        writes = {register_write(kControl, 0), register_write(kCodemastersSlot0, 0),
                  register_write(kCodemastersSlot1, 1), register_write(kCodemastersSlot2, 0)};
    return writes;
}

bool codemasters_header(const uint8_t *p)
{
    const auto bcd = [](uint8_t v, int low, int high) {
        const int n = (v >> 4) * 10 + (v & 0x0F);
        return (v >> 4) <= 9 && (v & 0x0F) <= 9 && n >= low && n <= high;
    };
    const uint16_t checksum = uint16_t(p[6] | p[7] << 8);
    const uint16_t complement = uint16_t(p[8] | p[9] << 8);
    return p[0] >= 1 && p[0] <= 64 && bcd(p[1], 1, 31) && bcd(p[2], 1, 12) && bcd(p[3], 0, 99) &&
           bcd(p[4], 0, 23) && bcd(p[5], 0, 59) && uint16_t(checksum + complement) == 0 && checksum != 0;
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

BlockRead bank_read(uint32_t bank, uint32_t length, int board)
{
    BlockRead step;
    step.before.push_back(register_write(board == board_codemasters ? kCodemastersSlot2 : kSlot2, bank));
    step.windowOffset = 0x8000;
    step.length = length;
    return step;
}

Header find_header(const uint8_t *rom, size_t len)
{
    static const uint32_t sizes[16] = {0x40000, 0x80000, 0x100000, 0, 0, 0, 0, 0,
                                       0, 0, 0x2000, 0x4000, 0x8000, 0xC000, 0x10000, 0x20000};
    Header h;
    for (const uint32_t at : {0x7FF0u, 0x3FF0u, 0x1FF0u}) {
        if (len < at + 16 || std::memcmp(rom + at, "TMR SEGA", 8) != 0)
            continue;
        const uint8_t *p = rom + at;
        h.found = true;
        h.offset = at;
        h.checksum = uint16_t(p[0xA] | p[0xB] << 8);
        const int d[5] = {p[0xC] & 0x0F, p[0xC] >> 4, p[0xD] & 0x0F, p[0xD] >> 4, p[0xE] >> 4};
        if (std::all_of(d, d + 5, [](int x) { return x <= 9; }))
            h.productCode = d[0] + 10 * d[1] + 100 * d[2] + 1000 * d[3] + 10000 * d[4];
        h.version = p[0xE] & 0x0F;
        h.region = p[0xF] >> 4;
        h.declaredSize = sizes[p[0xF] & 0x0F];
        break;
    }
    return h;
}

verify::HeaderCheck check_header(const uint8_t *p, size_t size)
{
    const Header h = find_header(p, size);
    if (!h.found)
        return verify::HeaderCheck::None;
    const uint32_t end = h.declaredSize;
    if (end == 0 || end > size)
        return verify::HeaderCheck::Mismatch;
    // Every byte of the range but the header's own 16.
    const uint16_t sum = uint16_t(byte_sum(p, end) - (h.offset < end ? byte_sum(p + h.offset, 16) : 0));
    return sum == h.checksum ? verify::HeaderCheck::Ok : verify::HeaderCheck::Mismatch;
}

} // namespace sms
