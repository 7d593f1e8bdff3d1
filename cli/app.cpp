#include "cli/app.h"

#include "cli/catalogue.h"
#include "cli/options.h"
#include "cli/output.h"
#include "cli/presets.h"
#include "cli/report.h"
#include "device/device_link.h"
#include "device/platform.h"
#include "simulator/demo.h"
#include "simulator/setup.h"
#include "simulator/simulated_reader.h"
#include "workers/rate_text.h"
#include "workers/registry.h"
#include "workers/save_frame.h"
#include "workers/worker.h"

#include "quorvel_version.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <atomic>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace cli {

namespace {

const char kProgram[] = "quorvel-cli";
const char kVersion[] = QUORVEL_VERSION;

// The number of the first SIGINT or SIGTERM received; 0 for none.
std::atomic<int> stopSignal{0};
static_assert(std::atomic<int>::is_always_lock_free, "the signal handler stores to it");

void on_stop_signal(int signo)
{
    int none = 0;
    if (stopSignal.compare_exchange_strong(none, signo))
        return;
    discard_partial_image();
    std::_Exit(128 + signo);
}

// The largest ROM SIZE option of the family: no cartridge image is larger.
qint64 largest_rom_size(int consoleCode)
{
    qint64 largest = 0;
    const OptionEntry *list = option_list(consoleCode, 2);
    for (int i = 0; list && list[i].index != -1 && i < kMaxOptions; ++i)
        largest = qMax(largest, qint64(list[i].value));
    return largest;
}

QString tab_text(const char *text)
{
    return QCoreApplication::translate("TabGui", text);
}

// Runs a worker to its end, printing what it reports. Returns the last
// status it sent, -1 for none.
int run_worker(CartWorker &worker, Printer &printer)
{
    int status = -1;
    QEventLoop loop;
    // Each line's tone arrives just before the line, queued alike.
    LogTone tone = LogTone::Progress;
    QObject::connect(&worker, &CartWorker::log_tone, &loop, [&](int t) { tone = LogTone(t); });
    QObject::connect(&worker, &CartWorker::log, &loop, [&](const QString &t) {
        printer.log(t, tone);
        tone = LogTone::Progress;
    });
    QObject::connect(&worker, &CartWorker::set_progress, &loop,
                     [&](int done, int total) { printer.progress(done, total); });
    QObject::connect(&worker, &CartWorker::error, &loop, [&](int e) { status = e; });
    // Queued behind every report the run made before it ended.
    QObject::connect(&worker, &QThread::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    worker.start();
    loop.exec();
    worker.wait();
    printer.clearProgress();
    return status;
}

// The simulated reader of a --simulate run, installed while it lives.
class Simulation {
public:
    ~Simulation()
    {
        if (reader_)
            platform::install(previous_);
    }

    bool start(const Options &o, QString *error)
    {
        std::vector<uint8_t> image;
        int hint = -1;
        if (o.simulate == QLatin1String("demo")) {
            image = sim::demo_image(o.family.toStdString(), &hint);
        } else {
            // A device or a pipe has no size to check and may never end.
            const QFileInfo info(o.simulate);
            if (info.exists() && !info.isFile()) {
                *error = QStringLiteral("the cartridge image %1 is not a regular file").arg(o.simulate);
                return false;
            }
            QFile file(o.simulate);
            if (!file.open(QIODevice::ReadOnly)) {
                *error = QStringLiteral("cannot read the cartridge image %1: %2")
                             .arg(o.simulate, file.errorString());
                return false;
            }
            const qint64 largest = largest_rom_size(o.console);
            if (file.size() > largest) {
                *error = QStringLiteral("the cartridge image %1 is larger than any %2 cartridge (%3 bytes at most)")
                             .arg(o.simulate, console_label(o.console))
                             .arg(largest);
                return false;
            }
            const QByteArray bytes = file.read(largest);
            image.assign(bytes.begin(), bytes.end());
            // These families' images do not say how they are mapped.
            const Family *family = find_family(o.console);
            if (o.hasMapper && family && family->mappingFromOption)
                hint = o.mapper;
        }
        std::string why;
        // The demonstration cartridges carry a save.
        std::unique_ptr<sim::Cartridge> cart =
            o.simulate == QLatin1String("demo")
                ? sim::make_demo_cartridge(o.family.toStdString(), &why)
                : sim::make_cartridge(o.family.toStdString(), std::move(image), hint, &why);
        if (!cart) {
            *error = QStringLiteral("cannot simulate %1: %2").arg(o.simulate, QString::fromStdString(why));
            return false;
        }
        reader_ = std::make_unique<sim::SimulatedReader>();
        reader_->insert(std::move(cart));
        previous_ = &platform::current();
        platform::install(reader_.get());
        return true;
    }

private:
    std::unique_ptr<sim::SimulatedReader> reader_;
    platform::Platform *previous_ = nullptr;
};

QString drive_type_name(unsigned type)
{
    switch (type) {
    case platform::drive_removable:
        return QStringLiteral("removable");
    case platform::drive_fixed:
        return QStringLiteral("fixed");
    case 4:
        return QStringLiteral("network");
    case 5:
        return QStringLiteral("optical");
    case 6:
        return QStringLiteral("RAM disk");
    case platform::drive_no_root:
        return QStringLiteral("no volume");
    default:
        return QStringLiteral("unknown");
    }
}

QString c_text(const char *buffer, size_t size)
{
    return QString::fromUtf8(buffer, int(strnlen(buffer, size)));
}

int list_drives(Printer &printer)
{
    platform::Platform &p = platform::current();
    const uint32_t present = p.present_drives();
    int shown = 0, readers = 0;
    for (char letter = 'D'; letter <= 'Z'; ++letter) {
        if (!(present & (1u << (letter - 'A'))))
            continue;
        ++shown;
        const unsigned type = p.drive_type(letter);
        char label[256] = {};
        p.volume_label(letter, label, sizeof label);
        QString text = QStringLiteral("%1:  %2  label \"%3\"")
                           .arg(QLatin1Char(letter))
                           .arg(drive_type_name(type))
                           .arg(c_text(label, sizeof label));
        // Only removable drives can be the reader; probing one reads its
        // identity file and nothing else.
        if (type == platform::drive_removable) {
            if (probe_drive(letter)) {
                ++readers;
                text += QStringLiteral("  reader, firmware \"%1\"")
                            .arg(c_text(device_firmware, sizeof device_firmware));
            } else {
                text += QStringLiteral("  not a reader");
            }
        }
        printer.line(text);
    }
    if (!shown)
        printer.line(QStringLiteral("No drives from D: to Z:."));
    else if (!readers)
        printer.line(QStringLiteral("No reader among them."));
    return exit_success;
}

// Copies the finished image to standard output.
bool copy_to_stdout(const QString &path)
{
    QFile in(path), sink;
    if (!in.open(QIODevice::ReadOnly) || !sink.open(stdout, QIODevice::WriteOnly))
        return false;
    QByteArray piece(1 << 20, Qt::Uninitialized);
    for (;;) {
        const qint64 n = in.read(piece.data(), piece.size());
        if (n < 0)
            return false;
        if (n == 0)
            return sink.flush();
        if (sink.write(piece.constData(), n) != n)
            return false;
    }
}

// Refuses what would harm a file or give a wrapped image, before the reader
// is touched.
bool refuse(const QString &why, const QString &what, Printer &printer)
{
    if (why.isEmpty())
        return false;
    printer.error(QStringLiteral("%1: %2%3").arg(QLatin1String(kProgram), what, why));
    return true;
}

int stopped_status()
{
    return 128 + stopSignal.load();
}

int dump(const Options &o, int romSize, int mapper, Printer &printer)
{
    // "-": the image goes to stdout once it is whole; until then it is a
    // temporary file, named "-" in the log.
    const bool toStdout = o.output == QLatin1String("-");
    QTemporaryDir scratch;
    const QString imagePath = toStdout ? scratch.filePath(QStringLiteral("image")) : o.output;
    if (toStdout) {
        if (!scratch.isValid()) {
            printer.error(QStringLiteral("%1: no temporary folder for the image: %2")
                              .arg(QLatin1String(kProgram), scratch.errorString()));
            return exit_failure;
        }
        printer.showPathAs(imagePath, o.output);
    }
    std::unique_ptr<DumpWorker> worker(make_dump_worker(o.console));
    worker->configure(imagePath, romSize, mapper);
    worker->stopFlag = &stopSignal;
    worker->wantHashes = !o.report.isEmpty();
    worker->readTwice = o.readTwice;
    printer.line(tab_text("Reading data from ROM to file:"));
    printer.line(o.output);
    QElapsedTimer clock;
    clock.start();
    const int status = run_worker(*worker, printer);
    const qint64 elapsedMs = clock.elapsed();
    printer.line(status == 1 ? tab_text(">Success!") : tab_text(">Operation failure."));
    printer.log(QStringLiteral("<hr><br>"));
    if (status != 1) {
        if (stopSignal.load())
            return stopped_status();
        printer.error(QStringLiteral("%1: the dump failed; %2 was not written")
                          .arg(QLatin1String(kProgram), o.output));
        return exit_failure;
    }

    // The run's own sums: the saved file is not read back.
    const DumpResult &result = worker->result();
    QString outcome = outcome_word(worker->lastOutcome());
    if (result.entry && result.entry->sourceKind == verify::CatalogueKind::Own)
        outcome += QStringLiteral(", matches your own entry");
    printer.line(summary_text(result.size, elapsedMs, result.crc32, outcome));
    if (toStdout && !copy_to_stdout(imagePath)) {
        printer.error(QStringLiteral("%1: the image could not be written to standard output")
                          .arg(QLatin1String(kProgram)));
        return exit_failure;
    }
    // The image is kept either way; a suspect one says so in the status.
    const int savedStatus = worker->lastOutcome() == DumpOutcome::Suspect ? exit_suspect : exit_success;
    if (o.report.isEmpty())
        return savedStatus;

    const QString text = dump_report(o.console, o.output, result, QDateTime::currentDateTimeUtc(),
                                     worker->lastOutcome(), o.readTwice ? worker->blocksReadAgain() : -1);
    QString why;
    // Asked again now that the image exists: a link made to it meanwhile, or
    // one through a chain of links, is caught here.
    if (same_file(o.report, imagePath)) {
        printer.error(QStringLiteral("%1: the image was saved, but the report %2 would replace it; none was written")
                          .arg(QLatin1String(kProgram), o.report));
        return exit_failure;
    }
    if (!write_text_file(o.report, text, &why)) {
        printer.error(QStringLiteral("%1: the image was saved, but the report %2 could not be written: %3")
                          .arg(QLatin1String(kProgram), o.report, why));
        return exit_failure;
    }
    return savedStatus;
}

int save_command(const Options &o, Printer &printer)
{
    const bool write = o.command == Command::WriteSave;
    std::unique_ptr<SaveWorker> worker(make_save_worker(o.console, write));
    worker->fileName = write ? o.input : o.output;
    worker->backupPath = o.backup;
    worker->ramSize = o.hasRamSize ? o.ramSize : 0;
    worker->mmcType = o.hasMapper ? o.mapper : -1;
    worker->force = o.force;
    worker->stopFlag = &stopSignal;
    printer.line(write ? tab_text("Writing save memory from file:") : tab_text("Reading save memory to file:"));
    printer.line(worker->fileName);
    const int status = run_worker(*worker, printer);
    printer.line(status == 1 ? tab_text(">Success!") : tab_text(">Operation failure."));
    printer.log(QStringLiteral("<hr><br>"));
    if (status == 1)
        return exit_success;
    if (stopSignal.load())
        return stopped_status();
    if (write && !worker->backupWritten().isEmpty())
        printer.error(QStringLiteral("%1: the save was not written as it should be; the cartridge's previous save is in %2")
                          .arg(QLatin1String(kProgram), worker->backupWritten()));
    else
        printer.error(QStringLiteral("%1: %2 failed; %3")
                          .arg(QLatin1String(kProgram), write ? QStringLiteral("write-save") : QStringLiteral("read-save"),
                               write ? QStringLiteral("the cartridge's save memory was not changed")
                                     : o.output + QStringLiteral(" was not written")));
    return exit_failure;
}

} // namespace

void install_signal_handlers()
{
    stopSignal = 0;
#ifdef _WIN32
    std::signal(SIGINT, on_stop_signal);
    std::signal(SIGTERM, on_stop_signal);
#else
    struct sigaction action {};
    action.sa_handler = on_stop_signal;
    sigemptyset(&action.sa_mask);
    // Blocked reads and writes go on; the run checks the flag between blocks.
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
#endif
}

int run(const QStringList &args, QTextStream &out, QTextStream &err, bool progressLine)
{
    Printer printer(out, err, progressLine);
    Options o;
    QString error;
    if (!parse_arguments(args, &o, &error)) {
        printer.error(QStringLiteral("%1: %2").arg(QLatin1String(kProgram), error));
        printer.error(QStringLiteral("Try '%1 --help'.").arg(QLatin1String(kProgram)));
        return exit_usage;
    }
    if (o.command == Command::Help) {
        out << usage_text();
        out.flush();
        return exit_success;
    }
    if (o.command == Command::Version) {
        out << kProgram << ' ' << kVersion << '\n';
        out.flush();
        return exit_success;
    }

    if (o.command == Command::Catalogue)
        return catalogue_command(o, printer);

    if (o.output == QLatin1String("-")) {
        printer.logToErr();
    } else if (!o.output.isEmpty()) {
        // Folders and device nodes are never replaced, not even with --force.
        if (refuse(target_refusal(o.output), o.output + QStringLiteral(": "), printer))
            return exit_failure;
        // A file the user already has is replaced only on request.
        if (!o.force && QFileInfo::exists(o.output)) {
            printer.error(QStringLiteral("%1: %2 exists; give --force to replace it")
                              .arg(QLatin1String(kProgram), o.output));
            return exit_failure;
        }
    }
    if (o.command == Command::WriteSave) {
        const QFileInfo input(o.input);
        if (!input.isFile()) {
            printer.error(QStringLiteral("%1: %2 is not a save file that can be read").arg(QLatin1String(kProgram), o.input));
            return exit_failure;
        }
        if (!o.backup.isEmpty() && QFileInfo::exists(o.backup)) {
            printer.error(QStringLiteral("%1: the backup %2 exists; it is never replaced").arg(QLatin1String(kProgram), o.backup));
            return exit_failure;
        }
    }
    if (!o.report.isEmpty() && refuse(report_refusal(o.report, o.output, o.force), QString(), printer))
        return exit_failure;

    Simulation simulation;
    if (!o.simulate.isEmpty() && !simulation.start(o, &error)) {
        printer.error(QStringLiteral("%1: %2").arg(QLatin1String(kProgram), error));
        return exit_usage;
    }
    // Each command line starts with no reader known, as a new process does.
    current_drive_letter = 0;

    if (o.command == Command::ListDrives)
        return list_drives(printer);

    int dumpMapper = 0;
    if (o.command == Command::Dump) {
        dumpMapper = o.hasMapper ? o.mapper : Presets(o.console).mmcType();
        if (refuse(rom_size_refusal(o.console, o.romSize, dumpMapper), QString(), printer))
            return exit_failure;
    }

    if (!find_reader_drive(current_drive_letter)) {
        printer.error(QStringLiteral("%1: no cartridge reader found among the drives D: to Z:")
                          .arg(QLatin1String(kProgram)));
        for (const QString &line : no_reader_guidance())
            printer.error(line);
        return exit_failure;
    }

    if (o.command == Command::Dump)
        return dump(o, o.romSize, dumpMapper, printer);
    if (o.command == Command::ReadSave || o.command == Command::WriteSave)
        return save_command(o, printer);

    Presets presets(o.console);
    std::unique_ptr<InfoWorker> info(make_info_worker(o.console));
    info->presets = &presets;
    run_worker(*info, printer);
    info->presets = nullptr;
    if (stopSignal.load()) {
        printer.line(QCoreApplication::translate("DumpWorker", "Dump canceled."));
        return stopped_status();
    }
    if (info->failed()) {
        printer.error(QStringLiteral("%1: the cartridge was not identified%2")
                          .arg(QLatin1String(kProgram),
                               o.command == Command::Auto ? QStringLiteral("; nothing was dumped") : QString()));
        return exit_failure;
    }
    if (o.command == Command::Info)
        return exit_success;

    // auto: what the user gave wins over what was detected; a mapper
    // nobody gave is the family's first option, as in the settings panel.
    if (!o.hasSize && !presets.detected(2)) {
        printer.error(QStringLiteral("%1: no ROM size was detected; give one with --size (%2)")
                          .arg(QLatin1String(kProgram), option_choices(option_list(o.console, 2))));
        return exit_failure;
    }
    const int romSize = o.hasSize ? o.romSize : presets.romSize();
    const int mapper = o.hasMapper ? o.mapper : presets.mmcType();
    if (refuse(rom_size_refusal(o.console, romSize, mapper), QString(), printer))
        return exit_failure;
    return dump(o, romSize, mapper, printer);
}

} // namespace cli
