#include "workers/sms/sms_threads.h"

#include "device/checksum.h"
#include "device/device_link.h"

#include <QByteArray>
#include <algorithm>
#include <cstring>

namespace {

QString firmwareText()
{
    return QString::fromUtf8(device_firmware, int(strnlen(device_firmware, sizeof device_firmware)));
}

} // namespace

smsThreadInfo::smsThreadInfo(QObject *parent)
    : InfoWorker(parent), table(sms::kTitleTable), tableSize(sms::kTitleTableSize) {}

void smsThreadInfo::identify()
{
    if (!sms::board_supported(device_firmware)) {
        note("Device not support:", firmwareText());
        return;
    }
    if (sms::firmware_version(device_firmware) < sms::kFirstSmsFirmware) {
        note("Device only support:QXB_RDR07_FW310 or newer");
        return;
    }
    send_command(sms::start_sector());
    send_command(sms::register_write(sms::kSlot0, 0));
    send_command(sms::register_write(sms::kSlot1, 1));
    send_command(sms::register_write(sms::kSlot2, 2));

    QByteArray head(int(sms::kHeadSize), '\0');
    if (read_data_window(0, head.data(), sms::kHeadSize) != sms::kHeadSize) {
        noteNotDetected();
        return;
    }
    const uint32_t crc = crc32_buffer(head.constData(), sms::kHeadSize);
    const sms::TitleRecord *hit = sms::find_title(table, tableSize, crc);
    if (!hit || hit->romSize == 0) {
        noteNotDetected();
        return;
    }
    note("Find game: ", QString::fromUtf8(hit->name));
    note("Please set ROM SIZE to ",
         QString::number(hit->romSize / 1024) + say(" Kbytes to dump ROM."));
    selectRomSize(int(hit->romSize));
}

uint32_t smsThreadDump::bufferSize() const
{
    return std::max(uint32_t(romSize), sms::kSlotsSize);
}

bool smsThreadDump::readImage(uint8_t *buffer)
{
    if (!sms::board_supported(device_firmware)) {
        note("Device not support:", firmwareText());
        return false;
    }
    // Older firmware has no SMS start; its Mega Drive bus reaches the cartridge.
    const bool ownStart = sms::firmware_version(device_firmware) >= sms::kFirstSmsFirmware;
    if (!send(ownStart ? sms::start_sector() : make_command(0x13, 0x01)))
        return false;
    const uint32_t powerOn[][2] = {{sms::kControl, 0}, {sms::kSlot0, 0}, {sms::kSlot1, 1}, {sms::kSlot2, 2}};
    for (const auto &w : powerOn)
        if (!send(sms::register_write(w[0], w[1])))
            return false;

    const uint32_t size = uint32_t(romSize);
    emit set_progress(1, romSize);
    if (size <= sms::kSlotsSize) {
        for (int slot = 0; slot < 3; ++slot) {
            if (!keepGoing() || !perform(sms::slot_read(slot), buffer + slot * sms::kBankSize))
                return false;
            emit set_progress(int((slot + 1) * sms::kBankSize), romSize);
        }
        return true;
    }
    // A size that is not a whole number of banks gets its tail read too.
    for (uint32_t bank = 0; bank * sms::kBankSize < size; ++bank) {
        const uint32_t offset = bank * sms::kBankSize;
        const uint32_t length = std::min(sms::kBankSize, size - offset);
        if (!keepGoing() || !perform(sms::bank_read(bank, length), buffer + offset))
            return false;
        emit set_progress(int(offset), romSize);
    }
    return true;
}
