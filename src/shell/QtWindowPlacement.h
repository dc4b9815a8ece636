#pragma once

#include "shell/WindowPlacement.h"

class QWidget;

namespace corvanta {

// Places a top-level Qt window on the screen it is on, in logical pixels.
class QtWindowPlacement : public WindowPlacement {
public:
    explicit QtWindowPlacement(QWidget& window)
        : window_(window) {}

    double outerWidth() const override;
    double outerHeight() const override;
    double screenWidth() const override;
    double screenHeight() const override;
    void moveTo(double left, double top) override;

private:
    QWidget& window_;
};

} // namespace corvanta
