#include "planner/Planner.h"

#include "core/CountConversion.h"
#include "core/NutrientCalculation.h"
#include "core/ServingPlans.h"
#include "planner/FieldModel.h"
#include "shell/Dialogs.h"
#include "shell/ErrorTrap.h"
#include "shell/WindowPlacement.h"

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace corvanta {
namespace {

// The text a result box holds when it holds no result.
constexpr std::string_view kNoResult = " ";

using PlanOperation = void (Planner::*)();
constexpr std::array<PlanOperation, kLastLevel> kPlanOperations{
    &Planner::one, &Planner::two,   &Planner::three, &Planner::four, &Planner::five,
    &Planner::six, &Planner::seven, &Planner::eight, &Planner::nine, &Planner::ten,
};

// The running totals of a plan load: one per Program row and one per User food group.
struct PlanTotals {
    std::array<std::int64_t, kPlanRows.size()> program{};
    std::array<std::int64_t, kFoodGroups.size()> user{};
};

} // namespace

void Planner::loadPlan(int level) {
    const ServingPlan& plan = servingPlan(level);
    PlanTotals totals;

    // Writes a box and adds what it now reads to its row's running total.
    auto writeCounted = [this](Field field, const std::string& text, std::int64_t& total) {
        fields_.setText(field, text);
        total += textToCount(fields_.text(field));
    };

    for (MealSlot meal : kMeals) {
        for (PlanRow row : kPlanRows) {
            const std::string count = std::to_string(plan.count(row, meal));
            writeCounted(Field::program(meal, row), count, totals.program.at(indexOf(row)));
            const FoodGroup receiving = receivingGroup(row);
            writeCounted(Field::user(meal, receiving), count, totals.user.at(indexOf(receiving)));
            for (FoodGroup zeroed : zeroedGroups(row)) {
                writeCounted(Field::user(meal, zeroed), "0", totals.user.at(indexOf(zeroed)));
            }
        }
    }

    for (PlanRow row : kPlanRows) {
        fields_.setText(Field::program(MealSlot::Total, row),
                        std::to_string(totals.program.at(indexOf(row))));
        const FoodGroup receiving = receivingGroup(row);
        fields_.setText(Field::user(MealSlot::Total, receiving),
                        std::to_string(totals.user.at(indexOf(receiving))));
        for (FoodGroup zeroed : zeroedGroups(row)) {
            fields_.setText(Field::user(MealSlot::Total, zeroed),
                            std::to_string(totals.user.at(indexOf(zeroed))));
        }
    }

    const std::array<int, kResults.size()> summary{plan.summary.kcal, plan.summary.carbPercent,
                                                   plan.summary.proteinPercent,
                                                   plan.summary.fatPercent};
    for (Result result : kResults) {
        fields_.setText(Field::result(Grid::Program, result),
                        std::to_string(summary.at(static_cast<std::size_t>(result))));
        fields_.setText(Field::result(Grid::User, result), kNoResult);
    }
}

void Planner::dayTotal(FoodGroup group) {
    // Four 16-bit counts may leave the 16-bit range together; the sum is held wider.
    std::int32_t sum = 0;
    for (MealSlot meal : kMeals) {
        sum += textToCount(fields_.text(Field::user(meal, group)));
    }
    fields_.setText(Field::user(MealSlot::Total, group), std::to_string(sum));
}

void Planner::Form_Load(WindowPlacement& window) {
    ErrorTrap trap(dialogs_, "Sub Form_Load()");
    trap.step([&] { centreOnScreen(window); });
    trap.step([&] { fields_.setCalorieSelected(0); });
}

void Planner::OptBtn_Click(int index) {
    ErrorTrap trap(dialogs_, "Sub OptBtn_Click(index As Integer)");
    trap.step([&] { fields_.setCalorieSelected(-1); });
    trap.step([&] { loadPlanOfOption(index); });
}

void Planner::UnDo_Click() {
    ErrorTrap trap(dialogs_, "Sub UnDo_Click()");
    if (!levelChosenOrRefuse(fields_, dialogs_, kChooseLevelFirst)) {
        return;
    }
    // The level to reload is read from the option buttons themselves.
    for (int index = kFirstLevel; index <= kLastLevel; ++index) {
        if (fields_.isOptionOn(index)) {
            trap.step([&] { loadPlanOfOption(index); });
        }
    }
}

void Planner::UCalcBtn_Click() {
    ErrorTrap trap(dialogs_, "Sub UCalcBtn_Click()");
    if (!levelChosenOrRefuse(fields_, dialogs_, kChooseLevelFirst)) {
        return;
    }

    // Bring the day totals up to date; each row is a step of its own, so a bad meal box costs
    // only its own row.
    for (FoodGroup group : kFoodGroups) {
        trap.step([&] { dayTotal(group); });
    }

    // A day total of exactly one space is skipped; one that is not a count is reported and
    // stays empty. Either way the group adds nothing.
    GroupCounts counts;
    for (FoodGroup group : kFoodGroups) {
        const std::string total = fields_.text(Field::user(MealSlot::Total, group));
        if (total == kNoResult) {
            continue;
        }
        trap.step([&] { counts.at(indexOf(group)) = textToCount(total); });
    }

    const DayEnergy energy = dayEnergy(counts);
    fields_.setText(Field::result(Grid::User, Result::Calories), std::to_string(energy.kcal));

    const std::array<std::pair<Result, std::int64_t>, 3> shares{{
        {Result::Carbohydrate, energy.carbDecikcal},
        {Result::Protein, energy.proteinDecikcal},
        {Result::Fat, energy.fatDecikcal},
    }};
    for (const auto& share : shares) {
        trap.step([&] {
            fields_.setText(Field::result(Grid::User, share.first),
                            shareText(share.second, energy.kcal));
        });
    }
}

void Planner::Done_Click() {
    dialogs_.beep();
    const Answer answer =
        dialogs_.show({.text = std::string(kExitQuestion), .buttons = Buttons::YesNo});
    if (answer == Answer::Yes) {
        dialogs_.endProgram();
    }
}

void Planner::loadPlanOfOption(int index) {
    if (index < kFirstLevel || index > kLastLevel) {
        throw std::out_of_range("no option button " + std::to_string(index));
    }
    (this->*kPlanOperations.at(static_cast<std::size_t>(index - kFirstLevel)))();
}

bool levelChosenOrRefuse(const FieldModel& fields, Dialogs& dialogs, std::string_view refusal) {
    if (fields.calorieSelected() != 0) {
        return true;
    }
    dialogs.beep();
    dialogs.show({.text = std::string(refusal)});
    return false;
}

} // namespace corvanta
