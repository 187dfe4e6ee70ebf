#include "ui/PictureButton.h"

#include "ui/Pictures.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <QStackedLayout>

namespace tavo::ui {

PictureButton::PictureButton(const QString& picture, QWidget* parent)
    : QLabel(parent), caption_(pictureCaptions(picture).value(0).text) {
    const WordedPicture worded = wordedPicture(picture);
    const QPixmap& pixmap = worded.pixmap;
    setPixmap(pixmap);
    tellWords(this, worded);
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
    // The pictures are rounded buttons: their corners show what lies behind.
    const QSize size = pixmap.deviceIndependentSize().toSize();
    setFixedSize(size);
    QPainterPath rounded;
    rounded.addRoundedRect(QRectF(QPointF(0, 0), size), size.height() * 0.3, size.height() * 0.3);
    setMask(QRegion(rounded.toFillPolygon().toPolygon()));
}

void PictureButton::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        emit clicked();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void PictureButton::focusInEvent(QFocusEvent* event) {
    emit hovered(); // the keyboard lights a picture as the mouse does
    QLabel::focusInEvent(event);
}

void PictureButton::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(255, 236, 180), 2, Qt::DotLine));
    painter.drawRoundedRect(QRectF(rect()).adjusted(3, 3, -3, -3), height() * 0.25,
                            height() * 0.25);
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

QWidget* pictureStack(PictureButton* plain, PictureButton* highlighted) {
    auto* holder = new QWidget;
    auto* stack = new QStackedLayout(holder);
    stack->setStackingMode(QStackedLayout::StackAll);
    stack->addWidget(plain);
    stack->addWidget(highlighted);
    stack->setCurrentWidget(highlighted);
    highlighted->hide();
    holder->setFixedSize(plain->pixmap().deviceIndependentSize().toSize());
    return holder;
}

} // namespace tavo::ui
