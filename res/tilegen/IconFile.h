#pragma once

#include <QByteArray>
#include <QImage>

#include <optional>

namespace zamut {

// A Windows icon file holding one image: the 32 x 32 indexed picture at 8 bits
// a pixel with a 256-entry palette (the picture's colours, the rest zero) and
// a mask that makes its fully transparent pixels show the screen through.
QByteArray IconFileBytes(const QImage& picture);

// The icon of a one-image icon file as the two resources a program file
// carries: the image itself (RT_ICON) and the group directory (RT_GROUP_ICON)
// whose single entry names the image by imageId. None for any other file.
struct IconResources {
    QByteArray image;
    QByteArray group;
};
std::optional<IconResources> SplitIconResources(const QByteArray& file, quint16 imageId);

} // namespace zamut
