// The headless front end: one call runs one command line to its end.
#pragma once

#include <QStringList>
#include <QTextStream>

namespace cli {

enum ExitStatus { exit_success = 0, exit_failure = 1, exit_usage = 2 };

// Runs the command line `args` (without the program name); log lines go to
// `out`, messages to `err`. `progressLine`: `err` is a terminal that can
// show an updating progress line. Needs a QCoreApplication.
int run(const QStringList &args, QTextStream &out, QTextStream &err, bool progressLine);

} // namespace cli
