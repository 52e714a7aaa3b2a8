#include "platform/ProcessStats.h"

#include <unistd.h>
#include <QFile>
#include <QGuiApplication>
#include <QWindow>

namespace platform {

long ResidentKiB() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    if (fields.size() < 2) return 0;
    return fields[1].toLong() * (sysconf(_SC_PAGESIZE) / 1024);
}

int LiveWindowCount() { return static_cast<int>(QGuiApplication::allWindows().size()); }

}  // namespace platform
