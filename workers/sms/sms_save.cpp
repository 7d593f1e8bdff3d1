#include "workers/sms/sms_save.h"

#include "device/device_link.h"
#include "workers/sms/sms_protocol.h"

#include <QByteArray>
#include <algorithm>

namespace {

constexpr uint32_t kSlot2 = 0x8000;
constexpr uint32_t kRamEnable = 0x08;
constexpr uint32_t kRamBank1 = 0x04;
constexpr uint32_t kEightK = 0x2000;
constexpr uint32_t kSixteenK = 0x4000;

// The Codemasters header: a checksum at 0x7FE6 and its complement to
// 0x10000 at 0x7FE8.
bool codemasters_header(const uint8_t *rom)
{
    const uint32_t sum = rom[0x7FE6] | uint32_t(rom[0x7FE7]) << 8;
    const uint32_t inverse = rom[0x7FE8] | uint32_t(rom[0x7FE9]) << 8;
    return sum != 0 && ((sum + inverse) & 0xFFFF) == 0;
}

CommandSector reg(uint32_t address, uint32_t value)
{
    return sms::register_write(address, value);
}

} // namespace

bool smsSave::describeSave(SavePlan *plan)
{
    if (!sms::board_supported(device_firmware))
        return refuse(say("Device not support:") + QString::fromLatin1(device_firmware));
    const bool ownStart = sms::firmware_version(device_firmware) >= sms::kFirstSmsFirmware;
    if (!send(ownStart ? sms::start_sector() : make_command(0x13, 0x01)))
        return false;
    const uint32_t powerOn[][2] = {{sms::kControl, 0}, {sms::kSlot0, 0}, {sms::kSlot1, 1}, {sms::kSlot2, 2}};
    for (const auto &w : powerOn)
        if (!send(reg(w[0], w[1])))
            return false;
    QByteArray rom(0x8000, '\0');
    auto *r = reinterpret_cast<uint8_t *>(rom.data());
    if (!readWindow(0, r, 0x8000))
        return false;
    const sms::Header header = sms::find_header(r, 0x8000);
    cartridgeName = header.found && header.productCode >= 0
                        ? QStringLiteral("SMS %1").arg(header.productCode)
                        : QStringLiteral("SMS");
    plan->write = [](uint32_t address, uint8_t value) { return reg(address, value); };

    if (codemasters_header(r)) {
        // 8 KiB at 0xA000, mapped by bit 7 of the slot 1 register.
        plan->board = say("Codemasters board, 8 KB RAM");
        plan->size = kEightK;
        plan->enable.push_back(reg(0x4000, 0x81));
        plan->banks.push_back(bank_at(0xA000, kEightK));
        plan->restore.push_back(reg(0x4000, 0x01));
        return true;
    }

    uint32_t size = uint32_t(ramSize);
    if (size == 0) {
        // No header field gives it: 8 KiB, unless the slot's second half or
        // the second RAM bank shows something else. The measure maps the RAM
        // only to read it, and unmaps it on every path.
        QByteArray low(int(kSixteenK), '\0'), high(int(kSixteenK), '\0');
        bool read = send(reg(sms::kControl, kRamEnable)) &&
                    readWindow(kSlot2, reinterpret_cast<uint8_t *>(low.data()), kSixteenK) &&
                    send(reg(sms::kControl, kRamEnable | kRamBank1)) &&
                    readWindow(kSlot2, reinterpret_cast<uint8_t *>(high.data()), kSixteenK);
        read = send(reg(sms::kControl, 0)) && read;
        if (!read)
            return false;
        size = kEightK;
        if (low.left(int(kEightK)) != low.mid(int(kEightK)))
            size = kSixteenK;
        if (high != low)
            size = 2 * kSixteenK;
    }
    if (size != kEightK && size != kSixteenK && size != 2 * kSixteenK)
        return refuse(say("A Master System cartridge carries 8, 16 or 32 KB of RAM."));
    plan->board = say("Sega mapper, %1 KB RAM").arg(size / 1024);
    plan->size = size;
    for (uint32_t b = 0; b < (size > kSixteenK ? 2u : 1u); ++b) {
        plan->banks.push_back(bank_at(kSlot2, std::min(size, kSixteenK), {reg(sms::kControl, kRamEnable | (b ? kRamBank1 : 0))}));
    }
    plan->restore.push_back(reg(sms::kControl, 0));
    return true;
}
