// What a screen reader reads: every window in every state, walked through
// the accessibility tree as assistive tools walk it. A control the player
// acts on or reads a figure from has a name and a role that says what it
// is; two controls side by side never share a name; a picture that only
// decorates is hidden. And the keyboard alone plays: every control that
// acts is reached by it, Tab goes in reading order, Escape closes a dialog.
// Prints each window's count of named controls.

#include "SampleGame.h"
#include "UiTestMain.h"
#include "WindowTour.h"
#include "ui/DialogsVoice.h"
#include "ui/Outcomes.h"
#include "ui/TGameForm.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QWidget>

#include <algorithm>
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

// The Tab chain's faults against reading order: going round the chain, the
// next stop is above the one before (and not in a column to its right)
// once only, from the last control back to the first.
QStringList tabOrderFaults(QWidget* window, const QString& name) {
    QList<QWidget*> stops;
    for (QWidget* at = window->nextInFocusChain(); at != window; at = at->nextInFocusChain())
        if (at->window() == window && at->isVisible() && at->isEnabled() &&
            (at->focusPolicy() & Qt::TabFocus) && !at->focusProxy())
            stops << at;
    QStringList ups;
    for (int i = 0; i < stops.size(); ++i) {
        QWidget* from = stops[i];
        QWidget* to = stops[(i + 1) % stops.size()];
        const QRect before(from->mapTo(window, QPoint()), from->size());
        const QRect next(to->mapTo(window, QPoint()), to->size());
        if (next.bottom() < before.top() && next.left() < before.right())
            ups << name + QStringLiteral(": Tab goes up from ") +
                       QAccessible::queryAccessibleInterface(from)->text(QAccessible::Name) +
                       QStringLiteral(" to ") +
                       QAccessible::queryAccessibleInterface(to)->text(QAccessible::Name);
    }
    return ups.size() > 1 ? ups : QStringList();
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
            faults << result.faults << tabOrderFaults(window, name);
            // Escape closes a dialog, unless it waits with every button
            // off (the popup's countdown).
            const QList<QPushButton*> buttons = window->findChildren<QPushButton*>();
            if (qobject_cast<QDialog*>(window) &&
                std::any_of(buttons.begin(), buttons.end(),
                            [](const QPushButton* button) { return button->isEnabled(); })) {
                QTest::keyClick(window, Qt::Key_Escape);
                if (window->isVisible()) faults << name + QStringLiteral(": Escape leaves it open");
            }
            window->hide();
            return true;
        });
        faults.removeDuplicates();
        for (const QString& fault : faults)
            std::printf("%s\n", qPrintable(fault));
        QCOMPARE(faults.size(), 0);
    }

    // The information window shows the owner and the bar's setup as
    // choices that read ticked as the game says, read-only and without an
    // action; the bar setup window's choices tick. Made while a screen
    // reader listens, as it asks how each reads as soon as it has a caption.
    void shownChoicesAreReadOnly_data() {
        QTest::addColumn<bool>("shown");
        QTest::newRow("information window") << true;
        QTest::newRow("bar setup window") << false;
    }
    void shownChoicesAreReadOnly() {
        QFETCH(bool, shown);
        QAccessible::setActive(true);
        tavo::ui::test::Program program(tavo::ui::test::sampleGame());
        QWidget* window = shown ? static_cast<QWidget*>(program.forms.infoForm.get())
                                : static_cast<QWidget*>(program.forms.barSetupForm.get());
        window->show();
        const QList<QAbstractButton*> choices = window->findChildren<QAbstractButton*>();
        int read = 0;
        for (QAbstractButton* choice : choices) {
            if (!qobject_cast<QRadioButton*>(choice) && !qobject_cast<QCheckBox*>(choice)) continue;
            ++read;
            QAccessibleInterface* reading = QAccessible::queryAccessibleInterface(choice);
            const QString name = reading->text(QAccessible::Name);
            QCOMPARE(name, choice->text().remove(QLatin1Char('&')));
            QCOMPARE(reading->state().readOnly, shown);
            QCOMPARE(reading->state().checked, choice->isChecked());
            const QStringList actions = reading->actionInterface()
                                            ? reading->actionInterface()->actionNames()
                                            : QStringList();
            QVERIFY2(actions.contains(QAccessibleActionInterface::toggleAction()) != shown,
                     qPrintable(name));
        }
        QVERIFY(read >= 9);
        window->hide();
        QAccessible::setActive(false);
    }

    // What the player's acts came to is shown in the game window's status
    // bar, in a line that assistive tools read as a notification, said once.
    void outcomesAreSaid_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("said");
        QTest::newRow("bar closed") << "toggle 0"
                                    << "The Rusty Anchor is closed.";
        QTest::newRow("drinks ordered") << "order 0 3 10 5"
                                        << "Drinks ordered for 40$. Your money: 49743.5$.";
        // The game's clock runs while the order's message waits.
        QTest::newRow("drinks ordered, a day meanwhile")
            << "order 0 3 10 5 day"
            << "Drinks ordered for 40$. Your money: 52103$.";
        QTest::newRow("administrator hired") << "hire-admin 1"
                                             << "Ned Tarrow works for you now.";
        QTest::newRow("ticket bought") << "ticket 6 8 15 16 23 42"
                                       << "Ticket bought: 6, 8, 15, 16, 23, 42.";
        QTest::newRow("insurance signed") << "sign-up 1 1"
                                          << "Insured against fire and theft.";
        QTest::newRow("saved") << "save"
                               << "Game saved as kept.sav.";
        QTest::newRow("message posted") << "post"
                                        << "Happy new year!";
    }
    void outcomesAreSaid() {
        QFETCH(QString, line);
        QFETCH(QString, said);
        tavo::ui::test::Program program(tavo::ui::test::sampleGame());
        program.gameForm.show();
        const auto* notice = program.gameForm.statusBar()->findChild<tavo::ui::Notice*>();
        QVERIFY(notice);
        QCOMPARE(
            QAccessible::queryAccessibleInterface(const_cast<tavo::ui::Notice*>(notice))->role(),
            QAccessible::Notification);
        QSignalSpy notified(notice, &tavo::ui::Notice::said);
        tavo::Session& session = program.windows.session();
        tavo::ui::DialogsVoice voice(program.dialogs, &program.gameForm);
        QTemporaryDir folder;
        if (line.endsWith(QStringLiteral(" day"))) {
            line.chop(4);
            program.dialogs.whileMessageShown = [&] { session.day(voice); };
        }
        if (line == "save")
            QVERIFY(session.save(folder.filePath("kept.sav").toStdString()));
        else if (line == "post")
            session.post(tavo::Phrase("Happy new year!"));
        else
            QVERIFY(session.run(line.toStdString(), voice).ran);
        QCOMPARE(notice->text(), said);
        QCOMPARE(notified.size(), 1);
    }

    // A spin is said once, when its reels stop; a race says its commentary
    // as it changes and ends with its winner.
    void gamblingIsSaid() {
        tavo::ui::test::Program program(tavo::ui::test::sampleGame());
        program.gameForm.show();
        const auto* notice = program.gameForm.statusBar()->findChild<tavo::ui::Notice*>();
        QSignalSpy notified(notice, &tavo::ui::Notice::said);
        tavo::Session& session = program.windows.session();
        tavo::ui::DialogsVoice voice(program.dialogs, &program.gameForm);
        QVERIFY(session.run("spin-bet 10", voice).ran);
        while (session.game().spinCash.spinning)
            QVERIFY(session.run("spin-step", voice).ran);
        QCOMPARE(notified.size(), 1);
        QVERIFY2(QRegularExpression(
                     QStringLiteral("^[1-3] - [1-3] - [1-3]: you (win|lose) [0-9]+\\$\\.$"))
                     .match(notice->text())
                     .hasMatch(),
                 qPrintable(notice->text()));
        notified.clear();
        QVERIFY(session.run("race-start 1 100", voice).ran);
        int steps = 0;
        while (session.game().race.running && ++steps < 10000)
            QVERIFY(session.run("race-step", voice).ran);
        QVERIFY(!session.game().race.running);
        QVERIFY(notified.size() >= 2); // the welcome, then at least the end
        QVERIFY2(notice->text().contains(QStringLiteral("The race winner: The car # ")),
                 qPrintable(notice->text()));
    }
};

TAVO_UI_TEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
