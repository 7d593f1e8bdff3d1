#include "cli/catalogue.h"

#include "cli/app.h"
#include "workers/verify/image_digest.h"
#include "workers/verify/user_catalogues.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

namespace cli {

namespace {

const char kProgram[] = "quorvel-cli";

void fail(Printer &printer, const QString &text)
{
    printer.error(QStringLiteral("%1: %2").arg(QLatin1String(kProgram), text));
}

// A pipe or a device could block or never end; only regular files are read.
bool open_regular(const QString &path, QFile *file, QString *why)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        *why = QStringLiteral("no such file");
        return false;
    }
    if (!info.isFile()) {
        *why = QStringLiteral("not a regular file");
        return false;
    }
    file->setFileName(path);
    if (!file->open(QIODevice::ReadOnly)) {
        *why = file->errorString();
        return false;
    }
    return true;
}

int import_dats(const QStringList &files, Printer &printer)
{
    int status = exit_success;
    for (const QString &path : files) {
        QFile file;
        QString why;
        verify::DatFile dat;
        if (!open_regular(path, &file, &why)
            || !verify::read_dat(&file, &dat, &why, [&](qint64 done, qint64 total) {
                   printer.progress(int(done >> 10), int(qMax<qint64>(1, total >> 10)));
               })) {
            printer.clearProgress();
            fail(printer, QStringLiteral("%1: %2; nothing was imported from it").arg(path, why));
            status = exit_failure;
            continue;
        }
        printer.clearProgress();
        bool replaces = false;
        const verify::UserCatalogues before = verify::UserCatalogues::load();
        for (const verify::Catalogue &c : before.catalogues())
            replaces = replaces || (c.info().kind == verify::CatalogueKind::Dat && c.info().name == dat.info.name);
        if (!verify::store_dat(dat, &why)) {
            fail(printer, QStringLiteral("%1: %2; nothing was imported from it").arg(path, why));
            status = exit_failure;
            continue;
        }
        QString text = QStringLiteral("%1 %2: %3 entries")
                           .arg(replaces ? QStringLiteral("Replaced") : QStringLiteral("Imported"),
                                source_text(dat.info.name, dat.info.version))
                           .arg(dat.entries.size());
        if (dat.skipped)
            text += QStringLiteral(" (%1 without a usable size and CRC-32 left out)").arg(dat.skipped);
        printer.line(text + QLatin1Char('.'));
    }
    return status;
}

int list_catalogues(Printer &printer)
{
    printer.line(QStringLiteral("Built-in catalogue: %1 entries").arg(verify::builtin().size()));
    QStringList unreadable;
    const verify::UserCatalogues user = verify::UserCatalogues::load(&unreadable);
    for (const verify::Catalogue &c : user.catalogues()) {
        if (c.info().kind == verify::CatalogueKind::Own)
            printer.line(QStringLiteral("Your own entries: %1").arg(c.size()));
        else
            printer.line(QStringLiteral("%1: %2 entries").arg(source_text(c.info().name, c.info().version)).arg(c.size()));
    }
    for (const QString &path : unreadable)
        fail(printer, QStringLiteral("%1 is not a catalogue this program can read; it is left out").arg(path));
    printer.line(QStringLiteral("Imported catalogues are kept in %1").arg(verify::user_catalogue_folder()));
    return exit_success;
}

int add_own(const Options &o, Printer &printer)
{
    const QString &path = o.catalogueArgs.first();
    QFile file;
    QString why;
    // No cartridge image is larger than the largest ROM SIZE option.
    constexpr qint64 kLargest = 64ll * 1024 * 1024;
    if (open_regular(path, &file, &why)) {
        if (file.size() > kLargest)
            why = QStringLiteral("larger than any cartridge");
        else if (file.size() == 0)
            why = QStringLiteral("the file is empty");
    }
    if (!why.isEmpty()) {
        fail(printer, QStringLiteral("%1: %2").arg(path, why));
        return exit_failure;
    }
    const QByteArray image = file.readAll();
    verify::CatalogueEntry e;
    e.title = o.name.simplified();
    e.family = o.console;
    e.size = quint32(image.size());
    e.crc32 = verify::digest_image(reinterpret_cast<const uchar *>(image.constData()), e.size, false).crc32;
    e.sha1 = QCryptographicHash::hash(image, QCryptographicHash::Sha1);
    if (!verify::add_own_entry(e, &why)) {
        fail(printer, why);
        return exit_failure;
    }
    printer.line(QStringLiteral("Added your own entry: %1 (%2 bytes, CRC-32 %3).")
                     .arg(e.title)
                     .arg(e.size)
                     .arg(e.crc32, 8, 16, QLatin1Char('0')));
    return exit_success;
}

} // namespace

QString source_text(const QString &name, const QString &version)
{
    return version.isEmpty() ? name : QStringLiteral("%1, version %2").arg(name, version);
}

int catalogue_command(const Options &o, Printer &printer)
{
    const QString &action = o.catalogueAction;
    if (action == QLatin1String("import"))
        return import_dats(o.catalogueArgs, printer);
    if (action == QLatin1String("list"))
        return list_catalogues(printer);
    if (action == QLatin1String("add"))
        return add_own(o, printer);
    QString why;
    if (!verify::remove_dat(o.catalogueArgs.first(), &why)) {
        fail(printer, why);
        return exit_failure;
    }
    printer.line(QStringLiteral("Removed %1.").arg(o.catalogueArgs.first()));
    return exit_success;
}

} // namespace cli
