#include "workers/msx/msx_save.h"

#include "device/device_link.h"
#include "workers/worker.h"
#include "workers/msx/msx_protocol.h"

#include <QByteArray>

namespace {

constexpr int kGameMaster2 = 6;
constexpr int kAscii8Sram = 7;
constexpr int kAscii16Sram = 8;
constexpr uint32_t kPage8 = 0x2000;

} // namespace

bool msxSave::describeSave(SavePlan *plan)
{
    if (mmcType != kGameMaster2 && mmcType != kAscii8Sram && mmcType != kAscii16Sram)
        return refuse(say("MSX saves are supported on Game Master 2 and the ASCII 8 KB and 16 KB boards with "
                          "SRAM; the mapper chosen is ") +
                      (mmcType < 0 ? say("none") : option_name(consoleCode(), 1, mmcType)));
    const uint8_t mode = msx::mode_for_firmware(device_firmware);
    if (!send(msx::start_sector(mode)))
        return false;
    const auto reg = [mode](uint32_t address, uint32_t value) { return msx::register_write(mode, address, value); };
    plan->write = [mode](uint32_t address, uint8_t value) { return msx::register_write(mode, address, value); };
    cartridgeName = option_name(consoleCode(), 1, mmcType);
    plan->board = cartridgeName;

    if (mmcType == kAscii16Sram) {
        // 2 KiB through the 0x7000 register, where page 2 can write it.
        plan->size = 0x800;
        plan->enable.push_back(reg(0x7000, 0x10));
        plan->banks.push_back(bank_at(0x8000, 0x800));
        plan->restore.push_back(reg(0x7000, 0));
        return true;
    }
    if (mmcType == kGameMaster2) {
        // Two 4 KiB halves, written only at 0xB000-0xBFFF.
        plan->size = 0x2000;
        for (uint32_t half = 0; half < 2; ++half) {
            plan->banks.push_back(bank_at(0xB000, 0x1000, {reg(0xA000, half ? 0x30 : 0x10)}));
        }
        plan->restore.push_back(reg(0xA000, 3));
        return true;
    }

    // ASCII 8 KB: the SRAM bit is the first bank bit past the ROM. Bank
    // numbers wrap past the ROM, so the first power of two whose bank shows
    // bank 0 again is twice that bit: the bit itself shows the SRAM.
    QByteArray bank0(int(kPage8), '\0'), page(int(kPage8), '\0');
    auto *b0 = reinterpret_cast<uint8_t *>(bank0.data());
    auto *p = reinterpret_cast<uint8_t *>(page.data());
    bool ok = send(reg(0x7000, 0)) && readWindow(0x8000, b0, kPage8);
    uint32_t bit = 0;
    for (uint32_t probe = 1; ok && probe <= 0x100 && !bit; probe <<= 1) {
        if (probe == 0x100) {
            bit = 0x80;   // boards that use bit 7 whatever the ROM's size
            break;
        }
        ok = send(reg(0x7000, probe)) && readWindow(0x8000, p, kPage8);
        if (ok && page == bank0)
            bit = probe >> 1;
    }
    ok = send(reg(0x7000, 0)) && ok;
    if (!ok)
        return false;
    if (bit == 0)
        return refuse(say("The ROM's banks do not repeat as an ASCII 8 KB board's do; the SRAM bank is unknown."));
    plan->size = kPage8;
    plan->board += say(", SRAM at bank 0x%1").arg(bit, 2, 16, QLatin1Char('0'));
    plan->enable.push_back(reg(0x7000, bit));
    plan->banks.push_back(bank_at(0x8000, kPage8));
    plan->restore.push_back(reg(0x7000, 0));
    return true;
}
