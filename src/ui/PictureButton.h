// A picture that reacts to the mouse: the main menu's buttons.
#pragma once

#include <QLabel>

namespace tavo::ui {

class PictureButton final : public QLabel {
    Q_OBJECT
public:
    explicit PictureButton(const QPixmap& pixmap, QWidget* parent = nullptr);

signals:
    void hovered();
    void clicked();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace tavo::ui
