// SPDX-License-Identifier: MIT
// XPM reading and transparent drawing of the card pictures.

#include "windows/widgets/Picture.h"

#include <cstdio>
#include <cstring>
#include <map>
#include <stdexcept>
#include <string_view>
#include <utility>

namespace zamut::win {

PixelGrid parseXpm(const char* const* xpm) {
    PixelGrid grid;
    int colours = 0;
    int charsPerPixel = 0;
    if (std::sscanf(xpm[0], "%d %d %d %d", &grid.width, &grid.height, &colours, &charsPerPixel) !=
            4 ||
        charsPerPixel != 1 || grid.width <= 0 || grid.height <= 0 || colours <= 0) {
        throw std::invalid_argument("unsupported XPM header");
    }
    std::map<char, COLORREF> palette;
    for (int i = 1; i <= colours; ++i) {
        const std::string_view line = xpm[i];
        unsigned rgb = 0;
        if (line.size() >= 6 && line.substr(1, 3) == " c " && line.substr(4) == "None") {
            palette[line[0]] = TransparentColour;
        } else if (line.size() == 11 && line.substr(1, 4) == " c #" &&
                   std::sscanf(line.data() + 5, "%6x", &rgb) == 1) {
            palette[line[0]] = RGB(rgb >> 16, (rgb >> 8) & 0xff, rgb & 0xff);
        } else {
            throw std::invalid_argument("unsupported XPM colour");
        }
    }
    for (int y = 0; y < grid.height; ++y) {
        const char* row = xpm[1 + colours + y];
        if (std::strlen(row) != static_cast<std::size_t>(grid.width)) {
            throw std::invalid_argument("XPM row of the wrong width");
        }
        for (int x = 0; x < grid.width; ++x) {
            grid.pixels.push_back(palette.at(row[x]));
        }
    }
    return grid;
}

Picture::Picture(const PixelGrid& grid) : width_(grid.width), height_(grid.height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap_ == nullptr) {
        throw std::runtime_error("CreateDIBSection failed");
    }
    auto* pixels = static_cast<std::uint32_t*>(bits);
    for (const COLORREF colour : grid.pixels) {
        // A DIB pixel is 0x00RRGGBB; a COLORREF is 0x00BBGGRR.
        *pixels++ = (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
    }
}

Picture::Picture(Picture&& other) noexcept
    : bitmap_(std::exchange(other.bitmap_, nullptr)), width_(other.width_), height_(other.height_) {
}

Picture& Picture::operator=(Picture&& other) noexcept {
    std::swap(bitmap_, other.bitmap_);
    std::swap(width_, other.width_);
    std::swap(height_, other.height_);
    return *this;
}

Picture::~Picture() {
    if (bitmap_ != nullptr) {
        DeleteObject(bitmap_);
    }
}

void Picture::draw(HDC dc, int x, int y, int scale) const {
    const HDC memory = CreateCompatibleDC(dc);
    const HGDIOBJ old = SelectObject(memory, bitmap_);
    // Enlarges by repeating pixels: whole factors stay crisp. gdi32's own
    // entry, which msimg32's TransparentBlt forwards to: msimg32 is no known
    // DLL and would be looked for beside the program first.
    GdiTransparentBlt(dc, x, y, width_ * scale, height_ * scale, memory, 0, 0, width_, height_,
                      TransparentColour);
    SelectObject(memory, old);
    DeleteDC(memory);
}

} // namespace zamut::win
