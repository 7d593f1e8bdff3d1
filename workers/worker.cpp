#include "workers/worker.h"

#include "device/checksum.h"
#include "device/device_link.h"
#include "workers/verify/serials.h"
#include "workers/verify/verify.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QSaveFile>
#include <QtGlobal>
#include <algorithm>
#include <cstring>
#include <memory>

namespace {

// Image buffers are aligned for direct I/O and start out all zero, so no
// byte of a file can come from memory that was never read.
struct AlignedBuffer {
    explicit AlignedBuffer(size_t size)
        : data(static_cast<uint8_t *>(qMallocAligned(size ? size : 1, 4096)))
    {
        if (data)
            std::memset(data, 0, size);
    }
    ~AlignedBuffer() { qFreeAligned(data); }
    AlignedBuffer(const AlignedBuffer &) = delete;
    AlignedBuffer &operator=(const AlignedBuffer &) = delete;
    uint8_t *data;
};

QString deviceText(const char *buffer, size_t size)
{
    return QString::fromUtf8(buffer, int(strnlen(buffer, size)));
}

} // namespace

void CartWorker::canceled()
{
    cancelRequested = 1;
}

QString CartWorker::say(const char *text) const
{
    return QCoreApplication::translate(metaObject()->className(), text);
}

void CartWorker::note(const char *text, const QString &rest)
{
    emit log(say(text) + rest);
}

void CartWorker::noteNotDetected()
{
    note("Can not auto detect cartridge information");
    note("Please set ROM SIZE by yourself to dump the ROM");
    note("\r\n");
}

void InfoWorker::run()
{
    cancelRequested = 0;
    failed_ = false;
    if (!find_reader_drive(current_drive_letter)) {
        note("Can not open dump device.");
        return;
    }
    note("--Device information--");
    note("Driver label: ", deviceText(driver_label, sizeof driver_label));
    note("Device firmware: ", deviceText(device_firmware, sizeof device_firmware));
    note("\r\n");
    identify();
}

void InfoWorker::preset(void (CartridgePresets::*op)(int), int value)
{
    CartridgePresets *target = presets;
    if (!target || failed_)
        return;
    // Queued like the log lines, so each request takes effect after the line
    // that precedes it.
    QMetaObject::invokeMethod(
        target->presetContext(), [target, op, value] { (target->*op)(value); }, Qt::QueuedConnection);
}

bool InfoWorker::infoSend(const CommandSector &sector)
{
    if (send_command(sector))
        return true;
    note("Device command error.");
    failed_ = true;
    return false;
}

bool InfoWorker::infoRead(uint32_t windowOffset, void *dst, uint32_t len, uint32_t imageOffset)
{
    if (read_data_window(windowOffset, dst, len) == len)
        return true;
    note("Read error at 0x", QString::number(imageOffset, 16));
    failed_ = true;
    return false;
}

bool InfoWorker::cartridgeAnswers(const void *page, uint32_t len)
{
    const auto *p = static_cast<const uint8_t *>(page);
    const auto blank = [p, len](uint8_t v) { return std::all_of(p, p + len, [v](uint8_t b) { return b == v; }); };
    if (len == 0 || !(blank(0xFF) || blank(0x00)))
        return true;
    note("No cartridge answers.");
    failed_ = true;
    return false;
}

int InfoWorker::noteCatalogue(int consoleCode, const QString &code)
{
    const std::vector<verify::CatalogueEntry> found =
        verify::find_by_serial(verify::builtin(), consoleCode, code);
    for (const verify::CatalogueEntry &e : found)
        note("In the catalogue: ", QStringLiteral("%1 (%2, %3)").arg(e.title, e.year, e.publisher));
    return int(found.size());
}

void InfoWorker::selectMMCType(int value) { preset(&CartridgePresets::selectMMCType, value); }
void InfoWorker::selectRomSize(int value) { preset(&CartridgePresets::selectRomSize, value); }
void InfoWorker::selectRamType(int value) { preset(&CartridgePresets::selectRamType, value); }
void InfoWorker::selectRamSize(int value) { preset(&CartridgePresets::selectRamSize, value); }

void DumpWorker::configure(const QString &file, int size, int mapper)
{
    fileName = file;
    romSize = size;
    mmcType = mapper;
}

bool DumpWorker::send(const CommandSector &sector)
{
    if (send_command(sector))
        return true;
    failure_ = Failure::Command;
    return false;
}

bool DumpWorker::readWindow(uint32_t offset, uint8_t *dst, uint32_t len)
{
    if (read_data_window(offset, dst, len) == len)
        return true;
    failure_ = Failure::Read;
    failedOffset_ = offset;
    return false;
}

bool DumpWorker::perform(const BlockRead &step, uint8_t *dst)
{
    for (const CommandSector &s : step.before)
        if (!send(s))
            return false;
    if (step.length && !readWindow(step.windowOffset, dst, step.length))
        return false;
    for (const CommandSector &s : step.after)
        if (!send(s))
            return false;
    return true;
}

bool DumpWorker::keepGoing()
{
    if (!cancelRequested)
        return true;
    failure_ = Failure::Canceled;
    return false;
}

bool DumpWorker::save(const uint8_t *data, uint32_t len)
{
    // The image replaces the target only once it is complete on disk.
    QSaveFile out(fileName);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    if (out.write(reinterpret_cast<const char *>(data), qint64(len)) != qint64(len)) {
        out.cancelWriting();
        out.commit();
        return false;
    }
    return out.commit();
}

bool DumpWorker::noteVerification(const uint8_t *data, uint32_t len)
{
    const QByteArray image = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(len));
    const verify::Verdict verdict =
        verify::verify_image(consoleCode(), image, catalogue ? *catalogue : verify::builtin());
    if (verdict.entry)
        note("Verified: ", verdict.entry->title);
    else
        note("Not in the catalogue.");
    if (verdict.header == verify::HeaderCheck::Ok)
        note("Header checksum OK.");
    else if (verdict.header == verify::HeaderCheck::Mismatch)
        note("Header checksum mismatch.");
    return verdict.header == verify::HeaderCheck::Mismatch;
}

void DumpWorker::noteSuspectImage(const uint8_t *, uint32_t, bool checksumFails)
{
    if (checksumFails)
        note("Warning: the image fails its header checksum; it may be a bad dump.");
}

void DumpWorker::run()
{
    cancelRequested = 0;
    failure_ = Failure::None;
    if (!find_reader_drive(current_drive_letter)) {
        note("Can not open dump device.");
        emit set_progress(1, 1);
        emit error(0);
        return;
    }

    bool saved = false;
    if (romSize > 0) {
        AlignedBuffer buffer(bufferSize());
        if (!buffer.data) {
            note("Save file error.", fileName);
            emit set_progress(1, 1);
            emit error(0);
            return;
        }
        if (!readImage(buffer.data) || !keepGoing()) {
            switch (failure_) {
            case Failure::Canceled:
                note("Dump canceled.");
                break;
            case Failure::Read:
                note("Read error at 0x", QString::number(failedOffset_, 16));
                break;
            case Failure::Command:
                note("Device command error.");
                break;
            case Failure::None:
                break;   // the family logged its own reason
            }
            emit set_progress(1, 1);
            emit error(0);
            return;
        }
        saved = save(buffer.data, uint32_t(romSize));
        if (saved) {
            const uint32_t crc = crc32_buffer(buffer.data, uint32_t(romSize));
            note("Save file success.", fileName);
            note("File CRC: 0x", QString::number(crc, 16));
            const bool checksumFails = noteVerification(buffer.data, uint32_t(romSize));
            noteSuspectImage(buffer.data, uint32_t(romSize), checksumFails);
        }
    }
    if (!saved)
        note("Save file error.", fileName);
    emit set_progress(1, 1);
    emit error(saved ? 1 : 0);
}
