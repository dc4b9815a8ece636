#pragma once

#include "planner/MealsWindow.h"
#include "shell/BackgroundWindow.h"
#include "shell/IntroWindow.h"

#include <memory>

namespace corvanta {

class Dialogs;
class PrinterDevice;

// The program's three windows, each created once for the whole run; the planner window when it
// is first needed, so that the title screen comes up sooner. The title screen and the planner
// window stand in front of the background window.
class Application {
public:
    Application(Dialogs& dialogs, PrinterDevice& printer);

    // Opens the title screen, whose load step brings up the background behind it.
    void start();

    BackgroundWindow& background() { return background_; }
    IntroWindow& intro() { return intro_; }
    MealsWindow& meals();
    bool mealsCreated() const { return meals_ != nullptr; }

private:
    Dialogs& dialogs_;
    PrinterDevice& printer_;
    BackgroundWindow background_;
    IntroWindow intro_;
    std::unique_ptr<MealsWindow> meals_;
};

} // namespace corvanta
