#include "workers/gbc/gbc_threads.h"

#include <QByteArray>

void gbcThreadInfo::identify()
{
    if (!infoSend(gbc::console_selection()) || !infoSend(gbc::gb_start()))
        return;
    QByteArray page(gbc::kHeaderReadSize, '\0');
    if (!infoRead(0, page.data(), gbc::kHeaderReadSize, 0) || !cartridgeAnswers(page.constData(), gbc::kHeaderReadSize))
        return;
    const auto *header = reinterpret_cast<const uint8_t *>(page.constData());

    // Without the logo the header bytes may be anything: they are shown,
    // but a dump must not take its size and controller from them.
    if (!gbc::logo_matches(header)) {
        note("Can not detect gameboy logo.");
        note("Maybe it's not a standard cartridge.");
        note("\r\n");
        withholdPresets();
    }
    note("--GB/GBC Cartridge information--");
    note("Title: ", gbc::title(header));

    selectMMCType(gbc::mbc_for_type_code(header[gbc::kTypeOffset]));

    const int romSize = gbc::rom_size_for_code(header[gbc::kRomSizeOffset]);
    note("ROM SIZE: ", QString::number(romSize / 1024) + say(" KB"));
    selectRomSize(romSize);

    const gbc::RamSize ram = gbc::ram_size_for_code(header[gbc::kRamSizeOffset]);
    note("RAM SIZE: ", QString::number(ram.shown) + say(ram.unit));
    selectRamSize(ram.bytes);
}

bool gbcThreadDump::readImage(uint8_t *buffer)
{
    if (!send(gbc::console_selection()) || !send(gbc::gb_start()))
        return false;
    int mmc = mmcType;
    const uint32_t size = uint32_t(romSize);
    emit set_progress(1, romSize);
    for (uint32_t offset = 0; offset < size; offset += gbc::kBankSize) {
        // A size that is not a whole number of banks ends in a short read
        // rather than past the buffer.
        const uint32_t length = qMin(gbc::kBankSize, size - offset);
        if (!keepGoing() || !perform(gbc::bank_read(mmc, offset, length), buffer + offset))
            return false;
        emit set_progress(int(offset + length), romSize);
        if (offset == 0)
            mmc = gbc::reader_for_image(mmc, buffer, length);
    }
    return true;
}
