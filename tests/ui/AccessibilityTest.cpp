// What a screen reader reads: every window in every state, walked through
// the accessibility tree as assistive tools walk it. A control the player
// acts on or reads a figure from has a name and a role that says what it
// is; two controls side by side never share a name; a picture that only
// decorates is hidden. Prints each window's count of named controls.

#include "UiTestMain.h"
#include "WindowTour.h"

#include <QAccessible>
#include <QAction>
#include <QToolBar>
#include <QToolButton>
#include <QWidget>

#include <cstdio>

using namespace tavo::ui;

namespace {

struct Walk {
    QStringList faults;
    int controls = 0;
    int named = 0;
};

// A control: something that takes the keyboard or acts, or a read-only
// figure box.
bool isControl(QAccessibleInterface* item) {
    // A container that hands the keyboard on (a tab widget to its tabs).
    if (auto* widget = qobject_cast<QWidget*>(item->object()); widget && widget->focusProxy())
        return false;
    const QAccessible::State state = item->state();
    if (state.focusable) return true;
    if (QAccessibleActionInterface* actions = item->actionInterface())
        for (const QString& action : actions->actionNames())
            if (action != QAccessibleActionInterface::setFocusAction()) return true;
    return item->role() == QAccessible::EditableText && state.readOnly;
}

// Reached from the menu bar by Alt and letters: a menu's entry, or a
// toolbar button (the toolbar repeats menu items).
bool inMenus(QObject* object) {
    if (qobject_cast<QAction*>(object)) return true;
    auto* tool = qobject_cast<QToolButton*>(object);
    return tool && qobject_cast<QToolBar*>(tool->parentWidget());
}

QString where(QAccessibleInterface* item) {
    QObject* object = item->object();
    QString text = item->text(QAccessible::Description);
    if (object)
        text = QString::fromLatin1(object->metaObject()->className()) + QLatin1Char(' ') +
               object->objectName() + QLatin1Char(' ') + text;
    return text;
}

void walk(QAccessibleInterface* item, const QString& window, Walk& result) {
    QHash<QString, int> siblingNames;
    for (int index = 0; index < item->childCount(); ++index) {
        QAccessibleInterface* child = item->child(index);
        if (!child || child->state().invisible) continue;
        const QString name = child->text(QAccessible::Name).trimmed();
        const QAccessible::Role role = child->role();
        if (isControl(child)) {
            ++result.controls;
            if (!name.isEmpty())
                ++result.named;
            else
                result.faults << window + QStringLiteral(": unnamed ") + where(child);
            if (role == QAccessible::Client || role == QAccessible::Graphic ||
                role == QAccessible::Pane || role == QAccessible::Grouping)
                result.faults << window + QStringLiteral(": no control's role for ") + where(child);
            if (!child->state().focusable && !child->state().disabled && !inMenus(child->object()))
                result.faults << window + QStringLiteral(": only the mouse reaches ") +
                                     where(child);
            if (!name.isEmpty() && role != QAccessible::ListItem && ++siblingNames[name] == 2)
                result.faults << window + QStringLiteral(": two controls share the name ") + name;
        } else if (role == QAccessible::Graphic && name.isEmpty()) {
            result.faults << window + QStringLiteral(": a picture neither named nor hidden ") +
                                 where(child);
        }
        walk(child, window, result);
    }
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void everyWindowReads() {
        tavo::ui::test::Program program;
        QStringList faults;
        tavo::ui::test::tourWindows(program.forms, [&](QWidget* window, const QString& name) {
            window->show();
            Walk result;
            walk(QAccessible::queryAccessibleInterface(window), name, result);
            std::printf("%-26s %3d of %3d controls named\n", qPrintable(name), result.named,
                        result.controls);
            faults << result.faults;
            window->hide();
            return true;
        });
        faults.removeDuplicates();
        for (const QString& fault : faults)
            std::printf("%s\n", qPrintable(fault));
        QCOMPARE(faults.size(), 0);
    }
};

TAVO_UI_TEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
