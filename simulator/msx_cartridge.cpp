#include "simulator/msx_cartridge.h"

namespace sim {

namespace {
constexpr uint32_t kPage8 = 0x2000;
constexpr uint32_t kPage16 = 0x4000;
constexpr uint32_t kSlotSize = 0x10000;

uint32_t bank_count(size_t size, uint32_t bank)
{
    const uint32_t n = uint32_t((size + bank - 1) / bank);
    return n ? n : 1;
}

// The register bit that selects SRAM instead of ROM on the 8 KiB ASCII
// boards: the first bank number past the ROM.
uint32_t ascii8_sram_bit(uint32_t banks8)
{
    uint32_t bit = 1;
    while (bit < banks8)
        bit <<= 1;
    return bit;
}
} // namespace

MsxCartridge::MsxCartridge(std::vector<uint8_t> rom, int mapper, uint16_t base)
    : rom_(std::move(rom)), mapper_(mapper), base_(base),
      banks8_(bank_count(rom_.size(), kPage8)), banks16_(bank_count(rom_.size(), kPage16))
{
    switch (mapper_) {
    case 6: sram_.assign(0x2000, 0xFF); break;   // Game Master 2: two 4 KiB halves
    case 7: sram_.assign(0x2000, 0xFF); break;
    case 8: sram_.assign(0x0800, 0xFF); break;
    default: break;
    }
    power_up();
}

void MsxCartridge::power_up()
{
    sramOn_ = {};
    enable_ = 0;
    switch (mapper_) {
    case 2: case 3: case 6: case 10: case 16:
        reg_ = {0, 1, 2, 3};
        break;
    case 17:
        reg_ = {0, 1, 0, 0};
        break;
    default:
        reg_ = {};
        break;
    }
    if (mapper_ == 14)
        write(0x4045, 0);
}

void MsxCartridge::command(const uint8_t *sector)
{
    const bool msxTarget = sector[1] == 0x14 || sector[1] == 0x15;
    if (msxTarget && sector[2] == 0x03)
        write(uint16_t(sector[4] | (sector[5] << 8)), sector[12]);
}

uint8_t MsxCartridge::rom8(uint32_t bank, uint32_t offset) const
{
    const size_t at = size_t(bank % banks8_) * kPage8 + offset;
    return at < rom_.size() ? rom_[at] : 0xFF;
}

uint8_t MsxCartridge::rom16(uint32_t bank, uint32_t offset) const
{
    const size_t at = size_t(bank % banks16_) * kPage16 + offset;
    return at < rom_.size() ? rom_[at] : 0xFF;
}

uint8_t MsxCartridge::sram(uint32_t offset) const
{
    return sram_.empty() ? 0xFF : sram_[offset % sram_.size()];
}

void MsxCartridge::write(uint16_t a, uint8_t v)
{
    switch (mapper_) {
    case 1:    // MSX-DOS 2
        if (a >= 0x6000 && a < 0x8000)
            reg_[0] = v;
        break;
    case 2:    // Konami SCC: 0x5000, 0x7000, 0x9000, 0xB000 (2 KiB each)
        if (a >= 0x5000 && a < 0xB800 && (a & 0x1800) == 0x1000)
            reg_[(a - 0x4000) >> 13] = v;
        break;
    case 3:    // Konami4
    case 10:   // Hai no Majutsushi: Konami4 board plus a DAC at 0x5000
        if (a >= 0x6000 && a < 0xC000)
            reg_[(a - 0x4000) >> 13] = v;
        break;
    case 4:    // ASCII8
    case 7: {  // ASCII8 with 8 KiB SRAM in 0x8000-0xBFFF
        if (a >= 0x8000 && a < 0xC000 && sramOn_[(a >> 13) - 2]) {
            sram_[(a & (kPage8 - 1)) % sram_.size()] = v;
            break;
        }
        if (a < 0x6000 || a >= 0x8000)
            break;
        const int region = (a >> 11) & 3;
        const uint32_t bit = ascii8_sram_bit(banks8_);
        sramOn_[region] = mapper_ == 7 && region >= 2 && (v & bit);
        reg_[region] = v;
        break;
    }
    case 5:    // ASCII16
    case 8:    // ASCII16 with 2 KiB SRAM in 0x8000-0xBFFF
        if (a >= 0x6000 && a < 0x6800) {
            // SRAM mapped through this register shows in 0x4000-0x7FFF,
            // where the board gives it no write strobe.
            reg_[0] = v;
            sramOn_[0] = mapper_ == 8 && (v & 0x10);
        } else if (a >= 0x7000 && a < 0x7800) {
            reg_[1] = v;
            sramOn_[1] = mapper_ == 8 && (v & 0x10);
        } else if (a >= 0x8000 && a < 0xC000 && sramOn_[1]) {
            sram_[(a & (kPage16 - 1)) % sram_.size()] = v;
        }
        break;
    case 6:    // Game Master 2: bit 4 maps SRAM, bit 5 picks its 4 KiB half
        if ((a >= 0x6000 && a < 0x7000) || (a >= 0x8000 && a < 0x9000) || (a >= 0xA000 && a < 0xB000)) {
            const int region = (a - 0x4000) >> 13;
            reg_[region] = v;
            sramOn_[region] = (v & 0x10) != 0;
        } else if (a >= 0xB000 && a < 0xC000 && sramOn_[3]) {
            sram_[((reg_[3] & 0x20) ? 0x1000 : 0) + (a & 0x0FFF)] = v;
        }
        break;
    case 9:    // R-Type: any write to page 1 selects the bank of page 2
        if (a >= 0x4000 && a < 0x8000)
            reg_[0] = v & ((v & 0x10) ? 0x17 : 0x1F);
        break;
    case 11:   // FM-PAC
        if (a == 0x7FF7)
            reg_[0] = v & 0x03;
        else if (a == 0x7FF6)
            enable_ = v & 0x11;
        break;
    case 12:   // Super Load Runner: snoops writes to address 0
        if (a == 0x0000)
            reg_[0] = v;
        break;
    case 14:   // Cross Blaim: the board decodes no address lines for its latch
        reg_[0] = v & 0x03;
        break;
    case 16:   // Korean 80-in-1
        if (a >= 0x4000 && a < 0x4004)
            reg_[a & 3] = v;
        break;
    case 17:   // Korean 126-in-1
        if (a == 0x4000 || a == 0x4001)
            reg_[a & 1] = v;
        break;
    case 128:  // Harry Fox: one bit per page
        if (a >= 0x6000 && a < 0x7000)
            reg_[0] = v & 1;
        else if (a >= 0x7000 && a < 0x8000)
            reg_[1] = v & 1;
        break;
    default:
        break;
    }
}

uint8_t MsxCartridge::peek(uint16_t a) const
{
    const uint32_t region = a >> 13;          // 8 KiB region 0-7
    const uint32_t page = a >> 14;            // 16 KiB page 0-3
    const uint32_t in8 = a & (kPage8 - 1);
    const uint32_t in16 = a & (kPage16 - 1);
    switch (mapper_) {
    case 1:
        return page == 1 ? rom16(reg_[0], in16) : 0xFF;
    case 2:
    case 4:
    case 7:
    case 16:
        if (region < 2 || region > 5)
            return 0xFF;
        if (sramOn_[region - 2])
            return sram(in8);
        return rom8(reg_[region - 2], in8);
    case 3:
    case 10:
        if (region < 2 || region > 5)
            return 0xFF;
        return rom8(region == 2 ? 0 : reg_[region - 2], in8);
    case 5:
    case 8:
        if (page < 1 || page > 2)
            return 0xFF;
        if (sramOn_[page - 1])
            return sram(in16);
        return rom16(reg_[page - 1], in16);
    case 6:
        if (region < 2 || region > 5)
            return 0xFF;
        if (region == 2)
            return rom8(0, in8);
        if (sramOn_[region - 2])
            return sram(((reg_[region - 2] & 0x20) ? 0x1000 : 0) + (in8 & 0x0FFF));
        return rom8(reg_[region - 2] & 0x0F, in8);
    case 9:
        if (page == 1)
            return rom16(0x17, in16);
        return page == 2 ? rom16(reg_[0], in16) : 0xFF;
    case 11:
        if (page != 1)
            return 0xFF;
        if (in16 == 0x3FF6)
            return enable_;
        if (in16 == 0x3FF7)
            return reg_[0];
        return rom16(reg_[0], in16);
    case 12:
        return page == 2 ? rom16(reg_[0], in16) : 0xFF;
    case 14:
        // Latch values 0 and 1 both show bank 1 in page 2; 2 and 3 also mirror
        // their bank into pages 0 and 3.
        if (page == 1)
            return rom16(0, in16);
        if (reg_[0] < 2)
            return page == 2 ? rom16(1, in16) : 0xFF;
        return rom16(reg_[0], in16);
    case 17:
        if (page < 1 || page > 2)
            return 0xFF;
        return rom16(reg_[page - 1], in16);
    case 128:
        if (page == 1)
            return rom16(2 * reg_[0], in16);
        return page == 2 ? rom16(2 * reg_[1] + 1, in16) : 0xFF;
    default: {
        // A board decodes only the address lines its ROM needs, so a small
        // ROM repeats through the pages the board answers in: both cartridge
        // pages from 0x4000, only the upper one from 0x8000.
        if (a < base_ || rom_.empty())
            return 0xFF;
        const uint32_t span = base_ == 0x8000 ? kPage16 : base_ == 0x4000 ? 2 * kPage16 : kSlotSize;
        const uint32_t at = uint32_t(a - base_);
        if (at >= rom_.size() && at >= span)
            return 0xFF;
        return rom_[at % rom_.size()];
    }
    }
}

void MsxCartridge::read(uint32_t offset, uint8_t *dst, uint32_t len)
{
    for (uint32_t i = 0; i < len; ++i) {
        const uint64_t a = uint64_t(offset) + i;
        dst[i] = a < kSlotSize ? peek(uint16_t(a)) : 0xFF;
    }
}

} // namespace sim
