#include "ui/TViewStaffForm.h"

#include "staff/AdminSettings.h"
#include "ui/Forms.h"
#include "ui/Style.h"
#include "ui/TAdminViewForm.h"

#include <QGroupBox>
#include <QHideEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace tavo::ui {

TViewStaffForm::TViewStaffForm(Session& session, Dialogs& dialogs, Forms& forms)
    : QDialog(nullptr), session_(session), game_(session.game()), forms_(forms),
      voice_(dialogs, this) {
    setWindowTitle(tr("View Staff Informations"));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading(tr("View informations")));
    auto* group = new QGroupBox(tr("Administrators"));
    auto* inGroup = new QVBoxLayout(group);
    AdminList = new QListWidget;
    AdminList->setMinimumHeight(AdminList->fontMetrics().height() * 6);
    inGroup->addWidget(AdminList);
    layout->addWidget(group, 1);
    ViewAdmin = new QPushButton(tr("View"));
    CloseBut = new QPushButton(tr("Close"));
    layout->addLayout(buttonRow({ViewAdmin, CloseBut}));
    // Wide enough for the title bar to show the whole title.
    setMinimumWidth(fontMetrics().horizontalAdvance(windowTitle()) * 3 / 2 + 120);

    connect(AdminList, &QListWidget::itemDoubleClicked, this, &TViewStaffForm::ViewAdminClick);
    connect(ViewAdmin, &QPushButton::clicked, this, &TViewStaffForm::ViewAdminClick);
    connect(CloseBut, &QPushButton::clicked, this, &TViewStaffForm::CloseButClick);
    setMainAction(this, ViewAdmin);
    focusOnShow(this, AdminList);
}

void TViewStaffForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TViewStaffForm::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (!event->spontaneous()) FormClose();
}

void TViewStaffForm::showList() {
    showOrRefill(this, [this] { FormShow(); });
}

void TViewStaffForm::FormShow() {
    AdminList->clear();
    for (const std::string& row : staffRows(game_.state, voice_))
        AdminList->addItem(QString::fromLatin1(row.c_str()));
}

void TViewStaffForm::FormClose() {
    AdminList->clear();
}

void TViewStaffForm::ViewAdminClick() {
    if (AdminList->count() == 0) return;
    const QList<QListWidgetItem*> picked = AdminList->selectedItems();
    if (!picked.isEmpty()) {
        selectedAdmin = AdminList->row(picked.front());
        forms_.adminViewForm->showSettings();
    }
    hide();
}

void TViewStaffForm::CloseButClick() {
    hide();
}

void TViewStaffForm::gameReplaced() {
    hide();
}

} // namespace tavo::ui
