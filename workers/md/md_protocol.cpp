#include "workers/md/md_protocol.h"

#include <algorithm>
#include <cctype>

namespace md {

namespace {

// Larger than any cartridge the data window can show.
constexpr uint32_t kMaxDeclared = 0x1000000;

std::string field(const uint8_t *p, size_t len)
{
    std::string s(reinterpret_cast<const char *>(p), len);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\0'))
        s.pop_back();
    return s;
}

uint32_t be32(const uint8_t *p)
{
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
}

bool digits(const std::string &s)
{
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

uint32_t Header::declaredSize() const
{
    if (romStart != 0 || romEnd < 0x1FF || romEnd >= kMaxDeclared)
        return 0;
    return romEnd + 1;
}

Header decode_header(const uint8_t *rom, size_t len)
{
    Header h;
    if (!rom || len < 0x200)
        return h;
    const uint8_t *p = rom + 0x100;
    h.valid = std::equal(p, p + 4, "SEGA") || std::equal(p, p + 5, " SEGA");
    h.system = field(rom + 0x100, 16);
    // "(C)SEGA 1991.APR": the maker fills the 4 characters after "(C)"; the
    // year follows a blank. Some carts drop the blank or shift the fields,
    // so the year is taken from the first 4 digits after the maker.
    const std::string copyright(reinterpret_cast<const char *>(rom + 0x110), 16);
    if (copyright.compare(0, 3, "(C)") == 0) {
        h.maker = field(rom + 0x113, 4);
        while (!h.maker.empty() && h.maker.front() == ' ')
            h.maker.erase(0, 1);
        for (size_t i = 7; i + 4 <= copyright.size(); ++i)
            if (digits(copyright.substr(i, 4))) {
                h.year = copyright.substr(i, 4);
                break;
            }
    }
    h.domesticTitle = field(rom + 0x120, 48);
    h.overseasTitle = field(rom + 0x150, 48);
    h.serial = field(rom + 0x180, 14);
    h.checksum = uint16_t(rom[0x18E] << 8 | rom[0x18F]);
    h.romStart = be32(rom + 0x1A0);
    h.romEnd = be32(rom + 0x1A4);
    return h;
}

std::string serial_code(const std::string &serial)
{
    std::string s = serial;
    // The type: two letters and a blank.
    if (s.size() >= 3 && std::isalpha(static_cast<unsigned char>(s[0])) &&
        std::isalpha(static_cast<unsigned char>(s[1])) && s[2] == ' ')
        s.erase(0, 3);
    // The revision: a dash and two digits at the end.
    if (s.size() > 3 && s[s.size() - 3] == '-' && digits(s.substr(s.size() - 2)))
        s.erase(s.size() - 3);
    s.erase(std::remove(s.begin(), s.end(), ' '), s.end());
    return s;
}

std::vector<Block> dump_blocks(uint32_t romSize)
{
    std::vector<Block> blocks;
    for (uint32_t offset = 0; offset < romSize; offset += kBlock)
        blocks.push_back({offset, std::min(kBlock, romSize - offset)});
    return blocks;
}

verify::HeaderCheck check_header(const uint8_t *p, size_t size)
{
    if (size < 0x200)
        return verify::HeaderCheck::None;
    // The sum covers the ROM the header declares; an overdump's repeats
    // past it are not part of it. A short image sums what it has.
    const uint32_t end = uint32_t(p[0x1A4]) << 24 | uint32_t(p[0x1A5]) << 16 | uint32_t(p[0x1A6]) << 8 | p[0x1A7];
    const size_t n = end >= 0x200 && end < size ? size_t(end) + 1 : size;
    uint16_t sum = 0;
    size_t i = 0x200;
    for (; i + 1 < n; i += 2)
        sum = uint16_t(sum + ((p[i] << 8) | p[i + 1]));
    if (i < n) // an odd last byte counts as the high half of a word
        sum = uint16_t(sum + (p[i] << 8));
    const uint16_t stored = uint16_t((p[0x18E] << 8) | p[0x18F]);
    return sum == stored ? verify::HeaderCheck::Ok : verify::HeaderCheck::Mismatch;
}

} // namespace md
