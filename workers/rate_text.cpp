#include "workers/rate_text.h"

#include <QCoreApplication>

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

QString summary_text(qint64 bytes, qint64 elapsedMs, quint32 crc, const QString &outcome)
{
    const qint64 mib = 1024 * 1024;
    const QString size = bytes % 1024 ? QStringLiteral("%1 bytes").arg(bytes)
        : bytes % mib ? QStringLiteral("%1 KiB").arg(bytes / 1024)
                      : QStringLiteral("%1 MiB").arg(bytes / mib);
    const QString speed = elapsedMs > 0 ? speed_text(double(bytes) * 1000.0 / double(elapsedMs))
                                        : QStringLiteral("-- KiB/s");
    const QString time = elapsedMs < 60000 ? QStringLiteral("%1 s").arg(elapsedMs / 1000.0, 0, 'f', 1)
                                           : clock_text((elapsedMs + 500) / 1000);
    QString text = QCoreApplication::translate("TabGui", "%1 in %2, %3, CRC-32 %4")
                       .arg(size, time, speed)
                       .arg(crc, 8, 16, QLatin1Char('0'));
    if (!outcome.isEmpty())
        text += QStringLiteral(", ") + outcome;
    return text;
}
