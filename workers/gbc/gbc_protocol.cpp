#include "workers/gbc/gbc_protocol.h"

#include <QCoreApplication>
#include <cstring>

namespace gbc {

CommandSector console_selection()
{
    return make_command(kReaderTarget, kTarget);
}

CommandSector gb_start()
{
    return make_command(kTarget, kOpStart);
}

CommandSector register_write(uint32_t address, uint32_t value)
{
    CommandSector s = make_command(kTarget, kOpRegisterWrite);
    s[3] = uint8_t(address & 0xFF);
    s[4] = uint8_t((address >> 8) & 0xFF);
    s[5] = uint8_t(value & 0xFF);
    return s;
}

bool logo_matches(const uint8_t *header)
{
    return std::memcmp(header + kLogoOffset, kLogo, kLogoSize) == 0;
}

QString title(const uint8_t *header)
{
    const char *text = reinterpret_cast<const char *>(header + kTitleOffset);
    int len = 0;
    while (len < int(kTitleSize) && text[len] != 0)
        ++len;
    return QString::fromUtf8(text, len);
}

int mbc_for_type_code(uint8_t code)
{
    switch (code) {
    case 0x00: case 0x08: case 0x09:
        return mbc_none;
    case 0x01: case 0x02: case 0x03: case 0x0B: case 0x0C: case 0xFF:
        return mbc_1;
    case 0x05: case 0x06:
        return mbc_2;
    case 0x0D: case 0x0F: case 0x10: case 0x11: case 0x12: case 0x13: case 0xFE:
        return mbc_3;
    default:
        return mbc_5;
    }
}

int rom_size_for_code(uint8_t code)
{
    if (code <= 8)
        return 32768 << code;
    if (code == 0x52 || code == 0x53 || code == 0x54)
        return 2097152;
    return 32768;
}

RamSize ram_size_for_code(uint8_t code)
{
    static const char *const kBytes = QT_TRANSLATE_NOOP("gbcThreadInfo", " Bytes");
    static const char *const kKBytes = QT_TRANSLATE_NOOP("gbcThreadInfo", " KBytes");
    switch (code) {
    case 1: return {2048, 2, kKBytes};
    case 2: return {8192, 8, kKBytes};
    case 3: return {32768, 32, kKBytes};
    case 4: return {131072, 128, kKBytes};
    case 5: return {65536, 64, kKBytes};
    case 6: return {262144, 256, kKBytes};
    case 7: return {512, 512, kBytes};
    case 8: return {1048576, 1024, kKBytes};
    case 9: return {2097152, 2048, kKBytes};
    default: return {0, 0, kBytes};
    }
}

int reader_for_image(int mmcType, const uint8_t *bank0, uint32_t len)
{
    if (mmcType == mbc_1 && len > kTypeOffset && bank0[kTypeOffset] == 0xFF)
        return huc1;
    return mmcType;
}

Mbc1Board classify_mbc1(const uint8_t *bank0, const uint8_t *atBank10, const uint8_t *upper1)
{
    if (std::memcmp(atBank10, bank0, kProbeSize) != 0)
        return Mbc1Board::Plain;
    // Bank 0x10 shows bank 0: a multicart, or a plain ROM that repeats, and
    // then the upper register shows bank 0 again and both read alike.
    if (std::memcmp(upper1, bank0, kProbeSize) == 0)
        return Mbc1Board::Plain;
    // Another game's header where the multicart starts its second game.
    return logo_matches(upper1) ? Mbc1Board::Multicart : Mbc1Board::Unsure;
}

std::vector<CommandSector> mbc1_probe_low()
{
    return {register_write(0x6000, 0), register_write(0x4000, 0), register_write(0x2000, 0x10)};
}

std::vector<CommandSector> mbc1_probe_upper()
{
    return {register_write(0x6000, 1), register_write(0x4000, 1)};
}

std::vector<CommandSector> mbc1_power_on()
{
    return {register_write(0x6000, 0), register_write(0x4000, 0), register_write(0x2000, 1)};
}

BlockRead bank_read(int mmcType, uint32_t offset, uint32_t length)
{
    BlockRead step;
    step.length = length;
    const uint32_t bank = offset / kBankSize;
    const uint32_t inBank = offset % kBankSize;
    if (bank == 0) {
        step.windowOffset = offset;
        return step;
    }
    step.windowOffset = 0x4000 + inBank;
    switch (mmcType) {
    case mbc_none:
        step.windowOffset = offset % 0x10000;
        break;
    case mbc_1:
        if ((bank & 0x1F) == 0) {
            // The chip turns a zero in the low five bits into 1, so banks
            // 0x20, 0x40 and 0x60 never appear at 0x4000. Mode 1 shows them
            // at 0x0000 instead; mode 0 is restored for the banks after.
            step.before.push_back(register_write(0x6000, 1));
            step.before.push_back(register_write(0x4000, (bank >> 5) & 3));
            step.windowOffset = inBank;
            step.after.push_back(register_write(0x6000, 0));
        } else {
            step.before.push_back(register_write(0x6000, 0));
            step.before.push_back(register_write(0x2000, bank & 0x1F));
            step.before.push_back(register_write(0x4000, (bank >> 5) & 3));
        }
        break;
    case mbc_1m:
        // Bit 4 of the low register reaches no ROM line here, but keeps the
        // chip's zero test from turning bank 0 of a game into 1.
        step.before.push_back(register_write(0x6000, 0));
        step.before.push_back(register_write(0x2000, 0x10 | (bank & 0x0F)));
        step.before.push_back(register_write(0x4000, (bank >> 4) & 3));
        break;
    case mbc_2:
        // The ROM bank register answers only with address bit 8 set;
        // 0x2000 is the RAM enable of this chip.
        step.before.push_back(register_write(0x2100, bank & 0xFF));
        break;
    case huc1:
        step.before.push_back(register_write(0x2000, bank & 0x3F));
        break;
    case mbc_3:
        step.before.push_back(register_write(0x2000, bank & 0xFF));
        break;
    default:
        step.before.push_back(register_write(0x3000, (bank >> 8) & 0xFF));
        step.before.push_back(register_write(0x2000, bank & 0xFF));
        break;
    }
    return step;
}

verify::HeaderCheck check_header(const uint8_t *p, size_t size)
{
    if (size < 0x150)
        return verify::HeaderCheck::None;
    uint8_t header = 0;
    for (size_t i = 0x134; i <= 0x14C; ++i)
        header = uint8_t(header - p[i] - 1);
    const uint16_t stored = uint16_t((p[0x14E] << 8) | p[0x14F]);
    const uint16_t global = uint16_t(byte_sum(p, size) - p[0x14E] - p[0x14F]);
    return header == p[0x14D] && global == stored ? verify::HeaderCheck::Ok : verify::HeaderCheck::Mismatch;
}

} // namespace gbc
