#include "cli/options.h"

#include "workers/registry.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace cli {

namespace {

constexpr int kRomSizeRow = 2;
constexpr int kMapperRow = 1;

bool at_end(const OptionEntry &entry, int position)
{
    return entry.index == -1 || position >= kMaxOptions;
}

QString family_choices()
{
    QStringList names;
    for (const Family *f : families())
        names << QString::fromLatin1(f->name);
    return names.join(QStringLiteral(", "));
}

// Bytes per unit of a size suffix; 0 for an unknown suffix.
qint64 unit_bytes(const QString &suffix)
{
    const QString s = suffix.toLower();
    if (s.isEmpty() || s == QLatin1String("b") || s == QLatin1String("bytes"))
        return 1;
    if (s == QLatin1String("k") || s == QLatin1String("kb") || s == QLatin1String("kib")
        || s == QLatin1String("kbytes"))
        return 1024;
    if (s == QLatin1String("m") || s == QLatin1String("mb") || s == QLatin1String("mib")
        || s == QLatin1String("mbytes"))
        return 1024 * 1024;
    if (s == QLatin1String("mbit") || s == QLatin1String("mbits"))
        return 1024 * 1024 / 8;
    return 0;
}

bool list_has_value(const OptionEntry *list, qint64 value)
{
    for (int i = 0; !at_end(list[i], i); ++i)
        if (list[i].value == value)
            return true;
    return false;
}

// Decimal, or hexadecimal with 0x; false for anything else.
bool parse_integer(const QString &text, qint64 *value)
{
    bool ok = false;
    const QString t = text.trimmed();
    if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        *value = t.mid(2).toLongLong(&ok, 16);
    else if (!t.isEmpty() && t.at(0).isDigit())
        *value = t.toLongLong(&ok, 10);
    return ok;
}

const char kSizeForms[] = "bytes (524288), K or KiB (512K), M or MiB (4M), or Mbit (32Mbit)";

} // namespace

int console_for_family(const QString &name)
{
    const Family *f = find_family_named(name);
    return f ? f->code() : 0;
}

QString family_for_console(int code)
{
    const Family *f = find_family(code);
    return f ? QString::fromLatin1(f->name) : QString();
}

QString console_label(int code)
{
    const Family *f = find_family(code);
    return f ? QString::fromLatin1(f->label) : QString();
}

QString option_choices(const OptionEntry *list)
{
    QStringList items;
    for (int i = 0; list && !at_end(list[i], i); ++i)
        items << QStringLiteral("\"%1\" (%2)")
                     .arg(QString::fromLatin1(list[i].name).trimmed())
                     .arg(list[i].value);
    return items.join(QStringLiteral(", "));
}

bool parse_size(const QString &text, int consoleCode, int *bytes, QString *error)
{
    const OptionEntry *list = option_list(consoleCode, kRomSizeRow);
    if (!list) {
        *error = QStringLiteral("no family chosen for the size; give --console (%1)").arg(family_choices());
        return false;
    }
    static const QRegularExpression form(QStringLiteral("^\\s*(\\d{1,12})\\s*([A-Za-z]*)\\s*$"));
    const QRegularExpressionMatch m = form.match(text);
    const qint64 unit = m.hasMatch() ? unit_bytes(m.captured(2)) : 0;
    if (!unit) {
        *error = QStringLiteral("\"%1\" is not a size; write %2. ROM SIZE options of %3: %4")
                     .arg(text, QLatin1String(kSizeForms), console_label(consoleCode),
                          option_choices(list));
        return false;
    }
    const qint64 value = m.captured(1).toLongLong() * unit;
    if (!list_has_value(list, value)) {
        *error = QStringLiteral("%1 is not a ROM SIZE option of %2; choose one of: %3")
                     .arg(text.trimmed(), console_label(consoleCode), option_choices(list));
        return false;
    }
    *bytes = int(value);
    return true;
}

bool parse_ram_size(const QString &text, int *bytes, QString *error)
{
    static const QRegularExpression form(QStringLiteral("^\\s*(\\d{1,12})\\s*([A-Za-z]*)\\s*$"));
    const QRegularExpressionMatch m = form.match(text);
    const qint64 unit = m.hasMatch() ? unit_bytes(m.captured(2)) : 0;
    const qint64 value = unit ? m.captured(1).toLongLong() * unit : 0;
    if (value <= 0 || value > 256 * 1024) {
        *error = QStringLiteral("\"%1\" is not a save size; write bytes (8192) or K (8K), at most 256K").arg(text);
        return false;
    }
    *bytes = int(value);
    return true;
}

bool parse_mapper(const QString &text, int consoleCode, int *value, QString *error)
{
    const OptionEntry *list = option_list(consoleCode, kMapperRow);
    if (!list) {
        *error = QStringLiteral("no family chosen for the mapper; give --console (%1)").arg(family_choices());
        return false;
    }
    const QString wanted = text.trimmed();
    for (int i = 0; !at_end(list[i], i); ++i) {
        if (QString::fromLatin1(list[i].name).trimmed().compare(wanted, Qt::CaseInsensitive) == 0) {
            *value = list[i].value;
            return true;
        }
    }
    qint64 number = 0;
    if (parse_integer(wanted, &number) && list_has_value(list, number)) {
        *value = int(number);
        return true;
    }
    *error = QStringLiteral("\"%1\" is not an MMC TYPE option of %2; give a name or a value: %3")
                 .arg(text, console_label(consoleCode), option_choices(list));
    return false;
}

namespace {

struct Given {
    bool console, size, mapper, simulate, report, name;
};

// catalogue import FILE... | list | remove NAME | add IMAGE --name TITLE [--console FAMILY]
bool parse_catalogue(Options o, QStringList positional, const Given &given, const QString &console,
                     Options *options, QString *error)
{
    o.command = Command::Catalogue;
    if (positional.isEmpty()) {
        *error = QStringLiteral("catalogue needs an action: import, list, remove or add");
        return false;
    }
    o.catalogueAction = positional.takeFirst();
    o.catalogueArgs = positional;
    const QString &action = o.catalogueAction;
    const int count = positional.size();
    if (action == QLatin1String("import")) {
        if (count == 0) {
            *error = QStringLiteral("catalogue import needs one or more DAT files");
            return false;
        }
    } else if (action == QLatin1String("list")) {
        if (count) {
            *error = QStringLiteral("unexpected argument \"%1\" after catalogue list").arg(positional.first());
            return false;
        }
    } else if (action == QLatin1String("remove") || action == QLatin1String("add")) {
        if (count != 1) {
            *error = action == QLatin1String("remove")
                         ? QStringLiteral("catalogue remove needs the NAME of one imported catalogue")
                         : QStringLiteral("catalogue add needs one IMAGE file");
            return false;
        }
    } else {
        *error = QStringLiteral("unknown catalogue action \"%1\"; the actions are import, list, remove and add")
                     .arg(action);
        return false;
    }
    const bool adding = action == QLatin1String("add");
    if (given.size || given.mapper || given.simulate || given.report || o.force || (!adding && (given.console || given.name))) {
        *error = adding ? QStringLiteral("catalogue add takes only --name and --console")
                        : QStringLiteral("catalogue %1 takes no options").arg(action);
        return false;
    }
    if (adding && !given.name) {
        *error = QStringLiteral("catalogue add needs --name \"TITLE\"");
        return false;
    }
    if (given.console) {
        o.console = console_for_family(console);
        if (!o.console) {
            *error = QStringLiteral("unknown console \"%1\"; choose one of: %2").arg(console, family_choices());
            return false;
        }
        o.family = family_for_console(o.console);
    }
    *options = o;
    return true;
}

} // namespace

bool parse_arguments(const QStringList &args, Options *options, QString *error)
{
    Options o;
    QStringList positional;
    QString console, size, mapper, ramSize;
    bool haveConsole = false, haveSize = false, haveMapper = false, haveSimulate = false,
         haveReport = false, haveName = false, haveRamSize = false, haveBackup = false;
    bool help = false, version = false;

    struct Valued {
        const char *name;
        QString *target;
        bool *seen;
    };
    const Valued valued[] = {
        {"--console", &console, &haveConsole}, {"--size", &size, &haveSize},
        {"--mapper", &mapper, &haveMapper},    {"--simulate", &o.simulate, &haveSimulate},
        {"--report", &o.report, &haveReport},  {"--name", &o.name, &haveName},
        {"--ram-size", &ramSize, &haveRamSize}, {"--backup", &o.backup, &haveBackup},
    };

    bool optionsEnded = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (optionsEnded || !arg.startsWith(QLatin1Char('-')) || arg == QLatin1String("-")) {
            positional << arg;
            continue;
        }
        if (arg == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            help = true;
            continue;
        }
        if (arg == QLatin1String("--version")) {
            version = true;
            continue;
        }
        if (arg == QLatin1String("--force")) {
            o.force = true;
            continue;
        }
        if (arg == QLatin1String("--read-twice")) {
            o.readTwice = true;
            continue;
        }
        const int eq = arg.indexOf(QLatin1Char('='));
        const QString name = eq < 0 ? arg : arg.left(eq);
        const Valued *option = nullptr;
        for (const Valued &v : valued)
            if (name == QLatin1String(v.name))
                option = &v;
        if (!option) {
            *error = QStringLiteral("unknown option %1; the options are --console, --size, "
                                    "--mapper, --ram-size, --backup, --simulate, --report, --name, --force, "
                                    "--read-twice, --help and --version")
                         .arg(name);
            return false;
        }
        if (*option->seen) {
            *error = QStringLiteral("%1 is given twice").arg(name);
            return false;
        }
        QString value;
        if (eq >= 0) {
            value = arg.mid(eq + 1);
        } else if (i + 1 < args.size() && !args.at(i + 1).startsWith(QLatin1String("--"))) {
            value = args.at(++i);
        } else {
            *error = QStringLiteral("%1 needs a value").arg(name);
            return false;
        }
        if (value.trimmed().isEmpty()) {
            *error = QStringLiteral("%1 needs a value").arg(name);
            return false;
        }
        *option->target = value;
        *option->seen = true;
    }

    if (help || version) {
        o.command = help ? Command::Help : Command::Version;
        *options = o;
        return true;
    }
    if (positional.isEmpty()) {
        *error = QStringLiteral("no command given; the commands are info, dump, auto, list-drives, read-save, "
                                "write-save and catalogue");
        return false;
    }
    const QString command = positional.takeFirst();
    if (command == QLatin1String("info"))
        o.command = Command::Info;
    else if (command == QLatin1String("dump"))
        o.command = Command::Dump;
    else if (command == QLatin1String("auto"))
        o.command = Command::Auto;
    else if (command == QLatin1String("list-drives"))
        o.command = Command::ListDrives;
    else if (command == QLatin1String("read-save"))
        o.command = Command::ReadSave;
    else if (command == QLatin1String("write-save"))
        o.command = Command::WriteSave;
    else if (command == QLatin1String("catalogue")) {
        if (haveRamSize || haveBackup || o.readTwice) {
            *error = QStringLiteral("catalogue takes none of --ram-size, --backup and --read-twice");
            return false;
        }
        return parse_catalogue(o, positional, {haveConsole, haveSize, haveMapper, haveSimulate, haveReport, haveName},
                               console, options, error);
    } else {
        *error = QStringLiteral("unknown command \"%1\"; the commands are info, dump, auto, list-drives, "
                                "read-save, write-save and catalogue")
                     .arg(command);
        return false;
    }
    if (haveName) {
        *error = QStringLiteral("--name is for catalogue add");
        return false;
    }

    const bool writesImage = o.command == Command::Dump || o.command == Command::Auto;
    if (writesImage) {
        if (positional.isEmpty()) {
            *error = QStringLiteral("%1 needs the OUTPUT file to write the image to").arg(command);
            return false;
        }
        o.output = positional.takeFirst();
    }
    const bool saveCommand = o.command == Command::ReadSave || o.command == Command::WriteSave;
    if (o.command == Command::ReadSave) {
        if (positional.isEmpty()) {
            *error = QStringLiteral("read-save needs the OUTPUT file to write the save to");
            return false;
        }
        o.output = positional.takeFirst();
        if (o.output == QLatin1String("-")) {
            *error = QStringLiteral("read-save writes a file; \"-\" is not one");
            return false;
        }
    } else if (o.command == Command::WriteSave) {
        if (positional.isEmpty()) {
            *error = QStringLiteral("write-save needs the INPUT save file to write to the cartridge");
            return false;
        }
        o.input = positional.takeFirst();
    }
    if (haveRamSize && !saveCommand) {
        *error = QStringLiteral("%1 takes no --ram-size; it is for read-save and write-save").arg(command);
        return false;
    }
    if (haveBackup && o.command != Command::WriteSave) {
        *error = QStringLiteral("%1 takes no --backup; it is for write-save").arg(command);
        return false;
    }
    if (haveRamSize) {
        if (!parse_ram_size(ramSize, &o.ramSize, error))
            return false;
        o.hasRamSize = true;
    }
    if (haveBackup && QFileInfo(o.backup).absoluteFilePath() == QFileInfo(o.input).absoluteFilePath()) {
        *error = QStringLiteral("--backup must name another file than INPUT");
        return false;
    }
    if (!positional.isEmpty()) {
        *error = QStringLiteral("unexpected argument \"%1\" after %2").arg(positional.first(), command);
        return false;
    }

    if (haveConsole) {
        o.console = console_for_family(console);
        if (!o.console) {
            *error = QStringLiteral("unknown console \"%1\"; choose one of: %2").arg(console, family_choices());
            return false;
        }
        o.family = family_for_console(o.console);
    } else if (o.command != Command::ListDrives || haveSimulate) {
        *error = QStringLiteral("%1 needs --console (%2)")
                     .arg(haveSimulate && o.command == Command::ListDrives ? QStringLiteral("--simulate")
                                                                            : command,
                          family_choices());
        return false;
    }

    if (haveSize && !writesImage) {
        *error = QStringLiteral("%1 takes no --size").arg(command);
        return false;
    }
    if (haveReport && !writesImage) {
        *error = QStringLiteral("%1 takes no --report; it is for dump and auto").arg(command);
        return false;
    }
    if (o.readTwice && !writesImage) {
        *error = QStringLiteral("%1 takes no --read-twice; it is for dump and auto").arg(command);
        return false;
    }
    if (haveMapper && !o.console) {
        *error = QStringLiteral("--mapper needs --console (%1)").arg(family_choices());
        return false;
    }
    if (o.command == Command::Dump && !haveSize) {
        *error = QStringLiteral("dump needs --size; ROM SIZE options of %1: %2")
                     .arg(console_label(o.console), option_choices(option_list(o.console, kRomSizeRow)));
        return false;
    }
    if (haveSize) {
        if (!parse_size(size, o.console, &o.romSize, error))
            return false;
        o.hasSize = true;
    }
    if (haveMapper) {
        if (!parse_mapper(mapper, o.console, &o.mapper, error))
            return false;
        o.hasMapper = true;
    }
    if (haveReport && QFileInfo(o.report).absoluteFilePath() == QFileInfo(o.output).absoluteFilePath()) {
        *error = QStringLiteral("--report must name another file than OUTPUT, which it would overwrite");
        return false;
    }
    *options = o;
    return true;
}

QString usage_text()
{
    return QStringLiteral(
        "Usage: quorvel-cli COMMAND [OPTIONS]\n"
        "\n"
        "Commands:\n"
        "  info --console FAMILY                  identify the cartridge in the reader\n"
        "  dump --console FAMILY --size SIZE [--mapper MAPPER] OUTPUT\n"
        "                                         copy the cartridge ROM into OUTPUT\n"
        "                                         (\"-\": standard output, the log on stderr)\n"
        "  auto --console FAMILY [--size SIZE] [--mapper MAPPER] OUTPUT\n"
        "                                         identify, then dump with what was detected\n"
        "  list-drives                            show the drives D: to Z: and the reader\n"
        "  catalogue import FILE...               import Logiqx XML DAT files\n"
        "  catalogue list                         the built-in catalogue and each imported one\n"
        "  catalogue remove NAME                  remove an imported DAT, by its header name\n"
        "  catalogue add IMAGE --name \"TITLE\" [--console FAMILY]\n"
        "                                         add an entry of your own for IMAGE\n"
        "  read-save --console FAMILY [--ram-size SIZE] [--mapper M] [--force] OUTPUT\n"
        "                                         copy the cartridge's save memory into OUTPUT\n"
        "  write-save --console FAMILY [--ram-size SIZE] [--mapper M] [--backup PATH] INPUT\n"
        "                                         keep the cartridge's save as a backup, write\n"
        "                                         INPUT into its save memory and read it back\n"
        "\n"
        "Options:\n"
        "  --console FAMILY   md, sms, msx, sfc, gb or gba\n"
        "  --size SIZE        a ROM SIZE option of the family, in bytes (524288),\n"
        "                     K or KiB (512K), M or MiB (4M), or Mbit (32Mbit)\n"
        "  --mapper MAPPER    an MMC TYPE option of the family, by name or value;\n"
        "                     with --simulate IMAGE also how the image is mapped\n"
        "                     (MSX mapper, SFC map mode)\n"
        "  --simulate IMAGE   use the simulated reader with IMAGE as the cartridge;\n"
        "                     \"demo\" takes the family's demonstration cartridge\n"
        "  --report FILE      after a successful dump, write its hashes and\n"
        "                     verification to FILE, never over the image\n"
        "  --name TITLE       the title of an entry of your own\n"
        "  --ram-size SIZE    the save size where the cartridge does not say it\n"
        "  --backup PATH      write-save: where the cartridge's save is kept (default:\n"
        "                     beside INPUT, named by the cartridge and the time)\n"
        "  --force            replace OUTPUT and the report FILE if they exist\n"
        "  --read-twice       read every block until two reads agree; a block\n"
        "                     that never does fails the dump\n"
        "  --help             show this text\n"
        "  --version          show the version\n"
        "\n"
        "Exit status: 0 verified or consistent, 1 failure (nothing saved),\n"
        "2 bad usage, 3 suspect (the image is saved, but a check speaks against\n"
        "it), 130 or 143 canceled by SIGINT or SIGTERM.\n");
}

} // namespace cli
