#include "workers/gba/gba_threads.h"

#include "device/device_link.h"

#include <QByteArray>
#include <algorithm>
#include <vector>

gbaThreadInfo::gbaThreadInfo(QObject *parent)
    : InfoWorker(parent), table(gba::kTitleTable), tableSize(gba::kTitleTableSize) {}

void gbaThreadInfo::identify()
{
    if (!infoSend(gba::console_selection()) || !infoSend(gba::gba_start()) || !infoSend(gba::address_select(0)))
        return;
    QByteArray page(gba::kHeaderReadSize, '\0');
    if (!infoRead(0, page.data(), gba::kHeaderReadSize, 0) || !cartridgeAnswers(page.constData(), gba::kHeaderReadSize))
        return;
    const auto *header = reinterpret_cast<const uint8_t *>(page.constData());

    if (!gba::logo_matches(header)) {
        noteWarn("Can not detect gameboy advance logo.");
        noteWarn("Maybe it's not a standard cartridge.");
        note("\r\n");
    }

    const std::vector<size_t> rows = gba::find_rows(table, tableSize, gba::game_code(header));
    std::vector<int> sizes;   // the rows' ROM sizes, each once
    for (size_t i : rows) {
        const int romSize = gba::parse_rom_size(gba::text(table[i].romSize));
        if (romSize > 0 && std::find(sizes.begin(), sizes.end(), romSize) == sizes.end())
            sizes.push_back(romSize);
    }
    for (size_t i : rows) {
        const gba::TitleRow &row = table[i];
        note("--GBA Cartridge information--");
        note("Title: ", gba::text(row.title));
        note("Company: ", gba::text(row.publisher));
        note("Year: ", gba::text(row.year));

        const int romSize = gba::parse_rom_size(gba::text(row.romSize));
        note("ROM SIZE: ", QString::number(uint32_t(romSize) / 131072) + say("Mbit"));
        if (sizes.size() == 1)
            selectRomSize(romSize);

        const gba::SaveType save = gba::save_type_for(gba::text(row.saveType));
        note("RAM SIZE: ", QString::number(save.shown) + say(save.unit));
        noteRaw(QStringLiteral("<hr><br>"));
        selectRamSize(save.ramSize);
        selectRamType(save.ramType);
    }
    if (sizes.size() > 1) {
        // Rows of one code disagree: the bus decides between them.
        std::sort(sizes.begin(), sizes.end());
        gba::SizeEvidence how = gba::SizeEvidence::None;
        uint32_t size = 0;
        if (!measure(&size, &how))
            return;
        if (std::find(sizes.begin(), sizes.end(), int(size)) != sizes.end()) {
            noteEvidence(size, how);
            selectRomSize(int(size));
        } else {
            leaveRomSizeOpen(code(ConsoleCode::gba), sizes);
        }
    } else if (sizes.empty() && gba::logo_matches(header)) {
        // Without the logo the header fields are not a header's: judge nothing.
        reportHeader(header);
    } else if (sizes.empty()) {
        noteNotDetected();
    }
}

bool gbaThreadInfo::measure(uint32_t *size, gba::SizeEvidence *how)
{
    bool readFailed = false;
    *size = gba::measure_rom(
        [this](uint32_t offset, uint8_t *dst, uint32_t len) {
            return infoSend(gba::address_select(offset)) && infoRead(0, dst, len, offset);
        },
        &readFailed, how);
    return !readFailed;
}

void gbaThreadInfo::noteEvidence(uint32_t size, gba::SizeEvidence how)
{
    const QString mbit = QString::number(size / 131072) + say("Mbit");
    if (how == gba::SizeEvidence::Repeat)
        note("ROM SIZE measured: the cartridge repeats its start from ", mbit);
    else
        note("ROM SIZE measured: the bus floats past ", mbit);
}

void gbaThreadInfo::reportHeader(const uint8_t *header)
{
    uint32_t size = 0;
    gba::SizeEvidence how = gba::SizeEvidence::None;
    if (!measure(&size, &how))
        return;
    if (size == 0) {
        noteNotDetected();
        return;
    }
    note("--GBA Cartridge information--");
    note("Title: ", gba::header_title(header));
    note("Game code: ", gba::game_code(header));
    note("Maker code: ", gba::maker_code(header));
    note("ROM SIZE: ", QString::number(size / 131072) + say("Mbit"));
    selectRomSize(int(size));
    // The save type is not in the header: the RAM options stay as they are.
    note("Not in the title table: these values come from the cartridge header.");
    noteEvidence(size, how);
    noteRaw(QStringLiteral("<hr><br>"));
}

bool gbaThreadDump::startRead()
{
    return send(gba::console_selection()) && send(gba::gba_start());
}

bool gbaThreadDump::emptySlot(const uint8_t *image, uint32_t len) const
{
    return DumpWorker::emptySlot(image, len) || (len > 0 && gba::is_open_bus(image, len, 0));
}

bool gbaThreadDump::nextBlock(uint32_t index, const uint8_t *, DumpBlock *block)
{
    if (!evenBlock(index, gba::kBlockSize, block))
        return false;
    block->read = gba::block_read(block->imageOffset, block->read.length);
    return true;
}
