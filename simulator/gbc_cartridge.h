// Game Boy cartridges: the ROM and battery RAM behind one of the memory
// bank controllers, driven by GB register-write sectors.
#pragma once

#include "simulator/cartridge.h"

#include <array>
#include <cstdint>
#include <vector>

namespace sim {

class GbCartridge : public Cartridge {
public:
    // The values 0-4 match the MBC TYPE option values. The Hudson chips, the
    // Pocket Camera and MBC7 keep their ROM bank register at 0x2000-0x3FFF.
    // mbc1m: the MBC1 multicart board, whose upper bank bits drive ROM
    // address lines one place lower (a 4-bit lower register).
    enum Mbc : int { none = 0, mbc1 = 1, mbc2 = 2, mbc3 = 3, mbc5 = 4, huc1 = 5, huc3 = 6, camera = 7, mbc7 = 8,
                     mbc1m = 9 };

    // The MBC3 clock registers, as they count.
    struct Clock {
        uint8_t seconds = 0, minutes = 0, hours = 0, day_low = 0;
        uint8_t day_high = 0;   // bit 0 day bit 8, bit 6 halt, bit 7 day carry
    };

    static constexpr int kRamFromHeader = -1;

    // `mbc` -1 takes the controller from the cartridge type byte at 0x147
    // (and tells an MBC1 multicart by its second header at 0x40000).
    // `ramSize` -1 takes the RAM from the type and RAM size bytes.
    explicit GbCartridge(std::vector<uint8_t> rom, int mbc = -1, int ramSize = kRamFromHeader);

    int family() const override { return bus_gbc; }
    void power_up() override;
    void command(const uint8_t *sector) override;
    void read(uint32_t offset, uint8_t *dst, uint32_t len) override;
    // MBC2: one four-bit cell a byte, high nibble 0.
    std::vector<uint8_t> save_ram() const override { return ram_; }
    bool load_save_ram(const std::vector<uint8_t> &bytes) override;

    int mbc() const { return mbc_; }
    bool has_clock() const { return clock_present_; }
    Clock clock() const { return live_; }
    void set_clock(const Clock &c) { live_ = c; }
    bool motor() const { return motor_; }   // rumble boards: the motor's state
    // The controller a cartridge type code names, after the type list of
    // the Game Boy header. Codes outside it, and MMM01, MBC6 and TAMA5,
    // whose banking is not modelled, read as a bare ROM.
    static int mbc_for_type(uint8_t code);
    // The RAM a header declares (type and RAM size code), in bytes.
    static uint32_t ram_for_header(uint8_t type, uint8_t code);
    // An MBC1 image of 1 MiB that repeats its boot logo at 0x40104: the
    // multicart board, whose games start every 256 KiB.
    static bool is_multicart(const std::vector<uint8_t> &rom);

private:
    void write(uint16_t address, uint8_t value);
    uint8_t peek_ram(uint16_t address) const;
    void poke_ram(uint16_t address, uint8_t value);
    uint8_t *clock_register();
    void tick();
    // ROM bank shown at 0x0000-0x3FFF and at 0x4000-0x7FFF.
    uint32_t low_bank() const;
    uint32_t high_bank() const;
    uint32_t ram_bank() const;

    std::vector<uint8_t> rom_;
    int mbc_;
    std::vector<uint8_t> ram_;
    bool rumble_ = false;
    bool clock_present_ = false;
    uint32_t bank_ = 1;     // MBC1 5-bit, MBC2 4-bit, MBC3 7-bit, MBC5 9-bit
    uint32_t upper_ = 0;    // MBC1 two-bit register; the RAM bank elsewhere
    int mode_ = 0;          // MBC1 banking mode
    bool ram_on_ = false;
    bool infrared_ = false; // HuC1: the window shows the infrared port
    bool motor_ = false;
    uint8_t latch_last_ = 0xFF;
    Clock live_, latched_;
};

} // namespace sim
