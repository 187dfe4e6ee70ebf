// The game in the player's language, seen through the pseudo-language that
// marks every translated text: the engine's phrases come out translated
// with their places filled (names and figures as they are), the voice
// speaks the translation, every phrase the engine says while the fuzz
// targets' seed scripts play is in the translation, and Setup keeps the
// chosen language and says, in it, when it takes effect. Then each language
// alone: its dates, its months on the finance chart, Qt's own buttons, a
// mistyped number's error, the main menu's keys and the pictures' words. A
// damaged translation file, or one in the play folder, is never loaded.

#include "SampleGame.h"
#include "UiTestMain.h"

#include "Inputs.h"
#include "banks/LoanDesk.h"
#include "core/Autosave.h"
#include "game/ScriptPlayer.h"
#include "leisure/Race.h"
#include "ui/Dates.h"
#include "ui/DialogsVoice.h"
#include "ui/GameSettings.h"
#include "ui/Pictures.h"
#include "ui/TFinanceForm.h"
#include "ui/Translation.h"
#include "ui/TranslationFile.h"

#include <QCategoryAxis>
#include <QChart>
#include <QComboBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTranslator>

#include <sstream>

using namespace tavo;
using namespace tavo::ui;

namespace {

// The text between the pseudo-language's marks.
QString mark(const QString& text) {
    return QChar(0x27E6) + text + QChar(0x27E7);
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

quint32 bigEndian(const QByteArray& bytes, qsizetype at) {
    return qFromBigEndian<quint32>(bytes.constData() + at);
}

// Where the section `tag` of a translation's bytes starts (after its
// heading), and its length.
std::pair<qsizetype, quint32> section(const QByteArray& qm, char tag) {
    for (qsizetype at = 16; at + 5 <= qm.size(); at += 5 + bigEndian(qm, at + 1))
        if (qm[at] == tag) return {at + 5, bigEndian(qm, at + 1)};
    return {-1, 0};
}

// The sound French translation, damaged as a disk or a hand may damage it.
QByteArray damaged(const QString& how) {
    QByteArray qm = fileBytes(QStringLiteral(TAVO_TRANSLATIONS_DIR "/tavo_fr.qm"));
    const auto [messages, length] = section(qm, 0x69);
    if (how == "huge length") {
        // The first message's first field is its translation: its length.
        if (qm[messages] != 3) return {};
        qToBigEndian<quint32>(0x7ffffff0, qm.data() + messages + 1);
    } else if (how == "hash outside") {
        const auto [hashes, size] = section(qm, 0x42);
        qToBigEndian<quint32>(length + 100, qm.data() + hashes + 4);
    } else if (how == "cut short") {
        qm.chop(10);
    } else if (how == "depends on itself") {
        QByteArray name;
        for (const QChar c : QStringLiteral("tavo_fr"))
            name += '\0' + QByteArray(1, static_cast<char>(c.unicode()));
        QByteArray block(4, '\0');
        qToBigEndian<quint32>(static_cast<quint32>(name.size()), block.data());
        block += name;
        QByteArray heading(5, '\x96');
        qToBigEndian<quint32>(static_cast<quint32>(block.size()), heading.data() + 1);
        qm = qm.left(16) + heading + block;
    }
    return qm;
}

// Every picture with words, drawn in the language loaded, by name.
QList<std::pair<QString, QImage>> wordedPictures() {
    QList<std::pair<QString, QImage>> drawn;
    for (const QString& name : pictureNames())
        if (!pictureCaptions(name).isEmpty())
            drawn.push_back({name, wordedPicture(name).pixmap.toImage()});
    return drawn;
}

Phrase conversionPhrase(const char* typed) {
    try {
        toInteger(typed);
    } catch (const ConversionError& error) {
        return error.phrase;
    }
    return {};
}

} // namespace

class TranslationTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(installTranslations(*qApp, QStringLiteral("pseudo"), TAVO_TRANSLATIONS_DIR));
    }

    void phrasesAreTranslatedWithTheirPlaces() {
        const struct {
            Phrase phrase;
            QString shown;
        } cases[] = {
            {raceCarName(3), mark(QStringLiteral("The car # 3"))},
            // A place's own phrase is translated in its turn.
            {{"Watch out! %1 have been reech by %2", {raceCarName(2), raceCarName(4)}},
             mark(QStringLiteral("Watch out! ") + mark(QStringLiteral("The car # 2")) +
                  QStringLiteral(" have been reech by ") + mark(QStringLiteral("The car # 4")))},
            // A path is shown as it is, even one holding a place's name.
            {autosaveFailure("/home/jo/%2saves"),
             mark(QStringLiteral("The game could not save itself in /home/jo/%2saves."))},
            {conversionPhrase("12a"), mark(QStringLiteral("'12a' is not a valid integer value"))},
            // A text the translators never had stays as the game wrote it.
            {asIs("Jo's Corner"), QStringLiteral("Jo's Corner")},
        };
        for (const auto& c : cases)
            QCOMPARE(translated(c.phrase), c.shown);
    }

    void theVoiceSpeaksTheTranslation() {
        test::Program program;
        program.game.state.gamblingBalance = -500000; // a gambler: refused
        DialogsVoice voice(program.dialogs);
        QVERIFY(!requestLoan(program.game.state, kInvestBank, "100", "50000", voice));
        QCOMPARE(program.dialogs.shown.size(), std::size_t{1});
        QCOMPARE(program.dialogs.shown[0].text,
                 mark(QStringLiteral("Sorry! But we don't borrow money to gamblers!")));
        QCOMPARE(program.dialogs.shown[0].title, mark(QStringLiteral("Loan denied")));
    }

    // Refusals, questions, confirmations, conversion errors and the message
    // box's texts, with their titles: each pattern, and each phrase filling
    // a place, comes back marked.
    void everyPhraseTheScriptsSayIsTranslated() {
        QStringList missing;
        int heard = 0;
        std::function<void(const Phrase&)> check = [&](const Phrase& phrase) {
            if (phrase.exact) return;
            if (translated(phrase.pattern) == QString::fromStdString(phrase.pattern))
                missing << QString::fromStdString(phrase.pattern);
            for (const Phrase& arg : phrase.args)
                check(arg);
        };
        // The fuzz targets' seed scripts (a header, then the script) and a
        // run into the refusals.
        const QDir seeds(TAVO_SCRIPT_SEEDS);
        QStringList scripts{QStringLiteral(TAVO_UI_TEST_DIR "/every-refusal.txt")};
        for (const QString& name : seeds.entryList(QDir::Files))
            scripts << seeds.filePath(name);
        for (const QString& path : scripts) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QByteArray text = file.readAll();
            if (path.startsWith(seeds.path())) {
                fuzz::ScriptHeader header;
                QVERIFY(static_cast<std::size_t>(text.size()) >= sizeof header);
                std::memcpy(&header, text.constData(), sizeof header);
                text.remove(0, qsizetype(sizeof header + header.patches * sizeof(fuzz::Patch)));
            }
            test::Program program(test::GameFolder::ShippedLists);
            program.game.state = test::sampleGame();
            std::ostringstream out;
            Session session(program.clock);
            session.game() = program.game;
            ScriptPlayer player(session, out);
            player.printer().heard = [&](const Phrase& said, const std::string& title) {
                ++heard;
                check(said);
                if (!title.empty() && title != kAppTitle) check(Phrase(title));
            };
            forEachCommand(text.toStdString(), [&](const ScriptCommand& command) {
                try {
                    player.play(command);
                } catch (const ScriptError&) {
                    // a click this game's window does not offer: the next line
                }
            });
        }
        missing.removeDuplicates();
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(" | "))));
        qInfo("%d phrases heard", heard);
        QVERIFY(heard > 0);
    }

    // A caption longer than its place on a picture is made smaller, then
    // put on two lines, never cut; what cannot fit even so is told.
    void longCaptionsFitTheirPlace() {
        const struct {
            const char* what;
            const char* text;
            qsizetype lines; // 0: does not fit
            bool smaller;
        } cases[] = {
            {"as it is", "Tavo town", 1, false},
            {"a little smaller", "Die Stadt Tavo am Fluss", 1, true},
            {"on two lines", "Des bars, des banques et un peu de chance", 2, true},
            {"too long even so", "Donaudampfschifffahrtsgesellschaftskapitänsmütze", 0, true},
        };
        for (const auto& c : cases) {
            const PictureCaption caption{QString::fromUtf8(c.text), QRectF(0, 0, 180, 26),
                                         titleFont(16), Qt::white};
            const CaptionLayout laid = layOut(caption);
            QCOMPARE_EQ(laid.fits, c.lines > 0);
            QVERIFY2(laid.lines.join(QLatin1Char(' ')) == caption.text, c.what); // nothing cut
            if (c.lines == 0) continue;
            QVERIFY2(laid.lines.size() == c.lines, c.what);
            QVERIFY2((laid.font.pixelSize() < 16) == c.smaller, c.what);
            const QFontMetricsF metrics(laid.font);
            for (const QString& line : laid.lines)
                QVERIFY2(metrics.horizontalAdvance(line) <= caption.box.width(), c.what);
            QVERIFY2(metrics.height() + (laid.lines.size() - 1) * metrics.lineSpacing() <= 26,
                     c.what);
        }
    }

    // The translations lrelease makes pass the game's check, Qt's own too.
    void soundTranslationsPass_data() {
        QTest::addColumn<QString>("path");
        const QDir qt(QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        for (const QString& language : languageCodes().mid(2)) {
            const QString game = QStringLiteral("tavo_") + language + QStringLiteral(".qm");
            QTest::newRow(qPrintable(game)) << QStringLiteral(TAVO_TRANSLATIONS_DIR "/") + game;
            const QString own = QStringLiteral("qtbase_") + language + QStringLiteral(".qm");
            if (qt.exists(own)) QTest::newRow(qPrintable(own)) << qt.filePath(own);
        }
        QTest::newRow("tavo_pseudo.qm") << QStringLiteral(TAVO_TRANSLATIONS_DIR "/tavo_pseudo.qm");
    }
    void soundTranslationsPass() {
        QFETCH(QString, path);
        const QByteArray qm = fileBytes(path);
        QVERIFY(!qm.isEmpty());
        QCOMPARE(translationFault(reinterpret_cast<const unsigned char*>(qm.constData()),
                                  static_cast<std::size_t>(qm.size())),
                 std::string());
    }

    // A damaged translation is refused before Qt reads it: the game goes on
    // in the language it had, and knows which file it refused.
    void damagedTranslationsAreRefused_data() {
        QTest::addColumn<QString>("how");
        for (const char* how : {"huge length", "hash outside", "cut short", "depends on itself"})
            QTest::newRow(how) << how;
    }
    void damagedTranslationsAreRefused() {
        QFETCH(QString, how);
        const QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("tavo_fr.qm"));
        QFile file(path);
        const QByteArray bytes = damaged(how);
        QVERIFY(!bytes.isEmpty() && file.open(QIODevice::WriteOnly) &&
                file.write(bytes) == bytes.size());
        file.close();
        QString refused;
        QVERIFY(!installTranslations(*qApp, QStringLiteral("fr"), folder.path(), &refused));
        QCOMPARE(refused, path);
        QCOMPARE(translated(raceCarName(3)), mark(QStringLiteral("The car # 3")));
    }

    // Translations come only from the installed folder: with none, nothing
    // in the play folder is loaded, whatever its name.
    void nothingFromThePlayFolder() {
        const QTemporaryDir play;
        const QByteArray sound = fileBytes(QStringLiteral(TAVO_TRANSLATIONS_DIR "/tavo_fr.qm"));
        for (const char* name : {"tavo_fr.qm", "tavo.qm", "tavo"}) {
            QFile file(play.filePath(QLatin1String(name)));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(sound) == sound.size());
        }
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(play.path()));
        const bool loaded = installTranslations(*qApp, QStringLiteral("fr"), QString()) ||
                            installTranslations(*qApp, QStringLiteral("fr"), QStringLiteral("."));
        QDir::setCurrent(before);
        QVERIFY(!loaded);
        QCOMPARE(translated(raceCarName(3)), mark(QStringLiteral("The car # 3")));
    }

    // The choice is kept in settings.ini and shown again; a change is told,
    // in the language chosen, to take effect at the next start.
    void setupKeepsTheLanguage() {
        test::Program program;
        TSetupForm& setup = *program.forms.setupForm;
        const struct {
            const char* code;
            const char* told; // nothing when the language stays
        } choices[] = {
            {"de", "Die neue Sprache gilt ab dem nächsten Start von Tavo."},
            {"de", nullptr},
            {"it", "La nuova lingua sarà attiva dal prossimo avvio di Tavo."},
            {"en", "The new language takes effect when Tavo next starts."},
        };
        for (const auto& choice : choices) {
            program.dialogs.clear();
            setup.show();
            setup.Language->setCurrentIndex(setup.Language->findData(QLatin1String(choice.code)));
            setup.OkClick();
            QVERIFY2(setup.isHidden(), choice.code);
            QCOMPARE(effectiveLanguage(chosenLanguage()), QLatin1String(choice.code));
            QCOMPARE(program.dialogs.texts(),
                     choice.told ? QStringList{QString::fromUtf8(choice.told)} : QStringList());
        }
        setup.show();
        QCOMPARE(setup.Language->currentText(), QStringLiteral("English"));
        // Each language by its own name.
        QStringList names;
        for (int i = 1; i < setup.Language->count(); ++i)
            names << setup.Language->itemText(i);
        QCOMPARE(names,
                 QStringList({"English", "Fran\u00e7ais", "Deutsch", "Espa\u00f1ol", "Italiano"}));
    }

    // Each language alone, as the game loads it at start (so after the
    // pseudo-language's tests): the first and last day of a year, the
    // twelve months as the finance chart names them, none two alike and
    // none cut ("juin" and "juil."), on the chart's axis too, Qt's own Yes
    // button, a mistyped number's error, the main menu's Alt keys (New game,
    // Load, About, Exit) as its captions mark them, and every picture with
    // words, the main menu too, drawn in the language's words.
    void eachLanguageAlone_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("firstDay");
        QTest::addColumn<QString>("lastDay");
        QTest::addColumn<QString>("months");
        QTest::addColumn<QString>("yes");
        QTest::addColumn<QString>("mistyped");
        QTest::addColumn<QString>("keys");
        QTest::newRow("en") << "en"
                            << "1 January 1983"
                            << "30 December 1983"
                            << "Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec"
                            << "&Yes"
                            << "'lots' is not a valid floating point value"
                            << "NLAX";
        QTest::newRow("fr") << "fr"
                            << "1er janvier 1983"
                            << "30 décembre 1983"
                            << "janv. févr. mars avr. mai juin juil. août sept. oct. nov. déc."
                            << "&Oui"
                            << "'lots' n'est pas un nombre décimal valide"
                            << "NCPQ";
        QTest::newRow("de") << "de"
                            << "1. Januar 1983"
                            << "30. Dezember 1983"
                            << "Jan. Feb. März Apr. Mai Juni Juli Aug. Sept. Okt. Nov. Dez."
                            << "&Ja"
                            << "'lots' ist keine gültige Dezimalzahl"
                            << "NLÜB";
        QTest::newRow("es") << "es"
                            << "1 de enero de 1983"
                            << "30 de diciembre de 1983"
                            << "ene. feb. mar. abr. may. jun. jul. ago. sept. oct. nov. dic."
                            << "&Sí"
                            << "'lots' no es un número decimal válido"
                            << "NCAS";
        QTest::newRow("it") << "it"
                            << "1º gennaio 1983"
                            << "30 dicembre 1983"
                            << "gen. feb. mar. apr. mag. giu. lug. ago. set. ott. nov. dic."
                            << "&Sì"
                            << "'lots' non è un numero decimale valido"
                            << "NCIE";
    }

    void eachLanguageAlone() {
        QFETCH(QString, language);
        for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
        const QList<std::pair<QString, QImage>> english = wordedPictures();
        QVERIFY(!english.isEmpty());
        const QImage englishMenu = test::Program().forms.mainForm->grab().toImage();
        QVERIFY(installTranslations(*qApp, language, TAVO_TRANSLATIONS_DIR));
        QTEST(dateText(1, 1, 1983), "firstDay");
        QTEST(dateText(30, 12, 1983), "lastDay");
        QStringList months;
        for (int month = 1; month <= 12; ++month)
            months << shortMonthText(month, 1983).chopped(5); // without " 1983"
        QTEST(months.join(QLatin1Char(' ')), "months");
        QCOMPARE(QSet<QString>(months.begin(), months.end()).size(), 12);

        test::Program program;
        program.game.history.months = {{1983, 6, 1000, {}}, {1983, 7, 2000, {}}};
        program.forms.financeForm->FormShow();
        auto* axis = qobject_cast<QCategoryAxis*>(
            program.forms.financeForm->MoneyChart->axes(Qt::Horizontal).value(0));
        QVERIFY(axis);
        QCOMPARE(axis->categoriesLabels(),
                 (QStringList{shortMonthText(6, 1983), shortMonthText(7, 1983)}));

        QMessageBox question(QMessageBox::Question, QString(), QString(), QMessageBox::Yes);
        QTEST(question.button(QMessageBox::Yes)->text(), "yes");

        program.forms.gameForm->MoreMoney->setText(QStringLiteral("lots"));
        program.forms.gameForm->MoneyAddClick();
        QTEST(program.dialogs.texts().value(0), "mistyped");

        QFETCH(QString, keys);
        TMainForm& menu = *program.forms.mainForm;
        const PictureButton* pictures[] = {menu.NewGameOmbre, menu.LoadOmbre, menu.AboutBut,
                                           menu.ExitBut};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(QKeySequence::mnemonic(pictures[i]->caption()),
                     QKeySequence(QStringLiteral("Alt+") + keys[i]));
        const auto press = [&](QChar letter) {
            program.dialogs.clear();
            QTest::keyClick(&menu, QKeySequence(QString(letter))[0].key(), Qt::AltModifier);
        };
        if (keys[1] != QLatin1Char('L')) { // the English key is not the language's
            press(QLatin1Char('L'));
            QVERIFY(program.dialogs.shown.empty());
        }
        press(keys[1]);
        QCOMPARE(program.dialogs.shown.size(), std::size_t{1});
        QVERIFY(program.dialogs.shown[0].kind == test::ShownDialog::OpenFile);
        press(keys[2]);
        QVERIFY(program.forms.aboutForm->isVisible());
        program.forms.aboutForm->hide();

        const QList<std::pair<QString, QImage>> drawn = wordedPictures();
        QCOMPARE(drawn.size(), english.size());
        for (qsizetype i = 0; i < drawn.size(); ++i)
            QVERIFY2((drawn[i].second != english[i].second) == (language != "en"),
                     qPrintable(drawn[i].first));
        QCOMPARE(menu.grab().toImage() != englishMenu, language != "en");
    }
};

TAVO_UI_TEST_MAIN(TranslationTest)
#include "TranslationTest.moc"
