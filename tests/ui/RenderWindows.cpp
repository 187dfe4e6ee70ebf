// Renders every window of the game to a PNG file, so that anyone can look
// at all of them at once, and checks what a reviewer looks for: every
// window fits the screen's free area (with room for a title bar), every
// label, button, box and group shows its whole text, and no control lies
// outside its window. Exit status 1 names each fault.
//   QT_QPA_PLATFORM=offscreen[:configfile=SCREEN.json] [QT_SCALE_FACTOR=1.5]
//   tavo-render-windows OUTPUT_FOLDER

#include "WindowTour.h"

#include <QScreen>

#include <algorithm>
#include <cstdio>

using namespace tavo::ui;

namespace {

constexpr int kTitleBar = 32; // what a window manager adds above a window

QString describe(const QWidget* widget) {
    QString text;
    if (auto* label = qobject_cast<const QLabel*>(widget)) text = label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(widget)) text = button->text();
    if (auto* group = qobject_cast<const QGroupBox*>(widget)) text = group->title();
    return QStringLiteral("%1 \"%2\"").arg(widget->metaObject()->className(), text);
}

// The faults a player would see in a shown window.
QStringList faults(QWidget* window) {
    QStringList found;
    const QRect free = window->screen()->availableGeometry();
    const bool framed = !(window->windowFlags() & Qt::FramelessWindowHint);
    const int frame = window->frameGeometry().height() - window->height();
    const QSize outer(window->frameGeometry().width(),
                      window->height() + (framed ? std::max(frame, kTitleBar) : frame));
    if (outer.width() > free.width() || outer.height() > free.height() ||
        !free.contains(window->frameGeometry()))
        found << QStringLiteral("the window (%1x%2 and a title bar) does not fit the screen's "
                                "%3x%4")
                     .arg(window->width())
                     .arg(window->height())
                     .arg(free.width())
                     .arg(free.height());
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window) || widget->isWindow()) continue;
        const QRect inWindow(widget->mapTo(window, QPoint(0, 0)), widget->size());
        if (!window->rect().contains(inWindow))
            found << describe(widget) + QStringLiteral(" lies outside the window");
        const bool texted =
            qobject_cast<QAbstractButton*>(widget) || qobject_cast<QGroupBox*>(widget) ||
            (qobject_cast<QLabel*>(widget) && qobject_cast<QLabel*>(widget)->pixmap().isNull());
        const QSize needed = widget->minimumSizeHint();
        if (texted && (widget->width() < needed.width() || widget->height() < needed.height()))
            found << describe(widget) + QStringLiteral(" is cut (%1x%2 for %3x%4)")
                                            .arg(widget->width())
                                            .arg(widget->height())
                                            .arg(needed.width())
                                            .arg(needed.height());
    }
    return found;
}

bool render(QWidget* window, const QDir& folder, const QString& name) {
    window->show();
    QApplication::processEvents();
    const QPixmap shot = window->grab(); // lays the window out as it is seen
    const QStringList found = faults(window);
    for (const QString& fault : found)
        std::printf("FAULT %s: %s\n", qPrintable(name), qPrintable(fault));
    const QString scale = QString::number(shot.devicePixelRatio() * 100);
    const QString path =
        folder.filePath(name + QStringLiteral("@") + scale + QStringLiteral(".png"));
    const bool saved = shot.save(path);
    std::printf("%s %s (%dx%d)\n", saved ? "wrote" : "FAILED", qPrintable(path), shot.width(),
                shot.height());
    window->hide();
    return saved && found.isEmpty();
}

} // namespace

int main(int argc, char** argv) {
    TavoApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tavo-render-windows OUTPUT_FOLDER\n");
        return 2;
    }
    QDir folder(QString::fromLocal8Bit(argv[1]));
    folder.mkpath(QStringLiteral("."));
    folder.setPath(folder.absolutePath());

    test::GameFolder files(test::GameFolder::ShippedLists);
    test::ScriptedDialogs dialogs;
    app.setDialogs(&dialogs);
    tavo::FixedTimeSource clock(1000000);
    FormSet windows(dialogs, clock);
    Forms& forms = windows.forms();
    const bool ok = test::tourWindows(forms, [&](QWidget* window, const QString& name) {
        return render(window, folder, name);
    });
    return ok ? 0 : 1;
}
