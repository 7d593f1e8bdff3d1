#include "workers/sfc/sfc_threads.h"

#include "device/checksum.h"
#include "device/command.h"
#include "workers/sfc/sfc_protocol.h"
#include "workers/verify/serials.h"

#include <algorithm>
#include <vector>

sfcThreadInfo::sfcThreadInfo(QObject *parent)
    : InfoWorker(parent), table_(sfc::kTitleTable), tableCount_(sfc::kTitleCount)
{
}

void sfcThreadInfo::setTitleTable(const sfc::TitleRecord *table, size_t count)
{
    table_ = table;
    tableCount_ = count;
}

bool sfcThreadInfo::sfcRead(uint32_t address, uint8_t *dst, uint32_t len)
{
    return infoSend(sfc::half_select(address)) && infoRead(sfc::window_offset(address), dst, len, address);
}

void sfcThreadInfo::identify()
{
    if (!infoSend(sfc::start_command()))
        return;

    std::vector<uint8_t> page(sfc::kHeaderPageSize, 0);
    if (!sfcRead(sfc::kHeaderPageAddress, page.data(), uint32_t(page.size()))
        || !cartridgeAnswers(page.data(), uint32_t(page.size())))
        return;
    const uint32_t crc = crc32_buffer(page.data(), page.size());

    if (const sfc::TitleRecord *row = find_title(table_, tableCount_, &sfc::TitleRecord::key, crc)) {
        if (reportTitle(*row))
            return;
    }
    reportHeader(page.data());
}

bool sfcThreadInfo::reportTitle(const sfc::TitleRecord &row)
{
    note("--SFC/SNES Cartridge information--");
    note("Title: ", QString::fromUtf16(row.title));
    note("Company: ", QString::fromUtf16(row.company));
    note("Year: ", QString::fromUtf16(row.year));
    note("Alt name: ", QString::fromUtf16(row.altName));
    note("ROM SIZE: ", QString::number(row.romSize / 131072) + say("Mbit"));
    note("RAM SIZE: ", QString::number(row.ramSize / 1024) + say("Kbytes"));
    noteRaw(QStringLiteral("<hr><br>"));

    selectRomSize(int(row.romSize));
    selectRamSize(int(row.ramSize));
    if (row.map >= 1 && row.map <= 4)
        selectMMCType(int(row.map));
    return row.romSize != 0;
}

void sfcThreadInfo::reportHeader(const uint8_t *page)
{
    bool readOk = true;
    const sfc::HeaderAnalysis header = sfc::analyse_header(page, [this, &readOk](uint32_t address) {
        uint8_t byte = 0;
        // After a failed read no further command is sent; the run ends below.
        readOk = readOk && sfcRead(address, &byte, 1);
        return byte;
    });
    if (!readOk)
        return;

    note("--SFC/SNES Cartridge information--");
    note("Title: ", sfc::decode_title(page + sfc::kTitleOffset));
    noteCatalogue(code(ConsoleCode::sfc), verify::sfc_game_code(page + sfc::kTitleOffset));
    note("ROM SIZE: ", QString::number(header.megabits) + say("Mbit"));
    note("RAM SIZE: ", QString::number(header.ramBytes / 1024) + say("Kbytes"));
    noteRaw(QStringLiteral("<hr><br>"));

    selectRomSize(int(header.romBytes));
    selectRamSize(int(header.ramBytes));
    selectMMCType(header.hiRom ? 2 : 1);

    if (header.romBytes == 0)
        noteNotDetected();
}

bool sfcThreadDump::startRead()
{
    if (!send(sfc::start_command()))
        return false;
    reader_ = sfc::reader_for(mmcType, romSize);
    if (reader_ == sfc::Reader::None) {
        noteFail("Unknow mapper:", QString::number(mmcType));
        return false;
    }
    return true;
}

bool sfcThreadDump::nextBlock(uint32_t index, const uint8_t *, DumpBlock *block)
{
    const uint32_t size = uint32_t(romSize);
    const uint32_t offset = index * sfc::kBlockSize;
    if (offset >= size)
        return false;
    // A size that is not a whole number of blocks ends with a short read.
    const uint32_t length = std::min(sfc::kBlockSize, size - offset);
    block->read = sfc::block_for(reader_, offset, length);
    block->imageOffset = offset;
    block->progress = int(offset + length);
    return true;
}
