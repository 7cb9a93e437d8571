#pragma once

#include "ui/about/frmAbout.h"

#include <QColor>
#include <QImage>
#include <QPixmap>

namespace zamut::test {

inline const QString kTitle = QStringLiteral("ザムト");
inline const QString kCaption = QStringLiteral("ザムトのﾊﾞｰｼﾞｮﾝ情報");

// A stand-in for card picture 9 whose pixels can be told apart: light grey
// with a transparent top-left corner and a dark red bottom-right pixel.
inline QPixmap IconPicture() {
    QImage image(24, 34, QImage::Format_ARGB32);
    image.fill(QColor(220, 220, 220));
    image.setPixel(0, 0, qRgba(0, 0, 0, 0));
    image.setPixel(23, 33, qRgb(166, 0, 0));
    return QPixmap::fromImage(image);
}

} // namespace zamut::test
