#include "workers/save_frame.h"

#include "device/checksum.h"
#include "device/device_link.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <algorithm>
#include <cerrno>
#include <cstring>

#ifdef _WIN32
#include <io.h>
#define NOMINMAX
#include <windows.h>
#else
#include <unistd.h>
#endif

int64_t first_difference(const uint8_t *a, const uint8_t *b, uint32_t len, uint8_t mask)
{
    for (uint32_t i = 0; i < len; ++i)
        if ((a[i] ^ b[i]) & mask)
            return i;
    return -1;
}

void make_clock_footer(const uint8_t regs[5], int64_t unixTime, uint8_t *footer)
{
    std::memset(footer, 0, kClockFooterSize);
    // The live set, then the latched set: both are what the latch showed.
    for (int set = 0; set < 2; ++set)
        for (int r = 0; r < 5; ++r)
            footer[(set * 5 + r) * 4] = regs[r];
    for (int i = 0; i < 8; ++i)
        footer[40 + i] = uint8_t(uint64_t(unixTime) >> (8 * i));
}

void clock_from_footer(const uint8_t *footer, uint8_t regs[5])
{
    for (int r = 0; r < 5; ++r)
        regs[r] = footer[r * 4];
}

bool write_file_atomically(const QString &target, const QByteArray &data, bool replace, QString *why)
{
    const QFileInfo info(target);
    if (info.exists() && !info.isFile()) {
        *why = info.isDir() ? QStringLiteral("it is a folder") : QStringLiteral("it is not a regular file");
        return false;
    }
    if (info.exists() && !replace) {
        *why = QStringLiteral("it exists");
        return false;
    }
    QFile temp;
    for (int attempt = 0; attempt < 64 && !temp.isOpen(); ++attempt) {
        temp.setFileName(QStringLiteral("%1.%2").arg(target).arg(
            QRandomGenerator::global()->generate() & 0xFFFFFF, 6, 16, QLatin1Char('0')));
        track_partial_image(temp.fileName());
        if (!temp.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)
            && !QFileInfo::exists(temp.fileName())) {
            *why = temp.errorString();
            track_partial_image(QString());
            return false;
        }
    }
    if (!temp.isOpen()) {
        track_partial_image(QString());
        *why = QStringLiteral("no free temporary name");
        return false;
    }
    bool ok = temp.write(data) == data.size();
#ifdef _WIN32
    ok = ok && _commit(temp.handle()) == 0;
#else
    ok = ok && ::fsync(temp.handle()) == 0;
#endif
    if (!ok)
        *why = temp.errorString().isEmpty() ? qt_error_string(errno) : temp.errorString();
    temp.close();
    const QByteArray from = QFile::encodeName(temp.fileName()), to = QFile::encodeName(target);
    if (ok) {
#ifdef _WIN32
        const QString f = QDir::toNativeSeparators(temp.fileName()), t = QDir::toNativeSeparators(target);
        ok = MoveFileExW(reinterpret_cast<const wchar_t *>(f.utf16()), reinterpret_cast<const wchar_t *>(t.utf16()),
                         (replace ? MOVEFILE_REPLACE_EXISTING : 0) | MOVEFILE_WRITE_THROUGH);
        if (!ok)
            *why = qt_error_string(int(GetLastError()));
#else
        // Without `replace`, a file that appeared meanwhile is kept: a link
        // fails where a rename would replace it.
        ok = replace ? ::rename(from.constData(), to.constData()) == 0 : ::link(from.constData(), to.constData()) == 0;
        if (!ok)
            *why = qt_error_string(errno);
#endif
    }
    if (!ok || !replace)
        QFile::remove(temp.fileName());
    track_partial_image(QString());
    return ok;
}

bool SaveWorker::send(const CommandSector &sector)
{
    if (send_command(sector))
        return true;
    failure_ = Failure::Command;
    return false;
}

bool SaveWorker::readWindow(uint32_t offset, uint8_t *dst, uint32_t len)
{
    if (read_data_window(offset, dst, len) == len)
        return true;
    failure_ = Failure::Read;
    failedOffset_ = offset;
    return false;
}

bool SaveWorker::refuse(const QString &text)
{
    noteRaw(text, LogTone::Failure);
    return false;
}

bool SaveWorker::keepGoing()
{
    if (!cancelRequested && !(stopFlag && stopFlag->load()))
        return true;
    failure_ = Failure::Canceled;
    return false;
}

bool SaveWorker::sendEach(const std::vector<CommandSector> &sectors)
{
    for (const CommandSector &s : sectors)
        if (!send(s))
            return false;
    return true;
}

bool SaveWorker::readBank(const SaveBank &bank, uint8_t *dst, uint32_t fileOffset)
{
    if (!sendEach(bank.select))
        return false;
    if (bank.step == 1) {
        if (readWindow(bank.windowOffset, dst, bank.length))
            return true;
    } else {
        QByteArray wide(int(bank.length * bank.step), '\0');
        if (readWindow(bank.windowOffset, reinterpret_cast<uint8_t *>(wide.data()), uint32_t(wide.size()))) {
            for (uint32_t i = 0; i < bank.length; ++i)
                dst[i] = uint8_t(wide[int(i * bank.step)]);
            return true;
        }
    }
    failedOffset_ = fileOffset;   // the user can act on an offset in the file
    return false;
}

bool SaveWorker::readAll(const SavePlan &plan, uint8_t *dst, int pass, int passes)
{
    uint32_t at = 0;
    for (const SaveBank &bank : plan.banks) {
        if (!keepGoing() || !readBank(bank, dst + at, at))
            return false;
        at += bank.length;
        emit set_progress(int(pass * plan.size + at), int(passes * plan.size));
    }
    for (uint32_t i = 0; i < plan.size; ++i)
        dst[i] &= plan.mask;
    return true;
}

bool SaveWorker::readClock(const SavePlan &plan, uint8_t *footer)
{
    uint8_t regs[5] = {};
    if (!sendEach(plan.clock.latch))
        return false;
    for (size_t r = 0; r < 5 && r < plan.clock.selects.size(); ++r)
        if (!send(plan.clock.selects[r]) || !readWindow(plan.clock.windowOffset, &regs[r], 1))
            return false;
    make_clock_footer(regs, QDateTime::currentSecsSinceEpoch(), footer);
    return true;
}

bool SaveWorker::writeClock(const SavePlan &plan, const uint8_t *footer)
{
    uint8_t regs[5];
    clock_from_footer(footer, regs);
    for (size_t r = 0; r < 5 && r < plan.clock.selects.size(); ++r)
        if (!send(plan.clock.selects[r]) || !send(plan.write(plan.clock.address, regs[r])))
            return false;
    return true;
}

bool SaveWorker::writeBank(const SavePlan &plan, const SaveBank &bank, const uint8_t *src, uint32_t perWrite)
{
    if (!sendEach(bank.select))
        return false;
    std::vector<uint8_t> batch;
    for (uint32_t i = 0; i < bank.length; i += perWrite) {
        if (!keepGoing())
            return false;
        const uint32_t n = std::min(perWrite, bank.length - i);
        batch.assign(size_t(n) * kSectorSize, 0);
        for (uint32_t k = 0; k < n; ++k) {
            const CommandSector s = plan.write(bank.address + (i + k) * bank.step, src[i + k] & plan.mask);
            std::memcpy(batch.data() + size_t(k) * kSectorSize, s.data(), kSectorSize);
        }
        if (send_command_sectors(batch.data(), n * kSectorSize) != n * kSectorSize) {
            failure_ = Failure::Command;
            return false;
        }
    }
    return true;
}

QString SaveWorker::defaultBackupPath() const
{
    QString title = cartridgeName.trimmed();
    title.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9 _.-]")), QStringLiteral("_"));
    if (title.isEmpty())
        title = QStringLiteral("cartridge");
    const QString name = QStringLiteral("%1 backup %2.%3")
                             .arg(title, QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")),
                                  fileSuffix());
    return QFileInfo(fileName).absoluteDir().filePath(name);
}

bool SaveWorker::readSave(const SavePlan &plan)
{
    const uint32_t footer = plan.hasClock ? kClockFooterSize : 0;
    QByteArray first(int(plan.size + footer), '\0'), second(int(plan.size), '\0');
    auto *a = reinterpret_cast<uint8_t *>(first.data());
    auto *b = reinterpret_cast<uint8_t *>(second.data());
    if (!readAll(plan, a, 0, 2) || !readAll(plan, b, 1, 2))
        return false;
    const int64_t at = first_difference(a, b, plan.size, plan.mask);
    if (at >= 0)
        return refuse(say("The two reads of the save memory differ at 0x%1: the contacts may be dirty. "
                          "Nothing was saved.").arg(at, 0, 16));
    // Boards that map their RAM without a switch cannot show it appear; a
    // RAM that is not there reads as open bus or as the ROM again.
    if (!plan.gated && std::all_of(a, a + plan.size, [&plan](uint8_t v) { return v == (0xFF & plan.mask); }))
        return refuse(say("The save memory reads as 0xFF throughout: no RAM answers, or it holds no save. "
                          "Nothing was saved."));
    if (plan.absentView >= 0 && !plan.banks.empty()) {
        SaveBank rom = plan.banks.front();
        rom.select.clear();
        rom.windowOffset = uint32_t(plan.absentView);
        QByteArray shown(int(rom.length), '\0');
        if (!readBank(rom, reinterpret_cast<uint8_t *>(shown.data()), 0))
            return false;
        if (first_difference(a, reinterpret_cast<const uint8_t *>(shown.constData()), rom.length, plan.mask) < 0)
            return refuse(say("The save memory shows the ROM's own bytes: the RAM the header promises is not "
                              "there. Nothing was saved."));
    }
    if (plan.hasClock && !readClock(plan, a + plan.size))
        return false;
    QString why;
    if (!write_file_atomically(fileName, first, force, &why)) {
        noteFail("Save file error.", fileName + QStringLiteral(" (") + why + QLatin1Char(')'));
        return false;
    }
    noteGood("Save file success.", fileName);
    note("File CRC: 0x", QString::number(crc32_buffer(first.constData(), size_t(first.size())), 16));
    return true;
}

bool SaveWorker::writeSave(const SavePlan &plan, const QByteArray &input)
{
    const bool withClock = plan.hasClock && uint32_t(input.size()) == plan.size + kClockFooterSize;
    QByteArray before(int(plan.size + (plan.hasClock ? kClockFooterSize : 0)), '\0'), again(int(plan.size), '\0');
    auto *a = reinterpret_cast<uint8_t *>(before.data());
    auto *b = reinterpret_cast<uint8_t *>(again.data());
    const auto *src = reinterpret_cast<const uint8_t *>(input.constData());
    if (!readAll(plan, a, 0, 4) || !readAll(plan, b, 1, 4))
        return false;
    const int64_t differs = first_difference(a, b, plan.size, plan.mask);
    if (differs >= 0)
        return refuse(say("The two reads of the save memory differ at 0x%1: the contacts may be dirty. "
                          "Nothing was written.").arg(differs, 0, 16));
    if (plan.hasClock && !readClock(plan, a + plan.size))
        return false;
    const QString backup = backupPath.isEmpty() ? defaultBackupPath() : backupPath;
    QString why;
    if (!write_file_atomically(backup, before, false, &why)) {
        noteFail("The backup could not be kept, so nothing was written: ", backup + QStringLiteral(" (") + why + QLatin1Char(')'));
        return false;
    }
    backupWritten_ = backup;
    noteGood("Backup of the cartridge's save: ", backup);

    uint32_t at = 0;
    for (const SaveBank &bank : plan.banks) {
        if (!writeBank(plan, bank, src + at, kSectorsPerWrite))
            return false;
        at += bank.length;
        emit set_progress(int(2 * plan.size + at), int(4 * plan.size));
    }
    if (withClock && !writeClock(plan, src + plan.size))
        return false;

    // The read-back confirms the batches arrived whole; a bank that differs
    // is written again one sector a write before the run gives up.
    at = 0;
    for (const SaveBank &bank : plan.banks) {
        QByteArray back(int(bank.length), '\0');
        auto *p = reinterpret_cast<uint8_t *>(back.data());
        if (!keepGoing() || !readBank(bank, p, at))
            return false;
        int64_t wrong = first_difference(p, src + at, bank.length, plan.mask);
        if (wrong >= 0) {
            noteWarn("The read-back differs; writing the bank again one command at a time from 0x",
                     QString::number(at, 16));
            if (!writeBank(plan, bank, src + at, 1) || !readBank(bank, p, at))
                return false;
            wrong = first_difference(p, src + at, bank.length, plan.mask);
        }
        if (wrong >= 0) {
            noteFail("The save memory does not hold the file: the read-back differs at 0x",
                     QString::number(at + uint32_t(wrong), 16));
            note("The save that was there before is kept in ", backup);
            return false;
        }
        at += bank.length;
        emit set_progress(int(3 * plan.size + at), int(4 * plan.size));
    }
    noteGood("Written and read back: the save memory holds ", fileName);
    return true;
}

bool SaveWorker::body(const SavePlan &plan, bool *mapped)
{
    QByteArray input;
    if (mode_ == Mode::Write) {
        if (!plan.write)
            return refuse(plan.readOnlyReason);
        QFile file(fileName);
        if (!file.open(QIODevice::ReadOnly)) {
            noteFail("Can not read the save file: ", fileName + QStringLiteral(" (") + file.errorString() + QLatin1Char(')'));
            return false;
        }
        input = file.read(qint64(plan.size) + kClockFooterSize + 1);
        const uint32_t got = uint32_t(input.size());
        if (got != plan.size && !(plan.hasClock && got == plan.size + kClockFooterSize))
            return refuse(say("The file holds %1 bytes, but this cartridge's save is %2 bytes%3. Nothing was written.")
                              .arg(got)
                              .arg(plan.size)
                              .arg(plan.hasClock ? say(" (or %1 with the clock)").arg(plan.size + kClockFooterSize)
                                                 : QString()));
        if (!backupPath.isEmpty() && QFileInfo::exists(backupPath))
            return refuse(say("The backup file exists already; choose another: ") + backupPath);
        if (confirmWrite && !confirmWrite(cartridgeName, fileName))
            return refuse(say("Nothing was written."));
    }
    // What the window shows before the RAM is mapped, to tell a RAM that
    // never appears from a save.
    QByteArray unmapped;
    const bool probe = mode_ == Mode::Read && plan.gated && !plan.banks.empty();
    if (probe) {
        unmapped.resize(int(plan.banks.front().length));
        SaveBank bare = plan.banks.front();
        bare.select.clear();
        if (!readBank(bare, reinterpret_cast<uint8_t *>(unmapped.data()), 0))
            return false;
    }
    note("Save memory: ", plan.board);
    if (!plan.layout.isEmpty())
        note("File layout: ", plan.layout);
    *mapped = true;
    if (!keepGoing() || !sendEach(plan.enable))
        return false;
    if (probe) {
        QByteArray shown(unmapped.size(), '\0');
        auto *p = reinterpret_cast<uint8_t *>(shown.data());
        if (!readBank(plan.banks.front(), p, 0))
            return false;
        if (shown == unmapped)
            return refuse(say("The save memory never appeared: the window shows the same bytes with the RAM "
                              "mapped as without it. Nothing was saved."));
    }
    return mode_ == Mode::Read ? readSave(plan) : writeSave(plan, input);
}

void SaveWorker::logFailure()
{
    // A cancel that ended a blocked read is still a cancel.
    if (failure_ != Failure::None)
        keepGoing();
    switch (failure_) {
    case Failure::Canceled:
        noteFail("Save canceled.");
        break;
    case Failure::Read:
        noteFail("Read error at 0x", QString::number(failedOffset_, 16));
        break;
    case Failure::Command:
        noteFail("Device command error.");
        break;
    case Failure::None:
        break;   // logged where it happened
    }
    // Stopped once the writes may have begun: say where the old save is.
    if (failure_ != Failure::None && !backupWritten_.isEmpty())
        noteWarn("The save memory may be partly written; the save that was there before is kept in ",
                 backupWritten_);
}

void SaveWorker::end(bool ok)
{
    emit set_progress(1, 1);
    emit error(ok ? 1 : 0);
}

void SaveWorker::run()
{
    cancelRequested = 0;
    failure_ = Failure::None;
    backupWritten_.clear();
    cartridgeName.clear();
    if (!find_reader_drive(current_drive_letter)) {
        noteNoReader();
        end(false);
        return;
    }
    if (mode_ == Mode::Read && !force && QFileInfo::exists(fileName)) {
        noteFail("The file exists; it is kept: ", fileName);
        end(false);
        return;
    }
    SavePlan plan;
    if (!describeSave(&plan)) {
        logFailure();
        end(false);
        return;
    }
    bool mapped = false;
    const bool ok = body(plan, &mapped);
    logFailure();
    // Put the board back on every path once its RAM may be mapped; a cancel
    // must not keep the restore from going out.
    if (mapped) {
        const Failure before = failure_;
        failure_ = Failure::None;
        if (!sendEach(plan.restore))
            noteFail("Device command error.", say(" The cartridge's RAM may still be mapped; remove it only "
                                                  "after unplugging the reader."));
        failure_ = before;
    }
    end(ok);
}
