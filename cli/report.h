// The plain-text report of a saved dump: what it is, its hashes, and what
// the verification made of it.
#pragma once

#include "workers/verify/verify.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace cli {

QString dump_report(int consoleCode, const QString &imagePath, const QByteArray &image,
                    const verify::Catalogue &catalogue, const QDateTime &when);

// Writes `text` to `path` whole or not at all.
bool write_text_file(const QString &path, const QString &text, QString *error);

} // namespace cli
