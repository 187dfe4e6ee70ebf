#include "ui/Pictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>

namespace tavo::ui {
namespace {

// An English text and what the translators read beside it.
struct Said {
    const char* text;
    const char* comment;
};

// The words of each picture, in English, where they stand.
struct Words {
    const char* picture;
    Said said;
    // The caption's box and look; a button's caption fills it.
    QRectF box;
    enum Look { Button, LitButton, Glow, Plain } look;
    QFont font;
    QColor colour;
    QColor glow;
    double spread;
};

// A button's caption: a serif about half its height, light on dark wood,
// dark on lit wood.
Words button(const char* picture, Said said, QSizeF size, bool lit) {
    return {picture,
            said,
            QRectF(QPointF(0, 0), size),
            lit ? Words::LitButton : Words::Button,
            titleFont(size.height() * 0.48),
            lit ? QColor(60, 24, 0) : QColor(255, 226, 170),
            QColor(),
            0};
}

Words glowing(const char* picture, Said said, QRectF box, QFont font, QColor colour, QColor glow,
              double spread) {
    return {picture, said, box, Words::Glow, font, colour, glow, spread};
}

const char* const kContext = "Pictures";

const QList<Words>& allWords() {
    static const QList<Words> words = [] {
        const Said menu = QT_TRANSLATE_NOOP3("Pictures", "&New game",
                                             "the main menu's picture button; & marks its Alt key");
        const Said load = QT_TRANSLATE_NOOP3("Pictures", "&Load",
                                             "the main menu's picture button; & marks its Alt key");
        const Said infos =
            QT_TRANSLATE_NOOP3("Pictures", "Infos", "the Internet Center's picture button");
        const Said news =
            QT_TRANSLATE_NOOP3("Pictures", "News", "the Internet Center's picture button");
        const QColor dusk(20, 10, 40);
        QList<Words> all{
            glowing("menu-background",
                    QT_TRANSLATE_NOOP3("Pictures", "Run the bars of the town, one night at a time",
                                       "the main menu's picture, under the game's name"),
                    QRectF(0, 138, 640, 32), titleFont(17, false), QColor(255, 226, 180), dusk,
                    1.4),
            button("button-newgame", menu, {220, 52}, false),
            button("button-newgame-lit", menu, {220, 52}, true),
            button("button-load", load, {220, 52}, false),
            button("button-load-lit", load, {220, 52}, true),
            button("button-about",
                   QT_TRANSLATE_NOOP3("Pictures", "&About",
                                      "the main menu's picture button; & marks its Alt key"),
                   {110, 36}, false),
            button("button-exit",
                   QT_TRANSLATE_NOOP3("Pictures", "E&xit",
                                      "the main menu's picture button; & marks its Alt key"),
                   {110, 36}, false),
            glowing("popup",
                    QT_TRANSLATE_NOOP3("Pictures", "What's new in town",
                                       "the picture of the window of what is new"),
                    QRectF(0, 66, 420, 26), titleFont(15), QColor(255, 236, 200), dusk, 1.6),
            glowing("bank-invest",
                    QT_TRANSLATE_NOOP3("Pictures", "Your money grows with us",
                                       "Invest Bank's slogan, under its name"),
                    QRectF(210, 62, 250, 26), titleFont(14, false), QColor(30, 40, 60),
                    QColor(255, 255, 255), 0.8),
            glowing("bank-german",
                    QT_TRANSLATE_NOOP3("Pictures", "The Power of your economy",
                                       "German Bank's slogan, under its name"),
                    QRectF(130, 64, 330, 26), titleFont(15, false), QColor(220, 226, 255),
                    QColor(10, 14, 40), 1.0),
            glowing("bank-china",
                    QT_TRANSLATE_NOOP3("Pictures", "The easy way to get money",
                                       "China Cash's slogan, under its name"),
                    QRectF(0, 66, 460, 26), titleFont(15, false), QColor(255, 240, 210),
                    QColor(90, 0, 0), 1.0),
            {"net-link",
             QT_TRANSLATE_NOOP3("Pictures", "Visit the Tavo web site",
                                "the Internet Center's picture link, beside a globe"),
             QRectF(50, 0, 244, 44), Words::Plain, signFont(16), QColor(230, 240, 255), QColor(),
             0},
            glowing("about-banner",
                    QT_TRANSLATE_NOOP3("Pictures", "Bars, banks and a little luck",
                                       "the about window's picture, under the game's name"),
                    QRectF(0, 67, 400, 26), titleFont(16), QColor(255, 236, 200), dusk, 1.2),
            glowing("town",
                    QT_TRANSLATE_NOOP3("Pictures", "Tavo town",
                                       "the town map's title, in its top left corner"),
                    QRectF(8, 4, 140, 22), titleFont(16), QColor(255, 222, 150),
                    QColor(255, 140, 40), 1.0),
        };
        for (const bool lit : {false, true}) {
            all << button(lit ? "net-infos-lit" : "net-infos", infos, {150, 44}, lit);
            all << button(lit ? "net-news-lit" : "net-news", news, {150, 44}, lit);
        }
        return all;
    }();
    return words;
}

} // namespace

QPixmap picture(const QString& name, bool scaled) {
    const QString path = QStringLiteral(":/pictures/%1%2.jpg");
    if (scaled || (qApp != nullptr && qApp->devicePixelRatio() > 1.0)) {
        QPixmap twice(path.arg(name, QStringLiteral("@2x")));
        twice.setDevicePixelRatio(2.0);
        if (!twice.isNull()) return twice;
    }
    return QPixmap(path.arg(name, QString()));
}

QStringList pictureNames() {
    QStringList names;
    for (const QString& file :
         QDir(QStringLiteral(":/pictures")).entryList({QStringLiteral("*.jpg")}))
        if (!file.endsWith(QLatin1String("@2x.jpg"))) names << file.chopped(4);
    return names;
}

QList<PictureCaption> pictureCaptions(const QString& name) {
    QList<PictureCaption> captions;
    for (const Words& words : allWords()) {
        if (name != QLatin1String(words.picture)) continue;
        const QString text =
            QCoreApplication::translate(kContext, words.said.text, words.said.comment);
        captions << PictureCaption{text,
                                   words.box,
                                   words.font,
                                   words.colour,
                                   words.glow,
                                   words.spread,
                                   words.look == Words::Plain ? Qt::AlignVCenter | Qt::AlignLeft
                                                              : Qt::AlignCenter};
    }
    return captions;
}

WordedPicture wordedPicture(const QString& name, bool scaled) {
    WordedPicture worded{picture(name, scaled), {}, {}};
    QPainter painter(&worded.pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const PictureCaption& caption : pictureCaptions(name)) {
        worded.words << caption.text;
        if (!drawCaption(painter, caption)) worded.cut << caption.text;
    }
    return worded;
}

void tellWords(QWidget* shower, const WordedPicture& picture) {
    shower->setProperty(kPictureWords, picture.words);
    shower->setProperty(kPictureWordsCut, picture.cut);
}

void showPicture(QLabel* label, const QString& name) {
    const WordedPicture worded = wordedPicture(name);
    label->setPixmap(worded.pixmap);
    tellWords(label, worded);
}

} // namespace tavo::ui
