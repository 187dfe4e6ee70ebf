#include "ui/Style.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPalette>
#include <QStatusBar>
#include <QWidget>

namespace tavo::ui {

void makeWhite(QWidget* window) {
    window->setAutoFillBackground(true);
    QPalette white = window->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    window->setPalette(white);
}

QHBoxLayout* buttonRow(std::initializer_list<QWidget*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QWidget* button : buttons)
        row->addWidget(button);
    return row;
}

QLineEdit* figureBox(const QString& text) {
    auto* box = new QLineEdit(text);
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignRight);
    return box;
}

QStatusBar* addStatusBar(QBoxLayout* layout) {
    auto* bar = new QStatusBar;
    bar->setSizeGripEnabled(false);
    layout->addWidget(bar);
    return bar;
}

} // namespace tavo::ui
