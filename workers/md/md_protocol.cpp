#include "workers/md/md_protocol.h"

#include <algorithm>

namespace md {

const MdTitleRecord *find_title(const MdTitleRecord *table, size_t count, uint32_t crc)
{
    for (size_t i = 0; i < count; ++i)
        if (table[i].crc == crc)
            return &table[i];
    return nullptr;
}

std::vector<Block> dump_blocks(uint32_t romSize)
{
    std::vector<Block> blocks;
    for (uint32_t offset = 0; offset < romSize; offset += kBlock)
        blocks.push_back({offset, std::min(kBlock, romSize - offset)});
    return blocks;
}

} // namespace md
