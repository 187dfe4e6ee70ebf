// Looks shared by several windows.
#pragma once

#include <QString>

#include <functional>
#include <initializer_list>

class QBoxLayout;
class QFont;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QWidget;

namespace tavo::ui {

// A white window with black text, as the popup and the fire window are.
void makeWhite(QWidget* window);

// Buttons on the right of a row.
QHBoxLayout* buttonRow(std::initializer_list<QWidget*> buttons);

// A read-only box for a figure, aligned right.
QLineEdit* figureBox(const QString& text = QStringLiteral("0"));
// A figure shown as a label is, without a frame, read and reached as a
// read-only box: it reads by the label before it.
QLineEdit* figureLine(const QString& text);
// A figure shown as a caption is (the money, the date), without a frame,
// read and reached as a read-only box named `name`, as wide as `widest`.
QLineEdit* captionFigure(const QString& name, const QFont& font, const QString& widest);

// A one-panel status bar at the bottom of a window's layout.
QStatusBar* addStatusBar(QBoxLayout* layout);

// Enter presses `main`, the window's main action, and no other button.
void setMainAction(QWidget* window, QPushButton* main);

// At each showing the keyboard goes to `field`, the first the player
// types into or picks from, and the window comes to the front.
void focusOnShow(QWidget* window, QWidget* field);

// A window's heading: its font larger and bold.
QLabel* heading(const QString& text);

// Shows a window; one open already is filled again by `refill` (its show
// handler) and brought to the front.
void showOrRefill(QWidget* window, const std::function<void()>& refill);
// Shows the window, or brings it back, in front with the keyboard.
void bringToFront(QWidget* window);

} // namespace tavo::ui
