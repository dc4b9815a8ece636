#include "core/FoodGroup.h"

namespace corvanta {
namespace {

struct FoodGroupNames {
    std::string_view token;
    std::string_view userLabel;
    std::string_view printLabel;
};

constexpr std::array<FoodGroupNames, kFoodGroups.size()> kNames{{
    {"bread", "Bread/Starch", "Bread"},
    {"Lmeat", "Meat, Lean", "L Meat"},
    {"Mmeat", "Meat, Med Fat", "M Meat"},
    {"Hmeat", "Meat, High Fat", "H Meat"},
    {"veg", "Vegetable", "Vegies"},
    {"fruit", "Fruit", "Fruit"},
    {"Smilk", "Milk, Skim", "S Milk"},
    {"Lmilk", "Milk, LoFat", "L Milk"},
    {"Wmilk", "Milk, Whole", "W Milk"},
    {"fat", "Fats", "Fats"},
}};

} // namespace

std::string_view token(FoodGroup group) {
    return kNames.at(indexOf(group)).token;
}

std::string_view userLabel(FoodGroup group) {
    return kNames.at(indexOf(group)).userLabel;
}

std::string_view printLabel(FoodGroup group) {
    return kNames.at(indexOf(group)).printLabel;
}

} // namespace corvanta
