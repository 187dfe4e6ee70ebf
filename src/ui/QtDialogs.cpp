#include "ui/QtDialogs.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

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

void setUpFileDialog(QFileDialog& dialog, const FileDialogSpec& spec,
                     QFileDialog::AcceptMode mode) {
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    // The game's labels already name their patterns: show each label once.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilter(toQtFilter(spec.filter));
    dialog.setDefaultSuffix(spec.defaultSuffix);
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

QMessageBox::StandardButton run(QMessageBox::Icon icon, const QString& title, const QString& text,
                                QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, title, text, buttons, QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

std::optional<QString> QtDialogs::runFileDialog(const FileDialogSpec& spec,
                                                QFileDialog::AcceptMode mode) {
    QFileDialog dialog(QApplication::activeWindow(), spec.title);
    setUpFileDialog(dialog, spec, mode);
    if (spec.savedGames && !savesFolder_.isEmpty()) dialog.setDirectory(savesFolder_);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
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
    return run(QMessageBox::Question, QStringLiteral("Confirm"), text,
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

void QtDialogs::openUrl(const QUrl& url) {
    QDesktopServices::openUrl(url);
}

} // namespace tavo::ui
