#pragma once

#include "planner/Fields.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace corvanta {

// Everything the planner window holds during a run: the text of each box, the flag that says
// whether a calorie level has been chosen, and which option button is on. The handlers work on
// this model only, so they run alike on the Qt window and on an in-memory model.
class FieldModel {
public:
    virtual ~FieldModel() = default;

    virtual std::string text(Field field) const = 0;
    virtual void setText(Field field, std::string_view text) = 0;

    // 0 until a calorie level has been chosen, -1 afterwards.
    virtual std::int16_t calorieSelected() const = 0;
    virtual void setCalorieSelected(std::int16_t value) = 0;

    // Whether the option button with that index (1..10) is on.
    virtual bool isOptionOn(int index) const = 0;
};

} // namespace corvanta
