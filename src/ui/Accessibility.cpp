#include "ui/Accessibility.h"

#include "ui/PictureButton.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSet>
#include <QTextEdit>

namespace tavo::ui {
namespace {

// A picture that acts: a button, named by what the player reads on it (its
// accessible name) or, without one, by its hint. The lit twin laid over a
// picture the keyboard reaches (one that never takes the keyboard) only
// lights up: assistive tools skip it.
class PictureButtonReading final : public QAccessibleWidget {
public:
    explicit PictureButtonReading(QWidget* button)
        : QAccessibleWidget(button, QAccessible::Button) {}

    QAccessible::Role role() const override {
        return twin() ? QAccessible::Graphic : QAccessible::Button;
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (twin()) state.invisible = true;
        return state;
    }
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return widget()->toolTip();
        if (kind == QAccessible::Description && widget()->accessibleName().isEmpty()) return {};
        return QAccessibleWidget::text(kind);
    }
    QStringList actionNames() const override {
        if (twin()) return {};
        return QStringList{pressAction()} << QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction() && !twin() && widget()->isEnabled())
            emit static_cast<PictureButton*>(widget())->clicked();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    bool twin() const { return widget()->focusPolicy() == Qt::NoFocus; }
};

// A picture without a name only decorates: assistive tools skip it. One
// named (a car on the track) reads by its name and description.
class PictureReading final : public QAccessibleWidget {
public:
    explicit PictureReading(QWidget* label) : QAccessibleWidget(label, QAccessible::Graphic) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (widget()->accessibleName().isEmpty()) state.invisible = true;
        return state;
    }
};

bool shownOnly(const QWidget* widget) {
    return widget->testAttribute(Qt::WA_TransparentForMouseEvents) &&
           widget->focusPolicy() == Qt::NoFocus;
}

// A choice shown, not changed (see shownChoice): it reads by its caption
// and whether it is ticked, as read-only, and offers no action. Every
// other choice reads as Qt reads it.
class ShownChoiceReading final : public QAccessibleWidget {
public:
    explicit ShownChoiceReading(QAbstractButton* choice)
        : QAccessibleWidget(choice, qobject_cast<QRadioButton*>(choice) ? QAccessible::RadioButton
                                                                        : QAccessible::CheckBox) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return choice()->text().remove(QLatin1Char('&'));
        return QAccessibleWidget::text(kind);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = choice()->isChecked();
        state.readOnly = true;
        return state;
    }
    QStringList actionNames() const override { return {}; }

private:
    QAbstractButton* choice() const { return static_cast<QAbstractButton*>(widget()); }
};

// The status bar's line of what the player's acts came to: a notification,
// which a screen reader speaks as it appears.
class NoticeReading final : public QAccessibleWidget {
public:
    explicit NoticeReading(QWidget* notice)
        : QAccessibleWidget(notice, QAccessible::Notification) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) return line();
        return QAccessibleWidget::text(kind);
    }

private:
    QString line() const { return static_cast<QLabel*>(widget())->text(); }
};

QAccessibleInterface* gameWidgetReading(const QString& className, QObject* object) {
    if (className == QLatin1String("tavo::ui::Notice"))
        return new NoticeReading(static_cast<QWidget*>(object));
    if (className == QLatin1String("tavo::ui::PictureButton"))
        return new PictureButtonReading(static_cast<QWidget*>(object));
    if ((className == QLatin1String("QRadioButton") || className == QLatin1String("QCheckBox")) &&
        shownOnly(static_cast<QWidget*>(object)))
        return new ShownChoiceReading(static_cast<QAbstractButton*>(object));
    if (className == QLatin1String("QLabel")) {
        auto* label = static_cast<QLabel*>(object);
        if (label->text().isEmpty() && !label->pixmap().isNull()) return new PictureReading(label);
    }
    return nullptr;
}

// A widget the player reads or fills in, named by a label.
bool wantsLabel(const QWidget* widget) {
    return qobject_cast<const QLineEdit*>(widget) ||
           qobject_cast<const QAbstractSpinBox*>(widget) ||
           qobject_cast<const QComboBox*>(widget) ||
           qobject_cast<const QAbstractItemView*>(widget) ||
           qobject_cast<const QTextEdit*>(widget) || qobject_cast<const QPlainTextEdit*>(widget);
}

// A label that can name a widget: words, or a place for them ("-" until a
// drink's name comes), and no widget named by it yet.
QLabel* freeLabel(QLayoutItem* item) {
    auto* label = item ? qobject_cast<QLabel*>(item->widget()) : nullptr;
    if (!label || label->buddy() || label->text().isEmpty() || label->text() == QLatin1String("$"))
        return nullptr;
    return label;
}

// The label that already names `widget`, if any.
QLabel* buddyOf(const QWidget* widget) {
    for (QLabel* label : widget->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        if (label->buddy() == widget) return label;
    return nullptr;
}

// The item before `index` in `layout`: to its left in a grid, the
// previous one in a row or a column.
QLayoutItem* itemBefore(QLayout* layout, int index) {
    if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
        int row, column, rows, columns;
        grid->getItemPosition(index, &row, &column, &rows, &columns);
        return column > 0 ? grid->itemAtPosition(row, column - 1) : nullptr;
    }
    for (int before = index - 1; before >= 0; --before)
        if (QLayoutItem* item = layout->itemAt(before); !item->spacerItem()) return item;
    return nullptr;
}

// The label of the item at `index` in `layout`: the one before it, or in a
// grid the one above it; for the first item of a row or column, the label
// of that row or column.
QLabel* labelFor(QLayout* layout, int index) {
    if (QLabel* label = freeLabel(itemBefore(layout, index))) return label;
    if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
        int row, column, rows, columns;
        grid->getItemPosition(index, &row, &column, &rows, &columns);
        if (row > 0) return freeLabel(grid->itemAtPosition(row - 1, column));
    }
    auto* outer = qobject_cast<QLayout*>(layout->parent());
    if (itemBefore(layout, index) || !outer) return nullptr;
    return labelFor(outer, outer->indexOf(layout));
}

// Buttons of one caption side by side (More, Description, Browse) each read
// with what stands before it: "Credibility: More".
void nameTwinButtons(QLayout* layout, int index) {
    auto* button = qobject_cast<QAbstractButton*>(layout->itemAt(index)->widget());
    if (!button || !button->accessibleName().isEmpty() || button->text().isEmpty()) return;
    int twins = 0;
    for (const QAbstractButton* other :
         button->parentWidget()->findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly))
        twins += other->text() == button->text();
    QLayoutItem* before = itemBefore(layout, index);
    if (twins < 2 || !before || !before->widget()) return;
    QString what = QAccessible::queryAccessibleInterface(before->widget())->text(QAccessible::Name);
    while (what.endsWith(QLatin1Char(':')) || what.endsWith(QLatin1Char(' ')))
        what.chop(1);
    if (!what.isEmpty())
        button->setAccessibleName(what + QStringLiteral(": ") +
                                  QString(button->text()).remove(QLatin1Char('&')));
}

// The title of the group around `widget`, if any.
QString groupTitle(const QWidget* widget) {
    auto* group = qobject_cast<const QGroupBox*>(widget->parentWidget());
    return group ? group->title() : QString();
}

// Lists and documents read by their accessible name alone.
bool readsOnlyItsName(const QWidget* widget) {
    return qobject_cast<const QAbstractItemView*>(widget) ||
           qobject_cast<const QTextEdit*>(widget) || qobject_cast<const QPlainTextEdit*>(widget);
}

// The widgets whose changes are kept quiet now (see RunningFigures).
QSet<const QObject*>& quietWidgets() {
    static QSet<const QObject*> quiet;
    return quiet;
}

// What a box's text does, told to assistive tools only while the box has
// the keyboard: a screen reader reads any other box when the player goes
// to it. The windows refresh their figures on timers, several times a
// second: told, those changes queue in a screen reader behind the keys the
// player presses, and one made as a window opens, before it is active, is
// taken for the focus, so the window is never said. A box set to its own
// text is no news either. Every other event goes on as Qt sends it.
void tellChangesOnly(QAccessibleEvent* event) {
    switch (event->type()) {
    case QAccessible::TextUpdated:
    case QAccessible::TextInserted:
    case QAccessible::TextRemoved:
    case QAccessible::TextCaretMoved:
    case QAccessible::TextSelectionChanged: {
        const auto* widget = qobject_cast<const QWidget*>(event->object());
        if (widget && !widget->hasFocus()) return;
        if (quietWidgets().contains(event->object())) return;
        if (event->type() == QAccessible::TextUpdated) {
            const auto* update = static_cast<QAccessibleTextUpdateEvent*>(event);
            if (update->textRemoved() == update->textInserted()) return;
        }
        break;
    }
    case QAccessible::DescriptionChanged:
        if (quietWidgets().contains(event->object())) return;
        break;
    default:
        break;
    }
    QAccessible::installUpdateHandler(nullptr); // Qt's own way to the bus
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(tellChangesOnly);
}

} // namespace

RunningFigures::RunningFigures(std::initializer_list<QWidget*> widgets) : widgets_(widgets) {
    for (QWidget* widget : widgets_)
        quietWidgets().insert(widget);
}

RunningFigures::~RunningFigures() {
    for (QWidget* widget : widgets_)
        quietWidgets().remove(widget);
}

void installAccessibility() {
    QAccessible::installFactory(gameWidgetReading);
    QAccessible::installUpdateHandler(tellChangesOnly);
}

void nameControls(QWidget* window) {
    for (QLayout* layout : window->findChildren<QLayout*>()) {
        for (int index = 0; index < layout->count(); ++index) {
            QWidget* widget = layout->itemAt(index)->widget();
            if (!widget || !wantsLabel(widget) || !widget->accessibleName().isEmpty()) continue;
            QLabel* label = buddyOf(widget);
            if (!label && (label = labelFor(layout, index)))
                label->setBuddy(widget); // a box reads its buddy's words as they change
            if (label) {
                if (readsOnlyItsName(widget))
                    widget->setAccessibleName(QString(label->text()).remove(QLatin1Char('&')));
            } else if (!widget->toolTip().isEmpty()) {
                widget->setAccessibleName(widget->toolTip());
            } else if (readsOnlyItsName(widget)) {
                // A list or a document alone in its group or window.
                const QString group = groupTitle(widget);
                widget->setAccessibleName(group.isEmpty() ? window->windowTitle() : group);
            }
        }
    }
    for (QLayout* layout : window->findChildren<QLayout*>())
        for (int index = 0; index < layout->count(); ++index)
            nameTwinButtons(layout, index);
    // A button that shows only a picture reads by its hint.
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
        if (button->text().isEmpty() && button->accessibleName().isEmpty())
            button->setAccessibleName(button->toolTip());
}

} // namespace tavo::ui
