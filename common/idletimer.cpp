#include "common/idletimer.h"

IdleTimer::IdleTimer(int intervalMs, std::function<bool()> tick, QObject* parent)
    : QObject(parent), tick_(std::move(tick)) {
    // A child, so whoever stops every timer of a closing screen finds this one too.
    timer_.setParent(this);
    timer_.setInterval(intervalMs);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &IdleTimer::fire);
}

void IdleTimer::wake() {
    if (!timer_.isActive())
        timer_.start();
}

void IdleTimer::stop() {
    timer_.stop();
}

void IdleTimer::fire() {
    if (!tick_())
        timer_.stop();
}
