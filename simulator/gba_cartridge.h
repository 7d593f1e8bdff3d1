// Game Boy Advance cartridges: the ROM read from the offset that the last
// address command chose.
#pragma once

#include "simulator/cartridge.h"

#include <cstdint>
#include <vector>

namespace sim {

class GbaCartridge : public Cartridge {
public:
    explicit GbaCartridge(std::vector<uint8_t> rom) : rom_(std::move(rom)) {}

    int family() const override { return bus_gba; }
    void start(int bus) override;
    void command(const uint8_t *sector) override;
    // Past the end of the ROM nothing drives the multiplexed bus, which
    // still holds the address: each halfword at A reads (A / 2) & 0xFFFF.
    void read(uint32_t offset, uint8_t *dst, uint32_t len) override;

private:
    std::vector<uint8_t> rom_;
    uint32_t base_ = 0;
};

} // namespace sim
