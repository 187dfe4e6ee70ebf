// The game's pictures, compiled in as resources. They are drawn at twice
// their size on screen, so that they stay sharp on a 200 % display.
#pragma once

#include <QPixmap>
#include <QString>
#include <QStringList>

namespace tavo::ui {

// ":/pictures/<name>.jpg" as a pixmap of half its pixel size.
QPixmap picture(const QString& name);

// Every picture the game ships, by name.
QStringList pictureNames();

} // namespace tavo::ui
