#include "core/ServingPlans.h"

#include <stdexcept>
#include <string>

namespace corvanta {
namespace {

struct PlanRowInfo {
    std::string_view token;
    std::string_view label;
    FoodGroup receiving;
};

constexpr std::array<PlanRowInfo, kPlanRows.size()> kRowInfo{{
    {"bread", "Bread/Starch", FoodGroup::Bread},
    {"meat", "Meat, Lean", FoodGroup::LeanMeat},
    {"veg", "Vegetable", FoodGroup::Vegetable},
    {"fruit", "Fruit", FoodGroup::Fruit},
    {"milk", "Milk, Skim", FoodGroup::SkimMilk},
    {"fat", "Fats", FoodGroup::Fat},
}};

constexpr std::array kZeroedMeats{FoodGroup::MediumFatMeat, FoodGroup::HighFatMeat};
constexpr std::array kZeroedMilks{FoodGroup::LowFatMilk, FoodGroup::WholeMilk};

// Rows: bread, meat, vegetable, fruit, milk, fat; columns: breakfast, lunch, dinner, snack.
// Then the stored summary: kcal and the percent of calories from carbohydrate, protein, fat.
constexpr std::array<ServingPlan, kLastLevel> kPlans{{
    // 1200 kcal
    {{{{2, 2, 1, 0}, {0, 3, 2, 0}, {0, 1, 1, 0}, {1, 1, 1, 1}, {1, 0, 0, 1}, {1, 1, 0, 0}}},
     {1235, 55, 23, 22}},
    // 1400 kcal
    {{{{2, 2, 2, 0}, {0, 3, 2, 0}, {0, 1, 2, 0}, {1, 1, 1, 1}, {1, 0, 0, 1}, {1, 1, 1, 0}}},
     {1385, 55, 22, 23}},
    // 1600 kcal
    {{{{2, 2, 2, 1}, {0, 3, 3, 0}, {0, 1, 2, 0}, {2, 1, 1, 1}, {1, 0, 0, 1}, {1, 1, 1, 0}}},
     {1580, 55, 22, 23}},
    // 1800 kcal
    {{{{2, 2, 3, 1}, {0, 3, 3, 0}, {0, 1, 2, 0}, {2, 1, 1, 1}, {1, 1, 0, 1}, {1, 2, 1, 0}}},
     {1795, 55, 21, 24}},
    // 2000 kcal
    {{{{3, 3, 3, 1}, {0, 3, 3, 0}, {0, 1, 2, 0}, {2, 1, 1, 2}, {1, 1, 0, 1}, {1, 2, 1, 0}}},
     {2015, 58, 20, 22}},
    // 2200 kcal
    {{{{3, 3, 4, 2}, {0, 3, 3, 0}, {0, 1, 2, 0}, {2, 2, 1, 2}, {1, 1, 0, 1}, {1, 2, 1, 0}}},
     {2235, 60, 20, 20}},
    // 2400 kcal
    {{{{3, 3, 4, 2}, {0, 3, 3, 0}, {0, 1, 2, 0}, {2, 2, 1, 2}, {2, 1, 0, 1}, {2, 2, 2, 0}}},
     {2415, 58, 19, 23}},
    // 2600 kcal
    {{{{4, 3, 4, 2}, {0, 4, 3, 0}, {0, 2, 3, 0}, {2, 2, 1, 2}, {2, 1, 0, 1}, {2, 2, 2, 0}}},
     {2600, 57, 20, 23}},
    // 2800 kcal
    {{{{4, 3, 4, 2}, {1, 4, 3, 0}, {0, 2, 3, 0}, {2, 2, 1, 2}, {2, 2, 1, 1}, {2, 2, 2, 0}}},
     {2835, 56, 22, 22}},
    // 3000 kcal
    {{{{4, 4, 4, 2}, {1, 4, 3, 0}, {0, 3, 4, 0}, {2, 2, 1, 2}, {2, 2, 1, 1}, {2, 3, 2, 0}}},
     {3010, 56, 21, 23}},
}};

} // namespace

std::string_view token(PlanRow row) {
    return kRowInfo.at(indexOf(row)).token;
}

std::string_view programLabel(PlanRow row) {
    return kRowInfo.at(indexOf(row)).label;
}

FoodGroup receivingGroup(PlanRow row) {
    return kRowInfo.at(indexOf(row)).receiving;
}

std::span<const FoodGroup> zeroedGroups(PlanRow row) {
    switch (row) {
    case PlanRow::Meat:
        return kZeroedMeats;
    case PlanRow::Milk:
        return kZeroedMilks;
    default:
        return {};
    }
}

const ServingPlan& servingPlan(int level) {
    if (level < kFirstLevel || level > kLastLevel) {
        throw std::out_of_range("no calorie level " + std::to_string(level));
    }
    return kPlans.at(static_cast<std::size_t>(level - kFirstLevel));
}

} // namespace corvanta
