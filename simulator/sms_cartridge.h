// A Master System cartridge: the Sega mapper above 32 KiB, which wraps bank
// numbers to the ROM's size; at 32 KiB or less no mapper, and the ROM
// repeats across the slots as its undecoded address lines leave it.
#pragma once

#include "simulator/cartridge.h"

#include <array>
#include <cstdint>
#include <vector>

namespace sim {

class SmsCartridge : public Cartridge {
public:
    explicit SmsCartridge(std::vector<uint8_t> rom);

    int family() const override { return bus_sms; }
    // Older reader firmware reaches the cartridge with the Mega Drive start.
    bool on_bus(int bus) const override { return bus == bus_sms || bus == bus_md; }
    void start(int bus) override;
    void command(const uint8_t *sector) override;
    void read(uint32_t offset, uint8_t *dst, uint32_t len) override;

    // One write cycle at `address`: the registers 0xFFFC-0xFFFF, or the
    // cartridge RAM while it is mapped into 0x8000-0xBFFF.
    void write(uint32_t address, uint8_t value);
    uint8_t peek(uint32_t address) const;

private:
    void reset();
    uint8_t rom16(uint32_t bank, uint32_t offset) const;

    std::vector<uint8_t> rom_;
    uint32_t banks_;
    bool mapper_;
    uint32_t span_;   // no mapper: the address lines decoded
    uint8_t control_ = 0;
    std::array<uint8_t, 3> slot_{};
    std::vector<uint8_t> ram_;
};

} // namespace sim
