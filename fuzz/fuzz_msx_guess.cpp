// The MSX mapper guess, the mirror measurement and the plain-size rule on
// arbitrary code and slot contents.
#include "workers/msx/msx_protocol.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    msx::guess_mapper(data, size);

    std::vector<uint8_t> window(msx::kWindowSize, 0xFF);
    std::memcpy(window.data(), data, size < window.size() ? size : window.size());
    msx::has_rom_header(window.data());
    msx::plain_size(window.data());

    // Banks that repeat after the count the first input byte names.
    const uint32_t banks = size ? (uint32_t(data[0]) % 200) + 1 : 1;
    bool failed = false;
    msx::measure_banked_size(
        [&](uint32_t offset, uint8_t *dst) {
            // Each bank is its number over the input's first bytes.
            const uint32_t bank = (offset / msx::kBankSize) % banks;
            std::memset(dst, int(bank), msx::kBankSize);
            std::memcpy(dst, data, size < 64 ? size : 64);
            return true;
        },
        &failed);
    // Probe observations from the input: each board's reading of them, and
    // the windows' differences.
    std::vector<msx::Observation> seen;
    const std::vector<uint16_t> registers = msx::probe_registers(size ? int(data[0] % 19) : -1);
    for (size_t i = 0; i < registers.size() && i < size; ++i)
        seen.push_back({registers[i], unsigned(data[i] & 0x0F)});
    for (int board : msx::boards_explaining(seen))
        if (board < 0 || board > 17)
            __builtin_trap();
    const std::vector<uint8_t> reversed(window.rbegin(), window.rend());
    (void)msx::changed_regions(window.data(), reversed.data());
    for (int mapper : {0, 2, 3, 9, 14, 128}) {
        (void)msx::measure_reads(mapper, uint32_t(size) * msx::kBankSize, 0x15);
        (void)msx::fixed_board_size(mapper);
        (void)msx::bank_read(mapper, uint32_t(size) * msx::kBankSize, msx::kBankSize, 0x15);
    }
    return 0;
}
