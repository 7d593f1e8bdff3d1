#include "workers/verify/image_digest.h"

#include "device/checksum.h"

#include <QCryptographicHash>
#include <algorithm>

namespace verify {

ImageDigest digest_image(const uchar *data, quint32 len, bool allHashes)
{
    ImageDigest d;
    if (!allHashes) {
        d.crc32 = crc32_buffer(data, len);
        return d;
    }
    QCryptographicHash md5(QCryptographicHash::Md5), sha1(QCryptographicHash::Sha1),
        sha256(QCryptographicHash::Sha256);
    // Pieces small enough to stay in the cache between the four sums.
    constexpr quint32 kPiece = 64 * 1024;
    quint32 crc = 0;
    for (quint32 at = 0; at < len; at += kPiece) {
        const quint32 n = std::min(kPiece, len - at);
        const char *p = reinterpret_cast<const char *>(data + at);
        crc = crc32_update(crc, p, n);
        md5.addData(p, int(n));
        sha1.addData(p, int(n));
        sha256.addData(p, int(n));
    }
    d.crc32 = crc;
    d.md5 = md5.result();
    d.sha1 = sha1.result();
    d.sha256 = sha256.result();
    return d;
}

} // namespace verify
