#include "shell/Application.h"

namespace corvanta {

Application::Application(Dialogs& dialogs, PrinterDevice& printer)
    : background_(dialogs)
    , intro_(dialogs, &background_)
    , meals_(dialogs, printer, &background_) {
    background_.setTitleScreen(&intro_);
    intro_.setWindows(&background_, &meals_);
    // Closing any window asks the planner window's exit question.
    background_.setCloseHandler([this] { meals_.planner().Done_Click(); });
    intro_.setCloseHandler([this] { meals_.planner().Done_Click(); });
}

void Application::start() {
    intro_.showForm();
}

} // namespace corvanta
