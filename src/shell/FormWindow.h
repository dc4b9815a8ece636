#pragma once

#include <QWidget>
#include <functional>

namespace corvanta {

// A top-level window of the program. It is created once and hidden rather than destroyed.
// showForm() loads it first if it has never been loaded (running its load step exactly once,
// even when the load step itself leads back to showForm()), then makes it visible in front.
class FormWindow : public QWidget {
public:
    using QWidget::QWidget;

    void showForm();

    // What closing the window from its title bar does instead of closing it. The windows are
    // never destroyed: the program ends only through its own questions.
    void setCloseHandler(std::function<void()> handler) { closeHandler_ = std::move(handler); }

protected:
    // The window's load step, run before it is first shown.
    virtual void formLoad() {}
    // Makes the window visible; a maximized window overrides this.
    virtual void present() { show(); }
    void closeEvent(QCloseEvent* event) override;

private:
    enum class LoadState { NotLoaded, Loading, Loaded };
    LoadState loadState_ = LoadState::NotLoaded;
    std::function<void()> closeHandler_;
};

// Geometry is laid out in twips: 15 twips to a logical pixel.
constexpr int twips(int value) {
    return value / 15;
}

QRect twipsRect(int left, int top, int width, int height);

// A control's text colour, and a window's or frame's background colour.
void setTextColour(QWidget* widget, const QColor& colour);
void setBackgroundColour(QWidget* widget, const QColor& colour);

// Maps the font faces the windows ask for onto metric-compatible faces installed on Linux.
void installFontSubstitutes();

} // namespace corvanta
