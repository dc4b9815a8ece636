#include "planner/MealsWindow.h"

#include "planner/MemoryFieldModel.h"
#include "support/QtPrinters.h"
#include "support/RecordingPrinter.h"
#include "support/ScriptedDialogs.h"

#include <QAccessible>
#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <clocale>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>

namespace corvanta {
namespace {

class MealsWindowTest : public ::testing::Test {
protected:
    testing::ScriptedDialogs dialogs;
    testing::RecordingPrinter printer;
    std::unique_ptr<MealsWindow> window = std::make_unique<MealsWindow>(dialogs, printer);

    template <typename T> T* child(const char* name) const {
        auto* found = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    void showAndActivate() {
        window->showForm();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
};

TEST_F(MealsWindowTest, WindowHasItsNameCaptionAndClientSize) {
    EXPECT_EQ(window->objectName(), "Meals");
    EXPECT_EQ(window->windowTitle(), "Meal Planner");
    EXPECT_EQ(window->size(), QSize(695, 558));
    EXPECT_EQ(window->font().family(), "MS Sans Serif");
    EXPECT_DOUBLE_EQ(window->font().pointSizeF(), 9.75);
}

TEST_F(MealsWindowTest, ControlsHaveTheirKindsCaptionsAndPlaces) {
    struct Case {
        const char* name;
        const char* kind;
        const char* caption;
        QRect geometry;
    };
    const Case cases[] = {
        {"Print", "QPushButton", "Print", {600, 8, 73, 29}},
        {"Done", "QPushButton", "Done", {600, 52, 73, 29}},
        {"Label11", "QLabel", "Select Your Daily Calorie Intake", {220, 4, 209, 17}},
        {"Frame1", "QGroupBox", "", {128, 20, 405, 53}},
        {"BreakfastLbl", "QLabel", "Breakfast", {100, 80, 73, 17}},
        {"Label12", "QLabel", "Total", {424, 80, 45, 17}},
        {"PFrame", "QGroupBox", "Program", {28, 96, 637, 173}},
        {"UFrame", "QGroupBox", "User", {28, 276, 637, 269}},
        {"Label1", "QLabel", "1200", {8, 12, 29, 17}},
        {"Label10", "QLabel", "3000", {368, 12, 29, 17}},
        {"UseBSLbl", "QLabel", "Bread/Starch", {16, 24, 81, 17}},
        {"Label13", "QLabel", "Milk, Whole", {24, 216, 73, 17}},
        {"UseFLbl", "QLabel", "Fats", {68, 240, 29, 17}},
        {"ProBSLbl", "QLabel", "Bread/Starch", {8, 24, 85, 17}},
        {"ProFLbl", "QLabel", "Fats", {8, 140, 85, 17}},
        {"UAbreadTxtBx", "QLineEdit", "", {100, 20, 25, 24}},
        {"UTMmeatTxtBx", "QLineEdit", "", {404, 68, 25, 24}},
        {"PTfatTxtBx", "QLineEdit", "", {404, 140, 25, 24}},
        {"UCalTxtBx", "QLineEdit", "", {540, 60, 61, 24}},
        {"PCalTxtBx", "QLineEdit", "", {536, 16, 61, 24}},
        {"UFatTxtBx", "QLineEdit", "", {552, 184, 33, 25}},
        {"UPercentLBL", "QLabel", "Percent of calories", {484, 96, 117, 17}},
        {"PPercentLbl", "QLabel", "Percent of calories", {484, 56, 117, 17}},
        {"UCalcBtn", "QPushButton", "Calc", {468, 232, 49, 25}},
        {"UnDo", "QPushButton", "UnDo", {564, 232, 49, 25}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto* widget = child<QWidget>(c.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_STREQ(widget->metaObject()->className(), c.kind);
        EXPECT_EQ(widget->geometry(), c.geometry);
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            EXPECT_EQ(label->text(), c.caption);
        } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
            EXPECT_EQ(button->text(), c.caption);
        } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
            EXPECT_EQ(frame->title(), c.caption);
        }
    }
}

TEST_F(MealsWindowTest, FontsAndColoursAreAsLaidOut) {
    const QFont print = child<QPushButton>("Print")->font();
    EXPECT_EQ(print.family(), "Arial");
    EXPECT_DOUBLE_EQ(print.pointSizeF(), 9.75);
    EXPECT_TRUE(print.bold());
    const QFont heading = child<QLabel>("DinnerLbl")->font();
    EXPECT_TRUE(heading.bold());
    EXPECT_TRUE(heading.italic());
    EXPECT_EQ(heading.family(), "MS Sans Serif");
    EXPECT_TRUE(child<QGroupBox>("PFrame")->font().bold());
    const QFont rowLabel = child<QLabel>("ProLMLbl")->font();
    EXPECT_FALSE(rowLabel.bold()) << "controls inside a bold frame keep the window font";
    EXPECT_FALSE(child<QLineEdit>("UAbreadTxtBx")->font().bold());

    EXPECT_EQ(child<QLabel>("Label5")->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(child<QLabel>("UseVLbl")->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(child<QLabel>("ProVLbl")->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    EXPECT_EQ(child<QGroupBox>("PFrame")->palette().color(QPalette::Window), QColor(192, 192, 192));
    EXPECT_TRUE(child<QLabel>("ProVLbl")->alignment() & Qt::AlignRight);
    EXPECT_TRUE(child<QLabel>("UseVLbl")->alignment() & Qt::AlignLeft);
}

TEST_F(MealsWindowTest, EveryBoxExistsAsALineEditAndOnlyUserGridBoxesTakeInput) {
    int enabled = 0;
    for (const Field& field : allFields()) {
        auto* box = child<QLineEdit>(std::string(field.name()).c_str());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box, window->box(field));
        EXPECT_TRUE(box->text().isEmpty());
        enabled += box->isEnabled() ? 1 : 0;
        const bool userGrid = field.name().front() == 'U' && field.index() < 50;
        EXPECT_EQ(box->isEnabled(), userGrid) << field.name();
    }
    EXPECT_EQ(enabled, 50);
    EXPECT_EQ(window->findChild<QLineEdit*>("UTbreadTxtBx"), nullptr);
    EXPECT_EQ(window->findChild<QLineEdit*>("UNLmeatTxtBx"), nullptr);
}

TEST_F(MealsWindowTest, OptionButtonsFormOneGroupWithIndexesOneToTen) {
    auto* group = window->findChild<QButtonGroup*>("OptBtn");
    ASSERT_NE(group, nullptr);
    ASSERT_EQ(group->buttons().size(), 10);
    EXPECT_TRUE(group->exclusive());
    for (int index = 1; index <= 10; ++index) {
        auto* option = qobject_cast<QRadioButton*>(group->button(index));
        ASSERT_NE(option, nullptr);
        EXPECT_EQ(option->parentWidget()->objectName(), "Frame1");
        EXPECT_EQ(option->geometry(), QRect(16 + 40 * (index - 1), 28, 17, 17));
        EXPECT_TRUE(option->text().isEmpty());
        EXPECT_FALSE(option->isChecked());
    }
}

TEST_F(MealsWindowTest, SelectingOneOptionClearsTheOtherAndLoadsItsPlan) {
    showAndActivate();
    auto* group = window->findChild<QButtonGroup*>("OptBtn");
    QTest::mouseClick(group->button(2), Qt::LeftButton);
    QTest::mouseClick(group->button(8), Qt::LeftButton);
    EXPECT_FALSE(group->button(2)->isChecked());
    EXPECT_TRUE(group->button(8)->isChecked());
    EXPECT_TRUE(window->isOptionOn(8));
    EXPECT_FALSE(window->isOptionOn(2));
    EXPECT_EQ(child<QLineEdit>("PCalTxtBx")->text(), "2600");
    EXPECT_EQ(child<QLineEdit>("UCalTxtBx")->text(), " ");
}

TEST_F(MealsWindowTest, TabWalksTheFocusOrder) {
    showAndActivate();
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "Print");

    std::vector<QString> visited;
    for (int i = 0; i < 56; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.push_back(QApplication::focusWidget()->objectName());
    }
    std::vector<QString> expected{"Done", "OptBtn"};
    for (const char* row : {"bread", "Lmeat", "veg", "fruit", "Smilk", "fat"}) {
        for (const char* meal : {"A", "N", "P", "S"}) {
            expected.push_back(QStringLiteral("U%1%2TxtBx").arg(meal, row));
        }
    }
    for (const char* row : {"bread", "Lmeat", "veg", "fruit", "Smilk", "fat"}) {
        expected.push_back(QStringLiteral("UT%1TxtBx").arg(row));
    }
    for (const char* row : {"Wmilk", "Lmilk", "Hmeat", "Mmeat"}) {
        for (const char* column : {"A", "N", "P", "S", "T"}) {
            expected.push_back(QStringLiteral("U%1%2TxtBx").arg(column, row));
        }
    }
    expected.push_back("UnDo");
    expected.push_back("UCalcBtn");
    expected.push_back("Print");
    expected.push_back("Done");
    for (QString& name : expected) {
        name.replace("UTbreadTxtBx", "UTbreadTxTbx").replace("UNLmeatTxtBx", "UNLmeatTxTBx");
    }
    ASSERT_EQ(visited.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(visited[i], expected[i]) << "after " << i + 1 << " Tab presses";
    }
}

TEST_F(MealsWindowTest, DisplayFieldsTakeNeitherFocusNorTyping) {
    showAndActivate();
    auto* display = child<QLineEdit>("PAbreadTxtBx");
    QTest::mouseClick(display, Qt::LeftButton);
    EXPECT_NE(QApplication::focusWidget(), display);
    QTest::keyClicks(QApplication::focusWidget(), "7");
    EXPECT_TRUE(display->text().isEmpty());
    EXPECT_TRUE(child<QLineEdit>("UCalTxtBx")->text().isEmpty());
}

TEST_F(MealsWindowTest, TypingIntoAUserBoxChangesOnlyThatBox) {
    showAndActivate();
    auto* box = child<QLineEdit>("UNLmeatTxTBx");
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::keyClicks(box, " 3x ");
    EXPECT_EQ(window->text(Field::user(MealSlot::Lunch, FoodGroup::LeanMeat)), " 3x ");
    EXPECT_TRUE(child<QLineEdit>("UTLmeatTxtBx")->text().isEmpty());
}

TEST_F(MealsWindowTest, ScreenReadersCanNameAndReadEveryControl) {
    showAndActivate();
    QTest::mouseClick(window->findChild<QButtonGroup*>("OptBtn")->button(4), Qt::LeftButton);
    auto accessible = [](QObject* object) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
        EXPECT_NE(iface, nullptr);
        return iface;
    };

    struct Case {
        const char* box;
        const char* name;
        const char* value;
        bool readOnly;
    };
    const Case cases[] = {
        {"UAbreadTxtBx", "User, Breakfast, Bread/Starch", "2", false},
        {"UNLmeatTxTBx", "User, Lunch, Meat, Lean", "3", false},
        {"UTbreadTxTbx", "User, Total, Bread/Starch", "8", false},
        {"PTmeatTxtBx", "Program, Total, Meat, Lean", "6", true},
        {"PCalTxtBx", "Program, Calories", "1795", true},
        {"PFatTxtBx", "Program, Fats (Percent of calories)", "24", true},
        {"UCalTxtBx", "User, Calories", " ", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.box);
        QAccessibleInterface* iface = accessible(child<QLineEdit>(c.box));
        ASSERT_NE(iface, nullptr);
        EXPECT_EQ(iface->role(), QAccessible::EditableText);
        EXPECT_EQ(iface->text(QAccessible::Name), c.name);
        EXPECT_EQ(iface->text(QAccessible::Value), c.value);
        EXPECT_EQ(iface->state().disabled, c.readOnly) << "display boxes stay readable";
    }
    // Every box has a name of its own.
    QSet<QString> names;
    for (const Field& field : allFields()) {
        names.insert(accessible(window->box(field))->text(QAccessible::Name));
    }
    EXPECT_EQ(names.size(), static_cast<qsizetype>(kFieldCount));

    QAccessibleInterface* option =
        accessible(window->findChild<QButtonGroup*>("OptBtn")->button(1));
    EXPECT_EQ(option->role(), QAccessible::RadioButton);
    EXPECT_EQ(option->text(QAccessible::Name), "1200 kcal");
    for (const char* button : {"Print", "Done", "UCalcBtn", "UnDo"}) {
        QAccessibleInterface* iface = accessible(child<QPushButton>(button));
        EXPECT_EQ(iface->role(), QAccessible::Button);
        EXPECT_FALSE(iface->text(QAccessible::Name).isEmpty()) << button;
    }
}

TEST_F(MealsWindowTest, NumbersDoNotFollowTheUsersLocale) {
    // A German or French user writes 1,5 and groups thousands; the boxes keep the program's own
    // rules whatever the locale.
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const std::string cNumeric = std::setlocale(LC_NUMERIC, nullptr);
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8"); // where the machine has it
    showAndActivate();
    QTest::mouseClick(window->findChild<QButtonGroup*>("OptBtn")->button(4), Qt::LeftButton);
    window->setText(fieldNamed("UNbreadTxtBx"), "3.5");
    window->setText(fieldNamed("UPfruitTxtBx"), "3,5");
    QTest::mouseClick(child<QPushButton>("UCalcBtn"), Qt::LeftButton);
    std::setlocale(LC_NUMERIC, cNumeric.c_str());
    QLocale::setDefault(before);

    EXPECT_EQ(child<QLineEdit>("UTbreadTxTbx")->text(), "10") << "3.5 counts as 4";
    EXPECT_EQ(dialogs.errorReports().size(), 1U) << "the comma is no decimal mark";
    EXPECT_EQ(child<QLineEdit>("UTfruitTxtBx")->text(), "5");
    EXPECT_EQ(child<QLineEdit>("UCalTxtBx")->text(), "1955") << "plain digits, no grouping";
}

TEST_F(MealsWindowTest, CalcThroughTheWindowGivesTheSameBoxesAsTheModel) {
    showAndActivate();
    QTest::mouseClick(window->findChild<QButtonGroup*>("OptBtn")->button(4), Qt::LeftButton);
    auto typeInto = [&](const char* name, const char* text) {
        auto* box = child<QLineEdit>(name);
        QTest::mouseClick(box, Qt::LeftButton);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, text);
    };
    typeInto("UNbreadTxtBx", "3");
    typeInto("UPHmeatTxtBx", "1.5");
    typeInto("USfatTxtBx", "two");
    QTest::mouseClick(child<QPushButton>("UCalcBtn"), Qt::LeftButton);

    MemoryFieldModel model;
    testing::ScriptedDialogs modelDialogs;
    Planner planner(model, modelDialogs);
    model.selectOption(4);
    planner.OptBtn_Click(4);
    model.setText(fieldNamed("UNbreadTxtBx"), "3");
    model.setText(fieldNamed("UPHmeatTxtBx"), "1.5");
    model.setText(fieldNamed("USfatTxtBx"), "two");
    planner.UCalcBtn_Click();

    for (const Field& field : allFields()) {
        EXPECT_EQ(window->text(field), model.text(field)) << field.name();
    }
    EXPECT_EQ(child<QLineEdit>("UCalTxtBx")->text(), QString::number(1795 + 80 + 200));
    EXPECT_EQ(dialogs.errorReports(), modelDialogs.errorReports());
    EXPECT_EQ(dialogs.errorReports().size(), 1U) << "the fat row; its previous total is used";
}

TEST_F(MealsWindowTest, ThePrintButtonPrintsTheSheetToTheWindowsPrinter) {
    showAndActivate();
    QTest::mouseClick(child<QPushButton>("Print"), Qt::LeftButton);
    EXPECT_EQ(dialogs.events, (std::vector<std::string>{"beep", "box: The boxes are EMPTY !!!"}));
    EXPECT_TRUE(printer.operations.empty());

    QTest::mouseClick(window->findChild<QButtonGroup*>("OptBtn")->button(10), Qt::LeftButton);
    dialogs.answers = {Answer::Yes};
    QTest::mouseClick(child<QPushButton>("Print"), Qt::LeftButton);
    EXPECT_EQ(printer.documentsEnded, 1);
    EXPECT_EQ(printer.lines.at(2), std::string(33, ' ') + "BREAKFAST");
    EXPECT_EQ(printer.lines.at(3),
              "     Bread ________________ ________________ ________________ ________________");
}

TEST_F(MealsWindowTest, TheLoadStepCentresTheWindowOnItsScreenOnce) {
    window->setCalorieSelected(-1);
    window->showForm();
    // Before a window is first shown its frame is not known, so its outer size is its 695 x 558
    // client area; the position is that of the frame's top-left corner.
    const QRect screen = window->screen()->geometry();
    EXPECT_EQ(window->pos(), QPoint(static_cast<int>(std::lround((screen.width() - 695) / 2.0)),
                                    static_cast<int>(std::lround((screen.height() - 558) / 2.0))));
    EXPECT_EQ(window->calorieSelected(), 0);

    window->hide();
    window->move(3, 4);
    window->setCalorieSelected(-1);
    window->showForm();
    EXPECT_EQ(window->pos(), QPoint(3, 4)) << "a second show runs no second load step";
    EXPECT_EQ(window->calorieSelected(), -1);
}

TEST_F(MealsWindowTest, ClosingTheWindowAsksTheDoneQuestion) {
    showAndActivate();
    dialogs.answers = {Answer::No};
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(dialogs.events,
              (std::vector<std::string>{"beep", "box: Are you sure you want to EXIT the program"}));
}

TEST_F(MealsWindowTest, ButtonsRunTheirHandlers) {
    showAndActivate();
    QTest::mouseClick(child<QPushButton>("UnDo"), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>("UCalcBtn"), Qt::LeftButton);
    EXPECT_EQ(dialogs.events,
              (std::vector<std::string>{"beep", "box: You must make a Calorie selection first",
                                        "beep", "box: You must make a Calorie selection first"}));
    // Yes to Done ends the process, which the child-process tests show.
    dialogs.answers = {Answer::No};
    QTest::mouseClick(child<QPushButton>("Done"), Qt::LeftButton);
    EXPECT_EQ(dialogs.events.back(), "box: Are you sure you want to EXIT the program");
}

} // namespace
} // namespace corvanta
