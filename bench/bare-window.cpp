// The yardstick for the game's start-up: a bare Qt Widgets window with one
// label, built like the game.

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("A bare window"));
    label.setWindowTitle(QStringLiteral("bare-window"));
    label.show();
    return app.exec();
}
