// SPDX-License-Identifier: MIT
// What assistive technology sees of a PixelImage: a picture, or a button to press.
#pragma once

namespace zamut {

// Makes Qt's accessibility ask for PixelImage's own interface; PixelImage
// calls it before its first image exists. Calling it again does nothing.
void installPixelImageAccessibility();

} // namespace zamut
