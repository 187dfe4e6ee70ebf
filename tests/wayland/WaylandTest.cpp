// The game as a native Wayland client: on a Wayland compositor, with no
// other platform to fall back to, the main menu is shown and a new game
// reaches the game window by keys alone. The headless compositor has no
// keyboard: the keys are Qt's key events sent to the focused control, where
// a keyboard's would arrive.

#include "SampleGame.h"

#include <QtTest>

#include <functional>

using namespace tavo::ui;
using test::GameFolder;
using test::Program;

namespace {

// Tab through `window` until its focused control is one `wanted` accepts,
// and press Space on it; false when a round of the window finds none.
bool tabToAndPress(QWidget& window, const std::function<bool(QWidget*)>& wanted) {
    for (int tabs = 0; tabs < 40; ++tabs) {
        QWidget* focus = window.focusWidget();
        if (focus && wanted(focus)) {
            QTest::keyClick(focus, Qt::Key_Space);
            return true;
        }
        QTest::keyClick(focus ? focus : &window, Qt::Key_Tab);
    }
    return false;
}

template <typename Control>
bool enabled(QWidget* widget) {
    return qobject_cast<Control*>(widget) && widget->isEnabled();
}

} // namespace

class WaylandTest : public QObject {
    Q_OBJECT

private slots:
    void runsOnWayland() { QCOMPARE(QGuiApplication::platformName(), QString("wayland")); }

    void newGameByKeys() {
        Program program(GameFolder::ShippedLists);
        Forms& forms = program.forms;
        TMainForm& menu = *forms.mainForm;
        menu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));

        QTest::keyClick(&menu, Qt::Key_N, Qt::AltModifier);
        TNewCarForm& owner = *forms.newCarForm;
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        QVERIFY(!menu.isVisible());
        QTest::keyClicks(owner.OwnerName, "Jo Martel");
        QVERIFY(tabToAndPress(owner, enabled<QRadioButton>));
        QVERIFY(owner.Create->isEnabled());
        QTest::keyClick(owner.focusWidget(), Qt::Key_Return);

        TMapForm& map = *forms.mapForm;
        QVERIFY(QTest::qWaitForWindowExposed(&map));
        QTest::keyClick(map.BarListBox, Qt::Key_Down);
        QVERIFY(map.BuyBut->isEnabled());
        QTest::keyClick(map.BarListBox, Qt::Key_Return);

        TBarSetupForm& setup = *forms.barSetupForm;
        QVERIFY(QTest::qWaitForWindowExposed(&setup));
        QTest::keyClicks(setup.BarName, "Jo's Corner");
        QVERIFY(tabToAndPress(setup, enabled<QRadioButton>));
        QVERIFY(tabToAndPress(setup, enabled<QCheckBox>));
        QTest::keyClick(setup.focusWidget(), Qt::Key_Return);

        QVERIFY(QTest::qWaitForWindowExposed(&program.gameForm));
        QVERIFY(!setup.isVisible() && !map.isVisible());
        QCOMPARE(program.dialogs.texts(), QStringList());
        QCOMPARE(program.game.state.barCount, 1);
    }
};

// Started on whatever platform QT_QPA_PLATFORM names: the script that runs
// this test names Wayland alone, so that no other platform can stand in.
int main(int argc, char** argv) {
    TavoApplication app(argc, argv);
    WaylandTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "WaylandTest.moc"
