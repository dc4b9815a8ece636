#include "shell/QtWindowPlacement.h"

#include <QScreen>
#include <QWidget>
#include <cmath>

namespace corvanta {
namespace {

QRect screenGeometry(const QWidget& window) {
    const QScreen* screen = window.screen();
    return screen != nullptr ? screen->geometry() : QRect();
}

} // namespace

// Before a window is first mapped its frame is not known yet; its outer size is then its client
// size.
double QtWindowPlacement::outerWidth() const {
    return window_.frameGeometry().width();
}

double QtWindowPlacement::outerHeight() const {
    return window_.frameGeometry().height();
}

double QtWindowPlacement::screenWidth() const {
    return screenGeometry(window_).width();
}

double QtWindowPlacement::screenHeight() const {
    return screenGeometry(window_).height();
}

void QtWindowPlacement::moveTo(double left, double top) {
    const QPoint origin = screenGeometry(window_).topLeft();
    window_.move(origin.x() + static_cast<int>(std::lround(left)),
                 origin.y() + static_cast<int>(std::lround(top)));
}

} // namespace corvanta
