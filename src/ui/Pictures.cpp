#include "ui/Pictures.h"

#include <QDir>

namespace tavo::ui {

QPixmap picture(const QString& name) {
    QPixmap pixmap(QStringLiteral(":/pictures/%1.jpg").arg(name));
    pixmap.setDevicePixelRatio(2.0);
    return pixmap;
}

QStringList pictureNames() {
    QStringList names;
    for (const QString& file :
         QDir(QStringLiteral(":/pictures")).entryList({QStringLiteral("*.jpg")}))
        names << file.chopped(4);
    return names;
}

} // namespace tavo::ui
