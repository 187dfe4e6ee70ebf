// Draws the game's pictures and writes them as JPEG files, and the
// program's icon at the desktop's sizes as PNG files:
//   tavo-pictures OUTPUT_FOLDER BARS_SOURCE [ICON_FOLDER]
// Every picture is drawn at its size on screen, as NAME.jpg, and at twice
// that size, as NAME@2x.jpg for screens at 150 % and 200 %. The drawing is
// seeded, so the same program always draws the same pictures. The words a
// player reads on a picture (captions, slogans) are left out: the game draws
// them over it in the player's language. Names (the game's, the banks', the
// bars' signs) are drawn here.

#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QTextStream>

#include "ui/PictureWords.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>

namespace {

using tavo::ui::glowText;
using tavo::ui::signFont;
using tavo::ui::titleFont;

// The size the pictures are drawn at: 1, or 2 for the "@2x" twins.
double scale = 1.0;

// A night sky, stars, a moon, a skyline with lit windows and neon signs.
void drawNightTown(QPainter& p, const QSizeF& size, quint32 seed, bool withSigns) {
    QRandomGenerator dice(seed);
    const double w = size.width(), h = size.height();
    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0.0, QColor(8, 10, 38));
    sky.setColorAt(0.55, QColor(34, 22, 78));
    sky.setColorAt(0.8, QColor(92, 40, 92));
    sky.setColorAt(1.0, QColor(30, 16, 30));
    p.fillRect(QRectF(0, 0, w, h), sky);

    for (int i = 0; i < 220; ++i) {
        const QPointF star(dice.bounded(w), dice.bounded(h * 0.55));
        const double r = 0.6 + dice.generateDouble() * 1.6;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 230, 80 + dice.bounded(170)));
        p.drawEllipse(star, r, r);
    }
    QRadialGradient moonGlow(QPointF(w * 0.82, h * 0.16), h * 0.16);
    moonGlow.setColorAt(0, QColor(255, 250, 220, 120));
    moonGlow.setColorAt(1, QColor(255, 250, 220, 0));
    p.setBrush(moonGlow);
    p.drawEllipse(QPointF(w * 0.82, h * 0.16), h * 0.16, h * 0.16);
    p.setBrush(QColor(250, 244, 214));
    p.drawEllipse(QPointF(w * 0.82, h * 0.16), h * 0.055, h * 0.055);

    // Far skyline.
    double x = 0;
    while (x < w) {
        const double bw = w * (0.04 + dice.generateDouble() * 0.06);
        const double bh = h * (0.18 + dice.generateDouble() * 0.25);
        p.setBrush(QColor(24, 18, 48));
        p.drawRect(QRectF(x, h * 0.78 - bh, bw, bh + h * 0.05));
        x += bw * 0.9;
    }
    // Near buildings with windows.
    x = -w * 0.02;
    int building = 0;
    const char* const signs[] = {"BAR", "PUB", "CLUB", "TAVERN", "LOUNGE"};
    while (x < w) {
        const double bw = w * (0.08 + dice.generateDouble() * 0.08);
        const double bh = h * (0.16 + dice.generateDouble() * 0.2);
        const double top = h * 0.84 - bh;
        QLinearGradient wall(x, top, x + bw, top);
        wall.setColorAt(0, QColor(40, 28, 50));
        wall.setColorAt(1, QColor(22, 16, 30));
        p.setBrush(wall);
        p.drawRect(QRectF(x, top, bw, bh + h * 0.2));
        const double cell = h * 0.035;
        for (double wy = top + cell * 0.8; wy < h * 0.8 - cell; wy += cell * 1.5) {
            for (double wx = x + cell * 0.6; wx < x + bw - cell; wx += cell * 1.3) {
                if (dice.bounded(100) < 55) {
                    const QColor lamp =
                        dice.bounded(3) == 0 ? QColor(255, 180, 80) : QColor(255, 212, 120);
                    p.setBrush(lamp);
                    p.drawRect(QRectF(wx, wy, cell * 0.7, cell * 0.9));
                } else {
                    p.setBrush(QColor(18, 14, 26));
                    p.drawRect(QRectF(wx, wy, cell * 0.7, cell * 0.9));
                }
            }
        }
        if (withSigns && building % 2 == 1 && bw > w * 0.1) {
            const QString sign = QString::fromLatin1(signs[(building / 2) % 5]);
            const QRectF box(x + bw * 0.1, top - h * 0.05, bw * 0.8, h * 0.045);
            const QColor neon = building % 4 == 1 ? QColor(255, 70, 160) : QColor(70, 220, 255);
            glowText(p, box, sign, signFont(h * 0.04), neon.lighter(150), neon, h * 0.004);
        }
        x += bw + w * 0.01;
        ++building;
    }
    // Street and lamps.
    QLinearGradient street(0, h * 0.84, 0, h);
    street.setColorAt(0, QColor(44, 30, 40));
    street.setColorAt(1, QColor(14, 10, 16));
    p.setBrush(street);
    p.drawRect(QRectF(0, h * 0.84, w, h * 0.16));
    for (double lamp = w * 0.08; lamp < w; lamp += w * 0.22) {
        QRadialGradient pool(QPointF(lamp, h * 0.88), w * 0.09);
        pool.setColorAt(0, QColor(255, 190, 90, 140));
        pool.setColorAt(1, QColor(255, 190, 90, 0));
        p.setBrush(pool);
        p.drawEllipse(QPointF(lamp, h * 0.88), w * 0.09, h * 0.05);
        p.setPen(QPen(QColor(20, 16, 22), h * 0.008));
        p.drawLine(QPointF(lamp, h * 0.88), QPointF(lamp, h * 0.70));
        p.setPen(Qt::NoPen);
        QRadialGradient bulb(QPointF(lamp, h * 0.70), h * 0.04);
        bulb.setColorAt(0, QColor(255, 230, 170, 255));
        bulb.setColorAt(1, QColor(255, 200, 110, 0));
        p.setBrush(bulb);
        p.drawEllipse(QPointF(lamp, h * 0.70), h * 0.04, h * 0.04);
    }
}

// A picture of width x height on screen, drawn at `scale` times that size.
QImage drawn(double width, double height, const std::function<void(QPainter&)>& draw) {
    QImage image(static_cast<int>(width * scale), static_cast<int>(height * scale),
                 QImage::Format_RGB32);
    image.fill(Qt::black);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(scale, scale);
        draw(p);
    }
    return image;
}

QImage menuBackground() {
    return drawn(640, 480, [&](QPainter& p) {
        drawNightTown(p, QSizeF(640, 480), 1980, true);
        glowText(p, QRectF(0, 30, 640, 120), QStringLiteral("Tavo"), titleFont(104),
                 QColor(255, 222, 150), QColor(255, 140, 40), 3.0);
    });
}

QImage button(bool lit, double width, double height) {
    return drawn(width, height, [&](QPainter& p) {
        // The button sits on the night scene: paint a matching dark backdrop.
        p.fillRect(QRectF(0, 0, width, height), QColor(30, 20, 50));
        QLinearGradient wood(0, 0, 0, height);
        if (lit) {
            wood.setColorAt(0, QColor(255, 206, 120));
            wood.setColorAt(0.5, QColor(236, 150, 50));
            wood.setColorAt(1, QColor(180, 90, 20));
        } else {
            wood.setColorAt(0, QColor(120, 70, 40));
            wood.setColorAt(0.5, QColor(90, 50, 28));
            wood.setColorAt(1, QColor(60, 32, 18));
        }
        p.setPen(QPen(lit ? QColor(255, 236, 180) : QColor(200, 150, 90), 2));
        p.setBrush(wood);
        p.drawRoundedRect(QRectF(2, 2, width - 4, height - 4), height * 0.3, height * 0.3);
    });
}

QImage popupPicture() {
    return drawn(420, 120, [&](QPainter& p) {
        drawNightTown(p, QSizeF(420, 120), 49, false);
        glowText(p, QRectF(0, 10, 420, 60), QStringLiteral("Tavo 0.4"), titleFont(44),
                 QColor(255, 222, 150), QColor(255, 140, 40), 2.0);
    });
}

QImage firePicture() {
    return drawn(320, 200, [&](QPainter& p) {
        p.fillRect(QRectF(0, 0, 320, 200), Qt::white);
        QRandomGenerator dice(666);
        // A bar front.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(90, 60, 50));
        p.drawRect(QRectF(70, 90, 180, 100));
        p.setBrush(QColor(40, 30, 30));
        p.drawRect(QRectF(140, 130, 40, 60));
        for (double wx : {90.0, 200.0}) {
            p.setBrush(QColor(255, 170, 40));
            p.drawRect(QRectF(wx, 110, 30, 30));
        }
        glowText(p, QRectF(70, 92, 180, 18), QStringLiteral("BAR"), signFont(15),
                 QColor(255, 240, 200), QColor(255, 90, 40), 1.0);
        // Flames.
        for (int i = 0; i < 26; ++i) {
            const double fx = 70 + dice.bounded(180.0);
            const double fh = 40 + dice.bounded(70.0);
            QPainterPath flame;
            flame.moveTo(fx - 14, 100);
            flame.cubicTo(fx - 18, 100 - fh * 0.5, fx - 2, 100 - fh * 0.7, fx, 100 - fh);
            flame.cubicTo(fx + 4, 100 - fh * 0.6, fx + 20, 100 - fh * 0.4, fx + 14, 100);
            flame.closeSubpath();
            QLinearGradient fire(0, 100 - fh, 0, 100);
            fire.setColorAt(0, QColor(255, 230, 80, 200));
            fire.setColorAt(0.5, QColor(255, 120, 20, 220));
            fire.setColorAt(1, QColor(200, 30, 0, 230));
            p.setBrush(fire);
            p.drawPath(flame);
        }
        // Smoke.
        for (int i = 0; i < 12; ++i) {
            p.setBrush(QColor(90, 90, 90, 60));
            p.drawEllipse(QPointF(90 + dice.bounded(150.0), 8 + dice.bounded(30.0)), 18, 12);
        }
    });
}

// The banks' banners, 460 x 110 on screen.
constexpr double kBankWidth = 460;
constexpr double kBankHeight = 110;

// Invest Bank: a stone front with columns under a pediment, by day.
QImage investBankPicture() {
    return drawn(kBankWidth, kBankHeight, [&](QPainter& p) {
        QLinearGradient sky(0, 0, 0, kBankHeight);
        sky.setColorAt(0, QColor(120, 170, 220));
        sky.setColorAt(1, QColor(210, 230, 245));
        p.fillRect(QRectF(0, 0, kBankWidth, kBankHeight), sky);
        const QColor stone(236, 228, 210);
        const QColor shade(180, 168, 146);
        p.setPen(QPen(shade, 1));
        p.setBrush(stone);
        const double left = 20, right = 200;
        QPolygonF pediment;
        pediment << QPointF(left - 6, 30) << QPointF((left + right) / 2, 6)
                 << QPointF(right + 6, 30);
        p.drawPolygon(pediment);
        p.drawRect(QRectF(left - 4, 30, right - left + 8, 10)); // frieze
        for (int i = 0; i < 6; ++i) {
            const double x = left + 6 + i * (right - left - 20) / 5.0;
            QLinearGradient round(x, 0, x + 10, 0);
            round.setColorAt(0, shade);
            round.setColorAt(0.4, stone);
            round.setColorAt(1, shade);
            p.setBrush(round);
            p.drawRect(QRectF(x, 40, 10, 52));
        }
        p.setBrush(stone);
        for (int step = 0; step < 3; ++step)
            p.drawRect(QRectF(left - 8 - 4 * step, 92 + 6 * step, right - left + 16 + 8 * step, 6));
        p.setFont(signFont(8));
        p.setPen(QColor(90, 80, 60));
        p.drawText(QRectF(left, 30, right - left, 10), Qt::AlignCenter,
                   QStringLiteral("INVEST  BANK"));
        glowText(p, QRectF(left, 12, right - left, 18), QStringLiteral("$"), titleFont(14),
                 QColor(255, 215, 90), QColor(160, 110, 0), 0.6);
        glowText(p, QRectF(210, 14, 250, 50), QStringLiteral("Invest Bank"), titleFont(34),
                 QColor(20, 90, 50), QColor(255, 255, 255), 1.2);
    });
}

// German Bank: a glass tower with lit floors at dusk.
QImage germanBankPicture() {
    return drawn(kBankWidth, kBankHeight, [&](QPainter& p) {
        QLinearGradient sky(0, 0, 0, kBankHeight);
        sky.setColorAt(0, QColor(14, 22, 60));
        sky.setColorAt(1, QColor(60, 70, 120));
        p.fillRect(QRectF(0, 0, kBankWidth, kBankHeight), sky);
        QRandomGenerator dice(1949);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 9; ++i) { // the city behind
            const double x = 230 + i * 26, h = 30 + dice.bounded(40.0);
            p.setBrush(QColor(24, 30, 64));
            p.drawRect(QRectF(x, kBankHeight - h, 22, h));
        }
        const QRectF tower(30, 8, 90, kBankHeight - 8);
        QLinearGradient glass(tower.left(), 0, tower.right(), 0);
        glass.setColorAt(0, QColor(40, 60, 110));
        glass.setColorAt(0.5, QColor(90, 120, 180));
        glass.setColorAt(1, QColor(30, 44, 90));
        p.setBrush(glass);
        p.drawRect(tower);
        for (double y = tower.top() + 6; y < tower.bottom() - 4; y += 7)
            for (double x = tower.left() + 5; x < tower.right() - 6; x += 10)
                if (dice.bounded(5) != 0) {
                    p.setBrush(QColor(255, 226, 140, 150 + dice.bounded(100)));
                    p.drawRect(QRectF(x, y, 6, 4));
                }
        p.setBrush(QColor(220, 40, 40));
        p.drawRect(QRectF(tower.left(), tower.top(), tower.width(), 4));
        p.setBrush(QColor(250, 200, 40));
        p.drawRect(QRectF(tower.left(), tower.top() + 4, tower.width(), 3));
        glowText(p, QRectF(130, 14, 330, 50), QStringLiteral("German Bank"), titleFont(36),
                 QColor(250, 240, 220), QColor(250, 190, 40), 1.4);
    });
}

// China Cash: gold coins and lanterns on red.
QImage chinaCashPicture() {
    return drawn(kBankWidth, kBankHeight, [&](QPainter& p) {
        QRadialGradient red(QPointF(kBankWidth / 2, kBankHeight / 2), kBankWidth / 2);
        red.setColorAt(0, QColor(200, 30, 30));
        red.setColorAt(1, QColor(110, 8, 12));
        p.fillRect(QRectF(0, 0, kBankWidth, kBankHeight), red);
        QRandomGenerator dice(888);
        for (int i = 0; i < 12; ++i) {
            // Coins on both sides, clear of the name.
            const double side = i % 2 == 0 ? 56 : kBankWidth - 90;
            const QPointF centre(side + dice.bounded(34.0), dice.bounded(kBankHeight));
            const double r = 7 + dice.bounded(9.0);
            QRadialGradient gold(centre - QPointF(r / 3, r / 3), r * 1.4);
            gold.setColorAt(0, QColor(255, 240, 150));
            gold.setColorAt(1, QColor(190, 130, 20));
            p.setPen(QPen(QColor(140, 90, 10), 1));
            p.setBrush(gold);
            p.drawEllipse(centre, r, r);
            p.setBrush(QColor(150, 20, 20));
            p.drawRect(QRectF(centre.x() - r / 4, centre.y() - r / 4, r / 2, r / 2));
        }
        for (double x : {28.0, 432.0}) { // lanterns
            p.setPen(QPen(QColor(60, 20, 10), 1));
            p.drawLine(QPointF(x, 0), QPointF(x, 18));
            QRadialGradient glow(QPointF(x, 38), 24);
            glow.setColorAt(0, QColor(255, 200, 80));
            glow.setColorAt(1, QColor(220, 40, 20));
            p.setBrush(glow);
            p.drawEllipse(QPointF(x, 38), 16, 20);
            p.setBrush(QColor(240, 190, 40));
            p.drawRect(QRectF(x - 6, 16, 12, 4));
            p.drawRect(QRectF(x - 6, 56, 12, 4));
        }
        glowText(p, QRectF(0, 12, kBankWidth, 52), QStringLiteral("China Cash"), titleFont(40),
                 QColor(255, 222, 90), QColor(90, 0, 0), 1.6);
    });
}

// The bar names of the shipped list's source, in order.
QStringList barNames(const QString& source) {
    QStringList names;
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return names;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        names << line.section(QLatin1Char('|'), 0, 0).trimmed();
    }
    return names;
}

// Where a bar stands on the town map: its pin's centre and the area (pin
// and name) a click picks it in.
struct TownPin {
    QPointF centre;
    QRectF area;
};

// The town seen from above at night: a river, streets, blocks with lit
// windows, a park, and a glowing pin for each bar of the shipped list.
QImage townMap(const QStringList& bars, QList<TownPin>& pins) {
    constexpr double w = 480, h = 360;
    return drawn(w, h, [&](QPainter& p) {
        QRandomGenerator dice(1983);
        p.fillRect(QRectF(0, 0, w, h), QColor(22, 24, 38));

        // Blocks between the streets.
        const double street = 9;
        const double xs[] = {0, 70, 140, 205, 275, 345, 410, 480};
        const double ys[] = {0, 62, 124, 180, 240, 300, 360};
        for (int col = 0; col + 1 < 8; ++col) {
            for (int row = 0; row + 1 < 7; ++row) {
                const QRectF block(xs[col] + street / 2, ys[row] + street / 2,
                                   xs[col + 1] - xs[col] - street, ys[row + 1] - ys[row] - street);
                const bool park = col == 5 && row == 1;
                p.setPen(Qt::NoPen);
                p.setBrush(park ? QColor(24, 52, 34) : QColor(44, 40, 58));
                p.drawRoundedRect(block, 4, 4);
                if (park) {
                    for (int t = 0; t < 14; ++t) {
                        p.setBrush(QColor(30, 80 + dice.bounded(40), 44));
                        p.drawEllipse(QPointF(block.left() + 6 + dice.bounded(block.width() - 12),
                                              block.top() + 6 + dice.bounded(block.height() - 12)),
                                      4, 4);
                    }
                    continue;
                }
                for (int lit = 0; lit < 10; ++lit) {
                    p.setBrush(dice.bounded(3) ? QColor(255, 205, 110, 200)
                                               : QColor(255, 160, 70, 160));
                    p.drawRect(QRectF(block.left() + 3 + dice.bounded(block.width() - 8),
                                      block.top() + 3 + dice.bounded(block.height() - 8), 2.5,
                                      2.5));
                }
            }
        }
        // Street lamps along the avenues.
        for (double x : xs)
            for (double y = 10; y < h; y += 28) {
                QRadialGradient glow(QPointF(x, y), 7);
                glow.setColorAt(0, QColor(255, 200, 120, 90));
                glow.setColorAt(1, QColor(255, 200, 120, 0));
                p.setBrush(glow);
                p.drawEllipse(QPointF(x, y), 7, 7);
            }
        // The river crosses the town.
        QPainterPath river;
        river.moveTo(-10, 250);
        river.cubicTo(120, 200, 200, 330, 300, 290);
        river.cubicTo(380, 260, 420, 330, 500, 310);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(18, 40, 80), 26, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(river);
        p.setPen(QPen(QColor(40, 80, 140, 120), 2, Qt::DashLine));
        p.drawPath(river);

        // The bars, each on a block corner clear of the river.
        QFont label(QStringLiteral("DejaVu Sans"));
        label.setPixelSize(8);
        label.setBold(true);
        QFont number = label;
        number.setPixelSize(7);
        // Spots on block corners clear of the river, spread over the town.
        QList<QPointF> spots;
        for (int row = 1; row < 6; ++row)
            for (int col = 1; col < 7; ++col) {
                const QPointF pin(xs[col] + (row % 2 ? -20 : 20), ys[row] - 14 + 8 * (col % 2));
                if (!river.intersects(QRectF(pin.x() - 16, pin.y() - 14, 32, 30))) spots << pin;
            }
        for (qsizetype i = spots.size() - 1; i > 0; --i)
            spots.swapItemsAt(i, static_cast<qsizetype>(dice.bounded(static_cast<int>(i + 1))));
        for (qsizetype placed = 0; placed < bars.size() && placed < spots.size(); ++placed) {
            const QPointF pin = spots[placed];
            QRadialGradient halo(pin, 12);
            halo.setColorAt(0, QColor(255, 150, 50, 200));
            halo.setColorAt(1, QColor(255, 150, 50, 0));
            p.setPen(Qt::NoPen);
            p.setBrush(halo);
            p.drawEllipse(pin, 12, 12);
            p.setBrush(QColor(255, 214, 120));
            p.setPen(QPen(QColor(90, 40, 10), 1));
            p.drawEllipse(pin, 6, 6);
            p.setFont(number);
            p.setPen(QColor(60, 20, 0));
            p.drawText(QRectF(pin.x() - 6, pin.y() - 6, 12, 12), Qt::AlignCenter,
                       QString::number(placed + 1));
            const QString name = bars[placed];
            const double width = QFontMetricsF(label).horizontalAdvance(name) + 4;
            const double left = std::clamp(pin.x() - width / 2, 2.0, w - width - 2);
            const QRectF text(left, pin.y() + 6, width, 11);
            p.setFont(label);
            p.setPen(QColor(10, 10, 20, 230));
            for (const QPointF offset :
                 {QPointF(-0.8, 0), QPointF(0.8, 0), QPointF(0, 0.8), QPointF(0, -0.8)})
                p.drawText(text.translated(offset), Qt::AlignHCenter | Qt::AlignTop, name);
            p.setPen(QColor(255, 236, 200));
            p.drawText(text, Qt::AlignHCenter | Qt::AlignTop, name);
            pins << TownPin{pin, text.united(QRectF(pin.x() - 8, pin.y() - 8, 16, 16))};
        }
    });
}

// The staff banner: the four candidates side by side, each under the mark
// of his duties (a Lotto ticket, a beer, a dollar coin).
QImage staffPicture() {
    constexpr double w = 480, h = 110;
    return drawn(w, h, [&](QPainter& p) {
        QLinearGradient wall(0, 0, 0, h);
        wall.setColorAt(0, QColor(34, 22, 60));
        wall.setColorAt(1, QColor(70, 36, 56));
        p.fillRect(QRectF(0, 0, w, h), wall);
        // A bar counter along the bottom.
        QLinearGradient wood(0, h * 0.78, 0, h);
        wood.setColorAt(0, QColor(140, 84, 44));
        wood.setColorAt(1, QColor(70, 38, 20));
        p.setPen(Qt::NoPen);
        p.setBrush(wood);
        p.drawRect(QRectF(0, h * 0.78, w, h * 0.22));
        p.setBrush(QColor(200, 140, 80));
        p.drawRect(QRectF(0, h * 0.78, w, 2));

        auto ticket = [&](QPointF at) {
            p.setPen(QPen(QColor(120, 20, 20), 1));
            p.setBrush(QColor(255, 236, 180));
            p.drawRoundedRect(QRectF(at.x() - 11, at.y() - 7, 22, 14), 2, 2);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(200, 40, 40));
            for (int i = 0; i < 6; ++i)
                p.drawEllipse(QPointF(at.x() - 7 + (i % 3) * 7, at.y() - 3 + (i / 3) * 6), 1.6,
                              1.6);
        };
        auto beer = [&](QPointF at) {
            p.setPen(QPen(QColor(255, 250, 230), 1.5));
            p.setBrush(QColor(240, 170, 40));
            p.drawRect(QRectF(at.x() - 6, at.y() - 7, 12, 15));
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(at.x() + 3, at.y() - 4, 8, 9), -90 * 16, 180 * 16);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 252, 240));
            p.drawEllipse(QRectF(at.x() - 8, at.y() - 11, 16, 7));
        };
        auto coin = [&](QPointF at) {
            QRadialGradient gold(at - QPointF(3, 3), 12);
            gold.setColorAt(0, QColor(255, 240, 150));
            gold.setColorAt(1, QColor(200, 140, 20));
            p.setPen(QPen(QColor(140, 90, 10), 1));
            p.setBrush(gold);
            p.drawEllipse(at, 9, 9);
            p.setFont(signFont(12));
            p.setPen(QColor(110, 70, 0));
            p.drawText(QRectF(at.x() - 9, at.y() - 9, 18, 18), Qt::AlignCenter,
                       QStringLiteral("$"));
        };
        const QColor suits[4] = {QColor(60, 110, 190), QColor(170, 60, 110), QColor(60, 140, 90),
                                 QColor(90, 90, 110)};
        for (int who = 0; who < 4; ++who) {
            const double x = w * (0.14 + 0.24 * who);
            QRadialGradient lamp(QPointF(x, h * 0.2), h * 0.7);
            lamp.setColorAt(0, QColor(255, 210, 130, 70));
            lamp.setColorAt(1, QColor(255, 210, 130, 0));
            p.setPen(Qt::NoPen);
            p.setBrush(lamp);
            p.drawEllipse(QPointF(x, h * 0.2), h * 0.7, h * 0.7);
            // Shoulders, shirt, tie and head.
            QPainterPath body;
            body.moveTo(x - 30, h * 0.8);
            body.cubicTo(x - 30, h * 0.55, x - 18, h * 0.5, x, h * 0.5);
            body.cubicTo(x + 18, h * 0.5, x + 30, h * 0.55, x + 30, h * 0.8);
            body.closeSubpath();
            p.setBrush(suits[who]);
            p.drawPath(body);
            p.setBrush(QColor(245, 245, 240));
            p.drawPolygon(QPolygonF(
                {QPointF(x - 8, h * 0.51), QPointF(x + 8, h * 0.51), QPointF(x, h * 0.66)}));
            p.setBrush(QColor(150, 20, 30));
            p.drawPolygon(QPolygonF({QPointF(x - 2.5, h * 0.53), QPointF(x + 2.5, h * 0.53),
                                     QPointF(x + 3, h * 0.72), QPointF(x, h * 0.76),
                                     QPointF(x - 3, h * 0.72)}));
            p.setBrush(QColor(236, 196, 160));
            p.drawEllipse(QPointF(x, h * 0.36), 13, 15);
            p.setBrush(QColor(60, 40, 30));
            p.drawChord(QRectF(x - 13, h * 0.36 - 16, 26, 22), 0, 180 * 16);
            // His duties, on the counter.
            const QPointF mark(x + 44, h * 0.62);
            switch (who) {
            case 0:
                ticket(mark);
                break;
            case 1:
                beer(mark - QPointF(0, 12));
                ticket(mark + QPointF(0, 10));
                break;
            case 2:
                beer(mark);
                break;
            default:
                coin(mark);
                break;
            }
        }
    });
}

// The Lotto banner: six drawn balls and the game's name in lights.
QImage lottoPicture() {
    constexpr double w = 380, h = 100;
    return drawn(w, h, [&](QPainter& p) {
        QLinearGradient night(0, 0, w, h);
        night.setColorAt(0, QColor(16, 20, 70));
        night.setColorAt(1, QColor(70, 20, 80));
        p.fillRect(QRectF(0, 0, w, h), night);
        QRandomGenerator dice(649);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 70; ++i) {
            p.setBrush(QColor(255, 240, 200, 60 + dice.bounded(140)));
            const double r = 0.5 + dice.generateDouble() * 1.3;
            p.drawEllipse(QPointF(dice.bounded(w), dice.bounded(h)), r, r);
        }
        glowText(p, QRectF(0, 4, w, 34), QStringLiteral("Lotto 6/49"), titleFont(28),
                 QColor(255, 230, 150), QColor(255, 120, 40), 1.4);
        const int numbers[6] = {6, 13, 21, 27, 38, 49};
        const QColor colours[6] = {QColor(230, 60, 60),  QColor(250, 170, 30),
                                   QColor(60, 170, 80),  QColor(50, 120, 220),
                                   QColor(160, 70, 200), QColor(230, 80, 160)};
        for (int ball = 0; ball < 6; ++ball) {
            const QPointF at(w * (0.16 + 0.136 * ball), h * 0.68 + (ball % 2 ? -3 : 3));
            const double r = 18;
            p.setBrush(QColor(0, 0, 0, 90));
            p.drawEllipse(at + QPointF(2, 4), r, r * 0.95);
            QRadialGradient shine(at - QPointF(r * 0.4, r * 0.45), r * 1.5);
            shine.setColorAt(0, colours[ball].lighter(170));
            shine.setColorAt(0.5, colours[ball]);
            shine.setColorAt(1, colours[ball].darker(200));
            p.setBrush(shine);
            p.drawEllipse(at, r, r);
            p.setBrush(QColor(255, 255, 255, 235));
            p.drawEllipse(at, r * 0.55, r * 0.55);
            p.setFont(signFont(13));
            p.setPen(QColor(30, 20, 40));
            p.drawText(QRectF(at.x() - r, at.y() - r, 2 * r, 2 * r), Qt::AlignCenter,
                       QString::number(numbers[ball]));
            p.setPen(Qt::NoPen);
        }
    });
}

// The race track's asphalt: the cars and the crash are drawn on it, so
// that their pictures melt into the track.
const QColor kAsphalt(70, 72, 78);

// The race track from above: four lanes left to right, kerbs along both
// edges, the start line behind the cars' noses and a chequered finish at
// the far end, where a finishing car's nose stops.
QImage raceTrackPicture() {
    constexpr double w = 600, h = 134;
    return drawn(w, h, [&](QPainter& p) {
        p.fillRect(QRectF(0, 0, w, h), kAsphalt);
        for (int i = 0; i * 12 < w; ++i) { // red and white kerbs
            const QColor kerb = i % 2 ? QColor(235, 235, 235) : QColor(200, 30, 30);
            p.fillRect(QRectF(i * 12, 0, 12, 3), kerb);
            p.fillRect(QRectF(i * 12, h - 3, 12, 3), kerb);
        }
        p.setPen(QPen(QColor(230, 230, 220), 1.2, Qt::CustomDashLine, Qt::FlatCap));
        QPen dashes = p.pen();
        dashes.setDashPattern({8, 8});
        p.setPen(dashes);
        for (double y : {36.0, 68.0, 99.0})
            p.drawLine(QPointF(40, y), QPointF(w - 14, y));
        p.setPen(QPen(QColor(245, 245, 245), 2));
        p.drawLine(QPointF(34, 4), QPointF(34, h - 4));
        for (int row = 0; row * 4 < h - 6; ++row)
            for (int column = 0; column < 3; ++column)
                p.fillRect(QRectF(w - 12 + column * 4, 3 + row * 4, 4, 4),
                           (row + column) % 2 ? Qt::black : Qt::white);
        // No lane numbers: the cars are shuffled into the lanes, and each
        // wears its own number.
    });
}

// A race car seen from above, nose to the right, its number on the roof.
QImage raceCarPicture(const QColor& paint, int number) {
    return drawn(32, 24, [&](QPainter& p) {
        p.fillRect(QRectF(0, 0, 32, 24), kAsphalt);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(20, 20, 20));
        for (double x : {6.0, 22.0})
            for (double y : {2.0, 18.5}) // the wheels
                p.drawRoundedRect(QRectF(x, y, 6, 3.5), 1, 1);
        QLinearGradient body(0, 4, 0, 20);
        body.setColorAt(0, paint.lighter(140));
        body.setColorAt(0.5, paint);
        body.setColorAt(1, paint.darker(150));
        p.setPen(QPen(paint.darker(200), 0.8));
        p.setBrush(body);
        QPainterPath shape;
        shape.moveTo(2, 6);
        shape.lineTo(24, 5);
        shape.quadTo(31, 7, 31, 12);
        shape.quadTo(31, 17, 24, 19);
        shape.lineTo(2, 18);
        shape.closeSubpath();
        p.drawPath(shape);
        p.setBrush(QColor(40, 60, 80));
        p.drawRoundedRect(QRectF(18, 7, 4, 10), 1.5, 1.5); // the windscreen
        p.setBrush(Qt::white);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(11, 12), 4.6, 4.6);
        p.setFont(signFont(7.5));
        p.setPen(Qt::black);
        p.drawText(QRectF(6, 7, 10, 10), Qt::AlignCenter, QString::number(number));
    });
}

// A wrecked car in flames and smoke, in the place of a car.
QImage raceCrashPicture() {
    return drawn(32, 24, [&](QPainter& p) {
        p.fillRect(QRectF(0, 0, 32, 24), kAsphalt);
        QRandomGenerator dice(1313);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 9; ++i) { // smoke
            const int grey = 40 + dice.bounded(60);
            p.setBrush(QColor(grey, grey, grey + 6, 200));
            p.drawEllipse(QPointF(6 + dice.bounded(20), 4 + dice.bounded(16)), 4.5, 4.5);
        }
        QPainterPath flame;
        for (int i = 0; i < 16; ++i) {
            const double angle = i * M_PI / 8;
            const double r = i % 2 ? 4.0 : 9.5;
            const QPointF at(16 + r * std::cos(angle), 12 + r * 0.9 * std::sin(angle));
            i == 0 ? flame.moveTo(at) : flame.lineTo(at);
        }
        flame.closeSubpath();
        QRadialGradient fire(QPointF(16, 12), 9.5);
        fire.setColorAt(0, QColor(255, 250, 180));
        fire.setColorAt(0.5, QColor(255, 170, 30));
        fire.setColorAt(1, QColor(210, 40, 10));
        p.setBrush(fire);
        p.drawPath(flame);
        p.setBrush(QColor(30, 30, 30));
        for (int i = 0; i < 5; ++i) // flying parts
            p.drawRect(QRectF(dice.bounded(30), dice.bounded(22), 2, 1.5));
    });
}

// The Internet Center's link: a globe and an invitation on a dark badge
// with the picture buttons' rounded corners.
QImage webLinkPicture() {
    constexpr double w = 300, h = 44;
    return drawn(w, h, [&](QPainter& p) {
        p.fillRect(QRectF(0, 0, w, h), QColor(30, 20, 50));
        QLinearGradient night(0, 0, 0, h);
        night.setColorAt(0, QColor(40, 60, 130));
        night.setColorAt(1, QColor(16, 24, 70));
        p.setPen(QPen(QColor(140, 180, 255), 2));
        p.setBrush(night);
        p.drawRoundedRect(QRectF(2, 2, w - 4, h - 4), h * 0.3, h * 0.3);
        const QPointF centre(28, h / 2);
        const double r = 13;
        QRadialGradient sea(centre - QPointF(4, 4), r * 1.6);
        sea.setColorAt(0, QColor(120, 200, 255));
        sea.setColorAt(1, QColor(20, 80, 170));
        p.setBrush(sea);
        p.setPen(QPen(QColor(220, 240, 255), 1.2));
        p.drawEllipse(centre, r, r);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(centre, r * 0.45, r);
        p.drawLine(centre - QPointF(r, 0), centre + QPointF(r, 0));
        p.drawLine(centre - QPointF(0, r), centre + QPointF(0, r));
    });
}

// The about window's banner: the town at night under the game's name.
QImage aboutBanner() {
    constexpr double w = 400, h = 110;
    return drawn(w, h, [&](QPainter& p) {
        drawNightTown(p, QSizeF(w, h), 41, false);
        glowText(p, QRectF(0, 4, w, 64), QStringLiteral("Tavo"), titleFont(56),
                 QColor(255, 222, 150), QColor(255, 140, 40), 2.2);
        // A dark band keeps the line readable over the lit windows.
        p.fillRect(QRectF(0, 68, w, 24), QColor(10, 6, 24, 190));
    });
}

// The program's icon: a foaming glass of beer under a neon "T" on a night
// blue tile, drawn for each size so that small icons stay crisp.
QImage appIcon(int pixels) {
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(pixels / 64.0, pixels / 64.0);
    QLinearGradient night(0, 0, 0, 64);
    night.setColorAt(0, QColor(24, 22, 80));
    night.setColorAt(1, QColor(70, 24, 90));
    p.setPen(QPen(QColor(255, 170, 60), 1.5));
    p.setBrush(night);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    // The glass: amber beer, a white head and a handle.
    QLinearGradient beer(18, 0, 44, 0);
    beer.setColorAt(0, QColor(250, 190, 40));
    beer.setColorAt(0.5, QColor(255, 220, 90));
    beer.setColorAt(1, QColor(220, 140, 20));
    p.setPen(QPen(QColor(255, 246, 220), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(38, 30, 10, 16), 4, 4);
    p.setBrush(beer);
    p.drawRoundedRect(QRectF(18, 26, 22, 30), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 252, 240));
    for (const double x : {20.0, 26.0, 32.0, 38.0})
        p.drawEllipse(QPointF(x, 26), 4.2, 4.2);
    p.drawRect(QRectF(18, 25, 22, 5));
    p.setBrush(QColor(255, 255, 255, 150));
    for (const QPointF bubble : {QPointF(24, 40), QPointF(31, 46), QPointF(27, 51)})
        p.drawEllipse(bubble, 1.3, 1.3);
    // The neon initial.
    glowText(p, QRectF(4, 2, 56, 22), QStringLiteral("T"), titleFont(20), QColor(255, 230, 160),
             QColor(255, 120, 40), 0.9);
    return image;
}

bool save(const QImage& image, const QDir& folder, const QString& name) {
    const QString twin = scale == 1.0 ? QString() : QStringLiteral("@%1x").arg(scale);
    const QString path = folder.filePath(name + twin + QStringLiteral(".jpg"));
    if (!image.save(path, "JPG", 90)) {
        std::fprintf(stderr, "tavo-pictures: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// The pins as text, a line a bar in the list's order: the centre, then the
// area's left, top, width and height, in the picture's units.
bool savePins(const QList<TownPin>& pins, const QDir& folder) {
    QFile file(folder.filePath(QStringLiteral("town-pins.txt")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text | QIODevice::Truncate)) {
        std::fprintf(stderr, "tavo-pictures: cannot write %s\n", qPrintable(file.fileName()));
        return false;
    }
    QTextStream out(&file);
    for (const TownPin& pin : pins)
        out << pin.centre.x() << ' ' << pin.centre.y() << ' ' << pin.area.left() << ' '
            << pin.area.top() << ' ' << pin.area.width() << ' ' << pin.area.height() << '\n';
    return true;
}

// Draws every picture at the current scale into `folder`; the town's pins,
// in the picture's units, into `pins`.
bool drawAll(const QDir& folder, const QStringList& bars, QList<TownPin>& pins) {
    bool ok = true;
    ok &= save(menuBackground(), folder, QStringLiteral("menu-background"));
    ok &= save(button(false, 220, 52), folder, QStringLiteral("button-newgame"));
    ok &= save(button(true, 220, 52), folder, QStringLiteral("button-newgame-lit"));
    ok &= save(button(false, 220, 52), folder, QStringLiteral("button-load"));
    ok &= save(button(true, 220, 52), folder, QStringLiteral("button-load-lit"));
    ok &= save(button(false, 110, 36), folder, QStringLiteral("button-about"));
    ok &= save(button(false, 110, 36), folder, QStringLiteral("button-exit"));
    ok &= save(popupPicture(), folder, QStringLiteral("popup"));
    ok &= save(firePicture(), folder, QStringLiteral("fire"));
    ok &= save(investBankPicture(), folder, QStringLiteral("bank-invest"));
    ok &= save(germanBankPicture(), folder, QStringLiteral("bank-german"));
    ok &= save(chinaCashPicture(), folder, QStringLiteral("bank-china"));
    ok &= save(staffPicture(), folder, QStringLiteral("staff"));
    ok &= save(lottoPicture(), folder, QStringLiteral("lotto"));
    ok &= save(raceTrackPicture(), folder, QStringLiteral("race-track"));
    ok &= save(raceCarPicture(QColor(40, 90, 225), 1), folder, QStringLiteral("race-car-blue"));
    ok &= save(raceCarPicture(QColor(140, 50, 185), 2), folder, QStringLiteral("race-car-purple"));
    ok &= save(raceCarPicture(QColor(240, 200, 30), 3), folder, QStringLiteral("race-car-yellow"));
    ok &= save(raceCarPicture(QColor(40, 170, 70), 4), folder, QStringLiteral("race-car-green"));
    ok &= save(raceCrashPicture(), folder, QStringLiteral("race-crash"));
    for (const bool lit : {false, true}) {
        const QString suffix = lit ? QStringLiteral("-lit") : QString();
        ok &= save(button(lit, 150, 44), folder, QStringLiteral("net-infos") + suffix);
        ok &= save(button(lit, 150, 44), folder, QStringLiteral("net-news") + suffix);
    }
    ok &= save(webLinkPicture(), folder, QStringLiteral("net-link"));
    ok &= save(aboutBanner(), folder, QStringLiteral("about-banner"));
    ok &= !bars.isEmpty() && save(townMap(bars, pins), folder, QStringLiteral("town"));
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: tavo-pictures OUTPUT_FOLDER BARS_SOURCE [ICON_FOLDER]\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QStringList bars = barNames(QString::fromLocal8Bit(argv[2]));
    if (bars.isEmpty()) std::fprintf(stderr, "tavo-pictures: no bar in %s\n", argv[2]);
    bool ok = true;
    QList<TownPin> pins;
    for (const double drawnAt : {1.0, 2.0}) {
        scale = drawnAt;
        pins.clear();
        ok &= drawAll(folder, bars, pins);
    }
    ok &= savePins(pins, folder);
    if (argc == 4) {
        const QDir icons(QString::fromLocal8Bit(argv[3]));
        for (const int pixels : {48, 64, 128, 256, 512}) {
            const QString path = icons.filePath(QStringLiteral("tavo-%1.png").arg(pixels));
            if (!appIcon(pixels).save(path, "PNG")) {
                std::fprintf(stderr, "tavo-pictures: cannot write %s\n", qPrintable(path));
                ok = false;
            }
        }
    }
    return ok ? 0 : 1;
}
