#include "core/MealSlot.h"

namespace corvanta {
namespace {

constexpr std::array<char, kColumns.size()> kLetters{'A', 'N', 'P', 'S', 'T'};
constexpr std::array<std::string_view, kColumns.size()> kLabels{"Breakfast", "Lunch", "Dinner",
                                                                "Snack", "Total"};

} // namespace

char letter(MealSlot slot) {
    return kLetters.at(indexOf(slot));
}

std::string_view columnLabel(MealSlot slot) {
    return kLabels.at(indexOf(slot));
}

} // namespace corvanta
