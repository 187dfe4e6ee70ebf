// Renders every window of the game to a PNG file, so that anyone can look
// at all of them at once, and checks what a reviewer looks for: every
// window fits the screen's free area (with room for a title bar), every
// label, button, box and group shows its whole text, no control lies
// outside its window, the words drawn on a picture fit it, and above 100 %
// no picture is shown without its drawing of twice the size. Exit status 1 names each fault. With
// --screenshots it draws the store's screenshots instead, always alike
// (see kUsage). With --language it renders them in a translation; in the
// pseudo-language every translated text (the words drawn on pictures too)
// is marked, and a text that reached a window without the translator is a
// fault. With --texts it writes what each window shows, text by text, for
// the tour's transcript.

#include "WindowTour.h"

#include "staff/Roster.h"
#include "ui/Pictures.h"
#include "ui/QtDialogs.h"
#include "ui/SaveDialogs.h"
#include "ui/Text.h"
#include "ui/Translation.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFontInfo>
#include <QHeaderView>
#include <QLineSeries>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTreeView>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <utility>

using namespace tavo::ui;

namespace {

constexpr int kTitleBar = 32; // what a window manager adds above a window

constexpr const char* kUsage =
    R"(usage: tavo-render-windows [--screenshots] [--language CODE] OUTPUT_FOLDER
Writes every window to OUTPUT_FOLDER/NAME@SCALE.png and names each fault, on
QT_QPA_PLATFORM=offscreen[:configfile=SCREEN.json] [QT_SCALE_FACTOR=1.5].
  --screenshots    only the store's screenshots, as NAME.png, on a 1280 x 800
                   screen at 100 % in the Fusion style and the DejaVu fonts
                   alone: the same pixels on every machine
  --language CODE  in the game's translation CODE (fr, de, es, it); "pseudo"
                   marks every translated text and names each text left
                   unmarked
  --texts FILE     also write to FILE every text, figure, tick and disabled
                   control each window shows, and the message boxes said
)";

// The marks the pseudo-language puts around every translated text.
const QChar kOpenMark(0x27E6), kCloseMark(0x27E7);
bool pseudo = false;
QStringList names; // the game's names (owner, bars, drinks, staff): never translated

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

// Whether a shown text went through the translator: what is left once the
// marked parts, the game's names, addresses and a menu item's key are taken
// out holds no word. A mark left open runs to the end (a caption cut in two).
bool marked(const QString& shown) {
    QString text;
    int depth = 0;
    for (const QChar c : shown) {
        if (c == kOpenMark) ++depth;
        if (depth == 0) text += c;
        if (c == kCloseMark && depth > 0) --depth;
    }
    text.remove(QRegularExpression(QStringLiteral("\\t[^\\n]*|\\S+@\\S+|https?://\\S+")));
    for (const QString& name : names)
        if (!name.isEmpty()) text.remove(name);
    // A figure, a date's digits, a unit: no two letters in a row.
    return !text.contains(QRegularExpression(QStringLiteral("\\p{L}{2}")));
}

// How a control's state reads in the transcript: "[x] " or "[ ] " before a
// tickable one's texts, " (off)" after a disabled one's.
QString tick(bool checkable, bool checked) {
    return checkable ? QString::fromLatin1(checked ? "[x] " : "[ ] ") : QString();
}

QString off(bool enabled) {
    return enabled ? QString() : QStringLiteral(" (off)");
}

void menuLines(const QList<QAction*>& actions, const QString& in, QStringList& lines,
               QStringList& texts) {
    for (QAction* action : actions) {
        if (!action->isVisible()) continue;
        QStringList shown{action->text()};
        if (action->toolTip() != QString(action->text()).remove('&')) shown << action->toolTip();
        shown.removeAll(QString());
        texts << shown;
        if (!shown.isEmpty())
            lines << in + tick(action->isCheckable(), action->isChecked()) +
                         shown.join(QStringLiteral(" | ")) + off(action->isEnabled());
        if (action->menu()) menuLines(action->menu()->actions(), in + "  ", lines, texts);
    }
}

// Every text a player reads in a shown window or hears from a screen reader
// (into `texts`), and the window as lines for its transcript: a line a
// control, its kind, texts, figures, list rows and a chart's points on every
// tab, with "[x]" for a tick, "* " for the picked row and "(off)" when
// disabled. A box the player types in, and the pages fetched from the web,
// are in the lines alone.
QStringList shownLines(QWidget* window, QStringList& texts) {
    QStringList lines{QStringLiteral("\"%1\"").arg(window->windowTitle())};
    texts << window->windowTitle();
    if (const QStringList drawn = window->property(kPictureWords).toStringList();
        !drawn.isEmpty()) { // on the window's own picture
        texts << drawn;
        lines << QStringLiteral("picture ") + drawn.join(QStringLiteral(" | "));
    }
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        auto* view = qobject_cast<QChartView*>(widget);
        if (!widget->isVisibleTo(window) && !view) continue;
        QStringList shown{widget->toolTip(), widget->accessibleName(),
                          widget->accessibleDescription()};
        shown << widget->property(kPictureWords).toStringList(); // drawn on its picture
        auto* label = qobject_cast<QLabel*>(widget);
        if (label && label->pixmap().isNull()) shown << label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) shown << button->text();
        if (auto* group = qobject_cast<QGroupBox*>(widget)) shown << group->title();
        auto* edit = qobject_cast<QLineEdit*>(widget);
        if (edit && edit->isReadOnly()) shown << edit->text();
        if (auto* memo = qobject_cast<QPlainTextEdit*>(widget)) shown << memo->toPlainText();
        if (auto* tabs = qobject_cast<QTabWidget*>(widget))
            for (int i = 0; i < tabs->count(); ++i)
                shown << (i == tabs->currentIndex() ? "* " : "") + tabs->tabText(i);
        if (auto* list = qobject_cast<QListWidget*>(widget))
            for (int i = 0; i < list->count(); ++i)
                shown << (i == list->currentRow() ? "* " : "") + list->item(i)->text();
        if (auto* combo = qobject_cast<QComboBox*>(widget))
            for (int i = 0; i < combo->count(); ++i)
                shown << (i == combo->currentIndex() ? "* " : "") + combo->itemText(i);
        if (auto* bar = qobject_cast<QMenuBar*>(widget))
            menuLines(bar->actions(), QStringLiteral("menu "), lines, texts);
        if (auto* tool = qobject_cast<QToolButton*>(widget); tool && tool->menu())
            menuLines(tool->menu()->actions(), QStringLiteral("drop "), lines, texts);
        if (view) {
            shown << view->chart()->title();
            for (QAbstractSeries* series : view->chart()->series()) {
                shown << series->name();
                if (auto* line = qobject_cast<QLineSeries*>(series))
                    for (const QPointF& point : line->points())
                        shown << QString::number(point.y(), 'g', 12);
            }
        }
        shown.removeAll(QString());
        for (const QString& text : shown)
            texts << QString(text).remove(QRegularExpression(QStringLiteral("^\\* ")));
        if (edit && !edit->isReadOnly()) shown << edit->text();
        if (auto* rich = qobject_cast<QTextEdit*>(widget)) shown << rich->toPlainText(); // fetched
        if (auto* button = qobject_cast<QAbstractButton*>(widget); button && button->isCheckable())
            shown.prepend(tick(true, button->isChecked()).trimmed());
        if (shown.isEmpty()) continue;
        lines << QString::fromLatin1(widget->metaObject()->className()).section("::", -1) + ' ' +
                     shown.join(QStringLiteral(" | ")).replace('\n', "\\n") +
                     off(widget->isEnabled());
    }
    return lines;
}

QStringList transcript; // every window of the tour, and the message boxes after

// The faults a player would see in a shown window.
QStringList faults(QWidget* window, const QStringList& texts) {
    QStringList found;
    if (pseudo)
        for (const QString& text : texts)
            if (!marked(text)) found << QStringLiteral("\"%1\" is not translated").arg(text);
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
    for (const QString& cut : window->property(kPictureWordsCut).toStringList())
        found << QStringLiteral("\"%1\" does not fit its picture").arg(cut);
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window) || widget->isWindow()) continue;
        for (const QString& cut : widget->property(kPictureWordsCut).toStringList())
            found << describe(widget) +
                         QStringLiteral(": \"%1\" does not fit its picture").arg(cut);
        const QRect inWindow(widget->mapTo(window, QPoint(0, 0)), widget->size());
        if (!window->rect().contains(inWindow))
            found << describe(widget) + QStringLiteral(" lies outside the window");
        // A view's columns show their headings and rows; a list its rows.
        if (auto* view = qobject_cast<QTreeView*>(widget))
            for (int column = 0; column < view->header()->count(); ++column)
                if (!view->isColumnHidden(column) &&
                    std::max(static_cast<QAbstractItemView*>(view)->sizeHintForColumn(column),
                             view->header()->sectionSizeHint(column)) > view->columnWidth(column))
                    found
                        << describe(widget) +
                               QStringLiteral(" cuts its column %1 (%2 wide)")
                                   .arg(
                                       view->model()->headerData(column, Qt::Horizontal).toString())
                                   .arg(view->columnWidth(column));
        if (auto* list = qobject_cast<QListView*>(widget);
            list && list->sizeHintForColumn(0) > list->viewport()->width())
            found << describe(widget) + QStringLiteral(" cuts its rows (%1 for %2)")
                                            .arg(list->viewport()->width())
                                            .arg(list->sizeHintForColumn(0));
        auto* button = qobject_cast<QAbstractButton*>(widget);
        const bool texted =
            (button && !button->text().isEmpty()) || qobject_cast<QGroupBox*>(widget) ||
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

// Renders a window and names its faults. Qt's own dialogs (not `ours`)
// speak Qt's words and show the files of the moment: they are left out of
// the transcript and of the pseudo-language's check.
bool render(QWidget* window, const QString& name, bool ours = true) {
    window->show();
    QApplication::processEvents();
    const QPixmap shot = window->grab(); // lays the window out as it is seen
    QStringList texts;
    const QStringList lines = shownLines(window, texts);
    if (ours) transcript << "== " + name + ' ' + lines.join('\n');
    const QStringList found = faults(window, ours ? texts : QStringList());
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
    const char* language = nullptr;
    const char* texts = nullptr;
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        if (std::strcmp(argument, "--help") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (std::strcmp(argument, "--screenshots") == 0) {
            screenshots = true;
        } else if (std::strcmp(argument, "--language") == 0 && i + 1 < argc) {
            language = argv[++i];
        } else if (std::strcmp(argument, "--texts") == 0 && i + 1 < argc) {
            texts = argv[++i];
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
    // Qt's file dialog keeps its columns in the desktop's settings: a run
    // starts from none and leaves none.
    const QTemporaryDir qtSettings;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(qtSettings.path()));
    TavoApplication app(argc, argv);
    if (screenshots) {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        if (const QString fault = lookFault(); !fault.isEmpty()) {
            std::fprintf(stderr, "tavo-render-windows: %s\n", qPrintable(fault));
            return 1;
        }
    }
    if (language != nullptr &&
        !installTranslations(app, QString::fromLatin1(language), TAVO_TRANSLATIONS_DIR)) {
        std::fprintf(stderr, "tavo-render-windows: no translation %s in %s\n", language,
                     TAVO_TRANSLATIONS_DIR);
        return 1;
    }
    pseudo = language != nullptr && std::strcmp(language, "pseudo") == 0;
    folder.setPath(QString::fromLocal8Bit(output));
    folder.mkpath(QStringLiteral("."));
    folder.setPath(folder.absolutePath());

    test::GameFolder files(test::GameFolder::ShippedLists);
    test::ScriptedDialogs dialogs;
    tavo::FixedTimeSource clock(1000000);
    FormSet windows(dialogs, clock);
    Forms& forms = windows.forms();
    for (const tavo::Candidate& candidate : tavo::kRoster)
        names << QString::fromLatin1(candidate.name);
    names << QString::fromLatin1(tavo::kAppTitle);
    for (const QString& code : languageCodes().mid(1))
        names << languageName(code); // each language by its own name
    bool ok = test::tourWindows(forms, [&](QWidget* window, const QString& name) {
        // The names in the record by now: the owner's, the bars' and the lists'.
        const tavo::Game& game = forms.mainForm->game();
        names << fromFixed(game.state.ownerName);
        for (const tavo::BarRecord& bar : game.state.bars)
            names << fromFixed(bar.barName);
        for (int i = 0; i < game.bars.count(); ++i)
            names << fromFixed(game.bars.at(i)->name);
        for (int i = 0; i < game.drinks.count(); ++i)
            names << fromFixed(game.drinks.at(i)->name);
        names.removeDuplicates();
        std::sort(names.begin(), names.end(),
                  [](const QString& a, const QString& b) { return a.size() > b.size(); });
        return render(window, name);
    });
    // Qt's file dialog as the game opens it to load a game, in the game's
    // play folder, its columns readable.
    QFileDialog loader;
    setUpFileDialog(loader, loadGameDialog(), QFileDialog::AcceptOpen);
    loader.setDirectory(files.path(QString()));
    ok &= render(&loader, QStringLiteral("load-game"), false);
    // What the game said in its message boxes on the way, titles too.
    if (pseudo)
        for (const test::ShownDialog& shown : dialogs.shown)
            for (const QString& text : {shown.text, shown.title})
                if (!text.isEmpty() && !marked(text)) {
                    std::printf("FAULT message: \"%s\" is not translated\n", qPrintable(text));
                    ok = false;
                }
    if (texts != nullptr) {
        for (const test::ShownDialog& shown : dialogs.shown)
            transcript << QStringLiteral("== message \"%1\" %2")
                              .arg(shown.title, QString(shown.text).replace('\n', "\\n"));
        QFile file(QString::fromLocal8Bit(texts));
        if (!file.open(QIODevice::WriteOnly) ||
            file.write((transcript.join('\n') + '\n').toUtf8()) < 0) {
            std::fprintf(stderr, "tavo-render-windows: cannot write %s\n", texts);
            return 1;
        }
    }
    return ok ? 0 : 1;
}
