// Super Famicom / SNES: command sectors, header analysis, title lookup and
// the bank readers of the dump. Plain functions; the workers send and read.
#pragma once

#include "device/command.h"
#include "workers/sfc/sfc_table.h"
#include "workers/types.h"

#include <QString>
#include <cstddef>
#include <cstdint>
#include <functional>

namespace sfc {

constexpr uint8_t kTarget = 0x0F;
constexpr uint8_t kOpStart = 0x01;
constexpr uint8_t kOpRegisterWrite = 0x03;
constexpr uint8_t kOpHalfSelect = 0x04;

// The data window shows one 8 MiB half of the 24-bit cartridge address space.
constexpr uint32_t kHalfMask = 0x7FFFFF;

constexpr uint32_t kHeaderPageAddress = 0xE000;
constexpr uint32_t kHeaderPageSize = 0x2000;
constexpr uint32_t kBlockSize = 0x8000;

// Header fields by offset in the header page (cartridge address 0xFFC0 and up).
constexpr size_t kTitleOffset = 0x1FC0;
constexpr size_t kTitleLength = 21;
constexpr size_t kMapModeOffset = 0x1FD5;
constexpr size_t kTypeOffset = 0x1FD6;
constexpr size_t kRomCodeOffset = 0x1FD7;

// Single header bytes read on their own.
constexpr uint32_t kRamCodeAddress = 0xFFD8;
constexpr uint32_t kMakerCodeAddress = 0x7FDA;
constexpr uint32_t kExpansionRamAddress = 0x7FBD;
constexpr uint8_t kExtendedHeaderMaker = 0x33;

// Registers written by the bank readers.
constexpr uint32_t kLoRomSwitchAddress = 0x7F52;
constexpr uint32_t kLoRomSwitchOffset = 0x200000;
constexpr uint32_t kSdd1BankAddress = 0x4804;
constexpr uint32_t kSdd1PageSize = 0x100000;
constexpr uint32_t kSdd1RomSize = 0x600000;

CommandSector start_command();
CommandSector register_write(uint32_t address, uint8_t value);
// Selects the half of the address space that holds `address` (its bit 23).
CommandSector half_select(uint32_t address);
inline uint32_t window_offset(uint32_t address) { return address & kHalfMask; }

// One SFC read: its own half select, then the window read.
BlockRead read_at(uint32_t address, uint32_t length);

// 1024 << code; codes 0 and 0xFF mean no RAM, and so do codes whose size
// would not fit an int (no real cartridge has them).
uint32_t ram_size_from_code(uint8_t code);

// The header title field as text: cut at its first zero byte, each byte
// decoded as JIS X 0201 so that half-width katakana show whatever the locale.
QString decode_title(const uint8_t *field, size_t length = kTitleLength);

enum class RamRule { Standard, SuperFx };

struct HeaderAnalysis {
    bool hiRom = false;
    bool oddMode = false;
    RamRule ramRule = RamRule::Standard;
    uint32_t megabits = 0;   // N
    uint32_t romBytes = 0;   // S
    uint32_t ramBytes = 0;
};

// Reads one byte at a cartridge address (the worker's SFC read).
using ByteReader = std::function<uint8_t(uint32_t address)>;

// Analyses a header page of kHeaderPageSize bytes. `readByte` is asked only
// for the bytes the chosen RAM rule needs: 0xFFD8, or 0x7FDA then 0x7FBD.
HeaderAnalysis analyse_header(const uint8_t *page, const ByteReader &readByte);

// Bank readers of the dump, chosen by the MMC TYPE value.
enum class Reader { None, LoRom, Sdd1, HiRom };
// None for a value without a reader (Homebrew entries, "96M ROM").
Reader reader_for(int mmcType, int romSize);

// The steps that read `length` bytes (at most kBlockSize) of the image at
// `offset`, a multiple of kBlockSize.
BlockRead lorom_block(uint32_t offset, uint32_t length);
BlockRead sdd1_block(uint32_t offset, uint32_t length);
BlockRead hirom_block(uint32_t offset, uint32_t length);
BlockRead block_for(Reader reader, uint32_t offset, uint32_t length);

// The size of the ROM behind an image of `len` bytes (a power of two) whose
// top part repeats its lower part as boards of 12, 20, 24, 40 or 48 Mbit
// fill the address space; `len` when no such size explains the image, or
// when the part above the lower half is one byte over and over (padding).
uint32_t true_size(const uint8_t *image, uint32_t len);

// The header checksum of a saved image of `size` bytes: None where the
// image is too small to hold the header; the header is the best of the LoROM, HiROM and ExHiROM places.
verify::HeaderCheck check_header(const uint8_t *image, size_t size);

} // namespace sfc
