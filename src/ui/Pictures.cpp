#include "ui/Pictures.h"

#include <QDir>
#include <QGuiApplication>

namespace tavo::ui {

QPixmap picture(const QString& name, bool scaled) {
    const QString path = QStringLiteral(":/pictures/%1%2.jpg");
    if (scaled || (qApp != nullptr && qApp->devicePixelRatio() > 1.0)) {
        QPixmap twice(path.arg(name, QStringLiteral("@2x")));
        twice.setDevicePixelRatio(2.0);
        if (!twice.isNull()) return twice;
    }
    return QPixmap(path.arg(name, QString()));
}

QStringList pictureNames() {
    QStringList names;
    for (const QString& file :
         QDir(QStringLiteral(":/pictures")).entryList({QStringLiteral("*.jpg")}))
        if (!file.endsWith(QLatin1String("@2x.jpg"))) names << file.chopped(4);
    return names;
}

} // namespace tavo::ui
