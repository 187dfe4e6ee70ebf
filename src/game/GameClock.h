// The game clock's pace: the speed the player chose (Slow, Normal, Fast or
// Pause), the pauses the drinks and Lotto windows make while they are open,
// and the debug centre's own interval. The game window's timer runs at
// `interval()` while `running()`; an interval of 0 counts no day.
#pragma once

#include <optional>

namespace tavo {

class GameClock {
public:
    enum Speed { Slow = 0, Normal = 1, Fast = 2, Pause = 3 };
    static constexpr int kIntervals[4] = {4000, 2000, 700, 0};
    // Before any choice the clock counts a day every 3 s, "Normal" ticked.
    static constexpr int kFirstInterval = 3000;

    int interval() const { return interval_; }
    // The speed item ticked in the menus.
    Speed speed() const { return speed_; }
    // Whether a game is on and its days are counted at `interval()`.
    bool running() const { return running_; }

    void start() { running_ = true; }
    void stop();
    // The player's choice: it wins over a pause the drinks window made.
    void choose(Speed speed);
    // Space: pauses a clock that runs, or runs it again at its last speed.
    void togglePause();
    // The drinks window opened: with "pause while ordering" set, a clock
    // that runs stops until the window closes, which gives its speed back.
    void drinksOpened(bool pauseWhileOrdering);
    void drinksClosed();
    // The Lotto window holds the clock while it is open.
    void lottoOpened();
    void lottoClosed();
    // The debug centre's interval, in milliseconds.
    void setInterval(int milliseconds);

private:
    void set(int interval, Speed speed);

    struct Held {
        int interval;
        Speed speed;
    };
    int interval_ = kFirstInterval;
    Speed speed_ = Normal;
    Speed resume_ = Normal; // the last speed that ran the clock
    bool running_ = false;
    std::optional<Held> drinksPause_;
    std::optional<int> lottoInterval_;
};

} // namespace tavo
