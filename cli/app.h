// The headless front end: one call runs one command line to its end.
#pragma once

#include <QStringList>
#include <QTextStream>

namespace cli {

enum ExitStatus { exit_success = 0, exit_failure = 1, exit_usage = 2, exit_suspect = 3 };

// Runs the command line `args` (without the program name); log lines go to
// `out`, messages to `err`. `progressLine`: `err` is a terminal that can
// show an updating progress line. Needs a QCoreApplication.
int run(const QStringList &args, QTextStream &out, QTextStream &err, bool progressLine);

// SIGINT and SIGTERM cancel the run: it ends with "Dump canceled.", no
// file, and the status 128 + the signal's number. A second signal ends the
// process at once, removing the partial image. Also forgets a signal
// received before.
void install_signal_handlers();

} // namespace cli
