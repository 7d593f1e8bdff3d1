#include "workers/md/md_save.h"

#include "device/command.h"

#include <QByteArray>

namespace {

constexpr uint32_t kSramBase = 0x200000;
constexpr uint32_t kSramTop = 0x400000;

uint32_t be32(const uint8_t *p)
{
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
}

} // namespace

bool mdSave::describeSave(SavePlan *plan)
{
    if (!send(make_command(0x13, 0x01)))
        return false;
    uint8_t header[0x200];
    if (!readWindow(0, header, sizeof header))
        return false;
    cartridgeName = QString::fromLatin1(reinterpret_cast<const char *>(header + 0x150), 48).simplified();
    // Above 2 MiB, ROM and SRAM share 0x200000 behind a switch the reader
    // cannot write: what shows there would be ROM bytes, not a save.
    const uint32_t romEnd = be32(header + 0x1A4);
    if (romEnd == 0 || romEnd >= kSramBase)
        return refuse(say("The header's ROM end is missing or above 2 MB, so the save memory is out of the "
                          "reader's reach: ") + QStringLiteral("0x%1").arg(romEnd, 0, 16));
    const bool ra = header[0x1B0] == 'R' && header[0x1B1] == 'A';
    uint32_t start = kSramBase + 1, end = 0, step = 2;
    QString lane = say("odd bytes only (the bytes that carry data), one a byte");
    if (ra) {
        if (header[0x1B3] != 0x20)
            return refuse(say("The header announces a serial EEPROM, which the data window cannot read."));
        start = be32(header + 0x1B4);
        end = be32(header + 0x1B8);
        switch ((header[0x1B2] >> 3) & 3) {
        case 3: start |= 1; break;
        case 2: start &= ~1u; lane = say("even bytes only (the bytes that carry data), one a byte"); break;
        case 0: start &= ~1u; step = 1; lane = say("both bytes of each 16-bit word"); break;
        default: return refuse(say("The header's RAM type byte names no layout: ") +
                               QStringLiteral("0x%1").arg(header[0x1B2], 2, 16, QLatin1Char('0')));
        }
        if (start < kSramBase || end < start || end >= kSramTop)
            return refuse(say("The header's save addresses lie outside 0x200000-0x3FFFFF."));
    } else {
        // RAM SIZE counts the address range, as the header's addresses do.
        if (ramSize < 2 || ramSize > int(kSramTop - kSramBase))
            return refuse(say("The header announces no save memory; set RAM SIZE to read the odd bytes at 0x200001."));
        end = kSramBase + uint32_t(ramSize) - 1;
    }
    const uint32_t size = step == 1 ? end - start + 1 : (end - start) / 2 + 1;
    plan->board = say("SRAM at 0x%1, %2 bytes that carry data").arg(start, 0, 16).arg(size);
    plan->size = size;
    plan->gated = false;
    // Without the SRAM, a ROM of at most 2 MiB repeats at 0x200000.
    plan->absentView = start - kSramBase;
    plan->readOnlyReason = say("The reader has no Mega Drive write command: Mega Drive saves can be read, not written.");
    plan->layout = lane;
    SaveBank bank;
    bank.windowOffset = bank.address = start;
    bank.length = size;
    bank.step = step;
    plan->banks.push_back(bank);
    return true;
}
