#pragma once

#include "core/FoodGroup.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace corvanta {

// What one serving of a food group holds. Grams are kept in tenths of a gram so that the two
// fractional values (0.8 g and 0.9 g of fat) stay exact in every product and sum.
struct ServingNutrients {
    int kcal;
    int carbDecigrams;
    int proteinDecigrams;
    int fatDecigrams;

    double carbGrams() const { return carbDecigrams / 10.0; }
    double proteinGrams() const { return proteinDecigrams / 10.0; }
    double fatGrams() const { return fatDecigrams / 10.0; }
};

const ServingNutrients& servingNutrients(FoodGroup group);

// Energy factors, kcal per gram.
inline constexpr int kCarbKcalPerGram = 4;
inline constexpr int kProteinKcalPerGram = 4;
inline constexpr int kFatKcalPerGram = 9;

// One day's count of servings per food group; an empty count is a group that adds nothing.
using GroupCounts = std::array<std::optional<std::int16_t>, kFoodGroups.size()>;

// The day's energy: the calories by the kcal column, and the calories that come from each
// nutrient by the gram columns, in tenths of a kcal so that they are exact integers.
struct DayEnergy {
    std::int64_t kcal = 0;
    std::int64_t carbDecikcal = 0;
    std::int64_t proteinDecikcal = 0;
    std::int64_t fatDecikcal = 0;
};

DayEnergy dayEnergy(const GroupCounts& counts);

// A nutrient's share of the day's calories as the result boxes show it: percent rounded to the
// nearest whole number with halves away from zero, a minus sign when negative, and 0 as the
// empty text. Throws the division-by-zero failure when the day has no calories.
std::string shareText(std::int64_t nutrientDecikcal, std::int64_t dayKcal);

} // namespace corvanta
