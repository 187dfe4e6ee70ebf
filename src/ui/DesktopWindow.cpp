#include "ui/DesktopWindow.h"

#include "ui/Accessibility.h"
#include "ui/GameSettings.h"

#include <QAbstractSpinBox>
#include <QDataStream>
#include <QDialog>
#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSettings>
#include <QStyle>
#include <QTextEdit>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace tavo::ui {
namespace {

QString placeKey(const QWidget* window) {
    return QStringLiteral("windows/") + window->objectName();
}

QByteArray storedPlace(const QWidget* window) {
    if (!settingsFileUsable()) return {};
    return QSettings(settingsFilePath(), QSettings::IniFormat)
        .value(placeKey(window))
        .toByteArray();
}

void storePlace(const QWidget* window, const QByteArray& place) {
    if (!settingsFileUsable()) return; // the place is still kept for this run
    QSettings settings(settingsFilePath(), QSettings::IniFormat);
    settings.setValue(placeKey(window), place);
}

// The frame the window manager drew around the window when its place was
// stored (the frame saveGeometry() keeps, less the window), or none. A
// damaged or hand-made place may claim any frame: a side wider than any
// window manager draws is not believed.
QMargins storedFrame(const QByteArray& place) {
    constexpr quint32 kPlaceMagic = 0x1D9D0CB; // what saveGeometry() writes first
    constexpr int kWidestSide = 64;
    QDataStream stream(place);
    stream.setVersion(QDataStream::Qt_4_0);
    quint32 magic = 0;
    quint16 major = 0, minor = 0;
    QRect frame, window;
    stream >> magic >> major >> minor >> frame >> window;
    if (stream.status() != QDataStream::Ok || magic != kPlaceMagic) return {};
    const QMargins sides(window.left() - frame.left(), window.top() - frame.top(),
                         frame.right() - window.right(), frame.bottom() - window.bottom());
    for (const int side : {sides.left(), sides.top(), sides.right(), sides.bottom()})
        if (side < 0 || side > kWidestSide) return {};
    return sides;
}

// `value` moved the least into [low, high]; `low` when the range is empty.
int into(int value, int low, int high) {
    return std::max(low, std::min(value, high));
}

bool readOnly(const QWidget* widget) {
    if (auto* line = qobject_cast<const QLineEdit*>(widget)) return line->isReadOnly();
    if (auto* text = qobject_cast<const QPlainTextEdit*>(widget)) return text->isReadOnly();
    if (auto* rich = qobject_cast<const QTextEdit*>(widget)) return rich->isReadOnly();
    if (auto* spin = qobject_cast<const QAbstractSpinBox*>(widget)) return spin->isReadOnly();
    return false;
}

// The first stop of the Tab chain (where the keyboard goes when the window
// becomes active), or the first the player can act on.
QWidget* firstStop(QWidget* window, bool acting) {
    for (QWidget* widget = window->nextInFocusChain(); widget != window;
         widget = widget->nextInFocusChain())
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisibleTo(window) &&
            widget->isEnabled() && !(acting && readOnly(widget)))
            return widget;
    return nullptr;
}

class WindowPlace final : public QObject {
public:
    WindowPlace(QWidget* window, QWidget* owner)
        : QObject(window), window_(window), owner_(owner) {}

    // Shrinks the window to what the screen's free area leaves beside its
    // frame, and moves the frame onto that area. Before the window manager
    // has framed a window, its frame is taken to be the one it had when its
    // place was stored; at a first showing this is done again once the
    // window manager has framed it, since only then is the frame known.
    void settle() {
        const QScreen* screen = window_->screen();
        if (screen == nullptr || !window_->isVisible()) return;
        const QRect free = screen->availableGeometry();
        const bool framed = window_->frameGeometry() != window_->geometry();
        const QMargins frame =
            framed ? QMargins(window_->geometry().left() - window_->frameGeometry().left(),
                              window_->geometry().top() - window_->frameGeometry().top(),
                              window_->frameGeometry().right() - window_->geometry().right(),
                              window_->frameGeometry().bottom() - window_->geometry().bottom())
                   : storedFrame_;
        const QSize room = free.size().shrunkBy(frame);
        if (window_->width() > room.width() || window_->height() > room.height())
            window_->resize(window_->size().boundedTo(room));
        const QRect outer = window_->geometry().marginsAdded(frame);
        if (!free.contains(outer)) {
            const QPoint to(into(outer.left(), free.left(), free.right() + 1 - outer.width()),
                            into(outer.top(), free.top(), free.bottom() + 1 - outer.height()));
            // Unframed, a window's place is its own corner's, not its frame's.
            window_->move(framed ? to : to + QPoint(frame.left(), frame.top()));
        }
        if (framed || window_->windowFlags() & Qt::FramelessWindowHint || !hasWindowManager())
            settling_ = false;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_) {
            // The window system's window: shown on the screen, so framed by
            // now, though framing may not have moved the window.
            if (event->type() == QEvent::Expose && settling_) settle();
            return false;
        }
        switch (event->type()) {
        case QEvent::Show:
            shown();
            break;
        case QEvent::Hide:
            // A window the window system hid (minimised) keeps its place.
            if (!event->spontaneous()) left();
            break;
        case QEvent::Move:
            if (settling_) settle();
            break;
        case QEvent::Resize:
            // The content changed the window's size (not the window system,
            // whose reports while it maps a window may be passing ones).
            if (!event->spontaneous()) settle();
            break;
        default:
            break;
        }
        return false;
    }

private:
    void shown() {
        // Left alone, the keyboard goes to the first widget of the Tab chain
        // when the window becomes active; never to a read-only box.
        QWidget* focus = window_->focusWidget();
        if (focus == nullptr) focus = firstStop(window_, false);
        if (focus && readOnly(focus))
            if (QWidget* control = firstStop(window_, true))
                control->setFocus(Qt::OtherFocusReason);
        QWindow* handle = window_->windowHandle();
        if (handle && owner_)
            handle->setTransientParent(owner_->isVisible() ? owner_->windowHandle() : nullptr);
        // Shown again in a run, a window keeps the place it had. At its first
        // showing it goes where the player left it in the last run; a dialog
        // placed by nobody yet centres itself when it shows.
        if (!shownBefore_) {
            shownBefore_ = true;
            settling_ = true;
            if (handle) handle->installEventFilter(this);
            if (const QByteArray stored = storedPlace(window_); !stored.isEmpty()) {
                window_->restoreGeometry(stored);
                storedFrame_ = storedFrame(stored);
            } else if (!qobject_cast<QDialog*>(window_) && window_->screen()) {
                window_->move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window_->size(),
                                                  window_->screen()->availableGeometry())
                                  .topLeft());
            }
        }
        settle();
    }

    void left() {
        settling_ = false;
        window_->setAttribute(Qt::WA_Moved); // a dialog does not centre itself again
        // Only a place wholly on the screen is kept for the next run.
        if (const QScreen* screen = window_->screen();
            screen && screen->availableGeometry().contains(window_->frameGeometry()))
            storePlace(window_, window_->saveGeometry());
    }

    static bool hasWindowManager() {
        const QString platform = QGuiApplication::platformName();
        return platform == QLatin1String("xcb");
    }

    QWidget* window_;
    QWidget* owner_;
    QMargins storedFrame_; // the frame of the stored place
    bool shownBefore_ = false;
    bool settling_ = false;
};

} // namespace

void makeDesktopWindow(QWidget* window, QWidget* owner) {
    window->installEventFilter(new WindowPlace(window, owner));
    // A figure box is in the Tab order, so that the keyboard and a screen
    // reader reach every figure; a window never opens with the keyboard in
    // one (see WindowPlace::shown).
    nameControls(window);
    // A dialog without a maximise button takes the size of its content, and
    // nothing else: a window manager then offers neither resizing nor
    // maximising, and the window follows its content as it changes.
    // It asks for its title and, where it has one, its close box and no
    // other button, naming each decoration (a window manager that is told
    // only which actions to allow may draw every button).
    const Qt::WindowFlags flags = window->windowFlags();
    if (qobject_cast<QDialog*>(window) && window->layout() &&
        !(flags & Qt::WindowMaximizeButtonHint)) {
        window->layout()->setSizeConstraint(QLayout::SetFixedSize);
        window->setWindowFlags(
            (flags & (Qt::WindowType_Mask | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint)) |
            Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint);
    }
}

} // namespace tavo::ui
