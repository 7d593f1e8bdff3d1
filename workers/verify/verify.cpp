#include "workers/verify/verify.h"

#include "device/checksum.h"
#include "workers/sms/sms_protocol.h"

#include <QCryptographicHash>
#include <QtEndian>
#include <array>

namespace verify {

namespace {

const uchar *bytes(const QByteArray &image)
{
    return reinterpret_cast<const uchar *>(image.constData());
}

quint32 byte_sum(const uchar *p, quint32 n)
{
    quint32 sum = 0;
    for (quint32 i = 0; i < n; ++i)
        sum += p[i];
    return sum;
}

quint32 highest_power_of_two_at_most(quint32 n)
{
    quint32 p = 1;
    while (p <= n / 2)
        p <<= 1;
    return p;
}

// Sum over the image as the console's address space presents it: a size
// that is not a power of two is filled up to the next one by repeating its
// tail, which may itself be such a size.
quint32 snes_mirrored_sum(const uchar *p, quint32 len)
{
    if (len == 0)
        return 0;
    const quint32 head = highest_power_of_two_at_most(len);
    if (head == len)
        return byte_sum(p, len);
    const quint32 tailLen = len - head;
    quint32 tailSpan = highest_power_of_two_at_most(tailLen);
    if (tailSpan < tailLen)
        tailSpan <<= 1;
    return byte_sum(p, head) + snes_mirrored_sum(p + head, tailLen) * (head / tailSpan);
}

HeaderCheck check_gb(const QByteArray &image)
{
    if (image.size() < 0x150)
        return HeaderCheck::None;
    const uchar *p = bytes(image);

    quint8 header = 0;
    for (int i = 0x134; i <= 0x14C; ++i)
        header = quint8(header - p[i] - 1);

    const quint16 stored = quint16((p[0x14E] << 8) | p[0x14F]);
    const quint16 global = quint16(byte_sum(p, quint32(image.size())) - p[0x14E] - p[0x14F]);

    return header == p[0x14D] && global == stored ? HeaderCheck::Ok : HeaderCheck::Mismatch;
}

HeaderCheck check_gba(const QByteArray &image)
{
    if (image.size() < 0xC0)
        return HeaderCheck::None;
    const uchar *p = bytes(image);
    quint8 sum = 0;
    for (int i = 0xA0; i <= 0xBC; ++i)
        sum = quint8(sum - p[i]);
    sum = quint8(sum - 0x19);
    return sum == p[0xBD] ? HeaderCheck::Ok : HeaderCheck::Mismatch;
}

HeaderCheck check_md(const QByteArray &image)
{
    if (image.size() < 0x200)
        return HeaderCheck::None;
    const uchar *p = bytes(image);
    // The sum covers the ROM the header declares; an overdump's repeats
    // past it are not part of it. A short image sums what it has.
    const quint32 end = qFromBigEndian<quint32>(p + 0x1A4);
    const int n = end >= 0x200 && end < quint32(image.size()) ? int(end) + 1 : image.size();
    quint16 sum = 0;
    int i = 0x200;
    for (; i + 1 < n; i += 2)
        sum = quint16(sum + ((p[i] << 8) | p[i + 1]));
    if (i < n) // an odd last byte counts as the high half of a word
        sum = quint16(sum + (p[i] << 8));
    const quint16 stored = quint16((p[0x18E] << 8) | p[0x18F]);
    return sum == stored ? HeaderCheck::Ok : HeaderCheck::Mismatch;
}

HeaderCheck check_sms(const QByteArray &image)
{
    const uchar *p = bytes(image);
    const sms::Header h = sms::find_header(p, size_t(image.size()));
    if (!h.found)
        return HeaderCheck::None;
    const quint32 end = h.declaredSize;
    if (end == 0 || end > quint32(image.size()))
        return HeaderCheck::Mismatch;
    // Every byte of the range but the header's own 16.
    const quint16 sum = quint16(byte_sum(p, end) - (h.offset < end ? byte_sum(p + h.offset, 16) : 0));
    return sum == h.checksum ? HeaderCheck::Ok : HeaderCheck::Mismatch;
}

struct SnesLocation {
    quint32 base;
    bool (*modeFits)(quint8 mode);
};

bool lorom_mode(quint8 mode)
{
    const int kind = mode & 0x0F;
    return (mode & 0xE0) == 0x20 && (kind == 0x0 || kind == 0x2 || kind == 0x3);
}
bool hirom_mode(quint8 mode)
{
    const int kind = mode & 0x0F;
    return (mode & 0xE0) == 0x20 && (kind == 0x1 || kind == 0xA);
}
bool exhirom_mode(quint8 mode)
{
    return (mode & 0xE0) == 0x20 && (mode & 0x0F) == 0x5;
}

HeaderCheck check_sfc(const QByteArray &image)
{
    static const std::array<SnesLocation, 3> locations{{
        {0x7FC0, lorom_mode},
        {0xFFC0, hirom_mode},
        {0x40FFC0, exhirom_mode},
    }};
    const quint32 n = quint32(image.size());
    if (n < locations[0].base + 0x40)
        return HeaderCheck::None;
    const uchar *p = bytes(image);
    const quint16 sum = quint16(snes_mirrored_sum(p, n));

    // The header is where a complementary pair sits, preferably one that
    // matches the image and next to a map mode byte that belongs there.
    int bestScore = -1;
    bool bestOk = false;
    for (const SnesLocation &loc : locations) {
        if (n < loc.base + 0x40)
            break;
        const uchar *h = p + loc.base;
        const quint16 complement = quint16(h[0x1C] | (h[0x1D] << 8));
        const quint16 checksum = quint16(h[0x1E] | (h[0x1F] << 8));
        const bool pair = (checksum ^ complement) == 0xFFFF;
        const bool ok = pair && checksum == sum;
        const int score = (ok ? 4 : 0) + (pair ? 2 : 0) + (loc.modeFits(h[0x15]) ? 1 : 0);
        if (score > bestScore) {
            bestScore = score;
            bestOk = ok;
        }
    }
    return bestOk ? HeaderCheck::Ok : HeaderCheck::Mismatch;
}

} // namespace

std::optional<CatalogueEntry> find_image(const CatalogueList &list, int consoleCode, const uchar *data,
                                         quint32 len, quint32 crc, QByteArray *sha1)
{
    const auto imageSha1 = [&] {
        if (sha1->isEmpty())
            *sha1 = QCryptographicHash::hash(
                QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(len)), QCryptographicHash::Sha1);
        return *sha1;
    };
    for (const Catalogue *c : list)
        if (std::optional<CatalogueEntry> e = c->find(crc, len, imageSha1, consoleCode))
            return e;
    return std::nullopt;
}

HeaderCheck check_header(int consoleCode, const QByteArray &image)
{
    switch (consoleCode) {
    case 2:
        return check_gb(image);
    case 3:
        return check_gba(image);
    case 15:
        return check_sfc(image);
    case 18:
        return check_sms(image);
    case 19:
        return check_md(image);
    default:
        return HeaderCheck::None;
    }
}

Verdict verify_image(int consoleCode, const QByteArray &image, const Catalogue &catalogue)
{
    return {catalogue.find(image, consoleCode), check_header(consoleCode, image)};
}

QStringList verification_lines(int consoleCode, const QByteArray &image, const Catalogue &catalogue)
{
    const Verdict verdict = verify_image(consoleCode, image, catalogue);
    QStringList lines;
    if (verdict.entry)
        lines << QStringLiteral("Verified: ") + verdict.entry->title;
    else
        lines << QStringLiteral("Not in the catalogue.");

    switch (verdict.header) {
    case HeaderCheck::Ok:
        lines << QStringLiteral("Header checksum OK.");
        break;
    case HeaderCheck::Mismatch:
        lines << QStringLiteral("Header checksum mismatch.")
              << QStringLiteral("Warning: the image fails its header checksum; it may be a bad dump.");
        break;
    case HeaderCheck::None:
        break;
    }
    return lines;
}

} // namespace verify
