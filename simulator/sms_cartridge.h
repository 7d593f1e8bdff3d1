// A Master System cartridge: the Sega mapper above 32 KiB, which wraps bank
// numbers to the ROM's size; at 32 KiB or less no mapper, and the ROM
// repeats across the slots as its undecoded address lines leave it. The
// Codemasters board has its own mapper: a register at 0x0000, 0x4000 and
// 0x8000 selects the 16 KiB bank of its slot.
#pragma once

#include "simulator/cartridge.h"

#include <array>
#include <cstdint>
#include <vector>

namespace sim {

class SmsCartridge : public Cartridge {
public:
    enum class Board { Sega, Codemasters };

    // `ramSize`: the battery RAM on the board (0, 8, 16 or 32 KiB on Sega
    // boards; 8 KiB on the Codemasters boards that carry it).
    explicit SmsCartridge(std::vector<uint8_t> rom, Board board = Board::Sega, uint32_t ramSize = 0);

    int family() const override { return bus_sms; }
    // Older reader firmware reaches the cartridge with the Mega Drive start.
    bool on_bus(int bus) const override { return bus == bus_sms || bus == bus_md; }
    void power_up() override;
    void command(const uint8_t *sector) override;
    void read(uint32_t offset, uint8_t *dst, uint32_t len) override;
    std::vector<uint8_t> save_ram() const override { return ram_; }
    bool load_save_ram(const std::vector<uint8_t> &bytes) override { return replace_ram(ram_, bytes); }

    // One write cycle at `address`: the registers, or the cartridge RAM
    // while it is mapped.
    void write(uint32_t address, uint8_t value);
    uint8_t peek(uint32_t address) const;

private:
    uint8_t rom16(uint32_t bank, uint32_t offset) const;
    // Index into ram_ for a slot-2 address, or -1 where no RAM is mapped.
    int64_t ram_index(uint32_t address) const;

    std::vector<uint8_t> rom_;
    Board board_;
    uint32_t banks_;
    bool mapper_;
    uint32_t span_;   // no mapper: the address lines decoded
    uint8_t control_ = 0;
    std::array<uint8_t, 3> slot_{};
    std::vector<uint8_t> ram_;
};

} // namespace sim
