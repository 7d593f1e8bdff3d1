#include "workers/msx/msx_threads.h"

#include "device/device_link.h"

#include <QStringList>
#include <algorithm>
#include <vector>

msxThreadInfo::msxThreadInfo(QObject *parent)
    : InfoWorker(parent), table(msx::kTitleTable), tableSize(msx::kTitleTableSize) {}

void msxThreadInfo::identify()
{
    const uint8_t mode = msx::mode_for_firmware(device_firmware);
    if (!infoSend(msx::start_sector(mode)))
        return;
    msx::mode = mode;

    // Pages are named in the log by their offset in a ROM that starts at 0x4000.
    bool readFailed = false;
    const msx::PageReader read = [this, &readFailed](uint32_t address, uint8_t *dst, uint32_t len) {
        readFailed = !infoRead(address, dst, len, address - msx::kWindowAddress);
        return !readFailed;
    };
    const msx::TitleRecord *hit = msx::fingerprint(read, table, tableSize);
    if (readFailed)
        return;
    if (!hit) {
        judgeUnknown(mode);
        return;
    }
    note("Name: ", QString::fromUtf16(hit->title));
    note("Company: ", QString::fromUtf16(hit->company));
    note("Year: ", QString::fromUtf16(hit->year));
    note("Mapper: ", QString::number(hit->mapper));
    selectRomSize(int(hit->size));
    selectMMCType(hit->mapper);
}

void msxThreadInfo::judgeUnknown(uint8_t mode)
{
    // The slot as it shows after the start command, which resets the mapper.
    std::vector<uint8_t> window(msx::kWindowSize);
    if (!infoRead(msx::kWindowAddress, window.data(), msx::kWindowSize, 0)
        || !cartridgeAnswers(window.data(), msx::kWindowSize))
        return;
    if (!msx::has_rom_header(window.data())) {
        noteNotDetected();
        return;
    }

    // Each distinct 8 KiB page once: a mapper at reset may show one bank in
    // several pages, and counting it again would only repeat its stores.
    std::vector<uint8_t> code;
    for (uint32_t at = 0; at < msx::kWindowSize; at += msx::kPageSize) {
        bool seen = false;
        for (uint32_t before = 0; before < at && !seen; before += msx::kPageSize)
            seen = std::equal(window.begin() + at, window.begin() + at + msx::kPageSize, window.begin() + before);
        if (!seen)
            code.insert(code.end(), window.begin() + at, window.begin() + at + msx::kPageSize);
    }
    const msx::MapperGuess guess = msx::guess_mapper(code.data(), code.size());

    int mapper = 0;
    uint32_t size = 0;
    if (guess.stores == 0) {
        // No bank switching at all: a plain ROM, as large as it does not repeat.
        size = msx::plain_size(window.data());
    } else if (guess.mapper < 0) {
        QStringList top;
        for (size_t i = 0; i < guess.ranking.size() && i < 3; ++i)
            top << QStringLiteral("%1 (%2)").arg(option_name(::code(ConsoleCode::msx), 1, guess.ranking[i].mapper)).arg(guess.ranking[i].stores);
        note("Mapper candidates, by bank register stores: ", top.join(QStringLiteral(", ")));
        noteWarn("The bank switching fits no single mapper clearly.");
        noteNotDetected();
        return;
    } else {
        mapper = guess.mapper;
        size = msx::fixed_board_size(mapper);
        if (!size) {
            bool failed = false;
            size = msx::measure_banked_size(
                [this, mapper, mode](uint32_t offset, uint8_t *dst) { return readBank(mapper, mode, offset, dst); },
                &failed);
            if (failed)
                return;
        }
        if (size == 0) {
            note("Mapper: ", QString::number(mapper));
            noteWarn("The ROM does not repeat within 2048 KB: its size cannot be measured.");
            noteNotDetected();
            return;
        }
        // A ROM that fits the two pages needs no mapper, unless its board
        // does not show them as they are.
        if (size <= msx::kDirectLimit && msx::shows_first_banks(mapper)) {
            mapper = 0;
            size = msx::plain_size(window.data());
        }
    }
    note("Not in the title table: the size and mapper come from the cartridge itself.");
    note("ROM SIZE: ", QString::number(size / 1024) + say(" KB"));
    note("Mapper: ", QString::number(mapper));
    selectRomSize(int(size));
    selectMMCType(mapper);
}

bool msxThreadInfo::readBank(int mapper, uint8_t mode, uint32_t offset, uint8_t *dst)
{
    const BlockRead step = msx::bank_read(mapper, offset, msx::kBankSize, mode);
    for (const CommandSector &s : step.before)
        if (!infoSend(s))
            return false;
    return infoRead(step.windowOffset, dst, step.length, offset);
}

bool msxThreadDump::startRead()
{
    const uint32_t size = uint32_t(romSize);
    const int mapper = mmcType;
    if (size > msx::kDirectLimit && !msx::is_mapper(mapper)) {
        noteFail("Unknow mapper.");
        return false;
    }

    // Choose the MSX bus ourselves, in the mode an Info run would choose: the
    // reader may be in another family's mode, or never have been started.
    mode_ = msx::mode_for_firmware(device_firmware);
    if (!send(msx::start_sector(mode_)))
        return false;
    msx::mode = mode_;

    if (size <= msx::kDirectLimit && (!msx::is_mapper(mapper) || msx::shows_first_banks(mapper))) {
        plan_ = Plan::FixedPages;
    } else if (mapper == 0) {
        note("Debug dump 64K.");
        plan_ = Plan::Window;
    } else {
        plan_ = Plan::Banks;
    }
    return true;
}

bool msxThreadDump::nextBlock(uint32_t index, const uint8_t *image, DumpBlock *block)
{
    const uint32_t size = uint32_t(romSize);
    switch (plan_) {
    case Plan::FixedPages:
        if (index == 0) {
            block->read.windowOffset = 0x4000;
            block->read.length = size;
            return true;
        }
        if (index > 1)
            return false;
        // An empty first page means the ROM sits in the upper page. Images
        // smaller than a page are judged on what they hold. Either way the
        // run reports its progress once, at the end.
        if (msx::is_blank(image, std::min(size, msx::kPageSize))) {
            block->read.windowOffset = 0x8000;
            block->read.length = size;
        }
        block->progress = romSize;
        return true;
    case Plan::Window:
        if (index > 0)
            return false;
        block->read.length = size;
        block->progress = romSize;
        return true;
    case Plan::Banks:
        break;
    }
    const uint32_t offset = index * msx::kBankSize;
    if (offset >= size)
        return false;
    // A last partial bank is read only as far as the image goes.
    const uint32_t length = std::min(msx::kBankSize, size - offset);
    block->read = msx::bank_read(mmcType, offset, length, mode_);
    block->imageOffset = offset;
    block->progress = int(offset + length);
    return true;
}

void msxThreadDump::noteSuspectImage(const uint8_t *image, uint32_t len, bool checksumFails)
{
    DumpWorker::noteSuspectImage(image, len, checksumFails);
    if (mmcType == msx::kFmPac)
        noteWarn("Warning: the FM-PAC board reads back its registers at 0x7FF6 and 0x7FF7, so bytes 0x3FF6 and "
             "0x3FF7 of every 16 KB bank in the image are register values, not ROM.");
}
