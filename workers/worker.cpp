#include "workers/worker.h"

#include "device/checksum.h"
#include "device/device_link.h"
#include "workers/verify/serials.h"
#include "workers/verify/verify.h"

#include "workers/option_lists.h"
#include "workers/registry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMetaObject>
#include <QRandomGenerator>
#include <QtGlobal>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>

#ifdef _WIN32
#include <io.h>
#define NOMINMAX
#include <windows.h>
#else
#include <unistd.h>
#endif

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

QString frameText(const char *text)
{
    return QCoreApplication::translate("DumpWorker", text);
}

// The temporary file of the save in progress, for a signal handler that
// must remove it: written before the file exists, cleared once it is gone.
char partialPath[4096];
volatile std::sig_atomic_t partialSet = 0;

void registerPartial(const QString &path)
{
    partialSet = 0;
    std::atomic_signal_fence(std::memory_order_seq_cst);
    const QByteArray name = QFile::encodeName(path);
    if (size_t(name.size()) >= sizeof partialPath)
        return;
    std::memcpy(partialPath, name.constData(), size_t(name.size()) + 1);
    std::atomic_signal_fence(std::memory_order_seq_cst);
    partialSet = 1;
}

// The image is written to a file of its own beside the target, which
// replaces the target only once it is complete on disk. The file is opened
// before the cartridge is read, so a target that cannot be written is
// found before the first block.
class PartialImage {
public:
    explicit PartialImage(const QString &target)
    {
        const QFileInfo info(target);
        target_ = info.isSymLink() ? info.symLinkTarget() : target;
    }
    ~PartialImage() { discard(); }
    PartialImage(const PartialImage &) = delete;
    PartialImage &operator=(const PartialImage &) = delete;

    bool open(QString *why)
    {
        *why = target_refusal(target_);
        if (!why->isEmpty())
            return false;
        for (int attempt = 0; attempt < 64; ++attempt) {
            const QString name = QStringLiteral("%1.%2").arg(target_).arg(
                QRandomGenerator::global()->generate() & 0xFFFFFF, 6, 16, QLatin1Char('0'));
            if (QFileInfo::exists(name))
                continue;
            registerPartial(name);
            file_.setFileName(name);
            if (file_.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
                return true;
            *why = file_.errorString();
            if (!QFileInfo::exists(name))
                break;
        }
        if (why->isEmpty())
            *why = frameText("no free temporary name");
        partialSet = 0;
        return false;
    }

    bool commit(const uint8_t *data, uint32_t len, QString *why)
    {
        // A short write is tried again, so that the system names its reason
        // (a full disk, the file size limit).
        qint64 done = 0;
        while (done < qint64(len)) {
            const qint64 n = file_.write(reinterpret_cast<const char *>(data) + done, qint64(len) - done);
            if (n <= 0) {
                *why = file_.errorString();
                return false;
            }
            done += n;
        }
        // USB sticks are pulled soon after a dump: the data reach the
        // medium before the name does.
#ifdef _WIN32
        const bool synced = _commit(file_.handle()) == 0;
#else
        const bool synced = ::fsync(file_.handle()) == 0;
#endif
        if (!synced) {
            *why = qt_error_string(errno);
            return false;
        }
        if (QFileInfo::exists(target_))
            file_.setPermissions(QFileInfo(target_).permissions());
        file_.close();
        // The target may have changed since the check.
        *why = target_refusal(target_);
        if (!why->isEmpty())
            return false;
        const QString temp = file_.fileName();
#ifdef _WIN32
        const QString from = QDir::toNativeSeparators(temp), to = QDir::toNativeSeparators(target_);
        const bool moved = MoveFileExW(reinterpret_cast<const wchar_t *>(from.utf16()),
                                       reinterpret_cast<const wchar_t *>(to.utf16()),
                                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
        if (!moved)
            *why = qt_error_string(int(GetLastError()));
#else
        const bool moved = ::rename(QFile::encodeName(temp).constData(), QFile::encodeName(target_).constData()) == 0;
        if (!moved)
            *why = qt_error_string(errno);
#endif
        if (!moved)
            return false;
        partialSet = 0;
        done_ = true;
        return true;
    }

    void discard()
    {
        if (done_ || file_.fileName().isEmpty())
            return;
        file_.close();
        QFile::remove(file_.fileName());
        partialSet = 0;
        done_ = true;
    }

private:
    QString target_;
    QFile file_;
    bool done_ = false;
};

} // namespace

QString option_name(int consoleCode, int row, int value)
{
    const OptionEntry *entry = find_option_value(option_list(consoleCode, row), value);
    return entry ? QString::fromLatin1(entry->name).trimmed() : QString::number(value);
}

QString rom_size_refusal(int consoleCode, int romSize, int mapper)
{
    const Family *family = find_family(consoleCode);
    for (size_t i = 0; family && i < family->limitCount; ++i) {
        const MapperLimit &l = family->limits[i];
        if (l.mapper == mapper && romSize > l.maxBytes)
            return frameText("ROM SIZE %1 is more than mapper %2 can address (%3 at most).")
                .arg(option_name(consoleCode, 2, romSize), option_name(consoleCode, 1, mapper),
                     option_name(consoleCode, 2, l.maxBytes));
    }
    return QString();
}

QString target_refusal(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QString();
    if (info.isDir())
        return frameText("it is a folder");
    if (!info.isFile())
        return frameText("it is not a regular file");
    return QString();
}

void discard_partial_image()
{
    if (!partialSet)
        return;
#ifdef _WIN32
    _unlink(partialPath);
#else
    ::unlink(partialPath);
#endif
}

void CartWorker::canceled()
{
    cancelRequested = 1;
}

QString CartWorker::say(const char *text) const
{
    return QCoreApplication::translate(metaObject()->className(), text);
}

void CartWorker::noteRaw(const QString &text, LogTone tone)
{
    emit log_tone(int(tone));
    emit log(text);
}

void CartWorker::note(const char *text, const QString &rest) { noteRaw(say(text) + rest); }
void CartWorker::noteGood(const char *text, const QString &rest) { noteRaw(say(text) + rest, LogTone::Good); }
void CartWorker::noteWarn(const char *text, const QString &rest) { noteRaw(say(text) + rest, LogTone::Warning); }
void CartWorker::noteFail(const char *text, const QString &rest) { noteRaw(say(text) + rest, LogTone::Failure); }

void CartWorker::noteNotDetected()
{
    noteWarn("Can not auto detect cartridge information");
    note("Please set ROM SIZE by yourself to dump the ROM");
    note("\r\n");
}

void InfoWorker::run()
{
    cancelRequested = 0;
    failed_ = false;
    withheld_ = false;
    if (!find_reader_drive(current_drive_letter)) {
        noteFail("Can not open dump device.");
        failed_ = true;
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
    if (!target || failed_ || withheld_)
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
    noteFail("Device command error.");
    failed_ = true;
    return false;
}

bool InfoWorker::infoRead(uint32_t windowOffset, void *dst, uint32_t len, uint32_t imageOffset)
{
    if (read_data_window(windowOffset, dst, len) == len)
        return true;
    noteFail("Read error at 0x", QString::number(imageOffset, 16));
    failed_ = true;
    return false;
}

bool InfoWorker::cartridgeAnswers(const void *page, uint32_t len)
{
    const auto *p = static_cast<const uint8_t *>(page);
    const auto blank = [p, len](uint8_t v) { return std::all_of(p, p + len, [v](uint8_t b) { return b == v; }); };
    if (len == 0 || !(blank(0xFF) || blank(0x00)))
        return true;
    noteFail("No cartridge answers.");
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
    // The user can act on an offset in the image; the window's offset is
    // the same for every bank.
    failedOffset_ = dst >= image_ && dst < image_ + imageSize_ ? uint32_t(dst - image_) : offset;
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

bool DumpWorker::readImage(uint8_t *buffer)
{
    if (!startRead())
        return false;
    emit set_progress(1, romSize);
    DumpBlock block;
    for (uint32_t index = 0; nextBlock(index, buffer, &block); ++index) {
        if (!keepGoing())
            return false;
        if (uint64_t(block.imageOffset) + block.read.length > imageSize_) {
            // A block past the buffer would overwrite memory: fail it as a read.
            failure_ = Failure::Read;
            failedOffset_ = block.imageOffset;
            return false;
        }
        if (!perform(block.read, buffer + block.imageOffset))
            return false;
        blockDone(block, buffer);
        if (block.progress >= 0)
            emit set_progress(block.progress, romSize);
        block = DumpBlock();
    }
    return true;
}

bool DumpWorker::keepGoing()
{
    if (!cancelRequested && !(stopFlag && stopFlag->load()))
        return true;
    failure_ = Failure::Canceled;
    return false;
}

bool DumpWorker::noteVerification(const uint8_t *data, uint32_t len)
{
    const QByteArray image = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(len));
    const verify::Verdict verdict =
        verify::verify_image(consoleCode(), image, catalogue ? *catalogue : verify::builtin());
    if (verdict.entry)
        noteGood("Verified: ", verdict.entry->title);
    else
        note("Not in the catalogue.");
    if (verdict.header == verify::HeaderCheck::Ok)
        noteGood("Header checksum OK.");
    else if (verdict.header == verify::HeaderCheck::Mismatch)
        noteWarn("Header checksum mismatch.");
    return verdict.header == verify::HeaderCheck::Mismatch;
}

void DumpWorker::noteSuspectImage(const uint8_t *, uint32_t, bool checksumFails)
{
    if (checksumFails)
        noteWarn("Warning: the image fails its header checksum; it may be a bad dump.");
}

void DumpWorker::noteHeaderSize(uint32_t declared)
{
    noteRaw(say("The cartridge header declares %1 KB; dumping %2 KB as chosen.").arg(declared / 1024).arg(romSize / 1024),
            LogTone::Warning);
}

void DumpWorker::warnHeaderSize(uint32_t len, uint32_t declared)
{
    noteRaw(say("Warning: the image is %1 KB, but its header declares %2 KB.").arg(len / 1024).arg(declared / 1024),
            LogTone::Warning);
}

void DumpWorker::end(bool saved)
{
    emit set_progress(1, 1);
    emit error(saved ? 1 : 0);
}

void DumpWorker::noteSaveError(const QString &why)
{
    noteFail("Save file error.", why.isEmpty() ? fileName : fileName + QStringLiteral(" (") + why + QLatin1Char(')'));
}

void DumpWorker::run()
{
    cancelRequested = 0;
    failure_ = Failure::None;
    const QString refused = rom_size_refusal(consoleCode(), romSize, mmcType);
    if (!refused.isEmpty()) {
        noteRaw(refused, LogTone::Failure);
        end(false);
        return;
    }
    if (!find_reader_drive(current_drive_letter)) {
        noteFail("Can not open dump device.");
        end(false);
        return;
    }
    if (romSize <= 0) {
        noteSaveError(QString());
        end(false);
        return;
    }
    PartialImage out(fileName);
    QString why;
    if (!out.open(&why)) {
        noteSaveError(why);
        end(false);
        return;
    }
    AlignedBuffer buffer(bufferSize());
    if (!buffer.data) {
        noteSaveError(frameText("out of memory"));
        end(false);
        return;
    }
    image_ = buffer.data;
    imageSize_ = bufferSize();
    const bool complete = readImage(buffer.data) && keepGoing();
    image_ = nullptr;
    imageSize_ = 0;
    if (!complete) {
        // A cancel that ended a blocked read is still a cancel.
        keepGoing();
        switch (failure_) {
        case Failure::Canceled:
            noteFail("Dump canceled.");
            break;
        case Failure::Read:
            noteFail("Read error at 0x", QString::number(failedOffset_, 16));
            break;
        case Failure::Command:
            noteFail("Device command error.");
            break;
        case Failure::None:
            break;   // the family logged its own reason
        }
        end(false);
        return;
    }
    if (!out.commit(buffer.data, uint32_t(romSize), &why)) {
        noteSaveError(why);
        end(false);
        return;
    }
    const uint32_t crc = crc32_buffer(buffer.data, uint32_t(romSize));
    noteGood("Save file success.", fileName);
    note("File CRC: 0x", QString::number(crc, 16));
    const bool checksumFails = noteVerification(buffer.data, uint32_t(romSize));
    noteSuspectImage(buffer.data, uint32_t(romSize), checksumFails);
    end(true);
}

void track_partial_image(const QString &path)
{
    if (path.isEmpty())
        partialSet = 0;
    else
        registerPartial(path);
}
