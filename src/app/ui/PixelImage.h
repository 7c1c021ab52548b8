#pragma once

#include <QImage>
#include <QRect>

namespace wl {

// Drawing into an off-screen image by writing its pixels directly: painted views (grids of
// cells, bars, strips) fill thousands of small rectangles a frame, far faster this way than one
// painter call each. The image is 32-bit (Format_RGB32 or ARGB32); rectangles are clipped to it.
//
// Thread: GUI thread (or any thread that owns the image). Never allocates.
void fillPixels(QImage& image, QRect area, QRgb colour);
// A one-pixel frame around `area` (inside it).
void framePixels(QImage& image, QRect area, QRgb colour);

}  // namespace wl
