#include "shell/BackgroundWindow.h"

#include "shell/ErrorTrap.h"

#include <QPainter>
#include <QRegion>
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
    setBackgroundColour(this, kBeforeFirstPaint);
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
    // Beyond the client area nothing is visible; clamping keeps huge boxes in int range.
    auto toPixel = [](std::int64_t twips, int limit) {
        return static_cast<int>(std::clamp<std::int64_t>(twips / kTwipsPerPixel, -1, limit));
    };
    const QRect box = QRect(QPoint(toPixel(x1, width()), toPixel(y1, height())),
                            QPoint(toPixel(x2, width()), toPixel(y2, height())))
                          .intersected(rect());
    if (box.isEmpty()) {
        return;
    }
    drawing_.push_back({box, QColor(colour.red, colour.green, colour.blue)});
    // Drop what later boxes cover whole: from the newest back, gather what is covered.
    QRegion covered;
    for (std::size_t i = drawing_.size(); i-- > 0;) {
        FilledBox& filled = drawing_[i];
        if (QRegion(filled.box).subtracted(covered).isEmpty()) {
            filled.box = QRect();
        } else {
            covered += filled.box;
        }
    }
    std::erase_if(drawing_, [](const FilledBox& filled) { return filled.box.isNull(); });
    update(box);
}

QImage BackgroundWindow::surface() const {
    QImage image(size(), QImage::Format_RGB32);
    image.fill(kBeforeFirstPaint);
    QPainter painter(&image);
    for (const FilledBox& filled : drawing_) {
        painter.fillRect(filled.box, filled.colour);
    }
    return image;
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
    // What lies outside the new client area can never show again.
    for (FilledBox& filled : drawing_) {
        filled.box = filled.box.intersected(rect());
    }
    std::erase_if(drawing_, [](const FilledBox& filled) { return filled.box.isEmpty(); });
    PaintGradient(*this, 0, 0, 255);
    FormWindow::resizeEvent(event);
}

void BackgroundWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    for (const FilledBox& filled : drawing_) {
        if (filled.box.intersects(event->rect())) {
            painter.fillRect(filled.box, filled.colour);
        }
    }
}

} // namespace corvanta
