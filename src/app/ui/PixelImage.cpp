#include "app/ui/PixelImage.h"

#include <algorithm>

namespace wl {

void fillPixels(QImage& image, QRect area, QRgb colour) {
    area = area.intersected(image.rect());
    if (area.isEmpty()) return;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::fill(line + area.left(), line + area.right() + 1, colour);
    }
}

void framePixels(QImage& image, QRect area, QRgb colour) {
    if (area.isEmpty()) return;
    fillPixels(image, QRect(area.left(), area.top(), area.width(), 1), colour);
    fillPixels(image, QRect(area.left(), area.bottom(), area.width(), 1), colour);
    fillPixels(image, QRect(area.left(), area.top(), 1, area.height()), colour);
    fillPixels(image, QRect(area.right(), area.top(), 1, area.height()), colour);
}

}  // namespace wl
