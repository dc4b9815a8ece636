#pragma once

#include <cstdint>

namespace corvanta {

struct Rgb {
    int red;
    int green;
    int blue;

    bool operator==(const Rgb&) const = default;
};

// A window's persistent drawing surface, in twips of the window's client area.
class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    virtual double outerWidthTwips() const = 0;
    virtual double outerHeightTwips() const = 0;
    // Fills the box from (x1, y1) to (x2, y2), corners included, and outlines it in the same
    // colour.
    virtual void fillBox(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2,
                         Rgb colour) = 0;
};

inline constexpr int kGradientBands = 63;
inline constexpr int kGradientStep = 4;

// Paints the window from the top in 63 bands sized from its outer height, starting at the given
// colour and darkening each component by 4 per band, down to 0. The working values are 64-bit,
// so screens of any size paint alike.
void PaintGradient(DrawingSurface& window, int red, int green, int blue);

// The nearest whole number, a value exactly halfway going to the even neighbour.
std::int64_t roundHalfEven(double value);

} // namespace corvanta
