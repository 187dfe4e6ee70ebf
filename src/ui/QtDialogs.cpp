#include "ui/QtDialogs.h"

#include <QApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGridLayout>
#include <QHeaderView>
#include <QListView>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>
#include <QSpacerItem>
#include <QSplitter>
#include <QStringList>
#include <QStyle>
#include <QTreeView>

#include <algorithm>

namespace tavo::ui {

QString toQtFilter(const QString& gameFilter) {
    const QStringList parts = gameFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        if (patterns == QLatin1String("*.*")) patterns = QStringLiteral("*");
        filters << parts[i] + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return filters.join(QStringLiteral(";;"));
}

namespace {

// Qt's own file dialog opens too narrow for its detailed view, whose date
// is then cut: each column is given room for what it shows (a long name, a
// size, a type, a date and time as the language writes them, and its
// heading), the places beside them room for theirs, and the dialog the
// width of both, within the screen.
void fitColumns(QFileDialog& dialog) {
    auto* files = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    auto* places = dialog.findChild<QListView*>(QStringLiteral("sidebar"));
    auto* splitter = dialog.findChild<QSplitter*>(QStringLiteral("splitter"));
    if (files == nullptr || places == nullptr || splitter == nullptr) return;
    const QFontMetrics metrics(files->font());
    const int character = metrics.averageCharWidth();
    const QDateTime late(QDate(2000, 12, 28), QTime(23, 59, 59));
    int date = 0;
    for (const QLocale& locale : {QLocale(), QLocale::system()})
        date =
            std::max(date, metrics.horizontalAdvance(locale.toString(late, QLocale::ShortFormat)));
    const int contents[] = {32 * character, 10 * character, 16 * character, date};
    QHeaderView* header = files->header();
    int columns = 0;
    for (int column = 0; column < header->count() && column < 4; ++column) {
        const int icon = column == 0 ? files->iconSize().width() : 0;
        const int width = std::max({header->sectionSize(column), header->sectionSizeHint(column),
                                    contents[column] + icon + 2 * character});
        header->resizeSection(column, width);
        columns += width;
    }
    const int place = std::max(
        splitter->sizes().value(0),
        std::clamp(places->sizeHintForColumn(0) + 4 * character, 12 * character, 30 * character));
    const int scrolling = files->style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                          2 * files->frameWidth() + 2 * character;
    splitter->setSizes({place, columns + scrolling});
    const QMargins margins = dialog.layout() ? dialog.layout()->contentsMargins() : QMargins();
    int wanted =
        place + splitter->handleWidth() + columns + scrolling + margins.left() + margins.right();
    if (const QScreen* screen = dialog.screen())
        wanted = std::min(wanted, screen->availableGeometry().width() * 9 / 10);
    dialog.resize(std::max(wanted, dialog.width()),
                  std::max(dialog.height(), metrics.height() * 24));
}

} // namespace

void setUpFileDialog(QFileDialog& dialog, const FileDialogSpec& spec,
                     QFileDialog::AcceptMode mode) {
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    // The game's labels already name their patterns: show each label once.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilter(toQtFilter(spec.filter));
    dialog.setDefaultSuffix(spec.defaultSuffix);
    fitColumns(dialog);
}

namespace {

QMessageBox::Icon toQt(DialogIcon icon) {
    switch (icon) {
    case DialogIcon::Stop:
        return QMessageBox::Critical;
    case DialogIcon::Question:
        return QMessageBox::Question;
    case DialogIcon::Information:
        return QMessageBox::Information;
    case DialogIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

QtDialogs::QtDialogs() {
    // The game's window the player used last: the one that asked when no
    // window is active (right after a file dialog closed, or while the
    // window system moves the focus).
    focusWatch_ =
        QObject::connect(qApp, &QApplication::focusChanged, qApp, [this](QWidget*, QWidget* now) {
            if (now != nullptr && !now->window()->property(kOwnDialog).toBool())
                lastAsker_ = now->window();
        });
}

QtDialogs::~QtDialogs() {
    QObject::disconnect(focusWatch_); // the application outlives these dialogs
}

QWidget* QtDialogs::asker() const {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    if (QWidget* window = speaker(); window && window->isVisible()) return window->window();
    if (QWidget* active = QApplication::activeWindow()) return active;
    if (lastAsker_ && lastAsker_->isVisible()) return lastAsker_;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && !window->property(kOwnDialog).toBool()) return window;
    return nullptr;
}

QMessageBox::StandardButton QtDialogs::run(QMessageBox::Icon icon, const QString& title,
                                           const QString& text,
                                           QMessageBox::StandardButtons buttons) {
    QWidget* parent = asker();
    QMessageBox box(icon, title, text, buttons, parent);
    box.setProperty(kOwnDialog, true);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse); // a text can be copied
    // A short text would make a box too narrow for its title bar, whose
    // title the window manager then cuts: room for the title in a bold
    // font and the title bar's buttons.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        QFont bold = box.font();
        bold.setBold(true);
        const int titled = QFontMetrics(bold).horizontalAdvance(title) + 4 * bold.pointSize() * 4;
        grid->addItem(new QSpacerItem(titled, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    box.setWindowModality(Qt::ApplicationModal);
    // Above the windows kept on top too (the main menu, the popup); after
    // the modality, whose setting clears it.
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    const auto answer = static_cast<QMessageBox::StandardButton>(box.exec());
    lastAsker_ = parent;
    return answer;
}

std::optional<QString> QtDialogs::runFileDialog(const FileDialogSpec& spec,
                                                QFileDialog::AcceptMode mode) {
    QWidget* parent = asker();
    QFileDialog dialog(parent, spec.title);
    dialog.setProperty(kOwnDialog, true);
    setUpFileDialog(dialog, spec, mode);
    if (spec.savedGames && !savesFolder_.isEmpty()) dialog.setDirectory(savesFolder_);
    const bool chosen = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    // What follows the file dialog (a refusal, say) is the same window's.
    lastAsker_ = parent;
    if (!chosen) return {};
    return dialog.selectedFiles().constFirst();
}

void QtDialogs::message(const QString& text) {
    run(QMessageBox::NoIcon, kAppTitleText, text, QMessageBox::Ok);
}

DialogAnswer QtDialogs::messageBox(const QString& text, const QString& title, DialogButtons buttons,
                                   DialogIcon icon) {
    if (buttons == DialogButtons::Ok) {
        run(toQt(icon), title, text, QMessageBox::Ok);
        return DialogAnswer::Ok;
    }
    return run(toQt(icon), title, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes
               ? DialogAnswer::Yes
               : DialogAnswer::No;
}

bool QtDialogs::confirm(const QString& text) {
    return run(QMessageBox::Question, QCoreApplication::translate("tavo", "Confirm"), text,
               QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void QtDialogs::information(const QString& text) {
    run(QMessageBox::Information, kAppTitleText, text, QMessageBox::Ok);
}

void QtDialogs::errorBox(const QString& text) {
    run(QMessageBox::Critical, kAppTitleText, text, QMessageBox::Ok);
}

std::optional<QString> QtDialogs::openFile(const FileDialogSpec& spec) {
    return runFileDialog(spec, QFileDialog::AcceptOpen);
}

std::optional<QString> QtDialogs::saveFile(const FileDialogSpec& spec) {
    return runFileDialog(spec, QFileDialog::AcceptSave);
}

bool QtDialogs::openUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

} // namespace tavo::ui
