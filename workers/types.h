// Plain types the protocol modules share with the worker frame: what one
// read of a block needs and where it lands, the header check's answer, the
// title lookup. No threads, no Qt.
#pragma once

#include "device/command.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// A block read of a bank reader: the sectors to send first, one per send,
// the data-window read, and the sectors that restore the mapper afterwards.
struct BlockRead {
    std::vector<CommandSector> before;
    uint32_t windowOffset = 0;
    uint32_t length = 0;          // 0: nothing is read
    std::vector<CommandSector> after;
    // The reader hands out successive blocks at the same window by itself:
    // reading this block again alone would return the next one.
    bool stream = false;
};

// One block of a dump as the frame performs it.
struct DumpBlock {
    BlockRead read;
    uint32_t imageOffset = 0;     // where the read lands in the image
    int progress = -1;            // reported once the block is in; -1: none
};

namespace verify {
// What a family's header checksum says of an image.
enum class HeaderCheck { None, Ok, Mismatch };
} // namespace verify

// Sum of `n` bytes, as the cartridge checksums add them.
inline uint32_t byte_sum(const uint8_t *p, size_t n)
{
    uint32_t sum = 0;
    for (size_t i = 0; i < n; ++i)
        sum += p[i];
    return sum;
}

// The first row of `table` whose `key` member equals `value`, or null.
template <typename Row, typename Key>
const Row *find_title(const Row *table, size_t count, Key Row::*key, Key value)
{
    for (size_t i = 0; table && i < count; ++i)
        if (table[i].*key == value)
            return &table[i];
    return nullptr;
}
