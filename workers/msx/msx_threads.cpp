#include "workers/msx/msx_threads.h"

#include "device/device_link.h"

#include <algorithm>

msxThreadInfo::msxThreadInfo(QObject *parent)
    : InfoWorker(parent), table(msx::kTitleTable), tableSize(msx::kTitleTableSize) {}

void msxThreadInfo::identify()
{
    const uint8_t mode = msx::mode_for_firmware(device_firmware);
    send_command(msx::start_sector(mode));
    msx::mode = mode;

    const msx::PageReader read = [](uint32_t address, uint8_t *dst, uint32_t len) {
        return read_data_window(address, dst, len) == len;
    };
    const msx::TitleRecord *hit = msx::fingerprint(read, table, tableSize);
    if (!hit) {
        noteNotDetected();
        return;
    }
    note("Name: ", QString::fromUtf16(hit->title));
    note("Company: ", QString::fromUtf16(hit->company));
    note("Year: ", QString::fromUtf16(hit->year));
    note("Mapper: ", QString::number(hit->mapper));
    selectRomSize(int(hit->size));
    selectMMCType(hit->mapper);
}

bool msxThreadDump::readImage(uint8_t *buffer)
{
    const uint32_t size = uint32_t(romSize);
    const int mapper = mmcType;
    if (size > msx::kDirectLimit && !msx::is_mapper(mapper)) {
        note("Unknow mapper.");
        return false;
    }

    // Choose the MSX bus ourselves, in the mode an Info run would choose: the
    // reader may be in another family's mode, or never have been started.
    const uint8_t mode = msx::mode_for_firmware(device_firmware);
    if (!send(msx::start_sector(mode)))
        return false;
    msx::mode = mode;

    if (size <= msx::kDirectLimit)
        return readFixedPages(buffer, size);
    if (mapper == 0) {
        note("Debug dump 64K.");
        emit set_progress(1, romSize);
        if (!readWindow(0, buffer, size))
            return false;
        emit set_progress(romSize, romSize);
        return true;
    }
    return readBanks(buffer, size, mapper, mode);
}

bool msxThreadDump::readFixedPages(uint8_t *buffer, uint32_t size)
{
    emit set_progress(1, romSize);
    if (!readWindow(0x4000, buffer, size))
        return false;
    // An empty first page means the ROM sits in the upper page. Images
    // smaller than a page are judged on what they hold.
    if (msx::is_blank(buffer, std::min(size, msx::kPageSize))) {
        if (!keepGoing() || !readWindow(0x8000, buffer, size))
            return false;
    }
    emit set_progress(romSize, romSize);
    return true;
}

bool msxThreadDump::readBanks(uint8_t *buffer, uint32_t size, int mapper, uint8_t mode)
{
    emit set_progress(1, romSize);
    for (uint32_t offset = 0; offset < size; offset += msx::kBankSize) {
        // A last partial bank is read only as far as the image goes.
        const uint32_t length = std::min(msx::kBankSize, size - offset);
        if (!keepGoing() || !perform(msx::bank_read(mapper, offset, length, mode), buffer + offset))
            return false;
        emit set_progress(int(offset + length), romSize);
    }
    return true;
}
