#pragma once

#include "planner/FieldModel.h"

#include <array>

namespace corvanta {

// The planner window's data without a window: every box starts empty and no option is on.
class MemoryFieldModel : public FieldModel {
public:
    std::string text(Field field) const override { return texts_.at(field.index()); }
    void setText(Field field, std::string_view text) override {
        texts_.at(field.index()) = std::string(text);
    }

    std::int16_t calorieSelected() const override { return calorieSelected_; }
    void setCalorieSelected(std::int16_t value) override { calorieSelected_ = value; }

    bool isOptionOn(int index) const override { return index != 0 && index == selectedOption_; }
    // Turns on the option button with that index and every other one off, as a click does;
    // 0 turns all off.
    void selectOption(int index) { selectedOption_ = index; }

private:
    std::array<std::string, kFieldCount> texts_{};
    std::int16_t calorieSelected_ = 0;
    int selectedOption_ = 0;
};

} // namespace corvanta
