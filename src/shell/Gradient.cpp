#include "shell/Gradient.h"

#include <algorithm>
#include <cmath>

namespace corvanta {

std::int64_t roundHalfEven(double value) {
    const double floor = std::floor(value);
    const double fraction = value - floor;
    auto result = static_cast<std::int64_t>(floor);
    if (fraction > 0.5 || (fraction == 0.5 && result % 2 != 0)) {
        ++result;
    }
    return result;
}

void PaintGradient(DrawingSurface& window, int red, int green, int blue) {
    const std::int64_t bandHeight = roundHalfEven(window.outerHeightTwips() / kGradientBands);
    std::int64_t bandTop = 0;
    std::int64_t bandBottom = bandTop + bandHeight;
    const std::int64_t width = roundHalfEven(window.outerWidthTwips());
    for (int band = 0; band < kGradientBands; ++band) {
        window.fillBox(0, bandTop, width, bandBottom, {red, green, blue});
        red = std::max(red - kGradientStep, 0);
        green = std::max(green - kGradientStep, 0);
        blue = std::max(blue - kGradientStep, 0);
        bandTop = bandBottom;
        bandBottom = bandTop + bandHeight;
    }
}

} // namespace corvanta
