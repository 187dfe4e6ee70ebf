// A game timer with the desktop toolkit's meaning: enabled plus an interval
// in milliseconds, where an interval of 0 never fires (a bare QTimer with
// interval 0 fires continuously).
#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

namespace tavo::ui {

class GameTimer final : public QObject {
    Q_OBJECT
public:
    GameTimer(int interval, bool enabled, std::function<void()> onTimer, QObject* parent = nullptr);

    bool enabled() const { return enabled_; }
    int interval() const { return interval_; }
    void setEnabled(bool enabled);
    // A negative interval stops the timer like 0.
    void setInterval(int interval);
    // Whether the underlying clock is running (enabled and interval > 0).
    bool running() const { return timer_.isActive(); }
    // One tick, as the clock gives it (for the tests and the monkey).
    void tick() { onTimer_(); }

private:
    void update();

    QTimer timer_;
    int interval_;
    bool enabled_;
    std::function<void()> onTimer_;
};

} // namespace tavo::ui
