#include "shell/Gradient.h"

#include <gtest/gtest.h>
#include <vector>

namespace corvanta {
namespace {

struct Box {
    std::int64_t x1, y1, x2, y2;
    Rgb colour;
};

class RecordingSurface : public DrawingSurface {
public:
    RecordingSurface(double width, double height)
        : width_(width)
        , height_(height) {}
    double outerWidthTwips() const override { return width_; }
    double outerHeightTwips() const override { return height_; }
    void fillBox(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2,
                 Rgb colour) override {
        boxes.push_back({x1, y1, x2, y2, colour});
    }

    std::vector<Box> boxes;

private:
    double width_, height_;
};

TEST(GradientTest, SixtyThreeBandsFromBlueDownToSeven) {
    RecordingSurface window(15000, 63 * 150);
    PaintGradient(window, 0, 0, 255);
    ASSERT_EQ(window.boxes.size(), 63U);
    for (std::size_t i = 0; i < window.boxes.size(); ++i) {
        const Box& box = window.boxes[i];
        SCOPED_TRACE("band " + std::to_string(i + 1));
        EXPECT_EQ(box.colour, (Rgb{0, 0, 255 - 4 * static_cast<int>(i)}));
        EXPECT_EQ(box.x1, 0);
        EXPECT_EQ(box.x2, 15000);
        EXPECT_EQ(box.y1, 150 * static_cast<std::int64_t>(i));
        EXPECT_EQ(box.y2, 150 * static_cast<std::int64_t>(i + 1));
    }
    EXPECT_EQ(window.boxes.back().colour, (Rgb{0, 0, 7}));
    EXPECT_EQ(window.boxes.back().y2, 63 * 150) << "ends exactly at the outer bottom edge";
}

TEST(GradientTest, BandHeightsRoundToEvenAndStayWithin32TwipsOfTheOuterHeight) {
    struct Case {
        double height;
        std::int64_t band;
    };
    const Case cases[] = {
        {63 * 10.5, 10},                                 // exactly halfway: to the even 10
        {63 * 11.5, 12},                                 // exactly halfway: to the even 12
        {63 * 10.49, 10}, {63 * 10.51, 11}, {8370, 133}, // 132.86
        {12000.7, 190},                                  // 190.49
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.height);
        RecordingSurface window(100.5, c.height);
        PaintGradient(window, 0, 0, 255);
        EXPECT_EQ(window.boxes.front().y2, c.band);
        EXPECT_EQ(window.boxes.back().y2, 63 * c.band);
        EXPECT_LT(std::abs(static_cast<double>(window.boxes.back().y2) - c.height), 32.0);
        EXPECT_EQ(window.boxes.front().x2, 100) << "100.5 rounds to the even 100";
    }
}

TEST(GradientTest, ComponentsStopAtZero) {
    RecordingSurface window(1000, 6300);
    PaintGradient(window, 10, 6, 255);
    EXPECT_EQ(window.boxes[0].colour, (Rgb{10, 6, 255}));
    EXPECT_EQ(window.boxes[1].colour, (Rgb{6, 2, 251}));
    EXPECT_EQ(window.boxes[2].colour, (Rgb{2, 0, 247}));
    EXPECT_EQ(window.boxes[3].colour, (Rgb{0, 0, 243}));
    for (const Box& box : window.boxes) {
        EXPECT_GE(box.colour.red, 0);
        EXPECT_GE(box.colour.green, 0);
    }
}

TEST(GradientTest, ScreensBeyond32767TwipsPaintWithoutOverflow) {
    // A 3840 x 2160 pixel screen, and one far larger still.
    for (const auto& [width, height] :
         {std::pair{3840.0 * 15, 2160.0 * 15}, std::pair{16384.0 * 15, 16384.0 * 15}}) {
        RecordingSurface window(width, height);
        PaintGradient(window, 0, 0, 255);
        EXPECT_EQ(window.boxes.back().x2, static_cast<std::int64_t>(width));
        EXPECT_GT(window.boxes.back().y2, 0);
        EXPECT_LT(std::abs(static_cast<double>(window.boxes.back().y2) - height), 32.0);
        for (std::size_t i = 1; i < window.boxes.size(); ++i) {
            EXPECT_EQ(window.boxes[i].y1, window.boxes[i - 1].y2);
        }
    }
}

TEST(GradientTest, RoundHalfEven) {
    EXPECT_EQ(roundHalfEven(0.5), 0);
    EXPECT_EQ(roundHalfEven(1.5), 2);
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(2.4999), 2);
    EXPECT_EQ(roundHalfEven(-0.5), 0);
    EXPECT_EQ(roundHalfEven(-1.5), -2);
    EXPECT_EQ(roundHalfEven(-2.6), -3);
    EXPECT_EQ(roundHalfEven(1e12 + 0.5), 1'000'000'000'000);
}

} // namespace
} // namespace corvanta
