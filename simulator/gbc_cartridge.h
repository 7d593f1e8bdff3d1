// Game Boy cartridges: the ROM behind one of the memory bank controllers,
// driven by GB register-write sectors.
#pragma once

#include "simulator/cartridge.h"

#include <cstdint>
#include <vector>

namespace sim {

class GbCartridge : public Cartridge {
public:
    // The values 0-4 match the MBC TYPE option values. The Hudson chips, the
    // Pocket Camera and MBC7 keep their ROM bank register at 0x2000-0x3FFF.
    enum Mbc : int { none = 0, mbc1 = 1, mbc2 = 2, mbc3 = 3, mbc5 = 4, huc1 = 5, huc3 = 6, camera = 7, mbc7 = 8 };

    // `mbc` -1 takes the controller from the cartridge type byte at 0x147.
    explicit GbCartridge(std::vector<uint8_t> rom, int mbc = -1);

    int family() const override { return bus_gbc; }
    void start(int bus) override;
    void command(const uint8_t *sector) override;
    void read(uint32_t offset, uint8_t *dst, uint32_t len) override;

    int mbc() const { return mbc_; }
    // The controller a cartridge type code names, after the type list of
    // the Game Boy header. Codes outside it, and MMM01, MBC6 and TAMA5,
    // whose banking is not modelled, read as a bare ROM.
    static int mbc_for_type(uint8_t code);

private:
    void write(uint16_t address, uint8_t value);
    // ROM bank shown at 0x0000-0x3FFF and at 0x4000-0x7FFF.
    uint32_t low_bank() const;
    uint32_t high_bank() const;

    std::vector<uint8_t> rom_;
    int mbc_;
    uint32_t bank_ = 1;     // MBC1 5-bit, MBC2 4-bit, MBC3 7-bit, MBC5 9-bit
    uint32_t upper_ = 0;    // MBC1 two-bit register
    int mode_ = 0;          // MBC1 banking mode
};

} // namespace sim
