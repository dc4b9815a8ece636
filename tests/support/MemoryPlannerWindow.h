#pragma once

#include "planner/MemoryFieldModel.h"
#include "planner/Planner.h"
#include "print/MealPlanPrintout.h"
#include "support/RecordingPrinter.h"
#include "support/ScriptedDialogs.h"

namespace corvanta::testing {

// The planner window without a screen or a printer: the in-memory field model, scripted
// dialogs, a recording printer, and the window's handlers and printout working on them.
struct MemoryPlannerWindow {
    MemoryFieldModel model;
    ScriptedDialogs dialogs;
    RecordingPrinter printer;
    Planner planner{model, dialogs};
    MealPlanPrintout printout{model, dialogs, printer};
};

} // namespace corvanta::testing
