#pragma once

#include "shell/FormWindow.h"

class QPushButton;

namespace corvanta {

class Dialogs;

// The title screen: the program's title, its version box and the OK button that opens the
// planner window.
class IntroWindow : public FormWindow {
public:
    explicit IntroWindow(Dialogs& dialogs, QWidget* parent = nullptr);

    // The background window, shown by the load step, and the planner window, shown by OK.
    void setWindows(FormWindow* background, FormWindow* planner);

    void cmdOK_Click();

protected:
    void formLoad() override;

private:
    Dialogs& dialogs_;
    FormWindow* background_ = nullptr;
    FormWindow* planner_ = nullptr;
};

} // namespace corvanta
