#pragma once

#include "shell/FormWindow.h"

#include <functional>

class QPushButton;

namespace corvanta {

class Dialogs;

// The title screen: the program's title, its version box and the OK button that opens the
// planner window.
class IntroWindow : public FormWindow {
public:
    explicit IntroWindow(Dialogs& dialogs, QWidget* parent = nullptr);

    // The background window, shown by the load step.
    void setBackground(FormWindow* background) { background_ = background; }
    // Where to find the planner window, which OK shows.
    void setPlannerWindow(std::function<FormWindow&()> planner) { planner_ = std::move(planner); }

    void cmdOK_Click();

protected:
    void formLoad() override;

private:
    Dialogs& dialogs_;
    FormWindow* background_ = nullptr;
    std::function<FormWindow&()> planner_;
};

} // namespace corvanta
