#include "shell/FormWindow.h"

#include <QCloseEvent>
#include <QFont>

namespace corvanta {

void FormWindow::showForm() {
    if (loadState_ == LoadState::NotLoaded) {
        loadState_ = LoadState::Loading;
        formLoad();
        loadState_ = LoadState::Loaded;
    }
    present();
    raise();
    if (!testAttribute(Qt::WA_ShowWithoutActivating)) {
        activateWindow();
    }
}

void FormWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (closeHandler_) {
        closeHandler_();
    }
}

QRect twipsRect(int left, int top, int width, int height) {
    return {twips(left), twips(top), twips(width), twips(height)};
}

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

void setBackgroundColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void installFontSubstitutes() {
    // Arial and Times New Roman map to the Liberation faces through fontconfig already; the
    // narrow sans face of the planner window needs saying.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                               {QStringLiteral("Liberation Serif")});
}

} // namespace corvanta
