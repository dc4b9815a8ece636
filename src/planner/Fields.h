#pragma once

#include "core/FoodGroup.h"
#include "core/MealSlot.h"
#include "core/ServingPlans.h"

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

namespace corvanta {

enum class Grid { User, Program };

// The four result boxes beside each grid.
enum class Result { Calories, Carbohydrate, Protein, Fat };

inline constexpr std::array kResults{Result::Calories, Result::Carbohydrate, Result::Protein,
                                     Result::Fat};

// One text box of the planner window. A Field can only be made from the window's own
// vocabulary, so a handler cannot name a box that does not exist; names as text are resolved
// through fieldNamed(), which refuses unknown names loudly.
class Field {
public:
    // The User grid's box of a column (meal or day total) and food group.
    static Field user(MealSlot column, FoodGroup group);
    // The Program grid's box of a column and plan row.
    static Field program(MealSlot column, PlanRow row);
    static Field result(Grid grid, Result result);

    // The box's name, e.g. "UAbreadTxtBx", "UTbreadTxTbx", "PCalTxtBx".
    std::string_view name() const;
    // Position in allFields(): 0..87.
    std::size_t index() const { return index_; }

    bool operator==(const Field&) const = default;

private:
    explicit constexpr Field(std::size_t index)
        : index_(index) {}
    friend const std::vector<Field>& allFields();

    std::size_t index_;
};

inline constexpr std::size_t kFieldCount = 88;

// Every box: the 50 User-grid boxes, the 30 Program-grid boxes, then the 8 result boxes.
const std::vector<Field>& allFields();

// The box of that exact name; throws std::invalid_argument for a name the window does not have.
Field fieldNamed(std::string_view name);

} // namespace corvanta
