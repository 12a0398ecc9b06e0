#pragma once
// A screen's timers, of two kinds that show where each is declared:
//
// - RepeatingTimer ticks every interval for as long as its tick asks for
//   more, then sleeps until its screen wakes it again. A woken timer ticks on
//   its usual interval, so the ticks a player sees are those of a timer that
//   never stopped.
// - SingleShotTimer ticks once, one interval after it is woken; a wake while
//   it waits changes nothing. It suits everything that only has to catch up
//   once with a change: a meter, the card faces, a pause.
//
// Every timer belongs to its screen and stops when the screen is unloaded,
// so no tick of a closed screen ever runs. Its object name is the timer's
// given name; every interval comes from common/durations.h.

#include <QObject>
#include <QTimer>
#include <functional>

class Screen;

class ScreenTimer : public QObject {
    Q_OBJECT
public:
    void wake();
    void stop();
    bool isActive() const { return timer_.isActive(); }
    int interval() const { return timer_.interval(); }
    bool isSingleShot() const { return timer_.isSingleShot(); }

    // Runs one tick now, as the timer would; tests use it to step time.
    virtual void fire() = 0;

protected:
    ScreenTimer(Screen& screen, const char* name, int intervalMs, bool singleShot);

    QTimer timer_;
};

class RepeatingTimer final : public ScreenTimer {
public:
    // tick returns whether more ticks are wanted.
    RepeatingTimer(Screen& screen, const char* name, int intervalMs, std::function<bool()> tick);
    void fire() override;

private:
    std::function<bool()> tick_;
};

class SingleShotTimer final : public ScreenTimer {
public:
    SingleShotTimer(Screen& screen, const char* name, int intervalMs, std::function<void()> tick);
    void fire() override;

private:
    std::function<void()> tick_;
};
