// A cartridge plugged into the simulated reader. Each family models its own
// address space and mappers behind this interface.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace sim {

// Console codes as the reader's command sectors carry them.
enum Bus : int {
    bus_none = 0,
    bus_gbc = 2,
    bus_gba = 3,
    bus_sfc = 15,
    bus_sms = 18,
    bus_md = 19,
    bus_msx = 21,
};

class Cartridge {
public:
    virtual ~Cartridge() = default;
    // The bus whose start command reaches this cartridge.
    virtual int family() const = 0;
    // True when the cartridge answers on `bus`. Master System cartridges also
    // answer on the Mega Drive bus (older reader firmware selects it for them).
    virtual bool on_bus(int bus) const { return bus == family(); }
    // A start command of a bus this cartridge answers on: power-on state.
    virtual void start(int bus) { (void)bus; }
    // Any other accepted sector whose target this cartridge answers on
    // (register writes, half and address selects). `sector` is 512 bytes.
    virtual void command(const uint8_t *sector) { (void)sector; }
    // A read of the data window while the cartridge's bus is selected.
    virtual void read(uint32_t offset, uint8_t *dst, uint32_t len) = 0;
};

// Copies image bytes [offset, offset + len) into dst; bytes past the end of
// the image read 0xFF.
void copy_image(const std::vector<uint8_t> &image, uint64_t offset, uint8_t *dst, uint32_t len);

// Rewrites data[pos, pos + 4) so that the CRC-32 of data[0, len) becomes
// `target`: test and demonstration images can then hit a known title-table key.
void force_crc32(uint8_t *data, size_t len, size_t pos, uint32_t target);

// The span of the address lines a board decodes for a ROM of `size` bytes:
// the least power of two that holds it (1 for none).
uint64_t decoded_span(size_t size);

// Mega Drive: ROM at window offset = address. The board decodes only the
// address lines its ROM needs, so the ROM repeats every power of two that
// holds it; a ROM of another size leaves the rest of that span undriven.
class MdCartridge : public Cartridge {
public:
    explicit MdCartridge(std::vector<uint8_t> rom);
    int family() const override { return bus_md; }
    void read(uint32_t offset, uint8_t *dst, uint32_t len) override;

private:
    std::vector<uint8_t> rom_;
    uint64_t span_;   // the address lines decoded
};

} // namespace sim
