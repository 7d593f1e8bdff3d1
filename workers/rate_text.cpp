#include "workers/rate_text.h"

QString speed_text(double bytesPerSecond)
{
    const double kib = bytesPerSecond / 1024.0;
    if (kib < 1024.0)
        return QStringLiteral("%1 KiB/s").arg(qint64(kib));
    return QStringLiteral("%1 MiB/s").arg(kib / 1024.0, 0, 'f', 1);
}

QString clock_text(qint64 seconds)
{
    if (seconds >= 3600)
        return QStringLiteral("%1:%2:%3")
            .arg(seconds / 3600)
            .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
            .arg(seconds % 60, 2, 10, QLatin1Char('0'));
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}
