// SPDX-License-Identifier: MIT
// The card pictures: compiled-in XPM arrays made into bitmaps.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace zamut::win {

// The colour that stands for "None" (palette entry 0): the pictures' cyan,
// which no other pixel uses; drawing leaves it out.
inline constexpr COLORREF TransparentColour = RGB(0, 255, 255);

// The pixels of an XPM array, row by row, transparent ones as TransparentColour.
struct PixelGrid {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;
};

// Reads the XPM subset the picture generator writes: one character a pixel,
// colours "None" or #RRGGBB. Anything else throws std::invalid_argument.
PixelGrid parseXpm(const char* const* xpm);

// A picture as a bitmap of its own, drawn at a whole-number enlargement.
class Picture {
public:
    Picture() = default;
    explicit Picture(const PixelGrid& grid);
    Picture(Picture&& other) noexcept;
    Picture& operator=(Picture&& other) noexcept;
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;
    ~Picture();

    int width() const { return width_; }
    int height() const { return height_; }
    // Draws the picture with its top-left at (x, y), each pixel a square of
    // `scale` device pixels, leaving transparent pixels untouched.
    void draw(HDC dc, int x, int y, int scale) const;

private:
    HBITMAP bitmap_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

} // namespace zamut::win
