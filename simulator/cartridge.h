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
    // Power reaches the board (insertion, the reader plugged in): its
    // registers take their power-on values. Battery RAM keeps its contents.
    virtual void power_up() {}
    // A start command of a bus this cartridge answers on. The board itself
    // sees no reset: only what the reader keeps per run (window selects,
    // streaming position) starts over.
    virtual void start(int bus) { (void)bus; }
    // Any other accepted sector whose target this cartridge answers on
    // (register writes, half and address selects). `sector` is 512 bytes.
    virtual void command(const uint8_t *sector) { (void)sector; }
    // A read of the data window while the cartridge's bus is selected.
    virtual void read(uint32_t offset, uint8_t *dst, uint32_t len) = 0;

    // The battery RAM as its chip holds it (empty: the board keeps none the
    // reader could reach). `load_save_ram` puts a save in place before a
    // run; it refuses, changing nothing, when the size is not the RAM's.
    virtual std::vector<uint8_t> save_ram() const { return {}; }
    virtual bool load_save_ram(const std::vector<uint8_t> &bytes) { (void)bytes; return false; }
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

// Replaces `ram` with `bytes` when the sizes agree (the common part of
// load_save_ram).
bool replace_ram(std::vector<uint8_t> &ram, const std::vector<uint8_t> &bytes);

// Mega Drive: ROM at window offset = address. The board decodes only the
// address lines its ROM needs, so the ROM repeats every power of two that
// holds it; a ROM of another size leaves the rest of that span undriven.
// A board of at most 2 MiB whose header announces SRAM ("RA", 0x20 at
// 0x1B3) answers from it at 0x200000-0x3FFFFF: on the odd or the even bytes
// only, or on both, as the header's type byte says, repeating as a small
// chip does. The other byte lane of a one-lane SRAM reads 0xFF.
class MdCartridge : public Cartridge {
public:
    explicit MdCartridge(std::vector<uint8_t> rom);
    int family() const override { return bus_md; }
    void read(uint32_t offset, uint8_t *dst, uint32_t len) override;
    std::vector<uint8_t> save_ram() const override { return sram_; }
    bool load_save_ram(const std::vector<uint8_t> &bytes) override { return replace_ram(sram_, bytes); }

private:
    uint8_t peek(uint32_t address) const;

    enum Lanes { odd = 1, even = 2, both = 3 };
    std::vector<uint8_t> rom_;
    uint64_t span_;   // the address lines decoded
    std::vector<uint8_t> sram_;   // the bytes that carry data
    int lanes_ = 0;
};

} // namespace sim
