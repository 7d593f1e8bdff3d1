#include "simulator/gba_cartridge.h"

#include <algorithm>
#include <cstring>

namespace sim {

namespace {
constexpr uint8_t kGbaTarget = 3;

uint8_t floating(uint64_t a)
{
    const uint16_t latched = uint16_t(a >> 1);
    return (a & 1) ? uint8_t(latched >> 8) : uint8_t(latched);
}
constexpr uint8_t kAddress = 0x06;
}

void GbaCartridge::start(int bus)
{
    (void)bus;
    base_ = 0;
}

void GbaCartridge::command(const uint8_t *sector)
{
    if (sector[1] != kGbaTarget || sector[2] != kAddress)
        return;
    base_ = uint32_t(sector[4]) | uint32_t(sector[5]) << 8 | uint32_t(sector[6]) << 16
            | uint32_t(sector[7]) << 24;
}

void GbaCartridge::read(uint32_t offset, uint8_t *dst, uint32_t len)
{
    const uint64_t start = uint64_t(base_) + offset;
    if (repeats_) {
        for (uint32_t i = 0; i < len; ++i) {
            const uint64_t at = (start + i) % span_;
            dst[i] = at < rom_.size() ? rom_[size_t(at)] : floating(start + i);
        }
        return;
    }
    uint32_t i = 0;
    if (start < rom_.size()) {
        i = uint32_t(std::min<uint64_t>(len, rom_.size() - start));
        std::memcpy(dst, rom_.data() + start, i);
    }
    for (; i < len; ++i)
        dst[i] = floating(start + i);
}

} // namespace sim
