#include "simulator/sfc_cartridge.h"

namespace sim {

namespace {

constexpr uint32_t kFourMiB = 0x400000;
constexpr uint32_t kBlockSize = 0x8000;

uint32_t le16(const std::vector<uint8_t> &rom, size_t pos)
{
    return uint32_t(rom[pos]) | uint32_t(rom[pos + 1]) << 8;
}

// How well a header at `pos` fits: the checksum and its complement add up,
// and the map mode byte names this kind of mapping.
int header_score(const std::vector<uint8_t> &rom, size_t pos, bool (*mode_fits)(uint8_t))
{
    if (pos + 0x20 > rom.size())
        return -1;
    int score = 0;
    if (le16(rom, pos + 0x1C) + le16(rom, pos + 0x1E) == 0xFFFF)
        score += 2;
    const uint8_t mode = rom[pos + 0x15];
    if ((mode & 0xE0) == 0x20 && mode_fits(mode))
        score += 1;
    return score;
}

bool lorom_mode(uint8_t mode) { return (mode & 0x0F) == 0 || (mode & 0x0F) == 2 || (mode & 0x0F) == 3; }
bool hirom_mode(uint8_t mode) { return (mode & 0x0F) == 1 || (mode & 0x0F) == 5 || mode == 0x3A; }
bool exhirom_mode(uint8_t mode) { return (mode & 0x0F) == 5; }

size_t header_at(SfcCartridge::Mapping mapping)
{
    switch (mapping) {
    case SfcCartridge::Mapping::HiRom: return 0xFFC0;
    case SfcCartridge::Mapping::ExHiRom: return 0x40FFC0;
    default: return 0x7FC0;
    }
}

// Plain RAM on the cartridge bus: the type byte's low nibble puts RAM on the
// board, and no coprocessor (other than a DSP or the S-RTC) stands in front
// of it.
uint32_t header_ram(const std::vector<uint8_t> &rom, SfcCartridge::Mapping mapping)
{
    const size_t h = header_at(mapping);
    if (mapping == SfcCartridge::Mapping::Sdd1 || h + 0x20 > rom.size())
        return 0;
    const uint8_t type = rom[h + 0x16];
    const uint8_t code = rom[h + 0x18];
    const int parts = type & 0x0F;
    const int chip = type >> 4;
    const bool ram = parts == 1 || parts == 2 || parts == 4 || parts == 5;
    if (!ram || (parts >= 3 && chip != 0 && chip != 5) || code == 0 || code > 8)
        return 0;
    return 0x400u << code;
}

} // namespace

SfcCartridge::SfcCartridge(std::vector<uint8_t> rom, Mapping mapping, int ramSize)
    : rom_(std::move(rom)), mapping_(mapping)
{
    ram_.assign(ramSize >= 0 ? size_t(ramSize) : header_ram(rom_, mapping_), 0xFF);
}

uint64_t SfcCartridge::mirror(uint64_t offset, uint64_t size)
{
    if (size == 0)
        return 0;
    uint64_t base = 0;
    uint64_t mask = uint64_t(1) << 24;
    while (offset >= size) {
        while (!(offset & mask))
            mask >>= 1;
        offset -= mask;
        if (size > mask) {
            size -= mask;
            base += mask;
        }
        mask >>= 1;
    }
    return base + offset;
}

SfcCartridge::Mapping SfcCartridge::mapping_for(int mmcType, const std::vector<uint8_t> &rom)
{
    switch (mmcType) {
    case 1:
        // A LoROM image beyond 4 MiB needs the S-DD1's bank registers.
        return rom.size() > kFourMiB ? Mapping::Sdd1 : Mapping::LoRom;
    case 2:
        return Mapping::HiRom;
    case 3:
        return Mapping::ExHiRom;
    default:
        return guess_mapping(rom);
    }
}

SfcCartridge::Mapping SfcCartridge::guess_mapping(const std::vector<uint8_t> &rom)
{
    const int lo = header_score(rom, 0x7FC0, lorom_mode);
    const int hi = header_score(rom, 0xFFC0, hirom_mode);
    const int ex = rom.size() > kFourMiB ? header_score(rom, 0x40FFC0, exhirom_mode) : -1;
    if (ex > 0 && ex >= lo && ex >= hi)
        return Mapping::ExHiRom;
    if (hi > lo)
        return Mapping::HiRom;
    if (rom.size() > kFourMiB && rom.size() >= 0x7FD6 && rom[0x7FD5] == 0x32)
        return Mapping::Sdd1;
    return Mapping::LoRom;
}

void SfcCartridge::power_up()
{
    sdd1_pages_ = {{0, 1, 2, 3}};
}

void SfcCartridge::start(int bus)
{
    // The half select and the block stream are the reader's, not the board's.
    (void)bus;
    half_ = 0;
    next_block_ = 0;
}

void SfcCartridge::command(const uint8_t *sector)
{
    switch (sector[2]) {
    case 0x03: {
        const uint32_t address = uint32_t(sector[3]) | uint32_t(sector[4]) << 8 | uint32_t(sector[5]) << 16;
        const uint8_t value = sector[7];
        writes_.emplace_back(address, value);
        const int64_t at = ram_index(address);
        if (at >= 0)
            ram_[size_t(at)] = value;
        if (mapping_ == Mapping::Sdd1 && address >= 0x4804 && address <= 0x4807)
            sdd1_pages_[address - 0x4804] = value;
        break;
    }
    case 0x04:
        half_ = sector[3] & 1;
        break;
    default:
        break;
    }
}

std::vector<uint8_t> SfcCartridge::writes_to(uint32_t address) const
{
    std::vector<uint8_t> values;
    for (const auto &w : writes_) {
        if (w.first == address)
            values.push_back(w.second);
    }
    return values;
}

int64_t SfcCartridge::rom_offset(uint32_t address) const
{
    const uint32_t bank = address >> 16;
    const uint32_t low = address & 0xFFFF;
    const uint32_t in_4mib = address & 0x3FFFFF;
    const uint32_t lorom = ((address & 0x7F0000) >> 1) | (address & 0x7FFF);

    switch (mapping_) {
    case Mapping::LoRom:
        return lorom;
    case Mapping::HiRom:
        if (bank >= 0xC0 || (bank >= 0x40 && bank < 0x80))
            return in_4mib;
        // The dump reads ROM beyond 4 MiB at 0x800000 and up.
        if (bank >= 0x80 && rom_.size() > kFourMiB)
            return kFourMiB + in_4mib;
        if (low >= 0x8000)
            return ((bank & 0x3F) << 16) | low;
        return -1;
    case Mapping::ExHiRom:
        if (bank >= 0xC0)
            return in_4mib;
        if (bank >= 0x40 || low >= 0x8000)
            return kFourMiB + in_4mib;
        return -1;
    case Mapping::Sdd1:
        if (bank >= 0xC0)
            return int64_t(sdd1_pages_[(bank - 0xC0) >> 4]) * 0x100000 + (address & 0xFFFFF);
        return lorom;
    }
    return -1;
}

int64_t SfcCartridge::ram_index(uint32_t address) const
{
    if (ram_.empty())
        return -1;
    const uint32_t bank = address >> 16;
    const uint32_t low = address & 0xFFFF;
    uint64_t at;
    switch (mapping_) {
    case Mapping::LoRom:
        // Banks 0x70-0x7D and their mirror from 0xF0, the lower 32 KiB of each.
        if ((bank & 0x7F) < 0x70 || (bank & 0x7F) > 0x7D || low >= 0x8000)
            return -1;
        at = uint64_t(bank & 0x0F) * 0x8000 + low;
        break;
    case Mapping::HiRom:
        // 8 KiB at 0x6000 of banks 0x30-0x3F and 0xB0-0xBF: the narrower of
        // the decoders boards use, which every correct reader also serves.
        if ((bank & 0x7F) < 0x30 || (bank & 0x7F) > 0x3F || low < 0x6000 || low >= 0x8000)
            return -1;
        at = uint64_t(bank & 0x0F) * 0x2000 + (low - 0x6000);
        break;
    case Mapping::ExHiRom:
        if (bank < 0x80 || bank > 0xBF || low < 0x6000 || low >= 0x8000)
            return -1;
        at = uint64_t(bank & 0x0F) * 0x2000 + (low - 0x6000);
        break;
    default:
        return -1;
    }
    // A small RAM repeats: its upper address lines are not wired.
    return int64_t(at % ram_.size());
}

uint8_t SfcCartridge::rom_byte(int64_t offset) const
{
    if (offset < 0 || rom_.empty())
        return 0xFF;
    return rom_[size_t(mirror(uint64_t(offset), rom_.size()))];
}

void SfcCartridge::read(uint32_t offset, uint8_t *dst, uint32_t len)
{
    if (mapping_ == Mapping::LoRom && half_ == 0 && offset == 0x8000 && len == kBlockSize) {
        const uint64_t from = uint64_t(next_block_) * kBlockSize;
        for (uint32_t i = 0; i < len; ++i)
            dst[i] = rom_byte(int64_t(from + i));
        ++next_block_;
        return;
    }
    const uint32_t base = uint32_t(half_) << 23;
    for (uint32_t i = 0; i < len; ++i) {
        const uint32_t address = (base + offset + i) & 0xFFFFFF;
        const int64_t ram = ram_index(address);
        dst[i] = ram >= 0 ? ram_[size_t(ram)] : rom_byte(rom_offset(address));
    }
}

} // namespace sim
