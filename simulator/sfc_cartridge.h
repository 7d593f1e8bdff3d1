// Super Famicom cartridges behind the SFC start, register-write and
// half-select commands: LoROM, HiROM, ExHiROM and S-DD1 address decoding,
// battery RAM where those boards put it, and ROMs of sizes that are no
// power of two filling the address space as the boards' decoders do.
#pragma once

#include "simulator/cartridge.h"

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

namespace sim {

class SfcCartridge : public Cartridge {
public:
    enum class Mapping { LoRom, HiRom, ExHiRom, Sdd1 };

    static constexpr int kRamFromHeader = -1;

    // `ramSize` -1 takes the RAM from the header (RAM size byte, for boards
    // whose type byte puts RAM on the cartridge without a coprocessor in
    // front of it).
    SfcCartridge(std::vector<uint8_t> rom, Mapping mapping, int ramSize = kRamFromHeader);

    // The mapping for an MMC TYPE value (1 LoROM, or S-DD1 above 4 MiB;
    // 2 HiROM; 3 ExHiROM); any other value lets the image's header decide.
    static Mapping mapping_for(int mmcType, const std::vector<uint8_t> &rom);
    static Mapping guess_mapping(const std::vector<uint8_t> &rom);

    int family() const override { return bus_sfc; }
    void power_up() override;
    void start(int bus) override;
    void command(const uint8_t *sector) override;
    void read(uint32_t offset, uint8_t *dst, uint32_t len) override;

    std::vector<uint8_t> save_ram() const override { return ram_; }
    bool load_save_ram(const std::vector<uint8_t> &bytes) override { return replace_ram(ram_, bytes); }

    // The ROM byte an address line pattern reaches for a ROM of `size`
    // bytes: the part past the largest power of two below the size repeats
    // until the next power of two, and the whole repeats beyond that.
    static uint64_t mirror(uint64_t offset, uint64_t size);

    // Register writes to one address, values in order.
    std::vector<uint8_t> writes_to(uint32_t address) const;

private:
    // ROM offset for a 24-bit cartridge address, or -1 where no ROM answers.
    int64_t rom_offset(uint32_t address) const;
    // Index into ram_ for a 24-bit address, or -1 where the RAM does not answer.
    int64_t ram_index(uint32_t address) const;
    uint8_t rom_byte(int64_t offset) const;

    std::vector<uint8_t> rom_;
    Mapping mapping_;
    int half_ = 0;
    uint32_t next_block_ = 0;                       // LoROM block counter
    std::array<uint8_t, 4> sdd1_pages_{{0, 1, 2, 3}};   // 0x4804..0x4807
    std::vector<std::pair<uint32_t, uint8_t>> writes_;
    std::vector<uint8_t> ram_;
};

} // namespace sim
