#include "core/Failure.h"
#include "planner/MemoryFieldModel.h"
#include "planner/Planner.h"
#include "shell/WindowPlacement.h"
#include "support/PlannerFixture.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace corvanta {
namespace {

using testing::allTexts;
using testing::firstLine;
using testing::ProgramEnded;
using testing::ScriptedDialogs;

using HandlersTest = testing::PlannerFixture;

TEST_F(HandlersTest, UnDoAndCalcRefuseBeforeALevelIsChosen) {
    using Handler = void (Planner::*)();
    for (Handler handler : {&Planner::UnDo_Click, &Planner::UCalcBtn_Click}) {
        ScriptedDialogs refusals;
        Planner fresh(model, refusals);
        type("UAbreadTxtBx", "3");
        const auto before = allTexts(model);

        (fresh.*handler)();

        EXPECT_EQ(refusals.events, (std::vector<std::string>{
                                       "beep", "box: You must make a Calorie selection first"}));
        ASSERT_EQ(refusals.shown.size(), 1U);
        EXPECT_EQ(refusals.shown[0].caption, "Corvanta");
        EXPECT_EQ(refusals.shown[0].buttons, Buttons::Ok);
        EXPECT_EQ(refusals.shown[0].icon, Icon::None);
        EXPECT_EQ(allTexts(model), before);
        EXPECT_EQ(model.calorieSelected(), 0);
    }
}

TEST_F(HandlersTest, ChoosingALevelSetsTheFlagAndLoadsItsPlanSilently) {
    chooseLevel(4);
    EXPECT_EQ(model.calorieSelected(), -1);
    EXPECT_EQ(box("PCalTxtBx"), "1795");
    EXPECT_EQ(box("UTbreadTxTbx"), "8");
    EXPECT_TRUE(dialogs.events.empty());

    chooseLevel(8);
    EXPECT_EQ(model.calorieSelected(), -1);
    EXPECT_EQ(box("PCalTxtBx"), "2600");
}

TEST_F(HandlersTest, UnDoRestoresTheLevelWhoseButtonIsOn) {
    chooseLevel(2);
    chooseLevel(8);
    type("UAbreadTxtBx", "9");
    type("UTLmeatTxtBx", "abc");
    type("UCalTxtBx", "5000");
    type("UCarbTxtBx", "12");

    planner.UnDo_Click();

    MemoryFieldModel reference;
    Planner(reference, dialogs).eight();
    EXPECT_EQ(allTexts(model), allTexts(reference));
    EXPECT_EQ(box("UCalTxtBx"), " ");
    EXPECT_EQ(box("PCalTxtBx"), "2600");
    EXPECT_EQ(model.calorieSelected(), -1);
    EXPECT_TRUE(dialogs.events.empty()) << "UnDo asks nothing";
}

TEST_F(HandlersTest, UnDoReadsTheLevelFromTheButtonsNotFromTheLastClick) {
    chooseLevel(3);
    model.selectOption(6); // the group's state changed without a click reaching the handler
    planner.UnDo_Click();
    EXPECT_EQ(box("PCalTxtBx"), "2235");
}

TEST_F(HandlersTest, DoneAsksAndNoChangesNothing) {
    chooseLevel(1);
    type("UNfruitTxtBx", "3");
    const auto before = allTexts(model);
    dialogs.answers = {Answer::No};

    planner.Done_Click();

    EXPECT_EQ(dialogs.events,
              (std::vector<std::string>{"beep", "box: Are you sure you want to EXIT the program"}));
    EXPECT_EQ(dialogs.shown[0].buttons, Buttons::YesNo);
    EXPECT_EQ(dialogs.shown[0].caption, "Corvanta");
    EXPECT_EQ(allTexts(model), before);
    EXPECT_FALSE(dialogs.ended);
}

TEST_F(HandlersTest, DoneYesEndsTheProgramWithoutAnotherQuestion) {
    dialogs.answers = {Answer::Yes};
    EXPECT_THROW(planner.Done_Click(), ProgramEnded);
    EXPECT_TRUE(dialogs.ended);
    EXPECT_EQ(dialogs.shown.size(), 1U);
}

class FakePlacement : public WindowPlacement {
public:
    FakePlacement(double width, double height, double screenWidth, double screenHeight)
        : width_(width)
        , height_(height)
        , screenWidth_(screenWidth)
        , screenHeight_(screenHeight) {}
    double outerWidth() const override { return width_; }
    double outerHeight() const override { return height_; }
    double screenWidth() const override { return screenWidth_; }
    double screenHeight() const override { return screenHeight_; }
    void moveTo(double left, double top) override { moved = {left, top}; }

    std::optional<std::pair<double, double>> moved;

private:
    double width_, height_, screenWidth_, screenHeight_;
};

TEST_F(HandlersTest, FormLoadCentresTheWindowWithoutClampingAndClearsTheFlag) {
    struct Case {
        const char* name;
        double width, height, screenWidth, screenHeight;
        double left, top;
    };
    const Case cases[] = {
        {"fits", 707, 587, 1280, 800, 286.5, 106.5},
        {"exactly as wide as the screen", 1280, 587, 1280, 800, 0, 106.5},
        {"larger than the screen", 800, 700, 640, 480, -80, -110},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        model.setCalorieSelected(-1);
        FakePlacement placement(c.width, c.height, c.screenWidth, c.screenHeight);
        planner.Form_Load(placement);
        ASSERT_TRUE(placement.moved.has_value());
        EXPECT_DOUBLE_EQ(placement.moved->first, c.left);
        EXPECT_DOUBLE_EQ(placement.moved->second, c.top);
        EXPECT_EQ(model.calorieSelected(), 0);
    }
    EXPECT_TRUE(dialogs.events.empty());
}

// A field model whose writes to one box fail, to drive the error trap of the handlers.
class FailingModel : public MemoryFieldModel {
public:
    std::string failingBox;
    int failureNumber = failure::kNotACountNumber;
    void setText(Field field, std::string_view text) override {
        if (field.name() == failingBox) {
            throw Failure(failureNumber, "write refused");
        }
        MemoryFieldModel::setText(field, text);
    }
};

TEST(HandlerTrapTest, AFailureInsideThePlanLoaderIsReportedOnceWithTheHandlersSignature) {
    struct Case {
        const char* signature;
        void (*run)(Planner&, FailingModel&);
    };
    const Case cases[] = {
        {"Sub OptBtn_Click(index As Integer)",
         [](Planner& planner, FailingModel& model) {
             model.selectOption(5);
             planner.OptBtn_Click(5);
         }},
        {"Sub UnDo_Click()",
         [](Planner& planner, FailingModel& model) {
             model.setCalorieSelected(-1);
             model.selectOption(5);
             planner.UnDo_Click();
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.signature);
        FailingModel model;
        model.failingBox = "PNfruitTxtBx";
        ScriptedDialogs dialogs;
        Planner planner(model, dialogs);
        c.run(planner, model);

        const auto reports = dialogs.errorReports();
        ASSERT_EQ(reports.size(), 1U);
        EXPECT_EQ(firstLine(reports[0]),
                  std::string("Error 1001 in ") + c.signature + " (Line = 0)");
        // The loader stopped at the failing box; the boxes before it were written.
        EXPECT_EQ(model.text(fieldNamed("PAbreadTxtBx")), "3");
        EXPECT_EQ(model.text(fieldNamed("UNfruitTxtBx")), "");
        EXPECT_EQ(model.calorieSelected(), -1);
    }
}

TEST(HandlerTrapTest, AnOptionIndexOutsideTheGroupIsReportedAndTheFlagStaysSet) {
    MemoryFieldModel model;
    ScriptedDialogs dialogs;
    Planner(model, dialogs).OptBtn_Click(11);
    ASSERT_EQ(dialogs.errorReports().size(), 1U);
    EXPECT_EQ(firstLine(dialogs.errorReports()[0]),
              "Error 1099 in Sub OptBtn_Click(index As Integer) (Line = 0)");
    EXPECT_EQ(model.calorieSelected(), -1);
}

TEST(HandlerTrapTest, ANegativeFailureNumberShowsNoDialog) {
    FailingModel model;
    model.failingBox = "PAbreadTxtBx";
    model.failureNumber = -3;
    ScriptedDialogs dialogs;
    model.selectOption(1);
    Planner(model, dialogs).OptBtn_Click(1);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(model.calorieSelected(), -1);
}

TEST(HandlerTrapTest, CancelInTheReportEndsTheProgramAtOnce) {
    FailingModel model;
    model.failingBox = "UCalTxtBx";
    ScriptedDialogs dialogs;
    dialogs.answers = {Answer::Cancel};
    model.selectOption(1);
    EXPECT_THROW(Planner(model, dialogs).OptBtn_Click(1), ProgramEnded);
    EXPECT_EQ(dialogs.shown.size(), 1U);
    EXPECT_EQ(model.text(fieldNamed("PCarbTxtBx")), "") << "no step after the Cancel ran";
}

} // namespace
} // namespace corvanta
