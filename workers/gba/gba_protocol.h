// Game Boy Advance: command sectors, header fields, the title lookup by game
// code and the block reader behind the address command.
#pragma once

#include <cstddef>   // before device/command.h, which uses size_t
#include "device/cartridge_logos.h"
#include "device/command.h"
#include "workers/gba/gba_table.h"
#include "workers/types.h"

#include <QString>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace gba {

constexpr uint8_t kTarget = 0x03;          // GBA console code
constexpr uint8_t kOpStart = 0x01;
constexpr uint8_t kOpAddress = 0x06;
constexpr uint32_t kBlockSize = 0x8000;
constexpr uint32_t kHeaderReadSize = 1024;

constexpr uint32_t kLogoOffset = 0x04;
constexpr uint32_t kLogoSize = 156;
constexpr uint32_t kTitleOffset = 0xA0;
constexpr uint32_t kTitleSize = 12;
constexpr uint32_t kGameCodeOffset = 0xAC;
constexpr uint32_t kGameCodeSize = 4;
constexpr uint32_t kMakerOffset = 0xB0;
constexpr uint32_t kMakerSize = 2;

// ROM sizes a measurement can find: every ROM SIZE option the cartridge
// address space (32 MiB) can hold, smallest first.
constexpr uint32_t kSizeCandidates[] = {0x100000, 0x200000, 0x400000, 0x800000, 0x1000000, 0x2000000};
// Bytes read just below each candidate end.
constexpr uint32_t kProbeSize = 512;

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
// The header's title and maker code, cut at the first zero byte.
QString header_title(const uint8_t *header);
QString maker_code(const uint8_t *header);

// The game code a catalogue serial carries ("AGB-BQJE-USA" gives "BQJE",
// "AGB-P-AGRJ" gives "AGRJ"): the first four-character field after the
// platform prefix. Empty for serials without one ("AGS-006").
QString serial_game_code(const QString &serial);

// Indexes of the rows one of whose serials carries exactly `code`, in
// table order. Anything but four characters matches nothing.
std::vector<size_t> find_rows(const TitleRow *table, size_t count, const QString &code);

// True when `len` bytes read at ROM offset `offset` are what the bus shows
// past the end of a ROM: each halfword at address A reads (A / 2) & 0xFFFF.
bool is_open_bus(const uint8_t *data, uint32_t len, uint32_t offset);

// Reads `len` bytes of the cartridge at ROM offset `offset`; false on failure.
using RomReader = std::function<bool(uint32_t offset, uint8_t *dst, uint32_t len)>;

// The smallest candidate size that holds every probe showing real data:
// the candidates are probed from the largest down and the first one whose
// last kProbeSize bytes are not the open bus gives the size, or the next
// candidate when the data also goes on past that end. When every
// probe floats, the smallest candidate if the ROM's first bytes are real
// data; 0 if they float too, or when a read failed (`*readFailed`).
uint32_t measure_rom_size(const RomReader &read, bool *readFailed);

// What settled a measured size.
enum class SizeEvidence { None, OpenBus, Repeat };

// The ROM size as the bus shows it: the smallest candidate at which the
// start repeats (the ROM's first kProbeSize bytes, and the bytes below that
// end again below twice it), else where the open bus begins
// (measure_rom_size). `*how` says which; size 0 and None when neither.
uint32_t measure_rom(const RomReader &read, bool *readFailed, SizeEvidence *how);

// The length of an image of `len` bytes that repeats from a power of two
// on: halved while its upper half equals its lower half.
uint32_t repeat_length(const uint8_t *image, uint32_t len);

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

// The header checksum of a saved image of `size` bytes: None where the
// image is too small to hold the header.
verify::HeaderCheck check_header(const uint8_t *image, size_t size);

} // namespace gba
