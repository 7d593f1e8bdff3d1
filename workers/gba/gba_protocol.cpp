#include "workers/gba/gba_protocol.h"

#include <QCoreApplication>
#include <QStringList>
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

namespace {
QString field_text(const uint8_t *header, uint32_t offset, uint32_t size)
{
    const char *field = reinterpret_cast<const char *>(header + offset);
    return QString::fromLatin1(field, int(strnlen(field, size)));
}
} // namespace

QString header_title(const uint8_t *header)
{
    return field_text(header, kTitleOffset, kTitleSize);
}

QString maker_code(const uint8_t *header)
{
    return field_text(header, kMakerOffset, kMakerSize);
}

QString serial_game_code(const QString &serial)
{
    // A catalogue number in parentheses is no part of the serial proper;
    // fields are split at '-', and at '_' where a list writes "FDKP_EUR".
    int end = serial.indexOf(QLatin1Char('('));
    if (end < 0)
        end = serial.size();
    int field = 0;
    int start = 0;
    for (int i = 0; i <= end; ++i) {
        const bool last = i == end || serial[i] == QLatin1Char(' ');
        if (!last && serial[i] != QLatin1Char('-') && serial[i] != QLatin1Char('_'))
            continue;
        if (field > 0 && i - start == int(kGameCodeSize))
            return serial.mid(start, i - start);
        if (last)
            break;
        ++field;
        start = i + 1;
    }
    return QString();
}

QString text(const char16_t *column)
{
    return QString::fromUtf16(column);
}

std::vector<size_t> find_rows(const TitleRow *table, size_t count, const QString &code)
{
    std::vector<size_t> found;
    if (code.size() != int(kGameCodeSize))
        return found;
    for (size_t i = 0; i < count; ++i) {
        const QStringList serials = text(table[i].serials).split(QStringLiteral(", "));
        for (const QString &serial : serials) {
            if (serial_game_code(serial) == code) {
                found.push_back(i);
                break;
            }
        }
    }
    return found;
}

bool is_open_bus(const uint8_t *data, uint32_t len, uint32_t offset)
{
    for (uint32_t i = 0; i < len; ++i) {
        const uint32_t address = offset + i;
        const uint16_t halfword = uint16_t(address / 2);
        const uint8_t expected = (address & 1) ? uint8_t(halfword >> 8) : uint8_t(halfword);
        if (data[i] != expected)
            return false;
    }
    return true;
}

uint32_t measure_rom_size(const RomReader &read, bool *readFailed)
{
    *readFailed = false;
    uint8_t probe[kProbeSize];
    const size_t n = sizeof kSizeCandidates / sizeof kSizeCandidates[0];
    for (size_t i = n; i-- > 0;) {
        const uint32_t at = kSizeCandidates[i] - kProbeSize;
        if (!read(at, probe, kProbeSize)) {
            *readFailed = true;
            return 0;
        }
        if (is_open_bus(probe, kProbeSize, at))
            continue;
        // A ROM that is no power of two runs on past this end: the next
        // candidate holds it.
        if (i + 1 < n) {
            const uint32_t above = kSizeCandidates[i];
            if (!read(above, probe, kProbeSize)) {
                *readFailed = true;
                return 0;
            }
            if (!is_open_bus(probe, kProbeSize, above))
                return kSizeCandidates[i + 1];
        }
        return kSizeCandidates[i];
    }
    // Less than the smallest candidate: it still holds a ROM that starts
    // with real data.
    if (!read(0, probe, kProbeSize)) {
        *readFailed = true;
        return 0;
    }
    return is_open_bus(probe, kProbeSize, 0) ? 0 : kSizeCandidates[0];
}

uint32_t measure_rom(const RomReader &read, bool *readFailed, SizeEvidence *how)
{
    *how = SizeEvidence::None;
    *readFailed = false;
    uint8_t start[kProbeSize];
    uint8_t probe[kProbeSize];
    uint8_t below[kProbeSize];
    if (!read(0, start, kProbeSize)) {
        *readFailed = true;
        return 0;
    }
    const uint32_t top = kSizeCandidates[sizeof kSizeCandidates / sizeof kSizeCandidates[0] - 1];
    for (const uint32_t size : kSizeCandidates) {
        if (size == top)
            break;
        if (!read(size, probe, kProbeSize)) {
            *readFailed = true;
            return 0;
        }
        // The floating bus never equals real data, so a match is the ROM.
        if (std::memcmp(probe, start, kProbeSize) != 0 || is_open_bus(start, kProbeSize, 0))
            continue;
        // A second witness: the ROM's last bytes again just below twice the size.
        if (!read(size - kProbeSize, below, kProbeSize) || !read(2 * size - kProbeSize, probe, kProbeSize)) {
            *readFailed = true;
            return 0;
        }
        if (std::memcmp(probe, below, kProbeSize) == 0) {
            *how = SizeEvidence::Repeat;
            return size;
        }
    }
    const uint32_t size = measure_rom_size(read, readFailed);
    if (size)
        *how = SizeEvidence::OpenBus;
    return size;
}

uint32_t repeat_length(const uint8_t *image, uint32_t len)
{
    while (len >= 2 * kBlockSize && len % 2 == 0 && std::memcmp(image, image + len / 2, len / 2) == 0)
        len /= 2;
    return len;
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

verify::HeaderCheck check_header(const uint8_t *p, size_t size)
{
    if (size < 0xC0)
        return verify::HeaderCheck::None;
    uint8_t sum = 0;
    for (size_t i = 0xA0; i <= 0xBC; ++i)
        sum = uint8_t(sum - p[i]);
    sum = uint8_t(sum - 0x19);
    return sum == p[0xBD] ? verify::HeaderCheck::Ok : verify::HeaderCheck::Mismatch;
}

} // namespace gba
