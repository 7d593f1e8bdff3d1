// Game Boy Advance: command sectors, header fields, the title lookup by game
// code and the block reader behind the address command.
#pragma once

#include <cstddef>   // before device/command.h, which uses size_t
#include "device/cartridge_logos.h"
#include "device/command.h"
#include "workers/gba/gba_table.h"
#include "workers/worker.h"

#include <QString>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace gba {

constexpr uint8_t kTarget = 0x03;          // GBA console code
constexpr uint8_t kOpStart = 0x01;
constexpr uint8_t kOpAddress = 0x06;
constexpr uint32_t kBlockSize = 0x8000;
constexpr uint32_t kHeaderReadSize = 1024;

constexpr uint32_t kLogoOffset = 0x04;
constexpr uint32_t kLogoSize = 156;
constexpr uint32_t kGameCodeOffset = 0xAC;
constexpr uint32_t kGameCodeSize = 4;

// Values of the "RAM TYPE" option row.
enum RamType : int { ram_none = 0, ram_sram = 1, ram_flash = 2, ram_eeprom = 3 };

inline constexpr const uint8_t (&kLogo)[kLogoSize] = kGameBoyAdvanceLogo;

CommandSector console_selection();
CommandSector gba_start();
// Makes window offset 0 show ROM byte `offset`.
CommandSector address_select(uint32_t offset);

// `header` holds the first ROM bytes, at least up to 0xBF.
bool logo_matches(const uint8_t *header);
QString game_code(const uint8_t *header);

// Indexes of the rows whose serial list contains `code`, in table order.
// A code shorter than four characters is no game code: it would match
// whole stretches of the table, so it matches nothing.
std::vector<size_t> find_rows(const TitleRow *table, size_t count, const QString &code);

// Leading decimal digits of `text`; 0 without any. Saturates at INT_MAX.
int parse_rom_size(const QString &text);

struct SaveType {
    int ramType;        // value for selectRamType
    int ramSize;        // value for selectRamSize
    int shown;          // number logged
    const char *unit;   // "Kbytes" or "Bytes", to be translated
};
SaveType save_type_for(const QString &tag);

QString text(const char16_t *column);

// One block: the address sector, then the read at window offset 0.
BlockRead block_read(uint32_t offset, uint32_t length = kBlockSize);

} // namespace gba
