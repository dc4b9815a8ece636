#pragma once

#include "shell/FormWindow.h"
#include "shell/Gradient.h"

#include <QImage>

namespace corvanta {

class Dialogs;

// The background window: maximized behind the other windows, painted in a blue gradient.
// What PaintGradient draws goes onto a persistent image that the window shows whenever it is
// exposed.
class BackgroundWindow : public FormWindow, public DrawingSurface {
public:
    explicit BackgroundWindow(Dialogs& dialogs, QWidget* parent = nullptr);

    // The title screen, which the load step shows.
    void setTitleScreen(FormWindow* titleScreen) { titleScreen_ = titleScreen; }
    const QImage& surface() const { return surface_; }

    double outerWidthTwips() const override;
    double outerHeightTwips() const override;
    void fillBox(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2,
                 Rgb colour) override;

protected:
    void formLoad() override;
    void present() override { showMaximized(); }
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    Dialogs& dialogs_;
    FormWindow* titleScreen_ = nullptr;
    QImage surface_;
};

} // namespace corvanta
