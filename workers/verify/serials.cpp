#include "workers/verify/serials.h"

#include "workers/registry.h"

#include <QRegularExpression>

namespace verify {

namespace {

bool is_code_char(QChar c)
{
    return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || (c >= QLatin1Char('0') && c <= QLatin1Char('9'));
}

bool is_code(const QString &s, int length)
{
    if (s.size() != length)
        return false;
    for (QChar c : s)
        if (!is_code_char(c))
            return false;
    return true;
}

} // namespace

// "SHVC-AQ4J-JPN", "SNS-C5-USA", "CGB-AXPP-UKV": console prefix, then the code.
QString game_code_key(const QString &token, bool twoLetterCodes)
{
    const QStringList parts = token.split(QLatin1Char('-'));
    if (parts.size() < 2)
        return {};
    static const QRegularExpression prefix(QStringLiteral("^[A-Z/]{2,}$"));
    if (!prefix.match(parts[0]).hasMatch())
        return {};
    if (is_code(parts[1], 4) || (twoLetterCodes && is_code(parts[1], 2)))
        return parts[1];
    return {};
}

QStringList serial_keys(int family, const QString &serial)
{
    static const QRegularExpression note(QStringLiteral("\\([^)]*\\)"));
    QStringList keys;
    const Family *rule = find_family(family);
    if (!rule || !rule->serialKey)
        return keys;
    for (QString token : serial.split(QLatin1Char(','))) {
        token = token.remove(note).trimmed();
        if (token.isEmpty())
            continue;
        const QString key = rule->serialKey(token);
        if (!key.isEmpty() && !keys.contains(key))
            keys << key;
    }
    return keys;
}

std::vector<CatalogueEntry> find_by_serial(const Catalogue &catalogue, int family, const QString &key)
{
    return catalogue.bySerial(family, key);
}

QString sfc_game_code(const uint8_t *header)
{
    // The extended header is there only when the maker byte says so.
    if (header[0x1A] != 0x33)
        return {};
    const QString code = QString::fromLatin1(reinterpret_cast<const char *>(header - 0x0E), 4);
    if (is_code(code, 4))
        return code;
    if (code.endsWith(QLatin1String("  ")) && is_code(code.left(2), 2))
        return code.left(2);
    return {};
}

QString gb_game_code(const uint8_t *rom, size_t len)
{
    if (len < 0x150)
        return {};
    // Older carts fill these bytes with the title; the code comes with the
    // new licensee field (0x33 at 0x14B).
    if (rom[0x14B] != 0x33)
        return {};
    const QString code = QString::fromLatin1(reinterpret_cast<const char *>(rom + 0x13F), 4);
    return is_code(code, 4) ? code : QString();
}

} // namespace verify
