// FNRound, FNRoundStr and the title block.
#include "base/app_globals.h"
#include "model/mod_matrix.h"
#include "reports/titlebox.h"
#include "support/scripted_messages.h"
#include "text/rounding.h"

#include <gtest/gtest.h>

#include <limits>

using namespace korvel;
using korvel::testing::ScriptedMessages;

TEST(FNRound, Table) {
    const struct {
        double value;
        int16_t n;
        double expected;
    } cases[] = {
        {2.5, 0, 3},
        {-2.5, 0, -2},
        {2.4999, 0, 2},
        {-2.6, 0, -3},
        {-1.25, 1, -1.2},
        {1.25, 1, 1.3},
        {1.23456, 2, 1.23},
        {-0.0005, 3, 0},
        {0.0004, 3, 0},
        {0.002, 3, 0.002},
        {0.00004, 4, 0},
        {0.00006, 4, 0.0001},
        {-39.23249, 4, -39.2325},
        {1.234565, 5, 1.23456}, // 1.234565 × 1e5 is 123456.49999999999 in binary
        {1.2345675, 6, 1.234568},
        {1.2345675, 7, 1.234568},
        {1.2345675, -1, 1.234568},
        {0, 4, 0},
        {1e300, 0, 1e300},
    };
    for (const auto& c : cases) {
        const auto r = FNRound(c.value, c.n);
        ASSERT_TRUE(r.has_value());
        EXPECT_DOUBLE_EQ(*r, c.expected) << c.value << " n=" << c.n;
    }
}

TEST(FNRound, ScalingOverflowIsReportedAndEmpty) {
    ScriptedMessages messages;
    EXPECT_FALSE(FNRound(1e305, 6).has_value());
    EXPECT_FALSE(FNRound(std::numeric_limits<double>::infinity(), 2).has_value());
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_TRUE(messages.shown[0].text.startsWith(
        QStringLiteral("Error 6   (Overflow)  has occurred in FNRound\r\n")));
}

class FNRoundStrTest : public ::testing::Test {
  protected:
    const QLocale english{QLocale::English, QLocale::UnitedStates};
    const QLocale german{QLocale::German, QLocale::Germany};
};

TEST_F(FNRoundStrTest, EveryPatternInAnEnglishLocale) {
    const double v = 1234.56789;
    EXPECT_EQ(FNRoundStr(v, -1, english), QStringLiteral("1.23E+3"));
    EXPECT_EQ(FNRoundStr(v, -3, english), QStringLiteral("1.23E+3"));
    EXPECT_EQ(FNRoundStr(v, 0, english), QStringLiteral("1,235."));
    EXPECT_EQ(FNRoundStr(v, 1, english), QStringLiteral("1,234.6"));
    EXPECT_EQ(FNRoundStr(v, 2, english), QStringLiteral("1,234.57"));
    EXPECT_EQ(FNRoundStr(v, 3, english), QStringLiteral("1,234.568"));
    EXPECT_EQ(FNRoundStr(v, 4, english), QStringLiteral("1,234.5679"));
    EXPECT_EQ(FNRoundStr(v, 5, english), QStringLiteral("1,234.567 890"));
    EXPECT_EQ(FNRoundStr(v, 9, english), QStringLiteral("1,234.567 890"));
}

TEST_F(FNRoundStrTest, RoundingSignsAndSmallValues) {
    const struct {
        double value;
        int16_t n;
        const char* text;
    } cases[] = {
        {0, 3, "0.000"},
        {0.5, 0, "1."},
        {-0.5, 0, "-1."},
        {2.5, 0, "3."},
        {1.005, 2, "1.01"}, // rounds the 15-digit decimal, not the binary value
        {-39.2324, 3, "-39.232"},
        {177.5895, 3, "177.590"},
        {-0.0004, 3, "0.000"}, // no minus sign on a zero
        {999.9996, 3, "1,000.000"},
        {1234567890123.0, 0, "1,234,567,890,123."},
        {-1234567.891, 2, "-1,234,567.89"},
        {0.0001234, -1, "1.23E-4"},
        {-98765, -2, "-9.88E+4"},
        {9.996, -1, "1.00E+1"},
        {0, -1, "0.00E+0"},
        {1e-20, 3, "0.000"},
        {1e20, 1, "100,000,000,000,000,000,000.0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FNRoundStr(c.value, c.n, english), QString::fromLatin1(c.text))
            << c.value << " n=" << c.n;
}

TEST_F(FNRoundStrTest, UsesTheLocalesSeparators) {
    EXPECT_EQ(FNRoundStr(1234.56789, 3, german), QStringLiteral("1.234,568"));
    EXPECT_EQ(FNRoundStr(1234.56789, 0, german), QStringLiteral("1.235,"));
    EXPECT_EQ(FNRoundStr(1234.56789, 7, german), QStringLiteral("1.234,567 890"));
    EXPECT_EQ(FNRoundStr(1234.56789, -1, german), QStringLiteral("1,23E+3"));
}

TEST_F(FNRoundStrTest, NonFiniteIsReportedAndEmpty) {
    ScriptedMessages messages;
    EXPECT_EQ(FNRoundStr(std::numeric_limits<double>::quiet_NaN(), 3, english), QString());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("has occurred in FNRoundStr")));
}

TEST(Titlebox, SeparatorsAndTheOptionalFileLine) {
    Project_ID = QStringLiteral(" Acme");
    Design_No = -12;
    Model_Date = QStringLiteral("12-07-2026");
    Model_Time = QStringLiteral("09:05:01");
    File_Name = QStringLiteral("bridge.kvl");
    File_Path.clear();
    EXPECT_EQ(Titlebox_Text(),
              QStringLiteral(" Acme\r Design No. -12\r\n12-07-2026\r at 09:05:01"));
    File_Path = QStringLiteral("/home/u/bridge.kvl");
    EXPECT_EQ(Titlebox_Text(), QStringLiteral(" Acme\r Design No. -12\r\n12-07-2026\r at "
                                              "09:05:01\r File: bridge.kvl"));
    File_Path.clear();
}
