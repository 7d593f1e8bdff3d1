#include "cli/report.h"

#include "cli/options.h"
#include "device/checksum.h"

#include <QCryptographicHash>
#include <QSaveFile>
#include <QTextStream>

namespace cli {

namespace {

QString hex_hash(const QByteArray &image, QCryptographicHash::Algorithm algorithm)
{
    return QString::fromLatin1(QCryptographicHash::hash(image, algorithm).toHex());
}

} // namespace

QString dump_report(int consoleCode, const QString &imagePath, const QByteArray &image,
                    const verify::Catalogue &catalogue, const QDateTime &when)
{
    const verify::Verdict verdict = verify::verify_image(consoleCode, image, catalogue);
    const quint32 crc = crc32_buffer(image.constData(), size_t(image.size()));

    QString header;
    switch (verdict.header) {
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

    QString text;
    QTextStream s(&text);
    s << "Quorvel dump report\n"
      << "File: " << imagePath << '\n'
      << "Family: " << console_label(consoleCode) << '\n'
      << "Size: " << image.size() << " bytes (" << image.size() / 1024 << " KiB)\n"
      << "CRC-32: " << QStringLiteral("%1").arg(crc, 8, 16, QLatin1Char('0')) << '\n'
      << "MD5: " << hex_hash(image, QCryptographicHash::Md5) << '\n'
      << "SHA-1: " << hex_hash(image, QCryptographicHash::Sha1) << '\n'
      << "SHA-256: " << hex_hash(image, QCryptographicHash::Sha256) << '\n'
      << "Catalogue: "
      << (verdict.entry ? QStringLiteral("verified: ") + verdict.entry->title
                        : QStringLiteral("not in the catalogue"))
      << '\n'
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
