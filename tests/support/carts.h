// Cartridge images for tests, laid out as the consoles' own documentation
// describes their headers; nothing here comes from the client's decoders.
#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <cstdint>
#include <vector>

#include <QString>

#include "workers/verify/verify.h"

QByteArray random_image(int size, quint32 seed);
// Distinct bytes everywhere, and every `bank`-byte bank starts with its
// number, so a wrong bank shows in a saved file.
std::vector<uint8_t> banked_image(uint32_t size, uint32_t bank, uint32_t seed = 1);
std::vector<uint8_t> to_vector(const QByteArray &image);
// The first `len` bytes (all when -1) of `image`.
QByteArray to_bytes(const std::vector<uint8_t> &image, int len = -1);
// The file's bytes; empty when it cannot be read.
QByteArray file_bytes(const QString &path);
// Creates or replaces the file with `data`; false unless all of it is written.
bool write_file(const QString &path, const QByteArray &data);

// The catalogue entry that verifies exactly `image`.
verify::CatalogueEntry catalogue_entry(const QByteArray &image, const QString &title, int family);

// A Mega Drive header ("SONIC THE HEDGEHOG", Shift_JIS "ソニック", serial
// "GM MK-1079 -00" unless given) whose ROM ends at `end`, and the checksum of
// the words from 0x200 up to that end or the image's, whichever comes first.
QByteArray md_image(QByteArray image, quint32 end, const char *serial = "GM MK-1079 -00");

// A "TMR SEGA" header at `base` with `fields` (+0xC to +0xF: product code,
// version, region and size code) and the checksum of the range the size
// code names, the image's end at most.
QByteArray sms_image(QByteArray image, int base, const QByteArray &fields);
