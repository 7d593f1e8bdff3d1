// Dump verification: the catalogue of known good images and the header
// checksums that each family's cartridges carry.
#pragma once

#include "workers/verify/catalogue_index.h"

#include <QByteArray>
#include "workers/types.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <optional>
#include <utility>
#include <vector>

namespace verify {

// Catalogues in the order they are asked: the first that knows an image
// names it.
using CatalogueList = std::vector<const Catalogue *>;

// The image's entry in the first catalogue of `list` that knows it, by its
// size and CRC-32 `crc`, then its SHA-1. `sha1` holds the image's SHA-1 once
// worked out (or already, when the caller has it): it is computed only when
// an entry's size and CRC agree.
std::optional<CatalogueEntry> find_image(const CatalogueList &list, int consoleCode, const uchar *data,
                                         quint32 len, quint32 crc, QByteArray *sha1);

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
