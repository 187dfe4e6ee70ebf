#include "ui/Style.h"

#include <QPalette>
#include <QWidget>

namespace tavo::ui {

void makeWhite(QWidget* window) {
    window->setAutoFillBackground(true);
    QPalette white = window->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    window->setPalette(white);
}

} // namespace tavo::ui
