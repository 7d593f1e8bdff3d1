// Game Boy header decoding on arbitrary header bytes.
#include "workers/gbc/gbc_protocol.h"
#include "workers/worker.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The decoders are promised the bytes up to 0x014F; the rest of the
    // page is whatever the bus gave.
    std::vector<uint8_t> header(0x150, 0xFF);
    std::memcpy(header.data(), data, size < header.size() ? size : header.size());

    gbc::logo_matches(header.data());
    const QString title = gbc::title(header.data());
    if (title.size() > int(gbc::kTitleSize))
        std::abort();
    const int mbc = gbc::mbc_for_type_code(header[gbc::kTypeOffset]);
    const int rom = gbc::rom_size_for_code(header[gbc::kRomSizeOffset]);
    const gbc::RamSize ram = gbc::ram_size_for_code(header[gbc::kRamSizeOffset]);
    if (mbc < gbc::mbc_none || mbc > gbc::mbc_5 || rom < 32768 || rom > 8 * 1024 * 1024 || ram.bytes < 0)
        std::abort();
    // A header may declare more ROM than its controller addresses; such a
    // dump is refused. Any other reads only the cartridge's two windows.
    // The multicart probe's three pages: the header page, then the same
    // with the input's second half over it, as either board might show them.
    std::vector<uint8_t> pages[3];
    for (int i = 0; i < 3; ++i) {
        pages[i].assign(gbc::kProbeSize, 0xFF);
        std::memcpy(pages[i].data(), header.data(), header.size());
        if (i > 0 && size > 1)
            std::memcpy(pages[i].data() + size / 2 * (i - 1) % 0x100, data + size / 2, size - size / 2);
    }
    gbc::classify_mbc1(pages[0].data(), pages[1].data(), pages[2].data());
    if (!rom_size_refusal(2, rom, mbc).isEmpty())
        return 0;
    const int readers[] = {mbc, gbc::mbc_1m};
    for (const int reader : readers) {
        if (reader == gbc::mbc_1m && rom > 0x100000)
            break;
        for (uint32_t offset = 0; offset < uint32_t(rom); offset += gbc::kBankSize) {
            const BlockRead step = gbc::bank_read(reader, offset);
            if (step.length != gbc::kBankSize || step.windowOffset + step.length > 0x8000)
                std::abort();
        }
    }
    return 0;
}
