// SPDX-License-Identifier: MIT
// Writes the 32 x 32 icon as a Windows icon file.

#pragma once

#include <QByteArray>
#include <QImage>

namespace zamut {

// A Windows icon file holding one image: the 32 x 32 indexed picture at 8 bits
// a pixel with a 256-entry palette (the picture's colours, the rest zero) and
// a mask that makes its fully transparent pixels show the screen through.
QByteArray iconFileBytes(const QImage& picture);

} // namespace zamut
