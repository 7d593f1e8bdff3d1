// DAT import and the catalogue index on arbitrary bytes: a DAT that reads
// gives an index in which every entry is found again by its size, CRC-32,
// SHA-1 and serial; any bytes opened as an index are decoded within bounds.
#include "workers/verify/dat_import.h"
#include "workers/verify/serials.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void use_index(const verify::Catalogue &c)
{
    for (const verify::CatalogueEntry &e : c.entries()) {
        c.find(e.crc32, e.size, [&e] { return e.sha1; }, e.family);
        for (const QString &key : verify::serial_keys(e.family, e.serial))
            c.bySerial(e.family, key);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));

    use_index(verify::Catalogue::fromIndex(bytes));

    verify::DatFile dat;
    QString error;
    if (!verify::read_dat(bytes, &dat, &error)) {
        if (error.isEmpty() || !dat.entries.empty())
            std::abort();
        return 0;
    }
    const verify::Catalogue c(dat.entries, dat.info);
    if (c.size() != int(dat.entries.size()) || c.info().name != dat.info.name)
        std::abort();
    for (const verify::CatalogueEntry &e : dat.entries) {
        const auto found = c.find(e.crc32, e.size, [&e] { return e.sha1; }, e.family);
        if (!found || found->crc32 != e.crc32 || found->size != e.size)
            std::abort();
        // Keys past the index's widest are not indexed; no header has one.
        for (const QString &key : verify::serial_keys(e.family, e.serial))
            if (key.toUtf8().size() <= 64 && c.bySerial(e.family, key).empty())
                std::abort();
    }
    return 0;
}
