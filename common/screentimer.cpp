#include "common/screentimer.h"

#include "common/screen.h"

ScreenTimer::ScreenTimer(Screen& screen, const char* name, int intervalMs, bool singleShot)
    : QObject(&screen) {
    setObjectName(QString::fromLatin1(name));
    timer_.setParent(this);
    timer_.setInterval(intervalMs);
    timer_.setSingleShot(singleShot);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &ScreenTimer::fire);
    connect(&screen, &Screen::unloading, this, &ScreenTimer::stop);
}

void ScreenTimer::wake() {
    if (!timer_.isActive())
        timer_.start();
}

void ScreenTimer::stop() {
    timer_.stop();
}

RepeatingTimer::RepeatingTimer(Screen& screen, const char* name, int intervalMs,
                               std::function<bool()> tick)
    : ScreenTimer(screen, name, intervalMs, false), tick_(std::move(tick)) {}

void RepeatingTimer::fire() {
    if (!tick_())
        timer_.stop();
}

SingleShotTimer::SingleShotTimer(Screen& screen, const char* name, int intervalMs,
                                 std::function<void()> tick)
    : ScreenTimer(screen, name, intervalMs, true), tick_(std::move(tick)) {}

void SingleShotTimer::fire() {
    // Stopped first, so a tick that wakes its own timer gets another one.
    timer_.stop();
    tick_();
}
