#include "simulator/gbc_cartridge.h"

#include <cstring>

namespace sim {

namespace {
constexpr uint8_t kGbTarget = 2;
constexpr uint8_t kRegisterWrite = 0x0D;
constexpr uint32_t kBank = 0x4000;
}

GbCartridge::GbCartridge(std::vector<uint8_t> rom, int mbc)
    : rom_(std::move(rom)), mbc_(mbc)
{
    if (mbc_ < 0)
        mbc_ = rom_.size() > 0x147 ? mbc_for_type(rom_[0x147]) : none;
}

int GbCartridge::mbc_for_type(uint8_t code)
{
    switch (code) {
    case 0x01: case 0x02: case 0x03:   // MBC1, +RAM, +RAM+BATTERY
        return mbc1;
    case 0x05: case 0x06:              // MBC2, +BATTERY
        return mbc2;
    case 0x0F: case 0x10: case 0x11: case 0x12: case 0x13:   // MBC3 with timer, RAM, battery
        return mbc3;
    case 0x19: case 0x1A: case 0x1B: case 0x1C: case 0x1D: case 0x1E:   // MBC5, with RAM, rumble
        return mbc5;
    case 0x22:   // MBC7 with sensor
        return mbc7;
    case 0xFC:   // Pocket Camera
        return camera;
    case 0xFE:   // HuC3
        return huc3;
    case 0xFF:   // HuC1 with RAM and battery
        return huc1;
    default:     // ROM only, ROM+RAM, MMM01, MBC6, TAMA5, undocumented codes
        return none;
    }
}

void GbCartridge::start(int bus)
{
    (void)bus;
    bank_ = 1;
    upper_ = 0;
    mode_ = 0;
}

void GbCartridge::command(const uint8_t *sector)
{
    if (sector[1] != kGbTarget || sector[2] != kRegisterWrite)
        return;
    write(uint16_t(sector[3] | (sector[4] << 8)), sector[5]);
}

void GbCartridge::write(uint16_t address, uint8_t value)
{
    switch (mbc_) {
    case mbc1:
        if (address >= 0x2000 && address < 0x4000)
            bank_ = value & 0x1F;
        else if (address >= 0x4000 && address < 0x6000)
            upper_ = value & 0x03;
        else if (address >= 0x6000 && address < 0x8000)
            mode_ = value & 1;
        break;
    case mbc2:
        // Bit 8 of the address tells the bank register from RAM enable.
        if (address < 0x4000 && (address & 0x100))
            bank_ = value & 0x0F;
        break;
    case mbc3:
    case huc3:
    case mbc7:
        if (address >= 0x2000 && address < 0x4000)
            bank_ = value & 0x7F;
        break;
    case huc1:
    case camera:
        if (address >= 0x2000 && address < 0x4000)
            bank_ = value & 0x3F;
        break;
    case mbc5:
        if (address >= 0x2000 && address < 0x3000)
            bank_ = (bank_ & 0x100) | value;
        else if (address >= 0x3000 && address < 0x4000)
            bank_ = (bank_ & 0xFF) | ((value & 1u) << 8);
        break;
    default:
        break;
    }
}

uint32_t GbCartridge::low_bank() const
{
    if (mbc_ == mbc1 && mode_ == 1)
        return upper_ << 5;
    return 0;
}

uint32_t GbCartridge::high_bank() const
{
    switch (mbc_) {
    case mbc1:
        // The zero test sees only the five low bits: 0x20 reads as 0x21.
        return (upper_ << 5) | (bank_ == 0 ? 1 : bank_);
    case mbc2:
    case mbc3:
    case huc1:
    case huc3:
    case mbc7:
        return bank_ == 0 ? 1 : bank_;
    case camera:   // bank 0 can be mapped high
    case mbc5:
        return bank_;
    default:
        return 1;
    }
}

void GbCartridge::read(uint32_t offset, uint8_t *dst, uint32_t len)
{
    while (len > 0) {
        if (offset >= 0x8000 || rom_.empty()) {
            std::memset(dst, 0xFF, len);
            return;
        }
        const uint32_t inBank = offset % kBank;
        const uint32_t n = len < kBank - inBank ? len : kBank - inBank;
        const uint32_t bank = offset < kBank ? low_bank() : high_bank();
        // Address lines past the ROM are not connected, so banks wrap.
        const uint64_t size = rom_.size();
        for (uint32_t i = 0; i < n; ++i)
            dst[i] = rom_[(uint64_t(bank) * kBank + inBank + i) % size];
        dst += n;
        offset += n;
        len -= n;
    }
}

} // namespace sim
