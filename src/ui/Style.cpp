#include "ui/Style.h"

#include <QEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
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

QLineEdit* figureLine(const QString& text) {
    auto* box = new QLineEdit(text);
    box->setReadOnly(true);
    box->setFrame(false);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, Qt::transparent);
    box->setPalette(palette);
    return box;
}

QLineEdit* captionFigure(const QString& name, const QFont& font, const QString& widest) {
    QLineEdit* box = figureLine(QString());
    box->setFont(font);
    // As wide as its widest figure, whatever it shows now, so the window
    // keeps its size.
    box->setMinimumWidth(QFontMetrics(font).horizontalAdvance(widest) + 8);
    box->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    box->setAccessibleName(name);
    return box;
}

QStatusBar* addStatusBar(QBoxLayout* layout) {
    auto* bar = new QStatusBar;
    bar->setSizeGripEnabled(false);
    layout->addWidget(bar);
    return bar;
}

void setMainAction(QWidget* window, QPushButton* main) {
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    main->setDefault(true);
}

namespace {

class FocusOnShow final : public QObject {
public:
    FocusOnShow(QWidget* window, QWidget* field) : QObject(window), field_(field) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            auto* window = static_cast<QWidget*>(watched);
            field_->setFocus(Qt::OtherFocusReason);
            bringToFront(window);
        }
        return false;
    }

private:
    QWidget* field_;
};

} // namespace

void focusOnShow(QWidget* window, QWidget* field) {
    window->installEventFilter(new FocusOnShow(window, field));
}

QLabel* heading(const QString& text) {
    auto* label = new QLabel(text);
    QFont big = label->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    label->setFont(big);
    return label;
}

void showOrRefill(QWidget* window, const std::function<void()>& refill) {
    if (!window->isVisible()) {
        window->show();
        return;
    }
    refill();
    bringToFront(window);
}

void bringToFront(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace tavo::ui
