// The game's pictures, compiled in as resources. Each is drawn at its size
// on screen (NAME.jpg) and at twice that size (NAME@2x.jpg), so that it
// stays sharp on a screen at 150 % or 200 %.
#pragma once

#include <QPixmap>
#include <QString>
#include <QStringList>

namespace tavo::ui {

// The picture `name` for the application's screens: its "@2x" drawing
// (of half its pixel size on screen) when a screen shows more than one
// pixel a point, or when `scaled` (a picture the player may enlarge),
// else its plain one.
QPixmap picture(const QString& name, bool scaled = false);

// Every picture the game ships, by name (without "@2x").
QStringList pictureNames();

} // namespace tavo::ui
