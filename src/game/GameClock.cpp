#include "game/GameClock.h"

namespace tavo {

void GameClock::set(int interval, Speed speed) {
    interval_ = interval;
    speed_ = speed;
    if (speed != Pause) resume_ = speed;
}

void GameClock::stop() {
    running_ = false;
    drinksPause_.reset();
    lottoInterval_.reset();
}

void GameClock::choose(Speed speed) {
    drinksPause_.reset();
    set(kIntervals[speed], speed);
    // The Lotto window still holds the clock: the choice runs it once closed.
    if (lottoInterval_) {
        lottoInterval_ = interval_;
        interval_ = 0;
    }
}

void GameClock::togglePause() {
    if (interval_ > 0)
        choose(Pause);
    else
        choose(speed_ == Pause ? resume_ : speed_);
}

void GameClock::drinksOpened(bool pauseWhileOrdering) {
    if (!pauseWhileOrdering || interval_ <= 0 || drinksPause_) return;
    drinksPause_ = Held{interval_, speed_};
    set(0, Pause);
}

void GameClock::drinksClosed() {
    // Only a pause the drinks window made is undone, to the speed it stopped.
    if (!drinksPause_) return;
    set(drinksPause_->interval, drinksPause_->speed);
    drinksPause_.reset();
}

void GameClock::lottoOpened() {
    if (lottoInterval_) return;
    lottoInterval_ = interval_;
    interval_ = 0;
}

void GameClock::lottoClosed() {
    if (lottoInterval_) interval_ = *lottoInterval_;
    lottoInterval_.reset();
}

void GameClock::setInterval(int milliseconds) {
    drinksPause_.reset();
    interval_ = milliseconds;
}

} // namespace tavo
