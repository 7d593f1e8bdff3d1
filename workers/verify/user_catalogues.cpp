#include "workers/verify/user_catalogues.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>

namespace verify {

namespace {

const char kOwnFile[] = "own.qvx";
// An index is written by us; one far larger is not ours.
constexpr qint64 kMaxIndexBytes = 1024ll * 1024 * 1024;

QString dat_file_name(const QString &name)
{
    return QStringLiteral("dat-%1.qvx")
        .arg(QString::fromLatin1(QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha1).toHex().left(16)));
}

bool write_index(const QString &fileName, const QByteArray &index, QString *error)
{
    const QString folder = user_catalogue_folder();
    if (!QDir().mkpath(folder)) {
        *error = QStringLiteral("cannot create the folder %1").arg(folder);
        return false;
    }
    // Written beside the old file and renamed over it: a reader sees the
    // old catalogue or the new one, never a part.
    QSaveFile file(QDir(folder).filePath(fileName));
    if (!file.open(QIODevice::WriteOnly) || file.write(index) != index.size() || !file.commit()) {
        *error = QStringLiteral("%1: %2").arg(file.fileName(), file.errorString());
        return false;
    }
    return true;
}

Catalogue read_index(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxIndexBytes)
        return Catalogue();
    return Catalogue::fromIndex(file.readAll());
}

} // namespace

QString user_catalogue_folder()
{
    // Both programs and their tests share one folder whatever the executable
    // is called: the application data folder of "quorvel".
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
           + QStringLiteral("/quorvel/catalogues");
}

UserCatalogues UserCatalogues::load(QStringList *unreadable)
{
    UserCatalogues u;
    const QDir dir(user_catalogue_folder());
    if (!dir.exists())
        return u;
    std::vector<Catalogue> dats;
    for (const QString &name : dir.entryList({QStringLiteral("*.qvx")}, QDir::Files, QDir::Name)) {
        Catalogue c = read_index(dir.filePath(name));
        const bool own = name == QLatin1String(kOwnFile);
        const CatalogueKind wanted = own ? CatalogueKind::Own : CatalogueKind::Dat;
        // Every catalogue we write has a name; a file without one is not a
        // whole index.
        if (c.info().name.isEmpty() || c.info().kind != wanted) {
            if (unreadable)
                *unreadable << dir.filePath(name);
            continue;
        }
        if (own)
            u.catalogues_.insert(u.catalogues_.begin(), std::move(c));
        else
            dats.push_back(std::move(c));
    }
    std::stable_sort(dats.begin(), dats.end(),
                     [](const Catalogue &a, const Catalogue &b) { return a.info().name < b.info().name; });
    for (Catalogue &c : dats)
        u.catalogues_.push_back(std::move(c));
    return u;
}

CatalogueList UserCatalogues::lookupOrder() const
{
    CatalogueList list;
    for (const Catalogue &c : catalogues_)
        list.push_back(&c);
    list.push_back(&builtin());
    return list;
}

std::vector<CatalogueEntry> UserCatalogues::bySerial(int family, const QString &key) const
{
    std::vector<CatalogueEntry> found;
    for (const Catalogue *c : lookupOrder()) {
        std::vector<CatalogueEntry> more = c->bySerial(family, key);
        found.insert(found.end(), more.begin(), more.end());
    }
    return found;
}

bool store_dat(const DatFile &dat, QString *error)
{
    CatalogueInfo info = dat.info;
    info.kind = CatalogueKind::Dat;
    return write_index(dat_file_name(info.name), build_index(info, dat.entries), error);
}

bool remove_dat(const QString &name, QString *error)
{
    const QDir dir(user_catalogue_folder());
    for (const QString &file : dir.entryList({QStringLiteral("dat-*.qvx")}, QDir::Files, QDir::Name)) {
        const Catalogue c = read_index(dir.filePath(file));
        if (c.info().name != name || c.info().kind != CatalogueKind::Dat)
            continue;
        if (!QFile::remove(dir.filePath(file))) {
            *error = QStringLiteral("cannot remove %1").arg(dir.filePath(file));
            return false;
        }
        return true;
    }
    *error = QStringLiteral("no imported catalogue is named \"%1\"").arg(name);
    return false;
}

bool add_own_entry(const CatalogueEntry &entry, QString *error)
{
    const QString path = QDir(user_catalogue_folder()).filePath(QLatin1String(kOwnFile));
    std::vector<CatalogueEntry> entries;
    if (QFile::exists(path)) {
        const Catalogue old = read_index(path);
        if (old.info().kind != CatalogueKind::Own || old.info().name.isEmpty()) {
            *error = QStringLiteral("%1 is not a catalogue of your own entries; it was left as it is").arg(path);
            return false;
        }
        entries = old.entries();
    }
    const auto same = std::find_if(entries.begin(), entries.end(), [&](const CatalogueEntry &e) {
        return e.crc32 == entry.crc32 && e.size == entry.size && e.sha1 == entry.sha1;
    });
    if (same != entries.end())
        *same = entry;
    else
        entries.push_back(entry);
    CatalogueInfo info;
    info.name = QStringLiteral("Your own entries");
    info.kind = CatalogueKind::Own;
    return write_index(QLatin1String(kOwnFile), build_index(info, entries), error);
}

} // namespace verify
