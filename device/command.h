// Command sectors: 512 bytes, marker 0x5A, target code, operation code,
// arguments, payload, CRC-16 high byte first.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

constexpr uint32_t kSectorSize = 512;
constexpr uint8_t kSectorMarker = 0x5A;
constexpr uint8_t kReaderTarget = 0xF0;   // the reader itself (console selection)

struct CommandSector {
    std::array<uint8_t, kSectorSize> bytes{};
    uint8_t &operator[](size_t i) { return bytes[i]; }
    uint8_t operator[](size_t i) const { return bytes[i]; }
    uint8_t *data() { return bytes.data(); }
    const uint8_t *data() const { return bytes.data(); }
};

// A zeroed sector with target and operation filled in.
CommandSector make_command(uint8_t target, uint8_t operation);
// Stores `value` little-endian in bytes [pos, pos + 4).
void put_le32(CommandSector &s, size_t pos, uint32_t value);

// Stamps marker and check into every sector that starts below `len`, then
// writes them all to CMD.CMD in one request. Returns the bytes written.
uint32_t send_command_sectors(uint8_t *sectors, uint32_t len);
// Sends one sector; true only when all 512 bytes were written.
bool send_command(CommandSector sector);
// Selects the Mega Drive bus (target 0x13, operation 0x01).
uint32_t md_select();

// True when the sector carries the marker and a matching check.
bool sector_is_sealed(const uint8_t *sector);
// Stamps marker and check into one sector.
void seal_sector(uint8_t *sector);
