// The catalogue index: one read-only form for the built-in catalogue (made
// at build time by tools/gen_verify_catalogue.py) and for the catalogues a
// user imports. Lookups search its sorted tables in place; a record is
// decoded only when a lookup finds it, so opening one costs next to nothing.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

namespace verify {

enum class CatalogueKind : quint32 {
    Builtin = 0,
    Dat = 1,   // a DAT file a preservation group published
    Own = 2,   // entries the user added for images of their own
};

struct CatalogueInfo {
    QString name;
    QString description;
    QString version;
    CatalogueKind kind = CatalogueKind::Builtin;
};

struct CatalogueEntry {
    QString title;
    quint32 crc32 = 0;
    QByteArray sha1; // 20 raw bytes; empty where the list gives none
    quint32 size = 0; // 0: known by name only, no image to verify against
    int family = 0;  // console code; 0: a list that does not say
    QString year;
    QString publisher;
    QString serial;  // as the list gives it: "MK-1535 (USA), MK-1535-50 (Euro)"
    // The catalogue the entry was found in.
    QString source;
    QString sourceVersion;
    CatalogueKind sourceKind = CatalogueKind::Builtin;
};

// The index form of `entries`, in their order.
QByteArray build_index(const CatalogueInfo &info, const std::vector<CatalogueEntry> &entries);

class Catalogue {
public:
    Catalogue() = default;
    explicit Catalogue(const std::vector<CatalogueEntry> &entries, const CatalogueInfo &info = {});

    // Reads an index in place, sharing `data`. Empty when `data` is not a
    // whole, consistent index; records are checked as they are decoded.
    static Catalogue fromIndex(const QByteArray &data);

    bool isEmpty() const { return m_records == 0; }
    int size() const { return int(m_records); }
    const CatalogueInfo &info() const { return m_info; }
    const QByteArray &indexData() const { return m_data; }

    // An entry whose size and CRC-32 equal the image's, and its SHA-1 too
    // where the entry has one. `sha1` is called only once such a candidate
    // is found. Where several match, one of `preferredFamily` wins, else
    // the first listed.
    std::optional<CatalogueEntry> find(quint32 crc, quint32 size, const std::function<QByteArray()> &sha1,
                                       int preferredFamily = 0) const;
    std::optional<CatalogueEntry> find(const QByteArray &image, int preferredFamily = 0) const;

    std::vector<CatalogueEntry> withCrc(quint32 crc) const;
    // Every entry of `family` whose serial gives `key` (verify::serial_keys),
    // in list order.
    std::vector<CatalogueEntry> bySerial(int family, const QString &key) const;
    // Every record, decoded.
    std::vector<CatalogueEntry> entries() const;

private:
    bool open();
    bool decode(quint32 offset, CatalogueEntry *e, quint32 *next = nullptr) const;
    const uchar *at(quint32 offset) const { return reinterpret_cast<const uchar *>(m_data.constData()) + offset; }

    QByteArray m_data;
    CatalogueInfo m_info;
    quint32 m_records = 0;
    quint32 m_crcAt = 0, m_crcCount = 0;
    quint32 m_serialAt = 0, m_serialCount = 0, m_keyWidth = 0;
    quint32 m_recordsAt = 0, m_recordsEnd = 0;
};

// The compiled-in catalogue, read in place.
const Catalogue &builtin();

} // namespace verify
