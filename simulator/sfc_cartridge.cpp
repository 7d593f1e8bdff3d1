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

} // namespace

SfcCartridge::SfcCartridge(std::vector<uint8_t> rom, Mapping mapping)
    : rom_(std::move(rom)), mapping_(mapping)
{
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

void SfcCartridge::start(int bus)
{
    (void)bus;
    half_ = 0;
    next_block_ = 0;
    sdd1_pages_ = {{0, 1, 2, 3}};
}

void SfcCartridge::command(const uint8_t *sector)
{
    switch (sector[2]) {
    case 0x03: {
        const uint32_t address = uint32_t(sector[3]) | uint32_t(sector[4]) << 8 | uint32_t(sector[5]) << 16;
        const uint8_t value = sector[7];
        writes_.emplace_back(address, value);
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

void SfcCartridge::read(uint32_t offset, uint8_t *dst, uint32_t len)
{
    if (mapping_ == Mapping::LoRom && half_ == 0 && offset == 0x8000 && len == kBlockSize) {
        copy_image(rom_, uint64_t(next_block_) * kBlockSize, dst, len);
        ++next_block_;
        return;
    }
    const uint32_t base = uint32_t(half_) << 23;
    for (uint32_t i = 0; i < len; ++i) {
        const int64_t at = rom_offset((base + offset + i) & 0xFFFFFF);
        dst[i] = (at >= 0 && uint64_t(at) < rom_.size()) ? rom_[size_t(at)] : 0xFF;
    }
}

} // namespace sim
