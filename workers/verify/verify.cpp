#include "workers/verify/verify.h"

#include "device/checksum.h"
#include "workers/registry.h"

#include <QCryptographicHash>
#include <QtEndian>
#include <algorithm>
#include <cstring>

namespace verify {

namespace detail {
extern const unsigned char catalogue_data[];
extern const std::size_t catalogue_data_size;
} // namespace detail

namespace {

constexpr int kSha1Size = 20;

// Bounds-checked reader over the packed record stream.
class Reader {
public:
    explicit Reader(const QByteArray &data) : m_data(data) {}

    bool take(int n, const char **out)
    {
        if (n < 0 || m_data.size() - m_pos < n)
            return false;
        *out = m_data.constData() + m_pos;
        m_pos += n;
        return true;
    }
    bool u8(quint8 *v)
    {
        const char *p;
        if (!take(1, &p))
            return false;
        *v = quint8(*p);
        return true;
    }
    bool u16(quint16 *v)
    {
        const char *p;
        if (!take(2, &p))
            return false;
        *v = qFromBigEndian<quint16>(p);
        return true;
    }
    bool u32(quint32 *v)
    {
        const char *p;
        if (!take(4, &p))
            return false;
        *v = qFromBigEndian<quint32>(p);
        return true;
    }
    // u16 length, then UTF-8.
    bool text(QString *v)
    {
        quint16 len;
        const char *p;
        if (!u16(&len) || !take(len, &p))
            return false;
        *v = QString::fromUtf8(p, len);
        return true;
    }
    bool atEnd() const { return m_pos == m_data.size(); }

private:
    const QByteArray &m_data;
    int m_pos = 0;
};

} // namespace

Catalogue::Catalogue(std::vector<CatalogueEntry> entries) : m_entries(std::move(entries))
{
    m_byCrc.reserve(m_entries.size());
    for (size_t i = 0; i < m_entries.size(); ++i)
        m_byCrc.emplace_back(m_entries[i].crc32, int(i));
    std::sort(m_byCrc.begin(), m_byCrc.end());
}

Catalogue Catalogue::fromPacked(const QByteArray &packed)
{
    Reader in(packed);
    const char *magic;
    quint32 count;
    if (!in.take(4, &magic) || std::memcmp(magic, "QVC2", 4) != 0 || !in.u32(&count))
        return {};
    // Each record takes at least 37 bytes; a count beyond that is corrupt.
    if (count > quint32(packed.size()) / 37)
        return {};

    std::vector<CatalogueEntry> entries;
    entries.reserve(count);
    for (quint32 i = 0; i < count; ++i) {
        CatalogueEntry e;
        quint8 family;
        const char *sha1;
        if (!in.u32(&e.crc32) || !in.u32(&e.size) || !in.u8(&family)
            || !in.take(kSha1Size, &sha1) || !in.text(&e.title) || !in.text(&e.year)
            || !in.text(&e.publisher) || !in.text(&e.serial))
            return {};
        e.family = family;
        e.sha1 = QByteArray(sha1, kSha1Size);
        entries.push_back(std::move(e));
    }
    if (!in.atEnd())
        return {};
    return Catalogue(std::move(entries));
}

std::optional<CatalogueEntry> Catalogue::find(const QByteArray &image, int preferredFamily) const
{
    const quint32 crc = crc32_buffer(image.constData(), size_t(image.size()));
    auto it = std::lower_bound(m_byCrc.begin(), m_byCrc.end(), std::make_pair(crc, 0));

    QByteArray sha1; // computed once, only when a CRC and size agree
    const CatalogueEntry *first = nullptr;
    for (; it != m_byCrc.end() && it->first == crc; ++it) {
        const CatalogueEntry &e = m_entries[size_t(it->second)];
        if (e.size == 0 || qint64(e.size) != qint64(image.size()))
            continue;
        if (sha1.isEmpty())
            sha1 = QCryptographicHash::hash(image, QCryptographicHash::Sha1);
        if (e.sha1 != sha1)
            continue;
        if (e.family == preferredFamily)
            return e;
        if (!first)
            first = &e;
    }
    if (first)
        return *first;
    return std::nullopt;
}

const Catalogue &builtin()
{
    static const Catalogue catalogue = [] {
        const QByteArray packed = qUncompress(detail::catalogue_data,
                                              int(detail::catalogue_data_size));
        Catalogue c = Catalogue::fromPacked(packed);
        if (c.size() == 0)
            qWarning("verify: the built-in catalogue is unreadable; no image will verify");
        return c;
    }();
    return catalogue;
}

HeaderCheck check_header(int consoleCode, const QByteArray &image)
{
    const Family *family = find_family(consoleCode);
    if (!family || !family->checkHeader)
        return HeaderCheck::None;
    return family->checkHeader(reinterpret_cast<const uint8_t *>(image.constData()), size_t(image.size()));
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
