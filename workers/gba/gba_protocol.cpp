#include "workers/gba/gba_protocol.h"

#include <QCoreApplication>
#include <climits>
#include <cstring>

namespace gba {

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
