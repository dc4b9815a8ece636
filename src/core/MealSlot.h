#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace corvanta {

// The four meals of a day and the day total, the columns of both grids.
enum class MealSlot {
    Breakfast,
    Lunch,
    Dinner,
    Snack,
    Total,
};

// The four meals, in the order the day is walked; the day total is not a meal.
inline constexpr std::array kMeals{MealSlot::Breakfast, MealSlot::Lunch, MealSlot::Dinner,
                                   MealSlot::Snack};
// Every column, meals first and the day total last.
inline constexpr std::array kColumns{MealSlot::Breakfast, MealSlot::Lunch, MealSlot::Dinner,
                                     MealSlot::Snack, MealSlot::Total};

constexpr std::size_t indexOf(MealSlot slot) {
    return static_cast<std::size_t>(slot);
}

// The capital letter that names the column in box names: A, N, P, S or T.
char letter(MealSlot slot);
// The column heading in the window, e.g. "Breakfast" or "Total".
std::string_view columnLabel(MealSlot slot);

} // namespace corvanta
