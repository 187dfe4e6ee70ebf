#include "ui/GameTimer.h"

namespace tavo::ui {

GameTimer::GameTimer(int interval, bool enabled, std::function<void()> onTimer, QObject* parent)
    : QObject(parent), interval_(interval), enabled_(enabled), onTimer_(std::move(onTimer)) {
    connect(&timer_, &QTimer::timeout, this, [this] { onTimer_(); });
    update();
}

void GameTimer::setEnabled(bool enabled) {
    enabled_ = enabled;
    update();
}

void GameTimer::setInterval(int interval) {
    interval_ = interval;
    update();
}

void GameTimer::update() {
    if (enabled_ && interval_ > 0) {
        if (timer_.interval() != interval_ || !timer_.isActive()) timer_.start(interval_);
    } else {
        timer_.stop();
    }
}

} // namespace tavo::ui
