// Words drawn on the game's pictures: the pictures' fonts, the glowing
// letters of their titles and signs, and captions laid into a box in the
// player's language, made smaller or put on two lines until they fit.
// Qt GUI alone: the picture generator draws the names with it too.
#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>
#include <QStringList>

class QPainter;

namespace tavo::ui {

// The pictures' serif, bold by default, and their bold sans serif.
QFont titleFont(double pixels, bool bold = true);
QFont signFont(double pixels);

// One line of letters filled with `core`, outlined in a darker `glow`
// under a soft halo `spread` wide, centred in `box`.
void glowText(QPainter& painter, const QRectF& box, const QString& text, const QFont& font,
              const QColor& core, const QColor& glow, double spread);

// A caption laid on a picture: its text (an '&' underlines the next
// letter, as on a button), the box it stands in, its font and colour, and,
// for glowing letters, the halo's colour and width.
struct PictureCaption {
    QString text;
    QRectF box;
    QFont font;
    QColor colour;
    QColor glow = QColor(); // none: plain letters
    double spread = 0;
    Qt::Alignment alignment = Qt::AlignCenter;
};

// A caption as it reads: its '&' marks taken out ("&&" reads '&').
QString plainCaption(const QString& caption);

// The smallest letters a caption is made to, in pixels.
inline constexpr int kSmallestCaption = 9;

// How a caption fits its box: its font (the caption's, or smaller) and its
// lines (one, or two broken at a space). `fits` is false when even the
// smallest letters on two lines overflow the box: it is drawn so all the
// same, centred on it.
struct CaptionLayout {
    QFont font;
    QStringList lines;
    bool fits = true;
};
CaptionLayout layOut(const PictureCaption& caption);

// Draws the caption as laid out; false when it does not fit its box.
bool drawCaption(QPainter& painter, const PictureCaption& caption);

} // namespace tavo::ui
