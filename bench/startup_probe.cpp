#include "startup_probe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>

namespace bt::bench {

namespace {

long peakResidentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

}  // namespace

FirstPaintProbe::FirstPaintProbe(QWidget* watched) : QObject(watched) {
    watched->installEventFilter(this);
}

bool FirstPaintProbe::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::Paint && !seen_) {
        seen_ = true;
        // Runs once the paint has finished and the frame has gone to the display.
        QTimer::singleShot(0, [] {
            timespec now{};
            clock_gettime(CLOCK_MONOTONIC, &now);
            std::printf("painted %lld %ld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec,
                        peakResidentKb());
            std::fflush(stdout);
            QCoreApplication::exit(0);
        });
    }
    return false;
}

}  // namespace bt::bench
