#include "ui/TownPicture.h"

#include "ui/Pictures.h"

#include <QFile>
#include <QMouseEvent>
#include <QPainter>
#include <QTextStream>

namespace tavo::ui {

TownPicture::TownPicture(QWidget* parent) : QWidget(parent) {
    const WordedPicture town = wordedPicture(QStringLiteral("town"), true);
    town_ = town.pixmap;
    size_ = town_.deviceIndependentSize();
    tellWords(this, town);
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    QFile file(QStringLiteral(":/pictures/town-pins.txt"));
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        QTextStream in(&file);
        double x, y, left, top, width, height;
        while (!(in >> x >> y >> left >> top >> width >> height).status())
            pins_.push_back({QPointF(x, y), QRectF(left, top, width, height)});
    }
}

QSize TownPicture::sizeHint() const {
    return size_.toSize();
}

QSize TownPicture::minimumSizeHint() const {
    return (size_ / 2).toSize();
}

int TownPicture::heightForWidth(int width) const {
    return static_cast<int>(width * size_.height() / size_.width());
}

double TownPicture::scale() const {
    return std::min(width() / size_.width(), height() / size_.height());
}

QRectF TownPicture::shownRect() const {
    const QSizeF shown = size_ * scale();
    return QRectF(QPointF((width() - shown.width()) / 2, 0), shown);
}

void TownPicture::setPicked(int bar) {
    picked_ = bar;
    update();
}

int TownPicture::barAt(QPointF point) const {
    const QRectF shown = shownRect();
    const QPointF inPicture = (point - shown.topLeft()) / scale();
    for (int bar = 0; bar < pins_.size(); ++bar)
        if (pins_[bar].area.contains(inPicture)) return bar;
    return -1;
}

QPointF TownPicture::pinCentre(int bar) const {
    if (bar < 0 || bar >= pins_.size()) return {};
    return shownRect().topLeft() + pins_[bar].centre * scale();
}

void TownPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawPixmap(shownRect(), town_, QRectF(QPointF(0, 0), town_.size()));
    if (picked_ < 0 || picked_ >= pins_.size()) return;
    const QPointF centre = pinCentre(picked_);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(120, 255, 160), 2.5));
    painter.drawEllipse(centre, 11 * scale(), 11 * scale());
}

void TownPicture::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        if (const int bar = barAt(event->position()); bar >= 0) emit pinClicked(bar);
    }
    QWidget::mousePressEvent(event);
}

void TownPicture::mouseMoveEvent(QMouseEvent* event) {
    setCursor(barAt(event->position()) >= 0 ? Qt::PointingHandCursor : Qt::ArrowCursor);
    QWidget::mouseMoveEvent(event);
}

} // namespace tavo::ui
