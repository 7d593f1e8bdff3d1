// Names from the catalogue by the codes that cartridge headers carry: the
// Mega Drive serial, the Master System product code, the Super Famicom and
// Game Boy game codes. Codes are compared exactly, never by title.
#pragma once

#include "workers/verify/verify.h"

#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace verify {

// The codes a catalogue serial field ("MK-1535 (USA), MK-1535-50 (Euro)",
// "G-1305, 5055", "SHVC-AQ4J-JPN") stands for in the header form of
// `family` (a console code): Mega Drive serials without the region suffix,
// Master System product codes as plain decimal numbers, and the game codes
// of the Super Famicom, Game Boy and Game Boy Advance.
QStringList serial_keys(int family, const QString &serial);

// The game code of a catalogue serial token of the Nintendo form
// ("SHVC-AQ4J-JPN", "CGB-AXPP-UKV"): console prefix, then four characters,
// or two where `twoLetterCodes` (older Super Famicom carts); empty otherwise.
QString game_code_key(const QString &token, bool twoLetterCodes);

// Every entry of `family` whose serial field gives `key`, in list order.
// Game Boy and Game Boy Color share one family.
std::vector<CatalogueEntry> find_by_serial(const Catalogue &catalogue, int family, const QString &key);

// The game code of a Super Famicom extended header, or empty. `header`
// points at the 64-byte header (0x7FC0, 0xFFC0 …) inside a buffer that
// holds the 16 bytes before it.
QString sfc_game_code(const uint8_t *header);

// The 4-character game code of a Game Boy header (0x13F), or empty where the
// header has none. `rom` holds at least 0x150 bytes.
QString gb_game_code(const uint8_t *rom, size_t len);

} // namespace verify
