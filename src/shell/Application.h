#pragma once

#include "planner/MealsWindow.h"
#include "shell/BackgroundWindow.h"
#include "shell/IntroWindow.h"

namespace corvanta {

class Dialogs;
class PrinterDevice;

// The program's three windows, created once for the whole run. The title screen and the
// planner window stand in front of the background window.
class Application {
public:
    Application(Dialogs& dialogs, PrinterDevice& printer);

    // Opens the title screen, whose load step brings up the background behind it.
    void start();

    BackgroundWindow& background() { return background_; }
    IntroWindow& intro() { return intro_; }
    MealsWindow& meals() { return meals_; }

private:
    BackgroundWindow background_;
    IntroWindow intro_;
    MealsWindow meals_;
};

} // namespace corvanta
