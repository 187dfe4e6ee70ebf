// The Internet Center against a web site served on the loopback address
// (good documents, errors, silence, dripping, huge bodies, redirects, no
// server at all), and the about window's links from its two roads.

#include "SampleGame.h"
#include "UiTestMain.h"

#include <QTcpServer>
#include <QTcpSocket>

using namespace tavo::ui;
using test::Program;

namespace {

// Answers every request with the bytes given for its path: all at once, one
// byte every 20 ms ("drip:" before them), or never (no entry).
class Site final : public QObject {
public:
    QHash<QByteArray, QByteArray> answers;
    Site() {
        server.listen(QHostAddress::LocalHost);
        connect(&server, &QTcpServer::newConnection, this, [this] {
            QTcpSocket* socket = server.nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(socket); });
        });
    }
    QByteArray base() const {
        return "http://127.0.0.1:" + QByteArray::number(server.serverPort());
    }

private:
    void answer(QTcpSocket* socket) {
        const QByteArray path = socket->readAll().split(' ').value(1);
        if (!answers.contains(path)) return;
        const QByteArray bytes = answers.value(path);
        if (!bytes.startsWith("drip:")) {
            socket->write(bytes);
            socket->disconnectFromHost();
            return;
        }
        // The head at once, then the body a byte at a time.
        const qsizetype head = bytes.indexOf("\r\n\r\n") + 4;
        socket->write(bytes.mid(5, head - 5));
        auto* drip = new QTimer(socket);
        connect(drip, &QTimer::timeout, socket, [socket, bytes, at = head]() mutable {
            if (at < bytes.size()) socket->write(bytes.mid(at++, 1));
        });
        drip->start(20);
    }
    QTcpServer server;
};

QByteArray ok(const QByteArray& body, bool withLength = true) {
    return "HTTP/1.0 200 OK\r\n" +
           (withLength ? "Content-Length: " + QByteArray::number(body.size()) + "\r\n" : "") +
           "\r\n" + body;
}

QByteArray movedTo(const QByteArray& address) {
    return "HTTP/1.0 302 Found\r\nLocation: " + address + "\r\nContent-Length: 0\r\n\r\n";
}

constexpr char kVersion[] = "Your version is\n----\nVersion: 0.4.1\nBuild: 36\nDate: August "
                            "7th, 1999\n";

} // namespace

class NetAboutTest : public QObject {
    Q_OBJECT

private slots:
    void internetCenterFetches_data() {
        QTest::addColumn<bool>("infos");
        QTest::addColumn<QByteArray>("answer"); // at the document's path; none: silence
        QTest::addColumn<QString>("shown");     // NetMsg afterwards
        QTest::addColumn<QString>("failure");   // in the message box, or ""
        const auto row = [](const char* name, bool infos, const QByteArray& answer,
                            const QString& shown, const char* failure) {
            QTest::newRow(name) << infos << answer << shown << QString(failure);
        };
        const QByteArray notes = "Version: 0.4.2\nBuild: 40\n", huge(10 << 20, 'x');
        row("infos", true, ok(notes), kVersion + QString(notes), "");
        row("news", false, ok("Open late!"), "Open late!", "");
        row("html as text", false, ok("<b>Hi</b> &amp;"), "<b>Hi</b> &amp;", "");
        row("latin-1", false, ok("Caf\xe9 \xe0 1$"), "Caf\u00e9 \u00e0 1$", "");
        row("same-host redirect", false, movedTo("/kpl/update/moved.txt"), "Moved news", "");
        row("404", true, "HTTP/1.0 404 Not Found\r\n\r\nNo such page", "", "error 404");
        row("silent", false, "", "", "too long to answer");
        row("drip", false, "drip:" + ok(QByteArray(400, 'x')), "", "too long to answer");
        row("10 MB", false, ok(huge), "", "too long to be shown");
        row("10 MB, no length", true, ok(huge, false), "", "too long to be shown");
        row("other host", false, movedTo("http://localhost/kpl/update/news.txt"), "",
            "another site");
        row("redirect loop", false, movedTo("/kpl/update/news.txt"), "", "too many times");
        row("refused", true, "refused", "", "Unable to connect");
    }

    void internetCenterFetches() {
        QFETCH(bool, infos);
        QFETCH(QByteArray, answer);
        QFETCH(QString, shown);
        QFETCH(QString, failure);
        Site site;
        const QByteArray path = infos ? "/kpl/update/lastver.txt" : "/kpl/update/news.txt";
        if (!answer.isEmpty()) site.answers[path] = answer;
        site.answers["/kpl/update/moved.txt"] = ok("Moved news");
        QByteArray base = site.base(); // without its final /
        if (answer == "refused") {
            QTcpServer closed;
            closed.listen(QHostAddress::LocalHost);
            base = "http://127.0.0.1:" + QByteArray::number(closed.serverPort());
        }
        qputenv("TAVO_WEB_BASE", base);
        Program program;
        TInternetCenterForm& form = *program.forms.internetCenterForm;
        form.fetch.setLimits({300, 64 * 1024, 3});
        form.show();
        form.NetMsg->setPlainText("what the last fetch showed");
        (infos ? form.InfosBut : form.NewsBut)->clicked();
        QVERIFY(form.NetMsg->toPlainText().isEmpty());
        QVERIFY(!form.InfosOmbre->isEnabled() && !form.NewsBut->isEnabled());
        QCOMPARE(form.cursor().shape(), Qt::BusyCursor);
        QTRY_VERIFY_WITH_TIMEOUT(!form.fetch.running(), 1000);
        QVERIFY(form.InfosOmbre->isEnabled() && form.NewsBut->isEnabled());
        QCOMPARE(form.NetMsg->toPlainText(), shown);
        if (failure.isEmpty()) {
            QVERIFY(program.dialogs.shown.empty());
        } else {
            QCOMPARE(program.dialogs.shown.size(), std::size_t(1));
            QVERIFY2(program.dialogs.shown[0].text.contains(failure),
                     qPrintable(program.dialogs.shown[0].text));
            QCOMPARE(program.dialogs.shown[0].title, QString("Internet Center"));
        }
        qunsetenv("TAVO_WEB_BASE");
    }

    void connectionQuestionAndPictures() {
        Program program;
        TInternetCenterForm& form = *program.forms.internetCenterForm;
        for (bool yes : {false, true}) {
            program.dialogs.yes = {yes};
            program.gameForm.InternetCenter1Click();
            QCOMPARE(form.isVisible(), yes);
            QCOMPARE(program.dialogs.shown.back().title, QString("Are you connected?"));
        }
        const struct {
            void (TInternetCenterForm::*move)();
            bool infosLit, newsLit;
        } moves[] = {{&TInternetCenterForm::InfosOmbreMouseMove, true, false},
                     {&TInternetCenterForm::NewsOmbreMouseMove, false, true},
                     {&TInternetCenterForm::FormMouseMove, false, false}};
        for (const auto& move : moves) {
            (form.*move.move)();
            QCOMPARE(form.InfosBut->isVisible(), move.infosLit);
            QCOMPARE(form.NewsBut->isVisible(), move.newsLit);
        }
        // A fetch goes with its window: nothing is said later, and it is idle
        // when reopened; minimised (hidden by the window system), it goes on.
        Site silent;
        qputenv("TAVO_WEB_BASE", silent.base());
        form.NewsButClick();
        form.setWindowState(Qt::WindowMinimized);
        QHideEvent minimised; // as the window system hides a minimised window
        QCoreApplication::sendEvent(&form, &minimised);
        QVERIFY(form.fetch.running());
        form.setWindowState(Qt::WindowNoState);
        form.hide();
        QVERIFY(!form.fetch.running() && form.NewsOmbre->isEnabled());
        qunsetenv("TAVO_WEB_BASE");
    }

    // Every road to the home page opens the same address, TAVO_HOME_PAGE's
    // when it is set; the about window's mail label starts a message.
    void linksOpenTheHomePageAndMail() {
        qputenv("TAVO_HOME_PAGE", "https://mirror.example.net/tavo/");
        Program program;
        TAboutForm& about = *program.forms.aboutForm;
        about.show();
        QCOMPARE(about.WebAddress->text(), QString("https://mirror.example.net/tavo/"));
        QTest::mouseClick(about.WebAddress, Qt::LeftButton);
        QTest::mouseClick(about.EmailAddress, Qt::LeftButton);
        program.forms.internetCenterForm->WebLink->clicked();
        program.gameForm.VisitWebClick();
        QStringList opened;
        for (const auto& dialog : program.dialogs.shown)
            if (dialog.kind == test::ShownDialog::OpenUrl) opened << dialog.text;
        QCOMPARE(
            opened,
            QStringList({"https://mirror.example.net/tavo/", "mailto:team@tavo-game.example.org",
                         "https://mirror.example.net/tavo/", "https://mirror.example.net/tavo/"}));
        // With no browser to start, the player is told the address.
        program.dialogs.browser = false;
        program.dialogs.clear();
        program.gameForm.VisitWebClick();
        const test::ShownDialog& told = program.dialogs.shown.back();
        QCOMPARE(std::tuple(told.text, told.title, told.icon),
                 std::tuple(QString("No web browser could be started. The address is:\n"
                                    "https://mirror.example.net/tavo/"),
                            QString("Tavo 0.4"), DialogIcon::Information));
        qunsetenv("TAVO_HOME_PAGE");
        // The address turns red under the mouse and blue again off it.
        QMouseEvent move(QEvent::MouseMove, {1, 1}, {1, 1}, Qt::NoButton, {}, {});
        const std::pair<QWidget*, QColor> hovers[] = {{about.WebAddress, Qt::red},
                                                      {about.CreditsBox, Qt::blue},
                                                      {about.WebAddress, Qt::red},
                                                      {about.VisitLabel, Qt::blue}};
        for (const auto& [widget, colour] : hovers) {
            QApplication::sendEvent(widget, &move); // and on to the boxes around it
            QCOMPARE(about.WebAddress->palette().color(QPalette::WindowText), colour);
        }
    }

    // Modal over the main menu, which is on top again after; modeless from
    // the game window.
    void aboutFromBothRoads() {
        Program program;
        TMainForm& menu = *program.forms.mainForm;
        TAboutForm& about = *program.forms.aboutForm;
        menu.show();
        const struct {
            const char* what;
            QWidget* pressed;
            QKeyCombination keys;
        } presses[] = {{"Alt+A", &menu, Qt::ALT | Qt::Key_A},
                       {"Enter on About", menu.AboutBut, QKeyCombination(Qt::Key_Return)}};
        for (const auto& [what, pressed, keys] : presses) {
            QTest::keyClick(pressed, keys.key(), keys.keyboardModifiers());
            QVERIFY2(about.isVisible() && about.windowModality() == Qt::ApplicationModal, what);
            QVERIFY2(!(menu.windowFlags() & Qt::WindowStaysOnTopHint), what);
            about.CloseBut->click();
            QVERIFY2(menu.isVisible() && (menu.windowFlags() & Qt::WindowStaysOnTopHint), what);
        }
        menu.hide();
        program.gameForm.About1Click();
        QVERIFY(about.isVisible() && about.windowModality() == Qt::NonModal);
    }
};

TAVO_UI_TEST_MAIN(NetAboutTest)
#include "NetAboutTest.moc"
