// The game's pictures, compiled in as resources. Each is drawn at its size
// on screen (NAME.jpg) and at twice that size (NAME@2x.jpg), so that it
// stays sharp on a screen at 150 % or 200 %. The words on a picture (a
// button's caption, a bank's slogan) are not in its file: they are drawn
// over it at run time, in the player's language.
#pragma once

#include "ui/PictureWords.h"

#include <QList>
#include <QPixmap>
#include <QString>
#include <QStringList>

class QLabel;
class QWidget;

namespace tavo::ui {

// The picture `name` for the application's screens: its "@2x" drawing
// (of half its pixel size on screen) when a screen shows more than one
// pixel a point, or when `scaled` (a picture the player may enlarge),
// else its plain one. Without its words.
QPixmap picture(const QString& name, bool scaled = false);

// Every picture the game ships, by name (without "@2x").
QStringList pictureNames();

// The words drawn on the picture `name`, in the player's language; none
// for a picture without words.
QList<PictureCaption> pictureCaptions(const QString& name);

// A picture with its words drawn on it, the words, and those that do not
// fit their place even in the smallest letters.
struct WordedPicture {
    QPixmap pixmap;
    QStringList words;
    QStringList cut;
};
WordedPicture wordedPicture(const QString& name, bool scaled = false);

// The properties that tell what a widget shows drawn on its picture: the
// words (a QStringList), and those cut.
inline constexpr const char* kPictureWords = "pictureWords";
inline constexpr const char* kPictureWordsCut = "pictureWordsCut";
void tellWords(QWidget* shower, const WordedPicture& picture);

// The picture `name` with its words, shown in `label`.
void showPicture(QLabel* label, const QString& name);

} // namespace tavo::ui
