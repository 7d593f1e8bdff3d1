#include "workers/gbc/gbc_threads.h"

#include "workers/verify/serials.h"

#include <QByteArray>

namespace {

// The header's type byte names a controller our readers know; other codes
// (MBC6, MBC7, HuC3, the camera …) say nothing we could compare.
bool knownType(uint8_t type)
{
    return type <= 0x13 || (type >= 0x19 && type <= 0x1E) || type == 0xFF;
}

} // namespace

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
        noteWarn("Can not detect gameboy logo.");
        noteWarn("Maybe it's not a standard cartridge.");
        note("\r\n");
        withholdPresets();
    }
    note("--GB/GBC Cartridge information--");
    note("Title: ", gbc::title(header));
    noteCatalogue(code(ConsoleCode::gbc), verify::gb_game_code(header, size_t(page.size())));

    const int romSize = gbc::rom_size_for_code(header[gbc::kRomSizeOffset]);
    int mbc = gbc::mbc_for_type_code(header[gbc::kTypeOffset]);
    if (mbc == gbc::mbc_1 && romSize == 0x100000 && gbc::logo_matches(header)) {
        gbc::Mbc1Board board = gbc::Mbc1Board::Plain;
        if (!probeMbc1(header, &board))
            return;
        if (board == gbc::Mbc1Board::Multicart) {
            note("MBC1 multicart: a second game header at 0x40000.");
            mbc = gbc::mbc_1m;
        } else if (board == gbc::Mbc1Board::Unsure) {
            noteWarn("This board cannot be told apart from an MBC1 multicart: please set MBC TYPE yourself.");
            mbc = -1;
        }
    }
    if (mbc >= 0)
        selectMMCType(mbc);

    note("ROM SIZE: ", QString::number(romSize / 1024) + say(" KB"));
    selectRomSize(romSize);

    const gbc::RamSize ram = gbc::ram_size_for_code(header[gbc::kRamSizeOffset]);
    note("RAM SIZE: ", QString::number(ram.shown) + say(ram.unit));
    selectRamSize(ram.bytes);
}

bool gbcThreadInfo::probeMbc1(const uint8_t *bank0, gbc::Mbc1Board *board)
{
    QByteArray low(gbc::kProbeSize, '\0');
    QByteArray upper(gbc::kProbeSize, '\0');
    for (const CommandSector &s : gbc::mbc1_probe_low())
        if (!infoSend(s))
            return false;
    if (!infoRead(0x4000, low.data(), gbc::kProbeSize, 0x40000))
        return false;
    for (const CommandSector &s : gbc::mbc1_probe_upper())
        if (!infoSend(s))
            return false;
    if (!infoRead(0, upper.data(), gbc::kProbeSize, 0x40000))
        return false;
    // Power-on banks again, so that nothing after depends on the probe.
    for (const CommandSector &s : gbc::mbc1_power_on())
        if (!infoSend(s))
            return false;
    *board = gbc::classify_mbc1(bank0, reinterpret_cast<const uint8_t *>(low.constData()),
                                reinterpret_cast<const uint8_t *>(upper.constData()));
    return true;
}

bool gbcThreadDump::startRead()
{
    return send(gbc::console_selection()) && send(gbc::gb_start());
}

bool gbcThreadDump::nextBlock(uint32_t index, const uint8_t *image, DumpBlock *block)
{
    const uint32_t size = uint32_t(romSize);
    const uint32_t bank0 = qMin(gbc::kBankSize, size);
    // Asked once bank 0 is in and reported, whether more banks follow or not.
    if (index == 1)
        noteDeclared(image, bank0);
    if (!evenBlock(index, gbc::kBankSize, block))
        return false;
    const int mmc = index == 0 ? mmcType : gbc::reader_for_image(mmcType, image, bank0);
    block->read = gbc::bank_read(mmc, block->imageOffset, block->read.length);
    return true;
}

// Said once bank 0 is in, before the rest is read: the choice still wins.
void gbcThreadDump::noteDeclared(const uint8_t *bank0, uint32_t len)
{
    if (len <= gbc::kRamSizeOffset || !gbc::logo_matches(bank0))
        return;
    const uint8_t sizeCode = bank0[gbc::kRomSizeOffset];
    if (sizeCode <= 8 && gbc::rom_size_for_code(sizeCode) != romSize)
        noteHeaderSize(uint32_t(gbc::rom_size_for_code(sizeCode)));
    const uint8_t type = bank0[gbc::kTypeOffset];
    const bool multicart = mmcType == gbc::mbc_1m && gbc::mbc_for_type_code(type) == gbc::mbc_1;
    if (knownType(type) && gbc::mbc_for_type_code(type) != mmcType && !multicart)
        noteRaw(say("The cartridge header declares mapper %1; dumping with %2 as chosen.")
                    .arg(option_name(code(ConsoleCode::gbc), 1, gbc::mbc_for_type_code(type)),
                         option_name(code(ConsoleCode::gbc), 1, mmcType)),
                LogTone::Warning);
}

void gbcThreadDump::noteSuspectImage(const uint8_t *image, uint32_t len, bool checksumFails)
{
    DumpWorker::noteSuspectImage(image, len, checksumFails);
    if (len <= gbc::kRamSizeOffset || !gbc::logo_matches(image))
        return;
    const uint8_t sizeCode = image[gbc::kRomSizeOffset];
    if (sizeCode <= 8 && uint32_t(gbc::rom_size_for_code(sizeCode)) != len)
        warnHeaderSize(len, uint32_t(gbc::rom_size_for_code(sizeCode)));
}
