// Mega Drive: title lookup by the CRC-32 of the first 8 KiB, the cartridge
// header, and the block plan of a dump. The data window shows the ROM at
// offset = address.
#pragma once

#include "workers/types.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace md {

struct MdTitleRecord {
    const char *title;
    const char *year;
    const char *publisher;
    const char *altTitle;   // GBK
    uint32_t size;
    uint32_t crc;           // CRC-32 of the first 8192 bytes
};

constexpr uint32_t kHeaderPage = 0x2000;
constexpr uint32_t kBlock = 0x20000;
// The console decodes the cartridge in the first 4 MiB; larger carts bank.
constexpr uint32_t kCartridgeSpace = 0x400000;

// The header at 0x100-0x1FF. Text fields are the raw bytes, trailing spaces
// and NULs removed.
struct Header {
    bool valid = false;        // the system text starts "SEGA" (or " SEGA")
    std::string system;
    std::string maker;         // from the copyright field: "SEGA", "T-12"
    std::string year;          // four digits, or empty
    std::string domesticTitle; // may be Shift_JIS
    std::string overseasTitle;
    std::string serial;        // "GM T-139066-50"
    uint16_t checksum = 0;
    uint32_t romStart = 0;
    uint32_t romEnd = 0;
    // end + 1 when the range is one a cartridge can have, else 0.
    uint32_t declaredSize() const;
};

// Decodes the header from the first `len` bytes of the ROM (at least 0x200
// for a valid result).
Header decode_header(const uint8_t *rom, size_t len);

// The serial without its type, revision and blanks ("GM MK-1079 -00" gives
// "MK-1079"): the form the catalogue's serials are compared in.
std::string serial_code(const std::string &serial);

struct Block {
    uint32_t offset;
    uint32_t length;
};

// 128 KiB blocks covering `romSize` bytes; a last partial block is read to
// the image's last byte.
std::vector<Block> dump_blocks(uint32_t romSize);

// The header checksum of a saved image of `size` bytes: None where the
// image is too small to hold the header; the sum runs to the end the header declares.
verify::HeaderCheck check_header(const uint8_t *image, size_t size);

} // namespace md
