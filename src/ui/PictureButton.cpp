#include "ui/PictureButton.h"

#include <QMouseEvent>
#include <QPainterPath>
#include <QRegion>

namespace tavo::ui {

PictureButton::PictureButton(const QPixmap& pixmap, QWidget* parent) : QLabel(parent) {
    setPixmap(pixmap);
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
    // The pictures are rounded buttons: their corners show what lies behind.
    const QSize size = pixmap.deviceIndependentSize().toSize();
    setFixedSize(size);
    QPainterPath rounded;
    rounded.addRoundedRect(QRectF(QPointF(0, 0), size), size.height() * 0.3, size.height() * 0.3);
    setMask(QRegion(rounded.toFillPolygon().toPolygon()));
}

void PictureButton::mouseMoveEvent(QMouseEvent* event) {
    emit hovered();
    QLabel::mouseMoveEvent(event);
}

void PictureButton::enterEvent(QEnterEvent* event) {
    emit hovered();
    QLabel::enterEvent(event);
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

} // namespace tavo::ui
