// The plain-text report of a saved dump: what it is, its hashes, and what
// the verification made of it.
#pragma once

#include "workers/worker.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace cli {

// The outcome's word as the headless program prints it ("suspect").
QString outcome_word(DumpOutcome outcome);

// From the dump's results, which carry the hashes when the run was asked
// for them. `readAgain`: the blocks a read-twice run read more than twice;
// -1 when the run read each block once.
QString dump_report(int consoleCode, const QString &imagePath, const DumpResult &result, const QDateTime &when,
                    DumpOutcome outcome, int readAgain);

// Writes `text` to `path` whole or not at all.
bool write_text_file(const QString &path, const QString &text, QString *error);

// Whether `a` and `b` are one file on disk, whatever links lead to it: the
// same device and inode (volume and file index on Windows). False when
// either is missing.
bool same_file(const QString &a, const QString &b);

// Why the report may not go to `report` beside the image `image`, or empty.
// A report never replaces the image, through whatever link; another
// existing file, or a link of any kind, is replaced only with `force`.
QString report_refusal(const QString &report, const QString &image, bool force);

} // namespace cli
