#include "workers/sfc/sfc_save.h"

#include "workers/sfc/sfc_protocol.h"

#include <QByteArray>
#include <algorithm>

namespace {

enum class Map { Unknown, LoRom, HiRom, ExHiRom };

// The mapping a header's map mode byte names, fast ROM or not.
Map map_for_mode(uint8_t mode)
{
    switch (mode & 0xEF) {
    case 0x20: return Map::LoRom;
    case 0x21: return Map::HiRom;
    case 0x25: return Map::ExHiRom;
    default: return Map::Unknown;
    }
}

Map map_for_option(int mmcType)
{
    switch (mmcType) {
    case 1: return Map::LoRom;
    case 2: return Map::HiRom;
    case 3: return Map::ExHiRom;
    default: return Map::Unknown;
    }
}

// The chip in front of the RAM, by map mode and type byte; null where the
// RAM sits plainly on the cartridge bus (no chip, a DSP, the S-RTC).
const char *coprocessor(uint8_t mode, uint8_t type)
{
    if (mode == 0x23)
        return "SA-1";
    if (mode == 0x32)
        return "S-DD1";
    if (mode == 0x3A)
        return "SPC7110";
    if ((type & 0x0F) < 3)
        return nullptr;
    switch (type >> 4) {
    case 0x0: case 0x5: return nullptr;
    case 0x1: return "SuperFX";
    case 0x2: return "OBC1";
    case 0x3: return "SA-1";
    case 0x4: return "S-DD1";
    case 0xF: return "SPC7110";
    default: return "an unknown coprocessor";
    }
}

} // namespace

bool sfcSave::describeSave(SavePlan *plan)
{
    if (!send(sfc::start_command()) || !send(sfc::half_select(sfc::kHeaderPageAddress)))
        return false;
    QByteArray page(int(sfc::kHeaderPageSize), '\0');
    auto *p = reinterpret_cast<uint8_t *>(page.data());
    if (!readWindow(sfc::kHeaderPageAddress, p, sfc::kHeaderPageSize))
        return false;
    const uint8_t mode = p[sfc::kMapModeOffset];
    const uint8_t type = p[sfc::kTypeOffset];
    cartridgeName = sfc::decode_title(p + sfc::kTitleOffset);
    if (const char *chip = coprocessor(mode, type))
        return refuse(say("The save memory sits behind a coprocessor the reader cannot drive: ") +
                      QString::fromLatin1(chip));
    const int parts = type & 0x0F;
    if (parts != 2 && parts != 5)
        return refuse(say("The cartridge header names no battery RAM (type 0x%1).").arg(type, 2, 16, QLatin1Char('0')));
    // The header's map mode wins over the option row: the RAM's place
    // depends on the board, not on how its ROM was dumped.
    Map map = map_for_mode(mode);
    if (map == Map::Unknown)
        map = map_for_option(mmcType);
    if (map == Map::Unknown)
        return refuse(say("The map mode is unknown; choose LOROM, HIROM or EX-HIROM."));
    uint32_t size = sfc::ram_size_from_code(p[0x1FD8]);
    if (size == 0 || size > 0x40000)
        size = uint32_t(ramSize);
    if (size == 0)
        return refuse(say("The header gives no RAM size; set RAM SIZE."));

    // LoROM: 32 KiB at 0x0000 of banks 0x70 up; HiROM: 8 KiB at 0x6000 of
    // banks 0x30 up; ExHiROM: 8 KiB at 0x6000 of banks 0x80 up.
    const uint32_t per = map == Map::LoRom ? 0x8000 : 0x2000;
    const uint32_t first = map == Map::LoRom ? 0x700000 : map == Map::HiRom ? 0x306000 : 0x806000;
    if (size > per * (map == Map::LoRom ? 14 : 16))
        return refuse(say("RAM SIZE is larger than this board can map."));
    static const char *const names[] = {"", "LoROM", "HiROM", "ExHiROM"};
    plan->board = QStringLiteral("%1, %2 KB").arg(QLatin1String(names[int(map)])).arg(size / 1024);
    plan->size = size;
    plan->gated = false;
    plan->write = [](uint32_t address, uint8_t value) { return sfc::register_write(address, value); };
    for (uint32_t at = 0; at < size; at += per) {
        SaveBank bank;
        bank.address = first + (at / per) * 0x10000;
        bank.select.push_back(sfc::half_select(bank.address));
        bank.windowOffset = sfc::window_offset(bank.address);
        bank.length = std::min(per, size - at);
        plan->banks.push_back(bank);
    }
    plan->restore.push_back(sfc::half_select(0));
    return true;
}
