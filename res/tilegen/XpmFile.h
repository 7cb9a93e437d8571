// SPDX-License-Identifier: MIT
// Card pictures as XPM, the C source the Windows program compiles in.
#pragma once

#include <QByteArray>
#include <QImage>

namespace zamut {

// An indexed picture as an XPM array named `name`: one character a pixel,
// palette entry 0 written as "None" (transparent), the others as #RRGGBB.
QByteArray xpmFileBytes(const QImage& picture, const QByteArray& name);

} // namespace zamut
