#include "workers/gba/gba_threads.h"

#include "device/device_link.h"

#include <QByteArray>

gbaThreadInfo::gbaThreadInfo(QObject *parent)
    : InfoWorker(parent), table(gba::kTitleTable), tableSize(gba::kTitleTableSize) {}

void gbaThreadInfo::identify()
{
    if (!infoSend(gba::console_selection()) || !infoSend(gba::gba_start()) || !infoSend(gba::address_select(0)))
        return;
    QByteArray page(gba::kHeaderReadSize, '\0');
    if (!infoRead(0, page.data(), gba::kHeaderReadSize, 0) || !cartridgeAnswers(page.constData(), gba::kHeaderReadSize))
        return;
    const auto *header = reinterpret_cast<const uint8_t *>(page.constData());

    if (!gba::logo_matches(header)) {
        noteWarn("Can not detect gameboy advance logo.");
        noteWarn("Maybe it's not a standard cartridge.");
        note("\r\n");
    }

    int matched = 0;
    for (size_t i : gba::find_rows(table, tableSize, gba::game_code(header))) {
        const gba::TitleRow &row = table[i];
        note("--GBA Cartridge information--");
        note("Title: ", gba::text(row.title));
        note("Company: ", gba::text(row.publisher));
        note("Year: ", gba::text(row.year));

        const int romSize = gba::parse_rom_size(gba::text(row.romSize));
        note("ROM SIZE: ", QString::number(uint32_t(romSize) / 131072) + say("Mbit"));
        selectRomSize(romSize);

        const gba::SaveType save = gba::save_type_for(gba::text(row.saveType));
        note("RAM SIZE: ", QString::number(save.shown) + say(save.unit));
        noteRaw(QStringLiteral("<hr><br>"));
        selectRamSize(save.ramSize);
        selectRamType(save.ramType);
        matched = romSize;
    }
    // Without the logo the header fields are not a header's: judge nothing.
    if (matched == 0 && gba::logo_matches(header))
        reportHeader(header);
    else if (matched == 0)
        noteNotDetected();
}

void gbaThreadInfo::reportHeader(const uint8_t *header)
{
    bool readFailed = false;
    const uint32_t size = gba::measure_rom_size(
        [this](uint32_t offset, uint8_t *dst, uint32_t len) {
            return infoSend(gba::address_select(offset)) && infoRead(0, dst, len, offset);
        },
        &readFailed);
    if (readFailed)
        return;
    if (size == 0) {
        noteNotDetected();
        return;
    }
    note("--GBA Cartridge information--");
    note("Title: ", gba::header_title(header));
    note("Game code: ", gba::game_code(header));
    note("Maker code: ", gba::maker_code(header));
    note("ROM SIZE: ", QString::number(size / 131072) + say("Mbit"));
    selectRomSize(int(size));
    // The save type is not in the header: the RAM options stay as they are.
    note("Not in the title table: these values come from the cartridge header, the ROM size from where its data ends.");
    noteRaw(QStringLiteral("<hr><br>"));
}

bool gbaThreadDump::startRead()
{
    return send(gba::console_selection()) && send(gba::gba_start());
}

bool gbaThreadDump::emptySlot(const uint8_t *image, uint32_t len) const
{
    return DumpWorker::emptySlot(image, len) || (len > 0 && gba::is_open_bus(image, len, 0));
}

bool gbaThreadDump::nextBlock(uint32_t index, const uint8_t *, DumpBlock *block)
{
    if (!evenBlock(index, gba::kBlockSize, block))
        return false;
    block->read = gba::block_read(block->imageOffset, block->read.length);
    return true;
}
