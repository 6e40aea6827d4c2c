#pragma once

// The peak resident memory of this process so far (VmHWM), in kilobytes; 0 where the system does not tell it.

#include <QByteArray>
#include <QFile>

inline long peakMemoryKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').constFirst().toLong();
    }
    return 0;
}
