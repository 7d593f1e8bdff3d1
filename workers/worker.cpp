#include "workers/worker.h"

#include "device/checksum.h"
#include "device/device_link.h"
#include "workers/verify/image_digest.h"
#include "workers/verify/serials.h"
#include "workers/verify/user_catalogues.h"
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

// Image buffers are aligned for direct I/O. They are not cleared: the reads
// fill every byte, and a run whose read fails saves nothing.
struct AlignedBuffer {
    explicit AlignedBuffer(size_t size)
        : data(static_cast<uint8_t *>(qMallocAligned(size ? size : 1, 4096)))
    {
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

QStringList no_reader_guidance()
{
    QStringList lines{frameText("Check that the reader is plugged in and that its drive is mounted.")};
#ifdef __linux__
    lines << frameText("Check that your user may read the files on the drive.");
#endif
    QStringList names;
    for (const ScannedDrive &d : scanned_drives()) {
        QString name = QStringLiteral("%1:").arg(QLatin1Char(d.letter));
        const QString location = QFile::decodeName(d.location.c_str());
        const QString label = QString::fromUtf8(d.label.c_str());
        if (!location.isEmpty())
            name += QLatin1Char(' ') + location;
        // A mount point is usually named after the label already.
        if (!label.isEmpty() && !location.endsWith(QLatin1Char('/') + label))
            name += QStringLiteral(" \"%1\"").arg(label);
        if (!d.removable)
            name += QLatin1Char(' ') + frameText("(not removable)");
        names << name;
    }
    lines << (names.isEmpty() ? frameText("No drive was found from D: to Z:.")
                              : frameText("Drives looked at: %1").arg(names.join(QStringLiteral("; "))));
    return lines;
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
    if (auto *dump = qobject_cast<DumpWorker *>(this)) {
        if (dump->quiet_)
            return;
        dump->warnings_ += tone == LogTone::Warning;
    }
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

void CartWorker::noteNoReader()
{
    noteFail("Can not open dump device.");
    for (const QString &line : no_reader_guidance())
        noteRaw(line);
}

void InfoWorker::run()
{
    cancelRequested = 0;
    failed_ = false;
    withheld_ = false;
    if (!find_reader_drive(current_drive_letter)) {
        noteNoReader();
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

bool blank_bytes(const uint8_t *p, uint32_t len)
{
    const auto all = [p, len](uint8_t v) { return std::all_of(p, p + len, [v](uint8_t b) { return b == v; }); };
    return len > 0 && (all(0xFF) || all(0x00));
}

bool InfoWorker::cartridgeAnswers(const void *page, uint32_t len)
{
    if (!blank_bytes(static_cast<const uint8_t *>(page), len))
        return true;
    noteFail("No cartridge answers.");
    failed_ = true;
    return false;
}

int InfoWorker::noteCatalogue(int consoleCode, const QString &code)
{
    const std::vector<verify::CatalogueEntry> found = verify::UserCatalogues::load().bySerial(consoleCode, code);
    // DAT files give neither year nor publisher.
    for (const verify::CatalogueEntry &e : found)
        note("In the catalogue: ", e.year.isEmpty() && e.publisher.isEmpty()
                                       ? e.title
                                       : QStringLiteral("%1 (%2, %3)").arg(e.title, e.year, e.publisher));
    return int(found.size());
}

void InfoWorker::leaveRomSizeOpen(int consoleCode, const std::vector<int> &candidates)
{
    QStringList names;
    for (int value : candidates)
        names << option_name(consoleCode, 2, value);
    noteWarn("The ROM size is not settled: it may be ", names.join(QStringLiteral(", ")));
    note("Please set ROM SIZE by yourself to dump the ROM");
    CartridgePresets *target = presets;
    if (!target || failed_ || withheld_)
        return;
    QMetaObject::invokeMethod(
        target->presetContext(), [target, candidates] { target->askRomSize(candidates); }, Qt::QueuedConnection);
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

bool DumpWorker::evenBlock(uint32_t index, uint32_t blockSize, DumpBlock *block) const
{
    const uint64_t offset = uint64_t(index) * blockSize;
    if (romSize <= 0 || offset >= uint64_t(romSize))
        return false;
    block->imageOffset = uint32_t(offset);
    block->read.length = uint32_t(std::min<uint64_t>(blockSize, uint64_t(romSize) - offset));
    block->progress = int(offset + block->read.length);
    return true;
}

namespace {
// Reads of a block before it counts as unstable.
constexpr int kMostReads = 5;

uint32_t first_difference(const uint8_t *a, const uint8_t *b, uint32_t len)
{
    return uint32_t(std::mismatch(a, a + len, b).first - a);
}
} // namespace

bool DumpWorker::readBlock(const DumpBlock &block, uint8_t *buffer)
{
    uint8_t *dst = buffer + block.imageOffset;
    const uint32_t len = block.read.length;
    if (!perform(block.read, dst))
        return false;
    // A streamed block cannot be asked for again; whole passes settle it.
    if (!readTwice || block.read.stream || len == 0)
        return true;
    // Every read repeats the block's commands, so a lost bank write shows
    // as a difference rather than as two agreeing reads of the wrong bank.
    std::vector<std::vector<uint8_t>> reads;
    for (int n = 1; n < kMostReads; ++n) {
        if (!keepGoing())
            return false;
        std::vector<uint8_t> again(len);
        if (!perform(block.read, again.data())) {
            failedOffset_ = block.imageOffset;
            return false;
        }
        if (std::equal(again.begin(), again.end(), dst)) {
            result_.blocksReadAgain += n > 1;
            return true;
        }
        for (const std::vector<uint8_t> &earlier : reads) {
            if (earlier == again) {
                std::copy(again.begin(), again.end(), dst);
                ++result_.blocksReadAgain;
                return true;
            }
        }
        reads.push_back(std::move(again));
    }
    failure_ = Failure::Unstable;
    failedOffset_ = block.imageOffset + first_difference(dst, reads.front().data(), len);
    return false;
}

bool DumpWorker::settleStream(const std::vector<DumpBlock> &stream, uint8_t *buffer)
{
    // The reader hands these blocks out in turn from one start command, so
    // each pass begins with its own and runs up to the last block in doubt.
    std::vector<bool> settled(stream.size(), false);
    std::vector<std::vector<std::vector<uint8_t>>> extra(stream.size());
    size_t last = stream.size();
    for (int pass = 2; pass <= kMostReads && last > 0; ++pass) {
        if (!keepGoing() || !startRead())
            return false;
        size_t newLast = 0;
        for (size_t i = 0; i < last; ++i) {
            if (!keepGoing())
                return false;
            const DumpBlock &b = stream[i];
            std::vector<uint8_t> again(b.read.length);
            if (!perform(b.read, again.data())) {
                failedOffset_ = b.imageOffset;
                return false;
            }
            if (b.progress >= 0)
                emit set_progress(b.progress, romSize);
            if (settled[i])
                continue;
            uint8_t *dst = buffer + b.imageOffset;
            bool agrees = std::equal(again.begin(), again.end(), dst);
            for (const std::vector<uint8_t> &earlier : extra[i]) {
                if (!agrees && earlier == again) {
                    std::copy(again.begin(), again.end(), dst);
                    agrees = true;
                }
            }
            if (agrees) {
                settled[i] = true;
                result_.blocksReadAgain += pass > 2;
            } else {
                extra[i].push_back(std::move(again));
                newLast = i + 1;
            }
        }
        last = newLast;
    }
    if (last == 0)
        return true;
    const size_t i = size_t(std::find(settled.begin(), settled.end(), false) - settled.begin());
    const DumpBlock &b = stream[i];
    failure_ = Failure::Unstable;
    failedOffset_ = b.imageOffset + first_difference(buffer + b.imageOffset, extra[i].front().data(), b.read.length);
    return false;
}

bool DumpWorker::readImage(uint8_t *buffer)
{
    result_.blocksReadAgain = 0;
    if (!startRead())
        return false;
    emit set_progress(1, romSize);
    std::vector<DumpBlock> stream;
    // The blocks at the image's start, judged once a later block comes:
    // a fallback (the MSX upper page) reads there again first.
    uint32_t firstLength = 0;
    bool judged = false;
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
        if (!judged && block.imageOffset != 0) {
            if (emptySlot(buffer, firstLength)) {
                failure_ = Failure::NoCartridge;
                return false;
            }
            judged = true;
        }
        if (!readBlock(block, buffer))
            return false;
        if (!judged)
            firstLength = std::max(firstLength, block.read.length);
        if (readTwice && block.read.stream && block.read.length)
            stream.push_back(block);
        blockDone(block, buffer);
        if (block.progress >= 0)
            emit set_progress(block.progress, romSize);
        block = DumpBlock();
    }
    if (!judged && emptySlot(buffer, firstLength)) {
        failure_ = Failure::NoCartridge;
        return false;
    }
    return stream.empty() || settleStream(stream, buffer);
}

bool DumpWorker::headerReadsAgree()
{
    // The first block, which holds the header, read twice, each time after
    // its own start command: a streamed block comes back the same, and the
    // dump's own start command later begins its stream afresh. What this
    // trial logs or fails is left to the dump itself to say.
    quiet_ = true;
    std::vector<uint8_t> reads[2];
    bool ok = true;
    for (std::vector<uint8_t> &read : reads) {
        DumpBlock block;
        // The run's buffer holds nothing yet; MSX's fallback to the upper
        // page is left to the dump.
        ok = ok && startRead() && nextBlock(0, image_, &block) && block.imageOffset == 0;
        if (!ok)
            break;
        read.assign(block.read.length, 0);
        ok = block.read.length > 0 && perform(block.read, read.data());
    }
    quiet_ = false;
    failure_ = Failure::None;
    return !ok || reads[0] == reads[1];
}

bool DumpWorker::keepGoing()
{
    if (!cancelRequested && !(stopFlag && stopFlag->load()))
        return true;
    failure_ = Failure::Canceled;
    return false;
}

bool DumpWorker::noteVerification(const uint8_t *data, uint32_t len, bool *verified)
{
    verify::UserCatalogues user;
    QByteArray sha1 = result_.sha1;
    result_.entry = verify::find_image(catalogues(&user), consoleCode(), data, len, result_.crc32, &sha1);
    result_.header = verify::check_header(
        consoleCode(), QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(len)));
    *verified = result_.entry && result_.entry->sourceKind != verify::CatalogueKind::Own;
    if (!result_.entry) {
        note("Not in the catalogue.");
    } else if (result_.entry->sourceKind == verify::CatalogueKind::Own) {
        // The user's word, not a preservation group's.
        note("Matches your own entry: ", result_.entry->title);
    } else {
        noteGood("Verified: ", result_.entry->title);
        if (result_.entry->sourceKind == verify::CatalogueKind::Dat) {
            if (result_.entry->sourceVersion.isEmpty())
                noteRaw(say("From the DAT file %1.").arg(result_.entry->source));
            else
                noteRaw(say("From the DAT file %1, version %2.").arg(result_.entry->source, result_.entry->sourceVersion));
        }
    }
    if (result_.header == verify::HeaderCheck::Ok)
        noteGood("Header checksum OK.");
    else if (result_.header == verify::HeaderCheck::Mismatch)
        noteWarn("Header checksum mismatch.");
    return result_.header == verify::HeaderCheck::Mismatch;
}

verify::CatalogueList DumpWorker::catalogues(verify::UserCatalogues *user) const
{
    if (catalogue)
        return {catalogue};
    *user = verify::UserCatalogues::load();
    return user->lookupOrder();
}

uint32_t DumpWorker::savedLength(const uint8_t *data)
{
    const uint32_t read = uint32_t(romSize);
    const uint32_t length = trueLength(data, read);
    if (length == 0 || length >= read)
        return read;
    // A known dump of the whole read wins over the measurement.
    verify::UserCatalogues user;
    QByteArray sha1;
    if (verify::find_image(catalogues(&user), consoleCode(), data, read, crc32_buffer(data, read), &sha1))
        return read;
    noteRaw(say("The cartridge repeats its data past %1 KB: saving %1 KB, its true size, of the %2 KB read.")
                .arg(length / 1024)
                .arg(read / 1024));
    return length;
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

DumpOutcome DumpWorker::judgeSaved(bool verified, bool doubtful) const
{
    // The catalogue holds whole images by their hashes: nothing weighs
    // more. Any warning on the way (checksum, size, header reads) makes the
    // image suspect.
    if (verified)
        return DumpOutcome::Verified;
    return doubtful ? DumpOutcome::Suspect : DumpOutcome::Consistent;
}

void DumpWorker::end(bool saved)
{
    if (!saved)
        result_.outcome = failure_ == Failure::Canceled ? DumpOutcome::Canceled : DumpOutcome::Failed;
    emit set_progress(1, 1);
    emit outcome(int(result_.outcome));
    emit error(saved ? 1 : 0);
}

QString outcome_text(DumpOutcome outcome)
{
    switch (outcome) {
    case DumpOutcome::Verified:
        return frameText("Verified");
    case DumpOutcome::Consistent:
        return frameText("Consistent");
    case DumpOutcome::Suspect:
        return frameText("Suspect");
    case DumpOutcome::Failed:
        break;
    case DumpOutcome::Canceled:
        return frameText("Canceled");
    }
    return frameText("Failed");
}

void DumpWorker::noteSaveError(const QString &why)
{
    noteFail("Save file error.", why.isEmpty() ? fileName : fileName + QStringLiteral(" (") + why + QLatin1Char(')'));
}

void DumpWorker::run()
{
    cancelRequested = 0;
    failure_ = Failure::None;
    result_ = DumpResult();
    warnings_ = 0;
    const QString refused = rom_size_refusal(consoleCode(), romSize, mmcType);
    if (!refused.isEmpty()) {
        noteRaw(refused, LogTone::Failure);
        end(false);
        return;
    }
    if (!find_reader_drive(current_drive_letter)) {
        noteNoReader();
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
    // Read twice, every block is compared anyway.
    const bool headerDiffers = !readTwice && !headerReadsAgree();
    if (headerDiffers)
        noteWarn("Warning: two reads of the cartridge header differ; the contacts may be dirty. Clean them, or "
                 "read twice and compare.");
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
        case Failure::Unstable:
            noteRaw(say("Unstable reads at 0x%1: clean the contacts and try again.")
                        .arg(QString::number(failedOffset_, 16)),
                    LogTone::Failure);
            break;
        case Failure::NoCartridge:
            noteFail("No cartridge answers.");
            break;
        case Failure::None:
            break;   // the family logged its own reason
        }
        end(false);
        return;
    }
    const uint32_t length = savedLength(buffer.data);
    if (!out.commit(buffer.data, length, &why)) {
        noteSaveError(why);
        end(false);
        return;
    }
    const verify::ImageDigest digest = verify::digest_image(buffer.data, length, wantHashes);
    result_.saved = true;
    result_.size = length;
    result_.crc32 = digest.crc32;
    result_.md5 = digest.md5;
    result_.sha1 = digest.sha1;
    result_.sha256 = digest.sha256;
    noteGood("Save file success.", fileName);
    note("File CRC: 0x", QString::number(digest.crc32, 16));
    if (readTwice)
        note("Read twice and compared; blocks read again: ", QString::number(result_.blocksReadAgain));
    const int warningsBefore = warnings_;
    bool verified = false;
    const bool checksumFails = noteVerification(buffer.data, length, &verified);
    noteSuspectImage(buffer.data, length, checksumFails);
    result_.outcome = judgeSaved(verified, headerDiffers || warnings_ > warningsBefore);
    end(true);
}

void track_partial_image(const QString &path)
{
    if (path.isEmpty())
        partialSet = 0;
    else
        registerPartial(path);
}
