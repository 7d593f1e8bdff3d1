// The sums of a saved image, all worked out in one pass over it.
#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace verify {

struct ImageDigest {
    quint32 crc32 = 0;
    // Raw digests; empty unless asked for.
    QByteArray md5;
    QByteArray sha1;
    QByteArray sha256;
};

// The CRC-32 of `len` bytes at `data`, and with `allHashes` their MD5, SHA-1
// and SHA-256, each piece of the image hashed while it is in the cache.
ImageDigest digest_image(const uchar *data, quint32 len, bool allHashes);

} // namespace verify
