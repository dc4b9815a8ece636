#pragma once

#include "planner/FieldModel.h"
#include "planner/Planner.h"
#include "print/MealPlanPrintout.h"
#include "shell/FormWindow.h"

#include <array>

class QButtonGroup;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace corvanta {

class Dialogs;
class PrinterDevice;

// The planner window: the calorie-level strip, the Program and User grids with their result
// boxes, and the Print, Done, Calc and UnDo buttons. It is the Qt implementation of the field
// model: each box is a QLineEdit whose objectName is the box's name. The sheet goes to the
// printer device it is given.
class MealsWindow : public FormWindow, public FieldModel {
public:
    MealsWindow(Dialogs& dialogs, PrinterDevice& printer, QWidget* parent = nullptr);

    std::string text(Field field) const override;
    void setText(Field field, std::string_view text) override;
    std::int16_t calorieSelected() const override { return calorieSelected_; }
    void setCalorieSelected(std::int16_t value) override { calorieSelected_ = value; }
    bool isOptionOn(int index) const override;

    Planner& planner() { return planner_; }
    QLineEdit* box(Field field) const { return boxes_.at(field.index()); }

protected:
    void formLoad() override;

private:
    void buildTopControls();
    void buildCalorieStrip(QWidget* strip);
    void buildGrid(QGroupBox* frame, Grid grid);
    void buildResults(QGroupBox* frame, Grid grid);
    void buildTabOrder();

    Planner planner_;
    MealPlanPrintout printout_;
    std::array<QLineEdit*, kFieldCount> boxes_{};
    QButtonGroup* options_ = nullptr;
    QPushButton* print_ = nullptr;
    QPushButton* done_ = nullptr;
    QPushButton* calc_ = nullptr;
    QPushButton* undo_ = nullptr;
    std::int16_t calorieSelected_ = 0;
};

} // namespace corvanta
