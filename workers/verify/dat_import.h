// Reading the DAT files preservation groups publish (Logiqx XML) into
// catalogue entries. The files come from anywhere: everything is bounded,
// and a file is either read whole or refused with the place of the fault.
#pragma once

#include "workers/verify/catalogue_index.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <vector>

class QIODevice;

namespace verify {

struct DatFile {
    CatalogueInfo info;                  // name, description, version; kind Dat
    std::vector<CatalogueEntry> entries; // one per usable rom, in file order
    int skipped = 0;                     // rom elements without a usable size and CRC-32
};

// Larger files are refused before they are read.
constexpr qint64 kMaxDatBytes = 256ll * 1024 * 1024;

// Reads a DAT from `in`. False with `error` ("line L, column C: why") for a
// file that is not well-formed XML, declares entities of its own (a DOCTYPE
// with an internal subset), is not a Logiqx DAT, has no header name, or
// passes a limit. `progress(read, total)` is called as the file is read.
bool read_dat(QIODevice *in, DatFile *out, QString *error,
              const std::function<void(qint64, qint64)> &progress = {});
bool read_dat(const QByteArray &data, DatFile *out, QString *error);

// The console code a DAT is for, from its header name or description
// ("Nintendo - Game Boy Advance"); 0 when they do not say.
int dat_family(const QString &name, const QString &description);

} // namespace verify
