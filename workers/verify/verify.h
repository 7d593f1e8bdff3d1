// Dump verification: the catalogue of known good images and the header
// checksums that each family's cartridges carry.
#pragma once

#include <QByteArray>
#include "workers/types.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <optional>
#include <utility>
#include <vector>

namespace verify {

struct CatalogueEntry {
    QString title;
    quint32 crc32 = 0;
    QByteArray sha1; // 20 raw bytes
    quint32 size = 0; // 0: known by name only, no image to verify against
    int family = 0;  // console code
    QString year;
    QString publisher;
    QString serial;  // as the list gives it: "MK-1535 (USA), MK-1535-50 (Euro)"
};

class Catalogue {
public:
    Catalogue() = default;
    explicit Catalogue(std::vector<CatalogueEntry> entries);

    // Reads the packed record stream (after qUncompress). Returns an empty
    // catalogue when the stream is malformed.
    static Catalogue fromPacked(const QByteArray &packed);

    // An entry whose CRC-32, SHA-1 and size all equal the image's. Where
    // several do, one of `preferredFamily` wins, else the first listed.
    std::optional<CatalogueEntry> find(const QByteArray &image,
                                       int preferredFamily = 0) const;

    const std::vector<CatalogueEntry> &entries() const { return m_entries; }
    int size() const { return int(m_entries.size()); }

private:
    std::vector<CatalogueEntry> m_entries;
    std::vector<std::pair<quint32, int>> m_byCrc; // sorted (crc, entry index)
};

// The compiled-in catalogue, unpacked on first use.
const Catalogue &builtin();

// None for families without a header checksum, for images too small to
// hold the header and for Master System images without one. The Mega Drive
// sum runs to the end the header declares, the Master System sum over the
// range its size code names.
HeaderCheck check_header(int consoleCode, const QByteArray &image);

struct Verdict {
    std::optional<CatalogueEntry> entry; // set when the image is verified
    HeaderCheck header = HeaderCheck::None;
};

// For callers that translate "Verified: " apart from the title, or write
// the verdict into a report.
Verdict verify_image(int consoleCode, const QByteArray &image,
                     const Catalogue &catalogue = builtin());

// Untranslated source lines for the log, in order; a failed checksum also
// gives the frame's warning line.
QStringList verification_lines(int consoleCode, const QByteArray &image,
                               const Catalogue &catalogue = builtin());

} // namespace verify
