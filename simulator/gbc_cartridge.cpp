#include "simulator/gbc_cartridge.h"

#include <cstring>

namespace sim {

namespace {
constexpr uint8_t kGbTarget = 2;
constexpr uint8_t kRegisterWrite = 0x0D;
constexpr uint32_t kBank = 0x4000;
constexpr uint32_t kRamBank = 0x2000;
constexpr uint16_t kRamWindow = 0xA000;
constexpr uint32_t kMbc2Cells = 512;
constexpr uint8_t kDayHighBits = 0xC1;
constexpr uint8_t kHalt = 0x40;
constexpr uint8_t kDayCarry = 0x80;

bool enables_ram(uint8_t value) { return (value & 0x0F) == 0x0A; }
} // namespace

GbCartridge::GbCartridge(std::vector<uint8_t> rom, int mbc, int ramSize)
    : rom_(std::move(rom)), mbc_(mbc)
{
    const uint8_t type = rom_.size() > 0x149 ? rom_[0x147] : 0;
    const uint8_t ramCode = rom_.size() > 0x149 ? rom_[0x149] : 0;
    if (mbc_ < 0) {
        mbc_ = rom_.size() > 0x147 ? mbc_for_type(type) : none;
        if (mbc_ == mbc1 && is_multicart(rom_))
            mbc_ = mbc1m;
    }
    uint32_t ram = 0;
    if (ramSize >= 0)
        ram = uint32_t(ramSize);
    else if (mbc_ == mbc2)
        ram = kMbc2Cells;
    else if (mbc_ == none || mbc_ == mbc1 || mbc_ == mbc1m || mbc_ == mbc3 || mbc_ == mbc5 || mbc_ == huc1)
        ram = ram_for_header(type, ramCode);
    ram_.assign(ram, mbc_ == mbc2 ? 0x0F : 0xFF);
    rumble_ = mbc_ == mbc5 && type >= 0x1C && type <= 0x1E;
    clock_present_ = mbc_ == mbc3 && (type == 0x0F || type == 0x10);
    power_up();
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

uint32_t GbCartridge::ram_for_header(uint8_t type, uint8_t code)
{
    switch (type) {
    case 0x05: case 0x06:
        return kMbc2Cells;
    case 0x02: case 0x03: case 0x08: case 0x09: case 0x10: case 0x12: case 0x13:
    case 0x1A: case 0x1B: case 0x1D: case 0x1E: case 0xFF:
        break;
    default:
        return 0;
    }
    switch (code) {
    case 1: return 0x800;
    case 2: return 0x2000;
    case 3: return 0x8000;
    case 4: return 0x20000;
    case 5: return 0x10000;
    default: return 0;
    }
}

bool GbCartridge::is_multicart(const std::vector<uint8_t> &rom)
{
    constexpr size_t kGame = 0x40000;
    constexpr size_t kLogo = 0x104;
    constexpr size_t kLogoSize = 48;
    return rom.size() == 4 * kGame &&
           std::memcmp(rom.data() + kLogo, rom.data() + kGame + kLogo, kLogoSize) == 0;
}

bool GbCartridge::load_save_ram(const std::vector<uint8_t> &bytes)
{
    if (!replace_ram(ram_, bytes))
        return false;
    if (mbc_ == mbc2)
        for (uint8_t &cell : ram_)
            cell &= 0x0F;   // the chip stores four bits
    return true;
}

void GbCartridge::power_up()
{
    bank_ = 1;
    upper_ = 0;
    mode_ = 0;
    ram_on_ = false;
    infrared_ = false;
    motor_ = false;
    latch_last_ = 0xFF;
    latched_ = live_;
}

void GbCartridge::command(const uint8_t *sector)
{
    if (sector[1] != kGbTarget || sector[2] != kRegisterWrite)
        return;
    write(uint16_t(sector[3] | (sector[4] << 8)), sector[5]);
}

void GbCartridge::write(uint16_t address, uint8_t value)
{
    if (address >= kRamWindow && address < 0xC000) {
        poke_ram(address, value);
        return;
    }
    switch (mbc_) {
    case mbc1:
    case mbc1m:
        if (address < 0x2000)
            ram_on_ = enables_ram(value);
        else if (address < 0x4000)
            bank_ = value & 0x1F;
        else if (address < 0x6000)
            upper_ = value & 0x03;
        else if (address < 0x8000)
            mode_ = value & 1;
        break;
    case mbc2:
        // Bit 8 of the address tells the bank register from RAM enable.
        if (address < 0x4000 && (address & 0x100))
            bank_ = value & 0x0F;
        else if (address < 0x4000)
            ram_on_ = enables_ram(value);
        break;
    case mbc3:
        if (address < 0x2000) {
            ram_on_ = enables_ram(value);
        } else if (address < 0x4000) {
            bank_ = value & 0x7F;
        } else if (address < 0x6000) {
            upper_ = value & 0x0F;
        } else if (address < 0x8000) {
            if (latch_last_ == 0 && value == 1) {
                tick();
                latched_ = live_;
            }
            latch_last_ = value;
        }
        break;
    case huc3:
    case mbc7:
        if (address >= 0x2000 && address < 0x4000)
            bank_ = value & 0x7F;
        break;
    case huc1:
        if (address < 0x2000) {
            // 0x0E turns the window over to the infrared port.
            infrared_ = (value & 0x0F) == 0x0E;
            ram_on_ = enables_ram(value);
        } else if (address < 0x4000) {
            bank_ = value & 0x3F;
        } else if (address < 0x6000) {
            upper_ = value & 0x03;
        }
        break;
    case camera:
        if (address >= 0x2000 && address < 0x4000)
            bank_ = value & 0x3F;
        break;
    case mbc5:
        if (address < 0x2000) {
            ram_on_ = value == 0x0A;
        } else if (address < 0x3000) {
            bank_ = (bank_ & 0x100) | value;
        } else if (address < 0x4000) {
            bank_ = (bank_ & 0xFF) | ((value & 1u) << 8);
        } else if (address < 0x6000) {
            // On rumble boards bit 3 drives the motor, not a RAM line.
            motor_ = rumble_ && (value & 0x08);
            upper_ = value & (rumble_ ? 0x07 : 0x0F);
        }
        break;
    default:
        break;
    }
}

uint32_t GbCartridge::ram_bank() const
{
    switch (mbc_) {
    case mbc1:
    case mbc1m:
        return mode_ == 1 ? upper_ : 0;
    case mbc3:
    case mbc5:
    case huc1:
        return upper_;
    default:
        return 0;
    }
}

uint8_t *GbCartridge::clock_register()
{
    switch (upper_) {
    case 0x08: return &live_.seconds;
    case 0x09: return &live_.minutes;
    case 0x0A: return &live_.hours;
    case 0x0B: return &live_.day_low;
    case 0x0C: return &live_.day_high;
    default: return nullptr;
    }
}

void GbCartridge::tick()
{
    // The clock advances one second between latches, so that two reads of
    // a running clock differ as they would on a real cartridge.
    if (live_.day_high & kHalt)
        return;
    live_.seconds = uint8_t((live_.seconds + 1) & 0x3F);
    if (live_.seconds != 60)
        return;
    live_.seconds = 0;
    if (++live_.minutes != 60)
        return;
    live_.minutes = 0;
    if (++live_.hours != 24)
        return;
    live_.hours = 0;
    if (++live_.day_low != 0)
        return;
    if (live_.day_high & 1)
        live_.day_high = uint8_t((live_.day_high & ~1) | kDayCarry);
    else
        live_.day_high |= 1;
}

uint8_t GbCartridge::peek_ram(uint16_t a) const
{
    if (mbc_ == huc1 && infrared_)
        return 0xC0;   // no light seen
    if ((mbc_ != none && !ram_on_))
        return 0xFF;
    if (mbc_ == mbc3 && (upper_ & 0x08)) {
        if (!clock_present_)
            return 0xFF;
        switch (upper_) {
        case 0x08: return latched_.seconds & 0x3F;
        case 0x09: return latched_.minutes & 0x3F;
        case 0x0A: return latched_.hours & 0x1F;
        case 0x0B: return latched_.day_low;
        case 0x0C: return latched_.day_high & kDayHighBits;
        default: return 0xFF;
        }
    }
    if (ram_.empty())
        return 0xFF;
    const uint32_t in = a - kRamWindow;
    if (mbc_ == mbc2)
        return uint8_t(0xF0 | ram_[in % kMbc2Cells]);
    return ram_[(ram_bank() * kRamBank + in) % ram_.size()];
}

void GbCartridge::poke_ram(uint16_t a, uint8_t value)
{
    if ((mbc_ == huc1 && infrared_) || (mbc_ != none && !ram_on_))
        return;
    if (mbc_ == mbc3 && (upper_ & 0x08)) {
        uint8_t *reg = clock_present_ ? clock_register() : nullptr;
        if (reg) {
            *reg = upper_ == 0x0C ? uint8_t(value & kDayHighBits) : value;
            latched_ = live_;
        }
        return;
    }
    if (ram_.empty())
        return;
    const uint32_t in = a - kRamWindow;
    if (mbc_ == mbc2)
        ram_[in % kMbc2Cells] = value & 0x0F;
    else
        ram_[(ram_bank() * kRamBank + in) % ram_.size()] = value;
}

uint32_t GbCartridge::low_bank() const
{
    if (mbc_ == mbc1 && mode_ == 1)
        return upper_ << 5;
    if (mbc_ == mbc1m && mode_ == 1)
        return upper_ << 4;
    return 0;
}

uint32_t GbCartridge::high_bank() const
{
    switch (mbc_) {
    case mbc1:
        // The zero test sees only the five low bits: 0x20 reads as 0x21.
        return (upper_ << 5) | (bank_ == 0 ? 1 : bank_);
    case mbc1m:
        // Same zero test on all five bits, but bit 4 reaches no ROM line.
        return (upper_ << 4) | ((bank_ == 0 ? 1 : bank_) & 0x0F);
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
        if (offset >= kRamWindow && offset < 0xC000) {
            *dst++ = peek_ram(uint16_t(offset));
            ++offset;
            --len;
            continue;
        }
        if (offset >= 0x8000 || rom_.empty()) {
            // Nothing answers up to the RAM window, or past it.
            const uint32_t stop = offset < kRamWindow ? kRamWindow : offset >= 0xC000 ? offset + len : 0xC000;
            const uint32_t n = stop - offset < len ? stop - offset : len;
            std::memset(dst, 0xFF, n);
            dst += n;
            offset += n;
            len -= n;
            continue;
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
