#include "ui/TavoApplication.h"

#include "ui/Accessibility.h"
#include "ui/Icons.h"

#include <QLayout>
#include <QWidget>
#include <QWindow>

namespace tavo::ui {

TavoApplication::TavoApplication(int& argc, char** argv) : QApplication(argc, argv) {
    // No display name: the window system would add it to every title. The
    // name gives the player's data folder its name, apart from the installed
    // share/tavo even when the game is installed in ~/.local.
    setApplicationName(QStringLiteral("Tavo"));
    setDesktopFileName(QStringLiteral("org.example.tavo_game"));
    // The installed icon where the desktop's theme has it.
    setWindowIcon(QIcon::fromTheme(desktopFileName(), toolIcon(ToolIcon::Drinks)));
    installAccessibility();
    // The window system's focus comes back to a window while Qt still holds
    // another, untitled one active (seen after a load from the game window
    // whose typed name the folder holds): the keyboard is then nowhere and
    // assistive tools hear no window. The window with the focus is made the
    // active one.
    connect(this, &QGuiApplication::focusWindowChanged, this, [this](QWindow* focused) {
        for (QWidget* window : topLevelWidgets())
            if (focused && window->windowHandle() == focused && activeWindow() != window &&
                !window->isHidden())
                setActiveWindow(window);
    });
}

bool TavoApplication::notify(QObject* receiver, QEvent* event) {
    const bool done = QApplication::notify(receiver, event);
    // A window fills itself in as it shows: it takes the size of what it
    // shows now, before the window system maps it, rather than growing a
    // moment after it appears.
    if (event->type() == QEvent::Show)
        if (auto* window = qobject_cast<QWidget*>(receiver);
            window && window->isWindow() && window->layout())
            window->layout()->activate();
    return done;
}

} // namespace tavo::ui
