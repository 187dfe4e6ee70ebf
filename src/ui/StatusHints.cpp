#include "ui/StatusHints.h"

#include <QEvent>
#include <QStatusBar>
#include <QWidget>

namespace tavo::ui {

StatusHints::StatusHints(QStatusBar* bar, QObject* parent) : QObject(parent), bar_(bar) {}

void StatusHints::add(QWidget* control, const QString& hint) {
    hints_.insert(control, hint);
    control->installEventFilter(this);
}

bool StatusHints::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn)
        bar_->showMessage(hints_.value(watched));
    else if (event->type() == QEvent::FocusOut) // ClearStatus
        bar_->clearMessage();
    return QObject::eventFilter(watched, event);
}

} // namespace tavo::ui
