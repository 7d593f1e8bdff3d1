// The GBA header decoder, the game-code lookup and the size measurement on
// arbitrary cartridge contents.
#include "workers/gba/gba_protocol.h"
#include "workers/gba/gba_table.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    std::vector<uint8_t> header(gba::kHeaderReadSize, 0);
    std::memcpy(header.data(), data, size < header.size() ? size : header.size());
    gba::logo_matches(header.data());
    const QString code = gba::game_code(header.data());
    gba::header_title(header.data());
    gba::maker_code(header.data());
    gba::find_rows(gba::kTitleTable, gba::kTitleTableSize, code);
    gba::serial_game_code(QString::fromLatin1(reinterpret_cast<const char *>(data), int(size < 64 ? size : 64)));
    gba::is_open_bus(data, uint32_t(size), size ? data[0] : 0);

    // A cartridge whose bytes are the input, repeated; the bus past it floats.
    const uint32_t romSize = size ? uint32_t(data[0]) << 17 : 0;
    bool failed = false;
    gba::SizeEvidence how = gba::SizeEvidence::None;
    gba::measure_rom(
        [&](uint32_t offset, uint8_t *dst, uint32_t len) {
            for (uint32_t i = 0; i < len; ++i) {
                const uint32_t a = offset + i;
                dst[i] = a < romSize ? data[a % size] : uint8_t((a & 1) ? a >> 9 : a >> 1);
            }
            return !(size > 1 && data[1] == 0xEE && offset == 0);
        },
        &failed, &how);
    if (gba::repeat_length(data, uint32_t(size)) > size)
        std::abort();
    return 0;
}
