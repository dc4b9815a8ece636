#pragma once

#include "planner/MemoryFieldModel.h"
#include "planner/Planner.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace corvanta::testing {

// The first line of a message, e.g. "Error 1001 in Sub UCalcBtn_Click() (Line = 0)".
inline std::string firstLine(const std::string& text) {
    return text.substr(0, text.find('\n'));
}

// Every box's text, in the order of allFields().
inline std::vector<std::string> allTexts(const FieldModel& model) {
    std::vector<std::string> texts;
    for (const Field& field : allFields()) {
        texts.push_back(model.text(field));
    }
    return texts;
}

// A planner window without a screen: the in-memory model, scripted dialogs and its handlers.
class PlannerFixture : public ::testing::Test {
protected:
    MemoryFieldModel model;
    ScriptedDialogs dialogs;
    Planner planner{model, dialogs};

    // What a click on an option button does: the button turns on, then its handler runs.
    void chooseLevel(int index) {
        model.selectOption(index);
        planner.OptBtn_Click(index);
    }

    // Every User meal box set to "0".
    void zeroUserMeals() {
        for (FoodGroup group : kFoodGroups) {
            for (MealSlot meal : kMeals) {
                model.setText(Field::user(meal, group), "0");
            }
        }
    }

    std::string box(const char* name) const { return model.text(fieldNamed(name)); }
    void type(const char* name, const char* text) { model.setText(fieldNamed(name), text); }
};

} // namespace corvanta::testing
