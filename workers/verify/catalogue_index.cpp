#include "workers/verify/catalogue_index.h"

#include "device/checksum.h"
#include "workers/verify/serials.h"

#include <QCryptographicHash>
#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <tuple>

// The layout is described in tools/gen_verify_catalogue.py, which writes the
// built-in one; build_index() writes the same for imported catalogues.
namespace verify {

namespace detail {
extern const unsigned char catalogue_index[];
extern const std::size_t catalogue_index_size;
} // namespace detail

namespace {

constexpr char kMagic[4] = {'Q', 'V', 'X', '1'};
constexpr quint32 kHeaderSize = 48;
constexpr quint32 kCrcStride = 12;
constexpr quint32 kRecordFixed = 30;   // crc, size, family, flags, SHA-1
constexpr quint32 kMaxKeyWidth = 64;
constexpr int kSha1Size = 20;

quint32 u32(const uchar *p)
{
    return qFromLittleEndian<quint32>(p);
}

void put32(QByteArray *out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out->append(b, 4);
}

void putText(QByteArray *out, const QString &text)
{
    QByteArray utf8 = text.toUtf8();
    // A length field holds 65535 bytes; the importer bounds texts far lower.
    utf8.truncate(0xFFFF);
    char b[2];
    qToLittleEndian(quint16(utf8.size()), b);
    out->append(b, 2);
    out->append(utf8);
}

// Bounds-checked reading of u16-length texts inside [pos, end).
bool takeText(const uchar *base, quint32 *pos, quint32 end, QString *text)
{
    if (end - *pos < 2)
        return false;
    const quint32 len = qFromLittleEndian<quint16>(base + *pos);
    if (end - *pos - 2 < len)
        return false;
    *text = QString::fromUtf8(reinterpret_cast<const char *>(base + *pos + 2), int(len));
    *pos += 2 + len;
    return true;
}

QByteArray paddedKey(const QString &key, quint32 width)
{
    QByteArray k = key.toUtf8();
    if (quint32(k.size()) > width)
        return QByteArray();
    k.append(QByteArray(int(width) - k.size(), '\0'));
    return k;
}

} // namespace

QByteArray build_index(const CatalogueInfo &info, const std::vector<CatalogueEntry> &entries)
{
    QByteArray body;
    std::vector<quint32> offsets;
    offsets.reserve(entries.size());
    std::vector<std::tuple<quint32, quint32, size_t>> byCrc;
    std::vector<std::tuple<int, QByteArray, size_t>> keyed;
    quint32 width = 4;
    for (size_t i = 0; i < entries.size(); ++i) {
        const CatalogueEntry &e = entries[i];
        offsets.push_back(quint32(body.size()));
        put32(&body, e.crc32);
        put32(&body, e.size);
        const bool hasSha1 = e.sha1.size() == kSha1Size;
        body.append(char(quint8(e.family)));
        body.append(char(hasSha1 ? 1 : 0));
        body.append(hasSha1 ? e.sha1 : QByteArray(kSha1Size, '\0'));
        for (const QString *t : {&e.title, &e.year, &e.publisher, &e.serial})
            putText(&body, *t);
        if (e.size)
            byCrc.emplace_back(e.crc32, e.size, i);
        for (const QString &key : serial_keys(e.family, e.serial)) {
            const QByteArray k = key.toUtf8();
            if (quint32(k.size()) <= kMaxKeyWidth) {
                width = std::max(width, quint32(k.size()));
                keyed.emplace_back(e.family, k, i);
            }
        }
    }
    width = (width + 3) / 4 * 4;
    for (auto &k : keyed)
        std::get<1>(k).append(QByteArray(int(width) - std::get<1>(k).size(), '\0'));
    std::sort(byCrc.begin(), byCrc.end());
    std::sort(keyed.begin(), keyed.end());

    QByteArray crcTable, serialTable, meta;
    for (const auto &c : byCrc) {
        put32(&crcTable, std::get<0>(c));
        put32(&crcTable, std::get<1>(c));
        put32(&crcTable, offsets[std::get<2>(c)]);
    }
    for (const auto &k : keyed) {
        put32(&serialTable, offsets[std::get<2>(k)]);
        put32(&serialTable, quint32(std::get<0>(k)));
        serialTable.append(std::get<1>(k));
    }
    putText(&meta, info.name);
    putText(&meta, info.description);
    putText(&meta, info.version);

    const quint32 crcAt = kHeaderSize;
    const quint32 serialAt = crcAt + quint32(crcTable.size());
    const quint32 recordsAt = serialAt + quint32(serialTable.size());
    const quint32 metaAt = recordsAt + quint32(body.size());
    const quint32 total = metaAt + quint32(meta.size());
    QByteArray out(kMagic, 4);
    out.reserve(int(total));
    for (quint32 v : {total, quint32(entries.size()), crcAt, quint32(byCrc.size()), serialAt,
                      quint32(keyed.size()), width, recordsAt, metaAt, quint32(info.kind), 0u})
        put32(&out, v);
    out += crcTable + serialTable + body + meta;
    return out;
}

Catalogue::Catalogue(const std::vector<CatalogueEntry> &entries, const CatalogueInfo &info)
{
    m_data = build_index(info, entries);
    if (!open())
        *this = Catalogue();
}

Catalogue Catalogue::fromIndex(const QByteArray &data)
{
    Catalogue c;
    c.m_data = data;
    if (!c.open())
        return Catalogue();
    return c;
}

bool Catalogue::open()
{
    const quint64 n = quint64(m_data.size());
    if (n < kHeaderSize || std::memcmp(m_data.constData(), kMagic, 4) != 0)
        return false;
    const uchar *h = at(0);
    const quint32 total = u32(h + 4), records = u32(h + 8), crcAt = u32(h + 12), crcCount = u32(h + 16),
                  serialAt = u32(h + 20), serialCount = u32(h + 24), width = u32(h + 28),
                  recordsAt = u32(h + 32), metaAt = u32(h + 36), kind = u32(h + 40);
    if (total != n || width == 0 || width % 4 || width > kMaxKeyWidth || kind > quint32(CatalogueKind::Own))
        return false;
    // The sections follow one another, each inside the data.
    if (crcAt < kHeaderSize || quint64(crcAt) + quint64(crcCount) * kCrcStride > serialAt
        || quint64(serialAt) + quint64(serialCount) * (8 + width) > recordsAt || recordsAt > metaAt
        || metaAt > n || quint64(records) * kRecordFixed > quint64(metaAt - recordsAt))
        return false;
    quint32 pos = metaAt;
    CatalogueInfo info;
    if (!takeText(h, &pos, total, &info.name) || !takeText(h, &pos, total, &info.description)
        || !takeText(h, &pos, total, &info.version))
        return false;
    info.kind = CatalogueKind(kind);
    m_info = info;
    m_records = records;
    m_crcAt = crcAt;
    m_crcCount = crcCount;
    m_serialAt = serialAt;
    m_serialCount = serialCount;
    m_keyWidth = width;
    m_recordsAt = recordsAt;
    m_recordsEnd = metaAt;
    return true;
}

bool Catalogue::decode(quint32 offset, CatalogueEntry *e, quint32 *next) const
{
    if (offset >= m_recordsEnd - m_recordsAt || m_recordsEnd - m_recordsAt - offset < kRecordFixed)
        return false;
    const uchar *base = at(0);
    quint32 pos = m_recordsAt + offset;
    const uchar *r = base + pos;
    e->crc32 = u32(r);
    e->size = u32(r + 4);
    e->family = r[8];
    e->sha1 = (r[9] & 1) ? QByteArray(reinterpret_cast<const char *>(r + 10), kSha1Size) : QByteArray();
    pos += kRecordFixed;
    if (!takeText(base, &pos, m_recordsEnd, &e->title) || !takeText(base, &pos, m_recordsEnd, &e->year)
        || !takeText(base, &pos, m_recordsEnd, &e->publisher) || !takeText(base, &pos, m_recordsEnd, &e->serial))
        return false;
    if (next)
        *next = pos - m_recordsAt;
    e->source = m_info.name;
    e->sourceVersion = m_info.version;
    e->sourceKind = m_info.kind;
    return true;
}

std::optional<CatalogueEntry> Catalogue::find(quint32 crc, quint32 size, const std::function<QByteArray()> &sha1,
                                              int preferredFamily) const
{
    // The first table row whose CRC is not below the image's.
    quint32 lo = 0, hi = m_crcCount;
    while (lo < hi) {
        const quint32 mid = lo + (hi - lo) / 2;
        const uchar *row = at(m_crcAt + mid * kCrcStride);
        if (u32(row) < crc || (u32(row) == crc && u32(row + 4) < size))
            lo = mid + 1;
        else
            hi = mid;
    }
    std::optional<CatalogueEntry> first;
    QByteArray imageSha1;
    for (quint32 i = lo; i < m_crcCount; ++i) {
        const uchar *row = at(m_crcAt + i * kCrcStride);
        if (u32(row) != crc || u32(row + 4) != size)
            break;
        CatalogueEntry e;
        if (!decode(u32(row + 8), &e) || e.crc32 != crc || e.size != size)
            continue;
        if (!e.sha1.isEmpty()) {
            if (imageSha1.isEmpty())
                imageSha1 = sha1();
            if (e.sha1 != imageSha1)
                continue;
        }
        if (preferredFamily && e.family == preferredFamily)
            return e;
        if (!first)
            first = std::move(e);
    }
    return first;
}

std::optional<CatalogueEntry> Catalogue::find(const QByteArray &image, int preferredFamily) const
{
    return find(crc32_buffer(image.constData(), size_t(image.size())), quint32(image.size()),
                [&image] { return QCryptographicHash::hash(image, QCryptographicHash::Sha1); }, preferredFamily);
}

std::vector<CatalogueEntry> Catalogue::withCrc(quint32 crc) const
{
    std::vector<CatalogueEntry> found;
    for (quint32 i = 0; i < m_crcCount; ++i) {
        const uchar *row = at(m_crcAt + i * kCrcStride);
        CatalogueEntry e;
        if (u32(row) == crc && decode(u32(row + 8), &e))
            found.push_back(std::move(e));
    }
    return found;
}

std::vector<CatalogueEntry> Catalogue::bySerial(int family, const QString &key) const
{
    std::vector<CatalogueEntry> found;
    const QByteArray wanted = paddedKey(key, m_keyWidth);
    if (key.isEmpty() || wanted.isEmpty())
        return found;
    const quint32 stride = 8 + m_keyWidth;
    // <0, 0, >0 as the row at `i` sorts before, with, or after the key.
    const auto compare = [&](quint32 i) {
        const uchar *row = at(m_serialAt + i * stride);
        const quint32 f = u32(row + 4);
        if (f != quint32(family))
            return f < quint32(family) ? -1 : 1;
        return std::memcmp(row + 8, wanted.constData(), m_keyWidth);
    };
    quint32 lo = 0, hi = m_serialCount;
    while (lo < hi) {
        const quint32 mid = lo + (hi - lo) / 2;
        if (compare(mid) < 0)
            lo = mid + 1;
        else
            hi = mid;
    }
    // Rows of one key sort by record offset, which is list order.
    for (quint32 i = lo; i < m_serialCount && compare(i) == 0; ++i) {
        CatalogueEntry e;
        if (decode(u32(at(m_serialAt + i * stride)), &e))
            found.push_back(std::move(e));
    }
    return found;
}

std::vector<CatalogueEntry> Catalogue::entries() const
{
    std::vector<CatalogueEntry> all;
    quint32 offset = 0;
    for (quint32 i = 0; i < m_records; ++i) {
        CatalogueEntry e;
        if (!decode(offset, &e, &offset))
            break;
        all.push_back(std::move(e));
    }
    return all;
}

const Catalogue &builtin()
{
    // Read in place from the program's constant data; left to the process end.
    static const Catalogue *catalogue = [] {
        auto *c = new Catalogue(Catalogue::fromIndex(
            QByteArray::fromRawData(reinterpret_cast<const char *>(detail::catalogue_index),
                                    int(detail::catalogue_index_size))));
        if (c->isEmpty())
            qWarning("verify: the built-in catalogue is unreadable; no image will verify");
        return c;
    }();
    return *catalogue;
}

} // namespace verify
