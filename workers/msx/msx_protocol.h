// MSX cartridges: the reader's MSX mode, command sectors, the page
// fingerprint and the bank reader of each mapper.
#pragma once

#include "device/command.h"
#include "workers/msx/msx_table.h"
#include "workers/types.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace msx {

constexpr uint32_t kPageSize = 8192;
constexpr uint32_t kBankSize = 16384;
// Largest image read from the fixed pages without a mapper.
constexpr uint32_t kDirectLimit = 32768;
// CRC-32 of an 8 KiB page of 0xFF: an empty page of the slot.
constexpr uint32_t kBlankPageCrc = 0xB4293435;
// CRC-32 of the page at 0x6000 of the one cartridge that leaves 0x4000 and
// 0x8000 empty.
constexpr uint32_t kEagleFighterCrc = 0xE2738B0A;

constexpr uint8_t kModeStandard = 0x15;   // the MSX console code
constexpr uint8_t kModeVariant = 0x14;    // readers whose firmware text starts "MSX"
constexpr uint8_t kOpStart = 0x01;
constexpr uint8_t kOpRegisterWrite = 0x03;

// The mode an MSX start uses for a reader with that identity text.
uint8_t mode_for_firmware(const char *firmware);

CommandSector start_sector(uint8_t mode);
// One write cycle of the low 8 bits of `value` at the low 16 bits of `address`.
CommandSector register_write(uint8_t mode, uint32_t address, uint32_t value);

// Values of the MMC TYPE list: 0-17 and 128.
bool is_mapper(int value);

// True when the board shows the first 32 KiB of its ROM in 0x4000-0xBFFF
// after the start command, so that a small image is read straight from the
// pages. Boards that answer in one page only, or start with one bank in
// every page, need their registers even then.
bool shows_first_banks(int mapper);

// The FM-PAC board reads back its enable and bank registers at 0x7FF6 and
// 0x7FF7, over the ROM bytes at 0x3FF6 and 0x3FF7 of every bank.
constexpr int kFmPac = 11;

// The register writes and the 16 KiB window read that bring image bytes
// [offset, offset + length) into view for `mapper` (not 0). `offset` is a
// multiple of 16 KiB; `length` at most 16 KiB.
BlockRead bank_read(int mapper, uint32_t offset, uint32_t length, uint8_t mode);

// True when the first `len` bytes are all 0xFF (an empty page).
bool is_blank(const uint8_t *data, size_t len);

// Reads `len` bytes of the slot at `address` into `dst`; false on failure.
using PageReader = std::function<bool(uint32_t address, uint8_t *dst, uint32_t len)>;

// Identifies the cartridge from one 8 KiB page: the first non-empty page of
// 0x4000 and 0x8000 is looked up in `table`; with both empty, the page at
// 0x6000 can name the one known cartridge. Null when nothing is identified
// (or a page could not be read).
const TitleRecord *fingerprint(const PageReader &read, const TitleRecord *table, size_t count);

// A cartridge the table does not know, judged from what it shows.

// The window read at power-on to judge an unknown cartridge: 0x4000-0xBFFF.
constexpr uint32_t kWindowAddress = 0x4000;
constexpr uint32_t kWindowSize = 0x8000;

// True when the window starts with the "AB" of a cartridge ROM header.
bool has_rom_header(const uint8_t *window);

// The size of a ROM without a mapper, from how the window repeats it: an
// 8 or 16 KiB ROM shows again (or leaves 0xFF) in the rest of the window.
uint32_t plain_size(const uint8_t *window);

struct MapperScore {
    int mapper;     // MMC TYPE value
    int stores;     // `ld (nnnn),a` to one of its registers
};

struct MapperGuess {
    int mapper = -1;                    // the clear winner, or -1
    int stores = 0;                     // register stores of any board
    std::vector<MapperScore> ranking;   // boards with stores, most first
};

// Counts the bank-register stores (Z80 `ld (nnnn),a`: 0x32, low, high; and
// `ld (hl),a`, 0x77, after `ld hl,nnnn`, 0x21 low high, with at most a load
// of `a` between them) in
// `code` against the registers of each mapper board that stores can tell
// apart. A board wins clearly when, against every other board, the stores
// only it has registers for are more than twice those the other has alone;
// where both sets are empty (ASCII 16 KiB against ASCII 8 KiB), the board
// with fewer registers wins if the stores reach two of them.
MapperGuess guess_mapper(const uint8_t *code, size_t len);

// A bank register and a value for it.
struct RegisterValue {
    uint16_t address;
    uint8_t value;
};

// The banks `mapper` shows after power-on, register by register; empty for
// boards without registers.
std::vector<RegisterValue> power_on_banks(int mapper);

// The 8 KiB regions of the window (bit 0: 0x4000, bit 1: 0x6000, bit 2:
// 0x8000, bit 3: 0xA000) whose bank a write at `address` selects on board
// `mapper`; 0 where the board decodes no register there.
unsigned switched_regions(int mapper, uint16_t address);

// The regions of two 32 KiB windows that differ.
unsigned changed_regions(const uint8_t *before, const uint8_t *after);

// What a probe write at `address` did to the window.
struct Observation {
    uint16_t address;
    unsigned changed;
};

// The registers the confirmation writes: every board's but those `mapper`
// decodes itself (where a change would tell nothing), in a fixed order.
// Addresses in 0x8000-0xBFFF come last.
std::vector<uint16_t> probe_registers(int mapper);
// Each probe writes this value and the next: below 0x10, so that no board
// maps its SRAM.
constexpr uint8_t kProbeValue = 6;

// The boards the store scan knows whose registers explain every
// observation: each write changed exactly the regions the board switches
// there, or nothing where it has no register.
std::vector<int> boards_explaining(const std::vector<Observation> &seen);

// The largest ROM a board can hold when that is fixed (Cross Blaim's
// two-bit latch, R-Type's one board); 0 for boards to be measured.
uint32_t fixed_board_size(int mapper);

// Largest ROM the mirror measurement looks for, in 16 KiB banks.
constexpr uint32_t kMaxBanks = 128;

// The size of a ROM behind `mapper`: the first power-of-two bank count N
// (2..kMaxBanks) at which banks N and N + 1 repeat banks 0 and 1, as the
// board wraps its bank number. `readBank` fills 16 KiB with the bank at an
// image offset. 0 when none repeats, or a read failed (`*readFailed`).
using BankReader = std::function<bool(uint32_t offset, uint8_t *dst)>;
uint32_t measure_banked_size(const BankReader &readBank, bool *readFailed);

// The register writes and 8 KiB window reads with which the size
// measurement reads a 16 KiB bank: none of them writes into 0x8000-0xBFFF,
// where a board whose SRAM a large value mapped would take the write.
// Empty for a mapper whose banks cannot be read so.
std::vector<BlockRead> measure_reads(int mapper, uint32_t offset, uint8_t mode);

} // namespace msx
