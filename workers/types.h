// Plain types the protocol modules share with the worker frame: what one
// read of a block needs and where it lands, the header check's answer, the
// title lookup. No threads, no Qt.
#pragma once

#include "device/command.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
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

// Sum of `n` bytes, as the cartridge checksums add them (modulo 2^32).
// Whole images go through it, so it adds eight bytes at a time in 16-bit
// lanes, folded before a lane can overflow.
inline uint32_t byte_sum(const uint8_t *p, size_t n)
{
    constexpr uint64_t kLanes = 0x00FF00FF00FF00FFull;
    uint64_t sum = 0;
    size_t i = 0;
    while (n - i >= 8) {
        // Each step adds at most 2 * 255 to a lane: 128 steps stay below 2^16.
        uint64_t lanes = 0;
        for (int step = 0; step < 128 && n - i >= 8; ++step, i += 8) {
            uint64_t w;
            std::memcpy(&w, p + i, 8);
            lanes += (w & kLanes) + ((w >> 8) & kLanes);
        }
        sum += (lanes & 0xFFFF) + ((lanes >> 16) & 0xFFFF) + ((lanes >> 32) & 0xFFFF) + (lanes >> 48);
    }
    for (; i < n; ++i)
        sum += p[i];
    return uint32_t(sum);
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
