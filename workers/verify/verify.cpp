#include "workers/verify/verify.h"

#include "device/checksum.h"
#include "workers/registry.h"

#include <QCryptographicHash>

namespace verify {

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
