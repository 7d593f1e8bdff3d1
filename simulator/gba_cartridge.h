// Game Boy Advance cartridges: the ROM read from the offset that the last
// address command chose.
#pragma once

#include "simulator/cartridge.h"

#include <cstdint>
#include <vector>

namespace sim {

class GbaCartridge : public Cartridge {
public:
    // `repeats`: a board that decodes only the address lines its ROM needs,
    // so that the ROM repeats from the next power of two instead of the bus
    // floating past its end.
    explicit GbaCartridge(std::vector<uint8_t> rom, bool repeats = false)
        : rom_(std::move(rom)), repeats_(repeats && !rom_.empty()), span_(decoded_span(rom_.size())) {}

    int family() const override { return bus_gba; }
    void start(int bus) override;
    void command(const uint8_t *sector) override;
    // Past the end of the ROM nothing drives the multiplexed bus, which
    // still holds the address: each halfword at A reads (A / 2) & 0xFFFF.
    // An empty ROM stands for an empty slot.
    void read(uint32_t offset, uint8_t *dst, uint32_t len) override;

private:
    std::vector<uint8_t> rom_;
    bool repeats_;
    uint64_t span_;
    uint32_t base_ = 0;
};

} // namespace sim
