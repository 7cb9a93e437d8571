// SPDX-License-Identifier: MIT
// An image control: a shared pixel picture shown crisply, taking left clicks.

#include "qt/widgets/PixelImage.h"

#include "qt/widgets/AccessiblePixelImage.h"

#include <QMouseEvent>
#include <QPainter>

namespace zamut {

// A child widget paints over its parent's background, so the transparent
// corners of a picture show what lies behind without any attribute.
PixelImage::PixelImage(QWidget* parent) : QWidget(parent) {
    installPixelImageAccessibility();
}

void PixelImage::setPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

QSize PixelImage::sizeHint() const {
    return picture_.deviceIndependentSize().toSize();
}

void PixelImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawPixmap(QRect(QPoint(0, 0), picture_.deviceIndependentSize().toSize()), picture_);
}

void PixelImage::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void PixelImage::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) {
        press();
    }
}

void PixelImage::press() {
    if (isEnabled()) {
        emit clicked();
    }
}

} // namespace zamut
