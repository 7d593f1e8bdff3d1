#include "simulator/cartridge.h"

#include "device/checksum.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace sim {

void copy_image(const std::vector<uint8_t> &image, uint64_t offset, uint8_t *dst, uint32_t len)
{
    uint32_t n = 0;
    if (offset < image.size())
        n = uint32_t(std::min<uint64_t>(len, image.size() - offset));
    if (n)
        std::memcpy(dst, image.data() + offset, n);
    std::memset(dst + n, 0xFF, len - n);
}

uint64_t decoded_span(size_t size)
{
    uint64_t span = 1;
    while (span < size)
        span <<= 1;
    return span;
}

bool replace_ram(std::vector<uint8_t> &ram, const std::vector<uint8_t> &bytes)
{
    if (ram.empty() || bytes.size() != ram.size())
        return false;
    ram = bytes;
    return true;
}

namespace {

constexpr uint32_t kMdSramBase = 0x200000;
constexpr uint32_t kMdSramTop = 0x400000;

uint32_t be32(const std::vector<uint8_t> &image, size_t pos)
{
    return uint32_t(image[pos]) << 24 | uint32_t(image[pos + 1]) << 16 | uint32_t(image[pos + 2]) << 8 |
           image[pos + 3];
}

} // namespace

MdCartridge::MdCartridge(std::vector<uint8_t> rom) : rom_(std::move(rom)), span_(decoded_span(rom_.size()))
{
    // Larger boards share 0x200000 with ROM behind a switch the reader
    // cannot write, so their SRAM stays out of reach.
    if (rom_.size() < 0x1BC || rom_.size() > kMdSramBase || rom_[0x1B0] != 'R' || rom_[0x1B1] != 'A' ||
        rom_[0x1B3] != 0x20)
        return;
    const uint32_t start = be32(rom_, 0x1B4);
    const uint32_t end = be32(rom_, 0x1B8);
    if (start < kMdSramBase || end < start || end >= kMdSramTop)
        return;
    switch ((rom_[0x1B2] >> 3) & 3) {
    case 3: lanes_ = odd; break;
    case 2: lanes_ = even; break;
    case 0: lanes_ = both; break;
    default: return;
    }
    const uint32_t span = end - (start & ~1u) + 1;
    const uint32_t bytes = lanes_ == both ? span : (span + 1) / 2;
    // The chip decodes the address lines of a power of two.
    sram_.assign(size_t(decoded_span(bytes)), 0xFF);
}

uint8_t MdCartridge::peek(uint32_t a) const
{
    if (lanes_ && a >= kMdSramBase && a < kMdSramTop) {
        const uint32_t rel = a - kMdSramBase;
        if (lanes_ == both)
            return sram_[rel % sram_.size()];
        const bool oddByte = a & 1;
        if (oddByte != (lanes_ == odd))
            return 0xFF;
        return sram_[(rel >> 1) % sram_.size()];
    }
    const uint64_t at = a % span_;
    return at < rom_.size() ? rom_[size_t(at)] : 0xFF;
}

void MdCartridge::read(uint32_t offset, uint8_t *dst, uint32_t len)
{
    if (lanes_) {
        for (uint32_t i = 0; i < len; ++i)
            dst[i] = peek(uint32_t(uint64_t(offset) + i));
        return;
    }
    uint64_t at = offset;
    while (len) {
        const uint64_t a = at % span_;
        const uint32_t n = uint32_t(std::min<uint64_t>(len, span_ - a));
        copy_image(rom_, a, dst, n);
        dst += n;
        at += n;
        len -= n;
    }
}

namespace {

// CRC-32 register (not complemented) after `len` bytes, from `reg`.
uint32_t crc_forward(uint32_t reg, const uint8_t *p, size_t len)
{
    return ~crc32_update(~reg, p, len);
}

struct BackwardTables {
    uint32_t table[256];
    uint8_t index_of_top[256];
    BackwardTables()
    {
        for (uint32_t i = 0; i < 256; ++i) {
            uint32_t c = i;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            table[i] = c;
            index_of_top[c >> 24] = uint8_t(i);
        }
    }
};

// Runs the reflected CRC-32 one byte backwards: the register before byte b,
// given the register after it. The top byte of each table entry is unique.
uint32_t crc_backward(uint32_t after, uint8_t b)
{
    static const BackwardTables t;
    const uint8_t i = t.index_of_top[after >> 24];
    return ((after ^ t.table[i]) << 8) | uint8_t(i ^ b);
}

} // namespace

void force_crc32(uint8_t *data, size_t len, size_t pos, uint32_t target)
{
    if (pos + 4 > len)
        return;
    const uint32_t before = crc_forward(0xFFFFFFFFu, data, pos);
    // The register the patch must produce so that the rest ends on target.
    uint32_t need = ~target;
    for (size_t i = len; i > pos + 4; --i)
        need = crc_backward(need, data[i - 1]);
    // The register after the patch is affine in the 32 patch bits: solve
    // for them over GF(2).
    const uint8_t zero[4] = {0, 0, 0, 0};
    const uint32_t base = crc_forward(before, zero, 4);
    uint32_t rows[32];
    uint32_t combo[32];
    for (int bit = 0; bit < 32; ++bit) {
        uint8_t p[4] = {0, 0, 0, 0};
        p[bit / 8] = uint8_t(1u << (bit % 8));
        rows[bit] = crc_forward(before, p, 4) ^ base;
        combo[bit] = 1u << bit;
    }
    int rank = 0;
    for (int col = 31; col >= 0; --col) {
        int pivot = -1;
        for (int r = rank; r < 32 && pivot < 0; ++r)
            if ((rows[r] >> col) & 1)
                pivot = r;
        if (pivot < 0)
            continue;
        std::swap(rows[rank], rows[pivot]);
        std::swap(combo[rank], combo[pivot]);
        for (int r = 0; r < 32; ++r)
            if (r != rank && ((rows[r] >> col) & 1)) {
                rows[r] ^= rows[rank];
                combo[r] ^= combo[rank];
            }
        ++rank;
    }
    uint32_t remaining = need ^ base;
    uint32_t solution = 0;
    for (int r = 0; r < rank; ++r) {
        int top = 31;
        while (!((rows[r] >> top) & 1))
            --top;
        if ((remaining >> top) & 1) {
            remaining ^= rows[r];
            solution ^= combo[r];
        }
    }
    for (int k = 0; k < 4; ++k)
        data[pos + k] = uint8_t(solution >> (8 * k));
}

} // namespace sim
