// Speeds and durations as both front ends show them.
#pragma once

#include <QString>

// "850 KiB/s" below one MiB/s, "3.2 MiB/s" from there on.
QString speed_text(double bytesPerSecond);
// "0:05", "12:40", "1:02:03".
QString clock_text(qint64 seconds);
