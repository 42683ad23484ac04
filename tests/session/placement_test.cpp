// Window placement arithmetic on the displays of the worked examples, without a display.
#include "session/placement.h"

#include <gtest/gtest.h>

using namespace korvel;

namespace {
const ScreenTwips XGA{15360, 11520}; // 1024 × 768 at 15 twips per pixel
const ScreenTwips SVGA{12000, 9000}; // 800 × 600

class PlacementTest : public ::testing::Test {
  protected:
    void SetUp() override { Home_Load_Placement(XGA); }
};
} // namespace

TEST_F(PlacementTest, HomeScreenLoadIsCentredAtItsDesignSize) {
    const TwipsRect r = Home_Load_Placement(XGA);
    EXPECT_EQ(Home_Width, 11850);
    EXPECT_EQ(Home_Height, 9480);
    EXPECT_FLOAT_EQ(r.left, 1755);
    EXPECT_FLOAT_EQ(r.top, 1020);
    EXPECT_EQ(Home_Top, 1020);
}

TEST_F(PlacementTest, MaximizeOnAnXgaDisplay) {
    const TwipsRect home = Maximize_Placement(XGA, 9480, 11850, true, true);
    EXPECT_EQ(Home_Height, 11120);
    EXPECT_EQ(Home_Width, 13900);
    EXPECT_FLOAT_EQ(home.left, 730);
    EXPECT_FLOAT_EQ(home.top, 200); // centred vertically until the home screen was active

    const TwipsRect entry = Maximize_Placement(XGA, 8950, 11850, false, true);
    EXPECT_FLOAT_EQ(entry.width, 13900);
    EXPECT_NEAR(entry.height, 10498.3, 0.05);
    EXPECT_FLOAT_EQ(entry.left, 730);

    // Becoming active again, the home screen uses the 8950 aspect: 11120 × 1.3240223.
    const TwipsRect again = Maximize_Placement(XGA, 8950, 11850, true, false);
    EXPECT_EQ(Home_Width, 14723);
    EXPECT_EQ(Home_Height, 11120);
    EXPECT_FLOAT_EQ(again.top, 0); // at the top once the home screen has been active
}

TEST_F(PlacementTest, MaximizeKeepsTheProportionsOnAWideLowDisplay) {
    const TwipsRect home = Maximize_Placement({12000, 30000}, 9480, 11850, true, false);
    EXPECT_FLOAT_EQ(home.width, 12000);
    EXPECT_FLOAT_EQ(home.height, 9600);
    EXPECT_EQ(Home_Width, 12000);
    EXPECT_EQ(Home_Height, 9600);
}

TEST_F(PlacementTest, HomeSizesRoundHalvesToEven) {
    // H = 10000.5 - 400 would be fractional; pick a width-limited case giving .5 exactly.
    Maximize_Placement({10001, 20000}, 8000, 8000, true, false); // W = 10001, H = 10001
    EXPECT_EQ(Home_Width, 10001);
    Maximize_Placement({2001, 20000}, 2000, 4000, true, false); // W = 2001, H = 1000.5
    EXPECT_EQ(Home_Height, 1000);
    Maximize_Placement({2003, 20000}, 2000, 4000, true, false); // H = 1001.5
    EXPECT_EQ(Home_Height, 1002);
}

TEST_F(PlacementTest, StandardSizeNeverWiderThanTheHomeScreen) {
    ResetResult r = Reset_Placement(XGA, 8950, 11850, false);
    ASSERT_EQ(r.outcome, ResetOutcome::Placed);
    EXPECT_FLOAT_EQ(r.rect.width, 11850);
    EXPECT_FLOAT_EQ(r.rect.height, 8950);
    EXPECT_FLOAT_EQ(r.rect.left, 1755);
    EXPECT_FLOAT_EQ(r.rect.top, 1020);

    Home_Width = 10000;
    r = Reset_Placement(XGA, 8950, 11850, false);
    EXPECT_FLOAT_EQ(r.rect.width, 10000);
    EXPECT_NEAR(r.rect.height, 10000 / 1.3240223f, 0.01);

    r = Reset_Placement(XGA, 3000, 4000, false); // narrower: its design size
    EXPECT_FLOAT_EQ(r.rect.width, 4000);
    EXPECT_FLOAT_EQ(r.rect.height, 3000);
}

TEST_F(PlacementTest, StandardHomeScreenSetsTheHomeSize) {
    Maximize_Placement(XGA, 9480, 11850, true, false);
    const ResetResult r = Reset_Placement(XGA, 9480, 11850, true);
    ASSERT_EQ(r.outcome, ResetOutcome::Placed);
    EXPECT_EQ(Home_Height, 9480);
    EXPECT_EQ(Home_Width, 11850);
}

TEST_F(PlacementTest, SvgaDisplayShrinksTheSmallScreensAndMaximizesTheHome) {
    const auto small = Small_Screen_Placement(SVGA);
    ASSERT_TRUE(small.has_value());
    EXPECT_FLOAT_EQ(small->height, 8600);
    EXPECT_NEAR(small->width, 11386.6, 0.05);
    EXPECT_NEAR(small->left, 306.7, 0.05);
    EXPECT_FLOAT_EQ(small->top, 0);
    EXPECT_FALSE(Small_Screen_Placement(XGA).has_value());
    EXPECT_FALSE(Small_Screen_Placement({12000, 9350}).has_value()); // exactly 8950 + 400

    EXPECT_EQ(Reset_Placement(SVGA, 9480, 11850, true).outcome, ResetOutcome::UseMaximize);
}

TEST_F(PlacementTest, CentringUsesTheHomeTopOrTheTopEdge) {
    EXPECT_FLOAT_EQ(Center_Left(XGA, 11850), 1755);
    EXPECT_FLOAT_EQ(Center_Left(SVGA, 13000), -500); // wider than the display
    EXPECT_FLOAT_EQ(Center_Top(), 1020);
    Home_Load_Placement({15360, 9000}); // home taller than the display: negative top
    EXPECT_EQ(Home_Top, -240);
    EXPECT_FLOAT_EQ(Center_Top(), 0);
}

TEST_F(PlacementTest, WholeWindowIncludesTheWindowManagerFrame) {
    const FrameMargins openbox{1, 20, 1, 4};
    const PixelRect whole{20, 0, 759, 573};
    const PixelRect inside = Inside_Of_Window(whole, openbox);
    EXPECT_EQ(inside, (PixelRect{21, 20, 757, 549})); // the title bar starts at Top 0
    EXPECT_EQ(Whole_Window(inside, openbox), whole);
    EXPECT_EQ(Inside_Of_Window(whole, {}), whole); // no window manager: nothing moves
    EXPECT_EQ(Inside_Of_Window({0, 0, 10, 10}, {6, 8, 6, 8}), (PixelRect{6, 8, 1, 1}));
}
