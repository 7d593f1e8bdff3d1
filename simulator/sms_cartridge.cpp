#include "simulator/sms_cartridge.h"

namespace sim {

namespace {
constexpr uint32_t kBank = 0x4000;
constexpr uint32_t kFixedHead = 0x0400;   // never banked: holds the interrupt vectors
constexpr uint8_t kRamEnable = 0x08;
constexpr uint8_t kRamBank = 0x04;
constexpr uint8_t kCodemastersRam = 0x80;   // in the 0x4000 register
}

SmsCartridge::SmsCartridge(std::vector<uint8_t> rom, Board board, uint32_t ramSize)
    : rom_(std::move(rom)), board_(board), banks_(uint32_t((rom_.size() + kBank - 1) / kBank)),
      mapper_(board == Board::Codemasters || rom_.size() > 2 * kBank), span_(uint32_t(decoded_span(rom_.size()))),
      ram_(ramSize, 0xFF)
{
    if (banks_ == 0)
        banks_ = 1;
    power_up();
}

void SmsCartridge::power_up()
{
    control_ = 0;
    if (board_ == Board::Codemasters)
        slot_ = {0, 1, 0};
    else
        slot_ = {0, 1, 2};
}

void SmsCartridge::command(const uint8_t *sector)
{
    if (sector[1] != bus_sms || sector[2] != 0x03 || sector[8] != 1)
        return;
    const uint32_t address = uint32_t(sector[4]) | uint32_t(sector[5]) << 8 |
                             uint32_t(sector[6]) << 16 | uint32_t(sector[7]) << 24;
    write(address, sector[12]);
}

int64_t SmsCartridge::ram_index(uint32_t a) const
{
    if (ram_.empty())
        return -1;
    if (board_ == Board::Codemasters) {
        if (a < 0xA000 || a >= 0xC000 || !(slot_[1] & kCodemastersRam))
            return -1;
        return (a - 0xA000) % ram_.size();
    }
    if (a < 0x8000 || a >= 0xC000 || !(control_ & kRamEnable))
        return -1;
    // A small RAM leaves the upper address lines, and the bank bit, unwired.
    return (((control_ & kRamBank) ? kBank : 0) + (a - 0x8000)) % ram_.size();
}

void SmsCartridge::write(uint32_t address, uint8_t value)
{
    if (!mapper_)
        return;   // the write lands in the console's RAM only
    if (board_ == Board::Codemasters) {
        if (address == 0x0000 || address == 0x4000 || address == 0x8000) {
            slot_[address / kBank] = value;
            return;
        }
    } else {
        switch (address) {
        case 0xFFFC: control_ = value; return;
        case 0xFFFD: slot_[0] = value; return;
        case 0xFFFE: slot_[1] = value; return;
        case 0xFFFF: slot_[2] = value; return;
        default: break;
        }
    }
    const int64_t at = ram_index(address);
    if (at >= 0)
        ram_[size_t(at)] = value;
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
    if (a >= 0xC000)
        return 0xFF;   // the console's own RAM: nothing on the cartridge answers
    const int64_t ram = ram_index(a);
    if (ram >= 0)
        return ram_[size_t(ram)];
    if (board_ == Board::Sega) {
        if (a < kFixedHead)
            return rom16(0, a);
        if (a >= 0x8000 && (control_ & kRamEnable))
            return 0xFF;   // RAM selected, but the board carries none
    }
    const uint32_t slot = a / kBank;
    uint32_t bank = slot_[slot];
    if (board_ == Board::Codemasters && slot == 1)
        bank &= ~uint32_t(kCodemastersRam);
    return rom16(bank, a % kBank);
}

void SmsCartridge::read(uint32_t offset, uint8_t *dst, uint32_t len)
{
    for (uint32_t i = 0; i < len; ++i) {
        const uint64_t a = uint64_t(offset) + i;
        dst[i] = a < 0xC000 ? peek(uint32_t(a)) : 0xFF;
    }
}

} // namespace sim
