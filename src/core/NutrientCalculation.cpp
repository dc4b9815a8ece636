#include "core/NutrientCalculation.h"

#include "core/Failure.h"

#include <cstdlib>

namespace corvanta {
namespace {

constexpr std::array<ServingNutrients, kFoodGroups.size()> kServingNutrients{{
    {80, 150, 30, 8},   // bread/starch
    {55, 0, 70, 30},    // lean meat
    {75, 0, 70, 50},    // medium-fat meat
    {100, 0, 70, 80},   // high-fat meat
    {25, 50, 20, 0},    // vegetable
    {60, 150, 0, 0},    // fruit
    {90, 120, 80, 9},   // skim milk
    {120, 120, 80, 50}, // low-fat milk
    {150, 120, 80, 80}, // whole milk
    {45, 0, 0, 50},     // fat
}};

} // namespace

const ServingNutrients& servingNutrients(FoodGroup group) {
    return kServingNutrients.at(indexOf(group));
}

DayEnergy dayEnergy(const GroupCounts& counts) {
    DayEnergy energy;
    for (FoodGroup group : kFoodGroups) {
        const std::int64_t count = counts.at(indexOf(group)).value_or(0);
        const ServingNutrients& serving = servingNutrients(group);
        energy.kcal += count * serving.kcal;
        energy.carbDecikcal += count * serving.carbDecigrams * kCarbKcalPerGram;
        energy.proteinDecikcal += count * serving.proteinDecigrams * kProteinKcalPerGram;
        energy.fatDecikcal += count * serving.fatDecigrams * kFatKcalPerGram;
    }
    return energy;
}

std::string shareText(std::int64_t nutrientDecikcal, std::int64_t dayKcal) {
    if (dayKcal == 0) {
        throw failure::divisionByZero();
    }
    // percent = (decikcal / 10) / dayKcal * 100 = decikcal * 10 / dayKcal, rounded exactly in
    // integers so that a half such as 585 / 2600 * 100 = 22.5 always goes away from zero.
    const std::int64_t numerator = nutrientDecikcal * 10;
    const std::int64_t magnitude =
        (2 * std::llabs(numerator) + std::llabs(dayKcal)) / (2 * std::llabs(dayKcal));
    if (magnitude == 0) {
        return {};
    }
    const bool negative = (numerator < 0) != (dayKcal < 0);
    return (negative ? "-" : "") + std::to_string(magnitude);
}

} // namespace corvanta
