#include "workers/msx/msx_protocol.h"

#include "device/checksum.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <vector>

namespace msx {

uint8_t mode_for_firmware(const char *firmware)
{
    if (firmware && std::strncmp(firmware, "MSX", 3) == 0)
        return kModeVariant;
    return kModeStandard;
}

CommandSector start_sector(uint8_t m)
{
    return make_command(m, kOpStart);
}

CommandSector register_write(uint8_t m, uint32_t address, uint32_t value)
{
    CommandSector s = make_command(m, kOpRegisterWrite);
    s[4] = uint8_t(address & 0xFF);
    s[5] = uint8_t((address >> 8) & 0xFF);
    s[12] = uint8_t(value & 0xFF);
    return s;
}

bool is_mapper(int value)
{
    return (value >= 0 && value <= 17) || value == 128;
}

bool shows_first_banks(int mapper)
{
    switch (mapper) {
    case 1:    // msx-dos 2: page 1 only
    case 4: case 5: case 7: case 8:   // ASCII boards start with bank 0 everywhere
    case 9:    // R-Type: its last bank is fixed in page 1
    case kFmPac:   // page 1 only
    case 12:   // Super Load Runner: page 2 only
        return false;
    default:
        return true;
    }
}

BlockRead bank_read(int mapper, uint32_t offset, uint32_t length, uint8_t m)
{
    const uint32_t b16 = offset / kBankSize;
    const uint32_t b8 = offset / kPageSize;
    BlockRead step;
    step.length = length;
    auto write = [&](uint32_t address, uint32_t value) {
        step.before.push_back(register_write(m, address, value));
    };

    switch (mapper) {
    case 1:    // msx-dos 2
    case 5:    // Ascii/16kb
    case 8:    // Ascii/16kb with SRAM
        write(0x6000, b16);
        step.windowOffset = 0x4000;
        break;
    case 2:    // Konami SCC
        write(0x5000, b8);
        write(0x7000, b8 + 1);
        step.windowOffset = 0x4000;
        break;
    case 3:    // Konami4: page 0x4000 is fixed, so read through 0x6000-0x9FFF
    case 10:   // Konami mah-jong 2 (Hai no Majutsushi): a Konami4 board with a DAC
        write(0x6000, b8);
        write(0x8000, b8 + 1);
        step.windowOffset = 0x6000;
        break;
    case 4:    // Ascii/8kb
    case 7:    // Ascii/8kb with SRAM
        write(0x6000, b8);
        write(0x6800, b8 + 1);
        step.windowOffset = 0x4000;
        break;
    case 6:    // Game Master 2: page 0x4000 is fixed
        write(0x8000, b8);
        write(0xA000, b8 + 1);
        step.windowOffset = 0x8000;
        break;
    case 9:    // R-Type: values with bit 4 set only reach banks 0x10-0x17
        write(0x7000, (b16 & 0x10) ? (b16 & 0x17) : b16);
        step.windowOffset = 0x8000;
        break;
    case 11:   // Panasonic FM-PAC
        write(0x7FF7, b16);
        step.windowOffset = 0x4000;
        break;
    case 12:   // Super Load Runner: the register answers in page 0
        write(0x0000, b16);
        step.windowOffset = 0x8000;
        break;
    case 13:   // Konami Synthesizer: no registers, the ROM lies flat
        step.windowOffset = 0x4000 + offset;
        break;
    case 14:   // Cross Blaim: bank 0 shows only in the fixed page at 0x4000;
               // latch values 0 and 1 both show bank 1 at 0x8000
        if (b16 == 0) {
            step.windowOffset = 0x4000;
        } else {
            write(0x4045, b16);
            step.windowOffset = 0x8000;
        }
        break;
    case 15:   // Disk ROM
        step.windowOffset = offset | 0x4000;
        break;
    case 16:   // Korean 80-in-1
        write(0x4000, 2 * b16);
        write(0x4001, 2 * b16 + 1);
        step.windowOffset = 0x4000;
        break;
    case 17:   // Korean 126-in-1
        write(0x4000, b16);
        step.windowOffset = 0x4000;
        break;
    case 128:  // Harry Fox: one write pair maps 32 KiB over 0x4000-0xBFFF
        if (offset % 32768 == 0) {
            write(0x6000, offset / 32768);
            write(0x7000, offset / 32768);
        }
        step.windowOffset = 0x4000 + offset % 32768;
        break;
    default:
        step.length = 0;
        break;
    }
    return step;
}

bool is_blank(const uint8_t *data, size_t len)
{
    return std::all_of(data, data + len, [](uint8_t b) { return b == 0xFF; });
}

const TitleRecord *fingerprint(const PageReader &read, const TitleRecord *table, size_t count)
{
    std::vector<uint8_t> page(kPageSize);
    for (uint32_t address : {0x4000u, 0x8000u}) {
        if (!read(address, page.data(), kPageSize))
            return nullptr;
        const uint32_t crc = crc32_buffer(page.data(), page.size());
        if (crc != kBlankPageCrc) {
            const TitleRecord *row = find_title(table, count, &TitleRecord::key, crc);
            return row && row->size != 0 ? row : nullptr;
        }
    }
    if (!read(0x6000, page.data(), kPageSize))
        return nullptr;
    if (crc32_buffer(page.data(), page.size()) == kEagleFighterCrc)
        return &kEagleFighter;
    return nullptr;
}

bool has_rom_header(const uint8_t *window)
{
    return window[0] == 'A' && window[1] == 'B';
}

uint32_t plain_size(const uint8_t *window)
{
    const auto region = [window](int i) { return window + i * kPageSize; };
    const auto repeats = [&](int i, int of) {
        return std::memcmp(region(i), region(of), kPageSize) == 0 || is_blank(region(i), kPageSize);
    };
    if (repeats(1, 0) && repeats(2, 0) && repeats(3, 0))
        return kPageSize;
    const bool upperBlank = is_blank(region(2), kPageSize) && is_blank(region(3), kPageSize);
    if (upperBlank || std::memcmp(region(2), region(0), 2 * kPageSize) == 0)
        return 2 * kPageSize;
    return kWindowSize;
}

namespace {

// The boards whose register addresses tell them apart. Boards that share a
// set with a commoner one (Game Master 2 and mah-jong 2 with Konami, the
// SRAM variants, Harry Fox with ASCII 16 KiB) cannot be told from it by
// stores and are left to the table or the user.
struct Board {
    int mapper;
    std::vector<uint16_t> registers;
};

const std::vector<Board> &boards()
{
    static const std::vector<Board> list{
        {2, {0x5000, 0x7000, 0x9000, 0xB000}},
        {3, {0x6000, 0x8000, 0xA000}},
        {4, {0x6000, 0x6800, 0x7000, 0x7800}},
        {5, {0x6000, 0x7000}},
        {9, {0x7000}},
        {11, {0x7FF7}},
        {12, {0x0000}},
        {14, {0x4045}},
        {16, {0x4000, 0x4001, 0x4002, 0x4003}},
        {17, {0x4000, 0x4001}},
    };
    return list;
}

bool has_register(const Board &b, uint16_t address)
{
    return std::find(b.registers.begin(), b.registers.end(), address) != b.registers.end();
}

// Stores to the registers of `a` that `b` does not have.
int stores_only_in(const Board &a, const Board &b, const std::map<uint16_t, int> &count)
{
    int n = 0;
    for (uint16_t r : a.registers)
        if (!has_register(b, r) && count.count(r))
            n += count.at(r);
    return n;
}

bool beats(const Board &w, const Board &o, const std::map<uint16_t, int> &count)
{
    const int mine = stores_only_in(w, o, count);
    const int theirs = stores_only_in(o, w, count);
    if (mine > 2 * theirs)
        return true;
    if (mine != 0 || theirs != 0 || w.registers.size() >= o.registers.size())
        return false;
    if (std::any_of(w.registers.begin(), w.registers.end(), [&](uint16_t r) { return !has_register(o, r); }))
        return false;
    const auto hit = std::count_if(w.registers.begin(), w.registers.end(), [&](uint16_t r) { return count.count(r) > 0; });
    return hit >= 2;
}

// The length of a load of `a` at `p` (ld a,n and ld a,r), or 0.
size_t load_a(const uint8_t *p, size_t left)
{
    if (left >= 2 && p[0] == 0x3E)
        return 2;
    if (left >= 1 && p[0] >= 0x78 && p[0] <= 0x7F)
        return 1;
    return 0;
}

// The store `ld (hl),a` that follows `ld hl,nnnn` at `i`: the bytes up to
// and including it, or 0.
size_t store_through_hl(const uint8_t *code, size_t len, size_t i)
{
    if (code[i] != 0x21 || i + 3 >= len)
        return 0;
    size_t at = i + 3;
    at += load_a(code + at, len - at);
    return at < len && code[at] == 0x77 ? at - i + 1 : 0;
}

} // namespace

MapperGuess guess_mapper(const uint8_t *code, size_t len)
{
    std::map<uint16_t, int> count;   // stores per register address of any board
    for (size_t i = 0; i + 2 < len; ++i) {
        const size_t throughHl = store_through_hl(code, len, i);
        if (code[i] != 0x32 && !throughHl)
            continue;
        const uint16_t address = uint16_t(code[i + 1] | code[i + 2] << 8);
        const bool known = std::any_of(boards().begin(), boards().end(),
                                       [address](const Board &b) { return has_register(b, address); });
        if (known) {
            ++count[address];
            i += throughHl ? throughHl - 1 : 2;   // the operands are no opcodes
        }
    }

    MapperGuess guess;
    for (const auto &c : count)
        guess.stores += c.second;
    for (const Board &b : boards()) {
        int n = 0;
        for (uint16_t r : b.registers)
            n += count.count(r) ? count.at(r) : 0;
        if (n > 0)
            guess.ranking.push_back({b.mapper, n});
    }
    std::stable_sort(guess.ranking.begin(), guess.ranking.end(),
                     [](const MapperScore &a, const MapperScore &b) { return a.stores > b.stores; });

    for (const Board &w : boards()) {
        const bool wins = std::all_of(boards().begin(), boards().end(), [&](const Board &o) {
            return &o == &w || beats(w, o, count);
        });
        if (wins && guess.stores > 0) {
            guess.mapper = w.mapper;
            break;
        }
    }
    return guess;
}

uint32_t fixed_board_size(int mapper)
{
    switch (mapper) {
    case 9:
        return 393216;
    case 14:
        return 65536;
    default:
        return 0;
    }
}

uint32_t measure_banked_size(const BankReader &readBank, bool *readFailed)
{
    *readFailed = false;
    std::vector<uint8_t> first(2 * kBankSize), probe(kBankSize);
    if (!readBank(0, first.data()) || !readBank(kBankSize, first.data() + kBankSize)) {
        *readFailed = true;
        return 0;
    }
    for (uint32_t n = 2; n <= kMaxBanks; n *= 2) {
        for (uint32_t k = 0; k < 2; ++k) {
            if (!readBank((n + k) * kBankSize, probe.data())) {
                *readFailed = true;
                return 0;
            }
            if (std::memcmp(probe.data(), first.data() + k * kBankSize, kBankSize) != 0)
                break;
            if (k == 1)
                return n * kBankSize;
        }
    }
    return 0;
}

std::vector<RegisterValue> power_on_banks(int mapper)
{
    switch (mapper) {
    case 1: return {{0x6000, 0}};
    case 2: return {{0x5000, 0}, {0x7000, 1}, {0x9000, 2}, {0xB000, 3}};
    case 3: case 6: case 10: return {{0x6000, 1}, {0x8000, 2}, {0xA000, 3}};
    case 4: case 7: return {{0x6000, 0}, {0x6800, 0}, {0x7000, 0}, {0x7800, 0}};
    case 5: case 8: return {{0x6000, 0}, {0x7000, 0}};
    case 9: return {{0x7000, 0}};
    case 11: return {{0x7FF7, 0}, {0x7FF6, 0}};
    case 12: return {{0x0000, 0}};
    case 14: return {{0x4045, 0}};
    case 16: return {{0x4000, 0}, {0x4001, 1}, {0x4002, 2}, {0x4003, 3}};
    case 17: return {{0x4000, 0}, {0x4001, 1}};
    case 128: return {{0x6000, 0}, {0x7000, 0}};
    default: return {};
    }
}

unsigned switched_regions(int mapper, uint16_t a)
{
    const auto in = [a](unsigned from, unsigned to) { return a >= from && a < to; };
    switch (mapper) {
    case 2:    // Konami SCC: 2 KiB of each region from 0x5000 on
        return in(0x5000, 0xB800) && (a & 0x1800) == 0x1000 ? 1u << ((a - 0x4000) >> 13) : 0;
    case 3:    // Konami4: the region written
        return in(0x6000, 0xC000) ? 1u << ((a - 0x4000) >> 13) : 0;
    case 4:    // ASCII 8 KB: 0x6000-0x7FFF in four 2 KiB parts
        return in(0x6000, 0x8000) ? 1u << ((a >> 11) & 3) : 0;
    case 5:    // ASCII 16 KB
        return in(0x6000, 0x6800) ? 0x3u : in(0x7000, 0x7800) ? 0xCu : 0;
    case 9:    // R-Type: any write to page 1
        return in(0x4000, 0x8000) ? 0xCu : 0;
    case 11:   // FM-PAC
        return a == 0x7FF7 ? 0x3u : 0;
    case 12:   // Super Load Runner
        return a == 0x0000 ? 0xCu : 0;
    case 14:   // Cross Blaim decodes no address lines
        return 0xCu;
    case 16:
        return in(0x4000, 0x4004) ? 1u << (a & 3) : 0;
    case 17:
        return a == 0x4000 ? 0x3u : a == 0x4001 ? 0xCu : 0;
    default:
        return 0;
    }
}

unsigned changed_regions(const uint8_t *before, const uint8_t *after)
{
    unsigned changed = 0;
    for (unsigned r = 0; r < 4; ++r)
        if (std::memcmp(before + r * kPageSize, after + r * kPageSize, kPageSize) != 0)
            changed |= 1u << r;
    return changed;
}

std::vector<uint16_t> probe_registers(int mapper)
{
    std::vector<uint16_t> low, high;
    for (const Board &b : boards())
        for (uint16_t r : b.registers) {
            std::vector<uint16_t> &list = r >= 0x8000 && r < 0xC000 ? high : low;
            if ((b.mapper == mapper || !switched_regions(mapper, r)) &&
                std::find(list.begin(), list.end(), r) == list.end())
                list.push_back(r);
        }
    low.insert(low.end(), high.begin(), high.end());
    return low;
}

std::vector<int> boards_explaining(const std::vector<Observation> &seen)
{
    std::vector<int> found;
    for (const Board &b : boards()) {
        const bool fits = std::all_of(seen.begin(), seen.end(), [&b](const Observation &o) {
            const unsigned expected = switched_regions(b.mapper, o.address);
            return o.changed == expected;
        });
        if (fits)
            found.push_back(b.mapper);
    }
    return found;
}

std::vector<BlockRead> measure_reads(int mapper, uint32_t offset, uint8_t mode)
{
    const uint32_t b8 = offset / kPageSize;
    switch (mapper) {
    case 3:
    case 10: {
        // Konami4's register at 0x6000 alone, twice, instead of 0x6000 and 0x8000.
        std::vector<BlockRead> reads(2);
        for (uint32_t k = 0; k < 2; ++k) {
            reads[k].before.push_back(register_write(mode, 0x6000, b8 + k));
            reads[k].windowOffset = 0x6000;
            reads[k].length = kPageSize;
        }
        return reads;
    }
    case 2: case 4: case 5: case 9: case 11: case 12: case 16: case 17:
        return {bank_read(mapper, offset, kBankSize, mode)};
    default:
        return {};
    }
}

} // namespace msx
