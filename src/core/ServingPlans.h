#pragma once

#include "core/FoodGroup.h"
#include "core/MealSlot.h"

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace corvanta {

// The six rows of a built-in plan, as the Program grid shows them. Meat means lean meat and milk
// means skim milk; on the User grid the meat and milk rows are split by fat content.
enum class PlanRow {
    Bread,
    Meat,
    Vegetable,
    Fruit,
    Milk,
    Fat,
};

inline constexpr std::array kPlanRows{PlanRow::Bread, PlanRow::Meat, PlanRow::Vegetable,
                                      PlanRow::Fruit, PlanRow::Milk, PlanRow::Fat};

constexpr std::size_t indexOf(PlanRow row) {
    return static_cast<std::size_t>(row);
}

// The part of a Program-grid box name that names the row, e.g. "meat" in "PAmeatTxtBx".
std::string_view token(PlanRow row);
// The Program grid's row label, e.g. "Meat, Lean".
std::string_view programLabel(PlanRow row);
// The User-grid food group that receives the plan's count of this row.
FoodGroup receivingGroup(PlanRow row);
// The User-grid food groups that a plan sets to 0 alongside this row (the other meats and
// milks), in the order they are written.
std::span<const FoodGroup> zeroedGroups(PlanRow row);

// The daily calorie levels: index 1 to 10, 1200 to 3000 kcal in steps of 200.
inline constexpr int kFirstLevel = 1;
inline constexpr int kLastLevel = 10;

constexpr int dailyTargetKcal(int level) {
    return 1000 + 200 * level;
}

// The figures stored with each plan and shown in the Program result boxes.
struct PlanSummary {
    int kcal;
    int carbPercent;
    int proteinPercent;
    int fatPercent;
};

struct ServingPlan {
    // Whole servings per row and meal (breakfast, lunch, dinner, snack).
    std::array<std::array<int, kMeals.size()>, kPlanRows.size()> servings;
    PlanSummary summary;

    int count(PlanRow row, MealSlot meal) const {
        return servings.at(indexOf(row)).at(indexOf(meal));
    }
};

// The built-in plan of a calorie level; throws std::out_of_range outside 1..10.
const ServingPlan& servingPlan(int level);

} // namespace corvanta
