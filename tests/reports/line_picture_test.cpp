// The picture of two equations: what is drawn and where the view looks.
#include "reports/line_picture.h"
#include "support/test_system.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace korvel;
using korvel::testing::Rows_System;

TEST(LinePicture, TheViewHoldsTheSolutionOrTheLinesInItsMiddle) {
    const QString names[] = {{}, "Y 1", "Y 2"};
    struct Case {
        const char* what;
        std::initializer_list<std::initializer_list<double>> rows;
        SolutionKind kind;
        bool solution, sameLine;
        PlanePoint centre;
        QString first_label;
    };
    const Case cases[] = {
        {"crossing",
         {{2, 1, 8}, {-3, 1, -2}},
         SolutionKind::Unique,
         true,
         false,
         {2, 4},
         "2·Y 1 + Y 2 = 8"},
        {"far away",
         {{1, 0, 1000}, {0, 1, -3000}},
         SolutionKind::Unique,
         true,
         false,
         {1000, -3000},
         "Y 1 = 1000"},
        {"parallel",
         {{1, 2, 3}, {2, 4, 7}},
         SolutionKind::None,
         false,
         false,
         {0.65, 1.3},
         "Y 1 + 2·Y 2 = 3"},
        {"one line",
         {{1, 2, 3}, {2, 4, 6}},
         SolutionKind::Infinite,
         false,
         true,
         {0.6, 1.2},
         "Y 1 + 2·Y 2 = 3"},
        {"no line at all",
         {{0, 0, 5}, {1, -1, 0}},
         SolutionKind::None,
         false,
         false,
         {0, 0},
         "0 = 5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto s = Rows_System(2, c.rows);
        const LinePicture picture = Picture_Of_Two(s.a, s.c, c.kind, names);
        EXPECT_EQ(picture.solution.has_value(), c.solution);
        EXPECT_EQ(picture.sameLine, c.sameLine);
        EXPECT_EQ(picture.first.label, c.first_label);
        EXPECT_NEAR(picture.view.centre.x, c.centre.x, 1e-9);
        EXPECT_NEAR(picture.view.centre.y, c.centre.y, 1e-9);
        // The origin is in view, with a margin around the centre, and ticks fall on round
        // numbers, a handful to each side.
        const PlaneView& view = picture.view;
        EXPECT_GE(view.halfWidth, 1.1 * std::max(std::fabs(view.centre.x), 1.0) - 1e-9);
        EXPECT_GE(view.halfWidth, 1.1 * std::fabs(view.centre.y) - 1e-9);
        const std::vector<double> ticks = view.Ticks(view.centre.x);
        EXPECT_GE(ticks.size(), 5u);
        EXPECT_LE(ticks.size(), 11u);
        for (double tick : ticks)
            EXPECT_NEAR(std::remainder(tick, view.tickStep), 0, 1e-9 * view.tickStep);
    }
    EXPECT_EQ(Round_Up_To_Nice(0.3), 0.5);
    EXPECT_EQ(Round_Up_To_Nice(1.1), 2);
    EXPECT_EQ(Round_Up_To_Nice(4400), 5000);
    EXPECT_EQ(Round_Up_To_Nice(5000), 5000);
}
