// What assistive tools (a screen reader on the desktop's accessibility bus)
// read of the game's windows: a picture that acts is a button named by its
// caption or hint; a picture that only decorates is hidden; every box is
// named by the label beside it; a figure refreshed to what it shows
// already is not told again.
#pragma once

#include <QString>
#include <QWidget>

#include <initializer_list>
#include <vector>

namespace tavo::ui {

// While it lives, what `widgets` show changes without a word to assistive
// tools: figures that run many times a second (the reels as they spin, the
// cars as they race) would flood a screen reader, which then drops what
// matters. What they come to is said once they stop; each still reads what
// it shows when the player goes to it.
class RunningFigures {
public:
    RunningFigures(std::initializer_list<QWidget*> widgets);
    ~RunningFigures();
    RunningFigures(const RunningFigures&) = delete;
    RunningFigures& operator=(const RunningFigures&) = delete;

private:
    std::vector<QWidget*> widgets_;
};

// A choice (a radio button, a check box) that shows and is not changed
// here: it ignores the mouse and the keyboard, and assistive tools read it
// as read-only. Made so before it has its caption, since they ask how a
// choice reads as soon as it has one.
template <typename Choice>
Choice* shownChoice(const QString& caption) {
    auto* choice = new Choice;
    choice->setAttribute(Qt::WA_TransparentForMouseEvents);
    choice->setFocusPolicy(Qt::NoFocus);
    choice->setText(caption);
    return choice;
}

// Once, when the application starts: how the game's own widgets read.
void installAccessibility();

// Gives each box, list and choice of `window` that has no name yet the
// label before it as its buddy (the label it reads by), or its hint as its
// name when no label goes with it; a list or document without either reads
// by its group's title or its window's.
void nameControls(QWidget* window);

} // namespace tavo::ui
