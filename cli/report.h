// The plain-text report of a saved dump: what it is, its hashes, and what
// the verification made of it.
#pragma once

#include "workers/worker.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace cli {

// From the dump's results, which carry the hashes when the run was asked
// for them.
QString dump_report(int consoleCode, const QString &imagePath, const DumpResult &result, const QDateTime &when);

// Writes `text` to `path` whole or not at all.
bool write_text_file(const QString &path, const QString &text, QString *error);

} // namespace cli
