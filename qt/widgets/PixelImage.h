// SPDX-License-Identifier: MIT
// An image control: a shared pixel picture shown crisply, taking left clicks.

#pragma once

#include <QPixmap>
#include <QWidget>

namespace zamut {

// Shows a shared picture at its natural size. On high-DPI screens the pixels
// are enlarged as blocks, never smoothed, and a disabled image looks exactly
// like an enabled one (QLabel would blur and grey it). A click is a left
// press and release on the same enabled image. Screen readers see a picture,
// or a button whose one action is the click.
class PixelImage : public QWidget {
    Q_OBJECT
public:
    explicit PixelImage(QWidget* parent = nullptr);

    void setPicture(const QPixmap& picture); // shared, not copied
    const QPixmap& picture() const { return picture_; }

    // Shown to screen readers as a button (true) or as a picture (the default).
    void setButton(bool on) { button_ = on; }
    bool isButton() const { return button_; }
    // What a click does: clicked(), unless the image is disabled.
    void press();

    QSize sizeHint() const override;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap picture_;
    bool pressed_ = false;
    bool button_ = false;
};

} // namespace zamut
