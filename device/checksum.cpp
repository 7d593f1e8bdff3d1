#include "device/checksum.h"

#include <array>
#include <cstring>

#ifdef QUORVEL_HAVE_ZLIB
#include <zlib.h>
#endif

namespace {

// Slicing-by-8 tables: table[0] is the standard byte table of the reflected
// polynomial 0xEDB88320; table[k] advances a byte that sits k places deeper.
constexpr std::array<std::array<uint32_t, 256>, 8> make_crc32_tables()
{
    std::array<std::array<uint32_t, 256>, 8> t{};
    for (uint32_t i = 0; i < 256; ++i) {
        uint32_t c = i;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        t[0][i] = c;
    }
    for (uint32_t i = 0; i < 256; ++i)
        for (int s = 1; s < 8; ++s)
            t[s][i] = (t[s - 1][i] >> 8) ^ t[0][t[s - 1][i] & 0xFF];
    return t;
}

constexpr auto kCrc32 = make_crc32_tables();
static_assert(kCrc32[0][1] == 0x77073096u, "CRC-32 table");

constexpr std::array<uint16_t, 256> make_crc16_table()
{
    std::array<uint16_t, 256> t{};
    for (uint32_t i = 0; i < 256; ++i) {
        uint32_t c = i << 8;
        for (int k = 0; k < 8; ++k)
            c = (c & 0x8000) ? (c << 1) ^ 0x1021 : c << 1;
        t[i] = uint16_t(c);
    }
    return t;
}

constexpr auto kCrc16 = make_crc16_table();
static_assert(kCrc16[1] == 0x1021, "CRC-16 table");

[[maybe_unused]] inline uint32_t load_le32(const unsigned char *p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

} // namespace

#ifdef QUORVEL_HAVE_ZLIB
uint32_t crc32_update(uint32_t crc, const void *data, size_t len)
{
    const auto *p = static_cast<const Bytef *>(data);
    uLong c = crc;
    // zlib counts in 32-bit lengths.
    while (len) {
        const uInt n = len > 0x40000000u ? 0x40000000u : uInt(len);
        c = ::crc32(c, p, n);
        p += n;
        len -= n;
    }
    return uint32_t(c);
}
#else
uint32_t crc32_update(uint32_t crc, const void *data, size_t len)
{
    const auto *p = static_cast<const unsigned char *>(data);
    uint32_t c = ~crc;
    while (len >= 8) {
        const uint32_t lo = load_le32(p) ^ c;
        const uint32_t hi = load_le32(p + 4);
        c = kCrc32[7][lo & 0xFF] ^ kCrc32[6][(lo >> 8) & 0xFF] ^ kCrc32[5][(lo >> 16) & 0xFF] ^
            kCrc32[4][lo >> 24] ^ kCrc32[3][hi & 0xFF] ^ kCrc32[2][(hi >> 8) & 0xFF] ^
            kCrc32[1][(hi >> 16) & 0xFF] ^ kCrc32[0][hi >> 24];
        p += 8;
        len -= 8;
    }
    while (len--)
        c = (c >> 8) ^ kCrc32[0][(c ^ *p++) & 0xFF];
    return ~c;
}
#endif

uint32_t crc32_buffer(const void *data, size_t len)
{
    if (len == 0)
        return 0;
    return crc32_update(0, data, len);
}

uint16_t crc16_step(uint16_t reg, uint8_t byte)
{
    return uint16_t((reg << 8) ^ kCrc16[((reg >> 8) ^ byte) & 0xFF]);
}

uint16_t crc16_xmodem(const void *data, size_t len)
{
    const auto *p = static_cast<const unsigned char *>(data);
    uint16_t reg = 0;
    for (size_t i = 0; i < len; ++i)
        reg = crc16_step(reg, p[i]);
    return reg;
}
