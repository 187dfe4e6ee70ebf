// The town map's picture: drawn as large as its room allows (down to half
// its size, so the map fits a small screen), each bar's pin picks that bar
// when clicked, and the picked bar's pin is ringed.
#pragma once

#include <QPixmap>
#include <QRectF>
#include <QVector>
#include <QWidget>

namespace tavo::ui {

class TownPicture final : public QWidget {
    Q_OBJECT
public:
    explicit TownPicture(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

    // The bar (its line in the bars list) whose pin is ringed; -1 for none.
    void setPicked(int bar);
    int picked() const { return picked_; }
    // The bar whose pin or name is at a point of the widget, or -1.
    int barAt(QPointF point) const;
    // A pin's centre in the widget, for the tests.
    QPointF pinCentre(int bar) const;
    int pinCount() const { return static_cast<int>(pins_.size()); }

signals:
    void pinClicked(int bar);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    struct Pin {
        QPointF centre;
        QRectF area;
    };
    // Where the picture is drawn in the widget, and at what scale.
    QRectF shownRect() const;
    double scale() const;

    QPixmap town_;
    QSizeF size_; // the picture's own size
    QVector<Pin> pins_;
    int picked_ = -1;
};

} // namespace tavo::ui
