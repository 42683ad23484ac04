// Number text over a wide table of values.
#include "text/leading_number.h"
#include "text/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

using namespace korvel;

TEST(NumberText, Table) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0, " 0"},
        {-0.0, " 0"},
        {3, " 3"},
        {-2, "-2"},
        {0.5, " .5"},
        {-0.25, "-.25"},
        {1.5, " 1.5"},
        {0.1, " .1"},
        {1.0 / 3, " .333333333333333"},
        {2.0 / 3, " .666666666666667"},
        {-123.456, "-123.456"},
        {0.0001, " .0001"},
        {0.00001, " 1E-05"},
        {0.000015, " 1.5E-05"},
        {-0.00012345, "-.00012345"},
        {123456789012345.0, " 123456789012345"},
        {999999999999999.0, " 999999999999999"},
        {9999999999999999.0, " 1E+16"},
        {1e15, " 1E+15"},
        {1234567890123456.0, " 1.23456789012346E+15"},
        {1e20, " 1E+20"},
        {1.5e-7, " 1.5E-07"},
        {-1e100, "-1E+100"},
        {1e-300, " 1E-300"},
        {5e-324, " 4.94065645841247E-324"},
        {std::numeric_limits<double>::max(), " 1.79769313486232E+308"},
        {0.99999999999999999, " 1"},
        {0.000099999999999999999, " .0001"},
        {100, " 100"},
        {-1000000, "-1000000"},
        {12.3456789012345678, " 12.3456789012346"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Number_Text(c.value), QString::fromLatin1(c.text)) << c.text;
}

TEST(NumberText, DigitsHaveNoSignPosition) {
    EXPECT_EQ(Number_Digits(3), QStringLiteral("3"));
    EXPECT_EQ(Number_Digits(-0.5), QStringLiteral("-.5"));
    EXPECT_EQ(Number_Digits(1e20), QStringLiteral("1E+20"));
}

TEST(NumberText, ReadsBackWithinFifteenDigits) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    std::uniform_int_distribution<int> exponent(-320, 300);
    for (int i = 0; i < 20000; ++i) {
        const double value = mantissa(random) * std::pow(10.0, exponent(random));
        if (!std::isfinite(value)) continue;
        const double back = Leading_Number(Number_Text(value));
        EXPECT_NEAR(back, value, std::fabs(value) * 1e-14 + 1e-320) << value;
    }
}
