#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace corvanta {

// The ten food groups, in the fixed order every walk over the groups follows: the calculation,
// the day totals and the printout.
enum class FoodGroup {
    Bread,
    LeanMeat,
    MediumFatMeat,
    HighFatMeat,
    Vegetable,
    Fruit,
    SkimMilk,
    LowFatMilk,
    WholeMilk,
    Fat,
};

inline constexpr std::array kFoodGroups{
    FoodGroup::Bread,     FoodGroup::LeanMeat, FoodGroup::MediumFatMeat, FoodGroup::HighFatMeat,
    FoodGroup::Vegetable, FoodGroup::Fruit,    FoodGroup::SkimMilk,      FoodGroup::LowFatMilk,
    FoodGroup::WholeMilk, FoodGroup::Fat,
};

constexpr std::size_t indexOf(FoodGroup group) {
    return static_cast<std::size_t>(group);
}

// The part of a box name that names the group's row, e.g. "Lmeat" in "UALmeatTxtBx".
std::string_view token(FoodGroup group);
// The row label in the User grid, e.g. "Meat, Lean".
std::string_view userLabel(FoodGroup group);
// The label on the printed sheet, e.g. "L Meat" (not yet right-aligned).
std::string_view printLabel(FoodGroup group);

} // namespace corvanta
