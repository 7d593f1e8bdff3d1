#include "workers/gba/gba_protocol.h"

#include <QCoreApplication>
#include <climits>
#include <cstring>

namespace gba {

const uint8_t kLogo[kLogoSize] = {
    0x24, 0xFF, 0xAE, 0x51, 0x69, 0x9A, 0xA2, 0x21, 0x3D, 0x84, 0x82, 0x0A,
    0x84, 0xE4, 0x09, 0xAD, 0x11, 0x24, 0x8B, 0x98, 0xC0, 0x81, 0x7F, 0x21,
    0xA3, 0x52, 0xBE, 0x19, 0x93, 0x09, 0xCE, 0x20, 0x10, 0x46, 0x4A, 0x4A,
    0xF8, 0x27, 0x31, 0xEC, 0x58, 0xC7, 0xE8, 0x33, 0x82, 0xE3, 0xCE, 0xBF,
    0x85, 0xF4, 0xDF, 0x94, 0xCE, 0x4B, 0x09, 0xC1, 0x94, 0x56, 0x8A, 0xC0,
    0x13, 0x72, 0xA7, 0xFC, 0x9F, 0x84, 0x4D, 0x73, 0xA3, 0xCA, 0x9A, 0x61,
    0x58, 0x97, 0xA3, 0x27, 0xFC, 0x03, 0x98, 0x76, 0x23, 0x1D, 0xC7, 0x61,
    0x03, 0x04, 0xAE, 0x56, 0xBF, 0x38, 0x84, 0x00, 0x40, 0xA7, 0x0E, 0xFD,
    0xFF, 0x52, 0xFE, 0x03, 0x6F, 0x95, 0x30, 0xF1, 0x97, 0xFB, 0xC0, 0x85,
    0x60, 0xD6, 0x80, 0x25, 0xA9, 0x63, 0xBE, 0x03, 0x01, 0x4E, 0x38, 0xE2,
    0xF9, 0xA2, 0x34, 0xFF, 0xBB, 0x3E, 0x03, 0x44, 0x78, 0x00, 0x90, 0xCB,
    0x88, 0x11, 0x3A, 0x94, 0x65, 0xC0, 0x7C, 0x63, 0x87, 0xF0, 0x3C, 0xAF,
    0xD6, 0x25, 0xE4, 0x8B, 0x38, 0x0A, 0xAC, 0x72, 0x21, 0xD4, 0xF8, 0x07,
};

CommandSector console_selection()
{
    return make_command(kReaderTarget, kTarget);
}

CommandSector gba_start()
{
    return make_command(kTarget, kOpStart);
}

CommandSector address_select(uint32_t offset)
{
    CommandSector s = make_command(kTarget, kOpAddress);
    put_le32(s, 4, offset);
    return s;
}

bool logo_matches(const uint8_t *header)
{
    return std::memcmp(header + kLogoOffset, kLogo, kLogoSize) == 0;
}

QString game_code(const uint8_t *header)
{
    const char *code = reinterpret_cast<const char *>(header + kGameCodeOffset);
    int len = 0;
    while (len < int(kGameCodeSize) && code[len] != 0)
        ++len;
    return QString::fromLatin1(code, len);
}

QString text(const char16_t *column)
{
    return QString::fromUtf16(column);
}

std::vector<size_t> find_rows(const TitleRow *table, size_t count, const QString &code)
{
    std::vector<size_t> found;
    if (code.size() < int(kGameCodeSize))
        return found;
    for (size_t i = 0; i < count; ++i) {
        if (text(table[i].serials).contains(code, Qt::CaseSensitive))
            found.push_back(i);
    }
    return found;
}

int parse_rom_size(const QString &text)
{
    long long value = 0;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
        value = value * 10 + (c.unicode() - '0');
        if (value > INT_MAX)
            return INT_MAX;
    }
    return int(value);
}

SaveType save_type_for(const QString &tag)
{
    static const char *const kBytes = QT_TRANSLATE_NOOP("gbaThreadInfo", "Bytes");
    static const char *const kKbytes = QT_TRANSLATE_NOOP("gbaThreadInfo", "Kbytes");
    // Longer tags first: "gba_eeprom" and "gba_flash" are contained in them.
    struct Rule { const char *tag; SaveType type; };
    static const Rule kRules[] = {
        {"gba_sram", {ram_sram, 32768, 32, kKbytes}},
        {"gba_eeprom_4k", {ram_eeprom, 512, 512, kBytes}},
        {"gba_eeprom_64k", {ram_eeprom, 8192, 8, kKbytes}},
        {"gba_eeprom", {ram_eeprom, 512, 512, kBytes}},
        {"gba_flash_512", {ram_flash, 65536, 64, kKbytes}},
        {"gba_flash_1m", {ram_flash, 131072, 128, kKbytes}},
        {"gba_flash", {ram_flash, 65536, 64, kKbytes}},
    };
    for (const Rule &rule : kRules) {
        if (tag.contains(QLatin1String(rule.tag), Qt::CaseSensitive))
            return rule.type;
    }
    return {ram_none, 0, 0, kBytes};
}

BlockRead block_read(uint32_t offset, uint32_t length)
{
    BlockRead step;
    step.before.push_back(address_select(offset));
    step.windowOffset = 0;
    step.length = length;
    return step;
}

} // namespace gba
