#include "workers/msx/msx_threads.h"

#include "device/device_link.h"

#include <QStringList>
#include <algorithm>
#include <vector>

msxThreadInfo::msxThreadInfo(QObject *parent)
    : InfoWorker(parent), table(msx::kTitleTable), tableSize(msx::kTitleTableSize) {}

void msxThreadInfo::identify()
{
    touched_.clear();
    largeValue_ = false;
    const uint8_t mode = msx::mode_for_firmware(device_firmware);
    if (!infoSend(msx::start_sector(mode)))
        return;

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
    } else {
        if (guess.mapper < 0) {
            QStringList top;
            for (size_t i = 0; i < guess.ranking.size() && i < 3; ++i)
                top << QStringLiteral("%1 (%2)").arg(option_name(::code(ConsoleCode::msx), 1, guess.ranking[i].mapper)).arg(guess.ranking[i].stores);
            note("Mapper candidates, by bank register stores: ", top.join(QStringLiteral(", ")));
        }
        // Cross Blaim's latch answers every write: only its stores tell it.
        mapper = guess.mapper;
        if (mapper != 14 && !confirmMapper(mode, window, guess.mapper, &mapper))
            return;
        if (mapper < 0) {
            noteWarn("The bank switching fits no single mapper clearly.");
            noteNotDetected();
            return;
        }
        size = mapper ? msx::fixed_board_size(mapper) : msx::plain_size(window.data());
        if (!size) {
            bool failed = false;
            size = msx::measure_banked_size(
                [this, mapper, mode](uint32_t offset, uint8_t *dst) { return readBank(mapper, mode, offset, dst); },
                &failed);
            if (failed || !restoreTouched(mode, mapper))
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
    uint32_t done = 0;
    for (const BlockRead &step : msx::measure_reads(mapper, offset, mode)) {
        for (const CommandSector &s : step.before)
            if (!probeWrite(mode, uint16_t(s[4] | s[5] << 8), s[12]))
                return false;
        if (!infoRead(step.windowOffset, dst + done, step.length, offset + done))
            return false;
        done += step.length;
    }
    return done == msx::kBankSize;
}

bool msxThreadInfo::probeWrite(uint8_t mode, uint16_t address, uint8_t value)
{
    // A board with SRAM may have mapped it for a large value: the upper
    // pages then take writes into the save.
    if (largeValue_ && address >= 0x8000 && address < 0xC000) {
        noteFail("A probe would write into a mapped SRAM; stopped.");
        return false;
    }
    largeValue_ = largeValue_ || value >= 0x10;
    if (std::find(touched_.begin(), touched_.end(), address) == touched_.end())
        touched_.push_back(address);
    return infoSend(msx::register_write(mode, address, value));
}

bool msxThreadInfo::restoreTouched(uint8_t mode, int mapper)
{
    // Every register of the board whose region a touched address switched.
    unsigned regions = 0;
    for (uint16_t t : touched_)
        regions |= msx::switched_regions(mapper, t);
    for (const msx::RegisterValue &r : msx::power_on_banks(mapper))
        if ((msx::switched_regions(mapper, r.address) & regions) && !probeWrite(mode, r.address, r.value))
            return false;
    touched_.clear();
    return true;
}

bool msxThreadInfo::confirmMapper(uint8_t mode, const std::vector<uint8_t> &window, int guess, int *mapper)
{
    // Two values a register: whatever bank a region showed, and however few
    // banks the ROM has, one of them shows another.
    std::vector<msx::Observation> seen;
    std::vector<uint8_t> before = window, after(msx::kWindowSize);
    for (uint16_t r : msx::probe_registers(guess)) {
        unsigned changed = 0;
        for (uint8_t value : {msx::kProbeValue, uint8_t(msx::kProbeValue + 1)}) {
            if (!probeWrite(mode, r, value) || !infoRead(msx::kWindowAddress, after.data(), msx::kWindowSize, 0))
                return false;
            changed |= msx::changed_regions(before.data(), after.data());
        }
        seen.push_back({r, changed});
        before = after;
    }
    const std::vector<int> boards = msx::boards_explaining(seen);
    const bool still = std::all_of(seen.begin(), seen.end(), [](const msx::Observation &o) { return !o.changed; });
    *mapper = still ? 0 : boards.size() == 1 ? boards.front() : -1;
    // Power-on banks for the board found; for one not found, each register
    // as the board it belongs to starts.
    if (*mapper > 0) {
        if (!restoreTouched(mode, *mapper))
            return false;
    } else {
        // Whatever the board is, each register as the first board that has
        // it starts.
        const std::vector<int> all = msx::boards_explaining({});
        for (uint16_t r : std::vector<uint16_t>(touched_)) {
            for (int board : all) {
                const std::vector<msx::RegisterValue> banks = msx::power_on_banks(board);
                const auto hit = std::find_if(banks.begin(), banks.end(),
                                              [r](const msx::RegisterValue &v) { return v.address == r; });
                if (hit == banks.end())
                    continue;
                if (!probeWrite(mode, r, hit->value))
                    return false;
                break;
            }
        }
        touched_.clear();
    }
    if (*mapper == guess)
        return true;
    if (*mapper == 0) {
        noteWarn("No bank register answers: the stores are not bank switching.");
    } else if (*mapper > 0 && guess < 0) {
        note("The bank registers that answer are those of mapper ", QString::number(*mapper));
    } else if (*mapper > 0) {
        noteWarn("The board switches banks through other registers than the code suggests: mapper ",
                 QString::number(*mapper));
    } else {
        QStringList fits;
        for (int board : boards)
            fits << QString::number(board);
        noteWarn("The board's bank registers fit no single mapper: ",
                 fits.isEmpty() ? say("none") : fits.join(QStringLiteral(", ")));
    }
    return true;
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
    // The start command leaves the banks as the last run set them.
    for (const msx::RegisterValue &r : msx::power_on_banks(mapper))
        if (!send(msx::register_write(mode_, r.address, r.value)))
            return false;
    restored_ = false;

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
    if (!evenBlock(index, msx::kBankSize, block)) {
        if (restored_)
            return false;
        // Power-on banks again, for whatever reads the cartridge next.
        restored_ = true;
        for (const msx::RegisterValue &r : msx::power_on_banks(mmcType))
            block->read.before.push_back(msx::register_write(mode_, r.address, r.value));
        block->imageOffset = 0;
        return !block->read.before.empty();
    }
    block->read = msx::bank_read(mmcType, block->imageOffset, block->read.length, mode_);
    return true;
}

void msxThreadDump::noteSuspectImage(const uint8_t *image, uint32_t len, bool checksumFails)
{
    DumpWorker::noteSuspectImage(image, len, checksumFails);
    if (mmcType == msx::kFmPac)
        noteWarn("Warning: the FM-PAC board reads back its registers at 0x7FF6 and 0x7FF7, so bytes 0x3FF6 and "
             "0x3FF7 of every 16 KB bank in the image are register values, not ROM.");
}
