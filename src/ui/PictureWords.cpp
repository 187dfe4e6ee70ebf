#include "ui/PictureWords.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace tavo::ui {
namespace {

// The height of `lines` lines: the first's, then a line's spacing each.
double blockHeight(const QFontMetricsF& metrics, qsizetype lines) {
    return metrics.height() + static_cast<double>(lines - 1) * metrics.lineSpacing();
}

bool fitsIn(const QFont& font, const QStringList& lines, const QRectF& box) {
    const QFontMetricsF metrics(font);
    for (const QString& line : lines)
        if (metrics.horizontalAdvance(plainCaption(line)) > box.width()) return false;
    return blockHeight(metrics, lines.size()) <= box.height();
}

// The text on two lines, broken at the space that leaves the shorter
// longest line; none when it holds no space.
QStringList twoLines(const QString& text, const QFont& font) {
    const QFontMetricsF metrics(font);
    QStringList best;
    double widest = 0;
    for (qsizetype at = text.indexOf(QLatin1Char(' ')); at > 0;
         at = text.indexOf(QLatin1Char(' '), at + 1)) {
        const QStringList lines{text.left(at), text.mid(at + 1)};
        const double width = std::max(metrics.horizontalAdvance(plainCaption(lines[0])),
                                      metrics.horizontalAdvance(plainCaption(lines[1])));
        if (best.isEmpty() || width < widest) {
            best = lines;
            widest = width;
        }
    }
    return best;
}

void glowPath(QPainter& painter, const QPainterPath& path, const QColor& core, const QColor& glow,
              double spread) {
    for (int i = 6; i >= 1; --i) {
        QColor halo = glow;
        halo.setAlphaF(0.10);
        painter.setPen(QPen(halo, spread * i, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
    }
    painter.setPen(QPen(glow.darker(160), spread * 0.5));
    painter.setBrush(core);
    painter.drawPath(path);
}

void draw(QPainter& painter, const PictureCaption& caption, const CaptionLayout& laid) {
    painter.save();
    painter.setFont(laid.font);
    if (!caption.glow.isValid()) {
        painter.setPen(caption.colour);
        painter.drawText(caption.box, static_cast<int>(caption.alignment) | Qt::TextShowMnemonic,
                         laid.lines.join(QLatin1Char('\n')));
    } else {
        const QFontMetricsF metrics(laid.font);
        double baseline = caption.box.center().y() - blockHeight(metrics, laid.lines.size()) / 2 +
                          metrics.ascent();
        QPainterPath path;
        for (const QString& line : laid.lines) {
            const QString shown = plainCaption(line);
            const double width = metrics.horizontalAdvance(shown);
            path.addText(QPointF(caption.box.center().x() - width / 2, baseline), laid.font, shown);
            baseline += metrics.lineSpacing();
        }
        glowPath(painter, path, caption.colour, caption.glow, caption.spread);
    }
    painter.restore();
}

} // namespace

QString plainCaption(const QString& caption) {
    QString shown;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size()) ++i;
        shown += caption[i];
    }
    return shown;
}

QFont titleFont(double pixels, bool bold) {
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(static_cast<int>(pixels));
    font.setBold(bold);
    return font;
}

QFont signFont(double pixels) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(static_cast<int>(pixels));
    font.setBold(true);
    return font;
}

void glowText(QPainter& painter, const QRectF& box, const QString& text, const QFont& font,
              const QColor& core, const QColor& glow, double spread) {
    draw(painter, {text, box, font, core, glow, spread}, {font, {text}, true});
}

CaptionLayout layOut(const PictureCaption& caption) {
    const int largest = caption.font.pixelSize();
    const int shrunk = static_cast<int>(std::ceil(largest * 0.75));
    CaptionLayout laid{caption.font, {caption.text}, true};
    // One line a little smaller, then two lines, then one line smaller yet.
    const auto tryLines = [&](int from, int to, bool broken) {
        for (int pixels = from; pixels >= to; --pixels) {
            laid.font.setPixelSize(pixels);
            laid.lines = broken ? twoLines(caption.text, laid.font) : QStringList{caption.text};
            if (!laid.lines.isEmpty() && fitsIn(laid.font, laid.lines, caption.box)) return true;
        }
        return false;
    };
    if (largest <= kSmallestCaption || tryLines(largest, shrunk, false) ||
        tryLines(largest, kSmallestCaption, true) || tryLines(shrunk - 1, kSmallestCaption, false))
        return laid;
    laid.font.setPixelSize(kSmallestCaption);
    laid.lines = twoLines(caption.text, laid.font);
    if (laid.lines.isEmpty()) laid.lines = {caption.text};
    laid.fits = false;
    return laid;
}

bool drawCaption(QPainter& painter, const PictureCaption& caption) {
    const CaptionLayout laid = layOut(caption);
    draw(painter, caption, laid);
    return laid.fits;
}

} // namespace tavo::ui
