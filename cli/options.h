// The headless front end's command line: commands, options, and the size and
// mapper forms, checked against the family's option lists.
#pragma once

#include "workers/option_lists.h"

#include <QString>
#include <QStringList>

namespace cli {

enum class Command { None, Info, Dump, Auto, ListDrives, Catalogue, Help, Version, ReadSave, WriteSave };

struct Options {
    Command command = Command::None;
    int console = 0;        // console code; 0 when --console was not given
    QString family;         // "md", "sms", "msx", "sfc", "gb", "gba"
    bool hasSize = false;
    int romSize = 0;        // a ROM SIZE option value of the family
    bool hasMapper = false;
    int mapper = 0;         // an MMC TYPE option value of the family
    QString output;
    QString simulate;       // image path, "demo", or empty
    QString report;
    bool force = false;     // replace an existing OUTPUT
    // catalogue: "import", "list", "remove" or "add", and its arguments
    // (DAT files, the name to remove, or the image to add).
    QString catalogueAction;
    QStringList catalogueArgs;
    QString name;           // --name of catalogue add
    bool readTwice = false; // read every block until two reads agree
    bool hasRamSize = false;
    int ramSize = 0;        // --ram-size in bytes
    QString input;          // write-save: the save file to write
    QString backup;         // write-save: where the cartridge's save is kept
};

// A save size in the forms of --size, any whole number of bytes up to
// 256 KiB. False with a message.
bool parse_ram_size(const QString &text, int *bytes, QString *error);

// Console code of a family name as --console spells it; 0 for none.
int console_for_family(const QString &name);
// The --console name of a console code; empty for none.
QString family_for_console(int code);
// The family's label from the console table ("GB/GBC").
QString console_label(int code);

// "name (value), name (value), …" of a list, names trimmed.
QString option_choices(const OptionEntry *list);

// A size in bytes, K/KiB, M/MiB or Mbit form that is one of the family's
// ROM SIZE option values. False with a message naming the choices.
bool parse_size(const QString &text, int consoleCode, int *bytes, QString *error);
// An MMC TYPE option name (case and surrounding blanks ignored) or value of
// the family. False with a message naming the choices.
bool parse_mapper(const QString &text, int consoleCode, int *value, QString *error);

// False with a message for any bad usage; `args` excludes the program name.
bool parse_arguments(const QStringList &args, Options *options, QString *error);

QString usage_text();

} // namespace cli
