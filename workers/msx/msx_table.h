// The MSX title table: rows keyed by the CRC-32 of one 8 KiB page.
#pragma once

#include <cstddef>
#include <cstdint>

namespace msx {

struct TitleRecord {
    uint32_t size;          // ROM size in bytes
    uint32_t key;           // CRC-32 of the identifying 8 KiB page
    const char16_t *title;
    const char16_t *company;
    const char16_t *year;   // may be empty
    int32_t mapper;         // MMC TYPE value
};

extern const TitleRecord kTitleTable[];
extern const size_t kTitleTableSize;

// The cartridge known by its page at 0x6000 alone.
extern const TitleRecord kEagleFighter;

} // namespace msx
