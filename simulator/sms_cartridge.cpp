#include "simulator/sms_cartridge.h"

namespace sim {

namespace {
constexpr uint32_t kBank = 0x4000;
constexpr uint32_t kFixedHead = 0x0400;   // never banked: holds the interrupt vectors
constexpr uint8_t kRamEnable = 0x08;
constexpr uint8_t kRamBank = 0x04;
}

SmsCartridge::SmsCartridge(std::vector<uint8_t> rom)
    : rom_(std::move(rom)), banks_(uint32_t((rom_.size() + kBank - 1) / kBank)),
      mapper_(rom_.size() > 2 * kBank), span_(uint32_t(decoded_span(rom_.size()))), ram_(2 * kBank, 0xFF)
{
    if (banks_ == 0)
        banks_ = 1;
    reset();
}

void SmsCartridge::reset()
{
    control_ = 0;
    slot_ = {0, 1, 2};
}

void SmsCartridge::start(int)
{
    reset();
}

void SmsCartridge::command(const uint8_t *sector)
{
    if (sector[1] != bus_sms || sector[2] != 0x03 || sector[8] != 1)
        return;
    const uint32_t address = uint32_t(sector[4]) | uint32_t(sector[5]) << 8 |
                             uint32_t(sector[6]) << 16 | uint32_t(sector[7]) << 24;
    write(address, sector[12]);
}

void SmsCartridge::write(uint32_t address, uint8_t value)
{
    if (!mapper_)
        return;   // the write lands in the console's RAM only
    switch (address) {
    case 0xFFFC: control_ = value; break;
    case 0xFFFD: slot_[0] = value; break;
    case 0xFFFE: slot_[1] = value; break;
    case 0xFFFF: slot_[2] = value; break;
    default:
        if (address >= 0x8000 && address < 0xC000 && (control_ & kRamEnable))
            ram_[((control_ & kRamBank) ? kBank : 0) + (address - 0x8000)] = value;
        break;
    }
}

uint8_t SmsCartridge::rom16(uint32_t bank, uint32_t offset) const
{
    const size_t at = size_t(bank % banks_) * kBank + offset;
    return at < rom_.size() ? rom_[at] : 0xFF;
}

uint8_t SmsCartridge::peek(uint32_t a) const
{
    if (!mapper_) {
        if (a >= 0xC000)
            return 0xFF;
        const uint32_t at = a % span_;
        return at < rom_.size() ? rom_[at] : 0xFF;
    }
    if (a < kFixedHead)
        return rom16(0, a);
    if (a < 0xC000) {
        const uint32_t slot = a / kBank;
        if (slot == 2 && (control_ & kRamEnable))
            return ram_[((control_ & kRamBank) ? kBank : 0) + (a - 0x8000)];
        return rom16(slot_[slot], a % kBank);
    }
    return 0xFF;   // the console's own RAM: nothing on the cartridge answers
}

void SmsCartridge::read(uint32_t offset, uint8_t *dst, uint32_t len)
{
    for (uint32_t i = 0; i < len; ++i) {
        const uint64_t a = uint64_t(offset) + i;
        dst[i] = a < 0xC000 ? peek(uint32_t(a)) : 0xFF;
    }
}

} // namespace sim
