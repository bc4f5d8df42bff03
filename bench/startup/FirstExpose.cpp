#include "bench/startup/FirstExpose.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <ctime>

namespace kestrava::bench {
namespace {

long long Nanoseconds(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

void ReportAndQuit() {
    const long long now = Nanoseconds(CLOCK_MONOTONIC);
    std::printf("%lld %lld\n", now, Nanoseconds(CLOCK_PROCESS_CPUTIME_ID));
    std::fflush(stdout);
    QCoreApplication::quit();
}

}  // namespace

FirstExpose::FirstExpose() {
    QCoreApplication::instance()->installEventFilter(this);
}

bool FirstExpose::eventFilter(QObject* watched, QEvent* event) {
    if (!seen_ && event->type() == QEvent::Expose) {
        auto* window = qobject_cast<QWindow*>(watched);
        if (window != nullptr && window->isExposed()) {
            seen_ = true;
            // Queued, so it runs after the window has handled the expose: painted and flushed.
            QTimer::singleShot(0, QCoreApplication::instance(), &ReportAndQuit);
        }
    }
    return false;
}

}  // namespace kestrava::bench
