#pragma once
// A repeating timer that sleeps while it has nothing to do. Its tick returns
// whether more ticks are wanted; once it says no, the timer stops until the
// owner wakes it again. A woken timer ticks on its usual interval, so the
// sequence of ticks a player sees is that of a timer that never stopped.

#include <QObject>
#include <QTimer>
#include <functional>

class IdleTimer : public QObject {
public:
    IdleTimer(int intervalMs, std::function<bool()> tick, QObject* parent);

    void wake();
    void stop();
    bool isActive() const { return timer_.isActive(); }
    int interval() const { return timer_.interval(); }

    // Runs one tick now, as the timer would; tests use it to step time.
    void fire();

private:
    QTimer timer_;
    std::function<bool()> tick_;
};
