// The Master System title table: rows keyed by the CRC-32 of the first 8 KiB.
#pragma once

#include <cstddef>
#include <cstdint>

namespace sms {

struct TitleRecord {
    const char *name;      // title with region and status tags
    uint32_t romSize;      // bytes
    uint32_t headCrc;      // CRC-32 of the first 8 KiB: the lookup key
    uint32_t imageCrc;     // CRC-32 of the whole image
};

extern const TitleRecord kTitleTable[];
extern const size_t kTitleTableSize;

} // namespace sms
