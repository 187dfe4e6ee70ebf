// The game's windows on a real X server under a window manager, which the
// offscreen platform cannot show: where the window manager puts and frames
// them, which window is on top with the keyboard, which title-bar buttons
// it offers. Run by run-desktop-test.sh under Xvfb and openbox; every wait
// is on an event or a state, bounded.

#include "WindowTour.h"

#include "game/Replay.h"
#include "ui/GameSettings.h"
#include "ui/QtDialogs.h"
#include "ui/TavoApplication.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QScreen>
#include <QSettings>
#include <QStyle>
#include <QTimer>

#include <QtTest>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <sstream>

using namespace tavo::ui;

namespace {

constexpr int kWait = 5000; // ms: far more than a window manager takes

// A property of the root window (an empty id) or of a window, as xprop
// prints it after its '=' or ':'.
QString xProperty(const QString& name, WId window = 0) {
    QProcess xprop;
    QStringList arguments;
    if (window == 0)
        arguments << QStringLiteral("-root");
    else
        arguments << QStringLiteral("-id") << QString::number(window);
    xprop.start(QStringLiteral("xprop"), arguments << name);
    xprop.waitForFinished(kWait);
    const QString line = QString::fromLocal8Bit(xprop.readAllStandardOutput()).trimmed();
    const qsizetype at = line.indexOf(QRegularExpression(QStringLiteral("[=:]")));
    return at < 0 ? QString() : line.mid(at + 1).trimmed();
}

// The windows of a list the root window holds, in its order: every id of
// xprop's "window id # 0x400006, 0x40000d", the first one too.
QList<WId> windowList(const QString& name) {
    QList<WId> ids;
    static const QRegularExpression hex(QStringLiteral("0x[0-9a-fA-F]+"));
    for (const QRegularExpressionMatch& id : hex.globalMatch(xProperty(name)))
        ids << id.captured().toULongLong(nullptr, 16);
    return ids;
}

// Whether the window manager manages the window now (lists it among its
// clients).
bool managed(QWidget* window) {
    return windowList(QStringLiteral("_NET_CLIENT_LIST")).contains(window->winId());
}

// Whether the window is a child of the root window again (not of a frame).
bool atRoot(QWidget* window) {
    QProcess xwininfo;
    xwininfo.start(QStringLiteral("xwininfo"), {QStringLiteral("-tree"), QStringLiteral("-id"),
                                                QString::number(window->winId())});
    xwininfo.waitForFinished(kWait);
    return QString::fromLocal8Bit(xwininfo.readAllStandardOutput())
        .contains(QLatin1String("(the root window)"));
}

// Whether the window manager has the window in its normal state: it sets
// WM_STATE when it maps a window it manages and deletes it when it lets the
// window go, so that, unlike a frame's extents or an exposure, it never
// tells of an earlier showing.
bool normalState(QWidget* window) {
    return xProperty(QStringLiteral("WM_STATE"), window->winId())
        .contains(QLatin1String("window state: Normal"));
}

// Hides a window and waits until the window manager has let it go (no
// longer its client, given back to the root window) and Qt has seen it
// unmapped: a window mapped again inside a frame about to go is lost, which
// a player's hand never outruns.
QString hideWholly(QWidget* window) {
    window->hide();
    if (!QTest::qWaitFor(
            [&] {
                return !managed(window) && atRoot(window) && !normalState(window) &&
                       !window->windowHandle()->isExposed();
            },
            kWait))
        return QStringLiteral("never let go by the window manager");
    return {};
}

WId topmostWindow() {
    const QList<WId> ids = windowList(QStringLiteral("_NET_CLIENT_LIST_STACKING"));
    return ids.isEmpty() ? 0 : ids.last();
}

// The window's frame as the window manager drew it (its _NET_FRAME_EXTENTS
// around the window), in the screen's logical pixels; none before it is
// framed. The main menu has no frame.
std::optional<QRect> frameOf(QWidget* window) {
    if (window->windowFlags() & Qt::FramelessWindowHint) return window->geometry();
    const QStringList extents = xProperty(QStringLiteral("_NET_FRAME_EXTENTS"), window->winId())
                                    .split(QLatin1Char(','), Qt::SkipEmptyParts);
    // None, or all naught while the window manager (un)manages the window.
    if (extents.size() != 4 || extents.join(QString()).remove(QLatin1Char('0')).trimmed().isEmpty())
        return std::nullopt;
    const qreal ratio = window->devicePixelRatioF();
    auto logical = [&](int i) { return qRound(extents[i].trimmed().toInt() / ratio); };
    return window->geometry().adjusted(-logical(0), -logical(2), logical(1), logical(3));
}

// Equal within a pixel: the rounding of device pixels to logical ones at a
// scale such as 150 %, or a window following its content by a pixel (the
// creep of a window, a title bar a showing, is far more).
bool samePlace(const QRect& a, const QRect& b) {
    const int slack = 1;
    return std::abs(a.left() - b.left()) <= slack && std::abs(a.top() - b.top()) <= slack &&
           std::abs(a.right() - b.right()) <= slack && std::abs(a.bottom() - b.bottom()) <= slack;
}

QString describe(const std::optional<QRect>& frame) {
    if (!frame) return QStringLiteral("no frame");
    return QStringLiteral("%1,%2 %3x%4")
        .arg(frame->x())
        .arg(frame->y())
        .arg(frame->width())
        .arg(frame->height());
}

// Shows a window and waits until the window manager manages and has mapped
// it, and it has settled wholly on the screen's free area; "" or what is
// wrong. The window manager's own word comes first: a frame's extents stay
// on a window it has let go, and Qt's exposure outlives an unmapping, so
// that either passes a window not yet taken; a hiding and showing then
// outrun its mapping (the window manager maps the window, Qt's new mapping
// does nothing, and the window manager, reading the hiding, unmaps the
// window for good).
QString showFramed(QWidget* window) {
    window->show();
    if (!QTest::qWaitFor([&] { return managed(window) && normalState(window); }, kWait))
        return QStringLiteral("never managed (state %1)")
            .arg(xProperty(QStringLiteral("WM_STATE"), window->winId()).simplified());
    if (!QTest::qWaitForWindowExposed(window, kWait)) return QStringLiteral("never shown");
    const QRect free = window->screen()->availableGeometry();
    std::optional<QRect> frame;
    if (!QTest::qWaitFor(
            [&] {
                frame = frameOf(window);
                return frame && !frame->isEmpty() && free.contains(*frame);
            },
            kWait))
        return QStringLiteral("frame %1 outside the free area %2x%3 (managed %4, state %5)")
            .arg(describe(frame))
            .arg(free.width())
            .arg(free.height())
            .arg(managed(window))
            .arg(xProperty(QStringLiteral("WM_STATE"), window->winId()).simplified());
    return {};
}

// Five more showings of a window: "" when each comes back where it was.
QString reopenedInPlace(QWidget* window) {
    const std::optional<QRect> first = frameOf(window);
    for (int showing = 2; showing <= 6; ++showing) {
        if (const QString fault = hideWholly(window); !fault.isEmpty()) return fault;
        if (const QString fault = showFramed(window); !fault.isEmpty()) return fault;
        std::optional<QRect> now;
        if (!QTest::qWaitFor(
                [&] {
                    now = frameOf(window);
                    return now && first && samePlace(*now, *first);
                },
                1000)) {
            if (const QString shots = qEnvironmentVariable("TAVO_DESKTOP_SHOTS"); !shots.isEmpty())
                window->screen()->grabWindow(0).save(shots + QStringLiteral("/failed.png"));
            return QStringLiteral("showing %1 at %2, the first at %3 (extents %4)")
                .arg(showing)
                .arg(describe(now))
                .arg(describe(first))
                .arg(xProperty(QStringLiteral("_NET_FRAME_EXTENTS"), window->winId()));
        }
    }
    return {};
}

bool readOnly(const QWidget* widget) {
    if (auto* line = qobject_cast<const QLineEdit*>(widget)) return line->isReadOnly();
    if (auto* text = qobject_cast<const QPlainTextEdit*>(widget)) return text->isReadOnly();
    return false;
}

// "" when the title the window manager shows is the window's own, nothing
// added (no program name after it).
QString titleFault(QWidget* window) {
    const QString shown = xProperty(QStringLiteral("_NET_WM_NAME"), window->winId());
    const QString own = QLatin1Char('"') + window->windowTitle() + QLatin1Char('"');
    return shown == own ? QString() : QStringLiteral("titled %1, not %2").arg(shown, own);
}

// A window's place as QWidget::saveGeometry() keeps it (its frame, the
// window, the screen's width), and the frame a kept place holds.
QByteArray keptPlace(const QRect& frame, const QRect& window, int screenWidth) {
    QByteArray place;
    QDataStream out(&place, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_4_0);
    out << quint32(0x1D9D0CB) << quint16(3) << quint16(0) << frame << window << qint32(0)
        << quint8(0) << quint8(0) << qint32(screenWidth) << window;
    return place;
}

QRect keptFrame(const QByteArray& place) {
    QDataStream in(place);
    in.setVersion(QDataStream::Qt_4_0);
    quint32 magic = 0;
    quint16 major = 0, minor = 0;
    QRect frame;
    in >> magic >> major >> minor >> frame;
    return frame;
}

// Every window of the game, the banks' included.
QList<QWidget*> gameWindows() {
    QList<QWidget*> all;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->property("tavoOwnDialog").isNull() && !window->objectName().isEmpty() &&
            !qobject_cast<QMenu*>(window))
            all << window;
    return all;
}

// The message box now open: "" when it is the topmost window and has the
// keyboard.
QString inFront(QMessageBox* box) {
    if (!QTest::qWaitForWindowActive(box, kWait)) return QStringLiteral("not active");
    if (!QTest::qWaitFor([&] { return topmostWindow() == box->winId(); }, kWait)) {
        const QWidget* top = QWidget::find(topmostWindow());
        return QStringLiteral("not the topmost window (%1 is; box state %2, transient %3)")
            .arg(top ? top->metaObject()->className() : "another program")
            .arg(xProperty(QStringLiteral("_NET_WM_STATE"), box->winId()))
            .arg(xProperty(QStringLiteral("WM_TRANSIENT_FOR"), box->winId()));
    }
    if (!QTest::qWaitFor(
            [&] {
                return QApplication::focusWidget() && QApplication::focusWidget()->window() == box;
            },
            kWait))
        return QStringLiteral("without the keyboard (%1)")
            .arg(QApplication::focusWidget()
                     ? QApplication::focusWidget()->metaObject()->className()
                     : "none");
    return {};
}

// Answers the game's dialogs as a player would: a file dialog picks
// `file`, a message box is checked for being in front, then closed.
class Player final : public QObject {
public:
    QString file;
    QStringList seen; // each box's text and what was wrong with it

    Player() {
        timer_.setInterval(20);
        connect(&timer_, &QTimer::timeout, this, &Player::look);
        timer_.start();
    }

private:
    void look() {
        if (busy_) return;
        busy_ = true;
        if (auto* files = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            // The player types the file's path in the name box and presses Enter.
            if (auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                name && files->isVisible()) {
                name->setText(file);
                static_cast<QDialog*>(files)->accept();
            }
        } else if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            QString fault = inFront(box);
            if (fault.isEmpty()) fault = titleFault(box);
            // Wide enough for the whole title, bold, beside three buttons.
            QFont bold = box->font();
            bold.setBold(true);
            if (fault.isEmpty() &&
                box->width() < QFontMetrics(bold).horizontalAdvance(box->windowTitle()) +
                                   3 * box->style()->pixelMetric(QStyle::PM_TitleBarHeight))
                fault = QStringLiteral("too narrow for its title");
            if (const QString shots = qEnvironmentVariable("TAVO_DESKTOP_SHOTS"); !shots.isEmpty())
                box->screen()->grabWindow(0).save(shots +
                                                  QStringLiteral("/box-%1.png").arg(seen.size()));
            seen << box->text().section(QLatin1Char('\n'), 0, 0) +
                        (fault.isEmpty() ? QString() : QStringLiteral(": ") + fault);
            box->accept();
        }
        busy_ = false;
    }

    QTimer timer_;
    bool busy_ = false;
};

} // namespace

class DesktopTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QCOMPARE(QGuiApplication::platformName(), QString("xcb"));
        QVERIFY2(!xProperty(QStringLiteral("_NET_SUPPORTING_WM_CHECK")).isEmpty(),
                 "no window manager");
    }

    // Every window in every state wholly on the screen, its title bar too;
    // each window shown six times comes back at the same place and size.
    void windowsOnScreenAndInPlace() {
        test::Program program(test::GameFolder::ShippedLists);
        QSet<QWidget*> reopened;
        QStringList faults;
        test::tourWindows(program.forms, [&](QWidget* window, const QString& name) {
            QString fault = showFramed(window);
            // TAVO_DESKTOP_SHOTS=FOLDER keeps a picture of the screen at each window.
            if (const QString shots = qEnvironmentVariable("TAVO_DESKTOP_SHOTS"); !shots.isEmpty())
                window->screen()->grabWindow(0).save(shots + QLatin1Char('/') + name +
                                                     QStringLiteral(".png"));
            // The keyboard is in a control the player acts on, never in a
            // read-only box (where the window manager gives the window focus).
            if (fault.isEmpty() && QTest::qWaitForWindowActive(window, 1000) &&
                QApplication::focusWidget() && readOnly(QApplication::focusWidget()))
                fault = QStringLiteral("the keyboard is in a read-only ") +
                        QApplication::focusWidget()->metaObject()->className();
            if (fault.isEmpty()) fault = titleFault(window);
            if (fault.isEmpty() && !reopened.contains(window)) {
                reopened.insert(window);
                fault = reopenedInPlace(window);
            }
            if (fault.isEmpty()) fault = hideWholly(window);
            if (!fault.isEmpty()) faults << name + QStringLiteral(": ") + fault;
            return true;
        });
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    // The game window kept 1200 x 1000 on a taller screen opens wholly on
    // this one, title bar included, and only a place on the screen is kept.
    void aPlaceKeptOnATallerScreen() {
        test::Program program(test::sampleGame());
        QWidget* window = program.forms.gameForm;
        const QRect inside(41, 20, 1200, 1000);
        const QString key = QStringLiteral("windows/") + window->objectName();
        QSettings(settingsFilePath(), QSettings::IniFormat)
            .setValue(key, keptPlace(inside.adjusted(-1, -20, 1, 1), inside,
                                     window->screen()->geometry().width()));
        const QString shown = showFramed(window);
        QVERIFY2(shown.isEmpty(), qPrintable(shown));
        QVERIFY(hideWholly(window).isEmpty());
        const QRect kept =
            keptFrame(QSettings(settingsFilePath(), QSettings::IniFormat).value(key).toByteArray());
        QVERIFY2(window->screen()->availableGeometry().contains(kept), qPrintable(describe(kept)));
    }

    // A message box is in front of the window that asked, with the keyboard:
    // the always-on-top main menu after its file dialog, the game window,
    // a window of the game's.
    void messageBoxesInFront() {
        test::GameFolder folder(test::GameFolder::ShippedLists);
        QtDialogs dialogs;
        tavo::FixedTimeSource clock(1000);
        FormSet windows(dialogs, clock);
        Forms& forms = windows.forms();
        Player player;
        QFile damaged(folder.path(QStringLiteral("short.sav")));
        QVERIFY(damaged.open(QIODevice::WriteOnly) && damaged.write("TAVO", 4) == 4);
        damaged.close();

        QVERIFY(showFramed(forms.mainForm).isEmpty());
        player.file = damaged.fileName();
        forms.mainForm->LoadGameClick();
        forms.mainForm->game().state = test::sampleGame();
        forms.mainForm->hide();
        QVERIFY(showFramed(forms.gameForm).isEmpty());
        forms.gameForm->DebugMenu->show();
        forms.gameForm->MoreMoney->setText(QStringLiteral("lots"));
        QTest::mouseClick(forms.gameForm->MoneyAdd, Qt::LeftButton); // a bad number
        forms.gameForm->BuyBarClick();
        QVERIFY(QTest::qWaitForWindowActive(forms.mapForm, kWait));
        forms.mapForm->SellButClick();
        dialogs.message(QStringLiteral("Im Bau")); // a short translation: the title still fits
        qInfo() << player.seen;
        QCOMPARE(player.seen,
                 QStringList({"The version of your save game is older... restart a new game.",
                              "'lots' is not a valid floating point value",
                              "Under reconstruction ;-)", "Im Bau"}));
    }

    // A save loaded from the main menu by keys, days at the fast speed, and
    // Ctrl+S: the journal beside the save plays the game again to its bytes.
    void journalOfAPlayedGame() {
        test::GameFolder folder(test::GameFolder::ShippedLists);
        const std::string start = folder.path(QStringLiteral("start.sav")).toStdString();
        QVERIFY(tavo::saveGame(start, test::sampleGame()));
        QtDialogs dialogs;
        const tavo::SystemTimeSource clock;
        FormSet windows(dialogs, clock);
        Forms& forms = windows.forms();
        Player player;
        QVERIFY(showFramed(forms.mainForm).isEmpty());
        player.file = QString::fromStdString(start);
        QTest::keyClick(forms.mainForm, Qt::Key_L, Qt::AltModifier);
        QVERIFY(QTest::qWaitForWindowActive(forms.gameForm, kWait));
        QTest::keyClick(forms.gameForm, Qt::Key_3);
        QCOMPARE(forms.gameForm->MainTimer->interval(), 700);
        const tavo::GameState& state = windows.session().game().state;
        const int loadedDay = state.day;
        QVERIFY(QTest::qWaitFor([&] { return state.day >= loadedDay + 4; }, 10 * kWait));
        const QString saved = folder.path(QStringLiteral("played.sav"));
        player.file = saved;
        QTest::keyClick(forms.gameForm, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(QTest::qWaitFor([&] { return QFile::exists(saved + QStringLiteral(".journal")); },
                                kWait));

        QFile journal(saved + QStringLiteral(".journal"));
        QVERIFY(journal.open(QIODevice::ReadOnly));
        tavo::Session replayed(clock);
        replayed.game().bars = windows.session().game().bars;
        replayed.game().drinks = windows.session().game().drinks;
        std::ostringstream said;
        tavo::ScriptPlayer voice(replayed, said);
        tavo::replayJournal(journal.readAll().toStdString(), replayed, voice, start);
        tavo::GameState fromFile{};
        QVERIFY(tavo::loadGame(saved.toStdString(), fromFile).ok());
        QVERIFY(fromFile.day >= loadedDay + 4);
        QCOMPARE(std::memcmp(&fromFile, &replayed.game().state, sizeof fromFile), 0);
    }

    // Each window asks for exactly the title-bar buttons it has: none for
    // the popup, no close box for Setup and the banks (left by their own
    // buttons), no minimise or maximise for a dialog; and the window manager
    // lets no window be maximised but the game window and the charts.
    void titleBarButtons() {
        test::Program program(test::sampleGame());
        Forms& forms = program.forms;
        const QSet<QWidget*> noClose = {forms.popupForm, forms.setupForm, forms.investBankForm,
                                        forms.germBankForm, forms.chinaCashForm};
        const QSet<QWidget*> maximised = {forms.gameForm, forms.financeForm};
        QStringList faults;
        for (QWidget* window : gameWindows()) {
            if (window == forms.mainForm) continue; // no frame at all
            const Qt::WindowFlags flags = window->windowFlags();
            const QString name = window->objectName();
            if (bool(flags & Qt::WindowCloseButtonHint) == noClose.contains(window))
                faults << name + QStringLiteral(": close box asked wrongly");
            if (qobject_cast<QDialog*>(window) && window != forms.financeForm &&
                flags & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint))
                faults << name + QStringLiteral(": minimise or maximise asked");
            QVERIFY2(showFramed(window).isEmpty(), qPrintable(name));
            QString allowed;
            const bool told = QTest::qWaitFor(
                [&] {
                    allowed = xProperty(QStringLiteral("_NET_WM_ALLOWED_ACTIONS"), window->winId());
                    return !allowed.isEmpty();
                },
                kWait);
            if (!told) faults << name + QStringLiteral(": openbox never told its allowed actions");
            if (allowed.contains(QLatin1String("MAXIMIZE")) != maximised.contains(window))
                faults << name + QStringLiteral(": maximising allowed wrongly");
            QVERIFY2(hideWholly(window).isEmpty(), qPrintable(name));
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }
};

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "xcb");
    TavoApplication app(argc, argv);
    DesktopTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "DesktopTest.moc"
