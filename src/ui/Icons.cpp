#include "ui/Icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace tavo::ui {
namespace {

constexpr int kSize = 64; // drawn large, shown at 32

void drawGlyph(QPainter& p, ToolIcon icon) {
    const QPen ink(QColor(40, 24, 10), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(ink);
    p.setBrush(Qt::NoBrush);
    switch (icon) {
    case ToolIcon::Save: // a floppy disk
        p.drawRoundedRect(QRectF(14, 14, 36, 36), 4, 4);
        p.drawRect(QRectF(22, 14, 20, 12));
        p.drawRect(QRectF(22, 34, 20, 16));
        break;
    case ToolIcon::Open: // a folder
        p.drawPolyline(
            QPolygonF({{12, 48}, {12, 18}, {26, 18}, {30, 24}, {50, 24}, {50, 48}, {12, 48}}));
        p.drawLine(QPointF(12, 30), QPointF(50, 30));
        break;
    case ToolIcon::Setup: // a gear
        p.drawEllipse(QPointF(32, 32), 8, 8);
        for (int i = 0; i < 8; ++i) {
            p.save();
            p.translate(32, 32);
            p.rotate(i * 45);
            p.drawLine(QPointF(0, 12), QPointF(0, 19));
            p.restore();
        }
        p.drawEllipse(QPointF(32, 32), 14, 14);
        break;
    case ToolIcon::Quit: // a door with an arrow
        p.drawRect(QRectF(14, 12, 22, 40));
        p.drawLine(QPointF(30, 32), QPointF(52, 32));
        p.drawPolyline(QPolygonF({{44, 24}, {52, 32}, {44, 40}}));
        break;
    case ToolIcon::Speed: // a clock
        p.drawEllipse(QPointF(32, 32), 19, 19);
        p.drawLine(QPointF(32, 32), QPointF(32, 19));
        p.drawLine(QPointF(32, 32), QPointF(42, 38));
        break;
    case ToolIcon::Info: // an i
        p.drawEllipse(QPointF(32, 32), 19, 19);
        p.drawLine(QPointF(32, 28), QPointF(32, 42));
        p.drawPoint(QPointF(32, 21));
        break;
    case ToolIcon::Drinks: // a beer mug
        p.drawRect(QRectF(16, 20, 24, 30));
        p.drawArc(QRectF(34, 26, 14, 16), -90 * 16, 180 * 16);
        p.drawLine(QPointF(22, 26), QPointF(22, 44));
        p.drawLine(QPointF(30, 26), QPointF(30, 44));
        p.drawArc(QRectF(14, 12, 14, 12), 0, 180 * 16);
        p.drawArc(QRectF(26, 12, 14, 12), 0, 180 * 16);
        break;
    case ToolIcon::BuyBar: // a house with a dollar
        p.drawPolyline(QPolygonF({{12, 30}, {32, 12}, {52, 30}}));
        p.drawRect(QRectF(18, 30, 28, 20));
        p.drawText(QRectF(18, 30, 28, 20), Qt::AlignCenter, QStringLiteral("$"));
        break;
    case ToolIcon::Promote: // a megaphone
        p.drawPolygon(QPolygonF({{14, 26}, {24, 26}, {46, 14}, {46, 50}, {24, 38}, {14, 38}}));
        p.drawLine(QPointF(24, 38), QPointF(28, 50));
        break;
    case ToolIcon::Finances: // a rising line over two axes
        p.drawLine(QPointF(14, 14), QPointF(14, 50));
        p.drawLine(QPointF(14, 50), QPointF(52, 50));
        p.drawPolyline(QPolygonF({{18, 42}, {28, 34}, {36, 38}, {48, 20}}));
        break;
    case ToolIcon::Bank: // columns under a pediment
        p.drawPolygon(QPolygonF({{10, 24}, {32, 12}, {54, 24}}));
        for (int x : {16, 27, 38, 48})
            p.drawLine(QPointF(x, 28), QPointF(x, 46));
        p.drawLine(QPointF(10, 50), QPointF(54, 50));
        break;
    case ToolIcon::Staff: // two people
        p.drawEllipse(QPointF(24, 22), 7, 7);
        p.drawArc(QRectF(12, 32, 24, 24), 0, 180 * 16);
        p.drawEllipse(QPointF(42, 22), 7, 7);
        p.drawArc(QRectF(30, 32, 24, 24), 0, 180 * 16);
        break;
    case ToolIcon::Lottery: // a ticket with a star
        p.drawRoundedRect(QRectF(10, 18, 44, 28), 4, 4);
        p.drawText(QRectF(10, 18, 44, 28), Qt::AlignCenter, QStringLiteral("6/49"));
        break;
    case ToolIcon::Internet: // a globe
        p.drawEllipse(QPointF(32, 32), 19, 19);
        p.drawEllipse(QRectF(24, 13, 16, 38));
        p.drawLine(QPointF(13, 32), QPointF(51, 32));
        break;
    case ToolIcon::About: // a question mark
        p.drawEllipse(QPointF(32, 32), 19, 19);
        p.drawText(QRectF(13, 13, 38, 38), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
}

} // namespace

QIcon toolIcon(ToolIcon icon) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient brass(0, 0, 0, kSize);
    brass.setColorAt(0, QColor(255, 214, 130));
    brass.setColorAt(1, QColor(214, 140, 50));
    p.setPen(QPen(QColor(120, 70, 20), 2));
    p.setBrush(brass);
    p.drawRoundedRect(QRectF(3, 3, kSize - 6, kSize - 6), 12, 12);
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(18);
    p.setFont(font);
    drawGlyph(p, icon);
    p.end();
    pixmap.setDevicePixelRatio(2.0);
    return QIcon(pixmap);
}

} // namespace tavo::ui
