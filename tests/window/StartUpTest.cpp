#include "shell/Application.h"
#include "support/QtPrinters.h"
#include "support/RecordingPrinter.h"
#include "support/ScriptedDialogs.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>

namespace corvanta {
namespace {

// Two windows that show each other from their load steps, counting their loads.
class CrossShowingWindow : public FormWindow {
public:
    FormWindow* other = nullptr;
    int loads = 0;

protected:
    void formLoad() override {
        ++loads;
        other->showForm();
    }
};

TEST(FormWindowTest, WindowsThatShowEachOtherWhileLoadingLoadOnceEach) {
    CrossShowingWindow first;
    CrossShowingWindow second;
    first.other = &second;
    second.other = &first;
    first.showForm();
    first.showForm();
    second.showForm();
    EXPECT_EQ(first.loads, 1);
    EXPECT_EQ(second.loads, 1);
    EXPECT_TRUE(first.isVisible());
    EXPECT_TRUE(second.isVisible());
}

QPoint centred(const QWidget& window, QSize clientSize) {
    const QRect screen = window.screen()->geometry();
    return {static_cast<int>(std::lround((screen.width() - clientSize.width()) / 2.0)),
            static_cast<int>(std::lround((screen.height() - clientSize.height()) / 2.0))};
}

class StartUpTest : public ::testing::Test {
protected:
    testing::ScriptedDialogs dialogs;
    testing::RecordingPrinter printer;
    std::unique_ptr<Application> app = std::make_unique<Application>(dialogs, printer);
};

TEST_F(StartUpTest, TheTitleScreenStandsCentredInFrontOfTheMaximizedBackground) {
    app->start();
    BackgroundWindow& background = app->background();
    IntroWindow& intro = app->intro();

    EXPECT_EQ(background.objectName(), "Backgrnd");
    EXPECT_EQ(background.windowTitle(), "Zuduzaduv");
    EXPECT_TRUE(background.isVisible());
    EXPECT_TRUE(background.windowState() & Qt::WindowMaximized);
    EXPECT_EQ(intro.objectName(), "Intro");
    EXPECT_EQ(intro.windowTitle(), "Introduction");
    EXPECT_TRUE(intro.isVisible());
    EXPECT_EQ(intro.size(), QSize(511, 324));
    // The title screen is already shown when its load step centres it: its outer size counts.
    EXPECT_EQ(intro.pos(), centred(intro, intro.frameGeometry().size()));
    EXPECT_FALSE(app->mealsCreated()) << "the planner window comes with OK";
    ASSERT_TRUE(QTest::qWaitForWindowActive(&intro));
    EXPECT_EQ(QApplication::activeWindow(), &intro);
    EXPECT_TRUE(dialogs.events.empty());
}

TEST_F(StartUpTest, OkShowsThePlannerWindowCentredAndHidesTheTitleScreen) {
    app->start();
    auto* ok = app->intro().findChild<QPushButton*>("cmdOk");
    ASSERT_NE(ok, nullptr);
    QTest::mouseClick(ok, Qt::LeftButton);

    EXPECT_FALSE(app->intro().isVisible());
    EXPECT_TRUE(app->meals().isVisible());
    EXPECT_EQ(app->meals().pos(), centred(app->meals(), QSize(695, 558)));
    EXPECT_EQ(app->meals().calorieSelected(), 0);
    EXPECT_TRUE(app->background().isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&app->meals()));
    EXPECT_EQ(QApplication::activeWindow(), &app->meals());
}

TEST_F(StartUpTest, TheTitleScreenShowsItsTitleAndVersion) {
    IntroWindow& intro = app->intro();
    auto* title = intro.findChild<QLabel*>("lblTitle");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->text(), "   MEAL ZUDUZADUV");
    EXPECT_EQ(title->font().family(), "Times New Roman");
    EXPECT_DOUBLE_EQ(title->font().pointSizeF(), 26.25);
    EXPECT_TRUE(title->font().italic());
    EXPECT_FALSE(title->font().bold());
    EXPECT_EQ(title->palette().color(QPalette::WindowText), QColor(0, 128, 128));
    EXPECT_EQ(title->geometry(), QRect(81, 18, 376, 46));
    EXPECT_EQ(title->parentWidget()->objectName(), "frmInTitle");
    EXPECT_EQ(title->parentWidget()->parentWidget()->objectName(), "frmOutTitle");

    auto* copy = intro.findChild<QLabel*>("lblCopy");
    ASSERT_NE(copy, nullptr);
    EXPECT_TRUE(copy->text().contains("1.00"));
    EXPECT_EQ(copy->palette().color(QPalette::WindowText), QColor(0, 128, 0));
    EXPECT_EQ(intro.findChild<QPushButton*>("cmdOk")->geometry(), QRect(6, 12, 52, 25));
    EXPECT_EQ(intro.palette().color(QPalette::Window), QColor(192, 192, 192));
}

TEST_F(StartUpTest, EveryResizeRepaintsTheGradientFromTheTop) {
    BackgroundWindow& background = app->background();
    background.resize(400, 300);
    background.showForm();
    QImage surface = background.surface();
    ASSERT_FALSE(surface.isNull());
    EXPECT_EQ(surface.pixelColor(10, 0), QColor(0, 0, 255));
    EXPECT_EQ(surface.pixelColor(399, 0), QColor(0, 0, 255));

    // Draw over the surface, then resize: the gradient starts again at full blue.
    background.fillBox(0, 0, 750, 750, {255, 0, 0});
    EXPECT_EQ(background.surface().pixelColor(10, 10), QColor(255, 0, 0));
    background.showNormal();
    background.resize(3840, 2160);
    QApplication::processEvents();
    surface = background.surface();
    ASSERT_EQ(surface.size(), background.size());
    EXPECT_EQ(surface.pixelColor(10, 0), QColor(0, 0, 255));
    EXPECT_EQ(surface.pixelColor(3839, 1), QColor(0, 0, 255));
    // Bands follow the outer height; each is about a 63rd of it.
    const int band = static_cast<int>(std::lround(background.frameGeometry().height() / 63.0));
    EXPECT_EQ(surface.pixelColor(10, band * 10 + band / 2), QColor(0, 0, 255 - 40));
    EXPECT_EQ(surface.pixelColor(10, band * 40 + band / 2), QColor(0, 0, 255 - 160));
    // However often the window is resized, the drawing holds no more than one gradient.
    for (int width = 500; width < 900; width += 40) {
        background.resize(width, width / 2);
    }
    EXPECT_LE(background.drawnBoxes(), 63U);
    surface = background.surface();
    for (int y = 0; y < surface.height(); y += 7) {
        const QColor pixel = surface.pixelColor(surface.width() - 1, y);
        EXPECT_EQ(pixel.red(), 0);
        EXPECT_EQ(pixel.green(), 0);
    }
}

TEST_F(StartUpTest, ClosingAnyWindowAsksTheExitQuestion) {
    app->start();
    dialogs.answers = {Answer::No, Answer::No};
    EXPECT_FALSE(app->intro().close());
    EXPECT_FALSE(app->background().close());
    EXPECT_TRUE(app->intro().isVisible());
    EXPECT_TRUE(app->background().isVisible());
    EXPECT_EQ(dialogs.shown.size(), 2U);
    EXPECT_EQ(dialogs.shown[0].text, "Are you sure you want to EXIT the program");
}

} // namespace
} // namespace corvanta
