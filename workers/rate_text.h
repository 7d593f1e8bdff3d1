// Speeds, durations and the summary of a dump as both front ends show them.
#pragma once

#include <QString>

// "850 KiB/s" below one MiB/s, "3.2 MiB/s" from there on.
QString speed_text(double bytesPerSecond);
// "0:05", "12:40", "1:02:03".
QString clock_text(qint64 seconds);
// The closing line of a saved dump, the same in both front ends:
// "512 KiB in 2.0 s, 256 KiB/s, CRC-32 1a2b3c4d, verified" (MiB for whole
// MiB); the outcome and its comma are left out when `outcome` is empty.
QString summary_text(qint64 bytes, qint64 elapsedMs, quint32 crc, const QString &outcome = QString());
