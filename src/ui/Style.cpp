#include "ui/Style.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QWidget>

#include <algorithm>

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
            window->raise();
            window->activateWindow();
        }
        return false;
    }

private:
    QWidget* field_;
};

} // namespace

namespace {

class KeepOnScreen final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) fit(static_cast<QWidget*>(watched));
        return false;
    }

private:
    static void fit(QWidget* window) {
        const QScreen* screen = window->screen();
        if (screen == nullptr) return;
        const QRect free = screen->availableGeometry();
        // Before a window manager frames it, a title bar is still to come:
        // room is kept for it above the window.
        QSize frame = window->frameGeometry().size() - window->geometry().size();
        const int titleToCome = window->windowFlags() & Qt::FramelessWindowHint
                                    ? 0
                                    : std::max(0, kTitleBar - frame.height());
        frame.rheight() += titleToCome;
        const QSize room = free.size() - frame;
        if (window->layout()) window->layout()->activate();
        // A window the player never sized gets the size it asks for (Qt
        // keeps a first window to two thirds of the screen), as far as the
        // screen allows.
        const QSize asked =
            window->testAttribute(Qt::WA_Resized) ? window->size() : window->sizeHint();
        const QSize wanted = asked.expandedTo(window->minimumSizeHint());
        if (wanted != window->size() || wanted.width() > room.width() ||
            wanted.height() > room.height())
            window->resize(wanted.boundedTo(room));
        const QSize outer = window->size() + frame;
        // A window shown for the first time opens in the middle of the
        // screen; one the player has moved stays, as far as it fits.
        QPoint at = window->testAttribute(Qt::WA_Moved)
                        ? window->frameGeometry().topLeft()
                        : free.center() - QPoint(outer.width() / 2, outer.height() / 2);
        at.setX(std::clamp(at.x(), free.left(),
                           std::max(free.left(), free.right() + 1 - outer.width())));
        at.setY(std::clamp(at.y(), free.top(),
                           std::max(free.top(), free.bottom() + 1 - outer.height())));
        at.ry() += titleToCome;
        if (at != window->frameGeometry().topLeft() || !window->testAttribute(Qt::WA_Moved))
            window->move(at);
    }
    static constexpr int kTitleBar = 32;
};

} // namespace

void keepOnScreen(QWidget* window) {
    window->installEventFilter(new KeepOnScreen(window));
}

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
    window->raise();
    window->activateWindow();
}

} // namespace tavo::ui
