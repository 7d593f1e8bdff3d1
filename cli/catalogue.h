// The catalogue commands of the headless program: import DAT files, list,
// remove one, and add an entry of the user's own.
#pragma once

#include "cli/options.h"
#include "cli/output.h"

namespace cli {

// Runs `catalogue ACTION …`; returns the exit status.
int catalogue_command(const Options &o, Printer &printer);

// "NAME, version V" or "NAME" of where a catalogue entry came from.
QString source_text(const QString &name, const QString &version);

} // namespace cli
