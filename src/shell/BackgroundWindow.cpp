#include "shell/BackgroundWindow.h"

#include "shell/ErrorTrap.h"

#include <QPainter>
#include <QResizeEvent>
#include <algorithm>

namespace corvanta {
namespace {

const QColor kBeforeFirstPaint(192, 255, 192);
constexpr int kTwipsPerPixel = 15;

} // namespace

BackgroundWindow::BackgroundWindow(Dialogs& dialogs, QWidget* parent)
    : FormWindow(parent, Qt::Window)
    , dialogs_(dialogs) {
    setObjectName(QStringLiteral("Backgrnd"));
    setWindowTitle(QStringLiteral("Zuduzaduv"));
    QPalette background = palette();
    background.setColor(QPalette::Window, kBeforeFirstPaint);
    setPalette(background);
    setAutoFillBackground(true);
    // A backdrop: showing it must not take the keyboard from the window in front.
    setAttribute(Qt::WA_ShowWithoutActivating);
}

double BackgroundWindow::outerWidthTwips() const {
    return static_cast<double>(frameGeometry().width()) * kTwipsPerPixel;
}

double BackgroundWindow::outerHeightTwips() const {
    return static_cast<double>(frameGeometry().height()) * kTwipsPerPixel;
}

void BackgroundWindow::fillBox(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2,
                               Rgb colour) {
    // Beyond the image nothing is visible; clamping first keeps huge boxes in int range.
    auto toPixel = [](std::int64_t twips, int limit) {
        return static_cast<int>(std::clamp<std::int64_t>(twips / kTwipsPerPixel, -1, limit));
    };
    const QRect box(QPoint(toPixel(x1, surface_.width()), toPixel(y1, surface_.height())),
                    QPoint(toPixel(x2, surface_.width()), toPixel(y2, surface_.height())));
    QPainter painter(&surface_);
    painter.fillRect(box, QColor(colour.red, colour.green, colour.blue));
    update(box);
}

void BackgroundWindow::formLoad() {
    ErrorTrap trap(dialogs_, "Sub Form_Load()");
    trap.step([this] {
        if (titleScreen_ != nullptr) {
            titleScreen_->showForm();
        }
    });
}

void BackgroundWindow::resizeEvent(QResizeEvent* event) {
    // The surface follows the window's size, keeping what was drawn; the gradient is then
    // painted anew from the top.
    QImage resized(event->size(), QImage::Format_RGB32);
    resized.fill(kBeforeFirstPaint);
    QPainter(&resized).drawImage(0, 0, surface_);
    surface_ = resized;
    PaintGradient(*this, 0, 0, 255);
    FormWindow::resizeEvent(event);
}

void BackgroundWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(event->rect(), surface_, event->rect());
}

} // namespace corvanta
