// The application: its names and icon, and windows that take the size of
// what they show as they show. No exception passes through it: each
// handler says its own errors (a number that does not convert stops the
// action, the voice says so, and the program goes on).
#pragma once

#include <QApplication>

namespace tavo::ui {

class TavoApplication final : public QApplication {
public:
    TavoApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace tavo::ui
