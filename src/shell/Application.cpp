#include "shell/Application.h"

namespace corvanta {

Application::Application(Dialogs& dialogs, PrinterDevice& printer)
    : dialogs_(dialogs)
    , printer_(printer)
    , background_(dialogs)
    , intro_(dialogs, &background_) {
    background_.setTitleScreen(&intro_);
    intro_.setBackground(&background_);
    intro_.setPlannerWindow([this]() -> FormWindow& { return meals(); });
    // Closing any window asks the planner window's exit question.
    background_.setCloseHandler([this] { meals().planner().Done_Click(); });
    intro_.setCloseHandler([this] { meals().planner().Done_Click(); });
}

MealsWindow& Application::meals() {
    if (!meals_) {
        meals_ = std::make_unique<MealsWindow>(dialogs_, printer_, &background_);
    }
    return *meals_;
}

void Application::start() {
    intro_.showForm();
}

} // namespace corvanta
