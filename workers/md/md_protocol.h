// Mega Drive: title lookup by the CRC-32 of the first 8 KiB, and the block
// plan of a dump. The data window shows the ROM at offset = address.
#pragma once

#include <cstddef>
#include <cstdint>
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

// First record whose key equals `crc`, or null.
const MdTitleRecord *find_title(const MdTitleRecord *table, size_t count, uint32_t crc);

struct Block {
    uint32_t offset;
    uint32_t length;
};

// 128 KiB blocks covering `romSize` bytes; a last partial block is read to
// the image's last byte.
std::vector<Block> dump_blocks(uint32_t romSize);

} // namespace md
