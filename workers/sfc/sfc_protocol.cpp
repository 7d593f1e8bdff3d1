#include "workers/sfc/sfc_protocol.h"

#include <QChar>
#include <QTextCodec>
#include <algorithm>
#include <cstring>

namespace sfc {

CommandSector start_command()
{
    return make_command(kTarget, kOpStart);
}

CommandSector register_write(uint32_t address, uint8_t value)
{
    CommandSector s = make_command(kTarget, kOpRegisterWrite);
    s[3] = uint8_t(address);
    s[4] = uint8_t(address >> 8);
    s[5] = uint8_t(address >> 16);
    s[7] = value;
    return s;
}

CommandSector half_select(uint32_t address)
{
    CommandSector s = make_command(kTarget, kOpHalfSelect);
    s[3] = uint8_t((address >> 23) & 1);
    return s;
}

BlockRead read_at(uint32_t address, uint32_t length)
{
    BlockRead step;
    step.before.push_back(half_select(address));
    step.windowOffset = window_offset(address);
    step.length = length;
    return step;
}

uint32_t ram_size_from_code(uint8_t code)
{
    if (code == 0 || code == 0xFF)
        return 0;
    if (code > 20)   // 1024 << 21 no longer fits an int
        return 0;
    return 1024u << code;
}

QString decode_title(const uint8_t *field, size_t length)
{
    QTextCodec *codec = QTextCodec::codecForName("Shift-JIS");
    QString text;
    for (size_t i = 0; i < length && field[i] != 0; ++i) {
        const char byte = char(field[i]);
        // One byte at a time: JIS X 0201 has no double-byte characters, so a
        // Shift-JIS lead byte must not swallow the letter after it.
        QString ch = codec ? codec->toUnicode(&byte, 1) : QString();
        if (ch.isEmpty()) {
            if (field[i] < 0x80)
                ch = QChar(field[i]);
            else if (field[i] >= 0xA1 && field[i] <= 0xDF)
                ch = QChar(0xFF61 + (field[i] - 0xA1));
            else
                ch = QChar(QChar::ReplacementCharacter);
        }
        text += ch;
    }
    return text;
}

namespace {

RamRule ram_rule_by_type(uint8_t type)
{
    switch (type) {
    case 0x13:
    case 0x14:
    case 0x15:
    case 0x1A:
        return RamRule::SuperFx;
    default:
        return RamRule::Standard;
    }
}

void set_size(HeaderAnalysis &a, uint32_t megabits, uint32_t bytes)
{
    a.megabits = megabits;
    a.romBytes = bytes;
}

} // namespace

HeaderAnalysis analyse_header(const uint8_t *page, const ByteReader &readByte)
{
    HeaderAnalysis a;
    const uint8_t mode = page[kMapModeOffset];
    const uint8_t type = page[kTypeOffset];
    const uint8_t code = page[kRomCodeOffset];
    const uint8_t *title = page + kTitleOffset;

    if (mode >= 0x20 && mode <= 0x3F) {
        if (mode == 0x35) {
            a.hiRom = true;
            a.oddMode = false;
        } else if (mode == 0x3A) {
            a.hiRom = true;
            a.oddMode = true;
        } else {
            a.hiRom = a.oddMode = (mode & 1) != 0;
        }
    }

    // The chip types with a size rule of their own are never SuperFX types,
    // so the RAM rule always follows the type.
    a.ramRule = ram_rule_by_type(type);
    if (type == 0x45) {
        // S-DD1: the dump reads it through LOROM at 6 MiB, whatever the map
        // mode's low bit says.
        set_size(a, 48, 0x600000);
        a.hiRom = false;
    } else if (type == 0xF3) {
        const uint8_t digit = title[9] & 0x0F;
        if (digit == 2)
            set_size(a, 12, 0x180000);
        else if (digit == 3)
            set_size(a, 16, 0x200000);
        else
            set_size(a, 0, 0);
    } else if (type == 0xF5 && a.oddMode) {
        set_size(a, 24, 0x300000);
    } else if (type == 0xF5 && code == 7) {
        set_size(a, 1, 0x20000);
    } else if (type == 0xF9 && a.oddMode) {
        set_size(a, 40, 0x500000);
    } else if (code == 7) {
        set_size(a, 1, 0x20000);
    } else if (code >= 8 && code <= 20) {
        const uint32_t megabits = 1u << (code - 7);
        set_size(a, megabits, megabits * 131072u);
    } else {
        set_size(a, 0, 0);
    }

    if (a.ramRule == RamRule::Standard) {
        a.ramBytes = ram_size_from_code(readByte(kRamCodeAddress));
    } else if (readByte(kMakerCodeAddress) == kExtendedHeaderMaker) {
        a.ramBytes = ram_size_from_code(readByte(kExpansionRamAddress));
    } else {
        a.ramBytes = std::memcmp(title, "STARFOX2", 8) == 0 ? 65536 : 32768;
    }
    return a;
}

Reader reader_for(int mmcType, int romSize)
{
    switch (mmcType) {
    case 1:
        return uint32_t(romSize) == kSdd1RomSize ? Reader::Sdd1 : Reader::LoRom;
    case 2:
    case 3:
        return Reader::HiRom;
    default:
        // "96M ROM" (4) has no way of being read yet, like the Homebrew entries.
        return Reader::None;
    }
}

BlockRead lorom_block(uint32_t offset, uint32_t length)
{
    // Every block is read at 0x8000: the reader moves on to the next 32 KiB
    // by itself, and expects these two writes at the 2 MiB mark.
    BlockRead step;
    if (offset == kLoRomSwitchOffset) {
        step.before.push_back(register_write(kLoRomSwitchAddress, 0));
        step.before.push_back(register_write(kLoRomSwitchAddress, 1));
    }
    BlockRead read = read_at(0x8000, length);
    step.before.insert(step.before.end(), read.before.begin(), read.before.end());
    step.windowOffset = read.windowOffset;
    step.length = read.length;
    step.stream = true;
    return step;
}

BlockRead sdd1_block(uint32_t offset, uint32_t length)
{
    // The bank register is written for every block, so that a block read
    // again never relies on a write made for an earlier one.
    BlockRead step;
    step.before.push_back(register_write(kSdd1BankAddress, uint8_t(offset / kSdd1PageSize)));
    BlockRead read = read_at(0xC00000 | (offset % kSdd1PageSize), length);
    step.before.insert(step.before.end(), read.before.begin(), read.before.end());
    step.windowOffset = read.windowOffset;
    step.length = read.length;
    return step;
}

BlockRead hirom_block(uint32_t offset, uint32_t length)
{
    const uint32_t address = offset < 0x400000 ? 0xC00000 + offset : 0x800000 | (offset & 0x3FFFFF);
    return read_at(address, length);
}

BlockRead block_for(Reader reader, uint32_t offset, uint32_t length)
{
    switch (reader) {
    case Reader::LoRom:
        return lorom_block(offset, length);
    case Reader::Sdd1:
        return sdd1_block(offset, length);
    case Reader::HiRom:
        return hirom_block(offset, length);
    case Reader::None:
        break;
    }
    return BlockRead{};
}

namespace {

uint32_t highest_power_of_two_at_most(uint32_t n)
{
    uint32_t p = 1;
    while (p <= n / 2)
        p <<= 1;
    return p;
}

// Sum over the image as the console's address space presents it: a size
// that is not a power of two is filled up to the next one by repeating its
// tail, which may itself be such a size.
uint32_t mirrored_sum(const uint8_t *p, uint32_t len)
{
    if (len == 0)
        return 0;
    const uint32_t head = highest_power_of_two_at_most(len);
    if (head == len)
        return byte_sum(p, len);
    const uint32_t tailLen = len - head;
    uint32_t tailSpan = highest_power_of_two_at_most(tailLen);
    if (tailSpan < tailLen)
        tailSpan <<= 1;
    return byte_sum(p, head) + mirrored_sum(p + head, tailLen) * (head / tailSpan);
}

// Where the console finds byte `offset` of a ROM of `size` bytes: past the
// largest power of two below the size, the rest repeats up to the next one.
uint32_t console_offset(uint32_t offset, uint32_t size)
{
    if (offset < size)
        return offset;
    const uint32_t head = highest_power_of_two_at_most(size);
    const uint32_t rest = size - head;
    if (rest == 0)
        return offset % size;
    uint32_t span = highest_power_of_two_at_most(rest);
    if (span < rest)
        span <<= 1;
    return head + console_offset((offset - head) % span, rest);
}

struct HeaderLocation {
    uint32_t base;
    bool (*modeFits)(uint8_t mode);
};

bool lorom_mode(uint8_t mode)
{
    const int kind = mode & 0x0F;
    return (mode & 0xE0) == 0x20 && (kind == 0x0 || kind == 0x2 || kind == 0x3);
}
bool hirom_mode(uint8_t mode)
{
    const int kind = mode & 0x0F;
    return (mode & 0xE0) == 0x20 && (kind == 0x1 || kind == 0xA);
}
bool exhirom_mode(uint8_t mode)
{
    return (mode & 0xE0) == 0x20 && (mode & 0x0F) == 0x5;
}

} // namespace

uint32_t true_size(const uint8_t *image, uint32_t len)
{
    static const uint32_t megabits[] = {12, 20, 24, 40, 48};
    if (len == 0 || (len & (len - 1)) != 0)
        return len;
    for (const uint32_t mbit : megabits) {
        const uint32_t size = mbit * 131072;
        if (size <= len / 2 || size >= len)
            continue;
        // Padding of one byte repeats too: it is no sign of a smaller ROM.
        const uint8_t *tail = image + len / 2;
        if (std::all_of(tail, image + size, [tail](uint8_t b) { return b == *tail; }))
            continue;
        bool repeats = true;
        for (uint32_t o = size; o < len && repeats; ++o)
            repeats = image[o] == image[console_offset(o, size)];
        if (repeats)
            return size;
    }
    return len;
}

verify::HeaderCheck check_header(const uint8_t *p, size_t size)
{
    static const HeaderLocation locations[] = {
        {0x7FC0, lorom_mode},
        {0xFFC0, hirom_mode},
        {0x40FFC0, exhirom_mode},
    };
    // Images of 4 GiB and more are no cartridge's; the sum wraps as before.
    const uint32_t n = uint32_t(size);
    if (n < locations[0].base + 0x40)
        return verify::HeaderCheck::None;
    const uint16_t sum = uint16_t(mirrored_sum(p, n));

    // The header is where a complementary pair sits, preferably one that
    // matches the image and next to a map mode byte that belongs there.
    int bestScore = -1;
    bool bestOk = false;
    for (const HeaderLocation &loc : locations) {
        if (n < loc.base + 0x40)
            break;
        const uint8_t *h = p + loc.base;
        const uint16_t complement = uint16_t(h[0x1C] | (h[0x1D] << 8));
        const uint16_t checksum = uint16_t(h[0x1E] | (h[0x1F] << 8));
        const bool pair = (checksum ^ complement) == 0xFFFF;
        const bool ok = pair && checksum == sum;
        const int score = (ok ? 4 : 0) + (pair ? 2 : 0) + (loc.modeFits(h[0x15]) ? 1 : 0);
        if (score > bestScore) {
            bestScore = score;
            bestOk = ok;
        }
    }
    return bestOk ? verify::HeaderCheck::Ok : verify::HeaderCheck::Mismatch;
}

} // namespace sfc
