#include "cli/report.h"

#include "cli/catalogue.h"
#include "cli/options.h"

#include <QSaveFile>
#include <QTextStream>

namespace cli {

namespace {

QString hex(const QByteArray &digest)
{
    return QString::fromLatin1(digest.toHex());
}

} // namespace

QString dump_report(int consoleCode, const QString &imagePath, const DumpResult &result, const QDateTime &when)
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
