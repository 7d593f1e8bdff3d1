// An MSX cartridge in a 64 KiB slot, with the bank registers of its mapper
// and, on the boards that carry it, the SRAM those registers map.
#pragma once

#include "simulator/cartridge.h"

#include <array>
#include <cstdint>
#include <vector>

namespace sim {

class MsxCartridge : public Cartridge {
public:
    // `mapper` is the MMC TYPE value (0 and unknown values: a plain ROM);
    // plain ROMs, the Konami Synthesizer (13) and the Disk ROM (15) lie flat
    // in the slot from `base`; a plain ROM smaller than its pages repeats.
    MsxCartridge(std::vector<uint8_t> rom, int mapper, uint16_t base = 0x4000);

    int family() const override { return bus_msx; }
    void power_up() override;
    void command(const uint8_t *sector) override;
    void read(uint32_t offset, uint8_t *dst, uint32_t len) override;

    std::vector<uint8_t> save_ram() const override { return sram_; }
    bool load_save_ram(const std::vector<uint8_t> &bytes) override { return replace_ram(sram_, bytes); }

    // One write cycle of the CPU at `address` of the slot.
    void write(uint16_t address, uint8_t value);
    // One read cycle; unmapped addresses give 0xFF.
    uint8_t peek(uint16_t address) const;

private:
    uint8_t rom8(uint32_t bank, uint32_t offset) const;
    uint8_t rom16(uint32_t bank, uint32_t offset) const;
    uint8_t sram(uint32_t offset) const;

    std::vector<uint8_t> rom_;
    int mapper_;
    uint16_t base_;
    uint32_t banks8_;
    uint32_t banks16_;
    std::array<uint8_t, 4> reg_{};       // bank registers, meaning per mapper
    std::array<bool, 4> sramOn_{};       // regions showing SRAM instead of ROM
    uint8_t enable_ = 0;                 // FM-PAC enable register
    std::vector<uint8_t> sram_;
};

} // namespace sim
