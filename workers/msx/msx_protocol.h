// MSX cartridges: the reader's MSX mode, command sectors, the page
// fingerprint and the bank reader of each mapper.
#pragma once

#include "device/command.h"
#include "workers/msx/msx_table.h"
#include "workers/worker.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>

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

// The mode byte of the last MSX start; 0 until one is sent. Shared by the
// Info and Dump workers, which run on different threads.
extern std::atomic<uint8_t> mode;

// The mode an MSX start uses for a reader with that identity text.
uint8_t mode_for_firmware(const char *firmware);

CommandSector start_sector(uint8_t mode);
// One write cycle of the low 8 bits of `value` at the low 16 bits of `address`.
CommandSector register_write(uint8_t mode, uint32_t address, uint32_t value);

// Values of the MMC TYPE list: 0-17 and 128.
bool is_mapper(int value);

// The register writes and the 16 KiB window read that bring image bytes
// [offset, offset + length) into view for `mapper` (not 0). `offset` is a
// multiple of 16 KiB; `length` at most 16 KiB.
BlockRead bank_read(int mapper, uint32_t offset, uint32_t length, uint8_t mode);

// True when the first `len` bytes are all 0xFF (an empty page).
bool is_blank(const uint8_t *data, size_t len);

// Reads `len` bytes of the slot at `address` into `dst`; false on failure.
using PageReader = std::function<bool(uint32_t address, uint8_t *dst, uint32_t len)>;

// The first row of `table` whose key equals `key`; null when none.
const TitleRecord *find_title(const TitleRecord *table, size_t count, uint32_t key);

// Identifies the cartridge from one 8 KiB page: the first non-empty page of
// 0x4000 and 0x8000 is looked up in `table`; with both empty, the page at
// 0x6000 can name the one known cartridge. Null when nothing is identified
// (or a page could not be read).
const TitleRecord *fingerprint(const PageReader &read, const TitleRecord *table, size_t count);

} // namespace msx
