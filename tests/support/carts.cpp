#include "support/carts.h"

#include "device/checksum.h"

#include <QCryptographicHash>

#include <QFile>
#include <algorithm>
#include <cstring>

QByteArray random_image(int size, quint32 seed)
{
    QByteArray image(size, '\0');
    quint32 x = seed * 2654435761u + 1;
    for (char &b : image) {
        x = x * 1103515245u + 12345u;
        b = char(x >> 16);
    }
    return image;
}

std::vector<uint8_t> banked_image(uint32_t size, uint32_t bank, uint32_t seed)
{
    std::vector<uint8_t> image(size);
    for (uint32_t i = 0; i < size; ++i)
        image[i] = i % bank ? uint8_t((i * 2654435761u + seed * 40503u) >> 13) : uint8_t(i / bank);
    return image;
}

std::vector<uint8_t> to_vector(const QByteArray &image)
{
    return std::vector<uint8_t>(image.begin(), image.end());
}

verify::CatalogueEntry catalogue_entry(const QByteArray &image, const QString &title, int family)
{
    return {title, crc32_buffer(image.constData(), size_t(image.size())),
            QCryptographicHash::hash(image, QCryptographicHash::Sha1), quint32(image.size()), family, {}, {}, {}};
}

QByteArray to_bytes(const std::vector<uint8_t> &image, int len)
{
    const int n = len < 0 ? int(image.size()) : std::min(len, int(image.size()));
    return QByteArray(reinterpret_cast<const char *>(image.data()), n);
}

QByteArray file_bytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool write_file(const QString &path, const QByteArray &data)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

QByteArray md_image(QByteArray image, quint32 end, const char *serial)
{
    if (image.size() < 0x200)
        return image;
    char *p = image.data();
    std::memcpy(p + 0x100, "SEGA MEGA DRIVE (C)SEGA 1991.JUN", 32);
    std::memset(p + 0x120, ' ', 96);
    std::memcpy(p + 0x120, "\x83\x5C\x83\x6A\x83\x62\x83\x4E", 8);
    std::memcpy(p + 0x150, "SONIC THE  HEDGEHOG", 19);
    std::memcpy(p + 0x180, serial, std::min<size_t>(14, std::strlen(serial)));
    for (int i = 0; i < 4; ++i) {
        p[0x1A0 + i] = 0;
        p[0x1A4 + i] = char(end >> (24 - 8 * i));
    }
    const int stop = std::min(image.size(), int(end) + 1);
    quint16 sum = 0;
    for (int i = 0x200; i < stop; i += 2)   // an odd last byte is a word's high half
        sum = quint16(sum + (quint8(p[i]) << 8) + (i + 1 < stop ? quint8(p[i + 1]) : 0));
    const char checksum[2] = {char(sum >> 8), char(sum)};
    image.replace(0x18E, 2, checksum, 2);
    return image;
}

QByteArray sms_image(QByteArray image, int base, const QByteArray &fields)
{
    static const int kib[16] = {256, 512, 1024, 0, 0, 0, 0, 0, 0, 0, 8, 16, 32, 48, 64, 128};
    if (image.size() < base + 16 || fields.size() != 4)
        return image;
    char *h = image.data() + base;
    std::memcpy(h, "TMR SEGA", 8);
    std::memcpy(h + 0xC, fields.constData(), 4);
    const int range = std::min(image.size(), kib[quint8(fields[3]) & 0xF] * 1024);
    quint32 sum = 0;
    for (int i = 0; i < range; ++i)
        sum += (i >= base && i < base + 16) ? 0 : quint8(image[i]);
    const char checksum[2] = {char(sum), char(sum >> 8)};
    image.replace(base + 0xA, 2, checksum, 2);
    return image;
}
