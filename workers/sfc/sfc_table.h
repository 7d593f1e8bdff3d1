// The Super Famicom title table: one record per known cartridge, keyed by the
// CRC-32 of the 8 KiB header page.
#pragma once

#include <cstddef>
#include <cstdint>

namespace sfc {

struct TitleRecord {
    const char16_t *title;     // game name with region
    const char16_t *year;      // as text; may carry a "?"
    const char16_t *company;
    const char16_t *altName;   // Japanese title, often empty
    uint32_t romSize;          // bytes
    uint32_t ramSize;          // bytes, 0 without RAM
    uint32_t map;              // MMC TYPE value: 1 LoROM, 2 HiROM, 3 ExHiROM
    uint32_t key;              // CRC-32 of the header page
};

extern const TitleRecord kTitleTable[];
extern const size_t kTitleCount;

} // namespace sfc
