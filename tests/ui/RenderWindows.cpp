// Renders every window of the game to a PNG file, so that anyone can look
// at all of them at once, and checks what a reviewer looks for: every
// window fits the screen's free area (with room for a title bar), every
// label, button, box and group shows its whole text, no control lies
// outside its window, and above 100 % no picture is shown without its
// drawing of twice the size. Exit status 1 names each fault. With
// --screenshots it draws the store's screenshots instead, always alike
// (see kUsage).

#include "WindowTour.h"

#include <QFontInfo>
#include <QScreen>
#include <QStyleFactory>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <utility>

using namespace tavo::ui;

namespace {

constexpr int kTitleBar = 32; // what a window manager adds above a window

constexpr const char* kUsage =
    R"(usage: tavo-render-windows [--screenshots] OUTPUT_FOLDER
Writes every window to OUTPUT_FOLDER/NAME@SCALE.png and names each fault, on
QT_QPA_PLATFORM=offscreen[:configfile=SCREEN.json] [QT_SCALE_FACTOR=1.5].
  --screenshots  only the store's screenshots, as NAME.png, on a 1280 x 800
                 screen at 100 % in the Fusion style and the DejaVu fonts
                 alone: the same pixels on every machine
)";

// The windows the store shows, by the name each is rendered under.
constexpr std::pair<const char*, const char*> kScreenshots[] = {
    {"game", "game"}, {"map", "town"}, {"drinks", "drinks"}, {"finances", "finances"}};

// Screenshots drawn alike everywhere: a screen, a style and fonts of their
// own, whatever the desktop has set. Before the application starts.
void fixTheLook() {
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" TAVO_UI_TEST_DIR "/screen-1280x800.json");
    qputenv("FONTCONFIG_FILE", TAVO_UI_TEST_DIR "/screenshot-fonts.conf");
    for (const char* setting : {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_FONT_DPI",
                                "QT_STYLE_OVERRIDE", "QT_ENABLE_HIGHDPI_SCALING"})
        qunsetenv(setting);
}

// Why a screenshot cannot be drawn in its fonts; empty when it can.
QString lookFault() {
    const QString sans = QFontInfo(QApplication::font()).family();
    const QString mono = QFontInfo(QFont(QStringLiteral("DejaVu Sans Mono"))).family();
    if (sans == QLatin1String("DejaVu Sans") && mono == QLatin1String("DejaVu Sans Mono"))
        return {};
    return QStringLiteral("the screenshots need DejaVu Sans and Mono (fonts-dejavu-core), not ") +
           sans + QStringLiteral(" and ") + mono;
}

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
        if (auto* label = qobject_cast<QLabel*>(widget);
            label != nullptr && !label->pixmap().isNull() && window->devicePixelRatio() > 1.0 &&
            label->pixmap().devicePixelRatio() < 2.0)
            found << describe(widget) + QStringLiteral(" shows a picture without its @2x drawing");
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

QDir folder;
bool screenshots = false;

bool render(QWidget* window, const QString& name) {
    window->show();
    QApplication::processEvents();
    const QPixmap shot = window->grab(); // lays the window out as it is seen
    const QStringList found = faults(window);
    for (const QString& fault : found)
        std::printf("FAULT %s: %s\n", qPrintable(name), qPrintable(fault));
    QString file =
        name + QStringLiteral("@") + QString::number(shot.devicePixelRatio() * 100) + ".png";
    if (screenshots) {
        file.clear();
        for (const auto& [shown, store] : kScreenshots)
            if (name == QLatin1String(shown)) file = QLatin1String(store) + QStringLiteral(".png");
    }
    if (file.isEmpty()) {
        window->hide();
        return found.isEmpty();
    }
    const QString path = folder.filePath(file);
    const bool saved = shot.save(path);
    std::printf("%s %s (%dx%d)\n", saved ? "wrote" : "FAILED", qPrintable(path), shot.width(),
                shot.height());
    window->hide();
    return saved && found.isEmpty();
}

} // namespace

int main(int argc, char** argv) {
    const char* output = nullptr;
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        if (std::strcmp(argument, "--help") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (std::strcmp(argument, "--screenshots") == 0) {
            screenshots = true;
        } else if (argument[0] == '-' || output != nullptr) {
            std::fprintf(stderr, "tavo-render-windows: unexpected argument %s\n%s", argument,
                         kUsage);
            return 2;
        } else {
            output = argument;
        }
    }
    if (output == nullptr) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    if (screenshots) fixTheLook();
    TavoApplication app(argc, argv);
    if (screenshots) {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        if (const QString fault = lookFault(); !fault.isEmpty()) {
            std::fprintf(stderr, "tavo-render-windows: %s\n", qPrintable(fault));
            return 1;
        }
    }
    folder.setPath(QString::fromLocal8Bit(output));
    folder.mkpath(QStringLiteral("."));
    folder.setPath(folder.absolutePath());

    test::GameFolder files(test::GameFolder::ShippedLists);
    test::ScriptedDialogs dialogs;
    app.setDialogs(&dialogs);
    tavo::FixedTimeSource clock(1000000);
    FormSet windows(dialogs, clock);
    Forms& forms = windows.forms();
    const bool ok = test::tourWindows(forms, render);
    return ok ? 0 : 1;
}
