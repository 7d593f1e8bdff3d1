// Game Boy / Game Boy Color: command sectors, header decoding and the bank
// readers of the memory bank controllers.
#pragma once

#include <cstddef>   // before device/command.h, which uses size_t
#include "device/cartridge_logos.h"
#include "device/command.h"
#include "workers/types.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace gbc {

constexpr uint8_t kTarget = 0x02;          // GB/GBC console code
constexpr uint8_t kOpStart = 0x01;
constexpr uint8_t kOpRegisterWrite = 0x0D;
constexpr uint32_t kBankSize = 0x4000;
constexpr uint32_t kHeaderReadSize = 8192;

// Header fields, at their cartridge addresses.
constexpr uint32_t kLogoOffset = 0x0104;
constexpr uint32_t kLogoSize = 48;
constexpr uint32_t kTitleOffset = 0x0134;
constexpr uint32_t kTitleSize = 16;
constexpr uint32_t kTypeOffset = 0x0147;
constexpr uint32_t kRomSizeOffset = 0x0148;
constexpr uint32_t kRamSizeOffset = 0x0149;

// Values of the "MBC TYPE:" option row.
// mbc_1m: the MBC1 multicart board, whose upper bank bits drive the ROM
// lines one place lower, so each 256 KiB holds a game of its own.
enum Mbc : int { mbc_none = 0, mbc_1 = 1, mbc_2 = 2, mbc_3 = 3, mbc_5 = 4, mbc_1m = 5,
                 // Not an option: HuC1, chosen for an MBC1 dump by the header.
                 huc1 = 0x100 };

inline constexpr const uint8_t (&kLogo)[kLogoSize] = kGameBoyLogo;

CommandSector console_selection();
CommandSector gb_start();
// One write cycle at a cartridge address; only the low 16 address bits and
// the low 8 value bits travel.
CommandSector register_write(uint32_t address, uint32_t value);

// `header` holds the cartridge bytes from address 0 up to at least 0x014F.
bool logo_matches(const uint8_t *header);
QString title(const uint8_t *header);

int mbc_for_type_code(uint8_t code);
int rom_size_for_code(uint8_t code);

struct RamSize {
    int bytes;          // value for selectRamSize
    int shown;          // number logged
    const char *unit;   // " KBytes" or " Bytes", to be translated
};
RamSize ram_size_for_code(uint8_t code);

// The reader for the rest of an image whose first bank is `bank0`: a HuC1
// header (type 0xFF) under MBC1 has a six-bit bank register and no upper
// bits at 0x4000, where MBC1's way reads the banks past 512 KiB wrong.
int reader_for_image(int mmcType, const uint8_t *bank0, uint32_t len);

// The bytes the multicart probe compares, and what it concludes.
constexpr uint32_t kProbeSize = 0x2000;
enum class Mbc1Board { Plain, Multicart, Unsure };
// `bank0` as mode 0 shows 0x0000; `atBank10` what 0x4000 shows with 0x10
// in the low bank register; `upper1` what mode 1 shows at 0x0000 with 1 in
// the upper register. A multicart shows its bank 0 for the first and the
// header of its second game for the other; a plain MBC1 banks 0x10 and
// 0x20. Unsure when bank 0 comes back at 0x10 but no second header shows.
Mbc1Board classify_mbc1(const uint8_t *bank0, const uint8_t *atBank10, const uint8_t *upper1);
// The writes before each probe read and those that restore power-on banks.
std::vector<CommandSector> mbc1_probe_low();
std::vector<CommandSector> mbc1_probe_upper();
std::vector<CommandSector> mbc1_power_on();

// The steps that read `length` bytes of image offset `offset` (a multiple of
// the bank size) with the controller `mmcType`.
BlockRead bank_read(int mmcType, uint32_t offset, uint32_t length = kBankSize);

// The header checksum of a saved image of `size` bytes: None where the
// image is too small to hold the header.
verify::HeaderCheck check_header(const uint8_t *image, size_t size);

} // namespace gbc
