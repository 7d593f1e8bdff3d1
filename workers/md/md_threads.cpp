#include "workers/md/md_threads.h"

#include "device/checksum.h"
#include "device/command.h"
#include "device/device_link.h"
#include "workers/md/md_table.h"
#include "workers/option_lists.h"

#include <QByteArray>
#include <QTextCodec>
#include <cstring>

namespace {

QString gbk(const char *text)
{
    // Alternative titles are GBK whatever the system's code page.
    if (QTextCodec *codec = QTextCodec::codecForName("GBK"))
        return codec->toUnicode(text);
    return QString::fromLocal8Bit(text);
}

QString shiftJis(const std::string &text)
{
    if (QTextCodec *codec = QTextCodec::codecForName("Shift_JIS"))
        return codec->toUnicode(text.data(), int(text.size()));
    return QString::fromLatin1(text.data(), int(text.size()));
}

QString kb(uint32_t bytes)
{
    return QString::number(bytes / 1024) + QStringLiteral("KB");
}

// The smallest ROM SIZE option that holds `size`; 0 when none does.
int optionAtLeast(uint32_t size)
{
    int best = 0;
    const OptionEntry *list = option_list(code(ConsoleCode::md), 2);
    for (int i = 0; list && i < kMaxOptions && list[i].index != -1; ++i)
        if (uint32_t(list[i].value) >= size && (best == 0 || list[i].value < best))
            best = list[i].value;
    return best;
}

CommandSector mdSelect()
{
    return make_command(0x13, 0x01);
}

} // namespace

mdThreadInfo::mdThreadInfo(QObject *parent)
    : InfoWorker(parent), table(md::mdTitleTable), tableSize(md::mdTitleTableSize) {}

void mdThreadInfo::identify()
{
    if (!infoSend(mdSelect()))
        return;
    QByteArray page(md::kHeaderPage, '\0');
    if (!infoRead(0, page.data(), md::kHeaderPage, 0) || !cartridgeAnswers(page.constData(), md::kHeaderPage))
        return;
    presetSaveRows(page);
    const uint32_t key = crc32_buffer(page.constData(), md::kHeaderPage);
    const md::MdTitleRecord *hit = find_title(table, tableSize, &md::MdTitleRecord::crc, key);
    if (!hit) {
        identifyFromHeader(page);
        return;
    }
    note("--MD/GENS Cartridge information--");
    note("Title: ", QString::fromLocal8Bit(hit->title));
    note("Year: ", QString::fromLocal8Bit(hit->year));
    note("Publisher: ", QString::fromLocal8Bit(hit->publisher));
    note("Alt Title: ", gbk(hit->altTitle));
    note("Size: ", QString::number(hit->size / 1024) + QStringLiteral("KB"));
    selectRomSize(int(hit->size));
}

void mdThreadInfo::presetSaveRows(const QByteArray &page)
{
    const auto *p = reinterpret_cast<const uint8_t *>(page.constData());
    if (page.size() < 0x1BC || p[0x1B0] != 'R' || p[0x1B1] != 'A')
        return;
    selectRamType(p[0x1B3] == 0x20 ? 0 : 1);   // SRAM, or a serial EEPROM
    const auto be32 = [p](int at) {
        return uint32_t(p[at]) << 24 | uint32_t(p[at + 1]) << 16 | uint32_t(p[at + 2]) << 8 | p[at + 3];
    };
    const uint32_t start = be32(0x1B4) & ~1u, end = be32(0x1B8);
    if (end < start)
        return;
    // The row counts the address range, whichever byte lanes carry data.
    const OptionEntry *list = option_list(code(ConsoleCode::md), 4);
    for (int i = 0; list[i].index != -1; ++i)
        if (uint32_t(list[i].value) >= end - start + 1) {
            selectRamSize(list[i].value);
            return;
        }
}

void mdThreadInfo::identifyFromHeader(const QByteArray &page)
{
    const md::Header h = md::decode_header(reinterpret_cast<const uint8_t *>(page.constData()), size_t(page.size()));
    if (!h.valid) {
        noteNotDetected();
        return;
    }
    const uint32_t size = h.declaredSize();
    const QString overseas = QString::fromLatin1(h.overseasTitle.c_str()).simplified();
    const QString domestic = shiftJis(h.domesticTitle).simplified();
    note("--MD/GENS Cartridge information--");
    note("Title: ", overseas.isEmpty() ? domestic : overseas);
    note("Year: ", h.year.empty() ? QStringLiteral("????") : QString::fromLatin1(h.year.c_str()));
    note("Publisher: ", h.maker.empty() ? QStringLiteral("????") : QString::fromLatin1(h.maker.c_str()));
    note("Alt Title: ", domestic);
    note("Size: ", kb(size));
    note("The values above come from the cartridge header.");
    if (!h.serial.empty())
        note("Serial: ", QString::fromLatin1(h.serial.c_str()));
    noteCatalogue(code(ConsoleCode::md), QString::fromLatin1(md::serial_code(h.serial).c_str()));
    if (size == 0) {
        noteWarn("The header gives no usable ROM end; please set ROM SIZE by yourself.");
        return;
    }
    if (!checkMirror(page, size))
        return;
    presetDeclaredSize(size);
}

// The cartridge decodes only the address lines its ROM needs, so the start
// shows again right past the end the header declares.
bool mdThreadInfo::checkMirror(const QByteArray &page, uint32_t size)
{
    if (size >= md::kCartridgeSpace)
        return true;   // past 4 MiB the console's bus shows no mirror to compare
    QByteArray past(0x400, '\0');
    if (!infoRead(size, past.data(), uint32_t(past.size()), size))
        return false;
    if (std::memcmp(past.constData(), page.constData(), size_t(past.size())) == 0)
        note("The cartridge repeats its start past the declared end, as a ROM of that size does.");
    else
        noteWarn("The cartridge does not repeat its start past the declared end: it may hold more than its header says.");
    return true;
}

void mdThreadInfo::presetDeclaredSize(uint32_t size)
{
    const OptionEntry *list = option_list(code(ConsoleCode::md), 2);
    if (find_option_value(list, int(size))) {
        selectRomSize(int(size));
        return;
    }
    const int rounded = optionAtLeast(size);
    if (rounded == 0) {
        noteWarn("No ROM SIZE option holds the declared size; please set ROM SIZE by yourself.");
        return;
    }
    note("No ROM SIZE option equals the declared size; rounded up to ", kb(uint32_t(rounded)));
    selectRomSize(rounded);
}

bool mdThreadDump::startRead()
{
    // Select the Mega Drive bus ourselves: the reader may still be in the
    // mode another family's run left.
    blocks_ = md::dump_blocks(uint32_t(romSize));
    return send(mdSelect());
}

bool mdThreadDump::nextBlock(uint32_t index, const uint8_t *, DumpBlock *block)
{
    if (index >= blocks_.size())
        return false;
    const md::Block &b = blocks_[index];
    block->read.windowOffset = b.offset;
    block->read.length = b.length;
    block->imageOffset = b.offset;
    block->progress = int(b.offset);
    return true;
}

void mdThreadDump::blockDone(const DumpBlock &block, const uint8_t *image)
{
    if (block.imageOffset != 0)
        return;
    const md::Header h = md::decode_header(image, block.read.length);
    const uint32_t declared = h.valid ? h.declaredSize() : 0;
    // Said once the header is in, before the rest is read.
    if (declared && declared != uint32_t(romSize))
        noteHeaderSize(declared);
}

void mdThreadDump::noteSuspectImage(const uint8_t *image, uint32_t len, bool checksumFails)
{
    DumpWorker::noteSuspectImage(image, len, checksumFails);
    const md::Header h = md::decode_header(image, len);
    const uint32_t declared = h.valid ? h.declaredSize() : 0;
    if (declared && declared != len)
        warnHeaderSize(len, declared);
}
