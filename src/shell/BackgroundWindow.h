#pragma once

#include "shell/FormWindow.h"
#include "shell/Gradient.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <vector>

namespace corvanta {

class Dialogs;

// The background window: maximized behind the other windows, painted in a blue gradient.
// What PaintGradient draws is kept as a list of filled boxes, the window's persistent drawing,
// which it shows again whenever it is exposed. A box that a later one covers whole is dropped,
// so the list stays as small as one gradient.
class BackgroundWindow : public FormWindow, public DrawingSurface {
public:
    explicit BackgroundWindow(Dialogs& dialogs, QWidget* parent = nullptr);

    // The title screen, which the load step shows.
    void setTitleScreen(FormWindow* titleScreen) { titleScreen_ = titleScreen; }
    // The drawing as it shows on the window's client area.
    QImage surface() const;
    std::size_t drawnBoxes() const { return drawing_.size(); }

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
    struct FilledBox {
        QRect box;
        QColor colour;
    };
    std::vector<FilledBox> drawing_;
};

} // namespace corvanta
