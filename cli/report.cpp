#include "cli/report.h"

#include "cli/catalogue.h"
#include "cli/options.h"
#include "device/checksum.h"
#include "workers/worker.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>

#ifdef _WIN32
#define NOMINMAX
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace cli {

namespace {

QString hex(const QByteArray &digest)
{
    return QString::fromLatin1(digest.toHex());
}

#ifdef _WIN32
struct FileId {
    DWORD volume = 0, high = 0, low = 0;
    bool operator==(const FileId &o) const { return volume == o.volume && high == o.high && low == o.low; }
};

bool file_id(const QString &path, FileId *id)
{
    // No access asked: the identity of a file open elsewhere can be read too.
    HANDLE h = CreateFileW(reinterpret_cast<const wchar_t *>(QFileInfo(path).absoluteFilePath().utf16()), 0,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                           FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    BY_HANDLE_FILE_INFORMATION info;
    const bool ok = GetFileInformationByHandle(h, &info);
    CloseHandle(h);
    if (ok)
        *id = FileId{info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
    return ok;
}
#else
struct FileId {
    dev_t device = 0;
    ino_t inode = 0;
    bool operator==(const FileId &o) const { return device == o.device && inode == o.inode; }
};

bool file_id(const QString &path, FileId *id)
{
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return false;
    *id = FileId{st.st_dev, st.st_ino};
    return true;
}
#endif

} // namespace

bool same_file(const QString &a, const QString &b)
{
    FileId x, y;
    return file_id(a, &x) && file_id(b, &y) && x == y;
}

QString report_refusal(const QString &report, const QString &image, bool force)
{
    const QFileInfo info(report);
    const QString overImage = QStringLiteral("%1 would replace the image %2").arg(report, image);
    if (same_file(report, image))
        return overImage;
    // A link that leads nowhere yet may lead to where the image is about
    // to be written.
    if (info.isSymLink() && !info.exists()
        && QFileInfo(info.symLinkTarget()).absoluteFilePath() == QFileInfo(image).absoluteFilePath())
        return overImage;
    const QString kind = target_refusal(report);
    if (!kind.isEmpty())
        return report + QStringLiteral(": ") + kind;
    if (!force && (info.exists() || info.isSymLink()))
        return QStringLiteral("%1 exists; give --force to replace it").arg(report);
    return QString();
}

QString outcome_word(DumpOutcome outcome)
{
    switch (outcome) {
    case DumpOutcome::Verified:
        return QStringLiteral("verified");
    case DumpOutcome::Consistent:
        return QStringLiteral("consistent");
    case DumpOutcome::Suspect:
        return QStringLiteral("suspect");
    case DumpOutcome::Canceled:
        return QStringLiteral("canceled");
    case DumpOutcome::Failed:
        break;
    }
    return QStringLiteral("failed");
}

QString dump_report(int consoleCode, const QString &imagePath, const DumpResult &result, const QDateTime &when,
                    DumpOutcome outcome, int readAgain)
{
    QString header;
    switch (result.header) {
    case verify::HeaderCheck::Ok:
        header = QStringLiteral("OK");
        break;
    case verify::HeaderCheck::Mismatch:
        header = QStringLiteral("mismatch");
        break;
    case verify::HeaderCheck::None:
        header = QStringLiteral("none");
        break;
    }

    QString catalogue = QStringLiteral("not in the catalogue");
    if (result.entry) {
        const verify::CatalogueEntry &e = *result.entry;
        switch (e.sourceKind) {
        case verify::CatalogueKind::Own:
            catalogue = QStringLiteral("matches your own entry: ") + e.title;
            break;
        case verify::CatalogueKind::Dat:
            catalogue = QStringLiteral("verified: %1 (DAT %2)").arg(e.title, source_text(e.source, e.sourceVersion));
            break;
        case verify::CatalogueKind::Builtin:
            catalogue = QStringLiteral("verified: ") + e.title;
            break;
        }
    }

    QString text;
    QTextStream s(&text);
    s << "Quorvel dump report\n"
      << "File: " << imagePath << '\n'
      << "Family: " << console_label(consoleCode) << '\n'
      << "Size: " << result.size << " bytes (" << result.size / 1024 << " KiB)\n"
      << "CRC-32: " << QStringLiteral("%1").arg(result.crc32, 8, 16, QLatin1Char('0')) << '\n'
      << "MD5: " << hex(result.md5) << '\n'
      << "SHA-1: " << hex(result.sha1) << '\n'
      << "SHA-256: " << hex(result.sha256) << '\n'
      << "Catalogue: " << catalogue << '\n'
      << "Header checksum: " << header << '\n'
      << "Read twice: "
      << (readAgain < 0 ? QStringLiteral("no")
                        : QStringLiteral("yes, %1 blocks read again").arg(readAgain))
      << '\n'
      << "Outcome: " << outcome_word(outcome) << '\n'
      << "Date: " << when.toString(Qt::ISODate) << '\n';
    s.flush();
    return text;
}

bool write_text_file(const QString &path, const QString &text, QString *error)
{
    QSaveFile file(path);
    const QByteArray bytes = text.toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace cli
