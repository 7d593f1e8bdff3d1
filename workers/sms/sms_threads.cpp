#include "workers/sms/sms_threads.h"

#include "device/checksum.h"
#include "device/device_link.h"
#include "workers/verify/serials.h"
#include "workers/verify/user_catalogues.h"

#include <QByteArray>
#include <algorithm>
#include <cstring>

namespace {

QString firmwareText()
{
    return QString::fromUtf8(device_firmware, int(strnlen(device_firmware, sizeof device_firmware)));
}

} // namespace

smsThreadInfo::smsThreadInfo(QObject *parent)
    : InfoWorker(parent), table(sms::kTitleTable), tableSize(sms::kTitleTableSize) {}

void smsThreadInfo::identify()
{
    if (!sms::board_supported(device_firmware)) {
        noteFail("Device not support:", firmwareText());
        return;
    }
    if (sms::firmware_version(device_firmware) < sms::kFirstSmsFirmware) {
        noteFail("Device only support:QXB_RDR07_FW310 or newer");
        return;
    }
    // Boards keep their banks across start commands: both boards' power-on
    // banks first, so that what an earlier run left shows nowhere.
    if (!infoSend(sms::start_sector()) || !sendAll(sms::power_on(sms::board_codemasters)) ||
        !sendAll(sms::power_on(sms::board_sega)))
        return;

    QByteArray head(int(sms::kHeadSize), '\0');
    if (!infoRead(0, head.data(), sms::kHeadSize, 0) || !cartridgeAnswers(head.constData(), sms::kHeadSize))
        return;
    if (!identifyBoard())
        return;
    selectMMCType(board_);
    const uint32_t crc = crc32_buffer(head.constData(), sms::kHeadSize);
    const sms::TitleRecord *hit = find_title(table, tableSize, &sms::TitleRecord::headCrc, crc);
    if (!hit || hit->romSize == 0) {
        identifyFromCartridge();
        return;
    }
    note("Find game: ", QString::fromUtf8(hit->name));
    note("Please set ROM SIZE to ",
         QString::number(hit->romSize / 1024) + say(" Kbytes to dump ROM."));
    selectRomSize(int(hit->romSize));
}

bool smsThreadInfo::sendAll(const std::vector<CommandSector> &sectors)
{
    for (const CommandSector &s : sectors)
        if (!infoSend(s))
            return false;
    return true;
}

bool smsThreadInfo::identifyBoard()
{
    board_ = sms::board_sega;
    uint8_t header[sms::kCodemastersHeaderSize];
    if (!infoRead(sms::kCodemastersHeader, header, sizeof header, sms::kCodemastersHeader))
        return false;
    if (!sms::codemasters_header(header))
        return true;
    // The header alone proves nothing: the board must bank slot 2 through
    // 0x8000, where a Sega board keeps showing bank 2.
    const uint32_t bank = sms::kBankSize;
    QByteArray low(int(2 * bank), '\0');
    QByteArray before(int(bank), '\0');
    QByteArray after(int(bank), '\0');
    if (!infoRead(0, low.data(), 2 * bank, 0) || !infoRead(0x8000, before.data(), bank, 0x8000) ||
        !infoSend(sms::register_write(sms::kCodemastersSlot2, 1)) ||
        !infoRead(0x8000, after.data(), bank, 0x8000) ||
        !infoSend(sms::register_write(sms::kCodemastersSlot2, 0)))
        return false;
    const QByteArray bank0 = low.left(int(bank));
    const QByteArray bank1 = low.mid(int(bank));
    if (bank0 != bank1 && before == bank0 && after == bank1) {
        board_ = sms::board_codemasters;
        note("Codemasters board: a header at 0x7FE0, banks switched at 0x0000, 0x4000 and 0x8000.");
        return true;
    }
    if (bank0 != bank1 && before == after)
        return true;   // 0x8000 switches nothing: a Sega board with such bytes
    noteWarn("A Codemasters header, but the board cannot be told apart from a Sega one: please set MMC TYPE "
             "and ROM SIZE yourself.");
    withholdPresets();
    return false;
}

void smsThreadInfo::identifyFromCartridge()
{
    // Slots 0 and 1 as power-on maps them: banks 0 and 1.
    QByteArray low(int(2 * sms::kBankSize), '\0');
    if (!infoRead(0, low.data(), uint32_t(low.size()), 0))
        return;
    const sms::Header h = sms::find_header(reinterpret_cast<const uint8_t *>(low.constData()), size_t(low.size()));
    uint32_t measured = 0;
    if (!measure(low, &measured))
        return;
    // The bus is the better witness: many headers give the checksummed range.
    const uint32_t size = measured ? measured : h.declaredSize;
    if (!h.found && !size) {
        noteNotDetected();
        return;
    }
    QString name;
    if (!h.found) {
        name = say("unknown game (no cartridge header)");
    } else if (h.productCode < 0) {
        name = say("unknown game (the product code is not readable)");
    } else {
        const std::vector<verify::CatalogueEntry> known =
            verify::UserCatalogues::load().bySerial(code(ConsoleCode::sms), QString::number(h.productCode));
        name = known.empty() ? say("unknown game (product code %1)").arg(h.productCode) : known.front().title;
    }
    note("Find game: ", name);
    if (size) {
        note("Please set ROM SIZE to ", QString::number(size / 1024) + say(" Kbytes to dump ROM."));
        selectRomSize(int(size));
    } else {
        note("Please set ROM SIZE by yourself to dump the ROM");
    }
    if (measured)
        noteRaw(say("The cartridge repeats its first bank after %1 KB.").arg(measured / 1024));
    if (h.found) {
        noteRaw(say("Cartridge header: product code %1, version %2, size code %3 KB.")
                    .arg(h.productCode >= 0 ? QString::number(h.productCode) : QStringLiteral("?"))
                    .arg(h.version)
                    .arg(h.declaredSize / 1024));
        if (h.productCode >= 0)
            noteCatalogue(code(ConsoleCode::sms), QString::number(h.productCode));
    }
}

bool smsThreadInfo::measure(const QByteArray &low, uint32_t *size)
{
    *size = 0;
    const uint32_t bank = sms::kBankSize;
    const char *bank0 = low.constData();
    const bool codemasters = board_ == sms::board_codemasters;
    const uint32_t slot2 = codemasters ? sms::kCodemastersSlot2 : sms::kSlot2;
    // Carts of 16 KiB and less have no mapper; the ROM repeats within the slots.
    if (codemasters) {
        // Banked from the first KB on.
    } else if (std::memcmp(bank0 + bank / 2, bank0, bank / 2) == 0) {
        *size = bank / 2;
        return true;
    }
    if (!codemasters && std::memcmp(bank0 + bank, bank0, bank) == 0) {
        *size = bank;
        return true;
    }
    if (!infoSend(sms::register_write(sms::kControl, 0)))
        return false;
    QByteArray seen(int(bank), '\0');
    for (const uint32_t n : sms::kSizeProbes) {
        if (!infoSend(sms::register_write(slot2, n)) || !infoRead(0x8000, seen.data(), bank, n * bank))
            return false;
        if (std::memcmp(seen.constData(), bank0, bank) == 0) {
            *size = n * bank;
            break;
        }
    }
    // Leave slot 2 as power-on maps it.
    return infoSend(sms::register_write(slot2, codemasters ? 0 : 2));
}

uint32_t smsThreadDump::bufferSize() const
{
    return std::max(uint32_t(romSize), sms::kSlotsSize);
}

bool smsThreadDump::startRead()
{
    if (!sms::board_supported(device_firmware)) {
        noteFail("Device not support:", firmwareText());
        return false;
    }
    // Older firmware has no SMS start; its Mega Drive bus reaches the cartridge.
    const bool ownStart = sms::firmware_version(device_firmware) >= sms::kFirstSmsFirmware;
    if (!send(ownStart ? sms::start_sector() : make_command(0x13, 0x01)))
        return false;
    // Power-on banks whatever an earlier run left.
    for (const CommandSector &s : sms::power_on(mmcType))
        if (!send(s))
            return false;
    declared_ = 0;
    return true;
}

bool smsThreadDump::nextBlock(uint32_t index, const uint8_t *, DumpBlock *block)
{
    const uint32_t size = uint32_t(romSize);
    const uint32_t offset = index * sms::kBankSize;
    // The Codemasters board shows bank 0 in slot 2 after power-on: always banked.
    if (size <= sms::kSlotsSize && mmcType != sms::board_codemasters) {
        if (index >= 3)
            return false;
        block->read = sms::slot_read(int(index));
        block->imageOffset = offset;
        block->progress = int(offset + sms::kBankSize);
        return true;
    }
    if (!evenBlock(index, sms::kBankSize, block))
        return false;
    block->read = sms::bank_read(index, block->read.length, mmcType);
    block->progress = int(offset);   // reported as the bank's start
    return true;
}

void smsThreadDump::blockDone(const DumpBlock &block, const uint8_t *image)
{
    if (block.imageOffset + block.read.length == 2 * sms::kBankSize)
        noteDeclaredSize(image);
}

// The size code often names only the checksummed range, so a larger choice
// is no news; a smaller one cuts the ROM short.
void smsThreadDump::noteDeclaredSize(const uint8_t *buffer)
{
    const sms::Header h = sms::find_header(buffer, 2 * sms::kBankSize);
    declared_ = h.found ? h.declaredSize : 0;
    if (declared_ > uint32_t(romSize))
        noteHeaderSize(declared_);
}

void smsThreadDump::noteSuspectImage(const uint8_t *image, uint32_t len, bool checksumFails)
{
    DumpWorker::noteSuspectImage(image, len, checksumFails);
    // The header may lie past a short image's end: what the run read counts.
    if (declared_ > len)
        warnHeaderSize(len, declared_);
}
