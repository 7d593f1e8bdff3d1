// Master System cartridges: the reader firmware gate, command sectors and
// the slot and bank reads of the Sega mapper.
#pragma once

#include "device/command.h"
#include "workers/sms/sms_table.h"
#include "workers/types.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace sms {

constexpr uint8_t kTarget = 0x12;   // the SMS console code
constexpr uint8_t kOpStart = 0x01;
constexpr uint8_t kOpRegisterWrite = 0x03;
constexpr uint32_t kBankSize = 16384;
constexpr uint32_t kHeadSize = 8192;
// Up to this size the three slots are read as they stand after power-on.
constexpr uint32_t kSlotsSize = 3 * kBankSize;
// First firmware whose SMS start command the reader knows.
constexpr int kFirstSmsFirmware = 310;

// Mapper registers.
constexpr uint32_t kControl = 0xFFFC;
constexpr uint32_t kSlot0 = 0xFFFD;
constexpr uint32_t kSlot1 = 0xFFFE;
constexpr uint32_t kSlot2 = 0xFFFF;

// Values of the MMC TYPE row.
enum Board : int { board_sega = 0, board_codemasters = 1 };

// The Codemasters board's registers: each selects the bank of its slot.
constexpr uint32_t kCodemastersSlot0 = 0x0000;
constexpr uint32_t kCodemastersSlot1 = 0x4000;   // bit 7 maps the board's RAM
constexpr uint32_t kCodemastersSlot2 = 0x8000;
constexpr uint32_t kCodemastersHeader = 0x7FE0;
constexpr uint32_t kCodemastersHeaderSize = 16;

// The writes that give power-on banks on either board. The Sega control
// register goes first, so that no later write reaches a mapped RAM.
std::vector<CommandSector> power_on(int board);

// True when the 16 bytes at 0x7FE0 are a Codemasters header: a bank count,
// a date and time in BCD, and a checksum word beside its complement.
bool codemasters_header(const uint8_t *at7fe0);

// True when the identity text names the one board that reads this console.
bool board_supported(const char *firmware);
// The firmware version: the decimal digits from byte 12 of the identity
// text up to the first non-digit; 0 when there are none.
int firmware_version(const char *firmware);

CommandSector start_sector();
// One write cycle of the low 8 bits of `value` at `address`.
CommandSector register_write(uint32_t address, uint32_t value);

// Small images: slot `slot` (0-2) read as power-on left it.
BlockRead slot_read(int slot);
// Large images: bank `bank` mapped into slot 2 and read there; `length` is
// at most one bank.
BlockRead bank_read(uint32_t bank, uint32_t length, int board = board_sega);

// The "TMR SEGA" header.
struct Header {
    bool found = false;
    uint32_t offset = 0;       // 0x7FF0, 0x3FF0 or 0x1FF0
    uint16_t checksum = 0;
    int productCode = -1;      // -1 when its digits are not BCD
    int version = 0;
    int region = 0;
    uint32_t declaredSize = 0; // from the size code; 0 for a code with no size
};

// Looks for the header at 0x7FF0, then 0x3FF0, then 0x1FF0 of `rom`, which
// holds the first `len` bytes of the cartridge as slots 0 and 1 show them.
Header find_header(const uint8_t *rom, size_t len);

// Bank numbers whose mapping into slot 2 shows bank 0 again when the ROM has
// 2, 4, 8 … 64 banks: a cartridge's size is the first that does.
constexpr uint32_t kSizeProbes[] = {2, 4, 8, 16, 32, 64};

// The header checksum of a saved image of `size` bytes: None where the
// image is too small to hold the header and where it has no "TMR SEGA" header; the sum covers the range its size code names.
verify::HeaderCheck check_header(const uint8_t *image, size_t size);

} // namespace sms
