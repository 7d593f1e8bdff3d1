// The import of a generated DAT of 100,000 entries through the headless
// program's `catalogue import`, and one verification against the imported
// catalogues afterwards, as a dump makes it. Prints figures, never fails.
#include "bench/bench_usage.h"
#include "cli/app.h"
#include "device/checksum.h"
#include "workers/verify/user_catalogues.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>
#include <random>

namespace {

constexpr int kEntries = 100000;

QString hex(const QByteArray &b)
{
    return QString::fromLatin1(b.toHex());
}

// Entries of made-up images, then the one of `image`.
bool write_dat(const QString &path, const QByteArray &image)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    QTextStream s(&f);
    s << "<?xml version=\"1.0\"?>\n<datafile>\n\t<header>\n\t\t<name>Bench - Game Boy Advance</name>\n"
         "\t\t<version>1</version>\n\t</header>\n";
    std::mt19937 rng(7);
    for (int i = 0; i < kEntries; ++i) {
        QByteArray sha1(20, '\0');
        for (char &c : sha1)
            c = char(rng());
        const bool last = i == kEntries - 1;
        const quint32 crc = last ? crc32_buffer(image.constData(), size_t(image.size())) : quint32(rng());
        const int size = last ? image.size() : int(1u << (17 + rng() % 9));
        if (last)
            sha1 = QCryptographicHash::hash(image, QCryptographicHash::Sha1);
        s << "\t<game name=\"Game " << i << " &amp; Co (World)\">\n\t\t<description>Game " << i
          << " &amp; Co (World)</description>\n\t\t<rom name=\"Game " << i << ".gba\" size=\"" << size
          << "\" crc=\"" << QStringLiteral("%1").arg(crc, 8, 16, QLatin1Char('0')) << "\" md5=\""
          << hex(QByteArray(16, '\x5a')) << "\" sha1=\"" << hex(sha1) << "\" serial=\"AGB-"
          << QStringLiteral("%1").arg(i % 1679616, 4, 36, QLatin1Char('0')).toUpper() << "-USA\"/>\n\t</game>\n";
    }
    s << "</datafile>\n";
    s.flush();
    return f.error() == QFile::NoError;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::printf("skipped: no temporary folder\n");
        return 0;
    }
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir.filePath(QStringLiteral("data"))));
    QByteArray image(1 << 20, '\0');
    std::mt19937 rng(3);
    for (char &c : image)
        c = char(rng());
    const QString dat = dir.filePath(QStringLiteral("bench.dat"));
    if (!write_dat(dat, image)) {
        std::printf("skipped: cannot write the DAT\n");
        return 0;
    }

    QString out, err;
    QTextStream o(&out), e(&err);
    const long rss0 = peak_rss_kib();
    QElapsedTimer wall;
    wall.start();
    double cpu = cpu_seconds();
    const int status = cli::run({QStringLiteral("catalogue"), QStringLiteral("import"), dat}, o, e, false);
    cpu = cpu_seconds() - cpu;
    o.flush();
    std::printf("import of %d entries (%.1f MiB DAT): %.2f s wall, %.2f s CPU, peak resident +%.1f MiB, status %d: %s",
                kEntries, double(QFile(dat).size()) / (1 << 20), double(wall.elapsed()) / 1e3, cpu,
                double(peak_rss_kib() - rss0) / 1024, status, qPrintable(out));

    // As a dump verifies: read the user's catalogues, then look the image up.
    const quint32 crc = crc32_buffer(image.constData(), size_t(image.size()));
    const int rounds = 20;
    double load = 0, lookup = 0;
    bool found = true;
    for (int r = 0; r < rounds; ++r) {
        double t = cpu_seconds();
        const verify::UserCatalogues user = verify::UserCatalogues::load();
        load += cpu_seconds() - t;
        t = cpu_seconds();
        QByteArray sha1;
        found = found && verify::find_image(user.lookupOrder(), 3, reinterpret_cast<const uchar *>(image.constData()),
                                            quint32(image.size()), crc, &sha1);
        lookup += cpu_seconds() - t;
    }
    std::printf("one verification after it: %.2f ms reading the catalogues, %.2f ms the lookup (SHA-1 of 1 MiB "
                "included), %s\n",
                load / rounds * 1e3, lookup / rounds * 1e3, found ? "found" : "NOT FOUND");
    return 0;
}
