#include "planner/Fields.h"

#include <stdexcept>
#include <string>

namespace corvanta {
namespace {

constexpr std::size_t kUserBoxes = kColumns.size() * kFoodGroups.size();
constexpr std::size_t kProgramBoxes = kColumns.size() * kPlanRows.size();
static_assert(kUserBoxes + kProgramBoxes + 2 * kResults.size() == kFieldCount);

constexpr std::string_view kBoxEnding = "TxtBx";

std::string_view resultToken(Result result) {
    constexpr std::array<std::string_view, kResults.size()> kTokens{"Cal", "Carb", "Protein",
                                                                    "Fat"};
    return kTokens.at(static_cast<std::size_t>(result));
}

std::string gridBoxName(char gridLetter, MealSlot column, std::string_view rowToken) {
    std::string name(1, gridLetter);
    name += letter(column);
    name += rowToken;
    name += kBoxEnding;
    return name;
}

// Two boxes of the User grid break the naming pattern in their capitals; the rest of the program
// addresses them by exactly these names.
std::string userBoxName(MealSlot column, FoodGroup group) {
    if (column == MealSlot::Total && group == FoodGroup::Bread) {
        return "UTbreadTxTbx";
    }
    if (column == MealSlot::Lunch && group == FoodGroup::LeanMeat) {
        return "UNLmeatTxTBx";
    }
    return gridBoxName('U', column, token(group));
}

const std::array<std::string, kFieldCount>& names() {
    static const std::array<std::string, kFieldCount> table = [] {
        std::array<std::string, kFieldCount> built;
        for (MealSlot column : kColumns) {
            for (FoodGroup group : kFoodGroups) {
                built.at(Field::user(column, group).index()) = userBoxName(column, group);
            }
            for (PlanRow row : kPlanRows) {
                built.at(Field::program(column, row).index()) =
                    gridBoxName('P', column, token(row));
            }
        }
        for (Grid grid : {Grid::User, Grid::Program}) {
            for (Result result : kResults) {
                built.at(Field::result(grid, result).index()) =
                    std::string(grid == Grid::User ? "U" : "P") + std::string(resultToken(result)) +
                    std::string(kBoxEnding);
            }
        }
        return built;
    }();
    return table;
}

} // namespace

Field Field::user(MealSlot column, FoodGroup group) {
    return Field(indexOf(column) * kFoodGroups.size() + indexOf(group));
}

Field Field::program(MealSlot column, PlanRow row) {
    return Field(kUserBoxes + indexOf(column) * kPlanRows.size() + indexOf(row));
}

Field Field::result(Grid grid, Result result) {
    const std::size_t gridOffset = grid == Grid::User ? 0 : kResults.size();
    return Field(kUserBoxes + kProgramBoxes + gridOffset + static_cast<std::size_t>(result));
}

std::string_view Field::name() const {
    return names().at(index_);
}

const std::vector<Field>& allFields() {
    static const std::vector<Field> fields = [] {
        std::vector<Field> built;
        built.reserve(kFieldCount);
        for (std::size_t index = 0; index < kFieldCount; ++index) {
            built.push_back(Field(index));
        }
        return built;
    }();
    return fields;
}

Field fieldNamed(std::string_view name) {
    for (const Field& field : allFields()) {
        if (field.name() == name) {
            return field;
        }
    }
    throw std::invalid_argument("the planner window has no box named \"" + std::string(name) +
                                "\"");
}

} // namespace corvanta
