#pragma once

namespace corvanta {

// The window services a load step needs to place its window: the window's outer size, the
// screen's size (both in the toolkit's unit) and a move of the window's outer top-left corner.
class WindowPlacement {
public:
    virtual ~WindowPlacement() = default;

    virtual double outerWidth() const = 0;
    virtual double outerHeight() const = 0;
    virtual double screenWidth() const = 0;
    virtual double screenHeight() const = 0;
    virtual void moveTo(double left, double top) = 0;
};

// Centres the window on the screen, halving in floating point. A window larger than the screen
// gets a negative edge; nothing clamps it.
inline void centreOnScreen(WindowPlacement& window) {
    window.moveTo((window.screenWidth() - window.outerWidth()) / 2,
                  (window.screenHeight() - window.outerHeight()) / 2);
}

} // namespace corvanta
