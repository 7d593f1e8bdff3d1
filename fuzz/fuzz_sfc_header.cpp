// Super Famicom header analysis and title decoding on arbitrary bytes.
#include "workers/sfc/sfc_protocol.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The first three bytes answer the single-byte reads; the rest is the
    // header page.
    uint8_t extra[3] = {0, 0, 0};
    const size_t head = size < 3 ? size : 3;
    std::memcpy(extra, data, head);
    std::vector<uint8_t> page(sfc::kHeaderPageSize, 0);
    const size_t body = size - head;
    std::memcpy(page.data(), data + head, body < page.size() ? body : page.size());

    int asked = 0;
    const sfc::HeaderAnalysis h = sfc::analyse_header(page.data(), [&](uint32_t address) -> uint8_t {
        if (++asked > 2)
            std::abort();   // at most 0x7FDA then 0x7FBD, or 0xFFD8
        return address == 0xFFD8 ? extra[0] : address == 0x7FDA ? extra[1] : extra[2];
    });
    if (h.romBytes != h.megabits * 131072u && !(h.romBytes == 0 && h.megabits == 0))
        std::abort();
    sfc::decode_title(page.data() + sfc::kTitleOffset);

    // Whatever the header says, the chosen reader's blocks are whole.
    for (int mmc = 0; mmc <= 4; ++mmc) {
        const sfc::Reader reader = sfc::reader_for(mmc, int(h.romBytes));
        for (uint32_t offset = 0; offset < h.romBytes; offset += sfc::kBlockSize) {
            const BlockRead step = sfc::block_for(reader, offset, sfc::kBlockSize);
            if (step.length > sfc::kBlockSize)
                std::abort();
        }
    }

    // A 16 Mbit read made of the page, with a tail that repeats or not as
    // the input says: the true size is never more than the read. One input
    // in sixteen, since building the read is slow.
    if ((extra[2] & 0x0F) != 0)
        return 0;
    static std::vector<uint8_t> image(0x200000);
    for (size_t at = 0; at < image.size(); at += page.size())
        std::memcpy(image.data() + at, page.data(), page.size());
    if (head > 0 && (extra[0] & 1))
        image[image.size() - 1 - extra[1] * 2048u] ^= 0xFF;
    const uint32_t trueSize = sfc::true_size(image.data(), uint32_t(image.size()));
    if (trueSize > image.size() || trueSize == 0)
        std::abort();
    return 0;
}
