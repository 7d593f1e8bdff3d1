#include "workers/gbc/gbc_save.h"

#include "workers/gbc/gbc_protocol.h"

#include <algorithm>

namespace {

constexpr uint32_t kRamWindow = 0xA000;
constexpr uint32_t kRamBank = 0x2000;
constexpr uint32_t kMbc2Cells = 512;

enum class Board { None, Mbc1, Mbc2, Mbc3, Mbc5, Huc1 };

struct TypeInfo {
    Board board;
    bool clock;
    bool rumble;
    const char *name;
};

// The battery boards whose RAM the register writes reach; anything else is
// refused by name.
TypeInfo type_info(uint8_t type)
{
    switch (type) {
    case 0x03: return {Board::Mbc1, false, false, "MBC1+RAM+BATTERY"};
    case 0x06: return {Board::Mbc2, false, false, "MBC2+BATTERY"};
    case 0x0F: return {Board::Mbc3, true, false, "MBC3+TIMER+BATTERY"};
    case 0x10: return {Board::Mbc3, true, false, "MBC3+TIMER+RAM+BATTERY"};
    case 0x13: return {Board::Mbc3, false, false, "MBC3+RAM+BATTERY"};
    case 0x1B: return {Board::Mbc5, false, false, "MBC5+RAM+BATTERY"};
    case 0x1E: return {Board::Mbc5, false, true, "MBC5+RUMBLE+RAM+BATTERY"};
    case 0xFF: return {Board::Huc1, false, false, "HuC1+RAM+BATTERY"};
    case 0x22: return {Board::None, false, false, "MBC7 (serial EEPROM)"};
    case 0xFC: return {Board::None, false, false, "Pocket Camera"};
    case 0xFE: return {Board::None, false, false, "HuC3"};
    case 0x0D: return {Board::None, false, false, "MMM01+RAM+BATTERY"};
    case 0x09: return {Board::None, false, false, "ROM+RAM+BATTERY"};
    default: return {Board::None, false, false, nullptr};
    }
}

CommandSector reg(uint32_t address, uint32_t value)
{
    return gbc::register_write(address, value);
}

} // namespace

bool gbcSave::describeSave(SavePlan *plan)
{
    if (!send(gbc::console_selection()) || !send(gbc::gb_start()))
        return false;
    uint8_t header[0x200];
    if (!readWindow(0, header, sizeof header))
        return false;
    if (!gbc::logo_matches(header))
        return refuse(say("Can not detect gameboy logo.") + say(" The header cannot be trusted, so the save "
                                                                   "memory is left alone."));
    cartridgeName = gbc::title(header);
    const uint8_t type = header[gbc::kTypeOffset];
    const TypeInfo info = type_info(type);
    if (info.board == Board::None) {
        const QString name = info.name ? QString::fromLatin1(info.name)
                                       : QStringLiteral("0x%1").arg(type, 2, 16, QLatin1Char('0'));
        return refuse(say("This board's save memory is not supported: ") + name);
    }
    if (mmcType >= 0 && mmcType != gbc::mbc_for_type_code(type))
        noteWarn("The cartridge header names another mapper than the one chosen; the header's is used: ",
                 QString::fromLatin1(info.name));

    uint32_t size = 0;
    if (info.board == Board::Mbc2) {
        size = kMbc2Cells;
    } else {
        size = uint32_t(gbc::ram_size_for_code(header[gbc::kRamSizeOffset]).bytes);
        if (size > 0x20000 || size == kMbc2Cells)
            size = 0;
        if (size == 0 && ramSize > 0)
            size = uint32_t(ramSize);
    }
    if (size == 0 && !info.clock)
        return refuse(say("The header gives no RAM size; set RAM SIZE."));
    if (size % kRamBank && size > kRamBank)
        return refuse(say("RAM SIZE is not a whole number of 8 KB banks."));

    // The bank register's width: a larger RAM would repeat, and a file
    // written to it would overwrite its own first banks.
    const uint32_t banks = size > kRamBank ? size / kRamBank : (size ? 1 : 0);
    const uint32_t maxBanks = info.board == Board::Mbc5 ? (info.rumble ? 8 : 16)
                              : info.board == Board::Mbc3 ? 8
                              : info.board == Board::Mbc2 ? 1 : 4;
    if (banks > maxBanks)
        return refuse(say("RAM SIZE is larger than this board can map."));
    plan->board = QString::fromLatin1(info.name) + QStringLiteral(", %1 bytes").arg(size);
    plan->size = size;
    plan->write = [](uint32_t address, uint8_t value) { return reg(address, value); };
    // The enable register answers with address bit 8 clear on MBC2.
    plan->enable.push_back(reg(0x0000, 0x0A));
    if (info.board == Board::Mbc1 && banks > 1)
        plan->enable.push_back(reg(0x6000, 1));   // RAM banks switch only in mode 1
    for (uint32_t b = 0; b < banks; ++b) {
        SaveBank bank;
        // Rumble boards: bit 3 runs the motor, so it stays clear.
        if (info.board != Board::Mbc2 && (banks > 1 || info.board == Board::Mbc3 || info.board == Board::Mbc5))
            bank.select.push_back(reg(0x4000, info.rumble ? (b & 0x07) : b));
        bank.windowOffset = kRamWindow;
        bank.address = kRamWindow;
        bank.length = std::min(size, kRamBank);
        plan->banks.push_back(bank);
    }
    if (info.board == Board::Mbc2) {
        plan->mask = 0x0F;
        plan->layout = say("one four-bit cell a byte, high nibble 0");
    }
    if (info.clock) {
        plan->hasClock = true;
        plan->clock.latch = {reg(0x6000, 0), reg(0x6000, 1)};
        for (uint32_t r = 0x08; r <= 0x0C; ++r)
            plan->clock.selects.push_back(reg(0x4000, r));
        plan->clock.windowOffset = kRamWindow;
        plan->clock.address = kRamWindow;
        plan->layout = say("RAM, then the 48-byte clock footer");
    }
    if (info.board != Board::Mbc2 && (banks > 1 || info.board != Board::Mbc1))
        plan->restore.push_back(reg(0x4000, 0));
    if (info.board == Board::Mbc1 && banks > 1)
        plan->restore.push_back(reg(0x6000, 0));
    plan->restore.push_back(reg(0x0000, 0x00));
    return true;
}
