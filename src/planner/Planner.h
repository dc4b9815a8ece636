#pragma once

#include "core/FoodGroup.h"

#include <string_view>

namespace corvanta {

class Dialogs;
class FieldModel;
class WindowPlacement;

// The planner window's routines and handlers, working on its field model: the plan loaders
// `one` ... `ten`, the day totals `Bread` ... `Fat`, and the handlers of the window's load step,
// the option buttons and the UnDo, Calc and Done buttons.
class Planner {
public:
    Planner(FieldModel& fields, Dialogs& dialogs)
        : fields_(fields)
        , dialogs_(dialogs) {}

    // Loads the built-in plan of a calorie level into both grids, writes their day totals, the
    // stored summary into the Program result boxes and a single space into each User result box.
    void loadPlan(int level);
    void one() { loadPlan(1); }
    void two() { loadPlan(2); }
    void three() { loadPlan(3); }
    void four() { loadPlan(4); }
    void five() { loadPlan(5); }
    void six() { loadPlan(6); }
    void seven() { loadPlan(7); }
    void eight() { loadPlan(8); }
    void nine() { loadPlan(9); }
    void ten() { loadPlan(10); }

    // Recomputes a User-grid day total from the row's four meal boxes. A meal box that is not a
    // count throws the not-a-count failure; the day-total box then keeps its text.
    void dayTotal(FoodGroup group);
    void Bread() { dayTotal(FoodGroup::Bread); }
    void Lmeat() { dayTotal(FoodGroup::LeanMeat); }
    void Mmeat() { dayTotal(FoodGroup::MediumFatMeat); }
    void Hmeat() { dayTotal(FoodGroup::HighFatMeat); }
    void Veg() { dayTotal(FoodGroup::Vegetable); }
    void fruit() { dayTotal(FoodGroup::Fruit); }
    void Smilk() { dayTotal(FoodGroup::SkimMilk); }
    void Lmilk() { dayTotal(FoodGroup::LowFatMilk); }
    void Wmilk() { dayTotal(FoodGroup::WholeMilk); }
    void Fat() { dayTotal(FoodGroup::Fat); }

    void Form_Load(WindowPlacement& window);
    void OptBtn_Click(int index);
    void UnDo_Click();
    void UCalcBtn_Click();
    void Done_Click();

private:
    // The plan operation of an option button's index.
    void loadPlanOfOption(int index);
    FieldModel& fields_;
    Dialogs& dialogs_;
};

// Shown by UnDo and Calc before a calorie level is chosen.
inline constexpr std::string_view kChooseLevelFirst = "You must make a Calorie selection first";
inline constexpr std::string_view kExitQuestion = "Are you sure you want to EXIT the program";

// Whether a calorie level has been chosen; if not, beeps and shows the refusal.
bool levelChosenOrRefuse(const FieldModel& fields, Dialogs& dialogs, std::string_view refusal);

} // namespace corvanta
