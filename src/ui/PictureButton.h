// A picture that acts as a button: the main menu's, the Internet Center's,
// with its caption drawn on it in the player's language. It reacts to the mouse,
// and, when it takes the keyboard, to Enter and Space; it is ringed while
// it has the keyboard.
#pragma once

#include <QLabel>

namespace tavo::ui {

class PictureButton final : public QLabel {
    Q_OBJECT
public:
    explicit PictureButton(const QString& picture, QWidget* parent = nullptr);

    // The caption drawn on it ("" for none); an '&' marks its Alt key.
    const QString& caption() const { return caption_; }

signals:
    void hovered();
    void clicked();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
};

// A plain picture with its highlighted twin laid over it, hidden until
// shown: the holder to put in a layout.
QWidget* pictureStack(PictureButton* plain, PictureButton* highlighted);

} // namespace tavo::ui
